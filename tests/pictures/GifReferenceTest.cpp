// Pictures made by another encoder (ImageMagick, see data/make-references.sh) decode to the
// pixels that encoder's own reader gives: tables of 1 to 8 bits, interlacing, transparency,
// local tables in an animation, both versions.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "GifTestSupport.h"
#include "common/Requirements.h"
#include "pictures/GifDump.h"

using namespace giftest;
namespace fs = std::filesystem;

namespace {

fs::path DataDir() {
  return fs::path(TARVIK_SOURCE_DIR) / "tests" / "pictures" / "data";
}

std::unique_ptr<TGIFImage> LoadData(const std::string& name) {
  const std::string bytes = ReadFile((DataDir() / (name + ".gif")).string());
  return Load(Bytes(bytes.begin(), bytes.end()));
}

void ExpectFramesMatchReferences(const std::string& name) {
  SCOPED_TRACE(name);
  auto gif = LoadData(name);
  int references = 0;
  while (fs::exists(DataDir() / (name + "." + std::to_string(references) + ".ppm"))) ++references;
  ASSERT_GT(references, 0);
  ASSERT_EQ(gif->Count(), references);
  for (int i = 0; i < references; ++i) {
    Ppm wanted, got;
    ASSERT_TRUE(ReadPpm((DataDir() / (name + "." + std::to_string(i) + ".ppm")).string(), wanted));
    ASSERT_TRUE(ParsePpm(GifFramePpm(gif->Frames(i).Dib()), got));
    EXPECT_EQ(got.Width, wanted.Width) << "frame " << i;
    EXPECT_EQ(got.Height, wanted.Height) << "frame " << i;
    EXPECT_TRUE(got.Pixels == wanted.Pixels) << "frame " << i;
    EXPECT_FALSE(gif->Frames(i).Corrupted());
  }
}

}  // namespace

TEST(GifReferences, PixelsEqualTheOtherEncodersReading) {
  for (const char* name : {"bits1", "bits2", "bits3", "bits4", "bits5", "bits8", "interlaced3",
                           "interlaced37", "transparent", "animated", "v87a", "commented"})
    ExpectFramesMatchReferences(name);
}

TEST(GifReferences, BitmapDepthFollowsTheTableSize) {
  const std::pair<const char*, int> cases[] = {{"bits1", 1}, {"bits2", 4}, {"bits3", 4},
                                               {"bits4", 4}, {"bits5", 8}, {"bits8", 8}};
  for (auto [name, depth] : cases) {
    auto gif = LoadData(name);
    EXPECT_EQ(gif->Frames(0).Dib().BitsPerPixel(), depth) << name;
  }
}

TEST(GifReferences, AnimationKeepsEachFramesPlaceTableAndTiming) {
  auto gif = LoadData("animated");
  ASSERT_EQ(gif->Count(), 3);
  EXPECT_TRUE(gif->Looping());
  EXPECT_EQ(gif->RepeatCount(), 2);  // ImageMagick stores "-loop 3" as two repeats
  const TGIFFrame& second = gif->Frames(1);
  EXPECT_EQ(second.TopLeft(), Point(5, 4));
  EXPECT_EQ(second.Width(), 14);
  EXPECT_EQ(second.Height(), 9);
  EXPECT_TRUE(second.PackedFields() & 0x80) << "the frame has its own table";
  EXPECT_EQ(second.ColorBits(), 4);
  EXPECT_EQ(second.ColorMap().Count, 16u);
  EXPECT_EQ(gif->Frames(0).AnimateInterval(), 100);
  EXPECT_EQ(second.AnimateInterval(), 250);
  EXPECT_EQ(gif->Frames(2).AnimateInterval(), 70);
  EXPECT_EQ(gif->Frames(0).DisposalMethod(), 1);
  EXPECT_EQ(second.DisposalMethod(), 2);
  EXPECT_EQ(gif->Frames(2).DisposalMethod(), 3);
}

TEST(GifReferences, VersionsInterlacingTransparencyAndComments) {
  EXPECT_EQ(LoadData("v87a")->Version(), 1);
  EXPECT_EQ(LoadData("bits8")->Version(), 2);
  EXPECT_TRUE(LoadData("interlaced37")->Frames(0).Interlaced());
  EXPECT_FALSE(LoadData("bits8")->Frames(0).Interlaced());

  auto transparent = LoadData("transparent");
  EXPECT_NE(transparent->Frames(0).TransparentColor(), clNone);
  EXPECT_TRUE(transparent->Transparent());
  EXPECT_FALSE(LoadData("bits4")->Transparent());

  // A comment before the frame belongs to the frame, not to the picture.
  auto commented = LoadData("commented");
  EXPECT_EQ(commented->Comment(), "");
  std::string frameComment;
  for (const auto& e : commented->Frames(0).Extensions())
    if (e.Kind == etComment) frameComment += e.Text();
  EXPECT_EQ(frameComment, "made for the tests");
}

// ImageMagick's converter: "magick" (version 7) or "convert" (6) on the PATH, checked to be
// ImageMagick's and not another program of that name.
std::string ImageMagickCommand() {
  for (const char* name : {"magick", "convert"}) {
    const std::string probe = std::string("command -v ") + name + " >/dev/null 2>&1 && " + name +
                              " -version 2>/dev/null | grep -q ImageMagick";
    if (std::system(probe.c_str()) == 0) return name;
  }
  return {};
}

TEST(GifReferences, TheWritersPicturesReadTheSameInTheOtherDecoder) {
  // The tests build many pictures with the class's own writer; the other decoder must read
  // them as the picture class does, or those tests would prove nothing.
  const std::string convert = ImageMagickCommand();
  if (convert.empty()) TARVIK_SKIP_UNLESS_REQUIRED("ImageMagick is not installed");
  const fs::path dir = fs::temp_directory_path() / ("gif-writer-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  TGifWritePicture p;
  p.ScreenWidth = 61;
  p.ScreenHeight = 43;
  p.GlobalMap.Count = 256;
  for (std::size_t i = 0; i < 256; ++i)
    p.GlobalMap.Colors[i] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i * 7),
                             static_cast<std::uint8_t>(255 - i)};
  for (int k = 0; k < 2; ++k) {
    TGifWriteFrame f;
    f.Width = 61;
    f.Height = 43;
    f.Interlaced = k == 1;
    for (int i = 0; i < 61 * 43; ++i)
      f.Indices.push_back(static_cast<std::uint8_t>((i * i / 7 + k) % 256));
    p.Frames.push_back(f);
  }
  const Bytes file = WriteGif(p);
  const fs::path gifFile = dir / "w.gif";
  {
    std::ofstream out(gifFile, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()),
              static_cast<std::streamsize>(file.size()));
  }
  auto gif = Load(file);
  ASSERT_EQ(gif->Count(), 2);
  for (int k = 0; k < 2; ++k) {
    const fs::path ppm = dir / ("w." + std::to_string(k) + ".ppm");
    const std::string command = convert + " '" + gifFile.string() + "[" + std::to_string(k) +
                                "]' +repage -alpha off -strip '" + ppm.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    Ppm theirs, ours;
    ASSERT_TRUE(ReadPpm(ppm.string(), theirs));
    ASSERT_TRUE(ParsePpm(GifFramePpm(gif->Frames(k).Dib()), ours));
    EXPECT_TRUE(theirs.Pixels == ours.Pixels) << "frame " << k;
  }
  fs::remove_all(dir);
}
