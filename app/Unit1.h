// The main window: the rounded orange frame with its title bar (emblem, name, window buttons),
// the toolbar of sixteen picture buttons and seven menu buttons, the clock, the ruler, the
// editing control that holds the document, and the status bar. It owns the document, the state
// values below, the file dialogs and the popup menus; the prompts and the settings window reach
// into it through its public members.
//
// The handlers are split by subject: creation, show, close, drag, window buttons and clock in
// Unit1.cpp; the document commands, printing and the association in Unit1Documents.cpp; the
// editing and formatting commands in Unit1Editing.cpp; the menu buttons and popup menus in
// Unit1Menus.cpp.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/framework/Form.h"
#include "settings/MainWindowLink.h"
#include "settings/SettingsFile.h"

class TColorDialog;
class TFindDialog;
class TFlatButton;
class TFlatHint;
class TFontDialog;
class TImage;
class TMenu;
class TMenuItem;
class TOpenDialog;
class TPrinterSetupDialog;
class TRbPanel;
class TRichEdit;
class TRxPopupMenu;
class TSaveDialog;
class TSmoothPanel;
class TStatusBar;
class TTimer;
class TWordRuler;
class TForm4;
class TForm5;
class TForm6;
class TSavePrompt;

// The extra first-line indent the print command gives every paragraph while it prints.
inline constexpr int kPrintIndentPoints = 20;
// The text limits: set when the main window is first shown, and after a document is loaded.
inline constexpr int kEditorTextLimit = 0x0FFFFFF0;
inline constexpr int kLoadedTextLimit = 0x7FFFFFF0;

class TForm1 : public TForm, public IMainWindowLink {
 public:
  explicit TForm1(TComponent* owner = nullptr);
  ~TForm1() override;
  std::string ClassName() const override { return "TForm1"; }

  // --- Controls of the layout.
  TRbPanel* RbPanel1 = nullptr;
  TSmoothPanel* SmoothPanel1 = nullptr;  // title bar
  TImage* Image1 = nullptr;              // emblem
  TImage* Image2 = nullptr;              // name
  TSmoothPanel* SmoothPanel3 = nullptr;  // window buttons
  TFlatButton* FlatButton25 = nullptr;   // minimise
  TFlatButton* FlatButton26 = nullptr;   // restore
  TFlatButton* FlatButton27 = nullptr;   // maximise
  TFlatButton* FlatButton24 = nullptr;   // close
  TSmoothPanel* SmoothPanel2 = nullptr;  // toolbar
  TFlatButton* FlatButton1 = nullptr;
  TFlatButton* FlatButton2 = nullptr;
  TFlatButton* FlatButton3 = nullptr;
  TFlatButton* FlatButton4 = nullptr;
  TFlatButton* FlatButton5 = nullptr;
  TFlatButton* FlatButton6 = nullptr;
  TFlatButton* FlatButton7 = nullptr;
  TFlatButton* FlatButton8 = nullptr;
  TFlatButton* FlatButton9 = nullptr;
  TFlatButton* FlatButton10 = nullptr;
  TFlatButton* FlatButton11 = nullptr;
  TFlatButton* FlatButton12 = nullptr;
  TFlatButton* FlatButton13 = nullptr;
  TFlatButton* FlatButton14 = nullptr;
  TFlatButton* FlatButton15 = nullptr;
  TFlatButton* FlatButton16 = nullptr;
  TFlatButton* FlatButton17 = nullptr;  // the seven menu buttons
  TFlatButton* FlatButton18 = nullptr;
  TFlatButton* FlatButton19 = nullptr;
  TFlatButton* FlatButton20 = nullptr;
  TFlatButton* FlatButton21 = nullptr;
  TFlatButton* FlatButton22 = nullptr;
  TFlatButton* FlatButton23 = nullptr;
  TSmoothPanel* SmoothPanel4 = nullptr;  // clock
  TWordRuler* WordRuler1 = nullptr;
  TRichEdit* RichEdit1 = nullptr;
  TStatusBar* StatusBar1 = nullptr;
  TSaveDialog* SaveDialog1 = nullptr;
  TOpenDialog* OpenDialog1 = nullptr;
  TPrinterSetupDialog* PrinterSetupDialog1 = nullptr;
  TTimer* Timer1 = nullptr;
  TFlatHint* FlatHint1 = nullptr;

  // --- State values.
  int DocModified = 0;          // 1 once a character was typed; 0 when saved or replaced
  std::string CurrentFileName;  // the file the document in the editor came from or went to
  int TextStyleIndex = 0;       // "stiltext": 0 plain, 1 italic, 2 bold, 3 bold italic
  bool EditorSoundOn = false;
  bool KeyboardSoundOn = false;
  bool FullScreenOn = false;
  bool ClockOn = false;
  bool RulerOn = false;

