#include "ui/common/qt_prompter.h"

#include "core/messages.h"

#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPushButton>

namespace zarvo {

namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None:
        return QMessageBox::NoIcon;
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// "*.*" matches every file where the filters come from, but only names with a dot
// in Qt's own dialog; "*" keeps files without an extension in view.
QString DialogFilter(QString filter) { return filter.replace(QStringLiteral("(*.*)"), QStringLiteral("(*)")); }

std::optional<QString> Chosen(const QString& path)
{
    if (path.isEmpty()) return std::nullopt;
    return path;
}

}  // namespace

void QtPrompter::showMessage(const QString& text)
{
    showMessageBox(text, QString::fromUtf8(messages::kApplicationTitle), MessageIcon::None);
}

void QtPrompter::showMessageBox(const QString& text, const QString& caption, MessageIcon icon)
{
    QMessageBox box(BoxIcon(icon), caption, text, QMessageBox::Ok, parent_);
    box.exec();
}

bool QtPrompter::askYesNo(const QString& text, const QString& caption, MessageIcon icon)
{
    QMessageBox box(BoxIcon(icon), caption, text, QMessageBox::Yes | QMessageBox::No, parent_);
    return box.exec() == QMessageBox::Yes;
}

Answer QtPrompter::askYesNoOrDismiss(const QString& text, const QString& caption, MessageIcon icon)
{
    QMessageBox box(BoxIcon(icon), caption, text, QMessageBox::Yes | QMessageBox::No, parent_);
    // Esc and the close box press this button, which is never shown: only Yes and No are.
    QPushButton* dismiss = box.addButton(QMessageBox::Cancel);
    box.setEscapeButton(dismiss);
    dismiss->hide();
    box.exec();
    if (box.clickedButton() == box.button(QMessageBox::Yes)) return Answer::Yes;
    if (box.clickedButton() == box.button(QMessageBox::No)) return Answer::No;
    return Answer::Dismissed;
}

std::optional<QString> QtPrompter::chooseOpenFile(const QString& caption, const QString& directory,
                                                  const QString& filter)
{
    return Chosen(QFileDialog::getOpenFileName(parent_, caption, directory, DialogFilter(filter)));
}

std::optional<QString> QtPrompter::chooseSaveFile(const QString& caption, const QString& directory,
                                                  const QString& filter)
{
    return Chosen(QFileDialog::getSaveFileName(parent_, caption, directory, DialogFilter(filter)));
}

std::optional<QFont> QtPrompter::chooseFont(const QFont& initial)
{
    bool accepted = false;
    const QFont font = QFontDialog::getFont(&accepted, initial, parent_);
    if (!accepted) return std::nullopt;
    return font;
}

}  // namespace zarvo
