// Colour and font combo boxes on a shown window, with their events logged, and probes that
// paint single entries the way the drop-down list does.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/RxCombos.h"
#include "fake_font_catalog.h"
#include "platform/control_fixture.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/testing/TestInput.h"

// Entry painting is protected: the list calls it. The probes open it to the tests.
class ColorComboProbe : public TColorComboBox {
 public:
  using TColorComboBox::TColorComboBox;
  using TCustomComboBox::PaintEntry;
  using TOwnerDrawComboBox::GetItemHeight;
};

class FontComboProbe : public TFontComboBox {
 public:
  using TCustomComboBox::PaintEntry;
  using TFontComboBox::GetItemHeight;
  using TFontComboBox::TFontComboBox;
};

class ComboFixture : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    fonts_.screen = {
        FakeFontCatalog::Family("Times New Roman", 4),
        FakeFontCatalog::Family("Arial", 4),
        FakeFontCatalog::Family("Courier New", 4, ANSI_CHARSET, fpFixed),
        FakeFontCatalog::Family("Symbol", 4, SYMBOL_CHARSET),
        FakeFontCatalog::Family("MS Sans Serif", 1),
        FakeFontCatalog::Family("Terminal", 1, OEM_CHARSET, fpFixed),
        FakeFontCatalog::Family("Arial", 4),  // listed again for another character set
    };
    fonts_.printer = {
        FakeFontCatalog::Family("Courier", 2, ANSI_CHARSET, fpFixed),
        FakeFontCatalog::Family("Arial", 4),
        FakeFontCatalog::Family("Line Printer", 2, OEM_CHARSET, fpFixed),
    };
    form_ = MakeForm(100, 100, 320, 240);
    form_->Show();
  }
  template <class Combo>
  Combo* Place(Combo* combo, int top) {
    combo->SetBounds(21, top, 150, 22);
    combo->SetParent(form_.get());
    combo->OnChange = [this](TComponent* s) { log_.push_back(Who(s) + "change"); };
    combo->OnClick = [this](TComponent* s) { log_.push_back(Who(s) + "click"); };
    return combo;
  }
  ColorComboProbe* MakeColorCombo(int top = 20) {
    return Place(new ColorComboProbe(form_.get()), top);
  }
  FontComboProbe* MakeFontCombo(int top = 60) {
    return Place(new FontComboProbe(form_.get()), top);
  }
  static std::string Who(TComponent* sender) {
    return dynamic_cast<TFontComboBox*>(sender) ? "font " : "colour ";
  }

  static std::vector<std::string> Names(const TCustomComboBox& combo) {
    return combo.Items().ToVector();
  }

  FakeFontCatalog fonts_;
  std::unique_ptr<TForm> form_;
  std::vector<std::string> log_;
};
