// Pictures of the ruler for people to look at: the main window's ruler in every unit, the
// other tick layout, a vertical ruler and pressed markers. Written under
// TARVIK_BINARY_DIR/artefacts/controls_ruler/.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/graphics/Bitmap.h"
#include "ruler_fixture.h"

namespace {

std::string ArtefactPath(const std::string& name) {
  const std::filesystem::path dir =
      std::filesystem::path(TARVIK_BINARY_DIR) / "artefacts" / "controls_ruler";
  std::filesystem::create_directories(dir);
  return (dir / name).string();
}

class RulerArtefacts : public RulerTest {
 protected:
  // The ruler as the main window sets it up.
  void SetUp() override {
    RulerTest::SetUp();
    ruler_->SetBounds(11, 10, 723, 25);
    TFont font;
    font.SetName("Arial");
    font.SetHeight(-9);
    font.SetColor(14449);
    font.SetCharset(RUSSIAN_CHARSET);
    ruler_->SetFont(font);
    ruler_->SetBackColor(4892159);
    ruler_->SetRulerColor(16512);
  }
  void Save(const std::string& name) {
    TBitmap face;
    ruler_->PaintTo(face);
    const std::string path = ArtefactPath(name);
    face.SaveToFile(path);
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(face.Width(), ruler_->Width());
  }
};

TEST_F(RulerArtefacts, MainWindowRulerInEveryUnit) {
  const std::pair<TDivType, const char*> units[] = {{TDivType::dvPixels, "pixels"},
                                                    {TDivType::dvInches, "inches"},
                                                    {TDivType::dvCentimeters, "centimetres"},
                                                    {TDivType::dvPicas, "picas"}};
  for (const auto& [divisions, name] : units) {
    ruler_->SetDivisions(divisions);
    ruler_->SetMarkerOnTop(true);
    Save(std::string("ruler_") + name + ".png");
    ruler_->SetMarkerOnTop(false);
    Save(std::string("ruler_") + name + "_marker_below.png");
  }
}

TEST_F(RulerArtefacts, DraggedAndPressedMarkers) {
  Drag(OnFirstLine(), 40);
  Drag(Point(4, 23), 20);  // by the box: carries the first-line marker
  Drag(Point(718, 15), -300);
  TestInput::MouseDown(ruler_, mbLeft, Point(24, 15));
  Save("ruler_pressed_left_indent.png");
  TestInput::MouseUp(ruler_, mbLeft, Point(24, 15));
  Save("ruler_dragged.png");
}

TEST_F(RulerArtefacts, VerticalRuler) {
  ruler_->SetDirection(TRulerDir::rdVertical);
  ruler_->SetBounds(11, 10, 30, 300);
  Save("ruler_vertical.png");
  ruler_->SetDivisions(TDivType::dvCentimeters);
  ruler_->SetMarkerOnTop(false);
  Save("ruler_vertical_centimetres_marker_below.png");
}

}  // namespace
