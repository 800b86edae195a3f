#include "controls/KitLayoutClasses.h"

#include "controls/FlatLayoutClasses.h"
#include "controls/MenuLayoutClasses.h"
#include "controls/PanelLayoutClasses.h"
#include "controls/RoundedLayoutClasses.h"
#include "controls/RulerComboLayoutClasses.h"
#include "platform/layout/LayoutClasses.h"

void RegisterKitLayoutClasses() {
  RegisterPlatformLayoutClasses();
  RegisterFlatLayoutClasses();
  RegisterPanelLayoutClasses();
  RegisterRoundedLayoutClasses();
  RegisterRulerComboLayoutClasses();
  RegisterMenuLayoutClasses();
}
