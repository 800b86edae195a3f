#include "app/Unit4.h"

#include "app/Unit1.h"

void TForm4::FlatButton1Click(TComponent*) {
  if (!SaveThroughDialog()) return;
  CloseAndEndProgram();
}

void TForm4::FlatButton2Click(TComponent*) {
  CloseAndEndProgram();
}

void TForm4::FlatButton3Click(TComponent*) {
  CancelPrompt();
}

void TForm4::CloseAndEndProgram() {
  Close();
  Main().CloseConfirmed();
}
