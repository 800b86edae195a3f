// The ruler's arithmetic: ticks per unit and their extents, snapping (halves to even), the
// drag rules of the three markers and the left-indent reading.
#include <gtest/gtest.h>

#include <vector>

#include "controls/WordRulerScale.h"

using namespace WordRulerScale;

namespace {

using K = TTickKind;

struct TicksCase {
  TDivType divisions;
  int n;
  std::vector<TTickKind> ticks;
};

class TicksAtTest : public ::testing::TestWithParam<TicksCase> {};

TEST_P(TicksAtTest, GivesTheTicksInDrawingOrder) {
  const TicksCase& c = GetParam();
  EXPECT_EQ(TicksAt(c.divisions, c.n), c.ticks) << "n = " << c.n;
}

INSTANTIATE_TEST_SUITE_P(
    Units, TicksAtTest,
    ::testing::Values(
        TicksCase{TDivType::dvPixels, 5, {K::tkSmall}}, TicksCase{TDivType::dvPixels, 7, {}},
        TicksCase{TDivType::dvPixels, 10, {K::tkMedium, K::tkSmall}},
        TicksCase{TDivType::dvPixels, 45, {K::tkSmall}},
        TicksCase{TDivType::dvPixels, 50, {K::tkLabel}},
        TicksCase{TDivType::dvPixels, 100, {K::tkLabel}},
        TicksCase{TDivType::dvInches, 9, {K::tkSmall}},
        TicksCase{TDivType::dvInches, 36, {K::tkMedium, K::tkSmall}},
        TicksCase{TDivType::dvInches, 72, {K::tkLabel}}, TicksCase{TDivType::dvInches, 10, {}},
        TicksCase{TDivType::dvCentimeters, 7, {K::tkSmall}},
        TicksCase{TDivType::dvCentimeters, 14, {K::tkMedium, K::tkSmall}},
        TicksCase{TDivType::dvCentimeters, 28, {K::tkLabel}},
        TicksCase{TDivType::dvCentimeters, 29, {}},
        TicksCase{TDivType::dvPicas, 6, {K::tkPicaMedium}},
        TicksCase{TDivType::dvPicas, 12, {K::tkLong, K::tkPicaMedium}},
        TicksCase{TDivType::dvPicas, 24, {K::tkLabel}},
        TicksCase{TDivType::dvPicas, 30, {K::tkPicaMedium}}, TicksCase{TDivType::dvPicas, 7, {}}));

TEST(RulerLabels, CountTheUnitOfTheScale) {
  EXPECT_EQ(LabelValue(TDivType::dvPixels, 150), 150);
  EXPECT_EQ(LabelValue(TDivType::dvInches, 144), 2);
  EXPECT_EQ(LabelValue(TDivType::dvCentimeters, 84), 3);
  EXPECT_EQ(LabelValue(TDivType::dvPicas, 48), 4);
}

struct ExtentCase {
  TTickKind kind;
  bool markerOnTop;
  TTickExtent extent;  // for a strip 25 across
};

class TickExtentTest : public ::testing::TestWithParam<ExtentCase> {};

TEST_P(TickExtentTest, RunsFromStartToEnd) {
  const ExtentCase& c = GetParam();
  EXPECT_EQ(TickExtent(c.kind, c.markerOnTop, 25), c.extent);
}

INSTANTIATE_TEST_SUITE_P(Kinds, TickExtentTest,
                         ::testing::Values(ExtentCase{K::tkLabel, true, {true, 14, 20}},
                                           ExtentCase{K::tkLong, true, {true, 14, 20}},
                                           ExtentCase{K::tkMedium, true, {true, 16, 20}},
                                           ExtentCase{K::tkPicaMedium, true, {true, 16, 20}},
                                           ExtentCase{K::tkSmall, true, {true, 18, 20}},
                                           ExtentCase{K::tkLabel, false, {false, 0, 0}},
                                           ExtentCase{K::tkLong, false, {true, 10, 14}},
                                           ExtentCase{K::tkMedium, false, {true, 12, 14}},
                                           ExtentCase{K::tkPicaMedium, false, {true, 12, 12}},
                                           ExtentCase{K::tkSmall, false, {true, 14, 12}}));

TEST(RulerRounding, TiesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(2.5), 2.0);
  EXPECT_EQ(RoundHalfEven(3.5), 4.0);
  EXPECT_EQ(RoundHalfEven(-2.5), -2.0);
  EXPECT_EQ(RoundHalfEven(2.4), 2.0);
  EXPECT_EQ(RoundHalfEven(2.6), 3.0);
}

struct SnapCase {
  TDivType divisions;
  int raw;
  int snapped;
};

class SnapTest : public ::testing::TestWithParam<SnapCase> {};

TEST_P(SnapTest, SnapsToTheGridOfTheUnit) {
  const SnapCase& c = GetParam();
  EXPECT_EQ(Snap(c.divisions, c.raw), c.snapped) << "raw " << c.raw;
}

