// Character attributes of the selection and the default format, and the streams.
#include <QCursor>
#include <QGuiApplication>
#include "platform/core/Exception.h"
#include "platform/graphics/Bitmap.h"

#include "platform/rtf/PlainText.h"
#include "rich_edit_fixture.h"

namespace {

TEST_F(RichEditTest, SelectionAttributesChangeTheSelectedCharacters) {
  edit->SetText("обычный жирный");
  edit->SetSelStart(8);
  edit->SetSelLength(6);
  TFont font;
  font.SetName("Times New Roman");
  font.SetSize(14);
  font.SetStyle(fsBold | fsItalic);
  font.SetColor(RGB(0, 128, 255));
  font.SetCharset(RUSSIAN_CHARSET);
  edit->SelAttributes().Assign(font);
  EXPECT_EQ(edit->SelAttributes().Name(), "Times New Roman");
  EXPECT_EQ(edit->SelAttributes().Size(), 14);
  EXPECT_EQ(edit->SelAttributes().Height(), 19);
  EXPECT_EQ(edit->SelAttributes().Style(), unsigned(fsBold | fsItalic));
  EXPECT_EQ(edit->SelAttributes().Color(), RGB(0, 128, 255));
  EXPECT_EQ(edit->SelAttributes().Charset(), RUSSIAN_CHARSET);

  const rtf::RichDocument saved = Saved();
  ASSERT_EQ(saved.paragraphs[0].runs.size(), 2u);
  const rtf::Run& bold = saved.paragraphs[0].runs[1];
  EXPECT_EQ(bold.text, u"жирный");
  EXPECT_EQ(saved.fonts[std::size_t(bold.format.font)].face, "Times New Roman");
  EXPECT_EQ(bold.format.sizeHalfPt, 28);
  EXPECT_TRUE(bold.format.bold && bold.format.italic);
  EXPECT_EQ(bold.format.color, RGB(0, 128, 255));
  EXPECT_FALSE(saved.paragraphs[0].runs[0].format.bold);
}

TEST_F(RichEditTest, SelectionAttributesReadTheFirstSelectedCharacter) {
  LoadRtf("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}\\f0\\fs20 aa\\f1\\fs30\\b bb}");
  edit->SetSelStart(1);
  edit->SetSelLength(3);
  EXPECT_EQ(edit->SelAttributes().Name(), "Arial");
  EXPECT_EQ(edit->SelAttributes().Size(), 10);
  edit->SetSelStart(2);
  edit->SetSelLength(2);
  EXPECT_EQ(edit->SelAttributes().Name(), "Courier New");
  EXPECT_EQ(edit->SelAttributes().Size(), 15);
  EXPECT_EQ(edit->SelAttributes().Style(), unsigned(fsBold));
}

TEST_F(RichEditTest, AttributesAtTheCaretApplyToTyping) {
  Type(QStringLiteral("а"));
  edit->SelAttributes().SetStyle(fsItalic);
  edit->SelAttributes().SetColor(clBlue);
  Type(QStringLiteral("б"));
  const rtf::RichDocument saved = Saved();
  ASSERT_EQ(saved.paragraphs[0].runs.size(), 2u);
  EXPECT_FALSE(saved.paragraphs[0].runs[0].format.italic);
  EXPECT_TRUE(saved.paragraphs[0].runs[1].format.italic);
  EXPECT_EQ(saved.paragraphs[0].runs[1].format.color, clBlue);
}

TEST_F(RichEditTest, TextWithoutAFormatOfItsOwnFollowsTheDefault) {
  TFont font;
  font.SetName("Arial");
  font.SetHeight(-13);
  font.SetColor(13500416);
  edit->SetFont(font);
  EXPECT_EQ(edit->DefAttributes().Name(), "Arial");
  EXPECT_EQ(edit->DefAttributes().Size(), 10);
  EXPECT_EQ(edit->DefAttributes().Color(), 13500416u);
  Type(QStringLiteral("текст"));
  edit->DefAttributes().SetStyle(fsBold);
  const rtf::RichDocument saved = Saved();
  const rtf::Run& run = saved.paragraphs[0].runs[0];
  EXPECT_EQ(saved.fonts[std::size_t(run.format.font)].face, "Arial");
  EXPECT_EQ(run.format.sizeHalfPt, 20);
  EXPECT_TRUE(run.format.bold);
  EXPECT_EQ(run.format.color, 13500416u);
  EXPECT_EQ(edit->SelAttributes().Style(), unsigned(fsBold));
  // Text read from a file keeps its own format.
  LoadRtf("{\\rtf1\\ansi{\\fonttbl{\\f0 Courier New;}}\\fs24 свой}");
  edit->DefAttributes().SetStyle(fsItalic);
  EXPECT_FALSE(Saved().paragraphs[0].runs[0].format.italic);
}

TEST_F(RichEditTest, SystemColoursAreResolved) {
  edit->DefAttributes().SetColor(clWindowText);
  EXPECT_EQ(edit->DefAttributes().Color(), ColorToRGB(clWindowText));
}

TEST_F(RichEditTest, AssignToCopiesTheAttributesIntoAFont) {
  edit->DefAttributes().SetName("Arial");
  edit->DefAttributes().SetSize(12);
  edit->DefAttributes().SetStyle(fsUnderline);
  TFont font;
  edit->DefAttributes().AssignTo(font);
  EXPECT_EQ(font.Name(), "Arial");
  EXPECT_EQ(font.Size(), 12);
  EXPECT_EQ(font.Style(), unsigned(fsUnderline));
}

TEST_F(RichEditTest, RtfRoundTripThroughTheStreams) {
  edit->SetText("Первый\r\nВторой абзац");
  edit->SetSelStart(0);
  edit->SetSelLength(6);
  edit->SelAttributes().SetStyle(fsBold);
  edit->Paragraph().SetAlignment(taCenter);
  edit->SetSelStart(9);
  edit->Paragraph().SetFirstIndent(-3);
  edit->Paragraph().SetLeftIndent(18);
  edit->Paragraph().SetNumbering(nsBullet);
  TMemoryStream stream;
  edit->SaveToStream(stream);
  const rtf::RichDocument before = Saved();
  stream.SetPosition(0);
  edit->Clear();
  edit->LoadFromStream(stream);
  EXPECT_EQ(Saved(), before);
  edit->SetSelStart(9);
  EXPECT_EQ(edit->Paragraph().FirstIndent(), -3);
  EXPECT_EQ(edit->Paragraph().LeftIndent(), 18);
  EXPECT_EQ(edit->Paragraph().Numbering(), nsBullet);
  EXPECT_FALSE(edit->CanUndo());  // a loaded document starts a new history
}

TEST_F(RichEditTest, NonRtfIsReadAsPlainText) {
  const std::string text = "просто текст\nвторая строка\n";
  TMemoryStream stream(std::vector<std::uint8_t>(text.begin(), text.end()));
  edit->LoadFromStream(stream);
  EXPECT_EQ(edit->Text(), "просто текст\r\nвторая строка\r\n");
  EXPECT_EQ(edit->SelAttributes().Name(), edit->DefAttributes().Name());
}

TEST_F(RichEditTest, PlainTextModeStreamsText) {
  edit->SetPlainText(true);
  const std::string rtfText = "{\\rtf1 not read as rtf}";
  TMemoryStream in(std::vector<std::uint8_t>(rtfText.begin(), rtfText.end()));
  edit->LoadFromStream(in);
  EXPECT_EQ(edit->Text(), rtfText);
  edit->SetText("строка\r\nещё");
  TMemoryStream out;
  edit->SaveToStream(out);
  EXPECT_EQ(std::string(out.Data().begin(), out.Data().end()), "строка\r\nещё");
}

// A stream that refuses to be written to, as a full disk does.
class FullStream : public TMemoryStream {
 public:
  void Write(const void*, std::size_t) override {
    throw EStreamError("Stream write error: \"doc.rtf\". No space left on device");
  }
};

TEST_F(RichEditTest, AFailedWriteIsReported) {
  edit->SetText("текст");
  FullStream stream;
  try {
    edit->SaveToStream(stream);
    FAIL() << "no error";
  } catch (const EStreamError& error) {
    EXPECT_STREQ(error.what(),
                 "Failed to Save Stream. Stream write error: \"doc.rtf\". No space left on device");
  }
  EXPECT_EQ(edit->Text(), "текст");
}

// A stream that notes the pointer shape while it is read.
class WatchedStream : public TMemoryStream {
 public:
  using TMemoryStream::TMemoryStream;
  std::size_t Read(void* buffer, std::size_t count) override {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    shapeWhileRead = cursor ? cursor->shape() : Qt::ArrowCursor;
    if (fail) throw EStreamError("Stream read error");
    return TMemoryStream::Read(buffer, count);
  }
  Qt::CursorShape shapeWhileRead = Qt::BlankCursor;
  bool fail = false;
};

TEST_F(RichEditTest, LoadingShowsTheBusyPointerUntilDone) {
  const std::string rtfText = "{\\rtf1 busy\\par}";
  WatchedStream stream(std::vector<std::uint8_t>(rtfText.begin(), rtfText.end()));
  edit->LoadFromStream(stream);
  EXPECT_EQ(stream.shapeWhileRead, Qt::WaitCursor);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  // Also when the load fails.
  WatchedStream failing(std::vector<std::uint8_t>(rtfText.begin(), rtfText.end()));
  failing.fail = true;
  EXPECT_THROW(edit->LoadFromStream(failing), EStreamError);
  EXPECT_EQ(failing.shapeWhileRead, Qt::WaitCursor);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(RichEditTest, DamagedRtfKeepsWhatCouldBeRead) {
  LoadRtf("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\b survived \\'e1\\'f3\\'ea\\par{{{\\i cut off");
  EXPECT_NE(edit->Text().find("survived áóê"), std::string::npos);
  EXPECT_NE(edit->Text().find("cut off"), std::string::npos);
}

}  // namespace

namespace {

TColor PixelAt(const TBitmap& bitmap, int x, int y) {
  const std::uint8_t* row = bitmap.ScanLine(y) + x * TBitmap::PixelStep;
  return RGB(row[2], row[1], row[0]);
}

TEST_F(RichEditTest, PaintShowsTheBackgroundColourAndTheText) {
  edit->SetColor(13822463);
  TFont font;
  font.SetName("Arial");
  font.SetSize(20);
  font.SetColor(clBlack);
  edit->SetFont(font);
  edit->SetText("ЖЖЖЖ");
  TBitmap face;
  edit->PaintTo(face);
  ASSERT_EQ(face.Width(), edit->Width());
  EXPECT_EQ(PixelAt(face, edit->Width() / 2, edit->Height() / 2), TColor(13822463));
  int dark = 0;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 120; ++x) dark += PixelAt(face, x, y) == clBlack ? 1 : 0;
  }
  EXPECT_GT(dark, 20) << "the letters are drawn in the default colour";
}

