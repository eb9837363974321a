#pragma once
// The about box: program name, version and what the program is for. Escape
// closes it; every other key is swallowed.

#include <QDialog>

namespace zarvo {

class TAboutBox final : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace zarvo
