// The font list: the families of the screen and the printer, the filters and data bits,
// FontName's rules, OnChange, the pictures of the font technologies and the entries.
#include <gtest/gtest.h>

#include "combo_fixture.h"
#include "platform/graphics/Resources.h"

namespace {

using Log = std::vector<std::string>;
using O = TFontListOption;

class FontComboTest : public ComboFixture {
 protected:
  void SetUp() override {
    ComboFixture::SetUp();
    combo_ = MakeFontCombo();
    log_.clear();
  }
  std::intptr_t DataOf(const std::string& name) const {
    const int index = combo_->Items().IndexOf(name);
    return index < 0 ? -1 : combo_->Items().Objects(index);
  }
  FontComboProbe* combo_ = nullptr;
};

TEST_F(FontComboTest, StartsWithTheDefaults) {
  FontComboProbe fresh(nullptr);
  EXPECT_EQ(fresh.Device(), TFontDevice::fdScreen);
  EXPECT_EQ(fresh.FontName(), "");
  EXPECT_EQ(fresh.Options(), 0u);
  EXPECT_FALSE(fresh.TrueTypeOnly());
  EXPECT_FALSE(fresh.UseFonts());
  EXPECT_TRUE(fresh.Sorted());
  EXPECT_EQ(fresh.Style(), TOwnerDrawComboStyle::csDropDownList);
  // No window yet, so no list.
  EXPECT_EQ(fresh.Items().Count(), 0);
}

TEST_F(FontComboTest, ListsTheScreenFamiliesSortedAndOnce) {
  EXPECT_EQ(Names(*combo_), (std::vector<std::string>{"Arial", "Courier New", "MS Sans Serif",
                                                      "Symbol", "Terminal", "Times New Roman"}));
  EXPECT_EQ(fonts_.printerRequests, 0);
}

TEST_F(FontComboTest, EntriesCarryTheFontTypeAndTheNotSymbolBit) {
  EXPECT_EQ(DataOf("Arial"), 4 + 256);
  EXPECT_EQ(DataOf("Symbol"), 4);
  EXPECT_EQ(DataOf("MS Sans Serif"), 1 + 256);
  EXPECT_EQ(DataOf("Terminal"), 1 + 256);
  combo_->SetDevice(TFontDevice::fdPrinter);
  EXPECT_EQ(DataOf("Courier"), 2 + 256);
}

struct DeviceCase {
  TFontDevice device;
  bool printerReachable;
  std::vector<std::string> names;
};

class FontDeviceTest : public FontComboTest, public ::testing::WithParamInterface<DeviceCase> {};

TEST_P(FontDeviceTest, ListsTheFamiliesOfTheDevice) {
  const DeviceCase& c = GetParam();
  fonts_.printerReachable = c.printerReachable;
  combo_->SetDevice(c.device);
  EXPECT_EQ(Names(*combo_), c.names);
}

const std::vector<std::string> kScreen = {"Arial",  "Courier New", "MS Sans Serif",
                                          "Symbol", "Terminal",    "Times New Roman"};

INSTANTIATE_TEST_SUITE_P(Devices, FontDeviceTest,
                         ::testing::Values(DeviceCase{TFontDevice::fdPrinter,
                                                      true,
                                                      {"Arial", "Courier", "Line Printer"}},
                                           DeviceCase{TFontDevice::fdPrinter, false, {}},
                                           DeviceCase{TFontDevice::fdBoth,
                                                      true,
                                                      {"Arial", "Courier", "Courier New",
                                                       "Line Printer", "MS Sans Serif", "Symbol",
                                                       "Terminal", "Times New Roman"}},
                                           DeviceCase{TFontDevice::fdBoth, false, kScreen}));

struct FilterCase {
  TFontListOptions options;
  std::vector<std::string> names;  // of the screen and the printer
};

class FontFilterTest : public FontComboTest, public ::testing::WithParamInterface<FilterCase> {};

TEST_P(FontFilterTest, KeepsTheFamiliesThatPassEveryFilter) {
  combo_->SetDevice(TFontDevice::fdBoth);
  combo_->SetOptions(GetParam().options);
  EXPECT_EQ(Names(*combo_), GetParam().names);
}

INSTANTIATE_TEST_SUITE_P(
    Options, FontFilterTest,
    ::testing::Values(
        FilterCase{O::foAnsiOnly,
                   {"Arial", "Courier", "Courier New", "MS Sans Serif", "Times New Roman"}},
        FilterCase{O::foTrueTypeOnly, {"Arial", "Courier New", "Symbol", "Times New Roman"}},
        FilterCase{O::foFixedPitchOnly, {"Courier", "Courier New", "Line Printer", "Terminal"}},
        FilterCase{O::foOEMFontsOnly, {"Line Printer", "Terminal"}},
        FilterCase{
            O::foNoOEMFonts,
            {"Arial", "Courier", "Courier New", "MS Sans Serif", "Symbol", "Times New Roman"}},
        FilterCase{O::foNoSymbolFonts,
                   {"Arial", "Courier", "Courier New", "Line Printer", "MS Sans Serif", "Terminal",
                    "Times New Roman"}},
        FilterCase{
            O::foScalableOnly,
            {"Arial", "Courier", "Courier New", "Line Printer", "Symbol", "Times New Roman"}},
        FilterCase{O::foFixedPitchOnly | O::foNoOEMFonts, {"Courier", "Courier New"}},
        FilterCase{O::foOEMFontsOnly | O::foNoOEMFonts, {}}));

TEST_F(FontComboTest, TrueTypeOnlyIsAnOption) {
  combo_->SetTrueTypeOnly(true);
  EXPECT_EQ(combo_->Options(), static_cast<unsigned>(O::foTrueTypeOnly));
  EXPECT_EQ(Names(*combo_),
            (std::vector<std::string>{"Arial", "Courier New", "Symbol", "Times New Roman"}));
  combo_->SetTrueTypeOnly(false);
  EXPECT_EQ(combo_->Items().Count(), 6);
}

TEST_F(FontComboTest, FontNameMatchesWithoutCaseAndShowsTheListedSpelling) {
  combo_->SetFontName("courier NEW");
  EXPECT_EQ(combo_->FontName(), "Courier New");
  EXPECT_EQ(combo_->ItemIndex(), 1);
  EXPECT_EQ(log_, Log{"font change"});
  // The same name again: nothing.
  combo_->SetFontName("Courier New");
  EXPECT_EQ(log_, Log{"font change"});
}

TEST_F(FontComboTest, AnUnlistedNameClearsTheListOrBecomesTheText) {
  combo_->SetFontName("Arial");
  log_.clear();
  combo_->SetFontName("Wingdings");
  EXPECT_EQ(combo_->ItemIndex(), -1);
  EXPECT_EQ(combo_->FontName(), "");
  EXPECT_EQ(log_, Log{"font change"});
  combo_->SetStyle(TOwnerDrawComboStyle::csDropDown);
  log_.clear();
  combo_->SetFontName("Wingdings");
  EXPECT_EQ(combo_->FontName(), "Wingdings");
  EXPECT_EQ(combo_->ItemIndex(), -1);
  EXPECT_EQ(log_, Log{"font change"});
}

TEST_F(FontComboTest, ANameGivenBeforeTheWindowIsPickedUpWhenItIsMade) {
  FontComboProbe late(form_.get());
  late.OnChange = [this](TComponent*) { log_.push_back("late change"); };
  late.SetFontName("times new roman");  // makes the window, lists the fonts, selects
  EXPECT_TRUE(late.HandleAllocated());
  EXPECT_EQ(late.FontName(), "Times New Roman");
  EXPECT_EQ(log_, Log{"late change"});
}

TEST_F(FontComboTest, WhileLoadingOnlyTheTextIsSet) {
  FontComboProbe loading(nullptr);
  loading.OnChange = [this](TComponent*) { log_.push_back("loading change"); };
  loading.BeginLoading();
  loading.SetFontName("arial");
  EXPECT_FALSE(loading.HandleAllocated());
  EXPECT_EQ(log_, Log{});
  loading.EndLoading();
  loading.SetParent(form_.get());  // the window is made: the face is looked up
  EXPECT_EQ(loading.FontName(), "Arial");
}

TEST_F(FontComboTest, RecreatingTheWindowFiresOnlyWhenTheFaceChanged) {
  combo_->SetFontName("Symbol");
  log_.clear();
  combo_->RecreateWnd();
  EXPECT_EQ(combo_->FontName(), "Symbol");
  EXPECT_EQ(log_, Log{});
  fonts_.screen.erase(fonts_.screen.begin() + 3);  // Symbol goes away
  combo_->RecreateWnd();
  EXPECT_EQ(combo_->FontName(), "");
  EXPECT_EQ(log_, Log{"font change"});
}

TEST_F(FontComboTest, RebuildingFiresWhenTheFaceIsFilteredOut) {
  combo_->SetFontName("Terminal");
  log_.clear();
  combo_->SetOptions(O::foNoOEMFonts);
  EXPECT_EQ(combo_->FontName(), "");
  EXPECT_EQ(log_, Log{"font change"});
  log_.clear();
  combo_->SetFontName("Arial");
  log_.clear();
  combo_->SetOptions(O::foNoOEMFonts | O::foAnsiOnly);
  EXPECT_EQ(combo_->FontName(), "Arial");
  EXPECT_EQ(log_, Log{});
}

TEST_F(FontComboTest, TheSystemsFontChangeRebuildsTheList) {
  fonts_.screen.push_back(FakeFontCatalog::Family("Verdana", 4));
  const int before = fonts_.screenRequests;
  combo_->FontsChanged();
  EXPECT_EQ(fonts_.screenRequests, before + 1);
  EXPECT_GE(combo_->Items().IndexOf("verdana"), 0);
}

TEST_F(FontComboTest, TheUsersChoiceClicksThenChanges) {
  combo_->SetFontName("Arial");
  log_.clear();
  combo_->SetFocus();
  TestInput::ProcessEvents();
  TestInput::Key(form_.get(), VK_DOWN);
  EXPECT_EQ(combo_->FontName(), "Courier New");
  EXPECT_EQ(log_, (Log{"font click", "font change"}));
}

TEST_F(FontComboTest, TypingAListedNameSelectsIt) {
  combo_->SetStyle(TOwnerDrawComboStyle::csDropDown);
  combo_->SetFocus();
  TestInput::ProcessEvents();
  log_.clear();
  TestInput::Type(form_.get(), "symbo");
  EXPECT_EQ(log_, Log{});
  TestInput::Type(form_.get(), "l");
  EXPECT_EQ(combo_->ItemIndex(), 3);
  EXPECT_EQ(combo_->FontName(), "Symbol");
  EXPECT_EQ(log_, Log{"font change"});
}

TEST_F(FontComboTest, ItemHeightIsAtLeastThePictureHeightLessOne) {
  TFont tiny = combo_->Font();
  tiny.SetHeight(-3);
  combo_->SetFont(tiny);
  EXPECT_EQ(combo_->ItemHeight(), 11);
  TFont big = combo_->Font();
  big.SetHeight(-20);
  combo_->SetFont(big);
  TCanvas measure;
  measure.SetFont(big);
  EXPECT_EQ(combo_->ItemHeight(), measure.TextHeight("0") + 1);
}

// --- Pictures

const char* const kTrueTypeMap[12] = {
    "...88888888.........", "...88.88.88.........", "...8..88..8.........", "...8..800000000.....",
    "......800.00.00.....", "......80..00..0.....", "......80..00..0.....", "......88..00........",
    "....88888800........", "..........00........", "..........00........", "........000000......"};
const char* const kDeviceMap[12] = {
    "....0000000000......", "....08FFFFFF80......", "....0F000000F0......", "....08FFFFFF80......",
    "....0F000000F0......", "....08FFFFFF80......", "....0F000000F0......", "....08FFFFFF80......",
    "...000000000000.....", "..07777777777780....", "..08888888899880....", "...000000000000....."};

TColor MapColor(char c) {
  switch (c) {
    case '.':
      return RGB(255, 0, 255);
    case '0':
      return RGB(0, 0, 0);
    case '7':
      return RGB(192, 192, 192);
    case '8':
      return RGB(128, 128, 128);
    case '9':
      return RGB(255, 0, 0);
    default:
      return RGB(255, 255, 255);  // 'F'
  }
}

void ExpectPicture(const TBitmap& picture, const char* const map[12]) {
  ASSERT_EQ(picture.Width(), 20);
  ASSERT_EQ(picture.Height(), 12);
  auto& bitmap = const_cast<TBitmap&>(picture);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 20; ++x)
      EXPECT_EQ(bitmap.Canvas().Pixels(x, y), MapColor(map[y][x])) << x << "," << y;
}

