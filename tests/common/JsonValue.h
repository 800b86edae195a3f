// One JSON reader for all tests: the sample expectations and the tools' own output. Strict:
// malformed input (invalid UTF-8, raw control characters in strings, unknown escapes, trailing
// data) raises std::runtime_error with the offset, so a broken dump cannot pass for a valid one.
#pragma once

#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/rtf/Utf.h"

namespace testjson {

struct JsonValue {
  enum Kind { Null, Bool, Number, String, Array, Object } kind = Null;
  bool boolean = false;
  double number = 0;
  std::string string;  // UTF-8
  std::vector<JsonValue> array;
  std::map<std::string, JsonValue> object;

  bool Has(const std::string& key) const { return object.count(key) != 0; }
  // The member named key; a missing one raises std::runtime_error.
  const JsonValue& operator[](const std::string& key) const {
    auto it = object.find(key);
    if (it == object.end()) throw std::runtime_error("JSON: no key " + key);
    return it->second;
  }
  bool operator==(const JsonValue& other) const = default;
};

namespace detail {

class JsonParser {
 public:
  explicit JsonParser(std::string_view text) : text_(text) {}

  JsonValue ParseDocument() {
    JsonValue value = ParseValue();
    SkipSpace();
    if (pos_ != text_.size()) Fail("trailing data");
    return value;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) {
    throw std::runtime_error("JSON: " + what + " at offset " + std::to_string(pos_));
  }
  void SkipSpace() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\n' ||
                                   text_[pos_] == '\r' || text_[pos_] == '\t')) {
      ++pos_;
    }
  }
  bool Consume(std::string_view word) {
    if (text_.substr(pos_).starts_with(word)) {
      pos_ += word.size();
      return true;
    }
    return false;
  }
  void Expect(char c) {
    SkipSpace();
    if (pos_ >= text_.size() || text_[pos_] != c) Fail(std::string("expected ") + c);
    ++pos_;
  }

  JsonValue ParseValue() {
    SkipSpace();
    if (pos_ >= text_.size()) Fail("unexpected end");
    JsonValue value;
    const char c = text_[pos_];
    if (c == '{') {
      value.kind = JsonValue::Object;
      ++pos_;
      SkipSpace();
      if (Consume("}")) return value;
      do {
        SkipSpace();
        std::string key = ParseString();
        Expect(':');
        value.object[key] = ParseValue();
        SkipSpace();
      } while (Consume(","));
      Expect('}');
    } else if (c == '[') {
      value.kind = JsonValue::Array;
      ++pos_;
      SkipSpace();
      if (Consume("]")) return value;
      do {
        value.array.push_back(ParseValue());
        SkipSpace();
      } while (Consume(","));
      Expect(']');
    } else if (c == '"') {
      value.kind = JsonValue::String;
      value.string = ParseString();
    } else if (Consume("true") || Consume("false")) {
      value.kind = JsonValue::Bool;
      value.boolean = text_[pos_ - 1] == 'e' && text_[pos_ - 2] == 'u';
    } else if (Consume("null")) {
    } else {
      value.kind = JsonValue::Number;
      std::size_t used = 0;
      try {
        value.number = std::stod(std::string(text_.substr(pos_, 40)), &used);
      } catch (const std::exception&) {
        Fail("bad number");
      }
      pos_ += used;
    }
    return value;
  }

  std::string ParseString() {
    if (pos_ >= text_.size() || text_[pos_] != '"') Fail("expected string");
    ++pos_;
    std::u16string units;
    std::string raw;
    auto flushRaw = [&] {
      if (!rtf::IsValidUtf8(raw)) Fail("invalid UTF-8");
      rtf::AppendUtf8AsUtf16(raw, units);
      raw.clear();
    };
    while (true) {
      if (pos_ >= text_.size()) Fail("unterminated string");
      const char c = text_[pos_++];
      if (c == '"') break;
      if (static_cast<unsigned char>(c) < 0x20) Fail("raw control character in string");
      if (c != '\\') {
        raw.push_back(c);
        continue;
      }
      flushRaw();
      if (pos_ >= text_.size()) Fail("bad escape");
      const char e = text_[pos_++];
      switch (e) {
        case '"':
          units.push_back(u'"');
          break;
        case '\\':
          units.push_back(u'\\');
          break;
        case '/':
          units.push_back(u'/');
          break;
        case 'n':
          units.push_back(u'\n');
          break;
        case 'r':
          units.push_back(u'\r');
          break;
        case 't':
          units.push_back(u'\t');
          break;
        case 'b':
          units.push_back(u'\b');
          break;
        case 'f':
          units.push_back(u'\f');
          break;
        case 'u': {
          if (pos_ + 4 > text_.size()) Fail("bad \\u");
          units.push_back(
              static_cast<char16_t>(std::stoi(std::string(text_.substr(pos_, 4)), nullptr, 16)));
          pos_ += 4;
          break;
        }
        default:
          Fail("bad escape");
      }
    }
    flushRaw();
    return rtf::Utf16ToUtf8(units);
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace detail

inline JsonValue ParseJson(std::string_view text) {
  return detail::JsonParser(text).ParseDocument();
}

// Compact text of a value, for messages.
inline std::string ToText(const JsonValue& v) {
  switch (v.kind) {
    case JsonValue::Null:
      return "null";
    case JsonValue::Bool:
      return v.boolean ? "true" : "false";
    case JsonValue::Number: {
      std::ostringstream s;
      s << v.number;
      return s.str();
    }
    case JsonValue::String:
      return "\"" + v.string + "\"";
    case JsonValue::Array: {
      std::string out = "[";
      for (std::size_t i = 0; i < v.array.size(); ++i) {
        if (i > 0) out += ',';
        out += ToText(v.array[i]);
      }
      return out + "]";
    }
    case JsonValue::Object: {
      std::string out = "{";
      for (const auto& [key, value] : v.object) {
        if (out.size() > 1) out += ',';
        out += '"';
        out += key;
        out += "\":";
        out += ToText(value);
      }
      return out + "}";
    }
  }
  return "";
}

}  // namespace testjson
