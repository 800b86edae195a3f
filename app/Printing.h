// Printing the document through the editing control's own page formatting.
#pragma once

#include <string>
#include <vector>

class TRichEdit;

// The print command: every paragraph gets kPrintIndentPoints more first-line indent while the
// document prints, and its own indent back afterwards; the whole text stays selected.
void PrintWithExtraIndent(TRichEdit& editor, const std::string& jobTitle);
// The UTF-16 positions at which the editor's paragraphs start.
std::vector<int> ParagraphStarts(const TRichEdit& editor);
