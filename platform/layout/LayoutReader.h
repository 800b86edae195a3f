// Builds a window from its layout: the root object of the layout is the window itself (its class
// must be the window's registered class), every other object is created by its registered class,
// owned by the window, named, placed in the object that encloses it, and given its properties in
// the order written. Component references are resolved after the whole window is read. While
// reading, every component is in the loading state; Loaded runs once at the end.
//
// Any fault raises EInvalidLayout naming the layout, the line and the name at fault. The window
// is then left partly built (everything created is owned by it): destroy it.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/layout/LayoutValue.h"

class TComponent;

// Applies a parsed layout to root.
void ReadLayout(TComponent& root, const TLayoutObject& layout, const std::string& layoutName);
// Parses and applies layout text.
void ReadLayoutText(TComponent& root, std::string_view text, const std::string& layoutName);
// Reads a layout file (tests, tools); the layout's name in messages is the file name.
void ReadLayoutFile(TComponent& root, const std::string& path);

// Layouts shipped with the program are resources ":/layouts/NAME.layout" (resources/layouts).
// A window's layout is named after its class: TForm1.layout.
void ReadLayoutResource(TComponent& root, const std::string& name);
// Reads the layout named after the window's class; false (and nothing read) when there is none.
// A window class does not read its layout in its constructor: whoever creates the window calls
// this after construction and before OnCreate, so that handlers find the controls in place.
bool ReadOwnLayout(TComponent& window);
std::string LayoutResourceText(const std::string& name);
// The names (without ".layout") of every shipped layout, sorted.
std::vector<std::string> LayoutResourceNames();

// Creates a component of the registered class that the layout's root names, with no owner, and
// reads the layout into it. This is how a layout is checked against its window class.
std::unique_ptr<TComponent> CreateFromLayout(const TLayoutObject& layout,
                                             const std::string& layoutName);

// A file's bytes as text, at most maxBytes; raises EInvalidLayout naming the file otherwise.
std::string ReadLayoutFileText(const std::string& path);
