// Registers the platform's own classes for layouts: components, controls, forms, timers,
// dialogs, fonts. Safe to call any number of times; the layout reader calls it itself.
#pragma once

#include "platform/framework/ControlTypes.h"
#include "platform/layout/LayoutClass.h"

void RegisterPlatformLayoutClasses();

// The cursor names layouts use ("crDefault", "crHandPoint", ...), for every class with a
// Cursor property.
const TLayoutEnum<TCursor>& LayoutCursorNames();
