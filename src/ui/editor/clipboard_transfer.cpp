#include "ui/editor/clipboard_transfer.h"

#include "ui/common/qt_text.h"
#include "ui/editor/editor_input.h"
#include "view/paste.h"
#include "view/paste_messages.h"
#include "view/selection_copy.h"

#include <QClipboard>
#include <QGuiApplication>

#include <optional>

namespace zarvo {

namespace {

[[nodiscard]] QString RefusalText(const PasteReading& reading, const QString& clipboard)
{
    const int position = static_cast<int>(reading.position) + 1;
    switch (reading.refusal) {
    case PasteRefusal::Empty:
        return Text(messages::kPasteEmpty);
    case PasteRefusal::NotHex:
        return QString::asprintf(messages::kPasteNotHex, position);
    case PasteRefusal::NoTableCode: {
        const auto characters = clipboard.toUcs4();
        const char32_t refused = reading.position < static_cast<std::size_t>(characters.size())
                                     ? characters[static_cast<qsizetype>(reading.position)]
                                     : U'?';
        return QString::asprintf(messages::kPasteNoTableCode, position,
                                 QString::fromUcs4(&refused, 1).toUtf8().constData());
    }
    case PasteRefusal::PastTheData:
        return Text(messages::kPastePastTheData);
    case PasteRefusal::None:
        break;
    }
    return {};
}

}  // namespace

void CopyToClipboard(const DocRecord& doc, const ViewContext& context, bool tableText)
{
    const std::optional<ByteRange> range = CopyRange(doc, context.session.view);
    if (!range) return;
    const QString text =
        tableText ? QString::fromStdU16String(TableCopyText(doc, context.session.view, *range, context.codec))
                  : QString::fromLatin1(HexCopyText(doc, *range));
    QGuiApplication::clipboard()->setText(text);
}

ClipboardPaste PasteFromClipboard(DocRecord& doc, const ViewContext& context)
{
    ClipboardPaste paste;
    const QString clipboard = QGuiApplication::clipboard()->text();
    const Session& session = context.session;
    const PasteReading reading =
        doc.textMode ? ReadTablePaste(doc.table, session.input, PastedCharacters(clipboard, context.codec))
                     : ReadHexPaste(PastedHexText(clipboard));
    if (reading.refusal != PasteRefusal::None) {
        paste.notice = RefusalText(reading, clipboard);
        return paste;
    }
    const PasteOutcome outcome = WritePaste(doc, session.view, reading.data);
    paste.result = outcome.result;
    if (outcome.refusal != PasteRefusal::None) {
        paste.notice = Text(messages::kPastePastTheData);
    } else if (outcome.written < outcome.offered) {
        paste.notice = QString::asprintf(messages::kPasteCut, outcome.written, outcome.offered);
    }
    return paste;
}

}  // namespace zarvo
