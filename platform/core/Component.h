// The root of everything a window is made of: an owner frees what it owns, components are
// found by name, and a component knows while its window is being read from a layout.
//
// Going away: a component tells the others that it goes (Notification with opRemove) while it
// is still whole, so a receiver may still ask what it is (dynamic_cast). The others are its
// owner, the owner's other components and every component linked to it by FreeNotification
// (references across owners). A component freed with `delete` (by its owner, by a
// unique_ptr, by code) sends the notices before any destructor runs; one destroyed in place
// (a local or member object) sends them from its destructor, when only the base parts are
// left. Either way every reference is cleared before the memory goes. TComponentRef holds a
// component that may go meanwhile and never mistakes a newcomer at the same address for it.
#pragma once

#include <memory>
#include <new>
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

  // Links this component and component across owners: each hears (Notification with opRemove)
  // when the other goes. A link is kept once however often it is asked for.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

  // True from the moment the component starts going away.
  bool Destroying() const { return destroying_; }
  // Expires when the component starts going away (see TComponentRef).
  std::weak_ptr<const void> LifeToken() const { return life_; }

  // `delete` sends the removal notices while the object is whole, then destroys it. `new` is
  // the global one, named here so that the pair matches; the plain delete only frees the memory
  // of an object whose constructor threw.
  static void* operator new(std::size_t size);
  void operator delete(TComponent* component, std::destroying_delete_t);
  static void operator delete(void* memory) noexcept;

  // While a layout is being read: setters store values without repainting or firing events.
  bool Loading() const { return loading_; }
  void BeginLoading();
  // Ends loading of this component and everything it owns, then runs Loaded on each.
  void EndLoading();

 protected:
  // Sends the removal notices and clears every link now (once). Destructors of classes that
  // others watch call it first, so that the notices go out before their own parts do.
  void BeginDestroy();
  // Runs once after a layout has given the component all its properties.
  virtual void Loaded() {}
  // Tells the component that another one it may refer to is coming or going.
  virtual void Notification(TComponent* component, TOperation operation);

 private:
  void Insert(TComponent* component);
  void Remove(TComponent* component);
  void NotifyAll(TComponent* component, TOperation operation);
  void SendFreeNotifications();

  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> freeNotifies_;
  std::shared_ptr<const char> life_ = std::make_shared<const char>();
  bool destroying_ = false;
  std::string name_;
  long tag_ = 0;
  bool loading_ = false;
};

// A component that may go meanwhile (a handler may free the control whose event runs): Get()
// is nullptr once it has started going, even when a new one lives at the same address.
template <class T>
class TComponentRef {
 public:
  TComponentRef() = default;
  TComponentRef(T* component)  // NOLINT(google-explicit-constructor): a pointer to watch
      : component_(component), life_(component ? component->LifeToken() : Token()) {}
  T* Get() const { return life_.expired() ? nullptr : component_; }
  bool Alive() const { return !life_.expired(); }
  T* operator->() const { return Get(); }

 private:
  using Token = std::weak_ptr<const void>;
  T* component_ = nullptr;
  Token life_;
};

// Creates an owned component: the owner frees it. Returns the raw pointer for wiring.
template <class T, class... Args>
T* MakeOwned(TComponent* owner, Args&&... args) {
  return new T(owner, std::forward<Args>(args)...);
}
