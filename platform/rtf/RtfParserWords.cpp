// What the parser does for each control word it knows.
#include <algorithm>

#include "platform/rtf/RtfParser.h"

namespace rtf::detail {

// ---- Control words ---------------------------------------------------------------------------

void Parser::Dispatch(Kw kw, bool hasParam, int param) {
  switch (kw) {
    case Kw::Unknown:
      return;
    case Kw::FontTable:
    case Kw::ColorTable:
    case Kw::ListTable:
    case Kw::ListOverrideTable:
    case Kw::Pn:
    case Kw::Upr:
    case Kw::Ud:
    case Kw::SkipDestination:
    case Kw::ListLabel:
      DispatchDestination(kw);
      return;
    case Kw::Ansi:
      if (!ansiCodePageSet_) ansiCodePage_ = 1252;
      break;
    case Kw::Mac:
      ansiCodePage_ = 10000;
      break;
    case Kw::Pc:
      ansiCodePage_ = 437;
      break;
    case Kw::Pca:
      ansiCodePage_ = 850;
      break;
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
    case Kw::UnicodeSkip:
      Top().unicodeSkip = hasParam ? std::clamp(param, 0, kMaxUnicodeSkip) : 1;
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
    case Kw::ListTable:
      EnterDestination(Dest::ListTable);
      break;
    case Kw::ListOverrideTable:
      EnterDestination(Dest::ListOverrideTable);
      break;
    case Kw::Pn:
      EnterDestination(Dest::Pn);
      break;
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
    default:
      SkipRestOfGroup();
      break;
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
      if (dest == Dest::FontTable && fontDef_ >= 0)
        fonts_[fontDef_].pitch = std::clamp(param, 0, 2);
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
    case Kw::ListLevelIndex:
      Top().para.ilvl = param;
      break;
    case Kw::PnBullet:
    case Kw::PnNumbered:
    case Kw::PnContinue: {
      // Inside {\*\pn ...} the level belongs to the paragraph around the group.
      GroupState& target = (dest == Dest::Pn && overflow_ == 0 && stack_.size() >= 2)
                               ? stack_[stack_.size() - 2]
                               : Top();
      target.para.pnList = kw != Kw::PnContinue;
      break;
    }
    default:
      break;
  }
}

void Parser::DispatchCharFormat(Kw kw, bool hasParam, int param) {
  CharState& chr = Top().chr;
  const bool on = !hasParam || param != 0;
  switch (kw) {
    case Kw::Plain:
      chr = CharState{};
      break;
    case Kw::FontSize:
      chr.sizeHalfPt = hasParam && param > 0 ? param : kRtfDefaultSizeHalfPt;
      break;
    case Kw::Bold:
      chr.bold = on;
      break;
    case Kw::Italic:
      chr.italic = on;
      break;
    case Kw::Underline:
      chr.underline = on;
      break;
    case Kw::UnderlineNone:
      chr.underline = false;
      break;
    case Kw::Hidden:
      chr.hidden = on;
      break;
    case Kw::ForeColor:
      chr.color = hasParam ? param : 0;
      break;
    default:
      return;
  }
  formatDirty_ = true;
}

void Parser::DispatchParaFormat(Kw kw, int param) {
  ParaState& para = Top().para;
  switch (kw) {
    case Kw::ParagraphDefault:
      para = ParaState{};
      break;
    case Kw::AlignLeft:
      para.align = Align::Left;
      break;
    case Kw::AlignCenter:
      para.align = Align::Center;
      break;
    case Kw::AlignRight:
      para.align = Align::Right;
      break;
    case Kw::AlignJustify:
      para.align = Align::Justify;
      break;
    case Kw::LeftIndent:
      para.left = param;
      break;
    case Kw::FirstIndent:
      para.first = param;
      break;
    case Kw::RightIndent:
      para.right = param;
      break;
    default:
      break;
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
    case Kw::Line:
      Emit(u'\n', false);
      return true;
    case Kw::Tab:
      Emit(u'\t', false);
      return true;
    case Kw::EmDash:
      Emit(0x2014, false);
      return true;
    case Kw::EnDash:
      Emit(0x2013, false);
      return true;
    case Kw::Bullet:
      Emit(0x2022, false);
      return true;
    case Kw::LeftQuote:
      Emit(0x2018, false);
      return true;
    case Kw::RightQuote:
      Emit(0x2019, false);
      return true;
    case Kw::LeftDoubleQuote:
      Emit(0x201C, false);
      return true;
    case Kw::RightDoubleQuote:
      Emit(0x201D, false);
      return true;
    case Kw::EmSpace:
      Emit(0x2003, false);
      return true;
    case Kw::EnSpace:
      Emit(0x2002, false);
      return true;
    case Kw::QuarterEmSpace:
      Emit(0x2005, false);
      return true;
    case Kw::ZeroWidthJoiner:
      Emit(0x200D, false);
      return true;
    case Kw::ZeroWidthNonJoiner:
      Emit(0x200C, false);
      return true;
    case Kw::DirectionMark:
      return true;  // invisible, and the editor is left-to-right
    default:
      return false;
  }
}

}  // namespace rtf::detail
