#include "platform/framework/Application.h"

#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <new>

#include "platform/core/Exception.h"
#include "platform/environment/Environment.h"
#include "platform/environment/Translations.h"
#include "platform/framework/Form.h"
#include "platform/framework/HintWindow.h"
#include "platform/qt/ControlDispatch.h"
#include "platform/qt/ControlHost.h"
#include "platform/qt/EventLoops.h"
#include "platform/qt/QtBridge.h"

namespace {

std::vector<QEventLoop*>& Loops() {
  static auto* loops = new std::vector<QEventLoop*>();  // never freed: used until the end
  return *loops;
}

// Frees the forms and the Qt application at exit when main did not, while Qt's own globals
// (made after this handler was registered) still exist.
void FinalizeAtExit() {
  if (Application) Application->Finalize();
}

class SteadyClock : public IClock {
 public:
  std::int64_t NowMs() const override {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
  }
};

// How far below the cursor's hot spot a hint starts, so that the arrow does not cover it.
constexpr int kCursorHeightMargin = 20;

// The error text as the message box shows it: with a full stop unless it already ends a
// sentence.
std::string WithFullStop(std::string message) {
  while (!message.empty() && (message.back() == ' ' || message.back() == '\n' ||
                              message.back() == '\r' || message.back() == '\t'))
    message.pop_back();
  if (message.empty()) return message;
  const char last = message.back();
  const bool endsSentence =
      last == '.' || last == '!' || last == '?' ||
      (message.size() >= 3 && message.compare(message.size() - 3, 3, "\xE2\x80\xA6") == 0);
  if (!endsSentence) message += '.';
  return message;
}

// The environment's message box (a Qt one, or a test's fake): error icon, one OK button.
void EnvironmentErrorBox(const std::string& caption, const std::string& text) {
  TMessageBoxRequest request;
  request.caption = caption;
  request.text = text;
  request.icon = miError;
  request.buttons = {mrOk};
  TEnvironment::MessageBoxes().ShowMessageBox(request);
}

TControl* HintControlOf(TControl* control) {
  while (control && !control->ShowHint()) control = control->Parent();
  return control;
}

}  // namespace

void RegisterEventLoop(QEventLoop* loop) {
  Loops().push_back(loop);
}

void UnregisterEventLoop(QEventLoop* loop) {
  std::erase(Loops(), loop);
}

void ExitAllEventLoops() {
  for (QEventLoop* loop : Loops()) loop->exit(0);
}

struct TApplication::Impl {
  std::unique_ptr<QApplication> ownedApp;
  std::unique_ptr<QTimer> hintTimer;
  SteadyClock steadyClock;
  TPoint lastMousePos;
  bool haveMousePos = false;
};

namespace {
TApplication g_application;
TScreen g_screen;
}  // namespace

TApplication* Application = &g_application;
TScreen* Screen = &g_screen;

TApplication::TApplication() : impl_(std::make_unique<Impl>()) {}

TApplication::~TApplication() {
  Finalize();
}

void TApplication::Initialize(int& argc, char** argv) {
  if (!QCoreApplication::instance()) {
    impl_->ownedApp = std::make_unique<QApplication>(argc, argv);
    std::atexit(FinalizeAtExit);
  }
  Initialize();
}

void TApplication::Initialize() {
  if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
    app->setQuitOnLastWindowClosed(false);
  InstallFontSubstitutions();
  // The standard dialogs and message-box buttons speak the program's language.
  InstallRussianTranslation();
}

void TApplication::FormCreated(TCustomForm* form) {
  const TComponentRef<TCustomForm> self(form);
  form->AfterConstruction();
  if (!mainForm_ && self.Alive()) mainForm_ = form;
}

int TApplication::AddForm(TCustomForm* form) {
  forms_.push_back(form);
  return static_cast<int>(forms_.size()) - 1;
}

void TApplication::RemoveForm(TCustomForm* form) {
  std::erase(forms_, form);
  if (mainForm_ == form) mainForm_ = nullptr;
}

int TApplication::Run() {
  if (running_ || !mainForm_) return 0;
  running_ = true;
  if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
    app->setQuitOnLastWindowClosed(false);
  if (showMainForm_ && !terminated_) GuardedCall([this] { mainForm_->Show(); }, mainForm_);
  int code = 0;
  if (!terminated_) {
    QEventLoop loop;
    EventLoopRegistration registration(&loop);
    code = loop.exec();
  }
  running_ = false;
  return code;
}

void TApplication::Terminate() {
  terminated_ = true;
  ExitAllEventLoops();
}

