#include "ui/search/topts_form.h"

#include "core/document.h"
#include "search/find_dialog.h"
#include "search/find_key_filter.h"
#include "search/search_messages.h"
#include "search/search_progress.h"
#include "ui/common/grid_marker.h"
#include "ui/common/japanese_font.h"
#include "ui/common/notice_box.h"
#include "ui/common/qt_text.h"
#include "ui/search/kana_grid_view.h"
#include "ui/search/tlist_form.h"
#include "ui/search/window_placement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QToolButton>

#include <memory>
#include <utility>

namespace zarvo {

namespace {

constexpr int kClientWidth = 386;
constexpr int kKanaClientHeight = 287;  // the outer 314 pixels less the tool window's caption
constexpr int kGridTop = kKanaClientHeight - kKanaGridRows * kKanaCellPixels;
// A search that has run this long shows its progress in FindBox; shorter ones finish
// before the user could read it.
constexpr qint64 kQuietMilliseconds = 100;
constexpr int kCaptionPixels = 11;

// The key as the Find dialog's key rules take it; none for keys that type nothing
// (arrows, Delete, Ctrl+V), which the box handles itself.
struct TypedKey {
    FindKey key = FindKey::Character;
    std::string character;
};

[[nodiscard]] std::optional<TypedKey> TypedKeyOf(const QKeyEvent& event, const Cp932Codec& codec)
{
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return TypedKey{FindKey::Enter, {}};
    case Qt::Key_Escape:
        return TypedKey{FindKey::Escape, {}};
    case Qt::Key_Backspace:
        return TypedKey{FindKey::Backspace, {}};
    default:
        break;
    }
    const QString text = event.text();
    const Qt::KeyboardModifiers commandKeys = Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier;
    if (text.isEmpty() || text.front().unicode() < 0x20 || text.front() == QChar(0x7F) ||
        (event.modifiers() & commandKeys)) {
        return std::nullopt;
    }
    return TypedKey{FindKey::Character, codec.encode(text.toStdU16String())};
}

}  // namespace