// Pixels of exactly `color` in the rectangle [left, right) x [top, bottom).
int CountPixels(const TBitmap& bitmap, TColor color, int left, int top, int right, int bottom) {
  int count = 0;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) count += PixelAt(bitmap, x, y) == color ? 1 : 0;
  return count;
}

// A green bullet paragraph (bullet at the first-line position 0, text at the hanging indent of
// 18 pt = 24 px, after the 4 px offset) and a red plain one below it, 20 pt each.
TEST_F(RichEditTest, ColouredTextAndItsBulletAreDrawnInTheirColour) {
  LoadRtf(
      "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl ;\\red255\\green0\\blue0;"
      "\\red0\\green128\\blue0;}\\pard{\\pntext\\'B7\\tab}{\\*\\pn\\pnlvlblt{\\pntxtb\\'B7}}"
      "\\fi-360\\li360\\f0\\fs40\\cf2\\b WWW\\par\\pard\\cf1 WWW\\par}");
  TBitmap face;
  edit->PaintTo(face);
  const TColor green = RGB(0, 128, 0);
  const TColor red = RGB(255, 0, 0);
  const int lineHeight = 32;  // 20 pt Arial (Liberation Sans) at 96 dpi
  // The bullet, left of the text: green, never the default black.
  EXPECT_GT(CountPixels(face, green, 0, 0, 4 + 24, lineHeight), 10);
  EXPECT_EQ(CountPixels(face, clBlack, 0, 0, 4 + 24, lineHeight), 0);
  // The bullet paragraph's text is green, the next paragraph's red, none of it black.
  EXPECT_GT(CountPixels(face, green, 4 + 24, 0, 200, lineHeight), 50);
  EXPECT_EQ(CountPixels(face, red, 0, 0, 200, lineHeight), 0);
  EXPECT_GT(CountPixels(face, red, 4, lineHeight, 200, 2 * lineHeight), 50);
  EXPECT_EQ(CountPixels(face, green, 0, lineHeight, 200, 2 * lineHeight), 0);
  // (The caret stands black at the first line's text, x = 28, reaching a little below it.)
  EXPECT_EQ(CountPixels(face, clBlack, 0, lineHeight, 26, 2 * lineHeight) +
                CountPixels(face, clBlack, 31, lineHeight, 200, 2 * lineHeight),
            0);
}

