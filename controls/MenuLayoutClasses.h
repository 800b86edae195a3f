// Registers the owner-drawn popup menu (TRxPopupMenu) and its published properties for
// layouts. Needs the platform's classes registered first (the layout reader does that).
#pragma once

void RegisterMenuLayoutClasses();
