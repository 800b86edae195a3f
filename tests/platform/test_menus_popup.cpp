// Popup menus used with the mouse and the keyboard: the chosen item's OnClick runs before
// Popup returns, nothing runs when the menu is dismissed, and the highlight follows the rules
// of the classic menus.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <QApplication>
#include <QWidget>

#include "control_fixture.h"
#include "platform/graphics/Bitmap.h"
#include "platform/menus/Menus.h"
#include "platform/testing/TestInput.h"
#include "popup_driver.h"

namespace {

class PopupTest : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    form_ = MakeForm(100, 100, 400, 300);
    form_->Show();
    TestInput::ProcessEvents();
  }

  TMenuItem* AddItem(TMenuItem* parent, const std::string& caption) {
    auto* item = new TMenuItem(&menu_);
    item->SetCaption(caption);
    item->SetName("item" + std::to_string(menu_.ComponentCount()));
    parent->Add(item);
    item->OnClick = [this, item](TComponent* sender) {
      EXPECT_EQ(sender, item);
      log_.push_back("click " + item->Caption());
    };
    return item;
  }

  void MoveTo(const TMenuItem* item) {
    TestInput::MouseMove(form_.get(), CentreIn(*form_, menu_.GetMenuItemRect(item)));
  }
  void ClickOn(const TMenuItem* item, TMouseButton button = mbLeft) {
    const TPoint p = CentreIn(*form_, menu_.GetMenuItemRect(item));
    TestInput::MouseMove(form_.get(), p);
    TestInput::Click(form_.get(), p, button);
  }
  void Key(TKey key, const std::string& text = "") { TestInput::Key(form_.get(), key, text); }

  std::unique_ptr<TForm> form_;
  TPopupMenu menu_{nullptr};
  std::vector<std::string> log_;
};

TEST_F(PopupTest, MouseClickRunsTheItemBeforePopupReturns) {
  AddItem(menu_.Items(), "&Open");
  TMenuItem* save = AddItem(menu_.Items(), "&Save");
  RunPopup(menu_, 150, 150, [&] {
    ASSERT_TRUE(menu_.IsOpen());
    ClickOn(save);
  });
  log_.push_back("returned");
  EXPECT_EQ(log_, (std::vector<std::string>{"click &Save", "returned"}));
  EXPECT_FALSE(menu_.IsOpen());
  EXPECT_EQ(TPopupMenu::ActivePopupMenu(), nullptr);
}

TEST_F(PopupTest, ArrowsAndEnterRunTheHighlightedItem) {
  AddItem(menu_.Items(), "One");
  AddItem(menu_.Items(), "-");
  TMenuItem* disabled = AddItem(menu_.Items(), "Two");
  disabled->SetEnabled(false);
  AddItem(menu_.Items(), "Three");
  RunPopup(menu_, 150, 150, [&] {
    Key(VK_DOWN);  // One
    Key(VK_DOWN);  // over the separator and the disabled item: Three
    Key(VK_RETURN);
  });
  EXPECT_EQ(log_, (std::vector<std::string>{"click Three"}));
}

TEST_F(PopupTest, UpWrapsToTheLastItem) {
  AddItem(menu_.Items(), "One");
  AddItem(menu_.Items(), "Two");
  AddItem(menu_.Items(), "Three");
  RunPopup(menu_, 150, 150, [&] {
    Key(VK_UP);
    Key(VK_RETURN);
  });
  EXPECT_EQ(log_, (std::vector<std::string>{"click Three"}));
}

TEST_F(PopupTest, EscapeAndClickOutsideRunNothing) {
  AddItem(menu_.Items(), "One");
  RunPopup(menu_, 150, 150, [&] {
    Key(VK_DOWN);
    Key(VK_ESCAPE);
  });
  EXPECT_TRUE(log_.empty());
  EXPECT_FALSE(menu_.IsOpen());

  RunPopup(menu_, 150, 150, [&] {
    Key(VK_DOWN);
    TestInput::Click(form_.get(), Point(5, 5));  // far from the menu at (150, 150) on screen
  });
  EXPECT_TRUE(log_.empty());
  EXPECT_FALSE(menu_.IsOpen());
}

