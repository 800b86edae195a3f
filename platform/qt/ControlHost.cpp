// The Qt widget behind a windowed control: every event the window system delivers is turned
// into the control's hooks here, in the classic order (dialog keys before KeyDown, Click before
// MouseUp, the enter/leave and hint bookkeeping after each mouse event), and every call into
// the program is guarded so that an exception reaches the application's error handler.
#include "platform/qt/ControlHost.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWindow>

#include "platform/framework/Application.h"
#include "platform/framework/Form.h"
#include "platform/qt/ControlDispatch.h"
#include "platform/qt/QtBridge.h"

namespace {

int g_dispatchDepth = 0;
using DispatchScope = HostDispatchScope;

TShiftState ShiftFromQt(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
  TShiftState shift = 0;
  if (modifiers & Qt::ShiftModifier) shift |= ssShift;
  if (modifiers & Qt::ControlModifier) shift |= ssCtrl;
  if (modifiers & Qt::AltModifier) shift |= ssAlt;
  if (buttons & Qt::LeftButton) shift |= ssLeft;
  if (buttons & Qt::RightButton) shift |= ssRight;
  if (buttons & Qt::MiddleButton) shift |= ssMiddle;
  return shift;
}

bool ButtonFromQt(Qt::MouseButton button, TMouseButton& result) {
  switch (button) {
    case Qt::LeftButton:
      result = mbLeft;
      return true;
    case Qt::RightButton:
      result = mbRight;
      return true;
    case Qt::MiddleButton:
      result = mbMiddle;
      return true;
    default:
      return false;
  }
}

TKey KeyFromQt(int key) {
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<TKey>('A' + (key - Qt::Key_A));
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<TKey>('0' + (key - Qt::Key_0));
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return static_cast<TKey>(VK_F1 + (key - Qt::Key_F1));
  switch (key) {
    case Qt::Key_Backspace:
      return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return VK_RETURN;
    case Qt::Key_Shift:
      return VK_SHIFT;
    case Qt::Key_Control:
      return VK_CONTROL;
    case Qt::Key_Alt:
      return VK_MENU;
    case Qt::Key_Pause:
      return VK_PAUSE;
    case Qt::Key_CapsLock:
      return VK_CAPITAL;
    case Qt::Key_Escape:
      return VK_ESCAPE;
    case Qt::Key_Space:
      return VK_SPACE;
    case Qt::Key_PageUp:
      return VK_PRIOR;
    case Qt::Key_PageDown:
      return VK_NEXT;
    case Qt::Key_End:
      return VK_END;
    case Qt::Key_Home:
      return VK_HOME;
    case Qt::Key_Left:
      return VK_LEFT;
    case Qt::Key_Up:
      return VK_UP;
    case Qt::Key_Right:
      return VK_RIGHT;
    case Qt::Key_Down:
      return VK_DOWN;
    case Qt::Key_Insert:
      return VK_INSERT;
    case Qt::Key_Delete:
      return VK_DELETE;
    case Qt::Key_Menu:
      return VK_APPS;
    default:
      return 0;
  }
}

// The dialog-code bit a key needs for the focused control to keep it.
unsigned DialogMaskForKey(TKey key) {
  switch (key) {
    case VK_TAB:
      return TWinControl::dcWantTab;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
      return TWinControl::dcWantArrows;
    case VK_RETURN:
    case VK_ESCAPE:
      return TWinControl::dcWantAllKeys;
    default:
      return 0;
  }
}

bool IsWindowActivationReason(Qt::FocusReason reason) {
  return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

TPoint ToPoint(const QPoint& p) {
  return {p.x(), p.y()};
}

}  // namespace

int HostDispatchDepth() {
  return g_dispatchDepth;
}

HostDispatchScope::HostDispatchScope() {
  ++g_dispatchDepth;
}

HostDispatchScope::~HostDispatchScope() {
  --g_dispatchDepth;
}

ControlHost* HostWidget(const TWinControl* control) {
  return control ? control->host().widget.data() : nullptr;
}

void RaiseWindow(QWidget* window) {
  static const bool headless = QGuiApplication::platformName() == QLatin1String("offscreen");
  if (!headless) window->raise();
}

TWinControl* ControlOfWidget(QWidget* widget) {
  for (QWidget* w = widget; w; w = w->parentWidget())
    if (auto* host = qobject_cast<ControlHost*>(w)) return host->Control();
  return nullptr;
}

ControlHost::ControlHost(TWinControl* control) : control_(control) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setMouseTracking(true);
  setFocusPolicy(Qt::NoFocus);
}

