// A concrete rounded control for tests of the base: it counts rebuilds and lets the test
// drive the fade hooks directly.
#pragma once

#include <stdexcept>

#include "controls/RbDrawCore.h"

class ProbeRbControl : public TRbCustomControl {
 public:
  using TRbCustomControl::TRbCustomControl;
  int updates = 0;
  int fadeInSteps = 0;
  bool failFadeIn = false;

  void UpdateGraphics() override { ++updates; }

  void PrepareFadeIn(bool inside, bool pressed) {
    FMouseInside = inside;
    FMousePressed = pressed;
    FFadeHandler = static_cast<TFadeHandler>(&ProbeRbControl::FadeInStep);
    StartFadeTimer();
  }
  void SetFadeSpeed(TFadeSpeed speed) { FFadeSpeed = speed; }

 protected:
  void FadeInStep() override {
    ++fadeInSteps;
    if (failFadeIn) throw std::runtime_error("fade step failed");
    TRbCustomControl::FadeInStep();
  }
};
