// Layout registration of the smooth panel, the shadow panel and the gradient link button.
#pragma once

// Registers TSmoothPanel, TVasPanel and tAtomButton with their published properties; may run
// more than once.
void RegisterPanelLayoutClasses();
