#include "platform/richedit/RichEditLayout.h"

#include <string>
#include <vector>

#include "platform/layout/LayoutClass.h"
#include "platform/layout/LayoutClasses.h"
#include "platform/richedit/RichEdit.h"

namespace {

const TLayoutEnum<TScrollStyle> kScrollStyles = {{"ssNone", ssNone},
                                                 {"ssHorizontal", ssHorizontal},
                                                 {"ssVertical", ssVertical},
                                                 {"ssBoth", ssBoth}};

// The lines as a layout lists them: ('') is one empty line, that is an empty text.
void SetLines(TRichEdit& edit, const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += lines[i];
  }
  edit.SetText(text);
}

}  // namespace

void RegisterRichEditLayoutClasses() {
  RegisterPlatformLayoutClasses();
  LayoutClass<TRichEdit, TWinControl>("TRichEdit")
      .Strings("Lines", &SetLines)
      .Strings("Lines.Strings", &SetLines)
      .Int("MaxLength", &TRichEdit::SetMaxLength)
      .Bool("PlainText", &TRichEdit::SetPlainText)
      .Bool("ReadOnly", &TRichEdit::SetReadOnly)
      .Enum("ScrollBars", kScrollStyles, &TRichEdit::SetScrollBars)
      .Bool("WordWrap", &TRichEdit::SetWordWrap)
      .Event("OnChange", &TRichEdit::OnChange);
}
