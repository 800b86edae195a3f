// TOwnerDrawComboBox: the owner-drawn style bits and the item height of both list controls.
#include "controls/RxCombos.h"

#include <algorithm>

#include "platform/graphics/Canvas.h"

namespace {

TComboBoxStyle PlatformStyle(TOwnerDrawComboStyle style) {
  switch (style) {
    case TOwnerDrawComboStyle::csDropDown:
      return TComboBoxStyle::csDropDown;
    case TOwnerDrawComboStyle::csSimple:
      return TComboBoxStyle::csSimple;
    case TOwnerDrawComboStyle::csDropDownList:
      break;
  }
  return TComboBoxStyle::csDropDownList;
}

unsigned TypeBits(TOwnerDrawComboStyle style) {
  switch (style) {
    case TOwnerDrawComboStyle::csDropDown:
      return CBS_DROPDOWN;
    case TOwnerDrawComboStyle::csSimple:
      return CBS_SIMPLE;
    case TOwnerDrawComboStyle::csDropDownList:
      break;
  }
  return CBS_DROPDOWNLIST;
}

}  // namespace

TOwnerDrawComboBox::TOwnerDrawComboBox(TComponent* owner) : TCustomComboBox(owner) {
  TCustomComboBox::SetStyle(PlatformStyle(style_));
}

void TOwnerDrawComboBox::SetStyle(TOwnerDrawComboStyle value) {
  if (value == style_) return;
  style_ = value;
  TCustomComboBox::SetStyle(PlatformStyle(value));
}

unsigned TOwnerDrawComboBox::ComboWindowStyle() const {
  return (TCustomComboBox::ComboWindowStyle() & ~CBS_TYPEMASK) | CBS_OWNERDRAWFIXED |
         TypeBits(style_);
}

int TOwnerDrawComboBox::GetItemHeight() const {
  TCanvas measure;
  measure.SetFont(Font());
  return std::max(9, measure.TextHeight("0") + 1);
}

void TOwnerDrawComboBox::ResetItemHeight() {
  const int height = GetItemHeight();
  resetting_ = true;
  SetItemHeight(height);
  resetting_ = false;
}

void TOwnerDrawComboBox::CreateWnd() {
  TCustomComboBox::CreateWnd();
  ResetItemHeight();
}

void TOwnerDrawComboBox::FontChanged() {
  TCustomComboBox::FontChanged();
  ResetItemHeight();
  // The items are as high as the font: the window is made anew.
  if (HandleAllocated() && !resetting_ && !Loading()) RecreateWnd();
}
