// Internal to the platform layer: what the native widgets, forms and the application need to
// reach inside controls (protected state, focus bookkeeping, the set of live controls).
#pragma once

#include "platform/framework/Control.h"

class QWidget;
class TBitmap;
class TCustomForm;

// Shows cursor over widget (any platform widget, such as a menu window); crDefault inherits.
void SetWidgetCursor(QWidget* widget, TCursor cursor);

struct ControlDispatch {
  static void ApplyCursor(TWinControl* control, TCursor cursor);
  static void SetCapture(TControl* control, bool value);
  static void PaintSurface(TWinControl* control, TBitmap& surface);
  static void TimerTick(TWinControl* control, int id);

  // The focused control of form's window became control (nullptr: the form itself).
  static void FocusIn(TWinControl* control, bool byWindowActivation);
  static void FocusOut(TWinControl* control, bool byWindowActivation);
  // control leaves form (removed or freed): it can no longer be the active control.
  static void ForgetFocus(TCustomForm* form, TControl* control);
  // Makes form's window active (when it is shown) and puts the focus on its active control.
  static void FocusWindow(TCustomForm* form);

  // Window-system events of top-level windows.
  static void TopLevelGeometryChanged(TWinControl* control, int left, int top, int width,
                                      int height);
  static void CloseRequested(TCustomForm* form);
  static void WindowStateChanged(TCustomForm* form);
  static void ActivationChanged(TCustomForm* form, bool active);
  // While a form follows the mouse itself (no window-system move): moves it; true when a
  // drag was going on and the event belongs to it.
  static bool TrackManualDrag(TPoint globalPos, bool released);
};
