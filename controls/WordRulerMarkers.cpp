// The three indent markers: their pictures, their places and their outlines per state.
#include "controls/WordRuler.h"
#include "platform/controls/Image.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

namespace {

constexpr int kMarkerWidth = 9;

// A pentagon pointing down on white; white is the markers' transparent colour.
TBitmap FirstLinePicture() {
  TBitmap bitmap(kMarkerWidth, 9);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush().SetColor(clWhite);
  canvas.FillRect(Rect(0, 0, 9, 9));
  canvas.Brush().SetColor(clBtnFace);
  canvas.Pen().SetColor(clBtnFace);
  canvas.Polygon({Point(0, 0), Point(0, 5), Point(5, 9), Point(9, 5), Point(9, 0)});
  return bitmap;
}

// The first-line pentagon turned upside down into rows 0 to 8 of a white bitmap.
TBitmap FlippedPicture(const TBitmap& firstLine, int height) {
  TBitmap bitmap(kMarkerWidth, height);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush().SetColor(clWhite);
  canvas.FillRect(Rect(0, 0, kMarkerWidth, height));
  canvas.StretchCopy(Rect(0, 8, 9, -1), firstLine, Rect(0, 0, 9, 9));
  return bitmap;
}

TBitmap LeftIndentPicture(const TBitmap& firstLine) {
  TBitmap bitmap = FlippedPicture(firstLine, 14);
  bitmap.Canvas().Brush().SetColor(clBtnFace);
  bitmap.Canvas().FillRect(Rect(0, 9, 8, 13));
  return bitmap;
}

void Line(TCanvas& canvas, std::initializer_list<TPoint> points) {
  auto it = points.begin();
  canvas.MoveTo(it->X, it->Y);
  for (++it; it != points.end(); ++it) canvas.LineTo(it->X, it->Y);
}

// The outline: `first` on the lit sides, `second` on the shaded ones; a pressed marker swaps
// them.
void DrawOutline(TCanvas& canvas, int tag, TColor first, TColor second) {
  canvas.Pen().SetWidth(1);
  canvas.Pen().SetColor(first);
  switch (tag) {
    case TWordRuler::FirstLineTag:
      Line(canvas, {Point(0, 0), Point(0, 4), Point(4, 8)});
      canvas.Pen().SetColor(second);
      Line(canvas, {Point(4, 8), Point(8, 4), Point(8, 0), Point(0, 0)});
      break;
    case TWordRuler::LeftIndentTag:
      Line(canvas, {Point(4, 0), Point(0, 4), Point(0, 13)});
      Line(canvas, {Point(0, 8), Point(8, 8)});
      canvas.Pen().SetColor(second);
      Line(canvas, {Point(4, 0), Point(8, 4), Point(8, 14), Point(0, 14)});
      break;
    case TWordRuler::RightIndentTag:
      Line(canvas, {Point(4, 0), Point(0, 4), Point(0, 8)});
      canvas.Pen().SetColor(second);
      Line(canvas, {Point(0, 8), Point(8, 8), Point(8, 4), Point(4, 0)});
      break;
    default:
      break;
  }
}

}  // namespace

TImage* TWordRuler::MakeMarker(int tag, const TBitmap& picture, TRect bounds) {
  auto marker = std::make_unique<TImage>(nullptr);
  marker->SetTag(tag);
  marker->Picture().Bitmap().Assign(picture);
  marker->Picture().Bitmap().SetTransparentColor(clWhite);
  marker->SetTransparent(true);
  marker->SetBoundsRect(bounds);
  marker->OnMouseDown = [this](TComponent* sender, TMouseButton button, TShiftState shift, int x,
                               int y) { MarkerMouseDown(sender, button, shift, x, y); };
  marker->OnMouseMove = [this](TComponent* sender, TShiftState shift, int x, int y) {
    MarkerMouseMove(sender, shift, x, y);
  };
  marker->OnMouseUp = [this](TComponent* sender, TMouseButton button, TShiftState shift, int x,
                             int y) { MarkerMouseUp(sender, button, shift, x, y); };
  marker->SetParent(this);
  markers_[static_cast<std::size_t>(tag - 1)] = std::move(marker);
  return markers_[static_cast<std::size_t>(tag - 1)].get();
}

void TWordRuler::CreateMarkers() {
  FreeMarkers();
  const int w = Width();
  const int h = Height();
  const TBitmap firstLine = FirstLinePicture();
  // Made in this order, so that where they overlap the right-indent marker is on top, then
  // the left-indent one.
  MakeMarker(FirstLineTag, firstLine, Bounds(0, 4, kMarkerWidth, 9));
  MakeMarker(LeftIndentTag, LeftIndentPicture(firstLine), Bounds(0, h - 13, kMarkerWidth, 14));
  MakeMarker(RightIndentTag, FlippedPicture(firstLine, 9), Bounds(w - 9, h - 13, kMarkerWidth, 9));
  for (const auto& marker : markers_) marker->SetVisible(true);
  for (const auto& marker : markers_) ShowMarkerState(*marker);
}

void TWordRuler::FreeMarkers() {
  ResetDrag();
  for (auto& marker : markers_) marker.reset();
}

void TWordRuler::ShowMarkerState(TImage& marker) {
  const int tag = static_cast<int>(marker.Tag());
  const bool pressed = Dragging(tag);
  TBitmap& bitmap = marker.Picture().Bitmap();
  TCanvas& canvas = bitmap.Canvas();
  canvas.Lock();
  DrawOutline(canvas, tag, pressed ? clBtnShadow : clBtnHighlight,
              pressed ? clBtnHighlight : clBtnShadow);
  canvas.Unlock();
  bitmap.Modified();
  marker.Invalidate();
}
