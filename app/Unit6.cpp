#include "app/Unit6.h"

#include "app/Unit1.h"

void TForm6::FlatButton4Click(TComponent*) {
  if (!SaveThroughDialog()) return;
  ClearAndClose();
}

void TForm6::FlatButton5Click(TComponent*) {
  ClearAndClose();
}

void TForm6::FlatButton6Click(TComponent*) {
  CancelPrompt();
}

void TForm6::ClearAndClose() {
  Main().ClearDocument();
  Main().FocusEditor();
  Main().DocModified = 0;
  Close();
}
