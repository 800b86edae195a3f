// Value types the rounded controls share: fade speeds, gradient geometries, caption positions.
// The order of the values is the order layouts know them by.
#pragma once

#include <array>

enum class TFadeSpeed { fsSlow, fsMedium, fsFast, fsVeryFast };

enum class TGradientType {
  gtHorizontal,
  gtVertical,
  gtFromTopLeft,
  gtFromTopRight,
  gtRadial,
  gtDoubleHorz,
  gtDoubleVert
};

enum class TRbCaptionPos {
  cpGroupBox,
  cpTopLeft,
  cpTopCenter,
  cpTopRight,
  cpMiddleLeft,
  cpMiddleCenter,
  cpMiddleRight,
  cpBottomLeft,
  cpBottomCenter,
  cpBottomRight
};

// Milliseconds between two fade ticks, by TFadeSpeed.
inline constexpr std::array<int, 4> FadeIntervals = {40, 20, 12, 1};

constexpr int FadeInterval(TFadeSpeed speed) {
  return FadeIntervals[static_cast<std::size_t>(speed)];
}

// Widths beyond any screen (a corner or border of two thousand million pixels from a damaged
// layout) are held at this size, which draws the same, so that the sums and the threefold
// smoothing size made from them cannot overflow.
inline constexpr int RbMaxExtent = 1 << 20;
constexpr int RbExtent(int value) {
  return value < RbMaxExtent ? value : RbMaxExtent;
}
