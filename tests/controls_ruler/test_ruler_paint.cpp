// The ruler's face, pixel by pixel: ticks per unit and their extents for both tick layouts,
// label places (upright and turned), the frame bands and the sunken edge.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "ruler_fixture.h"

namespace {

constexpr TColor kTicks = clRed;
constexpr TColor kBack = RGB(255, 255, 200);

class RulerPaintTest : public RulerTest {
 protected:
  void SetUp() override {
    RulerTest::SetUp();
    ruler_->SetBackColor(kBack);
    ruler_->SetRulerColor(kTicks);
  }
  TBitmap Face() {
    TBitmap face;
    ruler_->PaintTo(face);
    return face;
  }
  // The rows of column x in the tick colour, inside the sunken edge.
  static std::vector<int> TickRows(TBitmap& face, int x) {
    std::vector<int> rows;
    for (int y = 6; y < face.Height() - 6; ++y)
      if (face.Canvas().Pixels(x, y) == ColorToRGB(kTicks)) rows.push_back(y);
    return rows;
  }
  static std::vector<int> TickColumns(TBitmap& face, int y) {
    std::vector<int> columns;
    for (int x = 6; x < face.Width() - 6; ++x)
      if (face.Canvas().Pixels(x, y) == ColorToRGB(kTicks)) columns.push_back(x);
    return columns;
  }
};

std::vector<int> Range(int first, int last) {
  std::vector<int> rows;
  for (int i = first; i <= last; ++i) rows.push_back(i);
  return rows;
}

struct TickCase {
  TDivType divisions;
  bool markerOnTop;
  int across;  // ruler height
  int n;       // scale position, drawn at x = n + 4
  int first;   // tick rows first..last that show inside the edge; first > last: none
  int last;
};

class RulerTickTest : public RulerPaintTest, public ::testing::WithParamInterface<TickCase> {};

TEST_P(RulerTickTest, DrawsTheTicksOfTheUnitWithTheirExtents) {
  const TickCase& c = GetParam();
  ruler_->SetHeight(c.across);
  ruler_->SetDivisions(c.divisions);
  ruler_->SetMarkerOnTop(c.markerOnTop);
  TBitmap face = Face();
  EXPECT_EQ(TickRows(face, c.n + 4), Range(c.first, c.last)) << "n = " << c.n;
}

// Visible rows are 6 .. H - 7: the edge's rings cover the ends of the ticks.
INSTANTIATE_TEST_SUITE_P(MarkerOnTop, RulerTickTest,
                         ::testing::Values(TickCase{TDivType::dvPixels, true, 26, 10, 16, 19},
                                           TickCase{TDivType::dvPixels, true, 26, 15, 18, 19},
                                           TickCase{TDivType::dvPixels, true, 26, 12, 1, 0},
                                           TickCase{TDivType::dvPixels, true, 26, 50, 14, 19},
                                           TickCase{TDivType::dvPixels, true, 26, 100, 14, 19},
                                           TickCase{TDivType::dvInches, true, 26, 9, 18, 19},
                                           TickCase{TDivType::dvInches, true, 26, 36, 16, 19},
                                           TickCase{TDivType::dvInches, true, 26, 72, 14, 19},
                                           TickCase{TDivType::dvInches, true, 26, 10, 1, 0},
                                           TickCase{TDivType::dvCentimeters, true, 26, 7, 18, 19},
                                           TickCase{TDivType::dvCentimeters, true, 26, 14, 16, 19},
                                           TickCase{TDivType::dvCentimeters, true, 26, 28, 14, 19},
                                           TickCase{TDivType::dvPicas, true, 26, 6, 16, 19},
                                           TickCase{TDivType::dvPicas, true, 26, 12, 14, 19},
                                           TickCase{TDivType::dvPicas, true, 26, 24, 14, 19},
                                           TickCase{TDivType::dvPicas, true, 40, 12, 14, 33},
                                           TickCase{TDivType::dvPixels, true, 40, 15, 18, 33}));

INSTANTIATE_TEST_SUITE_P(MarkerBelow, RulerTickTest,
                         ::testing::Values(TickCase{TDivType::dvPixels, false, 40, 10, 12, 28},
                                           TickCase{TDivType::dvPixels, false, 40, 15, 14, 26},
                                           TickCase{TDivType::dvPixels, false, 40, 50, 1, 0},
                                           TickCase{TDivType::dvInches, false, 40, 36, 12, 28},
                                           TickCase{TDivType::dvInches, false, 40, 9, 14, 26},
                                           TickCase{TDivType::dvInches, false, 40, 72, 1, 0},
                                           TickCase{TDivType::dvCentimeters, false, 40, 14, 12, 28},
                                           TickCase{TDivType::dvCentimeters, false, 40, 7, 14, 26},
                                           TickCase{TDivType::dvPicas, false, 40, 12, 10, 28},
                                           TickCase{TDivType::dvPicas, false, 40, 6, 12, 26},
                                           TickCase{TDivType::dvPicas, false, 40, 24, 1, 0},
                                           // 26 high: a small tick runs upwards from 14 to 13 (one
                                           // pixel), a pica medium one from 12 to 13.
                                           TickCase{TDivType::dvPixels, false, 26, 15, 14, 14},
                                           TickCase{TDivType::dvPixels, false, 26, 10, 12, 14},
                                           TickCase{TDivType::dvPicas, false, 26, 6, 12, 12}));

TEST_F(RulerPaintTest, VerticalTicksRunAcross) {
  ruler_->SetDirection(TRulerDir::rdVertical);
  ruler_->SetBounds(10, 10, 40, 200);
  TBitmap face = Face();
  EXPECT_EQ(TickColumns(face, 14), Range(16, 33));  // medium at n = 10
  EXPECT_EQ(TickColumns(face, 19), Range(18, 33));  // small at n = 15
  EXPECT_EQ(TickColumns(face, 54), Range(14, 33));  // label tick at n = 50
  EXPECT_EQ(TickColumns(face, 16), std::vector<int>{});
  ruler_->SetMarkerOnTop(false);
  TBitmap below = Face();
  EXPECT_EQ(TickColumns(below, 14), Range(12, 28));
  EXPECT_EQ(TickColumns(below, 54), std::vector<int>{});
}

TEST_F(RulerPaintTest, FillsTheBandsAndDrawsASunkenEdge) {
  ruler_->SetDirection(TRulerDir::rdVertical);  // no markers over the frame
  ruler_->SetBounds(10, 10, 200, 30);
  TBitmap face = Face();
  TCanvas& c = face.Canvas();
  struct Probe {
    int x, y;
    TColor color;
  };
  const int w = 200;
  const int h = 30;
  for (const Probe& p :
       {Probe{0, 15, clBtnFace}, Probe{3, 15, clBtnFace}, Probe{100, 0, clBtnFace},
        Probe{100, 3, clBtnFace}, Probe{w - 1, 15, clBtnFace}, Probe{w - 4, 15, clBtnFace},
        Probe{100, h - 1, clBtnFace}, Probe{100, h - 4, clBtnFace},
        // Outer ring: shadow top and left, highlight bottom and right.
        Probe{4, 15, clBtnShadow}, Probe{100, 4, clBtnShadow}, Probe{w - 5, 15, clBtnHighlight},
        Probe{100, h - 5, clBtnHighlight},
        // Inner ring: dark shadow top and left, 3-D light bottom and right.
        Probe{5, 15, cl3DDkShadow}, Probe{100, 5, cl3DDkShadow}, Probe{w - 6, 15, cl3DLight},
        Probe{100, h - 6, cl3DLight}, Probe{7, 7, kBack}})
    EXPECT_EQ(c.Pixels(p.x, p.y), ColorToRGB(p.color)) << p.x << "," << p.y;
}

// The pixels near a label, except where the face shows a tick (later ticks cross labels).
std::vector<TColor> Region(TBitmap& bitmap, TBitmap& face, const TRect& r) {
  std::vector<TColor> pixels;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x)
      if (face.Canvas().Pixels(x, y) != ColorToRGB(kTicks))
        pixels.push_back(bitmap.Canvas().Pixels(x, y));
  return pixels;
}

