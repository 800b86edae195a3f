// Layout text from outside: the parser must refuse anything damaged with EInvalidLayout and
// never read out of bounds; a tree that parses is then applied to fuzz-only components, so the
// value conversions, references and handlers are exercised too.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/framework/ControlTypes.h"
#include "platform/graphics/Font.h"
#include "platform/layout/LayoutClass.h"
#include "platform/layout/LayoutParser.h"
#include "platform/layout/LayoutReader.h"
#include "platform/layout/LayoutText.h"

namespace {

struct TFuzzItem {
  int Width = 0;
  std::string Text;
};

class TFuzzBox : public TComponent {
 public:
  explicit TFuzzBox(TComponent* owner) : TComponent(owner) {}
  std::string ClassName() const override { return "TFuzzBox"; }
  void SetParentBox(TFuzzBox* parent) { parent_ = parent; }
  TFont& GetFont() { return font_; }
  TFuzzItem& AddItem() { return items_.emplace_back(); }
  void SetBuddy(TFuzzBox* buddy) { buddy_ = buddy; }
  TNotifyEvent OnClick;

 private:
  TFuzzBox* parent_ = nullptr;
  TFuzzBox* buddy_ = nullptr;
  TFont font_;
  std::vector<TFuzzItem> items_;
};

class TFuzzForm : public TFuzzBox {
 public:
  explicit TFuzzForm(TComponent* owner = nullptr) : TFuzzBox(owner) {}
  std::string ClassName() const override { return "TFuzzForm"; }
  void BoxClick(TComponent*) {}
};

void Register() {
  static bool done = false;
  if (done) return;
  done = true;
  LayoutClass<TFuzzItem>("TFuzzItem")
      .Int("Width", [](TFuzzItem& i, int v) { i.Width = v; })
      .String("Text", [](TFuzzItem& i, std::string v) { i.Text = std::move(v); });
  LayoutClass<TFuzzBox, TComponent>("TFuzzBox")
      .Parent(&TFuzzBox::SetParentBox)
      .Int("Width", [](TFuzzBox&, int) {})
      .Bool("Visible", [](TFuzzBox&, bool) {})
      .Float("Ratio", [](TFuzzBox&, double) {})
      .String("Caption", [](TFuzzBox&, std::string) {})
      .Strings("Items.Strings", [](TFuzzBox&, std::vector<std::string>) {})
      .Color("Color", [](TFuzzBox&, TColor) {})
      .Enum("Align", TLayoutEnum<int>{{"alNone", 0}, {"alTop", 1}, {"alClient", 5}},
            [](TFuzzBox&, int) {})
      .Set("Anchors", TLayoutEnum<unsigned>{{"akLeft", 1}, {"akTop", 2}},
           [](TFuzzBox&, unsigned) {})
      .Binary("Data", [](TFuzzBox&, std::vector<std::uint8_t>) {})
      .Object("Font", &TFuzzBox::GetFont)
      .Collection("Panels", &TFuzzBox::AddItem)
      .Reference("Buddy", &TFuzzBox::SetBuddy)
      .Event("OnClick", &TFuzzBox::OnClick);
  LayoutClass<TFuzzForm, TFuzzBox>("TFuzzForm").Handler("BoxClick", &TFuzzForm::BoxClick);
}

// Only fuzz classes are created: the platform's controls need a running Qt application.
bool OnlyFuzzClasses(const TLayoutObject& object) {
  if (object.className.size() < 5 || !SameText(object.className.substr(0, 5), "TFuzz"))
    return false;
  for (const TLayoutObject& child : object.children)
    if (!OnlyFuzzClasses(child)) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Register();
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  TLayoutObject layout;
  try {
    layout = ParseLayout(text, "fuzz");
  } catch (const EInvalidLayout&) {
    return 0;
  }
  if (!OnlyFuzzClasses(layout)) return 0;
  TFuzzForm form;
  try {
    ReadLayout(form, layout, "fuzz");
  } catch (const EInvalidLayout&) {
  }
  return 0;
}
