// The colour list: its entries and names, ColorValue's reading and writing rules, OnChange,
// window re-creation, the user's choice and the swatches.
#include <gtest/gtest.h>

#include "combo_fixture.h"
#include "platform/graphics/Color.h"

namespace {

using Log = std::vector<std::string>;

const std::vector<std::string> kBasicNames = {
    "Black",  "Maroon", "Green", "Olive",  "Navy", "Purple",  "Teal", "Gray",
    "Silver", "Red",    "Lime",  "Yellow", "Blue", "Fuchsia", "Aqua", "White"};

class ColorComboTest : public ComboFixture {
 protected:
  void SetUp() override {
    ComboFixture::SetUp();
    combo_ = MakeColorCombo();
    log_.clear();
  }
  ColorComboProbe* combo_ = nullptr;
};

TEST_F(ColorComboTest, StartsWithTheDefaults) {
  ColorComboProbe fresh(nullptr);
  EXPECT_EQ(fresh.ColorValue(), 0u);
  EXPECT_EQ(fresh.ColorNames().Count(), 0);
  EXPECT_TRUE(fresh.DisplayNames());
  EXPECT_EQ(fresh.Options(), 0u);
  EXPECT_EQ(fresh.Style(), TOwnerDrawComboStyle::csDropDownList);
  // Owner-drawn, fixed, drop-down list: 16 + 3.
  EXPECT_EQ(fresh.WindowStyle(), 19u);
}

TEST_F(ColorComboTest, WindowStyleFollowsTheStyle) {
  combo_->SetStyle(TOwnerDrawComboStyle::csDropDown);
  EXPECT_EQ(combo_->WindowStyle(), 18u);
  EXPECT_TRUE(combo_->Editable());
  combo_->SetStyle(TOwnerDrawComboStyle::csSimple);
  EXPECT_EQ(combo_->WindowStyle(), 17u);
}

TEST_F(ColorComboTest, ListsTheSixteenBasicColours) {
  EXPECT_EQ(Names(*combo_), kBasicNames);
  const TColor values[] = {0,        128, 32768, 32896, 8388608,  8388736,  8421376,  8421504,
                           12632256, 255, 65280, 65535, 16711680, 16711935, 16776960, 16777215};
  ASSERT_EQ(combo_->Items().Count(), 16);
  for (int i = 0; i < 16; ++i)
    EXPECT_EQ(static_cast<TColor>(combo_->Items().Objects(i)), values[i]) << i;
}

struct OptionsCase {
  TColorComboOptions options;
  std::vector<std::string> extra;
  std::vector<TColor> extraValues;
};

class ColorOptionsTest : public ColorComboTest,
                         public ::testing::WithParamInterface<OptionsCase> {};

TEST_P(ColorOptionsTest, AddTheNoneAndDefaultEntries) {
  const OptionsCase& c = GetParam();
  combo_->SetOptions(c.options);
  std::vector<std::string> expected = kBasicNames;
  expected.insert(expected.end(), c.extra.begin(), c.extra.end());
  EXPECT_EQ(Names(*combo_), expected);
  for (std::size_t i = 0; i < c.extraValues.size(); ++i)
    EXPECT_EQ(static_cast<TColor>(combo_->Items().Objects(static_cast<int>(16 + i))),
              c.extraValues[i]);
}

INSTANTIATE_TEST_SUITE_P(
    Sets, ColorOptionsTest,
    ::testing::Values(OptionsCase{0, {}, {}},
                      OptionsCase{TColorComboOption::coIncludeNone, {"None"}, {536870911}},
                      OptionsCase{TColorComboOption::coIncludeDefault, {"Default"}, {536870912}},
                      OptionsCase{
                          TColorComboOption::coIncludeNone | TColorComboOption::coIncludeDefault,
                          {"None", "Default"},
                          {536870911, 536870912}}));

TEST_F(ColorComboTest, ColorNamesReplaceTableNamesByPosition) {
  combo_->SetOptions(TColorComboOption::coIncludeNone | TColorComboOption::coIncludeDefault);
  std::vector<std::string> names(20);
  names[0] = "Чёрный";
  names[2] = "";  // keeps "Green"
  names[16] = "Нет";
  names[18] = "Лишний";  // beyond the table
  combo_->SetColorNames(names);
  const auto listed = Names(*combo_);
  ASSERT_EQ(listed.size(), 18u);
  EXPECT_EQ(listed[0], "Чёрный");
  EXPECT_EQ(listed[1], "Maroon");
  EXPECT_EQ(listed[2], "Green");
  EXPECT_EQ(listed[16], "Нет");
  EXPECT_EQ(listed[17], "Default");
}

TEST_F(ColorComboTest, NamesOfSkippedPositionsStayUnused) {
  std::vector<std::string> names(17);
  names[16] = "Нет";
  combo_->SetColorNames(names);
  EXPECT_EQ(Names(*combo_), kBasicNames);
}

TEST_F(ColorComboTest, AssigningAListedColourSelectsItAndFiresOnChange) {
  combo_->SetColorValue(8421504);
  EXPECT_EQ(combo_->ItemIndex(), 7);
  EXPECT_EQ(combo_->Text(), "Gray");
  EXPECT_EQ(combo_->ColorValue(), 8421504u);
  EXPECT_EQ(log_, Log{"colour change"});
  // The same colour again, with the entry selected: nothing.
  combo_->SetColorValue(8421504);
  EXPECT_EQ(log_, Log{"colour change"});
}

TEST_F(ColorComboTest, AnUnlistedColourInAListKeepsItsValueWithoutSelection) {
  combo_->SetColorValue(clRed);
  log_.clear();
  combo_->SetColorValue(RGB(1, 2, 3));
  EXPECT_EQ(combo_->ItemIndex(), -1);
  EXPECT_EQ(combo_->Text(), "");
  EXPECT_EQ(combo_->ColorValue(), RGB(1, 2, 3));
  EXPECT_EQ(log_, Log{"colour change"});
  // No entry is selected, so even the same value is assigned (and reported) again.
  combo_->SetColorValue(RGB(1, 2, 3));
  EXPECT_EQ(log_, (Log{"colour change", "colour change"}));
}

struct UnlistedCase {
  TColor color;
  std::string text;
};

class UnlistedColourTest : public ColorComboTest,
                           public ::testing::WithParamInterface<UnlistedCase> {};

TEST_P(UnlistedColourTest, AnEditableComboShowsTheColoursName) {
  combo_->SetStyle(TOwnerDrawComboStyle::csDropDown);
  combo_->SetColorValue(GetParam().color);
  EXPECT_EQ(combo_->ItemIndex(), -1);
  EXPECT_EQ(combo_->Text(), GetParam().text);
  EXPECT_EQ(combo_->ColorValue(), GetParam().color);
}

INSTANTIATE_TEST_SUITE_P(Names, UnlistedColourTest,
                         ::testing::Values(UnlistedCase{clBtnFace, "BtnFace"},
                                           UnlistedCase{clMoneyGreen, "MoneyGreen"},
                                           UnlistedCase{clNone, "None"},
                                           UnlistedCase{RGB(1, 2, 3), "$00030201"}));

struct TypedCase {
  std::string text;
  TColor value;
};

class TypedColourTest : public ColorComboTest, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(TypedColourTest, TheEditTextGivesTheColour) {
  combo_->SetStyle(TOwnerDrawComboStyle::csDropDown);
  combo_->SetColorValue(clTeal);
  combo_->SetText(GetParam().text);
  EXPECT_EQ(combo_->ColorValue(), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, TypedColourTest,
                         ::testing::Values(TypedCase{"yellow", 65535},  // a listed name
                                           TypedCase{"RED", 255},
                                           TypedCase{"1234", 1234},  // a number
                                           TypedCase{"$FF00", 65280}, TypedCase{"0x10", 16},
                                           TypedCase{"-16777201", clBtnFace},
                                           TypedCase{"pink", clTeal},  // else the stored value
                                           TypedCase{"12ab", clTeal}, TypedCase{"", clTeal},
                                           TypedCase{"99999999999", clTeal}));

TEST_F(ColorComboTest, TypingAnotherColourFiresOnChange) {
  combo_->SetStyle(TOwnerDrawComboStyle::csDropDown);
  combo_->SetColorValue(clTeal);
  log_.clear();
  combo_->SetFocus();
  TestInput::ProcessEvents();
  TestInput::Key(form_.get(), 'A', "", ssCtrl);  // select the text
  TestInput::Type(form_.get(), "Lim");
  EXPECT_EQ(log_, Log{});  // "L", "Li", "Lim" name no colour: the stored one stays
  TestInput::Type(form_.get(), "e");
  EXPECT_EQ(combo_->Text(), "Lime");
  EXPECT_EQ(combo_->ColorValue(), 65280u);
  EXPECT_EQ(log_, Log{"colour change"});
}

TEST_F(ColorComboTest, RecreatingTheWindowSelectsTheColourAgainAndFiresOnce) {
  combo_->SetColorValue(clNavy);
  log_.clear();
  combo_->RecreateWnd();
  EXPECT_EQ(combo_->Text(), "Navy");
  EXPECT_EQ(log_, Log{"colour change"});
  log_.clear();
  combo_->SetOptions(TColorComboOption::coIncludeNone);
  EXPECT_EQ(combo_->Text(), "Navy");
  EXPECT_EQ(log_, Log{"colour change"});
  log_.clear();
  combo_->ColorNames().Add("Schwarz");
  EXPECT_EQ(combo_->Items().Strings(0), "Schwarz");
  EXPECT_EQ(combo_->ColorValue(), clNavy);
  EXPECT_EQ(log_, Log{"colour change"});
}

TEST_F(ColorComboTest, AFontChangeRebuildsWithTheNewItemHeight) {
  TFont font = combo_->Font();
  font.SetHeight(-20);
  combo_->SetColorValue(clRed);
  log_.clear();
  combo_->SetFont(font);
  TCanvas measure;
  measure.SetFont(font);
  EXPECT_EQ(combo_->ItemHeight(), measure.TextHeight("0") + 1);
  EXPECT_EQ(combo_->Text(), "Red");
  EXPECT_EQ(log_, Log{"colour change"});
}

TEST_F(ColorComboTest, ItemHeightIsTheTextHeightPlusOneAndAtLeastNine) {
  TCanvas measure;
  measure.SetFont(combo_->Font());
  EXPECT_EQ(combo_->ItemHeight(), measure.TextHeight("0") + 1);
  TFont tiny = combo_->Font();
  tiny.SetHeight(-3);
  combo_->SetFont(tiny);
  measure.SetFont(tiny);
  ASSERT_LT(measure.TextHeight("0") + 1, 9);
  EXPECT_EQ(combo_->ItemHeight(), 9);
}

TEST_F(ColorComboTest, TheUsersChoiceSetsTheColourThenClicks) {
  combo_->SetColorValue(clBlack);
  log_.clear();
  combo_->SetFocus();
  TestInput::ProcessEvents();
  TestInput::Key(form_.get(), VK_DOWN);
  EXPECT_EQ(combo_->ColorValue(), 128u);
  EXPECT_EQ(log_, (Log{"colour change", "colour click"}));
}

TEST_F(ColorComboTest, NoEventsWhileALayoutIsRead) {
  combo_->BeginLoading();
  combo_->SetColorValue(clRed);
  combo_->EndLoading();
  EXPECT_EQ(log_, Log{});
}

// --- Swatches

struct SwatchCase {
  TColor color;
  bool selected;
  TColor border;
  TColor inside;  // the swatch's inside
};

class SwatchTest : public ColorComboTest, public ::testing::WithParamInterface<SwatchCase> {};

TEST_P(SwatchTest, FramesTheSwatchByItsLightness) {
  const SwatchCase& c = GetParam();
  combo_->SetOptions(TColorComboOption::coIncludeNone | TColorComboOption::coIncludeDefault);
  const int index = combo_->Items().IndexOfObject(static_cast<std::intptr_t>(c.color));
  ASSERT_GE(index, 0);
  TBitmap entry(150, 18);
  combo_->PaintEntry(entry.Canvas(), index, Rect(0, 0, 150, 18),
                     c.selected ? TOwnerDrawState{odSelected} : TOwnerDrawState{0});
  TCanvas& canvas = entry.Canvas();
  const TColor back = ColorToRGB(c.selected ? clHighlight : clWindow);
  // The swatch (2, 2) - (24, 16): a one-pixel frame around the colour.
  for (const TPoint p :
       {Point(2, 2), Point(23, 2), Point(2, 15), Point(23, 15), Point(12, 2), Point(2, 9)})
    EXPECT_EQ(canvas.Pixels(p.X, p.Y), ColorToRGB(c.border)) << p.X << "," << p.Y;
  for (const TPoint p : {Point(3, 3), Point(22, 14), Point(12, 9)})
    EXPECT_EQ(canvas.Pixels(p.X, p.Y), ColorToRGB(c.inside)) << p.X << "," << p.Y;
  for (const TPoint p : {Point(0, 0), Point(1, 9), Point(24, 9), Point(26, 1), Point(12, 16)})
    EXPECT_EQ(canvas.Pixels(p.X, p.Y), back) << p.X << "," << p.Y;
}

INSTANTIATE_TEST_SUITE_P(Colours, SwatchTest,
                         ::testing::Values(SwatchCase{clYellow, false, clBlack, clYellow},
                                           SwatchCase{clYellow, true, clBlack, clYellow},
                                           SwatchCase{clNavy, false, clNavy, clNavy},
                                           SwatchCase{clNavy, true, clWhite, clNavy},
                                           SwatchCase{clSilver, false, clSilver,
                                                      clSilver},  // 192 is not above 192
                                           SwatchCase{clBlack, true, clWhite, clBlack},
                                           // The two marker values paint as their low 24 bits.
                                           SwatchCase{clNone, false, clBlack, clWhite},
                                           SwatchCase{clDefault, false, clBlack, clBlack}));

TEST_F(ColorComboTest, NamesStandRightOfTheSwatch) {
  TBitmap entry(150, 18);
  combo_->PaintEntry(entry.Canvas(), 4, Rect(0, 0, 150, 18), 0);
  int left = 150;
  for (int y = 0; y < 18; ++y)
    for (int x = 25; x < 150; ++x)
      if (entry.Canvas().Pixels(x, y) != ColorToRGB(clWindow)) left = std::min(left, x);
  EXPECT_GE(left, 28);
  EXPECT_LT(left, 34);
}

TEST_F(ColorComboTest, WithoutNamesTheSwatchFillsTheEntry) {
  combo_->SetDisplayNames(false);
  TBitmap entry(150, 18);
  combo_->PaintEntry(entry.Canvas(), 4, Rect(0, 0, 150, 18), 0);
  TCanvas& canvas = entry.Canvas();
  // (2, 2) - (147, 16), framed in navy itself, filled navy.
  EXPECT_EQ(canvas.Pixels(146, 9), ColorToRGB(clNavy));
  EXPECT_EQ(canvas.Pixels(100, 2), ColorToRGB(clNavy));
  EXPECT_EQ(canvas.Pixels(100, 9), ColorToRGB(clNavy));
  EXPECT_EQ(canvas.Pixels(147, 9), ColorToRGB(clWindow));
  EXPECT_EQ(canvas.Pixels(100, 16), ColorToRGB(clWindow));
}

}  // namespace
