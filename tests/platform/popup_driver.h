// Drives a modal popup (a menu's Popup does not return while the menu is open): the actions
// run from a timer inside the popup's own event loop, and a second timer closes the popup if
// the actions leave it open, so a failing test cannot hang.
#pragma once

#include <gtest/gtest.h>

#include <functional>

#include "platform/framework/Control.h"
#include "platform/menus/Menus.h"
#include "platform/testing/TestInput.h"
#include "platform/framework/Timer.h"

class PopupDriver {
 public:
  explicit PopupDriver(std::function<void()> actions, std::function<void()> rescue)
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

// Opens menu at (x, y), runs actions while it is open, returns once Popup has returned.
inline void RunPopup(TPopupMenu& menu, int x, int y, const std::function<void()>& actions) {
  PopupDriver driver(actions, [&menu] { menu.CloseMenu(); });
  menu.Popup(x, y);
  EXPECT_FALSE(driver.rescued) << "the menu stayed open";
}

// The centre of a rectangle on the screen, in control's client coordinates.
inline TPoint CentreIn(const TControl& control, const TRect& screen) {
  return control.ScreenToClient(
      Point((screen.Left + screen.Right) / 2, (screen.Top + screen.Bottom) / 2));
}
