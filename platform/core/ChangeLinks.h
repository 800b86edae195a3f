// Change notices with any number of listeners. A font, a picture or a string list tells
// everyone who holds a link to it; a listener stays connected exactly as long as it keeps the
// TChangeLink that Add gave it, so a control that dies first never gets a call, and a source
// that dies first leaves harmless links behind.
#pragma once

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace change_links_detail {

// What a link and its source share: the listener's slot, emptied by either side.
struct SlotBase {
  virtual ~SlotBase() = default;
  virtual void Clear() = 0;
  bool connected = true;
};

template <class Sender>
struct Slot : SlotBase {
  explicit Slot(std::function<void(Sender&)> handler) : call(std::move(handler)) {}
  void Clear() override { call = nullptr; }
  std::function<void(Sender&)> call;
};

}  // namespace change_links_detail

class TChangeLink {
 public:
  TChangeLink() = default;
  explicit TChangeLink(std::weak_ptr<change_links_detail::SlotBase> slot)
      : slot_(std::move(slot)) {}
  TChangeLink(TChangeLink&& other) noexcept = default;
  TChangeLink& operator=(TChangeLink&& other) noexcept {
    if (this != &other) {
      Disconnect();
      slot_ = std::move(other.slot_);
    }
    return *this;
  }
  TChangeLink(const TChangeLink&) = delete;
  TChangeLink& operator=(const TChangeLink&) = delete;
  ~TChangeLink() { Disconnect(); }

  // Stops the calls now; the source forgets the slot at its next notice.
  void Disconnect() {
    if (auto slot = slot_.lock()) {
      slot->connected = false;
      slot->Clear();
    }
    slot_.reset();
  }
  bool Connected() const {
    auto slot = slot_.lock();
    return slot && slot->connected;
  }

 private:
  std::weak_ptr<change_links_detail::SlotBase> slot_;
};

template <class Sender>
class TChangeLinks {
 public:
  using THandler = std::function<void(Sender&)>;

  TChangeLinks() = default;
  // A copied object starts with no listeners: listeners belong to the object they linked to.
  TChangeLinks(const TChangeLinks&) {}
  TChangeLinks& operator=(const TChangeLinks&) { return *this; }

  [[nodiscard]] TChangeLink Add(THandler handler) {
    auto slot = std::make_shared<change_links_detail::Slot<Sender>>(std::move(handler));
    slots_.push_back(slot);
    return TChangeLink(std::weak_ptr<change_links_detail::SlotBase>(slot));
  }

  // Calls every connected listener in the order they were added. A listener may add or drop
  // links (its own or others') while it runs: dropped ones are not called, added ones wait for
  // the next notice.
  void Notify(Sender& sender) {
    Prune();
    const auto current = slots_;
    for (const auto& slot : current) {
      if (!slot->connected || !slot->call) continue;
      auto call = slot->call;  // the slot may be emptied while the call runs
      call(sender);
    }
  }

  int Count() const {
    int count = 0;
    for (const auto& slot : slots_) count += slot->connected ? 1 : 0;
    return count;
  }

 private:
  void Prune() {
    std::erase_if(slots_, [](const auto& slot) { return !slot->connected; });
  }

  std::vector<std::shared_ptr<change_links_detail::Slot<Sender>>> slots_;
};
