// The exit prompt: shown by "Выход" and the close button when the document has unsaved typing.
#pragma once

#include "app/SavePrompt.h"

class TFlatButton;

class TForm4 : public TSavePrompt {
 public:
  using TSavePrompt::TSavePrompt;
  std::string ClassName() const override { return "TForm4"; }

  TFlatButton* FlatButton1 = nullptr;  // "Сохранить"
  TFlatButton* FlatButton2 = nullptr;  // "Нет"
  TFlatButton* FlatButton3 = nullptr;  // "Отмена"

  void FlatButton1Click(TComponent* sender);
  void FlatButton2Click(TComponent* sender);
  void FlatButton3Click(TComponent* sender);

 private:
  void CloseAndEndProgram();
};
