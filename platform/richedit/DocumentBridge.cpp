#include "platform/richedit/DocumentBridge.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <algorithm>
#include <unordered_map>

#include "platform/rtf/Normalize.h"

namespace richedit {
namespace {

constexpr char16_t kLineSeparator = 0x2028;
constexpr char16_t kParagraphSeparator = 0x2029;
constexpr char16_t kReplacement = 0xFFFD;

// Char formats converted once per distinct model format: a large document has few.
class CharFormatCache {
 public:
  explicit CharFormatCache(const rtf::RichDocument& model) : model_(model) {}

  const QTextCharFormat& Get(const rtf::CharFormat& format) {
    for (auto& [key, value] : entries_) {
      if (key == format) return value;
    }
    ResolvedCharFormat resolved;
    resolved.format = format;
    if (format.font >= 0 && static_cast<std::size_t>(format.font) < model_.fonts.size()) {
      resolved.font = model_.fonts[static_cast<std::size_t>(format.font)];
    } else if (!model_.fonts.empty()) {
      resolved.font = model_.fonts.front();
    }
    entries_.emplace_back(format, ToQtCharFormat(resolved));
    return entries_.back().second;
  }

 private:
  const rtf::RichDocument& model_;
  std::vector<std::pair<rtf::CharFormat, QTextCharFormat>> entries_;
};

// Collects a model from Qt fragments: one font table entry per distinct face, runs merged
// while their formats agree.
class ModelCollector {
 public:
  explicit ModelCollector(const ResolvedCharFormat& base) : base_(base) {}

  void BeginParagraph(const QTextBlock& block) {
    rtf::Paragraph paragraph;
    paragraph.format = FromQtBlockFormat(block.blockFormat(), block.textList() != nullptr);
    model_.paragraphs.push_back(std::move(paragraph));
  }

  void AddText(const QString& text, const QTextCharFormat& format, int formatIndex) {
    if (text.isEmpty()) return;
    const rtf::CharFormat& modelFormat = Convert(format, formatIndex);
    auto& runs = model_.paragraphs.back().runs;
    if (!runs.empty() && runs.back().format == modelFormat) {
      runs.back().text += FromQtText(text);
    } else {
      runs.push_back(rtf::Run{FromQtText(text), modelFormat});
    }
  }

  rtf::RichDocument Take() {
    if (model_.fonts.empty()) model_.fonts.push_back(base_.font);
    if (model_.paragraphs.empty()) model_.paragraphs.emplace_back();
    rtf::Normalize(model_);
    return std::move(model_);
  }

 private:
  const rtf::CharFormat& Convert(const QTextCharFormat& format, int formatIndex) {
    auto found = byIndex_.find(formatIndex);
    if (found != byIndex_.end()) return found->second;
    const ResolvedCharFormat resolved = FromQtCharFormat(format, base_);
    rtf::CharFormat modelFormat = resolved.format;
    modelFormat.font = FontIndex(resolved.font);
    return byIndex_.emplace(formatIndex, modelFormat).first->second;
  }

  int FontIndex(const rtf::FontEntry& font) {
    auto& fonts = model_.fonts;
    auto found = std::find(fonts.begin(), fonts.end(), font);
    if (found != fonts.end()) return static_cast<int>(found - fonts.begin());
    fonts.push_back(font);
    return static_cast<int>(fonts.size() - 1);
  }

  ResolvedCharFormat base_;
  rtf::RichDocument model_;
  std::unordered_map<int, rtf::CharFormat> byIndex_;
};

// Empties a document but keeps the page margins it was given: clearing alone would reset
// them to the document margin on every side.
void ClearKeepingFrame(QTextDocument& target) {
  const QTextFrameFormat frame = target.rootFrame()->frameFormat();
  target.clear();
  target.rootFrame()->setFrameFormat(frame);
}

// Writes paragraphs of a model at a cursor, joining neighbouring bullet paragraphs in one list.
class ParagraphWriter {
 public:
  ParagraphWriter(const rtf::RichDocument& model, QTextCursor& cursor)
      : formats_(model), cursor_(cursor) {}

  // Gives the paragraph the cursor is in the first paragraph's format.
  void FormatFirst(const rtf::Paragraph& paragraph) {
    cursor_.setBlockFormat(ToQtBlockFormat(paragraph.format));
    cursor_.setBlockCharFormat(MarkFormat(paragraph));
    JoinList(paragraph);
  }

  void StartNew(const rtf::Paragraph& paragraph) {
    cursor_.insertBlock(ToQtBlockFormat(paragraph.format), MarkFormat(paragraph));
    JoinList(paragraph);
  }

  void WriteRuns(const rtf::Paragraph& paragraph) {
    for (const rtf::Run& run : paragraph.runs) {
      if (!run.text.empty()) cursor_.insertText(ToQtText(run.text), formats_.Get(run.format));
    }
  }

