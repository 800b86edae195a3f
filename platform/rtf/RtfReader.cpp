// One pass over the bytes, no recursion: a group is an entry on a heap-allocated state stack,
// a skipped destination is a brace-counting scan. Literal text and \'xx escapes are decoded a
// buffer at a time straight into the current run; a new run starts only when the character
// format really differs, so neighbouring equal runs never appear.

#include "platform/rtf/RtfReader.h"

#include <algorithm>

#include "platform/rtf/Normalize.h"
#include "platform/rtf/RtfParser.h"

namespace rtf {

namespace detail {

RichDocument Parser::Parse() {
  while (p_ < end_ && !done_) {
    const unsigned char c = *p_;
    if (c == '{') {
      ++p_;
      OpenGroup();
    } else if (c == '}') {
      ++p_;
      CloseGroup();
    } else if (c == '\\') {
      ParseEscape();
    } else if (IsIgnorable(c)) {
      ++p_;
    } else {
      ParseLiteral();
    }
  }
  if (!done_ && Depth() > 0) report_.truncated = true;
  if (!current_.runs.empty() || hasLabel_) EndParagraph();
  ResolveListParagraphs();

  RichDocument doc;
  doc.fonts = std::move(fonts_);
  doc.paragraphs = std::move(paragraphs_);
  Normalize(doc);
  return doc;
}

// ---- Tokens ----------------------------------------------------------------------------------

void Parser::OpenGroup() {
  ucSkip_ = 0;
  ignorable_ = false;
  if (Depth() >= kMaxGroupDepth) {
    ++overflow_;
    ++report_.groupsBeyondDepthCap;
    return;
  }
  stack_.push_back(stack_.back());
  if (stack_[stack_.size() - 2].dest == Dest::Upr) Top().dest = Dest::UprChoice;
}

void Parser::CloseGroup() {
  ucSkip_ = 0;
  ignorable_ = false;
  formatDirty_ = true;
  if (overflow_ > 0) {
    --overflow_;
    return;
  }
  if (Depth() == 0) {
    ++report_.strayClosingBraces;
    return;
  }
  if (Depth() == 1) {
    // The document's own group. A brace that closes it while text follows is damage; keep
    // reading so that nothing after it is lost.
    if (!RestIsBlank()) {
      ++report_.strayClosingBraces;
      return;
    }
    if (!current_.runs.empty() || hasLabel_) EndParagraph();
    stack_.pop_back();
    done_ = true;
    return;
  }
  const Dest closed = Top().dest;
  stack_.pop_back();
  if (fontDef_ >= 0 && Depth() < fontDefDepth_) CommitFontName();
  if (closed == Dest::ColorTable && Top().dest != Dest::ColorTable && colorHasValue_) {
    CommitColor();
  }
}

bool Parser::RestIsBlank() const {
  for (const unsigned char* q = p_; q < end_; ++q) {
    const unsigned char c = *q;
    if (!(c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == 0 || c == 0x1A)) return false;
  }
  return true;
}

void Parser::ParseEscape() {
  ++p_;  // the backslash
  if (p_ >= end_) return;
  const unsigned char c = *p_;
  if (IsLetter(c)) {
    ParseControlWord();
    return;
  }
  ++p_;
  if (c == '\'') {
    ParseHexEscape();
    return;
  }
  if (ucSkip_ > 0) {
    --ucSkip_;
    return;
  }
  if (c == '*') {
    ignorable_ = true;
    return;
  }
  ignorable_ = false;
  switch (c) {
    case '\\':
    case '{':
    case '}':
      Emit(c, false);
      break;
    case '~':
      Emit(0x00A0, false);
      break;
    case '-':
      Emit(0x00AD, false);
      break;
    case '_':
      Emit(0x2011, false);
      break;
    case '\r':
    case '\n':
      if (Top().dest == Dest::Text) EndParagraph();
      break;
    default:
      break;  // \: \| and unknown symbols carry nothing the model keeps
  }
}

void Parser::ParseHexEscape() {
  ignorable_ = false;
  const int high = p_ < end_ ? kBytes.hex[*p_] : -1;
  const int low = p_ + 1 < end_ ? kBytes.hex[p_[1]] : -1;
  if (high < 0 || low < 0) {
    // Drop the broken escape (and its one good digit) and go on with what follows.
    ++report_.badHexEscapes;
    if (high >= 0) ++p_;
    if (ucSkip_ > 0) --ucSkip_;
    return;
  }
  p_ += 2;
  if (ucSkip_ > 0) {
    --ucSkip_;
    return;
  }
  const auto byte = static_cast<unsigned char>(high * 16 + low);
  if (Top().dest == Dest::Text) {
    TextSink().push_back(TextTable()[byte]);
    ParseTextRun();  // most \'xx come in long stretches
  } else if (Top().dest == Dest::FontTable) {
    Emit(FontNameTable()[byte], false);
  }
}

void Parser::ParseControlWord() {
  const unsigned char* start = p_;
  while (p_ < end_ && IsLetter(*p_)) ++p_;
  const auto length = static_cast<std::size_t>(p_ - start);
  bool negative = false;
  if (p_ + 1 < end_ && *p_ == '-' && IsDigit(p_[1])) {
    negative = true;
    ++p_;
  }
  bool hasParam = false;
  long long value = 0;
  while (p_ < end_ && IsDigit(*p_)) {
    if (value < 10'000'000'000LL) value = value * 10 + (*p_ - '0');
    hasParam = true;
    ++p_;
  }
  if (p_ < end_ && *p_ == ' ') ++p_;
  if (negative) value = -value;
  const int param = static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));

