#include "platform/core/StringList.h"

#include <algorithm>

#include "platform/core/TextCompare.h"

TStringList::TStringList(const TStringList& other)
    : TPersistent(other),
      items_(other.items_),
      sorted_(other.sorted_),
      caseSensitive_(other.caseSensitive_),
      duplicates_(other.duplicates_) {}

TStringList& TStringList::operator=(const TStringList& other) {
  if (this != &other) Assign(other);
  return *this;
}

void TStringList::Assign(const TPersistent& source) {
  const auto* list = dynamic_cast<const TStringList*>(&source);
  if (!list) {
    TPersistent::Assign(source);
    return;
  }
  if (list == this) return;
  BeginUpdate();
  items_ = list->items_;
  if (sorted_) Sort();
  EndUpdate();
}

void TStringList::AssignTo(TPersistent& dest) const {
  if (auto* list = dynamic_cast<TStringList*>(&dest)) {
    list->Assign(*this);
    return;
  }
  TPersistent::AssignTo(dest);
}

void TStringList::CheckIndex(int index) const {
  if (index < 0 || index >= Count())
    throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
}

const std::string& TStringList::Strings(int index) const {
  CheckIndex(index);
  return items_[static_cast<std::size_t>(index)].text;
}

void TStringList::SetStrings(int index, const std::string& text) {
  CheckIndex(index);
  if (sorted_) throw EStringListError("Operation not allowed on sorted list");
  Changing();
  items_[static_cast<std::size_t>(index)].text = text;
  Changed();
}

std::intptr_t TStringList::Objects(int index) const {
  CheckIndex(index);
  return items_[static_cast<std::size_t>(index)].object;
}

void TStringList::SetObjects(int index, std::intptr_t object) {
  CheckIndex(index);
  Changing();
  items_[static_cast<std::size_t>(index)].object = object;
  Changed();
}

int TStringList::Compare(const std::string& a, const std::string& b) const {
  if (caseSensitive_) return a.compare(b);
  return CompareText(a, b);
}

int TStringList::FindSorted(const std::string& text, bool& found) const {
  auto it = std::lower_bound(
      items_.begin(), items_.end(), text,
      [this](const Item& item, const std::string& t) { return Compare(item.text, t) < 0; });
  found = it != items_.end() && Compare(it->text, text) == 0;
  return static_cast<int>(it - items_.begin());
}

int TStringList::AddObject(const std::string& text, std::intptr_t object) {
  int index = Count();
  if (sorted_) {
    bool found = false;
    index = FindSorted(text, found);
    if (found && duplicates_ == TDuplicates::dupIgnore) return index;
    if (found && duplicates_ == TDuplicates::dupError)
      throw EStringListError("String list does not allow duplicates");
  }
  Changing();
  items_.insert(items_.begin() + index, Item{text, object});
  Changed();
  return index;
}

void TStringList::InsertObject(int index, const std::string& text, std::intptr_t object) {
  if (sorted_) throw EStringListError("Operation not allowed on sorted list");
  if (index < 0 || index > Count())
    throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
  Changing();
  items_.insert(items_.begin() + index, Item{text, object});
  Changed();
}

void TStringList::Delete(int index) {
  CheckIndex(index);
  Changing();
  items_.erase(items_.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (items_.empty()) return;
  Changing();
  items_.clear();
  Changed();
}

void TStringList::Exchange(int a, int b) {
  CheckIndex(a);
  CheckIndex(b);
  if (sorted_) throw EStringListError("Operation not allowed on sorted list");
  Changing();
  std::swap(items_[static_cast<std::size_t>(a)], items_[static_cast<std::size_t>(b)]);
  Changed();
}

int TStringList::IndexOf(const std::string& text) const {
  if (sorted_) {
    bool found = false;
    const int index = FindSorted(text, found);
    return found ? index : -1;
  }
  for (int i = 0; i < Count(); ++i)
    if (Compare(items_[static_cast<std::size_t>(i)].text, text) == 0) return i;
  return -1;
}

int TStringList::IndexOfObject(std::intptr_t object) const {
  for (int i = 0; i < Count(); ++i)
    if (items_[static_cast<std::size_t>(i)].object == object) return i;
  return -1;
}

void TStringList::Sort() {
  std::stable_sort(items_.begin(), items_.end(),
                   [this](const Item& a, const Item& b) { return Compare(a.text, b.text) < 0; });
}

void TStringList::SetSorted(bool value) {
  if (sorted_ == value) return;
  if (value) {
    Changing();
    Sort();
    sorted_ = true;
    Changed();
  } else {
    sorted_ = false;
  }
}

void TStringList::SetCaseSensitive(bool value) {
  if (caseSensitive_ == value) return;
  caseSensitive_ = value;
  if (sorted_) {
    Changing();
    Sort();
    Changed();
  }
}

std::string TStringList::Text() const {
  std::string out;
  for (const Item& item : items_) {
    out += item.text;
    out += '\n';
  }
  return out;
}

void TStringList::SetText(const std::string& text) {
  BeginUpdate();
  Clear();
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    Add(text.substr(start, end - start));
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
      ++end;
    start = end + 1;
  }
  EndUpdate();
}

void TStringList::BeginUpdate() {
  if (updateCount_ == 0) OnChanging.Notify(*this);
  ++updateCount_;
}

void TStringList::EndUpdate() {
  if (updateCount_ == 0) return;
  if (--updateCount_ == 0) OnChange.Notify(*this);
}

void TStringList::Changing() {
  if (updateCount_ == 0) OnChanging.Notify(*this);
}

void TStringList::Changed() {
  if (updateCount_ == 0) OnChange.Notify(*this);
}

bool TStringList::operator==(const TStringList& other) const {
  return items_ == other.items_;
}
