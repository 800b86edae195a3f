// Renders every flat control in each of its states into PNG files for a person to look at
// (artefacts/controls_flat/ in the build folder), checking only that each face was painted.
#include "controls/TFlatButtonUnit.h"
#include "controls/TFlatCheckBoxUnit.h"
#include "controls/TFlatHintUnit.h"
#include "flat_fixture.h"

namespace {

using namespace TestInput;

// Four 16 x 16 cells: a black arrow on white, a grey one, a dark blue one, a red one.
TBitmap GlyphStrip() {
  const TColor inks[] = {clBlack, clGray, clNavy, clMaroon};
  TBitmap strip(64, 16);
  for (int cell = 0; cell < 4; ++cell) {
    TCanvas& c = strip.Canvas();
    c.Brush().SetColor(inks[cell]);
    const int x = cell * 16;
    c.Polygon({Point(x + 3, 8), Point(x + 9, 2), Point(x + 9, 6), Point(x + 13, 6),
               Point(x + 13, 10), Point(x + 9, 10), Point(x + 9, 14)});
  }
  return strip;
}

class FlatArtefacts : public FlatTest {
 protected:
  void Save(TControl* control, const std::string& name) {
    TBitmap face = Face(control);
    ASSERT_GT(face.Width(), 0);
    SaveArtefact(face, name);
  }
};

TEST_F(FlatArtefacts, FlatButtonStates) {
  const TBitmap strip = GlyphStrip();
  for (int glyphs : {0, 1, 4}) {
    const std::string prefix = "button_" + std::to_string(glyphs) + "glyphs_";
    auto* b = new TFlatButton(form.get());
    b->SetBounds(10, 10, 90, 40);
    b->SetParent(form.get());
    b->SetCaption("&Файл");
    b->SetLayout(TButtonLayout::blGlyphLeft);
    if (glyphs == 1) {
      TBitmap one(16, 16);
      one.Canvas().CopyRect(Rect(0, 0, 16, 16), const_cast<TBitmap&>(strip).Canvas(),
                            Rect(0, 0, 16, 16));
      b->SetGlyph(one);
    } else if (glyphs == 4) {
      b->SetGlyph(strip);
    }
    ShowForm();
    Save(b, prefix + "up");
    MouseMove(b, Point(20, 20));
    Save(b, prefix + "hover");
    MouseDown(b, mbLeft, Point(20, 20));
    Save(b, prefix + "pressed");
    MouseUp(b, mbLeft, Point(20, 20));
    b->SetGroupIndex(1);
    b->SetDown(true);
    Save(b, prefix + "latched_hover");
    MouseMove(form.get(), Point(300, 250));
    b->SetEnabled(false);
    Save(b, prefix + "disabled");
    b->SetEnabled(true);
    Save(b, prefix + "latched");
    delete b;
  }
}

TEST_F(FlatArtefacts, FlatCheckBoxStates) {
  for (TCheckBoxLayout layout : {TCheckBoxLayout::checkboxLeft, TCheckBoxLayout::checkboxRight}) {
    const std::string prefix =
        layout == TCheckBoxLayout::checkboxLeft ? "checkbox_left_" : "checkbox_right_";
    auto* c = new TFlatCheckBox(form.get());
    c->SetBounds(10, 10, 145, 17);
    c->SetParent(form.get());
    c->SetCaption("Звук при &нажатии");
    c->SetLayout(layout);
    ShowForm();
    Save(c, prefix + "unchecked");
    c->SetChecked(true);
    Save(c, prefix + "checked");
    MouseMove(c, Point(40, 8));
    Save(c, prefix + "hover");
    MouseDown(c, mbLeft, Point(40, 8));
    Save(c, prefix + "pressed");
    MouseUp(c, mbLeft, Point(40, 8));
    c->SetChecked(true);
    MouseMove(form.get(), Point(300, 250));
    c->SetEnabled(false);
    Save(c, prefix + "disabled");
    delete c;
  }
  auto* wrapped = new TFlatCheckBox(form.get());
  wrapped->SetBounds(10, 40, 121, 34);
  wrapped->SetParent(form.get());
  wrapped->SetCaption("Звуковое сопровождение клавиатуры");
  Save(wrapped, "checkbox_wrapped");
}

TEST_F(FlatArtefacts, FlatHintPlacements) {
  TForm* main = nullptr;
  Application->CreateForm(main);
  auto* hint = new TFlatHint(main);
  hint->SetColorBackground(11064319);
  hint->SetColorBorder(16512);
  hint->SetColorArrowBackground(3119103);
  hint->SetColorArrow(16512);
  hint->Font().SetName("Arial");
  hint->Font().SetHeight(-11);
  hint->Font().SetStyle(fsBold);
  hint->Font().SetColor(13158);
  hint->Font().SetCharset(RUSSIAN_CHARSET);
  const int sw = Screen->Width();
  const int sh = Screen->Height();
  const std::pair<TPoint, const char*> spots[] = {{{sw - 50, 50}, "hint_0_top_right"},
                                                  {{50, 50}, "hint_1_top_left"},
                                                  {{sw - 50, sh - 50}, "hint_2_bottom_right"},
                                                  {{50, sh - 50}, "hint_3_bottom_left"}};
  for (const auto& [cursor, name] : spots) {
    Screen->SetCursorPos(cursor);
    TFlatHintWindow window(nullptr);
    window.ActivateHint(Bounds(cursor.X, cursor.Y, 0, 0), "Новый документ");
    Save(&window, name);
  }
  Screen->SetCursorPos(Point(50, 50));
  TFlatHintWindow window(nullptr);
  window.ActivateHint(Bounds(50, 50, 0, 0),
                      "Открыть существующий документ с диска или из сети & напечатать");
  Save(&window, "hint_wrapped");
}

}  // namespace
