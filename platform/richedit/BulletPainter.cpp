#include "platform/richedit/BulletPainter.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextList>

#include "platform/richedit/FormatMapping.h"

namespace richedit {
namespace {

// The format of the paragraph's first character, or of its mark when it is empty.
QTextCharFormat FirstCharFormat(const QTextBlock& block) {
  const QTextBlock::iterator first = block.begin();
  return first.atEnd() ? block.charFormat() : first.fragment().charFormat();
}

void PaintBullet(QPainter& painter, const QTextDocument& document, const QTextBlock& block,
                 const QRectF& box, qreal scale, const QColor& textColor) {
  const QTextLayout* layout = block.layout();
  if (layout == nullptr || layout->lineCount() == 0) return;
  const QTextLine line = layout->lineAt(0);
  const QTextCharFormat format = FirstCharFormat(block);
  QFont font = format.font().resolve(document.defaultFont());
  const bool colored = format.foreground().style() != Qt::NoBrush;
  painter.setFont(font);
  painter.setPen(colored ? format.foreground().color() : textColor);
  // A left-aligned paragraph has its bullet at the first-line position; a centred or
  // right-aligned line moves its text, and the bullet goes with it.
  const QTextBlockFormat paragraph = block.blockFormat();
  const bool left =
      (paragraph.alignment() & Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute) == Qt::AlignLeft ||
      (paragraph.alignment() & Qt::AlignJustify) != 0;
  const qreal x = left ? FirstLinePixels(paragraph) * scale
                       : line.naturalTextRect().left() - kBulletRoomPixels * scale;
  const QPointF baseline(box.left() + x, box.top() + line.y() + line.ascent());
  painter.drawText(baseline, QString(QChar(0x2022)));
}

}  // namespace

void PaintBullets(QPainter& painter, const QTextDocument& document, const QRectF& clip, qreal scale,
                  const QColor& textColor) {
  QAbstractTextDocumentLayout* layout = document.documentLayout();
  // Start at the paragraph at the top of the clip: a big document is never walked whole.
  const int top = layout->hitTest(clip.topLeft(), Qt::FuzzyHit);
  painter.save();
  for (QTextBlock block = document.findBlock(std::max(0, top)); block.isValid();
       block = block.next()) {
    const QRectF box = layout->blockBoundingRect(block);
    if (box.top() > clip.bottom()) break;
    if (block.textList() != nullptr && box.bottom() >= clip.top())
      PaintBullet(painter, document, block, box, scale, textColor);
  }
  painter.restore();
}

}  // namespace richedit
