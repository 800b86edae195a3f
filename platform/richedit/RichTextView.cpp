#include "platform/richedit/RichTextView.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include "platform/richedit/BulletPainter.h"
#include "platform/richedit/ClipboardFormat.h"
#include "platform/richedit/SelectionFormat.h"

namespace richedit {
namespace {

// Keys that put a character into the text (Ctrl combinations only act).
bool InsertsText(const QKeyEvent& event) {
  if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) return true;
  if ((event.modifiers() & Qt::ControlModifier) != 0) return false;
  if (event.key() == Qt::Key_Tab) return true;
  const QString text = event.text();
  return !text.isEmpty() && text.at(0).unicode() >= 32 && text.at(0).unicode() != 127;
}

// Enter, alone or from the keypad: a new paragraph.
bool StartsParagraph(const QKeyEvent& event) {
  const Qt::KeyboardModifiers others = event.modifiers() & ~Qt::KeypadModifier;
  return (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) && others == 0;
}

}  // namespace

RichTextView::RichTextView(QWidget* parent) : QTextEdit(parent) {
  setAcceptRichText(true);
  viewport()->setMouseTracking(true);
  setMouseTracking(true);
}

int RichTextView::RoomForReplacement() const {
  const int left = room ? room() : -1;
  if (left < 0) return -1;
  const QTextCursor cursor = textCursor();
  return left + (cursor.selectionEnd() - cursor.selectionStart());
}

// Enter always splits the paragraph, the new one taking the paragraph's and the typing
// format. (Qt's editor, in an empty paragraph, would instead reset both formats to its
// defaults and insert nothing, which drops our indents, bullets and fonts.)
void RichTextView::InsertParagraph() {
  QTextCursor cursor = textCursor();
  cursor.insertBlock(cursor.blockFormat(), cursor.charFormat());
  setTextCursor(cursor);
  ensureCursorVisible();
}

// Backspace at the start of a bullet paragraph takes the bullet away, as the classic control
// does, instead of joining the paragraph to the one before.
bool RichTextView::RemoveBulletAtBlockStart() {
  const QTextCursor cursor = textCursor();
  if (cursor.hasSelection() || !cursor.atBlockStart() || cursor.block().textList() == nullptr) {
    return false;
  }
  SetSelectionBullets(*this, false);
  return true;
}

bool RichTextView::event(QEvent* event) {
  const bool handled = QTextEdit::event(event);
  if (eventDone) eventDone();
  return handled;
}

bool RichTextView::viewportEvent(QEvent* event) {
  const bool handled = QTextEdit::viewportEvent(event);
  if (eventDone) eventDone();
  return handled;
}

// The editor would make its widget font the document's default font; the control keeps its
// default format in the document itself (DefAttributes).
void RichTextView::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) {
    QAbstractScrollArea::changeEvent(event);
    return;
  }
  QTextEdit::changeEvent(event);
}

void RichTextView::keyPressEvent(QKeyEvent* event) {
  if (!isReadOnly() && InsertsText(*event) && RoomForReplacement() == 0) {
    QApplication::beep();
    event->accept();
    return;
  }
  if (!isReadOnly() && StartsParagraph(*event)) {
    InsertParagraph();
    event->accept();
    return;
  }
  if (!isReadOnly() && event->key() == Qt::Key_Backspace && event->modifiers() == Qt::NoModifier &&
      RemoveBulletAtBlockStart()) {
    event->accept();
    return;
  }
  QTextEdit::keyPressEvent(event);
}

void RichTextView::paintEvent(QPaintEvent* event) {
  QTextEdit::paintEvent(event);
  const QPointF scrolled(horizontalScrollBar()->value(), verticalScrollBar()->value());
  QPainter painter(viewport());
  painter.translate(-scrolled);
  PaintBullets(painter, *document(), QRectF(event->rect()).translated(scrolled), 1.0,
               palette().color(QPalette::Text));
}

void RichTextView::contextMenuEvent(QContextMenuEvent* event) {
  if (event->reason() == QContextMenuEvent::Keyboard && contextMenu) {
    contextMenu(event->globalPos());
  }
  event->accept();
}

// Composed input arrives as text: each character goes past the key-press handler like a
// typed one, and the text limit holds.
void RichTextView::inputMethodEvent(QInputMethodEvent* event) {
  if (event->commitString().isEmpty()) {
    QTextEdit::inputMethodEvent(event);
    return;
  }
  QString accepted;
  for (char32_t c : event->commitString().toUcs4()) {
    if (keyPress) keyPress(c);
    if (c != 0) accepted += QString::fromUcs4(&c, 1);
  }
  QInputMethodEvent filtered(event->preeditString(), event->attributes());
  filtered.setCommitString(FitToRoom(accepted, RoomForReplacement()), event->replacementStart(),
                           event->replacementLength());
  QTextEdit::inputMethodEvent(&filtered);
}

QMimeData* RichTextView::createMimeDataFromSelection() const {
  const QTextCursor cursor = textCursor();
  const ResolvedCharFormat base = baseFormat ? baseFormat() : ResolvedCharFormat{};
  return MimeFromRange(*document(), cursor.selectionStart(), cursor.selectionEnd(), base);
}

bool RichTextView::canInsertFromMimeData(const QMimeData* source) const {
  return source != nullptr && CanInsertMime(*source);
}

void RichTextView::insertFromMimeData(const QMimeData* source) {
  if (source == nullptr || isReadOnly()) return;
  QTextCursor cursor = textCursor();
  InsertMime(*source, cursor, RoomForReplacement());
  setTextCursor(cursor);
  ensureCursorVisible();
}

}  // namespace richedit
