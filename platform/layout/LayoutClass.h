// Registering a class for layouts, type-safely:
//
//   LayoutClass<TPanel, TCustomControl>("TPanel")
//       .Int("BorderWidth", &TPanel::SetBorderWidth)
//       .Enum("BevelInner", kBevelCuts, &TPanel::SetBevelInner)
//       .Object("Font", &TControl::Font)                  // Font.Height, Font.Style, ...
//       .Event("OnClick", &TControl::OnClick);            // a std::function member or setter
//
//   LayoutClass<TForm1, TForm>("TForm1")
//       .Field("RichEdit1", &TForm1::RichEdit1)            // filled with the created control
//       .Handler("FlatButton3Click", &TForm1::FlatButton3Click);
//
// Properties, handlers and fields are inherited along the class chain (the base class must be
// registered first). Setters are member functions of the class or of a base, or callables
// taking (T&, value). Names compare without regard to ASCII case. Registering the same class
// again adds to it, so registration functions may run more than once.
#pragma once

#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/core/Component.h"
#include "platform/graphics/Graphic.h"
#include "platform/layout/LayoutRegistry.h"

// The names of an enumeration's values, or of a set's members with their bits.
template <class E>
using TLayoutEnum = std::vector<std::pair<std::string, E>>;

namespace layout_detail {

// The value parameter of a setter: void (C::*)(V), or a callable (T&, V).
template <class S>
struct SetterArg : SetterArg<decltype(&S::operator())> {};
template <class C, class R, class V>
struct SetterArg<R (C::*)(V)> {
  using type = V;
};
template <class C, class R, class V>
struct SetterArg<R (C::*)(V) const> {
  using type = V;
};
template <class C, class R, class Self, class V>
struct SetterArg<R (C::*)(Self, V)> {
  using type = V;
};
template <class C, class R, class Self, class V>
struct SetterArg<R (C::*)(Self, V) const> {
  using type = V;
};
template <class R, class Self, class V>
struct SetterArg<R (*)(Self, V)> {
  using type = V;
};
template <class S>
using ArgOf = std::remove_cvref_t<typename SetterArg<std::remove_cvref_t<S>>::type>;

// The std::function type of an event: the member's type, or the setter's parameter.
template <class S, bool = std::is_member_object_pointer_v<S>>
struct EventOf {
  using type = ArgOf<S>;
};
template <class C, class M>
struct EventOf<M C::*, true> {
  using type = M;
};

template <class V>
constexpr std::int64_t MinOf() {
  if constexpr (std::is_signed_v<V>)
    return std::numeric_limits<V>::min();
  else
    return 0;
}
template <class V>
constexpr std::int64_t MaxOf() {
  if constexpr (std::is_unsigned_v<V> && sizeof(V) >= sizeof(std::int64_t))
    return std::numeric_limits<std::int64_t>::max();
  else
    return static_cast<std::int64_t>(std::numeric_limits<V>::max());
}

template <class E>
const E* FindName(const TLayoutEnum<E>& table, std::string_view name) {
  for (const auto& entry : table)
    if (SameText(entry.first, name)) return &entry.second;
  return nullptr;
}

template <class E>
std::string NameList(const TLayoutEnum<E>& table) {
  std::string names;
  for (const auto& entry : table) names += (names.empty() ? "" : ", ") + entry.first;
  return names;
}

template <class E>
const E& EnumValue(const TLayoutEnum<E>& table, const TLayoutValue& value, TLayoutBinder& binder) {
  const std::string& name = binder.Ident(value);
  const E* found = FindName(table, name);
  if (!found)
    binder.FailValue(value, "unknown value \"" + name + "\" (expected " + NameList(table) + ")");
  return *found;
}

}  // namespace layout_detail

template <class T, class Base = void>
class LayoutClass {
 public:
  explicit LayoutClass(const std::string& name) : info_(Register(name)) {}

  const TLayoutClassInfo& Info() const { return info_; }

  // Any property kind not covered below: fn(T&, the value as written, the binder).
  template <class F>
  LayoutClass& Value(const std::string& name, F fn) {
    TLayoutPropertyInfo& p = info_.properties[name];
    p = TLayoutPropertyInfo{};
    p.apply = [fn](void* self, const TLayoutValue& value, TLayoutBinder& binder) {
      fn(Self(self), value, binder);
    };
    return *this;
  }

