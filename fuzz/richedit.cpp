// Documents from files and the clipboard through the rich-text control: whatever the RTF (or
// plain-text) reader makes of the bytes goes into the control, is laid out, and must come
// back out of it with every character and format as it went in. Nothing may crash.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "platform/framework/Application.h"
#include "platform/framework/Form.h"
#include "platform/core/Stream.h"
#include "platform/richedit/RichEdit.h"
#include "platform/rtf/Normalize.h"
#include "platform/rtf/RtfReader.h"

namespace {

// What the control shows for characters that would split its paragraphs: a line break, or
// the replacement character for the editor's own markers.
char16_t Shown(char16_t c) {
  switch (c) {
    case u'\r':
    case 0x2028:
    case 0x2029:
      return u'\n';
    case 0xFDD0:
    case 0xFDD1:
    case 0xFFFC:
      return 0xFFFD;
    default:
      return c;
  }
}

struct FlatChar {
  char16_t c;
  rtf::FontEntry font;
  rtf::CharFormat format;
  bool operator==(const FlatChar&) const = default;
};

struct FlatParagraph {
  rtf::ParaFormat format;
  std::vector<FlatChar> chars;
  bool operator==(const FlatParagraph&) const = default;
};

// Font tables compare face names without regard to ASCII case.
rtf::FontEntry Folded(rtf::FontEntry font) {
  for (char& c : font.face) {
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  }
  return font;
}

std::vector<FlatParagraph> Flatten(const rtf::RichDocument& doc) {
  std::vector<FlatParagraph> result;
  for (const rtf::Paragraph& para : doc.paragraphs) {
    FlatParagraph flat{para.format, {}};
    for (const rtf::Run& run : para.runs) {
      rtf::CharFormat format = run.format;
      format.font = 0;
      for (char16_t c : run.text) {
        flat.chars.push_back(
            {Shown(c), Folded(doc.fonts.at(std::size_t(run.format.font))), format});
      }
    }
    result.push_back(std::move(flat));
  }
  return result;
}

TRichEdit& Edit() {
  static TRichEdit* edit = [] {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "fuzz_richedit";
    static char* argv[] = {name, nullptr};
    Application->Initialize(argc, argv);
    auto* form = new TForm(nullptr);
    form->SetBounds(0, 0, 400, 300);
    auto* control = new TRichEdit(form);
    control->SetParent(form);
    control->SetAlign(alClient);
    form->Show();
    return control;
  }();
  return *edit;
}

// The fuzzer ends with exit(), when Qt's own globals made during the first runs are already
// gone and tearing the application down would crash. Registered after the first run, this
// handler comes before those destructors and ends the process at once. (libFuzzer reports its
// findings with _Exit, so nothing is hidden.)
void EndWithoutTeardown() {
  static const bool registered = [] {
    std::atexit([] { std::_Exit(0); });
    return true;
  }();
  (void)registered;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  TRichEdit& edit = Edit();
  TMemoryStream in(std::vector<std::uint8_t>(data, data + size));
  edit.LoadFromStream(in);
  // Lay everything out and walk the lines, as the caret and line queries do.
  edit.SetSelStart(edit.GetTextLen());
  const TPoint caret = edit.CaretPos();
  if (caret.Y >= edit.LineCount() || edit.LineIndex(caret.Y) < 0) __builtin_trap();
  EndWithoutTeardown();
  if (!rtf::LooksLikeRtf(bytes)) return 0;
  rtf::RichDocument original;
  try {
    original = rtf::ReadRtf(bytes);
  } catch (const rtf::RtfError&) {
    return 0;  // read as plain text: its format is the control's own
  }
  TMemoryStream out;
  edit.SaveToStream(out);
  const std::vector<std::uint8_t>& saved = out.Data();
  const rtf::RichDocument back =
      rtf::ReadRtf(std::string_view(reinterpret_cast<const char*>(saved.data()), saved.size()));
  if (!(Flatten(back) == Flatten(original))) __builtin_trap();
  return 0;
}
