// Paragraph attributes of a rich-text control's selection. Reading gives the first paragraph
// the selection touches (the caret's paragraph); writing changes every one of them.
//
// Indents are in points: FirstIndent is the first line's indent from the left edge,
// LeftIndent the indent of the following lines relative to the first line, RightIndent the
// indent from the right edge. Negative values are kept exactly (the display clips them).
#pragma once

#include "platform/framework/ControlTypes.h"  // TAlignment

class TRichEdit;

enum TNumberingStyle { nsNone, nsBullet };

class TParaAttributes {
 public:
  explicit TParaAttributes(TRichEdit& owner) : owner_(owner) {}

  // A justified paragraph (from a file) reads as taLeftJustify.
  TAlignment Alignment() const;
  void SetAlignment(TAlignment alignment);
  int FirstIndent() const;
  void SetFirstIndent(int points);
  int LeftIndent() const;
  void SetLeftIndent(int points);
  int RightIndent() const;
  void SetRightIndent(int points);
  TNumberingStyle Numbering() const;
  void SetNumbering(TNumberingStyle numbering);

  // Indents are kept within this many points either way (22 inches).
  static constexpr int kMaxIndentPoints = 1584;

 private:
  TRichEdit& owner_;
};
