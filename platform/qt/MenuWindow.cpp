// The windows of an open popup menu and the rules of the mouse and the keyboard in them.
#include "platform/qt/MenuWindow.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

#include "platform/framework/Application.h"
#include "platform/qt/ControlDispatch.h"
#include "platform/graphics/FrameControl.h"
#include "platform/framework/SystemMetrics.h"

bool MenuItemHasSubmenu(const TMenuItem& item);

namespace {

// How long the mouse rests on an item before its sub-menu opens (or another one closes).
constexpr int kSubmenuDelayMs = 400;

TPoint GlobalPoint(const QMouseEvent* event) {
  const QPoint p = event->globalPosition().toPoint();
  return {p.x(), p.y()};
}

TFont ItemFont(const TMenuItem& item) {
  TFont font = MenuFont();
  if (item.Default()) font.SetStyle(font.Style() | fsBold);
  return font;
}

TMenuOwnerDrawState ItemState(const TMenuItem& item, bool hot) {
  TMenuOwnerDrawState state = 0;
  if (hot) state |= mdSelected;
  if (!item.Enabled()) state |= mdGrayed | mdDisabled;
  if (item.Checked()) state |= mdChecked;
  if (item.Default()) state |= mdDefault;
  return state;
}

}  // namespace

// --- MenuWindow

MenuWindow::MenuWindow(MenuSession& session, TMenuItem& parent, int level)
    : session_(session), parent_(parent), level_(level) {}

void MenuWindow::Build() {
  TMenuItem* hotItem = hot_ >= 0 && hot_ < Count() ? Item(hot_) : nullptr;
  items_.clear();
  TCanvas measure;
  int top = 0;
  int width = 0;
  for (int i = 0; i < parent_.Count(); ++i) {
    TMenuItem* item = parent_.Items(i);
    if (!item->Visible()) continue;
    measure.SetFont(ItemFont(*item));
    int w = 0;
    int h = 0;
    GuardedCall([&] { MenuDispatch::Measure(session_.Menu(), *item, measure, w, h); });
    items_.push_back({item, Rect(0, top, 0, top + std::max(0, h))});
    top += std::max(0, h);
    width = std::max(width, w);
  }
  for (Entry& entry : items_) entry.rect.Right = width;
  clientWidth_ = width;
  clientHeight_ = top;
  hot_ = IndexOf(hotItem);
  resize(std::max(1, width + 2 * kFrame), std::max(1, top + 2 * kFrame));
}

TRect MenuWindow::ItemScreenRect(int index) const {
  const TRect r = ScreenRect();
  return OffsetRect(ItemRect(index), r.Left + kFrame, r.Top + kFrame);
}

int MenuWindow::IndexOf(const TMenuItem* item) const {
  for (int i = 0; i < Count(); ++i)
    if (items_[static_cast<std::size_t>(i)].item == item) return i;
  return -1;
}

int MenuWindow::ItemAt(TPoint global) const {
  if (!ContainsGlobal(global)) return -1;
  for (int i = 0; i < Count(); ++i)
    if (ItemScreenRect(i).Contains(global)) return i;
  return -1;
}

void MenuWindow::SetHot(int index) {
  if (index < -1 || index >= Count()) index = -1;
  if (index == hot_) return;
  hot_ = index;
  update();
  session_.HotChanged(*this);
}

int MenuWindow::NextSelectable(int from, int step) const {
  const int n = Count();
  if (n == 0) return -1;
  int i = from;
  for (int tries = 0; tries < n; ++tries) {
    i = i < 0 ? (step > 0 ? 0 : n - 1) : (i + step + n) % n;
    const TMenuItem* item = Item(i);
    if (!item->IsLine() && item->Enabled()) return i;
  }
  return -1;
}

void MenuWindow::ApplyCursor(TCursor cursor) {
  SetWidgetCursor(this, cursor);
}

void MenuWindow::ComposeFace(TBitmap& face) {
  TCanvas& canvas = face.Canvas();
  canvas.ResetClip();
  TRect frame = Rect(0, 0, face.Width(), face.Height());
  canvas.DrawEdge(frame, EDGE_RAISED, BF_RECT | BF_ADJUST);
  canvas.Brush().SetColor(clMenu);
  canvas.FrameRect(frame);
  if (clientWidth_ <= 0 || clientHeight_ <= 0) return;
  TBitmap client(clientWidth_, clientHeight_);
  client.Canvas().Brush().SetColor(clMenu);
  client.Canvas().FillRect(Rect(0, 0, clientWidth_, clientHeight_));
  for (int i = 0; i < Count(); ++i) DrawEntry(client.Canvas(), i);
  canvas.CopyRect(Bounds(kFrame, kFrame, clientWidth_, clientHeight_), client.Canvas(),
                  Rect(0, 0, clientWidth_, clientHeight_));
}

