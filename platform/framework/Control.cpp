#include "platform/framework/Control.h"

#include <algorithm>

#include "platform/framework/Application.h"
#include "platform/framework/Form.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/menus/PopupMenuBase.h"
#include "platform/qt/ControlDispatch.h"
#include "platform/qt/ControlHost.h"

// ---------------------------------------------------------------------------------------------
// TControl

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>()) {
  font_->OnChange = [this](TFont&) { FontObjectChanged(); };
}

TControl::~TControl() {
  BeginDestroy();
  font_->OnChange = nullptr;
  if (parent_) parent_->RemoveControl(this);
  Application->ControlDestroying(this);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent_) parent_->RemoveControl(this);
  if (parent) parent->InsertControl(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  width = std::max(0, width);
  height = std::max(0, height);
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  const TRect old = BoundsRect();
  const bool moved = left != left_ || top != top_;
  const bool resized = width != width_ || height != height_;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (!Loading() && parent_ && !dynamic_cast<TWinControl*>(this) && visible_) {
    // A graphic control lives in its parent's surface: both places need painting.
    parent_->host().widget->update(old.Left, old.Top, old.Width(), old.Height());
    Invalidate();
  }
  BoundsChanged(moved, resized);
  if (!Loading()) RequestAlign();
}

void TControl::SetBoundsFromAlign(const TRect& r) {
  const TRect old = BoundsRect();
  const int width = std::max(0, r.Width());
  const int height = std::max(0, r.Height());
  if (old == Bounds(r.Left, r.Top, width, height)) return;
  const bool moved = r.Left != left_ || r.Top != top_;
  const bool resized = width != width_ || height != height_;
  left_ = r.Left;
  top_ = r.Top;
  width_ = width;
  height_ = height;
  if (!Loading() && parent_ && !dynamic_cast<TWinControl*>(this) && visible_) {
    parent_->host().widget->update(old.Left, old.Top, old.Width(), old.Height());
    Invalidate();
  }
  BoundsChanged(moved, resized);
}

void TControl::BoundsChanged(bool, bool resized) {
  if (resized && !Loading()) GuardedCall([this] { Resize(); }, this);
}

void TControl::SetClientWidth(int width) {
  SetWidth(width + (width_ - ClientWidth()));
}

void TControl::SetClientHeight(int height) {
  SetHeight(height + (height_ - ClientHeight()));
}

TPoint TControl::ClientOrigin() const {
  if (!parent_) return {left_, top_};
  const TPoint p = parent_->ClientOrigin();
  return {p.X + left_, p.Y + top_};
}

TPoint TControl::ClientToScreen(TPoint p) const {
  const TPoint o = ClientOrigin();
  return {p.X + o.X, p.Y + o.Y};
}

TPoint TControl::ScreenToClient(TPoint p) const {
  const TPoint o = ClientOrigin();
  return {p.X - o.X, p.Y - o.Y};
}

void TControl::SetAlign(TAlign align) {
  if (align == align_) return;
  align_ = align;
  if (!Loading()) RequestAlign();
}

void TControl::RequestAlign() {
  if (parent_ && align_ != alNone) parent_->DoAlignFor(this);
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  if (Loading()) return;
  GuardedCall([this] { VisibleChanged(); }, this);
  UpdateShowing();
  if (parent_) {
    if (!dynamic_cast<TWinControl*>(this))
      parent_->host().widget->update(left_, top_, width_, height_);
    if (align_ != alNone) parent_->DoAlignFor(this);
  }
}

void TControl::Show() {
  SetVisible(true);
}

bool TControl::Showing() const {
  return visible_ && parent_ && parent_->Showing();
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  UpdateEnabled();
  if (!Loading()) GuardedCall([this] { EnabledChanged(); }, this);
}

void TControl::EnabledChanged() {
  Invalidate();
}

void TControl::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  parentColor_ = false;
  if (!Loading()) ColorChanged();
}

void TControl::SetParentColor(bool value) {
  if (value == parentColor_) return;
  parentColor_ = value;
  if (value && parent_ && !Loading()) ParentColorChanged();
}

void TControl::ColorChanged() {
  Invalidate();
}

void TControl::ParentColorChanged() {
  if (!parentColor_ || !parent_) return;
  SetColor(parent_->Color());
  parentColor_ = true;
}

void TControl::SetFont(const TFont& font) {
  font_->Assign(font);
}

