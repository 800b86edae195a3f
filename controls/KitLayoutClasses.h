// Registers every control of the kit with the layout reader, after the platform's own classes.
#pragma once

void RegisterKitLayoutClasses();