void MenuWindow::DrawEntry(TCanvas& canvas, int index) {
  TMenuItem& item = *Item(index);
  const TRect rect = ItemRect(index);
  // Every item starts from a clean drawing state, as if on a fresh device context.
  canvas.ResetClip();
  canvas.SetPen(TPen());
  canvas.SetBrush(TBrush());
  canvas.Brush().SetColor(clMenu);
  canvas.SetFont(ItemFont(item));
  const TMenuOwnerDrawState state = ItemState(item, index == hot_);
  GuardedCall([&] { MenuDispatch::Draw(session_.Menu(), item, canvas, rect, state); });
  if (!MenuItemHasSubmenu(item)) return;
  // The window adds the arrow itself, in the colour the item's text was drawn in.
  canvas.ResetClip();
  const int size = GetSystemMetrics(SM_CXMENUCHECK);
  const TColor color = item.Enabled() ? canvas.Font().Color() : clGrayText;
  DrawMenuGlyph(canvas, rect.Right - size - 2, (rect.Top + rect.Bottom - size) / 2, mgSubmenuArrow,
                color);
}

void MenuWindow::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  session_.MouseMove(GlobalPoint(event));
}

void MenuWindow::mousePressEvent(QMouseEvent* event) {
  event->accept();
  session_.MousePress(GlobalPoint(event), event->button());
}

void MenuWindow::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  session_.MouseRelease(GlobalPoint(event), event->button());
}

void MenuWindow::keyPressEvent(QKeyEvent* event) {
  event->accept();
  session_.Key(*this, event->key(), event->text(), event->modifiers());
}

void MenuWindow::hideEvent(QHideEvent* event) {
  PopupWidget::hideEvent(event);
  session_.WindowHidden(*this);
}

// --- MenuSession

MenuSession::MenuSession(TPopupMenu& menu, TPoint point) : menu_(menu), point_(point) {
  submenuTimer_.setSingleShot(true);
  submenuTimer_.setInterval(kSubmenuDelayMs);
  QObject::connect(&submenuTimer_, &QTimer::timeout, [this] { SubmenuTimerFired(); });
}

MenuSession::~MenuSession() {
  closing_ = true;
  submenuTimer_.stop();
  windows_.clear();
}

bool MenuSession::Open() {
  auto root = std::make_unique<MenuWindow>(*this, *menu_.Items(), 0);
  root->Build();
  if (root->Count() == 0) return false;
  const TRect screen = ScreenBounds();
  const int w = root->width();
  const int h = root->height();
  int x = point_.X;
  switch (menu_.Alignment()) {
    case paLeft:
      // A menu that does not fit right of the point opens to its left.
      if (x + w > screen.Right) x -= w;
      break;
    case paRight:
      x -= w;
      if (x < screen.Left) x = point_.X;
      break;
    case paCenter:
      x -= w / 2;
      break;
  }
  int y = point_.Y;
  if (y + h > screen.Bottom) y -= h;
  root->SetScreenRect(KeepOnScreen(Bounds(x, y, w, h)));
  root->ApplyCursor(MenuDispatch::Cursor(menu_));
  MenuWindow* raw = root.get();
  windows_.push_back(std::move(root));
  raw->show();
  raw->setFocus(Qt::PopupFocusReason);
  return true;
}

TMenuItem* MenuSession::Run() {
  if (!done_) loop_.exec();
  if (!done_) End();  // the application is ending and took every loop with it
  return chosen_;
}

void MenuSession::End() {
  if (done_) return;
  done_ = true;
  closing_ = true;
  submenuTimer_.stop();
  for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) (*it)->hide();
  closing_ = false;
  lastSelected_ = nullptr;
  GuardedCall([this] { MenuDispatch::Select(menu_, nullptr, false); });
  loop_.exit();
}

void MenuSession::Cancel() {
  chosen_ = nullptr;
  End();
}

void MenuSession::Choose(TMenuItem* item) {
  chosen_ = item;
  End();
}

