// Internal to the platform layer: the Qt widget behind every windowed control. It paints the
// control's surface, forwards mouse, key, focus, size and close events to the control's hooks
// (through ControlDispatch) and runs the control's numbered timers.
//
// The rich-text control embeds its editor widget in the host and calls ForwardInputFrom so
// that keys and mouse moves typed into the editor reach the control's hooks and events too.
#pragma once

#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>
#include <optional>

#include "platform/graphics/Bitmap.h"
#include "platform/framework/Control.h"
#include "platform/graphics/Region.h"

class QTimer;
class QKeyEvent;
class QMouseEvent;

class ControlHost : public QWidget {
  Q_OBJECT

 public:
  explicit ControlHost(TWinControl* control);
  ~ControlHost() override;

  TWinControl* Control() const { return control_; }
  // The control is going away: from now on events are dropped.
  void DetachControl() { control_ = nullptr; }

  // Input to widget (an embedded editor or its viewport) runs through the control's hooks:
  // KeyDown / KeyPress / KeyUp (a key set to 0 is swallowed, a changed character is typed
  // instead), dialog keys and accelerators, mouse events and the enter/leave tracking.
  void ForwardInputFrom(QWidget* widget);

  // The control under the mouse button that was pressed in this window (a graphic child or
  // the control itself), while the button is held.
  TControl* PressedControl() const { return pressed_; }
  void ForgetControl(TControl* control);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void HandleMousePress(QMouseEvent* event, bool doubleClick, QWidget* source);
  void HandleMouseMove(QMouseEvent* event, QWidget* source);
  void HandleMouseRelease(QMouseEvent* event, QWidget* source);
  // What becomes of a key press: passed on to the widget, swallowed (a hook set it to 0, or a
  // dialog key or accelerator took it) or typed as another character.
  enum class KeyOutcome { pass, swallow, replace };
  KeyOutcome HandleKeyPress(QKeyEvent* event, char32_t& replacement);
  // True when a hook set the key to 0.
  bool HandleKeyRelease(QKeyEvent* event);
  TPoint LocalPoint(QMouseEvent* event, QWidget* source) const;

  TWinControl* control_;
  TControl* pressed_ = nullptr;
  TControl* clicked_ = nullptr;  // pressed with the left button: a release inside clicks it
  TControl* cursorControl_ = nullptr;
  bool resending_ = false;
};

// The Qt side of a windowed control.
struct TWinControl::Host {
  QPointer<ControlHost> widget;
  std::map<int, std::unique_ptr<QTimer>> timers;
  TBitmap surface;
  std::optional<TRegion> region;
  // While AnimateWindow runs: the visible part, intersected with the region.
  std::optional<TRect> animationClip;
  // The mask the widget gets from region and animationClip (empty: none).
  QRegion CurrentMask() const;
  void ApplyMask();
};

ControlHost* HostWidget(const TWinControl* control);
// Brings a top-level window to the front (a no-op on the headless platform, which cannot).
void RaiseWindow(QWidget* window);
// The control behind widget or its nearest ancestor that is a host.
TWinControl* ControlOfWidget(QWidget* widget);
// Counts the event handlers of hosts currently running: widgets are freed later while > 0.
int HostDispatchDepth();
// Marks that a call from the window system into the program is running.
struct HostDispatchScope {
  HostDispatchScope();
  ~HostDispatchScope();
  HostDispatchScope(const HostDispatchScope&) = delete;
  HostDispatchScope& operator=(const HostDispatchScope&) = delete;
};
