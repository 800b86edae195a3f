#include "controls/TFlatCheckBoxUnit.h"

#include "platform/core/Exception.h"
#include "platform/framework/Application.h"
#include "platform/framework/Hotkey.h"
#include "platform/graphics/Canvas.h"

namespace {

// Shared by every flat check box of the process, apart from the flat buttons' timer.
TFlatHoverTimer g_hover;

TFlatCheckBox* TrackedFlatCheckBox() {
  return static_cast<TFlatCheckBox*>(g_hover.Tracked());
}

void CheckPercent(const char* property, int value) {
  if (value < 0 || value > 100)
    throw Exception(std::string(property) + " must be between 0 and 100, not " +
                    std::to_string(value));
}

// The check mark as six one-pixel strokes from the box's top-left corner, end points left out.
struct Stroke {
  TPoint from;
  TPoint to;
};
constexpr Stroke kCheckMark[] = {{{2, 4}, {6, 8}}, {{2, 5}, {5, 8}}, {{2, 6}, {5, 9}},
                                 {{8, 2}, {4, 6}}, {{8, 3}, {4, 7}}, {{8, 4}, {5, 7}}};

}  // namespace

TFlatCheckBox::TFlatCheckBox(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 121, 17);
  SetColor(14805739);
  SetParentColor(true);
  SetTabStop(true);
  g_hover.Attach();
}

TFlatCheckBox::~TFlatCheckBox() {
  g_hover.Detach(this);
}

int TFlatCheckBox::InstanceCount() {
  return g_hover.Count();
}

TTimer* TFlatCheckBox::SharedTimer() {
  return g_hover.Timer();
}

TFlatCheckBox* TFlatCheckBox::TrackedCheckBox() {
  return TrackedFlatCheckBox();
}

// --- Properties

void TFlatCheckBox::SetChecked(bool value) {
  if (value == checked_) return;
  checked_ = value;
  const TComponentRef<TFlatCheckBox> self(this);
  Click();
  if (self.Alive()) RedrawBox();
}

void TFlatCheckBox::SetColorFocused(TColor value) {
  colorFocused_ = value;
  Invalidate();
}

void TFlatCheckBox::SetColorDown(TColor value) {
  colorDown_ = value;
  Invalidate();
}

void TFlatCheckBox::SetColorCheck(TColor value) {
  colorCheck_ = value;
  Invalidate();
}

void TFlatCheckBox::SetColorBorder(TColor value) {
  colorBorder_ = value;
  Invalidate();
}

void TFlatCheckBox::SetAdvColorFocused(int value) {
  CheckPercent("AdvColorFocused", value);
  advColorFocused_ = value;
  DeriveAdvancedColors();
  Invalidate();
}

void TFlatCheckBox::SetAdvColorDown(int value) {
  CheckPercent("AdvColorDown", value);
  advColorDown_ = value;
  DeriveAdvancedColors();
  Invalidate();
}

void TFlatCheckBox::SetAdvColorBorder(int value) {
  CheckPercent("AdvColorBorder", value);
  advColorBorder_ = value;
  DeriveAdvancedColors();
  Invalidate();
}

void TFlatCheckBox::SetUseAdvColors(bool value) {
  if (value == useAdvColors_) return;
  useAdvColors_ = value;
  SetParentColor(value);
  DeriveAdvancedColors();
  Invalidate();
}

void TFlatCheckBox::DeriveAdvancedColors() {
  if (!useAdvColors_) return;
  colorFocused_ =
      CalcAdvancedColor(Color(), colorFocused_, advColorFocused_, TColorCalcType::lighten);
  colorDown_ = CalcAdvancedColor(Color(), colorDown_, advColorDown_, TColorCalcType::darken);
  colorBorder_ = CalcAdvancedColor(Color(), colorBorder_, advColorBorder_, TColorCalcType::darken);
}

void TFlatCheckBox::SetLayout(TCheckBoxLayout value) {
  layout_ = value;
  Invalidate();
}

// --- Input

void TFlatCheckBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button != mbLeft || !Enabled()) return;
  if (CanFocus()) SetFocus();
  mouseDown_ = true;
  RedrawBox();
  TCustomControl::MouseDown(button, shift, x, y);
}

void TFlatCheckBox::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  TrackMouseAt(ClientToScreen(Point(x, y)));
}

void TFlatCheckBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  // The platform has already fired OnClick for a release inside, with the old state.
  if (button != mbLeft || !Enabled()) return;
  mouseDown_ = false;
  // The hover look is held while the button is down, so a release outside toggles too.
  const TComponentRef<TFlatCheckBox> self(this);
  if (mouseIn_) SetChecked(!checked_);
  if (!self.Alive()) return;
  RedrawBox();
  TCustomControl::MouseUp(button, shift, x, y);
}

void TFlatCheckBox::DoEnter() {
  TCustomControl::DoEnter();
  focused_ = true;
  RedrawBox();
}

void TFlatCheckBox::DoExit() {
  TCustomControl::DoExit();
  if (Enabled()) mouseIn_ = false;
  focused_ = false;
  RedrawBox();
}

