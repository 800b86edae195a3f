// The RTF control words the reader acts on. Everything else is read and ignored (or, for
// destinations, skipped with the group that holds it).
#pragma once

#include <string_view>

namespace rtf {

enum class Kw {
  Unknown,
  // Destinations the reader looks into.
  FontTable,
  ColorTable,
  ListTable,
  ListOverrideTable,
  Pn,
  Upr,
  Ud,
  // Destinations skipped as a whole; ListLabel ones also mark the paragraph as a list item.
  SkipDestination,
  ListLabel,
  // Document.
  Ansi,
  Mac,
  Pc,
  Pca,
  AnsiCodePage,
  DefaultFont,
  Unicode,
  UnicodeSkip,
  Binary,
  // Font and colour tables.
  Font,
  FontCharset,
  FontPitch,
  Red,
  Green,
  Blue,
  // Lists.
  List,
  ListLevel,
  ListId,
  LevelNumberFormat,
  ListOverride,
  ListStyle,
  ListLevelIndex,
  PnBullet,
  PnNumbered,
  PnContinue,
  // Character formatting.
  Plain,
  Hidden,
  FontSize,
  Bold,
  Italic,
  Underline,
  UnderlineNone,
  ForeColor,
  // Paragraph formatting.
  ParagraphDefault,
  AlignLeft,
  AlignCenter,
  AlignRight,
  AlignJustify,
  LeftIndent,
  FirstIndent,
  RightIndent,
  // Breaks and special characters.
  Par,
  Line,
  Tab,
  Section,
  Page,
  Cell,
  Row,
  EmDash,
  EnDash,
  Bullet,
  LeftQuote,
  RightQuote,
  LeftDoubleQuote,
  RightDoubleQuote,
  EmSpace,
  EnSpace,
  QuarterEmSpace,
  ZeroWidthJoiner,
  ZeroWidthNonJoiner,
  DirectionMark,
};

Kw LookupKeyword(std::string_view word);

}  // namespace rtf
