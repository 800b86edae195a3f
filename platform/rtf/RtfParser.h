// The RTF parser's private parts, shared by the files that implement it: group state, the
// tables read from the header, and the parser class. Only RtfReader*.cpp include this.
#pragma once

#include <array>
#include <climits>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/rtf/RichDocument.h"
#include "platform/rtf/RtfKeywords.h"
#include "platform/rtf/RtfReader.h"

namespace rtf::detail {

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
  bool hidden = false;  // \v: text the reader drops, as an editor never shows it
  int color = 0;        // index into the colour table
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
inline constexpr ByteClasses kBytes;

inline bool IsLetter(unsigned char c) {
  return c >= 'a' && c <= 'z';
}
inline bool IsDigit(unsigned char c) {
  return c >= '0' && c <= '9';
}
// Bytes ignored between tokens: line ends, NUL padding of damaged files.
inline bool IsIgnorable(unsigned char c) {
  return c == '\r' || c == '\n' || c == 0;
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
  int fontDef_ = -1;      // font being defined in the font table
  int fontDefDepth_ = 0;  // depth of the group that holds that definition
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
  std::u16string hiddenSink_;  // where hidden text goes
};

}  // namespace rtf::detail
