// Text output and measuring with the classic conventions: a text's top-left is its cell's
// top-left, the cell is ascent + descent high, opaque mode fills the cell with the brush
// colour, and DrawText formats lines the way the classic DrawText does (prefix underlines,
// word breaks at spaces that never split a word, end ellipsis, tab stops every eight average
// character widths, clipping to the rectangle).
#include <QFontMetrics>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <list>
#include <utility>

#include "platform/graphics/Canvas.h"
#include "platform/qt/CanvasRaster.h"
#include "platform/qt/QtBridge.h"

namespace {

// Converting a font description to a QFont is not free; canvases redraw with the same few
// fonts again and again.
const QFont& CachedQtFont(const TFont& font) {
  static std::list<std::pair<TFont, QFont>> cache;
  for (auto it = cache.begin(); it != cache.end(); ++it) {
    if (it->first == font) {
      if (it != cache.begin()) cache.splice(cache.begin(), cache, it);
      return cache.front().second;
    }
  }
  cache.emplace_front(font, QtFont(font));
  if (cache.size() > 32) cache.pop_back();
  return cache.front().second;
}

QColor TextColor(const TFont& font) {
  const TColor color = font.Color() == clDefault ? clWindowText : font.Color();
  const QColor result = QtColor(color);
  return result.isValid() ? result : QColor(Qt::black);
}

// A line of text ready to draw: its characters, which of them are underlined (prefix marks),
// and its width.
struct TextLine {
  QString text;
  std::vector<int> underlined;  // indexes into text
  int width = 0;
};

class TextLayout {
 public:
  TextLayout(const QFontMetrics& metrics, unsigned flags)
      : metrics_(metrics),
        flags_(flags),
        tabWidth_((flags & DT_EXPANDTABS) ? std::max(1, 8 * metrics.averageCharWidth()) : 0) {}

  // The text's advance, with tab stops when tabs are expanded (tabs are ignored otherwise).
  int Width(const QString& text) const {
    if (!text.contains(QLatin1Char('\t'))) return metrics_.horizontalAdvance(text);
    int x = 0;
    qsizetype start = 0;
    for (;;) {
      const qsizetype tab = text.indexOf(QLatin1Char('\t'), start);
      x += metrics_.horizontalAdvance(text.mid(start, tab < 0 ? -1 : tab - start));
      if (tab < 0) return x;
      if (tabWidth_ > 0) x = (x / tabWidth_ + 1) * tabWidth_;
      start = tab + 1;
    }
  }

