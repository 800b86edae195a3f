// The committed pictures of the main window: each loads through the program's own bitmap class
// at its exact size as a 24-bit picture, and sits on the colour of the panel that shows it.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "common/TempFiles.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Color.h"
#include "shipped_files.h"

namespace {

constexpr TColor kTitleBar = 3644415;  // RGB(255, 155, 55): title bar and window-button panel
constexpr TColor kToolbar = 6205183;   // RGB(255, 174, 94): toolbar
constexpr TColor kBrown = 16512;       // RGB(128, 64, 0): ink of the window-button glyphs

struct Picture {
  const char* name;
  int width;
  int height;
  TColor background;
};

void PrintTo(const Picture& item, std::ostream* out) {
  *out << item.name;
}

const Picture kPictures[] = {
    {"emblem", 25, 25, kTitleBar},       {"name", 180, 25, kTitleBar},
    {"glyph_min", 14, 14, kTitleBar},    {"glyph_restore", 14, 14, kTitleBar},
    {"glyph_max", 14, 14, kTitleBar},    {"glyph_close", 14, 14, kTitleBar},
    {"tb_new", 40, 40, kToolbar},        {"tb_open", 40, 40, kToolbar},
    {"tb_save", 40, 40, kToolbar},       {"tb_copy", 40, 40, kToolbar},
    {"tb_cut", 40, 40, kToolbar},        {"tb_paste", 40, 40, kToolbar},
    {"tb_clear", 40, 40, kToolbar},      {"tb_selectall", 40, 40, kToolbar},
    {"tb_undo", 40, 40, kToolbar},       {"tb_alignleft", 40, 40, kToolbar},
    {"tb_center", 40, 40, kToolbar},     {"tb_alignright", 40, 40, kToolbar},
    {"tb_font", 40, 40, kToolbar},       {"tb_color", 40, 40, kToolbar},
    {"tb_indentleft", 40, 40, kToolbar}, {"tb_indentright", 40, 40, kToolbar},
};

TBitmap LoadPicture(const std::string& name) {
  TBitmap bitmap;
  bitmap.LoadFromFile(shipped::BitmapPath(name));
  return bitmap;
}

std::uint16_t FileU16(const std::string& bytes, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                    static_cast<unsigned char>(bytes[at + 1]) << 8);
}

class ShippedPicture : public testing::TestWithParam<Picture> {};

TEST_P(ShippedPicture, LoadsAtItsExactSizeAs24Bits) {
  const Picture& p = GetParam();
  const TBitmap bitmap = LoadPicture(p.name);
  EXPECT_EQ(bitmap.Width(), p.width);
  EXPECT_EQ(bitmap.Height(), p.height);
  EXPECT_EQ(bitmap.PixelFormat(), pf24bit);
  EXPECT_FALSE(bitmap.Monochrome());
}

TEST_P(ShippedPicture, FileIsAnUncompressed24BitBmp) {
  const std::string bytes = testfiles::ReadFile(shipped::BitmapPath(GetParam().name));
  ASSERT_GE(bytes.size(), 54u);
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  EXPECT_EQ(FileU16(bytes, 28), 24);  // bits per pixel
  EXPECT_EQ(FileU16(bytes, 30), 0);   // BI_RGB, low half of the compression field
  EXPECT_EQ(FileU16(bytes, 32), 0);
}

TEST_P(ShippedPicture, CornersAreThePanelColourItSitsOn) {
  const Picture& p = GetParam();
  const TBitmap bitmap = LoadPicture(p.name);
  ASSERT_EQ(bitmap.Width(), p.width);
  ASSERT_EQ(bitmap.Height(), p.height);
  EXPECT_EQ(shipped::BottomLeft(bitmap), p.background);
  EXPECT_EQ(shipped::PixelAt(bitmap, 0, 0), p.background);
  EXPECT_EQ(shipped::PixelAt(bitmap, p.width - 1, 0), p.background);
  EXPECT_EQ(shipped::PixelAt(bitmap, p.width - 1, p.height - 1), p.background);
}

// The drawing the bitmap is rendered from states the same pixel size, so a re-render keeps it.
TEST_P(ShippedPicture, ItsDrawingHasTheSameSize) {
  const Picture& p = GetParam();
  const std::string svg =
      testfiles::ReadFile(shipped::Resources() / "art" / (std::string(p.name) + ".svg"));
  ASSERT_EQ(svg.rfind("<svg", 0), 0u) << p.name;
  const std::string size =
      "width=\"" + std::to_string(p.width) + "\" height=\"" + std::to_string(p.height) + "\"";
  EXPECT_NE(svg.find(size), std::string::npos) << p.name << " lacks " << size;
}

INSTANTIATE_TEST_SUITE_P(Resources, ShippedPicture, testing::ValuesIn(kPictures),
                         [](const auto& item) { return std::string(item.param.name); });

std::vector<Picture> PicturesWithPrefix(const std::string& prefix) {
  std::vector<Picture> found;
  for (const Picture& p : kPictures)
    if (std::string(p.name).rfind(prefix, 0) == 0) found.push_back(p);
  return found;
}