void TApplication::ProcessMessages() {
  if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

void TApplication::Finalize() {
  StopHintTimer();
  hintControl_ = nullptr;
  mouseControl_ = nullptr;
  captureControl_ = nullptr;
  if (QCoreApplication::instance()) {
    DestroyHintWindow();
    for (int i = ComponentCount() - 1; i >= 0; --i)
      if (auto* form = dynamic_cast<TCustomForm*>(Components(i))) form->BeforeDestruction();
    while (ComponentCount() > 0) delete Components(ComponentCount() - 1);
    impl_->hintTimer.reset();
  } else {
    // The window system is gone already (the end of the process): widgets can no longer be
    // freed, so they are left to the operating system.
    hintWindow_ = nullptr;
    while (ComponentCount() > 0) RemoveComponent(Components(ComponentCount() - 1));
    (void)impl_->hintTimer.release();
  }
  mainForm_ = nullptr;
  impl_->ownedApp.reset();
}

void TApplication::Minimize() {
  for (TCustomForm* form : forms_)
    if (ControlHost* widget = HostWidget(form); widget && widget->isVisible())
      widget->showMinimized();
}

void TApplication::Restore() {
  for (TCustomForm* form : forms_)
    if (ControlHost* widget = HostWidget(form);
        widget && widget->isVisible() && widget->isMinimized())
      widget->setWindowState(widget->windowState() & ~Qt::WindowMinimized);
}

// --- Errors

void TApplication::HandleException(std::exception_ptr error, TComponent* sender) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    HandleException(e, sender);
  } catch (...) {
    HandleException(Exception("Unknown error"), sender);
  }
}

void TApplication::HandleException(const std::exception& error, TComponent* sender) {
  if (!OnException) {
    ShowException(error);
    return;
  }
  try {
    OnException(sender, error);
  } catch (const std::exception& e) {
    ShowException(e);
  } catch (...) {
    ShowException(Exception("Unknown error"));
  }
}

void TApplication::ShowException(const std::exception& error) {
  CancelHint();
  std::string caption = title_;
  if (caption.empty() && QCoreApplication::instance())
    caption = FromQtString(QCoreApplication::applicationName());
  // The library's own text for an exhausted heap means nothing to a user.
  const bool outOfMemory = dynamic_cast<const std::bad_alloc*>(&error) != nullptr;
  const std::string text = WithFullStop(outOfMemory ? "Out of memory" : error.what());
  try {
    if (ErrorBox)
      ErrorBox(caption, text);
    else
      EnvironmentErrorBox(caption, text);
  } catch (...) {
    // Nothing sensible is left to do when the error box itself fails.
  }
}

// --- Mouse tracking

void TApplication::NoteMousePos(TPoint pos) {
  impl_->lastMousePos = pos;
  impl_->haveMousePos = true;
}

bool TApplication::LastMousePos(TPoint& pos) const {
  pos = impl_->lastMousePos;
  return impl_->haveMousePos;
}

void TApplication::MouseMoved(TPoint pos) {
  NoteMousePos(pos);
  TControl* control = FindDragTarget(pos, true);
  UpdateHintControl(control, pos);
  UpdateMouseControl(control);
  SetHint(GetLongHint(GetHint(mouseControl_)));
}

void TApplication::MouseLeftWindows() {
  UpdateMouseControl(nullptr);
  CancelHint();
  SetHint("");
}

void TApplication::UpdateMouseControl(TControl* control) {
  if (control == mouseControl_) return;
  // While a control holds the mouse, only it hears that the mouse left or came back.
  TControl* capture = captureControl_;
  TControl* old = mouseControl_;
  const TComponentRef<TControl> entered(control);
  if (old && (!capture || old == capture)) GuardedCall([old] { old->MouseLeave(); }, old);
  mouseControl_ = entered.Get();
  if (control && entered.Alive() && (!capture || control == capture))
    GuardedCall([control] { control->MouseEnter(); }, control);
}

void TApplication::ControlDestroying(TControl* control) {
  if (mouseControl_ == control) mouseControl_ = nullptr;
  if (captureControl_ == control) captureControl_ = nullptr;
  if (hintControl_ == control) {
    hintControl_ = nullptr;
    hintActive_ = false;
    StopHintTimer();
    HideHint();
  }
  if (static_cast<TControl*>(hintWindow_) == control) hintWindow_ = nullptr;
  for (TCustomForm* form : forms_)
    if (form != control) ControlDispatch::ForgetFocus(form, control);
}

bool TApplication::Active() const {
  return QCoreApplication::instance() && QApplication::activeWindow() != nullptr;
}

