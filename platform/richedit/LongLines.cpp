#include "platform/richedit/LongLines.h"

#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>

namespace richedit {

namespace {

bool OffersBreak(QChar ch) {
  const char16_t code = ch.unicode();
  // Ideographs, kana and hangul break between any two characters.
  const bool eastAsian = (code >= 0x2E80 && code < 0xA4D0) || (code >= 0xAC00 && code < 0xD7B0) ||
                         (code >= 0xF900 && code < 0xFB00) || (code >= 0xFF00 && code < 0xFFF0);
  const bool noBreakSpace = code == 0x00A0 || code == 0x2007 || code == 0x202F;
  return (ch.isSpace() && !noBreakSpace) || code == u'-' || code == 0x2010 || code == 0x2013 ||
         eastAsian;
}

}  // namespace

int LongestUnbreakableStretch(const QString& text) {
  int longest = 0;
  int current = 0;
  for (const QChar ch : text) {
    current = OffersBreak(ch) ? 0 : current + 1;
    longest = std::max(longest, current);
  }
  return longest;
}

int LongestUnbreakableStretch(const QTextDocument& document, int from, int to) {
  int longest = 0;
  for (QTextBlock block = document.findBlock(from); block.isValid() && block.position() <= to;
       block = block.next())
    longest = std::max(longest, LongestUnbreakableStretch(block.text()));
  return longest;
}

QTextOption::WrapMode WrapModeFor(const QTextDocument& document) {
  const int longest = LongestUnbreakableStretch(document, 0, document.characterCount());
  return longest > kLongestStretchWrappedAtWords ? QTextOption::WrapAnywhere
                                                 : QTextOption::WrapAtWordBoundaryOrAnywhere;
}

}  // namespace richedit
