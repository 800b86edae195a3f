#include "platform/rtf/Utf.h"

#include <cstdint>
#include <cstring>

namespace rtf {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// Length of the well-formed sequence starting at `p` (1..4), or 0 when it is malformed; the
// code point goes to `cp`.
int DecodeUtf8(const unsigned char* p, const unsigned char* end, char32_t& cp) {
  const unsigned char b0 = p[0];
  if (b0 < 0x80) {
    cp = b0;
    return 1;
  }
  int length = 0;
  char32_t min = 0;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    length = 2;
    cp = b0 & 0x1F;
    min = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    length = 3;
    cp = b0 & 0x0F;
    min = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    length = 4;
    cp = b0 & 0x07;
    min = 0x10000;
  } else {
    return 0;
  }
  if (end - p < length) return 0;
  for (int i = 1; i < length; ++i) {
    if ((p[i] & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (p[i] & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return length;
}

bool AllAscii(const unsigned char* p, std::size_t n) {
  std::uint64_t acc = 0;
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    std::uint64_t word;
    std::memcpy(&word, p + i, 8);
    acc |= word;
  }
  for (; i < n; ++i) acc |= p[i];
  return (acc & 0x8080808080808080ULL) == 0;
}

}  // namespace

void AppendUtf8AsUtf16(std::string_view utf8, std::u16string& out) {
  auto p = reinterpret_cast<const unsigned char*>(utf8.data());
  const auto end = p + utf8.size();
  out.reserve(out.size() + utf8.size());
  while (p < end) {
    if (*p < 0x80) {
      out.push_back(*p++);
      continue;
    }
    char32_t cp = 0;
    const int length = DecodeUtf8(p, end, cp);
    if (length == 0) {
      out.push_back(kReplacement);
      ++p;
    } else if (cp >= 0x10000) {
      out.push_back(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
      p += length;
    } else {
      out.push_back(static_cast<char16_t>(cp));
      p += length;
    }
  }
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
  std::u16string out;
  AppendUtf8AsUtf16(utf8, out);
  return out;
}

void AppendUtf16AsUtf8(std::u16string_view utf16, std::string& out) {
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    char32_t cp = utf16[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
        utf16[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
      ++i;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = kReplacement;
    }
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size() * 2);
  AppendUtf16AsUtf8(utf16, out);
  return out;
}

bool IsValidUtf8(std::string_view bytes) {
  auto p = reinterpret_cast<const unsigned char*>(bytes.data());
  const auto end = p + bytes.size();
  while (p < end) {
    // Skip ASCII stretches a word at a time: most text files are mostly ASCII.
    if (end - p >= 16 && AllAscii(p, 16)) {
      p += 16;
      continue;
    }
    char32_t cp = 0;
    const int length = DecodeUtf8(p, end, cp);
    if (length == 0) return false;
    p += length;
  }
  return true;
}

}  // namespace rtf
