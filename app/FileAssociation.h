// The editor as the desktop's handler of text documents: a desktop entry for the class
// "TARVIK" that opens a file given as the first argument, with the program's icon, for the
// extensions below. Written at every start, never removed.
#pragma once

#include <string>
#include <vector>

#include "platform/environment/Environment.h"

inline constexpr const char* kFileClass = "TARVIK";

// The extensions in the order they are written (".cfg" twice, as always).
const std::vector<std::string>& AssociatedExtensions();
// The association for the program at executable.
TFileTypeAssociation EditorAssociation(const std::string& executable);
// Writes the association for the running program. Raises "Failed to set data for ''" when the
// desktop's files cannot be written.
void WriteEditorAssociation();
