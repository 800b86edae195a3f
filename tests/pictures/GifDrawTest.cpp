// Drawing: the current frame as a bitmap, copied stretched into a rectangle, its transparent
// colour left out while the picture's Transparent property is on.
#include <gtest/gtest.h>

#include "GifTestSupport.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

using namespace giftest;

namespace {

// 3x2 over a 4-entry table: index 2 is transparent when transparentIndex is 2.
std::unique_ptr<TGIFImage> Picture(int transparentIndex) {
  GifBytes b;
  b.Header().Screen(3, 2, 0x80 | 1).Table(4);
  if (transparentIndex >= 0) b.GraphicControl(1, 0, transparentIndex);
  b.Descriptor(0, 0, 3, 2, 0).Data({0, 1, 2, 2, 3, 1}, 2).Trailer();
  return Load(b.Get());
}

TBitmap Canvas(TColor fill) {
  TBitmap target(8, 6);
  target.Canvas().Brush().SetColor(fill);
  target.Canvas().FillRect(Rect(0, 0, 8, 6));
  return target;
}

}  // namespace

TEST(GifDraw, FrameBitmapHoldsThePaletteColours) {
  auto gif = Picture(-1);
  TBitmap* bitmap = gif->Bitmap();
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(bitmap->Width(), 3);
  EXPECT_EQ(bitmap->Height(), 2);
  const int indices[2][3] = {{0, 1, 2}, {2, 3, 1}};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x)
      EXPECT_EQ(bitmap->Canvas().Pixels(x, y), TableColor(indices[y][x])) << x << "," << y;
  EXPECT_EQ(gif->Bitmap(), bitmap) << "made once and kept";
  // An index past the frames falls back to frame 0.
  gif->SetFrameIndex(5);
  EXPECT_EQ(gif->Bitmap(), bitmap);
  EXPECT_EQ(gif->Width(), 0);
}

TEST(GifDraw, DrawsStretchedAndLeavesTheTransparentColourOut) {
  const TColor back = RGB(9, 8, 7);
  auto gif = Picture(2);
  ASSERT_TRUE(gif->Transparent());
  TBitmap target = Canvas(back);
  // Twice the size: each pixel becomes a 2x2 block, placed at (1, 1).
  gif->Draw(target.Canvas(), Rect(1, 1, 7, 5));
  const int indices[2][3] = {{0, 1, 2}, {2, 3, 1}};
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 8; ++x) {
      TColor expected = back;
      if (x >= 1 && x < 7 && y >= 1 && y < 5) {
        const int index = indices[(y - 1) / 2][(x - 1) / 2];
        if (index != 2) expected = TableColor(index);
      }
      EXPECT_EQ(target.Canvas().Pixels(x, y), expected) << x << "," << y;
    }

  // With the property off the transparent colour is painted like any other.
  gif->SetTransparent(false);
  TBitmap opaque = Canvas(back);
  gif->Draw(opaque.Canvas(), Rect(0, 0, 3, 2));
  EXPECT_EQ(opaque.Canvas().Pixels(2, 0), TableColor(2));
  EXPECT_EQ(opaque.Canvas().Pixels(0, 1), TableColor(2));
}

TEST(GifDraw, NothingIsDrawnWithoutAFrame) {
  TGIFImage empty;
  TBitmap target = Canvas(clWhite);
  empty.Draw(target.Canvas(), Rect(0, 0, 8, 6));
  EXPECT_EQ(target.Canvas().Pixels(3, 3), clWhite);
  // Through the canvas, as controls draw pictures.
  auto gif = Picture(-1);
  target.Canvas().StretchDraw(Rect(0, 0, 3, 2), *gif);
  EXPECT_EQ(target.Canvas().Pixels(1, 0), TableColor(1));
}

TEST(GifDraw, LogosDecodeAtTheirDepths) {
  // The prompts' logo: 16 colours, a 4-bit bitmap whose 256-entry palette has the 16 table
  // colours and 240 grey entries; the about window's logo: 256 colours, 8 bits.
  const std::string dir = std::string(TARVIK_SOURCE_DIR) + "/resources/logos/";
  const std::string prompt = ReadFile(dir + "prompt-logo.gif");
  const std::string about = ReadFile(dir + "about-logo.gif");
  ASSERT_FALSE(prompt.empty());
  ASSERT_FALSE(about.empty());
  auto small = Load(Bytes(prompt.begin(), prompt.end()));
  EXPECT_EQ(small->Width(), 90);
  EXPECT_EQ(small->Height(), 20);
  EXPECT_EQ(small->ColorMap().Count, 16u);
  const TGIFDib& dib = small->Frames(0).Dib();
  EXPECT_EQ(dib.BitsPerPixel(), 4);
  EXPECT_EQ(dib.PaletteSize(), 16);
  int grey = 0;
  for (int i = 0; i < 256; ++i) {
    const auto e = dib.PaletteEntry(i);
    if (i < 16) {
      const TColor c = small->ColorMap().ColorOf(static_cast<std::size_t>(i));
      EXPECT_EQ(RGB(e[2], e[1], e[0]), c) << i;
      EXPECT_EQ(e[3], 0);
    } else if (e == std::array<std::uint8_t, 4>{128, 128, 128, 128}) {
      ++grey;
    }
  }
  EXPECT_EQ(grey, 240);
  auto large = Load(Bytes(about.begin(), about.end()));
  EXPECT_EQ(large->Width(), 200);
  EXPECT_EQ(large->Height(), 30);
  EXPECT_EQ(large->ColorMap().Count, 256u);
  EXPECT_EQ(large->Frames(0).ColorBits(), 8);
  EXPECT_EQ(large->Frames(0).Dib().BitsPerPixel(), 8);
  EXPECT_FALSE(large->Frames(0).Corrupted());
}
