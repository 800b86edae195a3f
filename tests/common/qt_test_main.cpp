// Test main for everything that touches the platform layer: a headless application at
// 96 dpi, so pixel checks do not depend on the desktop the tests run on.
#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  // Test discovery runs the binary without the test environment, so set it here too.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 0);
  setenv("QT_FONT_DPI", "96", 0);
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
