// The real font catalog: the families of this machine through the window system, and the
// printer's, which need an installed printer.
#include <gtest/gtest.h>

#include <algorithm>

#include "common/FakeEnvironment.h"
#include "platform/core/Exception.h"
#include "platform/environment/Environment.h"
#include "platform/environment/Printer.h"

namespace {

const TFontFamilyInfo* Find(const std::vector<TFontFamilyInfo>& families, const std::string& name) {
  auto it = std::find_if(families.begin(), families.end(),
                         [&](const TFontFamilyInfo& f) { return f.name == name; });
  return it == families.end() ? nullptr : &*it;
}

TEST(RealFontCatalog, DescribesTheInstalledFamilies) {
  const auto families = TEnvironment::Fonts().ScreenFamilies();
  // The program's fonts (fonts-liberation2) are installed wherever it runs.
  const TFontFamilyInfo* sans = Find(families, "Liberation Sans");
  ASSERT_NE(sans, nullptr);
  EXPECT_EQ(sans->fontType, TRUETYPE_FONTTYPE);
  EXPECT_EQ(sans->charset, ANSI_CHARSET);
  EXPECT_EQ(sans->pitch, fpVariable);
  const TFontFamilyInfo* mono = Find(families, "Liberation Mono");
  ASSERT_NE(mono, nullptr);
  EXPECT_EQ(mono->pitch, fpFixed);
}

TEST(RealFontCatalog, OffersTheClassicFacesUnderTheirOwnNamesWhereAStandInIsInstalled) {
  const auto families = TEnvironment::Fonts().ScreenFamilies();
  struct Row {
    const char* classic;
    TFontPitch pitch;
  };
  const Row rows[] = {
      {"Arial", fpVariable}, {"Courier New", fpFixed}, {"Times New Roman", fpVariable}};
  for (const Row& r : rows) {
    const TFontFamilyInfo* face = Find(families, r.classic);
    ASSERT_NE(face, nullptr) << r.classic;
    EXPECT_EQ(face->fontType, TRUETYPE_FONTTYPE) << r.classic;
    EXPECT_EQ(face->pitch, r.pitch) << r.classic;
    EXPECT_EQ(std::count_if(families.begin(), families.end(),
                            [&](const TFontFamilyInfo& f) { return f.name == r.classic; }),
              1)
        << r.classic;
  }
}

TEST(RealFontCatalog, ThePrinterNeedsAnInstalledPrinter) {
  TPrinter printer;
  if (printer.Printers().empty()) {
    EXPECT_THROW(TEnvironment::Fonts().PrinterFamilies(), Exception);
  } else {
    EXPECT_EQ(TEnvironment::Fonts().PrinterFamilies().size(),
              TEnvironment::Fonts().ScreenFamilies().size());
  }
}

TEST(RealFontCatalog, TheSharedFakeEnvironmentKeepsTheRealFonts) {
  FakeEnvironment env;
  EXPECT_NE(Find(TEnvironment::Fonts().ScreenFamilies(), "Liberation Sans"), nullptr);
}

}  // namespace
