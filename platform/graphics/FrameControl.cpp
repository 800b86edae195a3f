#include "platform/graphics/FrameControl.h"

#include <algorithm>
#include <array>

namespace {

int ArrowRows(const TRect& r) {
  return std::max(1, (std::min(r.Width(), r.Height()) - 2) / 3);
}

// Each row of the triangle as a span; the apex row is one pixel long.
void FillArrow(TCanvas& canvas, const TRect& r, TArrowDirection direction, TColor color) {
  const int rows = ArrowRows(r);
  const int base = 2 * rows - 1;
  const bool vertical = direction == adUp || direction == adDown;
  const int spanW = vertical ? base : rows;
  const int spanH = vertical ? rows : base;
  const int x0 = r.Left + (r.Width() - spanW) / 2;
  const int y0 = r.Top + (r.Height() - spanH) / 2;
  canvas.Brush().SetColor(color);
  for (int i = 0; i < rows; ++i) {
    // i counts from the wide end of the triangle.
    const int len = base - 2 * i;
    switch (direction) {
      case adDown:
        canvas.FillRect(Bounds(x0 + i, y0 + i, len, 1));
        break;
      case adUp:
        canvas.FillRect(Bounds(x0 + i, y0 + rows - 1 - i, len, 1));
        break;
      case adRight:
        canvas.FillRect(Bounds(x0 + i, y0 + i, 1, len));
        break;
      case adLeft:
        canvas.FillRect(Bounds(x0 + rows - 1 - i, y0 + i, 1, len));
        break;
    }
  }
}

// Radio circle rows: O outer ring, I inner ring, w inside, . outside.
constexpr std::array<const char*, RadioGlyphSize> kRadioShape = {
    "....OOOO....", "..OOIIIIOO..", ".OIIwwwwIIO.", ".OIwwwwwwIO.", "OIwwwwwwwwIO", "OIwwwwwwwwIO",
    "OIwwwwwwwwIO", "OIwwwwwwwwIO", ".OIwwwwwwIO.", ".OIIwwwwIIO.", "..OOIIIIOO..", "....OOOO....",
};

constexpr std::array<const char*, 13> kCheckShape = {
    ".............", ".............", ".............", ".........X...", "........XX...",
    "...X...XXX...", "...XX.XXX....", "...XXXXX.....", "....XXX......", ".....X.......",
    ".............", ".............", ".............",
};
constexpr std::array<const char*, 13> kBulletShape = {
    ".............", ".............", ".............", ".............", ".....XXXX....",
    "....XXXXXX...", "....XXXXXX...", "....XXXXXX...", "....XXXXXX...", ".....XXXX....",
    ".............", ".............", ".............",
};
constexpr std::array<const char*, 13> kSubmenuArrowShape = {
    ".............", ".............", ".............", ".....X.......", ".....XX......",
    ".....XXX.....", ".....XXXX....", ".....XXX.....", ".....XX......", ".....X.......",
    ".............", ".............", ".............",
};

TBitmap MakeGlyph(const std::array<const char*, 13>& shape) {
  TBitmap bitmap(13, 13);
  for (int y = 0; y < 13; ++y)
    for (int x = 0; x < 13; ++x)
      if (shape[static_cast<std::size_t>(y)][x] == 'X') bitmap.Canvas().SetPixels(x, y, clBlack);
  bitmap.SetMonochrome(true);
  return bitmap;
}

}  // namespace

TRect DrawButtonFace(TCanvas& canvas, const TRect& r, bool pushed) {
  TRect inside = r;
  if (pushed) {
    canvas.Brush().SetColor(clBtnShadow);
    canvas.FrameRect(inside);
    inside = InflateRect(inside, -1, -1);
  } else {
    canvas.DrawEdge(inside, EDGE_RAISED, BF_RECT | BF_ADJUST);
  }
  canvas.Brush().SetColor(clBtnFace);
  canvas.FillRect(inside);
  return inside;
}

void DrawArrow(TCanvas& canvas, const TRect& r, TArrowDirection direction, TColor color) {
  FillArrow(canvas, r, direction, color);
}

void DrawArrowDisabled(TCanvas& canvas, const TRect& r, TArrowDirection direction) {
  FillArrow(canvas, OffsetRect(r, 1, 1), direction, clBtnHighlight);
  FillArrow(canvas, r, direction, clBtnShadow);
}

void DrawArrowButton(TCanvas& canvas, const TRect& r, TArrowDirection direction, bool pushed,
                     bool enabled) {
  DrawButtonFace(canvas, r, pushed);
  const TRect glyph = pushed ? OffsetRect(r, 1, 1) : r;
  if (enabled)
    DrawArrow(canvas, glyph, direction, clBtnText);
  else
    DrawArrowDisabled(canvas, glyph, direction);
}

void DrawRadioGlyph(TCanvas& canvas, int x, int y, bool checked, bool enabled, bool pushed) {
  const TColor inside = enabled && !pushed ? clWindow : clBtnFace;
  for (int row = 0; row < RadioGlyphSize; ++row) {
    for (int col = 0; col < RadioGlyphSize; ++col) {
      // The light falls from the top left: the upper-left half of each ring is its shadow.
      const bool upperLeft = row + col < RadioGlyphSize - 1;
      TColor color;
      switch (kRadioShape[static_cast<std::size_t>(row)][col]) {
        case 'O':
          color = upperLeft ? clBtnShadow : clBtnHighlight;
          break;
        case 'I':
          color = upperLeft ? cl3DDkShadow : cl3DLight;
          break;
        case 'w':
          color = inside;
          break;
        default:
          continue;
      }
      canvas.SetPixels(x + col, y + row, color);
    }
  }
  if (!checked) return;
  const TColor dot = enabled ? clWindowText : clGrayText;
  canvas.Brush().SetColor(dot);
  canvas.FillRect(Bounds(x + 5, y + 4, 2, 1));
  canvas.FillRect(Bounds(x + 4, y + 5, 4, 2));
  canvas.FillRect(Bounds(x + 5, y + 7, 2, 1));
}

const TBitmap& MenuGlyphBitmap(TMenuGlyph glyph) {
  static const TBitmap check = MakeGlyph(kCheckShape);
  static const TBitmap bullet = MakeGlyph(kBulletShape);
  static const TBitmap arrow = MakeGlyph(kSubmenuArrowShape);
  switch (glyph) {
    case mgBullet:
      return bullet;
    case mgSubmenuArrow:
      return arrow;
    default:
      return check;
  }
}

void DrawMenuGlyph(TCanvas& canvas, int x, int y, TMenuGlyph glyph, TColor color) {
  const TBitmap& mask = MenuGlyphBitmap(glyph);
  canvas.Brush().SetColor(color);
  for (int row = 0; row < mask.Height(); ++row) {
    const std::uint8_t* line = mask.ScanLine(row);
    for (int col = 0; col < mask.Width(); ++col)
      if (line[col * TBitmap::PixelStep] == 0) canvas.FillRect(Bounds(x + col, y + row, 1, 1));
  }
}
