// Reading owner-drawn popup menus from layout text: every published property, the events
// bound to the window's handlers, the items, and clear errors for bad values.
#include <gtest/gtest.h>

#include <string>

#include "controls/MenuLayoutClasses.h"
#include "controls/RxMenus.h"
#include "platform/layout/LayoutClass.h"
#include "platform/layout/LayoutReader.h"
#include "platform/layout/LayoutValue.h"

namespace {

class TMenuTestWindow : public TComponent {
 public:
  explicit TMenuTestWindow(TComponent* owner = nullptr) : TComponent(owner) {}
  std::string ClassName() const override { return "TMenuTestWindow"; }

  TRxPopupMenu* RxPopupMenu1 = nullptr;
  int margins = 0;
  int params = 0;

  void RxPopupMenu1DrawMargin(TMenu*, const TRect&) { ++margins; }
  void RxPopupMenu1GetItemParams(TMenu*, TMenuItem*, TMenuOwnerDrawState, TFont&, TColor&,
                                 TGraphic*&, int&) {
    ++params;
  }
};

void RegisterWindow() {
  RegisterMenuLayoutClasses();
  LayoutClass<TMenuTestWindow, TComponent>("TMenuTestWindow")
      .Field("RxPopupMenu1", &TMenuTestWindow::RxPopupMenu1)
      .Handler("RxPopupMenu1DrawMargin", &TMenuTestWindow::RxPopupMenu1DrawMargin)
      .Handler("RxPopupMenu1GetItemParams", &TMenuTestWindow::RxPopupMenu1GetItemParams);
}

std::string MenuLayout(const std::string& properties) {
  return "object Window1: TMenuTestWindow\n"
         "  object ImageList1: TImageList\n"
         "    Width = 20\n"
         "  end\n"
         "  object RxPopupMenu1: TRxPopupMenu\n" +
         properties +
         "    object N1: TMenuItem\n"
         "      Caption = 'Создать'\n"
         "    end\n"
         "    object N2: TMenuItem\n"
         "      Caption = '-'\n"
         "    end\n"
         "  end\n"
         "end\n";
}

std::string ErrorOf(const std::string& properties) {
  TMenuTestWindow window;
  try {
    ReadLayoutText(window, MenuLayout(properties), "Test");
  } catch (const EInvalidLayout& e) {
    return e.what();
  }
  return "no error";
}

TEST(MenuLayout, ReadsEveryPublishedProperty) {
  RegisterWindow();
  TMenuTestWindow window;
  ReadLayoutText(window,
                 MenuLayout("    Alignment = paRight\n"
                            "    Cursor = crHandPoint\n"
                            "    LeftMargin = 20\n"
                            "    MinTextOffset = 4\n"
                            "    Style = msBtnRaised\n"
                            "    ShowCheckMarks = False\n"
                            "    Images = ImageList1\n"
                            "    OnDrawMargin = RxPopupMenu1DrawMargin\n"
                            "    OnGetItemParams = RxPopupMenu1GetItemParams\n"),
                 "Test");
  TRxPopupMenu* menu = window.RxPopupMenu1;
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->Alignment(), paRight);
  EXPECT_EQ(menu->Cursor(), crHandPoint);
  EXPECT_EQ(menu->LeftMargin(), 20);
  EXPECT_EQ(menu->MinTextOffset(), 4);
  EXPECT_EQ(menu->Style(), TRxMenuStyle::msBtnRaised);
  EXPECT_FALSE(menu->ShowCheckMarks());
  ASSERT_NE(menu->Images(), nullptr);
  EXPECT_EQ(menu->Images()->Width(), 20);
  EXPECT_TRUE(menu->OwnerDraw()) << "the rule applied once loaded";
  ASSERT_EQ(menu->Items()->Count(), 2);
  EXPECT_EQ(menu->Items()->Items(0)->Caption(), "Создать");
  EXPECT_TRUE(menu->Items()->Items(1)->IsLine());
  ASSERT_TRUE(menu->OnDrawMargin);
  ASSERT_TRUE(menu->OnGetItemParams);
  menu->OnDrawMargin(menu, Rect(0, 0, 20, 10));
  TFont font;
  TColor color = clMenu;
  TGraphic* graphic = nullptr;
  int numGlyphs = 1;
  menu->OnGetItemParams(menu, menu->Items()->Items(0), 0, font, color, graphic, numGlyphs);
  EXPECT_EQ(window.margins, 1);
  EXPECT_EQ(window.params, 1);
}

TEST(MenuLayout, DefaultsWhenNothingIsWritten) {
  RegisterWindow();
  TMenuTestWindow window;
  ReadLayoutText(window, MenuLayout(""), "Test");
  TRxPopupMenu* menu = window.RxPopupMenu1;
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(menu->Style(), TRxMenuStyle::msStandard);
  EXPECT_FALSE(menu->OwnerDraw());
  EXPECT_TRUE(menu->ShowCheckMarks());
  EXPECT_EQ(menu->Cursor(), crDefault);
  EXPECT_EQ(menu->Images(), nullptr);
}

TEST(MenuLayout, BadValuesAreClearErrors) {
  RegisterWindow();
  struct Case {
    const char* properties;
    const char* fragment;
  };
  const Case cases[] = {
      {"    Style = msFancy\n", "msFancy"},
      {"    LeftMargin = -1\n", "LeftMargin"},
      {"    MinTextOffset = 'wide'\n", "MinTextOffset"},
      {"    Cursor = crNothing\n", "crNothing"},
      {"    Images = N1\n", "Images"},
      {"    OnDrawMargin = RxPopupMenu1GetItemParams\n", "OnDrawMargin"},
  };
  for (const Case& c : cases) {
    const std::string message = ErrorOf(c.properties);
    EXPECT_NE(message, "no error") << c.properties;
    EXPECT_NE(message.find(c.fragment), std::string::npos) << message;
  }
}

TEST(MenuLayout, CursorAcceptsANumberToo) {
  RegisterWindow();
  TMenuTestWindow window;
  ReadLayoutText(window, MenuLayout("    Cursor = -21\n"), "Test");
  ASSERT_NE(window.RxPopupMenu1, nullptr);
  EXPECT_EQ(window.RxPopupMenu1->Cursor(), crHandPoint);
}

}  // namespace
