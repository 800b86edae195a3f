// The about window: the logo, a short notice about the program and where to send questions and
// wishes, two buttons that open the project's web pages and "Х" that closes it. Shown modal; no
// animation; hidden, never destroyed, between showings.
#pragma once

#include "platform/framework/Form.h"

class TImage;
class TLabel;
class TRbPanel;
class tAtomButton;

class TZnak : public TForm {
 public:
  using TForm::TForm;
  std::string ClassName() const override { return "TZnak"; }

  TRbPanel* RbPanel1 = nullptr;
  TImage* Image1 = nullptr;
  TLabel* Label1 = nullptr;
  tAtomButton* tAtomButton1 = nullptr;  // the second web site
  tAtomButton* tAtomButton2 = nullptr;  // the home page
  tAtomButton* tAtomButton3 = nullptr;  // "Х"

  void FormShow(TComponent* sender);
  void tAtomButton1Click(TComponent* sender);
  void tAtomButton2Click(TComponent* sender);
  void tAtomButton3Click(TComponent* sender);

 protected:
  // The link buttons show the addresses the program was built with.
  void Loaded() override;
};

// The addresses the two link buttons show and open (chosen when the program is built).
const char* HomePageAddress();
const char* SecondSiteAddress();
