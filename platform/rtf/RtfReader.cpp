// One pass over the bytes, no recursion: a group is an entry on a heap-allocated state stack,
// a skipped destination is a brace-counting scan. Literal text and \'xx escapes are decoded a
// buffer at a time straight into the current run; a new run starts only when the character
// format really differs, so neighbouring equal runs never appear.
#include "platform/rtf/RtfReader.h"

#include <algorithm>
#include <array>
#include <climits>
#include <unordered_map>
#include <vector>

#include "platform/rtf/CodePages.h"
#include "platform/rtf/Normalize.h"
#include "platform/rtf/RtfKeywords.h"
#include "platform/rtf/Utf.h"

namespace rtf {

namespace {

constexpr int kRtfDefaultSizeHalfPt = 24;  // what \fs means when a file never states it
constexpr int kMaxUnicodeSkip = 16;
constexpr int kMaxControlWordLength = 32;
constexpr int kListLevelNone = 255;  // \levelnfc255: the level shows no label

enum class Dest : std::uint8_t {
  Text,
  FontTable,
  ColorTable,
  ListTable,
  ListOverrideTable,
  Pn,
  Upr,        // {\upr{ANSI branch}{\*\ud{Unicode branch}}}
  UprChoice,  // a group directly inside \upr: kept only when it turns out to be \ud
};

struct CharState {
  int fontNum = -1;  // RTF font number; -1: the document's default font (\deff)
  int sizeHalfPt = kRtfDefaultSizeHalfPt;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  int color = 0;  // index into the colour table
};

struct ParaState {
  Align align = Align::Left;
  int left = 0;
  int first = 0;
  int right = 0;
  bool pnList = false;  // a \pn of a bulleted or numbered level is in force
  int ls = 0;           // \ls: list override number, 0 none
  int ilvl = 0;
};

struct GroupState {
  Dest dest = Dest::Text;
  Dest uprOuter = Dest::Text;
  int unicodeSkip = 1;
  CharState chr;
  ParaState para;
};

struct ListDef {
  int id = 0;
  std::vector<int> levelFormats;  // \levelnfc per level
};

struct ListOverrideDef {
  int listId = 0;
  int ls = 0;
};

struct ByteClasses {
  std::array<bool, 256> literal{};  // bytes that stand for themselves in text
  std::array<signed char, 256> hex{};
  constexpr ByteClasses() {
    for (int c = 0; c < 256; ++c) {
      literal[c] = !(c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n' || c == 0);
      hex[c] = -1;
    }
    for (int c = '0'; c <= '9'; ++c) hex[c] = static_cast<signed char>(c - '0');
    for (int c = 'a'; c <= 'f'; ++c) hex[c] = static_cast<signed char>(c - 'a' + 10);
    for (int c = 'A'; c <= 'F'; ++c) hex[c] = static_cast<signed char>(c - 'A' + 10);
  }
};
constexpr ByteClasses kBytes;

bool IsLetter(unsigned char c) { return c >= 'a' && c <= 'z'; }
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
// Bytes ignored between tokens: line ends, NUL padding of damaged files.
bool IsIgnorable(unsigned char c) { return c == '\r' || c == '\n' || c == 0; }

std::size_t SkipPreamble(std::string_view bytes) {
  std::size_t i = 0;
  if (bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xEF &&
      static_cast<unsigned char>(bytes[1]) == 0xBB && static_cast<unsigned char>(bytes[2]) == 0xBF) {
    i = 3;
  }
  while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' ||
                              bytes[i] == '\n')) {
    ++i;
  }
  return i;
}

// A face name without control characters (NUL included) and surrounding blanks.
std::u16string CleanFaceName(const std::u16string& name) {
  std::u16string clean;
  for (char16_t ch : name) {
    if (ch >= 0x20) clean.push_back(ch);
  }
  std::u16string_view s = clean;
  while (!s.empty() && (s.front() == u' ' || s.front() == u'\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == u' ' || s.back() == u'\t')) s.remove_suffix(1);
  return std::u16string(s);
}

class Parser {
 public:
  Parser(std::string_view bytes, RtfReadReport& report)
      : p_(reinterpret_cast<const unsigned char*>(bytes.data())),
        end_(p_ + bytes.size()),
        report_(report) {
    stack_.reserve(64);
    stack_.emplace_back();  // outside every group
  }

  RichDocument Parse();

 private:
  GroupState& Top() { return stack_.back(); }
  int Depth() const { return static_cast<int>(stack_.size()) - 1; }

  // Tokens.
  void OpenGroup();
  void CloseGroup();
  void ParseEscape();
  void ParseHexEscape();
  void ParseControlWord();
  void ParseLiteral();
  void ParseTextRun();
  void SkipRestOfGroup();
  bool RestIsBlank() const;

  // Control words.
  void Dispatch(Kw kw, bool hasParam, int param);
  void DispatchDestination(Kw kw);
  void DispatchTableWord(Kw kw, int param);
  void DispatchCharFormat(Kw kw, bool hasParam, int param);
  void DispatchParaFormat(Kw kw, int param);
  bool DispatchBreak(Kw kw);
  bool CanChangeDestination() const { return Depth() >= 2 || overflow_ > 0; }
  void EnterDestination(Dest dest);

  // Text.
  void Emit(char16_t ch, bool literal);
  std::u16string& TextSink();
  void OpenRun();
  void EndParagraph();
  void SoftBreak();

  // Tables.
  void BeginFontDef(int number);
  void CommitFontName();
  void CommitColor();
  int FontIndexOf(int fontNum);
  int FallbackFontIndex();
  const char16_t* TextTable();
  const char16_t* FontNameTable() const;
  void ResolveListParagraphs();

  const unsigned char* p_;
  const unsigned char* end_;
  RtfReadReport& report_;
  std::vector<GroupState> stack_;
  int overflow_ = 0;  // open groups beyond the depth cap
  int ucSkip_ = 0;    // fallback units still to drop after a \u
  bool ignorable_ = false;
  bool done_ = false;

  int ansiCodePage_ = 1252;
  bool ansiCodePageSet_ = false;
  int defaultFont_ = 0;
  int generation_ = 0;  // bumped whenever what a font number decodes to may have changed
  int cachedFontNum_ = INT_MIN;
  int cachedGeneration_ = -1;
  const char16_t* cachedTable_ = nullptr;

  std::vector<FontEntry> fonts_;
  std::unordered_map<int, int> fontIndexByNum_;
  int fallbackFont_ = -1;
  int fontDef_ = -1;       // font being defined in the font table
  int fontDefDepth_ = 0;   // depth of the group that holds that definition
  std::u16string fontName_;
  std::vector<std::uint32_t> colors_;
  std::uint32_t colorValue_ = 0;
  bool colorHasValue_ = false;
  std::vector<ListDef> lists_;
  std::vector<ListOverrideDef> overrides_;
  struct ListUse {
    std::size_t paragraph;
    int ls;
    int ilvl;
  };
  std::vector<ListUse> listUses_;  // \ls paragraphs, resolved once the tables are complete

  std::vector<Paragraph> paragraphs_;
  Paragraph current_;
  bool formatDirty_ = true;
  bool hasLabel_ = false;
  bool pendingCellTab_ = false;
};

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
    case '}': Emit(c, false); break;
    case '~': Emit(0x00A0, false); break;
    case '-': Emit(0x00AD, false); break;
    case '_': Emit(0x2011, false); break;
    case '\r':
    case '\n':
      if (Top().dest == Dest::Text) EndParagraph();
      break;
    default: break;  // \: \| and unknown symbols carry nothing the model keeps
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
    case Dest::Text: ParseTextRun(); break;
    case Dest::FontTable: Emit(FontNameTable()[*p_++], true); break;
    default: Emit(*p_++, true); break;
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

// ---- Control words ---------------------------------------------------------------------------

void Parser::Dispatch(Kw kw, bool hasParam, int param) {
  switch (kw) {
    case Kw::Unknown: return;
    case Kw::FontTable:
    case Kw::ColorTable:
    case Kw::ListTable:
    case Kw::ListOverrideTable:
    case Kw::Pn:
    case Kw::Upr:
    case Kw::Ud:
    case Kw::SkipDestination:
    case Kw::ListLabel: DispatchDestination(kw); return;
    case Kw::Ansi:
      if (!ansiCodePageSet_) ansiCodePage_ = 1252;
      break;
    case Kw::Mac: ansiCodePage_ = 10000; break;
    case Kw::Pc: ansiCodePage_ = 437; break;
    case Kw::Pca: ansiCodePage_ = 850; break;
    case Kw::AnsiCodePage:
      if (param > 0) {
        ansiCodePage_ = param;
        ansiCodePageSet_ = true;
      }
      break;
    case Kw::DefaultFont:
      defaultFont_ = param;
      formatDirty_ = true;
      break;
    case Kw::Unicode: {
      const int unit = param < 0 ? param + 65536 : param;
      Emit(static_cast<char16_t>(std::clamp(unit, 0, 0xFFFF)), false);
      ucSkip_ = Top().unicodeSkip;
      return;
    }
    case Kw::UnicodeSkip: Top().unicodeSkip = hasParam ? std::clamp(param, 0, kMaxUnicodeSkip) : 1;
      return;
    default:
      if (DispatchBreak(kw)) return;
      DispatchTableWord(kw, param);
      DispatchCharFormat(kw, hasParam, param);
      DispatchParaFormat(kw, param);
      return;
  }
  ++generation_;  // code page or default font changed
}

void Parser::DispatchDestination(Kw kw) {
  if (!CanChangeDestination()) return;  // never at the document's own level
  switch (kw) {
    case Kw::FontTable:
      fontDef_ = -1;
      EnterDestination(Dest::FontTable);
      break;
    case Kw::ColorTable:
      colorHasValue_ = false;
      colorValue_ = 0;
      EnterDestination(Dest::ColorTable);
      break;
    case Kw::ListTable: EnterDestination(Dest::ListTable); break;
    case Kw::ListOverrideTable: EnterDestination(Dest::ListOverrideTable); break;
    case Kw::Pn: EnterDestination(Dest::Pn); break;
    case Kw::Upr:
      if (overflow_ > 0) {
        SkipRestOfGroup();
      } else {
        Top().uprOuter = Top().dest;
        Top().dest = Dest::Upr;
      }
      break;
    case Kw::Ud:
      if (Top().dest == Dest::UprChoice) Top().dest = Top().uprOuter;
      break;
    case Kw::ListLabel:
      if (Top().dest == Dest::Text) hasLabel_ = true;
      SkipRestOfGroup();
      break;
    default: SkipRestOfGroup(); break;
  }
}

// Groups past the depth cap share one state, so they cannot switch destination: skip them.
void Parser::EnterDestination(Dest dest) {
  if (overflow_ > 0) {
    SkipRestOfGroup();
    return;
  }
  Top().dest = dest;
}

void Parser::DispatchTableWord(Kw kw, int param) {
  const Dest dest = Top().dest;
  switch (kw) {
    case Kw::Font:
      if (dest == Dest::FontTable) {
        BeginFontDef(param);
      } else {
        Top().chr.fontNum = param;
        formatDirty_ = true;
      }
      break;
    case Kw::FontCharset:
      if (dest == Dest::FontTable && fontDef_ >= 0) {
        fonts_[fontDef_].charset = param;
        ++generation_;
      }
      break;
    case Kw::FontPitch:
      if (dest == Dest::FontTable && fontDef_ >= 0) fonts_[fontDef_].pitch = std::clamp(param, 0, 2);
      break;
    case Kw::Red:
    case Kw::Green:
    case Kw::Blue:
      if (dest == Dest::ColorTable) {
        const int shift = kw == Kw::Red ? 0 : kw == Kw::Green ? 8 : 16;
        colorValue_ = (colorValue_ & ~(0xFFu << shift)) |
                      (static_cast<std::uint32_t>(std::clamp(param, 0, 255)) << shift);
        colorHasValue_ = true;
      }
      break;
    case Kw::List:
      if (dest == Dest::ListTable) lists_.emplace_back();
      break;
    case Kw::ListLevel:
      if (dest == Dest::ListTable && !lists_.empty()) lists_.back().levelFormats.push_back(0);
      break;
    case Kw::LevelNumberFormat:
      if (dest == Dest::ListTable && !lists_.empty() && !lists_.back().levelFormats.empty()) {
        lists_.back().levelFormats.back() = param;
      }
      break;
    case Kw::ListId:
      if (dest == Dest::ListTable && !lists_.empty()) lists_.back().id = param;
      if (dest == Dest::ListOverrideTable && !overrides_.empty()) overrides_.back().listId = param;
      break;
    case Kw::ListOverride:
      if (dest == Dest::ListOverrideTable) overrides_.emplace_back();
      break;
    case Kw::ListStyle:
      if (dest == Dest::ListOverrideTable && !overrides_.empty()) overrides_.back().ls = param;
      if (dest == Dest::Text) Top().para.ls = param;
      break;
    case Kw::ListLevelIndex: Top().para.ilvl = param; break;
    case Kw::PnBullet:
    case Kw::PnNumbered:
    case Kw::PnContinue: {
      // Inside {\*\pn ...} the level belongs to the paragraph around the group.
      GroupState& target =
          (dest == Dest::Pn && overflow_ == 0 && stack_.size() >= 2) ? stack_[stack_.size() - 2]
                                                                      : Top();
      target.para.pnList = kw != Kw::PnContinue;
      break;
    }
    default: break;
  }
}

void Parser::DispatchCharFormat(Kw kw, bool hasParam, int param) {
  CharState& chr = Top().chr;
  const bool on = !hasParam || param != 0;
  switch (kw) {
    case Kw::Plain: chr = CharState{}; break;
    case Kw::FontSize: chr.sizeHalfPt = hasParam && param > 0 ? param : kRtfDefaultSizeHalfPt; break;
    case Kw::Bold: chr.bold = on; break;
    case Kw::Italic: chr.italic = on; break;
    case Kw::Underline: chr.underline = on; break;
    case Kw::UnderlineNone: chr.underline = false; break;
    case Kw::ForeColor: chr.color = hasParam ? param : 0; break;
    default: return;
  }
  formatDirty_ = true;
}

void Parser::DispatchParaFormat(Kw kw, int param) {
  ParaState& para = Top().para;
  switch (kw) {
    case Kw::ParagraphDefault: para = ParaState{}; break;
    case Kw::AlignLeft: para.align = Align::Left; break;
    case Kw::AlignCenter: para.align = Align::Center; break;
    case Kw::AlignRight: para.align = Align::Right; break;
    case Kw::AlignJustify: para.align = Align::Justify; break;
    case Kw::LeftIndent: para.left = param; break;
    case Kw::FirstIndent: para.first = param; break;
    case Kw::RightIndent: para.right = param; break;
    default: break;
  }
}

bool Parser::DispatchBreak(Kw kw) {
  const bool text = Top().dest == Dest::Text;
  switch (kw) {
    case Kw::Par:
      if (text) EndParagraph();
      return true;
    case Kw::Section:
    case Kw::Page:
      if (text) SoftBreak();
      return true;
    case Kw::Cell:
      // Cells of a row become tab-separated text of one paragraph.
      if (text) pendingCellTab_ = true;
      return true;
    case Kw::Row:
      if (text) EndParagraph();
      return true;
    case Kw::Line: Emit(u'\n', false); return true;
    case Kw::Tab: Emit(u'\t', false); return true;
    case Kw::EmDash: Emit(0x2014, false); return true;
    case Kw::EnDash: Emit(0x2013, false); return true;
    case Kw::Bullet: Emit(0x2022, false); return true;
    case Kw::LeftQuote: Emit(0x2018, false); return true;
    case Kw::RightQuote: Emit(0x2019, false); return true;
    case Kw::LeftDoubleQuote: Emit(0x201C, false); return true;
    case Kw::RightDoubleQuote: Emit(0x201D, false); return true;
    case Kw::EmSpace: Emit(0x2003, false); return true;
    case Kw::EnSpace: Emit(0x2002, false); return true;
    case Kw::QuarterEmSpace: Emit(0x2005, false); return true;
    case Kw::ZeroWidthJoiner: Emit(0x200D, false); return true;
    case Kw::ZeroWidthNonJoiner: Emit(0x200C, false); return true;
    case Kw::DirectionMark: return true;  // invisible, and the editor is left-to-right
    default: return false;
  }
}

// ---- Text ------------------------------------------------------------------------------------

void Parser::Emit(char16_t ch, bool literal) {
  switch (Top().dest) {
    case Dest::Text: TextSink().push_back(ch); break;
    case Dest::FontTable:
      if (literal && ch == u';') {
        CommitFontName();
      } else if (fontDef_ >= 0) {
        fontName_.push_back(ch);
      }
      break;
    case Dest::ColorTable:
      if (literal && ch == u';') CommitColor();
      break;
    default: break;
  }
}

std::u16string& Parser::TextSink() {
  if (formatDirty_ || current_.runs.empty()) OpenRun();
  std::u16string& text = current_.runs.back().text;
  if (pendingCellTab_) {
    pendingCellTab_ = false;
    text.push_back(u'\t');
  }
  return text;
}

void Parser::OpenRun() {
  const CharState& chr = Top().chr;
  CharFormat format;
  format.font = FontIndexOf(chr.fontNum);
  format.sizeHalfPt = chr.sizeHalfPt;
  format.bold = chr.bold;
  format.italic = chr.italic;
  format.underline = chr.underline;
  format.color =
      (chr.color >= 0 && chr.color < static_cast<int>(colors_.size())) ? colors_[chr.color] : 0;
  if (current_.runs.empty() || !(current_.runs.back().format == format)) {
    current_.runs.push_back(Run{{}, format});
  }
  formatDirty_ = false;
}

void Parser::EndParagraph() {
  const ParaState& para = Top().para;
  current_.format.align = para.align;
  current_.format.leftTwips = para.left;
  current_.format.firstTwips = para.first;
  current_.format.rightTwips = para.right;
  current_.format.bullet = para.pnList || hasLabel_;
  if (!current_.format.bullet && para.ls > 0) {
    listUses_.push_back(ListUse{paragraphs_.size(), para.ls, para.ilvl});
  }
  paragraphs_.push_back(std::move(current_));
  current_ = Paragraph{};
  hasLabel_ = false;
  pendingCellTab_ = false;
  formatDirty_ = true;
}

// \sect and \page end a paragraph that has text but never make an empty one: producers put
// them right after a \par as often as inside a paragraph.
void Parser::SoftBreak() {
  if (!current_.runs.empty()) EndParagraph();
}

// ---- Tables ----------------------------------------------------------------------------------

void Parser::BeginFontDef(int number) {
  if (fontDef_ >= 0) CommitFontName();
  auto [it, added] = fontIndexByNum_.try_emplace(number, static_cast<int>(fonts_.size()));
  if (added) {
    fonts_.push_back(FontEntry{std::string(), 1, 0});
  } else {
    fonts_[it->second] = FontEntry{std::string(), 1, 0};  // a later definition wins
  }
  fontDef_ = it->second;
  fontDefDepth_ = Depth();
  fontName_.clear();
  ++generation_;
}

void Parser::CommitFontName() {
  if (fontDef_ >= 0) {
    fonts_[fontDef_].face = Utf16ToUtf8(CleanFaceName(fontName_));
    ++generation_;
  }
  fontName_.clear();
  fontDef_ = -1;
}

void Parser::CommitColor() {
  colors_.push_back(colorHasValue_ ? colorValue_ : 0);  // an empty entry is "automatic"
  colorValue_ = 0;
  colorHasValue_ = false;
}

int Parser::FontIndexOf(int fontNum) {
  if (fontNum < 0) fontNum = defaultFont_;
  auto it = fontIndexByNum_.find(fontNum);
  if (it == fontIndexByNum_.end()) it = fontIndexByNum_.find(defaultFont_);
  return it != fontIndexByNum_.end() ? it->second : FallbackFontIndex();
}

int Parser::FallbackFontIndex() {
  if (fallbackFont_ < 0) {
    fallbackFont_ = static_cast<int>(fonts_.size());
    fonts_.push_back(FontEntry{std::string(kDefaultFace), 1, 0});
  }
  return fallbackFont_;
}

const char16_t* Parser::TextTable() {
  const int fontNum = Top().chr.fontNum;
  if (fontNum != cachedFontNum_ || generation_ != cachedGeneration_) {
    const int num = fontNum < 0 ? defaultFont_ : fontNum;
    auto it = fontIndexByNum_.find(num);
    if (it == fontIndexByNum_.end()) it = fontIndexByNum_.find(defaultFont_);
    int codePage = ansiCodePage_;
    if (it != fontIndexByNum_.end()) {
      const FontEntry& font = fonts_[it->second];
      codePage = CodePageOfCharset(font.charset, ansiCodePage_, font.face);
    }
    cachedTable_ = FindCodePage(codePage).toUnicode;
    cachedFontNum_ = fontNum;
    cachedGeneration_ = generation_;
  }
  return cachedTable_;
}

// Face names are in the font's own code page, except for symbol fonts, whose names are ordinary
// ANSI text.
const char16_t* Parser::FontNameTable() const {
  int codePage = ansiCodePage_;
  if (fontDef_ >= 0 && fonts_[fontDef_].charset != 2) {
    codePage = CodePageOfCharset(fonts_[fontDef_].charset, ansiCodePage_, {});
  }
  return FindCodePage(codePage).toUnicode;
}

// An \ls paragraph is a list item when its level shows a label; numbered levels count too,
// since the model's only list kind is the bullet.
void Parser::ResolveListParagraphs() {
  if (listUses_.empty()) return;
  std::unordered_map<int, const ListDef*> listById;
  for (const ListDef& list : lists_) listById.try_emplace(list.id, &list);
  std::unordered_map<int, int> listIdByLs;
  for (const ListOverrideDef& o : overrides_) listIdByLs.try_emplace(o.ls, o.listId);
  for (const ListUse& use : listUses_) {
    auto id = listIdByLs.find(use.ls);
    if (id == listIdByLs.end()) continue;
    auto list = listById.find(id->second);
    if (list == listById.end()) continue;
    const std::vector<int>& levels = list->second->levelFormats;
    bool labelled = true;
    if (!levels.empty()) {
      const int level = std::clamp(use.ilvl, 0, static_cast<int>(levels.size()) - 1);
      labelled = levels[level] != kListLevelNone;
    }
    paragraphs_[use.paragraph].format.bullet = labelled;
  }
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
  return Parser(bytes.substr(start), out).Parse();
}

}  // namespace rtf
