// The open prompt: shown by "Открыть" when the document has unsaved typing.
#pragma once

#include "app/SavePrompt.h"

class TFlatButton;

class TForm5 : public TSavePrompt {
 public:
  using TSavePrompt::TSavePrompt;
  std::string ClassName() const override { return "TForm5"; }

  TFlatButton* FlatButton4 = nullptr;  // "Сохранить"
  TFlatButton* FlatButton5 = nullptr;  // "Нет"
  TFlatButton* FlatButton6 = nullptr;  // "Отмена"

  void FlatButton4Click(TComponent* sender);
  void FlatButton5Click(TComponent* sender);
  void FlatButton6Click(TComponent* sender);
};
