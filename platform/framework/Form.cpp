#include "platform/framework/Form.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWindow>

#include "platform/core/Exception.h"
#include "platform/framework/Application.h"
#include "platform/graphics/Canvas.h"
#include "platform/qt/ControlDispatch.h"
#include "platform/qt/ControlHost.h"
#include "platform/qt/EventLoops.h"
#include "platform/qt/QtBridge.h"

namespace {

// A form following the mouse by itself, when the window system has no move request.
struct ManualDrag {
  TCustomForm* form = nullptr;
  TPoint startCursor;
  TPoint startPos;
};
ManualDrag g_drag;

}  // namespace

struct TCustomForm::ModalLoop {
  QEventLoop loop;
  void Wake() {
    if (loop.isRunning()) loop.exit(0);
  }
};

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
  // Forms start hidden; Show or the application's Run brings them up.
  SetVisible(false);
  SetParentFont(false);
  SetBounds(0, 0, 320, 240);
  ApplyWindowFlags();
  Application->AddForm(this);
}

TCustomForm::~TCustomForm() {
  if (modalLoop_) modalLoop_->Wake();
  if (g_drag.form == this) g_drag.form = nullptr;
  Application->RemoveForm(this);
}

void TCustomForm::AfterConstruction() {
  HandleNeeded();
  GuardedCall(
      [this] {
        if (OnCreate) OnCreate(this);
      },
      this);
}

void TCustomForm::BeforeDestruction() {
  if (destroyFired_) return;
  destroyFired_ = true;
  GuardedCall(
      [this] {
        if (OnDestroy) OnDestroy(this);
      },
      this);
}

// --- Window style

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  ApplyWindowFlags();
}

void TCustomForm::SetFormStyle(TFormStyle style) {
  if (style == formStyle_) return;
  formStyle_ = style;
  ApplyWindowFlags();
}

void TCustomForm::ApplyWindowFlags() {
  ControlHost* widget = HostWidget(this);
  if (!widget) return;
  Qt::WindowFlags flags = Qt::Window;
  switch (borderStyle_) {
    case TFormBorderStyle::bsNone:
      flags |= Qt::FramelessWindowHint;
      break;
    case TFormBorderStyle::bsDialog:
      flags = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
      break;
    case TFormBorderStyle::bsToolWindow:
    case TFormBorderStyle::bsSizeToolWin:
      flags = Qt::Tool;
      break;
    default:
      break;
  }
  if (formStyle_ == fsStayOnTop) flags |= Qt::WindowStaysOnTopHint;
  if (widget->windowFlags() == flags) return;
  // New flags hide a top-level window; a shown form stays shown.
  const bool wasVisible = widget->isVisible();
  widget->setWindowFlags(flags);
  widget->setGeometry(Left(), Top(), Width(), Height());
  if (wasVisible) widget->show();
}

void TCustomForm::TextChanged() {
  if (ControlHost* widget = HostWidget(this)) widget->setWindowTitle(QtString(Caption()));
}

void TCustomForm::Loaded() {
  TWinControl::Loaded();
  TextChanged();
  ApplyWindowFlags();
  UpdateShowing();
}

void TCustomForm::BoundsChanged(bool moved, bool resized) {
  TWinControl::BoundsChanged(moved, resized);
}

void TCustomForm::CenterOnScreen() {
  SetBounds((Screen->Width() - Width()) / 2, (Screen->Height() - Height()) / 2, Width(), Height());
}

TCanvas& TCustomForm::Canvas() {
  if (paintCanvas_) return *paintCanvas_;
  return host().surface.Canvas();
}

void TCustomForm::Paint() {
  if (OnPaint) OnPaint(this);
}

// --- Showing and hiding

void TCustomForm::Show() {
  SetVisible(true);
  ControlDispatch::FocusWindow(this);
}

void TCustomForm::UpdateShowing() {
  ControlHost* widget = HostWidget(this);
  if (Loading() || !widget) return;
  if (Visible()) {
    if (showing_) return;
    showing_ = true;
    HandleNeeded();
    if (position_ == poScreenCenter || position_ == poDesktopCenter) CenterOnScreen();
    // OnShow runs before the window appears; it may animate the window into view itself.
    const TComponentRef<TCustomForm> self(this);
    GuardedCall([this] { DoShow(); }, this);
    if (!self.Alive() || !Visible() || animatingIn_) return;
    if (!widget->isVisible()) ApplyWindowState();
    ControlDispatch::FocusWindow(this);
  } else {
    // A result already chosen (the button that closed the window) stays.
    if (modalLoop_ && modalResult_ == mrNone) SetModalResult(mrCancel);
    widget->hide();
    if (!showing_) return;
    showing_ = false;
    GuardedCall([this] { DoHide(); }, this);
  }
}

void TCustomForm::DoShow() {
  if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
  if (OnHide) OnHide(this);
}

TWindowState TCustomForm::WindowState() const {
  ControlHost* widget = HostWidget(this);
  if (!widget || !widget->isVisible()) return windowState_;
  const Qt::WindowStates state = widget->windowState();
  if (state & Qt::WindowMinimized) return wsMinimized;
  if (state & (Qt::WindowMaximized | Qt::WindowFullScreen)) return wsMaximized;
  return wsNormal;
}

