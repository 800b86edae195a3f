#include "platform/layout/LayoutReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <limits>
#include <set>

#include "platform/core/Component.h"
#include "platform/graphics/Graphic.h"
#include "platform/layout/LayoutClasses.h"
#include "platform/layout/LayoutParser.h"
#include "platform/layout/LayoutRegistry.h"

namespace {

// Layout files are a few kilobytes; a far larger file is not a layout.
constexpr qint64 kMaxLayoutFileSize = 4 << 20;

struct Fixup {
  int line = 0;
  std::string subject;
  std::string target;
  std::type_index expected = typeid(void);
  std::function<bool(TComponent*)> fits;
  std::function<void(TComponent*)> assign;
};

class Reader final : public TLayoutBinder {
 public:
  Reader(TComponent& root, const std::string& layoutName)
      : root_(root), name_(layoutName), registry_(LayoutRegistry()) {}

  void Read(const TLayoutObject& layout) {
    root_.BeginLoading();
    try {
      ReadRoot(layout);
    } catch (...) {
      EndLoadingQuietly();
      throw;
    }
    root_.EndLoading();
  }

  [[noreturn]] void FailValue(const TLayoutValue& value, const std::string& what) override {
    Fail(value.line, Subject() + ": " + what);
  }

  std::int64_t Integer(const TLayoutValue& value, std::int64_t min, std::int64_t max) override {
    Expect(value, TLayoutValue::vkInteger);
    if (value.integer < min || value.integer > max)
      FailValue(value, std::to_string(value.integer) + " is out of range (" + std::to_string(min) +
                           " to " + std::to_string(max) + ")");
    return value.integer;
  }

  bool Boolean(const TLayoutValue& value) override {
    if (value.kind == TLayoutValue::vkIdent) {
      if (SameText(value.text, "True")) return true;
      if (SameText(value.text, "False")) return false;
    }
    FailValue(value, "True or False is expected");
  }

  double Float(const TLayoutValue& value) override {
    if (value.kind == TLayoutValue::vkInteger) return static_cast<double>(value.integer);
    Expect(value, TLayoutValue::vkFloat);
    return value.number;
  }

  std::string String(const TLayoutValue& value) override {
    Expect(value, TLayoutValue::vkString);
    return value.text;
  }

  std::vector<std::string> Strings(const TLayoutValue& value) override {
    Expect(value, TLayoutValue::vkList);
    std::vector<std::string> lines;
    for (const TLayoutValue& item : value.items) {
      if (item.kind != TLayoutValue::vkString)
        FailValue(item, std::string("the list may hold only strings, not ") +
                            LayoutValueKindName(item.kind));
      lines.push_back(item.text);
    }
    return lines;
  }

  TColor Color(const TLayoutValue& value) override {
    if (value.kind == TLayoutValue::vkInteger) {
      // Negative numbers are the 32-bit pattern of a system colour (clBtnFace = -16777201).
      if (value.integer < std::numeric_limits<std::int32_t>::min() ||
          value.integer > std::numeric_limits<std::uint32_t>::max())
        FailValue(value, std::to_string(value.integer) + " is not a colour");
      return static_cast<TColor>(static_cast<std::uint32_t>(value.integer));
    }
    if (value.kind != TLayoutValue::vkIdent)
      FailValue(value, std::string("a colour is expected, not ") + LayoutValueKindName(value.kind));
    TColor color = 0;
    if (value.text.size() < 3 || !SameText(value.text.substr(0, 2), "cl") ||
        !IdentToColor(value.text, color))
      FailValue(value, "unknown colour \"" + value.text + "\"");
    return color;
  }

  const std::string& Ident(const TLayoutValue& value) override {
    Expect(value, TLayoutValue::vkIdent);
    return value.text;
  }

  std::vector<std::uint8_t> Binary(const TLayoutValue& value) override {
    Expect(value, TLayoutValue::vkBinary);
    return value.bytes;
  }

  std::unique_ptr<TGraphic> Picture(const TLayoutValue& value) override {
    Expect(value, TLayoutValue::vkBinary);
    try {
      return ReadStoredPicture(value.bytes);
    } catch (const std::exception& e) {
      FailValue(value, e.what());
    }
  }