TCustomForm* TApplication::ActiveForm() const {
  for (TCustomForm* form : forms_)
    if (form->Active()) return form;
  return nullptr;
}

// --- Hints

void TApplication::SetHint(const std::string& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  if (OnHint) {
    GuardedCall([this] { OnHint(this); }, this);
    return;
  }
  const auto listeners = hintListeners_;
  for (const auto& entry : listeners) GuardedCall([&] { entry.second(hint_); }, this);
}

int TApplication::AddHintListener(std::function<void(const std::string& hint)> listener) {
  hintListeners_.emplace_back(nextHintListener_, std::move(listener));
  return nextHintListener_++;
}

void TApplication::RemoveHintListener(int id) {
  std::erase_if(hintListeners_, [id](const auto& entry) { return entry.first == id; });
}

void TApplication::SetShowHint(bool value) {
  if (value == showHint_) return;
  showHint_ = value;
  CancelHint();
  // Switching hints back on makes the next hint window of the current class.
  DestroyHintWindow();
}

void TApplication::SetHintWindowClass(THintWindowClass factory) {
  hintWindowClass_ = std::move(factory);
}

void TApplication::EnsureHintWindow() {
  if (hintWindow_) return;
  hintWindow_ = hintWindowClass_ ? hintWindowClass_() : new THintWindow(nullptr);
}

void TApplication::DestroyHintWindow() {
  THintWindow* window = hintWindow_;
  hintWindow_ = nullptr;
  delete window;
}

void TApplication::SetClock(IClock* clock) {
  clock_ = clock;
}

IClock& TApplication::Clock() const {
  return clock_ ? *clock_ : impl_->steadyClock;
}

void TApplication::StartHintTimer(int ms, HintTimerMode mode) {
  hintTimerMode_ = mode;
  hintDue_ = Clock().NowMs() + ms;
  if (!QCoreApplication::instance()) return;
  if (!impl_->hintTimer) {
    impl_->hintTimer = std::make_unique<QTimer>();
    impl_->hintTimer->setSingleShot(true);
    QObject::connect(impl_->hintTimer.get(), &QTimer::timeout, [this] {
      HostDispatchScope scope;
      CheckHintTimer();
    });
  }
  impl_->hintTimer->start(std::max(0, ms));
}

void TApplication::StopHintTimer() {
  hintTimerMode_ = HintTimerMode::none;
  if (impl_->hintTimer) impl_->hintTimer->stop();
}

void TApplication::CheckHintTimer() {
  if (hintTimerMode_ == HintTimerMode::none) return;
  const std::int64_t now = Clock().NowMs();
  if (now < hintDue_) {
    // A test's clock moves by itself only when the test says so.
    if (!clock_ && impl_->hintTimer) impl_->hintTimer->start(static_cast<int>(hintDue_ - now));
    return;
  }
  const HintTimerMode mode = hintTimerMode_;
  StopHintTimer();
  if (mode == HintTimerMode::show)
    GuardedCall([this] { ActivateHint(Screen->CursorPos()); }, this);
  else
    HideHint();
}

void TApplication::UpdateHintControl(TControl* control, TPoint pos) {
  if (!showHint_) return;
  TControl* hintControl = HintControlOf(control);
  if (!hintControl) {
    CancelHint();
    return;
  }
  if (hintControl == hintControl_ && !(HintShowing() && !hintCursorRect_.Contains(pos))) return;
  // While hints are showing, the next control's hint follows quickly.
  const int pause = hintActive_ ? hintShortPause_ : hintPause_;
  HideHint();
  hintControl_ = hintControl;
  StartHintTimer(pause, HintTimerMode::show);
}

void TApplication::CancelHint() {
  if (!hintControl_ && hintTimerMode_ == HintTimerMode::none && !hintActive_) return;
  HideHint();
  hintControl_ = nullptr;
  hintActive_ = false;
  StopHintTimer();
}

void TApplication::HideHint() {
  if (hintWindow_) hintWindow_->ReleaseHandle();
}

bool TApplication::HintShowing() const {
  return hintWindow_ && hintWindow_->IsHintVisible();
}

