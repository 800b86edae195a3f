// Reading the file structure: header and versions, tables, extension runs, looping, comments,
// frames' descriptors and graphic controls, and the errors each malformed part raises.
#include <gtest/gtest.h>

#include "GifTestSupport.h"
#include "platform/core/Exception.h"
#include "platform/core/Stream.h"
#include "platform/graphics/Graphic.h"

using namespace giftest;

namespace {

// A 4-colour 4x2 picture with the given signature; extra blocks go before the frame.
Bytes Simple(const char* signature = "GIF89a", const Bytes& beforeFrame = {}) {
  return GifBytes()
      .Header(signature)
      .Screen(4, 2, 0x80 | 1, 2)
      .Table(4)
      .Raw(beforeFrame)
      .Descriptor(0, 0, 4, 2, 0)
      .Data({0, 1, 2, 3, 3, 2, 1, 0}, 2)
      .Trailer()
      .Get();
}

}  // namespace

TEST(GifReader, VersionsAreComparedIgnoringCase) {
  EXPECT_EQ(Load(Simple("GIF89a"))->Version(), 2);
  EXPECT_EQ(Load(Simple("GIF87a"))->Version(), 1);
  EXPECT_EQ(Load(Simple("GIF89A"))->Version(), 2);
  EXPECT_EQ(Load(Simple("gif87A"))->Version(), 1);
  EXPECT_EQ(LoadError(Simple("GIF88a")), "Unknown GIF version");
  EXPECT_EQ(LoadError(Simple("GIX89a")), "Unknown GIF version");
  EXPECT_EQ(LoadError(Simple("PNG89a")), "Unknown GIF version");
  // Shorter than a header or a screen descriptor: the read itself fails.
  EXPECT_EQ(LoadError({'G', 'I'}), "Stream read error");
  EXPECT_EQ(LoadError({'G', 'I', 'F', '8', '9', 'a', 1, 0}), "Stream read error");
}

TEST(GifReader, ScreenDescriptorAndGlobalTable) {
  const Bytes file = GifBytes()
                         .Header()
                         .Screen(300, 200, 0x80 | 0x50 | 2, 5, 49)
                         .Table(8)
                         .Descriptor(0, 0, 1, 1, 0)
                         .Data({5}, 3)
                         .Trailer()
                         .Get();
  auto gif = Load(file);
  EXPECT_EQ(gif->ScreenWidth(), 300);
  EXPECT_EQ(gif->ScreenHeight(), 200);
  EXPECT_EQ(gif->BitsPerPixel(), 3);
  EXPECT_EQ(gif->ColorResBits(), 6);
  EXPECT_EQ(gif->AspectRatio(), 49);
  EXPECT_EQ(gif->ColorMap().Count, 8u);
  EXPECT_EQ(gif->ColorMap().ColorOf(7), TableColor(7));
  EXPECT_EQ(gif->BackgroundColor(), TableColor(5));
  EXPECT_EQ(gif->Frames(0).ColorBits(), 3);
  // A background index past the table leaves no background colour.
  Bytes outside = file;
  outside[11] = 8;
  EXPECT_EQ(Load(outside)->BackgroundColor(), clNone);
  // A table cut short is a read error.
  EXPECT_EQ(LoadError(Bytes(file.begin(), file.begin() + 13 + 20)), "Stream read error");
}

