// Every byte of every code-page table against the system's converter (glibc's iconv), so that a
// wrong entry cannot hide; a byte the converter leaves undefined must keep its own value.
#include <gtest/gtest.h>
#include <iconv.h>

#include <cstdio>
#include <string>

#include "platform/rtf/CodePages.h"

namespace {

// The one character iconv makes of byte in `charset`, or -1 when it calls the byte invalid.
int IconvCharacter(const char* charset, unsigned char byte) {
  const iconv_t cd = ::iconv_open("UTF-16LE", charset);
  if (cd == reinterpret_cast<iconv_t>(-1)) return -2;
  char in[1] = {static_cast<char>(byte)};
  char out[16] = {};
  char* inPtr = in;
  char* outPtr = out;
  std::size_t inLeft = 1, outLeft = sizeof out;
  std::size_t done = ::iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  // Converters that combine characters (cp1255, cp1258) hold the last one back until flushed.
  if (done != static_cast<std::size_t>(-1)) done = ::iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
  ::iconv_close(cd);
  const std::size_t produced = sizeof out - outLeft;
  if (done == static_cast<std::size_t>(-1) || produced != 2) return -1;
  return static_cast<unsigned char>(out[0]) | static_cast<unsigned char>(out[1]) << 8;
}

// Where Windows (whose tables RTF producers use) follows a later revision of Apple's mappings
// than glibc: the increment sign and the Apple logo in Mac Roman, the euro in Mac Cyrillic.
struct KnownDifference {
  int page;
  int byte;
  int windows;
};
constexpr KnownDifference kWindowsRevisions[] = {
    {10000, 0xC6, 0x2206},
    {10000, 0xF0, 0xF8FF},
    {10007, 0xFF, 0x20AC},
};

int WindowsRevision(int page, int byte) {
  for (const KnownDifference& d : kWindowsRevisions)
    if (d.page == page && d.byte == byte) return d.windows;
  return -1;
}

struct PageName {
  int number;
  const char* iconvName;
};

constexpr PageName kPages[] = {
    {874, "CP874"},        {1250, "CP1250"},     {1251, "CP1251"},        {1252, "CP1252"},
    {1253, "CP1253"},      {1254, "CP1254"},     {1255, "CP1255"},        {1256, "CP1256"},
    {1257, "CP1257"},      {1258, "CP1258"},     {437, "CP437"},          {850, "CP850"},
    {866, "CP866"},        {10000, "MACINTOSH"}, {10007, "MAC-CYRILLIC"}, {20866, "KOI8-R"},
    {28591, "ISO-8859-1"},
};

class CodePageAgainstIconv : public ::testing::TestWithParam<PageName> {};

TEST_P(CodePageAgainstIconv, EveryByteMeansWhatTheSystemSays) {
  const PageName page = GetParam();
  const rtf::CodePage& table = rtf::FindCodePage(page.number);
  ASSERT_EQ(table.number, page.number);
  int wrong = 0;
  for (int byte = 0; byte < 256; ++byte) {
    const int expected = IconvCharacter(page.iconvName, static_cast<unsigned char>(byte));
    ASSERT_NE(expected, -2) << "iconv has no " << page.iconvName;
    // Undefined bytes keep their value, so that they survive a round trip.
    int want = expected < 0 ? byte : expected;
    if (WindowsRevision(page.number, byte) >= 0) want = WindowsRevision(page.number, byte);
    const int got = table.Decode(static_cast<unsigned char>(byte));
    if (got != want && ++wrong <= 10) {
      char text[96];
      std::snprintf(text, sizeof text, "cp%d byte 0x%02X: table U+%04X, iconv U+%04X", page.number,
                    byte, got, want);
      ADD_FAILURE() << text;
    }
    if (want < 0x80 || expected < 0) continue;
    EXPECT_EQ(table.Encode(static_cast<char16_t>(want)), byte) << "cp" << page.number;
  }
  EXPECT_EQ(wrong, 0);
}

std::string PageTestName(const ::testing::TestParamInfo<PageName>& page) {
  return "cp" + std::to_string(page.param.number);
}

INSTANTIATE_TEST_SUITE_P(AllTables, CodePageAgainstIconv, ::testing::ValuesIn(kPages),
                         PageTestName);

}  // namespace
