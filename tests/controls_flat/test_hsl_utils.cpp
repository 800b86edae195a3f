// Colour conversion on the 0..240 scale and the advanced colours derived from it.
#include <gtest/gtest.h>

#include "controls/FlatUtilitys.h"
#include "controls/HSLUtils.h"

namespace {

struct RoundTrip {
  TColor rgb;
  THLS hls;
  TColor back;  // what converting hls back gives (not always rgb: the scale is coarser)
};

// Worked by hand from the conversion formulas: pure red has l = 0.5, s = 1, h = 0; pure green
// h = 1/3 -> 239/3 = 79.67 -> 80, which converts back to a blue of 255 * 0.0070 = 2; grey 128 has
// l = 0.50196 -> 120.47 -> 120, and 255 * 120 / 240 = 127.5 rounds to the even 128, so grey 127
// comes back as 128 too.
const RoundTrip kRoundTrips[] = {
    {RGB(0, 0, 0), {0, 0, 0}, RGB(0, 0, 0)},
    {RGB(255, 255, 255), {0, 240, 0}, RGB(255, 255, 255)},
    {RGB(128, 128, 128), {0, 120, 0}, RGB(128, 128, 128)},
    {RGB(127, 127, 127), {0, 120, 0}, RGB(128, 128, 128)},
    {RGB(192, 192, 192), {0, 181, 0}, RGB(192, 192, 192)},
    {RGB(254, 254, 254), {0, 239, 0}, RGB(254, 254, 254)},
    {RGB(255, 0, 0), {0, 120, 240}, RGB(255, 0, 0)},
    {RGB(0, 255, 0), {80, 120, 240}, RGB(0, 255, 2)},
    {RGB(0, 0, 255), {159, 120, 240}, RGB(0, 2, 255)},
    {RGB(255, 255, 0), {40, 120, 240}, RGB(254, 255, 0)},
    {RGB(0, 255, 255), {120, 120, 240}, RGB(0, 252, 255)},
    {RGB(255, 0, 255), {199, 120, 240}, RGB(254, 0, 255)},
    {RGB(250, 250, 255), {159, 238, 240}, RGB(251, 251, 255)},
    {RGB(255, 250, 240), {27, 233, 240}, RGB(255, 250, 240)},
    {RGB(235, 235, 225), {40, 216, 48}, RGB(235, 235, 224)},
    {RGB(200, 208, 212), {133, 194, 29}, RGB(200, 208, 212)},
    {RGB(51, 102, 153), {139, 96, 120}, RGB(51, 103, 153)},
    {14805739, {36, 216, 48}, RGB(235, 234, 224)},  // the flat controls' default face
    {8623776, {26, 137, 32}, 8623776},              // their default border
};

TEST(HSLUtils, ConvertsToHueLightnessSaturationAndBack) {
  for (const RoundTrip& row : kRoundTrips) {
    SCOPED_TRACE(testing::Message() << "colour " << row.rgb);
    const THLS hls = RGBToHLS(row.rgb);
    EXPECT_EQ(hls.H, row.hls.H);
    EXPECT_EQ(hls.L, row.hls.L);
    EXPECT_EQ(hls.S, row.hls.S);
    EXPECT_EQ(HLSToRGB(row.hls), row.back);
  }
}

TEST(HSLUtils, ResolvesSystemColoursFirst) {
  // clBtnFace is (212, 208, 200) in the fixed palette.
  EXPECT_EQ(RGBToHLS(clBtnFace), RGBToHLS(RGB(212, 208, 200)));
  EXPECT_EQ(RGBToHLS(clBtnHighlight), (THLS{0, 240, 0}));
}

TEST(HSLUtils, LightnessBeyondTheScaleClampsToWhite) {
  // 255 * 245 / 240 = 260: stored as 255, not wrapped to 4.
  EXPECT_EQ(HLSToRGB({0, 245, 0}), RGB(255, 255, 255));
  EXPECT_EQ(HLSToRGB({40, 250, 240}), RGB(255, 255, 255));
}

struct Derived {
  TColor base;
  int percent;
  TColorCalcType type;
  TColor expected;
};

// Base 14805739 is (H 36, L 216, S 48). Lightening: L + 10 + p is capped at 100, so every
// percent gives L 100 = (128, 123, 85), darker than the base. Darkening by p gives L 226 - p:
// by 10 -> 216 (235, 234, 224), by 50 -> 176, by 100 -> 126, and by 5 -> 221, lighter than
// the base.
const Derived kDerived[] = {
    {14805739, 10, TColorCalcType::lighten, RGB(128, 123, 85)},
    {14805739, 100, TColorCalcType::lighten, RGB(128, 123, 85)},
    {14805739, 10, TColorCalcType::darken, RGB(235, 234, 224)},
    {14805739, 50, TColorCalcType::darken, RGB(201, 198, 173)},
    {14805739, 100, TColorCalcType::darken, RGB(158, 153, 110)},
    {14805739, 5, TColorCalcType::darken, RGB(239, 238, 231)},
    // A dark grey (L 39): 39 + 10 + 10 = 59 stays below the cap.
    {RGB(20, 20, 20), 10, TColorCalcType::lighten, RGB(41, 41, 41)},
    // White darkened by 5 reaches L 245 and clamps.
    {RGB(255, 255, 255), 5, TColorCalcType::darken, RGB(255, 255, 255)},
    // System colours are resolved: clBtnFace (212, 208, 200) is H 27, L 194, S 29.
    {clBtnFace, 100, TColorCalcType::lighten, HLSToRGB({27, 100, 29})},
};

TEST(FlatUtilitys, DerivesAdvancedColoursWithTheCapAt100) {
  EXPECT_EQ(RGBToHLS(clBtnFace), (THLS{27, 194, 29}));
  for (const Derived& row : kDerived) {
    SCOPED_TRACE(testing::Message() << "base " << row.base << " by " << row.percent);
    EXPECT_EQ(CalcAdvancedColor(row.base, 0x123456, row.percent, row.type), row.expected);
  }
}

TEST(FlatUtilitys, PercentZeroKeepsTheGivenColour) {
  EXPECT_EQ(CalcAdvancedColor(14805739, 0x123456, 0, TColorCalcType::lighten), 0x123456u);
  EXPECT_EQ(CalcAdvancedColor(14805739, clBtnShadow, 0, TColorCalcType::darken), clBtnShadow);
}

}  // namespace
