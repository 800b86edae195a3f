// The greyed look of a disabled button's glyph.
#pragma once

#include "platform/graphics/Color.h"

class TBitmap;

// Every pixel becomes its grey level ((R + G + B) div 3) added to tint, per channel, at most 255.
void MakeDisabledGlyph(TBitmap& bitmap, TColor tint);