TEST_F(PopupTest, ReleaseOnSeparatorOrDisabledItemKeepsTheMenuOpen) {
  AddItem(menu_.Items(), "One");
  TMenuItem* line = AddItem(menu_.Items(), "-");
  TMenuItem* off = AddItem(menu_.Items(), "Off");
  off->SetEnabled(false);
  bool openAfter = false;
  RunPopup(menu_, 150, 150, [&] {
    ClickOn(line);
    ClickOn(off);
    openAfter = menu_.IsOpen();
    Key(VK_ESCAPE);
  });
  EXPECT_TRUE(openAfter);
  EXPECT_TRUE(log_.empty());
}

TEST_F(PopupTest, AcceleratorLettersChooseOrStep) {
  AddItem(menu_.Items(), "&Copy");
  AddItem(menu_.Items(), "C&ut");
  AddItem(menu_.Items(), "&Paste");
  RunPopup(menu_, 150, 150, [&] { Key('U', "u"); });
  EXPECT_EQ(log_, (std::vector<std::string>{"click C&ut"}));

  // Two items with the same letter: the letter moves between them, Enter chooses.
  log_.clear();
  AddItem(menu_.Items(), "&Properties");
  RunPopup(menu_, 150, 150, [&] {
    Key('P', "p");
    Key('P', "p");
    Key(VK_RETURN);
  });
  EXPECT_EQ(log_, (std::vector<std::string>{"click &Properties"}));
}

TEST_F(PopupTest, CyrillicAcceleratorWorks) {
  AddItem(menu_.Items(), "&Файл");
  AddItem(menu_.Items(), "&Выход");
  RunPopup(menu_, 150, 150, [&] { TestInput::Key(form_.get(), 0, "в"); });
  EXPECT_EQ(log_, (std::vector<std::string>{"click &Выход"}));
}

TEST_F(PopupTest, SubmenuOpensWithRightAndClosesWithLeft) {
  TMenuItem* file = AddItem(menu_.Items(), "File");
  AddItem(file, "New");
  AddItem(file, "Open");
  AddItem(menu_.Items(), "Exit");
  TBitmap level1;
  bool openAfterLeft = true;
  RunPopup(menu_, 150, 150, [&] {
    Key(VK_DOWN);
    Key(VK_RIGHT);  // opens and highlights New
    EXPECT_TRUE(menu_.GetMenuFace(level1, 1));
    Key(VK_LEFT);
    openAfterLeft = menu_.GetMenuFace(level1, 1);
    Key(VK_RETURN);  // opens again
    Key(VK_DOWN);    // Open
    Key(VK_RETURN);
  });
  EXPECT_FALSE(openAfterLeft);
  EXPECT_EQ(log_, (std::vector<std::string>{"click Open"}));
}

TEST_F(PopupTest, SubmenuOpensOnClickBesideItsItem) {
  TMenuItem* file = AddItem(menu_.Items(), "File");
  TMenuItem* open = AddItem(file, "Open");
  RunPopup(menu_, 150, 150, [&] {
    ClickOn(file);
    const TRect parent = menu_.GetMenuItemRect(file);
    const TRect child = menu_.GetMenuItemRect(open);
    ASSERT_FALSE(child.IsEmpty());
    // Right of the parent menu, level with the item that opened it.
    EXPECT_GE(child.Left, parent.Right);
    EXPECT_EQ(child.Top, parent.Top);
    ClickOn(open);
  });
  EXPECT_EQ(log_, (std::vector<std::string>{"click Open"}));
}

TEST_F(PopupTest, TrackButtonDecidesWhetherTheRightButtonChooses) {
  TMenuItem* one = AddItem(menu_.Items(), "One");
  menu_.SetTrackButton(tbLeftButton);
  RunPopup(menu_, 150, 150, [&] {
    ClickOn(one, mbRight);
    EXPECT_TRUE(menu_.IsOpen());
    Key(VK_ESCAPE);
  });
  EXPECT_TRUE(log_.empty());
  menu_.SetTrackButton(tbRightButton);
  RunPopup(menu_, 150, 150, [&] { ClickOn(one, mbRight); });
  EXPECT_EQ(log_, (std::vector<std::string>{"click One"}));
}

TEST_F(PopupTest, OnPopupFiresFirstAndMayChangeTheItems) {
  TMenuItem* one = AddItem(menu_.Items(), "One");
  menu_.OnPopup = [&](TComponent* sender) {
    EXPECT_EQ(sender, &menu_);
    log_.push_back("popup");
    one->SetCaption("Changed");
  };
  RunPopup(menu_, 150, 150, [&] { ClickOn(one); });
  EXPECT_EQ(log_, (std::vector<std::string>{"popup", "click Changed"}));
  EXPECT_EQ(menu_.PopupPoint(), Point(150, 150));
}

