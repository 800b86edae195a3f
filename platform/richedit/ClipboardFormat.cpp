#include "platform/richedit/ClipboardFormat.h"

#include <QByteArray>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <string_view>

#include "platform/richedit/DocumentBridge.h"
#include "platform/rtf/RtfReader.h"
#include "platform/rtf/RtfWriter.h"

namespace richedit {
namespace {

const char* const kRtfMimeTypes[] = {"text/rtf", "application/rtf", "text/richtext"};

QByteArray RtfData(const QMimeData& source) {
  for (const char* type : kRtfMimeTypes) {
    if (source.hasFormat(type)) return source.data(type);
  }
  return QByteArray();
}

// Characters the model takes in the document: its text plus one per paragraph break.
qsizetype CharacterCount(const rtf::RichDocument& model) {
  qsizetype count = model.paragraphs.empty() ? 0 : qsizetype(model.paragraphs.size()) - 1;
  for (const rtf::Paragraph& paragraph : model.paragraphs) {
    for (const rtf::Run& run : paragraph.runs) count += qsizetype(run.text.size());
  }
  return count;
}

bool InsertRtf(const QByteArray& data, QTextCursor& cursor, int room) {
  rtf::RichDocument model;
  try {
    model = rtf::ReadRtf(std::string_view(data.constData(), std::size_t(data.size())));
  } catch (const rtf::RtfError&) {
    return false;
  }
  if (room >= 0 && CharacterCount(model) > room) return false;
  InsertDocument(model, cursor);
  return true;
}

}  // namespace

QString NormalizedLineBreaks(const QString& text) {
  QString result = text;
  result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  result.replace(QChar('\r'), QChar('\n'));
  return result;
}

QString FitToRoom(const QString& text, int room) {
  if (room < 0 || text.size() <= room) return text;
  qsizetype length = room;
  if (length > 0 && text.at(length - 1).isHighSurrogate()) --length;
  return text.left(length);
}

QMimeData* MimeFromRange(const QTextDocument& document, int from, int to,
                         const ResolvedCharFormat& base) {
  auto* mime = new QMimeData;
  QTextCursor range(const_cast<QTextDocument*>(&document));
  range.setPosition(from);
  range.setPosition(to, QTextCursor::KeepAnchor);
  QString text = range.selection().toPlainText();
  text.replace(QChar::LineSeparator, QChar('\n'));
  mime->setText(text);
  const std::string rtfText = rtf::WriteRtf(ReadTextRange(document, from, to, base));
  mime->setData(kRtfMimeTypes[0], QByteArray(rtfText.data(), qsizetype(rtfText.size())));
  return mime;
}

bool CanInsertMime(const QMimeData& source) {
  return source.hasText() || !RtfData(source).isEmpty();
}

void InsertMime(const QMimeData& source, QTextCursor& cursor, int room) {
  const QByteArray rtfData = RtfData(source);
  if (!rtfData.isEmpty() && InsertRtf(rtfData, cursor, room)) return;
  if (!source.hasText()) return;
  const QString text = FitToRoom(NormalizedLineBreaks(source.text()), room);
  if (text.isEmpty() && !cursor.hasSelection()) return;
  cursor.insertText(text);
}

}  // namespace richedit
