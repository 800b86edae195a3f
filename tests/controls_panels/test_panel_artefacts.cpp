// Renders every control of this family in each of its states to PNG files for a person to
// look at (<build>/artefacts/controls_panels/), and checks each picture shows its control.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "controls/AtomButton.h"
#include "controls/SmoothPanel.h"
#include "controls/VasPanel.h"
#include "panels_fixture.h"

namespace {

class PanelArtefacts : public PanelsTest {
 protected:
  // Saves the face and checks the file is there and reads back as the same picture.
  void Save(TControl& control, const std::string& name) {
    TBitmap face = Face(control);
    SaveArtefact(face, name);
    const std::filesystem::path path = std::filesystem::path(TARVIK_BINARY_DIR) / "artefacts" /
                                       "controls_panels" / (name + ".png");
    TBitmap back;
    back.LoadFromFile(path.string());
    EXPECT_EQ(ImageDifference(back, face), "") << name;
  }
};

TEST_F(PanelArtefacts, SmoothPanels) {
  // The main window's strips, as its layout sets them up.
  TSmoothPanel* title = Make<TSmoothPanel>(0, 0, 723, 33);
  title->SetColor(3644415);
  title->SetBevelInner(TBevelStyle::bsRaised);
  title->SetBorderWidth(1);
  auto* buttons = new TSmoothPanel(form_.get());
  buttons->SetParent(title);
  buttons->SetWidth(95);
  buttons->SetAlign(TAlign::alRight);
  buttons->SetColor(3644415);
  buttons->SetBevelInner(TBevelStyle::bsLowered);
  Save(*title, "smooth_title_bar");

  TSmoothPanel* toolbar = Make<TSmoothPanel>(0, 40, 723, 77);
  toolbar->SetColor(6205183);
  toolbar->SetBevelInner(TBevelStyle::bsRaised);
  auto* clock = new TSmoothPanel(form_.get());
  clock->SetParent(toolbar);
  clock->SetBounds(621, 6, 85, 18);
  clock->SetColor(3119103);
  clock->SetBevelInner(TBevelStyle::bsLowered);
  clock->SetShadowDepth(0);
  clock->Font().SetName("Arial");
  clock->Font().SetHeight(-13);
  clock->Font().SetColor(16512);
  clock->Font().SetCharset(RUSSIAN_CHARSET);
  clock->SetCaption("12 :34 :56");
  Save(*toolbar, "smooth_toolbar_with_clock");
  Save(*clock, "smooth_clock");

  TSmoothPanel* panel = Make<TSmoothPanel>(0, 0, 220, 40);
  panel->Font().SetName("Arial");
  panel->Font().SetHeight(-16);
  panel->Font().SetStyle(fsBold);
  panel->Font().SetColor(clWhite);
  panel->SetCaption("Сглаженная панель");
  const struct {
    TLayout layout;
    TBevelStyle outer, inner;
    TCustomColor palette;
    const char* name;
  } looks[] = {
      {TLayout::plLeft, TBevelStyle::bsRaised, TBevelStyle::bsNone, TCustomColor::ccSapphire,
       "smooth_left_raised_sapphire"},
      {TLayout::plCenter, TBevelStyle::bsLowered, TBevelStyle::bsRaised, TCustomColor::ccRuby,
       "smooth_center_lowered_raised_ruby"},
      {TLayout::plRight, TBevelStyle::bsRaised, TBevelStyle::bsLowered, TCustomColor::ccMoss,
       "smooth_right_raised_lowered_moss"},
      {TLayout::plCenter, TBevelStyle::bsNone, TBevelStyle::bsNone, TCustomColor::ccManuscript,
       "smooth_center_flat_manuscript"},
  };
  for (const auto& look : looks) {
    panel->SetLayout(look.layout);
    panel->SetBevelOuter(look.outer);
    panel->SetBevelInner(look.inner);
    panel->SetCustomColor(look.palette);
    Save(*panel, look.name);
  }
  panel->SetShadowText(false);
  Save(*panel, "smooth_center_flat_manuscript_no_shadow");
}

TEST_F(PanelArtefacts, ShadowPanels) {
  TVasPanel* panel = Make<TVasPanel>(0, 0, 251, 29);
  panel->SetColor(3972607);
  panel->SetBorderWidth(2);
  panel->SetCaption("");
  Save(*panel, "vas_prompt_title_strip");
  panel->SetCaption("Тень панели");
  panel->Font().SetName("Arial");
  panel->Font().SetHeight(-16);
  panel->Font().SetStyle(fsBold);
  panel->Font().SetColor(RGB(100, 50, 0));
  const struct {
    TStyleKind kind;
    const char* name;
  } kinds[] = {{TStyleKind::skRaised, "vas_raised"},
               {TStyleKind::skLowered, "vas_lowered"},
               {TStyleKind::skShadow, "vas_shadow"},
               {TStyleKind::skNone, "vas_none"}};
  for (const auto& k : kinds) {
    panel->SetStyleKind(k.kind);
    Save(*panel, k.name);
  }
  panel->SetStyleKind(TStyleKind::skShadow);
  panel->SetShadowPos(TShadowPosition::spRightTop);
  panel->SetShadowColor(clWhite);
  panel->SetShadowSize(3);
  panel->SetBevelInner(TBevelCut::bvLowered);
  panel->SetAlignment(TAlignment::taLeftJustify);
  Save(*panel, "vas_custom_right_top_left_aligned");
}

TEST_F(PanelArtefacts, GradientLinkButtons) {
  // The about window's link button.
  tAtomButton* link = Make<tAtomButton>(18, 140, 233, 21);
  link->SetBtnColorNormal1(7715583);
  link->SetBtnColorNormal2(28895);
  link->SetBtnColorMouseOn1(28637);
  link->SetBtnColorMouseOn2(8240895);
  link->SetBtnColorMouseDown1(4227327);
  link->SetBtnColorMouseDown2(16512);
  link->SetBtnColorEnable1(1543167);
  link->SetBtnColorEnable2(33023);
  TFont bold;
  bold.SetStyle(fsBold);
  link->SetBtnFontNormal(bold);
  link->SetBtnFontMouseOn(bold);
  link->SetBtnFontMouseDown(bold);
  link->SetBtnFontMouseEneble(bold);
  link->setCaption("http://www.example.org");
  Save(*link, "atom_link_normal");
  link->MouseEnter();
  Save(*link, "atom_link_over");
  link->MouseDown(TMouseButton::mbLeft, ssLeft, 5, 5);
  Save(*link, "atom_link_down");
  link->MouseUp(TMouseButton::mbLeft, 0, 5, 5);
  Save(*link, "atom_link_released_inside");
  link->MouseLeave();
  Save(*link, "atom_link_left");
  link->setEnabled(false);
  Save(*link, "atom_link_disabled");

  // The default colours with a picture and a gap.
  tAtomButton* plain = Make<tAtomButton>(0, 0, 120, 24);
  TBitmap picture = Filled(16, 16, clFuchsia);
  picture.Canvas().Brush().SetColor(clNavy);
  picture.Canvas().Ellipse(2, 2, 14, 14);
  plain->setBitmap(picture);
  plain->setTextBitmapWidth(3);
  plain->setCaption("Кнопка");
  Save(*plain, "atom_picture_normal");
  plain->MouseEnter();
  Save(*plain, "atom_picture_over");
  plain->MouseDown(TMouseButton::mbLeft, ssLeft, 5, 5);
  Save(*plain, "atom_picture_down");
  plain->MouseUp(TMouseButton::mbLeft, 0, 5, 5);
  plain->setEnabled(false);
  Save(*plain, "atom_picture_disabled");

  // The close button: a Cyrillic "Х".
  tAtomButton* close = Make<tAtomButton>(236, 4, 25, 21);
  close->SetBtnColorNormal1(7715583);
  close->SetBtnColorNormal2(28895);
  close->SetBtnFontNormal(bold);
  close->setCaption("Х");
  Save(*close, "atom_close_normal");
}

}  // namespace