  template <class S>
  LayoutClass& Int(const std::string& name, S setter) {
    using V = layout_detail::ArgOf<S>;
    static_assert(std::is_integral_v<V>, "Int needs an integer setter");
    return Value(name, [setter](T& self, const TLayoutValue& v, TLayoutBinder& b) {
      std::invoke(
          setter, self,
          static_cast<V>(b.Integer(v, layout_detail::MinOf<V>(), layout_detail::MaxOf<V>())));
    });
  }

  template <class S>
  LayoutClass& Bool(const std::string& name, S setter) {
    return Value(name, [setter](T& self, const TLayoutValue& v, TLayoutBinder& b) {
      std::invoke(setter, self, b.Boolean(v));
    });
  }

  template <class S>
  LayoutClass& Float(const std::string& name, S setter) {
    using V = layout_detail::ArgOf<S>;
    return Value(name, [setter](T& self, const TLayoutValue& v, TLayoutBinder& b) {
      std::invoke(setter, self, static_cast<V>(b.Float(v)));
    });
  }

  template <class S>
  LayoutClass& String(const std::string& name, S setter) {
    return Value(name, [setter](T& self, const TLayoutValue& v, TLayoutBinder& b) {
      std::invoke(setter, self, b.String(v));
    });
  }

  // A string list written as ('first' 'second').
  template <class S>
  LayoutClass& Strings(const std::string& name, S setter) {
    return Value(name, [setter](T& self, const TLayoutValue& v, TLayoutBinder& b) {
      std::invoke(setter, self, b.Strings(v));
    });
  }

  // A colour: a number (0x00BBGGRR) or a colour name such as clBtnFace.
  template <class S>
  LayoutClass& Color(const std::string& name, S setter) {
    using V = layout_detail::ArgOf<S>;
    return Value(name, [setter](T& self, const TLayoutValue& v, TLayoutBinder& b) {
      std::invoke(setter, self, static_cast<V>(b.Color(v)));
    });
  }

  // One named value of the table. For an integer table (cursors, character sets) a plain
  // number is accepted too.
  template <class E, class S>
  LayoutClass& Enum(const std::string& name, TLayoutEnum<E> table, S setter) {
    using V = layout_detail::ArgOf<S>;
    return Value(name, [table = std::move(table), setter](T& self, const TLayoutValue& v,
                                                          TLayoutBinder& b) {
      if constexpr (std::is_integral_v<E>) {
        if (v.kind == TLayoutValue::vkInteger) {
          std::invoke(
              setter, self,
              static_cast<V>(b.Integer(v, layout_detail::MinOf<E>(), layout_detail::MaxOf<E>())));
          return;
        }
      }
      std::invoke(setter, self, static_cast<V>(layout_detail::EnumValue(table, v, b)));
    });
  }

  // A set written as [a, b]; the table gives each member's bit, the setter gets their union.
  template <class M, class S>
  LayoutClass& Set(const std::string& name, TLayoutEnum<M> bits, S setter) {
    using V = layout_detail::ArgOf<S>;
    static_assert(std::is_integral_v<V>, "Set needs a setter taking a bit mask");
    return Value(
        name, [bits = std::move(bits), setter](T& self, const TLayoutValue& v, TLayoutBinder& b) {
          if (v.kind != TLayoutValue::vkSet)
            b.FailValue(v, std::string("a set such as [a, b] is expected, not ") +
                               LayoutValueKindName(v.kind));
          V mask = 0;
          for (const std::string& member : v.names) {
            const M* bit = layout_detail::FindName(bits, member);
            if (!bit)
              b.FailValue(v, "unknown set member \"" + member + "\" (expected " +
                                 layout_detail::NameList(bits) + ")");
            mask = static_cast<V>(mask | static_cast<V>(*bit));
          }
          std::invoke(setter, self, mask);
        });
  }