TOptsForm::TOptsForm(Session& session, Prompter& prompter, CurrentDocument& documents, TListForm& list, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      session_(session),
      prompter_(prompter),
      documents_(documents),
      list_(list)
{
    // A tool window stays above the frame; unlike one kept above every window, it
    // lets the program's message boxes and the table editor come in front of it.
    setObjectName(QStringLiteral("OptsForm"));
    setWindowTitle(Text(messages::kFindCaption));
    setModal(true);
    // The captions are laid out for the narrow sans-serif face of 11 pixels the dialog
    // was drawn with; fontconfig stands in the installed Arial-like face.
    QFont captions = font();
    captions.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"), QStringLiteral("Nimbus Sans")});
    captions.setPixelSize(kCaptionPixels);
    setFont(captions);
    CreateControls();
    // Created with the Punctuation grid current and kbox on its first item.
    gridFont = JapaneseFont(QStringLiteral("MS Gothic"), 14);
    fGrid->showGrid(0, gridFont);
    setFixedSize(kClientWidth, kKanaClientHeight);
    ShowOptions();
}

TOptsForm::~TOptsForm() = default;

void TOptsForm::CreateControls()
{
    GroupBox1 = new QGroupBox(Text(messages::kSearchOptionsFrame), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(0, 0, kClientWidth, kKanaClientHeight);

    StaticText3 = new QLabel(Text(messages::kEnterData), GroupBox1);
    StaticText3->setObjectName(QStringLiteral("StaticText3"));
    StaticText3->setGeometry(3, 17, 66, 20);
    FindBox = new QLineEdit(GroupBox1);
    FindBox->setObjectName(QStringLiteral("FindBox"));
    FindBox->setGeometry(70, 15, 226, 22);
    FindBox->setFont(JapaneseFont(QStringLiteral("MS Gothic"), 13));
    FindBox->setMaxLength(kFindBoxLength);
    FindBox->installEventFilter(this);
    connect(FindBox, &QLineEdit::textChanged, this, &TOptsForm::FindBoxChange);
    Button1 = new QPushButton(Text(messages::kFindButton), GroupBox1);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(298, 14, 80, 24);
    Button1->setAutoDefault(false);
    Button1->installEventFilter(this);
    connect(Button1, &QPushButton::clicked, this, &TOptsForm::Button1Click);

    struct BoxPlace {
        QCheckBox** box;
        const char* name;
        const char* caption;
        QPoint at;
    };
    const BoxPlace boxes[] = {
        {&IgCase, "IgCase", messages::kIgnoreCase, {3, 40}},
        {&SaveFnd, "SaveFnd", messages::kSaveFinds, {3, 60}},
        {&WildCrd, "WildCrd", messages::kUseWildcards, {3, 80}},
        {&FindFromStart, "FindFromStart", messages::kFromTheBeginning, {3, 100}},
        {&IncFind, "IncFind", messages::kIncrementalSearch, {192, 83}},
        {&FindLimit, "FindLimit", messages::kLimitFinds, {192, 100}},
    };
    for (const BoxPlace& place : boxes) {
        auto* box = new QCheckBox(Text(place.caption), GroupBox1);
        box->setObjectName(QString::fromLatin1(place.name));
        box->setGeometry(place.at.x(), place.at.y(), 188, 18);
        box->installEventFilter(this);
        *place.box = box;
    }
    for (const auto& [box, option] : OptionBoxes()) {
        connect(box, &QCheckBox::clicked, this, [this, option = option](bool checked) {
            session_.search.dialog.options.*option = checked;
            IgCaseClick();
        });
    }

    // Flat buttons that never take the focus, so the keys stay with FindBox.
    const auto flatButton = [this](const char* name, const char* caption, QPoint at) {
        auto* button = new QToolButton(GroupBox1);
        button->setObjectName(QString::fromLatin1(name));
        button->setText(Text(caption));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(at.x(), at.y(), 186, 20);
        return button;
    };
    SpeedButton2 = flatButton("SpeedButton2", messages::kSelectAllOptions, {192, 41});
    SpeedButton1 = flatButton("SpeedButton1", messages::kRemoveAllOptions, {191, 61});
    connect(SpeedButton2, &QToolButton::clicked, this, &TOptsForm::SpeedButton2Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TOptsForm::SpeedButton1Click);

    kbox = new QComboBox(GroupBox1);
    kbox->setObjectName(QStringLiteral("kbox"));
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::TypeWriter);
    courier.setPixelSize(kCaptionPixels + 1);
    kbox->setFont(courier);
    for (int32_t grid = 0; grid < kKanaGridCount; ++grid) kbox->addItem(Text(KanaGridName(grid)));
    kbox->setGeometry(192, 120, 145, 22);
    connect(kbox, &QComboBox::activated, this, &TOptsForm::kboxChange);

    fGrid = new KanaGridView(codec_, GroupBox1);
    fGrid->move(2, kGridTop);
    fGrid->setFont(JapaneseFont(QStringLiteral("MS Gothic"), 16));
    fGrid->setHoverHandler([this](KanaCell cell) { fGridMouseMove(cell); });
    fGrid->setClickHandler([this] { fGridClick(); });
    ClickMe2 = new GridMarker(GroupBox1);
    ClickMe2->setObjectName(QStringLiteral("ClickMe2"));
    ClickMe2->setGeometry(2, 141, kKanaCellPixels, kKanaCellPixels);
    connect(ClickMe2, &GridMarker::clicked, this, &TOptsForm::fGridClick);
}

void TOptsForm::Prepare(const FindDialogLayout& layout)
{
    setWindowTitle(Text(layout.caption));
    kbox->setVisible(layout.showsKanaGrid);
    fGrid->setVisible(layout.showsKanaGrid);
    ClickMe2->setVisible(layout.showsKanaGrid);
    setFixedSize(kClientWidth, layout.showsKanaGrid ? kKanaClientHeight : kFindDialogClientHeight);
    ShowOptions();
    if (!placed_) CentreOnScreen(*this);
    placed_ = true;
}

void TOptsForm::ShowOptions()
{
    const FindDialogState& dialog = session_.search.dialog;
    for (const auto& [box, option] : OptionBoxes()) box->setChecked(dialog.options.*option);
    SaveFnd->setEnabled(dialog.saveFndEnabled);
    IncFind->setEnabled(dialog.incFindEnabled);
    const QSignalBlocker quiet(FindBox);
    FindBox->setMaxLength(dialog.boxLength);
    kbox->setCurrentIndex(dialog.kanaGrid);
}

std::array<TOptsForm::OptionBox, 6> TOptsForm::OptionBoxes() const
{
    return {{
        {IgCase, &SearchOptions::IgCase},
        {SaveFnd, &SearchOptions::SaveFnd},
        {WildCrd, &SearchOptions::WildCrd},
        {FindFromStart, &SearchOptions::FindFromStart},
        {IncFind, &SearchOptions::IncFind},
        {FindLimit, &SearchOptions::FindLimit},
    }};
}

std::string TOptsForm::BoxBytes() const { return codec_.encode(FindBox->text().toStdU16String()); }

void TOptsForm::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) FormShow();
    QDialog::showEvent(event);
}