void TCustomForm::SetWindowState(TWindowState state) {
  if (state == WindowState() && state == windowState_) return;
  windowState_ = state;
  ControlHost* widget = HostWidget(this);
  if (showing_ && widget && widget->isVisible()) ApplyWindowState();
}

void TCustomForm::ApplyWindowState() {
  ControlHost* widget = HostWidget(this);
  switch (windowState_) {
    case wsNormal:
      widget->showNormal();
      break;
    case wsMaximized:
      widget->showMaximized();
      break;
    case wsMinimized:
      widget->showMinimized();
      break;
  }
}

bool TCustomForm::Active() const {
  ControlHost* widget = HostWidget(this);
  return widget && widget->isVisible() && widget->isActiveWindow();
}

void TCustomForm::Activate() {
  if (OnActivate) OnActivate(this);
}

void TCustomForm::Deactivate() {
  if (OnDeactivate) OnDeactivate(this);
}

// --- Focus

void TCustomForm::SetActiveControl(TWinControl* control) {
  if (control == activeControl_) return;
  if (control &&
      (control == this || GetParentForm(control) != this || (!Loading() && !control->CanFocus())))
    throw Exception("Cannot focus a disabled or invisible window");
  activeControl_ = control;
  ControlHost* widget = HostWidget(this);
  if (!Loading() && control && widget && widget->isVisible())
    HostWidget(control)->setFocus(Qt::OtherFocusReason);
}

bool TCustomForm::DialogKey(TKey key, TShiftState shift) {
  if (key == VK_TAB && !(shift & (ssAlt | ssCtrl))) {
    SelectNext(activeControl_, !(shift & ssShift));
    return true;
  }
  return TWinControl::DialogKey(key, shift);
}

void TCustomForm::FocusChanged(TWinControl* focused) {
  TWinControl::FocusChanged(focused);
}

void TCustomForm::SelectNext(TWinControl* current, bool forward) {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  const int n = static_cast<int>(list.size());
  if (n == 0) return;
  int start = -1;
  for (int i = 0; i < n; ++i)
    if (list[static_cast<std::size_t>(i)] == current) start = i;
  if (start < 0) start = forward ? n - 1 : 0;
  for (int step = 1; step <= n; ++step) {
    const int index = ((start + (forward ? step : -step)) % n + n) % n;
    TWinControl* c = list[static_cast<std::size_t>(index)];
    if (c->TabStop() && c->CanFocus()) {
      c->SetFocus();
      return;
    }
  }
}

// --- Modal showing and closing

void TCustomForm::SetModalResult(TModalResult result) {
  modalResult_ = result;
  if (modalLoop_ && result != mrNone) modalLoop_->Wake();
}

TModalResult TCustomForm::ShowModal() {
  if (Visible() || !Enabled() || modalLoop_) throw Exception("Cannot make a visible window modal");
  Application->CancelHint();
  ReleaseCapture();
  ControlHost* widget = HostWidget(this);
  widget->setWindowModality(Qt::ApplicationModal);
  modalResult_ = mrNone;
  ModalLoop modal;
  modalLoop_ = &modal;
  EventLoopRegistration registration(&modal.loop);
  Show();
  for (;;) {
    if (Application->Terminated()) {
      modalResult_ = mrCancel;
      break;
    }
    if (modalResult_ != mrNone) {
      CloseModal();
      if (modalResult_ != mrNone) break;
      continue;
    }
    if (!widget->isVisible() && !Visible()) {
      modalResult_ = mrCancel;
      break;
    }
    modal.loop.exec();
  }
  modalLoop_ = nullptr;
  Hide();
  widget->setWindowModality(Qt::NonModal);
  return modalResult_;
}

void TCustomForm::CloseModal() {
  TCloseAction action = caNone;
  bool canClose = false;
  GuardedCall([&] { canClose = CloseQuery(); }, this);
  if (canClose) {
    action = caHide;
    GuardedCall([&] { DoClose(action); }, this);
  }
  if (action == caNone) modalResult_ = mrNone;
  if (action == caFree) Release();
}

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::DoClose(TCloseAction& action) {
  if (OnClose) OnClose(this, action);
}

