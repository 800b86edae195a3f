// The editor's entry point. Until the main window's own code arrives, the program opens a plain
// window with the rich-text control and the document named on the command line, so that the
// platform layer can be tried by hand.
#include <exception>
#include <string>
#include <vector>

#include "pictures/RxGIF.h"
#include "platform/core/Stream.h"
#include "platform/framework/Application.h"
#include "platform/framework/Form.h"
#include "platform/richedit/RichEdit.h"
#include "platform/richedit/RichEditLayout.h"

namespace {

void OpenDocument(TRichEdit& editor, const std::string& fileName) {
  try {
    TFileStream stream(fileName, TFileStream::fmOpenRead);
    editor.LoadFromStream(stream);
  } catch (const std::exception& error) {
    Application->HandleException(error);
  }
}

}  // namespace

int main(int argc, char** argv) {
  // The toolkit takes its own options (-reverse, -style NAME, ...) out of argv; a document may
  // be named like one, so the program's arguments are copied before it looks.
  const std::vector<std::string> arguments(argv, argv + argc);
  Application->Initialize(argc, argv);
  RegisterGIFImage();
  RegisterRichEditLayoutClasses();
  Application->SetTitle("Тарвик");
  TForm* form = nullptr;
  Application->CreateForm(form);
  form->SetCaption("Тарвик");
  form->SetPosition(poScreenCenter);
  form->SetClientWidth(640);
  form->SetClientHeight(480);
  auto* editor = new TRichEdit(form);
  editor->SetParent(form);
  editor->SetAlign(alClient);
  // The window shows before a large document is read, so the program is seen to be at work.
  form->Show();
  Application->ProcessMessages();
  if (arguments.size() > 1) OpenDocument(*editor, arguments[1]);
  const int code = Application->Run();
  Application->Finalize();
  return code;
}
