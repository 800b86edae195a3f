// The rounded base control, its colour sets and the style manager: defaults, change
// notices, copying between sets, registration rules and the fade timer's guard.
#include <gtest/gtest.h>

#include <memory>

#include "controls/RbButton.h"
#include "controls/RbDrawCore.h"
#include "platform/core/StringList.h"
#include "platform/framework/Application.h"
#include "rounded_fixture.h"

namespace {

// --- Base control

TEST(RbCustomControl, StartsWithShadowCaptionTabStopAndItsStyle) {
  ProbeRbControl control(nullptr);
  EXPECT_TRUE(control.TextShadow());
  EXPECT_TRUE(control.ShowCaption());
  EXPECT_TRUE(control.TabStop());
  EXPECT_EQ(control.ControlStyle(),
            unsigned(csCaptureMouse | csClickEvents | csOpaque | csReplicatable));
  EXPECT_EQ(control.OverLevel(), 0);
  EXPECT_EQ(control.ClickLevel(), 0);
  EXPECT_FALSE(control.MouseInside());
  EXPECT_FALSE(control.MousePressed());
  EXPECT_FALSE(control.FadeTimerRunning());
}

TEST(RbCustomControl, AboutNamesTheVersionAndIgnoresAssignments) {
  ProbeRbControl control(nullptr);
  const std::string about = control.About();
  EXPECT_NE(about.find("v 1.00"), std::string::npos) << about;
  control.SetAbout("something else");
  EXPECT_EQ(control.About(), about);
}

TEST(RbCustomControl, AFailingFadeStepIsSwallowedAndTheTickGoesOn) {
  ProbeRbControl control(nullptr);
  control.failFadeIn = true;
  control.PrepareFadeIn(true, false);
  EXPECT_NO_THROW(control.WMTimer(TRbCustomControl::FadeTimerId));
  EXPECT_NO_THROW(control.WMTimer(7));  // any timer runs the handler
  EXPECT_EQ(control.fadeInSteps, 2);
  control.failFadeIn = false;
  control.WMTimer(TRbCustomControl::FadeTimerId);
  EXPECT_EQ(control.OverLevel(), 10);
}

TEST(RbCustomControl, WithoutAHandlerATickDoesNothing) {
  ProbeRbControl control(nullptr);
  control.WMTimer(TRbCustomControl::FadeTimerId);
  EXPECT_EQ(control.OverLevel(), 0);
  EXPECT_EQ(control.fadeInSteps, 0);
}

// --- Colour sets

TEST(RbColors, DefaultsOfTheSets) {
  TRbControlColors colors;
  EXPECT_EQ(colors.DefaultFrom(), 16777215u);
  EXPECT_EQ(colors.DefaultTo(), 13745839u);
  EXPECT_EQ(colors.OverFrom(), 16777215u);
  EXPECT_EQ(colors.OverTo(), 12489846u);
  EXPECT_EQ(colors.ClickedFrom(), 13029334u);
  EXPECT_EQ(colors.ClickedTo(), 15463415u);
  EXPECT_EQ(colors.HotTrack(), 16711680u);
  EXPECT_EQ(colors.BorderColor(), 8421504u);
  EXPECT_EQ(colors.TextShadow(), 16777215u);
  TRbSplitterColors splitter;
  EXPECT_EQ(splitter.DefaultFrom(), clBtnFace);
  EXPECT_EQ(splitter.DefaultTo(), clBtnFace);
  EXPECT_EQ(splitter.OverFrom(), clWhite);
  EXPECT_EQ(splitter.OverTo(), 12489846u);
}

struct ColorSetter {
  const char* name;
  void (TRbControlColors::*set)(TColor);
  bool rebuilds;
};

void PrintTo(const ColorSetter& c, std::ostream* os) {
  *os << c.name;
}

class ColorChange : public ::testing::TestWithParam<ColorSetter> {};

TEST_P(ColorChange, RebuildsTheOwnerOnlyForGradientAndBorderColours) {
  ProbeRbControl owner(nullptr);
  TRbControlColors colors(&owner);
  (colors.*GetParam().set)(RGB(1, 2, 3));
  EXPECT_EQ(owner.updates, GetParam().rebuilds ? 1 : 0) << GetParam().name;
  (colors.*GetParam().set)(RGB(1, 2, 3));  // equal: nothing
  EXPECT_EQ(owner.updates, GetParam().rebuilds ? 1 : 0) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Setters, ColorChange,
    ::testing::Values(ColorSetter{"DefaultFrom", &TRbControlColors::SetDefaultFrom, true},
                      ColorSetter{"DefaultTo", &TRbControlColors::SetDefaultTo, true},
                      ColorSetter{"OverFrom", &TRbControlColors::SetOverFrom, true},
                      ColorSetter{"OverTo", &TRbControlColors::SetOverTo, true},
                      ColorSetter{"ClickedFrom", &TRbControlColors::SetClickedFrom, true},
                      ColorSetter{"ClickedTo", &TRbControlColors::SetClickedTo, true},
                      ColorSetter{"BorderColor", &TRbControlColors::SetBorderColor, true},
                      ColorSetter{"HotTrack", &TRbControlColors::SetHotTrack, false},
                      ColorSetter{"TextShadow", &TRbControlColors::SetTextShadow, false}));

TEST(RbColors, AssigningCopiesAllNineValuesWithoutNotice) {
  TRbControlColors source;
  source.SetDefaultFrom(1);
  source.SetDefaultTo(2);
  source.SetOverFrom(3);
  source.SetOverTo(4);
  source.SetClickedFrom(5);
  source.SetClickedTo(6);
  source.SetHotTrack(7);
  source.SetBorderColor(8);
  source.SetTextShadow(9);
  ProbeRbControl owner(nullptr);
  TRbControlColors dest(&owner);
  dest.Assign(source);
  EXPECT_EQ(owner.updates, 0);
  const TColor got[] = {dest.DefaultFrom(), dest.DefaultTo(),   dest.OverFrom(),
                        dest.OverTo(),      dest.ClickedFrom(), dest.ClickedTo(),
                        dest.HotTrack(),    dest.BorderColor(), dest.TextShadow()};
  for (int i = 0; i < 9; ++i) EXPECT_EQ(got[i], TColor(i + 1)) << i;
}

TEST(RbColors, ASplitterSetCopiesOnlyTheFourSharedValues) {
  TRbSplitterColors splitter;
  TRbControlColors dest;
  dest.Assign(splitter);
  EXPECT_EQ(dest.DefaultFrom(), clBtnFace);
  EXPECT_EQ(dest.DefaultTo(), clBtnFace);
  EXPECT_EQ(dest.ClickedFrom(), 13029334u);
  TRbSplitterColors back;
  back.SetOverTo(5);
  back.Assign(dest);
  EXPECT_EQ(back.OverTo(), 12489846u);
}

TEST(RbColors, AssigningToAnotherClassFails) {
  TRbControlColors colors;
  TStringList list;
  try {
    list.Assign(colors);
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot assign a TRbControlColors to a TStringList");
  }
}

// --- Style manager

TEST(RbStyleManager, Defaults) {
  TRbStyleManager manager;
  EXPECT_TRUE(manager.ShowFocusRect());
  EXPECT_FALSE(manager.HotTrack());
  EXPECT_TRUE(manager.GradientBorder());
  EXPECT_TRUE(manager.TextShadow());
  EXPECT_EQ(manager.CheckColor(), 32768u);
  EXPECT_EQ(manager.FadeSpeed(), TFadeSpeed::fsMedium);
  EXPECT_EQ(manager.PanelColor(), 14933983u);
  EXPECT_EQ(manager.BorderColor(), 8421504u);
  EXPECT_EQ(manager.Colors().Owner(), nullptr);
  EXPECT_EQ(manager.SplitterColors().DefaultFrom(), clBtnFace);
  EXPECT_EQ(manager.Font(), TFont());
}

TEST(RbStyleManager, AControlRegistersOnceAndLeavesWhenCleared) {
  TRbStyleManager manager;
  ProbeRbControl control(nullptr);
  control.SetRbStyleManager(&manager);
  control.SetRbStyleManager(&manager);
  manager.RegisterControl(&control);
  ASSERT_EQ(manager.ControlCount(), 1);
  EXPECT_EQ(manager.Controls(0), &control);
  control.SetRbStyleManager(nullptr);
  EXPECT_EQ(manager.ControlCount(), 0);
  manager.UnregisterControl(&control);  // not there: nothing
  EXPECT_EQ(manager.ControlCount(), 0);
}

TEST(RbStyleManager, AControlThatGoesUnregisters) {
  TRbStyleManager manager;
  auto control = std::make_unique<ProbeRbControl>(nullptr);
  control->SetRbStyleManager(&manager);
  control.reset();
  EXPECT_EQ(manager.ControlCount(), 0);
}

TEST(RbStyleManager, AManagerThatGoesFirstIsForgottenByItsControls) {
  ProbeRbControl control(nullptr);
  {
    TRbStyleManager manager;
    control.SetRbStyleManager(&manager);
  }
  EXPECT_EQ(control.RbStyleManager(), nullptr);
  // Both owned by one component, freed newest first: the manager goes before the control.
  TComponent owner;
  auto* later = new ProbeRbControl(&owner);
  auto* manager = new TRbStyleManager(&owner);
  later->SetRbStyleManager(manager);
  delete manager;
  EXPECT_EQ(later->RbStyleManager(), nullptr);
}

TEST(RbStyleManager, AManagerOfAnotherOwnerTellsItsControlsWhenItGoes) {
  TComponent windowA;
  TComponent windowB;
  auto* manager = new TRbStyleManager(&windowA);
  auto* control = new ProbeRbControl(&windowB);
  control->SetRbStyleManager(manager);
  delete manager;
  EXPECT_EQ(control->RbStyleManager(), nullptr);
  // And the other way round: the control goes, the manager forgets it.
  auto* second = new TRbStyleManager(&windowA);
  control->SetRbStyleManager(second);
  delete control;
  EXPECT_EQ(second->ControlCount(), 0);
}

TEST(RbStyleManager, MovingToAnotherManagerLeavesTheFirst) {
  TRbStyleManager first;
  TRbStyleManager second;
  ProbeRbControl control(nullptr);
  control.SetRbStyleManager(&first);
  control.SetRbStyleManager(&second);
  EXPECT_EQ(first.ControlCount(), 0);
  EXPECT_EQ(second.ControlCount(), 1);
}

TEST(RbStyleManager, AssignCopiesEveryValue) {
  TRbStyleManager source;
  source.Colors().SetHotTrack(11);
  source.Colors().SetClickedTo(12);
  source.SplitterColors().SetOverTo(13);
  source.SetShowFocusRect(false);
  source.SetHotTrack(true);
  source.SetGradientBorder(false);
  source.SetCheckColor(14);
  source.Font().SetName("Arial");
  source.Font().SetHeight(-20);
  source.SetFadeSpeed(TFadeSpeed::fsVeryFast);
  source.SetPanelColor(15);
  source.SetBorderColor(16);
  source.SetTextShadow(false);
  TRbStyleManager dest;
  dest.Assign(source);
  EXPECT_EQ(dest.Colors().HotTrack(), 11u);
  EXPECT_EQ(dest.Colors().ClickedTo(), 12u);
  EXPECT_EQ(dest.SplitterColors().OverTo(), 13u);
  EXPECT_FALSE(dest.ShowFocusRect());
  EXPECT_TRUE(dest.HotTrack());
  EXPECT_FALSE(dest.GradientBorder());
  EXPECT_EQ(dest.CheckColor(), 14u);
  EXPECT_EQ(dest.Font().Name(), "Arial");
  EXPECT_EQ(dest.Font().Height(), -20);
  EXPECT_EQ(dest.FadeSpeed(), TFadeSpeed::fsVeryFast);
  EXPECT_EQ(dest.PanelColor(), 15u);
  EXPECT_EQ(dest.BorderColor(), 16u);
  EXPECT_FALSE(dest.TextShadow());
}

TEST(RbStyleManager, AssigningToAColourSetFailsAndCopiesNothing) {
  TRbStyleManager manager;
  manager.Colors().SetDefaultFrom(1);
  TRbControlColors colors;
  EXPECT_THROW(colors.Assign(manager), EConvertError);
  EXPECT_EQ(colors.DefaultFrom(), clWhite);
}

}  // namespace
