// Captions of the rounded controls: text flags by alignment and text with a one-pixel shadow.
#pragma once

#include <string>

#include "platform/core/Types.h"
#include "platform/framework/ControlTypes.h"
#include "platform/graphics/Color.h"

class TCanvas;
class TFont;

// Vertical centring, no prefix processing and end ellipsis, the horizontal alignment, and
// word break or single line.
unsigned MakeTextFormat(TAlignment alignment, bool wordWrap);

// Draws text into rect with the flags format in font. Enabled: first in shadowColor one pixel
// right and down when shadow is set, then in the font's colour. Disabled: engraved (highlight
// one pixel right and down, button shadow in place). The caller sets the text background.
void DrawShadowText(TCanvas& canvas, const std::string& text, const TFont& font, TColor shadowColor,
                    bool shadow, unsigned format, const TRect& rect, bool enabled);
