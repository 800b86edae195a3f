// The control tree every window is made of.
//
//  - TControl: bounds within the parent, alignment, visibility, enabled state, colour and font
//    (inherited from the parent while ParentColor / ParentFont are on), caption, hint, cursor,
//    popup menu, mouse and key events, and the notifications as virtual hooks.
//  - TWinControl: a control with its own window (a small native widget that forwards input to
//    the hooks); it holds child controls and lays out the aligned ones, takes the keyboard focus
//    and runs numbered timers.
//  - TCustomControl: a windowed control that paints itself through Paint() on Canvas().
//  - TGraphicControl: a control without a window (labels, images), painted by its parent into
//    the parent's surface.
//
// Painting: a windowed control composes its face in an off-screen bitmap of its own size (its
// surface): the background in Color unless the control is opaque, then Paint(), then its
// graphic children; the surface is copied to the screen in one operation. Invalidate() asks
// for that to happen later, Repaint() does it now.
//
// Properties are Get/Set pairs named like the program's properties (Color() / SetColor());
// setters ignore equal values. While the component is loading (TComponent::Loading), setters
// only store: no repaint, no alignment, no change hooks; Loaded() brings everything up to date.
//
// Every call from the window system into the hooks is guarded: an exception thrown by a
// handler goes to Application->HandleException and never back into the event loop.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/core/Component.h"
#include "platform/core/Types.h"
#include "platform/framework/ControlTypes.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/Font.h"

