// The Qt editor behind the rich-text control. Its keys and mouse reach the control's hooks
// through the control's host (ControlHost::ForwardInputFrom); the editor itself keeps
// insertions within the text limit and copies and pastes RTF, so that the formats our own
// properties carry survive the clipboard.
#pragma once

#include <QTextEdit>
#include <functional>

#include "platform/richedit/FormatMapping.h"

namespace richedit {

class RichTextView : public QTextEdit {
 public:
  explicit RichTextView(QWidget* parent = nullptr);

  // Characters of composed input (input methods), each before it is inserted: the handler may
  // change it or set it to 0. Typed keys reach the control through its host instead.
  std::function<void(char32_t& key)> keyPress;
  // A context-menu request from the keyboard, at a screen point; the editor shows no menu of
  // its own (a right click reaches the control through its host).
  std::function<void(QPoint screenPos)> contextMenu;
  // How many more characters the text may take; negative for no limit.
  std::function<int()> room;
  // Runs after every event the editor handled: the control reports text changes here, once
  // the editor is done with them.
  std::function<void()> eventDone;
  // The default character format, for copying text that follows it.
  std::function<ResolvedCharFormat()> baseFormat;

  // The characters the text limit leaves room for when the selection is replaced.
  int RoomForReplacement() const;

 protected:
  bool event(QEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;

  QMimeData* createMimeDataFromSelection() const override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  void InsertParagraph();
  bool RemoveBulletAtBlockStart();
};

}  // namespace richedit
