#include "platform/rtf/RtfWriter.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <unordered_map>

#include "platform/rtf/CodePages.h"
#include "platform/rtf/Normalize.h"
#include "platform/rtf/Utf.h"

namespace rtf {

namespace {

constexpr int kAnsiCodePage = 1251;
constexpr int kRtfDefaultSizeHalfPt = 24;

// Charsets whose code page the reader and the usual RTF consumers both have a table for; text
// in fonts of other charsets (double-byte Asian ones) goes out as \uN only.
bool HasSingleByteTable(int charset) {
  switch (charset) {
    case 0:
    case 1:
    case 2:
    case 77:
    case 161:
    case 162:
    case 163:
    case 177:
    case 178:
    case 186:
    case 204:
    case 222:
    case 238:
    case 254:
    case 255:
      return true;
    default:
      return false;
  }
}

bool SameFaceIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
    return lower(x) == lower(y);
  });
}

class Writer {
 public:
  explicit Writer(const RichDocument& doc) : doc_(doc) {}
  std::string Write();

 private:
  void PrepareFonts();
  void PrepareColors();
  void WriteHeader();
  void WriteFontTable();
  void WriteColorTable();
  void WriteParagraphFormat(const ParaFormat& format);
  void WriteBulletLabel();
  void WriteCharFormat(const CharFormat& format);
  void WriteText(std::u16string_view text, int fontIndex);
  void WriteFontName(std::string_view face, int charset);

  void Word(std::string_view word);
  void Word(std::string_view word, long long param);
  void Raw(std::string_view bytes) {
    out_.append(bytes);
    delimit_ = false;
  }
  char* Grow(std::size_t maxBytes);
  void Shrink(char* end) { out_.resize(static_cast<std::size_t>(end - out_.data())); }

  const RichDocument& doc_;
  std::vector<FontEntry> fonts_;
  std::vector<const CodePage*> fontPages_;  // null: ASCII-only font (\uN for everything else)
  int bulletFont_ = -1;
  std::unordered_map<std::uint32_t, int> colorIndex_;
  std::vector<std::uint32_t> colors_;
  std::string out_;
  bool delimit_ = false;  // the last thing written was a control word needing a delimiter
  CharFormat written_;
};

std::string Writer::Write() {
  PrepareFonts();
  PrepareColors();
  std::size_t estimate = 256;
  for (const Paragraph& para : doc_.paragraphs) {
    estimate += 16;
    for (const Run& run : para.runs) estimate += run.text.size() * 4 + 24;
  }
  out_.reserve(estimate);
  WriteHeader();

  written_.font = 0;
  written_.sizeHalfPt = kRtfDefaultSizeHalfPt;
  bool first = true;
  ParaFormat previous;
  for (const Paragraph& para : doc_.paragraphs) {
    if (first || !(para.format == previous)) WriteParagraphFormat(para.format);
    if (para.format.bullet) WriteBulletLabel();
    for (const Run& run : para.runs) {
      if (run.text.empty()) continue;
      WriteCharFormat(run.format);
      WriteText(run.text, written_.font);
    }
    Word("par");
    Raw("\r\n");
    previous = para.format;
    first = false;
  }
  Raw("}\r\n");
  return std::move(out_);
}

void Writer::PrepareFonts() {
  fonts_ = doc_.fonts;
  if (fonts_.empty()) fonts_.push_back(FontEntry{std::string(kDefaultFace), 1, 0});
  const bool anyBullet = std::any_of(doc_.paragraphs.begin(), doc_.paragraphs.end(),
                                     [](const Paragraph& p) { return p.format.bullet; });
  if (anyBullet) {
    for (std::size_t i = 0; i < fonts_.size() && bulletFont_ < 0; ++i) {
      if (fonts_[i].charset == 2 && SameFaceIgnoringCase(fonts_[i].face, "Symbol")) {
        bulletFont_ = static_cast<int>(i);
      }
    }
    if (bulletFont_ < 0) {
      bulletFont_ = static_cast<int>(fonts_.size());
      fonts_.push_back(FontEntry{"Symbol", 2, 0});
    }
  }
  for (const FontEntry& font : fonts_) {
    fontPages_.push_back(
        HasSingleByteTable(font.charset)
            ? &FindCodePage(CodePageOfCharset(font.charset, kAnsiCodePage, font.face))
            : nullptr);
  }
}

