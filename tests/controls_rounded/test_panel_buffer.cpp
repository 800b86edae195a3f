// The panel's cached face against a straightforward reference: the whole picture drawn at
// three times the size and reduced by AntialiasDownsample, pixel for pixel, at several sizes
// and looks. The panel itself draws only the band the reduction keeps.
#include <gtest/gtest.h>

#include <string>

#include "controls/RbDownsample.h"
#include "controls/RbGradient.h"
#include "controls/RbPanelBuffer.h"
#include "platform/graphics/Region.h"
#include "rounded_helpers.h"

namespace {

// UpdateBuffer's algorithm as written, over the whole work picture.
void ReferenceBuffer(TBitmap& buffer, const TRbPanelLook& look) {
  const int f = look.Antialiased ? 3 : 1;
  TBitmap big(buffer.Width() * f, buffer.Height() * f);
  TBitmap& work = look.Antialiased ? big : buffer;
  const int w = buffer.Width() * f;
  const int h = buffer.Height() * f;
  TCanvas& canvas = work.Canvas();
  canvas.Brush().SetColor(look.OuterColor);
  canvas.FillRect(Rect(0, 0, w, h));
  const int p = look.BorderWidth * f - 1;
  canvas.Pen().SetWidth(p);
  canvas.Pen().SetColor(look.BorderColor);
  canvas.Brush().SetColor(look.Color);
  const int half = p / 2;
  const int top = look.GroupBox ? (look.CaptionHeight * f) / 2 + half : half;
  if (look.Gradient) {
    canvas.Brush().SetStyle(bsClear);
    const TRegion region = CreateRoundRectRgn(half, top, w - half, h - half, look.CornerWidth * f,
                                              look.CornerWidth * f);
    DrawGradient(work, Rect(0, 0, w, h), look.DefaultFrom, look.DefaultTo, look.GradientType,
                 &region);
  }
  canvas.RoundRect(half, top, w - half, h - half, look.CornerWidth * f, look.CornerWidth * f);
  if (look.Antialiased) AntialiasDownsample(work, buffer, 3, look.Color, look.CornerWidth + 20);
}

struct BufferCase {
  std::string name;
  int width;
  int height;
  TRbPanelLook look;
};

TRbPanelLook MainWindowLook() {
  TRbPanelLook look;
  look.Color = 25284;
  look.BorderColor = 1871359;
  look.OuterColor = clBtnFace;
  look.CornerWidth = 10;
  look.BorderWidth = 10;
  return look;
}

TRbPanelLook With(TRbPanelLook look, void (*change)(TRbPanelLook&)) {
  change(look);
  return look;
}

std::vector<BufferCase> Cases() {
  const TRbPanelLook main = MainWindowLook();
  std::vector<BufferCase> cases = {
      {"main window at design size", 745, 498, main},
      {"main window 1920x1080", 1920, 1080, main},
      {"default panel", 185, 105, TRbPanelLook{}},
      {"band covers everything", 30, 20, main},
      {"flat inside one pixel wide", 31, 60, main},
      {"one pixel", 1, 1, main},
      {"settings panel", 201, 229, With(main, [](TRbPanelLook& l) { l.BorderWidth = 3; })},
      {"thinnest border", 90, 50, With(main, [](TRbPanelLook& l) { l.BorderWidth = 1; })},
      {"border wider than the band", 120, 90,
       With(main, [](TRbPanelLook& l) { l.BorderWidth = 20; })},
      {"square corners", 80, 40, With(main, [](TRbPanelLook& l) { l.CornerWidth = 0; })},
      {"large corners", 200, 150, With(main, [](TRbPanelLook& l) { l.CornerWidth = 60; })},
      {"group box smoothed", 160, 90,
       With(main,
            [](TRbPanelLook& l) {
              l.GroupBox = true;
              l.CaptionHeight = 13;
              l.BorderWidth = 2;
            })},
      {"group box flat", 160, 90,
       With(main,
            [](TRbPanelLook& l) {
              l.GroupBox = true;
              l.CaptionHeight = 15;
              l.Antialiased = false;
            })},
      {"flat", 150, 80, With(main, [](TRbPanelLook& l) { l.Antialiased = false; })},
      {"flat thin border", 150, 80,
       With(TRbPanelLook{}, [](TRbPanelLook& l) { l.Antialiased = false; })},
      {"smoothed gradient (not reachable through the panel)", 70, 50,
       With(main, [](TRbPanelLook& l) { l.Gradient = true; })},
  };
  for (TGradientType type :
       {TGradientType::gtHorizontal, TGradientType::gtVertical, TGradientType::gtFromTopLeft,
        TGradientType::gtFromTopRight, TGradientType::gtRadial, TGradientType::gtDoubleHorz,
        TGradientType::gtDoubleVert}) {
    TRbPanelLook look;
    look.Antialiased = false;
    look.Gradient = true;
    look.GradientType = type;
    look.DefaultFrom = RGB(255, 200, 10);
    look.DefaultTo = RGB(20, 40, 160);
    cases.push_back({"gradient " + std::to_string(int(type)), 97, 61, look});
  }
  return cases;
}

void PrintTo(const BufferCase& c, std::ostream* os) {
  *os << c.name << " " << c.width << "x" << c.height;
}

class PanelBuffer : public ::testing::TestWithParam<BufferCase> {};

TEST_P(PanelBuffer, EqualsTheFullSizeReference) {
  const BufferCase& c = GetParam();
  // Both start from what a resized buffer holds: stale pixels must not survive.
  TBitmap fast = Patterned(c.width, c.height, 3);
  TBitmap reference = Patterned(c.width, c.height, 3);
  DrawPanelBuffer(fast, c.look);
  ReferenceBuffer(reference, c.look);
  EXPECT_EQ(FirstDifference(fast, reference), "") << c.name;
}

INSTANTIATE_TEST_SUITE_P(Looks, PanelBuffer, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<BufferCase>& param) {
                           std::string name;
                           for (char ch : param.param.name)
                             name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                           return name;
                         });

TEST(PanelBuffer, WorkPicturesKeptBetweenRedrawsLeaveNoTrace) {
  TRbPanelScratch scratch;
  const std::vector<BufferCase> cases = Cases();
  // Sizes and looks change from one redraw to the next, as a resized window's do.
  for (int i : {0, 2, 3, 6, 4, 0, 9, 10, 11, 0}) {
    const BufferCase& c = cases[std::size_t(i)];
    TBitmap fast = Patterned(c.width, c.height, i);
    TBitmap reference = Patterned(c.width, c.height, i);
    DrawPanelBuffer(fast, c.look, &scratch);
    ReferenceBuffer(reference, c.look);
    EXPECT_EQ(FirstDifference(fast, reference), "") << c.name;
  }
}

TEST(PanelBuffer, AnEmptyBufferStaysEmpty) {
  TBitmap empty;
  DrawPanelBuffer(empty, MainWindowLook());
  EXPECT_TRUE(empty.Empty());
  TBitmap flat(0, 10);
  DrawPanelBuffer(flat, MainWindowLook());
  EXPECT_EQ(flat.Width(), 0);
}

}  // namespace
