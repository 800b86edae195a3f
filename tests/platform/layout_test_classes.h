// Component classes that exist only to exercise the layout reader: every property kind, a
// sub-object kept by reference and one kept by value, a collection, events, references, parent
// placement, and a window class with handlers and fields.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/Component.h"
#include "platform/framework/ControlTypes.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/Graphic.h"
#include "platform/layout/LayoutClass.h"
#include "platform/core/Stream.h"

namespace layout_test {

enum TKind { kdNone, kdFirst, kdSecond };
enum TFlag : unsigned { flA = 1, flB = 2, flC = 4 };

// A picture class that keeps its file bytes, so stored picture data can be checked.
class TBytesPicture : public TGraphic {
 public:
  int Width() const override { return static_cast<int>(bytes.size()); }
  int Height() const override { return 1; }
  bool Empty() const override { return bytes.empty(); }
  void Draw(TCanvas&, const TRect&) override {}
  void LoadFromStream(TStream& stream) override { bytes = stream.ReadAll(); }
  void SaveToStream(TStream& stream) const override { stream.Write(bytes.data(), bytes.size()); }
  std::vector<std::uint8_t> bytes;
};

struct TTestColors {
  TColor From = 0;
  TColor To = 0;
};

struct TTestItem {
  int Width = 0;
  std::string Text;
};

class TTestBox : public TComponent {
 public:
  explicit TTestBox(TComponent* owner) : TComponent(owner) {}
  std::string ClassName() const override { return "TTestBox"; }

  // The box it was placed in and the boxes placed in it, in order.
  TTestBox* Container = nullptr;
  std::vector<TTestBox*> Children;
  void SetContainer(TTestBox* container) {
    Container = container;
    container->Children.push_back(this);
  }

  int Width = 0;
  bool Shown = false;
  double Ratio = 0;
  std::string Caption;
  std::vector<std::string> Lines;
  TColor Color = 0;
  TKind Kind = kdNone;
  unsigned Flags = 0;
  TCursor Cursor = crDefault;
  std::vector<std::uint8_t> Data;
  std::unique_ptr<TGraphic> Picture;
  TFont Font;
  TTestColors Colors;
  std::vector<TTestItem> Items;
  TTestBox* Buddy = nullptr;
  TNotifyEvent OnClick;
  TKeyPressEvent OnKeyPress;

  // What the reader did: each setter notes whether loading was on; Loaded counts its calls.
  std::vector<bool> loadingWhenSet;
  int loadedCount = 0;
  std::vector<int> widthsSet;

  void SetWidth(int w) {
    loadingWhenSet.push_back(Loading());
    widthsSet.push_back(w);
    Width = w;
  }
  void SetShown(bool v) { Shown = v; }
  void SetRatio(double v) { Ratio = v; }
  void SetCaption(const std::string& v) { Caption = v; }
  void SetLines(const std::vector<std::string>& v) { Lines = v; }
  void SetColor(TColor v) { Color = v; }
  void SetKind(TKind v) { Kind = v; }
  void SetFlags(unsigned v) { Flags = v; }
  void SetCursor(TCursor v) { Cursor = v; }
  void SetData(const std::vector<std::uint8_t>& v) { Data = v; }
  void SetPicture(std::unique_ptr<TGraphic> v) { Picture = std::move(v); }
  TFont& GetFont() { return Font; }
  const TTestColors& GetColors() const { return Colors; }
  void SetColors(const TTestColors& v) { Colors = v; }
  TTestItem& AddItem() { return Items.emplace_back(); }
  void ClearItems() { Items.clear(); }
  void SetBuddy(TTestBox* v) { Buddy = v; }
  void SetOnKeyPress(TKeyPressEvent e) { OnKeyPress = std::move(e); }
  // A setter that refuses a value, as a real control may.
  void SetChecked(int v) {
    if (v < 0) throw Exception("Checked must not be negative");
  }

