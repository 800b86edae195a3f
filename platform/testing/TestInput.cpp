#include "platform/testing/TestInput.h"

#include <QApplication>
#include <QKeyEvent>
#include <QThread>
#include <QWindow>
#include <cctype>

#include "platform/qt/ControlHost.h"
#include "platform/qt/QtBridge.h"

// The window-system entry Qt's own test library uses: the event takes the whole way a real
// mouse event takes (mouse grab, enter and leave, double-click detection).
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global,
                                      Qt::MouseButtons state, Qt::MouseButton button,
                                      QEvent::Type type, Qt::KeyboardModifiers mods, int timestamp);

namespace TestInput {
namespace {

Qt::MouseButtons g_held;
int g_timestamp = 1000;
// Apart from DoubleClick, presses are this far apart in time: never a double click.
constexpr int kApart = 1000;

Qt::MouseButton QtButton(TMouseButton button) {
  switch (button) {
    case mbRight:
      return Qt::RightButton;
    case mbMiddle:
      return Qt::MiddleButton;
    default:
      return Qt::LeftButton;
  }
}

Qt::KeyboardModifiers QtModifiers(TShiftState shift) {
  Qt::KeyboardModifiers m;
  if (shift & ssShift) m |= Qt::ShiftModifier;
  if (shift & ssCtrl) m |= Qt::ControlModifier;
  if (shift & ssAlt) m |= Qt::AltModifier;
  return m;
}

Qt::MouseButtons QtButtons(TShiftState shift) {
  Qt::MouseButtons b;
  if (shift & ssLeft) b |= Qt::LeftButton;
  if (shift & ssRight) b |= Qt::RightButton;
  if (shift & ssMiddle) b |= Qt::MiddleButton;
  return b;
}

// The widget that shows control and control's position in it.
QWidget* WidgetFor(TControl* control, TPoint& pos) {
  if (auto* win = dynamic_cast<TWinControl*>(control)) return HostWidget(win);
  pos = Point(pos.X + control->Left(), pos.Y + control->Top());
  return HostWidget(control->Parent());
}

void SendMouse(TControl* control, TPoint pos, QEvent::Type type, Qt::MouseButton button,
               TShiftState modifiers, int timestampStep) {
  QWidget* widget = WidgetFor(control, pos);
  if (!widget) return;
  QWidget* top = widget->window();
  QWindow* window = top->windowHandle();
  if (!window) return;
  const QPoint local = widget->mapTo(top, QPoint(pos.X, pos.Y));
  const QPoint global = widget->mapToGlobal(QPoint(pos.X, pos.Y));
  g_timestamp += timestampStep;
  qt_handleMouseEvent(window, local, global, g_held, button, type, QtModifiers(modifiers),
                      g_timestamp);
  QCoreApplication::processEvents();
}

QWidget* FocusTarget(TWinControl* window) {
  // While a popup (a menu, a drop-down list) is open it takes the keys, as with real input.
  if (QWidget* popup = QApplication::activePopupWidget())
    return popup->focusWidget() ? popup->focusWidget() : popup;
  QWidget* top = HostWidget(window);
  if (!top) return nullptr;
  top = top->window();
  QWidget* focus = top->focusWidget();
  return focus ? focus : top;
}

int QtKey(TKey key) {
  if (key >= 'A' && key <= 'Z') return Qt::Key_A + (key - 'A');
  if (key >= '0' && key <= '9') return Qt::Key_0 + (key - '0');
  if (key >= VK_F1 && key < VK_F1 + 24) return Qt::Key_F1 + (key - VK_F1);
  switch (key) {
    case VK_BACK:
      return Qt::Key_Backspace;
    case VK_TAB:
      return Qt::Key_Tab;
    case VK_RETURN:
      return Qt::Key_Return;
    case VK_SHIFT:
      return Qt::Key_Shift;
    case VK_CONTROL:
      return Qt::Key_Control;
    case VK_MENU:
      return Qt::Key_Alt;
    case VK_ESCAPE:
      return Qt::Key_Escape;
    case VK_SPACE:
      return Qt::Key_Space;
    case VK_PRIOR:
      return Qt::Key_PageUp;
    case VK_NEXT:
      return Qt::Key_PageDown;
    case VK_END:
      return Qt::Key_End;
    case VK_HOME:
      return Qt::Key_Home;
    case VK_LEFT:
      return Qt::Key_Left;
    case VK_UP:
      return Qt::Key_Up;
    case VK_RIGHT:
      return Qt::Key_Right;
    case VK_DOWN:
      return Qt::Key_Down;
    case VK_INSERT:
      return Qt::Key_Insert;
    case VK_DELETE:
      return Qt::Key_Delete;
    default:
      return 0;
  }
}

void SendKey(TWinControl* window, QEvent::Type type, int qtKey, const QString& text,
             TShiftState shift) {
  QWidget* target = FocusTarget(window);
  if (!target) return;
  QKeyEvent event(type, qtKey, QtModifiers(shift), text);
  QApplication::sendEvent(target, &event);
  QCoreApplication::processEvents();
}

}  // namespace

void MouseMove(TControl* control, TPoint pos, TShiftState held) {
  g_held = QtButtons(held);
  SendMouse(control, pos, QEvent::MouseMove, Qt::NoButton, 0, 1);
}

void MouseDown(TControl* control, TMouseButton button, TPoint pos, TShiftState modifiers) {
  g_held |= QtButton(button);
  SendMouse(control, pos, QEvent::MouseButtonPress, QtButton(button), modifiers, kApart);
}

void MouseUp(TControl* control, TMouseButton button, TPoint pos, TShiftState modifiers) {
  g_held &= ~QtButton(button);
  SendMouse(control, pos, QEvent::MouseButtonRelease, QtButton(button), modifiers, 1);
}

void Click(TControl* control, TPoint pos, TMouseButton button) {
  MouseDown(control, button, pos);
  MouseUp(control, button, pos);
}

void DoubleClick(TControl* control, TPoint pos) {
  Click(control, pos);
  g_held |= Qt::LeftButton;
  SendMouse(control, pos, QEvent::MouseButtonPress, Qt::LeftButton, 0, 10);
  g_held &= ~Qt::LeftButton;
  SendMouse(control, pos, QEvent::MouseButtonRelease, Qt::LeftButton, 0, 1);
  g_timestamp += kApart;
}

void KeyDown(TWinControl* window, TKey key, const std::string& text, TShiftState shift) {
  SendKey(window, QEvent::KeyPress, QtKey(key), QtString(text), shift);
}

void KeyUp(TWinControl* window, TKey key, TShiftState shift) {
  SendKey(window, QEvent::KeyRelease, QtKey(key), QString(), shift);
}

void Key(TWinControl* window, TKey key, const std::string& text, TShiftState shift) {
  KeyDown(window, key, text, shift);
  KeyUp(window, key, shift);
}

void Type(TWinControl* window, const std::string& text) {
  const QString all = QtString(text);
  for (char32_t ch : all.toUcs4()) {
    const QString one = QString::fromUcs4(&ch, 1);
    TKey key = 0;
    if (ch < 128 && std::isalnum(static_cast<int>(ch)))
      key = static_cast<TKey>(std::toupper(static_cast<int>(ch)));
    else if (ch == ' ')
      key = VK_SPACE;
    SendKey(window, QEvent::KeyPress, QtKey(key), one, 0);
    SendKey(window, QEvent::KeyRelease, QtKey(key), one, 0);
  }
}

void ProcessEvents(int ms) {
  QCoreApplication::processEvents(QEventLoop::AllEvents, ms);
  if (ms > 0) {
    QThread::msleep(static_cast<unsigned long>(ms));
    QCoreApplication::processEvents();
  }
}

}  // namespace TestInput
