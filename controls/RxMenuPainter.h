// The default painting of an owner-drawn popup menu item inside its rectangle (the margin is
// the menu's business): the frame of a selected button-style item, the check mark, the glyph
// column, then a separator or the caption and shortcut texts. The canvas comes with the
// item's font and a brush in the item's background colour; rect has been filled already.
#pragma once

#include "controls/RxMenuItemLook.h"

void PaintRxMenuItem(TCanvas& canvas, const TMenuItem& item, TRect rect, TMenuOwnerDrawState state,
                     const TRxItemLook& look);
