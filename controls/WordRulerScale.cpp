#include "controls/WordRulerScale.h"

#include <cfenv>
#include <cmath>

namespace WordRulerScale {

namespace {

// A tick of a kind that stands where n is a multiple of `every` but not of `unless`
// (0: no exception).
bool Every(int n, int every, int unless = 0) {
  return n % every == 0 && (unless == 0 || n % unless != 0);
}

// Pixels per millimetre for snapping and reading (28.4 per centimetre).
constexpr double kPixelsPerMillimetre = 2.84;

}  // namespace

std::vector<TTickKind> TicksAt(TDivType divisions, int n) {
  std::vector<TTickKind> ticks;
  auto add = [&](bool when, TTickKind kind) {
    if (when) ticks.push_back(kind);
  };
  switch (divisions) {
    case TDivType::dvPixels:
      add(Every(n, 10, 50), TTickKind::tkMedium);
      add(Every(n, 5, 50), TTickKind::tkSmall);
      add(Every(n, 50), TTickKind::tkLabel);
      break;
    case TDivType::dvInches:
      add(Every(n, 72), TTickKind::tkLabel);
      add(Every(n, 36, 72), TTickKind::tkMedium);
      add(Every(n, 9, 72), TTickKind::tkSmall);
      break;
    case TDivType::dvCentimeters:
      add(Every(n, 14, 28), TTickKind::tkMedium);
      add(Every(n, 7, 28), TTickKind::tkSmall);
      add(Every(n, 28), TTickKind::tkLabel);
      break;
    case TDivType::dvPicas:
      add(Every(n, 12, 24), TTickKind::tkLong);
      add(Every(n, 24), TTickKind::tkLabel);
      add(Every(n, 6, 24), TTickKind::tkPicaMedium);
      break;
  }
  return ticks;
}

int LabelValue(TDivType divisions, int n) {
  switch (divisions) {
    case TDivType::dvInches:
      return n / 72;
    case TDivType::dvCentimeters:
      return n / 28;
    case TDivType::dvPicas:
      return n / 12;
    case TDivType::dvPixels:
      break;
  }
  return n;
}

TTickExtent TickExtent(TTickKind kind, bool markerOnTop, int across) {
  const int bottom = across - 5;
  if (markerOnTop) {
    switch (kind) {
      case TTickKind::tkLabel:
      case TTickKind::tkLong:
        return {true, 14, bottom};
      case TTickKind::tkMedium:
      case TTickKind::tkPicaMedium:
        return {true, 16, bottom};
      case TTickKind::tkSmall:
        return {true, 18, bottom};
    }
  }
  switch (kind) {
    case TTickKind::tkLabel:
      return {};
    case TTickKind::tkLong:
      return {true, 10, across - 11};
    case TTickKind::tkMedium:
      return {true, 12, across - 11};
    case TTickKind::tkPicaMedium:
      return {true, 12, across - 13};
    case TTickKind::tkSmall:
      return {true, 14, across - 13};
  }
  return {};
}

double RoundHalfEven(double value) {
  // nearbyint follows the rounding mode; make sure it is the default one.
  const int saved = std::fegetround();
  std::fesetround(FE_TONEAREST);
  const double rounded = std::nearbyint(value);
  std::fesetround(saved);
  return rounded;
}

int Snap(TDivType divisions, int position) {
  const double p = position;
  switch (divisions) {
    case TDivType::dvInches:
      return static_cast<int>(RoundHalfEven(p / 9) * 9);
    case TDivType::dvCentimeters:
      return static_cast<int>(
          RoundHalfEven(RoundHalfEven(p / kPixelsPerMillimetre) * kPixelsPerMillimetre));
    case TDivType::dvPicas:
      return static_cast<int>(RoundHalfEven(p / 6) * 6);
    case TDivType::dvPixels:
      break;
  }
  return static_cast<int>(RoundHalfEven(p / 5) * 5);
}

double IndentInUnits(TDivType divisions, int left) {
  const double l = left;
  switch (divisions) {
    case TDivType::dvInches:
      return RoundHalfEven(l / 9) / 8;
    case TDivType::dvCentimeters:
      return RoundHalfEven(l / kPixelsPerMillimetre) * kPixelsPerMillimetre / 28.4;
    case TDivType::dvPicas:
      return RoundHalfEven(l / 6) * 6 / 12;
    case TDivType::dvPixels:
      break;
  }
  return RoundHalfEven(l / 5) * 5;
}

namespace {

// The common first part of every step: snapped, then kept inside 0 .. limit.
int SnapInside(TDivType divisions, int p, int limit) {
  int left = Snap(divisions, p);
  if (left < 0) left = 0;
  if (left > limit) left = limit;
  return left;
}

}  // namespace

void DragFirstLine(TDivType divisions, int p, int width, TMarkerPlaces& places) {
  places.firstLine = SnapInside(divisions, p, width - 13);
}

void DragLeftIndent(TDivType divisions, int p, int width, bool carry, int offset,
                    TMarkerPlaces& places) {
  int left = SnapInside(divisions, p, width - 13);
  // The two lower markers stay a marker's width apart.
  if (places.rightIndent <= left + 9) left = Snap(divisions, places.rightIndent - 9);
  places.leftIndent = left;
  if (!carry) return;
  int first = left + offset;
  if (first < left && first <= 0) first = 0;
  if (first > left && first + 9 >= width) first = width - 9;
  places.firstLine = first;
}

void DragRightIndent(TDivType divisions, int p, int width, TMarkerPlaces& places) {
  int left = SnapInside(divisions, p, width - 9);
  if (places.leftIndent + 9 >= left) left = Snap(divisions, places.leftIndent + 9);
  places.rightIndent = left;
}

}  // namespace WordRulerScale
