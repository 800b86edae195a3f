// The profile (INI) operations the settings file relies on: case-insensitive names, in-place
// update, appended keys, created files and sections, typed values, and refusals that lose
// nothing.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "common/TempFiles.h"
#include "common/Unprivileged.h"
#include "platform/environment/Profile.h"
#include "platform/environment/ProfileText.h"
#include "platform/rtf/CodePages.h"
#include "platform/rtf/Utf.h"

namespace fs = std::filesystem;

namespace {

using namespace testfiles;

class ProfileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = FreshDirForThisTest("profile");
    file_ = (dir_ / "Parametr.ini").string();
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(dir_);
  }

  fs::path dir_;
  std::string file_;
};

TEST_F(ProfileTest, ANewFileIsWrittenAsTheSettingsWindowSavesIt) {
  TIniFile ini(file_);
  ini.WriteInteger("Form", "colortext", 128);
  ini.WriteString("Form", "shrift", "Arial");
  ini.WriteInteger("Form", "razmertext", 12);
  ini.WriteInteger("Form", "stiltext", 0);
  ini.WriteBool("Form", "shirina", true);
  ini.WriteBool("Form", "zvukklava", true);
  ini.WriteBool("Form", "zvukredak", false);
  ini.WriteBool("Form", "clock", true);
  ini.WriteBool("Form", "Ruler", true);
  ini.WriteInteger("Form", "zvetpoly", 13822463);
  const std::string expected =
      "[Form]\r\ncolortext=128\r\nshrift=Arial\r\nrazmertext=12\r\nstiltext=0\r\nshirina=1\r\n"
      "zvukklava=1\r\nzvukredak=0\r\nclock=1\r\nRuler=1\r\nzvetpoly=13822463\r\n";
  EXPECT_EQ(ReadFile(file_), expected);

  // Saving the same values again changes nothing.
  ini.WriteInteger("Form", "colortext", 128);
  ini.WriteBool("Form", "Ruler", true);
  EXPECT_EQ(ReadFile(file_), expected);
}

TEST_F(ProfileTest, UpdatesInPlaceAppendsNewKeysAndMatchesNamesWithoutCase) {
  WriteFile(file_,
            "; settings\r\n[Other]\r\nclock=7\r\n\r\n[FORM]\r\nRuler = 0\r\nCLOCK=0\r\n\r\n"
            "[Last]\r\nx=1\r\n");
  EXPECT_EQ(GetPrivateProfileString("form", "clock", "d", file_), "0");
  EXPECT_EQ(GetPrivateProfileString("Form", "ruler", "d", file_), "0");
  ASSERT_TRUE(WritePrivateProfileString("Form", "clock", "1", file_));
  ASSERT_TRUE(WritePrivateProfileString("Form", "zvetpoly", "5", file_));
  ASSERT_TRUE(WritePrivateProfileString("New", "k", "v", file_));
  EXPECT_EQ(ReadFile(file_),
            "; settings\r\n[Other]\r\nclock=7\r\n\r\n[FORM]\r\nRuler = 0\r\nCLOCK=1\r\n"
            "zvetpoly=5\r\n\r\n[Last]\r\nx=1\r\n[New]\r\nk=v\r\n");
}

TEST_F(ProfileTest, ReadsValuesAsTheClassicCallDoes) {
  WriteFile(file_,
            "[Form]\nshrift =  Times New Roman  \nquoted=\"a b\"\nsingle='x'\nempty=\n"
            "dup=first\ndup=second\n[Form]\nlate=1\n");
  EXPECT_EQ(GetPrivateProfileString("Form", "shrift", "", file_), "Times New Roman");
  EXPECT_EQ(GetPrivateProfileString("Form", "quoted", "", file_), "a b");
  EXPECT_EQ(GetPrivateProfileString("Form", "single", "", file_), "x");
  EXPECT_EQ(GetPrivateProfileString("Form", "empty", "d", file_), "");
  EXPECT_EQ(GetPrivateProfileString("Form", "dup", "", file_), "first");
  EXPECT_EQ(GetPrivateProfileString("Form", "late", "d", file_), "d");  // only the first section
  EXPECT_EQ(GetPrivateProfileString("Form", "missing", "d", file_), "d");
  EXPECT_EQ(GetPrivateProfileString("Nope", "shrift", "d", file_), "d");
  EXPECT_EQ(GetPrivateProfileString("Form", "shrift", "d", file_ + ".missing"), "d");
  // The result is cut to the buffer, never inside a character.
  EXPECT_EQ(GetPrivateProfileString("Form", "shrift", "", file_, 6), "Times");
  WriteFile(file_, "[Form]\nshrift=Шрифт\n");
  EXPECT_EQ(GetPrivateProfileString("Form", "shrift", "", file_, 4), "Ш");
}

