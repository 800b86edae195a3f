// TWinControl: children, alignment, focus and tab order, timers, window regions, painting.
#include <QGuiApplication>
#include <QTimer>
#include <algorithm>
#include <climits>

#include "platform/core/Exception.h"
#include "platform/framework/Application.h"
#include "platform/framework/Control.h"
#include "platform/framework/Form.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/qt/ControlDispatch.h"
#include "platform/qt/ControlHost.h"
#include "platform/qt/QtBridge.h"

TWinControl::TWinControl(TComponent* owner) : TControl(owner), host_(std::make_unique<Host>()) {
  host_->widget = new ControlHost(this);
}

TWinControl::~TWinControl() {
  destroying_ = true;
  if (host_->widget) host_->widget->DetachControl();
  // Children go with their parent, as in the classic library; each one removes itself from
  // its owner's list on the way.
  while (!controls_.empty()) delete controls_.back();
  for (auto& [id, timer] : host_->timers) {
    timer->stop();
    // A timer handler may be what frees this control.
    if (HostDispatchDepth() > 0) timer.release()->deleteLater();
  }
  host_->timers.clear();
  if (ControlHost* widget = host_->widget) {
    if (HostDispatchDepth() > 0) {
      // An event handler of this widget (or of one inside it) may still be on the stack.
      widget->hide();
      widget->setParent(nullptr);
      widget->deleteLater();
    } else {
      delete widget;
    }
  }
}

void TWinControl::SetParent(TWinControl* parent) {
  if (parent && (parent == this || ContainsControl(parent)))
    throw Exception("A control cannot be its own parent");
  TControl::SetParent(parent);
}

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  control->parent_ = this;
  auto* win = dynamic_cast<TWinControl*>(control);
  if (win) {
    tabList_.push_back(win);
    win->host_->widget->setParent(host_->widget);
    win->host_->widget->setGeometry(win->Left(), win->Top(), win->Width(), win->Height());
    win->UpdateEnabled();
    win->UpdateShowing();
  }
  if (control->Loading()) return;
  GuardedCall([control] {
    control->ParentColorChanged();
    control->ParentFontChanged();
  });
  if (win && !Loading()) win->HandleNeeded();
  control->Invalidate();
  DoAlignFor(control);
}

void TWinControl::RemoveControl(TControl* control) {
  auto* win = dynamic_cast<TWinControl*>(control);
  if (host_->widget) host_->widget->ForgetControl(control);
  if (win) {
    std::erase(tabList_, win);
    if (win->host_->widget) {
      win->host_->widget->hide();
      win->host_->widget->setParent(nullptr);
    }
  }
  std::erase(controls_, control);
  control->parent_ = nullptr;
  if (TCustomForm* form = GetParentForm(this)) ControlDispatch::ForgetFocus(form, control);
  if (destroying_) return;
  if (!win && control->Visible() && host_->widget)
    host_->widget->update(control->Left(), control->Top(), control->Width(), control->Height());
  if (control->Align() != alNone && control->Visible()) Realign();
}

TControl* TWinControl::ControlAtPos(TPoint p, bool allowDisabled, bool allowWinControls) const {
  auto hit = [&](const TControl* c) {
    if (!c->Visible() || (!c->Enabled() && !allowDisabled)) return false;
    if (!c->BoundsRect().Contains(p)) return false;
    if (auto* w = dynamic_cast<const TWinControl*>(c); w && w->host_->region)
      return w->host_->region->Contains(p.X - c->Left(), p.Y - c->Top());
    return true;
  };
  // Windowed children always sit above the graphic ones.
  if (allowWinControls)
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
      if (dynamic_cast<TWinControl*>(*it) && hit(*it)) return *it;
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
    if (!dynamic_cast<TWinControl*>(*it) && hit(*it)) return *it;
  return nullptr;
}

bool TWinControl::ContainsControl(const TControl* control) const {
  for (const TControl* c = control; c; c = c->Parent())
    if (c == this) return true;
  return false;
}

