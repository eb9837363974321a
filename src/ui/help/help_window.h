#pragma once
// The user manual in a window of the program: the manual's HTML, built into the
// program, in a browser whose contents at the top lead to every part. Links inside
// the manual move within it (Back and Forward return); links to the web open in the
// desktop's browser. The page is read the first time the window is shown.

#include <QWidget>

class QTextBrowser;

namespace zarvo {

class HelpWindow final : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the window in front, at the place the reader left it.
    void showManual();

    [[nodiscard]] QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_ = nullptr;
};

}  // namespace zarvo
