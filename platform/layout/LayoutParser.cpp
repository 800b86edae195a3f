#include "platform/layout/LayoutParser.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>

#include "platform/layout/LayoutText.h"

namespace {

// A piece of the layout text in quotes, for a message. Built by appending: gcc 12's optimiser
// warns falsely (-Wrestrict) on "literal" + std::string.
std::string Quoted(std::string_view piece) {
  std::string text;
  text.reserve(piece.size() + 2);
  text += '"';
  text += piece;
  text += '"';
  return text;
}

// Layouts are small; anything far beyond a window's worth of text is a damaged file, and the
// tree would take many times its size.
constexpr std::size_t kMaxLayoutSize = 8u << 20;

struct Token {
  enum Kind { tkEnd, tkIdent, tkInteger, tkFloat, tkString, tkSymbol };
  Kind kind = tkEnd;
  int line = 0;
  std::string text;  // identifier, string value, or the symbol character
  std::int64_t integer = 0;
  double number = 0;
};

bool IsIdentStart(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsIdentChar(char c) {
  return IsIdentStart(c) || (c >= '0' && c <= '9');
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string Describe(const Token& t) {
  switch (t.kind) {
    case Token::tkEnd:
      return "the end of the text";
    case Token::tkIdent:
      return "\"" + t.text + "\"";
    case Token::tkInteger:
    case Token::tkFloat:
      return "a number";
    case Token::tkString:
      return "a string";
    case Token::tkSymbol:
      return "\"" + t.text + "\"";
  }
  return "?";
}

class Lexer {
 public:
  Lexer(std::string_view text, const std::string& layoutName) : text_(text), name_(layoutName) {
    if (text_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;  // a UTF-8 byte order mark
  }

  [[noreturn]] void Fail(int line, const std::string& what) const {
    throw EInvalidLayout(LayoutErrorMessage(name_, line, what));
  }

  const Token& Peek() {
    if (!peeked_) peeked_ = Scan();
    return *peeked_;
  }
  Token Next() {
    Token t = peeked_ ? std::move(*peeked_) : Scan();
    peeked_.reset();
    return t;
  }

  // The hexadecimal bytes of a binary value, after its opening brace.
  std::vector<std::uint8_t> ReadBinary(int openLine) {
    std::vector<std::uint8_t> bytes;
    int high = -1;
    while (true) {
      if (pos_ >= text_.size()) Fail(openLine, "binary data is not closed with \"}\"");
      const char c = text_[pos_++];
      if (c == '}') break;
      if (c == '\n') {
        ++line_;
        continue;
      }
      if (c == ' ' || c == '\t' || c == '\r') continue;
      const int v = HexValue(c);
      if (v < 0) Fail(line_, "binary data holds a character that is not a hexadecimal digit");
      if (high < 0) {
        high = v;
      } else {
        bytes.push_back(static_cast<std::uint8_t>(high << 4 | v));
        high = -1;
      }
    }
    if (high >= 0) Fail(line_, "binary data has an odd number of hexadecimal digits");
    return bytes;
  }

 private:
  void SkipBlanksAndComments() {
    while (pos_ < text_.size()) {
      const char c = text_[pos_];
      if (c == '\n') {
        ++line_;
        ++pos_;
      } else if (c == ' ' || c == '\t' || c == '\r') {
        ++pos_;
      } else if (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '/') {
        while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
      } else {
        return;
      }
    }
  }

  Token Scan() {
    SkipBlanksAndComments();
    Token t;
    t.line = line_;
    if (pos_ >= text_.size()) return t;
    const char c = text_[pos_];
    if (IsIdentStart(c)) return ScanIdent(t);
    if (IsDigit(c) || c == '$' || c == '-') return ScanNumber(t);
    if (c == '\'' || c == '#') return ScanString(t);
    static constexpr std::string_view kSymbols = "=:[](){}<>,+";
    if (kSymbols.find(c) != std::string_view::npos) {
      ++pos_;
      t.kind = Token::tkSymbol;
      t.text = std::string(1, c);
      return t;
    }
    const auto byte = static_cast<unsigned char>(c);
    static constexpr char kHex[] = "0123456789ABCDEF";
    Fail(line_, std::string("unexpected character 0x") + kHex[byte >> 4] + kHex[byte & 15] +
                    " outside a string");
  }

  // Names, with dots between the parts of a sub-property path ("Font.Style").
  Token ScanIdent(Token& t) {
    const std::size_t start = pos_;
    while (true) {
      while (pos_ < text_.size() && IsIdentChar(text_[pos_])) ++pos_;
      if (pos_ + 1 < text_.size() && text_[pos_] == '.' && IsIdentStart(text_[pos_ + 1])) {
        ++pos_;
        continue;
      }
      break;
    }
    t.kind = Token::tkIdent;
    t.text = std::string(text_.substr(start, pos_ - start));
    return t;
  }

  Token ScanNumber(Token& t) {
    const std::size_t start = pos_;
    bool negative = false;
    if (text_[pos_] == '-') {
      negative = true;
      ++pos_;
    }
    std::uint64_t magnitude = 0;
    if (pos_ < text_.size() && text_[pos_] == '$') {
      ++pos_;
      magnitude = ScanHexDigits();
    } else if (pos_ + 1 < text_.size() && text_[pos_] == '0' &&
               (text_[pos_ + 1] == 'x' || text_[pos_ + 1] == 'X')) {
      pos_ += 2;
      magnitude = ScanHexDigits();
    } else {
      if (pos_ >= text_.size() || !IsDigit(text_[pos_])) Fail(line_, "a number is expected");
      const std::size_t digits = pos_;
      while (pos_ < text_.size() && IsDigit(text_[pos_])) ++pos_;
      if (pos_ < text_.size() && (text_[pos_] == '.' || text_[pos_] == 'e' || text_[pos_] == 'E'))
        return ScanFloat(t, start);
      magnitude = DecimalValue(text_.substr(digits, pos_ - digits));
    }
    if (pos_ < text_.size() && IsIdentChar(text_[pos_]))
      Fail(line_, Quoted(text_.substr(start, pos_ + 1 - start)) + " is not a valid number");
    const std::uint64_t limit = negative
                                    ? std::uint64_t(std::numeric_limits<std::int64_t>::max()) + 1
                                    : std::uint64_t(std::numeric_limits<std::int64_t>::max());
    if (magnitude > limit) Fail(line_, "number out of range");
    t.kind = Token::tkInteger;
    t.integer =
        negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
    return t;
  }

  std::uint64_t ScanHexDigits() {
    const std::size_t start = pos_;
    std::uint64_t value = 0;
    while (pos_ < text_.size() && HexValue(text_[pos_]) >= 0) {
      if (pos_ - start >= 16) Fail(line_, "number out of range");
      value = value << 4 | static_cast<std::uint64_t>(HexValue(text_[pos_]));
      ++pos_;
    }
    if (pos_ == start) Fail(line_, "hexadecimal digits are expected");
    return value;
  }

  std::uint64_t DecimalValue(std::string_view digits) {
    std::uint64_t value = 0;
    for (const char d : digits) {
      const auto v = static_cast<std::uint64_t>(d - '0');
      if (value > (std::numeric_limits<std::uint64_t>::max() - v) / 10)
        Fail(line_, "number out of range");
      value = value * 10 + v;
    }
    return value;
  }

  Token ScanFloat(Token& t, std::size_t start) {
    if (text_[pos_] == '.') {
      ++pos_;
      if (pos_ >= text_.size() || !IsDigit(text_[pos_]))
        Fail(line_, "digits are expected after \".\"");
      while (pos_ < text_.size() && IsDigit(text_[pos_])) ++pos_;
    }
    if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
      ++pos_;
      if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) ++pos_;
      if (pos_ >= text_.size() || !IsDigit(text_[pos_])) Fail(line_, "an exponent is expected");
      while (pos_ < text_.size() && IsDigit(text_[pos_])) ++pos_;
    }
    if (pos_ < text_.size() && IsIdentChar(text_[pos_]))
      Fail(line_, Quoted(text_.substr(start, pos_ + 1 - start)) + " is not a valid number");
    const std::string_view s = text_.substr(start, pos_ - start);
    double value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size()) Fail(line_, "number out of range");
    t.kind = Token::tkFloat;
    t.number = value;
    return t;
  }

  // A run of adjacent pieces: 'quoted text' (a doubled quote stands for one) and #code.
  Token ScanString(Token& t) {
    t.kind = Token::tkString;
    while (pos_ < text_.size() && (text_[pos_] == '\'' || text_[pos_] == '#')) {
      if (text_[pos_] == '\'')
        ScanQuoted(t.text);
      else
        ScanCharCode(t.text);
    }
    return t;
  }

  void ScanQuoted(std::string& out) {
    ++pos_;
    const std::size_t start = out.size();
    while (true) {
      if (pos_ >= text_.size() || text_[pos_] == '\n' || text_[pos_] == '\r')
        Fail(line_, "the string is not closed on its line");
      if (text_[pos_] == '\'') {
        if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
          out += '\'';
          pos_ += 2;
          continue;
        }
        ++pos_;
        break;
      }
      out += text_[pos_++];
    }
    if (!IsValidUtf8(std::string_view(out).substr(start)))
      Fail(line_, "the string is not valid UTF-8");
  }

