// The combo box: items, the selection and text rules, the user's choices (keys, list, mouse)
// with their events, the owner-draw hook and its entry states, and window re-creation.
#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>

#include "control_fixture.h"
#include "pixel_helpers.h"
#include "platform/controls/ComboBox.h"
#include "platform/graphics/Bitmap.h"
#include "platform/testing/TestInput.h"

namespace {

class ComboTest : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    form_ = MakeForm(100, 100, 300, 200);
    form_->Show();
    combo_ = Make(TComboBoxStyle::csDropDownList, 10);
  }
  void TearDown() override {
    if (QWidget* popup = QApplication::activePopupWidget()) popup->hide();
    ControlTest::TearDown();
  }
  TComboBox* Make(TComboBoxStyle style, int top) {
    auto* combo = new TComboBox(form_.get());
    combo->SetParent(form_.get());
    combo->SetBounds(21, top, 150, 22);
    combo->SetStyle(style);
    combo->SetItems({"Alpha", "Beta", "Gamma", "Delta"});
    combo->OnClick = [this](TComponent*) { log_.push_back("click"); };
    combo->OnChange = [this](TComponent*) { log_.push_back("change"); };
    combo->OnDropDown = [this](TComponent*) { log_.push_back("dropdown"); };
    combo->OnCloseUp = [this](TComponent*) { log_.push_back("closeup"); };
    return combo;
  }
  // Forces the open drop-down list to paint now (what the screen would show).
  static void PaintList() {
    if (QWidget* popup = QApplication::activePopupWidget()) popup->grab();
  }
  // The screen position of list item index of an open list of combo.
  TPoint ListItemCentre(TComboBox* combo, int index) {
    const TPoint below = combo->ClientToScreen(Point(0, combo->Height()));
    const int h = combo->ItemHeight();
    return form_->ScreenToClient(Point(below.X + 20, below.Y + 1 + index * h + h / 2));
  }
  std::unique_ptr<TForm> form_;
  TComboBox* combo_ = nullptr;
  std::vector<std::string> log_;
};

TEST_F(ComboTest, ItemsKeepDataCompareWithoutCaseAndSort) {
  TComboBoxItems& items = combo_->Items();
  items.SetObjects(1, 255);
  EXPECT_EQ(items.Objects(1), 255);
  EXPECT_EQ(items.IndexOf("gAmMa"), 2);
  EXPECT_EQ(items.IndexOfObject(255), 1);
  EXPECT_EQ(items.IndexOf("Epsilon"), -1);
  combo_->SetItemIndex(1);  // Beta
  combo_->SetSorted(true);
  EXPECT_EQ(items.ToVector(), (std::vector<std::string>{"Alpha", "Beta", "Delta", "Gamma"}));
  EXPECT_EQ(items.Add("Cyan", 7), 2);
  EXPECT_EQ(combo_->ItemIndex(), 1);
  EXPECT_EQ(items.Add("Aardvark"), 0);
  EXPECT_EQ(combo_->ItemIndex(), 2);  // the selection moves with its item
  EXPECT_EQ(combo_->Text(), "Beta");
  items.Delete(0);
  EXPECT_EQ(combo_->ItemIndex(), 1);
  items.Delete(1);
  EXPECT_EQ(combo_->ItemIndex(), -1);
  EXPECT_EQ(combo_->Text(), "");
  EXPECT_THROW(items.Strings(10), Exception);
  EXPECT_TRUE(log_.empty());
}