 private:
  // The format of the paragraph mark: what typing into an empty paragraph gets.
  QTextCharFormat MarkFormat(const rtf::Paragraph& paragraph) {
    return paragraph.runs.empty() ? QTextCharFormat() : formats_.Get(paragraph.runs.front().format);
  }

  void JoinList(const rtf::Paragraph& paragraph) {
    if (!paragraph.format.bullet) return;
    const QTextBlock block = cursor_.block();
    QTextList* previous = block.previous().isValid() ? block.previous().textList() : nullptr;
    if (previous != nullptr) {
      previous->add(block);
    } else {
      cursor_.createList(BulletListFormat());
    }
  }

  CharFormatCache formats_;
  QTextCursor& cursor_;
};

void CollectRange(const QTextDocument& source, int from, int to, ModelCollector& collector) {
  for (QTextBlock block = source.findBlock(from); block.isValid() && block.position() <= to;
       block = block.next()) {
    collector.BeginParagraph(block);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const int start = std::max(from, fragment.position());
      const int end = std::min(to, fragment.position() + fragment.length());
      if (start >= end) continue;
      QString text = fragment.text();
      if (start != fragment.position() || end != fragment.position() + fragment.length()) {
        text = text.mid(start - fragment.position(), end - start);
      }
      collector.AddText(text, fragment.charFormat(), fragment.charFormatIndex());
    }
    if (block.position() + block.length() > to) break;
  }
}

}  // namespace

QString ToQtText(const std::u16string& text) {
  QString result = QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
  QChar* data = nullptr;
  for (qsizetype i = 0; i < result.size(); ++i) {
    const char16_t c = result.at(i).unicode();
    char16_t replacement = 0;
    if (c == u'\n' || c == u'\r' || c == kParagraphSeparator) {
      replacement = kLineSeparator;
    } else if (c == QChar::ObjectReplacementCharacter || c == 0xFDD0 || c == 0xFDD1) {
      replacement = kReplacement;  // Qt's markers for embedded objects and frames
    }
    if (replacement == 0) continue;
    if (data == nullptr) data = result.data();
    data[i] = QChar(replacement);
  }
  return result;
}

std::u16string FromQtText(const QString& text) {
  std::u16string result(reinterpret_cast<const char16_t*>(text.utf16()),
                        static_cast<std::size_t>(text.size()));
  std::replace(result.begin(), result.end(), kLineSeparator, u'\n');
  return result;
}

void BuildTextDocument(const rtf::RichDocument& model, QTextDocument& target) {
  ClearKeepingFrame(target);
  QTextCursor cursor(&target);
  cursor.beginEditBlock();
  ParagraphWriter writer(model, cursor);
  for (std::size_t i = 0; i < model.paragraphs.size(); ++i) {
    if (i == 0) {
      writer.FormatFirst(model.paragraphs[i]);
    } else {
      writer.StartNew(model.paragraphs[i]);
    }
    writer.WriteRuns(model.paragraphs[i]);
  }
  cursor.endEditBlock();
}

void BuildPlainTextDocument(const rtf::RichDocument& model, QTextDocument& target,
                            const QTextCharFormat& textFormat) {
  ClearKeepingFrame(target);
  QTextCursor cursor(&target);
  cursor.beginEditBlock();
  const QTextBlockFormat plainBlock = ToQtBlockFormat(rtf::ParaFormat{});
  cursor.setBlockFormat(plainBlock);
  cursor.setBlockCharFormat(textFormat);
  for (std::size_t i = 0; i < model.paragraphs.size(); ++i) {
    if (i > 0) cursor.insertBlock(plainBlock, textFormat);
    for (const rtf::Run& run : model.paragraphs[i].runs) {
      if (!run.text.empty()) cursor.insertText(ToQtText(run.text), textFormat);
    }
  }
  cursor.endEditBlock();
}

void InsertDocument(const rtf::RichDocument& model, QTextCursor& cursor) {
  cursor.beginEditBlock();
  cursor.removeSelectedText();
  ParagraphWriter writer(model, cursor);
  for (std::size_t i = 0; i < model.paragraphs.size(); ++i) {
    if (i > 0) writer.StartNew(model.paragraphs[i]);
    writer.WriteRuns(model.paragraphs[i]);
  }
  cursor.endEditBlock();
}

rtf::RichDocument ReadTextDocument(const QTextDocument& source, const ResolvedCharFormat& base) {
  return ReadTextRange(source, 0, source.characterCount() - 1, base);
}

rtf::RichDocument ReadTextRange(const QTextDocument& source, int from, int to,
                                const ResolvedCharFormat& base) {
  ModelCollector collector(base);
  from = std::clamp(from, 0, std::max(0, source.characterCount() - 1));
  to = std::clamp(to, from, std::max(0, source.characterCount() - 1));
  CollectRange(source, from, to, collector);
  return collector.Take();
}

}  // namespace richedit
