// Registers the rounded controls, their colour sets and the style manager with the layout
// reader. May run more than once.
#pragma once

void RegisterRoundedLayoutClasses();
