// The find dialog: a modeless window of our own (Qt has none) with the text to find, "Только
// слово целиком", "С учетом регистра", the direction ("Вверх" / "Вниз"), "Найти далее" and
// "Отмена". The component keeps the text, options and position between showings; each press of
// "Найти далее" takes the window's text and options into FindText and Options (with frFindNext)
// and fires OnFind. The window comes from TEnvironment::FindDialogs(), so tests drive a fake.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/core/Component.h"
#include "platform/framework/ControlTypes.h"
#include "platform/environment/Environment.h"

class TFindDialog : public TComponent {
 public:
  explicit TFindDialog(TComponent* owner = nullptr);
  ~TFindDialog() override;
  std::string ClassName() const override { return "TFindDialog"; }

  const std::string& FindText() const { return findText_; }
  void SetFindText(const std::string& text);
  TFindOptions Options() const { return options_; }
  void SetOptions(TFindOptions options);

  // Screen position of the window's top-left corner: applied at once while the window is
  // open, else when it opens. Until set, the window system places it.
  TPoint Position() const;
  void SetPosition(TPoint position);
  int Left() const { return Position().X; }
  int Top() const { return Position().Y; }
  void SetLeft(int left) { SetPosition({left, Position().Y}); }
  void SetTop(int top) { SetPosition({Position().X, top}); }

  // Shows the window (or brings it to the front) and returns at once; always true.
  bool Execute();
  void CloseDialog();
  bool Visible() const;

  TNotifyEvent OnShow;
  TNotifyEvent OnFind;
  TNotifyEvent OnClose;

 private:
  void EnsureWindow();
  void FindNextPressed(const std::string& text, TFindOptions options);
  void WindowClosed();

  std::unique_ptr<IFindWindow> window_;
  std::string findText_;
  TFindOptions options_ = frDown;
  std::optional<TPoint> position_;
};
