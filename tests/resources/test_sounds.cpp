// The committed event sounds: every file is one the program's player accepts, in the format
// the sounds are made in, as long as its event wants, and silent at both ends so it never clicks.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

#include "common/TempFiles.h"
#include "platform/environment/Sound.h"
#include "shipped_files.h"

namespace {

struct Sound {
  const char* file;
  double shortest;  // seconds
  double longest;
};

void PrintTo(const Sound& item, std::ostream* out) {
  *out << item.file;
}

const Sound kSounds[] = {
    {"open.wav", 0.5, 0.7},    {"okna.wav", 0.4, 0.6},   {"message.wav", 0.3, 0.5},
    {"klava.wav", 0.02, 0.05}, {"menu.wav", 0.05, 0.12}, {"knopka2.wav", 0.04, 0.09},
};

std::uint32_t U32(const std::string& b, std::size_t at) {
  return std::uint32_t(static_cast<unsigned char>(b[at])) |
         std::uint32_t(static_cast<unsigned char>(b[at + 1])) << 8 |
         std::uint32_t(static_cast<unsigned char>(b[at + 2])) << 16 |
         std::uint32_t(static_cast<unsigned char>(b[at + 3])) << 24;
}

std::uint16_t U16(const std::string& b, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                    static_cast<unsigned char>(b[at + 1]) << 8);
}

struct Wave {
  std::uint16_t format = 0, channels = 0, bits = 0;
  std::uint32_t rate = 0;
  std::vector<std::int16_t> samples;
};

// Walks the RIFF chunks; a file the walk cannot finish leaves the wave empty.
Wave ReadWave(const std::string& bytes) {
  Wave wave;
  if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0)
    return wave;
  std::size_t at = 12;
  while (at + 8 <= bytes.size()) {
    const std::string id = bytes.substr(at, 4);
    const std::size_t size = U32(bytes, at + 4);
    const std::size_t body = at + 8;
    if (body + size > bytes.size()) break;
    if (id == "fmt " && size >= 16) {
      wave.format = U16(bytes, body);
      wave.channels = U16(bytes, body + 2);
      wave.rate = U32(bytes, body + 4);
      wave.bits = U16(bytes, body + 14);
    } else if (id == "data") {
      for (std::size_t i = 0; i + 1 < size; i += 2)
        wave.samples.push_back(static_cast<std::int16_t>(U16(bytes, body + i)));
    }
    at = body + size + (size & 1);
  }
  return wave;
}

Wave LoadSound(const std::string& file) {
  return ReadWave(testfiles::ReadFile(shipped::SoundPath(file)));
}

class ShippedSound : public testing::TestWithParam<Sound> {};

TEST_P(ShippedSound, ThePlayerAcceptsIt) {
  const std::string bytes = testfiles::ReadFile(shipped::SoundPath(GetParam().file));
  ASSERT_FALSE(bytes.empty()) << GetParam().file;
  EXPECT_TRUE(IsPlayableWave(bytes));
}

TEST_P(ShippedSound, Is16BitMonoPcmAt22050Hz) {
  const Wave wave = LoadSound(GetParam().file);
  EXPECT_EQ(wave.format, 1);
  EXPECT_EQ(wave.channels, 1);
  EXPECT_EQ(wave.bits, 16);
  EXPECT_EQ(wave.rate, 22050u);
}

TEST_P(ShippedSound, LastsAsLongAsItsEventWants) {
  const Sound& s = GetParam();
  const Wave wave = LoadSound(s.file);
  ASSERT_EQ(wave.rate, 22050u);
  const double seconds = static_cast<double>(wave.samples.size()) / wave.rate;
  EXPECT_GE(seconds, s.shortest);
  EXPECT_LE(seconds, s.longest);
}

TEST_P(ShippedSound, StartsAndEndsInSilenceWithoutClipping) {
  const Wave wave = LoadSound(GetParam().file);
  ASSERT_GE(wave.samples.size(), 100u);
  EXPECT_EQ(wave.samples.front(), 0);
  EXPECT_EQ(wave.samples.back(), 0);
  int peak = 0;
  for (std::int16_t s : wave.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
  EXPECT_GE(peak, 8000);   // clearly audible
  EXPECT_LT(peak, 32000);  // and never at full scale
}

INSTANTIATE_TEST_SUITE_P(Resources, ShippedSound, testing::ValuesIn(kSounds), [](const auto& item) {
  std::string name = item.param.file;
  return name.substr(0, name.find('.'));
});

// Sign changes per second over one quarter of the sound: twice the pitch of a clean tone.
double CrossingRate(const Wave& wave, int quarter) {
  const std::size_t length = wave.samples.size() / 4;
  const std::size_t first = length * static_cast<std::size_t>(quarter);
  int crossings = 0;
  for (std::size_t i = first + 1; i < first + length; ++i)
    if ((wave.samples[i - 1] < 0) != (wave.samples[i] < 0)) ++crossings;
  return crossings * static_cast<double>(wave.rate) / static_cast<double>(length);
}

TEST(ChimeDirection, StartSoundRisesAndCloseSoundFalls) {
  const Wave start = LoadSound("open.wav");
  const Wave close = LoadSound("okna.wav");
  ASSERT_GE(start.samples.size(), 1000u);
  ASSERT_GE(close.samples.size(), 1000u);
  EXPECT_GT(CrossingRate(start, 3), 1.5 * CrossingRate(start, 0));
  EXPECT_GT(CrossingRate(close, 0), 1.4 * CrossingRate(close, 3));
}

TEST(ChimeDirection, PromptSoundHasTwoDifferentTones) {
  const Wave prompt = LoadSound("message.wav");
  ASSERT_GE(prompt.samples.size(), 1000u);
  EXPECT_GT(CrossingRate(prompt, 0), 1.2 * CrossingRate(prompt, 3));
}

}  // namespace
