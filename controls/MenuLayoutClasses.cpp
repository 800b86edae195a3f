#include "controls/MenuLayoutClasses.h"

#include <algorithm>

#include "controls/RxMenus.h"
#include "platform/layout/LayoutClass.h"
#include "platform/layout/LayoutClasses.h"

namespace {

const TLayoutEnum<TRxMenuStyle> kMenuStyles = {{"msStandard", TRxMenuStyle::msStandard},
                                               {"msOwnerDraw", TRxMenuStyle::msOwnerDraw},
                                               {"msBtnLowered", TRxMenuStyle::msBtnLowered},
                                               {"msBtnRaised", TRxMenuStyle::msBtnRaised}};

// Cardinal properties: a negative number in a layout is an error, not a silent zero.
template <void (TRxPopupMenu::*Setter)(int)>
void SetCardinal(TRxPopupMenu& menu, unsigned value) {
  (menu.*Setter)(static_cast<int>(std::min<unsigned>(value, 0x7FFFFFFF)));
}

}  // namespace

void RegisterMenuLayoutClasses() {
  RegisterPlatformLayoutClasses();
  LayoutClass<TRxPopupMenu, TPopupMenu>("TRxPopupMenu")
      .Enum("Cursor", LayoutCursorNames(), &TRxPopupMenu::SetCursor)
      .Int("LeftMargin", &SetCardinal<&TRxPopupMenu::SetLeftMargin>)
      .Int("MinTextOffset", &SetCardinal<&TRxPopupMenu::SetMinTextOffset>)
      .Enum("Style", kMenuStyles, &TRxPopupMenu::SetStyle)
      .Bool("ShowCheckMarks", &TRxPopupMenu::SetShowCheckMarks)
      .Reference("Images", &TRxPopupMenu::SetImages)
      .Event("OnGetImageIndex", &TRxPopupMenu::OnGetImageIndex)
      .Event("OnDrawItem", &TRxPopupMenu::OnDrawItem)
      .Event("OnDrawMargin", &TRxPopupMenu::OnDrawMargin)
      .Event("OnGetItemParams", &TRxPopupMenu::OnGetItemParams)
      .Event("OnMeasureItem", &TRxPopupMenu::OnMeasureItem);
}
