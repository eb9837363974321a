#include "ui/dump/typed_key_filter.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace zarvo {

namespace {

constexpr char16_t kFirstPrintable = 0x20;
constexpr char16_t kDelete = 0x7F;

}  // namespace

bool TypesCharacter(const QKeyEvent& event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return false;
    const QString text = event.text();
    return !text.isEmpty() && text.front().unicode() >= kFirstPrintable && text.front().unicode() != kDelete;
}

bool FilterTypedKey(QLineEdit& box, const QKeyEvent& event, const CharacterFilter& filter)
{
    if (!TypesCharacter(event)) return false;
    const char16_t typed = event.text().front().unicode();
    // Only ASCII can pass any of the filters.
    const char entered = typed < kDelete ? filter(static_cast<char>(typed)) : 0;
    if (entered != 0) box.insert(QString(QChar::fromLatin1(entered)));
    return true;
}

}  // namespace zarvo
