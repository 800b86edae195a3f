#include "platform/richedit/DefaultText.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <vector>

namespace richedit {
namespace {

struct Range {
  int from;
  int to;
};

// Runs of marked characters, neighbouring fragments joined.
std::vector<Range> MarkedRanges(const QTextDocument& document) {
  std::vector<Range> ranges;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (!FollowsDefault(fragment.charFormat())) continue;
      const int from = fragment.position();
      const int to = from + fragment.length();
      if (!ranges.empty() && ranges.back().to == from) {
        ranges.back().to = to;
      } else {
        ranges.push_back({from, to});
      }
    }
  }
  return ranges;
}

std::vector<int> MarkedEmptyParagraphs(const QTextDocument& document) {
  std::vector<int> positions;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    if (block.length() == 1 && FollowsDefault(block.charFormat())) {
      positions.push_back(block.position());
    }
  }
  return positions;
}

}  // namespace

QTextCharFormat DefaultTextFormat(const ResolvedCharFormat& base) {
  QTextCharFormat format = ToQtCharFormat(base);
  format.setProperty(kDefaultTextProperty, true);
  return format;
}

bool FollowsDefault(const QTextCharFormat& format) {
  return format.boolProperty(kDefaultTextProperty);
}

void RestyleDefaultText(QTextEdit& edit, const QTextCharFormat& format) {
  QTextDocument& document = *edit.document();
  const std::vector<Range> ranges = MarkedRanges(document);
  const std::vector<int> emptyParagraphs = MarkedEmptyParagraphs(document);
  if (!ranges.empty() || !emptyParagraphs.empty()) {
    QTextCursor editor(&document);
    editor.beginEditBlock();
    for (const Range& range : ranges) {
      editor.setPosition(range.from);
      editor.setPosition(range.to, QTextCursor::KeepAnchor);
      editor.setCharFormat(format);
    }
    for (int position : emptyParagraphs) {
      editor.setPosition(position);
      editor.setBlockCharFormat(format);
    }
    editor.endEditBlock();
  }
  QTextCursor caret = edit.textCursor();
  if (FollowsDefault(caret.charFormat()) && !caret.hasSelection()) {
    caret.setCharFormat(format);
    edit.setTextCursor(caret);
  }
}

}  // namespace richedit
