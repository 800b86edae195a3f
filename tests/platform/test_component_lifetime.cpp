// Components going away: removal notices sent while the going component is whole, free
// notification across owners, and references that know when their component is gone even
// when a new one takes its address.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "control_fixture.h"
#include "platform/core/Component.h"
#include "platform/testing/TestInput.h"

namespace {

// A component others refer to, with a part of its own beyond the base.
class Sheet : public TComponent {
 public:
  explicit Sheet(TComponent* owner) : TComponent(owner) {}
  std::string ClassName() const override { return "Sheet"; }
  std::string title = "sheet";
};

// Holds a reference to a sheet and records what each removal notice showed it.
class Holder : public TComponent {
 public:
  explicit Holder(TComponent* owner) : TComponent(owner) {}
  void Refer(Sheet* sheet) {
    sheet_ = sheet;
    if (sheet) sheet->FreeNotification(this);
  }
  Sheet* sheet() const { return sheet_; }
  std::vector<std::string> heard;  // the going sheet's title, or "?" when it was not whole

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation != opRemove || component != sheet_) return;
    auto* sheet = dynamic_cast<Sheet*>(component);
    heard.push_back(sheet ? sheet->title : "?");
    sheet_ = nullptr;
  }

 private:
  Sheet* sheet_ = nullptr;
};

struct GoingCase {
  const char* name;
  // Frees the sheet (owned by sheetOwner) one way or another.
  std::function<void(std::unique_ptr<TComponent>& sheetOwner, Sheet* sheet)> free;
};

const GoingCase kWaysToGo[] = {
    {"delete", [](auto&, Sheet* sheet) { delete sheet; }},
    {"owner freed", [](std::unique_ptr<TComponent>& owner, Sheet*) { owner.reset(); }},
    {"unique_ptr",
     [](auto&, Sheet* sheet) {
       std::unique_ptr<TComponent> holder(sheet);
       holder.reset();
     }},
};

}  // namespace

TEST(ComponentLifetime, ARemovalNoticeShowsTheWholeComponentToItsSiblings) {
  for (const GoingCase& way : kWaysToGo) {
    auto owner = std::make_unique<TComponent>(nullptr);
    auto* holder = new Holder(nullptr);
    owner->InsertComponent(holder);
    auto* sheet = new Sheet(owner.get());
    sheet->title = "Лист";
    holder->Refer(sheet);
    // The holder outlives an owner freed in this case: take it back first.
    if (std::string(way.name) == "owner freed") {
      owner->RemoveComponent(holder);
      way.free(owner, sheet);
      EXPECT_EQ(holder->heard, (std::vector<std::string>{"Лист"})) << way.name;
      delete holder;
      continue;
    }
    way.free(owner, sheet);
    EXPECT_EQ(holder->heard, (std::vector<std::string>{"Лист"})) << way.name;
    EXPECT_EQ(holder->sheet(), nullptr);
    EXPECT_EQ(owner->ComponentCount(), 1) << way.name;
  }
}

TEST(ComponentLifetime, FreeNotificationReachesAHolderOnAnotherOwner) {
  for (const GoingCase& way : kWaysToGo) {
    auto formA = std::make_unique<TComponent>(nullptr);
    std::unique_ptr<TComponent> formB = std::make_unique<TComponent>(nullptr);
    auto* holder = new Holder(formA.get());
    auto* sheet = new Sheet(formB.get());
    holder->Refer(sheet);
    holder->Refer(sheet);  // asked twice, linked once
    way.free(formB, sheet);
    EXPECT_EQ(holder->heard, (std::vector<std::string>{"sheet"})) << way.name;
  }
}

TEST(ComponentLifetime, AGoneHolderIsNoLongerTold) {
  // Holder freed first, by delete or in place; the sheet going later tells nobody.
  auto formB = std::make_unique<TComponent>(nullptr);
  auto* sheet = new Sheet(formB.get());
  auto* early = new Holder(nullptr);
  early->Refer(sheet);
  delete early;
  {
    Holder local(nullptr);
    local.Refer(sheet);
  }
  Holder survivor(nullptr);
  survivor.Refer(sheet);
  Holder released(nullptr);
  released.Refer(sheet);
  sheet->RemoveFreeNotification(&released);
  formB.reset();
  EXPECT_EQ(survivor.heard, (std::vector<std::string>{"sheet"}));
  EXPECT_TRUE(released.heard.empty());
}

TEST(ComponentLifetime, AComponentDestroyedInPlaceStillSendsItsNotices) {
  auto formA = std::make_unique<TComponent>(nullptr);
  auto* holder = new Holder(formA.get());
  {
    Sheet sheet(nullptr);
    holder->Refer(&sheet);
  }
  // Only the base part was left to see, but the reference was cleared.
  EXPECT_EQ(holder->heard, (std::vector<std::string>{"?"}));
  EXPECT_EQ(holder->sheet(), nullptr);
}

TEST(ComponentLifetime, ARefReadsGoneWhenANewComponentTakesTheSameAddress) {
  alignas(Sheet) unsigned char storage[sizeof(Sheet)];
  Sheet* first = ::new (storage) Sheet(nullptr);
  const TComponentRef<Sheet> ref(first);
  EXPECT_EQ(ref.Get(), first);
  first->~Sheet();
  Sheet* second = ::new (storage) Sheet(nullptr);
  ASSERT_EQ(static_cast<void*>(second), static_cast<void*>(first));
  EXPECT_FALSE(ref.Alive());
  EXPECT_EQ(ref.Get(), nullptr);
  EXPECT_EQ(TComponentRef<Sheet>(second).Get(), second);
  second->~Sheet();
}

namespace {

// A graphic control that counts the mouse-up hooks it receives.
class Tile : public TGraphicControl {
 public:
  Tile(TComponent* owner, TWinControl* parent) : TGraphicControl(owner) {
    SetBounds(10, 10, 40, 40);
    SetParent(parent);
  }
  void MouseUp(TMouseButton, TShiftState, int, int) override { ++ups; }
  int ups = 0;
};

// The click handler below frees its own control: it may use nothing captured afterwards.
alignas(Tile) unsigned char g_tileStorage[sizeof(Tile)];
Tile* g_newcomer = nullptr;
TWinControl* g_tileParent = nullptr;

}  // namespace

TEST_F(ControlTest, AControlBuiltWhereAFreedOneWasGetsNoneOfItsEvents) {
  auto form = MakeForm(50, 50, 200, 100);
  form->Show();
  g_tileParent = form.get();
  g_newcomer = nullptr;
  Tile* tile = ::new (g_tileStorage) Tile(nullptr, form.get());
  tile->OnClick = [](TComponent* sender) {
    static_cast<Tile*>(sender)->~Tile();
    g_newcomer = ::new (g_tileStorage) Tile(nullptr, g_tileParent);
  };
  TestInput::Click(form.get(), Point(20, 20));
  ASSERT_NE(g_newcomer, nullptr);
  ASSERT_EQ(static_cast<void*>(g_newcomer), static_cast<void*>(tile));
  EXPECT_EQ(g_newcomer->ups, 0);
  g_newcomer->~Tile();
}
