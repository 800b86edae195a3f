// The arithmetic of the word ruler, apart from any drawing: which ticks stand at a scale
// position and how long they are, the snapping grid of each unit, the drag rules of the three
// indent markers, and the reading of the left-indent marker in the ruler's unit.
//
// The scale assumes 72 pixels per inch: one scale unit is one pixel. The centimetre scale is
// labelled every 28 pixels, but snapping and the reading use 28.4 pixels per centimetre.
#pragma once

#include <string>
#include <vector>

enum class TDivType { dvPixels, dvInches, dvCentimeters, dvPicas };
enum class TRulerDir { rdVertical, rdHorizontal };

namespace WordRulerScale {

// The scale is drawn for positions n = FirstPosition .. across - FirstPosition, at n + Offset.
inline constexpr int FirstPosition = 5;
inline constexpr int Offset = 4;

enum class TTickKind { tkLabel, tkLong, tkMedium, tkPicaMedium, tkSmall };

// The ticks drawn at scale position n, in drawing order.
std::vector<TTickKind> TicksAt(TDivType divisions, int n);
// The number a label tick at n carries.
int LabelValue(TDivType divisions, int n);

// A tick runs from start to end (the end pixel left out), across the strip.
struct TTickExtent {
  bool drawn = false;
  int start = 0;
  int end = 0;
  bool operator==(const TTickExtent&) const = default;
};
// across is the strip's height (horizontal ruler) or width (vertical ruler).
TTickExtent TickExtent(TTickKind kind, bool markerOnTop, int across);

// Rounds to the nearest integer, halves to the even neighbour.
double RoundHalfEven(double value);
// A raw marker position snapped to the grid of the unit.
int Snap(TDivType divisions, int position);
// The left-indent marker's left coordinate in the unit of the scale.
double IndentInUnits(TDivType divisions, int left);

// Where the markers stand (their left coordinates inside the ruler).
struct TMarkerPlaces {
  int firstLine = 0;
  int leftIndent = 0;
  int rightIndent = 0;
  bool operator==(const TMarkerPlaces&) const = default;
};

// One drag step of a grabbed marker to the raw position p on a ruler width pixels wide.
void DragFirstLine(TDivType divisions, int p, int width, TMarkerPlaces& places);
// carry: the first-line marker follows at offset (first-line left - left-indent left).
void DragLeftIndent(TDivType divisions, int p, int width, bool carry, int offset,
                    TMarkerPlaces& places);
void DragRightIndent(TDivType divisions, int p, int width, TMarkerPlaces& places);

}  // namespace WordRulerScale