  std::any Handler(const TLayoutValue& value) override {
    const std::string& handler = Ident(value);
    const auto found = registry_.FindHandler(*rootClass_, rootSelf_, handler);
    if (!found.entry)
      FailValue(value, "unknown handler \"" + handler + "\" (" + rootClass_->name +
                           " has no handler of that name)");
    return found.entry->bind(found.self);
  }

  void Refer(const TLayoutValue& value, std::type_index expected,
             std::function<bool(TComponent*)> fits,
             std::function<void(TComponent*)> assign) override {
    Fixup fixup;
    fixup.line = value.line;
    fixup.subject = Subject();
    fixup.target = Ident(value);
    fixup.expected = expected;
    fixup.fits = std::move(fits);
    fixup.assign = std::move(assign);
    fixups_.push_back(std::move(fixup));
  }

 private:
  [[noreturn]] void Fail(int line, const std::string& what) const {
    throw EInvalidLayout(LayoutErrorMessage(name_, line, what));
  }

  std::string Subject() const {
    return "property \"" + propertyPath_ + "\" of \"" + objectName_ + "\"";
  }

  void Expect(const TLayoutValue& value, TLayoutValue::Kind kind) {
    if (value.kind != kind)
      FailValue(value, std::string(LayoutValueKindName(kind)) + " is expected, not " +
                           LayoutValueKindName(value.kind));
  }

  void EndLoadingQuietly() noexcept {
    try {
      root_.EndLoading();
    } catch (...) {
      // The layout's own error is the one worth reporting.
    }
  }

  void ReadRoot(const TLayoutObject& layout) {
    rootClass_ = registry_.Find(layout.className);
    if (!rootClass_) Fail(layout.line, "unknown class \"" + layout.className + "\"");
    rootSelf_ = rootClass_->fromComponent ? rootClass_->fromComponent(&root_) : nullptr;
    if (!rootSelf_)
      Fail(layout.line, "the layout describes a " + layout.className + ", but the window is a " +
                            root_.ClassName());
    root_.SetName(layout.name);
    ApplyProperties(*rootClass_, rootSelf_, layout);
    for (const TLayoutObject& child : layout.children) CreateChild(child, &root_);
    CheckFieldsBound(layout.line);
    ResolveReferences();
  }

  void ApplyProperties(const TLayoutClassInfo& cls, void* self, const TLayoutObject& object) {
    objectName_ = object.name;
    className_ = object.className;
    for (const TLayoutProperty& property : object.properties) {
      propertyPath_ = property.name;
      ApplyGuarded(cls, self, property);
    }
  }

  // Errors of the component itself (a setter that refuses a value) are reported at the line.
  void ApplyGuarded(const TLayoutClassInfo& cls, void* self, const TLayoutProperty& property) {
    try {
      ApplyProperty(cls, self, property.name, property.value, property.line);
    } catch (const EInvalidLayout&) {
      throw;
    } catch (const std::exception& e) {
      Fail(property.line, Subject() + ": " + e.what());
    }
  }

  void ApplyProperty(const TLayoutClassInfo& cls, void* self, std::string_view path,
                     const TLayoutValue& value, int line) {
    const auto found = registry_.FindProperty(cls, self, path);
    if (found.entry) {
      ApplyFound(*found.entry, found.self, value, line);
      return;
    }
    const std::size_t dot = path.find('.');
    if (dot != std::string_view::npos) {
      const auto head = registry_.FindProperty(cls, self, path.substr(0, dot));
      if (head.entry && head.entry->kind == TLayoutPropertyInfo::pkObject) {
        const TLayoutClassInfo* sub = registry_.Find(head.entry->subType);
        if (!sub)
          Fail(line, Subject() + ": the class of \"" + std::string(path.substr(0, dot)) +
                         "\" is not registered");
        head.entry->access(head.self, [&](void* subSelf) {
          ApplyProperty(*sub, subSelf, path.substr(dot + 1), value, line);
        });
        return;
      }
    }
    Fail(line, "unknown property \"" + propertyPath_ + "\" of " + className_ + " \"" + objectName_ +
                   "\"");
  }

