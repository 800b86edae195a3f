// The main window and the prompts as their layouts build them: every window and the program's
// layouts load, the controls stand where they should at the design size, with their colours,
// fonts, hints and pictures, and the pictures in the layouts are those of the picture files.
#include <fstream>
#include <sstream>

#include "AppFixture.h"
#include "common/ShippedLayouts.h"
#include "controls/RbPanel.h"
#include "controls/SmoothPanel.h"
#include "controls/TFlatButtonUnit.h"
#include "controls/TFlatHintUnit.h"
#include "controls/VasPanel.h"
#include "controls/WordRuler.h"
#include "platform/controls/Image.h"
#include "platform/controls/Label.h"
#include "platform/controls/StatusBar.h"
#include "platform/graphics/Graphic.h"
#include "platform/layout/LayoutParser.h"

namespace {

class LayoutTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    WriteSettings("[Form]\nshirina=0\nclock=1\nRuler=1\n");
    form1->Show();
  }
  TControl* Find(const std::string& name) {
    TComponent* c = form1->FindComponent(name);
    return dynamic_cast<TControl*>(c);
  }
};

TEST(AppLayouts, EveryShippedLayoutOfTheProgramsWindowsLoads) {
  RegisterAppLayoutClasses();
  const ShippedLayoutReport report = CheckShippedLayouts(TARVIK_SOURCE_DIR);
  EXPECT_EQ(report.failures, std::vector<std::string>{});
  for (const char* name : {"TForm1", "TForm4", "TForm5", "TForm6"})
    EXPECT_NE(std::find(report.loaded.begin(), report.loaded.end(), name), report.loaded.end())
        << name;
}

struct Placement {
  const char* name;
  int left, top, width, height;
};

TEST_F(LayoutTest, ControlsStandWhereTheDesignPutsThem) {
  const Placement expected[] = {
      {"RbPanel1", 0, 0, 745, 498},     {"SmoothPanel1", 11, 11, 723, 33},
      {"Image1", 8, 3, 26, 26},         {"Image2", 40, 5, 185, 25},
      {"SmoothPanel3", 623, 5, 95, 23}, {"FlatButton25", 4, 3, 15, 15},
      {"FlatButton26", 26, 3, 15, 15},  {"FlatButton27", 48, 3, 15, 15},
      {"FlatButton24", 70, 3, 15, 15},  {"SmoothPanel2", 11, 44, 723, 77},
      {"SmoothPanel4", 621, 6, 85, 18}, {"WordRuler1", 11, 121, 723, 25},
      {"RichEdit1", 11, 146, 723, 322}, {"StatusBar1", 11, 468, 723, 19},
  };
  EXPECT_EQ(form1->ClientWidth(), 745);
  EXPECT_EQ(form1->ClientHeight(), 498);
  for (const Placement& b : expected) {
    TControl* c = Find(b.name);
    ASSERT_NE(c, nullptr) << b.name;
    EXPECT_EQ(c->Left(), b.left) << b.name;
    EXPECT_EQ(c->Top(), b.top) << b.name;
    EXPECT_EQ(c->Width(), b.width) << b.name;
    EXPECT_EQ(c->Height(), b.height) << b.name;
  }
}

TEST_F(LayoutTest, ToolbarButtonsFollowTheirSpacing) {
  for (int n = 1; n <= 16; ++n) {
    auto* b = dynamic_cast<TFlatButton*>(Find("FlatButton" + std::to_string(n)));
    ASSERT_NE(b, nullptr) << n;
    EXPECT_EQ(b->BoundsRect(), Bounds(5 + 44 * (n - 1), 29, 46, 46)) << n;
    EXPECT_EQ(b->Parent(), form1->SmoothPanel2);
    EXPECT_EQ(b->Cursor(), crHandPoint);
    for (TColor c : {b->Color(), b->ColorFocused(), b->ColorDown(), b->ColorBorder(),
                     b->ColorHighLight(), b->ColorShadow()})
      EXPECT_EQ(c, 6205183u) << n;
    EXPECT_TRUE(b->ShowHint());
    EXPECT_FALSE(b->ParentShowHint());
    EXPECT_EQ(b->Glyph().Width(), 40);
    EXPECT_EQ(b->Glyph().Height(), 40);
  }
  for (int n = 17; n <= 23; ++n) {
    auto* b = dynamic_cast<TFlatButton*>(Find("FlatButton" + std::to_string(n)));
    ASSERT_NE(b, nullptr) << n;
    EXPECT_EQ(b->BoundsRect(), Bounds(7 + 88 * (n - 17), 8, 85, 16)) << n;
    EXPECT_EQ(b->Color(), 3119103u);
    EXPECT_EQ(b->ColorFocused(), 4892159u);
    EXPECT_EQ(b->ColorDown(), 1149183u);
    EXPECT_EQ(b->ColorBorder(), 1411839u);
    EXPECT_EQ(b->ColorHighLight(), 9685503u);
    EXPECT_EQ(b->ColorShadow(), 27090u);
    EXPECT_EQ(b->Font().Name(), "Arial");
    EXPECT_EQ(b->Font().Height(), -11);
    EXPECT_EQ(b->Font().Style(), fsBold);
    EXPECT_EQ(b->Font().Color(), 16512u);
    EXPECT_EQ(b->Font().Charset(), RUSSIAN_CHARSET);
    EXPECT_EQ(b->Hint(), "");
  }
}

