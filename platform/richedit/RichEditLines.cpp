#include "platform/richedit/RichEditLines.h"

#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "platform/core/Exception.h"
#include "platform/qt/QtBridge.h"
#include "platform/richedit/ClipboardFormat.h"
#include "platform/richedit/RichEditImpl.h"

namespace {

const char* const kInsertError = "RichEdit line insertion error";

}  // namespace

int TRichEditLines::Count() const {
  int count = owner_.LineCount();
  if (count > 0 && owner_.LineLength(count - 1) == 0) --count;
  return count;
}

std::string TRichEditLines::Strings(int index) const {
  const int start = owner_.LineIndex(index);
  if (start < 0) return std::string();
  const int length = owner_.LineLength(index);
  QTextCursor range(&owner_.impl().Document());
  range.setPosition(start);
  range.setPosition(start + length, QTextCursor::KeepAnchor);
  QString text = range.selectedText();
  text.replace(QChar::LineSeparator, QChar('\n'));
  return FromQtString(text);
}

void TRichEditLines::Insert(int index, const std::string& text) {
  TRichEdit::Impl& impl = owner_.impl();
  if (index < 0 || index > Count()) throw Exception(kInsertError);
  const QString line = richedit::NormalizedLineBreaks(QtString(text));
  int position = owner_.LineIndex(index);
  QString inserted;
  if (position >= 0) {
    inserted = line + QChar('\n');
  } else {
    position = owner_.LineIndex(index - 1) + owner_.LineLength(index - 1);
    inserted = QChar('\n') + line;
  }
  const int room = impl.Room();
  if (room >= 0 && inserted.size() > room) throw Exception(kInsertError);
  impl.Edit([&] {
    QTextCursor cursor = impl.view->textCursor();
    cursor.setPosition(position);
    impl.view->setTextCursor(cursor);
    cursor.insertText(inserted);
    impl.view->setTextCursor(cursor);
  });
}

void TRichEditLines::Delete(int index) {
  TRichEdit::Impl& impl = owner_.impl();
  const int start = owner_.LineIndex(index);
  if (start < 0) return;
  const int end = std::min(owner_.GetTextLen(), start + owner_.LineLength(index) + 1);
  impl.Edit([&] {
    QTextCursor cursor(&impl.Document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
  });
}

void TRichEditLines::Clear() {
  owner_.Clear();
}

std::string TRichEditLines::Text() const {
  return owner_.Text();
}

void TRichEditLines::SetText(const std::string& text) {
  owner_.SetText(text);
}
