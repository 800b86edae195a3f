// The colour routines of the smooth panel: system colours, the channel shift and the palette.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "controls/SmoothGraphics.h"

using namespace SmoothGraphics;

namespace {

TEST(SmoothGraphics, SystemColoursUpToInfoBackgroundResolve) {
  for (int index = 0; index <= 24; ++index) {
    SCOPED_TRACE(index);
    EXPECT_EQ(SysColorToRGB(clSystemColor | TColor(index)), GetSysColor(index));
  }
}

TEST(SmoothGraphics, OtherValuesPassUnchanged) {
  const std::vector<TColor> values = {
      RGB(255, 155, 55), clWhite,    clBlack,    clHotLight,  clMenuBar, clSystemColor | 25, clNone,
      clDefault,         0xFF000100, 0x00FFFFFF, RGB(1, 2, 3)};
  for (TColor value : values) {
    SCOPED_TRACE(ColorToString(value));
    EXPECT_EQ(SysColorToRGB(value), value);
  }
}

TEST(SmoothGraphics, ShiftAddsOrSubtractsOnEveryChannelAndClamps) {
  struct Case {
    TColor color;
    int amount;
    bool lighten;
    TColor expected;
  };
  const std::vector<Case> cases = {
      {RGB(255, 155, 55), 20, true, RGB(255, 175, 75)},
      {RGB(255, 155, 55), 10, true, RGB(255, 165, 65)},
      {RGB(255, 155, 55), 20, false, RGB(235, 135, 35)},
      {RGB(255, 155, 55), 10, false, RGB(245, 145, 45)},
      {RGB(255, 155, 55), 50, false, RGB(205, 105, 5)},
      {RGB(250, 240, 245), 20, true, RGB(255, 255, 255)},
      {RGB(5, 15, 9), 10, false, RGB(0, 5, 0)},
      {RGB(0, 0, 0), 20, true, RGB(20, 20, 20)},
      {RGB(10, 200, 30), 0, false, RGB(10, 200, 30)},
      {RGB(30, 60, 90), 50, false, RGB(0, 10, 40)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ColorToString(c.color) + (c.lighten ? " +" : " -") + std::to_string(c.amount));
    EXPECT_EQ(ShiftColor(c.color, c.amount, c.lighten), c.expected);
  }
}

TEST(SmoothGraphics, PaletteHasTheTwentyFourNamedColours) {
  const std::vector<std::tuple<TCustomColor, int, int, int>> palette = {
      {TCustomColor::ccLeather, 79, 69, 47},
      {TCustomColor::ccOldGold, 135, 119, 65},
      {TCustomColor::ccBuffedGold, 200, 144, 0},
      {TCustomColor::ccBottleGreen, 30, 96, 60},
      {TCustomColor::ccEmerald, 48, 152, 96},
      {TCustomColor::ccGlass, 91, 204, 142},
      {TCustomColor::ccNight, 47, 69, 79},
      {TCustomColor::ccGirder, 66, 96, 111},
      {TCustomColor::ccBrushedSteel, 94, 128, 157},
      {TCustomColor::ccTwilight, 30, 44, 96},
      {TCustomColor::ccSapphire, 48, 80, 152},
      {TCustomColor::ccSky, 91, 126, 204},
      {TCustomColor::ccRoyalPurple, 69, 47, 79},
      {TCustomColor::ccShadows, 103, 66, 111},
      {TCustomColor::ccPastels, 137, 94, 157},
      {TCustomColor::ccRoyal, 96, 30, 60},
      {TCustomColor::ccRuby, 152, 48, 96},
      {TCustomColor::ccRose, 204, 91, 142},
      {TCustomColor::ccAquaMarine, 25, 136, 141},
      {TCustomColor::ccTeal, 21, 82, 85},
      {TCustomColor::ccManuscript, 176, 169, 151},
      {TCustomColor::ccChocolate, 64, 60, 49},
      {TCustomColor::ccMoss, 52, 122, 100},
      {TCustomColor::ccLichen, 41, 97, 79},
      {TCustomColor::ccNone, 0, 0, 0}};
  for (const auto& [value, r, g, b] : palette) {
    SCOPED_TRACE(static_cast<int>(value));
    EXPECT_EQ(CustomColorToRGB(value), RGB(std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)));
  }
  // The enumeration keeps the palette's order.
  EXPECT_EQ(static_cast<int>(TCustomColor::ccLichen), 23);
  EXPECT_EQ(static_cast<int>(TCustomColor::ccNone), 24);
}

}  // namespace
