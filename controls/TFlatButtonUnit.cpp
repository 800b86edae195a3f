#include "controls/TFlatButtonUnit.h"

#include "platform/core/Exception.h"
#include "platform/framework/Application.h"
#include "platform/framework/Form.h"
#include "platform/framework/Hotkey.h"
#include "platform/framework/Timer.h"
#include "platform/graphics/Canvas.h"

using TButtonState = TFlatButton::TButtonState;

namespace {

// Shared by every flat button of the process; the check boxes have their own.
TFlatHoverTimer g_hover;

TFlatButton* TrackedFlatButton() {
  return static_cast<TFlatButton*>(g_hover.Tracked());
}

void CheckRange(const char* property, int value, int min, int max) {
  if (value < min || value > max)
    throw Exception(std::string(property) + " must be between " + std::to_string(min) + " and " +
                    std::to_string(max) + ", not " + std::to_string(value));
}

}  // namespace

TFlatButton::TFlatButton(TComponent* owner) : TCustomControl(owner) {
  SetControlStyle(csCaptureMouse | csOpaque | csDoubleClicks);
  SetBounds(0, 0, 25, 25);
  SetColor(14805739);
  SetParentColor(true);
  g_hover.Attach();
}

TFlatButton::~TFlatButton() {
  g_hover.Detach(this);
}

int TFlatButton::InstanceCount() {
  return g_hover.Count();
}

TTimer* TFlatButton::SharedTimer() {
  return g_hover.Timer();
}

TFlatButton* TFlatButton::TrackedButton() {
  return TrackedFlatButton();
}

// --- Properties

void TFlatButton::SetAllowAllUp(bool value) {
  if (value == allowAllUp_) return;
  allowAllUp_ = value;
  SendGroupNotification();
}

void TFlatButton::SetColorFocused(TColor value) {
  colorFocused_ = value;
  Invalidate();
}

void TFlatButton::SetColorDown(TColor value) {
  colorDown_ = value;
  Invalidate();
}

void TFlatButton::SetColorBorder(TColor value) {
  colorBorder_ = value;
  Invalidate();
}

void TFlatButton::SetColorHighLight(TColor value) {
  colorHighLight_ = value;
  Invalidate();
}

void TFlatButton::SetColorShadow(TColor value) {
  colorShadow_ = value;
  Invalidate();
}

void TFlatButton::SetAdvColorFocused(int value) {
  CheckRange("AdvColorFocused", value, 0, 100);
  advColorFocused_ = value;
  DeriveAdvancedColors();
  Invalidate();
}

void TFlatButton::SetAdvColorDown(int value) {
  CheckRange("AdvColorDown", value, 0, 100);
  advColorDown_ = value;
  DeriveAdvancedColors();
  Invalidate();
}

void TFlatButton::SetAdvColorBorder(int value) {
  CheckRange("AdvColorBorder", value, 0, 100);
  advColorBorder_ = value;
  DeriveAdvancedColors();
  Invalidate();
}

void TFlatButton::SetUseAdvColors(bool value) {
  if (value == useAdvColors_) return;
  useAdvColors_ = value;
  SetParentColor(value);
  DeriveAdvancedColors();
  Invalidate();
}

void TFlatButton::DeriveAdvancedColors() {
  if (!useAdvColors_) return;
  colorFocused_ =
      CalcAdvancedColor(Color(), colorFocused_, advColorFocused_, TColorCalcType::lighten);
  colorDown_ = CalcAdvancedColor(Color(), colorDown_, advColorDown_, TColorCalcType::darken);
  colorBorder_ = CalcAdvancedColor(Color(), colorBorder_, advColorBorder_, TColorCalcType::darken);
}

void TFlatButton::SetGroupIndex(int value) {
  if (value == groupIndex_) return;
  groupIndex_ = value;
  SendGroupNotification();
}

