// Registers the settings window TForm2 and the about window TZnak with the layout reader,
// together with every class their layouts use. May run more than once.
#pragma once

void RegisterSettingsLayoutClasses();