  // Splits text into lines for the flags and the rectangle's width.
  std::vector<TextLine> Lines(const std::string& utf8, int maxWidth) const {
    std::vector<int> underlined;
    const QString text = StripPrefixes(QtString(utf8), underlined);
    std::vector<TextLine> lines;
    if (flags_ & DT_SINGLELINE) {
      // Line breaks do not break a single line; they are simply not shown.
      TextLine line;
      for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\r') || text[i] == QLatin1Char('\n')) continue;
        if (std::find(underlined.begin(), underlined.end(), i) != underlined.end())
          line.underlined.push_back(static_cast<int>(line.text.size()));
        line.text += text[i];
      }
      line.width = Width(line.text);
      lines.push_back(std::move(line));
    } else {
      qsizetype start = 0;
      while (start <= text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != QLatin1Char('\r') &&
               text[end] != QLatin1Char('\n'))
          ++end;
        if (flags_ & DT_WORDBREAK)
          WrapParagraph(lines, text, underlined, start, end, maxWidth);
        else
          AddLine(lines, text, underlined, start, end);
        if (end >= text.size()) break;
        start = end + (text[end] == QLatin1Char('\r') && end + 1 < text.size() &&
                               text[end + 1] == QLatin1Char('\n')
                           ? 2
                           : 1);
        if (start == text.size()) break;  // a final line break adds no empty line
      }
    }
    if (flags_ & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS | DT_WORD_ELLIPSIS))
      for (TextLine& line : lines) Ellipsize(line, maxWidth);
    return lines;
  }

 private:
  // Removes "&" prefix marks: "&x" underlines x, "&&" stands for "&".
  QString StripPrefixes(const QString& text, std::vector<int>& underlined) const {
    if (flags_ & DT_NOPREFIX) return text;
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
      if (text[i] != QLatin1Char('&')) {
        result += text[i];
        continue;
      }
      if (i + 1 >= text.size()) break;  // a trailing "&" marks nothing
      ++i;
      if (text[i] != QLatin1Char('&') && !(flags_ & DT_HIDEPREFIX))
        underlined.push_back(static_cast<int>(result.size()));
      result += text[i];
    }
    return result;
  }

  TextLine MakeLine(const QString& text, std::vector<int> underlined) const {
    TextLine line;
    line.text = text;
    line.underlined = std::move(underlined);
    line.width = Width(text);
    return line;
  }

  void AddLine(std::vector<TextLine>& lines, const QString& text,
               const std::vector<int>& underlined, qsizetype start, qsizetype end) const {
    std::vector<int> marks;
    for (int u : underlined)
      if (u >= start && u < end) marks.push_back(static_cast<int>(u - start));
    lines.push_back(MakeLine(text.mid(start, end - start), std::move(marks)));
  }

  // Breaks at spaces so that each line fits maxWidth; a word wider than that stays whole on a
  // line of its own. The spaces at a break are not drawn.
  void WrapParagraph(std::vector<TextLine>& lines, const QString& text,
                     const std::vector<int>& underlined, qsizetype start, qsizetype end,
                     int maxWidth) const {
    qsizetype lineStart = start;
    qsizetype lineEnd = start;  // end of the last word that fits
    qsizetype pos = start;
    while (pos < end) {
      qsizetype wordEnd = pos;
      while (wordEnd < end && text[wordEnd] == QLatin1Char(' ')) ++wordEnd;
      while (wordEnd < end && text[wordEnd] != QLatin1Char(' ')) ++wordEnd;
      const bool fits = Width(text.mid(lineStart, wordEnd - lineStart)) <= maxWidth;
      if (fits || lineEnd == lineStart) {
        lineEnd = wordEnd;
        pos = wordEnd;
        continue;
      }
      AddLine(lines, text, underlined, lineStart, lineEnd);
      lineStart = lineEnd;
      while (lineStart < end && text[lineStart] == QLatin1Char(' ')) ++lineStart;
      lineEnd = lineStart;
      pos = lineStart;
    }
    AddLine(lines, text, underlined, lineStart, lineEnd == lineStart ? pos : lineEnd);
  }

  void Ellipsize(TextLine& line, int maxWidth) const {
    if (line.width <= maxWidth) return;
    const QString dots = QStringLiteral("...");
    qsizetype keep = line.text.size();
    while (keep > 0 && Width(line.text.left(keep) + dots) > maxWidth) --keep;
    std::erase_if(line.underlined, [&](int u) { return u >= keep; });
    line.text = line.text.left(keep) + dots;
    line.width = Width(line.text);
  }

  const QFontMetrics& metrics_;
  unsigned flags_;
  int tabWidth_;
};

// Draws one line with its top-left at (x, y): segments between tabs at their tab stops, then
// the prefix underlines (only those when marksOnly is set).
void DrawLine(QPainter& painter, const QFontMetrics& metrics, const TextLayout& layout,
              const TextLine& line, int x, int y, bool marksOnly) {
  const int baseline = y + metrics.ascent();
  qsizetype start = 0;
  while (!marksOnly) {
    const qsizetype tab = line.text.indexOf(QLatin1Char('\t'), start);
    const QString segment = line.text.mid(start, tab < 0 ? -1 : tab - start);
    painter.drawText(QPoint(x + layout.Width(line.text.left(start)), baseline), segment);
    if (tab < 0) break;
    start = tab + 1;
  }
  for (int u : line.underlined) {
    const int from = x + layout.Width(line.text.left(u));
    const int to = x + layout.Width(line.text.left(u + 1));
    const int thickness = std::max(1, metrics.lineWidth());
    painter.fillRect(QRect(from, baseline + metrics.underlinePos(), to - from, thickness),
                     painter.pen().color());
  }
}

}  // namespace

int TCanvas::TextWidth(const std::string& text) const {
  return QFontMetrics(CachedQtFont(font_)).horizontalAdvance(QtString(text));
}

int TCanvas::TextHeight(const std::string& text) const {
  (void)text;
  return QFontMetrics(CachedQtFont(font_)).height();
}

