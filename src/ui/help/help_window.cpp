#include "ui/help/help_window.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

namespace zarvo {

namespace {

constexpr const char* kHelpWindowTitle = "Zarvo32 EX Help";
// Where the build puts the manual among the program's resources.
constexpr const char* kManualUrl = "qrc:/help/manual.html";

QAction* AddTool(QToolBar* bar, const char* objectName, const QString& caption, const QKeySequence& keys)
{
    QAction* action = bar->addAction(caption);
    action->setObjectName(QString::fromLatin1(objectName));
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    return action;
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QString::fromUtf8(kHelpWindowTitle));
    resize(760, 640);

    auto* tools = new QToolBar(this);
    tools->setObjectName(QStringLiteral("HelpTools"));
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenExternalLinks(true);
    QAction* back = AddTool(tools, "HelpBack", tr("Back"), QKeySequence::Back);
    QAction* forward = AddTool(tools, "HelpForward", tr("Forward"), QKeySequence::Forward);
    QAction* contents = AddTool(tools, "HelpContents", tr("Contents"), QKeySequence(Qt::ALT | Qt::Key_Home));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(contents, &QAction::triggered, browser_, &QTextBrowser::home);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(tools);
    column->addWidget(browser_);
}

void HelpWindow::showManual()
{
    if (browser_->source().isEmpty()) browser_->setSource(QUrl(QString::fromLatin1(kManualUrl)));
    // Over a modal window (the table editor) the manual can only be read as a modal
    // window itself; over the frame it stays beside the editor windows.
    if (const QWidget* modal = QApplication::activeModalWidget(); modal != this) {
        const Qt::WindowModality wanted = modal != nullptr ? Qt::ApplicationModal : Qt::NonModal;
        if (windowModality() != wanted) {
            hide();
            setWindowModality(wanted);
        }
    }
    show();
    raise();
    activateWindow();
}

}  // namespace zarvo