void TFlatButton::SetDown(bool value) {
  if (groupIndex_ == 0) value = false;
  if (value == down_) return;
  // The down button of a group without AllowAllUp stays down until another one goes down.
  if (down_ && !allowAllUp_) return;
  down_ = value;
  if (value) {
    if (state_ == TButtonState::bsUp) Invalidate();
    state_ = TButtonState::bsExclusive;
    SendGroupNotification();
  } else {
    state_ = TButtonState::bsUp;
    Repaint();
  }
}

void TFlatButton::SendGroupNotification() {
  if (groupIndex_ == 0 || !Parent()) return;
  TWinControl* parent = Parent();
  for (int i = 0; i < parent->ControlCount(); ++i)
    if (auto* other = dynamic_cast<TFlatButton*>(parent->Controls(i)); other && other != this)
      other->ReceiveGroupNotification(*this);
}

void TFlatButton::ReceiveGroupNotification(const TFlatButton& sender) {
  if (sender.groupIndex_ != groupIndex_) return;
  if (sender.down_ && down_) {
    down_ = false;
    state_ = TButtonState::bsUp;
    Invalidate();
  }
  allowAllUp_ = sender.allowAllUp_;
}

void TFlatButton::SetGlyph(const TBitmap& value) {
  if (&value == &glyph_) return;
  glyph_.Assign(value);
  const int w = glyph_.Width();
  const int h = glyph_.Height();
  if (!glyph_.Empty() && h > 0 && w % h == 0) {
    const int cells = w / h;
    numGlyphs_ = cells > 4 ? 1 : cells;
  }
  Invalidate();
}

void TFlatButton::SetLayout(TButtonLayout value) {
  if (value == layout_) return;
  layout_ = value;
  Invalidate();
}

void TFlatButton::SetMargin(int value) {
  if (value == margin_ || value < -1) return;
  margin_ = value;
  Invalidate();
}

void TFlatButton::SetNumGlyphs(int value) {
  CheckRange("NumGlyphs", value, 1, 4);
  if (value == numGlyphs_) return;
  numGlyphs_ = value;
  Invalidate();
}

void TFlatButton::SetSpacing(int value) {
  if (value == spacing_) return;
  spacing_ = value;
  Invalidate();
}

// --- Input

bool TFlatButton::Inside(int x, int y) const {
  // The row just below the client area still counts, as it always has for these buttons.
  return x >= 0 && x < ClientWidth() && y >= 0 && y <= ClientHeight();
}

void TFlatButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft || !Enabled()) return;
  if (!down_) {
    state_ = TButtonState::bsPressed;
    Invalidate();
  }
  dragging_ = true;
  if (CanFocus()) SetFocus();
  // Only a latched button reports double clicks; for the others the second press is a press.
  if ((shift & ssDouble) && down_) DblClick();
}

void TFlatButton::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  TrackMouseAt(ClientToScreen(Point(x, y)));
  if (!dragging_) return;
  TButtonState next = TButtonState::bsUp;
  if (down_)
    next = TButtonState::bsExclusive;
  else if (Inside(x, y))
    next = TButtonState::bsPressed;
  if (next == state_) return;
  state_ = next;
  Invalidate();
}

void TFlatButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseUp(button, shift, x, y);
  if (!dragging_) return;
  dragging_ = false;
  const bool inside = Inside(x, y);
  const TPoint screenPos = ClientToScreen(Point(x, y));
  if (groupIndex_ == 0) {
    state_ = TButtonState::bsUp;
    mouseIn_ = false;
    if (inside) Invalidate();
  } else if (inside) {
    SetDown(!down_);
    if (down_) Repaint();
  } else {
    if (down_) state_ = TButtonState::bsExclusive;
    Repaint();
  }
  // The click handler may free the button (a window closing for good).
  const TComponentRef<TFlatButton> self(this);
  if (inside)
    Click();
  else
    MouseLeaveLook();
  if (!self.Alive()) return;
  UpdateTracking(screenPos);
}