TSize TCanvas::TextExtent(const std::string& text) const {
  const QFontMetrics metrics(CachedQtFont(font_));
  return {metrics.horizontalAdvance(QtString(text)), metrics.height()};
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
  const QFont& font = CachedQtFont(font_);
  const QFontMetrics metrics(font);
  const QString s = QtString(text);
  const int width = metrics.horizontalAdvance(s);
  penPos_ = Point(x + width, y);
  PixelTarget target(*this);
  if (!target.Valid() || s.isEmpty()) return;
  QPainter painter;
  target.BeginPainter(painter);
  painter.setFont(font);
  painter.setPen(TextColor(font_));
  // The reference point is the cell's top-left; a rotated font turns the text about it,
  // counter-clockwise by the escapement.
  painter.translate(x, y);
  if (font_.Escapement() != 0) painter.rotate(-font_.Escapement() / 10.0);
  if (BkMode() == OPAQUE)
    painter.fillRect(QRect(0, 0, width, metrics.height()), QtColor(brush_.Color()));
  painter.drawText(QPoint(0, metrics.ascent()), s);
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const std::string& text) {
  PixelTarget target(*this);
  if (!target.Valid() || rect.IsEmpty()) return;
  const QFont& font = CachedQtFont(font_);
  const QFontMetrics metrics(font);
  QPainter painter;
  target.BeginPainter(painter);
  painter.setClipRect(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()), Qt::IntersectClip);
  if (BkMode() == OPAQUE)
    painter.fillRect(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()),
                     QtColor(brush_.Color()));
  painter.setFont(font);
  painter.setPen(TextColor(font_));
  painter.drawText(QPoint(x, y + metrics.ascent()), QtString(text));
}

int TCanvas::DrawText(const std::string& text, TRect& rect, unsigned flags) {
  const QFont& font = CachedQtFont(font_);
  const QFontMetrics metrics(font);
  const TextLayout layout(metrics, flags);
  if (text.empty()) {
    if (flags & DT_CALCRECT) {
      rect.Right = rect.Left;
      rect.Bottom = rect.Top;
    }
    return 0;
  }
  const std::vector<TextLine> lines = layout.Lines(text, rect.Width());
  const int lineHeight =
      metrics.height() + ((flags & DT_EXTERNALLEADING) ? std::max(0, metrics.leading()) : 0);
  const int textHeight = lineHeight * static_cast<int>(lines.size());
  int maxWidth = 0;
  for (const TextLine& line : lines) maxWidth = std::max(maxWidth, line.width);

  if (flags & DT_CALCRECT) {
    rect.Right = rect.Left + maxWidth;
    rect.Bottom = rect.Top + textHeight;
    return textHeight;
  }

  int top = rect.Top;
  if (flags & DT_SINGLELINE) {
    if (flags & DT_VCENTER)
      top = rect.Top + (rect.Height() - textHeight) / 2;
    else if (flags & DT_BOTTOM)
      top = rect.Bottom - textHeight;
  }
  const int result = (flags & DT_SINGLELINE) && (flags & (DT_VCENTER | DT_BOTTOM))
                         ? top + textHeight - rect.Top
                         : textHeight;
  PixelTarget target(*this);
  if (!target.Valid()) return result;
  QPainter painter;
  target.BeginPainter(painter);
  if (!(flags & DT_NOCLIP))
    painter.setClipRect(QRect(rect.Left, rect.Top, rect.Width(), rect.Height()), Qt::IntersectClip);
  painter.setFont(font);
  painter.setPen(TextColor(font_));
  const bool opaque = BkMode() == OPAQUE;
  const QColor background = QtColor(brush_.Color());
  int y = top;
  for (const TextLine& line : lines) {
    int x = rect.Left;
    if (flags & DT_CENTER)
      x = rect.Left + (rect.Width() - line.width) / 2;
    else if (flags & DT_RIGHT)
      x = rect.Right - line.width;
    if (opaque && !(flags & DT_PREFIXONLY))
      painter.fillRect(QRect(x, y, line.width, lineHeight), background);
    DrawLine(painter, metrics, layout, line, x, y, (flags & DT_PREFIXONLY) != 0);
    y += lineHeight;
  }
  return result;
}

void DrawEngravedText(TCanvas& canvas, TRect rect, const std::string& text,
                      unsigned drawTextFlags) {
  const TColor color = canvas.Font().Color();
  TRect shifted = OffsetRect(rect, 1, 1);
  canvas.Font().SetColor(clBtnHighlight);
  canvas.DrawText(text, shifted, drawTextFlags);
  canvas.Font().SetColor(clBtnShadow);
  canvas.DrawText(text, rect, drawTextFlags);
  canvas.Font().SetColor(color);
}
