// The editor: one frame, shown maximised, holding the program-wide session.

#include "core/messages.h"
#include "core/session.h"
#include "ui/common/qt_prompter.h"
#include "ui/frame/zarvo_form.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(zarvo::messages::kApplicationTitle));
    zarvo::Session session;
    zarvo::QtPrompter prompter;
    zarvo::TZarvoForm frame(session, prompter);
    prompter.setParentWidget(&frame);
    frame.showMaximized();
    return QApplication::exec();
}
