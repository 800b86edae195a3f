// The marker pictures, pixel by pixel: the pentagon, its flipped copies, the left-indent box
// and the outlines of a released and of a pressed marker.
#include <gtest/gtest.h>

#include <string>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "ruler_fixture.h"

namespace {

// One character per pixel: '.' white, 'F' button face, 'D' button shadow, '?' anything else.
// The button highlight is white as well, so a light outline reads '.'.
std::string Map(TBitmap& bitmap) {
  std::string text;
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) {
      const TColor c = bitmap.Canvas().Pixels(x, y);
      text += c == ColorToRGB(clWhite)       ? '.'
              : c == ColorToRGB(clBtnFace)   ? 'F'
              : c == ColorToRGB(clBtnShadow) ? 'D'
                                             : '?';
    }
    text += '\n';
  }
  return text;
}

std::string MarkerMap(TWordRuler& ruler, int tag) {
  return Map(ruler.Marker(tag)->Picture().Bitmap());
}

// Released: the lit sides are white like the background, the shaded sides button shadow.
// The pentagon's own edges, one pixel outside the outline, stay in the face colour.
TEST_F(RulerTest, ReleasedMarkersShowTheirShadedSides) {
  EXPECT_EQ(MarkerMap(*ruler_, TWordRuler::FirstLineTag),
            ".DDDDDDDD\n"
            ".FFFFFFFD\n"
            ".FFFFFFFD\n"
            ".FFFFFFFD\n"
            ".FFFFFFFD\n"
            "F.FFFFFD.\n"
            ".F.FFFD.F\n"
            "..F.FD.F.\n"
            "....D.F..\n");
  // The pentagon turned up, a light line under it, the box below; the bottom line of the
  // outline (row 14) lies outside the picture.
  EXPECT_EQ(MarkerMap(*ruler_, TWordRuler::LeftIndentTag),
            "....D.F..\n"
            "..F.FD.F.\n"
            ".F.FFFD.F\n"
            "F.FFFFFD.\n"
            ".FFFFFFFD\n"
            ".FFFFFFFD\n"
            ".FFFFFFFD\n"
            ".FFFFFFFD\n"
            "........D\n"
            ".FFFFFFFD\n"
            ".FFFFFFFD\n"
            ".FFFFFFFD\n"
            ".FFFFFFFD\n"
            "........D\n");
  EXPECT_EQ(MarkerMap(*ruler_, TWordRuler::RightIndentTag),
            "......F..\n"
            "..F.FD.F.\n"
            ".F.FFFD.F\n"
            "F.FFFFFD.\n"
            ".FFFFFFFD\n"
            ".FFFFFFFD\n"
            ".FFFFFFFD\n"
            ".FFFFFFFD\n"
            "DDDDDDDDD\n");
}

// Pressed: the colours swap, and swap back on release.
TEST_F(RulerTest, APressedMarkerSwapsItsOutlineColours) {
  const std::string released = MarkerMap(*ruler_, TWordRuler::LeftIndentTag);
  TestInput::MouseDown(ruler_, mbLeft, OnLeftTriangle());
  EXPECT_EQ(MarkerMap(*ruler_, TWordRuler::LeftIndentTag),
            "......F..\n"
            "..FDF..F.\n"
            ".FDFFF..F\n"
            "FDFFFFF..\n"
            "DFFFFFFF.\n"
            "DFFFFFFF.\n"
            "DFFFFFFF.\n"
            "DFFFFFFF.\n"
            "DDDDDDDD.\n"
            "DFFFFFFF.\n"
            "DFFFFFFF.\n"
            "DFFFFFFF.\n"
            "DFFFFFFF.\n"
            ".........\n");
  TestInput::MouseUp(ruler_, mbLeft, OnLeftTriangle());
  EXPECT_EQ(MarkerMap(*ruler_, TWordRuler::LeftIndentTag), released);
}

TEST_F(RulerTest, PressedFirstLineAndRightIndentMarkers) {
  TestInput::MouseDown(ruler_, mbLeft, OnFirstLine());
  EXPECT_EQ(MarkerMap(*ruler_, TWordRuler::FirstLineTag),
            "D........\n"
            "DFFFFFFF.\n"
            "DFFFFFFF.\n"
            "DFFFFFFF.\n"
            "DFFFFFFF.\n"
            "FDFFFFF..\n"
            ".FDFFF..F\n"
            "..FDF..F.\n"
            "......F..\n");
  TestInput::MouseUp(ruler_, mbLeft, OnFirstLine());
  TestInput::MouseDown(ruler_, mbLeft, Point(195, 16));
  EXPECT_EQ(MarkerMap(*ruler_, TWordRuler::RightIndentTag),
            "....D.F..\n"
            "..FDF..F.\n"
            ".FDFFF..F\n"
            "FDFFFFF..\n"
            "DFFFFFFF.\n"
            "DFFFFFFF.\n"
            "DFFFFFFF.\n"
            "DFFFFFFF.\n"
            ".........\n");
  TestInput::MouseUp(ruler_, mbLeft, Point(195, 16));
}

// Transparent white: the ruler shows through the corners and the light sides.
TEST_F(RulerTest, MarkersAreDrawnTransparently) {
  ruler_->SetBackColor(clRed);
  TBitmap face;
  ruler_->PaintTo(face);
  // First-line marker at (0, 4): its pixel (1, 1) is face, (0, 7) is white and shows the strip
  // (the frame band there), (4, 8) is shadow.
  EXPECT_EQ(face.Canvas().Pixels(1, 5), ColorToRGB(clBtnFace));
  EXPECT_EQ(face.Canvas().Pixels(0, 11), ColorToRGB(clBtnFace));
  EXPECT_EQ(face.Canvas().Pixels(4, 12), ColorToRGB(clBtnShadow));
  // Right-indent marker at (191, 13): its white corner (0, 0) shows the red scale area below.
  EXPECT_EQ(face.Canvas().Pixels(191, 13), ColorToRGB(clRed));
  EXPECT_EQ(face.Canvas().Pixels(192, 17), ColorToRGB(clBtnFace));
}

}  // namespace
