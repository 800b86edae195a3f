// The program icon at every size a desktop asks for, and its vector form.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/TempFiles.h"
#include "platform/graphics/Bitmap.h"
#include "shipped_files.h"

namespace {

class IconSize : public testing::TestWithParam<int> {};

TEST_P(IconSize, PngExistsAndHasItsSize) {
  const int size = GetParam();
  TBitmap icon;
  icon.LoadFromFile(shipped::IconPath(size));
  EXPECT_EQ(icon.Width(), size);
  EXPECT_EQ(icon.Height(), size);
}

TEST_P(IconSize, FileIsAPng) {
  const std::string bytes = testfiles::ReadFile(shipped::IconPath(GetParam()));
  ASSERT_GE(bytes.size(), 8u);
  EXPECT_EQ(bytes.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
}

INSTANTIATE_TEST_SUITE_P(Resources, IconSize, testing::Values(16, 22, 24, 32, 48, 64, 128, 256));

TEST(ScalableIcon, IsTheSvgDrawing) {
  const auto path = shipped::Resources() / "icons/hicolor/scalable/apps/tarvik.svg";
  const std::string text = testfiles::ReadFile(path);
  EXPECT_EQ(text.rfind("<svg", 0), 0u);
  EXPECT_NE(text.find("</svg>"), std::string::npos);
  EXPECT_EQ(text, testfiles::ReadFile(shipped::Resources() / "art/icon.svg"));
}

}  // namespace
