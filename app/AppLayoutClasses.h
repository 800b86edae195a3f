// Registers the program's window classes of app/ (TForm1 and the three save prompts) with the
// layout reader, together with every class their layouts use. May run more than once.
#pragma once

void RegisterAppLayoutClasses();

#include "platform/framework/Application.h"
#include "platform/layout/LayoutReader.h"

// Creates a window of the program as the application's CreateForm does, reading its layout
// between construction and the creation handler, so that the handler finds its controls.
template <class T>
void CreateFormFromLayout(T*& reference) {
  T* form = new T(Application);
  ReadOwnLayout(*form);
  reference = form;
  Application->FormCreated(form);
}
