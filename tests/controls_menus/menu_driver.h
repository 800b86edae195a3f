// Drives a modal popup menu from tests: Popup does not return while the menu is open, so the
// actions run from a timer inside the menu's own loop, and a second timer closes a menu the
// actions left open, so a failing test cannot hang.
#pragma once

#include <gtest/gtest.h>

#include <functional>

#include "platform/framework/Timer.h"
#include "platform/menus/Menus.h"

class MenuDriver {
 public:
  MenuDriver(std::function<void()> actions, std::function<void()> rescue)
      : actions_(std::move(actions)), rescue_(std::move(rescue)) {
    step_.SetInterval(20);
    step_.SetOnTimer([this](TComponent*) {
      step_.SetEnabled(false);
      actions_();
    });
    guard_.SetInterval(3000);
    guard_.SetOnTimer([this](TComponent*) {
      guard_.SetEnabled(false);
      rescued = true;
      rescue_();
    });
  }
  bool rescued = false;

 private:
  std::function<void()> actions_;
  std::function<void()> rescue_;
  TTimer step_;
  TTimer guard_;
};

// Opens menu at (x, y), runs actions while it is open and returns once Popup has returned.
inline void RunMenu(TPopupMenu& menu, int x, int y, const std::function<void()>& actions) {
  MenuDriver driver(actions, [&menu] { menu.CloseMenu(); });
  menu.Popup(x, y);
  EXPECT_FALSE(driver.rescued) << "the menu stayed open";
}
