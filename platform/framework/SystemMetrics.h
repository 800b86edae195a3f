// The classic desktop's fixed measures at 96 dpi (GetSystemMetrics) and the fonts the standard
// controls use when nothing else is set. Like the system colours, they are one fixed classic
// set, so controls measure and look the same on every desktop.
#pragma once

#include "platform/graphics/Font.h"

enum : int {
  SM_CXVSCROLL = 2,  // width of a vertical scroll bar (and a combo box's drop-down button)
  SM_CYHSCROLL = 3,  // height of a horizontal scroll bar
  SM_CXBORDER = 5,   // thin window border
  SM_CYBORDER = 6,
  SM_CYVTHUMB = 9,  // height of a scroll bar's arrow button
  SM_CYMENU = 15,   // height of a menu bar line
  SM_CXEDGE = 45,   // 3-D edge
  SM_CYEDGE = 46,
  SM_CXMENUCHECK = 71,  // menu check mark
  SM_CYMENUCHECK = 72,
};

// The value for index; 0 for an index without a fixed value.
int GetSystemMetrics(int index);

// The menu font of the classic non-client metrics: "MS Sans Serif", 8 points, menu-text colour.
TFont MenuFont();
