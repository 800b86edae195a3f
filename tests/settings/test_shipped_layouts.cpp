// The settings and about windows' layouts, as the program carries them, load into their classes.
#include <gtest/gtest.h>

#include <algorithm>

#include "common/ShippedLayouts.h"
#include "settings_fixture.h"

namespace {

using ShippedSettingsLayouts = SettingsTest;

TEST_F(ShippedSettingsLayouts, TheSettingsAndAboutWindowsLoadFromTheBuiltInLayouts) {
  const ShippedLayoutReport report = CheckShippedLayouts(TARVIK_SOURCE_DIR);
  for (const char* name : {"TForm2", "TZnak"})
    EXPECT_NE(std::find(report.loaded.begin(), report.loaded.end(), name), report.loaded.end())
        << name;
  EXPECT_EQ(report.failures, std::vector<std::string>{});
}

}  // namespace
