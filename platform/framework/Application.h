// The application object: creates the forms (the first created is the main form), runs the
// message loop, shows errors that reach the loop, runs the hint machinery (pause before a hint,
// short pause between hints, hide pause; the hint-window class; the long hint published as
// Application->Hint) and answers questions about the screen, the mouse and the active window.
#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/Color.h"
#include "platform/core/Component.h"
#include "platform/framework/ControlTypes.h"
#include "platform/core/Types.h"

class TControl;
class TCustomForm;
class THintWindow;
class TWinControl;

// A monotonic millisecond clock; the hint timing reads it so that tests can drive it.
class IClock {
 public:
  virtual ~IClock() = default;
  virtual std::int64_t NowMs() const = 0;
};

// What the hint machinery is about to show; OnShowHint may change it.
struct THintInfo {
  TControl* HintControl = nullptr;
  TPoint HintPos;        // screen position of the hint window's top-left corner
  int HintMaxWidth = 0;  // the width CalcHintRect may use
  TColor HintColor = clInfoBk;
  TRect CursorRect;  // the hint stays while the mouse is in here (screen coordinates)
  TPoint CursorPos;  // the mouse, in the hint control's client coordinates
  int ReshowTimeout = 0;
  int HideTimeout = 0;  // ms until the shown hint hides
  std::string HintStr;  // the short part of the control's hint
};
using TShowHintEvent =
    std::function<void(std::string& hintStr, bool& canShow, THintInfo& hintInfo)>;
// Makes the hint window; the application owns what it returns.
using THintWindowClass = std::function<THintWindow*()>;
using TExceptionEvent = std::function<void(TComponent* sender, const std::exception& error)>;
// Shows an error message box: the caption and the text (with its full stop).
using TErrorBox = std::function<void(const std::string& caption, const std::string& text)>;

