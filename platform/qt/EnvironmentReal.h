// Internal to the platform layer: the Qt bindings of the environment services, each defined
// beside the wrapper it serves (DialogsQt.cpp, FindDialog.cpp, MessageBoxQt.cpp, Sound.cpp,
// Shell.cpp, Clock.cpp, Environment.cpp, FontCatalog.cpp). Created on first use; they need the
// Qt application.
#pragma once

#include "platform/environment/Environment.h"

IDialogs& RealDialogs();
IFindDialogs& RealFindDialogs();
IMessageBoxes& RealMessageBoxes();
ISoundPlayer& RealSoundPlayer();
IShell& RealShell();
ILocalClock& RealClock();
IScreenInfo& RealScreen();
IFontCatalog& RealFontCatalog();
