#include "platform/richedit/DocumentPrinter.h"
#include "platform/richedit/BulletPainter.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <memory>

#include "platform/environment/Printer.h"
#include "platform/richedit/BulletPainter.h"

namespace richedit {
namespace {

constexpr int kScreenDpi = 96;

// Block margins, indents, the bullet indent and tab stops are pixels at 96 dpi; Qt lays a
// document out for a device in the device's pixels, so they are scaled to it (fonts follow
// their point sizes by themselves).
void ScaleLengths(QTextDocument& copy, qreal scale) {
  copy.setIndentWidth(copy.indentWidth() * scale);
  QTextOption option = copy.defaultTextOption();
  option.setTabStopDistance(option.tabStopDistance() * scale);
  copy.setDefaultTextOption(option);
  QTextCursor editor(&copy);
  editor.beginEditBlock();
  for (QTextBlock block = copy.begin(); block.isValid(); block = block.next()) {
    QTextBlockFormat format = block.blockFormat();
    format.setLeftMargin(format.leftMargin() * scale);
    format.setRightMargin(format.rightMargin() * scale);
    format.setTextIndent(format.textIndent() * scale);
    format.setTopMargin(format.topMargin() * scale);
    format.setBottomMargin(format.bottomMargin() * scale);
    editor.setPosition(block.position());
    editor.setBlockFormat(format);
  }
  editor.endEditBlock();
}

qreal DeviceScale(const QPaintDevice& device) {
  return device.logicalDpiX() / qreal(kScreenDpi);
}

// A copy of the document laid out for the printer's page.
std::unique_ptr<QTextDocument> PageDocument(const QTextDocument& document, QPaintDevice* device,
                                            const QSizeF& page) {
  std::unique_ptr<QTextDocument> copy(document.clone());
  copy->setUndoRedoEnabled(false);
  copy->setDefaultFont(document.defaultFont());
  copy->setDefaultTextOption(document.defaultTextOption());
  copy->setIndentWidth(document.indentWidth());
  ScaleLengths(*copy, DeviceScale(*device));
  copy->documentLayout()->setPaintDevice(device);
  QTextFrameFormat frame = copy->rootFrame()->frameFormat();
  frame.setMargin(0);
  frame.setPadding(0);
  copy->rootFrame()->setFrameFormat(frame);
  copy->setPageSize(page);
  return copy;
}

void PaintPage(QTextDocument& document, QPainter& painter, int page, const QSizeF& size,
               qreal scale, const QColor& textColor) {
  const QRectF pageRect(0, page * size.height(), size.width(), size.height());
  painter.save();
  painter.translate(0, -pageRect.top());
  painter.setClipRect(pageRect);
  QAbstractTextDocumentLayout::PaintContext context;
  context.clip = pageRect;
  context.palette.setColor(QPalette::Text, textColor);
  document.documentLayout()->draw(&painter, context);
  PaintBullets(painter, document, pageRect, scale, textColor);
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
      PaintPage(*copy, painter, i, page, DeviceScale(*painter.device()), defaultTextColor);
    }
  } catch (...) {
    printer.Abort();
    throw;
  }
  printer.EndDoc();
}

}  // namespace richedit
