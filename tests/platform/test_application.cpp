// The application object: the default error handler (title as caption, error icon, a full stop
// added), OnException, the message loop and Terminate, timers of the timer component and of
// controls, and the screen queries.
#include <QTimer>
#include <new>

#include "control_fixture.h"
#include "platform/environment/Environment.h"
#include "platform/framework/Timer.h"
#include "platform/testing/TestInput.h"

namespace {

using namespace TestInput;

class FakeMessageBoxes : public IMessageBoxes {
 public:
  std::vector<TMessageBoxRequest> requests;
  int ShowMessageBox(const TMessageBoxRequest& request) override {
    requests.push_back(request);
    return mrOk;
  }
};

// A control counting its numbered timers' ticks.
class TimedControl : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  std::vector<int> ticks;
  bool killOnTick = false;
  void WMTimer(int id) override {
    ticks.push_back(id);
    if (killOnTick) KillTimer(id);
  }
};

TEST_F(ControlTest, TheDefaultErrorHandlerShowsTheMessageWithAFullStop) {
  std::vector<std::pair<std::string, std::string>> boxes;
  Application->ErrorBox = [&](const std::string& caption, const std::string& text) {
    boxes.emplace_back(caption, text);
  };
  Application->SetTitle("Тарвик");
  Application->HandleException(Exception("Cannot open file \"a.rtf\". No such file"));
  Application->HandleException(Exception("Уже с точкой."));
  Application->HandleException(Exception("Вопрос?"));
  Application->HandleException(Exception("Trailing space \n"));
  Application->HandleException(Exception(""));
  Application->HandleException(std::bad_alloc());
  ASSERT_EQ(boxes.size(), 6u);
  EXPECT_EQ(boxes[0].first, "Тарвик");
  EXPECT_EQ(boxes[0].second, "Cannot open file \"a.rtf\". No such file.");
  EXPECT_EQ(boxes[1].second, "Уже с точкой.");
  EXPECT_EQ(boxes[2].second, "Вопрос?");
  EXPECT_EQ(boxes[3].second, "Trailing space.");
  EXPECT_EQ(boxes[4].second, "");
  EXPECT_EQ(boxes[5].second, "Out of memory.");  // not the library's "std::bad_alloc"
}

TEST_F(ControlTest, WithoutAHookTheErrorGoesToTheEnvironmentsMessageBox) {
  FakeMessageBoxes fake;
  TEnvironmentServices services;
  services.messageBoxes = &fake;
  const TEnvironmentServices previous = TEnvironment::Install(services);
  Application->SetTitle("Тарвик");
  // An error thrown by a timer handler, the way errors reach the loop.
  TTimer timer(nullptr);
  timer.SetInterval(1);
  timer.SetOnTimer([&](TComponent*) {
    timer.SetEnabled(false);
    throw EStreamError("Ошибка записи файла");
  });
  for (int i = 0; i < 50 && fake.requests.empty(); ++i) ProcessEvents(5);
  TEnvironment::Restore(previous);
  ASSERT_EQ(fake.requests.size(), 1u);
  EXPECT_EQ(fake.requests[0].caption, "Тарвик");
  EXPECT_EQ(fake.requests[0].text, "Ошибка записи файла.");
  EXPECT_EQ(fake.requests[0].icon, miError);
  EXPECT_EQ(fake.requests[0].buttons, (std::vector<int>{mrOk}));
}

TEST_F(ControlTest, OnExceptionReplacesTheDefaultHandler) {
  int boxes = 0;
  Application->ErrorBox = [&](const std::string&, const std::string&) { ++boxes; };
  std::string seen;
  TComponent* seenSender = nullptr;
  Application->OnException = [&](TComponent* sender, const std::exception& e) {
    seen = e.what();
    seenSender = sender;
  };
  TForm form(nullptr);
  GuardedCall([] { throw std::runtime_error("plain"); }, &form);
  EXPECT_EQ(seen, "plain");
  EXPECT_EQ(seenSender, &form);
  GuardedCall([] { throw 42; });
  EXPECT_EQ(seen, "Unknown error");
  EXPECT_EQ(boxes, 0);
  // A failing OnException falls back to the message box instead of escaping.
  Application->OnException = [](TComponent*, const std::exception&) {
    throw Exception("handler failed");
  };
  GuardedCall([] { throw Exception("first"); });
  EXPECT_EQ(boxes, 1);
}

TEST_F(ControlTest, TerminateEndsTheLoopAndAnyModalFormWithCancel) {
  TForm* main = nullptr;
  TForm* dialog = nullptr;
  Application->CreateForm(main);
  Application->CreateForm(dialog);
  TModalResult result = mrOk;
  main->OnShow = [&](TComponent*) {
    QTimer::singleShot(0, [&] {
      QTimer::singleShot(10, [] { Application->Terminate(); });
      result = dialog->ShowModal();
    });
  };
  Application->Run();
  EXPECT_EQ(result, mrCancel);
  EXPECT_TRUE(Application->Terminated());
  EXPECT_FALSE(Application->Running());
}

