// Every layout shipped with the program is built in and loads without error. Layouts of windows
// whose classes this program does not link are parsed here and loaded by the app's tests.
#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>

#include "common/ShippedLayouts.h"

namespace {

std::string Joined(const std::vector<std::string>& lines) {
  std::string all;
  for (const std::string& line : lines) all += line + "\n";
  return all;
}

TEST(ShippedLayouts, AreBuiltInAndLoadAgainstTheirWindowClasses) {
  const ShippedLayoutReport report = CheckShippedLayouts(TARVIK_SOURCE_DIR);
  EXPECT_TRUE(report.failures.empty()) << Joined(report.failures);
  // Every layout file was checked one way or the other, and a layouts folder that yields
  // nothing to check is itself a fault (a renamed extension, a broken glob).
  if (report.failures.empty()) {
    EXPECT_EQ(report.loaded.size() + report.notRegistered.size(), report.files.size());
  }
  const bool folder = std::filesystem::is_directory(std::filesystem::path(TARVIK_SOURCE_DIR) /
                                                    "resources" / "layouts");
  if (folder) {
    EXPECT_FALSE(report.files.empty()) << "resources/layouts holds no .layout file";
  }
  if (!report.notRegistered.empty())
    std::cout << "Parsed only (window class not linked here): " << Joined(report.notRegistered);
}

}  // namespace
