#include "settings/SettingsLayoutClasses.h"

#include "controls/AtomButton.h"
#include "controls/KitLayoutClasses.h"
#include "controls/RbButton.h"
#include "controls/RbPanel.h"
#include "controls/RxCombos.h"
#include "controls/TFlatButtonUnit.h"
#include "controls/TFlatCheckBoxUnit.h"
#include "pictures/RxGIF.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Image.h"
#include "platform/controls/Label.h"
#include "platform/controls/RadioGroup.h"
#include "platform/environment/Dialogs.h"
#include "platform/layout/LayoutClass.h"
#include "settings/Unit2.h"
#include "settings/firma.h"

namespace {

void RegisterSettingsWindow() {
  LayoutClass<TForm2, TForm>("TForm2")
      .Field("RbPanel1", &TForm2::RbPanel1)
      .Field("Label1", &TForm2::Label1)
      .Field("ColorComboBox1", &TForm2::ColorComboBox1)
      .Field("Label2", &TForm2::Label2)
      .Field("FontComboBox1", &TForm2::FontComboBox1)
      .Field("Label3", &TForm2::Label3)
      .Field("Edit1", &TForm2::Edit1)
      .Field("UpDown1", &TForm2::UpDown1)
      .Field("RadioGroup1", &TForm2::RadioGroup1)
      .Field("RbPanel2", &TForm2::RbPanel2)
      .Field("FlatCheckBox1", &TForm2::FlatCheckBox1)
      .Field("FlatCheckBox2", &TForm2::FlatCheckBox2)
      .Field("FlatCheckBox3", &TForm2::FlatCheckBox3)
      .Field("FlatCheckBox4", &TForm2::FlatCheckBox4)
      .Field("FlatCheckBox5", &TForm2::FlatCheckBox5)
      .Field("FlatButton3", &TForm2::FlatButton3)
      .Field("Label4", &TForm2::Label4)
      .Field("RbButton1", &TForm2::RbButton1)
      .Field("ColorDialog1", &TForm2::ColorDialog1)
      .Handler("FormCreate", &TForm2::FormCreate)
      .Handler("FormShow", &TForm2::FormShow)
      .Handler("FormClose", &TForm2::FormClose)
      .Handler("ColorComboBox1Click", &TForm2::ColorComboBox1Click)
      .Handler("FontComboBox1Click", &TForm2::FontComboBox1Click)
      .Handler("UpDown1Click", &TForm2::UpDown1Click)
      .Handler("FlatCheckBox1Click", &TForm2::FlatCheckBox1Click)
      .Handler("FlatCheckBox4Click", &TForm2::FlatCheckBox4Click)
      .Handler("FlatCheckBox5Click", &TForm2::FlatCheckBox5Click)
      .Handler("FlatButton3Click", &TForm2::FlatButton3Click)
      .Handler("RbButton1Click", &TForm2::RbButton1Click);
}

void RegisterAboutWindow() {
  LayoutClass<TZnak, TForm>("TZnak")
      .Field("RbPanel1", &TZnak::RbPanel1)
      .Field("Image1", &TZnak::Image1)
      .Field("Label1", &TZnak::Label1)
      .Field("tAtomButton1", &TZnak::tAtomButton1)
      .Field("tAtomButton2", &TZnak::tAtomButton2)
      .Field("tAtomButton3", &TZnak::tAtomButton3)
      .Handler("FormShow", &TZnak::FormShow)
      .Handler("tAtomButton1Click", &TZnak::tAtomButton1Click)
      .Handler("tAtomButton2Click", &TZnak::tAtomButton2Click)
      .Handler("tAtomButton3Click", &TZnak::tAtomButton3Click);
}

}  // namespace

void RegisterSettingsLayoutClasses() {
  RegisterKitLayoutClasses();
  RegisterGIFImage();
  RegisterSettingsWindow();
  RegisterAboutWindow();
}