 protected:
  void Loaded() override { ++loadedCount; }
};

// A class further down the chain: inherits every TTestBox property and adds one.
class TTestPanel : public TTestBox {
 public:
  using TTestBox::TTestBox;
  std::string ClassName() const override { return "TTestPanel"; }
  int BorderWidth = 0;
  void SetBorderWidth(int v) { BorderWidth = v; }
};

// A component that takes no parent (like a timer or a dialog).
class TTestTimer : public TComponent {
 public:
  explicit TTestTimer(TComponent* owner) : TComponent(owner) {}
  std::string ClassName() const override { return "TTestTimer"; }
  int Interval = 0;
  void SetInterval(int v) { Interval = v; }
};

class TTestForm : public TTestBox {
 public:
  explicit TTestForm(TComponent* owner = nullptr) : TTestBox(owner) {}
  std::string ClassName() const override { return "TTestForm"; }

  TTestPanel* Panel1 = nullptr;
  std::vector<std::string> calls;
  void Panel1Click(TComponent* sender) { calls.push_back("Panel1Click:" + sender->Name()); }
  void BoxKeyPress(TComponent* sender, char32_t& key) {
    calls.push_back("BoxKeyPress:" + sender->Name());
    key = U'x';
  }
};

// Another window class, without fields, for layouts that do not have a Panel1.
class TTestDialog : public TTestBox {
 public:
  explicit TTestDialog(TComponent* owner = nullptr) : TTestBox(owner) {}
  std::string ClassName() const override { return "TTestDialog"; }
  void Panel1Click(TComponent*) {}
};

inline void RegisterTestClasses() {
  static bool done = false;
  if (done) return;
  RegisterGraphicClass(
      {"TBytesPicture", "bytes", "Test bytes", [] { return std::make_unique<TBytesPicture>(); }});
  LayoutClass<TTestColors>("TTestColors")
      .Color("From", [](TTestColors& c, TColor v) { c.From = v; })
      .Color("To", [](TTestColors& c, TColor v) { c.To = v; });
  LayoutClass<TTestItem>("TTestItem")
      .Int("Width", [](TTestItem& i, int v) { i.Width = v; })
      .String("Text", [](TTestItem& i, std::string v) { i.Text = std::move(v); });
  LayoutClass<TTestBox, TComponent>("TTestBox")
      .Parent(&TTestBox::SetContainer)
      .Int("Width", &TTestBox::SetWidth)
      .Bool("Shown", &TTestBox::SetShown)
      .Float("Ratio", &TTestBox::SetRatio)
      .String("Caption", &TTestBox::SetCaption)
      .Strings("Lines.Strings", &TTestBox::SetLines)
      .Color("Color", &TTestBox::SetColor)
      .Enum("Kind",
            TLayoutEnum<TKind>{{"kdNone", kdNone}, {"kdFirst", kdFirst}, {"kdSecond", kdSecond}},
            &TTestBox::SetKind)
      .Set("Flags", TLayoutEnum<TFlag>{{"flA", flA}, {"flB", flB}, {"flC", flC}},
           &TTestBox::SetFlags)
      .Enum("Cursor", TLayoutEnum<TCursor>{{"crDefault", crDefault}, {"crHandPoint", crHandPoint}},
            &TTestBox::SetCursor)
      .Binary("Data", &TTestBox::SetData)
      .Graphic("Picture.Data", &TTestBox::SetPicture)
      .Object("Font", &TTestBox::GetFont)
      .ObjectCopy("Colors", &TTestBox::GetColors, &TTestBox::SetColors)
      .Collection("Items", &TTestBox::AddItem, &TTestBox::ClearItems)
      .Reference("Buddy", &TTestBox::SetBuddy)
      .Event("OnClick", &TTestBox::OnClick)
      .Event("OnKeyPress", &TTestBox::SetOnKeyPress)
      .Int("Checked", &TTestBox::SetChecked);
  LayoutClass<TTestPanel, TTestBox>("TTestPanel").Int("BorderWidth", &TTestPanel::SetBorderWidth);
  LayoutClass<TTestTimer, TComponent>("TTestTimer").Int("Interval", &TTestTimer::SetInterval);
  LayoutClass<TTestForm, TTestBox>("TTestForm")
      .Field("Panel1", &TTestForm::Panel1)
      .Handler("Panel1Click", &TTestForm::Panel1Click)
      .Handler("BoxKeyPress", &TTestForm::BoxKeyPress);
  LayoutClass<TTestDialog, TTestBox>("TTestDialog")
      .Handler("Panel1Click", &TTestDialog::Panel1Click);
  done = true;
}

}  // namespace layout_test
