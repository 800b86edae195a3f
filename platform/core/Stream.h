// Byte streams: what pictures, documents and layouts are read from and written to.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

class TStream {
 public:
  virtual ~TStream() = default;
  // Reads up to count bytes; returns how many were read (fewer only at the end). A device
  // that fails raises EStreamError ("Stream read error").
  virtual std::size_t Read(void* buffer, std::size_t count) = 0;
  // Writes all count bytes or raises EStreamError.
  virtual void Write(const void* buffer, std::size_t count) = 0;
  virtual std::int64_t Size() const = 0;
  virtual std::int64_t Position() const = 0;
  virtual void SetPosition(std::int64_t position) = 0;

  // Reads exactly count bytes or raises EStreamError ("Stream read error").
  void ReadBuffer(void* buffer, std::size_t count);
  void WriteBuffer(const void* buffer, std::size_t count) { Write(buffer, count); }
  std::int64_t Remaining() const { return Size() - Position(); }
  // Everything from the current position to the end.
  std::vector<std::uint8_t> ReadAll();
};

class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::vector<std::uint8_t> data) : data_(std::move(data)) {}
  std::size_t Read(void* buffer, std::size_t count) override;
  void Write(const void* buffer, std::size_t count) override;
  std::int64_t Size() const override { return static_cast<std::int64_t>(data_.size()); }
  std::int64_t Position() const override { return position_; }
  void SetPosition(std::int64_t position) override;

  const std::vector<std::uint8_t>& Data() const { return data_; }
  std::vector<std::uint8_t>& Data() { return data_; }
  void Clear() {
    data_.clear();
    position_ = 0;
  }

 private:
  std::vector<std::uint8_t> data_;
  std::int64_t position_ = 0;
};

// The largest file a TFileStream opens for reading: 512 MB. A document, picture or layout
// beyond it is refused with a message instead of taking the machine's memory.
inline constexpr std::int64_t kMaxFileSize = std::int64_t{512} << 20;

// A file opened for reading (fmOpenRead) or written anew (fmCreate).
//
// Reading accepts regular files of at most kMaxFileSize bytes only: a named pipe would block the
// program for ever and a device such as /dev/zero never ends.
//
// Writing never touches the existing file until the new content is complete: the bytes go to a
// temporary file in the same folder, and Close() flushes it to the disk and renames it over the
// target, which keeps the target's permissions. A stream destroyed without Close(), a failed
// write or a killed program leaves the old file as it was. A target that is a device (/dev/null,
// /dev/stdout) is written in place. Every failure raises EStreamError naming the file and the
// system's reason.
class TFileStream : public TStream {
 public:
  enum Mode { fmOpenRead, fmCreate };
  TFileStream(const std::string& fileName, Mode mode);
  ~TFileStream() override;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;

  std::size_t Read(void* buffer, std::size_t count) override;
  void Write(const void* buffer, std::size_t count) override;
  std::int64_t Size() const override;
  std::int64_t Position() const override;
  void SetPosition(std::int64_t position) override;
  // Writing: flushes, puts the new content in place of the old and closes; raises EStreamError
  // when the data could not be written (disk full), the old file then being untouched.
  void Close();

 private:
  void OpenForReading();
  void OpenForWriting();
  void FlushBuffer() const;
  [[noreturn]] void FailWrite(int error) const;
  void Discard() noexcept;

  std::FILE* file_ = nullptr;  // reading
  int fd_ = -1;                // writing: the temporary file, or the device written in place
  std::string name_;           // as the caller gave it, for messages
  std::string target_;         // writing: the file the temporary one replaces ("" for a device)
  std::string temp_;           // writing: the temporary file
  mutable std::vector<char> pending_;  // writing: bytes not yet handed to the system
};

// The whole content of a file read through a TFileStream (so only regular files within
// kMaxFileSize), as one string.
std::string ReadWholeFile(const std::string& fileName);

// Replaces a whole file with bytes through a TFileStream (atomically, as above).
void WriteWholeFile(const std::string& fileName, const void* bytes, std::size_t count);
