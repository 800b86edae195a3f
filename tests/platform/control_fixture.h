// Shared by the control, form, application and hint tests: a fresh application object per
// test (the global one is swapped out and back), animations off, and a probe control that
// records the hooks it receives.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/core/Exception.h"
#include "platform/framework/Application.h"
#include "platform/framework/Control.h"
#include "platform/framework/Form.h"
#include "platform/graphics/Canvas.h"

class ControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = Application;
    Application = app_.get();
    SetAnimationsEnabled(false);
  }
  void TearDown() override {
    app_->Finalize();
    Application = saved_;
  }

  // A shown borderless form at (left, top) of width x height.
  std::unique_ptr<TForm> MakeForm(int left, int top, int width, int height) {
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBorderStyle(TFormBorderStyle::bsNone);
    form->SetBounds(left, top, width, height);
    return form;
  }

  std::unique_ptr<TApplication> app_ = std::make_unique<TApplication>();
  TApplication* saved_ = nullptr;
};

// A windowed control that logs its hooks and paints itself in one colour.
class Probe : public TCustomControl {
 public:
  explicit Probe(TComponent* owner, TWinControl* parent, TRect bounds, TColor face = clRed)
      : TCustomControl(owner), face_(face) {
    SetBoundsRect(bounds);
    SetParent(parent);
  }
  std::string ClassName() const override { return "Probe"; }

  std::vector<std::string> log;
  std::string Joined() const {
    std::string all;
    for (const auto& s : log) all += (all.empty() ? "" : " ") + s;
    return all;
  }

  void MouseEnter() override { log.push_back("enter"); }
  void MouseLeave() override { log.push_back("leave"); }
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override {
    log.push_back("down" + std::to_string(button) + "@" + std::to_string(x) + "," +
                  std::to_string(y) + ((shift & ssDouble) ? "d" : ""));
    TCustomControl::MouseDown(button, shift, x, y);
  }
  void MouseMove(TShiftState shift, int x, int y) override {
    log.push_back("move@" + std::to_string(x) + "," + std::to_string(y));
    TCustomControl::MouseMove(shift, x, y);
  }
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override {
    log.push_back("up" + std::to_string(button));
    TCustomControl::MouseUp(button, shift, x, y);
  }
  void Click() override {
    log.push_back("click");
    TCustomControl::Click();
  }
  void DblClick() override {
    log.push_back("dblclick");
    TCustomControl::DblClick();
  }
  void Paint() override {
    Canvas().Brush().SetColor(face_);
    Canvas().FillRect(ClientRect());
  }
  void Clear() { log.clear(); }
  bool Has(const std::string& entry) const {
    for (const auto& s : log)
      if (s == entry) return true;
    return false;
  }

 private:
  TColor face_;
};
