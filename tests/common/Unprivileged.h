// Runs a piece of a test in a child process as an ordinary user, so that permission checks bind
// even when the tests run as root (as they do in CI). The child's result comes back as its exit
// status; gtest assertions inside the child do not reach the parent, so the piece returns what
// it found as a string and the parent compares.
#pragma once

#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

namespace testfiles {

// The user the child runs as: "nobody", present on every Debian system.
inline const passwd* UnprivilegedUser() {
  return ::getpwnam("nobody");
}

// Gives a file or folder to the unprivileged user, so that the child may write there.
inline void GiveToUnprivileged(const std::filesystem::path& path) {
  if (::geteuid() != 0) return;  // an ordinary user runs the child as itself
  const passwd* user = UnprivilegedUser();
  ASSERT_NE(user, nullptr);
  ASSERT_EQ(::chown(path.c_str(), user->pw_uid, user->pw_gid), 0) << std::strerror(errno);
}

// Runs piece in a forked child that dropped root (when it had it) and returns what the piece
// returned, or a description of how the child failed.
inline std::string RunUnprivileged(const std::function<std::string()>& piece) {
  int pipeFds[2];
  if (::pipe(pipeFds) != 0) return "pipe failed";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipeFds[0]);
    std::string result;
    const passwd* user = UnprivilegedUser();
    if (::geteuid() == 0 && (!user || ::setgroups(0, nullptr) != 0 || ::setgid(user->pw_gid) != 0 ||
                             ::setuid(user->pw_uid) != 0))
      result = "could not drop root";
    else
      result = piece();
    const ssize_t written = ::write(pipeFds[1], result.data(), result.size());
    ::_exit(written == static_cast<ssize_t>(result.size()) ? 0 : 1);
  }
  ::close(pipeFds[1]);
  std::string result;
  char buffer[4096];
  for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
    result.append(buffer, static_cast<std::size_t>(n));
  ::close(pipeFds[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "child failed: " + result;
  return result;
}

}  // namespace testfiles
