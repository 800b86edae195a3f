// Qt's line breaking looks ahead to the next break opportunity on every line it makes. In a
// paragraph with a long stretch that has none (a megabyte of one letter, of NUL bytes) each
// line scans the rest of the stretch, so the layout takes time growing with the square of its
// length: minutes before the window could show. A document holding such a stretch is wrapped
// anywhere instead of at word boundaries; its text and its saved form stay exactly the same,
// only the line ends on screen may fall inside words.
#pragma once

#include <QTextOption>

class QString;
class QTextDocument;

namespace richedit {

// The longest stretch wrapped at word boundaries: its lines cost at most this many steps each.
inline constexpr int kLongestStretchWrappedAtWords = 10000;

// The most characters in a row of text without a break opportunity (spaces, hyphens, and
// the ideographs of East Asian scripts, which break anywhere).
int LongestUnbreakableStretch(const QString& text);
int LongestUnbreakableStretch(const QTextDocument& document, int from, int to);

// Word wrapping, or wrapping anywhere when a stretch is longer than the limit.
QTextOption::WrapMode WrapModeFor(const QTextDocument& document);

}  // namespace richedit
