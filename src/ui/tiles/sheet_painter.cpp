#include "ui/tiles/sheet_painter.h"

#include "tiles/sheet_paint.h"
#include "tiles/sheet_pointer.h"
#include "ui/tiles/rgb16_image.h"

#include <QPainter>

#include <memory>

namespace zarvo {

QRect SheetArea(const QSize& client) { return QRect(kSheetMargin, 0, client.width() - kSheetMargin, client.height()); }

void PaintSheetWindow(QPainter& painter, const QSize& client, const TileSession& tiles, const DocRecord& doc)
{
    const QRect area = SheetArea(client);
    if (area.isEmpty()) return;
    // 32 KiB: kept off the stack of the paint event.
    const auto bitmap = std::make_unique<SheetBitmap>();
    PaintSheet(tiles, doc, *bitmap);
    // Nearest-pixel stretching keeps every sheet pixel a sharp block.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(area, Rgb16Image(bitmap->data(), kSheetSide, kSheetSide));
}

}  // namespace zarvo
