#include "controls/RxMenuItemLook.h"

#include <algorithm>
#include <functional>

#include "platform/framework/SystemMetrics.h"
#include "platform/graphics/Bitmap.h"

namespace {

// The widest measure over the item, or over its parent's items when the shortcuts have to
// line up with those of the siblings.
int WidestOverSiblings(const TMenuItem& item, const std::function<int(const TMenuItem&)>& width) {
  const TMenuItem* parent = item.Parent();
  int widest = width(item);
  if (item.ShortCut() == scNone || !parent) return widest;
  for (int i = 0; i < parent->Count(); ++i) widest = std::max(widest, width(*parent->Items(i)));
  return widest;
}

}  // namespace

int MenuCheckWidth() {
  return GetSystemMetrics(SM_CXMENUCHECK);
}

int MenuCheckHeight() {
  return GetSystemMetrics(SM_CYMENUCHECK);
}

int MenuCheckGap() {
  return (MenuCheckWidth() * 3 + 5) / 10;
}

int GlyphMinOffset(const TRxItemLook& look) {
  if (!look.images) return look.minTextOffset;
  return std::max(look.minTextOffset, look.images->Width() + 2);
}

bool HasListImage(const TRxItemLook& look) {
  return look.images && look.imageIndex >= 0 && look.imageIndex < look.images->Count();
}

bool HasGraphic(const TRxItemLook& look) {
  return look.graphic && !look.graphic->Empty();
}

int GraphicCellWidth(const TGraphic& graphic, int numGlyphs) {
  const bool cut = dynamic_cast<const TBitmap*>(&graphic) && numGlyphs >= 2 && numGlyphs <= 5;
  return cut ? graphic.Width() / numGlyphs : graphic.Width();
}

std::string CaptionTextPart(const std::string& caption) {
  std::string text = caption;
  std::erase(text, '&');
  return text;
}

int CaptionColumnWidth(const TCanvas& canvas, const TMenuItem& item) {
  return WidestOverSiblings(item, [&canvas](const TMenuItem& entry) {
    return canvas.TextWidth(CaptionTextPart(entry.Caption()) + "\t\t");
  });
}

int ShortcutColumnWidth(const TCanvas& canvas, const TMenuItem& item) {
  return WidestOverSiblings(item, [&canvas](const TMenuItem& entry) {
    return canvas.TextWidth(ShortCutToText(entry.ShortCut()) + " ");
  });
}