  void ScanCharCode(std::string& out) {
    ++pos_;
    std::uint32_t code = 0;
    const std::size_t start = pos_;
    if (pos_ < text_.size() && text_[pos_] == '$') {
      ++pos_;
      while (pos_ < text_.size() && HexValue(text_[pos_]) >= 0 && pos_ - start <= 7)
        code = code << 4 | static_cast<std::uint32_t>(HexValue(text_[pos_++]));
    } else {
      while (pos_ < text_.size() && IsDigit(text_[pos_]) && pos_ - start < 8)
        code = code * 10 + static_cast<std::uint32_t>(text_[pos_++] - '0');
    }
    if (pos_ == start || (text_[start] == '$' && pos_ == start + 1))
      Fail(line_, "a character code is expected after \"#\"");
    if (pos_ < text_.size() && IsIdentChar(text_[pos_]))
      Fail(line_, "the character code after \"#\" is not a number");
    if (!AppendUtf8(out, code)) Fail(line_, "#" + std::to_string(code) + " is not a character");
  }

  std::string_view text_;
  const std::string& name_;
  std::size_t pos_ = 0;
  int line_ = 1;
  std::optional<Token> peeked_;
};

class Parser {
 public:
  Parser(std::string_view text, const std::string& layoutName) : lex_(text, layoutName) {}

