// Change links, string lists, persistent assignment and name comparison.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/core/ChangeLinks.h"
#include "platform/core/Persistent.h"
#include "platform/core/StringList.h"
#include "platform/core/TextCompare.h"

namespace {

struct Source {
  TChangeLinks<Source> OnChange;
  void Fire() { OnChange.Notify(*this); }
};

TEST(ChangeLinks, EveryListenerHearsInOrderWhileItsLinkLives) {
  Source source;
  std::vector<int> heard;
  TChangeLink first = source.OnChange.Add([&](Source&) { heard.push_back(1); });
  {
    TChangeLink second = source.OnChange.Add([&](Source&) { heard.push_back(2); });
    source.Fire();
    EXPECT_EQ(source.OnChange.Count(), 2);
  }
  source.Fire();
  EXPECT_EQ(heard, (std::vector<int>{1, 2, 1}));
  EXPECT_EQ(source.OnChange.Count(), 1);
}

TEST(ChangeLinks, ALinkOutlivesItsSourceAndAListenerMayDropAnotherDuringANotice) {
  TChangeLink survivor;
  {
    Source source;
    survivor = source.OnChange.Add([](Source&) {});
    EXPECT_TRUE(survivor.Connected());
  }
  EXPECT_FALSE(survivor.Connected());
  survivor.Disconnect();  // harmless after the source is gone

  Source source;
  int laterCalls = 0;
  TChangeLink later;
  TChangeLink dropper = source.OnChange.Add([&](Source&) { later.Disconnect(); });
  later = source.OnChange.Add([&](Source&) { ++laterCalls; });
  source.Fire();
  EXPECT_EQ(laterCalls, 0);
}

TEST(ChangeLinks, ACopiedSourceStartsWithoutListeners) {
  Source a;
  int calls = 0;
  TChangeLink link = a.OnChange.Add([&](Source&) { ++calls; });
  Source b = a;
  b.Fire();
  EXPECT_EQ(calls, 0);
  a.Fire();
  EXPECT_EQ(calls, 1);
}

TEST(TextCompare, IgnoresAsciiCaseOnly) {
  struct Row {
    const char* a;
    const char* b;
    int sign;
  };
  const Row rows[] = {{"Arial", "ARIAL", 0}, {"arial", "Arial Black", -1},
                      {"b", "A", 1},         {"", "", 0},
                      {"Ж", "ж", -1},        {"[", "a", -1}};
  for (const Row& r : rows) {
    const int c = CompareText(r.a, r.b);
    EXPECT_EQ((c > 0) - (c < 0), r.sign) << r.a << " vs " << r.b;
    EXPECT_EQ(SameText(r.a, r.b), r.sign == 0);
  }
}

TEST(StringList, AddsInsertsDeletesAndFindsWithoutCase) {
  TStringList list;
  EXPECT_EQ(list.Add("Black"), 0);
  EXPECT_EQ(list.AddObject("Maroon", 128), 1);
  list.Insert(0, "Default");
  list.Delete(1);
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list[0], "Default");
  EXPECT_EQ(list.Objects(1), 128);
  EXPECT_EQ(list.IndexOf("MAROON"), 1);
  EXPECT_EQ(list.IndexOf("Navy"), -1);
  EXPECT_EQ(list.IndexOfObject(128), 1);
  try {
    (void)list.Strings(2);
    FAIL() << "no error";
  } catch (const EStringListError& e) {
    EXPECT_STREQ(e.what(), "List index out of bounds (2)");
  }
}

TEST(StringList, SortedListPlacesByNameAndTreatsDuplicatesByRule) {
  TStringList list;
  list.SetText("teal\nAqua\r\nnavy\rBlack");
  list.SetSorted(true);
  EXPECT_EQ(list.Text(), "Aqua\nBlack\nnavy\nteal\n");
  EXPECT_EQ(list.Add("Lime"), 2);
  EXPECT_EQ(list.Add("LIME"), 2);  // ignored duplicate: the existing index
  EXPECT_EQ(list.Count(), 5);
  list.SetDuplicates(TDuplicates::dupAccept);
  list.Add("lime");
  EXPECT_EQ(list.Count(), 6);
  list.SetDuplicates(TDuplicates::dupError);
  EXPECT_THROW(list.Add("aqua"), EStringListError);
  EXPECT_THROW(list.Insert(0, "x"), EStringListError);
}

TEST(StringList, ListenersHearOnePairPerChangeOrPerUpdate) {
  TStringList list;
  std::string log;
  TChangeLink a =
      list.OnChanging.Add([&](TStringList& l) { log += "<" + std::to_string(l.Count()); });
  TChangeLink b =
      list.OnChange.Add([&](TStringList& l) { log += ">" + std::to_string(l.Count()); });
  list.Add("one");
  list.BeginUpdate();
  list.Add("two");
  list.Add("three");
  list.EndUpdate();
  list.Clear();
  list.Clear();  // already empty: nothing happens
  EXPECT_EQ(log, "<0>1<1>3<3>0");
}

TEST(StringList, AssignCopiesStringsAndObjectsButNotListeners) {
  TStringList a;
  a.AddObject("x", 7);
  TStringList b;
  int heard = 0;
  TChangeLink link = b.OnChange.Add([&](TStringList&) { ++heard; });
  b.Assign(a);
  EXPECT_TRUE(b == a);
  EXPECT_EQ(heard, 1);
  TStringList c(a);
  EXPECT_EQ(c.Objects(0), 7);
  EXPECT_EQ(c.OnChange.Count(), 0);
}

class TPoint3 : public TPersistent {
 public:
  std::string ClassName() const override { return "TPoint3"; }
};

TEST(Persistent, UnrelatedClassesRefuseWithTheClassicMessage) {
  TPoint3 point;
  TStringList list;
  try {
    list.Assign(point);
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "Cannot assign a TPoint3 to a TStringList");
  }
  try {
    point.Assign(list);
    FAIL() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "Cannot assign a TStringList to a TPoint3");
  }
}

}  // namespace
