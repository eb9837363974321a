#include "ui/tiles/tile_form.h"

#include "core/document.h"
#include "tiles/edit_box.h"
#include "tiles/edit_region.h"
#include "tiles/region_transform.h"
#include "tiles/sheet_image.h"
#include "tiles/sheet_paint.h"
#include "tiles/sheet_pointer.h"
#include "tiles/tile_format.h"
#include "tiles/tile_messages.h"
#include "tiles/tile_palette.h"
#include "tiles/tile_status.h"
#include "tiles/zst_palette_file.h"
#include "ui/common/chooser_filter.h"
#include "ui/common/chooser_start.h"
#include "ui/common/current_document.h"
#include "ui/common/menu_actions.h"
#include "ui/common/qt_text.h"
#include "ui/tiles/picture_box.h"
#include "ui/tiles/rgb16_image.h"
#include "ui/tiles/tile_key_press.h"
#include "ui/tiles/tile_status_bar.h"

#include <QAction>
#include <QActionGroup>
#include <QFrame>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace zarvo {

namespace {

constexpr int kClientWidth = 278;
constexpr int kClientHeight = 368;
constexpr int kPaletteCells = 16;
constexpr int kPaletteCell = kPaletteBoxSide / kPaletteCells;
constexpr QRect kEditBoxPlace{4, 4, 128, 128};
constexpr QRect kPaletteBoxPlace{146, 4, kPaletteBoxSide, kPaletteBoxSide};
constexpr int kClipBoxWidth = kClipBoardWidth * kClipBoardZoom;
constexpr int kClipBoxHeight = kClipBoardHeight * kClipBoardZoom;
constexpr QRect kClipBoxPlace{3, 174, kClipBoxWidth, kClipBoxHeight};
constexpr int kButtonTop = 136;
constexpr int kButtonWidth = 39;
constexpr int kButtonHeight = 34;
constexpr int kSquareSide = 22;

[[nodiscard]] std::optional<MouseButton> ButtonOf(Qt::MouseButton button)
{
    if (button == Qt::LeftButton) return MouseButton::Left;
    if (button == Qt::RightButton) return MouseButton::Right;
    return std::nullopt;
}

// A drag paints with the left button when both are held.
[[nodiscard]] std::optional<MouseButton> HeldButton(Qt::MouseButtons buttons)
{
    if (buttons.testFlag(Qt::LeftButton)) return MouseButton::Left;
    if (buttons.testFlag(Qt::RightButton)) return MouseButton::Right;
    return std::nullopt;
}

[[nodiscard]] QRect ToQRect(const PixelRect& rect, int zoom = 1)
{
    return QRect(rect.x * zoom, rect.y * zoom, rect.width * zoom, rect.height * zoom);
}

QToolButton* AddSpeedButton(QWidget& parent, const char* objectName, const char* caption, int left)
{
    auto* button = new QToolButton(&parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setText(Text(caption));
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(left, kButtonTop, kButtonWidth, kButtonHeight);
    return button;
}

QFrame* AddSquare(QWidget& parent, const char* objectName, int left, int top)
{
    auto* square = new QFrame(&parent);
    square->setObjectName(QString::fromLatin1(objectName));
    square->setFrameStyle(QFrame::Box | QFrame::Plain);
    square->setAutoFillBackground(true);
    square->setGeometry(left, top, kSquareSide, kSquareSide);
    return square;
}

void ShowSwatch(QFrame& square, uint16_t colour)
{
    QPalette filled = square.palette();
    filled.setColor(QPalette::Window, Rgb565Colour(colour));
    square.setPalette(filled);
}

}  // namespace

TTileForm::TTileForm(Session& session, Prompter& prompter, CurrentDocument& documents, TileStatusBar& statusBar,
                     std::function<void()> showHelp, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      session_(session),
      tiles_(session.tiles),
      prompter_(prompter),
      documents_(documents),
      TileBAR(statusBar),
      showHelp_(std::move(showHelp))
{
    setObjectName(QStringLiteral("TileForm"));
    setWindowTitle(Text(messages::kTileEditorCaption));
    setFocusPolicy(Qt::StrongFocus);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->setSizeConstraint(QLayout::SetFixedSize);
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("TileMenu"));
    column->setMenuBar(bar);
    auto* client = new QWidget(this);
    client->setFixedSize(kClientWidth, kClientHeight);
    column->addWidget(client);
    CreateMenus(*bar);
    CreateControls(*client);
}

void TTileForm::CreateMenus(QMenuBar& bar)
{
    QMenu* Option1 = bar.addMenu(Text(messages::kTileOptionMenu));
    Option1->setObjectName(QStringLiteral("Option1"));
    LoadSNESSaveStatePal1 = AddMenuAction(Option1, "LoadSNESSaveStatePal1", Text(messages::kLoadZstPaletteItem),
                                          QKeySequence(tr("Ctrl+L")));
    FreeGrid =
        AddCheckAction(Option1, "FreeGrid", Text(messages::kMouseMovementItem), QKeySequence(Qt::Key_Tab), {}, false);
    connect(LoadSNESSaveStatePal1, &QAction::triggered, this, &TTileForm::LoadSNESSaveStatePal1Click);
    connect(FreeGrid, &QAction::triggered, this, &TTileForm::FreeGridClick);

    QMenu* View1 = bar.addMenu(Text(messages::kTileViewMenu));
    View1->setObjectName(QStringLiteral("TileView1"));
    QMenu* Format1 = AddSubMenu(View1, "Format1", Text(messages::kTileFormatMenu));
    auto* formats = new QActionGroup(this);
    for (int format = 0; format < kTileFormatCount; ++format) {
        const TileFormat& row = TileFormatOf(format);
        const QByteArray name = QByteArrayLiteral("TileFormat") + QByteArray::number(format);
        QAction* item = AddCheckAction(Format1, name.constData(), Text(row.menuCaption),
                                       QKeySequence(QString(QLatin1Char(row.key))), {}, format == 0, formats);
        connect(item, &QAction::triggered, this, [this, format] { FormatClick(format); });
        formatItems_[static_cast<std::size_t>(format)] = item;
    }
    ViewTileGrid1 =
        AddCheckAction(View1, "ViewTileGrid1", Text(messages::kTileGridItem), QKeySequence(tr("Ctrl+V")), {}, false);
    connect(ViewTileGrid1, &QAction::triggered, this, &TTileForm::ViewTileGrid1Click);
    View1->addSeparator();
    auto* palettes = new QActionGroup(this);
    DosPal = AddCheckAction(View1, "DosPal", Text(messages::kStandardPaletteItem), QKeySequence(tr("Ctrl+P")), {}, true,
                            palettes);
    ZstPal = AddCheckAction(View1, "ZstPal", Text(messages::kZstPaletteItem), QKeySequence(tr("Ctrl+Z")), {}, false,
                            palettes);
    NesPal = AddCheckAction(View1, "NesPal", Text(messages::kNesPaletteItem), QKeySequence(tr("Ctrl+N")), {}, false,
                            palettes);
    // The items' tags are the palettes' numbers.
    DosPal->setData(static_cast<int>(TilePalette::Standard));
    ZstPal->setData(static_cast<int>(TilePalette::Zst));
    NesPal->setData(static_cast<int>(TilePalette::Nes));
    for (QAction* item : {DosPal, ZstPal, NesPal}) {
        connect(item, &QAction::triggered, this, [this, item] { SelectColorType(item->data().toInt()); });
    }
}

void TTileForm::CreateControls(QWidget& client)
{
    ChrBox = new PictureBox("ChrBox", &client);
    ChrBox->setGeometry(kEditBoxPlace);
    ClrBox = new PictureBox("ClrBox", &client);
    ClrBox->setGeometry(kPaletteBoxPlace);
    ClipBox = new PictureBox("ClipBox", &client);
    ClipBox->setGeometry(kClipBoxPlace);
    SpeedButton1 = AddSpeedButton(client, "SpeedButton1", messages::kFlipXButton, 4);
    SpeedButton2 = AddSpeedButton(client, "SpeedButton2", messages::kFlipYButton, 4 + kButtonWidth + 2);
    SpeedButton3 = AddSpeedButton(client, "SpeedButton3", messages::kRotateButton, 4 + 2 * (kButtonWidth + 2));
    // The right square lies under the left one, offset down and to the right.
    rColor = AddSquare(client, "rColor", 214, kButtonTop + 10);
    lColor = AddSquare(client, "lColor", 202, kButtonTop);
    ShowSwatch(*lColor, tiles_.leftSwatch);
    ShowSwatch(*rColor, tiles_.rightSwatch);

    connect(SpeedButton1, &QToolButton::clicked, this, &TTileForm::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TTileForm::SpeedButton2Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &TTileForm::SpeedButton3Click);
    connect(ChrBox, &PictureBox::pressed, this, &TTileForm::ChrBoxMouseDown);
    connect(ChrBox, &PictureBox::moved, this, &TTileForm::ChrBoxMouseMove);
    connect(ClrBox, &PictureBox::pressed, this, &TTileForm::ClrBoxMouseDown);
    connect(ClrBox, &PictureBox::moved, this, &TTileForm::ClrBoxMouseMove);
    connect(ClipBox, &PictureBox::pressed, this, &TTileForm::ClipBoxMouseDown);
    connect(ClipBox, &PictureBox::moved, this, &TTileForm::ClipBoxMouseMove);
}

void TTileForm::FormPaint()
{
    const std::shared_ptr<DocRecord> doc = documents_.document();
    ShowChecks(doc.get());
    if (doc == nullptr) return;
    ChrBox->resize(tiles_.editBoxWidth, tiles_.editBoxHeight);
    ShowEditBox();
    ClrBox->setPicture(Rgb16Image(PaintPaletteBox(tiles_, *doc).data(), kPaletteCells, kPaletteCells));
    ShowClipBoard(ClipBox->outline());
    ShowSwatch(*lColor, tiles_.leftSwatch);
    ShowSwatch(*rColor, tiles_.rightSwatch);
    TileBAR.setValueTexts(TileStatusTexts(tiles_, *doc));
}

void TTileForm::ShowChecks(const DocRecord* doc)
{
    if (doc != nullptr && doc->tileView.format >= 0 && doc->tileView.format < kTileFormatCount) {
        formatItems_[static_cast<std::size_t>(doc->tileView.format)]->setChecked(true);
    }
    ViewTileGrid1->setChecked(tiles_.gridShown);
    FreeGrid->setChecked(tiles_.freeMovement);
    switch (tiles_.palette) {
    case TilePalette::Standard:
        DosPal->setChecked(true);
        break;
    case TilePalette::Zst:
        ZstPal->setChecked(true);
        break;
    case TilePalette::Nes:
        NesPal->setChecked(true);
        break;
    }
}

void TTileForm::ShowEditBox()
{
    const std::shared_ptr<DocRecord> doc = documents_.document();
    if (doc == nullptr) return;
    const int width = RegionWidth(doc->tileView);
    const int height = RegionHeight(doc->tileView);
    // Each edit pixel a whole zoom x zoom block, where a click addresses it; a box
    // wider than that (W = 3: 126 for 120) keeps a black strip.
    ChrBox->setPicture(Rgb16Image(PaintEditRegion(tiles_, *doc).data(), width, height),
                       QRect(0, 0, width * tiles_.zoomX, height * tiles_.zoomY));
}

void TTileForm::ShowClipBoard(std::optional<QRect> frame)
{
    const std::shared_ptr<DocRecord> doc = documents_.document();
    if (doc == nullptr) return;
    ClipBox->setPicture(Rgb16Image(PaintClipBoard(tiles_, *doc).data(), kClipBoardWidth, kClipBoardHeight));
    ClipBox->setOutline(frame);
}

void TTileForm::ShowSheetAndWindow()
{
    emit sheetChanged();
    FormPaint();
}

void TTileForm::HideCursorFrame()
{
    const std::shared_ptr<DocRecord> doc = documents_.document();
    if (doc == nullptr || doc->tileView.cursorShown == 0) return;
    HideSheetCursor(*doc);
    emit sheetChanged();
}

void TTileForm::TakeFocus()
{
    activateWindow();
    setFocus(Qt::MouseFocusReason);
}

void TTileForm::FormKeyDown(const TileKeyPress& press)
{
    const std::shared_ptr<DocRecord> doc = documents_.document();
    if (doc == nullptr) return;
    const TileKeyResult result = ApplyTileKey(tiles_, *doc, press);
    if (result.openHelp && showHelp_) showHelp_();
    if (result.handled) ShowSheetAndWindow();
}

void TTileForm::LoadSNESSaveStatePal1Click()
{
    const std::shared_ptr<DocRecord> active = documents_.document();
    if (active == nullptr) return;
    const std::optional<QString> path = prompter_.chooseOpenFile(
        tr("Open"), ChooserSuggestion(session_, active.get(), "zst"), ChooserFilter(messages::kZstFilter));
    // The window may have closed while the chooser was open.
    const std::shared_ptr<DocRecord> doc = documents_.document();
    if (!path || path->isEmpty() || doc == nullptr) return;
    const ZstPaletteLoad result = LoadZstPalette(*doc, ToPath(*path));
    if (const char* message = ZstPaletteMessage(result)) prompter_.showMessage(Text(message));
    if (result == ZstPaletteLoad::Loaded) ShowSheetAndWindow();
}

void TTileForm::FreeGridClick()
{
    tiles_.freeMovement = !tiles_.freeMovement;
    // The cursor now counts the other unit: kept on the sheet in it.
    if (const std::shared_ptr<DocRecord> doc = documents_.document()) FixCursorData(tiles_, doc->tileView);
    ShowSheetAndWindow();
}

void TTileForm::FormatClick(int format)
{
    const std::shared_ptr<DocRecord> doc = documents_.document();
    if (doc == nullptr) return;
    SelectTileFormat(doc->tileView, format);
    RedrawSheet(tiles_, *doc, SheetRedraw::Full);
    ShowSheetAndWindow();
}

void TTileForm::ViewTileGrid1Click()
{
    tiles_.gridShown = !tiles_.gridShown;
    ShowSheetAndWindow();
}

void TTileForm::SelectColorType(int tag)
{
    ::zarvo::SelectColorType(tiles_, tag);
    ShowSheetAndWindow();
}

void TTileForm::SpeedButton1Click()
{
    if (const std::shared_ptr<DocRecord> doc = documents_.document()) FlipX(tiles_, doc->tileView);
    FormPaint();
}

void TTileForm::SpeedButton2Click()
{
    if (const std::shared_ptr<DocRecord> doc = documents_.document()) FlipY(tiles_, doc->tileView);
    FormPaint();
}

void TTileForm::SpeedButton3Click()
{
    if (const std::shared_ptr<DocRecord> doc = documents_.document()) Rotate(tiles_, doc->tileView);
    FormPaint();
}

void TTileForm::ChrBoxMouseDown(QPoint position, Qt::MouseButton button)
{
    TakeFocus();
    ChrBoxMouseMove(position, button);
}

void TTileForm::ChrBoxMouseMove(QPoint position, Qt::MouseButtons buttons)
{
    HideCursorFrame();
    const std::shared_ptr<DocRecord> doc = documents_.document();
    if (doc == nullptr) return;
    const std::optional<EditPixel> pixel = EditPixelAt(tiles_, doc->tileView, position.x(), position.y());
    if (const std::optional<MouseButton> held = HeldButton(buttons); held && pixel) {
        (void)PaintEditPixel(tiles_, *doc, position.x(), position.y(), *held);
        // A stroke repaints the edit box alone; the document changes at the next put down.
        ShowEditBox();
    }
    ChrBox->setOutline(pixel ? std::optional(ToQRect(EditPixelOutline(tiles_, *pixel))) : std::nullopt);
}

void TTileForm::ClrBoxMouseDown(QPoint position, Qt::MouseButton button)
{
    TakeFocus();
    const std::shared_ptr<DocRecord> doc = documents_.document();
    const std::optional<MouseButton> pressed = ButtonOf(button);
    if (doc == nullptr || !pressed) return;
    if (PickPaletteColour(tiles_, *doc, position.x(), position.y(), *pressed)) {
        ShowSwatch(*lColor, tiles_.leftSwatch);
        ShowSwatch(*rColor, tiles_.rightSwatch);
    }
}

void TTileForm::ClrBoxMouseMove(QPoint position, Qt::MouseButtons /*buttons*/)
{
    HideCursorFrame();
    if (!PaletteIndexAt(position.x(), position.y())) {
        ClrBox->setOutline(std::nullopt);
        return;
    }
    ClrBox->setOutline(QRect(position.x() / kPaletteCell * kPaletteCell, position.y() / kPaletteCell * kPaletteCell,
                             kPaletteCell, kPaletteCell));
}

void TTileForm::ClipBoxMouseDown(QPoint position, Qt::MouseButton button)
{
    TakeFocus();
    ClipBoxMouseMove(position, button);
}

void TTileForm::ClipBoxMouseMove(QPoint position, Qt::MouseButtons buttons)
{
    HideCursorFrame();
    const std::shared_ptr<DocRecord> doc = documents_.document();
    if (doc == nullptr) return;
    if (const std::optional<MouseButton> held = HeldButton(buttons)) {
        const std::optional<EditPixel> place = UseClipBoard(tiles_, *doc, position.x(), position.y(), *held);
        if (!place) return;
        FormPaint();
        ShowClipBoard(ToQRect(ClipBoardFrame(doc->tileView, *place), kClipBoardZoom));
        return;
    }
    const std::optional<EditPixel> place = ClipBoardPlaceAt(doc->tileView, position.x(), position.y());
    ClipBox->setOutline(place ? std::optional(ToQRect(ClipBoardFrame(doc->tileView, *place), kClipBoardZoom))
                              : std::nullopt);
}

QAction* TTileForm::OwnItemFor(const QKeyEvent& event) const
{
    // A keypad digit selects its format as the digit above the letters does.
    const QKeySequence key(QKeyCombination(event.modifiers() & ~Qt::KeypadModifier, Qt::Key(event.key())));
    for (QAction* item : findChildren<QAction*>()) {
        if (!item->shortcut().isEmpty() && item->shortcut() == key && item->isEnabled()) return item;
    }
    return nullptr;
}

bool TTileForm::event(QEvent* event)
{
    // The window's own menu keys are taken here before the frame's items of the same
    // keys (Ctrl+L, Ctrl+P, Ctrl+N...) could see them.
    if (event->type() == QEvent::ShortcutOverride && OwnItemFor(*static_cast<QKeyEvent*>(event)) != nullptr) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void TTileForm::keyPressEvent(QKeyEvent* event)
{
    // Every key stops here: character keys never reach a control.
    event->accept();
    if (QAction* item = OwnItemFor(*event)) {
        item->trigger();
        return;
    }
    FormKeyDown(TileKeyPressFor(*event));
}

void TTileForm::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    HideCursorFrame();
}

bool TTileForm::focusNextPrevChild(bool /*next*/) { return false; }

}  // namespace zarvo