void TCustomForm::Close() {
  if (modalLoop_) {
    SetModalResult(mrCancel);
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  DoClose(action);
  if (action == caNone) return;
  if (Application->MainForm() == this) {
    // Closing the main form ends the program; the window goes at once.
    Application->Terminate();
    if (ControlHost* widget = HostWidget(this)) widget->hide();
    return;
  }
  switch (action) {
    case caHide:
      Hide();
      break;
    case caMinimize:
      SetWindowState(wsMinimized);
      break;
    case caFree:
      Release();
      break;
    default:
      break;
  }
}

void TCustomForm::Release() {
  QTimer::singleShot(0, qApp, [self = TComponentRef<TCustomForm>(this)] {
    TCustomForm* form = self.Get();
    if (!form) return;
    form->BeforeDestruction();
    delete form;
  });
}

// --- Dragging the window

void TCustomForm::StartWindowDrag() {
  ReleaseCapture();
  Application->CancelHint();
  ControlHost* widget = HostWidget(this);
  if (!widget || !widget->isVisible()) return;
  if (QWindow* window = widget->windowHandle(); window && window->startSystemMove()) return;
  g_drag.form = this;
  g_drag.startCursor = Screen->CursorPos();
  g_drag.startPos = Point(Left(), Top());
}

bool TCustomForm::Dragging() const {
  return g_drag.form == this;
}

bool ControlDispatch::TrackManualDrag(TPoint globalPos, bool released) {
  TCustomForm* form = g_drag.form;
  if (!form) return false;
  if (released) {
    g_drag.form = nullptr;
    return true;
  }
  form->SetBounds(g_drag.startPos.X + globalPos.X - g_drag.startCursor.X,
                  g_drag.startPos.Y + globalPos.Y - g_drag.startCursor.Y, form->Width(),
                  form->Height());
  return true;
}

// --- Window-system events

void ControlDispatch::TopLevelGeometryChanged(TWinControl* control, int left, int top, int width,
                                              int height) {
  if (control->BoundsRect() == Bounds(left, top, width, height)) return;
  control->SetBounds(left, top, width, height);
}

void ControlDispatch::CloseRequested(TCustomForm* form) {
  GuardedCall([form] { form->Close(); }, form);
}

void ControlDispatch::WindowStateChanged(TCustomForm* form) {
  ControlHost* widget = HostWidget(form);
  if (!widget || !widget->isVisible()) return;
  form->windowState_ = form->WindowState();
}

void ControlDispatch::ActivationChanged(TCustomForm* form, bool active) {
  if (active) {
    const TComponentRef<TCustomForm> self(form);
    GuardedCall([form] { form->Activate(); }, form);
    if (!self.Alive()) return;
    TWinControl* focus = form->activeControl_;
    if (focus && focus->CanFocus() && !focus->Focused())
      HostWidget(focus)->setFocus(Qt::ActiveWindowFocusReason);
  } else {
    GuardedCall([form] { form->Deactivate(); }, form);
  }
}

// --- Animation

namespace {
bool g_animationsEnabled = true;
}

void SetAnimationsEnabled(bool enabled) {
  g_animationsEnabled = enabled;
}

bool AnimationsEnabled() {
  return g_animationsEnabled;
}

bool AnimateWindow(TCustomForm* form, int durationMs, unsigned flags) {
  ControlHost* widget = HostWidget(form);
  if (!widget) return false;
  const bool hide = (flags & AW_HIDE) != 0;
  if (!hide && !form->Visible()) {
    if (!TCustomForm::ShowForAnimation(form)) return false;
    // OnShow may have animated the window into view itself.
    if (widget->isVisible()) return true;
  }
  if (hide != widget->isVisible()) return false;  // nothing to show or hide
  auto finish = [&] {
    if (hide) {
      widget->hide();
    } else {
      widget->show();
      if (flags & AW_ACTIVATE) {
        RaiseWindow(widget);
        widget->activateWindow();
      }
    }
  };
  if (!g_animationsEnabled || !(flags & AW_CENTER) || durationMs <= 0) {
    finish();
    if (hide && form->Visible()) form->SetVisible(false);
    return true;
  }
  // The visible part of the window is a rectangle about its centre that grows from nothing to
  // the whole window (or shrinks back), drawn through the window mask.
  TWinControl::Host& host = form->host();
  const int w = form->Width();
  const int h = form->Height();
  auto clipAt = [&](double fraction) {
    const int cw = std::max(1, static_cast<int>(w * fraction));
    const int ch = std::max(1, static_cast<int>(h * fraction));
    host.animationClip = Bounds((w - cw) / 2, (h - ch) / 2, cw, ch);
    host.ApplyMask();
  };
  clipAt(hide ? 1.0 : 0.0);
  if (!hide) {
    widget->show();
    if (flags & AW_ACTIVATE) widget->activateWindow();
  }
  QPointer<ControlHost> guard(widget);
  QEventLoop loop;
  EventLoopRegistration registration(&loop);
  QElapsedTimer clock;
  clock.start();
  QTimer frames;
  QObject::connect(&frames, &QTimer::timeout, [&] {
    if (!guard) {
      loop.exit();
      return;
    }
    const double t = std::min(1.0, clock.elapsed() / static_cast<double>(durationMs));
    clipAt(hide ? 1.0 - t : t);
    widget->repaint();
    if (t >= 1.0) loop.exit();
  });
  frames.start(15);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  if (!guard) return false;
  host.animationClip.reset();
  host.ApplyMask();
  finish();
  // The form reads hidden (OnHide fires) so that a later Show shows it again.
  if (hide && form->Visible()) form->SetVisible(false);
  return true;
}

bool TCustomForm::ShowForAnimation(TCustomForm* form) {
  const TComponentRef<TCustomForm> self(form);
  form->animatingIn_ = true;
  form->SetVisible(true);
  if (!self.Alive()) return false;
  form->animatingIn_ = false;
  return form->Visible();
}