TEST_F(LayoutTest, MenuButtonCaptionsAndFileButtonHints) {
  const std::pair<const char*, const char*> captions[] = {
      {"FlatButton17", "Файл"},       {"FlatButton18", "Правка"},    {"FlatButton19", "Вставка"},
      {"FlatButton20", "Инструмент"}, {"FlatButton21", "Настройка"}, {"FlatButton22", "Поиск"},
      {"FlatButton23", "О программе"}};
  for (const auto& [name, caption] : captions) EXPECT_EQ(Find(name)->Caption(), caption);
  const std::pair<const char*, const char*> hints[] = {
      {"FlatButton1", "Новый документ|Открыть новый документ"},
      {"FlatButton2", "Открыть документ|Открыть существующий документ"},
      {"FlatButton3", "Сохранить|Сохранить документ"},
      {"FlatButton4", "Копировать|Копировать текст"},
      {"FlatButton7", "Очистить|Очистить поле от текста"},
      {"FlatButton9", "Отменить|Отменить последнее действие"},
      {"FlatButton16", "Отступ справа|Отступ с правого края"}};
  for (const auto& [name, hint] : hints) EXPECT_EQ(Find(name)->Hint(), hint) << name;
}

TEST_F(LayoutTest, WindowButtonsCarryTheirGlyphsAndTheTitleBarColour) {
  for (const char* name : {"FlatButton24", "FlatButton25", "FlatButton26", "FlatButton27"}) {
    auto* b = dynamic_cast<TFlatButton*>(Find(name));
    ASSERT_NE(b, nullptr);
    for (TColor c : {b->Color(), b->ColorFocused(), b->ColorDown(), b->ColorBorder(),
                     b->ColorHighLight(), b->ColorShadow()})
      EXPECT_EQ(c, 3644415u) << name;
    EXPECT_EQ(b->Glyph().Width(), 14) << name;
    EXPECT_EQ(b->Glyph().Height(), 14) << name;
    EXPECT_EQ(b->Caption(), "") << name;
    EXPECT_EQ(b->Hint(), "") << name;
    EXPECT_EQ(b->Cursor(), crHandPoint) << name;
  }
  EXPECT_EQ(form1->Image1->Picture().Width(), 25);
  EXPECT_EQ(form1->Image2->Picture().Width(), 180);
  EXPECT_EQ(form1->Image2->Picture().Height(), 25);
}

TEST_F(LayoutTest, PanelsEditorAndStatusBarColoursAndFonts) {
  EXPECT_EQ(form1->BorderStyle(), TFormBorderStyle::bsNone);
  EXPECT_EQ(form1->Caption(), "Form1");
  EXPECT_EQ(form1->RbPanel1->Color(), 25284u);
  EXPECT_EQ(form1->RbPanel1->BorderColor(), 1871359u);
  EXPECT_EQ(form1->RbPanel1->CornerWidth(), 10);
  EXPECT_EQ(form1->RbPanel1->BorderWidth(), 10);
  EXPECT_EQ(form1->SmoothPanel1->Color(), 3644415u);
  EXPECT_EQ(form1->SmoothPanel2->Color(), 6205183u);
  EXPECT_EQ(form1->SmoothPanel4->Color(), 3119103u);
  EXPECT_EQ(form1->SmoothPanel4->Font().Height(), -13);
  EXPECT_EQ(form1->SmoothPanel4->Cursor(), crHandPoint);
  EXPECT_EQ(form1->WordRuler1->BackColor(), 4892159u);
  EXPECT_EQ(form1->WordRuler1->RulerColor(), 16512u);
  EXPECT_EQ(form1->WordRuler1->Font().Height(), -9);
  EXPECT_EQ(form1->WordRuler1->Font().Color(), 14449u);
  EXPECT_EQ(Editor().ScrollBars(), ssBoth);
  EXPECT_TRUE(Editor().WordWrap());
  EXPECT_FALSE(Editor().PlainText());
  EXPECT_EQ(form1->StatusBar1->Color(), 9685503u);
  EXPECT_TRUE(form1->StatusBar1->AutoHint());
  ASSERT_EQ(form1->StatusBar1->Panels().Count(), 2);
  EXPECT_EQ(form1->StatusBar1->Panels()[0].Width(), 300);
  EXPECT_EQ(form1->StatusBar1->Panels()[1].Width(), 50);
  EXPECT_EQ(form1->FlatHint1->ColorBackground(), 11064319u);
  EXPECT_EQ(form1->FlatHint1->ColorBorder(), 16512u);
  EXPECT_EQ(form1->FlatHint1->ColorArrowBackground(), 3119103u);
  EXPECT_EQ(form1->FlatHint1->ColorArrow(), 16512u);
  EXPECT_EQ(form1->FlatHint1->Font().Color(), 13158u);
  EXPECT_EQ(form1->FlatHint1->Font().Style(), fsBold);
}

