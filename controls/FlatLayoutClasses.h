// Registers the flat button, flat check box and flat hint with the layout reader.
#pragma once

void RegisterFlatLayoutClasses();
