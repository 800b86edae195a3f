// Plain text <-> document model: how the editor reads a file that is not RTF, and what the
// control streams out when asked for plain text.
#pragma once

#include <string>
#include <string_view>

#include "platform/rtf/RichDocument.h"

namespace rtf {

enum class TextEncoding { Utf8, Utf8Bom, Utf16Le, Utf16Be, Cp1251 };

// The encoding of `bytes`: a byte-order mark decides (UTF-8, UTF-16 LE/BE); without one, text
// that is well-formed UTF-8 is UTF-8, text whose zero bytes sit at every other position is
// UTF-16 of that order, and anything else is Windows-1251, the legacy encoding of Russian text.
TextEncoding DetectTextEncoding(std::string_view bytes);

// The text without its byte-order mark, as UTF-16. Malformed sequences become U+FFFD and NUL
// characters become U+FFFD too, so nothing after them is lost and nothing is silently cut.
std::u16string DecodeText(std::string_view bytes, TextEncoding encoding);

// Every line end (CR LF, LF or CR) ends a paragraph; the text after the last one is the last
// paragraph, so "a\n" is "a" and an empty paragraph, as a text editor shows it. One run per
// non-empty paragraph, in `format` (whose font is the document's only font, `font`).
RichDocument ReadPlainText(std::string_view bytes,
                           const FontEntry& font = FontEntry{std::string(kDefaultFace), 1, 0},
                           const CharFormat& format = CharFormat{});

struct PlainTextOptions {
  TextEncoding encoding = TextEncoding::Utf8;
  std::string_view lineEnd = "\r\n";  // between paragraphs and for line breaks inside one
};

// Paragraph texts joined by line ends. In Windows-1251 a character the code page lacks is
// written as '?'.
std::string WritePlainText(const RichDocument& doc, const PlainTextOptions& options = {});

}  // namespace rtf