ControlHost::~ControlHost() = default;

void ControlHost::ForgetControl(TControl* control) {
  if (pressed_ == control) pressed_ = nullptr;
  if (clicked_ == control) clicked_ = nullptr;
  if (cursorControl_ == control) cursorControl_ = nullptr;
}

void ControlHost::ForwardInputFrom(QWidget* widget) {
  widget->installEventFilter(this);
  widget->setMouseTracking(true);
}

bool ControlHost::event(QEvent* event) {
  // Tab would otherwise move Qt's own focus chain before the control sees the key.
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
      keyPressEvent(key);
      return true;
    }
  }
  return QWidget::event(event);
}

void ControlHost::paintEvent(QPaintEvent*) {
  if (!control_) return;
  DispatchScope scope;
  TBitmap& surface = control_->host().surface;
  ControlDispatch::PaintSurface(control_, surface);
  QPainter painter(this);
  PaintBitmap(painter, surface);
}

TPoint ControlHost::LocalPoint(QMouseEvent* event, QWidget* source) const {
  const QPoint p = event->position().toPoint();
  if (source == this) return ToPoint(p);
  return ToPoint(mapFromGlobal(source->mapToGlobal(p)));
}

void ControlHost::mousePressEvent(QMouseEvent* event) {
  event->accept();
  HandleMousePress(event, false, this);
}

void ControlHost::mouseDoubleClickEvent(QMouseEvent* event) {
  event->accept();
  HandleMousePress(event, true, this);
}

void ControlHost::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  HandleMouseMove(event, this);
}

void ControlHost::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  HandleMouseRelease(event, this);
}

void ControlHost::HandleMousePress(QMouseEvent* event, bool doubleClick, QWidget* source) {
  TMouseButton button;
  if (!control_ || !ButtonFromQt(event->button(), button)) return;
  DispatchScope scope;
  Application->NoteMousePos(ToPoint(event->globalPosition().toPoint()));
  Application->CancelHint();
  const TPoint p = LocalPoint(event, source);
  TControl* target = control_->ControlAtPos(p, false);
  if (!target) target = control_;
  pressed_ = target;
  const TComponentRef<TControl> watch(target);
  const TControlStyle style = target->ControlStyle();
  if (style & csCaptureMouse) Application->SetCaptureControl(target);
  TShiftState shift = ShiftFromQt(event->modifiers(), event->buttons());
  const int x = target == control_ ? p.X : p.X - target->Left();
  const int y = target == control_ ? p.Y : p.Y - target->Top();
  // A control without csDoubleClicks sees the second press of a double click as a press.
  if (doubleClick && (style & csDoubleClicks)) {
    shift |= ssDouble;
    if (button == mbLeft && (style & csClickEvents))
      GuardedCall([target] { target->DblClick(); }, target);
  } else if (button == mbLeft && (style & csClickEvents)) {
    clicked_ = target;
  }
  if (!watch.Alive()) return;
  GuardedCall([&] { target->MouseDown(button, shift, x, y); }, target);
}

void ControlHost::HandleMouseMove(QMouseEvent* event, QWidget* source) {
  if (!control_) return;
  DispatchScope scope;
  const TPoint global = ToPoint(event->globalPosition().toPoint());
  if (ControlDispatch::TrackManualDrag(global, false)) return;
  // A handler asking where the cursor is must hear this move's position, as on a press.
  Application->NoteMousePos(global);
  const TPoint p = LocalPoint(event, source);
  TControl* target = nullptr;
  if (pressed_ && event->buttons() != Qt::NoButton && (pressed_->ControlStyle() & csCaptureMouse))
    target = pressed_;
  if (!target) target = control_->ControlAtPos(p, false);
  if (!target) target = control_;
  if (target != cursorControl_) {
    cursorControl_ = target;
    const TCursor cursor = target->Cursor() != crDefault ? target->Cursor() : control_->Cursor();
    ControlDispatch::ApplyCursor(control_, cursor);
  }
  const TShiftState shift = ShiftFromQt(event->modifiers(), event->buttons());
  const int x = target == control_ ? p.X : p.X - target->Left();
  const int y = target == control_ ? p.Y : p.Y - target->Top();
  GuardedCall([&] { target->MouseMove(shift, x, y); }, target);
  Application->MouseMoved(global);
}