void TControl::FontObjectChanged() {
  if (!settingParentFont_) parentFont_ = false;
  if (!Loading()) FontChanged();
}

void TControl::SetParentFont(bool value) {
  if (value == parentFont_) return;
  parentFont_ = value;
  if (value && parent_ && !Loading()) ParentFontChanged();
}

void TControl::FontChanged() {
  Invalidate();
}

void TControl::ParentFontChanged() {
  if (!parentFont_ || !parent_) return;
  settingParentFont_ = true;
  font_->Assign(parent_->Font());
  settingParentFont_ = false;
}

void TControl::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  if (!Loading()) TextChanged();
}

void TControl::TextChanged() {
  Invalidate();
}

void TControl::SetCursor(TCursor cursor) {
  if (cursor == cursor_) return;
  cursor_ = cursor;
  if (auto* w = dynamic_cast<TWinControl*>(this)) ControlDispatch::ApplyCursor(w, cursor);
}

bool TControl::ShowHint() const {
  if (parentShowHint_ && parent_) return parent_->ShowHint();
  return showHint_;
}

void TControl::SetShowHint(bool value) {
  parentShowHint_ = false;
  showHint_ = value;
}

void TControl::Invalidate() {
  if (Loading() || !parent_ || !visible_) return;
  parent_->host().widget->update(left_, top_, width_, height_);
}

void TControl::Repaint() {
  if (Loading() || !parent_ || !visible_) return;
  parent_->host().widget->repaint(left_, top_, width_, height_);
}

void TControl::Update() {
  if (parent_) parent_->Update();
}

void TControl::PaintTo(TBitmap& bitmap) {
  bitmap.SetSize(width_, height_);
  TCanvas& canvas = bitmap.Canvas();
  canvas.ResetClip();
  canvas.Brush().SetColor(color_);
  canvas.FillRect(Rect(0, 0, width_, height_));
  PaintWithCanvas(canvas);
}

void TControl::PaintWithCanvas(TCanvas& canvas) {
  canvas.SetFont(*font_);
  canvas.Brush().SetColor(color_);
  paintCanvas_ = &canvas;
  GuardedCall([this] { Paint(); }, this);
  paintCanvas_ = nullptr;
}

bool TControl::MouseCapture() const {
  return Application->CaptureControl() == this;
}

void TControl::SetMouseCapture(bool value) {
  if (value == MouseCapture()) return;
  ControlDispatch::SetCapture(this, value);
}

void TControl::BringToFront() {
  if (parent_) parent_->MoveChild(this, true);
}

void TControl::SendToBack() {
  if (parent_) parent_->MoveChild(this, false);
}

TCustomForm* TControl::ParentForm() const {
  return GetParentForm(this);
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::ContextPopup(TPoint screenPos) {
  for (const TControl* c = this; c; c = c->parent_) {
    if (!c->popupMenu_) continue;
    if (!c->popupMenu_->AutoPopup()) return;
    c->popupMenu_->SetPopupComponent(const_cast<TControl*>(c));
    c->popupMenu_->Popup(screenPos.X, screenPos.Y);
    return;
  }
}

bool TControl::DialogChar(char32_t, TShiftState) {
  return false;
}

bool TControl::DialogKey(TKey, TShiftState) {
  return false;
}

void TControl::FocusChanged(TWinControl*) {}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

void TControl::Loaded() {
  TComponent::Loaded();
  if (!parent_) return;
  ParentColorChanged();
  ParentFontChanged();
  Invalidate();
}

void TControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == popupMenu_) popupMenu_ = nullptr;
}

TCustomForm* GetParentForm(const TControl* control) {
  const TControl* c = control;
  while (c && c->Parent()) c = c->Parent();
  return const_cast<TCustomForm*>(dynamic_cast<const TCustomForm*>(c));
}

// ---------------------------------------------------------------------------------------------
// TGraphicControl

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

TGraphicControl::~TGraphicControl() = default;

TCanvas& TGraphicControl::Canvas() {
  if (paintCanvas_) return *paintCanvas_;
  if (!measureCanvas_) measureCanvas_ = std::make_unique<TCanvas>();
  measureCanvas_->SetFont(Font());
  return *measureCanvas_;
}

// ---------------------------------------------------------------------------------------------
// TCustomControl

TCanvas& TCustomControl::Canvas() {
  if (paintCanvas_) return *paintCanvas_;
  return host().surface.Canvas();
}
