#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "pixel_helpers.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/core/Exception.h"
#include "platform/graphics/Graphic.h"
#include "platform/graphics/Resources.h"
#include "platform/core/Stream.h"
#include "platform/framework/Surface.h"

namespace {

void Put16(std::vector<std::uint8_t>& v, std::uint32_t x) {
  v.push_back(static_cast<std::uint8_t>(x));
  v.push_back(static_cast<std::uint8_t>(x >> 8));
}
void Put32(std::vector<std::uint8_t>& v, std::uint32_t x) {
  Put16(v, x & 0xFFFF);
  Put16(v, x >> 16);
}

// A BMP file with a 40-byte header; `pixels` is the raw pixel data as stored in the file.
std::vector<std::uint8_t> MakeBmp(int width, int height, int bpp, std::uint32_t compression,
                                  const std::vector<TColor>& palette,
                                  const std::vector<std::uint8_t>& pixels) {
  std::vector<std::uint8_t> v;
  const std::uint32_t offset = 14 + 40 + 4 * static_cast<std::uint32_t>(palette.size());
  v.push_back('B');
  v.push_back('M');
  Put32(v, offset + static_cast<std::uint32_t>(pixels.size()));
  Put32(v, 0);
  Put32(v, offset);
  Put32(v, 40);
  Put32(v, static_cast<std::uint32_t>(width));
  Put32(v, static_cast<std::uint32_t>(height));
  Put16(v, 1);
  Put16(v, static_cast<std::uint32_t>(bpp));
  Put32(v, compression);
  Put32(v, static_cast<std::uint32_t>(pixels.size()));
  Put32(v, 3780);
  Put32(v, 3780);
  Put32(v, static_cast<std::uint32_t>(palette.size()));
  Put32(v, 0);
  for (TColor c : palette) {
    v.push_back(GetBValue(c));
    v.push_back(GetGValue(c));
    v.push_back(GetRValue(c));
    v.push_back(0);
  }
  v.insert(v.end(), pixels.begin(), pixels.end());
  return v;
}

TBitmap Load(const std::vector<std::uint8_t>& bytes) {
  TBitmap bitmap;
  TMemoryStream stream(bytes);
  bitmap.LoadFromStream(stream);
  return bitmap;
}

std::string TempPath(const std::string& name) {
  return (std::filesystem::temp_directory_path() / ("tarvik_test_" + name)).string();
}

}  // namespace

TEST(Bitmap, NewBitmapIsWhiteAndResizeKeepsPixels) {
  TBitmap bitmap(3, 2);
  EXPECT_EQ(bitmap.Width(), 3);
  EXPECT_EQ(bitmap.Height(), 2);
  EXPECT_EQ(PixelsOf(bitmap, clWhite).size(), 6u);
  bitmap.Canvas().SetPixels(1, 1, clRed);
  bitmap.SetSize(5, 4);
  EXPECT_EQ(bitmap.Canvas().Pixels(1, 1), clRed);
  EXPECT_EQ(bitmap.Canvas().Pixels(4, 3), clWhite);
  bitmap.SetSize(1, 1);
  EXPECT_EQ(bitmap.Canvas().Pixels(0, 0), clWhite);
  TBitmap empty;
  EXPECT_TRUE(empty.Empty());
  empty.SetWidth(4);
  EXPECT_TRUE(empty.Empty());
  empty.SetHeight(2);
  EXPECT_FALSE(empty.Empty());
}

TEST(Bitmap, CanvasStaysValidAcrossResizeAndAssign) {
  TBitmap bitmap(2, 2);
  TCanvas& canvas = bitmap.Canvas();
  bitmap.SetSize(10, 10);
  canvas.SetPixels(9, 9, clBlue);
  EXPECT_EQ(bitmap.Canvas().Pixels(9, 9), clBlue);
  TBitmap other(4, 4);
  bitmap.Assign(other);
  EXPECT_EQ(&bitmap.Canvas(), &canvas);
  canvas.SetPixels(3, 3, clBlue);
  EXPECT_EQ(bitmap.Canvas().Pixels(3, 3), clBlue);
  EXPECT_EQ(other.Canvas().Pixels(3, 3), clWhite);  // the copy does not share pixels
}