void TFlatButton::Click() {
  if (Parent())
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(modalResult_);
  TCustomControl::Click();
}

bool TFlatButton::DialogChar(char32_t key, TShiftState shift) {
  if (Enabled() && IsAccel(key, Caption())) {
    Click();
    return true;
  }
  return TCustomControl::DialogChar(key, shift);
}

void TFlatButton::EnabledChanged() {
  TCustomControl::EnabledChanged();
  if (!Enabled()) {
    mouseIn_ = false;
    state_ = TButtonState::bsDisabled;
    g_hover.Untrack(this);
  }
  UpdateTracking(Screen->CursorPos());
  Invalidate();
}

void TFlatButton::ParentColorChanged() {
  TCustomControl::ParentColorChanged();
  if (useAdvColors_) {
    SetParentColor(true);
    DeriveAdvancedColors();
  }
  Invalidate();
}

void TFlatButton::Loaded() {
  TCustomControl::Loaded();
  Invalidate();
}

// --- Hover tracking

void TFlatButton::TrackMouseAt(TPoint screenPos) {
  if (TrackedFlatButton() == this || ControlAtScreen(screenPos) != this) return;
  if (TFlatButton* previous = TrackedFlatButton()) previous->MouseLeaveLook();
  if (!Application->HasActiveWindow()) return;
  g_hover.Track(this, [this] { TimerTick(); });
  MouseEnterLook();
}

void TFlatButton::MouseEnterLook() {
  if (!Enabled() || mouseIn_) return;
  mouseIn_ = true;
  Repaint();
}

void TFlatButton::MouseLeaveLook() {
  // While the mouse button is held the hover look stays until the release.
  if (!Enabled() || !mouseIn_ || dragging_) return;
  mouseIn_ = false;
  g_hover.Untrack(this);
  Invalidate();
}

void TFlatButton::UpdateTracking(TPoint screenPos) {
  if (!Enabled()) return;
  const bool over = ControlAtScreen(screenPos) == this;
  // Set the flag against the outcome so that entering or leaving repaints either way.
  mouseIn_ = !over;
  if (over)
    MouseEnterLook();
  else
    MouseLeaveLook();
}

void TFlatButton::TimerTick() {
  if (ControlAtScreen(Screen->CursorPos()) != this) MouseLeaveLook();
}

// --- Painting

void TFlatButton::Paint() {
  const int w = ClientWidth();
  const int h = ClientHeight();
  if (w <= 0 || h <= 0) return;
  TBitmap face(w, h);
  TCanvas& canvas = face.Canvas();
  canvas.SetFont(Font());
  TButtonLayoutInput layout;
  layout.Client = {w, h};
  layout.Shift = state_ == TButtonState::bsPressed || state_ == TButtonState::bsExclusive;
  layout.TextRect = MeasureButtonCaption(canvas, Caption(), w);
  layout.Layout = layout_;
  layout.Margin = margin_;
  layout.Spacing = spacing_;
  if (!glyph_.Empty()) layout.Glyph = {glyph_.Width() / numGlyphs_, glyph_.Height()};
  const TButtonPlacement placement = CalcButtonLayout(layout);
  glyphPos_ = placement.GlyphPos;
  textBounds_ = placement.TextBounds;
  NormaliseState();
  DrawFrame(canvas, w, h);
  canvas.Brush().SetColor(FaceColor());
  canvas.FillRect(Rect(1, 1, w - 1, h - 1));
  if (!glyph_.Empty()) DrawGlyph(canvas, glyphPos_);
  DrawCaption(canvas, textBounds_);
  Canvas().CopyRect(Rect(0, 0, w, h), canvas, Rect(0, 0, w, h));
}

