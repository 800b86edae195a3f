// Pictures of the colour and font lists as the settings window shows them, closed and open,
// for people to look at. The open list is composed from the control's own entry painting
// (every entry, the chosen one highlighted) under the closed face, inside a one-pixel frame.
// Written under TARVIK_BINARY_DIR/artefacts/controls_ruler/.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "combo_fixture.h"

namespace {

std::string ArtefactPath(const std::string& name) {
  const std::filesystem::path dir =
      std::filesystem::path(TARVIK_BINARY_DIR) / "artefacts" / "controls_ruler";
  std::filesystem::create_directories(dir);
  return (dir / name).string();
}

// The closed face with every entry drawn below it, as an open list would show them.
template <class Combo>
TBitmap DroppedDown(Combo& combo) {
  TBitmap face;
  combo.PaintTo(face);
  const int itemHeight = combo.ItemHeight();
  const int count = combo.Items().Count();
  TBitmap picture(face.Width(), face.Height() + count * itemHeight + 2);
  TCanvas& canvas = picture.Canvas();
  canvas.Draw(0, 0, face);
  const TRect list = Rect(0, face.Height(), face.Width(), picture.Height());
  canvas.Brush().SetColor(clWindowFrame);
  canvas.FrameRect(list);
  for (int i = 0; i < count; ++i) {
    const TRect entry =
        Rect(1, list.Top + 1 + i * itemHeight, list.Right - 1, list.Top + 1 + (i + 1) * itemHeight);
    combo.PaintEntry(canvas, i, entry, i == combo.ItemIndex() ? TOwnerDrawState{odSelected} : 0);
  }
  return picture;
}

void Save(TBitmap& picture, const std::string& name) {
  const std::string path = ArtefactPath(name);
  picture.SaveToFile(path);
  EXPECT_TRUE(std::filesystem::exists(path)) << path;
}

class ComboArtefacts : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    form_ = MakeForm(100, 100, 400, 300);
    form_->SetColor(1149183);
    form_->Show();
  }
  template <class Combo>
  Combo* Place(Combo* combo, int left, int top, TColor fontColor) {
    combo->SetParent(form_.get());
    combo->SetBounds(left, top, 150, 22);
    combo->SetColor(1149183);
    TFont font;
    font.SetName("Arial");
    font.SetHeight(-12);
    font.SetColor(fontColor);
    combo->SetFont(font);
    return combo;
  }
  std::unique_ptr<TForm> form_;
};

TEST_F(ComboArtefacts, ColourList) {
  auto* combo = Place(new ColorComboProbe(form_.get()), 21, 32, 12900);
  combo->SetColorValue(clNavy);
  TBitmap closed;
  combo->PaintTo(closed);
  Save(closed, "colour_combo.png");
  TBitmap open = DroppedDown(*combo);
  EXPECT_EQ(open.Height(), closed.Height() + 16 * combo->ItemHeight() + 2);
  Save(open, "colour_combo_dropped_down.png");
  combo->SetOptions(TColorComboOption::coIncludeNone | TColorComboOption::coIncludeDefault);
  combo->SetDisplayNames(false);
  TBitmap swatches = DroppedDown(*combo);
  Save(swatches, "colour_combo_no_names_with_none_and_default.png");
}

TEST_F(ComboArtefacts, FontListOfThisMachine) {
  auto* combo = Place(new FontComboProbe(form_.get()), 22, 72, 11867);
  combo->SetFontName("Liberation Sans");
  TBitmap closed;
  combo->PaintTo(closed);
  Save(closed, "font_combo.png");
  TBitmap open = DroppedDown(*combo);
  Save(open, "font_combo_dropped_down.png");
  combo->SetUseFonts(true);
  TBitmap faces = DroppedDown(*combo);
  Save(faces, "font_combo_use_fonts.png");
}

TEST_F(ComboArtefacts, FontListWithEveryPicture) {
  FakeFontCatalog fonts;
  fonts.screen = {FakeFontCatalog::Family("Arial", 4), FakeFontCatalog::Family("Courier", 2),
                  FakeFontCatalog::Family("MS Sans Serif", 1),
                  FakeFontCatalog::Family("Symbol", 4, SYMBOL_CHARSET)};
  auto* combo = Place(new FontComboProbe(form_.get()), 22, 72, 11867);
  combo->SetFontName("courier");
  TBitmap open = DroppedDown(*combo);
  Save(open, "font_combo_pictures.png");
}

}  // namespace