TEST(Bitmap, ScanLineGivesBlueGreenRedAtAFixedStep) {
  TBitmap bitmap(3, 2);
  bitmap.Canvas().SetPixels(1, 1, RGB(10, 20, 30));
  std::uint8_t* row = bitmap.ScanLine(1);
  EXPECT_EQ(row[1 * TBitmap::PixelStep + 0], 30);  // blue
  EXPECT_EQ(row[1 * TBitmap::PixelStep + 1], 20);  // green
  EXPECT_EQ(row[1 * TBitmap::PixelStep + 2], 10);  // red
  row[2 * TBitmap::PixelStep + 0] = 1;
  row[2 * TBitmap::PixelStep + 1] = 2;
  row[2 * TBitmap::PixelStep + 2] = 3;
  EXPECT_EQ(bitmap.Canvas().Pixels(2, 1), RGB(3, 2, 1));
  EXPECT_GE(bitmap.BytesPerLine(), 3 * TBitmap::PixelStep);
  EXPECT_THROW(bitmap.ScanLine(2), EInvalidGraphic);
  EXPECT_THROW(bitmap.ScanLine(-1), EInvalidGraphic);
}

TEST(Bitmap, TransparentColourIsBottomLeftOrTheSetOne) {
  TBitmap bitmap(4, 3);
  bitmap.Canvas().SetPixels(0, 2, clFuchsia);
  EXPECT_EQ(bitmap.TransparentMode(), tmAuto);
  EXPECT_EQ(bitmap.TransparentColor(), clFuchsia);
  bitmap.SetTransparentColor(clWhite);
  EXPECT_EQ(bitmap.TransparentMode(), tmFixed);
  EXPECT_EQ(bitmap.TransparentColor(), clWhite);
  bitmap.SetTransparentColor(clDefault);
  EXPECT_EQ(bitmap.TransparentMode(), tmAuto);
  EXPECT_EQ(bitmap.TransparentColor(), clFuchsia);
  EXPECT_EQ(TBitmap().TransparentColor(), clNone);
}

TEST(Bitmap, TransparentDrawLeavesKeyColourPixelsUntouched) {
  TBitmap glyph(3, 3);
  glyph.Canvas().Brush().SetColor(clFuchsia);
  glyph.Canvas().FillRect(Rect(0, 0, 3, 3));
  glyph.Canvas().SetPixels(1, 1, clBlack);
  glyph.Canvas().SetPixels(2, 0, clRed);
  glyph.SetTransparent(true);

  TBitmap target(5, 5);
  target.Canvas().Brush().SetColor(clLime);
  target.Canvas().FillRect(Rect(0, 0, 5, 5));
  target.Canvas().Draw(1, 1, glyph);
  EXPECT_EQ(PixelsOf(target, clBlack), (PixelSet{{2, 2}}));
  EXPECT_EQ(PixelsOf(target, clRed), (PixelSet{{3, 1}}));
  EXPECT_EQ(PixelsOf(target, clLime).size(), 23u);

  glyph.SetTransparent(false);
  target.Canvas().Draw(1, 1, glyph);
  EXPECT_EQ(PixelsOf(target, clFuchsia).size(), 7u);
}

TEST(Bitmap, StretchedAndMirroredCopies) {
  TBitmap source(2, 2);
  source.Canvas().SetPixels(0, 0, clRed);
  source.Canvas().SetPixels(1, 0, clGreen);
  source.Canvas().SetPixels(0, 1, clBlue);
  source.Canvas().SetPixels(1, 1, clBlack);
  TBitmap big(4, 4);
  big.Canvas().StretchDraw(Rect(0, 0, 4, 4), source);
  EXPECT_EQ(PixelsOf(big, clRed), (PixelSet{{0, 0}, {1, 0}, {0, 1}, {1, 1}}));
  EXPECT_EQ(PixelsOf(big, clBlack), (PixelSet{{2, 2}, {3, 2}, {2, 3}, {3, 3}}));

  // A rectangle from (0, 8) to (9, -1) flips the picture into rows 0 to 8, the way the
  // ruler turns its first-line marker upside down.
  TBitmap marker(9, 9);
  marker.Canvas().SetPixels(4, 8, clBlack);
  marker.Canvas().SetPixels(0, 0, clRed);
  TBitmap flipped(9, 14);
  flipped.Canvas().StretchDraw(Rect(0, 8, 9, -1), marker);
  EXPECT_EQ(PixelsOf(flipped, clBlack), (PixelSet{{4, 0}}));
  EXPECT_EQ(PixelsOf(flipped, clRed), (PixelSet{{0, 8}}));
  EXPECT_EQ(PixelsNot(flipped, clWhite).size(), 2u);

  // Shrinking picks every other pixel.
  TBitmap small(1, 1);
  small.Canvas().StretchDraw(Rect(0, 0, 1, 1), big);
  EXPECT_EQ(small.Canvas().Pixels(0, 0), clRed);
}

