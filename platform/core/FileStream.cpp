#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "platform/core/Exception.h"
#include "platform/core/Stream.h"

namespace {

constexpr std::size_t kWriteChunk = 64 * 1024;

std::string Reason(int error) {
  return std::strerror(error);
}

std::string Quoted(const std::string& name) {
  return "\"" + name + "\"";
}

[[noreturn]] void FailOpen(const char* what, const std::string& name, const std::string& reason) {
  throw EStreamError(std::string(what) + " " + Quoted(name) + ". " + reason);
}

std::string SizeLimitText() {
  return "The file is larger than " + std::to_string(kMaxFileSize >> 20) + " MB";
}

// The folder part of a path ("." for a bare name) and the name part.
std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Writes every byte, going on after interruptions and partial writes.
bool WriteAll(int fd, const char* data, std::size_t count, int& error) {
  while (count > 0) {
    const ssize_t n = ::write(fd, data, count);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      error = n < 0 ? errno : ENOSPC;
      return false;
    }
    data += n;
    count -= static_cast<std::size_t>(n);
  }
  return true;
}

// Creates a new file beside the target that no other writer can be using, with the permissions
// a new file gets (0666 less the umask).
int CreateTemporary(const std::string& target, std::string& tempName, int& error) {
  static std::atomic<unsigned> counter{0};
  const std::string stem =
      FolderOf(target) + "/." + NameOf(target) + ".tmp-" + std::to_string(::getpid()) + "-";
  for (int attempt = 0; attempt < 100; ++attempt) {
    tempName = stem + std::to_string(counter++);
    const int fd = ::open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return fd;
    if (errno != EEXIST) break;
  }
  error = errno;
  return -1;
}

// Makes the replacement look like the file it replaces: same permissions, same owner where we
// may give it (only root may).
void TakeOverAttributes(int fd, const struct stat& old) {
  ::fchmod(fd, old.st_mode & 07777);
  if (::geteuid() == 0 && ::fchown(fd, old.st_uid, old.st_gid) != 0) {
    // A file system without owners keeps ours; the content is what matters.
  }
}

// The rename is on the disk only once the folder is.
void SyncFolder(const std::string& path) {
  const int dir = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir < 0) return;
  ::fsync(dir);
  ::close(dir);
}

}  // namespace

TFileStream::TFileStream(const std::string& fileName, Mode mode) : name_(fileName) {
  if (mode == fmCreate)
    OpenForWriting();
  else
    OpenForReading();
}

TFileStream::~TFileStream() {
  if (file_) std::fclose(file_);
  Discard();
}

void TFileStream::OpenForReading() {
  constexpr const char* what = "Cannot open file";
  // Without O_NONBLOCK, opening a named pipe waits for a writer that may never come.
  const int fd = ::open(name_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) FailOpen(what, name_, Reason(errno));
  struct stat info {};
  std::string refusal;
  if (::fstat(fd, &info) != 0)
    refusal = Reason(errno);
  else if (S_ISDIR(info.st_mode))
    refusal = Reason(EISDIR);
  else if (!S_ISREG(info.st_mode))
    refusal = "Not a regular file";
  else if (info.st_size > kMaxFileSize)
    refusal = SizeLimitText();
  if (refusal.empty()) {
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    file_ = ::fdopen(fd, "rb");
    if (!file_) refusal = Reason(errno);
  }
  if (!refusal.empty()) {
    ::close(fd);
    FailOpen(what, name_, refusal);
  }
}

void TFileStream::OpenForWriting() {
  constexpr const char* what = "Cannot create file";
  struct stat old {};
  const bool exists = ::stat(name_.c_str(), &old) == 0;
  if (exists && S_ISDIR(old.st_mode)) FailOpen(what, name_, Reason(EISDIR));
  if (exists && !S_ISREG(old.st_mode)) {
    // A device or pipe has no content to protect and cannot be renamed over.
    fd_ = ::open(name_.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd_ < 0) FailOpen(what, name_, Reason(errno));
    return;
  }
  // Renaming would get round a write-protected file: respect the protection.
  if (exists && ::access(name_.c_str(), W_OK) != 0) FailOpen(what, name_, Reason(errno));
  target_ = name_;
  if (exists) {
    // Replace what a link points to, not the link.
    if (char* real = ::realpath(name_.c_str(), nullptr)) {
      target_ = real;
      std::free(real);
    }
  }
  int error = 0;
  fd_ = CreateTemporary(target_, temp_, error);
  if (fd_ < 0) FailOpen(what, name_, Reason(error));
  if (exists) TakeOverAttributes(fd_, old);
}

