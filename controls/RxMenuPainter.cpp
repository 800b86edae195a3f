#include "controls/RxMenuPainter.h"

#include <algorithm>

#include "controls/RxMenuGlyphs.h"
#include "platform/graphics/Bitmap.h"

namespace {

// What stays the same for all the steps of painting one item.
struct ItemPaint {
  TCanvas& canvas;
  const TMenuItem& item;
  TRect rect;
  TMenuOwnerDrawState state;
  const TRxItemLook& look;
  bool selected = false;
  bool disabled = false;
  TColor gray = clBtnShadow;
  bool emboss = true;
  int offset = 0;
  int minOffset = 0;
};

ItemPaint StartPaint(TCanvas& canvas, const TMenuItem& item, const TRect& rect,
                     TMenuOwnerDrawState state, const TRxItemLook& look) {
  ItemPaint p{canvas, item, rect, state, look};
  p.selected = (state & mdSelected) != 0;
  p.disabled = (state & mdDisabled) != 0;
  p.gray = p.selected && look.buttonStyle == 0 ? clGrayText : clBtnShadow;
  p.emboss =
      !p.selected || look.buttonStyle != 0 || ColorToRGB(clGrayText) == ColorToRGB(clHighlight);
  p.minOffset = GlyphMinOffset(look);
  p.offset = 2 * MenuCheckGap() + (look.showCheckMarks ? MenuCheckWidth() : 2);
  // A graphic counts here even when it is empty.
  if (!look.showCheckMarks && (look.graphic || p.minOffset > 0)) p.offset = MenuCheckGap();
  return p;
}

void FrameSelectedButton(ItemPaint& p) {
  if (p.look.buttonStyle == 0 || !p.selected) return;
  const bool lowered = p.look.buttonStyle == 1;
  p.canvas.Frame3D(p.rect, lowered ? clBtnShadow : clBtnHighlight,
                   lowered ? clBtnHighlight : clBtnShadow, 1);
}

void PaintCheckMark(ItemPaint& p) {
  if (!p.item.Checked() || !p.look.showCheckMarks) return;
  const int x = p.rect.Left + (p.offset - MenuCheckWidth()) / 2;
  const int y = (p.rect.Top + p.rect.Bottom - MenuCheckHeight()) / 2;
  DrawCheckGlyph(p.canvas, p.item.RadioItem(), x, y, BitmapGlyphLook(p.state, false));
}

bool GlyphPushed(const ItemPaint& p) {
  return p.item.Checked() && !p.look.showCheckMarks && p.look.buttonStyle == 0;
}

TRect GlyphRect(const ItemPaint& p, int width) {
  return Rect(p.rect.Left + p.offset - 1, p.rect.Top, p.rect.Left + p.offset + width + 1,
              p.rect.Bottom);
}

void PaintListImage(ItemPaint& p) {
  const TImageList& images = *p.look.images;
  const int w = std::max(images.Width() + 2, p.minOffset);
  if (GlyphPushed(p)) PaintPushedGlyphRect(p.canvas, GlyphRect(p, w), p.selected, p.gray);
  const int x = p.rect.Left + p.offset + (w - images.Width()) / 2;
  const int y = (p.rect.Top + p.rect.Bottom - images.Height()) / 2;
  TGlyphLook look{p.disabled, GlyphPushed(p), p.gray, p.emboss};
  DrawListImage(p.canvas, images, p.look.imageIndex, x, y, look);
  p.offset += MenuCheckGap() + w;
}

// The cell of a bitmap holding several glyphs: disabled, checked, selected or plain.
int GlyphCellIndex(const ItemPaint& p, int numGlyphs) {
  int k = 0;
  if (p.disabled)
    k = 1;
  else if (p.item.Checked())
    k = 3;
  else if (p.selected)
    k = 2;
  return k >= numGlyphs ? 0 : k;
}

void DrawGraphicGlyph(ItemPaint& p, int x, int y, int cellWidth) {
  TGraphic& graphic = *p.look.graphic;
  const auto* bitmap = dynamic_cast<const TBitmap*>(&graphic);
  if (!bitmap) {
    graphic.Draw(p.canvas, Bounds(x, y, graphic.Width(), graphic.Height()));
    return;
  }
  TGlyphLook look = BitmapGlyphLook(p.state, GlyphPushed(p));
  const int numGlyphs = p.look.numGlyphs;
  TRect cell = Rect(0, 0, bitmap->Width(), bitmap->Height());
  if (numGlyphs >= 2 && numGlyphs <= 5) {
    const int k = GlyphCellIndex(p, numGlyphs);
    cell = Rect(k * cellWidth, 0, (k + 1) * cellWidth, bitmap->Height());
    look.disabled = false;
  }
  DrawBitmapGlyph(p.canvas, *bitmap, cell, x, y, look);
}

void PaintGraphic(ItemPaint& p) {
  const TGraphic& graphic = *p.look.graphic;
  const int cellWidth = GraphicCellWidth(graphic, p.look.numGlyphs);
  const int w = std::max(cellWidth + 2, p.minOffset);
  if (GlyphPushed(p)) PaintPushedGlyphRect(p.canvas, GlyphRect(p, w), p.selected, p.gray);
  const int x = p.rect.Left + p.offset + (w - cellWidth) / 2;
  const int y = (p.rect.Top + p.rect.Bottom - graphic.Height()) / 2;
  DrawGraphicGlyph(p, x, y, cellWidth);
  p.offset += MenuCheckGap() + w;
}

void PaintEmptyGlyphColumn(ItemPaint& p) {
  const TRect r = GlyphRect(p, p.minOffset);
  if (GlyphPushed(p)) {
    PaintPushedGlyphRect(p.canvas, r, p.selected, p.gray);
    const int x = r.Left + 2 + (p.minOffset - MenuCheckWidth()) / 2;
    const int y = (p.rect.Top + p.rect.Bottom - MenuCheckHeight()) / 2 + 1;
    DrawCheckGlyph(p.canvas, p.item.RadioItem(), x, y, BitmapGlyphLook(p.state, true));
  }
  p.offset += MenuCheckGap() + p.minOffset;
}

void PaintGlyphColumn(ItemPaint& p) {
  if (HasListImage(p.look))
    PaintListImage(p);
  else if (HasGraphic(p.look) && !p.item.IsLine())
    PaintGraphic(p);
  else if (p.minOffset > 0)
    PaintEmptyGlyphColumn(p);
}

void PaintSeparator(ItemPaint& p) {
  const int y = (p.rect.Top + p.rect.Bottom) / 2;
  TPen& pen = p.canvas.Pen();
  pen.SetWidth(1);
  pen.SetStyle(psSolid);
  pen.SetColor(clBtnShadow);
  p.canvas.MoveTo(p.rect.Left, y - 1);
  p.canvas.LineTo(p.rect.Right, y - 1);
  pen.SetColor(clBtnHighlight);
  p.canvas.MoveTo(p.rect.Left, y);
  p.canvas.LineTo(p.rect.Right, y);
}

constexpr unsigned kTextFlags = DT_SINGLELINE | DT_EXPANDTABS;

void DrawTextIn(TCanvas& canvas, const std::string& text, TRect rect, TColor color) {
  canvas.Font().SetColor(color);
  canvas.DrawText(text, rect, kTextFlags);
}

// A disabled item's text is engraved (highlight one pixel right and down, then gray) where the
// emboss rule holds, and plain gray where it does not (on the highlight bar it would glare).
void DrawItemText(const ItemPaint& p, const std::string& text, TRect rect) {
  if (!p.disabled) {
    p.canvas.DrawText(text, rect, kTextFlags);
    return;
  }
  if (p.emboss && p.gray == clBtnShadow) {
    DrawEngravedText(p.canvas, rect, text, kTextFlags);
    return;
  }
  const TColor ink = p.canvas.Font().Color();
  if (p.emboss) DrawTextIn(p.canvas, text, OffsetRect(rect, 1, 1), clBtnHighlight);
  DrawTextIn(p.canvas, text, rect, p.gray);
  p.canvas.Font().SetColor(ink);
}

void PaintTexts(ItemPaint& p) {
  p.canvas.Brush().SetStyle(bsClear);
  const int y = (p.rect.Top + p.rect.Bottom - p.canvas.TextHeight("Ay")) / 2;
  const int x = p.rect.Left + p.offset;
  DrawItemText(p, p.item.Caption(), Rect(x, y, p.rect.Right, p.rect.Bottom));
  if (p.item.ShortCut() == scNone || p.item.Count() > 0) return;
  const int shortcutX = x + CaptionColumnWidth(p.canvas, p.item);
  DrawItemText(p, ShortCutToText(p.item.ShortCut()),
               Rect(shortcutX, y, p.rect.Right, p.rect.Bottom));
}

}  // namespace

void PaintRxMenuItem(TCanvas& canvas, const TMenuItem& item, TRect rect, TMenuOwnerDrawState state,
                     const TRxItemLook& look) {
  ItemPaint p = StartPaint(canvas, item, rect, state, look);
  FrameSelectedButton(p);
  PaintCheckMark(p);
  PaintGlyphColumn(p);
  if (item.IsLine())
    PaintSeparator(p);
  else
    PaintTexts(p);
}
