#include "app/Printing.h"

#include "app/Unit1.h"
#include "platform/richedit/RichEdit.h"

namespace {

// UTF-16 code units of a UTF-8 string: four-byte sequences take two, other lead bytes one.
int Utf16Length(const std::string& text, std::size_t begin, std::size_t end) {
  int units = 0;
  for (std::size_t i = begin; i < end; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if ((byte & 0xC0) == 0x80) continue;
    units += byte >= 0xF0 ? 2 : 1;
  }
  return units;
}

// Neighbouring paragraphs with the same first-line indent, changed together: each change of
// paragraph formats costs about as much as one over the whole text.
struct IndentRun {
  int firstStart = 0;  // where the run's first paragraph starts
  int lastStart = 0;   // where its last paragraph starts
  int indent = 0;      // points
};

std::vector<IndentRun> FirstIndentRuns(TRichEdit& editor) {
  std::vector<IndentRun> runs;
  for (const int start : ParagraphStarts(editor)) {
    editor.SetSelStart(start);
    const int indent = editor.Paragraph().FirstIndent();
    if (!runs.empty() && runs.back().indent == indent)
      runs.back().lastStart = start;
    else
      runs.push_back({start, start, indent});
  }
  return runs;
}

void SetFirstIndents(TRichEdit& editor, const std::vector<IndentRun>& runs, int extra) {
  for (const IndentRun& run : runs) {
    editor.SetSelStart(run.firstStart);
    editor.SetSelLength(run.lastStart - run.firstStart);
    editor.Paragraph().SetFirstIndent(run.indent + extra);
  }
}

}  // namespace

std::vector<int> ParagraphStarts(const TRichEdit& editor) {
  const std::string text = editor.Text();
  std::vector<int> starts{0};
  int position = 0;
  std::size_t begin = 0;
  for (std::size_t found = text.find("\r\n"); found != std::string::npos;
       found = text.find("\r\n", begin)) {
    position += Utf16Length(text, begin, found) + 1;
    starts.push_back(position);
    begin = found + 2;
  }
  return starts;
}

void PrintWithExtraIndent(TRichEdit& editor, const std::string& jobTitle) {
  if (editor.CanFocus()) editor.SetFocus();
  const std::vector<IndentRun> runs = FirstIndentRuns(editor);
  SetFirstIndents(editor, runs, kPrintIndentPoints);
  try {
    editor.Print(jobTitle);
  } catch (...) {
    // The document keeps its own indents even when the printer fails.
    SetFirstIndents(editor, runs, 0);
    editor.SelectAll();
    throw;
  }
  SetFirstIndents(editor, runs, 0);
  editor.SelectAll();
}
