// The text of a profile ("INI") file held in memory: sections in square brackets, key=value
// lines. Section and key names match without regard to ASCII case. Writing changes only the
// line concerned (an existing key in place, a new key after the last entry of its section, a new
// section at the end), so everything else in the file stays as it was, byte for byte. Qt-free,
// so the fuzzer can drive it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TIniText {
 public:
  // Lines may end in CRLF or LF; new lines take the text's own line break, or lineBreak when
  // it has none yet.
  explicit TIniText(std::string_view bytes = {}, std::string_view lineBreak = "\r\n");

  // The value of the first such key in the first such section: blanks around it removed, one
  // pair of enclosing quotes removed, and text that is not UTF-8 read as Windows-1251.
  std::optional<std::string> Read(std::string_view section, std::string_view key) const;
  // The keys of a section in file order (empty when there is no such section).
  std::vector<std::string> Keys(std::string_view section) const;
  // False (and nothing changed) for a name or value the format cannot hold: see Storable.
  bool Write(std::string_view section, std::string_view key, std::string_view value);

  // Why a section, key or value cannot be stored, or "" when it can. Names must not be empty,
  // hold line breaks or NUL, or have blanks around them; a section name must not hold "]"; a
  // key must not hold "=" or start with "[" or ";"; a value must not hold line breaks or NUL.
  static std::string Storable(std::string_view section, std::string_view key,
                              std::string_view value);

  // The whole text, every line ended by the line break.
  std::string Text() const;
  const std::string& LineBreak() const { return lineBreak_; }

 private:
  struct Range {
    std::size_t header;  // index of the section's header line
    std::size_t end;     // one past its last line
  };
  std::optional<Range> FindSection(std::string_view section) const;
  std::optional<std::size_t> FindKey(const Range& range, std::string_view key) const;

  std::vector<std::string> lines_;
  std::string lineBreak_;
};

// Windows-1251 bytes as UTF-8, for profile files written on a Russian Windows system.
std::string Cp1251ToUtf8(std::string_view bytes);