void MenuSession::ItemGone(TMenuItem* item) {
  if (chosen_ == item) chosen_ = nullptr;
  if (lastSelected_ == item) lastSelected_ = nullptr;
  if (done_) return;
  for (const auto& window : windows_)
    if (window->IndexOf(item) >= 0 || &window->ParentItem() == item) {
      Cancel();
      return;
    }
}

void MenuSession::Refresh() {
  if (done_) return;
  for (const auto& window : windows_) {
    window->Build();
    window->SetScreenRect(KeepOnScreen(window->ScreenRect()));
    window->update();
  }
}

TRect MenuSession::ItemScreenRect(const TMenuItem* item) const {
  for (const auto& window : windows_) {
    const int index = window->IndexOf(item);
    if (index >= 0 && window->isVisible()) return window->ItemScreenRect(index);
  }
  return {};
}

bool MenuSession::WindowFace(int level, TBitmap& face) const {
  if (done_ || level < 0 || level >= static_cast<int>(windows_.size())) return false;
  face.Assign(windows_[static_cast<std::size_t>(level)]->Face());
  return true;
}

void MenuSession::ApplyCursor(TCursor cursor) {
  for (const auto& window : windows_) window->ApplyCursor(cursor);
}

MenuWindow* MenuSession::WindowAt(TPoint global) const {
  for (auto it = windows_.rbegin(); it != windows_.rend(); ++it)
    if ((*it)->ContainsGlobal(global)) return it->get();
  return nullptr;
}

bool MenuSession::CanChoose(const TMenuItem* item) const {
  return item && item->Visible() && item->Enabled() && !item->IsLine() &&
         !MenuItemHasSubmenu(*item);
}

bool MenuSession::ButtonTracks(Qt::MouseButton button) const {
  if (button == Qt::LeftButton) return true;
  return button == Qt::RightButton && menu_.TrackButton() == tbRightButton;
}

void MenuSession::MouseMove(TPoint global) {
  if (done_) return;
  MenuWindow* window = WindowAt(global);
  if (!window) {
    // Off the menus the deepest level loses its highlight; the items whose sub-menus are
    // open stay marked.
    Top()->SetHot(-1);
    return;
  }
  int index = window->ItemAt(global);
  if (index >= 0 && window->Item(index)->IsLine()) index = -1;
  if (index == window->Hot()) return;
  window->SetHot(index);
  ArmSubmenuTimer(*window);
}

void MenuSession::MousePress(TPoint global, Qt::MouseButton) {
  if (done_) return;
  MenuWindow* window = WindowAt(global);
  if (!window) {
    Cancel();
    return;
  }
  const int index = window->ItemAt(global);
  if (index < 0) return;
  TMenuItem* item = window->Item(index);
  if (item->IsLine()) return;
  window->SetHot(index);
  if (MenuItemHasSubmenu(*item) && item->Enabled()) {
    const bool open =
        window->Level() + 1 < static_cast<int>(windows_.size()) &&
        &windows_[static_cast<std::size_t>(window->Level() + 1)]->ParentItem() == item;
    if (!open) OpenSubmenu(*window, index, false);
  }
}

void MenuSession::MouseRelease(TPoint global, Qt::MouseButton button) {
  if (done_ || !ButtonTracks(button)) return;
  MenuWindow* window = WindowAt(global);
  if (!window) return;
  const int index = window->ItemAt(global);
  if (index < 0) return;
  TMenuItem* item = window->Item(index);
  if (CanChoose(item)) Choose(item);
}