TEST_F(PopupTest, HighlightPublishesTheLongHint) {
  TMenuItem* one = AddItem(menu_.Items(), "One");
  one->SetHint("Open|Opens a document");
  std::string seen;
  RunPopup(menu_, 150, 150, [&] {
    MoveTo(one);
    seen = Application->Hint();
    Key(VK_ESCAPE);
  });
  EXPECT_EQ(seen, "Opens a document");
  EXPECT_EQ(Application->Hint(), "");
}

TEST_F(PopupTest, MenuStaysOnTheScreen) {
  for (int i = 0; i < 3; ++i) AddItem(menu_.Items(), "Item " + std::to_string(i));
  TRect first;
  RunPopup(menu_, Screen->Width() - 5, Screen->Height() - 5, [&] {
    first = menu_.GetMenuItemRect(menu_.Items()->Items(0));
    Key(VK_ESCAPE);
  });
  ASSERT_FALSE(first.IsEmpty());
  // No room right of and below the point: the menu opens to the left and above it.
  EXPECT_LE(first.Right, Screen->Width() - 5);
  EXPECT_LT(first.Top, Screen->Height() - 5);
  EXPECT_GE(first.Left, 0);
}

TEST_F(PopupTest, AlignmentPlacesThePoint) {
  TMenuItem* one = AddItem(menu_.Items(), "One");
  TRect left;
  TRect right;
  RunPopup(menu_, 300, 200, [&] {
    left = menu_.GetMenuItemRect(one);
    Key(VK_ESCAPE);
  });
  menu_.SetAlignment(paRight);
  RunPopup(menu_, 300, 200, [&] {
    right = menu_.GetMenuItemRect(one);
    Key(VK_ESCAPE);
  });
  // Items sit inside a 3-pixel frame: the window starts at the point or ends there.
  EXPECT_EQ(left.Left, 303);
  EXPECT_EQ(left.Top, 203);
  EXPECT_EQ(right.Right, 297);
}

TEST_F(PopupTest, EmptyMenuShowsNothingAndReturns) {
  bool popped = false;
  menu_.OnPopup = [&](TComponent*) { popped = true; };
  menu_.Popup(150, 150);
  EXPECT_TRUE(popped);
  EXPECT_FALSE(menu_.IsOpen());
}

TEST_F(PopupTest, FreeingTheMenuFromItsOwnPopupIsSafe) {
  auto* menu = new TPopupMenu(nullptr);
  auto* item = new TMenuItem(menu);
  item->SetCaption("One");
  menu->Items()->Add(item);
  PopupDriver driver([&] { delete menu; }, [] {});
  menu->Popup(150, 150);
  EXPECT_FALSE(driver.rescued);
}

// A menu that records the owner-draw hooks.
class RecordingMenu : public TPopupMenu {
 public:
  using TPopupMenu::TPopupMenu;
  struct Drawn {
    std::string caption;
    TRect rect;
    TMenuOwnerDrawState state;
  };
  std::vector<Drawn> drawn;
  std::vector<TMenuItem*> selected;

 protected:
  void MeasureItem(TMenuItem& item, TCanvas&, int& width, int& height) override {
    width = 120;
    height = item.IsLine() ? 6 : 20;
  }
  void DrawItem(TMenuItem& item, TCanvas& canvas, const TRect& rect,
                TMenuOwnerDrawState state) override {
    drawn.push_back({item.Caption(), rect, state});
    canvas.Brush().SetColor((state & mdSelected) ? clRed : clLime);
    canvas.FillRect(rect);
  }
  void MenuSelect(TMenuItem* item, bool highlighted) override {
    selected.push_back(item);
    TPopupMenu::MenuSelect(item, highlighted);
  }
};

