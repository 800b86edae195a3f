// A minimal JSON reader for the tests: the sample expectations and the dump's own output.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace rtftest {

struct JsonValue {
  enum class Type { Null, Bool, Number, String, Array, Object } type = Type::Null;
  bool boolean = false;
  double number = 0;
  std::string string;  // UTF-8
  std::vector<JsonValue> array;
  std::map<std::string, JsonValue> object;

  bool Has(const std::string& key) const { return object.count(key) != 0; }
  const JsonValue& operator[](const std::string& key) const;
};

// Throws std::runtime_error with the offset on malformed input (including invalid UTF-8 and
// raw control characters inside strings).
JsonValue ParseJson(std::string_view text);

}  // namespace rtftest
