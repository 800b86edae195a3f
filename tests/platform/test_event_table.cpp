// Every event below is assigned and triggered once per row; each trigger must call the handler
// exactly once (and a repeatable trigger once more when repeated).
#include <functional>

#include "control_fixture.h"
#include "platform/testing/TestInput.h"

namespace {

using namespace TestInput;

// A shown, active form with a focusable probe, and a second form not yet shown.
struct Rig {
  Rig() {
    form = std::make_unique<TForm>(nullptr);
    form->SetBorderStyle(TFormBorderStyle::bsNone);
    form->SetBounds(20, 20, 200, 120);
    probe = new Probe(form.get(), form.get(), Bounds(10, 10, 60, 40));
    probe->SetTabStop(true);
    other = new TForm(nullptr);
    otherRef = other;
    other->SetBorderStyle(TFormBorderStyle::bsNone);
    other->SetBounds(300, 20, 100, 100);
    form->Show();
    probe->SetFocus();
    ProcessEvents(20);
  }
  ~Rig() {
    if (TForm* alive = otherRef.Get()) delete alive;
  }
  std::unique_ptr<TForm> form;
  Probe* probe = nullptr;
  TForm* other = nullptr;
  TComponentRef<TForm> otherRef;
};

struct EventCase {
  const char* event;
  std::function<void(Rig&, TNotifyEvent count)> assign;
  std::function<void(Rig&)> trigger;
  bool repeatable;
};

const EventCase kEvents[] = {
    {"OnResize", [](Rig& r, TNotifyEvent count) { r.probe->OnResize = count; },
     [](Rig& r) { r.probe->SetWidth(r.probe->Width() + 10); }, true},
    {"OnActivate", [](Rig& r, TNotifyEvent count) { r.other->OnActivate = count; },
     [](Rig& r) {
       r.other->Show();
       ProcessEvents(20);
     },
     false},
    {"OnDeactivate", [](Rig& r, TNotifyEvent count) { r.form->OnDeactivate = count; },
     [](Rig& r) {
       r.other->Show();
       ProcessEvents(20);
     },
     false},
    {"OnDestroy", [](Rig& r, TNotifyEvent count) { r.other->OnDestroy = count; },
     [](Rig& r) {
       r.other->Release();
       ProcessEvents(20);
     },
     false},
    {"OnKeyUp",
     [](Rig& r, TNotifyEvent count) {
       r.probe->OnKeyUp = [count](TComponent* sender, TKey&, TShiftState) { count(sender); };
     },
     [](Rig& r) { Key(r.form.get(), 'A', "a"); }, true},
    {"OnMouseUp",
     [](Rig& r, TNotifyEvent count) {
       r.probe->OnMouseUp = [count](TComponent* sender, TMouseButton, TShiftState, int, int) {
         count(sender);
       };
     },
     [](Rig& r) { Click(r.probe, Point(5, 5)); }, true},
    {"OnPaint", [](Rig& r, TNotifyEvent count) { r.form->OnPaint = count; },
     [](Rig& r) { r.form->Repaint(); }, true},
};

TEST_F(ControlTest, EachEventFiresOnceForEachTrigger) {
  for (const EventCase& e : kEvents) {
    Rig rig;
    int calls = 0;
    TComponent* sender = nullptr;
    e.assign(rig, [&](TComponent* s) {
      ++calls;
      sender = s;
    });
    e.trigger(rig);
    EXPECT_EQ(calls, 1) << e.event;
    EXPECT_NE(sender, nullptr) << e.event;
    if (!e.repeatable) continue;
    e.trigger(rig);
    EXPECT_EQ(calls, 2) << e.event << " again";
  }
}

}  // namespace
