// The rounded control family's common ground: the abstract base control with its fade
// animation and hooks, the colour sets, the style manager and the raster routines the
// controls paint with.
//
// Fade animation: a control keeps two levels in percent, hover (FOverLevel) and pressed
// (FClickLevel), and two flags (pointer inside, left button held). Window timer 1 runs the
// current fade handler, FadeInStep or FadeOutStep, until the target look is reached; the
// concrete controls pick the handler and start the timer on mouse and state changes.
#pragma once

#include <string>

#include "controls/RbBlend.h"
#include "controls/RbColors.h"
#include "controls/RbDownsample.h"
#include "controls/RbGlyph.h"
#include "controls/RbGradient.h"
#include "controls/RbStyleManager.h"
#include "controls/RbText.h"
#include "controls/RbTypes.h"
#include "platform/framework/Control.h"

class TRbCustomControl : public TCustomControl {
 public:
  // The window timer that drives the fades.
  static constexpr int FadeTimerId = 1;

  explicit TRbCustomControl(TComponent* owner = nullptr);
  ~TRbCustomControl() override;
  std::string ClassName() const override { return "TRbCustomControl"; }

  bool TextShadow() const { return FTextShadow; }
  void SetTextShadow(bool value);
  bool ShowCaption() const { return FShowCaption; }
  void SetShowCaption(bool value);
  TRbStyleManager* RbStyleManager() const { return FRbStyleManager; }
  void SetRbStyleManager(TRbStyleManager* value);
  // Names the control set and its version; read-only (assignments are ignored).
  const std::string& About() const { return FAbout; }
  void SetAbout(const std::string&) {}

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

  // Rebuilds the cached looks from the current properties.
  virtual void UpdateGraphics() = 0;

  // The fade state, for whoever needs to know how far a fade has come.
  int OverLevel() const { return FOverLevel; }
  int ClickLevel() const { return FClickLevel; }
  bool MouseInside() const { return FMouseInside; }
  bool MousePressed() const { return FMousePressed; }
  bool FadeTimerRunning() const { return TimerActive(FadeTimerId); }
  // The interval the fade timer was last started with (0 before the first start).
  int FadeTimerInterval() const { return FFadeTimerInterval; }

  // Platform notifications, each passed to the family's hook first (or after, for the mouse
  // buttons, so that OnMouseDown / OnMouseUp fire before the control reacts).
  void EnabledChanged() override;
  void FocusChanged(TWinControl* focused) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void ParentColorChanged() override;
  void Resize() override;
  void TextChanged() override;
  // Every timer tick runs the fade handler; a failing handler must not stop the tick.
  void WMTimer(int id) override;

 protected:
  friend class TRbStyleManager;
  using TFadeHandler = void (TRbCustomControl::*)();

  virtual void DoEnabledChanged();
  virtual void DoFocusChanged() {}
  virtual void DoLeftMouseDown();
  virtual void DoLeftMouseUp() {}
  virtual void DoMouseEnter();
  virtual void DoMouseLeave();
  virtual void DoMouseMove() {}
  virtual void DoParentColorChanged() {}
  virtual void DoResize() {}
  virtual void DoTextChanged();
  virtual void FadeOutStep();
  virtual void FadeInStep();

  void Notification(TComponent* component, TOperation operation) override;

  // Makes the window's region the rounded rectangle from rect's top-left to its bottom-right
  // plus one, with the given corner ellipse.
  void SetRoundRegion(const TRect& rect, int ellipseWidth, int ellipseHeight);
  // (Re)starts timer 1 with the interval of FFadeSpeed.
  void StartFadeTimer();
  void StopFadeTimer();

  int FOverLevel = 0;
  int FClickLevel = 0;
  bool FMouseInside = false;
  bool FMousePressed = false;
  TFadeSpeed FFadeSpeed = TFadeSpeed::fsMedium;
  TFadeHandler FFadeHandler = nullptr;

 private:
  // The manager is going away before this control.
  void ForgetStyleManager(TRbStyleManager* manager);

  bool FTextShadow = true;
  bool FShowCaption = true;
  TRbStyleManager* FRbStyleManager = nullptr;
  std::string FAbout;
  int FFadeTimerInterval = 0;
};