  TLayoutObject ParseRoot() {
    Token t = lex_.Next();
    if (!IsKeyword(t, "object"))
      lex_.Fail(t.line, "the layout must start with \"object\", not " + Describe(t));
    TLayoutObject root = ParseObject(t.line, 1);
    Token rest = lex_.Next();
    if (rest.kind != Token::tkEnd)
      lex_.Fail(rest.line, "unexpected " + Describe(rest) + " after the end of the root object");
    return root;
  }

 private:
  static bool IsKeyword(const Token& t, std::string_view word) {
    return t.kind == Token::tkIdent && SameText(t.text, word);
  }

  void CheckDepth(int depth, int line) {
    if (depth > kMaxLayoutDepth)
      lex_.Fail(line, "objects and collections are nested deeper than " +
                          std::to_string(kMaxLayoutDepth) + " levels");
  }

  std::string ExpectName(const char* what) {
    Token t = lex_.Next();
    if (t.kind != Token::tkIdent || t.text.find('.') != std::string::npos)
      lex_.Fail(t.line, std::string("expected ") + what + ", found " + Describe(t));
    return t.text;
  }

  void ExpectSymbol(char symbol, const std::string& context) {
    Token t = lex_.Next();
    if (t.kind != Token::tkSymbol || t.text[0] != symbol)
      lex_.Fail(t.line, "expected \"" + std::string(1, symbol) + "\" " + context + ", found " +
                            Describe(t));
  }

  // After the keyword "object": Name: TClass, properties, child objects, "end".
  TLayoutObject ParseObject(int line, int depth) {
    CheckDepth(depth, line);
    TLayoutObject object;
    object.line = line;
    object.name = ExpectName("an object name");
    ExpectSymbol(':', "after the object name \"" + object.name + "\"");
    object.className = ExpectName("a class name");
    while (true) {
      Token t = lex_.Next();
      if (IsKeyword(t, "end")) return object;
      if (IsKeyword(t, "object")) {
        object.children.push_back(ParseObject(t.line, depth + 1));
      } else if (t.kind == Token::tkIdent) {
        if (!object.children.empty())
          lex_.Fail(t.line, "property \"" + t.text + "\" of \"" + object.name +
                                "\" stands after a child object; properties come first");
        object.properties.push_back(ParseProperty(std::move(t), depth));
      } else if (t.kind == Token::tkEnd) {
        lex_.Fail(t.line, "object \"" + object.name + "\" (line " + std::to_string(line) +
                              ") has no \"end\"");
      } else {
        lex_.Fail(t.line, "expected a property, an object or \"end\" in \"" + object.name +
                              "\", found " + Describe(t));
      }
    }
  }

  TLayoutProperty ParseProperty(Token name, int depth) {
    TLayoutProperty property;
    property.name = std::move(name.text);
    property.line = name.line;
    ExpectSymbol('=', "after the property name \"" + property.name + "\"");
    property.value = ParseValue(depth);
    return property;
  }

  TLayoutValue ParseValue(int depth) {
    Token t = lex_.Next();
    TLayoutValue value;
    value.line = t.line;
    if (t.kind == Token::tkSymbol) {
      switch (t.text[0]) {
        case '[':
          return ParseSet(std::move(value));
        case '(':
          return ParseList(std::move(value));
        case '{':
          value.kind = TLayoutValue::vkBinary;
          value.bytes = lex_.ReadBinary(t.line);
          return value;
        case '<':
          return ParseCollection(std::move(value), depth + 1);
        default:
          break;
      }
    }
    if (!ParseScalar(t, value)) lex_.Fail(t.line, "expected a value, found " + Describe(t));
    return value;
  }

