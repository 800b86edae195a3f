// The preferences file: defaults, typed values, the exact bytes written, key order and the
// place the file lives in.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/TempFiles.h"
#include "platform/core/Exception.h"
#include "settings/SettingsFile.h"

namespace fs = std::filesystem;
using testfiles::FreshDirForThisTest;
using testfiles::ReadFile;
using testfiles::WriteFile;

namespace {

struct Folders {
  fs::path program;
  fs::path config;
};

Folders MakeFolders() {
  const fs::path root = FreshDirForThisTest("settings");
  fs::create_directories(root / "program");
  fs::create_directories(root / "config");
  return {root / "program", root / "config"};
}

TSettingsFile FileIn(const Folders& f) {
  return TSettingsFile(f.program.string(), f.config.string());
}

// The values the example file holds.
TSettingsValues ExampleValues() {
  TSettingsValues v;
  v.TextColor = 128;
  v.FontFace = "Arial";
  v.FontSize = 12;
  v.TextStyle = 0;
  v.FullScreen = true;
  v.KeyboardSound = true;
  v.EditorSound = false;
  v.Clock = true;
  v.Ruler = true;
  v.FieldColor = 13822463;
  return v;
}

TEST(SettingsFile, WithoutAFileEveryReadIsItsDefault) {
  const Folders f = MakeFolders();
  const TSettingsValues defaults;  // the settings window's own choices
  EXPECT_EQ(FileIn(f).LoadForMainWindow(defaults), defaults);
  EXPECT_EQ(defaults.TextColor, 0u);
  EXPECT_EQ(defaults.FontSize, 10);
  EXPECT_TRUE(defaults.FullScreen && defaults.KeyboardSound && defaults.EditorSound &&
              defaults.Clock && defaults.Ruler);
  EXPECT_FALSE(fs::exists(f.program / "Parametr.ini"));  // reading creates nothing
}

TEST(SettingsFile, TheFirstSaveWritesTheShippedExampleByteForByte) {
  const Folders f = MakeFolders();
  TSettingsFile file = FileIn(f);
  file.Save(ExampleValues());
  const std::string shipped = ReadFile(fs::path(TARVIK_SOURCE_DIR) / "resources" / "Parametr.ini");
  ASSERT_FALSE(shipped.empty());
  EXPECT_EQ(ReadFile(f.program / "Parametr.ini"), shipped);
  file.Save(ExampleValues());
  EXPECT_EQ(ReadFile(f.program / "Parametr.ini"), shipped);
  EXPECT_EQ(file.LoadForMainWindow(TSettingsValues{}), ExampleValues());
}

TEST(SettingsFile, TypedValuesFollowTheClassicConversions) {
  struct Row {
    const char* key;
    const char* text;
    int defaultValue;
    int expected;
  };
  const Row rows[] = {
      {"razmertext", "0x1C", 10, 28},
      {"razmertext", "$1C", 10, 28},
      {"razmertext", "12pt", 10, 10},
      {"razmertext", "", 10, 10},
      {"razmertext", "-3", 10, -3},
      {"stiltext", "7", 0, 7},
      {"colortext", "$FFFFFFFF", 0, -1},
      {"clock", "2", 0, 1},
      {"clock", "", 1, 1},
      {"clock", "0", 1, 0},
      {"RULER", "0", 1, 0},  // names match without regard to case
  };
  const Folders f = MakeFolders();
  for (const Row& r : rows) {
    WriteFile(f.program / "Parametr.ini",
              std::string("[form]\r\n") + r.key + "=" + r.text + "\r\n");
    const TSettingsFile file = FileIn(f);
    const int got = std::string(r.key) == "clock" || std::string(r.key) == "RULER"
                        ? (file.ReadBool(r.key, r.defaultValue != 0) ? 1 : 0)
                        : file.ReadInteger(r.key, r.defaultValue);
    EXPECT_EQ(got, r.expected) << r.key << "=" << r.text;
  }
}

TEST(SettingsFile, AnExistingFileKeepsItsOrderAndNewKeysGoToTheEndOfTheSection) {
  const Folders f = MakeFolders();
  WriteFile(f.program / "Parametr.ini",
            "[Other]\r\nx=1\r\n[FORM]\r\nRuler=0\r\nshrift=Courier New\r\n[Last]\r\ny=2\r\n");
  FileIn(f).Save(ExampleValues());
  EXPECT_EQ(ReadFile(f.program / "Parametr.ini"),
            "[Other]\r\nx=1\r\n[FORM]\r\nRuler=1\r\nshrift=Arial\r\ncolortext=128\r\n"
            "razmertext=12\r\nstiltext=0\r\nshirina=1\r\nzvukklava=1\r\nzvukredak=0\r\n"
            "clock=1\r\nzvetpoly=13822463\r\n[Last]\r\ny=2\r\n");
}

TEST(SettingsFile, AFileFromWindowsInItsCodePageReadsAsTheSameLetters) {
  const Folders f = MakeFolders();
  // "Курьер" in Windows-1251.
  WriteFile(f.program / "Parametr.ini", "[Form]\r\nshrift=\xCA\xF3\xF0\xFC\xE5\xF0\r\n");
  EXPECT_EQ(FileIn(f).ReadString("shrift", ""), "Курьер");
}

TEST(SettingsFile, AProgramFolderThatTakesNoFilesSendsTheFileToTheUsersFolder) {
  const Folders f = MakeFolders();
  const TSettingsFile missingProgramFolder((f.program / "gone").string(), f.config.string());
  TSettingsFile file = missingProgramFolder;
  const std::string user = (f.config / "tarvik" / "Parametr.ini").string();
  EXPECT_EQ(file.WriteFileName(), user);
  file.Save(ExampleValues());
  EXPECT_TRUE(fs::exists(user));
  // Once the user's copy exists it is the one read and written, even beside a writable program.
  WriteFile(f.program / "Parametr.ini", "[Form]\r\nrazmertext=20\r\n");
  const TSettingsFile both = FileIn(f);
  EXPECT_EQ(both.ReadFileName(), user);
  EXPECT_EQ(both.WriteFileName(), user);
  EXPECT_EQ(both.ReadInteger("razmertext", 10), 12);
}

TEST(SettingsFile, ARefusedWriteNamesTheFile) {
  const Folders f = MakeFolders();
  // No user folder and a program folder that does not exist: nowhere to write.
  TSettingsFile file((f.program / "gone").string(), "");
  const std::string expected =
      "Unable to write to " + (f.program / "gone" / "Parametr.ini").string();
  try {
    file.Save(ExampleValues());
    FAIL() << "the save succeeded";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), expected);
  }
}

TEST(SettingsFile, FaceNamesAreCutToThirtyOneCharactersWhenApplied) {
  struct Row {
    std::string face;
    std::string expected;
  };
  const std::string cyr40 = [] {
    std::string s;
    for (int i = 0; i < 40; ++i) s += "Ж";
    return s;
  }();
  const Row rows[] = {{"Arial", "Arial"},
                      {std::string(40, 'a'), std::string(31, 'a')},
                      {std::string(31, 'b'), std::string(31, 'b')},
                      {cyr40, cyr40.substr(0, 62)},
                      {"", ""}};
  for (const Row& r : rows) EXPECT_EQ(FaceNameForFont(r.face), r.expected) << r.face;
}

}  // namespace
