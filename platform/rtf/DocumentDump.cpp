#include "platform/rtf/DocumentDump.h"

#include <cstdio>
#include <utility>

#include "platform/rtf/Json.h"
#include "platform/rtf/Utf.h"

namespace rtf {

namespace {

// Character lines of a long paragraph go out in pieces of this size.
constexpr std::size_t kDumpPiece = 1 << 20;

const char* AlignName(Align align) {
  switch (align) {
    case Align::Center:
      return "center";
    case Align::Right:
      return "right";
    case Align::Justify:
      return "justify";
    default:
      return "left";
  }
}

std::string ColorName(std::uint32_t color) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", color & 0xFF, (color >> 8) & 0xFF,
                (color >> 16) & 0xFF);
  return text;
}

const FontEntry& FontOf(const RichDocument& doc, const CharFormat& format) {
  static const FontEntry kNone{std::string(kDefaultFace), 1, 0};
  if (format.font < 0 || format.font >= static_cast<int>(doc.fonts.size())) return kNone;
  return doc.fonts[format.font];
}

void WriteRun(JsonWriter& json, const RichDocument& doc, const Run& run) {
  const FontEntry& font = FontOf(doc, run.format);
  json.BeginObject();
  json.Key("text");
  json.String(Utf16ToUtf8(run.text));
  json.Key("face");
  json.String(font.face);
  json.Key("size_pt");
  json.Number(run.format.sizeHalfPt / 2.0);
  json.Key("bold");
  json.Bool(run.format.bold);
  json.Key("italic");
  json.Bool(run.format.italic);
  json.Key("underline");
  json.Bool(run.format.underline);
  json.Key("color");
  json.String(ColorName(run.format.color));
  json.Key("charset");
  json.Integer(font.charset);
  json.EndObject();
}

void WriteParagraph(JsonWriter& json, const RichDocument& doc, const Paragraph& para) {
  std::u16string text;
  for (const Run& run : para.runs) text += run.text;
  json.BeginObject();
  json.Key("text");
  json.String(Utf16ToUtf8(text));
  json.Key("align");
  json.String(AlignName(para.format.align));
  json.Key("li_pt");
  json.Number(para.format.leftTwips / 20.0);
  json.Key("fi_pt");
  json.Number(para.format.firstTwips / 20.0);
  json.Key("first_line_abs_pt");
  // In 64 bits: both indents may be near the ends of the 32-bit range.
  json.Number((static_cast<double>(para.format.leftTwips) + para.format.firstTwips) / 20.0);
  json.Key("ri_pt");
  json.Number(para.format.rightTwips / 20.0);
  json.Key("bullet");
  json.Bool(para.format.bullet);
  json.Key("runs");
  json.BeginArray();
  for (const Run& run : para.runs) WriteRun(json, doc, run);
  json.EndArray();
  json.EndObject();
}

std::string LowerAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  }
  return text;
}

}  // namespace

std::string DocumentToJson(const RichDocument& doc) {
  std::string out;
  WriteDocumentJson(doc, [&out](std::string_view piece) { out.append(piece); });
  return out;
}

void WriteDocumentJson(const RichDocument& doc, const DumpSink& sink) {
  JsonWriter json;
  json.BeginObject();
  json.Key("paragraphs");
  json.BeginArray();
  for (const Paragraph& para : doc.paragraphs) {
    WriteParagraph(json, doc, para);
    sink(json.TakeText());
  }
  json.EndArray();
  json.EndObject();
  sink(json.TakeText());
}

std::string DocumentToCharacterLines(const RichDocument& doc) {
  std::string out;
  WriteDocumentCharacterLines(doc, [&out](std::string_view piece) { out.append(piece); });
  return out;
}

void WriteDocumentCharacterLines(const RichDocument& doc, const DumpSink& sink) {
  std::size_t count = doc.paragraphs.size();
  while (count > 0 && doc.paragraphs[count - 1].runs.empty()) --count;
  std::string out;
  char line[160];
  for (std::size_t p = 0; p < count; ++p) {
    const ParaFormat& format = doc.paragraphs[p].format;
    std::snprintf(line, sizeof line, "P %s li=%.1f fi=%.1f bullet=%d\n", AlignName(format.align),
                  format.leftTwips / 20.0, format.firstTwips / 20.0, format.bullet ? 1 : 0);
    out += line;
    for (const Run& run : doc.paragraphs[p].runs) {
      const std::string face = LowerAscii(FontOf(doc, run.format).face);
      for (char16_t ch : run.text) {
        std::snprintf(line, sizeof line, "  U+%04X %.1f %c%c%c %s ", static_cast<unsigned>(ch),
                      run.format.sizeHalfPt / 2.0, run.format.bold ? 'b' : '-',
                      run.format.italic ? 'i' : '-', run.format.underline ? 'u' : '-',
                      ColorName(run.format.color).c_str());
        out += line;
        out += face;
        out += '\n';
        if (out.size() >= kDumpPiece) sink(std::exchange(out, {}));
      }
    }
  }
  sink(out);
}

}  // namespace rtf
