// The tree a window layout is read into: objects with their class, their property assignments in
// the order written, and their child objects. Values keep their kind and line so the binder can
// say exactly where a wrong value stands.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/Exception.h"

// A layout that cannot be read or applied. The message names the layout, the line and the
// offending name.
class EInvalidLayout : public Exception {
 public:
  using Exception::Exception;
};

struct TLayoutProperty;

// One `item ... end` entry of a collection value.
struct TLayoutItem {
  int line = 0;
  std::vector<TLayoutProperty> properties;
};

struct TLayoutValue {
  enum Kind {
    vkInteger,     // -11, $FF, 0xFF
    vkFloat,       // 1.5, -2e3
    vkString,      // 'text' pieces, #13 codes and + joins, as UTF-8
    vkIdent,       // alClient, True, clBtnFace, a component or handler name
    vkSet,         // [fsBold, fsItalic]
    vkList,        // ('a' 'b') or (1 2 3)
    vkBinary,      // { 0A1B... }
    vkCollection,  // < item ... end item ... end >
  };

  Kind kind = vkInteger;
  int line = 0;
  std::int64_t integer = 0;
  double number = 0;
  std::string text;                     // vkString, vkIdent
  std::vector<std::string> names;       // vkSet
  std::vector<TLayoutValue> items;      // vkList
  std::vector<std::uint8_t> bytes;      // vkBinary
  std::vector<TLayoutItem> collection;  // vkCollection
};

// "integer", "string", ... for messages.
const char* LayoutValueKindName(TLayoutValue::Kind kind);

struct TLayoutProperty {
  std::string name;  // dotted path as written: "Font.Style", "Colors.OverTo"
  int line = 0;
  TLayoutValue value;
};

struct TLayoutObject {
  std::string name;       // "RbPanel1"
  std::string className;  // "TRbPanel"
  int line = 0;
  std::vector<TLayoutProperty> properties;  // in the order written
  std::vector<TLayoutObject> children;      // in the order written
};
