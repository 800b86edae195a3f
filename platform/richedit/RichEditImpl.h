// Internal to the platform layer: the Qt side of TRichEdit, shared by the control and its
// attribute objects.
#pragma once

#include <QPointer>
#include <memory>

#include "platform/richedit/FormatMapping.h"
#include "platform/richedit/RichEdit.h"
#include "platform/richedit/RichTextView.h"

class QTextCursor;
class QTextDocument;

namespace richedit {

// Leaves one empty paragraph in the default formats: no list, no indents, no alignment, text
// in textFormat.
void ClearToPlainParagraph(QTextCursor& cursor, const QTextCharFormat& textFormat);

}  // namespace richedit

struct TRichEdit::Impl {
  explicit Impl(TRichEdit& owner);

  // Gives a document the settings every document of the control has: default font, bullet
  // indent, margins. Used on documents built detached before they are attached.
  void ConfigureDocument(QTextDocument& document) const;
  // Shows document (built detached) in place of the current one, which is freed.
  void AttachDocument(std::unique_ptr<QTextDocument> document);
  // The view's text colour for text without a colour of its own.
  void ApplyBase();
  // A new default format: text in the default format takes it.
  void ChangeBase(const richedit::ResolvedCharFormat& format);
  QTextDocument& Document() const;

  // Format changes made through the control's own attributes are no text changes: OnChange
  // stays quiet while one runs.
  class FormatChange {
   public:
    explicit FormatChange(Impl& impl) : impl_(impl) { ++impl_.formatChanges; }
    ~FormatChange() { --impl_.formatChanges; }
    FormatChange(const FormatChange&) = delete;
    FormatChange& operator=(const FormatChange&) = delete;

   private:
    Impl& impl_;
  };

  // Runs an operation of the control: the text changes it makes fire OnChange once, when it
  // is over (the editor may handle events in between, which must not report them early).
  template <class Operation>
  void Edit(Operation&& operation) {
    ++editDepth;
    try {
      operation();
    } catch (...) {
      --editDepth;
      throw;
    }
    --editDepth;
    if (editDepth == 0) FlushChange();
  }
  // Fires OnChange once if the text changed since the last call (not inside an operation).
  void FlushChange();
  void ContentsChanged(int charsRemoved, int charsAdded);
  // Switches the view to wrapping anywhere when added text holds a long unbreakable stretch
  // (LongLines.h).
  void WrapAnywhereIfNeeded(int from, int added);
  void ConnectDocument();
  // Characters the text limit still allows (negative: no limit).
  int Room() const;

  TRichEdit& owner;
  QPointer<richedit::RichTextView> view;
  richedit::ResolvedCharFormat base;
  int formatChanges = 0;
  int editDepth = 0;
  bool changePending = false;
};
