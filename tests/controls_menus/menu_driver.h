// The owner-drawn menu's tests (and the main window's) drive their modal popups with the
// platform tests' driver.
#pragma once

#include <functional>

#include "platform/popup_driver.h"

using MenuDriver = PopupDriver;

inline void RunMenu(TPopupMenu& menu, int x, int y, const std::function<void()>& actions) {
  RunPopup(menu, x, y, actions);
}
