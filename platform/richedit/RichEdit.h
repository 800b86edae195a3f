// The rich-text editing control: formatted text with selection and paragraph attributes,
// caret line and column counted over wrapped lines, find, undo, clipboard, a text limit,
// word wrap, streaming as RTF or plain text and printing.
//
// Positions (SelStart, FindText, line starts) count UTF-16 code units; a paragraph break
// counts as one character. Strings are UTF-8.
#pragma once

#include <memory>
#include <string>

#include "platform/framework/Control.h"
#include "platform/richedit/ParaAttributes.h"
#include "platform/richedit/RichEditLines.h"
#include "platform/richedit/TextAttributes.h"

class TStream;

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// A set of TSearchTypeBits for FindText.
enum TSearchTypeBits : unsigned { stWholeWord = 1, stMatchCase = 2 };
using TSearchTypes = unsigned;

class TRichEdit : public TWinControl {
 public:
  explicit TRichEdit(TComponent* owner = nullptr);
  ~TRichEdit() override;
  std::string ClassName() const override { return "TRichEdit"; }

  // --- Content. Setting Text replaces everything with plain text in the default format.
  std::string Text() const;
  void SetText(const std::string& text);
  int GetTextLen() const;
  TRichEditLines& Lines() { return lines_; }
  // Removes all text and leaves one empty paragraph in the default format (undoable).
  void Clear();

  // --- Selection.
  int SelStart() const;
  void SetSelStart(int start);  // also empties the selection, as the classic control does
  int SelLength() const;
  void SetSelLength(int length);
  std::string SelText() const;
  // Replaces the selection (cut to the text limit); the caret ends after the new text.
  void SetSelText(const std::string& text);
  void SelectAll();
  void ClearSelection();

  // --- Formats: of the selection (or what typing gets), the default one, the paragraphs.
  TTextAttributes& SelAttributes() { return *selAttributes_; }
  TTextAttributes& DefAttributes() { return *defAttributes_; }
  TParaAttributes& Paragraph() { return *paragraph_; }

  // Line (Y, counting wrapped lines) and column (X) of the selection's end, zero-based.
  TPoint CaretPos() const;
  // Display lines, as the control shows them at its current width.
  int LineCount() const;
  int LineIndex(int line) const;   // first character's position; -1 past the last line
  int LineLength(int line) const;  // without the break; -1 past the last line
  int LineFromChar(int position) const;

  // Position of the first match of text that starts at or after start and ends within
  // start + length (length < 0: to the end), or -1.
  int FindText(const std::string& text, int start, int length, TSearchTypes options) const;

  // --- Editing.
  void Undo();
  bool CanUndo() const;
  void ClearUndo();
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();

  // --- Behaviour.
  // Most characters the text may hold; 0: no limit. Typing and pasting stop at the limit;
  // Lines.Add and Lines.Insert fail with "RichEdit line insertion error".
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int length);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool wrap);
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle style);
  bool ReadOnly() const;
  void SetReadOnly(bool readOnly);
  // Streams as plain text instead of RTF.
  bool PlainText() const { return plainText_; }
  void SetPlainText(bool plain) { plainText_ = plain; }

  // --- Streaming. Loading reads RTF, else plain text (or plain text only when PlainText),
  // replaces everything and fires OnChange; saving writes RTF or, when PlainText, UTF-8 text.
  // Errors: "Failed to Load Stream", "Failed to Save Stream".
  void LoadFromStream(TStream& stream);
  void SaveToStream(TStream& stream) const;

  // Prints the whole document on the program's printer (Printer()) as a job titled caption.
  void Print(const std::string& caption);

  // Composes what the screen shows of the control into bitmap.
  void PaintTo(TBitmap& bitmap) override;

  // The text changed (typing, pasting, cutting, undo, clearing, loading, Lines, SelText);
  // formatting alone does not fire it.
  TNotifyEvent OnChange;

  // Platform-internal: the Qt state behind the control.
  struct Impl;
  Impl& impl() const { return *impl_; }

 protected:
  unsigned DialogCodes() const override;
  void ColorChanged() override;
  void FontChanged() override;
  void TextChanged() override;
  void EnabledChanged() override;
  void BoundsChanged(bool moved, bool resized) override;
  void Loaded() override;

 private:
  friend class TTextAttributes;
  friend class TParaAttributes;
  friend class TRichEditLines;

  std::unique_ptr<Impl> impl_;
  std::unique_ptr<TTextAttributes> selAttributes_;
  std::unique_ptr<TTextAttributes> defAttributes_;
  std::unique_ptr<TParaAttributes> paragraph_;
  TRichEditLines lines_;
  int maxLength_ = 0;
  bool wordWrap_ = true;
  TScrollStyle scrollBars_ = ssBoth;
  bool plainText_ = false;
};
