// Help Topics (F1): the user manual in a window of the program, its contents leading
// to every part; a help file zarvo.chm in the start-up folder goes to the platform's
// viewer instead, and only a failure to start that viewer shows the error box.

#include "ui/help/help_window.h"

#include "frame_fixture.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>

using namespace zarvo;
using namespace zarvo::window_test;

namespace {

// The manual's window after F1 on the frame.
HelpWindow* PressF1(FrameFixture& fixture)
{
    fixture.press(Qt::Key_F1);
    return Child<HelpWindow>(fixture.frame.get(), "HelpWindow");
}

// The first block of the manual that is a heading with the text, or an invalid block.
QTextBlock Heading(const QTextDocument& manual, const QString& text)
{
    for (QTextBlock block = manual.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() > 0 && block.text() == text) return block;
    }
    return {};
}

// Where the contents link with the text starts, or -1.
int ContentsLink(const QTextDocument& manual, const QString& text)
{
    for (QTextBlock block = manual.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            if (format.isAnchor() && format.anchorHref().startsWith(QLatin1Char('#')) &&
                fragment.fragment().text() == text) {
                return fragment.fragment().position();
            }
        }
    }
    return -1;
}

bool ShowsPosition(const QTextBrowser& browser, int position)
{
    QTextCursor cursor(browser.document());
    cursor.setPosition(position);
    return browser.viewport()->rect().contains(browser.cursorRect(cursor).center());
}

}  // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT
private slots:
    void f1ShowsTheManualFromItsTitle();
    void manualCanBeReadOverTheTableMaker();
    void contentsLinksLeadToTheirParts_data();
    void contentsLinksLeadToTheirParts();
    void helpFileGoesToThePlatformViewer_data();
    void helpFileGoesToThePlatformViewer();
};

void HelpWindowTest::f1ShowsTheManualFromItsTitle()
{
    FrameFixture fixture;
    HelpWindow* window = PressF1(fixture);
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Zarvo32 EX Help"));
    QTextBlock first = window->browser()->document()->begin();
    while (first.isValid() && first.blockFormat().headingLevel() == 0) first = first.next();
    QCOMPARE(first.text(), QStringLiteral("Zarvo32 EX"));
    QCOMPARE(first.blockFormat().headingLevel(), 1);
    QVERIFY(ShowsPosition(*window->browser(), first.position()));
    QCOMPARE(fixture.prompter.log(), QStringList{});
}

void HelpWindowTest::manualCanBeReadOverTheTableMaker()
{
    FrameFixture fixture;
    HelpWindow* help = nullptr;
    fixture.triggerModal("TableMaker1", [&] {
        QWidget* maker = QApplication::activeModalWidget();
        maker->activateWindow();
        WaitActive(maker);
        QTest::keyClick(maker, Qt::Key_F1);
        help = Child<HelpWindow>(fixture.frame.get(), "HelpWindow");
        QVERIFY(help->isVisible());
        QCOMPARE(QApplication::activeModalWidget(), help);  // the one window not blocked
        help->close();
    });
    // Beside the frame it blocks nothing.
    QCOMPARE(PressF1(fixture), help);
    QVERIFY(help->isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void HelpWindowTest::contentsLinksLeadToTheirParts_data()
{
    QTest::addColumn<QString>("part");
    for (const char* part : {"Editing", "Table files", "zarvo-tool", "Tile sheets", "BPS and UPS patches"}) {
        QTest::newRow(part) << QString::fromLatin1(part);
    }
}

void HelpWindowTest::contentsLinksLeadToTheirParts()
{
    QFETCH(QString, part);
    FrameFixture fixture;
    QTextBrowser& browser = *PressF1(fixture)->browser();
    QVERIFY(QTest::qWaitForWindowExposed(browser.window()));
    const int link = ContentsLink(*browser.document(), part);
    const QTextBlock heading = Heading(*browser.document(), part);
    QVERIFY(link >= 0);
    QVERIFY(heading.isValid());
    QVERIFY(!ShowsPosition(browser, heading.position()));

    QTextCursor onLink(browser.document());
    onLink.setPosition(link + 1);
    browser.setTextCursor(onLink);
    browser.ensureCursorVisible();
    QTest::mouseClick(browser.viewport(), Qt::LeftButton, {}, browser.cursorRect(onLink).center());
    QTRY_VERIFY(ShowsPosition(browser, heading.position()));
}

void HelpWindowTest::helpFileGoesToThePlatformViewer_data()
{
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<bool>("viewerStarts");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("manualShown");
    const QStringList error{QStringLiteral(
        "box(Zarvo32 EX Help error, stop): Error loading HH.exe. It is required for HTML Help files...")};
    QTest::newRow("viewer fails") << true << false << error << false;
    QTest::newRow("viewer starts") << true << true << QStringList{} << false;
    QTest::newRow("no help file") << false << true << QStringList{} << true;
}

void HelpWindowTest::helpFileGoesToThePlatformViewer()
{
    QFETCH(bool, fileExists);
    QFETCH(bool, viewerStarts);
    QFETCH(QStringList, messages);
    QFETCH(bool, manualShown);
    FrameFixture fixture;
    QCOMPARE(QString::fromStdString(fixture.session.helpPath), QDir::currentPath() + QStringLiteral("/zarvo.chm"));
    const QString help =
        fileExists ? fixture.writeFile(QStringLiteral("zarvo.chm"), "help") : fixture.path(QStringLiteral("zarvo.chm"));
    std::vector<QUrl> opened;
    fixture.frame->setHelpOpener([&](const QUrl& url) {
        opened.push_back(url);
        return viewerStarts;
    });
    QCOMPARE(PressF1(fixture)->isVisible(), manualShown);
    QCOMPARE(fixture.prompter.log(), messages);
    QCOMPARE(opened, fileExists ? std::vector<QUrl>{QUrl::fromLocalFile(help)} : std::vector<QUrl>{});
}

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
