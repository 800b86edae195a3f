#include "controls/SmoothGraphics.h"

#include <algorithm>
#include <array>

namespace SmoothGraphics {

namespace {

// The system colours this panel resolves: scroll bar (0) up to info background (24).
constexpr int kLastResolvedSysColor = 24;

std::uint8_t ShiftChannel(std::uint8_t channel, int amount, bool lighten) {
  const int shifted = lighten ? channel + amount : channel - amount;
  return static_cast<std::uint8_t>(std::clamp(shifted, 0, 255));
}

// In the order of TCustomColor, without ccNone.
constexpr std::array<TColor, 24> kPalette = {
    RGB(79, 69, 47),     // ccLeather
    RGB(135, 119, 65),   // ccOldGold
    RGB(200, 144, 0),    // ccBuffedGold
    RGB(30, 96, 60),     // ccBottleGreen
    RGB(48, 152, 96),    // ccEmerald
    RGB(91, 204, 142),   // ccGlass
    RGB(47, 69, 79),     // ccNight
    RGB(66, 96, 111),    // ccGirder
    RGB(94, 128, 157),   // ccBrushedSteel
    RGB(30, 44, 96),     // ccTwilight
    RGB(48, 80, 152),    // ccSapphire
    RGB(91, 126, 204),   // ccSky
    RGB(69, 47, 79),     // ccRoyalPurple
    RGB(103, 66, 111),   // ccShadows
    RGB(137, 94, 157),   // ccPastels
    RGB(96, 30, 60),     // ccRoyal
    RGB(152, 48, 96),    // ccRuby
    RGB(204, 91, 142),   // ccRose
    RGB(25, 136, 141),   // ccAquaMarine
    RGB(21, 82, 85),     // ccTeal
    RGB(176, 169, 151),  // ccManuscript
    RGB(64, 60, 49),     // ccChocolate
    RGB(52, 122, 100),   // ccMoss
    RGB(41, 97, 79),     // ccLichen
};

}  // namespace

TColor SysColorToRGB(TColor color) {
  if (!IsSystemColor(color)) return color;
  const int index = static_cast<int>(color & 0xFF);
  if ((color & 0x00FFFF00) != 0 || index > kLastResolvedSysColor) return color;
  return GetSysColor(index);
}

TColor ShiftColor(TColor color, int amount, bool lighten) {
  return RGB(ShiftChannel(GetRValue(color), amount, lighten),
             ShiftChannel(GetGValue(color), amount, lighten),
             ShiftChannel(GetBValue(color), amount, lighten));
}

TColor CustomColorToRGB(TCustomColor value) {
  const auto index = static_cast<std::size_t>(value);
  return index < kPalette.size() ? kPalette[index] : RGB(0, 0, 0);
}

}  // namespace SmoothGraphics
