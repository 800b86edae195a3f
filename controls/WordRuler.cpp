// TWordRuler: properties, size rules and the mouse; painting is in WordRulerPaint.cpp and the
// marker pictures in WordRulerMarkers.cpp.
#include "controls/WordRuler.h"

#include "platform/controls/Image.h"

using WordRulerScale::TMarkerPlaces;

TWordRuler::TWordRuler(TComponent* owner) : TCustomControl(owner) {
  SetControlStyle(ControlStyle() | csOpaque);
  SetBounds(Left(), Top(), 100, 26);
  SetParentFont(false);
  Font().SetName("MS Serif");
  Font().SetSize(7);
  constructed_ = true;
}

TWordRuler::~TWordRuler() {
  FreeMarkers();
}

// --- Properties

void TWordRuler::Changed() {
  Repaint();
}

void TWordRuler::SetDivisions(TDivType value) {
  if (value == divisions_) return;
  divisions_ = value;
  Changed();
}

void TWordRuler::SetBackColor(TColor value) {
  if (value == backColor_) return;
  backColor_ = value;
  Changed();
}

void TWordRuler::SetRulerColor(TColor value) {
  if (value == rulerColor_) return;
  rulerColor_ = value;
  Changed();
}

void TWordRuler::SetFramed(bool value) {
  if (value == framed_) return;
  framed_ = value;
  Changed();
}

void TWordRuler::SetMarkerOnTop(bool value) {
  if (value == markerOnTop_) return;
  markerOnTop_ = value;
  Changed();
}

void TWordRuler::SetDirection(TRulerDir value) {
  if (value == direction_) return;
  direction_ = value;
  if (direction_ == TRulerDir::rdHorizontal)
    CreateMarkers();
  else
    FreeMarkers();
  Changed();
}

void TWordRuler::FontChanged() {
  TCustomControl::FontChanged();
  Changed();
}

double TWordRuler::LeftIndentPos() const {
  const TImage* marker = Marker(LeftIndentTag);
  return marker ? WordRulerScale::IndentInUnits(divisions_, marker->Left()) : 0.0;
}

TImage* TWordRuler::Marker(int tag) const {
  if (tag < FirstLineTag || tag > RightIndentTag) return nullptr;
  return markers_[static_cast<std::size_t>(tag - 1)].get();
}

bool TWordRuler::Dragging(int tag) const {
  if (tag < FirstLineTag || tag > RightIndentTag) return false;
  return dragging_[static_cast<std::size_t>(tag - 1)];
}

// --- Size

void TWordRuler::EnforceMinimumSize() {
  if (direction_ == TRulerDir::rdHorizontal && Height() < MinimumAcross)
    SetHeight(MinimumAcross);
  else if (direction_ == TRulerDir::rdVertical && Width() < MinimumAcross)
    SetWidth(MinimumAcross);
}

void TWordRuler::Resize() {
  if (!constructed_) return;
  EnforceMinimumSize();
  // Every size change puts the markers back where they start.
  FreeMarkers();
  if (direction_ == TRulerDir::rdHorizontal) CreateMarkers();
  TCustomControl::Resize();
}

// --- The ruler body

void TWordRuler::Fire(const TNotifyEvent& event) {
  if (event) event(this);
}

void TWordRuler::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button != mbLeft) return;
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
  Fire(OnBeginChange);
}

void TWordRuler::MouseMove(TShiftState shift, int x, int y) {
  if (!(shift & ssLeft)) return;
  Fire(OnChanged);
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TWordRuler::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  Fire(OnStopChanged);
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

// --- The markers

void TWordRuler::MarkerMouseDown(TComponent* sender, TMouseButton button, TShiftState shift, int x,
                                 int y) {
  auto* marker = dynamic_cast<TImage*>(sender);
  if (!marker || !(shift & ssLeft) || !Marker(static_cast<int>(marker->Tag()))) return;
  Grab(*marker, x, y);
  ShowMarkerState(*marker);
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
  Fire(OnBeginChange);
}

void TWordRuler::Grab(TImage& marker, int x, int y) {
  const int tag = static_cast<int>(marker.Tag());
  pressX_ = x;
  dragging_[static_cast<std::size_t>(tag - 1)] = true;
  if (tag != LeftIndentTag) return;
  // Held by its box, the left-indent marker takes the first-line marker along.
  carry_ = Rect(0, 9, 9, 13).Contains(Point(x, y));
  if (carry_) carryOffset_ = Marker(FirstLineTag)->Left() - marker.Left();
}

void TWordRuler::MarkerMouseMove(TComponent* sender, TShiftState shift, int x, int y) {
  auto* marker = dynamic_cast<TImage*>(sender);
  if (!marker || !(shift & ssLeft)) return;
  DragStep(x);
  Fire(OnChanged);
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
  // A handler may have resized the ruler, which replaces the markers.
  if (Marker(static_cast<int>(marker->Tag())) == marker) ShowMarkerState(*marker);
}

void TWordRuler::DragStep(int x) {
  TImage* first = Marker(FirstLineTag);
  TImage* left = Marker(LeftIndentTag);
  TImage* right = Marker(RightIndentTag);
  if (!first || !left || !right) return;
  TMarkerPlaces places{first->Left(), left->Left(), right->Left()};
  const int width = Width();
  if (Dragging(FirstLineTag)) {
    WordRulerScale::DragFirstLine(divisions_, first->Left() + x - pressX_, width, places);
  } else if (Dragging(LeftIndentTag)) {
    WordRulerScale::DragLeftIndent(divisions_, left->Left() + x - pressX_, width, carry_,
                                   carryOffset_, places);
  } else if (Dragging(RightIndentTag)) {
    WordRulerScale::DragRightIndent(divisions_, right->Left() + x - pressX_, width, places);
  } else {
    return;
  }
  first->SetLeft(places.firstLine);
  left->SetLeft(places.leftIndent);
  right->SetLeft(places.rightIndent);
}

void TWordRuler::MarkerMouseUp(TComponent* sender, TMouseButton button, TShiftState shift, int x,
                               int y) {
  auto* marker = dynamic_cast<TImage*>(sender);
  if (!marker || !(Dragging(FirstLineTag) || Dragging(LeftIndentTag) || Dragging(RightIndentTag)))
    return;
  ResetDrag();
  ShowMarkerState(*marker);
  Fire(OnStopChanged);
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TWordRuler::ResetDrag() {
  dragging_ = {};
  carry_ = false;
}