TEST_F(ProfileTest, ReadsAFileWrittenOnARussianWindowsSystem) {
  WriteFile(file_, "[Form]\r\nshrift=\xD2\xE0\xF0\xE2\xE8\xEA\r\n");  // Windows-1251
  EXPECT_EQ(GetPrivateProfileString("Form", "shrift", "", file_), "Тарвик");
  EXPECT_EQ(Cp1251ToUtf8("\xA8\xB8\xB9"), "Ёё№");
  // The same table as documents use: every byte, the one undefined (0x98) keeping its value.
  const rtf::CodePage& cp1251 = rtf::FindCodePage(1251);
  for (int byte = 0x80; byte < 0x100; ++byte) {
    const std::string utf8 = Cp1251ToUtf8(std::string(1, static_cast<char>(byte)));
    EXPECT_EQ(utf8,
              rtf::Utf16ToUtf8(std::u16string(1, cp1251.Decode(static_cast<unsigned char>(byte)))))
        << byte;
  }
  EXPECT_EQ(Cp1251ToUtf8("\x98"), "\xC2\x98");
}

TEST_F(ProfileTest, TypedReadsFollowTheIntegerRules) {
  WriteFile(file_,
            "[Form]\nhex=0x1C\ndollar=$1C\nneg=-5\npt=12pt\nempty=\ntwo=2\nzero=0\n"
            "big=99999999999\nshort=0x\nall=$FFFFFFFF\n");
  TIniFile ini(file_);
  EXPECT_EQ(ini.ReadInteger("Form", "hex", 10), 28);
  EXPECT_EQ(ini.ReadInteger("Form", "dollar", 10), 28);
  EXPECT_EQ(ini.ReadInteger("Form", "neg", 10), -5);
  EXPECT_EQ(ini.ReadInteger("Form", "pt", 10), 10);
  EXPECT_EQ(ini.ReadInteger("Form", "empty", 10), 10);
  EXPECT_EQ(ini.ReadInteger("Form", "big", 10), 10);
  EXPECT_EQ(ini.ReadInteger("Form", "short", 10), 10);
  EXPECT_EQ(ini.ReadInteger("Form", "all", 10), -1);
  EXPECT_EQ(ini.ReadInteger("Form", "missing", 10), 10);
  EXPECT_TRUE(ini.ReadBool("Form", "two", false));
  EXPECT_FALSE(ini.ReadBool("Form", "zero", true));
  EXPECT_TRUE(ini.ReadBool("Form", "empty", true));
  EXPECT_EQ(ini.ReadString("Form", "pt", ""), "12pt");
  EXPECT_EQ(IniStrToIntDef("+7", 0), 7);
  EXPECT_EQ(IniStrToIntDef("-$10", 0), -16);
  EXPECT_EQ(IniStrToIntDef("2147483648", 1), 1);
  EXPECT_EQ(IniStrToIntDef("-2147483648", 1), -2147483648);
}

TEST_F(ProfileTest, RefusesWhatTheFormatCannotHoldAndKeepsTheFile) {
  WriteFile(file_, "[Form]\r\nclock=1\r\n");
  std::string error;
  EXPECT_FALSE(WritePrivateProfileString("Form", "clock", "1\r\nRuler=0", file_, &error));
  EXPECT_NE(error.find("line break"), std::string::npos);
  EXPECT_FALSE(WritePrivateProfileString("Form", "a=b", "1", file_));
  EXPECT_FALSE(WritePrivateProfileString("Form", "[x", "1", file_));
  EXPECT_FALSE(WritePrivateProfileString("Fo]rm", "a", "1", file_));
  EXPECT_FALSE(WritePrivateProfileString("", "a", "1", file_));
  EXPECT_FALSE(WritePrivateProfileString("Form", " a", "1", file_));
  EXPECT_FALSE(WritePrivateProfileString("Form", std::string("a\0b", 3), "1", file_));
  EXPECT_EQ(ReadFile(file_), "[Form]\r\nclock=1\r\n");
  TIniFile ini(file_);
  EXPECT_THROW(ini.WriteString("Form", "clock", "a\nb"), EIniFileException);
}