void TApplication::ActivateHint(TPoint cursorPos) {
  StopHintTimer();
  if (!showHint_ || !hintControl_) return;
  TControl* control = hintControl_;
  THintInfo info;
  info.HintControl = control;
  info.HintPos = Point(cursorPos.X, cursorPos.Y + kCursorHeightMargin);
  info.HintMaxWidth = Screen->Width();
  info.HintColor = hintColor_;
  const TPoint origin = control->ClientOrigin();
  info.CursorRect = Bounds(origin.X, origin.Y, control->Width(), control->Height());
  info.CursorPos = control->ScreenToClient(cursorPos);
  info.HideTimeout = hintHidePause_;
  info.HintStr = GetShortHint(GetHint(control));
  bool canShow = true;
  if (OnShowHint) OnShowHint(info.HintStr, canShow, info);
  hintActive_ = canShow && hintControl_ != nullptr;
  if (!hintActive_ || info.HintStr.empty()) return;
  EnsureHintWindow();
  if (!hintWindow_) return;
  hintWindow_->SetColor(info.HintColor);
  TRect rect = hintWindow_->CalcHintRect(info.HintMaxWidth, info.HintStr);
  rect = OffsetRect(rect, info.HintPos.X, info.HintPos.Y);
  hintWindow_->ActivateHint(rect, info.HintStr);
  hintCursorRect_ = info.CursorRect;
  if (info.HideTimeout > 0) StartHintTimer(info.HideTimeout, HintTimerMode::hide);
}

// --- Free functions

void ReleaseCapture() {
  Application->SetCaptureControl(nullptr);
  if (QCoreApplication::instance())
    if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
}

TControl* FindDragTarget(TPoint pos, bool allowDisabled) {
  if (!QCoreApplication::instance()) return nullptr;
  TWinControl* window = ControlOfWidget(QApplication::topLevelAt(QPoint(pos.X, pos.Y)));
  if (!window || !dynamic_cast<TCustomForm*>(window)) {
    // Hint windows and foreign windows hide nothing: look at the forms themselves.
    window = nullptr;
    const auto& forms = Application->Forms();
    for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
      ControlHost* widget = HostWidget(*it);
      if (widget && widget->isVisible() && (*it)->BoundsRect().Contains(pos)) {
        window = *it;
        break;
      }
    }
  }
  if (!window) return nullptr;
  TPoint local = window->ScreenToClient(pos);
  if (window->HasWindowRgn() && !window->host().region->Contains(local.X, local.Y)) return nullptr;
  for (;;) {
    TControl* child = window->ControlAtPos(local, allowDisabled, true);
    if (!child) return window;
    local = Point(local.X - child->Left(), local.Y - child->Top());
    auto* win = dynamic_cast<TWinControl*>(child);
    if (!win) return child;
    window = win;
  }
}

TControl* FindControlAtScreenPoint(TPoint pos, bool allowDisabled) {
  return FindDragTarget(pos, allowDisabled);
}

std::string GetHint(const TControl* control) {
  for (const TControl* c = control; c; c = c->Parent())
    if (!c->Hint().empty()) return c->Hint();
  return {};
}

std::string GetShortHint(const std::string& hint) {
  const auto bar = hint.find('|');
  return bar == std::string::npos ? hint : hint.substr(0, bar);
}

std::string GetLongHint(const std::string& hint) {
  const auto bar = hint.find('|');
  return bar == std::string::npos ? hint : hint.substr(bar + 1);
}

// --- Screen

int TScreen::Width() const {
  return TEnvironment::Screen().ScreenWidth();
}

int TScreen::Height() const {
  return TEnvironment::Screen().ScreenHeight();
}

TPoint TScreen::CursorPos() const {
  // The headless platform has no pointer of its own: the last mouse event tells where it is.
  TPoint last;
  if (QGuiApplication::platformName() == QLatin1String("offscreen") &&
      Application->LastMousePos(last))
    return last;
  const QPoint p = QCursor::pos();
  return {p.x(), p.y()};
}

void TScreen::SetCursorPos(TPoint pos) {
  Application->NoteMousePos(pos);
  QCursor::setPos(pos.X, pos.Y);
}

void TScreen::SetCursor(TCursor cursor) {
  if (cursor == cursor_) return;
  const bool had = cursor_ != crDefault;
  cursor_ = cursor;
  if (!QCoreApplication::instance()) return;
  if (had) QApplication::restoreOverrideCursor();
  if (cursor == crDefault) return;
  // The same table as the controls' cursors; a number without a shape shows the arrow.
  Qt::CursorShape shape = Qt::ArrowCursor;
  QtCursorShape(cursor, shape);
  QApplication::setOverrideCursor(QCursor(shape));
}

TCustomForm* TScreen::ActiveForm() const {
  return Application->ActiveForm();
}

int TScreen::FormCount() const {
  return static_cast<int>(Application->Forms().size());
}

TCustomForm* TScreen::Forms(int index) const {
  return Application->Forms()[static_cast<std::size_t>(index)];
}
