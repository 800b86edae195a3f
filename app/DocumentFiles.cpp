#include "app/DocumentFiles.h"

#include "app/Unit1.h"
#include "platform/core/Stream.h"
#include "platform/richedit/RichEdit.h"

void LoadDocumentFromFile(TRichEdit& editor, const std::string& fileName) {
  TFileStream stream(fileName, TFileStream::fmOpenRead);
  editor.LoadFromStream(stream);
  editor.SetMaxLength(kLoadedTextLimit);
}

void SaveDocumentToFile(const TRichEdit& editor, const std::string& fileName) {
  TFileStream stream(fileName, TFileStream::fmCreate);
  editor.SaveToStream(stream);
  stream.Close();
}
