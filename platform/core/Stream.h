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

// A file opened for reading (fmOpenRead) or created anew for writing (fmCreate).
// Opening failures raise EStreamError naming the file.
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
  // Flushes and closes; raises EStreamError when the data could not be written (disk full).
  void Close();

 private:
  std::FILE* file_ = nullptr;
  std::string name_;
};
