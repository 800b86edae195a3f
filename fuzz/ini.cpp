// Profile (INI) files from outside: reading any bytes must work, writing must keep the rest of
// the text, and the integer and code page conversions must cope with anything.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/layout/LayoutText.h"
#include "platform/environment/Profile.h"
#include "platform/environment/ProfileText.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (const char* lineBreak : {"\r\n", "\n"}) {
    TIniText text(bytes, lineBreak);
    const std::string once = text.Text();
    // Written out once, the text reads back to itself.
    Check(TIniText(once, lineBreak).Text() == once);
    for (const char* section : {"Form", "Default Applications"})
      for (const char* key : {"clock", "shrift", "text/plain"})
        if (const auto value = text.Read(section, key)) {
          Check(IsValidUtf8(*value));
          IniStrToIntDef(*value, 7);
        }
    // A write is read back and changes nothing it does not own.
    const std::size_t before = text.Keys("Form").size();
    Check(text.Write("Form", "zvetpoly", "13822463"));
    Check(text.Read("Form", "zvetpoly") == std::optional<std::string>("13822463"));
    const std::size_t after = text.Keys("Form").size();
    Check(after == before || after == before + 1);
    Check(!text.Write("Form", "bad\nkey", "1"));
  }
  Check(IsValidUtf8(Cp1251ToUtf8(bytes)));
  IniStrToIntDef(std::string(bytes.substr(0, 64)), 0);
  return 0;
}
