// The classes a layout may name, with their published properties, the handlers a window class
// offers to its controls' events, the fields a window fills with its controls, and how a control
// is placed inside its parent. This is the type-erased core; LayoutClass.h is the typed way to
// fill it.
//
// Each registered class stores its entries against a pointer to its own C++ type (void* that
// really is a T*); walking up the class chain converts that pointer with the base-class cast the
// registration recorded, so multiple inheritance and sub-objects are handled exactly.
#pragma once

#include <any>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <typeindex>
#include <vector>

#include "platform/graphics/Color.h"
#include "platform/layout/LayoutText.h"
#include "platform/layout/LayoutValue.h"

class TComponent;
class TGraphic;

// What the typed property setters need from whoever applies a layout: value conversion with
// messages that name the layout, line, object and property, handler lookup on the window, and
// component references resolved after the whole window is read.
class TLayoutBinder {
 public:
  virtual ~TLayoutBinder() = default;

  // Raises EInvalidLayout about the property being applied.
  [[noreturn]] virtual void FailValue(const TLayoutValue& value, const std::string& what) = 0;

  virtual std::int64_t Integer(const TLayoutValue& value, std::int64_t min, std::int64_t max) = 0;
  virtual bool Boolean(const TLayoutValue& value) = 0;
  virtual double Float(const TLayoutValue& value) = 0;
  virtual std::string String(const TLayoutValue& value) = 0;
  virtual std::vector<std::string> Strings(const TLayoutValue& value) = 0;
  virtual TColor Color(const TLayoutValue& value) = 0;
  virtual const std::string& Ident(const TLayoutValue& value) = 0;
  virtual std::vector<std::uint8_t> Binary(const TLayoutValue& value) = 0;
  virtual std::unique_ptr<TGraphic> Picture(const TLayoutValue& value) = 0;
  // The window's handler named by the value, as the std::function its class registered.
  virtual std::any Handler(const TLayoutValue& value) = 0;
  // Resolves the component named by the value once the whole window exists; "nil" gives
  // nullptr. fits tells whether a component is of the kind the property takes.
  virtual void Refer(const TLayoutValue& value, std::type_index expected,
                     std::function<bool(TComponent*)> fits,
                     std::function<void(TComponent*)> assign) = 0;
};

struct TLayoutPropertyInfo {
  enum Kind { pkValue, pkObject, pkCollection };
  Kind kind = pkValue;
  // pkValue: stores the value into the object.
  std::function<void(void* self, const TLayoutValue& value, TLayoutBinder& binder)> apply;
  // pkObject, pkCollection: the registered type of the sub-object or of the items.
  std::type_index subType = typeid(void);
  // pkObject: runs edit on the sub-object (and stores it back where the class keeps a copy).
  std::function<void(void* self, const std::function<void(void* sub)>& edit)> access;
  // pkCollection: empties the collection (may be empty) and adds one item.
  std::function<void(void* self)> clear;
  std::function<void*(void* self)> add;
};

struct TLayoutHandlerInfo {
  // The handler bound to the window object, as std::function<void(Args...)> in a std::any.
  std::function<std::any(void* self)> bind;
};

struct TLayoutFieldInfo {
  std::type_index type = typeid(void);
  // Stores the component in the window's field; false when it is of another class.
  std::function<bool(void* self, TComponent* component)> assign;
};

struct TLayoutParentRule {
  // Places the control inside parent; false when parent is not of the kind this rule takes.
  std::function<bool(void* self, TComponent* parent)> attach;
};

struct TLayoutClassInfo {
  std::string name;
  std::type_index type = typeid(void);
  const TLayoutClassInfo* parent = nullptr;
  std::function<void*(void*)> toParent;
  std::function<TComponent*(TComponent* owner)> create;  // empty: abstract or not a component
  std::function<void*(TComponent*)> fromComponent;       // empty: not a component
  std::map<std::string, TLayoutPropertyInfo, TLessTextAscii> properties;
  std::map<std::string, TLayoutHandlerInfo, TLessTextAscii> handlers;
  std::map<std::string, TLayoutFieldInfo, TLessTextAscii> fields;
  std::vector<TLayoutParentRule> parentRules;
};

// An entry found along a class chain, with the object pointer converted to that class.
template <class Entry>
struct TLayoutFound {
  const Entry* entry = nullptr;
  void* self = nullptr;
  const TLayoutClassInfo* owner = nullptr;
};

class TLayoutRegistry {
 public:
  // Adds a class, or returns it when the same C++ type was registered under this name before.
  // Raises Exception when the name is taken by another type or the base is not registered.
  TLayoutClassInfo& Add(const std::string& name, std::type_index type,
                        const std::type_index* baseType, std::function<void*(void*)> toParent);

  const TLayoutClassInfo* Find(std::string_view name) const;
  const TLayoutClassInfo* Find(std::type_index type) const;
  // The registered name of a type, or a readable stand-in for messages.
  std::string NameOf(std::type_index type) const;

  TLayoutFound<TLayoutPropertyInfo> FindProperty(const TLayoutClassInfo& cls, void* self,
                                                 std::string_view name) const;
  TLayoutFound<TLayoutHandlerInfo> FindHandler(const TLayoutClassInfo& cls, void* self,
                                               std::string_view name) const;
  TLayoutFound<TLayoutFieldInfo> FindField(const TLayoutClassInfo& cls, void* self,
                                           std::string_view name) const;

 private:
  std::map<std::string, std::unique_ptr<TLayoutClassInfo>, TLessTextAscii> byName_;
  std::map<std::type_index, TLayoutClassInfo*> byType_;
};

// The one registry of the program.
TLayoutRegistry& LayoutRegistry();
