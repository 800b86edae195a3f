// The quantities that measuring and painting an owner-drawn menu item share: the check-mark
// size, the gap around it, the glyph column and the caption and shortcut columns.
#pragma once

#include <string>

#include "platform/graphics/Canvas.h"
#include "platform/graphics/Graphic.h"
#include "platform/graphics/ImageList.h"
#include "platform/menus/Menus.h"

// What an item is measured and painted with besides the item itself.
struct TRxItemLook {
  bool showCheckMarks = true;
  int minTextOffset = 0;
  const TImageList* images = nullptr;
  int imageIndex = -1;
  TGraphic* graphic = nullptr;
  int numGlyphs = 1;
  // 0: a selected item gets the highlight bar; 1: a sunken frame; 2: a raised frame.
  int buttonStyle = 0;
};

int MenuCheckWidth();
int MenuCheckHeight();
// The gap around the check mark: 0.3 of its width, rounded (4 for 13 pixels).
int MenuCheckGap();

// The narrowest glyph column: MinTextOffset, widened to hold an image of the image list.
int GlyphMinOffset(const TRxItemLook& look);
// The item names an image that the image list holds.
bool HasListImage(const TRxItemLook& look);
// A graphic to draw in the glyph column (set and not empty).
bool HasGraphic(const TRxItemLook& look);
// Width of one glyph of the graphic: bitmaps holding 2 to 5 glyphs side by side are cut.
int GraphicCellWidth(const TGraphic& graphic, int numGlyphs);

// The caption without any "&".
std::string CaptionTextPart(const std::string& caption);
// The caption column: the widest text part plus two tabs over the item and, when it has a
// shortcut and a parent, over all its siblings.
int CaptionColumnWidth(const TCanvas& canvas, const TMenuItem& item);
// The shortcut column: the widest shortcut text plus a space over the same items.
int ShortcutColumnWidth(const TCanvas& canvas, const TMenuItem& item);