  const Kw kw = length <= kMaxControlWordLength
                    ? LookupKeyword(std::string_view(reinterpret_cast<const char*>(start), length))
                    : Kw::Unknown;
  if (kw == Kw::Binary) {
    // Binary data is skipped by its count, never past the end of the data.
    const auto count = static_cast<std::size_t>(std::max(param, 0));
    p_ += std::min(count, static_cast<std::size_t>(end_ - p_));
    if (ucSkip_ > 0) --ucSkip_;
    ignorable_ = false;
    return;
  }
  if (ucSkip_ > 0) {
    --ucSkip_;
    return;
  }
  if (ignorable_) {
    ignorable_ = false;
    const bool known = kw == Kw::Pn || kw == Kw::ListTable || kw == Kw::ListOverrideTable ||
                       kw == Kw::Ud || kw == Kw::FontTable || kw == Kw::ColorTable;
    if (!known) {
      if (CanChangeDestination()) SkipRestOfGroup();
      return;
    }
  }
  if (Top().dest == Dest::UprChoice && kw != Kw::Ud) {
    SkipRestOfGroup();  // the ANSI branch of \upr
    return;
  }
  Dispatch(kw, hasParam, param);
}

void Parser::ParseLiteral() {
  if (ucSkip_ > 0) {
    --ucSkip_;
    ++p_;
    return;
  }
  ignorable_ = false;
  switch (Top().dest) {
    case Dest::Text:
      ParseTextRun();
      break;
    case Dest::FontTable:
      Emit(FontNameTable()[*p_++], true);
      break;
    default:
      Emit(*p_++, true);
      break;
  }
}

// Literal bytes and \'xx escapes up to the next group brace or control word, decoded through
// one table into a local buffer and appended in blocks.
void Parser::ParseTextRun() {
  const char16_t* table = TextTable();
  constexpr std::size_t kBlock = 1024;
  char16_t block[kBlock];
  std::size_t n = 0;
  const unsigned char* p = p_;
  while (p < end_) {
    const unsigned char c = *p;
    if (kBytes.literal[c]) {
      block[n++] = table[c];
      ++p;
    } else if (c == '\\') {
      if (end_ - p < 4 || p[1] != '\'') break;
      const int high = kBytes.hex[p[2]];
      const int low = kBytes.hex[p[3]];
      if ((high | low) < 0) break;
      block[n++] = table[high * 16 + low];
      p += 4;
    } else if (IsIgnorable(c)) {
      ++p;
    } else {
      break;
    }
    if (n == kBlock) {
      TextSink().append(block, n);
      n = 0;
    }
  }
  p_ = p;
  if (n > 0) TextSink().append(block, n);
}

void Parser::SkipRestOfGroup() {
  int depth = 1;
  while (p_ < end_) {
    const unsigned char c = *p_++;
    if (c == '{') {
      ++depth;
    } else if (c == '}') {
      if (--depth == 0) {
        CloseGroup();
        return;
      }
    } else if (c == '\\' && p_ < end_) {
      if (!IsLetter(*p_)) {
        ++p_;  // \{ \} \\ and the other symbols
        continue;
      }
      const unsigned char* word = p_;
      while (p_ < end_ && IsLetter(*p_)) ++p_;
      if (p_ - word != 3 || word[0] != 'b' || word[1] != 'i' || word[2] != 'n') continue;
      long long count = 0;
      while (p_ < end_ && IsDigit(*p_)) {
        if (count < 10'000'000'000LL) count = count * 10 + (*p_ - '0');
        ++p_;
      }
      if (p_ < end_ && *p_ == ' ') ++p_;
      p_ += std::min(static_cast<std::size_t>(count), static_cast<std::size_t>(end_ - p_));
    }
  }
  report_.truncated = true;
}

}  // namespace detail

namespace {

std::size_t SkipPreamble(std::string_view bytes) {
  std::size_t i = 0;
  if (bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xEF &&
      static_cast<unsigned char>(bytes[1]) == 0xBB &&
      static_cast<unsigned char>(bytes[2]) == 0xBF) {
    i = 3;
  }
  while (i < bytes.size() &&
         (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n')) {
    ++i;
  }
  return i;
}

}  // namespace

bool LooksLikeRtf(std::string_view bytes) {
  return bytes.substr(SkipPreamble(bytes)).starts_with("{\\rtf");
}

RichDocument ReadRtf(std::string_view bytes, RtfReadReport* report) {
  const std::size_t start = SkipPreamble(bytes);
  if (!bytes.substr(start).starts_with("{\\rtf")) {
    throw RtfError("The data is not RTF: it does not start with \"{\\rtf\"");
  }
  RtfReadReport local;
  RtfReadReport& out = report ? *report : local;
  out = RtfReadReport{};
  return detail::Parser(bytes.substr(start), out).Parse();
}

}  // namespace rtf