void TFlatButton::NormaliseState() {
  if (!Enabled()) {
    state_ = TButtonState::bsDisabled;
    dragging_ = false;
  } else if (state_ == TButtonState::bsDisabled) {
    state_ = down_ && groupIndex_ != 0 ? TButtonState::bsExclusive : TButtonState::bsUp;
  }
}

void TFlatButton::DrawFrame(TCanvas& canvas, int w, int h) const {
  TColor top = colorBorder_;
  TColor bottom = colorBorder_;
  if (state_ == TButtonState::bsPressed || state_ == TButtonState::bsExclusive) {
    top = colorShadow_;
    bottom = colorHighLight_;
  } else if (state_ == TButtonState::bsUp && mouseIn_) {
    top = colorHighLight_;
    bottom = colorShadow_;
  }
  canvas.Brush().SetColor(top);
  canvas.FillRect(Rect(0, 0, w - 1, 1));
  canvas.FillRect(Rect(0, 1, 1, h - 1));
  canvas.Brush().SetColor(bottom);
  canvas.FillRect(Rect(w - 1, 0, w, h));
  canvas.FillRect(Rect(0, h - 1, w, h));
}

TColor TFlatButton::FaceColor() const {
  switch (state_) {
    case TButtonState::bsUp:
      return mouseIn_ ? colorFocused_ : Color();
    case TButtonState::bsDisabled:
      return Color();
    case TButtonState::bsPressed:
      return colorDown_;
    case TButtonState::bsExclusive:
      return mouseIn_ ? colorFocused_ : colorDown_;
  }
  return Color();
}

TRect TFlatButton::GlyphCellSource() const {
  const int width = glyph_.Width();
  const int h = glyph_.Height();
  const int w = width / numGlyphs_;
  auto cell = [&](int n) { return Rect((n - 1) * w, 0, n * w, h); };
  auto from = [&](int k) { return Rect(k * w, 0, width, h); };
  const bool pressedLook = state_ == TButtonState::bsPressed || state_ == TButtonState::bsExclusive;
  switch (numGlyphs_) {
    case 2:
      return state_ == TButtonState::bsDisabled ? from(1) : cell(1);
    case 3:
      if (state_ == TButtonState::bsDisabled) return cell(2);
      return pressedLook ? from(2) : cell(1);
    case 4:
      if (state_ == TButtonState::bsDisabled) return cell(2);
      if (state_ == TButtonState::bsPressed) return cell(3);
      return state_ == TButtonState::bsExclusive ? from(3) : cell(1);
    default:
      return Rect(0, 0, width, h);
  }
}

void TFlatButton::DrawGlyph(TCanvas& canvas, TPoint at) {
  const int w = glyph_.Width() / numGlyphs_;
  const int h = glyph_.Height();
  if (w <= 0 || h <= 0) return;
  TColor transparent = glyph_.Canvas().Pixels(0, h - 1);
  TBitmap cell(w, h);
  cell.Canvas().CopyRect(Rect(0, 0, w, h), glyph_.Canvas(), GlyphCellSource());
  if (numGlyphs_ == 1 && state_ == TButtonState::bsDisabled) {
    TBitmap disabled;
    CreateDisabledBitmap(cell, disabled);
    cell.Assign(disabled);
    transparent = cell.Canvas().Pixels(0, h - 1);
  }
  canvas.StretchCopy(Rect(at.X, at.Y, at.X + w, at.Y + h), cell, Rect(0, 0, w, h), transparent);
}

void TFlatButton::DrawCaption(TCanvas& canvas, const TRect& textBounds) const {
  if (Caption().empty()) return;
  const unsigned flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  if (state_ == TButtonState::bsDisabled) {
    canvas.Brush().SetStyle(bsClear);
    DrawEngravedText(canvas, textBounds, Caption(), flags);
    return;
  }
  canvas.Brush().SetStyle(bsClear);
  canvas.Font().SetColor(Font().Color());
  TRect r = textBounds;
  canvas.DrawText(Caption(), r, flags);
}