void TWinControl::MoveChild(TControl* control, bool toFront) {
  auto it = std::find(controls_.begin(), controls_.end(), control);
  if (it == controls_.end()) return;
  controls_.erase(it);
  if (toFront)
    controls_.push_back(control);
  else
    controls_.insert(controls_.begin(), control);
  if (auto* win = dynamic_cast<TWinControl*>(control)) {
    if (toFront)
      win->host_->widget->raise();
    else
      win->host_->widget->lower();
  } else {
    control->Invalidate();
  }
}

// --- Alignment

void TWinControl::Realign() {
  DoAlignFor(nullptr);
}

void TWinControl::DisableAlign() {
  ++alignLevel_;
}

void TWinControl::EnableAlign() {
  if (alignLevel_ > 0 && --alignLevel_ == 0 && alignPending_) Realign();
}

void TWinControl::DoAlignFor(TControl* control) {
  if (destroying_) return;
  if (alignLevel_ > 0 || Loading()) {
    alignPending_ = true;
    return;
  }
  // A child that changes while the layout itself moves it needs no second layout.
  if (aligning_) return;
  alignPending_ = false;
  aligning_ = true;
  TRect rect = ClientRect();
  try {
    AlignControls(control, rect);
  } catch (...) {
    aligning_ = false;
    throw;
  }
  aligning_ = false;
}

void TWinControl::AlignControls(TControl* control, TRect& rect) {
  AdjustClientRect(rect);
  for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) AlignOne(align, control, rect);
}

namespace {
// The order in which controls of one alignment stack up: by their current position, so that
// a layout keeps the order the controls were placed in.
bool InsertBefore(const TControl* a, const TControl* b, TAlign align) {
  switch (align) {
    case alTop:
      return a->Top() < b->Top();
    case alBottom:
      return a->Top() + a->Height() > b->Top() + b->Height();
    case alLeft:
      return a->Left() < b->Left();
    case alRight:
      return a->Left() + a->Width() > b->Left() + b->Width();
    default:
      return false;
  }
}
}  // namespace

void TWinControl::AlignOne(TAlign align, TControl* control, TRect& rect) {
  std::vector<TControl*> list;
  if (control && control->Align() == align && control->Visible()) list.push_back(control);
  for (TControl* c : controls_) {
    if (c == control || c->Align() != align || !c->Visible()) continue;
    auto pos = list.begin();
    while (pos != list.end() && !InsertBefore(c, *pos, align)) ++pos;
    list.insert(pos, c);
  }
  for (TControl* c : list) {
    const int w = std::max(0, rect.Width());
    const int h = std::max(0, rect.Height());
    switch (align) {
      case alTop:
        c->SetBoundsFromAlign(Bounds(rect.Left, rect.Top, w, c->Height()));
        rect.Top += c->Height();
        break;
      case alBottom:
        c->SetBoundsFromAlign(Bounds(rect.Left, rect.Bottom - c->Height(), w, c->Height()));
        rect.Bottom -= c->Height();
        break;
      case alLeft:
        c->SetBoundsFromAlign(Bounds(rect.Left, rect.Top, c->Width(), h));
        rect.Left += c->Width();
        break;
      case alRight:
        c->SetBoundsFromAlign(Bounds(rect.Right - c->Width(), rect.Top, c->Width(), h));
        rect.Right -= c->Width();
        break;
      case alClient:
        c->SetBoundsFromAlign(Bounds(rect.Left, rect.Top, w, h));
        break;
      default:
        break;
    }
  }
}

// --- Bounds, showing, enabled

void TWinControl::BoundsChanged(bool, bool resized) {
  // A child widget sits at its place in the parent; a top-level window's place is the screen.
  if (host_->widget && host_->widget->geometry() != QRect(Left(), Top(), Width(), Height()))
    host_->widget->setGeometry(Left(), Top(), Width(), Height());
  if (resized && host_->region) host_->ApplyMask();
  if (!resized || Loading()) return;
  Realign();
  GuardedCall([this] { Resize(); }, this);
}

void TWinControl::UpdateShowing() {
  if (IsTopLevelWindow() || !host_->widget) return;
  host_->widget->setVisible(Visible() && Parent() != nullptr);
}

void TWinControl::UpdateEnabled() {
  if (host_->widget) host_->widget->setEnabled(Enabled());
}

bool TWinControl::Showing() const {
  return host_->widget && host_->widget->isVisible();
}

