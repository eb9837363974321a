#include "ui/tables/ttm_form.h"

#include "core/document.h"
#include "core/messages.h"
#include "core/shift_jis_grid.h"
#include "core/shift_jis_line.h"
#include "core/table_list_file.h"
#include "core/table_list_text.h"
#include "core/table_loader.h"
#include "ui/common/chooser_start.h"
#include "ui/common/current_document.h"
#include "ui/common/menu_actions.h"
#include "ui/common/qt_text.h"
#include "ui/tables/shift_jis_grid_view.h"
#include "ui/tables/table_line_list.h"

#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QVBoxLayout>

namespace zarvo {

namespace {

constexpr int kClientWidth = 553;
constexpr int kClientHeight = 307;
constexpr int kTblValMaxLength = 256;

// Fonts are asked for by their Windows names; the Japanese face installed here stands in.
QFont ShiftJisFont(const QString& face, int pixelSize)
{
    QFont font;
    QStringList families{face};
    const QStringList fallbacks{QStringLiteral("MS Gothic"), QStringLiteral("MS Mincho"), QStringLiteral("IPAGothic")};
    for (const QString& other : fallbacks) {
        if (!families.contains(other)) families << other;
    }
    font.setFamilies(families);
    font.setPixelSize(pixelSize);
    return font;
}

}  // namespace

TTMForm::TTMForm(Session& session, Prompter& prompter, CurrentDocument& documents, TableEditorHost host,
                 QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      session_(session),
      prompter_(prompter),
      documents_(documents),
      host_(std::move(host))
{
    setObjectName(QStringLiteral("TMForm"));
    setModal(true);
    gridFont = ShiftJisFont(QStringLiteral("MS Mincho"), 14);
    gridFont.setWeight(QFont::Medium);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* bar = new QMenuBar(this);
    layout->setMenuBar(bar);
    auto* client = new QWidget(this);
    client->setFixedSize(kClientWidth, kClientHeight);
    layout->addWidget(client);

    CreateControls(client);
    CreateMenu(bar);
    UpdateCaption();
}

TTMForm::~TTMForm() = default;

void TTMForm::CreateControls(QWidget* client)
{
    StaticText1 = new QLabel(tr(" Table Data"), client);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    QFont labelFont(QStringLiteral("Arial"));
    labelFont.setPixelSize(12);
    StaticText1->setFont(labelFont);
    StaticText1->setGeometry(4, 4, 140, 14);

    TblVal = new QLineEdit(client);
    TblVal->setObjectName(QStringLiteral("TblVal"));
    TblVal->setMaxLength(kTblValMaxLength);
    TblVal->setFont(ShiftJisFont(QStringLiteral("MS Gothic"), 13));
    TblVal->setGeometry(4, 20, 140, 24);
    TblVal->installEventFilter(this);

    TblList = new TableLineList(lines_, codec_, client);
    TblList->setFont(ShiftJisFont(QStringLiteral("MS Gothic"), 12));
    TblList->setGeometry(4, 48, 140, 255);
    TblList->setCopyHandler([this](int row) { CopyLineToValue(row); });
    TblList->setPlaceHandler([this](int row) { PlaceValueAt(row); });

    Symbols = new QGroupBox(tr(" Character Selection "), client);
    Symbols->setObjectName(QStringLiteral("Symbols"));
    Symbols->setGeometry(148, 2, 403, 48);
    struct SetButton {
        QRadioButton** button;
        const char* name;
        QString caption;
        uint16_t code;
        int x;
    };
    const SetButton buttons[] = {
        {&Puncs, "Puncs", tr("Punctuation"), kPunctuationCode, 10},
        {&AscJap, "AscJap", tr("Kana ASCII"), kKanaAsciiCode, 112},
        {&Hira, "Hira", tr("Hiragana"), kHiraganaCode, 212},
        {&Kata, "Kata", tr("Katakana"), kKatakanaCode, 306},
    };
    for (const SetButton& set : buttons) {
        *set.button = new QRadioButton(set.caption, Symbols);
        (*set.button)->setObjectName(QString::fromLatin1(set.name));
        (*set.button)->setGeometry(set.x, 20, 96, 22);
        const uint16_t code = set.code;
        connect(*set.button, &QRadioButton::clicked, this, [this, code] { SetCharacterSet(code); });
    }
    Puncs->setChecked(true);

    jGrid = new ShiftJisGridView(codec_, gridFont, client);
    jGrid->move(148, 56);
    jGrid->setPickHandler([this](uint16_t code) { GridPick(code); });

    TScrl = new QScrollBar(Qt::Vertical, client);
    TScrl->setObjectName(QStringLiteral("TScrl"));
    TScrl->setRange(kGridScrollMin, kGridScrollMax);
    TScrl->setSingleStep(kGridScrollSmallChange);
    TScrl->setPageStep(kGridScrollLargeChange);
    // The grid opens on the set its checked button names: punctuation.
    TScrl->setValue(kPunctuationCode);
    TScrl->setGeometry(148 + jGrid->width() + 2, 56, 16, jGrid->height());
    TScrl->setFocusPolicy(Qt::NoFocus);
    connect(TScrl, &QScrollBar::valueChanged, jGrid, &ShiftJisGridView::setScrollPosition);
    jGrid->setScrollPosition(TScrl->value());
}

void TTMForm::CreateMenu(QMenuBar* bar)
{
    QMenu* file = bar->addMenu(tr("&File"));
    OpenTableFile1 = AddMenuAction(file, "OpenTableFile1", tr("&Open Table File"), QKeySequence(tr("Ctrl+O")),
                                   tr("Load a table file into the list"));
    SaveTableFile1 = AddMenuAction(file, "SaveTableFile1", tr("&Save Table File"), QKeySequence(tr("Ctrl+S")),
                                   tr("Write the list to a table file"));
    file->addSeparator();
    Exit1 = AddMenuAction(file, "Exit1", tr("E&xit"), QKeySequence(tr("Alt+X")), tr("Close the table editor"));
    QMenu* options = bar->addMenu(tr("&Options"));
    SortTableList1 = AddMenuAction(options, "SortTableList1", tr("Sort Table List"), QKeySequence(Qt::Key_F3),
                                   tr("Sort the list once"));
    RevINC = AddCheckAction(options, "RevINC", tr("Reverse Value Increment"), QKeySequence(tr("Ctrl+R")),
                            tr("Count keys from their first byte"), false);
    QMenu* help = bar->addMenu(tr("&Help"));
    HelpTopics1 =
        AddMenuAction(help, "HelpTopics1", tr("Help Topics"), QKeySequence(Qt::Key_F1), tr("Show the help file"));

    connect(OpenTableFile1, &QAction::triggered, this, &TTMForm::OpenTableFile1Click);
    connect(SaveTableFile1, &QAction::triggered, this, &TTMForm::SaveTableFile1Click);
    connect(Exit1, &QAction::triggered, this, &QWidget::close);
    connect(SortTableList1, &QAction::triggered, this, &TTMForm::SortTableList1Click);
    connect(HelpTopics1, &QAction::triggered, this, [this] {
        if (host_.showHelp) host_.showHelp();
    });
}

// ---- Opening and closing --------------------------------------------------------

void TTMForm::PrepareEditor(const std::string& fileName)
{
    session_.dialogs.tableEditor = TableEditorMode::Editor;
    editFileName_ = fileName;
}

void TTMForm::PrepareMaker()
{
    session_.dialogs.tableEditor = TableEditorMode::Maker;
    editFileName_.clear();
    FillList({});
}

void TTMForm::PrepareLines(const std::vector<std::string>& lines)
{
    session_.dialogs.tableEditor = TableEditorMode::Prepared;
    editFileName_.clear();
    FillList(lines);
    if (TblList->count() > 0) TblList->setCurrentRow(0);
}

void TTMForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TTMForm::FormShow()
{
    const std::shared_ptr<DocRecord> doc = documents_.document();
    if (mode() == TableEditorMode::Editor && doc != nullptr) {
        FillList({});
        const std::string name = ActiveTablePath(doc->table);
        if (name.empty()) {
            FillList(AsciiTableLines());
        } else if (const auto lines = ReadTableListFile(name)) {
            FillList(*lines);
        }
    }
    TblVal->clear();
    jGrid->update();
    UpdateCaption();
    FocusValueAtEnd();
}

void TTMForm::done(int result)
{
    if (isVisible()) FormCloseQuery();
    QDialog::done(result);
}

void TTMForm::FormCloseQuery()
{
    const std::shared_ptr<DocRecord> doc = documents_.document();
    if (doc == nullptr || !OffersTableReplace(doc->table, editFileName_)) return;
    const auto slot = static_cast<std::size_t>(doc->table.activeTable);
    const QString question =
        QString::asprintf(messages::kReplaceTableQuestion, doc->table.tableName[slot].c_str(), editFileName_.c_str());
    if (!prompter_.askYesNo(question, Text(messages::kTableEditorCaption), MessageIcon::Question)) return;
    if (host_.loadTable) host_.loadTable(static_cast<int>(slot), editFileName_);
}

// ---- Files ------------------------------------------------------------------------

void TTMForm::OpenTableFile1Click()
{
    const std::optional<QString> chosen =
        prompter_.chooseOpenFile(tr("Open Table File"), ChooserSuggestion(session_, documents_.document().get(), "tbl"),
                                 QStringLiteral("Tbl files (*.tbl *.TBL)"));
    if (!chosen || chosen->isEmpty()) return;
    const std::string path = ToPath(*chosen);
    const auto lines = ReadTableListFile(path);
    if (!lines) return;
    editFileName_ = path;
    FillList(*lines);
    UpdateCaption();
}

void TTMForm::SaveTableFile1Click()
{
    if (!prompter_.askYesNo(Text(messages::kSaveTableData), Text(messages::kSaveTableCaption), MessageIcon::Question)) {
        return;
    }
    std::string target = editFileName_;
    if (target.empty()) {
        const std::optional<QString> chosen = prompter_.chooseSaveFile(
            tr("Save Table File"), ChooserSuggestion(session_, documents_.document().get(), "tbl"),
            QStringLiteral("TBL files (*.tbl)"));
        if (!chosen) return;
        if (chosen->isEmpty()) {
            prompter_.showMessage(Text(messages::kNoFileSelected));
            return;
        }
        target = WithDefaultExtension(ToPath(*chosen), "tbl");
    }
    // The list is written whole or not at all; a failure leaves the old file.
    if (WriteTableListFile(target, TableLines()) != SaveError::None) {
        prompter_.showMessage(Text(messages::kCannotOpenTableFile));
        return;
    }
    editFileName_ = target;
    UpdateCaption();
}

// ---- Entries and the list -----------------------------------------------------------

bool TTMForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == TblVal && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            TblValEnter();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TTMForm::TblValEnter()
{
    const QString typed = TblVal->text();
    if (typed.isEmpty()) return;
    const KeyCounting counting = RevINC->isChecked() ? KeyCounting::Reverse : KeyCounting::Normal;
    AddedEntry added = AddTableEntry(Encode(typed), counting, keyCounter_);
    TblList->AddLine(std::move(added.line));
    if (added.proposal) {
        TblVal->setText(Decode(*added.proposal));
        TblVal->end(false);
    }
}

void TTMForm::CopyLineToValue(int row)
{
    if (lines_.contains(row)) TblVal->setText(Decode(lines_.lines()[static_cast<std::size_t>(row)]));
}

void TTMForm::PlaceValueAt(int row)
{
    if (!lines_.contains(row) || TblVal->text().isEmpty()) return;
    if (!prompter_.askYesNo(Text(messages::kPlaceTableValue), Text(messages::kTableEditorCaption), MessageIcon::None)) {
        return;
    }
    TblList->ReplaceLine(row, Encode(TblVal->text()));
    FocusValueAtEnd();
}

void TTMForm::SortTableList1Click()
{
    lines_.sort();
    TblList->ShowLines();
}

void TTMForm::FillList(std::vector<std::string> lines)
{
    lines_.assign(std::move(lines));
    TblList->ShowLines();
}

// ---- The character grid -------------------------------------------------------------

void TTMForm::GridPick(uint16_t code)
{
    const QString entry = TblVal->text();
    if (!GridPickFits(Encode(entry).size())) return;
    const int caret = TblVal->cursorPosition();
    TblVal->setText(entry.left(caret) + Decode(GridPickBytes(codec_, code)) + entry.mid(caret));
    FocusValueAtEnd();
}

void TTMForm::SetCharacterSet(uint16_t firstCode)
{
    TScrl->setValue(firstCode);
    jGrid->update();
    FocusValueAtEnd();
}

// ---- Helpers ------------------------------------------------------------------------

void TTMForm::UpdateCaption() { setWindowTitle(FromPath(TableEditorCaption(editFileName_))); }

void TTMForm::FocusValueAtEnd()
{
    TblVal->end(false);
    TblVal->setFocus();
}

QString TTMForm::Decode(const std::string& bytes) const
{
    return QString::fromStdU16String(DecodeTableLine(codec_, bytes));
}

std::string TTMForm::Encode(const QString& text) const { return EncodeTableLine(codec_, text.toStdU16String()); }

}  // namespace zarvo
