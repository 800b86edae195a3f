// Moves documents between the Qt-free model (what the RTF codec reads and writes) and the
// QTextDocument behind the rich-text control. Building works on a document that no view
// shows, so a large file is laid out once, when it is attached.
#pragma once

#include "platform/richedit/FormatMapping.h"
#include "platform/rtf/RichDocument.h"

class QTextCharFormat;
class QTextCursor;
class QTextDocument;

namespace richedit {

// Replaces the content of target with model. The target's undo history is not touched;
// callers building a fresh document switch undo off while they do.
void BuildTextDocument(const rtf::RichDocument& model, QTextDocument& target);
// The paragraphs' texts only, all in textFormat, the paragraphs plain (what a plain-text file
// gives).
void BuildPlainTextDocument(const rtf::RichDocument& model, QTextDocument& target,
                            const QTextCharFormat& textFormat);
// Inserts model at the cursor in place of its selection: the first paragraph's text joins the
// paragraph at the cursor, every further paragraph starts a new one with its own format.
void InsertDocument(const rtf::RichDocument& model, QTextCursor& cursor);

// The whole document as a model; text that follows the default format gets base's values.
rtf::RichDocument ReadTextDocument(const QTextDocument& source, const ResolvedCharFormat& base);
// The characters from..to (document positions, to excluded) with their paragraphs' formats.
rtf::RichDocument ReadTextRange(const QTextDocument& source, int from, int to,
                                const ResolvedCharFormat& base);

// Text for Qt: characters that would split blocks or frames inside Qt become line breaks or
// the replacement character.
QString ToQtText(const std::u16string& text);
std::u16string FromQtText(const QString& text);

}  // namespace richedit
