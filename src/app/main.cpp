// The editor: one frame, shown maximised, holding the program-wide session. Files
// named on the command line open as Open opens them, each in its own window.

#include "core/messages.h"
#include "core/session.h"
#include "ui/common/qt_prompter.h"
#include "ui/frame/zarvo_form.h"

#include <QApplication>
#include <QFile>
#include <QStringList>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(zarvo::messages::kApplicationTitle));
    zarvo::Session session;
    zarvo::QtPrompter prompter;
    zarvo::TZarvoForm frame(session, prompter);
    prompter.setParentWidget(&frame);
    frame.showMaximized();
    // What is left once Qt has taken its own options: the files, in the system's encoding.
    QStringList files;
    for (int index = 1; index < argc; ++index) files << QFile::decodeName(argv[index]);
    // Once the frame is on the screen, so that a question has a window to stand over.
    QTimer::singleShot(0, &frame, [&frame, files] { frame.OpenFiles(files); });
    return QApplication::exec();
}