TEST(Bitmap, CopyRectCopiesBetweenAndWithinCanvases) {
  TBitmap a(4, 1);
  for (int x = 0; x < 4; ++x) a.Canvas().SetPixels(x, 0, RGB(std::uint8_t(x), 0, 0));
  TBitmap b(4, 1);
  b.Canvas().CopyRect(Rect(1, 0, 3, 1), a.Canvas(), Rect(2, 0, 4, 1));
  EXPECT_EQ(b.Canvas().Pixels(1, 0), RGB(2, 0, 0));
  EXPECT_EQ(b.Canvas().Pixels(2, 0), RGB(3, 0, 0));
  EXPECT_EQ(b.Canvas().Pixels(0, 0), clWhite);
  // Overlapping copy within one bitmap reads the pixels as they were.
  a.Canvas().CopyRect(Rect(1, 0, 4, 1), a.Canvas(), Rect(0, 0, 3, 1));
  EXPECT_EQ(a.Canvas().Pixels(1, 0), RGB(0, 0, 0));
  EXPECT_EQ(a.Canvas().Pixels(2, 0), RGB(1, 0, 0));
  EXPECT_EQ(a.Canvas().Pixels(3, 0), RGB(2, 0, 0));
}

TEST(Bitmap, BmpStreamsRoundTrip) {
  TBitmap bitmap(5, 3);
  bitmap.Canvas().SetPixels(0, 0, RGB(1, 2, 3));
  bitmap.Canvas().SetPixels(4, 2, RGB(250, 128, 7));
  TMemoryStream stream;
  bitmap.SaveToStream(stream);
  ASSERT_GT(stream.Size(), 54);
  EXPECT_EQ(stream.Data()[0], 'B');
  stream.SetPosition(0);
  TBitmap copy = Load(stream.Data());
  ASSERT_EQ(copy.Width(), 5);
  ASSERT_EQ(copy.Height(), 3);
  EXPECT_EQ(copy.PixelFormat(), pf24bit);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x)
      EXPECT_EQ(copy.Canvas().Pixels(x, y), bitmap.Canvas().Pixels(x, y)) << x << "," << y;
}

TEST(Bitmap, MonochromeBitmapsKeepBlackAndWhite) {
  TBitmap bitmap(9, 2);
  bitmap.Canvas().SetPixels(0, 0, clBlack);
  bitmap.Canvas().SetPixels(8, 1, clRed);
  bitmap.Canvas().SetPixels(3, 1, clWhite);
  bitmap.SetMonochrome(true);
  EXPECT_TRUE(bitmap.Monochrome());
  EXPECT_EQ(bitmap.PixelFormat(), pf1bit);
  EXPECT_EQ(bitmap.Canvas().Pixels(8, 1), clBlack);  // every colour but white becomes black
  EXPECT_EQ(bitmap.Canvas().Pixels(3, 1), clWhite);
  TMemoryStream stream;
  bitmap.SaveToStream(stream);
  EXPECT_EQ(stream.Data()[28], 1);  // written with one bit per pixel
  TBitmap copy = Load(stream.Data());
  EXPECT_TRUE(copy.Monochrome());
  EXPECT_EQ(PixelsOf(copy, clBlack), PixelsOf(bitmap, clBlack));
}

