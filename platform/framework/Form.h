// Top-level windows. A form is a windowed control whose bounds are screen coordinates; it can be
// borderless and stay on top, shown modeless (Show) or modal (ShowModal, ended by a modal
// result), closed through OnCloseQuery / OnClose (closing the main form ends the program),
// maximised or minimised, centred, shaped by a window region, dragged by the window system's
// move request, and animated in and out (AnimateWindow).
#pragma once

#include <memory>
#include <string>

#include "platform/framework/Control.h"

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TPosition {
  poDesigned,
  poDefault,
  poDefaultPosOnly,
  poDefaultSizeOnly,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter
};
enum TCloseAction { caNone, caHide, caFree, caMinimize };

using TCloseEvent = std::function<void(TComponent* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TComponent* sender, bool& canClose)>;

class TCustomForm : public TWinControl {
 public:
  explicit TCustomForm(TComponent* owner = nullptr);
  ~TCustomForm() override;
  std::string ClassName() const override { return "TCustomForm"; }

  // Fires OnCreate. Application->CreateForm calls it once the form is fully constructed (the
  // derived class's constructor has built the controls); code creating a form itself calls it.
  void AfterConstruction();

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle style);
  TFormStyle FormStyle() const { return formStyle_; }
  void SetFormStyle(TFormStyle style);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position) { position_ = position; }
  TWindowState WindowState() const;
  void SetWindowState(TWindowState state);
  // Keys reach the form's OnKeyDown / OnKeyPress / OnKeyUp before the focused control's.
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool value) { keyPreview_ = value; }

  // The control that has (or gets, when the form is activated) the keyboard focus.
  TWinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* control);
  // The form is the window system's active window.
  bool Active() const;

  void Show() override;
  // Shows the form modal and runs a message loop until ModalResult becomes non-zero (a button's
  // ModalResult, Close, or the program's end, which gives mrCancel); returns the result.
  TModalResult ShowModal();
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult result);
  bool Modal() const { return modalLoop_ != nullptr; }
  // A modal form ends its loop with mrCancel; otherwise OnCloseQuery may refuse, OnClose picks
  // the action: the main form ends the program, others hide (or free, or minimise).
  void Close();
  virtual bool CloseQuery();
  // Frees the form once control is back in the message loop.
  void Release();
  // Centres the form on the screen: ((screen width - width) div 2, (screen height - height)
  // div 2).
  void CenterOnScreen();
  // Moves the window with the mouse until the button is released: the window system's move
  // request when it has one, else the form follows the mouse itself.
  void StartWindowDrag();
  bool Dragging() const;

  TCanvas& Canvas();
  bool IsTopLevelWindow() const override { return true; }
  // Tab moves the focus; other dialog keys are offered to the controls.
  bool DialogKey(TKey key, TShiftState shift) override;
  void FocusChanged(TWinControl* focused) override;
  // Fires OnDestroy. Application->Finalize calls it before freeing its forms, while the
  // derived form is still whole; code freeing a form itself may call it first.
  void BeforeDestruction();

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnPaint;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

 protected:
  friend struct ControlDispatch;
  virtual void DoShow();
  virtual void DoHide();
  virtual void DoClose(TCloseAction& action);
  virtual void Activate();
  virtual void Deactivate();
  void Paint() override;
  void TextChanged() override;
  void Loaded() override;
  void BoundsChanged(bool moved, bool resized) override;
  void UpdateShowing() override;
  // Moves the focus to the next (or previous) control that takes Tab, after current.
  void SelectNext(TWinControl* current, bool forward);

 private:
  friend class TApplication;
  void ApplyWindowFlags();
  void ApplyWindowState();
  void CloseModal();
  // AnimateWindow showing a hidden form: Visible turns on and OnShow runs as for Show, but the
  // window stays hidden for the animation to bring in. False when the form went meanwhile.
  static bool ShowForAnimation(TCustomForm* form);
  friend bool AnimateWindow(TCustomForm* form, int durationMs, unsigned flags);

  TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
  TFormStyle formStyle_ = fsNormal;
  TPosition position_ = poDesigned;
  TWindowState windowState_ = wsNormal;
  bool keyPreview_ = false;
  TWinControl* activeControl_ = nullptr;
  TModalResult modalResult_ = mrNone;
  struct ModalLoop;
  ModalLoop* modalLoop_ = nullptr;
  bool showing_ = false;  // shown through Visible (OnShow ran, OnHide has not yet)
  bool destroyFired_ = false;
  bool animatingIn_ = false;
};

class TForm : public TCustomForm {
 public:
  using TCustomForm::TCustomForm;
  std::string ClassName() const override { return "TForm"; }
};

// The grow/shrink animation of a window (AnimateWindow). Flags as the classic call has them;
// AW_CENTER grows from / shrinks into the centre, AW_HIDE hides, AW_ACTIVATE shows and
// activates. Other kinds show or hide at once. Blocks for the duration while the window
// changes (input to the program's windows waits meanwhile), like the classic call.
// Visible follows: showing a hidden form makes it Visible and fires OnShow first (OnShow may
// animate the window itself); hiding makes it hidden and fires OnHide, so Show shows it again.
enum : unsigned {
  AW_HOR_POSITIVE = 0x1,
  AW_HOR_NEGATIVE = 0x2,
  AW_VER_POSITIVE = 0x4,
  AW_VER_NEGATIVE = 0x8,
  AW_CENTER = 0x10,
  AW_HIDE = 0x10000,
  AW_ACTIVATE = 0x20000,
  AW_SLIDE = 0x40000,
  AW_BLEND = 0x80000,
};
bool AnimateWindow(TCustomForm* form, int durationMs, unsigned flags);
// Process-wide switch: with animations off, AnimateWindow shows or hides at once (tests).
void SetAnimationsEnabled(bool enabled);
bool AnimationsEnabled();
