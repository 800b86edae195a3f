// File and memory streams: what a document or picture is read from and written to. Failures
// must name the file and the reason, and never pass for success.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "common/TempFiles.h"
#include "platform/core/Exception.h"
#include "platform/core/Stream.h"

namespace fs = std::filesystem;

namespace {

fs::path FreshFolder() {
  return testfiles::FreshDirForThisTest("stream");
}

std::string MessageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const EStreamError& e) {
    return e.what();
  }
  return "(no error)";
}

TEST(FileStream, WritesAndReadsBackEveryByte) {
  const std::string name = (FreshFolder() / "doc.rtf").string();
  const std::string bytes("{\\rtf1 \0\xFF\r\n}", 12);
  {
    TFileStream out(name, TFileStream::fmCreate);
    out.WriteBuffer(bytes.data(), bytes.size());
    out.Close();
  }
  TFileStream in(name, TFileStream::fmOpenRead);
  EXPECT_EQ(in.Size(), 12);
  char first[4];
  in.ReadBuffer(first, 4);
  EXPECT_EQ(in.Position(), 4);
  const std::vector<std::uint8_t> rest = in.ReadAll();
  EXPECT_EQ(std::string(first, 4) + std::string(rest.begin(), rest.end()), bytes);
  EXPECT_EQ(MessageOf([&] { in.ReadBuffer(first, 1); }), "Stream read error");
}

TEST(FileStream, OpeningFailuresNameTheFileAndTheReason) {
  const fs::path dir = FreshFolder();
  const std::string missing = (dir / "нет.rtf").string();
  EXPECT_EQ(MessageOf([&] { TFileStream s(missing, TFileStream::fmOpenRead); }),
            "Cannot open file \"" + missing + "\". No such file or directory");
  // A folder would open for reading and then report a nonsense size.
  EXPECT_EQ(MessageOf([&] { TFileStream s(dir.string(), TFileStream::fmOpenRead); }),
            "Cannot open file \"" + dir.string() + "\". Is a directory");
  EXPECT_EQ(MessageOf([&] { TFileStream s(dir.string(), TFileStream::fmCreate); }),
            "Cannot create file \"" + dir.string() + "\". Is a directory");
  const std::string nowhere = (dir / "нет" / "doc.rtf").string();
  EXPECT_EQ(MessageOf([&] { TFileStream s(nowhere, TFileStream::fmCreate); }),
            "Cannot create file \"" + nowhere + "\". No such file or directory");
}

TEST(FileStream, AFullDiskIsAnErrorNotASilentlyShortFile) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full here";
  TFileStream out("/dev/full", TFileStream::fmCreate);
  const std::string text(100, 'x');  // buffered: the failure shows when the data goes out
  out.WriteBuffer(text.data(), text.size());
  EXPECT_EQ(MessageOf([&] { out.Close(); }),
            "Stream write error: \"/dev/full\". No space left on device");
}

TEST(MemoryStream, ReadsWritesAndGrowsAtItsPosition) {
  TMemoryStream stream;
  stream.WriteBuffer("abcdef", 6);
  stream.SetPosition(2);
  stream.WriteBuffer("XYZW", 4);
  stream.WriteBuffer("!", 1);
  EXPECT_EQ(stream.Size(), 7);
  stream.SetPosition(0);
  const std::vector<std::uint8_t> all = stream.ReadAll();
  EXPECT_EQ(std::string(all.begin(), all.end()), "abXYZW!");
  char byte;
  EXPECT_EQ(stream.Read(&byte, 1), 0u);
  EXPECT_EQ(MessageOf([&] { stream.ReadBuffer(&byte, 1); }), "Stream read error");
}

}  // namespace
