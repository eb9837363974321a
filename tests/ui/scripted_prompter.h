#pragma once
// A Prompter for tests: records every message, question and dialog, and answers
// from queues. A question with no answer queued counts as unexpected and gets No
// (or Cancel), so a test that did not expect it fails on the count.

#include "ui/common/prompter.h"

#include <QStringList>

#include <deque>
#include <optional>
#include <vector>

namespace zarvo {

struct PromptRecord {
    enum class Kind { Message, MessageBox, Question, OpenFile, SaveFile, Font };
    Kind kind = Kind::Message;
    QString text;  // message or question; empty for dialogs
    QString caption;
    MessageIcon icon = MessageIcon::None;
    QString directory;
    QString filter;
};

class ScriptedPrompter final : public Prompter {
public:
    void showMessage(const QString& text) override;
    void showMessageBox(const QString& text, const QString& caption, MessageIcon icon) override;
    [[nodiscard]] bool askYesNo(const QString& text, const QString& caption, MessageIcon icon) override;
    [[nodiscard]] Answer askYesNoOrDismiss(const QString& text, const QString& caption, MessageIcon icon) override;
    [[nodiscard]] std::optional<QString> chooseOpenFile(const QString& caption, const QString& directory,
                                                        const QString& filter) override;
    [[nodiscard]] std::optional<QString> chooseSaveFile(const QString& caption, const QString& directory,
                                                        const QString& filter) override;
    [[nodiscard]] std::optional<QFont> chooseFont(const QFont& initial) override;

    // The texts of messages, boxes and questions in the order they were shown.
    [[nodiscard]] QStringList texts() const;
    [[nodiscard]] std::vector<PromptRecord> recordsOf(PromptRecord::Kind kind) const;
    // Every record as one line, in order: a message as its text; "box(caption, icon): text",
    // "ask(caption, icon): text", "open(caption, filter, directory)", "save(...)" and
    // "font(family, style)", the working directory written "." (a name in it "./name").
    [[nodiscard]] QStringList log() const;
    void clear() { records.clear(); }

    std::vector<PromptRecord> records;
    std::deque<bool> answers;                  // Yes/No questions
    std::deque<Answer> dismissals;             // questions that can be dismissed; else from answers
    std::deque<std::optional<QString>> files;  // open and save choices; nothing = Cancel
    std::deque<std::optional<QFont>> fonts;
    int unexpected = 0;
};

}  // namespace zarvo
