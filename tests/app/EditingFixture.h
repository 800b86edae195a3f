// The main window shown headless with the scripted environment, for the editing and menu
// commands: typing goes through the real key path, the window's focus is real.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include "AppFixture.h"
#include "controls/RxMenus.h"
#include "controls/TFlatButtonUnit.h"
#include "controls/WordRuler.h"
#include "platform/controls/StatusBar.h"
#include "platform/environment/FindDialog.h"
#include "platform/testing/TestInput.h"

// PATH replaced by one folder for the life of the object.
class TFakePath {
 public:
  explicit TFakePath(const std::filesystem::path& folder) {
    if (const char* path = std::getenv("PATH")) saved_ = path;
    std::filesystem::create_directories(folder);
    setenv("PATH", folder.c_str(), 1);
  }
  ~TFakePath() { setenv("PATH", saved_.c_str(), 1); }
  TFakePath(const TFakePath&) = delete;
  TFakePath& operator=(const TFakePath&) = delete;

 private:
  std::string saved_;
};

class EditingTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    form1->Show();
    TestInput::ProcessEvents();
    env.sounds.clear();
  }
  void TearDown() override {
    form1->Hide();
    AppTest::TearDown();
  }

  // Puts the document in place as a loaded file would: not an edit of the user's.
  void SetDocument(const std::string& text) {
    const TForm1::TDocumentReplacement replacing(*form1);
    Editor().SetText(text);
    form1->DocModified = 0;
  }
  void TypeKeys(const std::string& text) {
    Editor().SetFocus();
    TestInput::Type(form1.get(), text);
  }
  std::string Click() const { return Sound(sounds::kClick); }
  std::string Panel0() const { return form1->StatusBar1->Panels()[0].Text(); }
  TParaAttributes& Paragraph() { return Editor().Paragraph(); }
  // The whole text with CR LF between paragraphs turned into "|", for short expectations.
  std::string Joined() {
    std::string text = Editor().Text();
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
        out += '|';
        ++i;
      } else if (text[i] == '\r' || text[i] == '\n') {
        out += '|';
      } else {
        out += text[i];
      }
    }
    return out;
  }
};
