// The size of an owner-drawn popup menu item before the menu adds its margin: the check-mark
// column, the caption and shortcut columns and the glyph column, at least the menu-bar height
// less 2 high; separators are 9 pixels high unless the font is very large.
#pragma once

#include "controls/RxMenuItemLook.h"

TSize MeasureRxMenuItem(const TCanvas& canvas, const TMenuItem& item, const TRxItemLook& look);
