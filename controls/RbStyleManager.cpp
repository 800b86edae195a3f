#include "controls/RbStyleManager.h"

#include <algorithm>

#include "controls/RbDrawCore.h"

TRbStyleManager::TRbStyleManager(TComponent* owner)
    : TComponent(owner),
      FColors(std::make_unique<TRbControlColors>()),
      FSplitterColors(std::make_unique<TRbSplitterColors>()),
      FFont(std::make_unique<TFont>()) {}

TRbStyleManager::~TRbStyleManager() {
  FDestroying = true;
  // A control that outlives its manager must not reach back into it (owners may differ, so
  // no ownership notice is guaranteed to arrive first).
  for (TRbCustomControl* control : FControls) control->ForgetStyleManager(this);
  FControls.clear();
}

void TRbStyleManager::RegisterControl(TRbCustomControl* control) {
  if (!control || std::find(FControls.begin(), FControls.end(), control) != FControls.end()) return;
  FControls.push_back(control);
}

void TRbStyleManager::UnregisterControl(TRbCustomControl* control) {
  if (FDestroying) return;
  std::erase(FControls, control);
}

void TRbStyleManager::AssignTo(TPersistent& dest) const {
  auto* manager = dynamic_cast<TRbStyleManager*>(&dest);
  if (!manager) {
    TPersistent::AssignTo(dest);
    return;
  }
  manager->FColors->Assign(*FColors);
  manager->FSplitterColors->Assign(*FSplitterColors);
  manager->FShowFocusRect = FShowFocusRect;
  manager->FHotTrack = FHotTrack;
  manager->FGradientBorder = FGradientBorder;
  manager->FCheckColor = FCheckColor;
  manager->FFont->Assign(*FFont);
  manager->FFadeSpeed = FFadeSpeed;
  manager->FPanelColor = FPanelColor;
  manager->FBorderColor = FBorderColor;
  manager->FTextShadow = FTextShadow;
}
