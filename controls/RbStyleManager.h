// A common style for rounded controls: colours, switches and a font that a form may keep in
// one place. Controls register with the manager they name; the manager does not reach into
// them, and they paint from their own properties.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "controls/RbColors.h"
#include "controls/RbTypes.h"
#include "platform/core/Component.h"
#include "platform/core/Persistent.h"
#include "platform/graphics/Font.h"

class TRbCustomControl;

class TRbStyleManager : public TComponent {
 public:
  explicit TRbStyleManager(TComponent* owner = nullptr);
  ~TRbStyleManager() override;
  std::string ClassName() const override { return "TRbStyleManager"; }

  TRbControlColors& Colors() { return *FColors; }
  const TRbControlColors& Colors() const { return *FColors; }
  TRbSplitterColors& SplitterColors() { return *FSplitterColors; }
  const TRbSplitterColors& SplitterColors() const { return *FSplitterColors; }
  TFont& Font() { return *FFont; }
  const TFont& Font() const { return *FFont; }

  bool ShowFocusRect() const { return FShowFocusRect; }
  void SetShowFocusRect(bool value) { FShowFocusRect = value; }
  bool HotTrack() const { return FHotTrack; }
  void SetHotTrack(bool value) { FHotTrack = value; }
  bool GradientBorder() const { return FGradientBorder; }
  void SetGradientBorder(bool value) { FGradientBorder = value; }
  bool TextShadow() const { return FTextShadow; }
  void SetTextShadow(bool value) { FTextShadow = value; }
  TColor CheckColor() const { return FCheckColor; }
  void SetCheckColor(TColor value) { FCheckColor = value; }
  TFadeSpeed FadeSpeed() const { return FFadeSpeed; }
  void SetFadeSpeed(TFadeSpeed value) { FFadeSpeed = value; }
  TColor PanelColor() const { return FPanelColor; }
  void SetPanelColor(TColor value) { FPanelColor = value; }
  TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(TColor value) { FBorderColor = value; }

  // The registered controls, each once.
  void RegisterControl(TRbCustomControl* control);
  void UnregisterControl(TRbCustomControl* control);
  int ControlCount() const { return static_cast<int>(FControls.size()); }
  TRbCustomControl* Controls(int index) const { return FControls[std::size_t(index)]; }

 protected:
  // Into another style manager: colours, splitter colours, switches, font, speed, colours.
  void AssignTo(TPersistent& dest) const override;

 private:
  std::unique_ptr<TRbControlColors> FColors;
  std::unique_ptr<TRbSplitterColors> FSplitterColors;
  std::unique_ptr<TFont> FFont;
  bool FShowFocusRect = true;
  bool FHotTrack = false;
  bool FGradientBorder = true;
  bool FTextShadow = true;
  TColor FCheckColor = clGreen;
  TFadeSpeed FFadeSpeed = TFadeSpeed::fsMedium;
  TColor FPanelColor = 14933983;
  TColor FBorderColor = clGray;
  std::vector<TRbCustomControl*> FControls;
  bool FDestroying = false;
};