TEST_F(ComboTest, HeightFollowsTheField) {
  TCanvas measure;
  measure.SetFont(combo_->Font());
  EXPECT_EQ(combo_->Height(), measure.TextHeight("Wg") + 2 + 6);
  combo_->SetHeight(60);
  EXPECT_EQ(combo_->Height(), measure.TextHeight("Wg") + 2 + 6);
  combo_->SetStyle(TComboBoxStyle::csOwnerDrawFixed);
  combo_->SetItemHeight(16);
  EXPECT_EQ(combo_->Height(), 22);
  EXPECT_EQ(combo_->ItemHeight(), 16);
  EXPECT_EQ(combo_->FieldRect(), Rect(3, 3, 150 - 2 - 16 - 1, 19));
  EXPECT_EQ(combo_->ButtonRect(), Rect(150 - 18, 2, 148, 20));
  combo_->SetStyle(TComboBoxStyle::csSimple);
  combo_->SetHeight(100);
  EXPECT_EQ(combo_->Height(), 100);
}

TEST_F(ComboTest, AssignedIndexAndTextFireNothing) {
  combo_->SetItemIndex(2);
  EXPECT_EQ(combo_->Text(), "Gamma");
  combo_->SetItemIndex(9);
  EXPECT_EQ(combo_->ItemIndex(), -1);
  EXPECT_EQ(combo_->Text(), "");
  combo_->SetText("beta");  // a list picks the item, spelled as listed
  EXPECT_EQ(combo_->ItemIndex(), 1);
  EXPECT_EQ(combo_->Text(), "Beta");
  combo_->SetText("Omega");
  EXPECT_EQ(combo_->ItemIndex(), -1);
  EXPECT_EQ(combo_->Text(), "");
  EXPECT_TRUE(log_.empty());

  TComboBox* edit = Make(TComboBoxStyle::csDropDown, 50);
  edit->SetItemIndex(0);
  edit->SetText("Alpha");
  EXPECT_EQ(edit->ItemIndex(), 0);
  edit->SetText("Free text");
  EXPECT_EQ(edit->ItemIndex(), -1);
  EXPECT_EQ(edit->Text(), "Free text");
  EXPECT_TRUE(log_.empty());
}

TEST_F(ComboTest, KeysChooseAndFireClickThenChange) {
  combo_->SetFocus();
  TestInput::ProcessEvents();
  TestInput::Key(form_.get(), VK_DOWN);
  EXPECT_EQ(combo_->ItemIndex(), 0);
  TestInput::Key(form_.get(), VK_DOWN);
  EXPECT_EQ(combo_->Text(), "Beta");
  EXPECT_EQ(log_, (std::vector<std::string>{"click", "change", "click", "change"}));
  log_.clear();
  TestInput::Key(form_.get(), VK_END);
  TestInput::Key(form_.get(), VK_DOWN);  // already the last: nothing
  EXPECT_EQ(combo_->ItemIndex(), 3);
  TestInput::Key(form_.get(), 0, "g");
  EXPECT_EQ(combo_->Text(), "Gamma");
  EXPECT_EQ(log_, (std::vector<std::string>{"click", "change", "click", "change"}));
  // OnSelect, when set, replaces the change event of a choice.
  log_.clear();
  combo_->OnSelect = [this](TComponent*) { log_.push_back("select"); };
  TestInput::Key(form_.get(), VK_HOME);
  EXPECT_EQ(log_, (std::vector<std::string>{"click", "select"}));
}

TEST_F(ComboTest, TypingIntoTheFieldChangesTextAndClearsTheSelection) {
  TComboBox* edit = Make(TComboBoxStyle::csDropDown, 50);
  edit->SetItemIndex(1);
  edit->SetFocus();
  TestInput::ProcessEvents();
  TestInput::Key(form_.get(), VK_END);
  TestInput::Type(form_.get(), "x");
  EXPECT_EQ(edit->Text(), "Betax");
  EXPECT_EQ(edit->ItemIndex(), -1);
  EXPECT_EQ(log_, (std::vector<std::string>{"change"}));
  log_.clear();
  TestInput::Key(form_.get(), VK_DOWN);  // arrows still choose items
  EXPECT_EQ(edit->ItemIndex(), 0);
  EXPECT_EQ(edit->Text(), "Alpha");
  EXPECT_EQ(log_, (std::vector<std::string>{"click", "change"}));
}

