// What the editor puts on the clipboard and takes from it: RTF (our formats, bullets and
// indents included, and what word processors offer) and plain text. HTML is not taken: it
// cannot carry the exact indents the control keeps.
#pragma once

#include <QString>

#include "platform/richedit/FormatMapping.h"

class QMimeData;
class QTextCursor;
class QTextDocument;

namespace richedit {

// The characters from..to of document as clipboard data.
QMimeData* MimeFromRange(const QTextDocument& document, int from, int to,
                         const ResolvedCharFormat& base);
bool CanInsertMime(const QMimeData& source);
// Inserts source at the cursor in place of its selection. room limits the characters
// inserted (negative: no limit); RTF that does not fit goes in as plain text, cut to fit.
void InsertMime(const QMimeData& source, QTextCursor& cursor, int room);

// Plain text as the editor inserts it: CR LF and CR become LF (a paragraph break).
QString NormalizedLineBreaks(const QString& text);
// text cut to at most room characters without splitting a surrogate pair.
QString FitToRoom(const QString& text, int room);

}  // namespace richedit
