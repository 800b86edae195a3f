// The ruler and the two combo boxes read from a layout with their published properties.
#include <gtest/gtest.h>

#include "combo_fixture.h"
#include "controls/RulerComboLayoutClasses.h"
#include "controls/WordRuler.h"
#include "platform/core/Exception.h"
#include "platform/layout/LayoutClass.h"
#include "platform/layout/LayoutReader.h"

namespace {

class TRulerComboForm : public TForm {
 public:
  using TForm::TForm;
  std::string ClassName() const override { return "TRulerComboForm"; }

  TWordRuler* WordRuler1 = nullptr;
  TColorComboBox* ColorComboBox1 = nullptr;
  TFontComboBox* FontComboBox1 = nullptr;
  TColorComboBox* ColorComboBox2 = nullptr;
  TFontComboBox* FontComboBox2 = nullptr;
  std::vector<std::string> log;

  void WordRuler1Changed(TComponent*) { log.push_back("WordRuler1Changed"); }
  void ColorComboBox1Change(TComponent*) { log.push_back("ColorComboBox1Change"); }
  void FontComboBox1Change(TComponent*) { log.push_back("FontComboBox1Change"); }
};

void RegisterForm() {
  RegisterRulerComboLayoutClasses();
  LayoutClass<TRulerComboForm, TForm>("TRulerComboForm")
      .Field("WordRuler1", &TRulerComboForm::WordRuler1)
      .Field("ColorComboBox1", &TRulerComboForm::ColorComboBox1)
      .Field("FontComboBox1", &TRulerComboForm::FontComboBox1)
      .Field("ColorComboBox2", &TRulerComboForm::ColorComboBox2)
      .Field("FontComboBox2", &TRulerComboForm::FontComboBox2)
      .Handler("WordRuler1Changed", &TRulerComboForm::WordRuler1Changed)
      .Handler("ColorComboBox1Change", &TRulerComboForm::ColorComboBox1Change)
      .Handler("FontComboBox1Change", &TRulerComboForm::FontComboBox1Change);
}

const char* const kLayout = R"(object RulerComboForm: TRulerComboForm
  Left = 10
  Top = 10
  Width = 745
  Height = 300
  object WordRuler1: TWordRuler
    Left = 11
    Top = 121
    Width = 723
    Height = 25
    Align = alTop
    Font.Charset = RUSSIAN_CHARSET
    Font.Color = 14449
    Font.Height = -9
    Font.Name = 'Arial'
    BackColor = 4892159
    RulerColor = 16512
    Framed = True
    MarkerOnTop = True
    Divisions = dvInches
    Direction = rdHorizontal
    OnChanged = WordRuler1Changed
  end
  object ColorComboBox1: TColorComboBox
    Left = 21
    Top = 32
    Width = 150
    Height = 22
    Color = 1149183
    Font.Name = 'Arial'
    Font.Height = -12
    Font.Color = 12900
    TabOrder = 1
    ColorValue = 8421504
    OnChange = ColorComboBox1Change
  end
  object FontComboBox1: TFontComboBox
    Left = 22
    Top = 72
    Width = 150
    Height = 22
    Color = 1149183
    TabOrder = 2
    FontName = 'courier new'
    OnChange = FontComboBox1Change
  end
  object ColorComboBox2: TColorComboBox
    Left = 200
    Top = 32
    Style = csDropDown
    Options = [coIncludeNone, coIncludeDefault]
    DisplayNames = False
    ColorNames.Strings = ('Чёрный' '' 'Зелёный')
  end
  object FontComboBox2: TFontComboBox
    Left = 200
    Top = 72
    Device = fdBoth
    Options = [foTrueTypeOnly, foNoSymbolFonts]
    UseFonts = True
    Style = csSimple
  end
end
)";

class RulerComboLayoutTest : public ComboFixture {
 protected:
  void SetUp() override {
    ComboFixture::SetUp();
    RegisterForm();
  }
};

TEST_F(RulerComboLayoutTest, ReadsEveryPublishedProperty) {
  TRulerComboForm form(nullptr);
  ReadLayoutText(form, kLayout, "RulerComboForm");

  TWordRuler& ruler = *form.WordRuler1;
  EXPECT_EQ(ruler.Align(), alTop);
  EXPECT_EQ(ruler.Height(), 25);
  EXPECT_EQ(ruler.Font().Name(), "Arial");
  EXPECT_EQ(ruler.Font().Height(), -9);
  EXPECT_EQ(ruler.Font().Color(), 14449u);
  EXPECT_EQ(ruler.BackColor(), 4892159u);
  EXPECT_EQ(ruler.RulerColor(), 16512u);
  EXPECT_EQ(ruler.Divisions(), TDivType::dvInches);
  EXPECT_NE(ruler.Marker(TWordRuler::LeftIndentTag), nullptr);
  ASSERT_TRUE(ruler.OnChanged);

  TColorComboBox& colors = *form.ColorComboBox1;
  EXPECT_EQ(colors.ColorValue(), 8421504u);
  EXPECT_EQ(colors.Text(), "Gray");

  TFontComboBox& fonts = *form.FontComboBox1;
  EXPECT_EQ(fonts.FontName(), "Courier New");

  TColorComboBox& colors2 = *form.ColorComboBox2;
  EXPECT_EQ(colors2.Style(), TOwnerDrawComboStyle::csDropDown);
  EXPECT_EQ(colors2.Options(),
            TColorComboOption::coIncludeNone | TColorComboOption::coIncludeDefault);
  EXPECT_FALSE(colors2.DisplayNames());
  EXPECT_EQ(colors2.Items().Count(), 18);
  EXPECT_EQ(colors2.Items().Strings(0), "Чёрный");
  EXPECT_EQ(colors2.Items().Strings(1), "Maroon");
  EXPECT_EQ(colors2.Items().Strings(2), "Зелёный");

  TFontComboBox& fonts2 = *form.FontComboBox2;
  EXPECT_EQ(fonts2.Device(), TFontDevice::fdBoth);
  EXPECT_EQ(fonts2.Options(), TFontListOption::foTrueTypeOnly | TFontListOption::foNoSymbolFonts);
  EXPECT_TRUE(fonts2.UseFonts());
  EXPECT_EQ(fonts2.Style(), TOwnerDrawComboStyle::csSimple);
  EXPECT_EQ(Names(fonts2), (std::vector<std::string>{"Arial", "Courier New", "Times New Roman"}));

  // Nothing fired while reading; the colour list's window, made once the layout is read,
  // selected its colour once. The face was found as given, so the font list kept quiet.
  EXPECT_EQ(form.log, std::vector<std::string>{"ColorComboBox1Change"});
}

TEST_F(RulerComboLayoutTest, UnknownValuesAreNamed) {
  TRulerComboForm form(nullptr);
  const std::string bad = R"(object RulerComboForm: TRulerComboForm
  object WordRuler1: TWordRuler
    Divisions = dvFurlongs
  end
end
)";
  try {
    ReadLayoutText(form, bad, "Bad");
    FAIL() << "no error";
  } catch (const Exception& e) {
    EXPECT_NE(std::string(e.what()).find("dvFurlongs"), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find("dvPixels"), std::string::npos) << e.what();
  }
}

}  // namespace
