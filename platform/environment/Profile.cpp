#include "platform/environment/Profile.h"

#include <sys/stat.h>

#include <cstdint>
#include <limits>
#include <vector>

#include "platform/core/Stream.h"
#include "platform/environment/ProfileText.h"

namespace {

// A profile file is a few hundred bytes; one far larger is damaged, and rewriting it whole on
// every key would be no good either.
constexpr std::size_t kMaxProfileSize = 4u << 20;

void SetError(std::string* error, const std::string& what) {
  if (error) *error = what;
}

// Anything by that name, readable or not: such a file must be read before it is replaced.
bool FileExists(const std::string& fileName) {
  struct stat info {};
  return ::lstat(fileName.c_str(), &info) == 0;
}

// Cuts text to at most maxBytes without splitting a UTF-8 sequence.
std::string CutAtCharacter(std::string text, std::size_t maxBytes) {
  if (text.size() <= maxBytes) return text;
  std::size_t cut = maxBytes;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  text.resize(cut);
  return text;
}

bool ParseHex(std::string_view digits, std::int64_t& value) {
  if (digits.empty() || digits.size() > 8) return false;
  std::uint32_t v = 0;
  for (const char c : digits) {
    int d = -1;
    if (c >= '0' && c <= '9') d = c - '0';
    if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
    if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
    if (d < 0) return false;
    v = v << 4 | static_cast<std::uint32_t>(d);
  }
  value = static_cast<std::int32_t>(v);  // 32 bits as the classic conversion: $FFFFFFFF is -1
  return true;
}

bool ParseDecimal(std::string_view digits, std::int64_t& value) {
  if (digits.empty() || digits.size() > 11) return false;
  std::int64_t v = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
  }
  value = v;
  return true;
}

}  // namespace

bool ReadSmallFile(const std::string& fileName, std::size_t maxBytes, std::string& bytes,
                   std::string* error) {
  try {
    TFileStream file(fileName, TFileStream::fmOpenRead);
    if (file.Size() > static_cast<std::int64_t>(maxBytes)) {
      SetError(error, "the file is too large");
      return false;
    }
    const std::vector<std::uint8_t> data = file.ReadAll();
    bytes.assign(data.begin(), data.end());
    return true;
  } catch (const EStreamError& e) {
    SetError(error, e.what());
    return false;
  }
}

bool WriteFileAtomically(const std::string& fileName, const std::string& bytes,
                         std::string* error) {
  try {
    WriteWholeFile(fileName, bytes.data(), bytes.size());
    return true;
  } catch (const EStreamError& e) {
    SetError(error, e.what());
    return false;
  }
}

std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& fileName,
                                    std::size_t bufferSize) {
  const std::size_t limit = bufferSize > 0 ? bufferSize - 1 : 0;
  std::string bytes;
  if (!ReadSmallFile(fileName, kMaxProfileSize, bytes, nullptr))
    return CutAtCharacter(defaultValue, limit);
  const std::optional<std::string> value = TIniText(bytes).Read(section, key);
  return CutAtCharacter(value ? *value : defaultValue, limit);
}

bool WritePrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& fileName,
                               std::string* error) {
  const std::string unstorable = TIniText::Storable(section, key, value);
  if (!unstorable.empty()) {
    SetError(error, unstorable);
    return false;
  }
  std::string bytes;
  if (FileExists(fileName) && !ReadSmallFile(fileName, kMaxProfileSize, bytes, error))
    return false;  // never replace a file that could not be read: its content would be lost
  TIniText text(bytes);
  text.Write(section, key, value);
  return WriteFileAtomically(fileName, text.Text(), error);
}

int IniStrToIntDef(const std::string& text, int defaultValue) {
  std::string_view s = text;
  if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    std::int64_t v = 0;
    return ParseHex(s.substr(2), v) ? static_cast<int>(v) : defaultValue;
  }
  bool negative = false;
  if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
    negative = s[0] == '-';
    s.remove_prefix(1);
  }
  std::int64_t v = 0;
  const bool ok = (!s.empty() && s[0] == '$') ? ParseHex(s.substr(1), v) : ParseDecimal(s, v);
  if (!ok) return defaultValue;
  if (negative) v = -v;
  if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
    return defaultValue;
  return static_cast<int>(v);
}

std::string TIniFile::ReadString(const std::string& section, const std::string& ident,
                                 const std::string& defaultValue) const {
  return GetPrivateProfileString(section, ident, defaultValue, fileName_);
}

int TIniFile::ReadInteger(const std::string& section, const std::string& ident,
                          int defaultValue) const {
  return IniStrToIntDef(ReadString(section, ident, std::string()), defaultValue);
}

bool TIniFile::ReadBool(const std::string& section, const std::string& ident,
                        bool defaultValue) const {
  return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

void TIniFile::WriteString(const std::string& section, const std::string& ident,
                           const std::string& value) {
  if (!WritePrivateProfileString(section, ident, value, fileName_))
    throw EIniFileException("Unable to write to " + fileName_);
}

void TIniFile::WriteInteger(const std::string& section, const std::string& ident, int value) {
  WriteString(section, ident, std::to_string(value));
}

void TIniFile::WriteBool(const std::string& section, const std::string& ident, bool value) {
  WriteString(section, ident, value ? "1" : "0");
}