void Writer::PrepareColors() {
  for (const Paragraph& para : doc_.paragraphs) {
    for (const Run& run : para.runs) {
      const std::uint32_t color = run.format.color & 0xFFFFFFu;
      if (color == 0 || run.text.empty()) continue;
      if (colorIndex_.try_emplace(color, static_cast<int>(colors_.size()) + 1).second) {
        colors_.push_back(color);
      }
    }
  }
}

void Writer::WriteHeader() {
  Raw("{");
  Word("rtf", 1);
  Word("ansi");
  Word("ansicpg", kAnsiCodePage);
  Word("deff", 0);
  Word("deflang", 1049);
  WriteFontTable();
  Raw("\r\n");
  if (!colors_.empty()) {
    WriteColorTable();
    Raw("\r\n");
  }
  Word("viewkind", 4);
  Word("uc", 1);
}

void Writer::WriteFontTable() {
  Raw("{");
  Word("fonttbl");
  for (std::size_t i = 0; i < fonts_.size(); ++i) {
    const FontEntry& font = fonts_[i];
    Raw("{");
    Word("f", static_cast<long long>(i));
    Word("fnil");
    Word("fcharset", font.charset);
    if (font.pitch != 0) Word("fprq", font.pitch);
    WriteFontName(font.face, font.charset);
    Raw(";}");
  }
  Raw("}");
}

// Names are ANSI text; the characters RTF gives a meaning to inside a font table (';' ends the
// name) go out as escapes.
void Writer::WriteFontName(std::string_view face, int charset) {
  const CodePage& page = FindCodePage((charset == 2 || !HasSingleByteTable(charset))
                                          ? kAnsiCodePage
                                          : CodePageOfCharset(charset, kAnsiCodePage, {}));
  const std::u16string name = Utf8ToUtf16(face);
  if (delimit_) out_.push_back(' ');
  delimit_ = false;
  for (char16_t ch : name) {
    if (ch < 0x20) continue;  // readers drop control characters from face names
    const int byte = page.Encode(ch);
    if (byte >= 0x20 && byte < 0x7F && byte != '\\' && byte != '{' && byte != '}' && byte != ';') {
      out_.push_back(static_cast<char>(byte));
    } else if (byte > 0) {
      static constexpr char kHex[] = "0123456789abcdef";
      out_.append({'\\', '\'', kHex[byte >> 4], kHex[byte & 15]});
    } else {
      Word("u", ch > 0x7FFF ? static_cast<long long>(ch) - 65536 : ch);
      Raw("?");
    }
  }
}

void Writer::WriteColorTable() {
  Raw("{");
  Word("colortbl");
  Raw(" ;");
  for (std::uint32_t color : colors_) {
    Word("red", color & 0xFF);
    Word("green", (color >> 8) & 0xFF);
    Word("blue", (color >> 16) & 0xFF);
    Raw(";");
  }
  Raw("}");
}

void Writer::WriteParagraphFormat(const ParaFormat& format) {
  Word("pard");
  if (format.bullet) {
    Raw("{");
    Word("*");
    Word("pn");
    Word("pnlvlblt");
    Word("pnf", bulletFont_);
    Word("pnindent", 0);
    Raw("{");
    Word("pntxtb");
    Raw("\\'b7}}");
  }
  switch (format.align) {
    case Align::Left:
      break;
    case Align::Center:
      Word("qc");
      break;
    case Align::Right:
      Word("qr");
      break;
    case Align::Justify:
      Word("qj");
      break;
  }
  if (format.firstTwips != 0) Word("fi", format.firstTwips);
  if (format.leftTwips != 0) Word("li", format.leftTwips);
  if (format.rightTwips != 0) Word("ri", format.rightTwips);
}

void Writer::WriteBulletLabel() {
  Raw("{");
  Word("pntext");
  Word("f", bulletFont_);
  Raw("\\'b7");
  Word("tab");
  Raw("}");
}