TEST(GifReader, LoopingExtensions) {
  auto loop = [](const char* id, int count) {
    return Load(Simple("GIF89a", GifBytes().Looping(id, count).Get()));
  };
  auto forever = loop("NETSCAPE2.0", 0);
  EXPECT_TRUE(forever->Looping());
  EXPECT_EQ(forever->RepeatCount(), 0);
  EXPECT_EQ(loop("NETSCAPE2.0", 0xFFFF)->RepeatCount(), 30000);
  EXPECT_EQ(loop("NETSCAPE2.0", 30001)->RepeatCount(), 30000);
  EXPECT_EQ(loop("ANIMEXTS1.0", 12)->RepeatCount(), 12);
  auto other = loop("XMPDataXMP1", 12);
  EXPECT_FALSE(other->Looping());
  EXPECT_EQ(other->RepeatCount(), 1);
  // The sub-block must start with 1 and hold the count.
  Bytes fixed{11};
  fixed.insert(fixed.end(), {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'});
  EXPECT_FALSE(
      Load(Simple("GIF89a", GifBytes().Ext(0xFF, fixed, {std::string("\x02\x05\x00", 3)}).Get()))
          ->Looping());
  EXPECT_FALSE(
      Load(Simple("GIF89a", GifBytes().Ext(0xFF, fixed, {std::string("\x01\x05", 2)}).Get()))
          ->Looping());
  // Application extensions are not kept with the frame.
  EXPECT_TRUE(forever->Frames(0).Extensions().empty());
}

TEST(GifReader, GraphicControlSetsTransparencyDelayAndDisposal) {
  auto gc = [](const Bytes& extensions) { return Load(Simple("GIF89a", extensions)); };
  auto one = gc(GifBytes().GraphicControl(0x01 | 2 << 2, 7, 3).Get());
  EXPECT_EQ(one->Frames(0).TransparentColor(), TableColor(3));
  EXPECT_EQ(one->Frames(0).AnimateInterval(), 70);
  EXPECT_EQ(one->Frames(0).DisposalMethod(), 2);
  EXPECT_TRUE(one->Transparent());
  one->SetTransparent(false);
  EXPECT_FALSE(one->Transparent());

  // Several controls: the longest delay, the last disposal, and a later control without the
  // transparency bit takes the transparency away again.
  auto many =
      gc(GifBytes().GraphicControl(0x01 | 1 << 2, 50, 1).GraphicControl(3 << 2, 20, 0).Get());
  EXPECT_EQ(many->Frames(0).AnimateInterval(), 500);
  EXPECT_EQ(many->Frames(0).DisposalMethod(), 3);
  EXPECT_EQ(many->Frames(0).TransparentColor(), clNone);
  EXPECT_FALSE(many->Transparent());
  EXPECT_EQ(many->Frames(0).Extensions().size(), 2u);

  // An index past the frame's table is no transparent colour.
  EXPECT_EQ(gc(GifBytes().GraphicControl(1, 0, 4).Get())->Frames(0).TransparentColor(), clNone);
}

TEST(GifReader, PlainTextDropsWhatWasCollectedBeforeIt) {
  Bytes plainFixed(13, 0);
  plainFixed[0] = 12;
  auto gif = Load(Simple("GIF89a", GifBytes()
                                       .GraphicControl(1, 9, 2)
                                       .Comment("lost")
                                       .Ext(0x01, plainFixed, {"Hello"})
                                       .Comment("kept")
                                       .Get()));
  const auto& extensions = gif->Frames(0).Extensions();
  ASSERT_EQ(extensions.size(), 1u);
  EXPECT_EQ(extensions[0].Kind, etComment);
  EXPECT_EQ(extensions[0].Text(), "kept");
  EXPECT_EQ(gif->Frames(0).TransparentColor(), clNone);
  EXPECT_EQ(gif->Frames(0).AnimateInterval(), 0);
}

TEST(GifReader, UnknownExtensionLabelIsNamedInHex) {
  EXPECT_EQ(LoadError(Simple("GIF89a", GifBytes().Ext(0x2A, {}, {"x"}).Get())),
            "Unrecognized extension block: 2a");
  EXPECT_EQ(LoadError(Simple("GIF89a", GifBytes().Ext(0x00, {}, {}).Get())),
            "Unrecognized extension block: 00");
  // A fixed part cut off by the end of the file.
  EXPECT_EQ(LoadError(GifBytes().Header().Screen(1, 1, 0).Raw({0x21, 0xF9, 4, 0}).Get()),
            "Stream read error");
}

TEST(GifReader, CommentsAfterTheLastFrameBecomeThePicturesComment) {
  Bytes file = Simple();
  file.pop_back();  // the trailer
  const Bytes comments =
      GifBytes().Comment("first").Raw({0x21, 0xFE, 3, 's', 'e', 'c', 3, 'o', 'n', 'd', 0}).Get();
  file.insert(file.end(), comments.begin(), comments.end());
  file.push_back(0x3B);
  auto gif = Load(file);
  EXPECT_EQ(gif->Comment(), "first\r\n\r\nsecond");
  EXPECT_EQ(gif->Count(), 1);

  // A comment that runs into the end of the file keeps what is there.
  Bytes cut = Simple();
  cut.pop_back();
  const Bytes open = {0x21, 0xFE, 5, 'o', 'p', 'e', 'n', '!', 9, 'c', 'u'};
  cut.insert(cut.end(), open.begin(), open.end());
  EXPECT_EQ(Load(cut)->Comment(), "open!cu");

  // Once there is a comment, a later run of extensions leaves it alone.
  Bytes twoRuns = Simple();
  twoRuns.pop_back();
  const Bytes runs = GifBytes().Comment("one").Raw({0x2A, 1, 2}).Get();
  twoRuns.insert(twoRuns.end(), runs.begin(), runs.end());
  EXPECT_EQ(LoadError(twoRuns), "Stream read error") << "a stray byte after the comment";
}

TEST(GifReader, SeparatorsPaddingAndGarbage) {
  // Zero bytes between blocks are skipped.
  Bytes padded = Simple();
  padded.insert(padded.end() - 1, {0, 0, 0});
  EXPECT_EQ(Load(padded)->Count(), 1);
  // A file cut just after an extension introducer keeps what it has.
  Bytes cut = Simple();
  cut.back() = '!';
  EXPECT_EQ(Load(cut)->Count(), 1);
  // Anything unknown after a frame ends the picture quietly.
  Bytes trailing = Simple();
  trailing.back() = 'X';
  trailing.insert(trailing.end(), {1, 2, 3});
  EXPECT_EQ(Load(trailing)->Count(), 1);
  // An unknown block before any frame is a read error.
  EXPECT_EQ(LoadError(GifBytes().Header().Screen(1, 1, 0).Raw({'X', 1, 2}).Get()),
            "Stream read error");
  // No frames at all is an empty picture, not an error.
  auto none = Load(GifBytes().Header().Screen(5, 5, 0).Trailer().Get());
  EXPECT_EQ(none->Count(), 0);
  EXPECT_TRUE(none->Empty());
  EXPECT_EQ(none->FrameIndex(), -1);
  EXPECT_EQ(none->Width(), 0);
}

TEST(GifReader, ZeroFrameSizeTakesTheScreenSize) {
  const Bytes file = GifBytes()
                         .Header()
                         .Screen(6, 3, 0x80 | 1)
                         .Table(4)
                         .Descriptor(0, 0, 0, 0, 0)
                         .Data(Bytes(18, 2), 2)
                         .Trailer()
                         .Get();
  auto gif = Load(file);
  EXPECT_EQ(gif->Frames(0).Width(), 6);
  EXPECT_EQ(gif->Frames(0).Height(), 3);
  EXPECT_EQ(gif->Width(), 6);
  EXPECT_EQ(gif->Height(), 3);
  EXPECT_EQ(Indices(gif->Frames(0).Dib()), Bytes(18, 2));
}

TEST(GifReader, LocalTableReplacesTheGlobalOne) {
  const Bytes file = GifBytes()
                         .Header()
                         .Screen(2, 1, 0x80 | 7)
                         .Table(256)
                         .Descriptor(0, 0, 2, 1, 0x80 | 0)
                         .Table(2)
                         .Data({1, 0}, 2)
                         .Trailer()
                         .Get();
  auto gif = Load(file);
  const TGIFFrame& f = gif->Frames(0);
  EXPECT_EQ(f.ColorBits(), 1);
  EXPECT_EQ(f.ColorMap().Count, 2u);
  EXPECT_EQ(f.Dib().BitsPerPixel(), 1);
  EXPECT_EQ(Indices(f.Dib()), (Bytes{1, 0}));
}

TEST(GifReader, PictureWithoutAnyColourTableFailsOnDecoding) {
  const Bytes file = GifBytes()
                         .Header()
                         .Screen(2, 2, 0)
                         .Descriptor(0, 0, 2, 2, 0)
                         .Data({0, 1, 1, 0}, 2)
                         .Trailer()
                         .Get();
  TGIFImage gif;
  TMemoryStream stream(file);
  try {
    gif.LoadFromStream(stream);
    FAIL() << "loaded";
  } catch (const EInvalidGraphic& e) {
    EXPECT_STREQ(e.what(), "Wrong number of colors; must be a power of 2");
  }
  EXPECT_EQ(gif.Count(), 0) << "the frame that failed is removed";
}

TEST(GifReader, TruncatedDataGivesACorruptedFrameNotAFailure) {
  std::vector<std::uint8_t> pixels(40 * 30);
  for (std::size_t i = 0; i < pixels.size(); ++i)
    pixels[i] = static_cast<std::uint8_t>((i * 7 + i / 40) % 256);
  const Bytes full = GifBytes()
                         .Header()
                         .Screen(40, 30, 0x80 | 7)
                         .Table(256)
                         .Descriptor(0, 0, 40, 30, 0)
                         .Data(pixels, 8)
                         .Trailer()
                         .Get();
  const std::size_t dataStart = 13 + 768 + 10;
  for (std::size_t cut :
       {dataStart + 1, dataStart + 2, dataStart + 100, dataStart + 300, full.size() - 3}) {
    SCOPED_TRACE(cut);
    SetGIFLoadCorrupted(true);
    auto gif = Load(Bytes(full.begin(), full.begin() + static_cast<long>(cut)));
    ASSERT_EQ(gif->Count(), 1);
    EXPECT_TRUE(gif->Frames(0).Corrupted());
    EXPECT_TRUE(gif->Corrupted());
    // What was decoded is right; the rest is entry 0.
    const Bytes got = Indices(gif->Frames(0).Dib());
    std::size_t same = 0;
    while (same < got.size() && got[same] == pixels[same]) ++same;
    for (std::size_t i = same; i < got.size(); ++i) ASSERT_EQ(got[i], 0) << "pixel " << i;
    // Without tolerance a block cut short is a read error.
    SetGIFLoadCorrupted(false);
    if (cut > dataStart + 1) {
      EXPECT_EQ(LoadError(Bytes(full.begin(), full.begin() + static_cast<long>(cut))),
                "Stream read error");
    }
    SetGIFLoadCorrupted(true);
  }
  EXPECT_FALSE(Load(full)->Corrupted());
}

TEST(GifReader, StoredPictureFormAndRegistry) {
  RegisterGIFImage();
  const TGraphicClass* byExtension = FindGraphicClassByExtension(".GIF");
  ASSERT_NE(byExtension, nullptr);
  EXPECT_EQ(byExtension->className, "TGIFImage");
  EXPECT_EQ(byExtension->description, "CompuServe GIF Image");

  const Bytes file = Simple();
  auto graphic = ReadStoredPicture(MakeStoredPicture("TGIFImage", file));
  auto* gif = dynamic_cast<TGIFImage*>(graphic.get());
  ASSERT_NE(gif, nullptr);
  EXPECT_EQ(gif->Count(), 1);
  EXPECT_TRUE(gif->Frames(0).Decoded()) << "frame 0 is decoded at once";
  EXPECT_EQ(gif->Width(), 4);

  // ReadData: a 32-bit count, then the file; WriteData writes the same form back.
  TMemoryStream data;
  gif->WriteData(data);
  EXPECT_EQ(data.Size(), static_cast<std::int64_t>(4 + file.size()));
  data.SetPosition(0);
  TGIFImage again;
  again.ReadData(data);
  EXPECT_EQ(again.Count(), 1);
  TMemoryStream saved;
  again.SaveToStream(saved);
  EXPECT_EQ(saved.Data(), file);

  // A count larger than the data is a read error, not a huge allocation.
  TMemoryStream shortData(Bytes{0xFF, 0xFF, 0xFF, 0x7F, 'G', 'I', 'F'});
  try {
    again.ReadData(shortData);
    FAIL() << "read";
  } catch (const EInvalidGraphic& e) {
    EXPECT_STREQ(e.what(), "Stream read error");
  }
}

TEST(GifReader, EmptyStreamIsAnEmptyPicture) {
  TGIFImage gif;
  int changes = 0;
  gif.OnChange = [&](TGraphic&) { ++changes; };
  TMemoryStream empty;
  gif.LoadFromStream(empty);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(gif.Empty());
  EXPECT_EQ(gif.Version(), 0);
  EXPECT_EQ(gif.Count(), 0);
  EXPECT_EQ(gif.Bitmap(), nullptr);
}

TEST(GifReader, ClearingAndAssigning) {
  Bytes file = Simple("GIF89a", GifBytes().Looping("NETSCAPE2.0", 4).Get());
  file.pop_back();
  const Bytes comment = GifBytes().Comment("note").Trailer().Get();
  file.insert(file.end(), comment.begin(), comment.end());
  auto source = Load(file);
  TGIFImage copy;
  copy.Assign(*source);
  EXPECT_EQ(copy.Comment(), "note");
  EXPECT_EQ(&copy.Comment(), &source->Comment()) << "the header record is shared";
  EXPECT_EQ(copy.RepeatCount(), 4);
  EXPECT_EQ(copy.Count(), 1);
  EXPECT_EQ(Indices(copy.Frames(0).Dib()), Indices(source->Frames(0).Dib()));
  source->Clear();
  EXPECT_EQ(source->Count(), 0);
  EXPECT_EQ(source->Comment(), "");
  EXPECT_EQ(source->RepeatCount(), 1);
  EXPECT_EQ(source->BackgroundColor(), clNone);
  EXPECT_EQ(copy.Comment(), "note") << "clearing gives the cleared picture a new record";
  EXPECT_EQ(copy.Count(), 1);
}