  // A number, string or identifier; false for anything else.
  bool ParseScalar(Token& t, TLayoutValue& value) {
    value.line = t.line;
    switch (t.kind) {
      case Token::tkInteger:
        value.kind = TLayoutValue::vkInteger;
        value.integer = t.integer;
        return true;
      case Token::tkFloat:
        value.kind = TLayoutValue::vkFloat;
        value.number = t.number;
        return true;
      case Token::tkIdent:
        if (IsKeyword(t, "end") || IsKeyword(t, "object") || IsKeyword(t, "item")) return false;
        value.kind = TLayoutValue::vkIdent;
        value.text = std::move(t.text);
        return true;
      case Token::tkString:
        value.kind = TLayoutValue::vkString;
        value.text = std::move(t.text);
        JoinStrings(value.text);
        return true;
      default:
        return false;
    }
  }

  // 'first part' + 'second part', so long texts can be split over lines.
  void JoinStrings(std::string& text) {
    while (lex_.Peek().kind == Token::tkSymbol && lex_.Peek().text == "+") {
      lex_.Next();
      Token next = lex_.Next();
      if (next.kind != Token::tkString)
        lex_.Fail(next.line, "expected a string after \"+\", found " + Describe(next));
      text += next.text;
    }
  }

  TLayoutValue ParseSet(TLayoutValue value) {
    value.kind = TLayoutValue::vkSet;
    Token t = lex_.Next();
    if (t.kind == Token::tkSymbol && t.text == "]") return value;
    while (true) {
      if (t.kind != Token::tkIdent)
        lex_.Fail(t.line, "expected a set member name, found " + Describe(t));
      value.names.push_back(std::move(t.text));
      t = lex_.Next();
      if (t.kind == Token::tkSymbol && t.text == "]") return value;
      if (t.kind != Token::tkSymbol || t.text != ",")
        lex_.Fail(t.line, "expected \",\" or \"]\" in a set, found " + Describe(t));
      t = lex_.Next();
    }
  }

  TLayoutValue ParseList(TLayoutValue value) {
    value.kind = TLayoutValue::vkList;
    while (true) {
      Token t = lex_.Next();
      if (t.kind == Token::tkSymbol && t.text == ")") return value;
      TLayoutValue item;
      if (!ParseScalar(t, item))
        lex_.Fail(t.line, "expected a list element or \")\", found " + Describe(t));
      value.items.push_back(std::move(item));
    }
  }

  TLayoutValue ParseCollection(TLayoutValue value, int depth) {
    CheckDepth(depth, value.line);
    value.kind = TLayoutValue::vkCollection;
    while (true) {
      Token t = lex_.Next();
      if (t.kind == Token::tkSymbol && t.text == ">") return value;
      if (!IsKeyword(t, "item"))
        lex_.Fail(t.line, "expected \"item\" or \">\" in a collection, found " + Describe(t));
      TLayoutItem item;
      item.line = t.line;
      while (true) {
        Token p = lex_.Next();
        if (IsKeyword(p, "end")) break;
        if (p.kind != Token::tkIdent)
          lex_.Fail(p.line,
                    "expected a property or \"end\" in a collection item, found " + Describe(p));
        item.properties.push_back(ParseProperty(std::move(p), depth));
      }
      value.collection.push_back(std::move(item));
    }
  }

  Lexer lex_;
};

}  // namespace

const char* LayoutValueKindName(TLayoutValue::Kind kind) {
  switch (kind) {
    case TLayoutValue::vkInteger:
      return "an integer";
    case TLayoutValue::vkFloat:
      return "a floating-point number";
    case TLayoutValue::vkString:
      return "a string";
    case TLayoutValue::vkIdent:
      return "an identifier";
    case TLayoutValue::vkSet:
      return "a set";
    case TLayoutValue::vkList:
      return "a list";
    case TLayoutValue::vkBinary:
      return "binary data";
    case TLayoutValue::vkCollection:
      return "a collection";
  }
  return "a value";
}

std::string LayoutErrorMessage(const std::string& layoutName, int line, const std::string& what) {
  return "Layout \"" + layoutName + "\", line " + std::to_string(line) + ": " + what;
}

TLayoutObject ParseLayout(std::string_view text, const std::string& layoutName) {
  if (text.size() > kMaxLayoutSize)
    throw EInvalidLayout(LayoutErrorMessage(layoutName, 1, "the layout is too large"));
  return Parser(text, layoutName).ParseRoot();
}
