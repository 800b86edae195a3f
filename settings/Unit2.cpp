#include "settings/Unit2.h"

#include "controls/RxCombos.h"
#include "controls/TFlatCheckBoxUnit.h"
#include "platform/controls/Edit.h"
#include "platform/controls/RadioGroup.h"
#include "platform/environment/Dialogs.h"
#include "settings/MainWindowLink.h"

namespace keys = settings_keys;

namespace {

constexpr int kAnimationMs = 500;

}  // namespace

TSettingsValues TForm2::Choices() const {
  TSettingsValues values;
  values.TextColor = ColorComboBox1->ColorValue();
  values.FontFace = FontFace();
  values.FontSize = UpDown1->Position();
  values.TextStyle = RadioGroup1->ItemIndex();
  values.FullScreen = FlatCheckBox1->Checked();
  values.KeyboardSound = FlatCheckBox2->Checked();
  values.EditorSound = FlatCheckBox3->Checked();
  values.Clock = FlatCheckBox4->Checked();
  values.Ruler = FlatCheckBox5->Checked();
  values.FieldColor = ColorDialog1->Color();
  return values;
}

std::string TForm2::FontFace() const {
  const std::string listed = FontComboBox1->FontName();
  return listed.empty() ? storedFace_ : listed;
}

void TForm2::FormCreate(TComponent*) {
  CenterOnScreen();
}

void TForm2::FormShow(TComponent*) {
  AnimateWindow(this, kAnimationMs, AW_ACTIVATE | AW_CENTER);
  LoadSettings();
}

void TForm2::FormClose(TComponent*, TCloseAction&) {
  AnimateWindow(this, kAnimationMs, AW_HIDE | AW_CENTER);
}

// Each key is read with the control's current value as its default, in the window's own
// order. A check box that changes fires its click handler, which is how a stored window
// state, clock or ruler reaches the main window on the first showing.
void TForm2::LoadSettings() {
  const TSettingsFile& file = settingsFile_;
  ColorComboBox1->SetColorValue(static_cast<TColor>(
      file.ReadInteger(keys::kTextColor, static_cast<int>(ColorComboBox1->ColorValue()))));
  storedFace_ = file.ReadString(keys::kFontFace, FontFace());
  FontComboBox1->SetFontName(storedFace_);
  UpDown1->SetPosition(file.ReadInteger(keys::kFontSize, UpDown1->Position()));
  ColorDialog1->SetColor(static_cast<TColor>(
      file.ReadInteger(keys::kFieldColor, static_cast<int>(ColorDialog1->Color()))));
  FlatCheckBox1->SetChecked(file.ReadBool(keys::kFullScreen, FlatCheckBox1->Checked()));
  FlatCheckBox2->SetChecked(file.ReadBool(keys::kKeyboardSound, FlatCheckBox2->Checked()));
  FlatCheckBox3->SetChecked(file.ReadBool(keys::kEditorSound, FlatCheckBox3->Checked()));
  FlatCheckBox4->SetChecked(file.ReadBool(keys::kClock, FlatCheckBox4->Checked()));
  RadioGroup1->SetItemIndex(file.ReadInteger(keys::kTextStyle, RadioGroup1->ItemIndex()));
  FlatCheckBox5->SetChecked(file.ReadBool(keys::kRuler, FlatCheckBox5->Checked()));
}

void TForm2::SaveSettings() {
  settingsFile_.Save(Choices());
}

void TForm2::ColorComboBox1Click(TComponent*) {
  if (mainWindow_) mainWindow_->SetEditorTextColor(ColorComboBox1->ColorValue());
}

void TForm2::FontComboBox1Click(TComponent*) {
  if (mainWindow_) mainWindow_->SetEditorFontFace(FontComboBox1->FontName());
}

void TForm2::UpDown1Click(TComponent*, TUDBtnType) {
  if (mainWindow_) mainWindow_->SetEditorFontSize(UpDown1->Position());
}

void TForm2::FlatCheckBox1Click(TComponent*) {
  if (mainWindow_) mainWindow_->SetFullScreen(FlatCheckBox1->Checked());
}

void TForm2::FlatCheckBox4Click(TComponent*) {
  if (mainWindow_) mainWindow_->SetClockVisible(FlatCheckBox4->Checked());
}

void TForm2::FlatCheckBox5Click(TComponent*) {
  if (mainWindow_) mainWindow_->SetRulerVisible(FlatCheckBox5->Checked());
}

// A cancelled dialog keeps its colour, so the field simply gets the same colour again.
void TForm2::FlatButton3Click(TComponent*) {
  ColorDialog1->Execute();
  if (mainWindow_) mainWindow_->SetEditorFieldColor(ColorDialog1->Color());
}

// A refused write raises before Close, so the window stays open with the choices intact.
void TForm2::RbButton1Click(TComponent*) {
  SaveSettings();
  Close();
}
