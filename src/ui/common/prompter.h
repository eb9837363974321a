#pragma once
// The only way the windows ask or tell the user anything. The editor installs
// QtPrompter; tests install a scripted one that records every text and answers
// from a queue, so every command runs headless with its questions and messages.

#include <QFont>
#include <QString>

#include <optional>

namespace zarvo {

enum class MessageIcon { None, Stop, Exclamation, Question };

// The answer to a Yes/No box that can also be dismissed (Esc, or its close box).
enum class Answer { Yes, No, Dismissed };

class Prompter {
public:
    virtual ~Prompter() = default;

    // A box with the application's title as caption, the text, an OK button, no icon.
    virtual void showMessage(const QString& text) = 0;
    // A box with its own caption and icon and an OK button.
    virtual void showMessageBox(const QString& text, const QString& caption, MessageIcon icon) = 0;
    // Yes/No box; true for Yes.
    [[nodiscard]] virtual bool askYesNo(const QString& text, const QString& caption, MessageIcon icon) = 0;
    // The same box, telling Esc and its close box apart from No.
    [[nodiscard]] virtual Answer askYesNoOrDismiss(const QString& text, const QString& caption, MessageIcon icon) = 0;
    // The chosen path, or nothing when the user cancelled.
    [[nodiscard]] virtual std::optional<QString> chooseOpenFile(const QString& caption, const QString& directory,
                                                                const QString& filter) = 0;
    [[nodiscard]] virtual std::optional<QString> chooseSaveFile(const QString& caption, const QString& directory,
                                                                const QString& filter) = 0;
    // The chosen font, or nothing when the user cancelled.
    [[nodiscard]] virtual std::optional<QFont> chooseFont(const QFont& initial) = 0;
};

}  // namespace zarvo
