// Decoding frames: LZW, row placement (interlace passes, bottom-up rows at 1, 4 and 8 bits per
// pixel), the bitmap file and its palette, damaged code streams and progress notifications.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "GifTestSupport.h"
#include "pictures/GifLzw.h"
#include "pictures/GifSettings.h"
#include "platform/core/Exception.h"
#include "platform/core/Stream.h"

using namespace giftest;

namespace {

// A one-frame picture of the given size over a global table of 2^bits entries.
Bytes OneFrame(int width, int height, int bits, const Bytes& imageData, int packed = 0) {
  return GifBytes()
      .Header()
      .Screen(width, height, 0x80 | (bits - 1))
      .Table(1 << bits)
      .Descriptor(0, 0, width, height, packed)
      .Raw(imageData)
      .Trailer()
      .Get();
}

Bytes RandomIndices(std::size_t count, int bits, unsigned seed) {
  std::mt19937 random(seed);
  Bytes out(count);
  // Runs of repeated values as well as noise, so that long strings get built.
  for (std::size_t i = 0; i < count; ++i)
    out[i] =
        (random() % 4 == 0 && i) ? out[i - 1] : static_cast<std::uint8_t>(random() % (1u << bits));
  return out;
}

}  // namespace

TEST(GifDecode, EveryTableSizeAndRowWidthRoundTrips) {
  for (int bits = 1; bits <= 8; ++bits)
    for (int width : {1, 2, 3, 7, 8, 9, 15, 16, 17, 33}) {
      SCOPED_TRACE(std::to_string(bits) + " bits, width " + std::to_string(width));
      const int height = 5;
      const Bytes pixels = RandomIndices(static_cast<std::size_t>(width * height), bits,
                                         static_cast<unsigned>(bits * 100 + width));
      auto gif =
          Load(OneFrame(width, height, bits, EncodeGifLzw(pixels, GifCodeSizeFor(1u << bits))));
      const TGIFDib& dib = gif->Frames(0).Dib();
      EXPECT_EQ(dib.BitsPerPixel(), bits == 1 ? 1 : bits <= 4 ? 4 : 8);
      EXPECT_EQ(Indices(dib), pixels);
      EXPECT_FALSE(gif->Frames(0).Corrupted());
    }
}

TEST(GifDecode, LongStreamsFillTheTableAndClearIt) {
  // 300x200 of noise over 256 colours: the table fills many times (12-bit codes, clear codes).
  const Bytes pixels = RandomIndices(300 * 200, 8, 42);
  auto gif = Load(OneFrame(300, 200, 8, EncodeGifLzw(pixels, 8)));
  EXPECT_EQ(Indices(gif->Frames(0).Dib()), pixels);
  // One colour throughout: a few very long strings (the repeated-string case every time).
  const Bytes flat(500 * 90, 3);
  auto flatGif = Load(OneFrame(500, 90, 2, EncodeGifLzw(flat, 2)));
  EXPECT_EQ(Indices(flatGif->Frames(0).Dib()), flat);
}

TEST(GifDecode, DeferredClearKeepsTheFullTable) {
  // An encoder may stop adding entries when the table is full and go on without a clear code:
  // the decoder then keeps using 12-bit codes and the table as it stands.
  std::vector<std::pair<int, int>> codes{{4, 3}};
  int width = 3;
  int next = 6;
  // Literals only, until the table is full; each adds an entry after the first.
  int literals = 0;
  while (next < 4096 || literals < 5000) {
    codes.push_back({literals % 4, width});
    if (literals > 0 && next < 4096) {
      ++next;
      if (next == (1 << width) && width < 12) ++width;
    }
    ++literals;
  }
  codes.push_back({5, 12});
  auto gif = Load(OneFrame(100, 50, 2, PackCodes(2, codes)));
  const Bytes got = Indices(gif->Frames(0).Dib());
  for (std::size_t i = 0; i < got.size(); ++i) ASSERT_EQ(got[i], i % 4) << i;
  EXPECT_FALSE(gif->Frames(0).Corrupted());
}

