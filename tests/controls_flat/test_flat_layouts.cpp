// The flat controls read from window layouts under their own class and property names.
#include <cstdio>

#include "controls/FlatLayoutClasses.h"
#include "controls/TFlatButtonUnit.h"
#include "controls/TFlatCheckBoxUnit.h"
#include "controls/TFlatHintUnit.h"
#include "flat_fixture.h"
#include "platform/core/Stream.h"
#include "platform/graphics/Graphic.h"
#include "platform/layout/LayoutReader.h"
#include "platform/layout/LayoutValue.h"

namespace {

// A glyph strip in its stored layout form: "{ hex bytes }".
std::string StoredGlyph(int width, int height) {
  TBitmap glyph(width, height);
  TMemoryStream stream;
  glyph.SaveToStream(stream);
  const std::vector<std::uint8_t> stored = MakeStoredPicture("TBitmap", stream.Data());
  std::string hex = "{";
  char digits[3];
  for (std::uint8_t b : stored) {
    std::snprintf(digits, sizeof digits, "%02X", b);
    hex += digits;
  }
  return hex + "}";
}

class FlatLayoutTest : public FlatTest {
 protected:
  void SetUp() override {
    FlatTest::SetUp();
    RegisterFlatLayoutClasses();
    RegisterFlatLayoutClasses();  // a second run adds nothing and breaks nothing
  }
  template <class T>
  T* Find(TComponent& root, const std::string& name) {
    return dynamic_cast<T*>(root.FindComponent(name));
  }
  std::string ErrorOf(const std::string& text) {
    TForm window(nullptr);
    try {
      ReadLayoutText(window, text, "Test");
    } catch (const EInvalidLayout& e) {
      return e.what();
    }
    return "";
  }
};

TEST_F(FlatLayoutTest, ReadsEveryPublishedPropertyOfTheFlatControls) {
  const std::string text =
      "object Form1: TForm\n"
      "  Color = 25284\n"
      "  object FlatButton1: TFlatButton\n"
      "    Left = 10\n    Top = 20\n    Width = 75\n    Height = 25\n"
      "    AllowAllUp = True\n"
      "    ColorFocused = 1\n    ColorDown = 2\n    ColorBorder = 3\n"
      "    ColorHighLight = 4\n    ColorShadow = 5\n"
      "    AdvColorFocused = 20\n    AdvColorDown = 30\n    AdvColorBorder = 40\n"
      "    UseAdvColors = False\n"
      "    GroupIndex = 1\n    Down = True\n"
      "    Caption = '&Файл'\n"
      "    Glyph.Data = " +
      StoredGlyph(60, 20) +
      "\n"
      "    Layout = blGlyphLeft\n    Margin = 2\n    Spacing = 3\n"
      "    ModalResult = mrOk\n"
      "    ParentShowHint = False\n    ShowHint = True\n    Hint = 'Файл|Меню файла'\n"
      "    TabStop = True\n"
      "  end\n"
      "  object FlatButton2: TFlatButton\n"
      "    NumGlyphs = 2\n    Enabled = False\n    Visible = False\n"
      "  end\n"
      "  object FlatCheckBox1: TFlatCheckBox\n"
      "    Width = 145\n    Caption = 'Звук'\n    Checked = True\n"
      "    ColorFocused = 6\n    ColorDown = 7\n    ColorCheck = 8\n    ColorBorder = 9\n"
      "    AdvColorFocused = 1\n    AdvColorDown = 2\n    AdvColorBorder = 3\n"
      "    UseAdvColors = True\n    Layout = checkboxRight\n    TabOrder = 0\n"
      "  end\n"
      "  object FlatHint1: TFlatHint\n"
      "    ColorBackground = 11064319\n    ColorBorder = 16512\n"
      "    ColorArrowBackground = 3119103\n    ColorArrow = 16512\n"
      "    MaxHintWidth = 200\n"
      "    Font.Charset = RUSSIAN_CHARSET\n    Font.Color = 13158\n    Font.Height = -11\n"
      "    Font.Name = 'Arial'\n    Font.Style = [fsBold]\n"
      "  end\n"
      "end\n";
  TForm window(nullptr);
  ReadLayoutText(window, text, "Form1");
  auto* b = Find<TFlatButton>(window, "FlatButton1");
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->Parent(), &window);
  EXPECT_EQ(b->BoundsRect(), Bounds(10, 20, 75, 25));
  EXPECT_TRUE(b->AllowAllUp());
  EXPECT_EQ(b->ColorFocused(), 1u);
  EXPECT_EQ(b->ColorDown(), 2u);
  EXPECT_EQ(b->ColorBorder(), 3u);
  EXPECT_EQ(b->ColorHighLight(), 4u);
  EXPECT_EQ(b->ColorShadow(), 5u);
  EXPECT_EQ(b->AdvColorFocused(), 20);
  EXPECT_EQ(b->AdvColorDown(), 30);
  EXPECT_EQ(b->AdvColorBorder(), 40);
  EXPECT_EQ(b->GroupIndex(), 1);
  EXPECT_TRUE(b->Down());
  EXPECT_EQ(b->Caption(), "&Файл");
  EXPECT_EQ(b->Glyph().Width(), 60);
  EXPECT_EQ(b->NumGlyphs(), 3);  // from the glyph's width
  EXPECT_EQ(b->Layout(), TButtonLayout::blGlyphLeft);
  EXPECT_EQ(b->Margin(), 2);
  EXPECT_EQ(b->Spacing(), 3);
  EXPECT_EQ(b->ModalResult(), mrOk);
  EXPECT_TRUE(b->ShowHint());
  EXPECT_TRUE(b->TabStop());
  EXPECT_EQ(b->Color(), 25284u);  // ParentColor
  auto* b2 = Find<TFlatButton>(window, "FlatButton2");
  ASSERT_NE(b2, nullptr);
  EXPECT_EQ(b2->NumGlyphs(), 2);
  EXPECT_FALSE(b2->Enabled());
  EXPECT_FALSE(b2->Visible());
  auto* c = Find<TFlatCheckBox>(window, "FlatCheckBox1");
  ASSERT_NE(c, nullptr);
  EXPECT_TRUE(c->Checked());
  EXPECT_EQ(c->Caption(), "Звук");
  EXPECT_EQ(c->ColorCheck(), 8u);
  EXPECT_EQ(c->Layout(), TCheckBoxLayout::checkboxRight);
  EXPECT_TRUE(c->UseAdvColors());
  EXPECT_EQ(c->AdvColorDown(), 2);
  // Derived from the window's colour once the layout is loaded.
  EXPECT_EQ(c->Color(), 25284u);
  EXPECT_EQ(c->ColorDown(), CalcAdvancedColor(25284, 0, 2, TColorCalcType::darken));
  EXPECT_EQ(c->ColorBorder(), CalcAdvancedColor(25284, 0, 3, TColorCalcType::darken));
  EXPECT_EQ(c->ColorFocused(), CalcAdvancedColor(25284, 0, 1, TColorCalcType::lighten));
  auto* h = Find<TFlatHint>(window, "FlatHint1");
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(h->ColorBackground(), 11064319u);
  EXPECT_EQ(h->ColorBorder(), 16512u);
  EXPECT_EQ(h->ColorArrowBackground(), 3119103u);
  EXPECT_EQ(h->ColorArrow(), 16512u);
  EXPECT_EQ(h->MaxHintWidth(), 200);
  EXPECT_EQ(h->Font().Name(), "Arial");
  EXPECT_EQ(h->Font().Height(), -11);
  EXPECT_EQ(h->Font().Style(), unsigned(fsBold));
  EXPECT_EQ(h->Font().Color(), 13158u);
  EXPECT_EQ(h->Font().Charset(), RUSSIAN_CHARSET);
}

TEST_F(FlatLayoutTest, OutOfRangeValuesNameTheirLine) {
  const std::string glyphs =
      ErrorOf("object F: TForm\n  object B: TFlatButton\n    NumGlyphs = 5\n  end\nend");
  EXPECT_NE(glyphs.find("line 3"), std::string::npos) << glyphs;
  EXPECT_NE(glyphs.find("NumGlyphs"), std::string::npos) << glyphs;
  const std::string percent =
      ErrorOf("object F: TForm\n  object C: TFlatCheckBox\n    AdvColorDown = 101\n  end\nend");
  EXPECT_NE(percent.find("line 3"), std::string::npos) << percent;
  const std::string layout =
      ErrorOf("object F: TForm\n  object C: TFlatCheckBox\n    Layout = blGlyphTop\n  end\nend");
  EXPECT_NE(layout.find("checkboxLeft, checkboxRight"), std::string::npos) << layout;
  const std::string width =
      ErrorOf("object F: TForm\n  object H: TFlatHint\n    MaxHintWidth = 10\n  end\nend");
  EXPECT_NE(width.find("line 3"), std::string::npos) << width;
}

}  // namespace
