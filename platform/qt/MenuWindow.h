// Internal to the platform layer: the windows of an open popup menu and the session that runs
// them (the mouse and keyboard rules of Menus.h). One MenuWindow shows the items of one menu
// level; the session keeps the chain of open levels, the root first.
#pragma once

#include <QEventLoop>
#include <QTimer>
#include <memory>
#include <vector>

#include "platform/menus/Menus.h"
#include "platform/qt/PopupWidget.h"

// Reaches the protected hooks of menus.
struct MenuDispatch {
  static void Measure(TMenu& menu, TMenuItem& item, TCanvas& canvas, int& width, int& height);
  static void Draw(TMenu& menu, TMenuItem& item, TCanvas& canvas, const TRect& rect,
                   TMenuOwnerDrawState state);
  static void Select(TMenu& menu, TMenuItem* item, bool highlighted);
  static int MenuChar(TMenu& menu, TMenuItem& parent, char32_t key, int hot, bool& execute);
  static TCursor Cursor(const TMenu& menu) { return menu.menuCursor_; }
};

class MenuSession;

class MenuWindow : public PopupWidget {
 public:
  // The 3-pixel frame around the items: a raised edge and one pixel of menu colour.
  static constexpr int kFrame = 3;

  MenuWindow(MenuSession& session, TMenuItem& parent, int level);

  TMenuItem& ParentItem() const { return parent_; }
  int Level() const { return level_; }
  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Item(int index) const { return items_[static_cast<std::size_t>(index)].item; }
  // Measures the visible items; the window's size follows.
  void Build();
  int ClientWidth() const { return clientWidth_; }
  int ClientHeight() const { return clientHeight_; }
  // An item's rectangle in client coordinates, and on the screen.
  TRect ItemRect(int index) const { return items_[static_cast<std::size_t>(index)].rect; }
  TRect ItemScreenRect(int index) const;
  int IndexOf(const TMenuItem* item) const;
  // The item under a screen point, or -1.
  int ItemAt(TPoint global) const;

  int Hot() const { return hot_; }
  void SetHot(int index);
  // The next item the keyboard can reach from hot (step +1 or -1), wrapping; -1 when none.
  int NextSelectable(int from, int step) const;
  void ApplyCursor(TCursor cursor);

 protected:
  void ComposeFace(TBitmap& face) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  struct Entry {
    TMenuItem* item = nullptr;
    TRect rect;
  };
  void DrawEntry(TCanvas& canvas, int index);

  MenuSession& session_;
  TMenuItem& parent_;
  int level_;
  std::vector<Entry> items_;
  int clientWidth_ = 0;
  int clientHeight_ = 0;
  int hot_ = -1;
};

class MenuSession {
 public:
  MenuSession(TPopupMenu& menu, TPoint point);
  ~MenuSession();

  TPopupMenu& Menu() const { return menu_; }
  // Shows the root window; false when the menu has no visible item.
  bool Open();
  // Runs until the menu closes; returns the chosen item (nullptr: none).
  TMenuItem* Run();
  bool Done() const { return done_; }
  void Cancel();
  void Choose(TMenuItem* item);
  // Forgets an item that is being freed; the menu closes when it is on screen.
  void ItemGone(TMenuItem* item);
  // Measures and paints the open windows again.
  void Refresh();
  TRect ItemScreenRect(const TMenuItem* item) const;
  // A copy of the face of the window of that level; false when it is not open.
  bool WindowFace(int level, TBitmap& face) const;
  void ApplyCursor(TCursor cursor);

  // Input, routed here by every window (all of them see the events while the grab lasts).
  void MouseMove(TPoint global);
  void MousePress(TPoint global, Qt::MouseButton button);
  void MouseRelease(TPoint global, Qt::MouseButton button);
  void Key(MenuWindow& window, int key, const QString& text, Qt::KeyboardModifiers modifiers);
  // A window was hidden by the window system (not by the session).
  void WindowHidden(MenuWindow& window);
  // The highlighted item of a window changed.
  void HotChanged(MenuWindow& window);

 private:
  MenuWindow* WindowAt(TPoint global) const;
  MenuWindow* Top() const { return windows_.back().get(); }
  int LevelOf(const MenuWindow& window) const { return window.Level(); }
  // Opens the sub-menu of window's item index (closing deeper levels first).
  void OpenSubmenu(MenuWindow& window, int index, bool selectFirst);
  // Closes every level deeper than level.
  void CloseDeeperThan(int level);
  void ArmSubmenuTimer(MenuWindow& window);
  void SubmenuTimerFired();
  bool CanChoose(const TMenuItem* item) const;
  bool ButtonTracks(Qt::MouseButton button) const;
  void End();

  TPopupMenu& menu_;
  TPoint point_;
  std::vector<std::unique_ptr<MenuWindow>> windows_;
  TMenuItem* chosen_ = nullptr;
  bool done_ = false;
  bool closing_ = false;
  QEventLoop loop_;
  QTimer submenuTimer_;
  MenuWindow* timerWindow_ = nullptr;
  TMenuItem* lastSelected_ = nullptr;
};