TEST(GifDecode, InterlacedRowsFollowTheFourPasses) {
  // File row k holds the value k, so each picture row shows which file row landed on it.
  auto rowsOf = [](int height) {
    Bytes fileOrder;
    for (int k = 0; k < height; ++k)
      fileOrder.insert(fileOrder.end(), 3, static_cast<std::uint8_t>(k));
    auto gif = Load(OneFrame(3, height, 4, EncodeGifLzw(fileOrder, 4), 0x40));
    const Bytes got = Indices(gif->Frames(0).Dib());
    std::vector<int> fileRowAt;
    for (int y = 0; y < height; ++y) fileRowAt.push_back(got[static_cast<std::size_t>(y) * 3]);
    return fileRowAt;
  };
  // Rows 0, 4, 2, 1, 3 are filled in that order: file row 0 -> 0, 1 -> 4, 2 -> 2, 3 -> 1, 4 -> 3.
  EXPECT_EQ(rowsOf(5), (std::vector<int>{0, 3, 2, 4, 1}));
  EXPECT_EQ(rowsOf(1), (std::vector<int>{0}));
  EXPECT_EQ(rowsOf(2), (std::vector<int>{0, 1}));
  EXPECT_EQ(rowsOf(3), (std::vector<int>{0, 2, 1}));
  // Height 10: passes 0,8 | 4 | 2,6 | 1,3,5,7,9.
  EXPECT_EQ(rowsOf(10), (std::vector<int>{0, 5, 3, 6, 2, 7, 4, 8, 1, 9}));
}

TEST(GifDecode, RowsAreStoredBottomUpInABitmapFile) {
  const Bytes pixels{1, 0, 2, 3, 3, 2, 0, 1, 1, 1, 1, 1};  // 4x3
  auto gif = Load(OneFrame(4, 3, 2, EncodeGifLzw(pixels, 2)));
  const TGIFDib& dib = gif->Frames(0).Dib();
  const auto file = dib.FileBytes();
  auto u32 = [&](std::size_t at) {
    return std::uint32_t(file[at]) | std::uint32_t(file[at + 1]) << 8 |
           std::uint32_t(file[at + 2]) << 16 | std::uint32_t(file[at + 3]) << 24;
  };
  auto u16 = [&](std::size_t at) { return file[at] | file[at + 1] << 8; };
  // 4 bits per pixel: 16 palette entries, rows of 4 bytes.
  ASSERT_EQ(file.size(), 54u + 64u + 12u);
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[1], 'M');
  EXPECT_EQ(u32(2), file.size());
  EXPECT_EQ(u32(10), 54u + 64u);
  EXPECT_EQ(u32(14), 40u);
  EXPECT_EQ(u32(18), 4u);
  EXPECT_EQ(u32(22), 3u);
  EXPECT_EQ(u16(26), 1);
  EXPECT_EQ(u16(28), 4);
  EXPECT_EQ(u32(30), 0u);
  EXPECT_EQ(u32(34), 12u);
  for (std::size_t at = 38; at < 54; ++at) EXPECT_EQ(file[at], 0) << at;
  // The table's four colours as blue, green, red, 0; the twelve unused entries grey.
  for (int i = 0; i < 16; ++i) {
    const std::size_t at = 54 + 4 * static_cast<std::size_t>(i);
    if (i < 4) {
      const TColor c = TableColor(i);
      EXPECT_EQ(file[at], GetBValue(c));
      EXPECT_EQ(file[at + 1], GetGValue(c));
      EXPECT_EQ(file[at + 2], GetRValue(c));
      EXPECT_EQ(file[at + 3], 0);
    } else {
      for (int k = 0; k < 4; ++k) EXPECT_EQ(file[at + static_cast<std::size_t>(k)], 128);
    }
  }
  // The last row of the picture comes first in the file.
  const std::size_t px = 54 + 64;
  EXPECT_EQ((Bytes(file.begin() + px, file.begin() + px + 2)), (Bytes{0x11, 0x11}));
  EXPECT_EQ((Bytes(file.begin() + px + 4, file.begin() + px + 6)), (Bytes{0x32, 0x01}));
  EXPECT_EQ((Bytes(file.begin() + px + 8, file.begin() + px + 10)), (Bytes{0x10, 0x23}));
}

