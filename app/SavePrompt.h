// What the three save prompts (exit, open, new) share: a small rounded window that stays above
// the others, opens without blocking the main window (or comes to the front when already open),
// grows into view with the prompt sound and shrinks away when closed. It is hidden, never
// destroyed. Its buttons act on the main window's document.
#pragma once

#include "platform/framework/Form.h"

class TForm1;
class TImage;
class TLabel;
class TRbPanel;
class TVasPanel;

class TSavePrompt : public TForm {
 public:
  using TForm::TForm;
  std::string ClassName() const override { return "TSavePrompt"; }

  TRbPanel* RbPanel1 = nullptr;
  TVasPanel* VasPanel1 = nullptr;
  TImage* Image1 = nullptr;
  TLabel* Label1 = nullptr;

  void SetMainWindow(TForm1* mainWindow) { mainWindow_ = mainWindow; }
  TForm1* MainWindow() const { return mainWindow_; }
  // Shows the prompt without blocking, or brings it to the front when it is already open.
  void Open();

  void FormCreate(TComponent* sender);
  void FormShow(TComponent* sender);
  void FormClose(TComponent* sender, TCloseAction& action);

 protected:
  TForm1& Main() const;
  // "Сохранить": asks for a name with the save dialog (always, even when the document has one)
  // and writes the document there. False when the dialog was cancelled.
  bool SaveThroughDialog();
  // "Отмена": the focus goes back to the editor and the prompt closes.
  void CancelPrompt();

 private:
  TForm1* mainWindow_ = nullptr;
};

// Registers the shared part of the prompts' layout class.
void RegisterSavePromptLayoutClass();
