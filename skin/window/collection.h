#pragma once
// SkinCollection: an owned, ordered list of settings items (title-bar buttons, title-bar
// sections) that tells its owner whenever an item is added, removed or changed. Items know their
// collection, so a setter can check its siblings and report the change.
#include <functional>
#include <memory>
#include <utility>
#include <vector>

template <class Item>
class SkinCollection {
 public:
  explicit SkinCollection(std::function<void()> changed = {}) : changed_(std::move(changed)) {}
  SkinCollection(const SkinCollection&) = delete;
  SkinCollection& operator=(const SkinCollection&) = delete;

  int Count() const { return static_cast<int>(items_.size()); }
  Item* Items(int index) const {
    return index >= 0 && index < Count() ? items_[static_cast<size_t>(index)].get() : nullptr;
  }
  int IndexOf(const Item* item) const {
    for (int i = 0; i < Count(); ++i) {
      if (items_[static_cast<size_t>(i)].get() == item) return i;
    }
    return -1;
  }
  Item* Add() {
    items_.push_back(std::unique_ptr<Item>(new Item(this)));
    Changed();
    return items_.back().get();
  }
  void Delete(int index) {
    if (Items(index) == nullptr) return;
    items_.erase(items_.begin() + index);
    Changed();
  }
  void Clear() {
    if (items_.empty()) return;
    items_.clear();
    Changed();
  }
  // Makes this collection a copy of other: as many items, each with the other's settings.
  void Assign(const SkinCollection& other) {
    if (&other == this) return;
    items_.clear();
    for (int i = 0; i < other.Count(); ++i) {
      items_.push_back(std::unique_ptr<Item>(new Item(this)));
      items_.back()->AssignSettings(*other.Items(i));
    }
    Changed();
  }
  void Changed() const {
    if (changed_) changed_();
  }

 private:
  std::function<void()> changed_;
  std::vector<std::unique_ptr<Item>> items_;
};
