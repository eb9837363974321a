#pragma once
// The tile window TTileForm, "Tile Editor": a small tool window on top of the frame
// with its own menu (Option, View), the zoomed edit box ChrBox, the palette box
// ClrBox, the Flip-X / Flip-Y / Rotate buttons, the colour squares lColor and
// rColor, and the clip board ClipBox. It shows the active document's tile state and
// the session's; its keys move the sheet (the editor windows pass theirs on here).
// Its own menu keys win over the frame's while it has the focus; the frame's other
// keys keep working.

#include "core/session.h"
#include "tiles/tile_keys.h"
#include "ui/common/prompter.h"

#include <QRect>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>

class QAction;
class QActionGroup;
class QFrame;
class QKeyEvent;
class QMenuBar;
class QToolButton;

namespace zarvo {

struct DocRecord;
class CurrentDocument;
class PictureBox;
class TileStatusBar;

class TTileForm final : public QWidget {
    Q_OBJECT
public:
    // statusBar is the frame's TileBAR, filled at every paint; showHelp runs the
    // frame's help command.
    TTileForm(Session& session, Prompter& prompter, CurrentDocument& documents, TileStatusBar& statusBar,
              std::function<void()> showHelp, QWidget* parent);

    // Repaints the boxes, the squares, the check marks and TileBAR for the active document.
    void FormPaint();
    // Repaints only the edit box.
    void ShowEditBox();
    // The pointer came over the tile window: the sheet's cursor frame goes away.
    void HideCursorFrame();

    [[nodiscard]] PictureBox* editBox() const { return ChrBox; }
    [[nodiscard]] PictureBox* paletteBox() const { return ClrBox; }
    [[nodiscard]] PictureBox* clipBoardBox() const { return ClipBox; }
    [[nodiscard]] QFrame* leftSquare() const { return lColor; }
    [[nodiscard]] QFrame* rightSquare() const { return rColor; }

public slots:
    // A key of the tile window, or one an editor window passed on.
    void FormKeyDown(const TileKeyPress& press);
    void LoadSNESSaveStatePal1Click();
    void FreeGridClick();
    void FormatClick(int format);
    void ViewTileGrid1Click();
    void SelectColorType(int tag);
    void SpeedButton1Click();  // Flip-X
    void SpeedButton2Click();  // Flip-Y
    void SpeedButton3Click();  // Rotate
    void ChrBoxMouseDown(QPoint position, Qt::MouseButton button);
    void ChrBoxMouseMove(QPoint position, Qt::MouseButtons buttons);
    void ClrBoxMouseDown(QPoint position, Qt::MouseButton button);
    void ClrBoxMouseMove(QPoint position, Qt::MouseButtons buttons);
    void ClipBoxMouseDown(QPoint position, Qt::MouseButton button);
    void ClipBoxMouseMove(QPoint position, Qt::MouseButtons buttons);

signals:
    // The active editor window shows a sheet that changed (moved, recoloured, framed).
    void sheetChanged();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    // The keys belong to the window itself, never to a focus chain.
    bool focusNextPrevChild(bool next) override;

private:
    void CreateMenus(QMenuBar& bar);
    void CreateControls(QWidget& client);
    // The window's own menu item for a key, if one has it as its shortcut.
    [[nodiscard]] QAction* OwnItemFor(const QKeyEvent& event) const;
    void TakeFocus();
    void ShowClipBoard(std::optional<QRect> frame);
    void ShowSheetAndWindow();
    void ShowChecks(const DocRecord* doc);

    Session& session_;
    TileSession& tiles_;
    Prompter& prompter_;
    CurrentDocument& documents_;
    TileStatusBar& TileBAR;
    std::function<void()> showHelp_;

    PictureBox* ChrBox = nullptr;
    PictureBox* ClrBox = nullptr;
    PictureBox* ClipBox = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QToolButton* SpeedButton3 = nullptr;
    QFrame* lColor = nullptr;
    QFrame* rColor = nullptr;
    QAction* LoadSNESSaveStatePal1 = nullptr;
    QAction* FreeGrid = nullptr;
    QAction* ViewTileGrid1 = nullptr;
    QAction* DosPal = nullptr;
    QAction* ZstPal = nullptr;
    QAction* NesPal = nullptr;
    std::array<QAction*, 10> formatItems_{};
};

}  // namespace zarvo