TEST(Bitmap, MonochromeDrawTakesTheTextAndBackgroundColoursOfTheCanvas) {
  TBitmap mask(3, 1);  // black, white, black
  mask.Canvas().SetPixels(0, 0, clBlack);
  mask.Canvas().SetPixels(2, 0, clBlack);
  mask.SetMonochrome(true);
  TBitmap target(5, 2);
  target.Canvas().Font().SetColor(clRed);
  target.Canvas().Brush().SetColor(clHighlight);
  target.Canvas().Draw(1, 1, mask);
  EXPECT_EQ(PixelsOf(target, clRed), (PixelSet{{1, 1}, {3, 1}}));
  EXPECT_EQ(PixelsOf(target, clHighlight), (PixelSet{{2, 1}}));
  EXPECT_EQ(PixelsOf(target, clWhite).size(), 7u);  // the rest untouched
  EXPECT_TRUE(mask.Monochrome());                   // the picture itself is unchanged

  // Onto another black-and-white picture, and when transparent, the pixels go as they are.
  TBitmap monoTarget(3, 1);
  monoTarget.SetMonochrome(true);
  monoTarget.Canvas().Font().SetColor(clRed);
  monoTarget.Canvas().Draw(0, 0, mask);
  EXPECT_EQ(PixelsOf(monoTarget, clBlack), (PixelSet{{0, 0}, {2, 0}}));
  mask.SetTransparent(true);  // key: the bottom-left pixel, black
  TBitmap under(3, 1);
  under.Canvas().Brush().SetColor(clGreen);
  under.Canvas().FillRect(Rect(0, 0, 3, 1));
  under.Canvas().Draw(0, 0, mask);
  EXPECT_EQ(PixelsOf(under, clWhite), (PixelSet{{1, 0}}));
  EXPECT_EQ(PixelsOf(under, clGreen), (PixelSet{{0, 0}, {2, 0}}));
}

TEST(Bitmap, ReadsPaletteDepthsAsTheGifDecoderWritesThem) {
  // 4 bits per pixel, two rows stored bottom-up: the first stored row is the picture's last.
  const std::vector<TColor> palette = {clBlack, clRed, clLime, clBlue};
  const std::vector<std::uint8_t> four = {0x01, 0x20, 0, 0, 0x33, 0x10, 0, 0};
  TBitmap bitmap = Load(MakeBmp(3, 2, 4, 0, palette, four));
  EXPECT_EQ(bitmap.PixelFormat(), pf4bit);
  EXPECT_EQ(bitmap.Canvas().Pixels(0, 1), clBlack);
  EXPECT_EQ(bitmap.Canvas().Pixels(1, 1), clRed);
  EXPECT_EQ(bitmap.Canvas().Pixels(2, 1), clLime);
  EXPECT_EQ(bitmap.Canvas().Pixels(0, 0), clBlue);
  EXPECT_EQ(bitmap.Canvas().Pixels(2, 0), clRed);

  const std::vector<std::uint8_t> eight = {2, 1, 0, 0};
  bitmap = Load(MakeBmp(2, 1, 8, 0, palette, eight));
  EXPECT_EQ(bitmap.PixelFormat(), pf8bit);
  EXPECT_EQ(bitmap.Canvas().Pixels(0, 0), clLime);
  EXPECT_EQ(bitmap.Canvas().Pixels(1, 0), clRed);

  // A two-colour picture that is not black and white keeps its colours.
  const std::vector<std::uint8_t> one = {0x80, 0, 0, 0};
  bitmap = Load(MakeBmp(2, 1, 1, 0, {clRed, clBlue}, one));
  EXPECT_EQ(bitmap.PixelFormat(), pf1bit);
  EXPECT_FALSE(bitmap.Monochrome());
  EXPECT_EQ(bitmap.Canvas().Pixels(0, 0), clBlue);
  EXPECT_EQ(bitmap.Canvas().Pixels(1, 0), clRed);
}

TEST(Bitmap, ReadsRunLengthAndTopDownFiles) {
  // RLE8: a run of 3 pixels of entry 1, end of line, an absolute run of 3, end of picture.
  const std::vector<std::uint8_t> rle = {3, 1, 0, 0, 0, 3, 2, 3, 1, 0, 0, 1};
  TBitmap bitmap = Load(MakeBmp(3, 2, 8, 1, {clBlack, clRed, clLime, clBlue}, rle));
  EXPECT_EQ(PixelsOf(bitmap, clRed), (PixelSet{{0, 1}, {1, 1}, {2, 1}, {2, 0}}));
  EXPECT_EQ(bitmap.Canvas().Pixels(0, 0), clLime);
  EXPECT_EQ(bitmap.Canvas().Pixels(1, 0), clBlue);

  // A negative height stores the top row first.
  std::vector<std::uint8_t> file = MakeBmp(1, 2, 24, 0, {}, {0, 0, 255, 0, 0, 255, 0, 0});
  file[22] = 0xFE;  // height -2
  file[23] = file[24] = file[25] = 0xFF;
  bitmap = Load(file);
  EXPECT_EQ(bitmap.Canvas().Pixels(0, 0), clRed);
  EXPECT_EQ(bitmap.Canvas().Pixels(0, 1), clLime);
}

