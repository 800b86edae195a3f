// Forms: modal results, the close sequence (closing the main form ends the program), window
// states, centring, the window-system flags, dragging without a window manager and the
// grow/shrink animation.
#include <QTimer>
#include <QWidget>

#include "control_fixture.h"
#include "platform/environment/Environment.h"
#include "platform/graphics/Region.h"
#include "platform/qt/ControlHost.h"
#include "platform/testing/TestInput.h"

namespace {

using namespace TestInput;

// A button-like control: a click hands its modal result to its form.
class ModalButton : public TCustomControl {
 public:
  ModalButton(TWinControl* parent, TRect bounds, TModalResult result)
      : TCustomControl(nullptr), result_(result) {
    SetBoundsRect(bounds);
    SetParent(parent);
  }
  void Click() override {
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(result_);
    TCustomControl::Click();
  }

 private:
  TModalResult result_;
};

class FixedScreen : public IScreenInfo {
 public:
  int ScreenWidth() override { return 800; }
  int ScreenHeight() override { return 600; }
};

TEST_F(ControlTest, AModalFormReturnsTheResultOfTheButtonThatEndedIt) {
  auto form = MakeForm(100, 100, 200, 100);
  auto* ok = new ModalButton(form.get(), Bounds(10, 10, 50, 20), mrOk);
  std::vector<std::string> events;
  form->OnShow = [&](TComponent*) { events.push_back("show"); };
  form->OnCloseQuery = [&](TComponent*, bool& canClose) {
    events.push_back("query");
    canClose = true;
  };
  form->OnClose = [&](TComponent*, TCloseAction& action) {
    events.push_back("close");
    EXPECT_EQ(action, caHide);
  };
  form->OnHide = [&](TComponent*) { events.push_back("hide"); };
  QTimer::singleShot(0, [&] {
    EXPECT_TRUE(form->Modal());
    Click(ok, Point(5, 5));
  });
  EXPECT_EQ(form->ShowModal(), mrOk);
  EXPECT_EQ(events, (std::vector<std::string>{"show", "query", "close", "hide"}));
  EXPECT_FALSE(form->Visible());
  EXPECT_FALSE(HostWidget(form.get())->isVisible());
  EXPECT_FALSE(form->Modal());
  // A visible form cannot be made modal.
  form->Show();
  EXPECT_THROW(form->ShowModal(), Exception);
}

TEST_F(ControlTest, ARefusedCloseKeepsTheModalLoopRunning) {
  auto form = MakeForm(100, 100, 200, 100);
  auto* yes = new ModalButton(form.get(), Bounds(10, 10, 50, 20), mrYes);
  int queries = 0;
  form->OnCloseQuery = [&](TComponent*, bool& canClose) { canClose = ++queries > 1; };
  QTimer::singleShot(0, [&] {
    Click(yes, Point(5, 5));
    QTimer::singleShot(0, [&] {
      // Refused: the modal result went back to mrNone and the form stays up.
      EXPECT_EQ(queries, 1);
      EXPECT_EQ(form->ModalResult(), mrNone);
      EXPECT_TRUE(form->Modal());
      EXPECT_TRUE(form->Visible());
      Click(yes, Point(5, 5));
    });
  });
  EXPECT_EQ(form->ShowModal(), mrYes);
  EXPECT_EQ(queries, 2);
}

TEST_F(ControlTest, CloseEndsAModalFormWithCancel) {
  auto form = MakeForm(100, 100, 200, 100);
  QTimer::singleShot(0, [&] { form->Close(); });
  EXPECT_EQ(form->ShowModal(), mrCancel);
  // The window system's close button does the same.
  QTimer::singleShot(0, [&] { HostWidget(form.get())->close(); });
  EXPECT_EQ(form->ShowModal(), mrCancel);
}

TEST_F(ControlTest, ClosingTheMainFormEndsTheMessageLoop) {
  TForm* main = nullptr;
  TForm* second = nullptr;
  Application->CreateForm(main);
  Application->CreateForm(second);
  EXPECT_EQ(Application->MainForm(), main);
  std::vector<std::string> events;
  main->OnCloseQuery = [&](TComponent*, bool&) { events.push_back("query"); };
  main->OnClose = [&](TComponent*, TCloseAction&) { events.push_back("close"); };
  main->OnShow = [&](TComponent*) {
    events.push_back("show");
    QTimer::singleShot(10, [&] { main->Close(); });
  };
  Application->Run();
  EXPECT_TRUE(Application->Terminated());
  EXPECT_EQ(events, (std::vector<std::string>{"show", "query", "close"}));
  EXPECT_FALSE(HostWidget(main)->isVisible());
  EXPECT_FALSE(second->Visible());
}

TEST_F(ControlTest, ClosingAnotherFormHidesItUnlessOnCloseSaysNone) {
  TForm* main = nullptr;
  TForm* dialog = nullptr;
  Application->CreateForm(main);
  Application->CreateForm(dialog);
  dialog->Show();
  TCloseAction chosen = caNone;
  dialog->OnClose = [&](TComponent*, TCloseAction& action) { action = chosen; };
  dialog->Close();
  EXPECT_TRUE(dialog->Visible());
  chosen = caHide;
  dialog->Close();
  EXPECT_FALSE(dialog->Visible());
  EXPECT_FALSE(Application->Terminated());
  // caFree frees the form once events are handled.
  dialog->Show();
  chosen = caFree;
  dialog->Close();
  EXPECT_EQ(Application->ComponentCount(), 2);
  ProcessEvents(10);
  EXPECT_EQ(Application->ComponentCount(), 1);
}

TEST_F(ControlTest, OnCreateRunsOnceTheFormIsBuiltInCreationOrder) {
  struct Made : TForm {
    explicit Made(TComponent* owner) : TForm(owner) {
      OnCreate = [this](TComponent*) { created = Application->ComponentCount(); };
    }
    int created = -1;
  };
  Made* first = nullptr;
  Made* second = nullptr;
  Application->CreateForm(first);
  Application->CreateForm(second);
  EXPECT_EQ(first->created, 1);
  EXPECT_EQ(second->created, 2);
  EXPECT_EQ(Application->MainForm(), first);
  EXPECT_EQ(Screen->FormCount(), 2);
}

TEST_F(ControlTest, FormsCentreThemselvesOnTheScreen) {
  FixedScreen screen;
  TEnvironmentServices fake;
  fake.screen = &screen;
  const TEnvironmentServices previous = TEnvironment::Install(fake);
  TForm form(nullptr);
  form.SetBorderStyle(TFormBorderStyle::bsNone);
  form.SetClientWidth(745);
  form.SetClientHeight(498);
  form.CenterOnScreen();
  EXPECT_EQ(form.Left(), (800 - 745) / 2);
  EXPECT_EQ(form.Top(), (600 - 498) / 2);
  // Position = poScreenCenter centres at every show.
  form.SetBounds(0, 0, 100, 50);
  form.SetPosition(poScreenCenter);
  form.Show();
  EXPECT_EQ(form.BoundsRect(), Bounds(350, 275, 100, 50));
  EXPECT_EQ(HostWidget(&form)->geometry(), QRect(350, 275, 100, 50));
  TEnvironment::Restore(previous);
}

TEST_F(ControlTest, BorderStyleFormStyleAndCaptionReachTheWindow) {
  TForm form(nullptr);
  form.SetBorderStyle(TFormBorderStyle::bsNone);
  form.SetFormStyle(fsStayOnTop);
  form.SetCaption("Form1");
  QWidget* widget = HostWidget(&form);
  EXPECT_TRUE(widget->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(widget->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(widget->windowTitle(), QString("Form1"));
  form.Show();
  form.SetFormStyle(fsNormal);  // new flags keep a shown window shown
  EXPECT_TRUE(widget->isVisible());
  EXPECT_FALSE(widget->windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(ControlTest, MaximisingResizesTheFormAndItsAlignedChildren) {
  auto form = MakeForm(100, 100, 300, 200);
  auto* client = new TCustomControl(form.get());
  client->SetAlign(alClient);
  client->SetParent(form.get());
  form->Show();
  ProcessEvents();
  form->SetWindowState(wsMaximized);
  ProcessEvents(20);
  EXPECT_EQ(form->WindowState(), wsMaximized);
  EXPECT_GT(form->Width(), 300);
  EXPECT_EQ(client->Width(), form->Width());
  form->SetWindowState(wsNormal);
  ProcessEvents(20);
  EXPECT_EQ(form->WindowState(), wsNormal);
  EXPECT_EQ(form->BoundsRect(), Bounds(100, 100, 300, 200));
  EXPECT_EQ(client->Width(), 300);
  // A state set while hidden applies when the form is shown.
  form->Hide();
  form->SetWindowState(wsMaximized);
  form->Show();
  ProcessEvents(20);
  EXPECT_TRUE(HostWidget(form.get())->isMaximized());
}

TEST_F(ControlTest, WithoutAWindowManagerTheFormFollowsTheMouseWhileDragged) {
  auto form = MakeForm(100, 100, 200, 100);
  auto* bar = new Probe(form.get(), form.get(), Bounds(0, 0, 200, 30));
  bar->OnMouseDown = [&](TComponent*, TMouseButton, TShiftState, int, int) {
    form->StartWindowDrag();
  };
  form->Show();
  MouseMove(bar, Point(50, 10));
  MouseDown(bar, mbLeft, Point(50, 10));
  EXPECT_TRUE(form->Dragging());
  MouseMove(bar, Point(80, 30), ssLeft);  // the bar's own coordinates: +30, +20
  EXPECT_EQ(form->BoundsRect(), Bounds(130, 120, 200, 100));
  MouseUp(form.get(), mbLeft, Point(50, 10));
  EXPECT_FALSE(form->Dragging());
  EXPECT_FALSE(bar->Has("click"));
}

TEST_F(ControlTest, AnimationGrowsTheWindowFromItsCentreAndShrinksItAway) {
  auto form = MakeForm(100, 100, 200, 100);
  SetAnimationsEnabled(true);
  QWidget* widget = HostWidget(form.get());
  QRect midway;
  QTimer::singleShot(100, [&] { midway = form->host().CurrentMask().boundingRect(); });
  form->OnShow = [&](TComponent* sender) {
    EXPECT_TRUE(AnimateWindow(static_cast<TCustomForm*>(sender), 300, AW_ACTIVATE | AW_CENTER));
  };
  form->Show();
  // Part way through, the visible part was a centred rectangle smaller than the window.
  ASSERT_FALSE(midway.isEmpty());
  EXPECT_LT(midway.width(), 200);
  EXPECT_LT(midway.height(), 100);
  EXPECT_NEAR(midway.center().x(), 100, 2);
  EXPECT_NEAR(midway.center().y(), 50, 2);
  EXPECT_TRUE(widget->isVisible());
  EXPECT_TRUE(form->host().CurrentMask().isEmpty());
  // Animating a shown window into view does nothing.
  EXPECT_FALSE(AnimateWindow(form.get(), 300, AW_ACTIVATE | AW_CENTER));
  EXPECT_TRUE(AnimateWindow(form.get(), 100, AW_HIDE | AW_CENTER));
  EXPECT_FALSE(widget->isVisible());
  // With animations off the change is immediate.
  SetAnimationsEnabled(false);
  EXPECT_TRUE(AnimateWindow(form.get(), 500, AW_ACTIVATE | AW_CENTER));
  EXPECT_TRUE(widget->isVisible());
}

TEST_F(ControlTest, AFormRegionBecomesTheWindowMaskAndSurvivesAnimation) {
  auto form = MakeForm(100, 100, 200, 100);
  form->SetWindowRgn(CreateRoundRectRgn(0, 0, 201, 101, 20, 20));
  SetAnimationsEnabled(true);
  form->Show();
  EXPECT_TRUE(AnimateWindow(form.get(), 50, AW_HIDE | AW_CENTER));
  EXPECT_TRUE(AnimateWindow(form.get(), 50, AW_ACTIVATE | AW_CENTER));
  const QRegion mask = form->host().CurrentMask();
  EXPECT_FALSE(mask.contains(QPoint(0, 0)));
  EXPECT_TRUE(mask.contains(QPoint(100, 50)));
  EXPECT_EQ(mask.boundingRect(), QRect(0, 0, 200, 100));
}

}  // namespace