TEST_F(FontComboTest, TheTechnologyPicturesArePixelExact) {
  ExpectPicture(combo_->TrueTypePicture(), kTrueTypeMap);
  ExpectPicture(combo_->DevicePicture(), kDeviceMap);
  EXPECT_EQ(combo_->TrueTypePicture().TransparentColor(), RGB(255, 0, 255));
  EXPECT_TRUE(combo_->DevicePicture().Transparent());
}

TEST_F(FontComboTest, ThePicturesAreSixteenColourBitmaps) {
  for (const char* name : {"TRUETYPE_FNT", "DEVICE_FNT"}) {
    const auto bytes = FindBitmapResource(name);
    ASSERT_TRUE(bytes.has_value()) << name;
    ASSERT_GT(bytes->size(), 30u);
    EXPECT_EQ((*bytes)[0], 'B');
    EXPECT_EQ((*bytes)[1], 'M');
    EXPECT_EQ((*bytes)[28], 4) << name;  // bits per pixel
  }
}

TEST_F(FontComboTest, AMissingPictureFailsWithItsName) {
  TBitmap bitmap;
  try {
    TFontComboBox::LoadFontPicture(bitmap, "NOSUCH_FNT");
    FAIL() << "no error";
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "Resource NOSUCH_FNT not found");
  }
}

