#include "controls/RoundedLayoutClasses.h"

#include "controls/RbButton.h"
#include "controls/RbPanel.h"
#include "platform/layout/LayoutClass.h"
#include "platform/layout/LayoutClasses.h"

namespace {

const TLayoutEnum<TFadeSpeed> kFadeSpeeds = {{"fsSlow", TFadeSpeed::fsSlow},
                                             {"fsMedium", TFadeSpeed::fsMedium},
                                             {"fsFast", TFadeSpeed::fsFast},
                                             {"fsVeryFast", TFadeSpeed::fsVeryFast}};

const TLayoutEnum<TGradientType> kGradientTypes = {
    {"gtHorizontal", TGradientType::gtHorizontal},
    {"gtVertical", TGradientType::gtVertical},
    {"gtFromTopLeft", TGradientType::gtFromTopLeft},
    {"gtFromTopRight", TGradientType::gtFromTopRight},
    {"gtRadial", TGradientType::gtRadial},
    {"gtDoubleHorz", TGradientType::gtDoubleHorz},
    {"gtDoubleVert", TGradientType::gtDoubleVert}};

const TLayoutEnum<TRbCaptionPos> kCaptionPositions = {
    {"cpGroupBox", TRbCaptionPos::cpGroupBox},
    {"cpTopLeft", TRbCaptionPos::cpTopLeft},
    {"cpTopCenter", TRbCaptionPos::cpTopCenter},
    {"cpTopRight", TRbCaptionPos::cpTopRight},
    {"cpMiddleLeft", TRbCaptionPos::cpMiddleLeft},
    {"cpMiddleCenter", TRbCaptionPos::cpMiddleCenter},
    {"cpMiddleRight", TRbCaptionPos::cpMiddleRight},
    {"cpBottomLeft", TRbCaptionPos::cpBottomLeft},
    {"cpBottomCenter", TRbCaptionPos::cpBottomCenter},
    {"cpBottomRight", TRbCaptionPos::cpBottomRight}};

const TLayoutEnum<TButtonLayout> kGlyphLayouts = {{"blGlyphLeft", TButtonLayout::blGlyphLeft},
                                                  {"blGlyphRight", TButtonLayout::blGlyphRight},
                                                  {"blGlyphTop", TButtonLayout::blGlyphTop},
                                                  {"blGlyphBottom", TButtonLayout::blGlyphBottom}};

const TLayoutEnum<TModalResult> kModalResults = {
    {"mrNone", mrNone},   {"mrOk", mrOk},           {"mrCancel", mrCancel},    {"mrAbort", mrAbort},
    {"mrRetry", mrRetry}, {"mrIgnore", mrIgnore},   {"mrYes", mrYes},          {"mrNo", mrNo},
    {"mrAll", mrAll},     {"mrNoToAll", mrNoToAll}, {"mrYesToAll", mrYesToAll}};

void RegisterColorSets() {
  LayoutClass<TRbCustomColors>("TRbCustomColors")
      .Color("DefaultFrom", &TRbCustomColors::SetDefaultFrom)
      .Color("DefaultTo", &TRbCustomColors::SetDefaultTo)
      .Color("OverFrom", &TRbCustomColors::SetOverFrom)
      .Color("OverTo", &TRbCustomColors::SetOverTo);
  LayoutClass<TRbControlColors, TRbCustomColors>("TRbControlColors")
      .Color("ClickedFrom", &TRbControlColors::SetClickedFrom)
      .Color("ClickedTo", &TRbControlColors::SetClickedTo)
      .Color("HotTrack", &TRbControlColors::SetHotTrack)
      .Color("BorderColor", &TRbControlColors::SetBorderColor)
      .Color("TextShadow", &TRbControlColors::SetTextShadow);
  LayoutClass<TRbSplitterColors, TRbCustomColors>("TRbSplitterColors");
}

void RegisterStyleManager() {
  LayoutClass<TRbStyleManager, TComponent>("TRbStyleManager")
      .Object("Colors", [](TRbStyleManager& m) -> TRbControlColors& { return m.Colors(); })
      .Bool("ShowFocusRect", &TRbStyleManager::SetShowFocusRect)
      .Bool("HotTrack", &TRbStyleManager::SetHotTrack)
      .Bool("GradientBorder", &TRbStyleManager::SetGradientBorder)
      .Bool("TextShadow", &TRbStyleManager::SetTextShadow)
      .Color("CheckColor", &TRbStyleManager::SetCheckColor)
      .Enum("FadeSpeed", kFadeSpeeds, &TRbStyleManager::SetFadeSpeed)
      .Color("PanelColor", &TRbStyleManager::SetPanelColor)
      .Color("BorderColor", &TRbStyleManager::SetBorderColor)
      .Object("SplitterColors",
              [](TRbStyleManager& m) -> TRbSplitterColors& { return m.SplitterColors(); })
      .Object("Font", [](TRbStyleManager& m) -> TFont& { return m.Font(); });
}

void RegisterControls() {
  LayoutClass<TRbCustomControl, TCustomControl>("TRbCustomControl")
      .Bool("TextShadow", &TRbCustomControl::SetTextShadow)
      .Bool("ShowCaption", &TRbCustomControl::SetShowCaption)
      .Reference("RbStyleManager", &TRbCustomControl::SetRbStyleManager)
      .String("About", &TRbCustomControl::SetAbout)
      .Event("OnMouseEnter", &TRbCustomControl::OnMouseEnter)
      .Event("OnMouseLeave", &TRbCustomControl::OnMouseLeave);
  LayoutClass<TRbPanel, TRbCustomControl>("TRbPanel")
      .Enum("CaptionPosition", kCaptionPositions, &TRbPanel::SetCaptionPosition)
      .Int("CornerWidth", &TRbPanel::SetCornerWidth)
      .Int("BorderWidth", &TRbPanel::SetBorderWidth)
      .Color("BorderColor", &TRbPanel::SetBorderColor)
      .Color("OuterColor", &TRbPanel::SetOuterColor)
      .Color("TextShadowColor", &TRbPanel::SetTextShadowColor)
      .Bool("Antialiased", &TRbPanel::SetAntialiased)
      .Bool("Gradient", &TRbPanel::SetGradient)
      .Color("DefaultFrom", &TRbPanel::SetDefaultFrom)
      .Color("DefaultTo", &TRbPanel::SetDefaultTo)
      .Enum("GradientType", kGradientTypes, &TRbPanel::SetGradientType);
  LayoutClass<TRbButton, TRbCustomControl>("TRbButton")
      .Enum("ModalResult", kModalResults, &TRbButton::SetModalResult)
      .Int("CornerWidth", &TRbButton::SetCornerWidth)
      .Graphic("Glyph.Data", [](TRbButton& b, TGraphic& g) { b.SetGlyph(g); })
      .Int("Spacing", &TRbButton::SetSpacing)
      .Enum("Layout", kGlyphLayouts, &TRbButton::SetLayout)
      .Object("Colors", [](TRbButton& b) -> TRbControlColors& { return b.Colors(); })
      .Enum("FadeSpeed", kFadeSpeeds, &TRbButton::SetFadeSpeed)
      .Bool("ShowFocusRect", &TRbButton::SetShowFocusRect)
      .Bool("HotTrack", &TRbButton::SetHotTrack)
      .Bool("Default", &TRbButton::SetDefault)
      .Bool("Cancel", &TRbButton::SetCancel)
      .Bool("GradientBorder", &TRbButton::SetGradientBorder)
      .Int("GroupIndex", &TRbButton::SetGroupIndex)
      .Bool("AllowAllUp", &TRbButton::SetAllowAllUp)
      .Bool("Down", &TRbButton::SetDown)
      .Enum("GradientType", kGradientTypes, &TRbButton::SetGradientType);
}

}  // namespace

void RegisterRoundedLayoutClasses() {
  RegisterPlatformLayoutClasses();
  RegisterColorSets();
  RegisterStyleManager();
  RegisterControls();
}