void ControlHost::HandleMouseRelease(QMouseEvent* event, QWidget* source) {
  TMouseButton button;
  if (!control_ || !ButtonFromQt(event->button(), button)) return;
  DispatchScope scope;
  const TPoint global = ToPoint(event->globalPosition().toPoint());
  if (ControlDispatch::TrackManualDrag(global, true)) return;
  const TPoint p = LocalPoint(event, source);
  TControl* target = pressed_ ? pressed_ : control_;
  if (event->buttons() == Qt::NoButton) {
    pressed_ = nullptr;
    if (Application->CaptureControl() == target) Application->SetCaptureControl(nullptr);
  }
  const TShiftState shift = ShiftFromQt(event->modifiers(), event->buttons());
  const int x = target == control_ ? p.X : p.X - target->Left();
  const int y = target == control_ ? p.Y : p.Y - target->Top();
  const bool click = button == mbLeft && clicked_ == target;
  if (button == mbLeft) clicked_ = nullptr;
  const TComponentRef<TControl> watch(target);
  if (click && target->ClientRect().Contains(Point(x, y)))
    GuardedCall([target] { target->Click(); }, target);
  if (watch.Alive()) GuardedCall([&] { target->MouseUp(button, shift, x, y); }, target);
  if (button == mbRight && watch.Alive())
    GuardedCall([&] { target->ContextPopup(global); }, target);
  Application->MouseMoved(global);
}

void ControlHost::keyPressEvent(QKeyEvent* event) {
  event->accept();
  char32_t replacement = 0;
  HandleKeyPress(event, replacement);
}

void ControlHost::keyReleaseEvent(QKeyEvent* event) {
  event->accept();
  HandleKeyRelease(event);
}

ControlHost::KeyOutcome ControlHost::HandleKeyPress(QKeyEvent* event, char32_t& replacement) {
  if (!control_) return KeyOutcome::pass;
  DispatchScope scope;
  Application->CancelHint();
  TWinControl* control = control_;
  TCustomForm* form = GetParentForm(control);
  const TComponentRef<TWinControl> controlRef(control);
  const TComponentRef<TCustomForm> formRef(form);
  TShiftState shift = ShiftFromQt(event->modifiers(), Qt::NoButton);
  if (event->key() == Qt::Key_Backtab) shift |= ssShift;
  TKey key = KeyFromQt(event->key());
  bool swallowed = false;
  if (key) {
    // A dialog key the control does not use belongs to the window first.
    const unsigned mask = DialogMaskForKey(key);
    if (mask && form && !(control->DialogCodes() & mask)) {
      bool handled = false;
      GuardedCall([&] { handled = form->DialogKey(key, shift); }, form);
      if (handled) return KeyOutcome::swallow;
    }
    if (form && form != control && form->KeyPreview() && formRef.Alive())
      GuardedCall([&] { form->KeyDown(key, shift); }, form);
    if (key && controlRef.Alive()) GuardedCall([&] { control->KeyDown(key, shift); }, control);
    if (key == 0) swallowed = true;
  }
  const QString text = event->text();
  if (text.isEmpty() || !controlRef.Alive()) {
    return swallowed ? KeyOutcome::swallow : KeyOutcome::pass;
  }
  const char32_t typed = text.toUcs4().value(0);
  char32_t ch = typed;
  const bool alt =
      (event->modifiers() & Qt::AltModifier) && !(event->modifiers() & Qt::ControlModifier);
  // Accelerators: Alt+letter always, plain letters when the control takes no characters.
  if (form && (alt || !(control->DialogCodes() & TWinControl::dcWantChars))) {
    bool handled = false;
    GuardedCall([&] { handled = form->DialogChar(ch, shift); }, form);
    if (handled) return KeyOutcome::swallow;
  }
  if (alt) return swallowed ? KeyOutcome::swallow : KeyOutcome::pass;
  if (form && form != control && form->KeyPreview() && formRef.Alive())
    GuardedCall([&] { form->KeyPress(ch); }, form);
  if (ch && controlRef.Alive()) GuardedCall([&] { control->KeyPress(ch); }, control);
  if (ch == 0 || swallowed) return KeyOutcome::swallow;
  if (ch != typed) {
    replacement = ch;
    return KeyOutcome::replace;
  }
  return KeyOutcome::pass;
}

