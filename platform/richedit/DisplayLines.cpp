#include "platform/richedit/DisplayLines.h"

#include <QAbstractTextDocumentLayout>
#include <QString>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>

namespace richedit {
namespace {

// Lays the document out up to and including block.
void EnsureLaidOut(const QTextDocument& document, const QTextBlock& block) {
  document.documentLayout()->blockBoundingRect(block);
}

int LinesOf(const QTextBlock& block) {
  const QTextLayout* layout = block.layout();
  return layout != nullptr ? std::max(1, layout->lineCount()) : 1;
}

// The block holding display line `line`, and the line's number inside it.
QTextBlock FindLine(const QTextDocument& document, int line, int& lineInBlock) {
  if (line < 0) return QTextBlock();
  EnsureLaidOut(document, document.lastBlock());
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    const int lines = LinesOf(block);
    if (line < lines) {
      lineInBlock = line;
      return block;
    }
    line -= lines;
  }
  return QTextBlock();
}

bool IsWordCharacter(const QString& text, qsizetype at) {
  if (at < 0 || at >= text.size()) return false;
  const QChar c = text.at(at);
  return c.isLetterOrNumber() || c == QChar('_');
}

bool IsWholeWord(const QString& text, qsizetype at, qsizetype length) {
  return !IsWordCharacter(text, at - 1) && !IsWordCharacter(text, at + length);
}

}  // namespace

int FindInDocument(const QTextDocument& document, const QString& needle, int start, int end,
                   bool matchCase, bool wholeWord) {
  if (needle.isEmpty()) return -1;
  const Qt::CaseSensitivity sensitivity = matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
  for (QTextBlock block = document.findBlock(start); block.isValid() && block.position() < end;
       block = block.next()) {
    const QString text = block.text();
    qsizetype from = std::max(0, start - block.position());
    for (;;) {
      const qsizetype at = text.indexOf(needle, from, sensitivity);
      if (at < 0) break;
      const int position = block.position() + int(at);
      if (position + needle.size() > end) return -1;
      if (!wholeWord || IsWholeWord(text, at, needle.size())) return position;
      from = at + 1;
    }
  }
  return -1;
}

int DisplayLineCount(const QTextDocument& document) {
  EnsureLaidOut(document, document.lastBlock());
  int count = 0;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    count += LinesOf(block);
  }
  return count;
}

LinePosition DisplayLineOf(const QTextDocument& document, int position) {
  position = std::clamp(position, 0, std::max(0, document.characterCount() - 1));
  const QTextBlock target = document.findBlock(position);
  EnsureLaidOut(document, target);
  LinePosition result;
  for (QTextBlock block = document.begin(); block.isValid() && block != target;
       block = block.next()) {
    result.line += LinesOf(block);
  }
  const int offset = position - target.position();
  const QTextLayout* layout = target.layout();
  if (layout == nullptr || layout->lineCount() == 0) {
    result.column = offset;
    return result;
  }
  const QTextLine line = layout->lineForTextPosition(offset);
  const QTextLine found = line.isValid() ? line : layout->lineAt(layout->lineCount() - 1);
  result.line += found.lineNumber();
  result.column = offset - found.textStart();
  return result;
}

int DisplayLineStart(const QTextDocument& document, int line) {
  int lineInBlock = 0;
  const QTextBlock block = FindLine(document, line, lineInBlock);
  if (!block.isValid()) return -1;
  const QTextLayout* layout = block.layout();
  if (layout == nullptr || layout->lineCount() == 0) return block.position();
  return block.position() + layout->lineAt(lineInBlock).textStart();
}

int DisplayLineLength(const QTextDocument& document, int line) {
  int lineInBlock = 0;
  const QTextBlock block = FindLine(document, line, lineInBlock);
  if (!block.isValid()) return -1;
  const QTextLayout* layout = block.layout();
  if (layout == nullptr || layout->lineCount() == 0) return block.length() - 1;
  return layout->lineAt(lineInBlock).textLength();
}

}  // namespace richedit