TEST_F(LayoutTest, PromptsHaveTheirTextButtonsAndLogo) {
  struct PromptCase {
    TSavePrompt* prompt;
    int width, height;
    std::vector<std::pair<std::string, int>> buttons;  // name, left
  };
  const PromptCase cases[] = {
      {form4.get(), 261, 109, {{"FlatButton1", 12}, {"FlatButton2", 92}, {"FlatButton3", 172}}},
      {form5.get(), 254, 104, {{"FlatButton4", 9}, {"FlatButton5", 89}, {"FlatButton6", 169}}},
      {form6.get(), 254, 105, {{"FlatButton4", 9}, {"FlatButton5", 89}, {"FlatButton6", 169}}}};
  const char* captions[] = {"Сохранить", "Нет", "Отмена"};
  for (const PromptCase& c : cases) {
    EXPECT_EQ(c.prompt->ClientWidth(), c.width);
    EXPECT_EQ(c.prompt->ClientHeight(), c.height);
    EXPECT_EQ(c.prompt->Label1->Caption(), "Вы хотите сохранить документ ?");
    EXPECT_EQ(c.prompt->Label1->BoundsRect(), Bounds(24, 48, 214, 15));
    EXPECT_EQ(c.prompt->VasPanel1->BoundsRect(), Bounds(5, 5, c.width - 10, 29));
    EXPECT_EQ(c.prompt->VasPanel1->Color(), 3972607u);
    EXPECT_EQ(c.prompt->Image1->BoundsRect(), Bounds(4, 4, 95, 22));
    EXPECT_EQ(c.prompt->RbPanel1->Color(), 5876991u);
    EXPECT_EQ(c.prompt->RbPanel1->BorderWidth(), 4);
    EXPECT_EQ(c.prompt->RbPanel1->BorderColor(), 16512u);
    EXPECT_EQ(c.prompt->Caption(), "Form" + c.prompt->ClassName().substr(5));
    EXPECT_EQ(c.prompt->Image1->Picture().Width(), 90);
    EXPECT_EQ(c.prompt->Image1->Picture().Height(), 20);
    for (std::size_t i = 0; i < 3; ++i) {
      auto* b = dynamic_cast<TFlatButton*>(c.prompt->FindComponent(c.buttons[i].first));
      ASSERT_NE(b, nullptr);
      EXPECT_EQ(b->BoundsRect(), Bounds(c.buttons[i].second, 72, 77, 25));
      EXPECT_EQ(b->Caption(), captions[i]);
      EXPECT_EQ(b->Color(), 2856447u);
      EXPECT_EQ(b->ColorFocused(), 33023u);
      EXPECT_EQ(b->ColorDown(), 7978239u);
      EXPECT_EQ(b->ColorBorder(), 33023u);
      EXPECT_EQ(b->Font().Style(), fsBold | fsItalic);
    }
  }
}

// Every "// picture: FILE" marker in a layout is followed by the stored form of that file.
TEST(LayoutPictures, EmbeddedPicturesAreThoseOfThePictureFiles) {
  const std::string folder = std::string(TARVIK_SOURCE_DIR) + "/resources/";
  int pictures = 0;
  for (const char* layout : {"TForm1", "TForm4", "TForm5", "TForm6"}) {
    const std::string text = testfiles::ReadFile(folder + "layouts/" + layout + ".layout");
    const std::string marker = "// picture: ";
    for (std::size_t at = text.find(marker); at != std::string::npos;
         at = text.find(marker, at + 1)) {
      const std::size_t nameEnd = text.find('\n', at);
      const std::string file = text.substr(at + marker.size(), nameEnd - at - marker.size());
      const std::size_t open = text.find('{', nameEnd);
      const std::size_t close = text.find('}', open);
      std::string hex;
      for (std::size_t i = open + 1; i < close; ++i)
        if (std::isxdigit(static_cast<unsigned char>(text[i]))) hex += text[i];
      std::vector<std::uint8_t> bytes;
      for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(static_cast<std::uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
      const std::string fileBytes = testfiles::ReadFile(folder + file);
      const std::string className = file.ends_with(".gif") ? "TGIFImage" : "TBitmap";
      EXPECT_EQ(bytes, MakeStoredPicture(className, std::vector<std::uint8_t>(fileBytes.begin(),
                                                                              fileBytes.end())))
          << layout << ": " << file << " changed; run resources/layouts/embed-pictures.py";
      ++pictures;
    }
  }
  EXPECT_EQ(pictures, 1 + 1 + 4 + 16 + 3);
}

}  // namespace