  // Raw bytes written in braces.
  template <class S>
  LayoutClass& Binary(const std::string& name, S setter) {
    return Value(name, [setter](T& self, const TLayoutValue& v, TLayoutBinder& b) {
      std::invoke(setter, self, b.Binary(v));
    });
  }

  // A picture in its stored form (class name, byte count, file bytes) written in braces. The
  // setter takes std::unique_ptr<TGraphic> or a TGraphic reference to copy from.
  template <class S>
  LayoutClass& Graphic(const std::string& name, S setter) {
    using V = layout_detail::ArgOf<S>;
    return Value(name, [setter](T& self, const TLayoutValue& v, TLayoutBinder& b) {
      std::unique_ptr<TGraphic> picture = b.Picture(v);
      if constexpr (std::is_same_v<V, TGraphic>)
        std::invoke(setter, self, *picture);
      else
        std::invoke(setter, self, std::move(picture));
    });
  }

  // An event: a std::function data member or a setter taking one. The layout names a handler
  // of the window; its registered signature must be exactly the event's.
  template <class S>
  LayoutClass& Event(const std::string& name, S target) {
    using F = typename layout_detail::EventOf<S>::type;
    return Value(name, [target, name](T& self, const TLayoutValue& v, TLayoutBinder& b) {
      std::any handler = b.Handler(v);
      F* function = std::any_cast<F>(&handler);
      if (!function)
        b.FailValue(v, "handler \"" + v.text + "\" does not fit the event \"" + name + "\"");
      if constexpr (std::is_member_object_pointer_v<S>)
        self.*target = std::move(*function);
      else
        std::invoke(target, self, std::move(*function));
    });
  }

  // Another component of the same window, by name; set once the whole window is read.
  template <class S>
  LayoutClass& Reference(const std::string& name, S setter) {
    using A = layout_detail::ArgOf<S>;
    static_assert(std::is_pointer_v<A>, "Reference needs a setter taking a pointer");
    using R = std::remove_cv_t<std::remove_pointer_t<A>>;
    return Value(name, [setter](T& self, const TLayoutValue& v, TLayoutBinder& b) {
      T* object = &self;
      b.Refer(
          v, typeid(R),
          [](TComponent* c) { return c == nullptr || dynamic_cast<R*>(c) != nullptr; },
          [object, setter](TComponent* c) {
            std::invoke(setter, *object, c ? dynamic_cast<R*>(c) : nullptr);
          });
    });
  }

  // A sub-object the class owns (Font, Colors), reached by a getter returning a reference or
  // pointer; its own registered properties are written as "Font.Height".
  template <class G>
  LayoutClass& Object(const std::string& name, G getter) {
    using Ret = std::invoke_result_t<G, T&>;
    using Sub = std::remove_cvref_t<std::remove_pointer_t<std::remove_reference_t<Ret>>>;
    TLayoutPropertyInfo& p = info_.properties[name];
    p = TLayoutPropertyInfo{};
    p.kind = TLayoutPropertyInfo::pkObject;
    p.subType = typeid(Sub);
    p.access = [getter](void* self, const std::function<void(void*)>& edit) {
      if constexpr (std::is_pointer_v<std::remove_reference_t<Ret>>) {
        Sub* sub = std::invoke(getter, Self(self));
        if (!sub) throw Exception("the sub-object does not exist");
        edit(static_cast<void*>(sub));
      } else {
        Sub& sub = std::invoke(getter, Self(self));
        edit(static_cast<void*>(&sub));
      }
    };
    return *this;
  }

  // A sub-object the class keeps by value: read a copy, change it, store it back.
  template <class G, class S>
  LayoutClass& ObjectCopy(const std::string& name, G getter, S setter) {
    using Sub = std::remove_cvref_t<std::invoke_result_t<G, T&>>;
    TLayoutPropertyInfo& p = info_.properties[name];
    p = TLayoutPropertyInfo{};
    p.kind = TLayoutPropertyInfo::pkObject;
    p.subType = typeid(Sub);
    p.access = [getter, setter](void* self, const std::function<void(void*)>& edit) {
      Sub copy = std::invoke(getter, Self(self));
      edit(static_cast<void*>(&copy));
      std::invoke(setter, Self(self), copy);
    };
    return *this;
  }

