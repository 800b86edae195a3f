// An owner-drawn popup menu on a shown form, opened at a fixed screen point, with helpers to
// add items, drive the open menu with the mouse and the keyboard, and read what it shows.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/RxMenus.h"
#include "menu_driver.h"
#include "menu_pixels.h"
#include "platform/control_fixture.h"
#include "platform/testing/TestInput.h"

// The menu with the cursor it last asked its windows for.
class TestRxMenu : public TRxPopupMenu {
 public:
  using TRxPopupMenu::MenuCursor;
  using TRxPopupMenu::TRxPopupMenu;
};

class RxMenuTest : public ControlTest {
 protected:
  // Where the menus open; the menu window's frame is 3 pixels wide.
  static constexpr int kX = 150;
  static constexpr int kY = 120;
  static constexpr int kFrame = 3;

  void SetUp() override {
    ControlTest::SetUp();
    form_ = MakeForm(100, 100, 400, 300);
    form_->Show();
    TestInput::ProcessEvents();
  }

  TMenuItem* Add(TMenuItem* parent, const std::string& caption) {
    auto* item = new TMenuItem(&menu_);
    item->SetCaption(caption);
    parent->Add(item);
    item->OnClick = [this, item](TComponent*) { clicks_.push_back(item->Caption()); };
    return item;
  }
  TMenuItem* Add(const std::string& caption) { return Add(menu_.Items(), caption); }

  void Key(TKey key) { TestInput::Key(form_.get(), key); }
  TPoint CentreOf(const TMenuItem* item) const {
    const TRect r = menu_.GetMenuItemRect(item);
    return form_->ScreenToClient(Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
  }
  void MoveTo(const TMenuItem* item) { TestInput::MouseMove(form_.get(), CentreOf(item)); }
  void ClickOn(const TMenuItem* item) {
    MoveTo(item);
    TestInput::Click(form_.get(), CentreOf(item));
  }

  // While open: a first-level item's rectangle in the client area of the menu window (the
  // first item starts at the client origin).
  TRect ClientRect(const TMenuItem* item) const {
    const TRect first = menu_.GetMenuItemRect(menu_.Items()->Items(0));
    return OffsetRect(menu_.GetMenuItemRect(item), -first.Left, -first.Top);
  }

  // Opens the menu, runs keys, and returns the face of the first-level window without its
  // frame (client coordinates), then closes the menu with Escape.
  TBitmap OpenAndCapture(const std::vector<TKey>& keys = {}) {
    TBitmap face;
    RunMenu(menu_, kX, kY, [&] {
      for (TKey key : keys) Key(key);
      CaptureClient(face);
      Key(VK_ESCAPE);
    });
    return face;
  }
  void CaptureClient(TBitmap& client) {
    TBitmap face;
    ASSERT_TRUE(menu_.GetMenuFace(face));
    client.SetSize(face.Width() - 2 * kFrame, face.Height() - 2 * kFrame);
    client.Canvas().CopyRect(Rect(0, 0, client.Width(), client.Height()), face.Canvas(),
                             Bounds(kFrame, kFrame, client.Width(), client.Height()));
  }

  std::unique_ptr<TForm> form_;
  TestRxMenu menu_{nullptr};
  std::vector<std::string> clicks_;
};
