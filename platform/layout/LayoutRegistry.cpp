#include "platform/layout/LayoutRegistry.h"

#include "platform/core/Exception.h"
#include "platform/layout/LayoutClasses.h"

namespace {

template <class Entry, class MapOf>
TLayoutFound<Entry> FindAlongChain(const TLayoutClassInfo& cls, void* self, std::string_view name,
                                   MapOf mapOf) {
  const TLayoutClassInfo* c = &cls;
  void* p = self;
  while (c) {
    const auto& map = mapOf(*c);
    const auto it = map.find(name);
    if (it != map.end()) return {&it->second, p, c};
    if (!c->parent) break;
    p = p ? c->toParent(p) : nullptr;
    c = c->parent;
  }
  return {};
}

}  // namespace

TLayoutClassInfo& TLayoutRegistry::Add(const std::string& name, std::type_index type,
                                       const std::type_index* baseType,
                                       std::function<void*(void*)> toParent) {
  if (const auto it = byName_.find(name); it != byName_.end()) {
    if (it->second->type != type)
      throw Exception("Layout class \"" + name + "\" is already registered for another type");
    return *it->second;
  }
  if (byType_.count(type))
    throw Exception("Layout class \"" + name + "\" is already registered as \"" +
                    byType_[type]->name + "\"");
  const TLayoutClassInfo* parent = nullptr;
  if (baseType) {
    parent = Find(*baseType);
    if (!parent) {
      // Classes of other layers derive from the platform's; make sure those are there.
      RegisterPlatformLayoutClasses();
      parent = Find(*baseType);
    }
    if (!parent)
      throw Exception("The base class of layout class \"" + name + "\" must be registered first");
  }
  auto info = std::make_unique<TLayoutClassInfo>();
  info->name = name;
  info->type = type;
  info->parent = parent;
  info->toParent = std::move(toParent);
  TLayoutClassInfo& added = *info;
  byType_[type] = info.get();
  byName_[name] = std::move(info);
  return added;
}

const TLayoutClassInfo* TLayoutRegistry::Find(std::string_view name) const {
  const auto it = byName_.find(name);
  return it == byName_.end() ? nullptr : it->second.get();
}

const TLayoutClassInfo* TLayoutRegistry::Find(std::type_index type) const {
  const auto it = byType_.find(type);
  return it == byType_.end() ? nullptr : it->second;
}

std::string TLayoutRegistry::NameOf(std::type_index type) const {
  if (const TLayoutClassInfo* c = Find(type)) return c->name;
  return "an unregistered class";
}

TLayoutFound<TLayoutPropertyInfo> TLayoutRegistry::FindProperty(const TLayoutClassInfo& cls,
                                                                void* self,
                                                                std::string_view name) const {
  return FindAlongChain<TLayoutPropertyInfo>(
      cls, self, name, [](const TLayoutClassInfo& c) -> const auto& { return c.properties; });
}

TLayoutFound<TLayoutHandlerInfo> TLayoutRegistry::FindHandler(const TLayoutClassInfo& cls,
                                                              void* self,
                                                              std::string_view name) const {
  return FindAlongChain<TLayoutHandlerInfo>(
      cls, self, name, [](const TLayoutClassInfo& c) -> const auto& { return c.handlers; });
}

TLayoutFound<TLayoutFieldInfo> TLayoutRegistry::FindField(const TLayoutClassInfo& cls, void* self,
                                                          std::string_view name) const {
  return FindAlongChain<TLayoutFieldInfo>(
      cls, self, name, [](const TLayoutClassInfo& c) -> const auto& { return c.fields; });
}

TLayoutRegistry& LayoutRegistry() {
  static TLayoutRegistry registry;
  return registry;
}