  // A collection written as < item ... end item ... end >: clear (optional) empties it, add
  // appends one item and returns it (reference or pointer) to receive the item's properties.
  template <class A, class C = std::nullptr_t>
  LayoutClass& Collection(const std::string& name, A add, C clear = nullptr) {
    using Ret = std::invoke_result_t<A, T&>;
    using Item = std::remove_cvref_t<std::remove_pointer_t<std::remove_reference_t<Ret>>>;
    TLayoutPropertyInfo& p = info_.properties[name];
    p = TLayoutPropertyInfo{};
    p.kind = TLayoutPropertyInfo::pkCollection;
    p.subType = typeid(Item);
    p.add = [add](void* self) -> void* {
      if constexpr (std::is_pointer_v<std::remove_reference_t<Ret>>) {
        Item* item = std::invoke(add, Self(self));
        if (!item) throw Exception("the collection did not add an item");
        return static_cast<void*>(item);
      } else {
        Item& item = std::invoke(add, Self(self));
        return static_cast<void*>(&item);
      }
    };
    if constexpr (!std::is_null_pointer_v<C>)
      p.clear = [clear](void* self) { std::invoke(clear, Self(self)); };
    return *this;
  }

  // A method of the window class that event properties may name.
  template <class R, class... Args>
  LayoutClass& Handler(const std::string& name, void (R::*method)(Args...)) {
    static_assert(std::is_base_of_v<R, T>, "the handler must be a method of the class");
    info_.handlers[name].bind = [method](void* self) -> std::any {
      T* object = static_cast<T*>(self);
      return std::any(std::function<void(Args...)>(
          [object, method](Args... args) { (object->*method)(std::forward<Args>(args)...); }));
    };
    return *this;
  }

  // A field of the window class that receives the component of this name. A registered field
  // the layout does not create is an error, so a window cannot run with a missing control.
  template <class F, class C>
  LayoutClass& Field(const std::string& name, F* C::*member) {
    TLayoutFieldInfo& f = info_.fields[name];
    f.type = typeid(F);
    f.assign = [member](void* self, TComponent* component) {
      F* typed = dynamic_cast<F*>(component);
      if (!typed) return false;
      Self(self).*member = typed;
      return true;
    };
    return *this;
  }

  // How a component of this class is placed inside the component enclosing it in the layout:
  // a setter taking the parent (pointer or reference). Several rules may exist (a menu item
  // goes into a menu or into another item); the first whose parent type fits is used.
  template <class S>
  LayoutClass& Parent(S setter) {
    using A = layout_detail::ArgOf<S>;
    using P = std::remove_cv_t<std::remove_pointer_t<A>>;
    TLayoutParentRule rule;
    rule.attach = [setter](void* self, TComponent* parent) {
      P* typed = dynamic_cast<P*>(parent);
      if (!typed) return false;
      if constexpr (std::is_pointer_v<A>)
        std::invoke(setter, Self(self), typed);
      else
        std::invoke(setter, Self(self), *typed);
      return true;
    };
    info_.parentRules.push_back(std::move(rule));
    return *this;
  }

 private:
  static T& Self(void* p) { return *static_cast<T*>(p); }

  static TLayoutClassInfo& Register(const std::string& name) {
    std::function<void*(void*)> toParent;
    const std::type_index* base = nullptr;
    if constexpr (!std::is_void_v<Base>) {
      static_assert(std::is_base_of_v<Base, T>, "Base must be a base class of T");
      static const std::type_index baseType = typeid(Base);
      base = &baseType;
      toParent = [](void* p) -> void* { return static_cast<Base*>(static_cast<T*>(p)); };
    }
    TLayoutClassInfo& info = LayoutRegistry().Add(name, typeid(T), base, std::move(toParent));
    if constexpr (std::is_base_of_v<TComponent, T>) {
      info.fromComponent = [](TComponent* c) -> void* { return dynamic_cast<T*>(c); };
      if constexpr (!std::is_abstract_v<T> && std::is_constructible_v<T, TComponent*>)
        info.create = [](TComponent* owner) -> TComponent* { return MakeOwned<T>(owner); };
    }
    return info;
  }

  TLayoutClassInfo& info_;
};
