#include "app/SavePrompt.h"

#include "app/Sounds.h"
#include "app/Unit1.h"

namespace {

constexpr int kAnimationMs = 500;

}  // namespace

void TSavePrompt::Open() {
  if (Visible()) {
    BringToFront();
    return;
  }
  Show();
}

void TSavePrompt::FormCreate(TComponent*) {
  CenterOnScreen();
}

void TSavePrompt::FormShow(TComponent*) {
  AnimateWindow(this, kAnimationMs, AW_ACTIVATE | AW_CENTER);
  PlayOrStop(Main().EditorSoundOn, sounds::kPrompt);
}

void TSavePrompt::FormClose(TComponent*, TCloseAction&) {
  AnimateWindow(this, kAnimationMs, AW_HIDE | AW_CENTER);
}

TForm1& TSavePrompt::Main() const {
  return *mainWindow_;
}

bool TSavePrompt::SaveThroughDialog() {
  std::string fileName;
  if (!Main().ExecuteSaveDialog(fileName)) return false;
  Main().SaveDocumentFile(fileName);
  return true;
}

void TSavePrompt::CancelPrompt() {
  Main().FocusEditor();
  Close();
}