// What the label alone looks like when written at (x, y) on the background.
TBitmap Reference(const TWordRuler& ruler, int width, int height, int x, int y,
                  const std::string& text, int escapement = 0) {
  TBitmap bitmap(width, height);
  TCanvas& c = bitmap.Canvas();
  c.Brush().SetColor(kBack);
  c.FillRect(Rect(0, 0, width, height));
  c.SetFont(ruler.Font());
  c.Font().SetEscapement(escapement);
  c.TextOut(x, y, text);
  return bitmap;
}

int Inked(const std::vector<TColor>& pixels) {
  int count = 0;
  for (TColor c : pixels) count += c != ColorToRGB(kBack);
  return count;
}

struct LabelCase {
  TDivType divisions;
  bool markerOnTop;
  int n;
  std::string text;
};

class RulerLabelTest : public RulerPaintTest, public ::testing::WithParamInterface<LabelCase> {};

TEST_P(RulerLabelTest, WritesTheLabelCentredOnItsTick) {
  const LabelCase& c = GetParam();
  ruler_->SetBounds(10, 10, 300, 30);
  ruler_->SetDivisions(c.divisions);
  ruler_->SetMarkerOnTop(c.markerOnTop);
  TBitmap face = Face();
  TCanvas measure;
  measure.SetFont(ruler_->Font());
  const int tw = measure.TextWidth(c.text) / 2;
  const int th = measure.TextHeight(c.text) / 2;
  const int x = c.n + 4;
  const int y = c.markerOnTop ? th : (30 - 5) / 2 - th;
  TBitmap reference = Reference(*ruler_, 300, 30, x - tw, y, c.text);
  // Inside the edge, around the label.
  const TRect around = Rect(x - 12, 6, x + 12, 24);
  const auto drawn = Region(face, face, around);
  EXPECT_GT(Inked(drawn), 5);
  EXPECT_EQ(drawn, Region(reference, face, around));
}

