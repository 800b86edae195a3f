// Registers TRichEdit for window layouts (its published properties and events). The program
// calls it once before reading a window that holds a rich-text control.
#pragma once

void RegisterRichEditLayoutClasses();
