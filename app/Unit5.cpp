// The open prompt's buttons. The modified flag goes to 0 only when the typing was saved or the
// document was replaced: "Отмена", or a cancelled open dialog after "Нет", keep it.
#include "app/Unit5.h"

#include "app/Unit1.h"

void TForm5::FlatButton4Click(TComponent*) {
  if (!SaveThroughDialog()) return;
  std::string fileName;
  if (Main().ExecuteOpenDialog(fileName)) Main().LoadDocumentFile(fileName);
  Main().DocModified = 0;
  Close();
}

void TForm5::FlatButton5Click(TComponent*) {
  std::string fileName;
  if (!Main().ExecuteOpenDialog(fileName)) return;
  Main().LoadDocumentFile(fileName);
  Main().DocModified = 0;
  Main().FocusEditor();
  Close();
}

void TForm5::FlatButton6Click(TComponent*) {
  CancelPrompt();
}
