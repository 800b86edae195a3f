#include "controls/FlatUtilitys.h"

#include <algorithm>

#include "controls/HSLUtils.h"
#include "platform/framework/Application.h"
#include "platform/framework/Timer.h"
#include "platform/graphics/Bitmap.h"

TColor CalcAdvancedColor(TColor base, TColor given, int percent, TColorCalcType type) {
  if (percent == 0) return given;
  THLS hls = RGBToHLS(base);
  hls.L += 10;
  if (type == TColorCalcType::lighten)
    hls.L = std::min(hls.L + percent, 100);
  else
    hls.L = std::max(hls.L - percent, 0);
  return HLSToRGB(hls);
}

namespace {

bool IsBlackPixel(const std::uint8_t* pixel) {
  return pixel[TBitmap::BlueOffset] == 0 && pixel[TBitmap::GreenOffset] == 0 &&
         pixel[TBitmap::RedOffset] == 0;
}

void PutPixel(std::uint8_t* row, int x, TColor rgb) {
  std::uint8_t* pixel = row + x * TBitmap::PixelStep;
  pixel[TBitmap::BlueOffset] = GetBValue(rgb);
  pixel[TBitmap::GreenOffset] = GetGValue(rgb);
  pixel[TBitmap::RedOffset] = GetRValue(rgb);
}

// Paints colour at every black pixel of source moved by (offset, offset), clipped to result.
void StampBlackPixels(const TBitmap& source, TBitmap& result, int offset, TColor colour) {
  const TColor rgb = ColorToRGB(colour);
  const int w = source.Width();
  const int h = source.Height();
  for (int y = 0; y < h; ++y) {
    const int ty = y + offset;
    if (ty >= h) break;
    const std::uint8_t* in = source.ScanLine(y);
    std::uint8_t* out = result.ScanLine(ty);
    for (int x = 0; x + offset < w; ++x)
      if (IsBlackPixel(in + x * TBitmap::PixelStep)) PutPixel(out, x + offset, rgb);
  }
}

}  // namespace

void CreateDisabledBitmap(const TBitmap& source, TBitmap& result) {
  const int w = source.Width();
  const int h = source.Height();
  result.SetMonochrome(false);
  result.SetSize(w, h);
  result.Canvas().Brush().SetColor(clBtnFace);
  result.Canvas().FillRect(Rect(0, 0, w, h));
  if (w == 0 || h == 0) return;
  StampBlackPixels(source, result, 1, clBtnHighlight);
  StampBlackPixels(source, result, 0, clBtnShadow);
  result.Modified();
}

namespace {

bool Horizontal(TButtonLayout layout) {
  return layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;
}

}  // namespace

TButtonPlacement CalcButtonLayout(const TButtonLayoutInput& in) {
  const int cw = in.Client.cx;
  const int ch = in.Client.cy;
  const int gw = in.Glyph.cx;
  const int gh = in.Glyph.cy;
  const int tw = in.TextRect.Width();
  const int th = in.TextRect.Height();
  const bool horizontal = Horizontal(in.Layout);
  int margin = in.Margin;
  int spacing = in.Spacing;
  TPoint glyph;
  TPoint text;
  if (horizontal) {
    glyph.Y = (ch - gh + 1) / 2;
    text.Y = (ch - th + 1) / 2;
  } else {
    glyph.X = (cw - gw + 1) / 2;
    text.X = (cw - tw + 1) / 2;
  }
  if (tw == 0 || gw == 0) spacing = 0;
  const int room = horizontal ? cw : ch;
  const int glyphExtent = horizontal ? gw : gh;
  const int textExtent = horizontal ? tw : th;
  if (margin == -1) {
    if (spacing == -1) {
      margin = (room - (glyphExtent + textExtent)) / 3;
      spacing = margin;
    } else {
      margin = (room - (glyphExtent + spacing + textExtent) + 1) / 2;
    }
  } else if (spacing == -1) {
    spacing = ((room - (margin + glyphExtent)) - textExtent) / 2;
  }
  switch (in.Layout) {
    case TButtonLayout::blGlyphLeft:
      glyph.X = margin;
      text.X = glyph.X + gw + spacing;
      break;
    case TButtonLayout::blGlyphRight:
      glyph.X = cw - margin - gw;
      text.X = glyph.X - spacing - tw;
      break;
    case TButtonLayout::blGlyphTop:
      glyph.Y = margin;
      text.Y = glyph.Y + gh + spacing;
      break;
    case TButtonLayout::blGlyphBottom:
      glyph.Y = ch - margin - gh;
      text.Y = glyph.Y - spacing - th;
      break;
  }
  TButtonPlacement placement;
  placement.GlyphPos = Point(glyph.X + in.Shift, glyph.Y + in.Shift);
  placement.TextBounds = OffsetRect(in.TextRect, text.X + in.Shift, text.Y + in.Shift);
  return placement;
}

TRect MeasureButtonCaption(TCanvas& canvas, const std::string& caption, int clientWidth) {
  TRect r = Rect(0, 0, clientWidth, 0);
  if (caption.empty()) return Rect(0, 0, 0, 0);
  canvas.DrawText(caption, r, DT_CALCRECT | DT_SINGLELINE);
  return r;
}

TFlatHoverTimer::TFlatHoverTimer() = default;
TFlatHoverTimer::~TFlatHoverTimer() = default;

void TFlatHoverTimer::Attach() {
  if (count_++ > 0) return;
  timer_ = std::make_unique<TTimer>(nullptr);
  timer_->SetEnabled(false);
  timer_->SetInterval(Interval);
  timer_->SetOnTimer([this](TComponent*) {
    if (tick_) tick_();
  });
}

void TFlatHoverTimer::Detach(const TControl* instance) {
  if (instance && instance == tracked_) Untrack(instance);
  if (--count_ > 0) return;
  count_ = 0;
  timer_.reset();
}

void TFlatHoverTimer::Track(TControl* instance, std::function<void()> onTick) {
  if (!timer_) return;
  timer_->SetEnabled(false);
  tracked_ = instance;
  tick_ = std::move(onTick);
  timer_->SetEnabled(true);
}

void TFlatHoverTimer::Untrack(const TControl* instance) {
  if (instance && instance != tracked_) return;
  if (timer_) timer_->SetEnabled(false);
  tracked_ = nullptr;
  tick_ = nullptr;
}

TControl* ControlAtScreen(TPoint pos) {
  return FindControlAtScreenPoint(pos, true);
}
