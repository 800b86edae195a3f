#include "platform/framework/SystemMetrics.h"

int GetSystemMetrics(int index) {
  switch (index) {
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVTHUMB:
      return 16;
    case SM_CXBORDER:
    case SM_CYBORDER:
      return 1;
    case SM_CYMENU:
      return 19;
    case SM_CXEDGE:
    case SM_CYEDGE:
      return 2;
    case SM_CXMENUCHECK:
    case SM_CYMENUCHECK:
      return 13;
    default:
      return 0;
  }
}

TFont MenuFont() {
  TFont font;
  font.SetName("MS Sans Serif");
  font.SetHeight(-11);
  font.SetColor(clMenuText);
  return font;
}