// --- Entries

struct EntryCase {
  std::string name;
  const char* const* map;  // the picture drawn, or nullptr
};

class FontEntryTest : public FontComboTest, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(FontEntryTest, ShowsThePictureOfTheTechnologyAndIndentsTheName) {
  const EntryCase& c = GetParam();
  combo_->SetDevice(TFontDevice::fdBoth);
  const int index = combo_->Items().IndexOf(c.name);
  ASSERT_GE(index, 0);
  TBitmap entry(150, 18);
  combo_->PaintEntry(entry.Canvas(), index, Rect(0, 0, 150, 18), 0);
  TCanvas& canvas = entry.Canvas();
  const TColor back = ColorToRGB(clWindow);
  // The picture at (2, (0 + 18 - 12) / 2) = (2, 3); magenta stays unpainted.
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 20; ++x) {
      const char m = c.map ? c.map[y][x] : '.';
      const TColor expected = m == '.' ? back : MapColor(m);
      EXPECT_EQ(canvas.Pixels(2 + x, 3 + y), expected) << c.name << " " << x << "," << y;
    }
  // The name starts at 20 + 6 = 26, whatever the picture.
  int left = 150;
  for (int y = 0; y < 18; ++y)
    for (int x = 22; x < 150; ++x)
      if (canvas.Pixels(x, y) != back) left = std::min(left, x);
  EXPECT_GE(left, 26) << c.name;
  EXPECT_LT(left, 30) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Technologies, FontEntryTest,
                         ::testing::Values(EntryCase{"Arial", kTrueTypeMap},
                                           EntryCase{"Courier", kDeviceMap},
                                           EntryCase{"MS Sans Serif", nullptr}));

