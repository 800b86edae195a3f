#include "app/AppLayoutClasses.h"

#include "app/Unit1.h"
#include "app/Unit4.h"
#include "app/Unit5.h"
#include "app/Unit6.h"
#include "controls/KitLayoutClasses.h"
#include "controls/RbPanel.h"
#include "controls/SmoothPanel.h"
#include "controls/TFlatButtonUnit.h"
#include "controls/TFlatHintUnit.h"
#include "controls/VasPanel.h"
#include "controls/WordRuler.h"
#include "pictures/RxGIF.h"
#include "platform/controls/Image.h"
#include "platform/controls/Label.h"
#include "platform/controls/StatusBar.h"
#include "platform/environment/Dialogs.h"
#include "platform/framework/Timer.h"
#include "platform/layout/LayoutClass.h"
#include "platform/layout/LayoutClasses.h"
#include "platform/richedit/RichEdit.h"
#include "platform/richedit/RichEditLayout.h"

namespace {

void RegisterMainWindow() {
  LayoutClass<TForm1, TForm>("TForm1")
      .Field("RbPanel1", &TForm1::RbPanel1)
      .Field("SmoothPanel1", &TForm1::SmoothPanel1)
      .Field("Image1", &TForm1::Image1)
      .Field("Image2", &TForm1::Image2)
      .Field("SmoothPanel3", &TForm1::SmoothPanel3)
      .Field("FlatButton24", &TForm1::FlatButton24)
      .Field("FlatButton25", &TForm1::FlatButton25)
      .Field("FlatButton26", &TForm1::FlatButton26)
      .Field("FlatButton27", &TForm1::FlatButton27)
      .Field("SmoothPanel2", &TForm1::SmoothPanel2)
      .Field("FlatButton1", &TForm1::FlatButton1)
      .Field("FlatButton2", &TForm1::FlatButton2)
      .Field("FlatButton3", &TForm1::FlatButton3)
      .Field("FlatButton4", &TForm1::FlatButton4)
      .Field("FlatButton5", &TForm1::FlatButton5)
      .Field("FlatButton6", &TForm1::FlatButton6)
      .Field("FlatButton7", &TForm1::FlatButton7)
      .Field("FlatButton8", &TForm1::FlatButton8)
      .Field("FlatButton9", &TForm1::FlatButton9)
      .Field("FlatButton10", &TForm1::FlatButton10)
      .Field("FlatButton11", &TForm1::FlatButton11)
      .Field("FlatButton12", &TForm1::FlatButton12)
      .Field("FlatButton13", &TForm1::FlatButton13)
      .Field("FlatButton14", &TForm1::FlatButton14)
      .Field("FlatButton15", &TForm1::FlatButton15)
      .Field("FlatButton16", &TForm1::FlatButton16)
      .Field("FlatButton17", &TForm1::FlatButton17)
      .Field("FlatButton18", &TForm1::FlatButton18)
      .Field("FlatButton19", &TForm1::FlatButton19)
      .Field("FlatButton20", &TForm1::FlatButton20)
      .Field("FlatButton21", &TForm1::FlatButton21)
      .Field("FlatButton22", &TForm1::FlatButton22)
      .Field("FlatButton23", &TForm1::FlatButton23)
      .Field("SmoothPanel4", &TForm1::SmoothPanel4)
      .Field("WordRuler1", &TForm1::WordRuler1)
      .Field("RichEdit1", &TForm1::RichEdit1)
      .Field("StatusBar1", &TForm1::StatusBar1)
      .Field("SaveDialog1", &TForm1::SaveDialog1)
      .Field("OpenDialog1", &TForm1::OpenDialog1)
      .Field("PrinterSetupDialog1", &TForm1::PrinterSetupDialog1)
      .Field("Timer1", &TForm1::Timer1)
      .Field("FlatHint1", &TForm1::FlatHint1)
      .Handler("FormCreate", &TForm1::FormCreate)
      .Handler("FormShow", &TForm1::FormShow)
      .Handler("FormCloseQuery", &TForm1::FormCloseQuery)
      .Handler("FormClose", &TForm1::FormClose)
      .Handler("FormMouseDown", &TForm1::FormMouseDown)
      .Handler("FlatButton24Click", &TForm1::FlatButton24Click)
      .Handler("FlatButton25Click", &TForm1::FlatButton25Click)
      .Handler("FlatButton26Click", &TForm1::FlatButton26Click)
      .Handler("FlatButton27Click", &TForm1::FlatButton27Click)
      .Handler("Timer1Timer", &TForm1::Timer1Timer)
      .Handler("FlatButton1Click", &TForm1::FlatButton1Click)
      .Handler("FlatButton2Click", &TForm1::FlatButton2Click)
      .Handler("FlatButton3Click", &TForm1::FlatButton3Click)
      .Handler("FlatButton7Click", &TForm1::FlatButton7Click);
}

void RegisterPrompts() {
  LayoutClass<TSavePrompt, TForm>("TSavePrompt")
      .Field("RbPanel1", &TSavePrompt::RbPanel1)
      .Field("VasPanel1", &TSavePrompt::VasPanel1)
      .Field("Image1", &TSavePrompt::Image1)
      .Field("Label1", &TSavePrompt::Label1)
      .Handler("FormCreate", &TSavePrompt::FormCreate)
      .Handler("FormShow", &TSavePrompt::FormShow)
      .Handler("FormClose", &TSavePrompt::FormClose);
  LayoutClass<TForm4, TSavePrompt>("TForm4")
      .Field("FlatButton1", &TForm4::FlatButton1)
      .Field("FlatButton2", &TForm4::FlatButton2)
      .Field("FlatButton3", &TForm4::FlatButton3)
      .Handler("FlatButton1Click", &TForm4::FlatButton1Click)
      .Handler("FlatButton2Click", &TForm4::FlatButton2Click)
      .Handler("FlatButton3Click", &TForm4::FlatButton3Click);
  LayoutClass<TForm5, TSavePrompt>("TForm5")
      .Field("FlatButton4", &TForm5::FlatButton4)
      .Field("FlatButton5", &TForm5::FlatButton5)
      .Field("FlatButton6", &TForm5::FlatButton6)
      .Handler("FlatButton4Click", &TForm5::FlatButton4Click)
      .Handler("FlatButton5Click", &TForm5::FlatButton5Click)
      .Handler("FlatButton6Click", &TForm5::FlatButton6Click);
  LayoutClass<TForm6, TSavePrompt>("TForm6")
      .Field("FlatButton4", &TForm6::FlatButton4)
      .Field("FlatButton5", &TForm6::FlatButton5)
      .Field("FlatButton6", &TForm6::FlatButton6)
      .Handler("FlatButton4Click", &TForm6::FlatButton4Click)
      .Handler("FlatButton5Click", &TForm6::FlatButton5Click)
      .Handler("FlatButton6Click", &TForm6::FlatButton6Click);
}

}  // namespace

void RegisterAppLayoutClasses() {
  RegisterPlatformLayoutClasses();
  RegisterGIFImage();
  RegisterRichEditLayoutClasses();
  RegisterKitLayoutClasses();
  RegisterMainWindow();
  RegisterEditingAndMenuLayout();
  RegisterPrompts();
}
