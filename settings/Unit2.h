// The settings window: the editor's text colour, face, size and style, the editing field's
// colour, full-screen start, the two sound switches, clock and ruler. It stays on top and leaves
// the main window usable; the colour, face, size, field colour, window state, clock and ruler
// reach the main window at once, everything reaches the settings file on "Выход".
// It is created hidden once and hidden again on "Выход"; each showing reloads the file.
#pragma once

#include "platform/controls/UpDown.h"
#include "platform/framework/Form.h"
#include "settings/SettingsFile.h"

class IMainWindowLink;
class TColorComboBox;
class TColorDialog;
class TEdit;
class TFlatButton;
class TFlatCheckBox;
class TFontComboBox;
class TLabel;
class TRadioGroup;
class TRbButton;
class TRbPanel;

class TForm2 : public TForm {
 public:
  using TForm::TForm;
  std::string ClassName() const override { return "TForm2"; }

  TRbPanel* RbPanel1 = nullptr;
  TLabel* Label1 = nullptr;
  TColorComboBox* ColorComboBox1 = nullptr;
  TLabel* Label2 = nullptr;
  TFontComboBox* FontComboBox1 = nullptr;
  TLabel* Label3 = nullptr;
  TEdit* Edit1 = nullptr;
  TUpDown* UpDown1 = nullptr;
  TRadioGroup* RadioGroup1 = nullptr;
  TRbPanel* RbPanel2 = nullptr;
  TFlatCheckBox* FlatCheckBox1 = nullptr;  // "Окно во весь экран"
  TFlatCheckBox* FlatCheckBox2 = nullptr;  // "Включить звук клавиатуры"
  TFlatCheckBox* FlatCheckBox4 = nullptr;  // "Показывать часы"
  TFlatCheckBox* FlatCheckBox3 = nullptr;  // "Включить звук редактора"
  TFlatCheckBox* FlatCheckBox5 = nullptr;  // "Показывать линейку"
  TFlatButton* FlatButton3 = nullptr;      // field-colour swatch
  TLabel* Label4 = nullptr;
  TRbButton* RbButton1 = nullptr;  // "Выход"
  TColorDialog* ColorDialog1 = nullptr;

  // The main window the immediate choices act on; without one they only change this window.
  void SetMainWindow(IMainWindowLink* mainWindow) { mainWindow_ = mainWindow; }
  IMainWindowLink* MainWindow() const { return mainWindow_; }
  // Where the load reads and the save writes; the program's own settings file by default.
  void SetSettingsFile(const TSettingsFile& file) { settingsFile_ = file; }

  // The ten choices as the controls hold them now: what "Выход" saves, and the defaults of every
  // read of the settings file (the main window's load takes them from here too).
  TSettingsValues Choices() const;
  // The chosen face: the font list's text, or, while the list shows none, the face last read
  // from the file (one this desktop does not offer), so that saving does not lose it.
  std::string FontFace() const;

  void FormCreate(TComponent* sender);
  void FormShow(TComponent* sender);
  void FormClose(TComponent* sender, TCloseAction& action);
  void ColorComboBox1Click(TComponent* sender);
  void FontComboBox1Click(TComponent* sender);
  void UpDown1Click(TComponent* sender, TUDBtnType button);
  void FlatCheckBox1Click(TComponent* sender);
  void FlatCheckBox4Click(TComponent* sender);
  void FlatCheckBox5Click(TComponent* sender);
  void FlatButton3Click(TComponent* sender);
  void RbButton1Click(TComponent* sender);

 private:
  void LoadSettings();
  void SaveSettings();

  IMainWindowLink* mainWindow_ = nullptr;
  TSettingsFile settingsFile_;
  std::string storedFace_;
};
