// A list of strings, each with an associated number (a colour, a pointer-sized datum), as the
// lists of combo boxes, radio groups and colour names keep them. Listeners hear OnChanging
// before and OnChange after every change; between BeginUpdate and EndUpdate they hear one pair.
// A sorted list keeps ASCII-case-insensitive order and places new strings by it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/core/ChangeLinks.h"
#include "platform/core/Persistent.h"

class EStringListError : public Exception {
 public:
  using Exception::Exception;
};

enum class TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList : public TPersistent {
 public:
  TStringList() = default;
  TStringList(const TStringList& other);
  TStringList& operator=(const TStringList& other);

  std::string ClassName() const override { return "TStringList"; }
  void Assign(const TPersistent& source) override;

  int Count() const { return static_cast<int>(items_.size()); }
  const std::string& Strings(int index) const;
  void SetStrings(int index, const std::string& text);
  const std::string& operator[](int index) const { return Strings(index); }
  std::intptr_t Objects(int index) const;
  void SetObjects(int index, std::intptr_t object);

  // Appends (or, when sorted, inserts in order); returns the index. A duplicate in a sorted
  // list is ignored (returning the existing index), accepted, or raises, by Duplicates.
  int Add(const std::string& text) { return AddObject(text, 0); }
  int AddObject(const std::string& text, std::intptr_t object);
  void Insert(int index, const std::string& text) { InsertObject(index, text, 0); }
  // Raises on a sorted list, where the order decides the place.
  void InsertObject(int index, const std::string& text, std::intptr_t object);
  void Delete(int index);
  void Clear();
  void Exchange(int a, int b);

  // The first index of text (ASCII case ignored, or exact with CaseSensitive), or -1.
  int IndexOf(const std::string& text) const;
  int IndexOfObject(std::intptr_t object) const;

  bool Sorted() const { return sorted_; }
  void SetSorted(bool value);
  TDuplicates Duplicates() const { return duplicates_; }
  void SetDuplicates(TDuplicates value) { duplicates_ = value; }
  bool CaseSensitive() const { return caseSensitive_; }
  void SetCaseSensitive(bool value);

  // The strings joined with a line break after each; SetText splits at LF, CR LF or CR.
  std::string Text() const;
  void SetText(const std::string& text);

  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return updateCount_; }

  TChangeLinks<TStringList> OnChanging;
  TChangeLinks<TStringList> OnChange;

  bool operator==(const TStringList& other) const;  // same strings and objects

 protected:
  void AssignTo(TPersistent& dest) const override;

 private:
  struct Item {
    std::string text;
    std::intptr_t object = 0;
    bool operator==(const Item&) const = default;
  };
  void CheckIndex(int index) const;
  int Compare(const std::string& a, const std::string& b) const;
  // Where text belongs in the sorted list; found tells whether an equal string is there.
  int FindSorted(const std::string& text, bool& found) const;
  void Sort();
  void Changing();
  void Changed();

  std::vector<Item> items_;
  bool sorted_ = false;
  bool caseSensitive_ = false;
  TDuplicates duplicates_ = TDuplicates::dupIgnore;
  int updateCount_ = 0;
};
