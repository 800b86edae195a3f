// Test main for everything that touches the platform layer: a headless application at
// 96 dpi, so pixel checks do not depend on the desktop the tests run on, and a private home, so
// nothing a test does (the file association, a settings file) reaches the user's folders or
// the MIME database another test reads.
#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace {

std::filesystem::path MakePrivateHome() {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "tarvik-test-home-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) return {};
  const std::filesystem::path home = pattern;
  for (const char* sub : {".config", ".local/share"})
    std::filesystem::create_directories(home / sub);
  setenv("XDG_CONFIG_HOME", (home / ".config").c_str(), 1);
  setenv("XDG_DATA_HOME", (home / ".local/share").c_str(), 1);
  return home;
}

}  // namespace

int main(int argc, char** argv) {
  // Test discovery runs the binary without the test environment, so set it here too.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 0);
  setenv("QT_FONT_DPI", "96", 0);
  const std::filesystem::path home = MakePrivateHome();
  ::testing::InitGoogleTest(&argc, argv);
  int result = 0;
  {
    QApplication app(argc, argv);
    result = RUN_ALL_TESTS();
  }
  std::error_code ignored;
  if (!home.empty()) std::filesystem::remove_all(home, ignored);
  return result;
}
