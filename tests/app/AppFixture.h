// The program's windows built from their layouts, headless, with the scripted environment: no
// real dialog, sound, printer or desktop file is touched. The main window is not the
// application's main form here, so closing it hides it instead of ending the test program.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/AppLayoutClasses.h"
#include "app/Sounds.h"
#include "app/Unit1.h"
#include "app/Unit4.h"
#include "app/Unit5.h"
#include "app/Unit6.h"
#include "common/FakeEnvironment.h"
#include "common/TempFiles.h"
#include "platform/framework/Form.h"
#include "platform/layout/LayoutReader.h"
#include "platform/richedit/RichEdit.h"

template <class T>
std::unique_ptr<T> MakeWindow() {
  auto window = std::make_unique<T>();
  ReadOwnLayout(*window);
  window->AfterConstruction();
  return window;
}

class AppTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetAnimationsEnabled(false);
    RegisterAppLayoutClasses();
    dir = testfiles::FreshDirForThisTest("app");
    // The settings are read from the user's copy, which each test writes for itself.
    std::filesystem::create_directories(dir / "config" / "tarvik");
    setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
    form1 = MakeWindow<TForm1>();
    form4 = MakeWindow<TForm4>();
    form5 = MakeWindow<TForm5>();
    form6 = MakeWindow<TForm6>();
    for (TSavePrompt* prompt :
         std::initializer_list<TSavePrompt*>{form4.get(), form5.get(), form6.get()})
      prompt->SetMainWindow(form1.get());
    form1->SetPrompts(form4.get(), form5.get(), form6.get());
  }
  void TearDown() override { SetAnimationsEnabled(true); }

  void WriteSettings(const std::string& text) {
    testfiles::WriteFile(dir / "config" / "tarvik" / "Parametr.ini", text);
  }
  std::string Path(const std::string& name) const { return (dir / name).string(); }
  static std::string Sound(const char* name) { return "play " + SoundFilePath(name); }
  TRichEdit& Editor() { return *form1->RichEdit1; }
  // Puts a document into the editor as a load does, leaving it unmodified.
  void SetDocument(const std::string& text) {
    const TForm1::TDocumentReplacement replacing(*form1);
    Editor().SetText(text);
  }

  FakeEnvironment env;
  std::filesystem::path dir;
  std::unique_ptr<TForm1> form1;
  std::unique_ptr<TForm4> form4;
  std::unique_ptr<TForm5> form5;
  std::unique_ptr<TForm6> form6;
};