bool InsideDisc(int x, int y, double centre, double radius) {
  const double dx = x + 0.5 - centre;
  const double dy = y + 0.5 - centre;
  return dx * dx + dy * dy <= radius * radius;
}

// ---- Toolbar pictures: an icon on an orange disc, keyed out by the bottom-left pixel. ----

class ToolbarPicture : public testing::TestWithParam<Picture> {};

TEST_P(ToolbarPicture, TheKeyColourNeverAppearsInsideTheDisc) {
  const TBitmap bitmap = LoadPicture(GetParam().name);
  ASSERT_EQ(bitmap.Width(), 40);
  const TColor key = shipped::BottomLeft(bitmap);
  ASSERT_EQ(key, kToolbar);
  int inside = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x)
      if (InsideDisc(x, y, 20.0, 18.0)) {
        ++inside;
        EXPECT_NE(shipped::PixelAt(bitmap, x, y), key) << "at " << x << ", " << y;
      }
  EXPECT_GT(inside, 1000);  // the disc is 36 pixels across
}

TEST_P(ToolbarPicture, TheDiscIsOrangeAtItsRim) {
  const TBitmap bitmap = LoadPicture(GetParam().name);
  ASSERT_EQ(bitmap.Width(), 40);
  const struct { int x, y; } rim[] = {{20, 4}, {4, 20}, {35, 20}, {20, 35}};
  for (const auto& at : rim) {
    const TColor c = shipped::PixelAt(bitmap, at.x, at.y);
    EXPECT_GE(GetRValue(c), 200) << at.x << ", " << at.y;
    EXPECT_GT(GetRValue(c), GetGValue(c)) << at.x << ", " << at.y;
    EXPECT_GT(GetGValue(c), GetBValue(c)) << at.x << ", " << at.y;
    EXPECT_NE(c, kToolbar) << at.x << ", " << at.y;
  }
}

TEST_P(ToolbarPicture, OutsideTheDiscIsTheToolbarColour) {
  const TBitmap bitmap = LoadPicture(GetParam().name);
  ASSERT_EQ(bitmap.Width(), 40);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x)
      if (!InsideDisc(x, y, 20.0, 19.9)) {
        EXPECT_EQ(shipped::PixelAt(bitmap, x, y), kToolbar) << x << ", " << y;
      }
}

INSTANTIATE_TEST_SUITE_P(Resources, ToolbarPicture, testing::ValuesIn(PicturesWithPrefix("tb_")),
                         [](const auto& item) { return std::string(item.param.name); });

int DifferingPixels(const TBitmap& a, const TBitmap& b) {
  int differ = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (shipped::PixelAt(a, x, y) != shipped::PixelAt(b, x, y)) ++differ;
  return differ;
}

TEST(ToolbarPictures, EveryIconIsItsOwn) {
  const std::vector<Picture> icons = PicturesWithPrefix("tb_");
  ASSERT_EQ(icons.size(), 16u);
  std::vector<TBitmap> loaded;
  for (const Picture& p : icons) loaded.push_back(LoadPicture(p.name));
  for (std::size_t i = 0; i < loaded.size(); ++i)
    for (std::size_t j = i + 1; j < loaded.size(); ++j)
      EXPECT_GE(DifferingPixels(loaded[i], loaded[j]), 20)
          << icons[i].name << " and " << icons[j].name;
}

// ---- Window-button glyphs: brown on the panel colour, crisp (nothing in between). ----

struct Ink {
  int left = 14, top = 14, right = -1, bottom = -1;  // inclusive bounds of the brown pixels
  int count = 0;
  bool At(const TBitmap& b, int x, int y) const { return shipped::PixelAt(b, x, y) == kBrown; }
};

Ink InkOf(const TBitmap& bitmap) {
  Ink ink;
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x)
      if (ink.At(bitmap, x, y)) {
        ++ink.count;
        ink.left = std::min(ink.left, x);
        ink.top = std::min(ink.top, y);
        ink.right = std::max(ink.right, x);
        ink.bottom = std::max(ink.bottom, y);
      }
  return ink;
}

class GlyphPicture : public testing::TestWithParam<Picture> {};

TEST_P(GlyphPicture, HoldsOnlyBrownAndThePanelColour) {
  const TBitmap bitmap = LoadPicture(GetParam().name);
  ASSERT_EQ(bitmap.Width(), 14);
  for (int y = 0; y < 14; ++y)
    for (int x = 0; x < 14; ++x) {
      const TColor c = shipped::PixelAt(bitmap, x, y);
      EXPECT_TRUE(c == kBrown || c == kTitleBar) << x << ", " << y << ": " << c;
    }
  EXPECT_GT(InkOf(bitmap).count, 10);
}

TEST_P(GlyphPicture, IsCentredAcrossTheButton) {
  const TBitmap bitmap = LoadPicture(GetParam().name);
  ASSERT_EQ(bitmap.Width(), 14);
  const Ink ink = InkOf(bitmap);
  EXPECT_EQ(ink.left, 13 - ink.right);
}

