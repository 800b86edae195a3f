// Lines as the editor shows them: a paragraph wrapped at the window's edge is several lines.
// Every query lays the document out as far as it needs (Qt lays out lazily).
#pragma once

class QString;
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

// Position of the first match of needle that starts at or after start and ends by end, or -1.
// Searches block texts directly: a text cursor placed at the match would lay the document out
// up to it.
int FindInDocument(const QTextDocument& document, const QString& needle, int start, int end,
                   bool matchCase, bool wholeWord);

}  // namespace richedit
