// Shared by the flat control tests: a fresh application per test (see control_fixture.h), a
// borderless form to put controls on, the face a control paints, and PNG artefacts.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "platform/control_fixture.h"
#include "platform/graphics/Bitmap.h"
#include "platform/pixel_helpers.h"
#include "platform/testing/TestInput.h"

class FlatTest : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    form = MakeForm(100, 100, 400, 300);
  }
  void TearDown() override {
    form.reset();
    ControlTest::TearDown();
  }
  void ShowForm() {
    if (form->Visible()) return;
    form->Show();
    TestInput::ProcessEvents();
    // Start from a bare spot of the form: the window system drops a move to where the mouse
    // already is, which may be where an earlier test left it.
    TestInput::MouseMove(form.get(), Point(395, 295));
  }
  static TBitmap Face(TControl* control) {
    TBitmap face;
    control->PaintTo(face);
    return face;
  }
  // Saves bitmap as artefacts/controls_flat/<name>.png in the build folder.
  static void SaveArtefact(const TBitmap& bitmap, const std::string& name) {
    const std::filesystem::path folder =
        std::filesystem::path(TARVIK_BINARY_DIR) / "artefacts" / "controls_flat";
    std::filesystem::create_directories(folder);
    bitmap.SaveToFile((folder / (name + ".png")).string());
  }

  std::unique_ptr<TForm> form;
};
