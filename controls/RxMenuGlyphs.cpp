#include "controls/RxMenuGlyphs.h"

#include <functional>

#include "platform/graphics/FrameControl.h"

namespace {

TColor PixelAt(const TBitmap& bitmap, int x, int y) {
  const std::uint8_t* p = bitmap.ScanLine(y) + x * TBitmap::PixelStep;
  return RGB(p[TBitmap::RedOffset], p[TBitmap::GreenOffset], p[TBitmap::BlueOffset]);
}

// Plots, for every pixel of cell, the colour colorOf gives it (clNone: left alone).
void PlotCell(TCanvas& canvas, const TBitmap& bitmap, const TRect& cell, int x, int y,
              const std::function<TColor(TColor)>& colorOf) {
  for (int row = cell.Top; row < cell.Bottom; ++row)
    for (int column = cell.Left; column < cell.Right; ++column)
      canvas.SetPixels(x + column - cell.Left, y + row - cell.Top,
                       colorOf(PixelAt(bitmap, column, row)));
}

// The pixels that make up a glyph's shape: the black ones of a monochrome glyph, those not in
// the transparent colour of any other bitmap.
TColor ShapeKey(const TBitmap& bitmap) {
  return bitmap.Monochrome() ? clWhite : ColorToRGB(bitmap.TransparentColor());
}

void DrawSilhouette(TCanvas& canvas, const TBitmap& bitmap, const TRect& cell, int x, int y,
                    TColor color) {
  const TColor key = ShapeKey(bitmap);
  PlotCell(canvas, bitmap, cell, x, y,
           [key, color](TColor pixel) { return pixel == key ? clNone : color; });
}

void DrawEnabledBitmap(TCanvas& canvas, const TBitmap& bitmap, const TRect& cell, int x, int y,
                       bool pushed) {
  if (bitmap.Monochrome() && !pushed) {
    const TColor ink = canvas.Font().Color();
    const TColor paper = canvas.Brush().Color();
    PlotCell(canvas, bitmap, cell, x, y,
             [ink, paper](TColor pixel) { return pixel == clBlack ? ink : paper; });
    return;
  }
  const TColor key = ShapeKey(bitmap);
  PlotCell(canvas, bitmap, cell, x, y,
           [key](TColor pixel) { return pixel == key ? clNone : pixel; });
}

const TBitmap& CheckerPattern() {
  static const TBitmap pattern = [] {
    TBitmap bitmap(8, 8);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x)
        bitmap.Canvas().SetPixels(x, y, (x + y) % 2 == 0 ? clBtnHighlight : clMenu);
    return bitmap;
  }();
  return pattern;
}

}  // namespace

TGlyphLook BitmapGlyphLook(TMenuOwnerDrawState state, bool pushed) {
  const bool selected = (state & mdSelected) != 0;
  TGlyphLook look;
  look.disabled = (state & mdDisabled) != 0;
  look.pushed = pushed;
  look.gray = selected ? clGrayText : clBtnShadow;
  look.emboss = !selected || ColorToRGB(clGrayText) == ColorToRGB(clHighlight);
  return look;
}

void DrawBitmapGlyph(TCanvas& canvas, const TBitmap& bitmap, const TRect& cell, int x, int y,
                     const TGlyphLook& look) {
  if (!look.disabled) {
    DrawEnabledBitmap(canvas, bitmap, cell, x, y, look.pushed);
    return;
  }
  if (look.emboss) DrawSilhouette(canvas, bitmap, cell, x + 1, y + 1, clBtnHighlight);
  DrawSilhouette(canvas, bitmap, cell, x, y, look.gray);
}

void DrawCheckGlyph(TCanvas& canvas, bool radio, int x, int y, const TGlyphLook& look) {
  const TBitmap& glyph = MenuGlyphBitmap(radio ? mgBullet : mgCheck);
  DrawBitmapGlyph(canvas, glyph, Rect(0, 0, glyph.Width(), glyph.Height()), x, y, look);
}

void DrawListImage(TCanvas& canvas, const TImageList& images, int index, int x, int y,
                   const TGlyphLook& look) {
  if (!look.disabled) {
    images.Draw(canvas, x, y, index, true);
    return;
  }
  if (look.emboss) images.DrawSilhouette(canvas, x + 1, y + 1, index, clBtnHighlight);
  images.DrawSilhouette(canvas, x, y, index, look.gray);
}

void PaintPushedGlyphRect(TCanvas& canvas, TRect rect, bool selected, TColor gray) {
  rect.Top += 1;
  rect.Bottom -= 1;
  canvas.Brush().SetColor(clMenu);
  if (!selected) canvas.Brush().SetBitmap(&CheckerPattern());
  canvas.FillRect(rect);
  canvas.Brush().SetBitmap(nullptr);
  canvas.Frame3D(rect, gray, clBtnHighlight, 1);
}
