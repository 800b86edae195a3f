// Moving the document between the editing control and a file. Files are written as RTF whatever
// their extension and read as RTF, else as plain text.
#pragma once

#include <string>

class TRichEdit;

// Replaces the editor's content with the file. Raises "Cannot open file "%s". %s" when the file
// cannot be opened (the editor keeps its content) and "Failed to Load Stream" when it is neither
// RTF nor text. After a load the text limit is raised so the whole document can be edited.
void LoadDocumentFromFile(TRichEdit& editor, const std::string& fileName);
// Writes the editor's content as RTF. Raises "Cannot create file "%s". %s" or "Failed to Save
// Stream"; the file stream replaces an existing file only once the whole document is written.
void SaveDocumentToFile(const TRichEdit& editor, const std::string& fileName);