  // The program's arguments without the program name; the show loads the first one.
  void SetCommandLine(std::vector<std::string> arguments) { arguments_ = std::move(arguments); }
  // The three save prompts (created after this window; main() hands them over).
  void SetPrompts(TForm4* exitPrompt, TForm5* openPrompt, TForm6* newPrompt);
  TForm4* ExitPrompt() const { return exitPrompt_; }
  TForm5* OpenPrompt() const { return openPrompt_; }
  TForm6* NewPrompt() const { return newPrompt_; }

  // --- Handlers of the window (Unit1.cpp).
  void FormCreate(TComponent* sender);
  void FormShow(TComponent* sender);
  void FormCloseQuery(TComponent* sender, bool& canClose);
  void FormClose(TComponent* sender, TCloseAction& action);
  void FormMouseDown(TComponent* sender, TMouseButton button, TShiftState shift, int x, int y);
  void FlatButton25Click(TComponent* sender);
  void FlatButton26Click(TComponent* sender);
  void FlatButton27Click(TComponent* sender);
  void FlatButton24Click(TComponent* sender);
  void Timer1Timer(TComponent* sender);

  // --- Document commands (Unit1Documents.cpp).
  void FlatButton1Click(TComponent* sender);  // new
  void FlatButton7Click(TComponent* sender);  // clear
  void FlatButton2Click(TComponent* sender);  // open
  void FlatButton3Click(TComponent* sender);  // save (toolbar)
  // The commands as the menus call them (the menu items' handlers forward here).
  void NewDocumentCommand();
  void ClearTextCommand();
  void OpenCommand();
  void SaveToolbarCommand();
  void SaveMenuCommand();
  void SaveAsCommand();
  void ExitCommand();
  void PrintCommand();
  void PrinterSetupCommand();

  // --- Document operations the prompts use.
  // Loads a file (RTF, else plain text) into the editor; on success it names the document.
  void LoadDocumentFile(const std::string& fileName);
  // Writes the document as RTF; the old file stays whole when the write fails.
  void SaveDocumentFile(const std::string& fileName) const;
  // Empties the editor and forgets the file name.
  void ClearDocument();
  // The save dialog; true with the chosen name in fileName when confirmed.
  bool ExecuteSaveDialog(std::string& fileName);
  bool ExecuteOpenDialog(std::string& fileName);
  void FocusEditor();
  // Closes the main window without asking again: the exit prompt's way out.
  void CloseConfirmed();
  // Writes the association of the document extensions with this program.
  void WriteFileAssociation();
  // Loads the ten preferences and applies the window-level ones.
  void LoadSettings();
  // Where the preferences' defaults come from: the settings window's current choices.
  // Without a source the settings window's layout values are used.
  void SetSettingsDefaultsSource(std::function<TSettingsValues()> source) {
    settingsDefaults_ = std::move(source);
  }
  TSettingsValues SettingsDefaults() const;

  // --- What the settings window changes at once.
  void SetEditorTextColor(TColor color) override;
  void SetEditorFontFace(const std::string& face) override;
  void SetEditorFontSize(int points) override;
  void SetEditorFieldColor(TColor color) override;
  void SetFullScreen(bool maximised) override;
  void SetClockVisible(bool visible) override;
  void SetRulerVisible(bool visible) override;

  // --- editing and menus
  // The editing, formatting and menu commands (Unit1Editing.cpp, Unit1Menus.cpp) declare their
  // handlers and fields here and register them in RegisterEditingAndMenuLayout().
  TRxPopupMenu* RxPopupMenu1 = nullptr;
  TRxPopupMenu* RxPopupMenu2 = nullptr;
  TRxPopupMenu* RxPopupMenu3 = nullptr;
  TRxPopupMenu* RxPopupMenu4 = nullptr;
  TRxPopupMenu* RxPopupMenu5 = nullptr;
  TFontDialog* FontDialog1 = nullptr;
  TColorDialog* ColorDialog1 = nullptr;
  TFindDialog* FindDialog1 = nullptr;

  // Loading a file, New and Clear replace the document without the user editing it. They run
  // inside a TDocumentReplacement, so the editor's change notifications leave DocModified alone:
  //   const TDocumentReplacement replacing(*this);
  class TDocumentReplacement {
   public:
    explicit TDocumentReplacement(TForm1& form) : form_(form) { ++form_.documentReplacements_; }
    ~TDocumentReplacement() { --form_.documentReplacements_; }
    TDocumentReplacement(const TDocumentReplacement&) = delete;
    TDocumentReplacement& operator=(const TDocumentReplacement&) = delete;

   private:
    TForm1& form_;
  };
  bool ReplacingDocument() const { return documentReplacements_ > 0; }
  // The settings window (shown modeless) and the about window (modal) of two menu buttons;
  // main() hands them over once they exist.
  void SetSecondaryWindows(class TForm2* settingsWindow, class TZnak* aboutWindow);