void TOptsForm::FormShow()
{
    FindBox->setFocus();
    SetBoxText({});
    ShowFindDialog(session_.search);
    // The grid font as the grid draws it: 14 pixels, normal weight.
    gridFont = JapaneseFont(QStringLiteral("MS Gothic"), 14);
    gridFont.setWeight(QFont::Normal);
    if (session_.search.state.SearchKind == FindKind::Kana) DrawKanaGrid();
}

void TOptsForm::done(int result)
{
    CloseFindDialog(session_.search, std::exchange(closingByEscape_, false));
    SetBoxText({});
    QDialog::done(result);
}

void TOptsForm::CloseByEscape()
{
    closingByEscape_ = true;
    done(Rejected);
}

// ---- The search ---------------------------------------------------------------------

void TOptsForm::Button1Click()
{
    // The document is not held here: a window closed while the search lets events run
    // takes its document along. The search stops at its next step once the document is
    // gone or no longer the current one (its window closed and waits to be deleted).
    const std::weak_ptr<DocRecord> searched = documents_.document();
    DocRecord* const doc = searched.lock().get();
    QElapsedTimer clock;
    clock.start();
    const SearchProgress progress = [this, &searched, &clock](int32_t percent) {
        if (clock.elapsed() >= kQuietMilliseconds) ShowProgress(percent);
        QCoreApplication::processEvents();
        const std::shared_ptr<DocRecord> still = searched.lock();
        return still != nullptr && still == documents_.document();
    };
    const FindButtonOutcome outcome = PressFindButton(session_, doc, BoxBytes(), progress);
    if (outcome.ignored) return;
    list_.LinesChanged();
    if (outcome.notice) ShowNotice(prompter_, *outcome.notice);
    if (outcome.closeDialog) {
        done(Rejected);
    } else if (outcome.showList) {
        list_.ShowResults();
    }
    if (const std::shared_ptr<DocRecord> shown = searched.lock(); shown != nullptr && outcome.repaint) {
        documents_.repaint(*shown);
    }
}

void TOptsForm::ShowProgress(int32_t percent)
{
    SetBoxText(Text(SearchingText(percent)));
    FindBox->repaint();
}

void TOptsForm::FindBoxChange()
{
    if (SearchesOnChange(session_.search, BoxBytes())) Button1Click();
}

// ---- Keys ---------------------------------------------------------------------------

