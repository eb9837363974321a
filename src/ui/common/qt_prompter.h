#pragma once
// Prompter through Qt's message boxes and file and font dialogs.

#include "ui/common/prompter.h"

#include <QPointer>
#include <QWidget>

namespace zarvo {

class QtPrompter final : public Prompter {
public:
    // The boxes are centred on and modal to parent (none until it is set).
    void setParentWidget(QWidget* parent) { parent_ = parent; }

    void showMessage(const QString& text) override;
    void showMessageBox(const QString& text, const QString& caption, MessageIcon icon) override;
    [[nodiscard]] bool askYesNo(const QString& text, const QString& caption, MessageIcon icon) override;
    [[nodiscard]] Answer askYesNoOrDismiss(const QString& text, const QString& caption, MessageIcon icon) override;
    [[nodiscard]] std::optional<QString> chooseOpenFile(const QString& caption, const QString& directory,
                                                        const QString& filter) override;
    [[nodiscard]] std::optional<QString> chooseSaveFile(const QString& caption, const QString& directory,
                                                        const QString& filter) override;
    [[nodiscard]] std::optional<QFont> chooseFont(const QFont& initial) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace zarvo
