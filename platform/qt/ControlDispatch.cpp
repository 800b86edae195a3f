#include "platform/qt/ControlDispatch.h"

#include <QCursor>
#include <QTimer>
#include <unordered_set>

#include "platform/framework/Application.h"
#include "platform/qt/ControlHost.h"
#include "platform/framework/Form.h"

namespace {

// Never freed: controls may still be freed while the process ends.
std::unordered_set<const TControl*>& LiveControls() {
  static auto* live = new std::unordered_set<const TControl*>();
  return *live;
}

// The classic cursor numbers as Qt shapes; crDefault lets the widget inherit its parent's.
bool QtCursorShape(TCursor cursor, Qt::CursorShape& shape) {
  switch (cursor) {
    case crNone:
      shape = Qt::BlankCursor;
      return true;
    case crArrow:
      shape = Qt::ArrowCursor;
      return true;
    case crCross:
      shape = Qt::CrossCursor;
      return true;
    case crIBeam:
      shape = Qt::IBeamCursor;
      return true;
    case crSizeNESW:
      shape = Qt::SizeBDiagCursor;
      return true;
    case crSizeNS:
      shape = Qt::SizeVerCursor;
      return true;
    case crSizeNWSE:
      shape = Qt::SizeFDiagCursor;
      return true;
    case crSizeWE:
      shape = Qt::SizeHorCursor;
      return true;
    case crUpArrow:
      shape = Qt::UpArrowCursor;
      return true;
    case crHourGlass:
    case crSQLWait:
      shape = Qt::WaitCursor;
      return true;
    case crDrag:
      shape = Qt::DragMoveCursor;
      return true;
    case crNoDrop:
    case crNo:
      shape = Qt::ForbiddenCursor;
      return true;
    case crHSplit:
      shape = Qt::SplitHCursor;
      return true;
    case crVSplit:
      shape = Qt::SplitVCursor;
      return true;
    case crMultiDrag:
      shape = Qt::DragCopyCursor;
      return true;
    case crAppStart:
      shape = Qt::BusyCursor;
      return true;
    case crHelp:
      shape = Qt::WhatsThisCursor;
      return true;
    case crHandPoint:
      shape = Qt::PointingHandCursor;
      return true;
    case crSizeAll:
      shape = Qt::SizeAllCursor;
      return true;
    default:
      return false;
  }
}

}  // namespace

void ControlDispatch::Born(TControl* control) {
  LiveControls().insert(control);
}

void ControlDispatch::Died(TControl* control) {
  LiveControls().erase(control);
}

bool ControlDispatch::Alive(const TControl* control) {
  return control && LiveControls().count(control) != 0;
}

void SetWidgetCursor(QWidget* widget, TCursor cursor) {
  if (!widget) return;
  Qt::CursorShape shape;
  if (QtCursorShape(cursor, shape))
    widget->setCursor(QCursor(shape));
  else
    widget->unsetCursor();
}

void ControlDispatch::ApplyCursor(TWinControl* control, TCursor cursor) {
  ControlHost* widget = HostWidget(control);
  if (!widget) return;
  Qt::CursorShape shape;
  if (QtCursorShape(cursor, shape))
    widget->setCursor(QCursor(shape));
  else
    widget->unsetCursor();
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
  if (!Alive(control)) return;
  HostDispatchScope scope;
  GuardedCall([&] { control->WMTimer(id); }, control);
}

void ControlDispatch::FocusIn(TWinControl* control, bool byWindowActivation) {
  TCustomForm* form = GetParentForm(control);
  if (form && form != control) form->activeControl_ = control;
  if (!byWindowActivation) GuardedCall([control] { control->DoEnter(); }, control);
  if (form && Alive(form) && Alive(control))
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
