// The raw byte-to-UTF-16 tables behind CodePages.h (256 entries each).
#pragma once

namespace rtf::detail {

extern const char16_t kCp874[256], kCp1250[256], kCp1251[256], kCp1252[256], kCp1253[256],
    kCp1254[256], kCp1255[256], kCp1256[256], kCp1257[256], kCp1258[256], kCp437[256], kCp850[256],
    kCp866[256], kCp10000[256], kCp10007[256], kCp20866[256], kCp28591[256], kCpSymbol[256],
    kCpSymbolPrivate[256];

}  // namespace rtf::detail
