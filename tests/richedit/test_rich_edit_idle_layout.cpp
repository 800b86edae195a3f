// A loaded document is laid out in slices while the window is idle: after enough idle time
// the whole document is laid out, with the same result as laying it out at once, and edits
// made meanwhile are kept.
#include <QAbstractTextDocumentLayout>
#include <QElapsedTimer>
#include <QTextBlock>
#include <QTextDocument>

#include "platform/richedit/IdleLayout.h"
#include "rich_edit_fixture.h"

namespace {

class IdleLayoutTest : public RichEditTest {
 protected:
  // paragraphs of about 300 characters each, as plain text.
  void LoadParagraphs(int paragraphs) {
    std::string text;
    for (int p = 0; p < paragraphs; ++p) {
      for (int w = 0; w < 30; ++w) text += "слово" + std::to_string(w) + " ";
      text += "\r\n";
    }
    TMemoryStream stream(std::vector<std::uint8_t>(text.begin(), text.end()));
    edit->SetPlainText(true);
    edit->LoadFromStream(stream);
    edit->SetPlainText(false);
  }
  richedit::IdleLayout& Slicer() { return richedit::IdleLayout::Of(View()); }
  // Runs the event loop until the slicer is done (at most 30 s).
  bool IdleUntilLaidOut() {
    QElapsedTimer waited;
    waited.start();
    while (!Slicer().Done() && waited.elapsed() < 30000)
      QApplication::processEvents(QEventLoop::AllEvents, 50);
    return Slicer().Done();
  }
  double LaidOutHeight() { return View().document()->documentLayout()->documentSize().height(); }
  // The rectangle of the last paragraph, which lays out everything before it if needed.
  QRectF LastBlockRect() {
    QTextDocument& document = *View().document();
    return document.documentLayout()->blockBoundingRect(document.lastBlock());
  }
};

TEST_F(IdleLayoutTest, ALargeDocumentIsNotLaidOutAtOnceButCompletelyWhileIdle) {
  LoadParagraphs(3000);
  EXPECT_FALSE(Slicer().Done());
  ASSERT_TRUE(IdleUntilLaidOut());
  const double idleHeight = LaidOutHeight();
  const QRectF last = LastBlockRect();
  EXPECT_EQ(LaidOutHeight(), idleHeight) << "nothing was left to lay out";
  EXPECT_GE(idleHeight, last.bottom());
  EXPECT_GT(last.top(), 3000 * 2 * 10.0) << "each paragraph wraps at 400 pixels";
}

TEST_F(IdleLayoutTest, TheResultIsTheSameAsLayingOutAtOnce) {
  LoadParagraphs(800);
  const QRectF atOnce = LastBlockRect();
  const double atOnceHeight = LaidOutHeight();
  LoadParagraphs(800);
  ASSERT_TRUE(IdleUntilLaidOut());
  EXPECT_EQ(LaidOutHeight(), atOnceHeight);
  EXPECT_EQ(LastBlockRect(), atOnce);
}

TEST_F(IdleLayoutTest, EditsDuringTheIdleLayoutAreKept) {
  LoadParagraphs(3000);
  edit->SetSelStart(0);
  QApplication::processEvents();
  Type("начало ");
  edit->SetSelStart(edit->GetTextLen());
  Type(" конец");
  ASSERT_TRUE(IdleUntilLaidOut());
  const std::string text = edit->Text();
  EXPECT_EQ(text.rfind("начало слово0 ", 0), 0u);
  EXPECT_EQ(text.substr(text.size() - std::string(" конец").size()), " конец");
}

TEST_F(IdleLayoutTest, ANewDocumentStartsTheLayoutAgain) {
  LoadParagraphs(3000);
  ASSERT_TRUE(IdleUntilLaidOut());
  LoadParagraphs(3000);
  EXPECT_FALSE(Slicer().Done());
  ASSERT_TRUE(IdleUntilLaidOut());
}

TEST_F(IdleLayoutTest, TheViewHasOneSlicer) {
  LoadParagraphs(10);
  LoadParagraphs(10);
  EXPECT_EQ(&richedit::IdleLayout::Of(View()), &Slicer());
  EXPECT_EQ(View().findChildren<QObject*>("richedit::IdleLayout").size(), 1);
}

}  // namespace