INSTANTIATE_TEST_SUITE_P(Resources, GlyphPicture, testing::ValuesIn(PicturesWithPrefix("glyph_")),
                         [](const auto& item) { return std::string(item.param.name); });

TEST(GlyphShapes, MinimiseIsAShortBarAtTheBottom) {
  const TBitmap bitmap = LoadPicture("glyph_min");
  const Ink ink = InkOf(bitmap);
  EXPECT_GE(ink.top, 9);
  EXPECT_LE(ink.bottom - ink.top + 1, 3);
  EXPECT_LE(ink.right - ink.left + 1, 10);
  EXPECT_EQ(ink.count, (ink.right - ink.left + 1) * (ink.bottom - ink.top + 1));  // solid bar
}

TEST(GlyphShapes, MaximiseIsOneHollowSquare) {
  const TBitmap bitmap = LoadPicture("glyph_max");
  const Ink ink = InkOf(bitmap);
  EXPECT_EQ(ink.right - ink.left, ink.bottom - ink.top);
  for (int x = ink.left; x <= ink.right; ++x) {
    EXPECT_TRUE(ink.At(bitmap, x, ink.top)) << x;
    EXPECT_TRUE(ink.At(bitmap, x, ink.bottom)) << x;
  }
  for (int y = ink.top; y <= ink.bottom; ++y) {
    EXPECT_TRUE(ink.At(bitmap, ink.left, y)) << y;
    EXPECT_TRUE(ink.At(bitmap, ink.right, y)) << y;
  }
  const int midX = (ink.left + ink.right) / 2;
  const int midY = (ink.top + ink.bottom) / 2 + 1;
  EXPECT_FALSE(ink.At(bitmap, midX, midY));
}

TEST(GlyphShapes, RestoreIsTwoSquaresOffsetUpAndRight) {
  const TBitmap bitmap = LoadPicture("glyph_restore");
  const Ink ink = InkOf(bitmap);
  // The back square owns the top-right corner, the front square the bottom-left one; the other
  // two corners of the whole figure are empty.
  EXPECT_TRUE(ink.At(bitmap, ink.right, ink.top));
  EXPECT_TRUE(ink.At(bitmap, ink.left, ink.bottom));
  EXPECT_FALSE(ink.At(bitmap, ink.left, ink.top));
  EXPECT_FALSE(ink.At(bitmap, ink.right, ink.bottom));
}

TEST(GlyphShapes, CloseIsACrossSymmetricBothWays) {
  const TBitmap bitmap = LoadPicture("glyph_close");
  const Ink ink = InkOf(bitmap);
  for (int y = ink.top; y <= ink.bottom; ++y)
    for (int x = ink.left; x <= ink.right; ++x) {
      const bool here = ink.At(bitmap, x, y);
      EXPECT_EQ(here, ink.At(bitmap, ink.left + ink.right - x, y)) << x << ", " << y;
      EXPECT_EQ(here, ink.At(bitmap, x, ink.top + ink.bottom - y)) << x << ", " << y;
    }
  EXPECT_TRUE(ink.At(bitmap, ink.left, ink.top));
  EXPECT_TRUE(ink.At(bitmap, ink.right, ink.bottom));
  EXPECT_TRUE(ink.At(bitmap, (ink.left + ink.right) / 2, (ink.top + ink.bottom) / 2));
  EXPECT_FALSE(ink.At(bitmap, (ink.left + ink.right) / 2, ink.top));  // open at the sides
  EXPECT_FALSE(ink.At(bitmap, ink.left, (ink.top + ink.bottom) / 2));
}

// ---- The emblem and the name on the title bar. ----

TEST(TitlePictures, EmblemIsRound) {
  const TBitmap bitmap = LoadPicture("emblem");
  ASSERT_EQ(bitmap.Width(), 25);
  for (int y = 0; y < 25; ++y)
    for (int x = 0; x < 25; ++x) {
      const TColor c = shipped::PixelAt(bitmap, x, y);
      if (!InsideDisc(x, y, 12.5, 12.7)) {
        EXPECT_EQ(c, kTitleBar) << x << ", " << y;
      }
      if (InsideDisc(x, y, 12.5, 11.0)) {
        EXPECT_NE(c, kTitleBar) << x << ", " << y;
      }
    }
}

bool IsGold(TColor c) {
  return GetRValue(c) >= 230 && GetGValue(c) >= 180 && GetGValue(c) <= 245 && GetBValue(c) <= 140;
}

TEST(TitlePictures, NameIsDrawnInGoldAcrossMostOfItsHeight) {
  const TBitmap bitmap = LoadPicture("name");
  ASSERT_EQ(bitmap.Width(), 180);
  int gold = 0;
  int top = 25, bottom = -1;
  for (int y = 0; y < 25; ++y)
    for (int x = 0; x < 180; ++x) {
      const TColor c = shipped::PixelAt(bitmap, x, y);
      if (IsGold(c)) ++gold;
      if (c != kTitleBar) {
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
    }
  EXPECT_GE(gold, 150);
  EXPECT_GE(bottom - top + 1, 16);
}

}  // namespace
