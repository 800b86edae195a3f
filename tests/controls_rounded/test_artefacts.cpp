// Renders the rounded panel and button in each of their looks into PNG files under
// artefacts/controls_rounded of the build folder, for a person to look at. Each file is read
// back to check that it holds the picture that was painted.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "controls/RbButton.h"
#include "controls/RbPanel.h"
#include "platform/control_fixture.h"
#include "platform/testing/TestInput.h"
#include "rounded_helpers.h"

namespace {

std::filesystem::path ArtefactDir() {
  const std::filesystem::path dir =
      std::filesystem::path(TARVIK_BINARY_DIR) / "artefacts" / "controls_rounded";
  std::filesystem::create_directories(dir);
  return dir;
}

// Saves the picture (enlarged by scale when asked) and checks the file reads back equal.
void SaveArtefact(const TBitmap& picture, const std::string& name, int scale = 1) {
  TBitmap out(picture.Width() * scale, picture.Height() * scale);
  TBitmap source = picture;
  out.Canvas().StretchDraw(Rect(0, 0, out.Width(), out.Height()), source);
  const std::string path = (ArtefactDir() / (name + ".png")).string();
  out.SaveToFile(path);
  TBitmap back;
  back.LoadFromFile(path);
  EXPECT_EQ(FirstDifference(back, out), "") << path;
}

TBitmap Painted(TControl& control) {
  TBitmap bitmap;
  control.PaintTo(bitmap);
  return bitmap;
}

// The main window's background panel.
void MainWindowLook(TRbPanel& panel) {
  panel.SetColor(25284);
  panel.Font().SetColor(13500416);
  panel.SetCornerWidth(10);
  panel.SetBorderWidth(10);
  panel.SetBorderColor(1871359);
  panel.SetOuterColor(clBtnFace);
}

TEST(Artefacts, RoundedPanelLooks) {
  struct Look {
    std::string name;
    std::function<void(TRbPanel&)> setUp;
  };
  const Look looks[] = {
      {"panel_default", [](TRbPanel&) {}},
      {"panel_main_window", MainWindowLook},
      {"panel_settings_group",
       [](TRbPanel& p) {
         p.SetBounds(0, 0, 201, 229);
         p.SetCaption("Настройка текста");
         p.Font().SetName("Arial Black");
         p.Font().SetHeight(-12);
         p.Font().SetStyle(fsBold | fsItalic | fsUnderline);
         p.Font().SetColor(16512);
         p.SetTextShadowColor(12180735);
         p.SetColor(4892159);
         p.SetBorderWidth(3);
         p.SetBorderColor(27090);
         p.SetOuterColor(4892159);
       }},
      {"panel_group_box",
       [](TRbPanel& p) {
         p.SetCaption("Группа");
         p.SetCaptionPosition(TRbCaptionPos::cpGroupBox);
         p.SetOuterColor(clWhite);
       }},
      {"panel_gradient_vertical",
       [](TRbPanel& p) {
         p.SetAntialiased(false);
         p.SetGradient(true);
         p.SetCaption("Градиент");
       }},
      {"panel_gradient_radial",
       [](TRbPanel& p) {
         p.SetAntialiased(false);
         p.SetGradient(true);
         p.SetGradientType(TGradientType::gtRadial);
         p.SetDefaultTo(RGB(40, 90, 200));
         p.SetCaption("Радиальный");
         p.SetCaptionPosition(TRbCaptionPos::cpMiddleCenter);
       }},
      {"panel_gradient_double_horz",
       [](TRbPanel& p) {
         p.SetAntialiased(false);
         p.SetGradient(true);
         p.SetGradientType(TGradientType::gtDoubleHorz);
         p.SetDefaultTo(RGB(200, 90, 40));
       }},
      {"panel_disabled_bottom_right",
       [](TRbPanel& p) {
         p.SetCaption("Выключено");
         p.SetCaptionPosition(TRbCaptionPos::cpBottomRight);
         p.SetEnabled(false);
       }},
  };
  for (const Look& look : looks) {
    TRbPanel panel(nullptr);
    look.setUp(panel);
    SaveArtefact(Painted(panel), look.name);
    SaveArtefact(Painted(panel), look.name + "_x3", 3);
  }
}

TEST(Artefacts, RoundedPanelCaptionPositions) {
  const char* names[] = {"group_box",     "top_left",      "top_center",   "top_right",
                         "middle_left",   "middle_center", "middle_right", "bottom_left",
                         "bottom_center", "bottom_right"};
  for (int i = 0; i < 10; ++i) {
    TRbPanel panel(nullptr);
    MainWindowLook(panel);
    panel.SetBounds(0, 0, 220, 110);
    panel.SetCaption("Подпись");
    panel.SetCaptionPosition(static_cast<TRbCaptionPos>(i));
    SaveArtefact(Painted(panel), std::string("panel_caption_") + names[i], 2);
  }
}

// The settings window's "Выход" button.
void ExitButton(TRbButton& b) {
  b.SetBounds(0, 0, 61, 17);
  b.SetCaption("Выход");
  b.Font().SetName("Arial");
  b.Font().SetHeight(-11);
  b.Font().SetStyle(fsBold | fsItalic);
  b.Font().SetColor(16512);
  b.SetColor(27090);
  TRbControlColors& c = b.Colors();
  c.SetDefaultFrom(9685503);
  c.SetDefaultTo(1149183);
  c.SetOverFrom(9685503);
  c.SetOverTo(16512);
  c.SetClickedFrom(9685503);
  c.SetClickedTo(9685503);
  c.SetHotTrack(1411839);
  c.SetBorderColor(16512);
  c.SetTextShadow(12706047);
}

TBitmap GlyphPicture() {
  TBitmap glyph = Filled(12, 12, RGB(255, 0, 255));
  glyph.Canvas().Brush().SetColor(RGB(0, 128, 0));
  glyph.Canvas().Pen().SetColor(RGB(0, 64, 0));
  glyph.Canvas().Ellipse(1, 1, 11, 11);
  return glyph;
}

void Tick(TRbButton& b, int count) {
  for (int i = 0; i < count; ++i) b.WMTimer(TRbCustomControl::FadeTimerId);
}

TEST(Artefacts, RoundedButtonLooks) {
  struct Look {
    std::string name;
    std::function<void(TRbButton&)> setUp;
  };
  const Look looks[] = {{"button_default", [](TRbButton& b) { b.SetCaption("Кнопка"); }},
                        {"button_exit_normal", ExitButton},
                        {"button_exit_hover_half",
                         [](TRbButton& b) {
                           ExitButton(b);
                           b.MouseEnter();
                           Tick(b, 5);
                         }},
                        {"button_exit_hover",
                         [](TRbButton& b) {
                           ExitButton(b);
                           b.MouseEnter();
                           Tick(b, 10);
                         }},
                        {"button_exit_pressed",
                         [](TRbButton& b) {
                           ExitButton(b);
                           b.MouseEnter();
                           b.MouseDown(mbLeft, ssLeft, 5, 5);
                           Tick(b, 4);
                         }},
                        {"button_pressed_rim",
                         [](TRbButton& b) {
                           b.SetCaption("Нажата");
                           b.MouseDown(mbLeft, ssLeft, 5, 5);
                           Tick(b, 4);
                         }},
                        {"button_pressed_no_rim",
                         [](TRbButton& b) {
                           b.SetCaption("Нажата");
                           b.SetGradientBorder(false);
                           b.MouseDown(mbLeft, ssLeft, 5, 5);
                           Tick(b, 4);
                         }},
                        {"button_hot_track",
                         [](TRbButton& b) {
                           b.SetCaption("Горячая");
                           b.SetHotTrack(true);
                           b.MouseEnter();
                         }},
                        {"button_disabled_glyph",
                         [](TRbButton& b) {
                           b.SetCaption("Выкл");
                           TBitmap glyph = GlyphPicture();
                           b.SetGlyph(glyph);
                           b.SetEnabled(false);
                         }},
                        {"button_glyph_only",
                         [](TRbButton& b) {
                           TBitmap glyph = GlyphPicture();
                           b.SetGlyph(glyph);
                         }},
                        {"button_radial", [](TRbButton& b) {
                           b.SetCaption("Радиус");
                           b.SetBounds(0, 0, 90, 40);
                           b.SetGradientType(TGradientType::gtRadial);
                           b.SetCornerWidth(20);
                         }}};
  for (const Look& look : looks) {
    TRbButton button(nullptr);
    look.setUp(button);
    SaveArtefact(Painted(button), look.name, 4);
  }
  for (TButtonLayout layout : {TButtonLayout::blGlyphLeft, TButtonLayout::blGlyphRight,
                               TButtonLayout::blGlyphTop, TButtonLayout::blGlyphBottom}) {
    TRbButton button(nullptr);
    button.SetBounds(0, 0, 90, 44);
    button.SetCaption("Глиф");
    TBitmap glyph = GlyphPicture();
    button.SetGlyph(glyph);
    button.SetLayout(layout);
    SaveArtefact(Painted(button), "button_layout_" + std::to_string(int(layout)), 4);
  }
}

using ArtefactForm = ControlTest;

TEST_F(ArtefactForm, FocusedButtonOnAPanel) {
  auto form = MakeForm(0, 0, 200, 120);
  auto* panel = new TRbPanel(form.get());
  panel->SetParent(form.get());
  panel->SetAlign(alClient);
  panel->SetColor(5876991);
  panel->SetBorderColor(16512);
  panel->SetBorderWidth(4);
  auto* button = new TRbButton(form.get());
  button->SetBounds(60, 45, 80, 25);
  button->SetParent(panel);
  button->SetCaption("Фокус");
  button->SetColor(27090);
  form->Show();
  button->SetFocus();
  TestInput::ProcessEvents();
  ASSERT_TRUE(button->Focused());
  TBitmap picture;
  form->PaintTo(picture);
  SaveArtefact(picture, "form_panel_focused_button", 2);
}

}  // namespace
