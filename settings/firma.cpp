#include "settings/firma.h"

#include "controls/AtomButton.h"
#include "platform/environment/Shell.h"

// The build passes both addresses (settings/CMakeLists.txt: TARVIK_HOME_PAGE, TARVIK_SECOND_SITE).
#if !defined(TARVIK_HOME_PAGE) || !defined(TARVIK_SECOND_SITE)
#error "The web addresses of the about window come from the build."
#endif

namespace {

// The window grows from its design size to this once it has been centred.
constexpr int kShownWidth = 265;
constexpr int kShownHeight = 224;

}  // namespace

const char* HomePageAddress() {
  return TARVIK_HOME_PAGE;
}

const char* SecondSiteAddress() {
  return TARVIK_SECOND_SITE;
}

void TZnak::Loaded() {
  TForm::Loaded();
  tAtomButton1->setCaption(SecondSiteAddress());
  tAtomButton2->setCaption(HomePageAddress());
}

// Centred from the size it has now, then resized: the first showing so grows downward from
// the centre of the design size, later ones are centred as they are.
void TZnak::FormShow(TComponent*) {
  CenterOnScreen();
  SetHeight(kShownHeight);
  SetWidth(kShownWidth);
}

// Whether a browser opened is not our concern: a failure stays silent.
void TZnak::tAtomButton1Click(TComponent*) {
  OpenUrl(SecondSiteAddress());
}

void TZnak::tAtomButton2Click(TComponent*) {
  OpenUrl(HomePageAddress());
}

void TZnak::tAtomButton3Click(TComponent*) {
  Close();
}