TEST_F(PopupTest, OwnerDrawHooksMeasureAndDrawEveryItem) {
  RecordingMenu menu(nullptr);
  menu.SetOwnerDraw(true);
  auto add = [&](const std::string& caption) {
    auto* item = new TMenuItem(&menu);
    item->SetCaption(caption);
    menu.Items()->Add(item);
    return item;
  };
  TMenuItem* one = add("One");
  add("-");
  TMenuItem* two = add("Two");
  two->SetChecked(true);
  two->SetEnabled(false);
  TBitmap face;
  RunPopup(menu, 150, 150, [&] {
    EXPECT_EQ(menu.GetMenuItemRect(one), Bounds(153, 153, 120, 20));
    EXPECT_EQ(menu.GetMenuItemRect(two), Bounds(153, 179, 120, 20));
    Key(VK_DOWN);
    menu.drawn.clear();
    ASSERT_TRUE(menu.GetMenuFace(face));
    Key(VK_ESCAPE);
  });
  ASSERT_EQ(menu.drawn.size(), 3u);
  EXPECT_EQ(menu.drawn[0].rect, Rect(0, 0, 120, 20));
  EXPECT_EQ(menu.drawn[0].state, mdSelected);
  EXPECT_EQ(menu.drawn[1].rect, Rect(0, 20, 120, 26));
  EXPECT_EQ(menu.drawn[2].state, mdChecked | mdGrayed | mdDisabled);
  // The window: a 126 x 52 face, the frame round the items the hooks painted.
  EXPECT_EQ(face.Width(), 126);
  EXPECT_EQ(face.Height(), 52);
  EXPECT_EQ(face.Canvas().Pixels(3, 3), ColorToRGB(clRed));
  EXPECT_EQ(face.Canvas().Pixels(3, 23), ColorToRGB(clLime));
  EXPECT_EQ(face.Canvas().Pixels(0, 0), ColorToRGB(cl3DLight));
  EXPECT_EQ(face.Canvas().Pixels(1, 1), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(face.Canvas().Pixels(125, 51), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(face.Canvas().Pixels(124, 50), ColorToRGB(clBtnShadow));
  EXPECT_EQ(face.Canvas().Pixels(2, 2), ColorToRGB(clMenu));
  // The highlight went to One, then to nothing as the menu closed.
  ASSERT_GE(menu.selected.size(), 2u);
  EXPECT_EQ(menu.selected.front(), one);
  EXPECT_EQ(menu.selected.back(), nullptr);
}

}  // namespace

namespace {

TEST_F(PopupTest, RightClickOpensTheControlsMenuUnlessAutoPopupIsOff) {
  auto* probe = new Probe(form_.get(), form_.get(), Bounds(10, 10, 100, 50));
  TMenuItem* one = AddItem(menu_.Items(), "One");
  probe->SetPopupMenu(&menu_);
  bool opened = false;
  PopupDriver driver(
      [&] {
        opened = menu_.IsOpen();
        ClickOn(one);
      },
      [this] { menu_.CloseMenu(); });
  TestInput::Click(probe, Point(20, 20), mbRight);
  EXPECT_TRUE(opened);
  EXPECT_EQ(menu_.PopupComponent(), probe);
  EXPECT_EQ(menu_.PopupPoint(), probe->ClientToScreen(Point(20, 20)));
  EXPECT_EQ(log_, (std::vector<std::string>{"click One"}));

  menu_.SetAutoPopup(false);
  bool popped = false;
  menu_.OnPopup = [&](TComponent*) { popped = true; };
  TestInput::Click(probe, Point(20, 20), mbRight);
  EXPECT_FALSE(popped);
}

}  // namespace

namespace {

// A menu that shows the hand while an item is highlighted, the way owner-drawn menus do.
class HandMenu : public TPopupMenu {
 public:
  using TPopupMenu::TPopupMenu;

 protected:
  void MenuSelect(TMenuItem* item, bool highlighted) override {
    TPopupMenu::MenuSelect(item, highlighted);
    SetMenuCursor(highlighted ? crHandPoint : crDefault);
  }
};

TEST_F(PopupTest, HighlightHookCanSetTheMenuCursor) {
  HandMenu menu(nullptr);
  auto* item = new TMenuItem(&menu);
  item->SetCaption("One");
  menu.Items()->Add(item);
  Qt::CursorShape highlighted = Qt::ArrowCursor;
  Qt::CursorShape plain = Qt::PointingHandCursor;
  RunPopup(menu, 150, 150, [&] {
    QWidget* window = QApplication::activePopupWidget();
    ASSERT_NE(window, nullptr);
    Key(VK_DOWN);
    highlighted = window->cursor().shape();
    TestInput::MouseMove(form_.get(), form_->ScreenToClient(Point(10, 700)));
    plain = window->cursor().shape();
    Key(VK_ESCAPE);
  });
  EXPECT_EQ(highlighted, Qt::PointingHandCursor);
  EXPECT_EQ(plain, Qt::ArrowCursor);
}

}  // namespace
