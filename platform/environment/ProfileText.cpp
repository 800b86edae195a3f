#include "platform/environment/ProfileText.h"

#include <cstdint>
#include <utility>

#include "platform/core/TextCompare.h"
#include "platform/layout/LayoutText.h"
#include "platform/rtf/CodePages.h"

namespace {

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

// The name of a section header line, or nothing for other lines.
std::optional<std::string_view> SectionName(std::string_view line) {
  const std::string_view t = Trim(line);
  if (t.empty() || t.front() != '[') return std::nullopt;
  const std::size_t close = t.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(t.substr(1, close - 1));
}

bool IsComment(std::string_view line) {
  const std::string_view t = Trim(line);
  return !t.empty() && t.front() == ';';
}

// The key of a key=value line, or nothing.
std::optional<std::string_view> KeyOf(std::string_view line) {
  if (IsComment(line) || SectionName(line)) return std::nullopt;
  const std::size_t eq = line.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  return Trim(line.substr(0, eq));
}

bool HasLineBreakOrNul(std::string_view s) {
  return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool HasOuterBlanks(std::string_view s) {
  return Trim(s).size() != s.size();
}

}  // namespace

std::string Cp1251ToUtf8(std::string_view bytes) {
  const rtf::CodePage& cp1251 = rtf::FindCodePage(1251);
  std::string out;
  out.reserve(bytes.size() * 2);
  for (const char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    AppendUtf8(out, cp1251.Decode(c));
  }
  return out;
}

TIniText::TIniText(std::string_view bytes, std::string_view lineBreak) : lineBreak_(lineBreak) {
  const std::size_t firstBreak = bytes.find('\n');
  if (firstBreak != std::string_view::npos)
    lineBreak_ = (firstBreak > 0 && bytes[firstBreak - 1] == '\r') ? "\r\n" : "\n";
  // A carriage return ends a line only where the file's lines end in CRLF (and on a last line
  // without a line break); elsewhere it is content and is written back as it was.
  const bool crlf = lineBreak_ == "\r\n";
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    const bool unterminated = end == std::string_view::npos;
    if (unterminated) end = bytes.size();
    std::string_view line = bytes.substr(start, end - start);
    if ((crlf || unterminated) && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines_.emplace_back(line);
    start = end + 1;
  }
}

std::optional<TIniText::Range> TIniText::FindSection(std::string_view section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const auto name = SectionName(lines_[i]);
    if (!name || !SameText(*name, section)) continue;
    std::size_t end = i + 1;
    while (end < lines_.size() && !SectionName(lines_[end])) ++end;
    return Range{i, end};
  }
  return std::nullopt;
}

std::optional<std::size_t> TIniText::FindKey(const Range& range, std::string_view key) const {
  for (std::size_t i = range.header + 1; i < range.end; ++i) {
    const auto k = KeyOf(lines_[i]);
    if (k && SameText(*k, key)) return i;
  }
  return std::nullopt;
}

std::optional<std::string> TIniText::Read(std::string_view section, std::string_view key) const {
  const auto range = FindSection(section);
  if (!range) return std::nullopt;
  const auto at = FindKey(*range, key);
  if (!at) return std::nullopt;
  const std::string_view line = lines_[*at];
  std::string_view value = Trim(line.substr(line.find('=') + 1));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    value = value.substr(1, value.size() - 2);
  return IsValidUtf8(value) ? std::string(value) : Cp1251ToUtf8(value);
}

std::vector<std::string> TIniText::Keys(std::string_view section) const {
  std::vector<std::string> keys;
  if (const auto range = FindSection(section))
    for (std::size_t i = range->header + 1; i < range->end; ++i)
      if (const auto k = KeyOf(lines_[i])) keys.emplace_back(*k);
  return keys;
}

std::string TIniText::Storable(std::string_view section, std::string_view key,
                               std::string_view value) {
  if (section.empty() || HasLineBreakOrNul(section) || HasOuterBlanks(section) ||
      section.find(']') != std::string_view::npos)
    return "the section name \"" + std::string(section) + "\" cannot be stored";
  if (key.empty() || HasLineBreakOrNul(key) || HasOuterBlanks(key) ||
      key.find('=') != std::string_view::npos || key.front() == '[' || key.front() == ';')
    return "the key name \"" + std::string(key) + "\" cannot be stored";
  if (HasLineBreakOrNul(value)) return "a value with a line break cannot be stored";
  return {};
}

bool TIniText::Write(std::string_view section, std::string_view key, std::string_view value) {
  if (!Storable(section, key, value).empty()) return false;
  const auto range = FindSection(section);
  if (!range) {
    // Appended, not "[" + ...: gcc 12's optimiser warns falsely (-Wrestrict) on that form.
    std::string header(1, '[');
    header += section;
    header += ']';
    lines_.push_back(std::move(header));
    lines_.push_back(std::string(key) + "=" + std::string(value));
    return true;
  }
  if (const auto at = FindKey(*range, key)) {
    // Keep the key as the file spells it, so rewriting a value changes nothing else.
    std::string& line = lines_[*at];
    line = line.substr(0, line.find('=') + 1) + std::string(value);
    return true;
  }
  std::size_t insertAt = range->end;
  while (insertAt > range->header + 1 && Trim(lines_[insertAt - 1]).empty()) --insertAt;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt),
                std::string(key) + "=" + std::string(value));
  return true;
}

std::string TIniText::Text() const {
  std::string text;
  for (const std::string& line : lines_) {
    text += line;
    text += lineBreak_;
  }
  return text;
}
