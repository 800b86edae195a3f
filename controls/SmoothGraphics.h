// Colour routines of the smooth panel: system colours to RGB, a per-channel lighten or darken,
// and the panel's palette of named body colours.
#pragma once

#include "platform/graphics/Color.h"

// The palette of named body colours; ccNone means "use the free colour instead".
enum class TCustomColor {
  ccLeather,
  ccOldGold,
  ccBuffedGold,
  ccBottleGreen,
  ccEmerald,
  ccGlass,
  ccNight,
  ccGirder,
  ccBrushedSteel,
  ccTwilight,
  ccSapphire,
  ccSky,
  ccRoyalPurple,
  ccShadows,
  ccPastels,
  ccRoyal,
  ccRuby,
  ccRose,
  ccAquaMarine,
  ccTeal,
  ccManuscript,
  ccChocolate,
  ccMoss,
  ccLichen,
  ccNone
};

namespace SmoothGraphics {

// The current value of the system colours with indices 0 to 24 (scroll bar ... info
// background); every other value, including the newer system colours, comes back unchanged.
TColor SysColorToRGB(TColor color);

// Adds amount to each of red, green and blue (lighten) or subtracts it, clamping each channel
// to 0..255. The colour must already be an RGB value.
TColor ShiftColor(TColor color, int amount, bool lighten);

// The RGB value of a palette colour; black for ccNone (which is never painted).
TColor CustomColorToRGB(TCustomColor value);

}  // namespace SmoothGraphics
