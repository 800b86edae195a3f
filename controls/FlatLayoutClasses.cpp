#include "controls/FlatLayoutClasses.h"

#include "controls/TFlatButtonUnit.h"
#include "controls/TFlatCheckBoxUnit.h"
#include "controls/TFlatHintUnit.h"
#include "platform/layout/LayoutClass.h"
#include "platform/layout/LayoutClasses.h"

namespace {

const TLayoutEnum<TButtonLayout> kButtonLayouts = {{"blGlyphLeft", TButtonLayout::blGlyphLeft},
                                                   {"blGlyphRight", TButtonLayout::blGlyphRight},
                                                   {"blGlyphTop", TButtonLayout::blGlyphTop},
                                                   {"blGlyphBottom", TButtonLayout::blGlyphBottom}};

const TLayoutEnum<TCheckBoxLayout> kCheckBoxLayouts = {
    {"checkboxLeft", TCheckBoxLayout::checkboxLeft},
    {"checkboxRight", TCheckBoxLayout::checkboxRight}};

const TLayoutEnum<TModalResult> kModalResults = {
    {"mrNone", mrNone},   {"mrOk", mrOk},           {"mrCancel", mrCancel},    {"mrAbort", mrAbort},
    {"mrRetry", mrRetry}, {"mrIgnore", mrIgnore},   {"mrYes", mrYes},          {"mrNo", mrNo},
    {"mrAll", mrAll},     {"mrNoToAll", mrNoToAll}, {"mrYesToAll", mrYesToAll}};

// An integer property whose range the layout reader checks, so a bad value names its line.
template <class T>
auto Ranged(void (T::*setter)(int), int min, int max) {
  return [setter, min, max](T& self, const TLayoutValue& value, TLayoutBinder& binder) {
    (self.*setter)(static_cast<int>(binder.Integer(value, min, max)));
  };
}

void RegisterFlatButton() {
  LayoutClass<TFlatButton, TCustomControl>("TFlatButton")
      .Bool("AllowAllUp", &TFlatButton::SetAllowAllUp)
      .Color("ColorFocused", &TFlatButton::SetColorFocused)
      .Color("ColorDown", &TFlatButton::SetColorDown)
      .Color("ColorBorder", &TFlatButton::SetColorBorder)
      .Color("ColorHighLight", &TFlatButton::SetColorHighLight)
      .Color("ColorShadow", &TFlatButton::SetColorShadow)
      .Value("AdvColorFocused", Ranged(&TFlatButton::SetAdvColorFocused, 0, 100))
      .Value("AdvColorDown", Ranged(&TFlatButton::SetAdvColorDown, 0, 100))
      .Value("AdvColorBorder", Ranged(&TFlatButton::SetAdvColorBorder, 0, 100))
      .Bool("UseAdvColors", &TFlatButton::SetUseAdvColors)
      .Int("GroupIndex", &TFlatButton::SetGroupIndex)
      .Bool("Down", &TFlatButton::SetDown)
      .Graphic("Glyph.Data",
               [](TFlatButton& button, TGraphic& picture) {
                 TBitmap glyph;
                 glyph.Assign(picture);
                 button.SetGlyph(glyph);
               })
      .Enum("Layout", kButtonLayouts, &TFlatButton::SetLayout)
      .Int("Margin", &TFlatButton::SetMargin)
      .Value("NumGlyphs", Ranged(&TFlatButton::SetNumGlyphs, 1, 4))
      .Int("Spacing", &TFlatButton::SetSpacing)
      .Enum("ModalResult", kModalResults, &TFlatButton::SetModalResult);
}

void RegisterFlatCheckBox() {
  LayoutClass<TFlatCheckBox, TCustomControl>("TFlatCheckBox")
      .Bool("Checked", &TFlatCheckBox::SetChecked)
      .Color("ColorFocused", &TFlatCheckBox::SetColorFocused)
      .Color("ColorDown", &TFlatCheckBox::SetColorDown)
      .Color("ColorCheck", &TFlatCheckBox::SetColorCheck)
      .Color("ColorBorder", &TFlatCheckBox::SetColorBorder)
      .Value("AdvColorFocused", Ranged(&TFlatCheckBox::SetAdvColorFocused, 0, 100))
      .Value("AdvColorDown", Ranged(&TFlatCheckBox::SetAdvColorDown, 0, 100))
      .Value("AdvColorBorder", Ranged(&TFlatCheckBox::SetAdvColorBorder, 0, 100))
      .Bool("UseAdvColors", &TFlatCheckBox::SetUseAdvColors)
      .Enum("Layout", kCheckBoxLayouts, &TFlatCheckBox::SetLayout);
}

void RegisterFlatHint() {
  LayoutClass<TFlatHint, TComponent>("TFlatHint")
      .Color("ColorBackground", &TFlatHint::SetColorBackground)
      .Color("ColorBorder", &TFlatHint::SetColorBorder)
      .Color("ColorArrowBackground", &TFlatHint::SetColorArrowBackground)
      .Color("ColorArrow", &TFlatHint::SetColorArrow)
      .Value("MaxHintWidth",
             Ranged(&TFlatHint::SetMaxHintWidth, TFlatHintWindow::ExtraWidth + 1, 1 << 16))
      .Object("Font", static_cast<TFont& (TFlatHint::*)()>(&TFlatHint::Font))
      .Event("OnShowHint", &TFlatHint::OnShowHint);
}

}  // namespace

void RegisterFlatLayoutClasses() {
  RegisterPlatformLayoutClasses();
  RegisterFlatButton();
  RegisterFlatCheckBox();
  RegisterFlatHint();
}
