// The document commands of the main window: new, clear, open, save, save as, exit, print and
// printer set-up, with the save prompts that guard unsaved typing.
#include "app/DocumentFiles.h"
#include "app/FileAssociation.h"
#include "app/Printing.h"
#include "app/Sounds.h"
#include "app/Unit1.h"
#include "app/Unit4.h"
#include "app/Unit5.h"
#include "app/Unit6.h"
#include "platform/environment/Dialogs.h"
#include "platform/richedit/RichEdit.h"

void TForm1::FlatButton1Click(TComponent*) {
  NewDocumentCommand();
}
void TForm1::FlatButton7Click(TComponent*) {
  ClearTextCommand();
}
void TForm1::FlatButton2Click(TComponent*) {
  OpenCommand();
}
void TForm1::FlatButton3Click(TComponent*) {
  SaveToolbarCommand();
}

void TForm1::NewDocumentCommand() {
  Play(sounds::kClick);
  if (DocModified == 1) {
    ShowPrompt(*newPrompt_);
    return;
  }
  ClearDocument();
  FocusEditor();
}

// Clearing and starting a new document are the same operation.
void TForm1::ClearTextCommand() {
  NewDocumentCommand();
}

void TForm1::OpenCommand() {
  Play(sounds::kClick);
  if (DocModified == 1) {
    ShowPrompt(*openPrompt_);
    return;
  }
  std::string fileName;
  if (!ExecuteOpenDialog(fileName)) return;
  LoadDocumentFile(fileName);
  FocusEditor();
}

void TForm1::SaveToolbarCommand() {
  Play(sounds::kClick);
  if (!CurrentFileName.empty()) {
    SaveMenuCommand();
    return;
  }
  SaveAsCommand();
}

void TForm1::SaveMenuCommand() {
  if (CurrentFileName.empty()) return;
  SaveDocumentFile(CurrentFileName);
  DocModified = 0;
  FocusEditor();
}

void TForm1::SaveAsCommand() {
  std::string fileName;
  if (!ExecuteSaveDialog(fileName)) return;
  SaveDocumentFile(fileName);
  CurrentFileName = fileName;
  DocModified = 0;
  FocusEditor();
}

void TForm1::ExitCommand() {
  Play(sounds::kClick);
  if (DocModified == 1)
    ShowPrompt(*exitPrompt_);
  else
    Close();
}

void TForm1::PrintCommand() {
  PrintWithExtraIndent(*RichEdit1, "Print of our RichEdit1");
}

void TForm1::PrinterSetupCommand() {
  Play(sounds::kClick);
  // A cancelled set-up prints nothing: the user said no to printing there.
  if (!PrinterSetupDialog1->Execute()) return;
  RichEdit1->Print("Печать " + Caption());
}

void TForm1::LoadDocumentFile(const std::string& fileName) {
  const TDocumentReplacement replacing(*this);
  LoadDocumentFromFile(*RichEdit1, fileName);
  CurrentFileName = fileName;
}

void TForm1::SaveDocumentFile(const std::string& fileName) const {
  SaveDocumentToFile(*RichEdit1, fileName);
}

void TForm1::ClearDocument() {
  const TDocumentReplacement replacing(*this);
  RichEdit1->Clear();
  CurrentFileName.clear();
}

bool TForm1::ExecuteSaveDialog(std::string& fileName) {
  if (!SaveDialog1->Execute()) return false;
  fileName = SaveDialog1->FileName();
  return true;
}

bool TForm1::ExecuteOpenDialog(std::string& fileName) {
  if (!OpenDialog1->Execute()) return false;
  fileName = OpenDialog1->FileName();
  return true;
}

void TForm1::WriteFileAssociation() {
  WriteEditorAssociation();
}
