// Caret line and column count the lines the control shows, wrapped ones included.
#include <QTextBlock>
#include <QTextCursor>
#include <set>

#include "rich_edit_fixture.h"

namespace {

// The number of rows a paragraph occupies on the screen, from the caret rectangles of its
// characters: independent of how the control counts lines.
int ScreenRows(QTextEdit& view, int from, int to) {
  std::set<int> tops;
  QTextCursor cursor(view.document());
  for (int p = from; p < to; ++p) {
    cursor.setPosition(p);
    // A position at a wrap belongs to the next row; its rectangle says so.
    tops.insert(view.cursorRect(cursor).center().y());
  }
  return int(tops.size());
}

const char* const kLongParagraph =
    "Съешь же ещё этих мягких французских булок да выпей чаю. Съешь же ещё этих мягких "
    "французских булок да выпей чаю. Съешь же ещё этих мягких французских булок.";

TEST_F(RichEditTest, CaretLineCountsWrappedLines) {
  edit->SetText(std::string(kLongParagraph) + "\r\nвторой абзац");
  edit->SetWidth(180);
  QApplication::processEvents();
  const int firstLength = int(QString::fromUtf8(kLongParagraph).size());
  const int rows = ScreenRows(View(), 0, firstLength);
  ASSERT_GE(rows, 3) << "the paragraph must wrap for this test";

  edit->SetSelStart(firstLength + 1 + 3);  // "вто|рой"
  EXPECT_EQ(edit->CaretPos(), (TPoint{3, rows}));
  EXPECT_EQ(edit->LineCount(), rows + 1);
  EXPECT_EQ(edit->Lines().Count(), rows + 1);

  // A wide control shows the same text on two lines.
  edit->SetWidth(4000);
  QApplication::processEvents();
  EXPECT_EQ(edit->CaretPos(), (TPoint{3, 1}));
}

TEST_F(RichEditTest, CaretColumnCountsFromTheStartOfTheWrappedLine) {
  edit->SetText(kLongParagraph);
  edit->SetWidth(180);
  QApplication::processEvents();
  const int secondLine = edit->LineIndex(1);
  ASSERT_GT(secondLine, 0);
  edit->SetSelStart(secondLine + 2);
  EXPECT_EQ(edit->CaretPos(), (TPoint{2, 1}));
  // The caret rectangle agrees: the position is on the second row of the screen.
  QTextCursor atStart(View().document());
  QTextCursor atCaret = View().textCursor();
  EXPECT_GT(View().cursorRect(atCaret).top(), View().cursorRect(atStart).top());
}

TEST_F(RichEditTest, CaretPositionIsTheSelectionsEnd) {
  edit->SetText("первая\r\nвторая строка");
  edit->SetSelStart(2);
  edit->SetSelLength(8);  // to "вто|рая"
  EXPECT_EQ(edit->CaretPos(), (TPoint{3, 1}));
}

TEST_F(RichEditTest, KeyPressSeesTheCaretBeforeTheCharacterGoesIn) {
  TPoint seen{-1, -1};
  int lengthSeen = -1;
  char32_t keySeen = 0;
  edit->OnKeyPress = [&](TComponent* sender, char32_t& key) {
    EXPECT_EQ(sender, edit);
    seen = edit->CaretPos();
    lengthSeen = edit->GetTextLen();
    keySeen = key;
  };
  Key(Qt::Key_unknown, QStringLiteral("ж"));
  EXPECT_EQ(seen, (TPoint{0, 0}));
  EXPECT_EQ(lengthSeen, 0);
  EXPECT_EQ(keySeen, U'ж');
  EXPECT_EQ(edit->Text(), "ж");
  Key(Qt::Key_Return, QStringLiteral("\r"));
  EXPECT_EQ(keySeen, 13u);
  Key(Qt::Key_unknown, QStringLiteral("ы"));
  EXPECT_EQ(seen, (TPoint{0, 1}));
}

TEST_F(RichEditTest, KeyPressHandlerMayReplaceOrSwallowTheCharacter) {
  edit->OnKeyPress = [](TComponent*, char32_t& key) {
    if (key == U'a') key = U'б';
    if (key == U'x') key = 0;
  };
  Type(QStringLiteral("axc"));
  EXPECT_EQ(edit->Text(), "бc");
}

TEST_F(RichEditTest, MouseMoveReachesTheControlInItsCoordinates) {
  int moves = 0;
  TPoint at;
  edit->OnMouseMove = [&](TComponent*, TShiftState, int x, int y) {
    ++moves;
    at = TPoint{x, y};
  };
  QWidget* viewport = View().viewport();
  const QPoint local(30, 20);
  QMouseEvent move(QEvent::MouseMove, local, viewport->mapToGlobal(local), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(viewport, &move);
  EXPECT_EQ(moves, 1);
  const QPoint expected = viewport->mapTo(&View(), local);
  EXPECT_EQ(at, (TPoint{expected.x(), expected.y()}));
}

}  // namespace
