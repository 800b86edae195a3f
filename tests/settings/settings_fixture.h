// The settings and about windows built from their layouts, headless, with the scripted
// environment and a stand-in for the main window that records what it is told to do.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "common/FakeEnvironment.h"
#include "common/TempFiles.h"
#include "controls_ruler/fake_font_catalog.h"
#include "platform/framework/Form.h"
#include "platform/layout/LayoutReader.h"
#include "platform/testing/TestInput.h"
#include "settings/MainWindowLink.h"
#include "settings/SettingsLayoutClasses.h"
#include "settings/Unit2.h"
#include "settings/firma.h"

// Every request as "what=value", in order, and the state the requests leave behind.
class FakeMainWindow : public IMainWindowLink {
 public:
  void SetEditorTextColor(TColor color) override {
    calls.push_back("textcolor=" + std::to_string(color));
    textColor = color;
  }
  void SetEditorFontFace(const std::string& face) override {
    calls.push_back("face=" + face);
    face_ = face;
  }
  void SetEditorFontSize(int points) override {
    calls.push_back("size=" + std::to_string(points));
    size = points;
  }
  void SetEditorFieldColor(TColor color) override {
    calls.push_back("fieldcolor=" + std::to_string(color));
    fieldColor = color;
  }
  void SetFullScreen(bool maximised) override {
    if (watched) watchedVisible.push_back(watched->Visible());
    calls.push_back(std::string("fullscreen=") + (maximised ? "1" : "0"));
    fullScreen = maximised;
  }
  void SetClockVisible(bool visible) override {
    calls.push_back(std::string("clock=") + (visible ? "1" : "0"));
    clock = visible;
  }
  void SetRulerVisible(bool visible) override {
    calls.push_back(std::string("ruler=") + (visible ? "1" : "0"));
    ruler = visible;
  }

  std::vector<std::string> calls;
  // Whether this window was visible at each SetFullScreen.
  const TForm* watched = nullptr;
  std::vector<bool> watchedVisible;
  TColor textColor = 0;
  std::string face_;
  int size = 0;
  TColor fieldColor = 0;
  bool fullScreen = true;
  bool clock = true;
  bool ruler = true;
};

template <class T>
std::unique_ptr<T> MakeWindow() {
  auto window = std::make_unique<T>();
  ReadOwnLayout(*window);
  window->AfterConstruction();
  return window;
}

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetAnimationsEnabled(false);
    RegisterSettingsLayoutClasses();
    fonts.screen = {FakeFontCatalog::Family("Arial", TRUETYPE_FONTTYPE),
                    FakeFontCatalog::Family("Courier New", TRUETYPE_FONTTYPE),
                    FakeFontCatalog::Family("Times New Roman", TRUETYPE_FONTTYPE),
                    FakeFontCatalog::Family("Verdana", TRUETYPE_FONTTYPE)};
    dir = testfiles::FreshDirForThisTest("settings_window");
    std::filesystem::create_directories(dir / "program");
    form2 = MakeWindow<TForm2>();
    form2->SetSettingsFile(TSettingsFile((dir / "program").string(), ""));
    form2->SetMainWindow(&main);
  }
  void TearDown() override {
    form2.reset();
    SetAnimationsEnabled(true);
  }

  std::filesystem::path SettingsPath() const { return dir / "program" / "Parametr.ini"; }
  void WriteSettings(const std::string& text) { testfiles::WriteFile(SettingsPath(), text); }
  std::string ReadSettings() const { return testfiles::ReadFile(SettingsPath()); }
  // Shows the window as "Настройка" does and clears what the showing did to the main window.
  void ShowSettings() {
    main.calls.clear();
    form2->Show();
    TestInput::ProcessEvents();
    shownCalls = main.calls;
    main.calls.clear();
  }

  FakeEnvironment env;
  FakeFontCatalog fonts;
  FakeMainWindow main;
  std::filesystem::path dir;
  std::unique_ptr<TForm2> form2;
  std::vector<std::string> shownCalls;  // the main window's requests made by the last showing
};