TEST(Bitmap, DamagedFilesRaiseAClearErrorAndKeepThePicture) {
  TBitmap bitmap(2, 2);
  bitmap.Canvas().SetPixels(0, 0, clRed);
  const std::vector<std::vector<std::uint8_t>> damaged = {
      {'B', 'M', 1, 2, 3},
      {'G', 'I', 'F', '8', '9', 'a'},
      MakeBmp(4, 4, 24, 0, {}, {1, 2, 3}),                     // pixel data cut short
      MakeBmp(0, 4, 24, 0, {}, {}),                            // no width
      MakeBmp(100000, 100000, 24, 0, {}, {}),                  // far too large
      MakeBmp(2, 2, 7, 0, {}, std::vector<std::uint8_t>(16)),  // no such depth
      MakeBmp(2, 2, 8, 0, {}, std::vector<std::uint8_t>(8)),   // no palette
  };
  for (const auto& bytes : damaged) {
    TMemoryStream stream(bytes);
    try {
      bitmap.LoadFromStream(stream);
      ADD_FAILURE() << "damaged file accepted";
    } catch (const EInvalidGraphic& e) {
      EXPECT_NE(std::string(e.what()).find("Bitmap image is not valid"), std::string::npos);
    }
    EXPECT_EQ(bitmap.Width(), 2);
    EXPECT_EQ(bitmap.Canvas().Pixels(0, 0), clRed);
  }
}

TEST(Bitmap, StoredPictureFindsTheBitmapClass) {
  TBitmap bitmap(2, 1);
  bitmap.Canvas().SetPixels(1, 0, clNavy);
  TMemoryStream stream;
  bitmap.SaveToStream(stream);
  RegisterBitmapClass();
  ASSERT_NE(FindGraphicClassByExtension("BMP"), nullptr);
  const auto graphic = ReadStoredPicture(MakeStoredPicture("TBitmap", stream.Data()));
  auto* loaded = dynamic_cast<TBitmap*>(graphic.get());
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->Canvas().Pixels(1, 0), clNavy);
}

TEST(Bitmap, LoadsEmbeddedPicturesByName) {
  TBitmap truetype;
  truetype.LoadFromResourceName("TRUETYPE_FNT");
  EXPECT_EQ(truetype.Width(), 20);
  EXPECT_EQ(truetype.Height(), 12);
  EXPECT_EQ(truetype.TransparentColor(), RGB(255, 0, 255));  // magenta background
  EXPECT_EQ(truetype.Canvas().Pixels(3, 0), RGB(128, 128, 128));
  EXPECT_EQ(truetype.Canvas().Pixels(8, 3), clBlack);
  TBitmap device;
  device.LoadFromResourceName("device_fnt");
  EXPECT_EQ(device.Canvas().Pixels(5, 1), RGB(128, 128, 128));
  EXPECT_EQ(device.Canvas().Pixels(12, 10), RGB(255, 0, 0));
  EXPECT_EQ(device.Canvas().Pixels(6, 1), clWhite);
  try {
    device.LoadFromResourceName("NO_SUCH_PICTURE");
    ADD_FAILURE() << "missing resource accepted";
  } catch (const EResNotFound& e) {
    EXPECT_STREQ(e.what(), "Resource NO_SUCH_PICTURE not found");
  }
  EXPECT_EQ(device.Width(), 20);
}

TEST(Bitmap, SavesPngAndBmpFiles) {
  TBitmap bitmap(3, 3);
  bitmap.Canvas().SetPixels(2, 1, RGB(9, 99, 199));
  for (const std::string name : {"save.png", "save.bmp"}) {
    const std::string path = TempPath(name);
    bitmap.SaveToFile(path);
    TBitmap copy;
    copy.LoadFromFile(path);
    EXPECT_EQ(copy.Width(), 3) << name;
    EXPECT_EQ(copy.Canvas().Pixels(2, 1), RGB(9, 99, 199)) << name;
    std::remove(path.c_str());
  }
  TBitmap nothing;
  EXPECT_THROW(nothing.LoadFromFile(TempPath("missing.bmp")), EStreamError);
}

TEST(Surface, PresentsAFinishedBitmapOnScreen) {
  TBitmap face(40, 30);
  face.Canvas().Brush().SetColor(clBtnFace);
  face.Canvas().FillRect(Rect(0, 0, 40, 30));
  TSurface surface(40, 30);
  EXPECT_FALSE(surface.Present(face));  // hidden: nothing to paint on
  surface.Show();
  EXPECT_TRUE(surface.Present(face));
}
