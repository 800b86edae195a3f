// AnimateWindow keeps the form's Visible state and its show and hide events in step with the
// window, with the animation running and with animations off.
#include <QTimer>
#include <QWidget>

#include "control_fixture.h"
#include "platform/qt/ControlHost.h"
#include "platform/testing/TestInput.h"

namespace {

class AnimationTest : public ControlTest, public ::testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    SetAnimationsEnabled(GetParam());
    form = MakeForm(100, 100, 200, 100);
    form->OnShow = [this](TComponent*) { ++shows; };
    form->OnHide = [this](TComponent*) { ++hides; };
  }
  void TearDown() override {
    form.reset();
    SetAnimationsEnabled(false);
    ControlTest::TearDown();
  }
  bool OnScreen() const { return HostWidget(form.get())->isVisible(); }

  std::unique_ptr<TForm> form;
  int shows = 0;
  int hides = 0;
};

TEST_P(AnimationTest, AFormAnimatedAwayReadsHiddenAndShowsAgain) {
  form->Show();
  ASSERT_TRUE(OnScreen());
  EXPECT_TRUE(AnimateWindow(form.get(), 40, AW_HIDE | AW_CENTER));
  EXPECT_FALSE(OnScreen());
  EXPECT_FALSE(form->Visible());
  EXPECT_EQ(hides, 1);
  form->Show();
  EXPECT_TRUE(OnScreen());
  EXPECT_TRUE(form->Visible());
  EXPECT_EQ(shows, 2);
  // Closing (a hide) after the animation has hidden it fires OnHide no second time.
  form->OnClose = [](TComponent* sender, TCloseAction&) {
    AnimateWindow(static_cast<TCustomForm*>(sender), 40, AW_HIDE | AW_CENTER);
  };
  form->Close();
  EXPECT_FALSE(OnScreen());
  EXPECT_FALSE(form->Visible());
  EXPECT_EQ(hides, 2);
}

TEST_P(AnimationTest, AnimatingAHiddenFormIntoViewFiresOnShow) {
  EXPECT_TRUE(AnimateWindow(form.get(), 40, AW_ACTIVATE | AW_CENTER));
  EXPECT_TRUE(OnScreen());
  EXPECT_TRUE(form->Visible());
  EXPECT_EQ(shows, 1);
  EXPECT_EQ(form->host().CurrentMask().isEmpty(), true);
}

TEST_P(AnimationTest, AnOnShowThatAnimatesTheFormItselfShowsItOnce) {
  form->OnShow = [this](TComponent* sender) {
    ++shows;
    AnimateWindow(static_cast<TCustomForm*>(sender), 40, AW_ACTIVATE | AW_CENTER);
  };
  AnimateWindow(form.get(), 40, AW_ACTIVATE | AW_CENTER);
  EXPECT_TRUE(OnScreen());
  EXPECT_EQ(shows, 1);
  form->Hide();
  form->Show();
  EXPECT_TRUE(OnScreen());
  EXPECT_EQ(shows, 2);
}

TEST_P(AnimationTest, AModalFormAnimatingAwayKeepsTheResultOfItsButton) {
  form->OnClose = [](TComponent* sender, TCloseAction&) {
    AnimateWindow(static_cast<TCustomForm*>(sender), 40, AW_HIDE | AW_CENTER);
  };
  QTimer::singleShot(10, [this] { form->SetModalResult(mrYes); });
  EXPECT_EQ(form->ShowModal(), mrYes);
  EXPECT_FALSE(form->Visible());
  EXPECT_EQ(hides, 1);
}

INSTANTIATE_TEST_SUITE_P(AnimationsOnAndOff, AnimationTest, ::testing::Bool());

}  // namespace