class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;
  std::string ClassName() const override { return "TApplication"; }

  // Prepares the windowing system: creates the Qt application object when there is none yet
  // (it then lives as long as this object) and sets up the fonts.
  void Initialize(int& argc, char** argv);
  void Initialize();

  // Creates a form owned by the application and fires its OnCreate (AfterConstruction); the
  // first form created becomes the main form.
  template <class T>
  void CreateForm(T*& reference) {
    T* form = new T(this);
    reference = form;
    FormCreated(form);
  }
  TCustomForm* MainForm() const { return mainForm_; }
  // Shows the main form (unless ShowMainForm is off) and runs the message loop until
  // Terminate; returns the loop's exit code.
  int Run();
  bool ShowMainForm() const { return showMainForm_; }
  void SetShowMainForm(bool value) { showMainForm_ = value; }
  // Ends the message loop (and any modal loop, whose form gets mrCancel).
  void Terminate();
  bool Terminated() const { return terminated_; }
  bool Running() const { return running_; }
  // Handles whatever events are waiting, then returns.
  void ProcessMessages();
  // Frees the forms and, when Initialize created it, the Qt application object. Call once the
  // loop has ended (the end of main); the destructor does the same.
  void Finalize();

  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title) { title_ = title; }
  // Minimises every visible form (the program goes to the task bar); Restore undoes it.
  void Minimize();
  void Restore();

  // --- Errors. Everything that calls into the program's code from the event loop catches and
  // passes the error here: OnException when assigned, else ShowException.
  void HandleException(const std::exception& error, TComponent* sender = nullptr);
  void HandleException(std::exception_ptr error, TComponent* sender = nullptr);
  // The default error message box: error icon, Title as caption, the message with a full stop.
  void ShowException(const std::exception& error);
  TExceptionEvent OnException;
  // The message box ShowException uses when assigned; otherwise the environment's message
  // box (TEnvironment::MessageBoxes(), which tests replace with a fake).
  TErrorBox ErrorBox;

  // --- Hints.
  bool ShowHint() const { return showHint_; }
  // Off hides and frees the hint window; on makes a new one of the current class.
  void SetShowHint(bool value);
  int HintPause() const { return hintPause_; }
  void SetHintPause(int ms) { hintPause_ = ms; }
  int HintShortPause() const { return hintShortPause_; }
  void SetHintShortPause(int ms) { hintShortPause_ = ms; }
  int HintHidePause() const { return hintHidePause_; }
  void SetHintHidePause(int ms) { hintHidePause_ = ms; }
  TColor HintColor() const { return hintColor_; }
  void SetHintColor(TColor color) { hintColor_ = color; }
  const THintWindowClass& HintWindowClass() const { return hintWindowClass_; }
  // Takes effect for the next hint window made (see SetShowHint).
  void SetHintWindowClass(THintWindowClass factory);
  THintWindow* HintWindow() const { return hintWindow_; }
  TShowHintEvent OnShowHint;
  // The long part of the hint of the control under the mouse ("" when it has none).
  const std::string& Hint() const { return hint_; }
  // Fires OnHint when the text changes, and tells the hint listeners unless OnHint is set.
  void SetHint(const std::string& hint);
  TNotifyEvent OnHint;
  // Status bars with AutoHint listen here. Returns an id for RemoveHintListener.
  int AddHintListener(std::function<void(const std::string& hint)> listener);
  void RemoveHintListener(int id);
  // Hides the hint and forgets the hint control (a click, a key, the mouse leaving).
  void CancelHint();
  // Shows the hint of the control under the mouse now, as the hint timer would.
  void ActivateHint(TPoint cursorPos);
  void HideHint();
  bool HintShowing() const;
  // The clock the hint timing reads; nullptr returns to the real one. Not owned.
  void SetClock(IClock* clock);
  IClock& Clock() const;
  // Runs the hint action that is due by Clock(): the internal timer calls it, and tests that
  // drive a fake clock call it after advancing the clock.
  void CheckHintTimer();

  // --- Mouse and screen.
  // The control under the mouse, as the enter/leave notifications last saw it.
  TControl* MouseControl() const { return mouseControl_; }
  // The control holding the mouse while a button is pressed on it, or nullptr.
  TControl* CaptureControl() const { return captureControl_; }
  // The program's windows have the window system's focus.
  bool Active() const;
  bool HasActiveWindow() const { return Active(); }
  TCustomForm* ActiveForm() const;

  // Re-evaluates which control is under the mouse at screen point pos: mouse enter/leave, the
  // application hint and the hint timer. The platform calls it on every mouse move.
  void MouseMoved(TPoint pos);
  // The mouse left the program's windows.
  void MouseLeftWindows();

  // Internal to the platform layer.
  void FormCreated(TCustomForm* form);
  // The last mouse position an event reported (what the cursor position is on platforms
  // without a real pointer, such as the headless one the tests use).
  void NoteMousePos(TPoint pos);
  bool LastMousePos(TPoint& pos) const;
  void SetCaptureControl(TControl* control) { captureControl_ = control; }
  void ControlDestroying(TControl* control);
  int AddForm(TCustomForm* form);
  void RemoveForm(TCustomForm* form);
  const std::vector<TCustomForm*>& Forms() const { return forms_; }

 private:
  struct Impl;
  enum class HintTimerMode { none, show, hide };
  void StartHintTimer(int ms, HintTimerMode mode);
  void UpdateMouseControl(TControl* control);
  void StopHintTimer();
  void UpdateHintControl(TControl* control, TPoint pos);
  void EnsureHintWindow();
  void DestroyHintWindow();

  std::unique_ptr<Impl> impl_;
  TCustomForm* mainForm_ = nullptr;
  std::vector<TCustomForm*> forms_;
  bool terminated_ = false;
  bool running_ = false;
  bool showMainForm_ = true;
  std::string title_;

  bool showHint_ = true;
  int hintPause_ = 500;
  int hintShortPause_ = 50;
  int hintHidePause_ = 2500;
  TColor hintColor_ = clInfoBk;
  THintWindowClass hintWindowClass_;
  THintWindow* hintWindow_ = nullptr;
  std::string hint_;
  std::vector<std::pair<int, std::function<void(const std::string&)>>> hintListeners_;
  int nextHintListener_ = 1;
  TControl* hintControl_ = nullptr;
  TRect hintCursorRect_;
  bool hintActive_ = false;
  HintTimerMode hintTimerMode_ = HintTimerMode::none;
  std::int64_t hintDue_ = 0;
  IClock* clock_ = nullptr;

  TControl* mouseControl_ = nullptr;
  TControl* captureControl_ = nullptr;
};

extern TApplication* Application;

// Ends any mouse capture (the classic ReleaseCapture): moves stop going to the pressed control.
void ReleaseCapture();

// The control at screen point pos: the deepest visible control of the program's windows under
// it, disabled ones included when allowDisabled (the classic FindDragTarget).
TControl* FindDragTarget(TPoint pos, bool allowDisabled);
TControl* FindControlAtScreenPoint(TPoint pos, bool allowDisabled = true);
// The first hint of control and its parents that is not empty.
std::string GetHint(const TControl* control);
// "short|long": the part before the bar, or the whole text when there is none.
std::string GetShortHint(const std::string& hint);
// The part after the bar, or the whole text when there is none.
std::string GetLongHint(const std::string& hint);

// The screen: size (through TEnvironment::Screen(), which tests may replace) and the mouse.
class TScreen {
 public:
  int Width() const;
  int Height() const;
  TPoint CursorPos() const;
  void SetCursorPos(TPoint pos);
  // A cursor for the whole program (crHourGlass while busy); crDefault lets controls decide.
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor);
  TCustomForm* ActiveForm() const;
  int FormCount() const;
  TCustomForm* Forms(int index) const;

 private:
  TCursor cursor_ = crDefault;
};
extern TScreen* Screen;

// Runs fn and hands any exception to Application->HandleException: the wrapper around every
// call from the window system into the program.
template <class F>
void GuardedCall(F&& fn, TComponent* sender = nullptr) {
  try {
    fn();
  } catch (...) {
    Application->HandleException(std::current_exception(), sender);
  }
}
