// The JSON and PPM forms gifdump prints and writes.
#include <gtest/gtest.h>

#include "GifTestSupport.h"
#include "pictures/GifDump.h"

using namespace giftest;

TEST(GifDump, JsonDescribesThePictureAndItsFrames) {
  TGifWritePicture p;
  p.ScreenWidth = 9;
  p.ScreenHeight = 7;
  p.GlobalMap.Count = 4;
  p.GlobalMap.Colors[1] = {0x12, 0xAB, 0xEF};
  p.BackgroundIndex = 1;
  p.LoopCount = 5;
  TGifWriteFrame f;
  f.Left = 2;
  f.Top = 1;
  f.Width = 3;
  f.Height = 2;
  f.Indices = {0, 1, 2, 3, 2, 1};
  f.DelayCs = 12;
  f.Disposal = 2;
  f.TransparentIndex = 1;
  f.Interlaced = true;
  p.Frames = {f};
  p.TrailingComments = {"caf\xE9 \"quoted\"", "line\tend"};
  auto gif = Load(WriteGif(p));
  const Json json = ParseJson(GifPictureJson(*gif));
  EXPECT_EQ(json["version"].string, "89a");
  EXPECT_EQ(json["screen"].array.size(), 2u);
  EXPECT_EQ(json["screen"].array[0].number, 9);
  EXPECT_EQ(json["screen"].array[1].number, 7);
  EXPECT_EQ(json["background"].string, "#12abef");
  EXPECT_TRUE(json["loop"].boolean);
  EXPECT_EQ(json["repeat_count"].number, 5);
  // A byte that is not UTF-8 is read as Latin-1, so the text stays valid JSON.
  EXPECT_EQ(json["comment"].string, "caf\xC3\xA9 \"quoted\"\r\n\r\nline\tend");
  ASSERT_EQ(json["frames"].array.size(), 1u);
  const Json& frame = json["frames"].array[0];
  EXPECT_EQ(frame["left"].number, 2);
  EXPECT_EQ(frame["top"].number, 1);
  EXPECT_EQ(frame["width"].number, 3);
  EXPECT_EQ(frame["height"].number, 2);
  EXPECT_TRUE(frame["interlaced"].boolean);
  EXPECT_EQ(frame["transparent"].string, "#12abef");
  EXPECT_EQ(frame["interval_ms"].number, 120);
  EXPECT_EQ(frame["disposal"].number, 2);
  EXPECT_FALSE(frame["corrupted"].boolean);

  // Without looping there is no repeat count; without a table no background.
  TGifWritePicture plain;
  plain.Version89a = false;
  plain.ScreenWidth = plain.ScreenHeight = 1;
  TGifWriteFrame one;
  one.Width = one.Height = 1;
  one.Indices = {1};
  one.LocalMap.Count = 2;
  plain.Frames = {one};
  const Json other = ParseJson(GifPictureJson(*Load(WriteGif(plain))));
  EXPECT_EQ(other["version"].string, "87a");
  EXPECT_EQ(other["background"].kind, Json::Null);
  EXPECT_EQ(other["frames"].array[0]["transparent"].kind, Json::Null);
  EXPECT_FALSE(other["loop"].boolean);
  EXPECT_FALSE(other.Has("repeat_count"));
}

TEST(GifDump, PpmHoldsThePaletteColourOfEachPixel) {
  TGifWritePicture p;
  p.ScreenWidth = 2;
  p.ScreenHeight = 2;
  p.GlobalMap.Count = 2;
  p.GlobalMap.Colors[0] = {1, 2, 3};
  p.GlobalMap.Colors[1] = {250, 251, 252};
  TGifWriteFrame f;
  f.Width = f.Height = 2;
  f.Indices = {1, 0, 0, 1};
  p.Frames = {f};
  auto gif = Load(WriteGif(p));
  EXPECT_EQ(GifFramePpm(gif->Frames(0).Dib()),
            std::string("P6\n2 2\n255\n\xFA\xFB\xFC\x01\x02\x03\x01\x02\x03\xFA\xFB\xFC", 23));
}
