// Printing: the whole document into the printer's whole printable area, page after page;
// a PDF file stands in for the printer, pdftotext reads the pages back.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "common/Requirements.h"
#include "platform/core/Exception.h"
#include "platform/environment/Printer.h"
#include "rich_edit_fixture.h"

namespace {

bool HavePdfToText() {
  return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty();
}

QString PdfText(const QString& pdf, int firstPage = 0, int lastPage = 0) {
  QStringList arguments{QStringLiteral("-layout")};
  if (firstPage > 0)
    arguments << "-f" << QString::number(firstPage) << "-l" << QString::number(lastPage);
  arguments << pdf << QStringLiteral("-");
  QProcess process;
  process.start(QStringLiteral("pdftotext"), arguments);
  process.waitForFinished(30000);
  return QString::fromUtf8(process.readAllStandardOutput());
}

int PdfPages(const QString& pdf) {
  // pdftotext ends every page with a form feed.
  return int(PdfText(pdf).count(QChar('\f')));
}

class PrintTest : public RichEditTest {
 protected:
  void SetUp() override {
    RichEditTest::SetUp();
    ASSERT_TRUE(dir_.isValid());
    pdf_ = dir_.filePath(QStringLiteral("job.pdf"));
    Printer().SetOutputFileName(pdf_.toStdString());
  }
  void TearDown() override {
    Printer().SetOutputFileName(std::string());
    RichEditTest::TearDown();
  }
  QTemporaryDir dir_;
  QString pdf_;
};

// 130 lines of 12-point text: 47 to 58 lines fit an A4 or Letter page with a printer's
// margins whatever the exact line height, so the document takes exactly three pages.
TEST_F(PrintTest, ThreePageDocumentGivesThreePagesWithItsText) {
  if (!HavePdfToText()) TARVIK_SKIP_UNLESS_REQUIRED("pdftotext (poppler-utils) is not installed");
  std::string text;
  for (int i = 1; i <= 130; ++i)
    text += (i > 1 ? "\r\n" : "") + ("Строка номер " + std::to_string(i));
  edit->SetText(text);
  edit->SelectAll();
  edit->SelAttributes().SetName("Liberation Sans");
  edit->SelAttributes().SetSize(12);
  edit->Print("Print of our RichEdit1");
  ASSERT_TRUE(QFile::exists(pdf_));
  EXPECT_EQ(PdfPages(pdf_), 3);

  const QString all = PdfText(pdf_);
  int from = 0;
  for (int i = 1; i <= 130; ++i) {
    const QString line = QStringLiteral("Строка номер %1").arg(i);
    const int at = int(all.indexOf(line + QChar('\n'), from));
    ASSERT_GE(at, 0) << "line " << i << " missing or out of order";
    from = at + int(line.size());
  }
  EXPECT_TRUE(PdfText(pdf_, 1, 1).contains(QStringLiteral("Строка номер 1\n")));
  EXPECT_TRUE(PdfText(pdf_, 3, 3).contains(QStringLiteral("Строка номер 130")));
  // Every page but the last is filled: no page break comes early.
  EXPECT_GE(PdfText(pdf_, 1, 1).count(QStringLiteral("Строка")), 47);
  EXPECT_GE(PdfText(pdf_, 2, 2).count(QStringLiteral("Строка")), 47);
}

// The x of a word's box on the printed page, in points, from pdftotext's bounding boxes.
double WordLeft(const QString& pdf, const QString& word) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
  process.waitForFinished(30000);
  const QString html = QString::fromUtf8(process.readAllStandardOutput());
  const QRegularExpression box(QStringLiteral("<word xMin=\"([0-9.]+)\"[^>]*>%1</word>").arg(word));
  const QRegularExpressionMatch match = box.match(html);
  return match.hasMatch() ? match.captured(1).toDouble() : -1;
}

TEST_F(PrintTest, IndentsPrintAtTheirSizeInPoints) {
  if (!HavePdfToText()) TARVIK_SKIP_UNLESS_REQUIRED("pdftotext (poppler-utils) is not installed");
  edit->SetText("Alpha\r\nBravo");
  edit->SetSelStart(7);
  edit->Paragraph().SetFirstIndent(72);
  edit->Print("Print of our RichEdit1");
  const double alpha = WordLeft(pdf_, QStringLiteral("Alpha"));
  const double bravo = WordLeft(pdf_, QStringLiteral("Bravo"));
  ASSERT_GE(alpha, 0);
  ASSERT_GE(bravo, 0);
  EXPECT_NEAR(bravo - alpha, 72.0, 1.5);
}

TEST_F(PrintTest, PrintingLeavesTheDocumentAlone) {
  edit->SetText("одна строка");
  edit->SetSelStart(3);
  const rtf::RichDocument before = Saved();
  edit->Print("Печать Form1");
  EXPECT_EQ(Saved(), before);
  EXPECT_EQ(edit->SelStart(), 3);
  EXPECT_FALSE(Printer().Printing());
}

TEST_F(PrintTest, AOneLineDocumentPrintsOnePage) {
  if (!HavePdfToText()) TARVIK_SKIP_UNLESS_REQUIRED("pdftotext (poppler-utils) is not installed");
  edit->SetText("одна строка");
  edit->Print("Печать Form1");
  EXPECT_EQ(PdfPages(pdf_), 1);
}

TEST_F(RichEditTest, WithoutAnyPrinterPrintingFailsWithAMessage) {
  if (!Printer().Printers().empty()) GTEST_SKIP() << "this machine has a printer";
  Printer().SetOutputFileName(std::string());
  edit->SetText("текст");
  try {
    edit->Print("Print of our RichEdit1");
    FAIL() << "no error";
  } catch (const Exception& error) {
    EXPECT_STREQ(error.what(), "Нет установленных принтеров");
  }
  EXPECT_FALSE(Printer().Printing());
}

TEST_F(PrintTest, BulletsArePrintedBeforeTheirText) {
  if (!HavePdfToText()) TARVIK_SKIP_UNLESS_REQUIRED("pdftotext (poppler-utils) is not installed");
  LoadRtf(kBulletRtf);
  edit->Print("Bullets");
  const QString text = PdfText(pdf_);
  EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("\u2022\\s+item"))))
      << text.toStdString();
  EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("\u2022\\s+after"))));
}

}  // namespace
