// Character and paragraph formats of an editor's selection, read and changed the way the
// rich-text control's attribute objects need: reading gives the first selected character or
// paragraph, changing reaches every one of them and is one undo step.
#pragma once

#include <QTextCharFormat>
#include <functional>

#include "platform/rtf/RichDocument.h"

class QTextEdit;

namespace richedit {

// The format of the selection's first character; with no selection, what typing would get.
QTextCharFormat SelectionCharFormat(const QTextEdit& edit);
// Merges change into every selected character; with no selection, into what typing gets.
void MergeSelectionCharFormat(QTextEdit& edit, const QTextCharFormat& change);

// The format of the first paragraph the selection touches (the caret's paragraph).
rtf::ParaFormat SelectionParaFormat(const QTextEdit& edit);
// Runs change on the format of each paragraph the selection touches and stores the result.
void ChangeSelectionParagraphs(QTextEdit& edit,
                               const std::function<void(rtf::ParaFormat&)>& change);
// Makes every paragraph the selection touches a bullet paragraph, or a plain one.
void SetSelectionBullets(QTextEdit& edit, bool bullets);

}  // namespace richedit
