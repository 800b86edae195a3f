// Renders the settings and about windows to PNG files for a person to compare with their
// layouts (<build>/artefacts/settings/), and checks the pixels that the layouts fix exactly.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "controls/TFlatCheckBoxUnit.h"
#include "platform/controls/Image.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Picture.h"
#include "settings_fixture.h"

namespace {

class SettingsArtefacts : public SettingsTest {
 protected:
  // Paints the window as it is on screen, keeps the picture and checks it was written.
  TBitmap Render(TForm& form, const std::string& name) {
    TBitmap face;
    form.PaintTo(face);
    const std::filesystem::path folder =
        std::filesystem::path(TARVIK_BINARY_DIR) / "artefacts" / "settings";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / (name + ".png")).string();
    face.SaveToFile(path);
    EXPECT_TRUE(std::filesystem::exists(path)) << path;
    return face;
  }
  static TColor Pixel(TBitmap& bitmap, int x, int y) { return bitmap.Canvas().Pixels(x, y); }
};

TEST_F(SettingsArtefacts, TheSettingsWindowShowsItsPanelsBordersAndSwatch) {
  ShowSettings();
  TBitmap face = Render(*form2, "settings_window");
  ASSERT_EQ(face.Width(), 204);
  ASSERT_EQ(face.Height(), 372);
  struct Row {
    const char* what;
    int x, y;
    TColor color;
  };
  const Row rows[] = {
      {"window left of the upper panel", 0, 100, 4892159},
      {"window right of the panels", 203, 100, 4892159},
      {"window between the panels", 100, 231, 4892159},
      {"window under the lower panel", 100, 370, 4892159},
      {"upper panel's left border", 2, 115, 27090},
      {"upper panel's left border, middle", 3, 115, 27090},
      {"upper panel's inside", 6, 180, 4892159},
      {"upper panel's right border", 202, 115, 27090},
      {"lower panel's left border", 2, 300, 27090},
      {"lower panel's bottom border", 100, 368, 27090},
      {"swatch face", 2 + 8 + 6, 233 + 93 + 6, 27090},
  };
  for (const Row& r : rows) EXPECT_EQ(Pixel(face, r.x, r.y), r.color) << r.what;
}

TEST_F(SettingsArtefacts, TheSettingsWindowWithClearedBoxes) {
  WriteSettings("[Form]\r\nzvukklava=0\r\nRuler=0\r\ncolortext=128\r\nrazmertext=14\r\n");
  ShowSettings();
  TBitmap face = Render(*form2, "settings_window_cleared_boxes");
  // The cleared box shows no check mark: its inside is one colour; the checked one's is not.
  auto boxInside = [&](TFlatCheckBox* box) {
    const TRect r = box->BoxRect();
    const TPoint origin = {2 + box->Left() + r.Left, 233 + box->Top() + r.Top};
    int marks = 0;
    for (int y = 2; y < r.Height() - 2; ++y)
      for (int x = 2; x < r.Width() - 2; ++x)
        if (Pixel(face, origin.X + x, origin.Y + y) == 16512u) ++marks;
    return marks;
  };
  EXPECT_EQ(boxInside(form2->FlatCheckBox2), 0);
  EXPECT_GT(boxInside(form2->FlatCheckBox1), 0);
}

TEST_F(SettingsArtefacts, TheAboutWindowShowsTheLogoUnscaledInsideItsBorder) {
  auto znak = MakeWindow<TZnak>();
  znak->Show();
  TestInput::ProcessEvents();
  TBitmap face = Render(*znak, "about_window");
  ASSERT_EQ(face.Width(), 265);
  ASSERT_EQ(face.Height(), 224);
  TBitmap logo(200, 30);
  znak->Image1->Picture().Graphic()->Draw(logo.Canvas(), Rect(0, 0, 200, 30));
  int differing = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 200; ++x)
      if (Pixel(face, 24 + x, 4 + y) != Pixel(logo, x, y)) ++differing;
  EXPECT_EQ(differing, 0);
  // The image is wider than the logo: the panel shows beside it.
  EXPECT_EQ(Pixel(face, 24 + 202, 20), 5614335u);
  EXPECT_EQ(Pixel(face, 1, 100), 16512u);    // the border
  EXPECT_EQ(Pixel(face, 263, 100), 16512u);  // the border on the right, at the new width
  EXPECT_EQ(Pixel(face, 5, 135), 5614335u);  // the panel below the notice
}

}  // namespace
