#include "platform/rtf/Json.h"

#include <cmath>
#include <cstdio>

#include "platform/rtf/Utf.h"

namespace rtf {

void JsonWriter::Key(std::string_view key) {
  String(key);
  out_.append(indent_ > 0 ? ": " : ":");
  afterKey_ = true;
}

void JsonWriter::String(std::string_view utf8) {
  BeforeValue();
  // Round-tripping through UTF-16 replaces malformed sequences, so the output is valid UTF-8.
  const std::string text = IsValidUtf8(utf8) ? std::string(utf8) : Utf16ToUtf8(Utf8ToUtf16(utf8));
  out_.push_back('"');
  for (char c : text) {
    const auto u = static_cast<unsigned char>(c);
    switch (c) {
      case '"':
        out_.append("\\\"");
        break;
      case '\\':
        out_.append("\\\\");
        break;
      case '\n':
        out_.append("\\n");
        break;
      case '\r':
        out_.append("\\r");
        break;
      case '\t':
        out_.append("\\t");
        break;
      case '\b':
        out_.append("\\b");
        break;
      case '\f':
        out_.append("\\f");
        break;
      default:
        if (u < 0x20 || u == 0x7F) {
          char escape[8];
          std::snprintf(escape, sizeof escape, "\\u%04x", u);
          out_.append(escape);
        } else {
          out_.push_back(c);
        }
    }
  }
  out_.push_back('"');
}

void JsonWriter::Number(double value) {
  BeforeValue();
  if (!std::isfinite(value)) value = 0;
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.4f", value);
  std::string text(buffer);
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.push_back('0');
  if (text == "-0.0") text = "0.0";
  out_.append(text);
}

void JsonWriter::Integer(long long value) {
  BeforeValue();
  out_.append(std::to_string(value));
}

void JsonWriter::Bool(bool value) {
  BeforeValue();
  out_.append(value ? "true" : "false");
}

void JsonWriter::Open(char bracket) {
  BeforeValue();
  out_.push_back(bracket);
  hasItems_.push_back(false);
}

void JsonWriter::Close(char bracket) {
  const bool had = !hasItems_.empty() && hasItems_.back();
  if (!hasItems_.empty()) hasItems_.pop_back();
  if (had) NewLine();
  out_.push_back(bracket);
  if (hasItems_.empty()) out_.push_back('\n');
}

void JsonWriter::BeforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (hasItems_.empty()) return;
  if (hasItems_.back()) out_.push_back(',');
  hasItems_.back() = true;
  NewLine();
}

void JsonWriter::NewLine() {
  if (indent_ <= 0) return;
  out_.push_back('\n');
  out_.append(hasItems_.size() * static_cast<std::size_t>(indent_), ' ');
}

}  // namespace rtf
