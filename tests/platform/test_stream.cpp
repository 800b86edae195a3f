// File and memory streams: what a document or picture is read from and written to. Failures
// must name the file and the reason, and never pass for success.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "common/TempFiles.h"
#include "common/Unprivileged.h"
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
  TFileStream out("/dev/full", TFileStream::fmCreate);
  const std::string text(100, 'x');  // buffered: the failure shows when the data goes out
  out.WriteBuffer(text.data(), text.size());
  EXPECT_EQ(MessageOf([&] { out.Close(); }),
            "Stream write error: \"/dev/full\". No space left on device");
}

using testfiles::ReadFile;
using testfiles::WriteFile;

const std::string kOldContent = "{\\rtf1 the good old document}";

// Writes a new content of `size` bytes over name through the stream, in pieces.
void WriteOver(const std::string& name, std::size_t size) {
  TFileStream out(name, TFileStream::fmCreate);
  const std::string piece(4096, 'n');
  for (std::size_t done = 0; done < size; done += piece.size())
    out.WriteBuffer(piece.data(), std::min(piece.size(), size - done));
  out.Close();
}

std::vector<std::string> FolderEntries(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(FileStream, AWriteThatFailsHalfWayLeavesTheOldFileAsItWas) {
  const fs::path dir = FreshFolder();
  const std::string name = (dir / "doc.rtf").string();
  WriteFile(name, kOldContent);
  testfiles::GiveToUnprivileged(dir);
  testfiles::GiveToUnprivileged(name);
  // A child whose files may not grow past 64 KB: its write fails as on a full disk.
  const std::string outcome = testfiles::RunUnprivileged([&] {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{64 * 1024, 64 * 1024};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    return MessageOf([&] { WriteOver(name, 1 << 20); });
  });
  EXPECT_EQ(outcome, "Stream write error: \"" + name + "\". File too large");
  EXPECT_EQ(ReadFile(name), kOldContent);
  EXPECT_EQ(FolderEntries(dir), std::vector<std::string>{"doc.rtf"});  // nothing left behind
}

TEST(FileStream, AWriterKilledMidWayLeavesTheOldFileAsItWas) {
  const fs::path dir = FreshFolder();
  const std::string name = (dir / "doc.rtf").string();
  WriteFile(name, kOldContent);
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t child = ::fork();
  if (child == 0) {
    TFileStream out(name, TFileStream::fmCreate);
    const std::string half(1 << 20, 'h');
    out.WriteBuffer(half.data(), half.size());
    const char go = 1;
    if (::write(ready[1], &go, 1) == 1) ::pause();  // killed here, before the rest
    ::_exit(0);
  }
  char go = 0;
  ASSERT_EQ(::read(ready[0], &go, 1), 1);
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  ::close(ready[0]);
  ::close(ready[1]);
  EXPECT_EQ(ReadFile(name), kOldContent);
}

TEST(FileStream, AStreamDroppedWithoutCloseKeepsTheOldFile) {
  const fs::path dir = FreshFolder();
  const std::string name = (dir / "doc.rtf").string();
  WriteFile(name, kOldContent);
  {
    TFileStream out(name, TFileStream::fmCreate);
    out.WriteBuffer("half", 4);  // as when a writer raises before it is done
  }
  EXPECT_EQ(ReadFile(name), kOldContent);
  EXPECT_EQ(FolderEntries(dir), std::vector<std::string>{"doc.rtf"});
}

TEST(FileStream, AReplacedFileKeepsItsPermissionsAndLinks) {
  const fs::path dir = FreshFolder();
  const fs::path name = dir / "doc.rtf";
  WriteFile(name, kOldContent);
  fs::permissions(name, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink("doc.rtf", dir / "link.rtf");
  WriteOver((dir / "link.rtf").string(), 10000);
  EXPECT_TRUE(fs::is_symlink(dir / "link.rtf"));
  EXPECT_EQ(ReadFile(name), std::string(10000, 'n'));
  EXPECT_EQ(fs::status(name).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(FolderEntries(dir), (std::vector<std::string>{"doc.rtf", "link.rtf"}));
}

TEST(FileStream, PermissionsBindEvenWhenRunByRoot) {
  const fs::path dir = FreshFolder();
  const fs::path shut = dir / "shut";
  const fs::path open = dir / "open";
  fs::create_directories(shut);
  fs::create_directories(open);
  WriteFile(shut / "doc.rtf", kOldContent);
  WriteFile(open / "doc.rtf", kOldContent);
  fs::permissions(open / "doc.rtf", fs::perms::owner_read | fs::perms::group_read);
  testfiles::GiveToUnprivileged(open);
  testfiles::GiveToUnprivileged(open / "doc.rtf");
  // "shut" cannot be written by anyone but root; in "open" only the file is protected.
  const fs::perms readOnly = fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                             fs::perms::group_exec | fs::perms::others_read |
                             fs::perms::others_exec;
  fs::permissions(shut, readOnly);
  const std::string outcome = testfiles::RunUnprivileged([&] {
    return MessageOf([&] { WriteOver((shut / "doc.rtf").string(), 10); }) + " | " +
           MessageOf([&] { WriteOver((shut / "new.rtf").string(), 10); }) + " | " +
           MessageOf([&] { WriteOver((open / "doc.rtf").string(), 10); });
  });
  EXPECT_EQ(outcome, "Cannot create file \"" + (shut / "doc.rtf").string() +
                         "\". Permission denied | Cannot create file \"" +
                         (shut / "new.rtf").string() +
                         "\". Permission denied | Cannot create file \"" +
                         (open / "doc.rtf").string() + "\". Permission denied");
  EXPECT_EQ(ReadFile(shut / "doc.rtf"), kOldContent);
  EXPECT_EQ(ReadFile(open / "doc.rtf"), kOldContent);
  EXPECT_EQ(FolderEntries(open), std::vector<std::string>{"doc.rtf"});
  fs::permissions(shut, fs::perms::owner_all, fs::perm_options::add);
}

TEST(FileStream, OnlyRegularFilesWithinTheLimitAreRead) {
  const fs::path dir = FreshFolder();
  const std::string fifo = (dir / "pipe.rtf").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string huge = (dir / "huge.rtf").string();
  fs::resize_file((WriteFile(huge, ""), huge), static_cast<std::uintmax_t>(kMaxFileSize) + 1);
  const std::string limit = (dir / "limit.rtf").string();
  fs::resize_file((WriteFile(limit, ""), limit), static_cast<std::uintmax_t>(kMaxFileSize));
  const struct {
    std::string name, reason;
  } refused[] = {
      {fifo, "Not a regular file"},         // would block at open for ever
      {"/dev/zero", "Not a regular file"},  // would never end
      {huge, "The file is larger than 512 MB"},
  };
  for (const auto& file : refused)
    EXPECT_EQ(MessageOf([&] { TFileStream s(file.name, TFileStream::fmOpenRead); }),
              "Cannot open file \"" + file.name + "\". " + file.reason);
  TFileStream atTheLimit(limit, TFileStream::fmOpenRead);
  EXPECT_EQ(atTheLimit.Size(), kMaxFileSize);
}

TEST(FileStream, WriteWholeFileReplacesTheContent) {
  const fs::path name = FreshFolder() / "out.ppm";
  WriteFile(name, kOldContent);
  const std::string bytes("P6\n1 1\n255\n\0\xFF\x10", 14);
  WriteWholeFile(name.string(), bytes.data(), bytes.size());
  EXPECT_EQ(ReadFile(name), bytes);
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