TEST(GifDecode, SixteenColoursGiveFourBitsAndTwoHundredFiftySixGiveEight) {
  // A 16-colour 90x20 picture: 4 bits per pixel, rows of 48 bytes, a 16-entry palette in the
  // file; of the full 256-entry palette the other 240 entries are grey.
  const Bytes pixels = RandomIndices(90 * 20, 4, 7);
  auto gif = Load(OneFrame(90, 20, 4, EncodeGifLzw(pixels, 4)));
  const TGIFDib& dib = gif->Frames(0).Dib();
  EXPECT_EQ(gif->Frames(0).ColorBits(), 4);
  EXPECT_EQ(dib.BitsPerPixel(), 4);
  EXPECT_EQ(dib.Stride(), 48u);
  EXPECT_EQ(dib.PaletteSize(), 16);
  EXPECT_EQ(dib.FileBytes().size(), 54u + 4 * 16 + 48 * 20);
  int grey = 0;
  for (int i = 16; i < 256; ++i)
    grey += dib.PaletteEntry(i) == std::array<std::uint8_t, 4>{128, 128, 128, 128};
  EXPECT_EQ(grey, 240);
  EXPECT_EQ(Indices(dib), pixels);

  // A 256-entry table is 8 colour bits and an 8-bit bitmap.
  const Bytes many = RandomIndices(200 * 30, 8, 8);
  auto wide = Load(OneFrame(200, 30, 8, EncodeGifLzw(many, 8)));
  EXPECT_EQ(wide->Frames(0).ColorBits(), 8);
  EXPECT_EQ(wide->Frames(0).Dib().BitsPerPixel(), 8);
  EXPECT_EQ(Indices(wide->Frames(0).Dib()), many);
}

TEST(GifDecode, UnusedPaletteEntriesAreGrey) {
  // 32 colours take an 8-bit bitmap: 32 entries from the table, the other 224 grey.
  const Bytes pixels = RandomIndices(10 * 4, 5, 9);
  auto gif = Load(OneFrame(10, 4, 5, EncodeGifLzw(pixels, 5)));
  const TGIFDib& dib = gif->Frames(0).Dib();
  ASSERT_EQ(dib.PaletteSize(), 256);
  const auto file = dib.FileBytes();
  for (int i = 0; i < 256; ++i) {
    const auto e = dib.PaletteEntry(i);
    const std::size_t at = 54 + 4 * static_cast<std::size_t>(i);
    EXPECT_EQ((std::array<std::uint8_t, 4>{file[at], file[at + 1], file[at + 2], file[at + 3]}), e);
    if (i < 32)
      EXPECT_EQ(RGB(e[2], e[1], e[0]), TableColor(i)) << i;
    else
      EXPECT_EQ(e, (std::array<std::uint8_t, 4>{128, 128, 128, 128})) << i;
  }
}

TEST(GifDecode, CodeSizeBelowTheTableBits) {
  // Only 16 of 256 colours used, so the encoder chose 4-bit codes: codes 18 and up are then
  // strings even though they are valid table indices.
  const Bytes pixels = RandomIndices(120 * 40, 4, 21);
  auto gif = Load(OneFrame(120, 40, 8, EncodeGifLzw(pixels, 4)));
  EXPECT_EQ(gif->Frames(0).Dib().BitsPerPixel(), 8);
  EXPECT_EQ(Indices(gif->Frames(0).Dib()), pixels);
  EXPECT_FALSE(gif->Frames(0).Corrupted());
  // And above: 1-bit pictures are written with 2-bit codes.
  const Bytes bits = RandomIndices(33 * 7, 1, 22);
  auto mono = Load(OneFrame(33, 7, 1, EncodeGifLzw(bits, 2)));
  EXPECT_EQ(Indices(mono->Frames(0).Dib()), bits);
}

TEST(GifDecode, CodeSizeOutOfRange) {
  for (int size : {0, 1, 10, 12, 255}) {
    SCOPED_TRACE(size);
    Bytes data = EncodeGifLzw(Bytes{1, 1, 1, 1}, 2);
    data[0] = static_cast<std::uint8_t>(size);
    const Bytes file = OneFrame(2, 2, 2, data);
    SetGIFLoadCorrupted(true);
    auto gif = Load(file);
    EXPECT_TRUE(gif->Frames(0).Corrupted());
    SetGIFLoadCorrupted(false);
    EXPECT_EQ(LoadError(file), "GIF code size not in range 2 to 9");
    SetGIFLoadCorrupted(true);
  }
  // Size 9 is in range: codes of 10 bits, values masked to the table.
  const Bytes nine = OneFrame(2, 1, 2, PackCodes(9, {{512, 10}, {3, 10}, {2, 10}, {513, 10}}));
  auto gif = Load(nine);
  EXPECT_FALSE(gif->Frames(0).Corrupted());
  EXPECT_EQ(Indices(gif->Frames(0).Dib()), (Bytes{3, 2}));
}