TEST_F(FontComboTest, UseFontsDrawsEachNameInItsFaceExceptSymbolFonts) {
  const TFont base = combo_->Font();
  auto paint = [&](const std::string& name) {
    TBitmap entry(150, 18);
    combo_->PaintEntry(entry.Canvas(), combo_->Items().IndexOf(name), Rect(0, 0, 150, 18), 0);
    return entry;
  };
  auto written = [&](const std::string& name, const std::string& face) {
    TBitmap entry(150, 18);
    TCanvas& c = entry.Canvas();
    c.Brush().SetColor(clWindow);
    c.FillRect(Rect(0, 0, 150, 18));
    c.SetFont(base);
    c.Font().SetName(face);
    TRect r = Rect(26, 0, 150, 18);
    c.DrawText(name, r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    return entry;
  };
  auto textPart = [](TBitmap& b) {
    std::vector<TColor> pixels;
    for (int y = 0; y < 18; ++y)
      for (int x = 26; x < 150; ++x) pixels.push_back(b.Canvas().Pixels(x, y));
    return pixels;
  };
  combo_->SetUseFonts(true);
  TBitmap times = paint("Times New Roman");
  TBitmap timesExpected = written("Times New Roman", "Times New Roman");
  EXPECT_EQ(textPart(times), textPart(timesExpected));
  TBitmap symbol = paint("Symbol");
  TBitmap symbolExpected = written("Symbol", base.Name());
  EXPECT_EQ(textPart(symbol), textPart(symbolExpected));
  combo_->SetUseFonts(false);
  TBitmap plain = paint("Times New Roman");
  TBitmap plainExpected = written("Times New Roman", base.Name());
  EXPECT_EQ(textPart(plain), textPart(plainExpected));
}

}  // namespace