TEST_F(ControlTest, TerminateBeforeRunReturnsAtOnceAndRunNeedsAMainForm) {
  EXPECT_EQ(Application->Run(), 0);  // no main form: nothing to run
  TForm* main = nullptr;
  Application->CreateForm(main);
  Application->Terminate();
  EXPECT_EQ(Application->Run(), 0);
  EXPECT_FALSE(main->Visible());
}

TEST_F(ControlTest, TheTimerComponentTicksWhileEnabled) {
  TTimer timer(nullptr);
  int ticks = 0;
  TComponent* sender = nullptr;
  timer.SetInterval(5);
  timer.SetOnTimer([&](TComponent* s) {
    ++ticks;
    sender = s;
  });
  EXPECT_TRUE(timer.Running());
  for (int i = 0; i < 100 && ticks < 3; ++i) ProcessEvents(5);
  EXPECT_GE(ticks, 3);
  EXPECT_EQ(sender, &timer);
  timer.SetEnabled(false);
  EXPECT_FALSE(timer.Running());
  const int stopped = ticks;
  ProcessEvents(30);
  EXPECT_EQ(ticks, stopped);
  timer.SetInterval(0);
  timer.SetEnabled(true);
  EXPECT_FALSE(timer.Running());  // a zero interval never runs
  EXPECT_EQ(TTimer(nullptr).Interval(), 1000);
}

TEST_F(ControlTest, ATimerRunsOnlyWhenEnabledWithAnIntervalAndAHandler) {
  struct Case {
    bool enabled;
    int interval;
    bool handler;
    bool running;
  };
  const Case cases[] = {
      {true, 5, true, true},  {true, 5, false, false},  {false, 5, true, false},
      {true, 0, true, false}, {false, 0, false, false},
  };
  for (const Case& c : cases) {
    TTimer timer(nullptr);
    timer.SetInterval(c.interval);
    timer.SetEnabled(c.enabled);
    if (c.handler) timer.SetOnTimer([](TComponent*) {});
    EXPECT_EQ(timer.Running(), c.running) << c.enabled << " " << c.interval << " " << c.handler;
    if (c.running) {
      // Taking the handler away stops it.
      timer.SetOnTimer(nullptr);
      EXPECT_FALSE(timer.Running());
    }
  }
}

TEST_F(ControlTest, NumberedControlTimersDeliverTheirIdsAndStopWhenKilled) {
  TimedControl control(nullptr);
  control.SetTimer(1, 5);
  control.SetTimer(7, 5);
  EXPECT_TRUE(control.TimerActive(1));
  for (int i = 0; i < 100 && control.ticks.size() < 4; ++i) ProcessEvents(5);
  EXPECT_NE(std::find(control.ticks.begin(), control.ticks.end(), 1), control.ticks.end());
  EXPECT_NE(std::find(control.ticks.begin(), control.ticks.end(), 7), control.ticks.end());
  control.KillTimer(1);
  control.KillTimer(7);
  EXPECT_FALSE(control.TimerActive(1));
  control.ticks.clear();
  ProcessEvents(30);
  EXPECT_TRUE(control.ticks.empty());
  // A handler may kill the timer that called it.
  control.killOnTick = true;
  control.SetTimer(3, 1);
  for (int i = 0; i < 100 && control.ticks.empty(); ++i) ProcessEvents(5);
  EXPECT_EQ(control.ticks, (std::vector<int>{3}));
  EXPECT_FALSE(control.TimerActive(3));
}

TEST_F(ControlTest, AControlFreedByItsOwnTimerDoesNotBreakTheLoop) {
  bool freed = false;
  struct Freeing : TimedControl {
    using TimedControl::TimedControl;
    bool* flag = nullptr;
    void WMTimer(int) override {
      *flag = true;
      delete this;
    }
  };
  auto* self = new Freeing(nullptr);
  self->flag = &freed;
  self->SetTimer(1, 1);
  for (int i = 0; i < 100 && !freed; ++i) ProcessEvents(5);
  EXPECT_TRUE(freed);
  ProcessEvents(10);
}

TEST_F(ControlTest, ScreenQueriesGoThroughTheEnvironment) {
  EXPECT_EQ(Screen->Width(), 800);  // the headless screen
  EXPECT_EQ(Screen->Height(), 800);
  Screen->SetCursorPos(Point(12, 34));
  EXPECT_EQ(Screen->CursorPos(), Point(12, 34));
  auto form = MakeForm(100, 100, 50, 50);
  form->Show();
  ProcessEvents();
  EXPECT_TRUE(Application->Active());
  EXPECT_EQ(Application->ActiveForm(), form.get());
  EXPECT_EQ(Screen->ActiveForm(), form.get());
}

}  // namespace
