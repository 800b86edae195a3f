// The shared sample files: each NAME.gif must give what NAME.json describes: the JSON that
// gifdump prints, success or failure, the corrupted frames, and the decoded frames as PPM,
// exactly or (for a damaged file) in the regions the file still reaches.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "GifTestSupport.h"
#include "common/Requirements.h"
#include "pictures/GifDump.h"
#include "platform/core/Exception.h"
#include "platform/core/Stream.h"

using namespace giftest;
namespace fs = std::filesystem;

namespace {

fs::path SamplesDir() {
  return fs::path(TARVIK_SAMPLES_DIR) / "gif";
}

std::vector<fs::path> SampleDescriptions() {
  std::vector<fs::path> found;
  if (!fs::is_directory(SamplesDir())) return found;
  for (const auto& entry : fs::directory_iterator(SamplesDir()))
    if (entry.path().extension() == ".json") found.push_back(entry.path());
  std::sort(found.begin(), found.end());
  return found;
}

void CheckPpm(const Json& expect, const std::string& actualData, const std::string& name) {
  SCOPED_TRACE(name + " " + expect["file"].string);
  Ppm wanted, got;
  ASSERT_TRUE(ReadPpm((SamplesDir() / expect["file"].string).string(), wanted));
  ASSERT_TRUE(ParsePpm(actualData, got));
  ASSERT_EQ(got.Width, wanted.Width);
  ASSERT_EQ(got.Height, wanted.Height);
  if (expect["check"].string == "exact") {
    EXPECT_TRUE(got.Pixels == wanted.Pixels);
    return;
  }
  // A damaged frame: the pixels decoded before the damage are exact, and from the given pixel
  // on everything is entry 0. Between the two the decoder may or may not have got further.
  ASSERT_EQ(expect["check"].string, "prefix");
  const auto exact = static_cast<std::size_t>(expect["exact_prefix_pixels"].number);
  const auto zeroFrom = static_cast<std::size_t>(expect["zero_from_pixel"].number);
  EXPECT_EQ(got.Pixels.substr(0, 3 * exact), wanted.Pixels.substr(0, 3 * exact));
  const std::string& rgb = expect["zero_rgb"].string;
  std::string zero(3, '\0');
  for (int i = 0; i < 3; ++i)
    zero[static_cast<std::size_t>(i)] =
        static_cast<char>(std::stoi(rgb.substr(1 + 2 * i, 2), nullptr, 16));
  for (std::size_t p = zeroFrom; p < got.Pixels.size() / 3; ++p)
    if (got.Pixels.compare(3 * p, 3, zero) != 0) {
      ADD_FAILURE() << "pixel " << p << " is not entry 0";
      break;
    }
}

void CheckSample(const fs::path& descriptionFile) {
  const Json d = ParseJson(ReadFile(descriptionFile.string()));
  const std::string name = d["name"].string;
  SCOPED_TRACE(name);
  const std::string gifFile = (SamplesDir() / (name + ".gif")).string();
  const std::string bytes = ReadFile(gifFile);
  SetGIFLoadCorrupted(true);
  TGIFImage gif;
  std::string error;
  std::vector<std::string> ppms;
  try {
    TMemoryStream stream(Bytes(bytes.begin(), bytes.end()));
    gif.LoadFromStream(stream);
    for (int i = 0; i < gif.Count(); ++i) ppms.push_back(GifFramePpm(gif.Frames(i).Dib()));
  } catch (const EInvalidGraphic& e) {
    error = e.what();
  }
  if (d["exit"].string != "zero") {
    EXPECT_FALSE(error.empty()) << "the sample must fail to load";
    return;
  }
  ASSERT_EQ(error, "");
  const Json got = ParseJson(GifPictureJson(gif));
  EXPECT_TRUE(got == d["json"]) << "got      " << ToText(got) << "\nexpected " << ToText(d["json"]);
  std::vector<int> corrupted;
  for (int i = 0; i < gif.Count(); ++i)
    if (gif.Frames(i).Corrupted()) corrupted.push_back(i);
  std::vector<int> expectedCorrupted;
  for (const auto& v : d["corrupted_frames"].array)
    expectedCorrupted.push_back(static_cast<int>(v.number));
  EXPECT_EQ(corrupted, expectedCorrupted);
  const auto& ppmList = d["ppm"].array;
  ASSERT_EQ(ppmList.size(), ppms.size());
  for (std::size_t i = 0; i < ppms.size(); ++i) CheckPpm(ppmList[i], ppms[i], name);
}

}  // namespace

TEST(GifSamples, EverySampleDecodesAsDescribed) {
  const auto samples = SampleDescriptions();
  if (samples.empty()) TARVIK_SKIP_UNLESS_REQUIRED("no samples in " + SamplesDir().string());
  for (const auto& s : samples) CheckSample(s);
}