  void ApplyFound(const TLayoutPropertyInfo& entry, void* self, const TLayoutValue& value,
                  int line) {
    switch (entry.kind) {
      case TLayoutPropertyInfo::pkValue:
        entry.apply(self, value, *this);
        return;
      case TLayoutPropertyInfo::pkObject:
        Fail(line, Subject() + " is an object: assign its own properties, such as \"" +
                       propertyPath_ + ".Name\"");
      case TLayoutPropertyInfo::pkCollection:
        ApplyCollection(entry, self, value);
        return;
    }
  }

  void ApplyCollection(const TLayoutPropertyInfo& entry, void* self, const TLayoutValue& value) {
    Expect(value, TLayoutValue::vkCollection);
    const TLayoutClassInfo* itemClass = registry_.Find(entry.subType);
    if (!itemClass) FailValue(value, "the class of its items is not registered");
    if (entry.clear) entry.clear(self);
    const std::string path = propertyPath_;
    for (std::size_t i = 0; i < value.collection.size(); ++i) {
      void* item = entry.add(self);
      for (const TLayoutProperty& property : value.collection[i].properties) {
        propertyPath_ = path + "[" + std::to_string(i) + "]." + property.name;
        ApplyProperty(*itemClass, item, property.name, property.value, property.line);
      }
    }
    propertyPath_ = path;
  }

  void CreateChild(const TLayoutObject& node, TComponent* parent) {
    objectName_ = node.name;
    className_ = node.className;
    propertyPath_.clear();
    const TLayoutClassInfo* cls = registry_.Find(node.className);
    if (!cls) Fail(node.line, "unknown class \"" + node.className + "\" of \"" + node.name + "\"");
    if (!cls->create)
      Fail(node.line, "class \"" + node.className + "\" of \"" + node.name +
                          "\" cannot be created by a layout");
    if (SameText(node.name, root_.Name()) || root_.FindComponent(node.name))
      Fail(node.line, "the name \"" + node.name + "\" is used twice");
    TComponent* component = nullptr;
    void* self = nullptr;
    try {
      component = cls->create(&root_);
      component->BeginLoading();
      component->SetName(node.name);
      self = cls->fromComponent(component);
      BindField(node, component);
      PlaceInParent(*cls, self, node, parent);
    } catch (const EInvalidLayout&) {
      throw;
    } catch (const std::exception& e) {
      Fail(node.line, "creating \"" + node.name + "\" failed: " + e.what());
    }
    ApplyProperties(*cls, self, node);
    for (const TLayoutObject& child : node.children) CreateChild(child, component);
  }

  void BindField(const TLayoutObject& node, TComponent* component) {
    const auto field = registry_.FindField(*rootClass_, rootSelf_, node.name);
    if (!field.entry) return;
    if (!field.entry->assign(field.self, component))
      Fail(node.line, "\"" + node.name + "\" must be a " + registry_.NameOf(field.entry->type) +
                          " for the field of " + field.owner->name + ", not a " + node.className);
    boundFields_.insert(node.name);
  }

  void PlaceInParent(const TLayoutClassInfo& cls, void* self, const TLayoutObject& node,
                     TComponent* parent) {
    bool hasRules = false;
    const TLayoutClassInfo* c = &cls;
    void* p = self;
    while (c) {
      for (const TLayoutParentRule& rule : c->parentRules) {
        hasRules = true;
        if (rule.attach(p, parent)) return;
      }
      if (!c->parent) break;
      p = c->toParent(p);
      c = c->parent;
    }
    if (hasRules)
      Fail(node.line, "\"" + node.name + "\" (" + node.className + ") cannot be placed inside \"" +
                          parent->Name() + "\" (" + parent->ClassName() + ")");
  }

  void CheckFieldsBound(int line) {
    for (const TLayoutClassInfo* c = rootClass_; c; c = c->parent)
      for (const auto& [fieldName, field] : c->fields)
        if (!boundFields_.count(fieldName))
          Fail(line, c->name + " expects a component \"" + fieldName + "\" (" +
                         registry_.NameOf(field.type) + "), but the layout has none");
  }