TEST_F(ComboTest, ListOpensChoosesAndCloses) {
  combo_->SetItemIndex(1);
  combo_->SetFocus();
  TestInput::ProcessEvents();
  TestInput::Key(form_.get(), VK_DOWN, "", ssAlt);
  EXPECT_TRUE(combo_->DroppedDown());
  TestInput::Key(form_.get(), VK_DOWN);  // moves the highlight only
  EXPECT_EQ(combo_->ItemIndex(), 1);
  TestInput::Key(form_.get(), VK_RETURN);
  EXPECT_FALSE(combo_->DroppedDown());
  EXPECT_EQ(combo_->Text(), "Gamma");
  EXPECT_EQ(log_, (std::vector<std::string>{"dropdown", "closeup", "click", "change"}));

  log_.clear();
  combo_->SetDroppedDown(true);
  TestInput::Key(form_.get(), VK_DOWN);
  TestInput::Key(form_.get(), VK_ESCAPE);
  EXPECT_FALSE(combo_->DroppedDown());
  EXPECT_EQ(combo_->ItemIndex(), 2);
  EXPECT_EQ(log_, (std::vector<std::string>{"dropdown", "closeup"}));
}

TEST_F(ComboTest, MouseOpensTheListAndPicksAnItem) {
  TestInput::Click(combo_, Point(40, 10));
  ASSERT_TRUE(combo_->DroppedDown());
  const TPoint p = ListItemCentre(combo_, 3);
  TestInput::MouseMove(form_.get(), p);
  TestInput::Click(form_.get(), p);
  EXPECT_FALSE(combo_->DroppedDown());
  EXPECT_EQ(combo_->Text(), "Delta");
  EXPECT_EQ(log_, (std::vector<std::string>{"dropdown", "closeup", "click", "change"}));
  // A click elsewhere closes the list without a choice; the click on the combo box itself too.
  log_.clear();
  TestInput::Click(combo_, Point(40, 10));
  TestInput::Click(form_.get(), Point(250, 150));
  EXPECT_FALSE(combo_->DroppedDown());
  TestInput::Click(combo_, Point(40, 10));
  TestInput::Click(combo_, Point(40, 10));
  EXPECT_FALSE(combo_->DroppedDown());
  EXPECT_EQ(combo_->ItemIndex(), 3);
  EXPECT_EQ(log_, (std::vector<std::string>{"dropdown", "closeup", "dropdown", "closeup"}));
}

struct Drawn {
  int index;
  TRect rect;
  TOwnerDrawState state;
  TColor brush;
  TColor font;
};

TEST_F(ComboTest, OwnerDrawHookGetsTheEntryState) {
  combo_->SetStyle(TComboBoxStyle::csOwnerDrawFixed);
  combo_->SetItemHeight(16);
  std::vector<Drawn> drawn;
  combo_->OnDrawItem = [&](TComponent* sender, int index, const TRect& rect,
                           TOwnerDrawState state) {
    EXPECT_EQ(sender, combo_);
    TCanvas& canvas = combo_->Canvas();
    drawn.push_back({index, rect, state, canvas.Brush().Color(), canvas.Font().Color()});
    canvas.FillRect(rect);
  };
  TBitmap face;
  combo_->PaintTo(face);
  EXPECT_TRUE(drawn.empty());  // nothing selected: the field is only filled

  combo_->SetItemIndex(2);
  combo_->PaintTo(face);
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].index, 2);
  EXPECT_EQ(drawn[0].rect, combo_->FieldRect());
  EXPECT_EQ(drawn[0].state, odComboBoxEdit);
  EXPECT_EQ(drawn[0].brush, combo_->Color());

  combo_->SetFocus();
  TestInput::ProcessEvents();
  drawn.clear();
  combo_->PaintTo(face);
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].state, odComboBoxEdit | odSelected | odFocused);
  EXPECT_EQ(drawn[0].brush, clHighlight);
  EXPECT_EQ(drawn[0].font, clHighlightText);
  // The focus rectangle follows the hook's drawing.
  EXPECT_FALSE(PixelsNot(face, clHighlight).empty());

  combo_->SetEnabled(false);
  drawn.clear();
  combo_->PaintTo(face);
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].state, odComboBoxEdit | odDisabled);
  combo_->SetEnabled(true);

  combo_->SetDroppedDown(true);
  TestInput::Key(form_.get(), VK_DOWN);  // highlight Delta
  drawn.clear();
  PaintList();
  ASSERT_EQ(drawn.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(drawn[static_cast<std::size_t>(i)].index, i);
    EXPECT_EQ(drawn[static_cast<std::size_t>(i)].rect, Rect(1, 1 + 16 * i, 149, 17 + 16 * i));
    EXPECT_EQ(drawn[static_cast<std::size_t>(i)].state, i == 3 ? odSelected | odFocused : 0u);
  }
  EXPECT_EQ(drawn[3].brush, clHighlight);
}

