// Layout registration of the ruler and of the colour and font combo boxes.
#pragma once

void RegisterRulerComboLayoutClasses();
