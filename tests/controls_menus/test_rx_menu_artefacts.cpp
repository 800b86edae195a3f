// Renders the open owner-drawn menu in its looks into PNG files for a look by eye:
// artefacts/controls_menus/ in the build folder. The menu is dressed as the main window
// dresses its menus: the warm margin gradient, a margin of 30 and dark red 10-point text.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "controls/RxMenuMargin.h"
#include "rx_menu_fixture.h"

namespace {

constexpr TColor kStart = 5943291;
constexpr TColor kEnd = 2971517;

class MenuArtefacts : public RxMenuTest {
 protected:
  void SetUp() override {
    RxMenuTest::SetUp();
    dir_ = std::string(TARVIK_BINARY_DIR) + "/artefacts/controls_menus";
    std::filesystem::create_directories(dir_);
    menu_.SetStyle(TRxMenuStyle::msOwnerDraw);
    menu_.SetCursor(crHandPoint);
    menu_.SetLeftMargin(20);
    menu_.OnDrawMargin = [](TMenu* sender, const TRect& rect) {
      auto& menu = dynamic_cast<TRxPopupMenu&>(*sender);
      menu.PaintMarginGradient(rect, kStart, kEnd);
      menu.SetLeftMargin(30);
    };
    menu_.OnGetItemParams = [](TMenu*, TMenuItem*, TMenuOwnerDrawState, TFont& font, TColor&,
                               TGraphic*&, int&) {
      font.SetColor(124);
      font.SetSize(10);
    };
    Add("Создать");
    Add("-");
    Add("Открыть")->SetChecked(true);
    Add("&Сохранить")->SetShortCut(ShortCut('S', ssCtrl));
    saveAs_ = Add("Сохранить как");
    TMenuItem* saveAs = saveAs_;
    saveAs->SetShortCut(ShortCut('S', ssShift | ssCtrl));
    saveAs->SetEnabled(false);
    Add("-");
    more_ = Add("Печать");
    Add(more_, "Печать");
    Add(more_, "Настройка печати")->SetChecked(true);
    Add("Выход");
  }

  // Opens the menu, presses keys, writes the face of the given level to name.png.
  TBitmap Render(const std::string& name, const std::vector<TKey>& keys, int level = 0) {
    return Render(
        name,
        [&] {
          for (TKey key : keys) Key(key);
        },
        level);
  }
  TBitmap Render(const std::string& name, const std::function<void()>& actions, int level = 0) {
    TBitmap face;
    RunMenu(menu_, kX, kY, [&] {
      actions();
      EXPECT_TRUE(menu_.GetMenuFace(face, level)) << name;
      menu_.CloseMenu();
    });
    const std::string path = dir_ + "/" + name + ".png";
    face.SaveToFile(path);
    EXPECT_TRUE(std::filesystem::exists(path)) << path;
    return face;
  }

  std::string dir_;
  TMenuItem* more_ = nullptr;
  TMenuItem* saveAs_ = nullptr;
};

TEST_F(MenuArtefacts, FileMenuInItsLooks) {
  TBitmap plain = Render("menu_plain", std::vector<TKey>{});
  // The margin in the frame: the start colour at the top, the end colour at the bottom.
  EXPECT_EQ(plain.Canvas().Pixels(kFrame, kFrame), kStart);
  EXPECT_EQ(plain.Canvas().Pixels(kFrame, plain.Height() - kFrame - 1), kEnd);
  TBitmap selected = Render("menu_selected", {VK_DOWN, VK_DOWN, VK_DOWN});
  EXPECT_GT(CountOf(selected, Rect(0, 0, selected.Width(), selected.Height()), clHighlight), 100);
  // Only the mouse highlights a disabled item.
  TBitmap disabled = Render("menu_disabled_selected", [&] { MoveTo(saveAs_); });
  EXPECT_GT(CountOf(disabled, Rect(0, 0, disabled.Width(), disabled.Height()), clGrayText), 10);
  Render("menu_submenu", {VK_UP, VK_UP, VK_RIGHT}, 1);
  menu_.SetStyle(TRxMenuStyle::msBtnRaised);
  TBitmap raised = Render("menu_btn_raised", {VK_DOWN, VK_DOWN});
  EXPECT_EQ(CountOf(raised, Rect(0, 0, raised.Width(), raised.Height()), clHighlight), 0);
  menu_.SetStyle(TRxMenuStyle::msBtnLowered);
  Render("menu_btn_lowered", {VK_DOWN, VK_DOWN});
  menu_.OnDrawMargin = nullptr;
  menu_.OnGetItemParams = nullptr;
  menu_.SetStyle(TRxMenuStyle::msOwnerDraw);
  TBitmap standard = Render("menu_default_margin", {VK_DOWN});
  EXPECT_EQ(standard.Canvas().Pixels(kFrame, kFrame), ColorToRGB(clBlue));
}

}  // namespace