void Writer::WriteCharFormat(const CharFormat& format) {
  const int font =
      (format.font >= 0 && format.font < static_cast<int>(doc_.fonts.size())) ? format.font : 0;
  if (font != written_.font) Word("f", font);
  const int size = ClampSizeHalfPt(format.sizeHalfPt);
  if (size != written_.sizeHalfPt) Word("fs", size);
  if (format.bold != written_.bold) format.bold ? Word("b") : Word("b", 0);
  if (format.italic != written_.italic) format.italic ? Word("i") : Word("i", 0);
  if (format.underline != written_.underline) format.underline ? Word("ul") : Word("ulnone");
  const std::uint32_t color = format.color & 0xFFFFFFu;
  if (color != (written_.color & 0xFFFFFFu)) Word("cf", color == 0 ? 0 : colorIndex_[color]);
  written_ = format;
  written_.font = font;
  written_.sizeHalfPt = size;
}

// A character goes out as a byte only where the byte means that character both in the font's
// charset and in the document's code page: readers differ in which of the two they apply (one
// that takes \ansicpg over a Western font's charset turned "é" into "й"). Everything else is
// \uN, followed by the document code page's byte for readers without Unicode, or "?".
void Writer::WriteText(std::u16string_view text, int fontIndex) {
  static constexpr char kHex[] = "0123456789abcdef";
  const CodePage* page = fontPages_[fontIndex];
  const std::uint16_t* bytes = page ? page->ByteTable() : nullptr;
  const CodePage& document = FindCodePage(kAnsiCodePage);
  const std::uint16_t* documentBytes = document.ByteTable();
  // The longest form of one unit is "\u-12345\'xx" (12 bytes) or "\line " (6).
  char* out = Grow(text.size() * 12 + 1);
  if (delimit_) *out++ = ' ';
  delimit_ = false;
  char16_t previous = 0;
  for (char16_t ch : text) {
    const bool crlf = previous == u'\r' && ch == u'\n';  // one line break, as Normalize has it
    previous = ch;
    if (crlf) continue;
    int byte = bytes ? bytes[ch] - 1 : (ch < 0x80 ? ch : -1);
    if (byte >= 0 && document.Decode(static_cast<unsigned char>(byte)) != ch) byte = -1;
    if (byte >= 0x20 && byte < 0x7F) {
      if (byte == '\\' || byte == '{' || byte == '}') *out++ = '\\';
      *out++ = static_cast<char>(byte);
      continue;
    }
    if (ch == u'\t' || ch == u'\n' || ch == u'\r') {
      const std::string_view word = ch == u'\t' ? "\\tab " : "\\line ";
      out = std::copy(word.begin(), word.end(), out);
      continue;
    }
    if (ch == 0) continue;
    if (byte > 0) {
      *out++ = '\\';
      *out++ = '\'';
      *out++ = kHex[byte >> 4];
      *out++ = kHex[byte & 15];
      continue;
    }
    const int value = ch > 0x7FFF ? static_cast<int>(ch) - 65536 : ch;
    char digits[16];
    const int length = std::snprintf(digits, sizeof digits, "\\u%d", value);
    out = std::copy(digits, digits + length, out);
    const int fallback = documentBytes[ch] - 1;
    if (fallback >= 0x80) {
      *out++ = '\\';
      *out++ = '\'';
      *out++ = kHex[fallback >> 4];
      *out++ = kHex[fallback & 15];
    } else {
      *out++ = '?';
    }
  }
  Shrink(out);
}

void Writer::Word(std::string_view word) {
  out_.push_back('\\');
  out_.append(word);
  delimit_ = word != "*";
}

void Writer::Word(std::string_view word, long long param) {
  out_.push_back('\\');
  out_.append(word);
  out_.append(std::to_string(param));
  delimit_ = true;
}

char* Writer::Grow(std::size_t maxBytes) {
  const std::size_t used = out_.size();
  if (out_.capacity() < used + maxBytes) out_.reserve(std::max(used + maxBytes, used * 2));
  out_.resize(used + maxBytes);
  return out_.data() + used;
}

}  // namespace

std::string WriteRtf(const RichDocument& doc) {
  return Writer(doc).Write();
}

}  // namespace rtf