bool ControlHost::HandleKeyRelease(QKeyEvent* event) {
  if (!control_) return false;
  DispatchScope scope;
  TWinControl* control = control_;
  TCustomForm* form = GetParentForm(control);
  const TComponentRef<TWinControl> controlRef(control);
  TKey key = KeyFromQt(event->key());
  if (!key) return false;
  const TShiftState shift = ShiftFromQt(event->modifiers(), Qt::NoButton);
  if (form && form != control && form->KeyPreview())
    GuardedCall([&] { form->KeyUp(key, shift); }, form);
  if (key && controlRef.Alive()) GuardedCall([&] { control->KeyUp(key, shift); }, control);
  return key == 0;
}

void ControlHost::focusInEvent(QFocusEvent* event) {
  if (!control_) return;
  DispatchScope scope;
  ControlDispatch::FocusIn(control_, IsWindowActivationReason(event->reason()));
}

void ControlHost::focusOutEvent(QFocusEvent* event) {
  if (!control_) return;
  DispatchScope scope;
  ControlDispatch::FocusOut(control_, IsWindowActivationReason(event->reason()));
}

void ControlHost::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  if (!control_ || !isWindow()) return;
  DispatchScope scope;
  Application->MouseLeftWindows();
}

void ControlHost::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (!control_ || !isWindow() || !control_->IsTopLevelWindow()) return;
  DispatchScope scope;
  const QRect g = geometry();
  ControlDispatch::TopLevelGeometryChanged(control_, g.x(), g.y(), g.width(), g.height());
}

void ControlHost::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  if (!control_ || !isWindow() || !control_->IsTopLevelWindow()) return;
  DispatchScope scope;
  const QRect g = geometry();
  ControlDispatch::TopLevelGeometryChanged(control_, g.x(), g.y(), g.width(), g.height());
}

void ControlHost::closeEvent(QCloseEvent* event) {
  // The form decides (OnCloseQuery / OnClose) and hides or ends the program itself.
  event->ignore();
  auto* form = dynamic_cast<TCustomForm*>(control_);
  if (!form) return;
  DispatchScope scope;
  ControlDispatch::CloseRequested(form);
}

void ControlHost::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  auto* form = dynamic_cast<TCustomForm*>(control_);
  if (!form || !isWindow()) return;
  DispatchScope scope;
  if (event->type() == QEvent::WindowStateChange) ControlDispatch::WindowStateChanged(form);
  if (event->type() == QEvent::ActivationChange)
    ControlDispatch::ActivationChanged(form, isActiveWindow());
}

bool ControlHost::eventFilter(QObject* watched, QEvent* event) {
  auto* source = qobject_cast<QWidget*>(watched);
  if (!source || !control_ || resending_) return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(event);
      char32_t replacement = 0;
      const KeyOutcome outcome = HandleKeyPress(key, replacement);
      if (outcome == KeyOutcome::replace) {
        // The handler changed the character: the editor types the new one instead.
        QKeyEvent changed(QEvent::KeyPress, key->key(), key->modifiers(),
                          QString::fromUcs4(&replacement, 1), key->isAutoRepeat());
        resending_ = true;
        QCoreApplication::sendEvent(source, &changed);
        resending_ = false;
        return true;
      }
      return outcome == KeyOutcome::swallow;
    }
    case QEvent::KeyRelease:
      return HandleKeyRelease(static_cast<QKeyEvent*>(event));
    case QEvent::MouseButtonPress:
      HandleMousePress(static_cast<QMouseEvent*>(event), false, source);
      return false;
    case QEvent::MouseButtonDblClick:
      HandleMousePress(static_cast<QMouseEvent*>(event), true, source);
      return false;
    case QEvent::MouseMove:
      HandleMouseMove(static_cast<QMouseEvent*>(event), source);
      return false;
    case QEvent::MouseButtonRelease:
      HandleMouseRelease(static_cast<QMouseEvent*>(event), source);
      return false;
    case QEvent::FocusIn: {
      DispatchScope scope;
      auto* focus = static_cast<QFocusEvent*>(event);
      ControlDispatch::FocusIn(control_, IsWindowActivationReason(focus->reason()));
      return false;
    }
    case QEvent::FocusOut: {
      DispatchScope scope;
      auto* focus = static_cast<QFocusEvent*>(event);
      ControlDispatch::FocusOut(control_, IsWindowActivationReason(focus->reason()));
      return false;
    }
    default:
      return QWidget::eventFilter(watched, event);
  }
}