TEST_F(ProfileTest, AFolderThatCannotBeWrittenGivesTheClassicMessage) {
  // A "folder" that is a file can never be written, whoever runs the test.
  WriteFile(dir_ / "plain", "x");
  TIniFile blocked((dir_ / "plain" / "Parametr.ini").string());
  try {
    blocked.WriteInteger("Form", "clock", 1);
    FAIL();
  } catch (const EIniFileException& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + blocked.FileName());
  }
  EXPECT_EQ(blocked.ReadInteger("Form", "clock", 3), 3);

  // Written by an ordinary user, so that the folder's permissions bind even under root.
  GiveToUnprivileged(dir_);
  const std::string outcome = RunUnprivileged([this] {
    TIniFile ini(file_);
    ini.WriteInteger("Form", "clock", 1);
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    std::string result;
    try {
      ini.WriteInteger("Form", "clock", 0);
      result = "written";
    } catch (const EIniFileException& e) {
      result = e.what();
    }
    return result + "; clock=" + std::to_string(ini.ReadInteger("Form", "clock", 5));
  });
  EXPECT_EQ(outcome, "Unable to write to " + file_ + "; clock=1");  // the old file is intact
  EXPECT_EQ(ReadFile(file_), "[Form]\r\nclock=1\r\n");
}

TEST_F(ProfileTest, AWriteProtectedFileIsNotReplaced) {
  WriteFile(file_, "[Form]\r\nclock=1\r\n");
  fs::permissions(file_, fs::perms::owner_read);
  // The folder is the user's own, so only the file's protection stands in the way of a rename.
  GiveToUnprivileged(dir_);
  GiveToUnprivileged(file_);
  const std::string outcome = RunUnprivileged([this] {
    std::string error;
    const bool written = WritePrivateProfileString("Form", "clock", "0", file_, &error);
    return (written ? std::string("written") : "refused") + ": " + error;
  });
  EXPECT_EQ(outcome, "refused: Cannot create file \"" + file_ + "\". Permission denied");
  EXPECT_EQ(ReadFile(file_), "[Form]\r\nclock=1\r\n");
}

TEST_F(ProfileTest, DamagedFilesReadAsDefaultsAndAreNeverReplacedBlindly) {
  // Binary junk, a lone header, a key with no section, a line without "=".
  const char damaged[] = "\0\xFF[\n=x\n[Form\nclock\nkey=1\n[Form]\nclock=4";
  WriteFile(file_, std::string(damaged, sizeof damaged - 1));
  EXPECT_EQ(GetPrivateProfileString("Form", "clock", "d", file_), "4");
  EXPECT_EQ(GetPrivateProfileString("Form", "key", "d", file_), "d");
  ASSERT_TRUE(WritePrivateProfileString("Form", "clock", "5", file_));
  const std::string after = ReadFile(file_);
  EXPECT_EQ(after.substr(0, 8), std::string("\0\xFF[\n=x\n[", 8));  // what it did not own is kept
  EXPECT_EQ(GetPrivateProfileString("Form", "clock", "d", file_), "5");

  // A file too large to be a profile is read as missing and not rewritten.
  WriteFile(file_, std::string(5u << 20, 'x'));
  EXPECT_EQ(GetPrivateProfileString("Form", "clock", "d", file_), "d");
  EXPECT_FALSE(WritePrivateProfileString("Form", "clock", "1", file_));
  EXPECT_EQ(fs::file_size(file_), 5u << 20);
}

TEST(IniText, KeepsTheLineBreakStyleAndListsKeys) {
  TIniText lf("[A]\nx=1\n");
  ASSERT_TRUE(lf.Write("A", "y", "2"));
  ASSERT_TRUE(lf.Write("B", "z", "3"));
  EXPECT_EQ(lf.Text(), "[A]\nx=1\ny=2\n[B]\nz=3\n");
  EXPECT_EQ(lf.Keys("a"), (std::vector<std::string>{"x", "y"}));
  TIniText fresh("", "\n");
  fresh.Write("S", "k", "v");
  EXPECT_EQ(fresh.Text(), "[S]\nk=v\n");
  EXPECT_EQ(TIniText().LineBreak(), "\r\n");
}

}  // namespace