void TFlatCheckBox::FocusChanged(TWinControl* focused) {
  TCustomControl::FocusChanged(focused);
  // The window getting the focus back gives it to this box without an enter notice.
  if (focused == this && Enabled() && !focused_) {
    focused_ = true;
    RedrawBox();
  }
}

bool TFlatCheckBox::DialogChar(char32_t key, TShiftState shift) {
  if (IsAccel(key, Caption()) && CanFocus()) {
    SetFocus();
    SetChecked(!checked_);
    return true;
  }
  // Space toggles the focused box but stays available to the window.
  if (key == U' ' && focused_) {
    const TComponentRef<TFlatCheckBox> self(this);
    SetChecked(!checked_);
    if (!self.Alive()) return false;
  }
  return TCustomControl::DialogChar(key, shift);
}

void TFlatCheckBox::EnabledChanged() {
  TCustomControl::EnabledChanged();
  if (!Enabled()) {
    mouseIn_ = false;
    mouseDown_ = false;
    g_hover.Untrack(this);
  }
  Invalidate();
}

void TFlatCheckBox::ParentColorChanged() {
  TCustomControl::ParentColorChanged();
  if (useAdvColors_) {
    SetParentColor(true);
    DeriveAdvancedColors();
  }
  Invalidate();
}

// --- Hover tracking

void TFlatCheckBox::TrackMouseAt(TPoint screenPos) {
  if (TrackedFlatCheckBox() == this || ControlAtScreen(screenPos) != this) return;
  if (TFlatCheckBox* previous = TrackedFlatCheckBox()) previous->MouseLeaveLook();
  if (!Application->HasActiveWindow()) return;
  g_hover.Track(this, [this] { TimerTick(); });
  MouseEnterLook();
}

void TFlatCheckBox::MouseEnterLook() {
  if (!Enabled() || mouseIn_) return;
  mouseIn_ = true;
  RedrawBox();
}

void TFlatCheckBox::MouseLeaveLook() {
  if (!Enabled() || !mouseIn_ || mouseDown_) return;
  mouseIn_ = false;
  g_hover.Untrack(this);
  RedrawBox();
}

void TFlatCheckBox::TimerTick() {
  if (ControlAtScreen(Screen->CursorPos()) != this) MouseLeaveLook();
}

// --- Painting

TRect TFlatCheckBox::BoxRect() const {
  const int w = ClientWidth();
  return layout_ == TCheckBoxLayout::checkboxLeft ? Rect(1, 3, 12, 14) : Rect(w - 12, 3, w - 1, 14);
}

TRect TFlatCheckBox::CaptionRect() const {
  const int w = ClientWidth();
  const int h = ClientHeight();
  return layout_ == TCheckBoxLayout::checkboxLeft ? Rect(16, 1, w - 1, h - 1)
                                                  : Rect(1, 1, w - 16, h - 1);
}

// The box alone changes with the flags; the surface is composed whole, so a repaint now is
// the way to redraw it at once.
void TFlatCheckBox::RedrawBox() {
  Repaint();
}

void TFlatCheckBox::Paint() {
  TCanvas& canvas = Canvas();
  DrawBox(canvas);
  DrawCaption(canvas);
}

void TFlatCheckBox::DrawBox(TCanvas& canvas) const {
  const TRect box = BoxRect();
  TColor fill = Color();
  if (focused_ || mouseIn_) fill = mouseDown_ ? colorDown_ : colorFocused_;
  canvas.Brush().SetStyle(bsSolid);
  canvas.Brush().SetColor(fill);
  canvas.FillRect(box);
  if (checked_) DrawCheckMark(canvas, Point(box.Left, box.Top));
  canvas.Brush().SetColor(colorBorder_);
  canvas.FrameRect(box);
}

void TFlatCheckBox::DrawCheckMark(TCanvas& canvas, TPoint origin) const {
  canvas.Pen().SetStyle(psSolid);
  canvas.Pen().SetWidth(1);
  canvas.Pen().SetColor(Enabled() ? colorCheck_ : clBtnShadow);
  for (const Stroke& s : kCheckMark) {
    canvas.MoveTo(origin.X + s.from.X, origin.Y + s.from.Y);
    canvas.LineTo(origin.X + s.to.X, origin.Y + s.to.Y);
  }
}

void TFlatCheckBox::DrawCaption(TCanvas& canvas) const {
  if (Caption().empty()) return;
  const unsigned align = layout_ == TCheckBoxLayout::checkboxLeft ? DT_LEFT : DT_RIGHT;
  const unsigned flags = DT_TOP | DT_WORDBREAK | align;
  const TRect rect = CaptionRect();
  if (!Enabled()) {
    canvas.Brush().SetStyle(bsClear);
    DrawEngravedText(canvas, rect, Caption(), flags);
    return;
  }
  canvas.Brush().SetStyle(bsClear);
  canvas.Font().SetColor(Font().Color());
  TRect r = rect;
  canvas.DrawText(Caption(), r, flags);
}
