#include "platform/rtf/PlainText.h"

#include "platform/rtf/CodePages.h"
#include "platform/rtf/Normalize.h"
#include "platform/rtf/Utf.h"

namespace rtf {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool StartsWith(std::string_view bytes, std::initializer_list<unsigned char> prefix) {
  if (bytes.size() < prefix.size()) return false;
  std::size_t i = 0;
  for (unsigned char b : prefix) {
    if (static_cast<unsigned char>(bytes[i++]) != b) return false;
  }
  return true;
}

// UTF-16 without a byte-order mark: the high bytes of Latin and Cyrillic text are mostly zero
// (Latin) or mostly one value (Cyrillic 0x04); require zero bytes at one parity for most
// units and none at the other.
TextEncoding GuessUtf16(std::string_view bytes, bool& found) {
  found = false;
  if (bytes.size() < 4 || bytes.size() % 2 != 0) return TextEncoding::Utf8;
  std::size_t zeroEven = 0, zeroOdd = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == 0) (i % 2 == 0 ? zeroEven : zeroOdd)++;
  }
  const std::size_t units = bytes.size() / 2;
  if (zeroOdd * 2 >= units && zeroEven == 0) {
    found = true;
    return TextEncoding::Utf16Le;
  }
  if (zeroEven * 2 >= units && zeroOdd == 0) {
    found = true;
    return TextEncoding::Utf16Be;
  }
  return TextEncoding::Utf8;
}

std::size_t BomLength(TextEncoding encoding, std::string_view bytes) {
  switch (encoding) {
    case TextEncoding::Utf8Bom:
      return 3;
    case TextEncoding::Utf16Le:
      return StartsWith(bytes, {0xFF, 0xFE}) ? 2 : 0;
    case TextEncoding::Utf16Be:
      return StartsWith(bytes, {0xFE, 0xFF}) ? 2 : 0;
    default:
      return 0;
  }
}

void AppendUtf16(std::string_view bytes, bool bigEndian, std::u16string& out) {
  out.reserve(bytes.size() / 2 + 1);
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t units = bytes.size() / 2;
  for (std::size_t i = 0; i < units; ++i) {
    const unsigned hi = bigEndian ? p[2 * i] : p[2 * i + 1];
    const unsigned lo = bigEndian ? p[2 * i + 1] : p[2 * i];
    out.push_back(static_cast<char16_t>(hi << 8 | lo));
  }
  if (bytes.size() % 2 != 0) out.push_back(kReplacement);  // a cut-off last unit
}

void SplitIntoParagraphs(std::u16string_view text, const CharFormat& format, RichDocument& doc) {
  std::size_t start = 0;
  auto addParagraph = [&](std::size_t end) {
    Paragraph& para = doc.paragraphs.emplace_back();
    if (end > start)
      para.runs.push_back(Run{std::u16string(text.substr(start, end - start)), format});
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t ch = text[i];
    if (ch != u'\r' && ch != u'\n') continue;
    addParagraph(i);
    if (ch == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  addParagraph(text.size());
}

void AppendEncoded(std::u16string_view text, TextEncoding encoding, std::string& out) {
  switch (encoding) {
    case TextEncoding::Utf8:
    case TextEncoding::Utf8Bom:
      AppendUtf16AsUtf8(text, out);
      break;
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be:
      for (char16_t ch : text) {
        const char hi = static_cast<char>(ch >> 8), lo = static_cast<char>(ch & 0xFF);
        if (encoding == TextEncoding::Utf16Le) {
          out.push_back(lo);
          out.push_back(hi);
        } else {
          out.push_back(hi);
          out.push_back(lo);
        }
      }
      break;
    case TextEncoding::Cp1251: {
      const CodePage& page = FindCodePage(1251);
      for (std::size_t i = 0; i < text.size(); ++i) {
        const int byte = page.Encode(text[i]);
        out.push_back(byte >= 0 ? static_cast<char>(byte) : '?');
        // One '?' for a whole surrogate pair: it is one character.
        if (text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() &&
            text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
          ++i;
        }
      }
      break;
    }
  }
}

}  // namespace

TextEncoding DetectTextEncoding(std::string_view bytes) {
  if (StartsWith(bytes, {0xEF, 0xBB, 0xBF})) return TextEncoding::Utf8Bom;
  if (StartsWith(bytes, {0xFF, 0xFE})) return TextEncoding::Utf16Le;
  if (StartsWith(bytes, {0xFE, 0xFF})) return TextEncoding::Utf16Be;
  bool utf16 = false;
  const TextEncoding guess = GuessUtf16(bytes, utf16);
  if (utf16) return guess;
  return IsValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Cp1251;
}

std::u16string DecodeText(std::string_view bytes, TextEncoding encoding) {
  bytes.remove_prefix(BomLength(encoding, bytes));
  std::u16string text;
  switch (encoding) {
    case TextEncoding::Utf8:
    case TextEncoding::Utf8Bom:
      AppendUtf8AsUtf16(bytes, text);
      break;
    case TextEncoding::Utf16Le:
      AppendUtf16(bytes, false, text);
      break;
    case TextEncoding::Utf16Be:
      AppendUtf16(bytes, true, text);
      break;
    case TextEncoding::Cp1251: {
      const CodePage& page = FindCodePage(1251);
      text.resize(bytes.size());
      for (std::size_t i = 0; i < bytes.size(); ++i) {
        text[i] = page.Decode(static_cast<unsigned char>(bytes[i]));
      }
      break;
    }
  }
  for (char16_t& ch : text) {
    if (ch == 0) ch = kReplacement;
  }
  return text;
}

RichDocument ReadPlainText(std::string_view bytes, const FontEntry& font,
                           const CharFormat& format) {
  RichDocument doc;
  doc.fonts.push_back(font);
  CharFormat runFormat = format;
  runFormat.font = 0;
  SplitIntoParagraphs(DecodeText(bytes, DetectTextEncoding(bytes)), runFormat, doc);
  Normalize(doc);
  return doc;
}

std::string WritePlainText(const RichDocument& doc, const PlainTextOptions& options) {
  std::string out;
  if (options.encoding == TextEncoding::Utf8Bom) out.append("\xEF\xBB\xBF");
  if (options.encoding == TextEncoding::Utf16Le) out.append("\xFF\xFE");
  if (options.encoding == TextEncoding::Utf16Be) out.append("\xFE\xFF");
  std::u16string lineEnd;
  for (char c : options.lineEnd) lineEnd.push_back(static_cast<unsigned char>(c));
  std::u16string para;
  bool first = true;
  for (const Paragraph& paragraph : doc.paragraphs) {
    para.clear();
    if (!first) para += lineEnd;
    first = false;
    for (const Run& run : paragraph.runs) {
      for (char16_t ch : run.text) {
        if (ch == u'\n') {
          para += lineEnd;
        } else {
          para.push_back(ch);
        }
      }
    }
    AppendEncoded(para, options.encoding, out);
  }
  return out;
}

}  // namespace rtf
