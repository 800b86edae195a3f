#include <QString>
#include <algorithm>

#include "platform/controls/ComboBox.h"
#include "platform/core/Exception.h"
#include "platform/qt/QtBridge.h"

namespace {
// Items sort and match without regard to case in any alphabet (Cyrillic captions too).
int CompareItemText(const std::string& a, const std::string& b) {
  return QtString(a).compare(QtString(b), Qt::CaseInsensitive);
}
}  // namespace

void TComboBoxItems::CheckIndex(int index) const {
  if (index < 0 || index >= Count())
    throw Exception("List index out of bounds (" + std::to_string(index) + ")");
}

const std::string& TComboBoxItems::Strings(int index) const {
  CheckIndex(index);
  return entries_[static_cast<std::size_t>(index)].text;
}

void TComboBoxItems::SetStrings(int index, const std::string& text) {
  CheckIndex(index);
  entries_[static_cast<std::size_t>(index)].text = text;
  owner_.ItemsChanged();
}

std::intptr_t TComboBoxItems::Objects(int index) const {
  CheckIndex(index);
  return entries_[static_cast<std::size_t>(index)].data;
}

void TComboBoxItems::SetObjects(int index, std::intptr_t data) {
  CheckIndex(index);
  entries_[static_cast<std::size_t>(index)].data = data;
}

int TComboBoxItems::SortedPosition(const std::string& text) const {
  const auto it = std::upper_bound(
      entries_.begin(), entries_.end(), text,
      [](const std::string& t, const Entry& e) { return CompareItemText(t, e.text) < 0; });
  return static_cast<int>(it - entries_.begin());
}

int TComboBoxItems::Add(const std::string& text, std::intptr_t data) {
  const int index = owner_.Sorted() ? SortedPosition(text) : Count();
  entries_.insert(entries_.begin() + index, Entry{text, data});
  owner_.ItemInserted(index);
  return index;
}

void TComboBoxItems::Insert(int index, const std::string& text, std::intptr_t data) {
  if (index < 0 || index > Count())
    throw Exception("List index out of bounds (" + std::to_string(index) + ")");
  entries_.insert(entries_.begin() + index, Entry{text, data});
  owner_.ItemInserted(index);
}

void TComboBoxItems::Delete(int index) {
  CheckIndex(index);
  entries_.erase(entries_.begin() + index);
  owner_.ItemDeleted(index);
}

void TComboBoxItems::Clear() {
  entries_.clear();
  owner_.ItemsCleared();
}

int TComboBoxItems::IndexOf(const std::string& text) const {
  for (int i = 0; i < Count(); ++i)
    if (CompareItemText(entries_[static_cast<std::size_t>(i)].text, text) == 0) return i;
  return -1;
}

int TComboBoxItems::IndexOfObject(std::intptr_t data) const {
  for (int i = 0; i < Count(); ++i)
    if (entries_[static_cast<std::size_t>(i)].data == data) return i;
  return -1;
}

void TComboBoxItems::Assign(const std::vector<std::string>& lines) {
  BeginUpdate();
  Clear();
  for (const std::string& line : lines) Add(line);
  EndUpdate();
}

std::vector<std::string> TComboBoxItems::ToVector() const {
  std::vector<std::string> lines;
  for (const Entry& e : entries_) lines.push_back(e.text);
  return lines;
}

void TComboBoxItems::Sort() {
  std::stable_sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
    return CompareItemText(a.text, b.text) < 0;
  });
}

void TComboBoxItems::BeginUpdate() {
  ++updateCount_;
}

void TComboBoxItems::EndUpdate() {
  if (updateCount_ > 0 && --updateCount_ == 0) owner_.ItemsChanged();
}