TEST_F(RichEditTest, TextGivenItsOwnFormatLeavesTheDefault) {
  edit->SetText("один два");
  edit->SetSelStart(5);
  edit->SetSelLength(3);
  edit->SelAttributes().SetColor(clRed);
  edit->SetSelStart(0);
  edit->DefAttributes().SetStyle(fsItalic);
  const rtf::RichDocument saved = Saved();
  ASSERT_EQ(saved.paragraphs[0].runs.size(), 2u);
  EXPECT_TRUE(saved.paragraphs[0].runs[0].format.italic);   // "один " follows the default
  EXPECT_FALSE(saved.paragraphs[0].runs[1].format.italic);  // "два" has a format of its own
  EXPECT_EQ(saved.paragraphs[0].runs[1].format.color, clRed);
}

TEST_F(RichEditTest, EmptyParagraphsTakeTheNewDefaultToo) {
  edit->SetText("\r\n");
  edit->DefAttributes().SetSize(20);
  edit->SetSelStart(1);
  Type(QStringLiteral("ы"));
  const rtf::RichDocument saved = Saved();
  ASSERT_EQ(saved.paragraphs.size(), 2u);
  EXPECT_EQ(saved.paragraphs[1].runs[0].format.sizeHalfPt, 40);
}

}  // namespace
