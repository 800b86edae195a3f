// What a test needs from the machine (a tool, the sample documents). Without it the test skips
// on a developer's machine, but fails where TARVIK_REQUIRE_ALL=1 is set (CI), so that a missing
// install step cannot pass for a green run.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace testfiles {

inline bool RequireAll() {
  const char* value = std::getenv("TARVIK_REQUIRE_ALL");
  return value && std::strcmp(value, "1") == 0;
}

}  // namespace testfiles

// Skips the test, or fails it under TARVIK_REQUIRE_ALL=1, saying what is missing.
#define TARVIK_SKIP_UNLESS_REQUIRED(what)                                      \
  do {                                                                         \
    if (testfiles::RequireAll()) GTEST_FAIL() << (what) << " (required here)"; \
    GTEST_SKIP() << (what);                                                    \
  } while (false)