INSTANTIATE_TEST_SUITE_P(Units, RulerLabelTest,
                         ::testing::Values(LabelCase{TDivType::dvPixels, true, 100, "100"},
                                           LabelCase{TDivType::dvPixels, false, 150, "150"},
                                           LabelCase{TDivType::dvInches, true, 144, "2"},
                                           LabelCase{TDivType::dvCentimeters, true, 84, "3"},
                                           LabelCase{TDivType::dvCentimeters, false, 56, "2"},
                                           LabelCase{TDivType::dvPicas, true, 48, "4"}));

TEST_F(RulerPaintTest, VerticalLabelsReadFromBottomToTop) {
  ruler_->SetDirection(TRulerDir::rdVertical);
  ruler_->SetBounds(10, 10, 30, 300);
  for (bool onTop : {true, false}) {
    ruler_->SetMarkerOnTop(onTop);
    TBitmap face = Face();
    TCanvas measure;
    measure.SetFont(ruler_->Font());
    measure.Font().SetEscapement(900);
    const int tw = measure.TextWidth("100") / 2;
    const int th = measure.TextHeight("100") / 2;
    const int y = 100 + 4;
    const int x = onTop ? th : (30 - 5) / 2 - th;
    TBitmap reference = Reference(*ruler_, 30, 300, x, y + tw, "100", 900);
    const TRect around = Rect(6, y - 14, 24, y + 14);
    const auto drawn = Region(face, face, around);
    EXPECT_GT(Inked(drawn), 5);
    EXPECT_EQ(drawn, Region(reference, face, around)) << "on top " << onTop;
  }
}

TEST_F(RulerPaintTest, LabelsTakeTheFontColour) {
  ruler_->SetBounds(10, 10, 300, 30);
  TFont font = ruler_->Font();
  font.SetColor(clBlue);
  ruler_->SetFont(font);
  TBitmap face = Face();
  int blue = 0;
  for (int y = 6; y < 24; ++y)
    for (int x = 94; x < 114; ++x) blue += face.Canvas().Pixels(x, y) == ColorToRGB(clBlue);
  EXPECT_GT(blue, 5);
}

}  // namespace
