// The main window's life: creation, the first show with the preferences and the command-line
// document, the drag, the window buttons, the clock and the close.
#include "app/Unit1.h"

#include "app/Sounds.h"
#include "app/Unit4.h"
#include "app/Unit5.h"
#include "app/Unit6.h"
#include "controls/SmoothPanel.h"
#include "controls/WordRuler.h"
#include "platform/environment/Clock.h"
#include "platform/environment/UserFolders.h"
#include "platform/framework/Application.h"
#include "platform/richedit/RichEdit.h"
#include "settings/SettingsFile.h"

namespace {

constexpr int kAnimationMs = 500;

}  // namespace

TForm1::TForm1(TComponent* owner) : TForm(owner) {}

TForm1::~TForm1() = default;

void TForm1::SetPrompts(TForm4* exitPrompt, TForm5* openPrompt, TForm6* newPrompt) {
  exitPrompt_ = exitPrompt;
  openPrompt_ = openPrompt;
  newPrompt_ = newPrompt;
}

void TForm1::FormCreate(TComponent*) {
  CenterOnScreen();
  WriteFileAssociation();
}

void TForm1::FormShow(TComponent*) {
  WriteFileAssociation();
  LoadSettings();
  PlayOrStop(EditorSoundOn, sounds::kStart);
  AnimateWindow(this, kAnimationMs, AW_ACTIVATE | AW_CENTER);
  // The animation shows the window at its normal size; a maximised start is applied after it.
  if (FullScreenOn) SetWindowState(wsMaximized);
  LoadCommandLineDocument();
  RichEdit1->SetMaxLength(kEditorTextLimit);
  FocusEditor();
}

void TForm1::LoadCommandLineDocument() {
  if (arguments_.empty() || !FileExists(arguments_.front())) return;
  LoadDocumentFile(arguments_.front());
}

void TForm1::LoadSettings() {
  const TSettingsValues values = TSettingsFile().LoadForMainWindow(SettingsDefaults());
  SetEditorTextColor(values.TextColor);
  SetEditorFontFace(values.FontFace);
  SetEditorFontSize(values.FontSize);
  SetEditorFieldColor(values.FieldColor);
  TextStyleIndex = values.TextStyle;
  FullScreenOn = values.FullScreen;
  KeyboardSoundOn = values.KeyboardSound;
  ClockOn = values.Clock;
  EditorSoundOn = values.EditorSound;
  RulerOn = values.Ruler;
  ApplyLoadedSettings();
}

TSettingsValues TForm1::SettingsDefaults() const {
  return settingsDefaults_ ? settingsDefaults_() : TSettingsValues{};
}

// A false "shirina" leaves the window as it is; the others show or hide exactly.
void TForm1::ApplyLoadedSettings() {
  if (FullScreenOn) SetFullScreen(true);
  SetClockVisible(ClockOn);
  SetRulerVisible(RulerOn);
}

void TForm1::SetEditorTextColor(TColor color) {
  RichEdit1->Font().SetColor(color);
}

void TForm1::SetEditorFontFace(const std::string& face) {
  const std::string fontFace = FaceNameForFont(face);
  if (!fontFace.empty()) RichEdit1->Font().SetName(fontFace);
}

void TForm1::SetEditorFontSize(int points) {
  RichEdit1->Font().SetSize(points);
}

void TForm1::SetEditorFieldColor(TColor color) {
  RichEdit1->SetColor(color);
}

void TForm1::SetFullScreen(bool maximised) {
  SetWindowState(maximised ? wsMaximized : wsNormal);
}

void TForm1::SetClockVisible(bool visible) {
  SmoothPanel4->SetVisible(visible);
}

void TForm1::SetRulerVisible(bool visible) {
  WordRuler1->SetVisible(visible);
}

void TForm1::FormMouseDown(TComponent*, TMouseButton, TShiftState, int, int) {
  ReleaseCapture();
  StartWindowDrag();
}

void TForm1::FlatButton25Click(TComponent*) {
  Application->Minimize();
}

void TForm1::FlatButton26Click(TComponent*) {
  SetWindowState(wsNormal);
  FocusEditor();
}

void TForm1::FlatButton27Click(TComponent*) {
  SetWindowState(wsMaximized);
  FocusEditor();
  RichEdit1->SetWordWrap(false);
  RichEdit1->SetWordWrap(true);
}

void TForm1::FlatButton24Click(TComponent*) {
  if (DocModified == 1)
    ShowPrompt(*exitPrompt_);
  else
    Close();
}

// Every close passes here, also one the window manager asks for (Alt+F4, logging out): with
// unsaved typing that is not yet confirmed it asks with the exit prompt instead.
void TForm1::FormCloseQuery(TComponent*, bool& canClose) {
  if (DocModified == 1 && !closeConfirmed_) {
    ShowPrompt(*exitPrompt_);
    canClose = false;
    return;
  }
  PlayOrStop(EditorSoundOn, sounds::kClose);
  canClose = true;
}

void TForm1::CloseConfirmed() {
  closeConfirmed_ = true;
  Close();
  closeConfirmed_ = false;
}

void TForm1::FormClose(TComponent*, TCloseAction&) {
  AnimateWindow(this, kAnimationMs, AW_HIDE | AW_CENTER);
}

void TForm1::Timer1Timer(TComponent*) {
  SmoothPanel4->SetCaption(TimeToStr(Now()));
}

void TForm1::FocusEditor() {
  if (RichEdit1->CanFocus()) RichEdit1->SetFocus();
}

void TForm1::ShowPrompt(TSavePrompt& prompt) {
  prompt.Open();
}
