// Registers the standard controls, menus and image lists for layouts (labels, edits, images,
// panels, spinners, status bars, radio groups, combo boxes, menu items and popup menus).
// Needs the control classes registered first; RegisterPlatformLayoutClasses calls it.
#pragma once

void RegisterStdLayoutClasses();
