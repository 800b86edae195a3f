// The root of everything a window is made of: an owner frees what it owns, components are
// found by name, and a component knows while its window is being read from a layout.
#pragma once

#include <memory>
#include <string>
#include <vector>

class TComponent {
 public:
  enum TOperation { opInsert, opRemove };

  explicit TComponent(TComponent* owner = nullptr);
  virtual ~TComponent();
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  // The class name as layouts write it ("TPanel", "TFlatButton").
  virtual std::string ClassName() const { return "TComponent"; }

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name) { name_ = name; }
  long Tag() const { return tag_; }
  void SetTag(long tag) { tag_ = tag; }

  TComponent* Owner() const { return owner_; }
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const { return components_[static_cast<std::size_t>(index)]; }
  // An owned component by name, case-insensitively; nullptr when there is none.
  TComponent* FindComponent(const std::string& name) const;
  // Takes component over from its owner / gives it up (the classic InsertComponent and
  // RemoveComponent): an owner frees only what it still owns.
  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

  // While a layout is being read: setters store values without repainting or firing events.
  bool Loading() const { return loading_; }
  void BeginLoading();
  // Ends loading of this component and everything it owns, then runs Loaded on each.
  void EndLoading();

 protected:
  // Runs once after a layout has given the component all its properties.
  virtual void Loaded() {}
  // Tells the component that another one it may refer to is coming or going.
  virtual void Notification(TComponent* component, TOperation operation);

 private:
  void Insert(TComponent* component);
  void Remove(TComponent* component);
  void NotifyAll(TComponent* component, TOperation operation);

  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
  std::string name_;
  long tag_ = 0;
  bool loading_ = false;
};

// Creates an owned component: the owner frees it. Returns the raw pointer for wiring.
template <class T, class... Args>
T* MakeOwned(TComponent* owner, Args&&... args) {
  return new T(owner, std::forward<Args>(args)...);
}
