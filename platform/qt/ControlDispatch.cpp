#include "platform/qt/ControlDispatch.h"

#include <QCursor>
#include <QTimer>

#include "platform/framework/Application.h"
#include "platform/framework/Form.h"
#include "platform/qt/ControlHost.h"
#include "platform/qt/QtBridge.h"

void SetWidgetCursor(QWidget* widget, TCursor cursor) {
  if (!widget) return;
  Qt::CursorShape shape;
  if (QtCursorShape(cursor, shape))
    widget->setCursor(QCursor(shape));
  else
    widget->unsetCursor();
}

void ControlDispatch::ApplyCursor(TWinControl* control, TCursor cursor) {
  SetWidgetCursor(HostWidget(control), cursor);
}

void ControlDispatch::SetCapture(TControl* control, bool value) {
  Application->SetCaptureControl(value ? control : nullptr);
  auto* win = dynamic_cast<TWinControl*>(control);
  ControlHost* widget = win ? HostWidget(win) : HostWidget(control->Parent());
  if (!widget) return;
  if (value && widget->isVisible())
    widget->grabMouse();
  else if (!value && QWidget::mouseGrabber() == widget)
    widget->releaseMouse();
}

void ControlDispatch::PaintSurface(TWinControl* control, TBitmap& surface) {
  control->PaintSurface(surface);
}

void ControlDispatch::TimerTick(TWinControl* control, int id) {
  HostDispatchScope scope;
  GuardedCall([&] { control->WMTimer(id); }, control);
}

void ControlDispatch::FocusIn(TWinControl* control, bool byWindowActivation) {
  TCustomForm* form = GetParentForm(control);
  if (form && form != control) form->activeControl_ = control;
  const TComponentRef<TCustomForm> formRef(form);
  const TComponentRef<TWinControl> controlRef(control);
  if (!byWindowActivation) GuardedCall([control] { control->DoEnter(); }, control);
  if (formRef.Alive() && controlRef.Alive())
    GuardedCall([&] { form->FocusChanged(control); }, form);
}

void ControlDispatch::FocusOut(TWinControl* control, bool byWindowActivation) {
  if (!byWindowActivation) GuardedCall([control] { control->DoExit(); }, control);
}

void ControlDispatch::ForgetFocus(TCustomForm* form, TControl* control) {
  if (!form->activeControl_) return;
  auto* win = dynamic_cast<TWinControl*>(control);
  if (form->activeControl_ == control || (win && win->ContainsControl(form->activeControl_)))
    form->activeControl_ = nullptr;
}

void ControlDispatch::FocusWindow(TCustomForm* form) {
  ControlHost* widget = HostWidget(form);
  if (!widget || !widget->isVisible()) return;
  RaiseWindow(widget);
  widget->activateWindow();
  TWinControl* active = form->activeControl_;
  if (active && active->CanFocus())
    HostWidget(active)->setFocus(Qt::OtherFocusReason);
  else
    widget->setFocus(Qt::OtherFocusReason);
}
