#include "platform/richedit/DocumentPrinter.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextDocument>
#include <QTextFrame>
#include <memory>

#include "platform/Printer.h"

namespace richedit {
namespace {

// A copy of the document laid out for the printer: pixel lengths (margins, indents) are
// scaled by Qt from 96 dpi to the device, fonts follow their point sizes.
std::unique_ptr<QTextDocument> PageDocument(const QTextDocument& document, QPaintDevice* device,
                                            const QSizeF& page) {
  std::unique_ptr<QTextDocument> copy(document.clone());
  copy->setDefaultFont(document.defaultFont());
  copy->setDefaultTextOption(document.defaultTextOption());
  copy->documentLayout()->setPaintDevice(device);
  QTextFrameFormat frame = copy->rootFrame()->frameFormat();
  frame.setMargin(0);
  frame.setPadding(0);
  copy->rootFrame()->setFrameFormat(frame);
  copy->setPageSize(page);
  return copy;
}

void PaintPage(QTextDocument& document, QPainter& painter, int page, const QSizeF& size,
               const QColor& textColor) {
  const QRectF pageRect(0, page * size.height(), size.width(), size.height());
  painter.save();
  painter.translate(0, -pageRect.top());
  painter.setClipRect(pageRect);
  QAbstractTextDocumentLayout::PaintContext context;
  context.clip = pageRect;
  context.palette.setColor(QPalette::Text, textColor);
  document.documentLayout()->draw(&painter, context);
  painter.restore();
}

}  // namespace

void PrintTextDocument(const QTextDocument& document, const QColor& defaultTextColor,
                       TPrinter& printer, const std::string& title) {
  printer.SetTitle(title);
  printer.BeginDoc();
  try {
    QPainter& painter = *printer.Painter();
    const QSizeF page(printer.PageWidth(), printer.PageHeight());
    auto copy = PageDocument(document, painter.device(), page);
    const int pages = copy->pageCount();
    for (int i = 0; i < pages; ++i) {
      if (i > 0) printer.NewPage();
      PaintPage(*copy, painter, i, page, defaultTextColor);
    }
  } catch (...) {
    printer.Abort();
    throw;
  }
  printer.EndDoc();
}

}  // namespace richedit
