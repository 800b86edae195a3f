// Registers the platform's own classes for layouts: components, controls, forms, timers,
// dialogs, fonts. Safe to call any number of times; the layout reader calls it itself.
#pragma once

void RegisterPlatformLayoutClasses();