bool TOptsForm::FindBoxKeyPress(QKeyEvent& event, bool inFindBox)
{
    const std::optional<TypedKey> typed = TypedKeyOf(event, codec_);
    if (!typed) return false;
    const bool command = typed->key == FindKey::Enter || typed->key == FindKey::Escape;
    // The check boxes and the dialog take the commands; the other keys act on them as usual.
    if (!inFindBox && !command) return false;
    const std::shared_ptr<DocRecord> doc = documents_.document();
    if (doc == nullptr) {
        // Nothing to search: the keys still close the dialog or press Find.
        if (typed->key == FindKey::Escape) CloseByEscape();
        if (typed->key == FindKey::Enter) Button1Click();
        return true;
    }
    const KeyFilterResult result =
        FilterFindKey({typed->key, typed->character}, BoxBytes(), session_.search.state.SearchKind,
                      session_.search.dialog.options, doc->table);
    if (result.message != nullptr) prompter_.showMessage(Text(result.message));
    switch (result.command) {
    case KeyCommand::RunFind:
        Button1Click();
        return true;
    case KeyCommand::CloseDialog:
        CloseByEscape();
        return true;
    case KeyCommand::None:
        break;
    }
    if (!inFindBox) return true;
    switch (result.verdict) {
    case KeyVerdict::Pass:
        return false;
    case KeyVerdict::Swallow:
        return true;
    case KeyVerdict::Replace:
        FindBox->insert(Text(result.text));
        return true;
    case KeyVerdict::EraseLastTwo: {
        QString text = FindBox->text();
        text.chop(2);
        FindBox->setText(text);
        CaretToEnd();
        return true;
    }
    }
    return false;
}

void TOptsForm::keyPressEvent(QKeyEvent* event)
{
    if (!FindBoxKeyPress(*event, false)) QDialog::keyPressEvent(event);
}

bool TOptsForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress &&
        (watched == FindBox || qobject_cast<QCheckBox*>(watched) != nullptr || watched == Button1)) {
        return FindBoxKeyPress(*static_cast<QKeyEvent*>(event), watched == FindBox);
    }
    return QDialog::eventFilter(watched, event);
}

// ---- Options ------------------------------------------------------------------------

void TOptsForm::IgCaseClick()
{
    ApplyOptionClick(session_.search.dialog);
    ShowOptions();
    CaretToEnd();
}

void TOptsForm::SpeedButton1Click()
{
    RemoveAllOptions(session_.search.dialog);
    ShowOptions();
    CaretToEnd();
}

void TOptsForm::SpeedButton2Click()
{
    SelectAllOptions(session_.search.dialog);
    ShowOptions();
    CaretToEnd();
}

// ---- The kana grid ------------------------------------------------------------------

void TOptsForm::kboxChange(int index)
{
    session_.search.dialog.kanaGrid = index;
    DrawKanaGrid();
    IgCaseClick();
}

void TOptsForm::DrawKanaGrid()
{
    fGrid->showGrid(session_.search.dialog.kanaGrid, gridFont);
    FindBox->setFocus();
    CaretToEnd();
}

void TOptsForm::fGridMouseMove(KanaCell cell)
{
    hovered_ = cell;
    const PixelPoint at = KanaHighlightPosition(cell);
    ClickMe2->move(at.x, at.y);
}

void TOptsForm::fGridClick()
{
    if (const std::shared_ptr<DocRecord> doc = documents_.document()) {
        const std::optional<std::string> typed =
            KanaCellInsertion(doc->table, session_.search.dialog.kanaGrid, hovered_, BoxBytes().size());
        if (typed) FindBox->insert(QString::fromStdU16String(codec_.decode(*typed)));
    }
    CaretToEnd();
    FindBox->setFocus();
}

// ---- Helpers ------------------------------------------------------------------------

void TOptsForm::SetBoxText(const QString& text)
{
    const QSignalBlocker quiet(FindBox);
    FindBox->setText(text);
}

void TOptsForm::CaretToEnd() { FindBox->end(false); }

}  // namespace zarvo
