// The lines of a rich-text control as a string list: the lines the control shows (a wrapped
// paragraph is several), without a last line that is empty.
#pragma once

#include <string>

class TRichEdit;

class TRichEditLines {
 public:
  explicit TRichEditLines(TRichEdit& owner) : owner_(owner) {}

  int Count() const;
  // The text of line index (without its break); empty past the last line.
  std::string Strings(int index) const;
  std::string operator[](int index) const { return Strings(index); }

  // Inserts text as line index: before that line when it exists (the text followed by a line
  // break), else after the end of the last line (a line break followed by the text). The
  // caret ends after the insertion; the text takes the format typing there would get.
  // Raises Exception "RichEdit line insertion error" when the text limit leaves no room or
  // index is out of range; nothing is inserted then.
  void Insert(int index, const std::string& text);
  // Inserts text as a new last line.
  void Add(const std::string& text) { Insert(Count(), text); }
  // Removes line index with its break.
  void Delete(int index);
  void Clear();

  // All text, paragraphs separated by CR LF.
  std::string Text() const;
  void SetText(const std::string& text);

 private:
  TRichEdit& owner_;
};
