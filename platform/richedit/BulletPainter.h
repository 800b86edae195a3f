// The bullets of bullet paragraphs. Qt's own list marker sits against the text; the classic
// control puts the bullet at the paragraph's first-line position, with the text at the left
// indent, so the control paints its bullets itself, on the screen and on printed pages.
#pragma once

#include <QColor>
#include <QRectF>

class QPainter;
class QTextDocument;

namespace richedit {

// Paints the bullet of every bullet paragraph that meets clip. The painter and clip are in
// document coordinates; scale is device pixels per 96-dpi pixel (1 on the screen). A bullet
// takes the font and colour of its paragraph's first character; textColor stands for text of
// the default colour.
void PaintBullets(QPainter& painter, const QTextDocument& document, const QRectF& clip, qreal scale,
                  const QColor& textColor);

}  // namespace richedit