INSTANTIATE_TEST_SUITE_P(
    Units, SnapTest,
    ::testing::Values(SnapCase{TDivType::dvPixels, 12, 10}, SnapCase{TDivType::dvPixels, 13, 15},
                      SnapCase{TDivType::dvPixels, -2, 0}, SnapCase{TDivType::dvPixels, -3, -5},
                      SnapCase{TDivType::dvInches, 13, 9}, SnapCase{TDivType::dvInches, 14, 18},
                      SnapCase{TDivType::dvInches, 81, 81}, SnapCase{TDivType::dvInches, 40, 36},
                      // Half picas fall on ties: 0.5 -> 0, 1.5 -> 2, 2.5 -> 2.
                      SnapCase{TDivType::dvPicas, 3, 0}, SnapCase{TDivType::dvPicas, 9, 12},
                      SnapCase{TDivType::dvPicas, 15, 12}, SnapCase{TDivType::dvPicas, 16, 18},
                      // 10 / 2.84 = 3.52 -> 4 mm -> 11.36 -> 11
                      SnapCase{TDivType::dvCentimeters, 10, 11},
                      // 28 / 2.84 = 9.86 -> 10 mm -> 28.4 -> 28
                      SnapCase{TDivType::dvCentimeters, 28, 28},
                      // 7 / 2.84 = 2.46 -> 2 mm -> 5.68 -> 6
                      SnapCase{TDivType::dvCentimeters, 7, 6}));

struct ReadingCase {
  TDivType divisions;
  int left;
  double value;
};

class ReadingTest : public ::testing::TestWithParam<ReadingCase> {};

TEST_P(ReadingTest, GivesTheLeftIndentInTheUnit) {
  const ReadingCase& c = GetParam();
  EXPECT_DOUBLE_EQ(IndentInUnits(c.divisions, c.left), c.value) << "left " << c.left;
}

INSTANTIATE_TEST_SUITE_P(Units, ReadingTest,
                         ::testing::Values(ReadingCase{TDivType::dvPixels, 10, 10.0},
                                           ReadingCase{TDivType::dvPixels, 12, 10.0},
                                           ReadingCase{TDivType::dvInches, 81, 1.125},
                                           ReadingCase{TDivType::dvInches, 72, 1.0},
                                           ReadingCase{TDivType::dvCentimeters, 28, 1.0},
                                           ReadingCase{TDivType::dvCentimeters, 11, 0.4},
                                           ReadingCase{TDivType::dvPicas, 24, 2.0},
                                           ReadingCase{TDivType::dvPicas, 30, 2.5}));

TEST(RulerDrag, FirstLineStaysInsideTheStrip) {
  TMarkerPlaces places{0, 0, 91};
  DragFirstLine(TDivType::dvPixels, 12, 100, places);
  EXPECT_EQ(places, (TMarkerPlaces{10, 0, 91}));
  DragFirstLine(TDivType::dvPixels, -9, 100, places);
  EXPECT_EQ(places.firstLine, 0);
  // Past the right-indent marker (not bound by it), up to width - 13.
  DragFirstLine(TDivType::dvPixels, 95, 100, places);
  EXPECT_EQ(places, (TMarkerPlaces{87, 0, 91}));
}

TEST(RulerDrag, LeftIndentStopsASnappedMarkerWidthBeforeTheRightIndent) {
  TMarkerPlaces places{0, 0, 91};
  DragLeftIndent(TDivType::dvPixels, 90, 100, false, 0, places);
  // Clamped to 87, then pushed to snap(91 - 9) = 80.
  EXPECT_EQ(places, (TMarkerPlaces{0, 80, 91}));
  places = {0, 0, 60};
  DragLeftIndent(TDivType::dvPixels, 53, 200, false, 0, places);
  EXPECT_EQ(places.leftIndent, 50);  // snap(55) = 55 -> pushed: snap(51) = 50
}

TEST(RulerDrag, CarriedFirstLineKeepsItsOffset) {
  TMarkerPlaces places{20, 0, 191};
  DragLeftIndent(TDivType::dvPixels, 30, 200, true, 20, places);
  EXPECT_EQ(places, (TMarkerPlaces{50, 30, 191}));
  // The carried marker stops at 0 on the left ...
  places = {0, 20, 191};
  DragLeftIndent(TDivType::dvPixels, 10, 200, true, -20, places);
  EXPECT_EQ(places, (TMarkerPlaces{0, 10, 191}));
  // ... and at width - 9 on the right.
  places = {100, 60, 300};
  DragLeftIndent(TDivType::dvPixels, 160, 200, true, 40, places);
  EXPECT_EQ(places, (TMarkerPlaces{191, 160, 300}));
}

TEST(RulerDrag, RightIndentStopsASnappedMarkerWidthAfterTheLeftIndent) {
  TMarkerPlaces places{0, 40, 91};
  DragRightIndent(TDivType::dvPixels, 10, 100, places);
  // snap(40 + 9) = 50
  EXPECT_EQ(places, (TMarkerPlaces{0, 40, 50}));
  DragRightIndent(TDivType::dvPixels, 200, 100, places);
  EXPECT_EQ(places.rightIndent, 91);
  places = {0, 36, 91};
  DragRightIndent(TDivType::dvInches, 0, 100, places);
  EXPECT_EQ(places.rightIndent, 45);  // snap(45) in eighths: 5 * 9
}

}  // namespace
