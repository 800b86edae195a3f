// Files for tests: a fresh folder of the test's own under the test temp directory, and whole
// files read and written as bytes.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace testfiles {

// An empty folder named after name and this process, so parallel test runs do not meet.
inline std::filesystem::path FreshDir(const std::string& name) {
  const std::filesystem::path dir =
      std::filesystem::path(testing::TempDir()) / (name + "_" + std::to_string(::getpid()));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

// A fresh folder named after the running test.
inline std::filesystem::path FreshDirForThisTest(const std::string& prefix) {
  return FreshDir(prefix + "_" + testing::UnitTest::GetInstance()->current_test_info()->name());
}

inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace testfiles