TEST_F(ComboTest, VariableItemsAreMeasuredAndLongListsScroll) {
  combo_->SetStyle(TComboBoxStyle::csOwnerDrawVariable);
  std::vector<int> measured;
  combo_->OnMeasureItem = [&](TComponent*, int index, int& height) {
    measured.push_back(index);
    height = 10 + index;
  };
  std::vector<int> drawnIndexes;
  combo_->OnDrawItem = [&](TComponent*, int index, const TRect& rect, TOwnerDrawState state) {
    if (state & odComboBoxEdit) return;  // the field is as high as ItemHeight
    drawnIndexes.push_back(index);
    EXPECT_EQ(rect.Height(), 10 + index);
  };
  for (int i = 0; i < 16; ++i) combo_->Items().Add("Item " + std::to_string(i));
  combo_->SetDropDownCount(5);
  combo_->SetDroppedDown(true);
  PaintList();
  EXPECT_FALSE(measured.empty());
  EXPECT_EQ(drawnIndexes, (std::vector<int>{0, 1, 2, 3, 4}));
  TestInput::Key(form_.get(), VK_END);
  drawnIndexes.clear();
  PaintList();
  ASSERT_FALSE(drawnIndexes.empty());
  EXPECT_EQ(drawnIndexes.back(), 19);
  TestInput::Key(form_.get(), VK_RETURN);
  EXPECT_EQ(combo_->Text(), "Item 15");
}

// A combo box that counts window creations and picks its own style bits.
class StyledCombo : public TCustomComboBox {
 public:
  using TCustomComboBox::TCustomComboBox;
  int created = 0;
  unsigned bits = CBS_DROPDOWN | CBS_OWNERDRAWFIXED;

 protected:
  unsigned ComboWindowStyle() const override { return bits; }
  void CreateWnd() override {
    TCustomComboBox::CreateWnd();
    ++created;
  }
};

TEST_F(ComboTest, StyleChangesRecreateTheWindowWithTheNewBits) {
  auto* combo = new StyledCombo(form_.get());
  combo->SetParent(form_.get());
  EXPECT_TRUE(combo->HandleAllocated());
  EXPECT_EQ(combo->created, 1);
  // Editable field with owner-drawn items.
  EXPECT_TRUE(combo->Editable());
  EXPECT_TRUE(combo->OwnerDrawn());
  combo->bits = CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED;
  EXPECT_TRUE(combo->Editable());  // takes effect with the next window only
  combo->SetStyle(TComboBoxStyle::csDropDownList);
  EXPECT_EQ(combo->created, 2);
  EXPECT_FALSE(combo->Editable());
  combo->RecreateWnd();
  EXPECT_EQ(combo->created, 3);
}

}  // namespace
