// TPopupMenu: the modal Popup over a MenuSession.
#include "platform/framework/Application.h"
#include "platform/qt/MenuWindow.h"
#include "platform/menus/Menus.h"

namespace {
TPopupMenu* g_activeMenu = nullptr;
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

TPopupMenu::~TPopupMenu() {
  if (session_) session_->Cancel();
}

void TPopupMenu::DoPopup() {
  if (OnPopup) OnPopup(this);
}

void TPopupMenu::Popup(int x, int y) {
  // One menu at a time, as the window system allows.
  if (g_activeMenu) return;
  popupPoint_ = {x, y};
  const std::shared_ptr<bool> alive = alive_;
  Application->CancelHint();
  DoPopup();
  if (!*alive) return;
  TMenuItem* chosen = nullptr;
  {
    MenuSession session(*this, popupPoint_);
    session_ = &session;
    g_activeMenu = this;
    struct Reset {
      TPopupMenu* menu;
      const std::shared_ptr<bool>& alive;
      ~Reset() {
        g_activeMenu = nullptr;
        if (*alive) menu->session_ = nullptr;
      }
    } reset{this, alive};
    if (session.Open()) chosen = session.Run();
  }
  // The command runs once the menu is gone, and before Popup returns.
  if (chosen && *alive) chosen->Click();
}

TRect TPopupMenu::GetMenuItemRect(const TMenuItem* item) const {
  return session_ ? session_->ItemScreenRect(item) : TRect{};
}

bool TPopupMenu::GetMenuFace(TBitmap& face, int level) const {
  return session_ && session_->WindowFace(level, face);
}

bool TPopupMenu::IsOpen() const {
  return session_ != nullptr;
}

void TPopupMenu::CloseMenu() {
  if (session_) session_->Cancel();
}

TPopupMenu* TPopupMenu::ActivePopupMenu() {
  return g_activeMenu;
}
