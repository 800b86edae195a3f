#include <algorithm>
#include <cstdlib>

#include "platform/graphics/Canvas.h"
#include "platform/controls/UpDown.h"
#include "platform/controls/StatusBar.h"
#include "platform/graphics/FrameControl.h"
#include "platform/controls/Label.h"
#include "platform/controls/Edit.h"

namespace {
constexpr int kRepeatTimer = 1;
constexpr int kRepeatDelayMs = 400;
constexpr int kRepeatIntervalMs = 100;

// The number at the start of text (after blanks), as a spinner reads its buddy.
bool ParseNumber(const std::string& text, int& value) {
  const char* begin = text.c_str();
  char* end = nullptr;
  const long number = std::strtol(begin, &end, 10);
  if (end == begin) return false;
  while (*end == ' ') ++end;
  if (*end != '\0') return false;
  value = static_cast<int>(std::clamp<long>(number, -2147483647L - 1, 2147483647L));
  return true;
}
}  // namespace

TUpDown::TUpDown(TComponent* owner) : TCustomControl(owner) {
  // The spinner's own OnClick names the arrow; plain clicks on the control mean nothing.
  SetControlStyle((ControlStyle() | csOpaque) & ~(csDoubleClicks | csClickEvents));
  SetBounds(0, 0, 17, 25);
}

TUpDown::~TUpDown() {
  HookBuddy(false);
}

int TUpDown::Clamped(int value) const {
  return std::clamp(value, Lowest(), Highest());
}

void TUpDown::SetMin(int value) {
  if (value == min_) return;
  min_ = value;
  if (!Loading()) SetPosition(position_);
}

void TUpDown::SetMax(int value) {
  if (value == max_) return;
  max_ = value;
  if (!Loading()) SetPosition(position_);
}

int TUpDown::Position() const {
  int typed = 0;
  if (associate_ && ParseNumber(associate_->Text(), typed)) return Clamped(typed);
  return position_;
}

void TUpDown::SetPosition(int value) {
  // While a layout is read the range may not be complete yet; Loaded clamps.
  position_ = Loading() ? value : Clamped(value);
  if (!Loading()) UpdateBuddy();
}

void TUpDown::SetArrowKeys(bool value) {
  arrowKeys_ = value;
  HookBuddy(true);
}

void TUpDown::SetOrientation(TUDOrientation value) {
  if (value == orientation_) return;
  orientation_ = value;
  Invalidate();
}

void TUpDown::SetAssociate(TWinControl* control) {
  if (control == associate_) return;
  if (control == this) control = nullptr;
  HookBuddy(false);
  associate_ = control;
  if (Loading()) return;
  HookBuddy(true);
  AlignToBuddy();
  UpdateBuddy();
}

void TUpDown::AlignToBuddy() {
  if (!associate_ || associate_->Parent() != Parent()) return;
  TWinControl& buddy = *associate_;
  const int w = Width();
  const int buddyWidth = std::max(0, buddy.Width() - w);
  if (alignButton_ == udRight) {
    buddy.SetWidth(buddyWidth);
    SetBounds(buddy.Left() + buddyWidth, buddy.Top(), w, buddy.Height());
  } else {
    SetBounds(buddy.Left(), buddy.Top(), w, buddy.Height());
    buddy.SetBounds(buddy.Left() + w, buddy.Top(), buddyWidth, buddy.Height());
  }
}

void TUpDown::HookBuddy(bool hook) {
  auto* edit = dynamic_cast<TEdit*>(associate_);
  if (!edit) return;
  if (!hook || !arrowKeys_) {
    edit->BuddyKeyHandler = nullptr;
    return;
  }
  edit->BuddyKeyHandler = [this](TKey& key) {
    if (key != VK_UP && key != VK_DOWN) return;
    Step(key == VK_UP ? btNext : btPrev);
    key = 0;
  };
}

void TUpDown::UpdateBuddy() {
  if (associate_) associate_->SetText(std::to_string(position_));
}

void TUpDown::Step(TUDBtnType button) {
  const int current = Position();
  const long delta = button == btNext ? increment_ : -static_cast<long>(increment_);
  long next = current + delta;
  if (next > Highest()) next = wrap_ ? Lowest() : Highest();
  if (next < Lowest()) next = wrap_ ? Highest() : Lowest();
  bool allow = true;
  if (OnChanging) OnChanging(this, allow);
  if (!allow) return;
  position_ = static_cast<int>(next);
  UpdateBuddy();
  if (OnClick) OnClick(this, button);
}

TRect TUpDown::ButtonRect(TUDBtnType button) const {
  const int w = Width();
  const int h = Height();
  if (orientation_ == udVertical)
    return button == btNext ? Rect(0, 0, w, h / 2) : Rect(0, h / 2, w, h);
  return button == btNext ? Rect(w / 2, 0, w, h) : Rect(0, 0, w / 2, h);
}

bool TUpDown::HitButton(TUDBtnType button, int x, int y) const {
  return ButtonRect(button).Contains(Point(x, y));
}

void TUpDown::Paint() {
  TCanvas& canvas = Canvas();
  const bool vertical = orientation_ == udVertical;
  for (TUDBtnType button : {btNext, btPrev}) {
    const TArrowDirection direction =
        vertical ? (button == btNext ? adUp : adDown) : (button == btNext ? adRight : adLeft);
    const bool pushed = pressed_ && pressedOver_ && pressedButton_ == button;
    DrawArrowButton(canvas, ButtonRect(button), direction, pushed, Enabled());
  }
}

void TUpDown::Loaded() {
  TCustomControl::Loaded();
  position_ = Clamped(position_);
  HookBuddy(true);
  UpdateBuddy();
}

void TUpDown::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation == opRemove && component == associate_) associate_ = nullptr;
}

void TUpDown::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != mbLeft) return;
  for (TUDBtnType b : {btNext, btPrev}) {
    if (!HitButton(b, x, y)) continue;
    pressed_ = true;
    pressedOver_ = true;
    pressedButton_ = b;
    Invalidate();
    SetTimer(kRepeatTimer, kRepeatDelayMs);
    Step(b);
    return;
  }
}

void TUpDown::MouseMove(TShiftState shift, int x, int y) {
  TCustomControl::MouseMove(shift, x, y);
  if (!pressed_) return;
  const bool over = HitButton(pressedButton_, x, y);
  if (over == pressedOver_) return;
  pressedOver_ = over;
  Invalidate();
}

void TUpDown::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft && pressed_) {
    pressed_ = false;
    KillTimer(kRepeatTimer);
    Invalidate();
  }
  TCustomControl::MouseUp(button, shift, x, y);
}

void TUpDown::WMTimer(int id) {
  if (id != kRepeatTimer) return TCustomControl::WMTimer(id);
  if (!pressed_) {
    KillTimer(kRepeatTimer);
    return;
  }
  SetTimer(kRepeatTimer, kRepeatIntervalMs);
  if (pressedOver_) Step(pressedButton_);
}
