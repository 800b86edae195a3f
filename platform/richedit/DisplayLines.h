// Lines as the editor shows them: a paragraph wrapped at the window's edge is several lines.
// Every query lays the document out as far as it needs (Qt lays out lazily).
#pragma once

class QTextDocument;

namespace richedit {

struct LinePosition {
  int line = 0;    // zero-based display line
  int column = 0;  // characters from the line's start
};

int DisplayLineCount(const QTextDocument& document);
LinePosition DisplayLineOf(const QTextDocument& document, int position);
// Document position of the line's first character; -1 when there is no such line.
int DisplayLineStart(const QTextDocument& document, int line);
// Characters of the line, its break not counted; -1 when there is no such line.
int DisplayLineLength(const QTextDocument& document, int line);

}  // namespace richedit
