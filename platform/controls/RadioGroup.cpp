#include "platform/controls/RadioGroup.h"

#include <algorithm>

#include "platform/framework/Hotkey.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/FrameControl.h"

namespace {
// The caption starts this far from the group's left edge; buttons are indented the same way.
constexpr int kIndent = 8;
// Between the radio circle and its caption.
constexpr int kTextGap = 4;
}  // namespace

TRadioGroup::TRadioGroup(TComponent* owner) : TCustomControl(owner) {
  // OnClick means "the checked button changed", not every click on the group.
  SetControlStyle((ControlStyle() | csOpaque) & ~(csDoubleClicks | csClickEvents));
  SetTabStop(true);
  SetBounds(0, 0, 185, 105);
}

void TRadioGroup::SetItems(const std::vector<std::string>& items) {
  items_ = items;
  if (!Loading() && itemIndex_ >= static_cast<int>(items_.size())) SetItemIndex(itemIndex_);
  Invalidate();
}

void TRadioGroup::SetColumns(int value) {
  value = std::clamp(value, 1, 16);
  if (value == columns_) return;
  columns_ = value;
  Invalidate();
}

void TRadioGroup::SetItemIndex(int value) {
  if (Loading()) {
    // The items may come later in the layout; Loaded brings the value into range.
    itemIndex_ = value;
    return;
  }
  value = std::clamp(value, -1, static_cast<int>(items_.size()) - 1);
  if (value == itemIndex_) return;
  itemIndex_ = value;
  Invalidate();
  Click();
}

void TRadioGroup::Loaded() {
  TCustomControl::Loaded();
  itemIndex_ = std::clamp(itemIndex_, -1, static_cast<int>(items_.size()) - 1);
}

void TRadioGroup::FontChanged() {
  TCustomControl::FontChanged();
  Invalidate();
}

int TRadioGroup::FontCellHeight() const {
  TCanvas measure;
  measure.SetFont(Font());
  return measure.TextHeight("0");
}

TRect TRadioGroup::ButtonRect(int index) const {
  const int count = static_cast<int>(items_.size());
  if (index < 0 || index >= count) return {};
  // Buttons fill the columns top to bottom, sharing the height below the caption line; the
  // remainder of the division is split above and below them.
  const int perColumn = (count + columns_ - 1) / columns_;
  const int buttonWidth = (Width() - 10) / columns_;
  const int cell = FontCellHeight();
  const int space = Height() - cell - 5;
  const int buttonHeight = space / perColumn;
  const int topMargin = cell + 1 + (space % perColumn) / 2;
  const int left = (index / perColumn) * buttonWidth + kIndent;
  const int top = (index % perColumn) * buttonHeight + topMargin;
  return Bounds(left, top, buttonWidth, buttonHeight);
}

int TRadioGroup::ButtonAt(int x, int y) const {
  for (int i = 0; i < static_cast<int>(items_.size()); ++i)
    if (ButtonRect(i).Contains(Point(x, y))) return i;
  return -1;
}

void TRadioGroup::PaintFrame(TCanvas& canvas) {
  // An etched frame whose top line runs through the middle of the caption.
  const int h = canvas.TextHeight("0");
  TRect r = Rect(1, h / 2, Width(), Height());
  canvas.Brush().SetColor(clBtnHighlight);
  canvas.FrameRect(r);
  r = OffsetRect(r, -1, -1);
  canvas.Brush().SetColor(clBtnShadow);
  canvas.FrameRect(r);
  if (Caption().empty()) return;
  TRect text = Rect(kIndent, 0, 0, h);
  canvas.DrawText(Caption(), text, DT_SINGLELINE | DT_LEFT | DT_CALCRECT);
  canvas.Brush().SetColor(Color());
  if (Enabled()) {
    canvas.DrawText(Caption(), text, DT_SINGLELINE | DT_LEFT);
    return;
  }
  canvas.FillRect(text);
  canvas.Brush().SetStyle(bsClear);
  DrawEngravedText(canvas, text, Caption(), DT_SINGLELINE | DT_LEFT);
}

void TRadioGroup::PaintButton(TCanvas& canvas, int index) {
  const TRect r = ButtonRect(index);
  if (r.IsEmpty()) return;
  const bool pushed = pressed_ == index && pressedOver_;
  const int glyphTop = r.Top + (r.Height() - RadioGlyphSize) / 2;
  DrawRadioGlyph(canvas, r.Left, glyphTop, index == itemIndex_, Enabled(), pushed);
  TRect text = Rect(r.Left + RadioGlyphSize + kTextGap, r.Top, r.Right, r.Bottom);
  const unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_LEFT;
  canvas.Brush().SetStyle(bsClear);
  const std::string& caption = items_[static_cast<std::size_t>(index)];
  if (Enabled())
    canvas.DrawText(caption, text, flags);
  else
    DrawEngravedText(canvas, text, caption, flags);
  canvas.Brush().SetStyle(bsSolid);
  if (Focused() && index == std::max(itemIndex_, 0)) {
    // The focus rectangle hugs the caption, one pixel out.
    TRect calc = text;
    canvas.DrawText(caption, calc, flags | DT_CALCRECT);
    const int h = calc.Height();
    calc.Top = text.Top + (text.Height() - h) / 2;
    calc.Bottom = calc.Top + h;
    canvas.DrawFocusRect(InflateRect(calc, 1, 0));
  }
}

void TRadioGroup::Paint() {
  TCanvas& canvas = Canvas();
  canvas.Brush().SetColor(Color());
  canvas.FillRect(ClientRect());
  canvas.SetFont(Font());
  PaintFrame(canvas);
  for (int i = 0; i < static_cast<int>(items_.size()); ++i) PaintButton(canvas, i);
}

void TRadioGroup::Select(int index) {
  if (CanFocus() && !Focused()) SetFocus();
  SetItemIndex(index);
}

void TRadioGroup::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  pressed_ = ButtonAt(x, y);
  pressedOver_ = pressed_ >= 0;
  if (pressed_ >= 0) Invalidate();
}

void TRadioGroup::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  if (pressed_ < 0) return;
  const bool over = ButtonRect(pressed_).Contains(Point(x, y));
  if (over == pressedOver_) return;
  pressedOver_ = over;
  Invalidate();
}

void TRadioGroup::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft && pressed_ >= 0) {
    const int index = pressed_;
    const bool over = ButtonRect(index).Contains(Point(x, y));
    pressed_ = -1;
    pressedOver_ = false;
    Invalidate();
    if (over) Select(index);
  }
  TCustomControl::MouseUp(button, shift, x, y);
}

void TRadioGroup::KeyDown(TKey& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  const int count = static_cast<int>(items_.size());
  if (count == 0) return;
  if (key == VK_UP || key == VK_LEFT) {
    SetItemIndex(itemIndex_ <= 0 ? count - 1 : itemIndex_ - 1);
    key = 0;
  } else if (key == VK_DOWN || key == VK_RIGHT) {
    SetItemIndex(itemIndex_ + 1 >= count ? 0 : itemIndex_ + 1);
    key = 0;
  }
}

bool TRadioGroup::DialogChar(char32_t key, TShiftState) {
  if (!Enabled()) return false;
  for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
    if (!IsAccel(key, items_[static_cast<std::size_t>(i)])) continue;
    Select(i);
    return true;
  }
  return false;
}

void TRadioGroup::DoEnter() {
  Invalidate();
  TCustomControl::DoEnter();
}

void TRadioGroup::DoExit() {
  Invalidate();
  TCustomControl::DoExit();
}
