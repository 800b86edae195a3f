// Every layout shipped with the program is built in and loads without error. Layouts of windows
// whose classes this program does not link are parsed here and loaded by the app's tests.
#include <gtest/gtest.h>

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
  if (!report.notRegistered.empty())
    std::cout << "Parsed only (window class not linked here): " << Joined(report.notRegistered);
}

}  // namespace
