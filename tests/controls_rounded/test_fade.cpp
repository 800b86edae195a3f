// The fade state of a rounded button: hover in and out, press and release, the timer that
// stops itself, and the interval by fade speed.
#include <gtest/gtest.h>

#include <vector>

#include "controls/RbButton.h"

namespace {

struct Tick {
  int over;
  int click;
  bool running;
  bool operator==(const Tick&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Tick& t) {
  return os << "{" << t.over << ", " << t.click << ", " << (t.running ? "running" : "stopped")
            << "}";
}

std::vector<Tick> RunTicks(TRbButton& button, int count) {
  std::vector<Tick> ticks;
  for (int i = 0; i < count; ++i) {
    button.WMTimer(TRbCustomControl::FadeTimerId);
    ticks.push_back({button.OverLevel(), button.ClickLevel(), button.FadeTimerRunning()});
  }
  return ticks;
}

TEST(Fade, HoverFadesInOverTenTicksAndStops) {
  TRbButton button(nullptr);
  button.MouseEnter();
  EXPECT_TRUE(button.MouseInside());
  EXPECT_TRUE(button.FadeTimerRunning());
  const std::vector<Tick> ticks = RunTicks(button, 10);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(ticks[std::size_t(i)], (Tick{(i + 1) * 10, 0, true}));
  EXPECT_EQ(ticks[9], (Tick{100, 0, false}));
}

TEST(Fade, LeavingBeforeTheEndFadesOutFromTheLevelReached) {
  TRbButton button(nullptr);
  button.MouseEnter();
  RunTicks(button, 3);
  ASSERT_EQ(button.OverLevel(), 30);
  button.MouseLeave();
  EXPECT_FALSE(button.MouseInside());
  EXPECT_EQ(RunTicks(button, 4),
            (std::vector<Tick>{{20, 0, true}, {10, 0, true}, {0, 0, true}, {0, 0, false}}));
}

TEST(Fade, APressReachesTheFullPressedLookInFourTicks) {
  TRbButton button(nullptr);
  button.MouseEnter();
  button.MouseDown(mbLeft, ssLeft, 5, 5);
  EXPECT_TRUE(button.MousePressed());
  EXPECT_EQ(RunTicks(button, 5),
            (std::vector<Tick>{
                {0, 25, true}, {0, 50, true}, {0, 75, true}, {0, 100, true}, {0, 100, false}}));
}

TEST(Fade, ReleasingOverTheButtonFadesBackToTheHoverLook) {
  TRbButton button(nullptr);
  button.MouseEnter();
  button.MouseDown(mbLeft, ssLeft, 5, 5);
  RunTicks(button, 5);
  button.MouseUp(mbLeft, 0, 5, 5);
  EXPECT_FALSE(button.MousePressed());
  EXPECT_TRUE(button.FadeTimerRunning());
  const std::vector<Tick> ticks = RunTicks(button, 10);
  EXPECT_EQ(ticks[0], (Tick{10, 75, true}));
  EXPECT_EQ(ticks[3], (Tick{40, 0, true}));
  EXPECT_EQ(ticks[8], (Tick{90, 0, true}));
  EXPECT_EQ(ticks[9], (Tick{100, 0, false}));
}

TEST(Fade, LeavingWhilePressedFadesBothLevelsOut) {
  TRbButton button(nullptr);
  button.MouseEnter();
  RunTicks(button, 2);  // over 20
  button.MouseDown(mbLeft, ssLeft, 5, 5);
  RunTicks(button, 2);  // click 50
  button.MouseLeave();
  EXPECT_EQ(RunTicks(button, 5),
            (std::vector<Tick>{
                {10, 25, true}, {0, 0, true}, {0, 0, false}, {0, 0, false}, {0, 0, false}}));
}

TEST(Fade, ARightButtonPressDoesNotPress) {
  TRbButton button(nullptr);
  button.MouseDown(mbRight, ssRight, 5, 5);
  EXPECT_FALSE(button.MousePressed());
  EXPECT_FALSE(button.FadeTimerRunning());
}

struct SpeedCase {
  TFadeSpeed speed;
  int interval;
};

void PrintTo(const SpeedCase& c, std::ostream* os) {
  *os << "speed " << int(c.speed);
}

class FadeSpeed : public ::testing::TestWithParam<SpeedCase> {};

TEST_P(FadeSpeed, SetsTheTimerInterval) {
  TRbButton button(nullptr);
  button.SetFadeSpeed(GetParam().speed);
  EXPECT_EQ(button.FadeTimerInterval(), 0);
  button.MouseEnter();
  EXPECT_EQ(button.FadeTimerInterval(), GetParam().interval);
  EXPECT_EQ(FadeInterval(GetParam().speed), GetParam().interval);
}

INSTANTIATE_TEST_SUITE_P(Speeds, FadeSpeed,
                         ::testing::Values(SpeedCase{TFadeSpeed::fsSlow, 40},
                                           SpeedCase{TFadeSpeed::fsMedium, 20},
                                           SpeedCase{TFadeSpeed::fsFast, 12},
                                           SpeedCase{TFadeSpeed::fsVeryFast, 1}));

}  // namespace
