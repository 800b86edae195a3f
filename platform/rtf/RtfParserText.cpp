// Where the parser's text goes: runs and paragraphs of the document, font names, colour
// entries; and the tables that decide how bytes decode.
#include <algorithm>

#include "platform/rtf/CodePages.h"
#include "platform/rtf/RtfParser.h"
#include "platform/rtf/Utf.h"

namespace rtf::detail {

namespace {

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

}  // namespace

// ---- Text ------------------------------------------------------------------------------------

void Parser::Emit(char16_t ch, bool literal) {
  switch (Top().dest) {
    case Dest::Text:
      TextSink().push_back(ch);
      break;
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
    default:
      break;
  }
}

std::u16string& Parser::TextSink() {
  if (Top().chr.hidden) {
    hiddenSink_.clear();
    return hiddenSink_;
  }
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

}  // namespace rtf::detail