void TWinControl::Loaded() {
  TControl::Loaded();
  // Tab orders were stored while loading; now they decide the order of the tab list.
  std::stable_sort(tabList_.begin(), tabList_.end(), [](TWinControl* a, TWinControl* b) {
    const int oa = a->tabOrder_ < 0 ? INT_MAX : a->tabOrder_;
    const int ob = b->tabOrder_ < 0 ? INT_MAX : b->tabOrder_;
    return oa < ob;
  });
  UpdateEnabled();
  UpdateShowing();
  alignPending_ = false;
  Realign();
  if (Parent() || IsTopLevelWindow()) HandleNeeded();
}

void TWinControl::HandleNeeded() {
  if (handleCreated_) return;
  handleCreated_ = true;
  GuardedCall([this] { CreateWnd(); }, this);
  GuardedCall([this] { Resize(); }, this);
}

void TWinControl::RecreateWnd() {
  handleCreated_ = true;
  GuardedCall([this] { CreateWnd(); }, this);
  GuardedCall([this] { Resize(); }, this);
}

// --- Notifications passed on to the children

void TWinControl::ColorChanged() {
  TControl::ColorChanged();
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    TControl* c = controls_[i];
    GuardedCall([c] { c->ParentColorChanged(); }, c);
  }
}

void TWinControl::FontChanged() {
  TControl::FontChanged();
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    TControl* c = controls_[i];
    GuardedCall([c] { c->ParentFontChanged(); }, c);
  }
}

// Hidden controls (and everything inside them) take no accelerators and no dialog keys.
bool TWinControl::DialogChar(char32_t key, TShiftState shift) {
  for (std::size_t i = 0; i < controls_.size(); ++i)
    if (controls_[i]->Visible() && controls_[i]->DialogChar(key, shift)) return true;
  return false;
}

bool TWinControl::DialogKey(TKey key, TShiftState shift) {
  for (std::size_t i = 0; i < controls_.size(); ++i)
    if (controls_[i]->Visible() && controls_[i]->DialogKey(key, shift)) return true;
  return false;
}

void TWinControl::FocusChanged(TWinControl* focused) {
  for (std::size_t i = 0; i < controls_.size(); ++i) controls_[i]->FocusChanged(focused);
}

// --- Keys and focus

