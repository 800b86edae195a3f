// The private-profile operations the settings file relies on, with their classic behaviour:
// a missing file, section or key reads as the default; a write creates the file and the section
// when missing, replaces an existing key's value in place and appends a new key at the end of
// its section. Names match without regard to case. Every call opens the file by name and lets
// it go again; nothing is cached. Writes replace the file atomically (a temporary file renamed
// over it), so a failure never leaves half a file.
//
// TIniFile adds the typed reads and writes on top (integers in decimal or hexadecimal, booleans
// as 1 and 0) and raises "Unable to write to <file>" when a write is refused.
#pragma once

#include <cstddef>
#include <string>

#include "platform/core/Exception.h"

// The value, at most bufferSize - 1 bytes of it (cut at a character boundary), or the default.
std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& fileName,
                                    std::size_t bufferSize = 2048);
// False when the value cannot be written; error (when given) then says why.
bool WritePrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& fileName,
                               std::string* error = nullptr);

class EIniFileException : public Exception {
 public:
  using Exception::Exception;
};

class TIniFile {
 public:
  explicit TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}
  const std::string& FileName() const { return fileName_; }

  std::string ReadString(const std::string& section, const std::string& ident,
                         const std::string& defaultValue) const;
  // Decimal, or hexadecimal after "$" or "0x"; anything else (and an empty value) is the default.
  int ReadInteger(const std::string& section, const std::string& ident, int defaultValue) const;
  // An integer that is not 0.
  bool ReadBool(const std::string& section, const std::string& ident, bool defaultValue) const;

  // Each raises EIniFileException("Unable to write to <file name>") when the write fails.
  void WriteString(const std::string& section, const std::string& ident, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& ident, int value);
  void WriteBool(const std::string& section, const std::string& ident, bool value);

 private:
  std::string fileName_;
};

// The integer conversion TIniFile uses: "12" and "-5" decimal, "$1C" and "0x1C" hexadecimal
// (up to 32 bits, so "$FFFFFFFF" is -1); anything else gives defaultValue.
int IniStrToIntDef(const std::string& text, int defaultValue);

// Replaces a file's content atomically; false with the reason in error when it cannot.
bool WriteFileAtomically(const std::string& fileName, const std::string& bytes, std::string* error);
// Reads a whole file of at most maxBytes; false when it is missing, unreadable or larger.
bool ReadSmallFile(const std::string& fileName, std::size_t maxBytes, std::string& bytes,
                   std::string* error);