std::size_t TFileStream::Read(void* buffer, std::size_t count) {
  if (!file_) throw EStreamError("Stream read error");
  const std::size_t n = std::fread(buffer, 1, count, file_);
  // Fewer bytes at the end of the file are normal; a failing device is not, and must not pass
  // for a shorter file.
  if (n < count && std::ferror(file_)) throw EStreamError("Stream read error");
  return n;
}

void TFileStream::Write(const void* buffer, std::size_t count) {
  if (fd_ < 0) throw EStreamError("Stream write error: " + Quoted(name_) + ". " + Reason(EBADF));
  const char* bytes = static_cast<const char*>(buffer);
  pending_.insert(pending_.end(), bytes, bytes + count);
  if (pending_.size() >= kWriteChunk) FlushBuffer();
}

void TFileStream::FlushBuffer() const {
  int error = 0;
  if (!pending_.empty() && !WriteAll(fd_, pending_.data(), pending_.size(), error))
    FailWrite(error);
  pending_.clear();
}

void TFileStream::FailWrite(int error) const {
  throw EStreamError("Stream write error: " + Quoted(name_) + ". " + Reason(error));
}

std::int64_t TFileStream::Size() const {
  struct stat info {};
  if (file_) return ::fstat(::fileno(file_), &info) == 0 ? info.st_size : 0;
  if (fd_ < 0) return 0;
  FlushBuffer();
  return ::fstat(fd_, &info) == 0 ? info.st_size : 0;
}

std::int64_t TFileStream::Position() const {
  if (file_) return std::ftell(file_);
  if (fd_ < 0) return 0;
  const off_t here = ::lseek(fd_, 0, SEEK_CUR);
  return (here < 0 ? 0 : here) + static_cast<std::int64_t>(pending_.size());
}

void TFileStream::SetPosition(std::int64_t position) {
  if (file_) {
    std::fseek(file_, static_cast<long>(position), SEEK_SET);
  } else if (fd_ >= 0) {
    FlushBuffer();
    ::lseek(fd_, static_cast<off_t>(position), SEEK_SET);
  }
}

void TFileStream::Close() {
  if (file_) {
    std::fclose(file_);
    file_ = nullptr;
  }
  if (fd_ < 0) return;
  try {
    FlushBuffer();
  } catch (...) {
    Discard();
    throw;
  }
  int error = 0;
  // A regular file must be on the disk before it replaces the old one; a device has no disk.
  if (!temp_.empty() && ::fsync(fd_) != 0) error = errno;
  if (::close(fd_) != 0 && error == 0) error = errno;
  fd_ = -1;
  if (error == 0 && !temp_.empty() && ::rename(temp_.c_str(), target_.c_str()) != 0) error = errno;
  if (error != 0) {
    Discard();
    FailWrite(error);
  }
  if (!temp_.empty()) SyncFolder(target_);
  temp_.clear();
}

void TFileStream::Discard() noexcept {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temp_.empty()) ::unlink(temp_.c_str());
  temp_.clear();
  pending_.clear();
}

void WriteWholeFile(const std::string& fileName, const void* bytes, std::size_t count) {
  TFileStream out(fileName, TFileStream::fmCreate);
  out.WriteBuffer(bytes, count);
  out.Close();
}

std::string ReadWholeFile(const std::string& fileName) {
  TFileStream in(fileName, TFileStream::fmOpenRead);
  std::string bytes(static_cast<std::size_t>(in.Size()), '\0');
  bytes.resize(in.Read(bytes.data(), bytes.size()));
  return bytes;
}
