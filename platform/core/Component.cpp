#include "platform/core/Component.h"

#include <strings.h>
#include <algorithm>

TComponent::TComponent(TComponent* owner) : owner_(owner) {
  if (owner_) owner_->Insert(this);
}

TComponent::~TComponent() {
  // Free owned components newest first, the way they were stacked up.
  while (!components_.empty()) {
    TComponent* last = components_.back();
    delete last;  // its destructor removes it from components_
  }
  if (owner_) owner_->Remove(this);
}

TComponent* TComponent::FindComponent(const std::string& name) const {
  if (name.empty()) return nullptr;
  for (TComponent* c : components_)
    if (strcasecmp(c->name_.c_str(), name.c_str()) == 0) return c;
  return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
  if (!component || component->owner_ == this) return;
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
  for (TComponent* c : components_)
    if (c != component) c->Notification(component, operation);
}