void MenuSession::Key(MenuWindow&, int key, const QString& text, Qt::KeyboardModifiers) {
  if (done_) return;
  MenuWindow& window = *Top();
  const int hot = window.Hot();
  TMenuItem* hotItem = hot >= 0 ? window.Item(hot) : nullptr;
  switch (key) {
    case Qt::Key_Up:
      window.SetHot(window.NextSelectable(hot, -1));
      return;
    case Qt::Key_Down:
      window.SetHot(window.NextSelectable(hot, 1));
      return;
    case Qt::Key_Home:
      window.SetHot(window.NextSelectable(-1, 1));
      return;
    case Qt::Key_End:
      window.SetHot(window.NextSelectable(-1, -1));
      return;
    case Qt::Key_Right:
      if (hotItem && hotItem->Enabled() && MenuItemHasSubmenu(*hotItem))
        OpenSubmenu(window, hot, true);
      return;
    case Qt::Key_Left:
      if (window.Level() > 0) CloseDeeperThan(window.Level() - 1);
      return;
    case Qt::Key_Escape:
      if (window.Level() > 0)
        CloseDeeperThan(window.Level() - 1);
      else
        Cancel();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (!hotItem) return;
      if (hotItem->Enabled() && MenuItemHasSubmenu(*hotItem))
        OpenSubmenu(window, hot, true);
      else if (CanChoose(hotItem))
        Choose(hotItem);
      return;
    case Qt::Key_Alt:
    case Qt::Key_F10:
      Cancel();
      return;
    default:
      break;
  }
  if (text.isEmpty() || text[0].isSpace() || !text[0].isPrint()) return;
  const char32_t ch = text.toUcs4().value(0);
  TMenuItem& parent = window.ParentItem();
  bool execute = false;
  int target = -1;
  const int hotInParent = hotItem ? parent.IndexOf(hotItem) : -1;
  GuardedCall([&] { target = MenuDispatch::MenuChar(menu_, parent, ch, hotInParent, execute); });
  if (target < 0 || target >= parent.Count()) return;
  TMenuItem* item = parent.Items(target);
  const int index = window.IndexOf(item);
  if (index < 0) return;
  window.SetHot(index);
  if (!execute) return;
  if (MenuItemHasSubmenu(*item))
    OpenSubmenu(window, index, true);
  else if (CanChoose(item))
    Choose(item);
}

void MenuSession::WindowHidden(MenuWindow&) {
  // Only the window system hides menu windows behind the session's back (when the program
  // loses the focus): that closes the menu.
  if (closing_ || done_) return;
  Cancel();
}

void MenuSession::HotChanged(MenuWindow& window) {
  TMenuItem* item = window.Hot() >= 0 ? window.Item(window.Hot()) : nullptr;
  if (item == lastSelected_) return;
  lastSelected_ = item;
  GuardedCall([&] { MenuDispatch::Select(menu_, item, item != nullptr); });
}

void MenuSession::OpenSubmenu(MenuWindow& window, int index, bool selectFirst) {
  CloseDeeperThan(window.Level());
  window.SetHot(index);
  TMenuItem* item = window.Item(index);
  auto sub = std::make_unique<MenuWindow>(*this, *item, window.Level() + 1);
  sub->Build();
  if (sub->Count() == 0) return;
  const TRect itemRect = window.ItemScreenRect(index);
  const TRect windowRect = window.ScreenRect();
  const int w = sub->width();
  const int h = sub->height();
  // Beside the parent window, its first item level with the parent item; to the left when
  // the right has no room.
  int x = windowRect.Right - MenuWindow::kFrame;
  if (x + w > ScreenBounds().Right) x = windowRect.Left - w + MenuWindow::kFrame;
  const int y = itemRect.Top - MenuWindow::kFrame;
  sub->SetScreenRect(KeepOnScreen(Bounds(x, y, w, h)));
  sub->ApplyCursor(MenuDispatch::Cursor(menu_));
  MenuWindow* raw = sub.get();
  windows_.push_back(std::move(sub));
  raw->show();
  raw->setFocus(Qt::PopupFocusReason);
  if (selectFirst) raw->SetHot(raw->NextSelectable(-1, 1));
}

void MenuSession::CloseDeeperThan(int level) {
  while (static_cast<int>(windows_.size()) > level + 1) {
    // The window may be the one whose event is being handled: free it later.
    MenuWindow* window = windows_.back().release();
    windows_.pop_back();
    if (timerWindow_ == window) {
      submenuTimer_.stop();
      timerWindow_ = nullptr;
    }
    closing_ = true;
    window->hide();
    closing_ = false;
    window->deleteLater();
  }
  if (!windows_.empty()) HotChanged(*Top());
}

void MenuSession::ArmSubmenuTimer(MenuWindow& window) {
  timerWindow_ = &window;
  submenuTimer_.start();
}

void MenuSession::SubmenuTimerFired() {
  MenuWindow* window = timerWindow_;
  timerWindow_ = nullptr;
  if (done_ || !window) return;
  const int hot = window->Hot();
  TMenuItem* item = hot >= 0 ? window->Item(hot) : nullptr;
  const std::size_t next = static_cast<std::size_t>(window->Level() + 1);
  if (item && item->Enabled() && MenuItemHasSubmenu(*item)) {
    if (next < windows_.size() && &windows_[next]->ParentItem() == item)
      CloseDeeperThan(window->Level() + 1);
    else
      OpenSubmenu(*window, hot, false);
  } else {
    CloseDeeperThan(window->Level());
  }
}