  // Toolbar commands (Unit1Editing.cpp).
  void FlatButton4Click(TComponent* sender);   // copy
  void FlatButton5Click(TComponent* sender);   // cut
  void FlatButton6Click(TComponent* sender);   // paste
  void FlatButton8Click(TComponent* sender);   // select all
  void FlatButton9Click(TComponent* sender);   // undo
  void FlatButton10Click(TComponent* sender);  // align left
  void FlatButton11Click(TComponent* sender);  // centre
  void FlatButton12Click(TComponent* sender);  // align right
  void FlatButton13Click(TComponent* sender);  // font of the selection
  void FlatButton14Click(TComponent* sender);  // colour of the selection
  void FlatButton15Click(TComponent* sender);  // first-line indent + 3 pt
  void FlatButton16Click(TComponent* sender);  // first-line indent - 3 pt
  // The editing commands as the toolbar and the menus share them: the click sound, the command,
  // the focus back in the editor.
  void CopyCommand();
  void CutCommand();
  void PasteCommand();
  void SelectAllCommand();
  void UndoCommand();
  // Insertions: a new last line with the date or the time; bullets for the selection.
  void InsertDateCommand();
  void InsertTimeCommand();
  void InsertBulletCommand();
  // Adds text as a new line at the end of the document.
  void AddLineAtEnd(const std::string& text);
  void SmoothPanel4Click(TComponent* sender);  // the clock inserts the time
  void WordRuler1Changed(TComponent* sender);
  void RichEdit1Change(TComponent* sender);
  void RichEdit1KeyPress(TComponent* sender, char32_t& key);
  void RichEdit1MouseMove(TComponent* sender, TShiftState shift, int x, int y);
  void FindDialog1Find(TComponent* sender);
  // "Строка № …    Знак № …" of the caret, in the status bar's caret look.
  void ShowCaretPosition();

  // Menu buttons, menu items and the menus' look (Unit1Menus.cpp).
  void FlatButton17Click(TComponent* sender);  // "Файл"
  void FlatButton18Click(TComponent* sender);  // "Правка"
  void FlatButton19Click(TComponent* sender);  // "Вставка"
  void FlatButton20Click(TComponent* sender);  // "Инструмент"
  void FlatButton21Click(TComponent* sender);  // "Настройка"
  void FlatButton22Click(TComponent* sender);  // "Поиск"
  void FlatButton23Click(TComponent* sender);  // "О программе"
  void NewItemClick(TComponent* sender);
  void OpenItemClick(TComponent* sender);
  void SaveItemClick(TComponent* sender);
  void SaveAsItemClick(TComponent* sender);
  void PrintItemClick(TComponent* sender);
  void PrinterSetupItemClick(TComponent* sender);
  void ExitItemClick(TComponent* sender);
  void CopyItemClick(TComponent* sender);
  void CutItemClick(TComponent* sender);
  void PasteItemClick(TComponent* sender);
  void SelectAllItemClick(TComponent* sender);
  void ClearItemClick(TComponent* sender);
  void InsertDateItemClick(TComponent* sender);
  void InsertTimeItemClick(TComponent* sender);
  void InsertBulletItemClick(TComponent* sender);
  void KeyboardItemClick(TComponent* sender);
  void CalculatorItemClick(TComponent* sender);
  void CharacterMapItemClick(TComponent* sender);
  void PopupMenuDrawMargin(TMenu* sender, const TRect& rect);
  // state: the item's TMenuOwnerDrawState bits.
  void PopupMenuGetItemParams(TMenu* sender, TMenuItem* item, unsigned state, TFont& font,
                              TColor& color, class TGraphic*& graphic, int& numGlyphs);
  // Opens menu at the mouse pointer.
  void PopupAtPointer(TRxPopupMenu& menu);
  void ShowFindDialog();

 private:
  int documentReplacements_ = 0;
  class TForm2* settingsWindow_ = nullptr;
  class TZnak* aboutWindow_ = nullptr;

 public:
  // --- end of editing and menus

 private:
  void ApplyLoadedSettings();
  void LoadCommandLineDocument();
  void ShowPrompt(TSavePrompt& prompt);

  std::vector<std::string> arguments_;
  TForm4* exitPrompt_ = nullptr;
  TForm5* openPrompt_ = nullptr;
  TForm6* newPrompt_ = nullptr;
  std::function<TSettingsValues()> settingsDefaults_;
  bool closeConfirmed_ = false;
};

// Registers the layout additions of the editing and menu commands (their handlers, fields and
// events) with TForm1's layout class; defined with those commands in app/Unit1Menus.cpp.
void RegisterEditingAndMenuLayout();