class TBitmap;
class TCanvas;
class TCustomForm;
class TPopupMenuBase;
class TRegion;
class TWinControl;
struct ControlDispatch;

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner = nullptr);
  ~TControl() override;
  std::string ClassName() const override { return "TControl"; }

  // --- Place in the tree.
  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);
  bool HasParent() const { return parent_ != nullptr; }

  // --- Bounds, in the parent's client coordinates (a form's are screen coordinates).
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
  void SetTop(int top) { SetBounds(left_, top, width_, height_); }
  void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
  void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
  virtual void SetBounds(int left, int top, int width, int height);
  TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
  void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
  // The area children and painting use, in the control's own coordinates; a click counts when
  // the button goes up inside it. A control may override it (to leave out a border).
  virtual TRect ClientRect() const { return Rect(0, 0, width_, height_); }
  // The client rectangle's right and bottom edges, as the classic library defines them: with an
  // overridden ClientRect of (2, 2, w - 2, h - 2) ClientWidth is w - 2, not w - 4.
  int ClientWidth() const { return ClientRect().Right; }
  int ClientHeight() const { return ClientRect().Bottom; }
  void SetClientWidth(int width);
  void SetClientHeight(int height);
  // Screen position of the client area's top-left corner.
  virtual TPoint ClientOrigin() const;
  TPoint ClientToScreen(TPoint p) const;
  TPoint ScreenToClient(TPoint p) const;

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);
  TAnchors Anchors() const { return anchors_; }
  void SetAnchors(TAnchors anchors) { anchors_ = anchors; }

  // --- State.
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  virtual void Show();
  void Hide() { SetVisible(false); }
  // Visible, and every parent up to a shown window is too.
  virtual bool Showing() const;
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  // --- Look.
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool value);
  // The control's own font object: changes made through it reach FontChanged.
  TFont& Font() { return *font_; }
  const TFont& Font() const { return *font_; }
  void SetFont(const TFont& font);  // copies; switches ParentFont off when it differs
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool value);
  // Caption and Text are one string under two names, as in the classic library.
  const std::string& Caption() const { return text_; }
  void SetCaption(const std::string& caption) { SetText(caption); }
  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor);

  // --- Hints: "short|long"; the short part shows in the hint window, the long part becomes
  // Application->Hint while the mouse is over the control.
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint) { hint_ = hint; }
  // With ParentShowHint on, the parent's ShowHint counts.
  bool ShowHint() const;
  void SetShowHint(bool value);
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool value) { parentShowHint_ = value; }

  TPopupMenuBase* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenuBase* menu) { popupMenu_ = menu; }

  TControlStyle ControlStyle() const { return controlStyle_; }
  void SetControlStyle(TControlStyle style) { controlStyle_ = style; }

  // --- Painting. The face comes from Paint only (see TCustomControl::Canvas).
  // Asks for a paint at the next chance (several requests make one paint).
  virtual void Invalidate();
  // Repaint now: composes the face through Paint and puts it on the screen before returning.
  virtual void Repaint();
  // Paints what is pending now (the window's invalid area).
  virtual void Update();
  // Composes the control's face (background, Paint, graphic children) into bitmap, which is
  // resized to the control's size. What the screen would show, without needing a screen.
  virtual void PaintTo(TBitmap& bitmap);

  // --- Mouse.
  // True while a mouse button is held on this control (moves keep coming to it).
  bool MouseCapture() const;
  void SetMouseCapture(bool value);
  // Z-order among the parent's children (windowed ones always stay above graphic ones).
  void BringToFront();
  void SendToBack();

  // The control's own form (the top of its parent chain when that is a form), or nullptr.
  TCustomForm* ParentForm() const;

  // Runs the click action as a user click would (fires OnClick).
  virtual void Click();

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TNotifyEvent OnResize;

  // --- Input hooks (the platform calls them with the mouse in client coordinates); the base
  // versions fire the events. Public so that any code may send them, as the classic Perform.
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void DblClick();
  // A right click: opens the PopupMenu of the control or of its nearest parent that has one,
  // at screen point pos.
  virtual void ContextPopup(TPoint screenPos);

  // --- Notifications (the classic CM_ messages). Override and call the base version to keep
  // the standard behaviour.
  virtual void MouseEnter() {}
  virtual void MouseLeave() {}
  virtual void EnabledChanged();      // default: Invalidate
  virtual void ColorChanged();        // default: Invalidate (+ children's ParentColorChanged)
  virtual void ParentColorChanged();  // default: take the parent's colour when ParentColor
  virtual void FontChanged();         // default: Invalidate (+ children's ParentFontChanged)
  virtual void ParentFontChanged();   // default: take the parent's font when ParentFont
  virtual void TextChanged();         // default: Invalidate
  virtual void VisibleChanged() {}
  // An accelerator character the focused control left to the window ("&File" and "f"); a
  // windowed control offers it to its children. Return true when handled.
  virtual bool DialogChar(char32_t key, TShiftState shift);
  // Enter, Escape, Tab or an arrow that the focused control does not use; offered like
  // DialogChar. True when handled.
  virtual bool DialogKey(TKey key, TShiftState shift);
  // The focused control of the window changed (focused may be nullptr); a windowed control
  // passes it on to its children.
  virtual void FocusChanged(TWinControl* focused);
  // The size changed, or a window got its first size (fires OnResize).
  virtual void Resize();
  // The face; Canvas() of the concrete classes draws on the surface here.
  virtual void Paint() {}

 protected:
  friend struct ControlDispatch;
  friend class TWinControl;

  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

  // Asks the parent to lay out its aligned children again.
  void RequestAlign();
  // Where the control draws during Paint: the parent's surface for a graphic control, the own
  // surface for a windowed one. nullptr outside painting.
  TCanvas* PaintCanvas() const { return paintCanvas_; }

  // Sets bounds without asking the parent to realign (the parent's alignment uses it).
  void SetBoundsFromAlign(const TRect& r);
  // Bounds changed (windowed controls move their widget; hooks run unless loading).
  virtual void BoundsChanged(bool moved, bool resized);
  // Visible or Enabled changed: windowed controls update their widget at once.
  virtual void UpdateShowing() {}
  virtual void UpdateEnabled() {}
  // Paints the control on canvas (a surface of the control's size).
  virtual void PaintWithCanvas(TCanvas& canvas);

  TCanvas* paintCanvas_ = nullptr;

 private:
  void FontObjectChanged();

  TWinControl* parent_ = nullptr;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  TAlign align_ = alNone;
  TAnchors anchors_ = akLeft | akTop;
  bool visible_ = true;
  bool enabled_ = true;
  TColor color_ = clBtnFace;
  bool parentColor_ = false;
  std::unique_ptr<TFont> font_;
  bool parentFont_ = true;
  bool settingParentFont_ = false;
  std::string text_;
  std::string hint_;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  TCursor cursor_ = crDefault;
  TPopupMenuBase* popupMenu_ = nullptr;
  TControlStyle controlStyle_ = csCaptureMouse | csClickEvents | csDoubleClicks;
};

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner = nullptr);
  ~TWinControl() override;
  std::string ClassName() const override { return "TWinControl"; }

  void SetParent(TWinControl* parent) override;

  // --- Children (windowed and graphic, in z-order: the last is on top).
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_[static_cast<std::size_t>(index)]; }
  // The topmost visible child under the point (client coordinates); disabled children only
  // when allowDisabled, windowed children only when allowWinControls.
  TControl* ControlAtPos(TPoint p, bool allowDisabled, bool allowWinControls = false) const;
  // True when control is this control or one of its descendants.
  bool ContainsControl(const TControl* control) const;

  // --- Alignment.
  // Lays out the aligned children now.
  void Realign();
  // Between DisableAlign and EnableAlign no layout runs; EnableAlign lays out once.
  void DisableAlign();
  void EnableAlign();

  // --- Keyboard focus and tab order.
  int TabOrder() const;
  void SetTabOrder(int order);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool value) { tabStop_ = value; }
  bool Focused() const;
  virtual bool CanFocus() const;
  virtual void SetFocus();

  // --- Numbered timers: every interval, WMTimer(id) runs. Setting an id again restarts it.
  void SetTimer(int id, int intervalMs);
  void KillTimer(int id);
  bool TimerActive(int id) const;

  // --- Window region: only the region's pixels show and take the mouse (SetWindowRgn).
  void SetWindowRgn(const TRegion& region, bool redraw = true);
  void ClearWindowRgn();
  bool HasWindowRgn() const;

  // True once the native window has been prepared (CreateWnd has run).
  bool HandleAllocated() const { return handleCreated_; }
  // Prepares the window now if it is not yet (runs CreateWnd once).
  void HandleNeeded();
  // Runs CreateWnd again, as the classic library does when a window style changes.
  void RecreateWnd();

  void Invalidate() override;
  void Repaint() override;
  void Update() override;
  bool Showing() const override;
  void PaintTo(TBitmap& bitmap) override;

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;

  // --- Key hooks (fire the events), focus hooks (OnEnter / OnExit), timers.
  virtual void KeyDown(TKey& key, TShiftState shift);
  virtual void KeyUp(TKey& key, TShiftState shift);
  virtual void KeyPress(char32_t& key);
  virtual void DoEnter();
  virtual void DoExit();
  // A numbered timer (SetTimer) ticked.
  virtual void WMTimer(int id) { (void)id; }

  // Offered to every visible child (see TControl).
  bool DialogChar(char32_t key, TShiftState shift) override;
  bool DialogKey(TKey key, TShiftState shift) override;
  void FocusChanged(TWinControl* focused) override;

  // Which keys the control uses itself; the rest go to the window as DialogKey / DialogChar.
  enum TDialogCodeBits : unsigned {
    dcWantArrows = 0x01,
    dcWantTab = 0x02,
    dcWantAllKeys = 0x04,  // Enter and Escape
    dcWantChars = 0x08,
  };
  virtual unsigned DialogCodes() const { return 0; }
  // Windowed descendants that take Tab (visible, enabled, TabStop), in tab order.
  void GetTabOrderList(std::vector<TWinControl*>& list) const;
  // A top-level window (form, hint window): bounds are screen coordinates.
  virtual bool IsTopLevelWindow() const { return false; }

  // Internal to the platform layer: the native widget (a ControlHost, see ControlHost.h).
  struct Host;
  Host& host() const { return *host_; }

 protected:
  friend struct ControlDispatch;
  friend class TControl;

  // Shrinks rect (the client rectangle) to the area aligned children share.
  virtual void AdjustClientRect(TRect& rect) const { (void)rect; }
  // Lays out the aligned children in rect: top, bottom, left, right, client. control is the
  // child whose change asked for the layout (it goes first among equals), or nullptr.
  virtual void AlignControls(TControl* control, TRect& rect);
  // Runs when the window is first prepared (before it is first shown) and on RecreateWnd:
  // the place to set a window region.
  virtual void CreateWnd() {}

  void ColorChanged() override;
  void FontChanged() override;
  void BoundsChanged(bool moved, bool resized) override;
  void UpdateShowing() override;
  void UpdateEnabled() override;
  void Loaded() override;
  // Paints the background (unless csOpaque), Paint() and the graphic children into surface.
  void PaintSurface(TBitmap& surface);

 private:
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  void PaintGraphicChildren(TBitmap& surface);
  void AlignOne(TAlign align, TControl* control, TRect& rect);
  // A child changed in a way that needs the aligned children laid out again.
  void DoAlignFor(TControl* control);
  void MoveChild(TControl* control, bool toFront);

  std::vector<TControl*> controls_;
  std::vector<TWinControl*> tabList_;  // windowed children in tab order
  std::unique_ptr<Host> host_;
  bool tabStop_ = false;
  int tabOrder_ = -1;
  bool handleCreated_ = false;
  bool destroying_ = false;
  int alignLevel_ = 0;
  bool aligning_ = false;
  bool alignPending_ = false;
};

// A windowed control that paints itself: Paint() draws on Canvas(), the control's surface.
class TCustomControl : public TWinControl {
 public:
  using TWinControl::TWinControl;
  std::string ClassName() const override { return "TCustomControl"; }

  // During Paint: the surface the face is composed on, with the control's font and its colour
  // as the brush. Outside Paint: the same surface, good for measuring; what is drawn there is
  // replaced by the next paint, which composes the face from Paint alone. To change what the
  // control shows, change its state and call Invalidate (painted later) or Repaint (now).
  TCanvas& Canvas();
};

// A control without a window: its parent paints it into the parent's surface and routes the
// mouse to it.
class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* owner = nullptr);
  ~TGraphicControl() override;
  std::string ClassName() const override { return "TGraphicControl"; }

  // During Paint: a canvas on a bitmap of the control's size holding what the parent painted
  // beneath it. Otherwise a canvas for measuring.
  TCanvas& Canvas();

 private:
  std::unique_ptr<TCanvas> measureCanvas_;
};

// The form that holds control, or nullptr.
TCustomForm* GetParentForm(const TControl* control);
