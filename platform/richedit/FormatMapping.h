// How the document model's character and paragraph formats live inside a QTextDocument.
// Indents are kept exactly in twips in block properties of our own: Qt lays out a negative
// margin as 0, so the pixel margins it gets are only the visible approximation.
#pragma once

#include <QColor>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextListFormat>

#include "platform/rtf/RichDocument.h"

namespace richedit {

// Properties of our own in Qt's formats.
enum FormatProperty : int {
  kCharsetProperty = QTextFormat::UserProperty + 1,  // Windows character set of the face
  kPitchProperty,                                    // 0 default, 1 fixed, 2 variable
  kLeftTwipsProperty,                                // \li: left indent of every line
  kFirstTwipsProperty,                               // \fi: first line relative to \li
  kRightTwipsProperty,                               // \ri
  kDefaultTextProperty,  // true: the text shows in the control's default format (see DefaultText.h)
};

constexpr int kTwipsPerPoint = 20;
constexpr int kTwipsPerPixel = 15;  // at 96 pixels per inch
// Every line starts this far right of the edit area's edge, so that small negative indents
// still show: −3 points (4 pixels) reaches the edge exactly.
constexpr int kLeftOffsetPixels = 4;
constexpr int kRightOffsetPixels = 4;
// The least room between a bullet's first-line position, where the bullet stands, and its
// text. A hanging indent wider than this puts the text at the left indent, so that the first
// line lines up with the following ones.
constexpr int kBulletRoomPixels = 15;

// The font of a character format resolved against the document's font table.
struct ResolvedCharFormat {
  rtf::FontEntry font;
  rtf::CharFormat format;  // format.font is not used here
  bool operator==(const ResolvedCharFormat&) const = default;
};

// A model colour (0x00BBGGRR) for Qt.
QColor ToQColor(std::uint32_t color);

// Every property set explicitly, so the text no longer follows the default format.
QTextCharFormat ToQtCharFormat(const ResolvedCharFormat& format);
// Properties the Qt format leaves unset are taken from base (the default attributes).
ResolvedCharFormat FromQtCharFormat(const QTextCharFormat& format, const ResolvedCharFormat& base);

QTextBlockFormat ToQtBlockFormat(const rtf::ParaFormat& format);
// Writes alignment and indents into an existing block format, keeping its other properties
// (list membership among them). The bullet itself is list membership and not touched here,
// but the pixel geometry is that of a bullet paragraph when format.bullet is set.
void StoreParaFormat(QTextBlockFormat& target, const rtf::ParaFormat& format);
// bullet is not a block property in Qt (it is list membership): the caller passes it.
rtf::ParaFormat FromQtBlockFormat(const QTextBlockFormat& format, bool bullet);
// Recomputes Qt's pixel margins from the exact twips the block carries, for a bullet
// paragraph or a plain one.
void ApplyIndentGeometry(QTextBlockFormat& format, bool bullet);
// Where a paragraph's first line starts, in pixels from the edit area's edge: where the bullet
// of a bullet paragraph stands.
int FirstLinePixels(const QTextBlockFormat& format);
// The list format of bullet paragraphs. It has no marker of Qt's: Qt would draw it against
// the text, so the control paints the bullet at the first-line position (BulletPainter.h).
QTextListFormat BulletListFormat();

}  // namespace richedit
