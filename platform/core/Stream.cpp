#include "platform/core/Stream.h"

#include <algorithm>
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
