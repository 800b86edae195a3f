#include "platform/core/Component.h"

#include <strings.h>
#include <algorithm>

TComponent::TComponent(TComponent* owner) : owner_(owner) {
  if (owner_) owner_->Insert(this);
}

TComponent::~TComponent() {
  BeginDestroy();
  // Free owned components newest first, the way they were stacked up.
  while (!components_.empty()) {
    TComponent* last = components_.back();
    delete last;  // it leaves components_ on the way
  }
}

void* TComponent::operator new(std::size_t size) {
  return ::operator new(size);
}

void TComponent::operator delete(void* memory) noexcept {
  ::operator delete(memory);
}

void TComponent::operator delete(TComponent* component, std::destroying_delete_t) {
  component->BeginDestroy();
  component->~TComponent();
  ::operator delete(component);
}

void TComponent::BeginDestroy() {
  if (destroying_) return;
  destroying_ = true;
  life_.reset();
  SendFreeNotifications();
  if (owner_) owner_->Remove(this);
  owner_ = nullptr;
}

void TComponent::SendFreeNotifications() {
  // The owner and its components heard it from the owner already.
  TComponent* owner = owner_;
  const std::vector<TComponent*> linked = std::move(freeNotifies_);
  freeNotifies_.clear();
  for (TComponent* c : linked) std::erase(c->freeNotifies_, this);
  for (TComponent* c : linked)
    if (c != owner && (!owner || c->owner_ != owner)) c->Notification(this, opRemove);
}

void TComponent::FreeNotification(TComponent* component) {
  if (!component || component == this || destroying_ || component->destroying_) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) != freeNotifies_.end())
    return;
  freeNotifies_.push_back(component);
  component->freeNotifies_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (!component) return;
  std::erase(freeNotifies_, component);
  std::erase(component->freeNotifies_, this);
}

TComponent* TComponent::FindComponent(const std::string& name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : components_)
    if (strcasecmp(c->name_.c_str(), name.c_str()) == 0) return c;
  return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
  if (!component || component->owner_ == this || component->destroying_) return;
  if (component->owner_) component->owner_->RemoveComponent(component);
  component->owner_ = this;
  Insert(component);
}

void TComponent::RemoveComponent(TComponent* component) {
  if (!component || component->owner_ != this) return;
  component->owner_ = nullptr;
  Remove(component);
}

void TComponent::BeginLoading() {
  loading_ = true;
  for (TComponent* c : components_) c->BeginLoading();
}

void TComponent::EndLoading() {
  loading_ = false;
  for (TComponent* c : components_) c->EndLoading();
  Loaded();
}

void TComponent::Notification(TComponent*, TOperation) {}

void TComponent::Insert(TComponent* component) {
  components_.push_back(component);
  NotifyAll(component, opInsert);
}

void TComponent::Remove(TComponent* component) {
  std::erase(components_, component);
  NotifyAll(component, opRemove);
}

void TComponent::NotifyAll(TComponent* component, TOperation operation) {
  Notification(component, operation);
  // A receiver may free components of the list meanwhile: walk a copy, skip the gone ones.
  const std::vector<TComponent*> others = components_;
  for (TComponent* c : others)
    if (c != component && std::find(components_.begin(), components_.end(), c) != components_.end())
      c->Notification(component, operation);
}
