#include "platform/core/Stream.h"

#include <sys/stat.h>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/core/Exception.h"

void TStream::ReadBuffer(void* buffer, std::size_t count) {
  if (Read(buffer, count) != count) throw EStreamError("Stream read error");
}

std::vector<std::uint8_t> TStream::ReadAll() {
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(std::max<std::int64_t>(0, Remaining())));
  bytes.resize(Read(bytes.data(), bytes.size()));
  return bytes;
}

std::size_t TMemoryStream::Read(void* buffer, std::size_t count) {
  const auto available = static_cast<std::size_t>(std::max<std::int64_t>(0, Size() - position_));
  const std::size_t n = std::min(count, available);
  if (n > 0) std::memcpy(buffer, data_.data() + position_, n);
  position_ += static_cast<std::int64_t>(n);
  return n;
}

void TMemoryStream::Write(const void* buffer, std::size_t count) {
  if (count == 0) return;
  const auto end = static_cast<std::size_t>(position_) + count;
  if (end > data_.size()) data_.resize(end);
  std::memcpy(data_.data() + position_, buffer, count);
  position_ = static_cast<std::int64_t>(end);
}

void TMemoryStream::SetPosition(std::int64_t position) {
  position_ = std::clamp<std::int64_t>(position, 0, Size());
}

TFileStream::TFileStream(const std::string& fileName, Mode mode) : name_(fileName) {
  const char* what = mode == fmCreate ? "Cannot create file" : "Cannot open file";
  file_ = std::fopen(fileName.c_str(), mode == fmCreate ? "wb" : "rb");
  if (!file_)
    throw EStreamError(std::string(what) + " \"" + fileName + "\". " + std::strerror(errno));
  // A folder opens for reading here but has no bytes to give: refuse it as the classic
  // open of a folder does, instead of reading nonsense sizes later.
  struct stat info {};
  if (::fstat(::fileno(file_), &info) == 0 && S_ISDIR(info.st_mode)) {
    std::fclose(file_);
    file_ = nullptr;
    throw EStreamError(std::string(what) + " \"" + fileName + "\". " + std::strerror(EISDIR));
  }
}

TFileStream::~TFileStream() {
  if (file_) std::fclose(file_);
}

std::size_t TFileStream::Read(void* buffer, std::size_t count) {
  const std::size_t n = std::fread(buffer, 1, count, file_);
  // Fewer bytes at the end of the file are normal; a failing device is not, and must not pass
  // for a shorter file.
  if (n < count && std::ferror(file_)) throw EStreamError("Stream read error");
  return n;
}

void TFileStream::Write(const void* buffer, std::size_t count) {
  if (std::fwrite(buffer, 1, count, file_) != count)
    throw EStreamError("Stream write error: \"" + name_ + "\". " + std::strerror(errno));
}

std::int64_t TFileStream::Size() const {
  const long here = std::ftell(file_);
  std::fseek(file_, 0, SEEK_END);
  const long size = std::ftell(file_);
  std::fseek(file_, here, SEEK_SET);
  return size;
}

std::int64_t TFileStream::Position() const {
  return std::ftell(file_);
}

void TFileStream::SetPosition(std::int64_t position) {
  std::fseek(file_, static_cast<long>(position), SEEK_SET);
}

void TFileStream::Close() {
  if (!file_) return;
  const bool flushed = std::fflush(file_) == 0;
  const int err = errno;
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  if (!flushed || !closed)
    throw EStreamError("Stream write error: \"" + name_ + "\". " + std::strerror(err));
}