TEST(GifDecode, ACodeChainThatLoopsIsCorruptData) {
  // Entry 7 is made with prefix 6; after a clear, the stale code 7 starts a string and entry 6
  // is remade with prefix 7, so the chain of 6 runs 6, 7, 6, 7, ... for ever.
  const Bytes data =
      PackCodes(2, {{4, 3}, {0, 3}, {6, 3}, {0, 3}, {4, 4}, {7, 3}, {0, 3}, {6, 3}, {5, 3}});
  const Bytes file = OneFrame(10, 10, 1, data);
  SetGIFLoadCorrupted(true);
  auto gif = Load(file);
  EXPECT_TRUE(gif->Frames(0).Corrupted());
  const Bytes got = Indices(gif->Frames(0).Dib());
  // 0, 00 (code 6), 0, then code 7 as itself (masked to 1), then 0; then decoding stopped.
  EXPECT_EQ(Bytes(got.begin(), got.begin() + 7), (Bytes{0, 0, 0, 0, 1, 0, 0}));
  for (std::size_t i = 6; i < got.size(); ++i) EXPECT_EQ(got[i], 0) << i;
  SetGIFLoadCorrupted(false);
  EXPECT_EQ(LoadError(file), "GIF encoded data is corrupt");
  SetGIFLoadCorrupted(true);
}

TEST(GifDecode, EndOfDataAndEndCode) {
  // The end code before the picture is full: the rest is entry 0 and nothing is damaged.
  auto early = Load(OneFrame(4, 2, 2, PackCodes(2, {{4, 3}, {3, 3}, {3, 3}, {5, 3}})));
  EXPECT_EQ(Indices(early->Frames(0).Dib()), (Bytes{3, 3, 0, 0, 0, 0, 0, 0}));
  EXPECT_FALSE(early->Frames(0).Corrupted());
  // The data runs out before the picture is full: damaged.
  auto cut = Load(OneFrame(4, 2, 2, PackCodes(2, {{4, 3}, {3, 3}, {3, 3}})));
  EXPECT_EQ(Indices(cut->Frames(0).Dib()), (Bytes{3, 3, 0, 0, 0, 0, 0, 0}));
  EXPECT_TRUE(cut->Frames(0).Corrupted());
  // The picture is full and only the end code is missing: nothing is lost, nothing damaged.
  auto full = Load(OneFrame(2, 1, 2, PackCodes(2, {{4, 3}, {1, 3}, {2, 3}})));
  EXPECT_EQ(Indices(full->Frames(0).Dib()), (Bytes{1, 2}));
  EXPECT_FALSE(full->Frames(0).Corrupted());
  // No image data at all.
  auto none = Load(GifBytes().Header().Screen(2, 2, 0x80).Table(2).Descriptor(0, 0, 2, 2, 0).Get());
  EXPECT_TRUE(none->Frames(0).Corrupted());
  EXPECT_EQ(Indices(none->Frames(0).Dib()), Bytes(4, 0));
  // Codes beyond the picture are dropped.
  auto extra = Load(OneFrame(2, 1, 2, EncodeGifLzw(Bytes{1, 2, 3, 3, 3, 1}, 2)));
  EXPECT_EQ(Indices(extra->Frames(0).Dib()), (Bytes{1, 2}));
}

TEST(GifDecode, CodesPastTheNextFreeEntryDoNotEscape) {
  // Code 30 when only 6 is defined repeats the previous string, as the next free code would.
  auto gif = Load(OneFrame(6, 1, 2, PackCodes(2, {{4, 3}, {2, 3}, {7, 3}, {5, 3}})));
  EXPECT_EQ(Indices(gif->Frames(0).Dib()), (Bytes{2, 2, 2, 0, 0, 0}));
}

TEST(GifDecode, FramesTooLargeAreRefused) {
  const Bytes file = GifBytes()
                         .Header()
                         .Screen(0, 0, 0x80 | 7)
                         .Table(256)
                         .Descriptor(0, 0, 65535, 65535, 0)
                         .Data({1}, 8)
                         .Trailer()
                         .Get();
  EXPECT_EQ(LoadError(file), "GIF image is too large");
}

