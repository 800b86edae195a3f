// Single-byte code pages: the tables that turn the bytes of \'xx escapes, of literal RTF text
// and of legacy plain-text files into UTF-16, and the reverse lookup the writer uses.
#pragma once

#include <cstdint>
#include <string_view>

namespace rtf {

// Pseudo code pages for symbol-charset faces (Windows charset 2). The Symbol face gets its
// glyphs as real Unicode characters; other symbol faces keep their bytes in the private-use
// range U+F0xx, the way Windows passes them on.
inline constexpr int kCodePageSymbol = 42;
inline constexpr int kCodePageSymbolPrivate = 0xF000;

struct CodePage {
  int number = 1252;
  const char16_t* toUnicode = nullptr;  // 256 entries

  char16_t Decode(unsigned char byte) const { return toUnicode[byte]; }
  // The byte for `ch` in this code page, or -1 when the code page cannot hold it.
  int Encode(char16_t ch) const { return ByteTable()[ch] - 1; }
  // 65536 entries, UTF-16 unit -> byte + 1, 0 where the code page cannot hold the unit. Built
  // on first use; hot loops keep the pointer.
  const std::uint16_t* ByteTable() const;
};

// The table for a code page number; numbers without a table (double-byte Asian pages, unknown
// numbers) fall back to Windows-1252, which keeps ASCII intact.
const CodePage& FindCodePage(int number);

// The code page of a font's \fcharset. Charset 1 (default) and unknown charsets use the
// document's \ansicpg; charset 2 (symbol) depends on the face.
int CodePageOfCharset(int charset, int ansiCodePage, std::string_view face);

// The charset a writer states for text in `codePage` (the inverse of the above, for the
// common pages).
int CharsetOfCodePage(int codePage);

}  // namespace rtf
