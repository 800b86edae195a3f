#include "controls/RbButtonLayout.h"

TRect RbCaptionRect(const TRbGlyphInput& in) {
  TRect t = Rect(0, 0, in.Width, in.Height);
  if (in.Glyph.cx <= 0 || in.Glyph.cy <= 0) return t;
  switch (in.Layout) {
    case TButtonLayout::blGlyphLeft:
      t.Left += in.Glyph.cx + in.Spacing;
      break;
    case TButtonLayout::blGlyphRight:
      t.Left -= in.Glyph.cx + in.Spacing;
      break;
    case TButtonLayout::blGlyphTop:
      t.Top += in.Glyph.cy + in.Spacing;
      break;
    case TButtonLayout::blGlyphBottom:
      t.Top -= in.Glyph.cy + in.Spacing;
      break;
  }
  return t;
}

TPoint RbGlyphPosition(const TRbGlyphInput& in, const TRect& t) {
  const int gw = in.Glyph.cx;
  const int gh = in.Glyph.cy;
  const int s = in.Spacing;
  const int tw = in.CaptionShown ? in.Text.cx : 0;
  const int th = in.CaptionShown ? in.Text.cy : 0;
  const bool shown = in.CaptionShown;
  switch (in.Layout) {
    case TButtonLayout::blGlyphLeft:
      return {shown ? (t.Left + t.Right - tw) / 2 - s - gw : (t.Left + t.Right - s) / 2 - gw,
              (in.Height - gh) / 2};
    case TButtonLayout::blGlyphRight:
      return {(t.Left + t.Right + tw) / 2 + s, (in.Height - gh) / 2};
    case TButtonLayout::blGlyphTop:
      return {(in.Width - gw) / 2, (t.Top + t.Bottom - th) / 2 - s - gh};
    case TButtonLayout::blGlyphBottom:
      return {(in.Width - gw) / 2, (t.Top + t.Bottom + th) / 2 + s};
  }
  return {};
}
