#include "scripted_prompter.h"

#include <QDir>

namespace zarvo {

namespace {

template <typename T>
T Next(std::deque<T>& queue, int& unexpected, T fallback)
{
    if (queue.empty()) {
        ++unexpected;
        return fallback;
    }
    T answer = queue.front();
    queue.pop_front();
    return answer;
}

// Indexed by MessageIcon.
constexpr const char* kIconNames[] = {"none", "stop", "exclamation", "question"};

QString Line(const PromptRecord& record)
{
    using Kind = PromptRecord::Kind;
    // The working directory, and names in it, written from ".".
    QString directory = record.directory;
    if (directory == QDir::currentPath() || directory.startsWith(QDir::currentPath() + QLatin1Char('/'))) {
        directory.replace(0, QDir::currentPath().size(), QStringLiteral("."));
    }
    switch (record.kind) {
    case Kind::Message:
        return record.text;
    case Kind::MessageBox:
    case Kind::Question:
        return QStringLiteral("%1(%2, %3): %4")
            .arg(record.kind == Kind::Question ? "ask" : "box", record.caption,
                 QString::fromLatin1(kIconNames[static_cast<int>(record.icon)]), record.text);
    case Kind::OpenFile:
        return QStringLiteral("open(%1, %2, %3)").arg(record.caption, record.filter, directory);
    case Kind::SaveFile:
        return QStringLiteral("save(%1, %2, %3)").arg(record.caption, record.filter, directory);
    case Kind::Font:
        return QStringLiteral("font(%1, %2)").arg(record.text, record.caption);
    }
    return {};
}

}  // namespace

void ScriptedPrompter::showMessage(const QString& text)
{
    records.push_back({PromptRecord::Kind::Message, text, {}, MessageIcon::None, {}, {}});
}

void ScriptedPrompter::showMessageBox(const QString& text, const QString& caption, MessageIcon icon)
{
    records.push_back({PromptRecord::Kind::MessageBox, text, caption, icon, {}, {}});
}

bool ScriptedPrompter::askYesNo(const QString& text, const QString& caption, MessageIcon icon)
{
    records.push_back({PromptRecord::Kind::Question, text, caption, icon, {}, {}});
    return Next(answers, unexpected, false);
}

Answer ScriptedPrompter::askYesNoOrDismiss(const QString& text, const QString& caption, MessageIcon icon)
{
    if (dismissals.empty()) return askYesNo(text, caption, icon) ? Answer::Yes : Answer::No;
    records.push_back({PromptRecord::Kind::Question, text, caption, icon, {}, {}});
    return Next(dismissals, unexpected, Answer::No);
}

std::optional<QString> ScriptedPrompter::chooseOpenFile(const QString& caption, const QString& directory,
                                                        const QString& filter)
{
    records.push_back({PromptRecord::Kind::OpenFile, {}, caption, MessageIcon::None, directory, filter});
    return Next(files, unexpected, std::optional<QString>{});
}

std::optional<QString> ScriptedPrompter::chooseSaveFile(const QString& caption, const QString& directory,
                                                        const QString& filter)
{
    records.push_back({PromptRecord::Kind::SaveFile, {}, caption, MessageIcon::None, directory, filter});
    return Next(files, unexpected, std::optional<QString>{});
}

std::optional<QFont> ScriptedPrompter::chooseFont(const QFont& initial)
{
    // A font choice records the family as its text and the style name as its caption.
    records.push_back({PromptRecord::Kind::Font, initial.family(), initial.styleName(), MessageIcon::None, {}, {}});
    return Next(fonts, unexpected, std::optional<QFont>{});
}

QStringList ScriptedPrompter::texts() const
{
    QStringList shown;
    for (const PromptRecord& record : records) {
        if (!record.text.isEmpty() && record.kind != PromptRecord::Kind::Font) shown << record.text;
    }
    return shown;
}

std::vector<PromptRecord> ScriptedPrompter::recordsOf(PromptRecord::Kind kind) const
{
    std::vector<PromptRecord> found;
    for (const PromptRecord& record : records) {
        if (record.kind == kind) found.push_back(record);
    }
    return found;
}

QStringList ScriptedPrompter::log() const
{
    QStringList lines;
    for (const PromptRecord& record : records) lines << Line(record);
    return lines;
}

}  // namespace zarvo
