// Painting the ruler strip: background, scale, frame bands and sunken edge. The markers are
// image children painted over it by the platform.
#include <string>

#include "controls/WordRuler.h"
#include "platform/graphics/Canvas.h"

using WordRulerScale::TickExtent;
using WordRulerScale::TicksAt;
using WordRulerScale::TTickKind;

namespace {

constexpr int kBand = 4;

}  // namespace

void TWordRuler::Paint() {
  TCanvas& canvas = Canvas();
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(backColor_);
  canvas.FillRect(Rect(0, 0, Width(), Height()));
  // The brush stays BackColor: labels are written on cells of it.
  PaintScale(canvas);
  PaintFrame(canvas);
}

void TWordRuler::PaintScale(TCanvas& canvas) {
  canvas.Pen().SetColor(rulerColor_);
  canvas.Pen().SetWidth(1);
  if (direction_ == TRulerDir::rdHorizontal)
    PaintHorizontalScale(canvas);
  else
    PaintVerticalScale(canvas);
}

void TWordRuler::PaintHorizontalScale(TCanvas& canvas) {
  const int w = Width();
  const int h = Height();
  for (int n = WordRulerScale::FirstPosition; n <= w - WordRulerScale::FirstPosition; ++n) {
    const int x = n + WordRulerScale::Offset;
    for (TTickKind kind : TicksAt(divisions_, n)) {
      if (kind == TTickKind::tkLabel) {
        const std::string text = std::to_string(WordRulerScale::LabelValue(divisions_, n));
        const int tw = canvas.TextWidth(text) / 2;
        const int th = canvas.TextHeight(text) / 2;
        canvas.TextOut(x - tw, markerOnTop_ ? th : (h - 5) / 2 - th, text);
      }
      const auto extent = TickExtent(kind, markerOnTop_, h);
      if (!extent.drawn) continue;
      canvas.MoveTo(x, extent.start);
      canvas.LineTo(x, extent.end);
    }
  }
}

void TWordRuler::PaintVerticalScale(TCanvas& canvas) {
  const int w = Width();
  const int h = Height();
  for (int n = WordRulerScale::FirstPosition; n <= h - WordRulerScale::FirstPosition; ++n) {
    const int y = n + WordRulerScale::Offset;
    for (TTickKind kind : TicksAt(divisions_, n)) {
      if (kind == TTickKind::tkLabel) {
        // Read from bottom to top, in a turned copy of the label font.
        const TFont previous = canvas.Font();
        TFont turned = previous;
        turned.SetEscapement(900);
        canvas.SetFont(turned);
        const std::string text = std::to_string(WordRulerScale::LabelValue(divisions_, n));
        const int tw = canvas.TextWidth(text) / 2;
        const int th = canvas.TextHeight(text) / 2;
        canvas.TextOut(markerOnTop_ ? th : (w - 5) / 2 - th, y + tw, text);
        canvas.SetFont(previous);
      }
      const auto extent = TickExtent(kind, markerOnTop_, w);
      if (!extent.drawn) continue;
      canvas.MoveTo(extent.start, y);
      canvas.LineTo(extent.end, y);
    }
  }
}

void TWordRuler::PaintFrame(TCanvas& canvas) {
  const int w = Width();
  const int h = Height();
  canvas.Brush().SetColor(clBtnFace);
  canvas.FillRect(Rect(0, 0, kBand, h));
  canvas.FillRect(Rect(0, 0, w, kBand));
  canvas.FillRect(Rect(w - kBand, 0, w, h));
  canvas.FillRect(Rect(0, h - kBand, w, h));
  TRect edge = Rect(kBand, kBand, w - kBand, h - kBand);
  canvas.DrawEdge(edge, BDR_SUNKENOUTER | BDR_SUNKENINNER, BF_RECT);
}
