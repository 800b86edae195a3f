// Scriptable stand-ins for everything the program asks of the desktop
// (platform/environment/Environment.h). Creating a FakeEnvironment installs it; destroying it puts
// back what was there before. Every request is recorded; dialogs and message boxes answer from
// queues the test fills, and an unscripted one answers as a cancelled dialog (or the box's default
// button), so no test ever blocks on a real window.
//
//   FakeEnvironment env;
//   env.fileAnswers.push_back("/tmp/a.rtf");      // the next file dialog chooses this file
//   env.messageBoxAnswers.push_back(mrNo);        // the next message box answers "Нет"
//   ... run the command ...
//   EXPECT_EQ(env.sounds, (std::vector<std::string>{"play /x/Muzik/knopka2.wav"}));
//
// Header-only, so every test program can use it without build changes.
#pragma once

#include <cstdio>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/core/Exception.h"
#include "platform/environment/Environment.h"
#include "platform/framework/ControlTypes.h"
#include "platform/graphics/Font.h"

class FakeFindWindow : public IFindWindow {
 public:
  void Show(const std::string& findText, TFindOptions options) override {
    visible = true;
    shownText = findText;
    shownOptions = options;
    ++showCount;
  }
  void Close() override { visible = false; }
  bool Visible() const override { return visible; }
  void MoveTo(TPoint p) override {
    position = p;
    moves.push_back(p);
  }
  TPoint Position() const override { return position; }

  // What the user does in the window.
  void PressFindNext(const std::string& text, TFindOptions options) {
    if (OnFindNext) OnFindNext(text, options);
  }
  void PressCancel() {
    visible = false;
    if (OnClosed) OnClosed();
  }

  bool visible = false;
  std::string shownText;
  TFindOptions shownOptions = 0;
  int showCount = 0;
  TPoint position;
  std::vector<TPoint> moves;
};

class FakeEnvironment : public IDialogs,
                        public IFindDialogs,
                        public IMessageBoxes,
                        public ISoundPlayer,
                        public IShell,
                        public ILocalClock,
                        public IScreenInfo {
 public:
  FakeEnvironment() {
    previous_ = TEnvironment::Install({this, this, this, this, this, this, this});
  }
  ~FakeEnvironment() override { TEnvironment::Restore(previous_); }
  FakeEnvironment(const FakeEnvironment&) = delete;
  FakeEnvironment& operator=(const FakeEnvironment&) = delete;

  // --- Dialogs: answers (std::nullopt = the user cancels) and the requests seen.
  std::deque<std::optional<std::string>> fileAnswers;
  std::deque<std::optional<TFont>> fontAnswers;
  std::deque<std::optional<TColor>> colorAnswers;
  std::deque<bool> printerSetupAnswers;
  std::vector<TFileDialogRequest> fileDialogs;
  std::vector<TFont> fontDialogs;  // the font each font dialog started with
  std::vector<TColor> colorDialogs;
  int printerSetupDialogs = 0;

  bool ExecuteFileDialog(TFileDialogRequest& request) override {
    fileDialogs.push_back(request);
    const std::optional<std::string> answer = Next(fileAnswers);
    if (!answer) return false;
    request.fileName = *answer;
    return true;
  }
  bool ExecuteFontDialog(TFont& font, TFontDialogOptions) override {
    fontDialogs.push_back(font);
    const std::optional<TFont> answer = Next(fontAnswers);
    if (!answer) return false;
    font.Assign(*answer);
    return true;
  }
  bool ExecuteColorDialog(TColor& color) override {
    colorDialogs.push_back(color);
    const std::optional<TColor> answer = Next(colorAnswers);
    if (!answer) return false;
    color = *answer;
    return true;
  }
  bool ExecutePrinterSetupDialog(TPrinter&) override {
    ++printerSetupDialogs;
    if (printerSetupAnswers.empty()) return false;
    const bool ok = printerSetupAnswers.front();
    printerSetupAnswers.pop_front();
    return ok;
  }

  // --- Find windows: every window made, owned by the find dialog that asked for it.
  std::vector<FakeFindWindow*> findWindows;
  std::unique_ptr<IFindWindow> CreateFindWindow() override {
    auto window = std::make_unique<FakeFindWindow>();
    findWindows.push_back(window.get());
    return window;
  }

  // --- Message boxes: answers by modal result; none scripted gives the default button.
  std::deque<int> messageBoxAnswers;
  std::vector<TMessageBoxRequest> messageBoxes;
  int ShowMessageBox(const TMessageBoxRequest& request) override {
    messageBoxes.push_back(request);
    if (!messageBoxAnswers.empty()) {
      const int answer = messageBoxAnswers.front();
      messageBoxAnswers.pop_front();
      return answer;
    }
    if (request.defaultButton) return request.defaultButton;
    return request.buttons.empty() ? mrOk : request.buttons.front();
  }

  // --- Sound: "play FILE" and "stop", in order.
  std::vector<std::string> sounds;
  void Play(const std::string& fileName) override { sounds.push_back("play " + fileName); }
  void Stop() override { sounds.push_back("stop"); }

  // --- Shell.
  struct StartedProcess {
    std::string program;
    std::vector<std::string> args;
  };
  std::vector<StartedProcess> processes;
  bool processStarts = true;
  std::vector<std::string> urls;
  bool urlOpens = true;
  std::vector<TFileTypeAssociation> associations;
  bool associationFails = false;
  bool StartProcess(const std::string& program, const std::vector<std::string>& args) override {
    processes.push_back({program, args});
    return processStarts;
  }
  bool OpenUrl(const std::string& url) override {
    urls.push_back(url);
    return urlOpens;
  }
  void RegisterFileTypes(const TFileTypeAssociation& association) override {
    associations.push_back(association);
    if (associationFails) throw Exception("Failed to set data for ''");
  }

  // --- Clock: a fixed time, formatted as "07:08:09" and "06.05.2024".
  TDateTime now{2024, 5, 6, 7, 8, 9, 0};
  TDateTime Now() override { return now; }
  std::string LongTimeString(const TDateTime& t) override {
    return TwoDigits(t.Hour) + ":" + TwoDigits(t.Minute) + ":" + TwoDigits(t.Second);
  }
  std::string ShortDateString(const TDateTime& t) override {
    return TwoDigits(t.Day) + "." + TwoDigits(t.Month) + "." + std::to_string(t.Year);
  }

  // --- Screen.
  int screenWidth = 1024;
  int screenHeight = 768;
  int ScreenWidth() override { return screenWidth; }
  int ScreenHeight() override { return screenHeight; }

 private:
  template <class T>
  static std::optional<T> Next(std::deque<std::optional<T>>& answers) {
    if (answers.empty()) return std::nullopt;
    std::optional<T> answer = answers.front();
    answers.pop_front();
    return answer;
  }
  static std::string TwoDigits(int n) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", n);
    return buffer;
  }

  TEnvironmentServices previous_;
};
