// Prints a text document page by page into the printer's whole printable area.
#pragma once

#include <QColor>
#include <string>

class QTextDocument;
class TPrinter;

namespace richedit {

// Runs a whole job titled title: the document is laid out anew for the printer's page (no
// margins of its own), each filled page is followed by a new one, the job is ended. Text
// without a colour of its own is printed in defaultTextColor. Raises Exception when the job
// cannot run (no printer); a job interrupted by an error is aborted.
void PrintTextDocument(const QTextDocument& document, const QColor& defaultTextColor,
                       TPrinter& printer, const std::string& title);

}  // namespace richedit
