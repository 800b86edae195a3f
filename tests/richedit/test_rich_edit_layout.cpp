// A rich-text control read from a window layout, as the main window's layout describes it.
#include "platform/layout/LayoutReader.h"
#include "platform/richedit/RichEditLayout.h"
#include "rich_edit_fixture.h"

namespace {

const char* const kLayout = R"(
object Form1: TForm
  Width = 745
  Height = 498
  object RichEdit1: TRichEdit
    Left = 11
    Top = 146
    Width = 723
    Height = 322
    Color = 13822463
    Font.Charset = DEFAULT_CHARSET
    Font.Color = 13500416
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = []
    Lines.Strings = (
      '')
    ParentFont = False
    PlainText = False
    ScrollBars = ssBoth
    TabOrder = 0
    WordWrap = True
  end
end
)";

TEST(RichEditLayout, ReadsTheControlWithItsProperties) {
  RegisterRichEditLayoutClasses();
  TForm form(nullptr);
  ReadLayoutText(form, kLayout, "Form1");
  auto* edit = dynamic_cast<TRichEdit*>(form.FindComponent("RichEdit1"));
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->Parent(), &form);
  EXPECT_EQ(edit->BoundsRect(), Bounds(11, 146, 723, 322));
  EXPECT_EQ(edit->Color(), 13822463u);
  EXPECT_EQ(edit->ScrollBars(), ssBoth);
  EXPECT_TRUE(edit->WordWrap());
  EXPECT_FALSE(edit->PlainText());
  EXPECT_EQ(edit->GetTextLen(), 0);
  EXPECT_EQ(edit->LineCount(), 1);
  // The control's font is its default character format.
  EXPECT_EQ(edit->DefAttributes().Name(), "MS Sans Serif");
  EXPECT_EQ(edit->DefAttributes().Size(), 8);
  EXPECT_EQ(edit->DefAttributes().Color(), 13500416u);
}

}  // namespace
