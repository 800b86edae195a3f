#include "platform/rtf/CodePages.h"

#include <array>
#include <memory>
#include <mutex>

#include "platform/rtf/CodePageTables.h"

namespace rtf {

namespace {

struct KnownPage {
  CodePage page;
  // Filled on first use: UTF-16 unit -> byte + 1 (0: not representable).
  mutable std::unique_ptr<std::array<std::uint16_t, 65536>> reverse;
  mutable std::once_flag built;
};

KnownPage g_pages[] = {
    {{1252, detail::kCp1252}, {}, {}},  // first: the fallback
    {{1251, detail::kCp1251}, {}, {}},
    {{1250, detail::kCp1250}, {}, {}},
    {{1253, detail::kCp1253}, {}, {}},
    {{1254, detail::kCp1254}, {}, {}},
    {{1255, detail::kCp1255}, {}, {}},
    {{1256, detail::kCp1256}, {}, {}},
    {{1257, detail::kCp1257}, {}, {}},
    {{1258, detail::kCp1258}, {}, {}},
    {{874, detail::kCp874}, {}, {}},
    {{437, detail::kCp437}, {}, {}},
    {{850, detail::kCp850}, {}, {}},
    {{866, detail::kCp866}, {}, {}},
    {{10000, detail::kCp10000}, {}, {}},
    {{10007, detail::kCp10007}, {}, {}},
    {{20866, detail::kCp20866}, {}, {}},
    {{28591, detail::kCp28591}, {}, {}},
    {{kCodePageSymbol, detail::kCpSymbol}, {}, {}},
    {{kCodePageSymbolPrivate, detail::kCpSymbolPrivate}, {}, {}},
};

const KnownPage& FindKnownPage(int number) {
  for (const KnownPage& known : g_pages) {
    if (known.page.number == number) return known;
  }
  return g_pages[0];
}

const std::array<std::uint16_t, 65536>& ReverseTable(const KnownPage& known) {
  std::call_once(known.built, [&known] {
    auto table = std::make_unique<std::array<std::uint16_t, 65536>>();
    table->fill(0);
    // Walk downwards so that, should two bytes share a character, the lower byte wins.
    for (int byte = 255; byte >= 0; --byte) {
      (*table)[known.page.toUnicode[byte]] = static_cast<std::uint16_t>(byte + 1);
    }
    known.reverse = std::move(table);
  });
  return *known.reverse;
}

bool IsSymbolFace(std::string_view face) {
  constexpr std::string_view kSymbol = "symbol";
  if (face.size() != kSymbol.size()) return false;
  for (std::size_t i = 0; i < face.size(); ++i) {
    char c = face[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != kSymbol[i]) return false;
  }
  return true;
}

}  // namespace

const std::uint16_t* CodePage::ByteTable() const {
  return ReverseTable(FindKnownPage(number)).data();
}

const CodePage& FindCodePage(int number) {
  return FindKnownPage(number).page;
}

int CodePageOfCharset(int charset, int ansiCodePage, std::string_view face) {
  switch (charset) {
    case 0:
      return 1252;
    case 2:
      return IsSymbolFace(face) ? kCodePageSymbol : kCodePageSymbolPrivate;
    case 77:
      return 10000;
    case 161:
      return 1253;
    case 162:
      return 1254;
    case 163:
      return 1258;
    case 177:
      return 1255;
    case 178:
      return 1256;
    case 186:
      return 1257;
    case 204:
      return 1251;
    case 222:
      return 874;
    case 238:
      return 1250;
    case 254:
      return 437;
    case 255:
      return 850;
    default:
      return ansiCodePage;
  }
}

int CharsetOfCodePage(int codePage) {
  switch (codePage) {
    case 1250:
      return 238;
    case 1251:
      return 204;
    case 1253:
      return 161;
    case 1254:
      return 162;
    case 1255:
      return 177;
    case 1256:
      return 178;
    case 1257:
      return 186;
    case 1258:
      return 163;
    case 874:
      return 222;
    case kCodePageSymbol:
    case kCodePageSymbolPrivate:
      return 2;
    default:
      return 0;
  }
}

}  // namespace rtf
