#include "controls/RxMenuMeasure.h"

#include <algorithm>

#include "platform/framework/SystemMetrics.h"

namespace {

int TextColumnsWidth(const TCanvas& canvas, const TMenuItem& item) {
  int width = CaptionColumnWidth(canvas, item) + ShortcutColumnWidth(canvas, item);
  if (item.Count() > 0) width += canvas.TextWidth("\t\t");
  return width;
}

// Adds the glyph column to size: an image-list image, a graphic, or MinOffset of room.
void AddGlyphColumn(TSize& size, const TRxItemLook& look) {
  const int minOffset = GlyphMinOffset(look);
  if (look.images) {
    size.cx += std::max(look.images->Width() + 2, minOffset);
    if (HasListImage(look)) size.cy = std::max(size.cy, look.images->Height() + 4);
  } else if (HasGraphic(look)) {
    const int width = GraphicCellWidth(*look.graphic, look.numGlyphs);
    size.cx += std::max(width + 2, minOffset);
    size.cy = std::max(size.cy, look.graphic->Height() + 4);
  } else if (minOffset > 0) {
    size.cx += minOffset;
  }
}

}  // namespace

TSize MeasureRxMenuItem(const TCanvas& canvas, const TMenuItem& item, const TRxItemLook& look) {
  TSize size{2 * MenuCheckGap(), GetSystemMetrics(SM_CYMENU) - 2};
  size.cx += TextColumnsWidth(canvas, item);
  if (look.showCheckMarks) size.cx += MenuCheckWidth();
  if (item.IsLine()) {
    size.cy = std::max(canvas.TextHeight("-") / 2, 9);
    return size;
  }
  size.cy = std::max(size.cy, canvas.TextHeight(item.Caption()));
  AddGlyphColumn(size, look);
  return size;
}