  // Every name is checked before any is assigned, so a failure leaves no half-wired window.
  void ResolveReferences() {
    std::vector<TComponent*> targets;
    for (const Fixup& fixup : fixups_) {
      TComponent* target = nullptr;
      if (!SameText(fixup.target, "nil")) {
        target = SameText(fixup.target, root_.Name()) ? &root_ : root_.FindComponent(fixup.target);
        if (!target)
          Fail(fixup.line,
               fixup.subject + ": there is no component named \"" + fixup.target + "\"");
        if (!fixup.fits(target))
          Fail(fixup.line, fixup.subject + ": \"" + fixup.target + "\" is a " +
                               target->ClassName() + ", not a " + registry_.NameOf(fixup.expected));
      }
      targets.push_back(target);
    }
    for (std::size_t i = 0; i < fixups_.size(); ++i) {
      try {
        fixups_[i].assign(targets[i]);
      } catch (const std::exception& e) {
        Fail(fixups_[i].line, fixups_[i].subject + ": " + e.what());
      }
    }
  }

  TComponent& root_;
  const std::string& name_;
  TLayoutRegistry& registry_;
  const TLayoutClassInfo* rootClass_ = nullptr;
  void* rootSelf_ = nullptr;
  std::string objectName_;
  std::string className_;
  std::string propertyPath_;
  std::set<std::string, TLessTextAscii> boundFields_;
  std::vector<Fixup> fixups_;
};

std::string ReadAll(const QString& path, const std::string& displayName) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw EInvalidLayout("Layout \"" + displayName +
                         "\" cannot be opened: " + file.errorString().toStdString());
  if (file.size() > kMaxLayoutFileSize)
    throw EInvalidLayout("Layout \"" + displayName + "\" is too large");
  const QByteArray bytes = file.read(kMaxLayoutFileSize + 1);
  if (bytes.size() > kMaxLayoutFileSize)
    throw EInvalidLayout("Layout \"" + displayName + "\" is too large");
  return bytes.toStdString();
}

QString ResourcePath(const std::string& name) {
  return ":/layouts/" + QString::fromStdString(name) + ".layout";
}

}  // namespace

void ReadLayout(TComponent& root, const TLayoutObject& layout, const std::string& layoutName) {
  RegisterPlatformLayoutClasses();
  Reader(root, layoutName).Read(layout);
}

void ReadLayoutText(TComponent& root, std::string_view text, const std::string& layoutName) {
  ReadLayout(root, ParseLayout(text, layoutName), layoutName);
}

std::string ReadLayoutFileText(const std::string& path) {
  return ReadAll(QString::fromStdString(path), path);
}

void ReadLayoutFile(TComponent& root, const std::string& path) {
  const std::string name = QFileInfo(QString::fromStdString(path)).fileName().toStdString();
  ReadLayoutText(root, ReadAll(QString::fromStdString(path), path), name);
}

std::string LayoutResourceText(const std::string& name) {
  return ReadAll(ResourcePath(name), name);
}

void ReadLayoutResource(TComponent& root, const std::string& name) {
  ReadLayoutText(root, LayoutResourceText(name), name);
}

bool ReadOwnLayout(TComponent& window) {
  const std::string name = window.ClassName();
  if (!QFile::exists(ResourcePath(name))) return false;
  ReadLayoutResource(window, name);
  return true;
}

std::vector<std::string> LayoutResourceNames() {
  std::vector<std::string> names;
  const QDir dir(":/layouts");
  for (const QString& file : dir.entryList({"*.layout"}, QDir::Files, QDir::Name))
    names.push_back(file.chopped(int(sizeof(".layout") - 1)).toStdString());
  return names;
}

std::unique_ptr<TComponent> CreateFromLayout(const TLayoutObject& layout,
                                             const std::string& layoutName) {
  RegisterPlatformLayoutClasses();
  const TLayoutClassInfo* cls = LayoutRegistry().Find(layout.className);
  if (!cls || !cls->create)
    throw EInvalidLayout(
        LayoutErrorMessage(layoutName, layout.line,
                           "class \"" + layout.className + "\" is not a registered window class"));
  std::unique_ptr<TComponent> root(cls->create(nullptr));
  ReadLayout(*root, layout, layoutName);
  return root;
}
