// Shared by the panel and link-button tests: a shown form per test, faces painted off-screen,
// whole-image comparison and the PNG artefacts.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "platform/control_fixture.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/pixel_helpers.h"
#include "platform/testing/TestInput.h"

class PanelsTest : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    form_ = MakeForm(50, 50, 400, 300);
    form_->Show();
  }
  void TearDown() override {
    form_.reset();
    ControlTest::TearDown();
  }

  // A control owned by and placed on the test form.
  template <class T>
  T* Make(int left, int top, int width, int height) {
    auto* control = new T(form_.get());
    control->SetParent(form_.get());
    control->SetBounds(left, top, width, height);
    return control;
  }

  static TBitmap Face(TControl& control) {
    TBitmap face;
    control.PaintTo(face);
    return face;
  }

  std::unique_ptr<TForm> form_;
};

inline TBitmap Filled(int width, int height, TColor color) {
  TBitmap bitmap(width, height);
  bitmap.Canvas().Brush().SetColor(color);
  bitmap.Canvas().FillRect(Rect(0, 0, width, height));
  return bitmap;
}

// Empty when both pictures are the same; else where and how they first differ.
inline std::string ImageDifference(TBitmap& actual, TBitmap& expected) {
  if (actual.Width() != expected.Width() || actual.Height() != expected.Height())
    return "size " + std::to_string(actual.Width()) + "x" + std::to_string(actual.Height()) +
           " instead of " + std::to_string(expected.Width()) + "x" +
           std::to_string(expected.Height());
  int differing = 0;
  std::ostringstream first;
  for (int y = 0; y < actual.Height(); ++y)
    for (int x = 0; x < actual.Width(); ++x) {
      const TColor a = actual.Canvas().Pixels(x, y);
      const TColor e = expected.Canvas().Pixels(x, y);
      if (a == e) continue;
      if (differing++ == 0)
        first << "(" << x << "," << y << ") is " << ColorToString(a) << " instead of "
              << ColorToString(e);
    }
  if (differing == 0) return "";
  return std::to_string(differing) + " pixels differ, first " + first.str();
}

// Saves a face under <build>/artefacts/controls_panels/ for a person to look at.
inline void SaveArtefact(const TBitmap& face, const std::string& name) {
  const std::filesystem::path dir =
      std::filesystem::path(TARVIK_BINARY_DIR) / "artefacts" / "controls_panels";
  std::filesystem::create_directories(dir);
  face.SaveToFile((dir / (name + ".png")).string());
}
