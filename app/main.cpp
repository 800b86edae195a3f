// The editor's entry: the application, the windows created once in their order, the message
// loop. Everything else starts in the main window's creation and show handlers.
#include <cstdlib>
#include <string>
#include <vector>

#include "app/AppLayoutClasses.h"
#include "app/Unit1.h"
#include "app/Unit4.h"
#include "app/Unit5.h"
#include "app/Unit6.h"
#include "platform/framework/Application.h"
#include "settings/SettingsLayoutClasses.h"
#include "settings/Unit2.h"
#include "settings/firma.h"

int main(int argc, char** argv) {
  // The toolkit takes its own options out of argv, so the arguments are copied first.
  const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  // The start-up benchmark measures the program without the 500 ms growing of its window.
  if (const char* animation = std::getenv("TARVIK_ANIMATION"); animation && animation[0] == '0')
    SetAnimationsEnabled(false);
  Application->Initialize(argc, argv);
  Application->SetTitle("Тарвик");
  RegisterAppLayoutClasses();
  RegisterSettingsLayoutClasses();
  TForm1* form1 = nullptr;
  TForm2* form2 = nullptr;
  TForm4* form4 = nullptr;
  TForm5* form5 = nullptr;
  TForm6* form6 = nullptr;
  TZnak* znak = nullptr;
  CreateFormFromLayout(form1);
  CreateFormFromLayout(form2);
  CreateFormFromLayout(form4);
  CreateFormFromLayout(form5);
  CreateFormFromLayout(form6);
  CreateFormFromLayout(znak);
  form1->SetCommandLine(arguments);
  form1->SetPrompts(form4, form5, form6);
  form1->SetSecondaryWindows(form2, znak);
  form1->SetSettingsDefaultsSource([form2] { return form2->Choices(); });
  form2->SetMainWindow(form1);
  for (TSavePrompt* prompt : std::initializer_list<TSavePrompt*>{form4, form5, form6})
    prompt->SetMainWindow(form1);
  const int code = Application->Run();
  Application->Finalize();
  return code;
}
