// Where a program may keep its files: the user's configuration folder (XDG_CONFIG_HOME when it
// is an absolute path, else ~/.config), and whether a folder can take new files.
#pragma once

#include <string>

// The user's configuration folder with a trailing separator; "" when there is no home.
std::string UserConfigFolder();
// True when a new file can be created in folder (it exists and may be written).
bool FolderIsWritable(const std::string& folder);
// True when name is an existing regular file.
bool FileExists(const std::string& name);
// Creates folder and its missing parents; false when that fails.
bool ForceFolders(const std::string& folder);
