#include "controls/RbDrawCore.h"

#include "platform/graphics/Region.h"

namespace {

const char* const kAboutText = "Rounded controls (Rb) v 1.00";

}  // namespace

TRbCustomControl::TRbCustomControl(TComponent* owner) : TCustomControl(owner), FAbout(kAboutText) {
  SetControlStyle((ControlStyle() & ~csDoubleClicks) | csOpaque | csReplicatable);
  SetTabStop(true);
}

TRbCustomControl::~TRbCustomControl() {
  if (FRbStyleManager) FRbStyleManager->UnregisterControl(this);
}

void TRbCustomControl::SetTextShadow(bool value) {
  if (value == FTextShadow) return;
  FTextShadow = value;
  Invalidate();
}

void TRbCustomControl::SetShowCaption(bool value) {
  if (value == FShowCaption) return;
  FShowCaption = value;
  Invalidate();
}

void TRbCustomControl::SetRbStyleManager(TRbStyleManager* value) {
  if (value == FRbStyleManager) return;
  // Moving straight to another manager leaves the old one too: it must not keep a control
  // that no longer names it.
  if (FRbStyleManager) {
    FRbStyleManager->UnregisterControl(this);
    FRbStyleManager->RemoveFreeNotification(this);
  }
  if (value) {
    value->RegisterControl(this);
    // A manager of another owner tells this control when it goes.
    value->FreeNotification(this);
  }
  FRbStyleManager = value;
}

void TRbCustomControl::ForgetStyleManager(TRbStyleManager* manager) {
  if (FRbStyleManager == manager) FRbStyleManager = nullptr;
}

void TRbCustomControl::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove && component != nullptr &&
      component == static_cast<TComponent*>(FRbStyleManager))
    FRbStyleManager = nullptr;
  TCustomControl::Notification(component, operation);
}

// --- Platform notifications

void TRbCustomControl::EnabledChanged() {
  DoEnabledChanged();
  TCustomControl::EnabledChanged();
}

void TRbCustomControl::FocusChanged(TWinControl* focused) {
  DoFocusChanged();
  TCustomControl::FocusChanged(focused);
}

void TRbCustomControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button == mbLeft) DoLeftMouseDown();
}

void TRbCustomControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseUp(button, shift, x, y);
  if (button == mbLeft) DoLeftMouseUp();
}

void TRbCustomControl::MouseEnter() {
  DoMouseEnter();
  TCustomControl::MouseEnter();
}

void TRbCustomControl::MouseLeave() {
  DoMouseLeave();
  TCustomControl::MouseLeave();
}

void TRbCustomControl::MouseMove(TShiftState shift, int x, int y) {
  DoMouseMove();
  TCustomControl::MouseMove(shift, x, y);
}

void TRbCustomControl::ParentColorChanged() {
  DoParentColorChanged();
  TCustomControl::ParentColorChanged();
}

void TRbCustomControl::Resize() {
  DoResize();
  TCustomControl::Resize();
}

void TRbCustomControl::TextChanged() {
  DoTextChanged();
  TCustomControl::TextChanged();
}

void TRbCustomControl::WMTimer(int id) {
  if (FFadeHandler) {
    try {
      (this->*FFadeHandler)();
    } catch (...) {
      // A fade tick that fails only leaves the look where it was; the next tick tries again.
    }
  }
  TCustomControl::WMTimer(id);
}

// --- Default hooks

void TRbCustomControl::DoEnabledChanged() {
  Invalidate();
}

void TRbCustomControl::DoLeftMouseDown() {
  if (!Focused() && CanFocus()) SetFocus();
}

void TRbCustomControl::DoMouseEnter() {
  if (OnMouseEnter) OnMouseEnter(this);
}

void TRbCustomControl::DoMouseLeave() {
  if (OnMouseLeave) OnMouseLeave(this);
}

void TRbCustomControl::DoTextChanged() {
  Invalidate();
}

// --- Fades

void TRbCustomControl::FadeInStep() {
  if (FMousePressed && FMouseInside) {
    if (FClickLevel >= 100) {
      FClickLevel = 100;
      Repaint();
      StopFadeTimer();
      return;
    }
    FClickLevel += 25;
    Repaint();
    return;
  }
  if (FClickLevel > 0) FClickLevel -= 25;
  if (FOverLevel >= 100)
    FOverLevel = 100;
  else
    FOverLevel += 10;
  Repaint();
  if (FClickLevel <= 0 && FOverLevel >= 100) StopFadeTimer();
}

void TRbCustomControl::FadeOutStep() {
  if (FClickLevel > 0) FClickLevel -= 25;
  if (FOverLevel > 0 || FClickLevel > 0) {
    FOverLevel -= 10;
  } else {
    FOverLevel = 0;
    FClickLevel = 0;
    StopFadeTimer();
  }
  Repaint();
}

void TRbCustomControl::StartFadeTimer() {
  KillTimer(FadeTimerId);
  FFadeTimerInterval = FadeInterval(FFadeSpeed);
  SetTimer(FadeTimerId, FFadeTimerInterval);
}

void TRbCustomControl::StopFadeTimer() {
  KillTimer(FadeTimerId);
}

void TRbCustomControl::SetRoundRegion(const TRect& rect, int ellipseWidth, int ellipseHeight) {
  SetWindowRgn(CreateRoundRectRgn(rect.Left, rect.Top, rect.Right + 1, rect.Bottom + 1,
                                  ellipseWidth, ellipseHeight),
               true);
}
