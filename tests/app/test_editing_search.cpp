// The search through the modeless find dialog, and the ruler's link to the paragraph indents.
#include "EditingFixture.h"

namespace {

class SearchTest : public EditingTest {
 protected:
  FakeFindWindow& OpenFind() {
    form1->FlatButton22Click(nullptr);
    EXPECT_FALSE(env.findWindows.empty());
    return *env.findWindows.back();
  }
  // The selection as "start+length".
  std::string Selection() {
    return std::to_string(Editor().SelStart()) + "+" + std::to_string(Editor().SelLength());
  }
};

TEST_F(SearchTest, MenuButtonPlaysTheMenuSoundAndPlacesTheDialogAtTheEditorsTopRight) {
  FakeFindWindow& window = OpenFind();
  EXPECT_EQ(env.sounds, std::vector<std::string>{Sound(sounds::kMenu)});
  EXPECT_TRUE(window.visible);
  const TPoint expected = form1->RichEdit1->Parent()->ClientToScreen(
      Point(Editor().Left() + Editor().Width(), Editor().Top()));
  EXPECT_EQ(window.position, expected);
  // The editor's top-right corner in the window.
  const TPoint origin = form1->ClientOrigin();
  EXPECT_EQ(expected.X - origin.X, form1->ClientWidth() - 11);
  EXPECT_EQ(expected.Y - origin.Y, form1->RulerOn ? 146 : 121);
}

TEST_F(SearchTest, WithoutSelectionTheSearchStartsAtTheDocumentStartNotTheCaret) {
  SetDocument("word one word two word");
  Editor().SetSelStart(15);
  FakeFindWindow& window = OpenFind();
  window.PressFindNext("word", frDown);
  EXPECT_EQ(Selection(), "0+4");
  EXPECT_TRUE(Editor().Focused());
}

TEST_F(SearchTest, EachPressFindsTheNextMatchAndStopsAfterTheLast) {
  SetDocument("word one word two word");
  FakeFindWindow& window = OpenFind();
  const char* expected[] = {"0+4", "9+4", "18+4", "18+4", "18+4"};
  for (const char* selection : expected) {
    window.PressFindNext("word", frDown);
    EXPECT_EQ(Selection(), selection);
  }
  EXPECT_TRUE(env.messageBoxes.empty());
}

TEST_F(SearchTest, CaseAlwaysMattersWhateverTheDialogSays) {
  SetDocument("Текст и ещё Текст");
  Editor().SetSelStart(3);
  FakeFindWindow& window = OpenFind();
  for (TFindOptions options :
       {TFindOptions(frDown), TFindOptions(frDown | frMatchCase), TFindOptions(frWholeWord)}) {
    window.PressFindNext("текст", options);
    EXPECT_EQ(Selection(), "3+0") << "options " << options;
  }
  window.PressFindNext("Текст", frDown);
  EXPECT_EQ(Selection(), "0+5");
}

TEST_F(SearchTest, DirectionUpIsIgnored) {
  SetDocument("ab ab");
  Editor().SetSelStart(3);
  Editor().SetSelLength(2);
  FakeFindWindow& window = OpenFind();
  window.PressFindNext("ab", 0);
  EXPECT_EQ(Selection(), "3+2");
}

TEST_F(SearchTest, MatchAfterCyrillicAndEmojiSelectsWholeText) {
  SetDocument("\xF0\x9F\x98\x80 ёж ёж");
  FakeFindWindow& window = OpenFind();
  window.PressFindNext("ёж", frDown);
  EXPECT_EQ(Selection(), "3+2");
  EXPECT_EQ(Editor().SelText(), "ёж");
}

class RulerLinkTest : public EditingTest {
 protected:
  void DragLeftMarker(int dx) {
    TWordRuler* ruler = form1->WordRuler1;
    const TPoint from = Point(4, 16);
    TestInput::MouseDown(ruler, mbLeft, from);
    for (int d = 1; d <= dx; ++d) TestInput::MouseMove(ruler, Point(from.X + d, from.Y), ssLeft);
    TestInput::MouseUp(ruler, mbLeft, Point(from.X + dx, from.Y));
  }
};

TEST_F(RulerLinkTest, DraggingTheMarkerSetsBothIndentsToTheSamePosition) {
  form1->WordRuler1->SetVisible(true);
  TestInput::ProcessEvents();
  SetDocument("first paragraph\r\nsecond paragraph");
  Editor().SetSelStart(3);
  Paragraph().SetLeftIndent(12);
  form1->DocModified = 0;
  DragLeftMarker(40);
  const double position = form1->WordRuler1->LeftIndentPos();
  ASSERT_GT(position, 0.0);
  const int points = static_cast<int>(position * 0.75);
  EXPECT_EQ(Paragraph().FirstIndent(), points);
  EXPECT_EQ(Paragraph().LeftIndent(), 0);
  EXPECT_EQ(form1->DocModified, 1);
  Editor().SetSelStart(20);
  EXPECT_EQ(Paragraph().FirstIndent(), 0) << "the other paragraph keeps its indent";
}

TEST_F(RulerLinkTest, AMoveThatChangesNoIndentIsNoEdit) {
  form1->WordRuler1->SetVisible(true);
  SetDocument("text");
  form1->WordRuler1Changed(form1->WordRuler1);
  EXPECT_EQ(Paragraph().FirstIndent(), 0);
  EXPECT_EQ(form1->DocModified, 0);
}

}  // namespace
