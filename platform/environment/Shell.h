// What the program asks of the desktop shell: starting a program (found on PATH only, never in
// the current folder), opening a web address in the browser, and registering the program as
// the handler of document files. The first three go through TEnvironment::Shell().
//
// The file-type association is the desktop's own mechanism: a desktop entry
// (DATA/applications/ID.desktop) naming the program and the MIME types it opens, the program
// first in the MIME defaults (CONFIG/mimeapps.list, other entries kept), and for extensions the
// MIME database does not know, a MIME package of our own (DATA/mime/packages/ID.xml). DATA and
// CONFIG are the user's XDG data and config folders. Files are rewritten only when they change.
#pragma once

#include <string>
#include <vector>

#include "platform/environment/Environment.h"

bool StartProcess(const std::string& program, const std::vector<std::string>& args = {});
// Only web addresses (http, https, mailto) are opened; false for anything else.
bool OpenUrl(const std::string& url);
// Raises Exception("Failed to set data for ''") when a file cannot be written.
void RegisterFileTypes(const TFileTypeAssociation& association);

// The running program's full path, and its folder with a trailing separator.
std::string ExecutableFileName();
std::string ExecutableFolder();

// The parts of the real shell, for tests and for the real binding.
// The absolute path of program in the PATH folders (absolute folders only), or "".
std::string FindProgramOnPath(const std::string& program);
// Writes the association under the given data and config folders.
void WriteFileTypeAssociation(const TFileTypeAssociation& association, const std::string& dataHome,
                              const std::string& configHome);
// The Exec value of a desktop entry that starts executable with one file.
std::string DesktopExecLine(const std::string& executable);
