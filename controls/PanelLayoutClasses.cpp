#include "controls/PanelLayoutClasses.h"

#include <memory>

#include "controls/AtomButton.h"
#include "controls/SmoothPanel.h"
#include "controls/VasPanel.h"
#include "platform/graphics/Bitmap.h"
#include "platform/layout/LayoutClass.h"

namespace {

const TLayoutEnum<TCustomColor> kCustomColors = {{"ccLeather", TCustomColor::ccLeather},
                                                 {"ccOldGold", TCustomColor::ccOldGold},
                                                 {"ccBuffedGold", TCustomColor::ccBuffedGold},
                                                 {"ccBottleGreen", TCustomColor::ccBottleGreen},
                                                 {"ccEmerald", TCustomColor::ccEmerald},
                                                 {"ccGlass", TCustomColor::ccGlass},
                                                 {"ccNight", TCustomColor::ccNight},
                                                 {"ccGirder", TCustomColor::ccGirder},
                                                 {"ccBrushedSteel", TCustomColor::ccBrushedSteel},
                                                 {"ccTwilight", TCustomColor::ccTwilight},
                                                 {"ccSapphire", TCustomColor::ccSapphire},
                                                 {"ccSky", TCustomColor::ccSky},
                                                 {"ccRoyalPurple", TCustomColor::ccRoyalPurple},
                                                 {"ccShadows", TCustomColor::ccShadows},
                                                 {"ccPastels", TCustomColor::ccPastels},
                                                 {"ccRoyal", TCustomColor::ccRoyal},
                                                 {"ccRuby", TCustomColor::ccRuby},
                                                 {"ccRose", TCustomColor::ccRose},
                                                 {"ccAquaMarine", TCustomColor::ccAquaMarine},
                                                 {"ccTeal", TCustomColor::ccTeal},
                                                 {"ccManuscript", TCustomColor::ccManuscript},
                                                 {"ccChocolate", TCustomColor::ccChocolate},
                                                 {"ccMoss", TCustomColor::ccMoss},
                                                 {"ccLichen", TCustomColor::ccLichen},
                                                 {"ccNone", TCustomColor::ccNone}};

const TLayoutEnum<TBevelStyle> kBevelStyles = {{"bsRaised", TBevelStyle::bsRaised},
                                               {"bsLowered", TBevelStyle::bsLowered},
                                               {"bsNone", TBevelStyle::bsNone}};

const TLayoutEnum<TLayout> kCaptionLayouts = {
    {"plLeft", TLayout::plLeft}, {"plCenter", TLayout::plCenter}, {"plRight", TLayout::plRight}};

const TLayoutEnum<TShadowPosition> kShadowPositions = {
    {"spLeftTop", TShadowPosition::spLeftTop},
    {"spLeftBottom", TShadowPosition::spLeftBottom},
    {"spRightBottom", TShadowPosition::spRightBottom},
    {"spRightTop", TShadowPosition::spRightTop}};

const TLayoutEnum<TStyleKind> kStyleKinds = {{"skRaised", TStyleKind::skRaised},
                                             {"skLowered", TStyleKind::skLowered},
                                             {"skShadow", TStyleKind::skShadow},
                                             {"skNone", TStyleKind::skNone},
                                             {"skCustom", TStyleKind::skCustom}};

void RegisterSmoothPanel() {
  // The events keep the lower-case start their stored names have (except OnMouseUp).
  LayoutClass<TSmoothPanel, TCustomControl>("TSmoothPanel")
      .Color("Color", &TSmoothPanel::SetColor)
      .Enum("CustomColor", kCustomColors, &TSmoothPanel::SetCustomColor)
      .Enum("BevelInner", kBevelStyles, &TSmoothPanel::SetBevelInner)
      .Enum("BevelOuter", kBevelStyles, &TSmoothPanel::SetBevelOuter)
      .Int("BorderWidth", &TSmoothPanel::SetBorderWidth)
      .String("Caption", &TSmoothPanel::SetCaption)
      .Enum("Layout", kCaptionLayouts, &TSmoothPanel::SetLayout)
      .Bool("ShadowText", &TSmoothPanel::SetShadowText)
      .Int("ShadowDepth", &TSmoothPanel::SetShadowDepth)
      .Event("onClick", &TControl::OnClick)
      .Event("onDblClick", &TControl::OnDblClick)
      .Event("onMouseDown", &TControl::OnMouseDown)
      .Event("onMouseMove", &TControl::OnMouseMove)
      .Event("OnMouseUp", &TControl::OnMouseUp)
      .Event("onMouseWheelUp", &TSmoothPanel::OnMouseWheelUp)
      .Event("onMouseWheelDown", &TSmoothPanel::OnMouseWheelDown)
      .Event("onMouseWheel", &TSmoothPanel::OnMouseWheel)
      .Event("onResize", &TControl::OnResize);
}

void RegisterVasPanel() {
  LayoutClass<TVasPanel, TPanel>("TVasPanel")
      .Color("ShadowColor", &TVasPanel::SetShadowColor)
      .Enum("ShadowPos", kShadowPositions, &TVasPanel::SetShadowPos)
      .Int("ShadowSize", &TVasPanel::SetShadowSize)
      .Enum("StyleKind", kStyleKinds, &TVasPanel::SetStyleKind);
}

// A stored picture of any class becomes the button's bitmap.
void SetAtomPicture(tAtomButton& button, std::unique_ptr<TGraphic> picture) {
  TBitmap copy;
  if (const auto* bitmap = dynamic_cast<const TBitmap*>(picture.get()))
    copy.Assign(*bitmap);
  else
    copy.Assign(*picture);
  button.setBitmap(copy);
}

void RegisterAtomButton() {
  LayoutClass<tAtomButton, TCustomControl>("tAtomButton")
      .Event("onClick", &tAtomButton::onClick)
      .Event("onMouseMove", &tAtomButton::onMouseMove)
      .Event("onMouseEnter", &tAtomButton::onMouseEnter)
      .Event("onMouseUp", &tAtomButton::onMouseUp)
      .Event("onMouseDown", &tAtomButton::onMouseDown)
      .Event("onMouseLeave", &tAtomButton::onMouseLeave)
      .Color("BtnColorNormal1", &tAtomButton::SetBtnColorNormal1)
      .Color("BtnColorNormal2", &tAtomButton::SetBtnColorNormal2)
      .Color("BtnColorMouseOn1", &tAtomButton::SetBtnColorMouseOn1)
      .Color("BtnColorMouseOn2", &tAtomButton::SetBtnColorMouseOn2)
      .Color("BtnColorMouseDown1", &tAtomButton::SetBtnColorMouseDown1)
      .Color("BtnColorMouseDown2", &tAtomButton::SetBtnColorMouseDown2)
      .Color("BtnColorEnable1", &tAtomButton::SetBtnColorEnable1)
      .Color("BtnColorEnable2", &tAtomButton::SetBtnColorEnable2)
      .Bool("enabled", &tAtomButton::setEnabled)
      .String("caption", &tAtomButton::setCaption)
      .Object("BtnFontNormal", &tAtomButton::BtnFontNormal)
      .Object("BtnFontMouseOn", &tAtomButton::BtnFontMouseOn)
      .Object("BtnFontMouseDown", &tAtomButton::BtnFontMouseDown)
      .Object("BtnFontMouseEneble", &tAtomButton::BtnFontMouseEneble)
      .Graphic("bitmap.Data", SetAtomPicture)
      .Int("textBitmapWidth", &tAtomButton::setTextBitmapWidth);
}

}  // namespace

void RegisterPanelLayoutClasses() {
  RegisterSmoothPanel();
  RegisterVasPanel();
  RegisterAtomButton();
}