void TWinControl::KeyDown(TKey& key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyUp(TKey& key, TShiftState shift) {
  if (OnKeyUp) OnKeyUp(this, key, shift);
}

void TWinControl::KeyPress(char32_t& key) {
  if (OnKeyPress) OnKeyPress(this, key);
}

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

int TWinControl::TabOrder() const {
  if (!Parent()) return tabOrder_;
  const auto& list = Parent()->tabList_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  tabOrder_ = order;
  if (!Parent() || Loading()) return;
  auto& list = Parent()->tabList_;
  std::erase(list, this);
  const int at = std::clamp(order, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + at, this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
  for (TWinControl* w : tabList_) {
    list.push_back(w);
    w->GetTabOrderList(list);
  }
}

bool TWinControl::Focused() const {
  return host_->widget && host_->widget->hasFocus();
}

bool TWinControl::CanFocus() const {
  const TCustomForm* form = GetParentForm(this);
  if (!form) return false;
  for (const TControl* c = this; c && c != form; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

void TWinControl::SetFocus() {
  TCustomForm* form = GetParentForm(this);
  if (form && form != this) {
    form->SetActiveControl(this);
    ControlDispatch::FocusWindow(form);
  } else if (form == this) {
    ControlDispatch::FocusWindow(form);
  } else if (host_->widget) {
    host_->widget->setFocus(Qt::OtherFocusReason);
  }
}

// --- Timers

void TWinControl::SetTimer(int id, int intervalMs) {
  auto& timer = host_->timers[id];
  if (!timer) {
    timer = std::make_unique<QTimer>();
    QObject::connect(timer.get(), &QTimer::timeout, [self = TComponentRef<TWinControl>(this), id] {
      if (TWinControl* control = self.Get()) ControlDispatch::TimerTick(control, id);
    });
  }
  // Stopped timers stay in the map: a handler may kill the timer that is calling it.
  timer->start(std::max(1, intervalMs));
}

void TWinControl::KillTimer(int id) {
  auto it = host_->timers.find(id);
  if (it != host_->timers.end()) it->second->stop();
}

bool TWinControl::TimerActive(int id) const {
  auto it = host_->timers.find(id);
  return it != host_->timers.end() && it->second->isActive();
}

// --- Window region

void TWinControl::SetWindowRgn(const TRegion& region, bool redraw) {
  host_->region = region;
  host_->ApplyMask();
  if (redraw) Invalidate();
}

void TWinControl::ClearWindowRgn() {
  host_->region.reset();
  host_->ApplyMask();
}

bool TWinControl::HasWindowRgn() const {
  return host_->region.has_value();
}

QRegion TWinControl::Host::CurrentMask() const {
  if (!widget || (!region && !animationClip)) return QRegion();
  QRegion mask = region ? QtRegion(*region) : QRegion(widget->rect());
  if (animationClip) {
    const TRect& c = *animationClip;
    mask &= QRegion(c.Left, c.Top, c.Width(), c.Height());
  }
  // Qt treats an empty mask as "no mask"; a pixel outside the widget shows nothing instead.
  if (mask.isEmpty()) mask = QRegion(-1, -1, 1, 1);
  return mask;
}

void TWinControl::Host::ApplyMask() {
  if (!widget) return;
  // The headless platform cannot shape windows (and says so on every call).
  static const bool headless = QGuiApplication::platformName() == QLatin1String("offscreen");
  if (headless && widget->isWindow()) return;
  const QRegion mask = CurrentMask();
  if (mask.isEmpty())
    widget->clearMask();
  else
    widget->setMask(mask);
}

// --- Painting

void TWinControl::Invalidate() {
  if (Loading() || !host_->widget) return;
  host_->widget->update();
}

void TWinControl::Repaint() {
  if (Loading() || !host_->widget) return;
  host_->widget->repaint();
}

void TWinControl::Update() {
  if (host_->widget && host_->widget->isVisible()) host_->widget->repaint();
}

void TWinControl::PaintSurface(TBitmap& surface) {
  surface.SetSize(Width(), Height());
  TCanvas& canvas = surface.Canvas();
  canvas.ResetClip();
  canvas.SetPen(TPen());
  if (!(ControlStyle() & csOpaque)) {
    canvas.Brush().SetColor(Color());
    canvas.Brush().SetStyle(bsSolid);
    canvas.FillRect(Rect(0, 0, Width(), Height()));
  }
  PaintWithCanvas(canvas);
  PaintGraphicChildren(surface);
}

void TWinControl::PaintGraphicChildren(TBitmap& surface) {
  const TRect whole = Rect(0, 0, surface.Width(), surface.Height());
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    TControl* c = controls_[i];
    if (dynamic_cast<TWinControl*>(c) || !c->Visible()) continue;
    const TRect area = IntersectRect(c->BoundsRect(), whole);
    if (area.IsEmpty()) continue;
    // The child paints on a bitmap of its own size that starts as what lies beneath it, so
    // that transparent parts show the parent.
    TBitmap face(c->Width(), c->Height());
    const TRect inFace = OffsetRect(area, -c->Left(), -c->Top());
    face.Canvas().CopyRect(inFace, surface.Canvas(), area);
    TCanvas& canvas = face.Canvas();
    canvas.SetPen(TPen());
    canvas.Brush().SetStyle(bsSolid);
    c->PaintWithCanvas(canvas);
    surface.Canvas().CopyRect(area, face.Canvas(), inFace);
  }
}

void TWinControl::PaintTo(TBitmap& bitmap) {
  PaintSurface(bitmap);
  for (TControl* c : controls_) {
    auto* win = dynamic_cast<TWinControl*>(c);
    if (!win || !win->Visible()) continue;
    TBitmap child;
    win->PaintTo(child);
    TCanvas& canvas = bitmap.Canvas();
    canvas.ResetClip();
    if (win->host_->region) {
      TRegion clip = *win->host_->region;
      clip.Offset(win->Left(), win->Top());
      canvas.SetClipRegion(clip);
    }
    canvas.CopyRect(win->BoundsRect(), child.Canvas(), Rect(0, 0, win->Width(), win->Height()));
    canvas.ResetClip();
  }
}
