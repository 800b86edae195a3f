// The small pieces the classic standard controls are drawn from (the DrawFrameControl family):
// 3-D button faces, arrow glyphs of scroll bars, combo boxes and spinners, the radio-button
// circle, and the menu glyphs (check mark, radio bullet, sub-menu arrow). All colours are the
// system colours of the fixed classic palette.
#pragma once

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/core/Types.h"

enum TArrowDirection { adUp, adDown, adLeft, adRight };

// A push-button face on r: raised (2-pixel outer and inner edges, face fill) or pushed (a
// 1-pixel shadow frame, face fill), as scroll and combo buttons draw. Returns the inside.
TRect DrawButtonFace(TCanvas& canvas, const TRect& r, bool pushed);

// A filled triangle centred in r: (min(width, height) - 2) div 3 rows (at least 1), its base
// 2 × rows - 1 pixels wide. Disabled arrows are embossed (highlight one pixel right and down,
// then shadow).
void DrawArrow(TCanvas& canvas, const TRect& r, TArrowDirection direction, TColor color);
void DrawArrowDisabled(TCanvas& canvas, const TRect& r, TArrowDirection direction);

// A scroll-bar style button: face plus arrow; the arrow moves one pixel right and down while
// pushed.
void DrawArrowButton(TCanvas& canvas, const TRect& r, TArrowDirection direction, bool pushed,
                     bool enabled);

// The classic 12 × 12 radio circle with its top-left corner at (x, y): sunken two-ring edge,
// window-coloured inside (button face while pushed or disabled), a 4 × 4 dot when checked.
inline constexpr int RadioGlyphSize = 12;
void DrawRadioGlyph(TCanvas& canvas, int x, int y, bool checked, bool enabled, bool pushed);

// The classic 13 × 13 menu glyphs (the check-mark size), black on white, monochrome: draw them
// with a text colour through DrawMenuGlyph or use the masks directly.
enum TMenuGlyph { mgCheck, mgBullet, mgSubmenuArrow };
const TBitmap& MenuGlyphBitmap(TMenuGlyph glyph);
// Paints the glyph's black pixels in color with its top-left corner at (x, y).
void DrawMenuGlyph(TCanvas& canvas, int x, int y, TMenuGlyph glyph, TColor color);