// Frames each within the frame bound but together beyond the picture's budget: 100 frames of
// 11000 x 11000 (121 MB each decoded) take a few kilobytes of compressed data.
TEST(GifDecode, PicturesTooLargeAltogetherAreRefused) {
  const struct {
    int frames;
    std::size_t budget;
    std::string error;
  } cases[] = {
      {100, std::size_t{512} << 20, "GIF picture is too large"},
      {4, std::size_t{512} << 20, ""},  // 484 MB: within
      {2, std::size_t{200} << 20, "GIF picture is too large"},
      {1, std::size_t{200} << 20, ""},
  };
  for (const auto& c : cases) {
    GifBytes bytes;
    bytes.Header().Screen(0, 0, 0x80 | 7).Table(256);
    for (int i = 0; i < c.frames; ++i) bytes.Descriptor(0, 0, 11000, 11000, 0).Data({1}, 8);
    const Bytes file = bytes.Trailer().Get();
    const std::size_t saved = GIFMaxPictureBytes();
    SetGIFMaxPictureBytes(c.budget);
    EXPECT_EQ(LoadError(file), c.error) << c.frames << " frames";
    SetGIFMaxPictureBytes(saved);
  }
  EXPECT_EQ(GIFMaxPictureBytes(), std::size_t{512} << 20);
}

TEST(GifDecode, ProgressIsReported) {
  const Bytes pixels = RandomIndices(200 * 100, 8, 3);
  const Bytes file = OneFrame(200, 100, 8, EncodeGifLzw(pixels, 8));
  TGIFImage gif;
  std::vector<std::pair<TGIFImage::TProgressStage, int>> seen;
  gif.OnProgress = [&](TGIFImage&, TGIFImage::TProgressStage stage, int percent,
                       const std::string& message) {
    seen.push_back({stage, percent});
    EXPECT_EQ(message, "");
  };
  TMemoryStream stream(file);
  gif.LoadFromStream(stream);
  ASSERT_GE(seen.size(), 10u);
  EXPECT_EQ(seen.front().first, TGIFImage::psStarting);
  EXPECT_EQ(seen.back().first, TGIFImage::psEnding);
  int last = -1;
  for (std::size_t i = 1; i + 1 < seen.size(); ++i) {
    EXPECT_EQ(seen[i].first, TGIFImage::psRunning);
    EXPECT_GT(seen[i].second, last);
    last = seen[i].second;
  }
  EXPECT_LE(last, 100);

  // A failing decoding ends with the failure's message.
  std::string ending;
  TGIFImage bad;
  bad.OnProgress = [&](TGIFImage&, TGIFImage::TProgressStage stage, int,
                       const std::string& message) {
    if (stage == TGIFImage::psEnding) ending = message;
  };
  TMemoryStream noTable(
      GifBytes().Header().Screen(1, 1, 0).Descriptor(0, 0, 1, 1, 0).Data({0}, 2).Get());
  EXPECT_THROW(bad.LoadFromStream(noTable), EInvalidGraphic);
  EXPECT_EQ(ending, "Wrong number of colors; must be a power of 2");
}

TEST(GifDecode, DamagedFilesLoadOrFailWithTheClassMessages) {
  // Random damage to a real file: loading either succeeds or raises the picture error.
  std::vector<std::uint8_t> pixels = RandomIndices(37 * 29, 8, 5);
  TGifWritePicture p;
  p.ScreenWidth = 37;
  p.ScreenHeight = 29;
  p.GlobalMap.Count = 256;
  TGifWriteFrame f;
  f.Width = 37;
  f.Height = 29;
  f.Indices = pixels;
  f.Interlaced = true;
  f.TransparentIndex = 3;
  p.Frames = {f, f};
  p.LoopCount = 0;
  const Bytes file = WriteGif(p);
  // Damage may still be refused, but only with the picture class's own messages.
  const std::set<std::string> known{"Unknown GIF version", "Stream read error",
                                    "Wrong number of colors; must be a power of 2",
                                    "GIF image is too large", "GIF picture is too large"};
  int loaded = 0;
  std::mt19937 random(1);
  for (int round = 0; round < 3000; ++round) {
    Bytes damaged = file;
    const int flips = 1 + static_cast<int>(random() % 8);
    for (int k = 0; k < flips; ++k)
      damaged[random() % damaged.size()] = static_cast<std::uint8_t>(random());
    if (random() % 3 == 0) damaged.resize(random() % damaged.size());
    try {
      auto gif = Load(damaged);
      for (int i = 0; i < gif->Count(); ++i) (void)gif->Frames(i).Dib();
      ++loaded;
    } catch (const EInvalidGraphic& e) {
      const std::string message = e.what();
      EXPECT_TRUE(known.count(message) || message.starts_with("Unrecognized extension block: "))
          << message;
    }
  }
  EXPECT_GT(loaded, 0);
}
