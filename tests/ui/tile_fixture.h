#pragma once
// A frame with one ROM open and the tile editor switched on, and the ways the tile
// tests reach its windows: the tile window, TileBAR, keys, clicks and the sheet as
// the editor window shows it.

#include "frame_fixture.h"
#include "ui/tiles/picture_box.h"
#include "ui/tiles/tile_form.h"
#include "ui/tiles/tile_status_bar.h"

namespace zarvo {

using window_test::ClickAt;

// The editor window's client point of a sheet pixel in 1 x 1 size.
[[nodiscard]] inline QPoint SheetPoint(int x, int y) { return QPoint(12 + 2 * x, 2 * y); }

struct TileFixture : FrameFixture {
    // Opens a ROM of these bytes ("rom.bin") and turns the tile editor on.
    explicit TileFixture(const QByteArray& bytes)
    {
        editor = openFocused(writeFile(QStringLiteral("rom.bin"), bytes));
        if (editor == nullptr) qFatal("the ROM did not open");
        trigger("TileEdit1");
        // Beside the frame: a pointer moved over it reaches it, not the frame under it.
        tileWindow().move(frame->frameGeometry().right() + 20, 0);
        settle();
        prompter.clear();
    }

    [[nodiscard]] DocRecord& doc() const { return DocumentOf(editor); }
    [[nodiscard]] TTileForm& tileWindow() const { return *frame->findChild<TTileForm*>(); }
    [[nodiscard]] TileStatusBar& tileBar() const { return *frame->findChild<TileStatusBar*>(); }
    [[nodiscard]] QStringList tileBarTexts() const
    {
        QStringList texts;
        for (int panel = 0; panel < 6; ++panel) texts << tileBar().panelText(panel);
        return texts;
    }
    // A key into the tile window, given the focus first as a click on it would.
    void tileKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        tileWindow().activateWindow();
        tileWindow().setFocus();
        window_test::WaitActive(&tileWindow());
        QTest::keyClick(&tileWindow(), Qt::Key(key), modifiers);
        settle();
    }
    // A key into the editor window, which has the frame's focus.
    void editorKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        frame->activateWindow();
        editor->setFocus();
        window_test::WaitActive(frame.get());
        QTest::keyClick(editor, Qt::Key(key), modifiers);
        settle();
    }
    // The colour the editor window shows for a sheet pixel (1 x 1: two screen pixels a sheet pixel).
    [[nodiscard]] QColor sheetColour(int x, int y) const
    {
        return editor->grab().toImage().pixelColor(SheetPoint(x, y));
    }

    TMDIChild* editor = nullptr;
};

}  // namespace zarvo
