#include "platform/environment/UserFolders.h"

#include <unistd.h>
#include <QDir>
#include <QFileInfo>

#include <cstdlib>

#include "platform/qt/QtBridge.h"

std::string UserConfigFolder() {
  // The XDG rule: a relative XDG_CONFIG_HOME is invalid and must be ignored.
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  std::string folder;
  if (xdg && xdg[0] == '/') {
    folder = xdg;
  } else {
    const char* home = std::getenv("HOME");
    if (!home || home[0] != '/') return "";
    folder = std::string(home) + "/.config";
  }
  if (folder.back() != '/') folder += '/';
  return folder;
}

bool FolderIsWritable(const std::string& folder) {
  // access() asks the kernel with the real rules (read-only mounts, root included), where
  // permission bits alone would say yes to root in a read-only place.
  const QFileInfo info(QtString(folder));
  return info.isDir() && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

bool FileExists(const std::string& name) {
  return QFileInfo(QtString(name)).isFile();
}

bool ForceFolders(const std::string& folder) {
  return !folder.empty() && QDir().mkpath(QtString(folder));
}
