// Text in the control's default format (DefAttributes): what is typed into an empty control
// or set as plain text. It carries the default format explicitly plus a mark, and a change
// of the default format restyles the marked text only. (Qt's own document default font
// would do this too, but changing it lays the whole document out again: seconds for a large
// file whose text all has formats of its own.)
#pragma once

#include <QTextCharFormat>

#include "platform/richedit/FormatMapping.h"

class QTextEdit;

namespace richedit {

QTextCharFormat DefaultTextFormat(const ResolvedCharFormat& base);
bool FollowsDefault(const QTextCharFormat& format);

// Gives every marked character, marked empty paragraph and the marked typing format of the
// editor the new default format, as one undo step.
void RestyleDefaultText(QTextEdit& edit, const QTextCharFormat& format);

}  // namespace richedit
