#include "controls/RulerComboLayoutClasses.h"

#include "controls/RxCombos.h"
#include "controls/WordRuler.h"
#include "platform/layout/LayoutClass.h"
#include "platform/layout/LayoutClasses.h"

namespace {

const TLayoutEnum<TDivType> kDivisions = {{"dvPixels", TDivType::dvPixels},
                                          {"dvInches", TDivType::dvInches},
                                          {"dvCentimeters", TDivType::dvCentimeters},
                                          {"dvPicas", TDivType::dvPicas}};
const TLayoutEnum<TRulerDir> kDirections = {{"rdVertical", TRulerDir::rdVertical},
                                            {"rdHorizontal", TRulerDir::rdHorizontal}};
const TLayoutEnum<TOwnerDrawComboStyle> kComboStyles = {
    {"csDropDown", TOwnerDrawComboStyle::csDropDown},
    {"csSimple", TOwnerDrawComboStyle::csSimple},
    {"csDropDownList", TOwnerDrawComboStyle::csDropDownList}};
const TLayoutEnum<unsigned> kColorComboOptions = {
    {"coIncludeDefault", TColorComboOption::coIncludeDefault},
    {"coIncludeNone", TColorComboOption::coIncludeNone}};
const TLayoutEnum<TFontDevice> kFontDevices = {{"fdScreen", TFontDevice::fdScreen},
                                               {"fdPrinter", TFontDevice::fdPrinter},
                                               {"fdBoth", TFontDevice::fdBoth}};
const TLayoutEnum<unsigned> kFontListOptions = {
    {"foAnsiOnly", TFontListOption::foAnsiOnly},
    {"foTrueTypeOnly", TFontListOption::foTrueTypeOnly},
    {"foFixedPitchOnly", TFontListOption::foFixedPitchOnly},
    {"foNoOEMFonts", TFontListOption::foNoOEMFonts},
    {"foOEMFontsOnly", TFontListOption::foOEMFontsOnly},
    {"foScalableOnly", TFontListOption::foScalableOnly},
    {"foNoSymbolFonts", TFontListOption::foNoSymbolFonts}};

void RegisterWordRuler() {
  LayoutClass<TWordRuler, TCustomControl>("TWordRuler")
      .Enum("Divisions", kDivisions, &TWordRuler::SetDivisions)
      .Color("BackColor", &TWordRuler::SetBackColor)
      .Color("RulerColor", &TWordRuler::SetRulerColor)
      .Bool("Framed", &TWordRuler::SetFramed)
      .Bool("MarkerOnTop", &TWordRuler::SetMarkerOnTop)
      .Enum("Direction", kDirections, &TWordRuler::SetDirection)
      .Event("OnBeginChange", &TWordRuler::OnBeginChange)
      .Event("OnChanged", &TWordRuler::OnChanged)
      .Event("OnStopChanged", &TWordRuler::OnStopChanged);
}

void RegisterCombos() {
  LayoutClass<TOwnerDrawComboBox, TCustomComboBox>("TOwnerDrawComboBox")
      .Enum("Style", kComboStyles, &TOwnerDrawComboBox::SetStyle);
  LayoutClass<TColorComboBox, TOwnerDrawComboBox>("TColorComboBox")
      .Color("ColorValue", &TColorComboBox::SetColorValue)
      .Strings("ColorNames", &TColorComboBox::SetColorNames)
      .Strings("ColorNames.Strings", &TColorComboBox::SetColorNames)
      .Bool("DisplayNames", &TColorComboBox::SetDisplayNames)
      .Set("Options", kColorComboOptions, &TColorComboBox::SetOptions);
  LayoutClass<TFontComboBox, TOwnerDrawComboBox>("TFontComboBox")
      .Enum("Device", kFontDevices, &TFontComboBox::SetDevice)
      .String("FontName", &TFontComboBox::SetFontName)
      .Set("Options", kFontListOptions, &TFontComboBox::SetOptions)
      .Bool("TrueTypeOnly", &TFontComboBox::SetTrueTypeOnly)
      .Bool("UseFonts", &TFontComboBox::SetUseFonts);
}

}  // namespace

void RegisterRulerComboLayoutClasses() {
  // The classes build on the platform's registered controls and combo box.
  RegisterPlatformLayoutClasses();
  RegisterWordRuler();
  RegisterCombos();
}
