#include "platform/richedit/SelectionFormat.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextList>

#include "platform/richedit/FormatMapping.h"

namespace richedit {
namespace {

// The paragraphs from the selection's start to its end, both included.
template <class Visit>
void ForEachSelectedBlock(const QTextEdit& edit, Visit visit) {
  const QTextCursor cursor = edit.textCursor();
  const QTextDocument* document = edit.document();
  const QTextBlock last = document->findBlock(cursor.selectionEnd());
  for (QTextBlock block = document->findBlock(cursor.selectionStart()); block.isValid();
       block = block.next()) {
    visit(block);
    if (block == last) break;
  }
}

bool IsBullet(const QTextBlock& block) {
  return block.textList() != nullptr;
}

// Gives a paragraph the geometry of a bullet paragraph or of a plain one.
void StoreGeometry(QTextCursor& editor, int position, bool bullet) {
  const QTextBlock block = editor.document()->findBlock(position);
  QTextBlockFormat format = block.blockFormat();
  format.setIndent(0);  // leaving a list would move the list's indent into the block
  ApplyIndentGeometry(format, bullet);
  editor.setPosition(position);
  editor.setBlockFormat(format);
}

void MakeBullet(QTextCursor& editor, const QTextBlock& block) {
  const QTextBlock previous = block.previous();
  if (previous.isValid() && previous.textList() != nullptr) {
    previous.textList()->add(block);
  } else {
    editor.setPosition(block.position());
    editor.createList(BulletListFormat());
  }
  StoreGeometry(editor, block.position(), true);
}

void MakePlain(QTextCursor& editor, const QTextBlock& block) {
  block.textList()->remove(block);
  StoreGeometry(editor, block.position(), false);
}

}  // namespace

QTextCharFormat SelectionCharFormat(const QTextEdit& edit) {
  QTextCursor cursor = edit.textCursor();
  if (!cursor.hasSelection()) return cursor.charFormat();
  // The format a cursor reports is that of the character before it.
  QTextCursor first(edit.document());
  first.setPosition(cursor.selectionStart() + 1);
  return first.charFormat();
}

void MergeSelectionCharFormat(QTextEdit& edit, const QTextCharFormat& change) {
  edit.mergeCurrentCharFormat(change);
}

rtf::ParaFormat SelectionParaFormat(const QTextEdit& edit) {
  const QTextCursor cursor = edit.textCursor();
  const QTextBlock block = edit.document()->findBlock(cursor.selectionStart());
  return FromQtBlockFormat(block.blockFormat(), IsBullet(block));
}

void ChangeSelectionParagraphs(QTextEdit& edit,
                               const std::function<void(rtf::ParaFormat&)>& change) {
  QTextCursor editor(edit.document());
  editor.beginEditBlock();
  ForEachSelectedBlock(edit, [&](const QTextBlock& block) {
    QTextBlockFormat format = block.blockFormat();
    rtf::ParaFormat para = FromQtBlockFormat(format, IsBullet(block));
    change(para);
    StoreParaFormat(format, para);
    if (format == block.blockFormat()) return;
    editor.setPosition(block.position());
    editor.setBlockFormat(format);
  });
  editor.endEditBlock();
}

void SetSelectionBullets(QTextEdit& edit, bool bullets) {
  QTextCursor editor(edit.document());
  editor.beginEditBlock();
  ForEachSelectedBlock(edit, [&](const QTextBlock& block) {
    if (IsBullet(block) == bullets) return;
    if (bullets) {
      MakeBullet(editor, block);
    } else {
      MakePlain(editor, block);
    }
  });
  editor.endEditBlock();
}

}  // namespace richedit
