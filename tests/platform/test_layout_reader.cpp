// Applying layouts to components: creation, ownership, placement, every property kind, events,
// references, loading state, and the messages for every kind of mistake.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "layout_test_classes.h"
#include "platform/layout/LayoutParser.h"
#include "platform/layout/LayoutReader.h"

using namespace layout_test;

namespace {

class LayoutReaderTest : public ::testing::Test {
 protected:
  void SetUp() override { RegisterTestClasses(); }

  // The message of the error reading text into a fresh form raises.
  static std::string ErrorOf(const std::string& text) {
    TTestForm form;
    try {
      ReadLayoutText(form, text, "Test");
    } catch (const EInvalidLayout& e) {
      return e.what();
    }
    return "no error";
  }
};

const char* const kFormLayout = R"(object Form1: TTestForm
  Width = 100
  Caption = 'Окно'
  object Panel1: TTestPanel
    Width = 10
    BorderWidth = 3
    Kind = kdSecond
    Flags = [flA, flC]
    Cursor = crHandPoint
    Color = clBtnFace
    Ratio = 2
    Shown = True
    Lines.Strings = ('один' 'two')
    Data = { 01 02 }
    Picture.Data = { 0D 54 42 79 74 65 73 50 69 63 74 75 72 65  03 00 00 00  41 42 43 }
    Font.Name = 'Arial'
    Font.Height = -13
    Font.Style = [fsBold, fsItalic]
    Font.Color = 16512
    Font.Charset = RUSSIAN_CHARSET
    Colors.From = clWhite
    Colors.To = 14933983
    Items = <
      item
        Width = 300
      end
      item
        Width = 50
        Text = 'b'
      end>
    Buddy = Box2
    OnClick = Panel1Click
    Width = 20
    object Box1: TTestBox
      Color = -16777201
      Cursor = -21
      OnKeyPress = BoxKeyPress
      Buddy = Form1
    end
  end
  object Box2: TTestBox
    Buddy = nil
  end
  object Timer1: TTestTimer
    Interval = 1000
  end
end
)";

TEST_F(LayoutReaderTest, BuildsTheComponentTreeWithEveryPropertyKind) {
  TTestForm form;
  ReadLayoutText(form, kFormLayout, "Form1");

  EXPECT_EQ(form.Name(), "Form1");
  EXPECT_EQ(form.Width, 100);
  EXPECT_EQ(form.Caption, "Окно");
  ASSERT_EQ(form.ComponentCount(), 4);  // everything is owned by the window, in order
  EXPECT_EQ(form.Components(0)->Name(), "Panel1");
  EXPECT_EQ(form.Components(1)->Name(), "Box1");
  EXPECT_EQ(form.Components(2)->Name(), "Box2");
  EXPECT_EQ(form.Components(3)->Name(), "Timer1");

  ASSERT_NE(form.Panel1, nullptr);  // the field was filled
  TTestPanel& panel = *form.Panel1;
  EXPECT_EQ(panel.Container, &form);
  auto* box1 = dynamic_cast<TTestBox*>(form.FindComponent("Box1"));
  auto* box2 = dynamic_cast<TTestBox*>(form.FindComponent("Box2"));
  ASSERT_TRUE(box1 && box2);
  EXPECT_EQ(box1->Container, &panel);
  EXPECT_EQ(form.Children, (std::vector<TTestBox*>{&panel, box2}));
  EXPECT_EQ(dynamic_cast<TTestTimer*>(form.FindComponent("Timer1"))->Interval, 1000);

  EXPECT_EQ(panel.widthsSet, (std::vector<int>{10, 20}));  // in order: the later one wins
  EXPECT_EQ(panel.Width, 20);
  EXPECT_EQ(panel.BorderWidth, 3);
  EXPECT_EQ(panel.Kind, kdSecond);
  EXPECT_EQ(panel.Flags, unsigned(flA | flC));
  EXPECT_EQ(panel.Cursor, crHandPoint);
  EXPECT_EQ(panel.Color, clBtnFace);
  EXPECT_DOUBLE_EQ(panel.Ratio, 2.0);
  EXPECT_TRUE(panel.Shown);
  EXPECT_EQ(panel.Lines, (std::vector<std::string>{"один", "two"}));
  EXPECT_EQ(panel.Data, (std::vector<std::uint8_t>{1, 2}));
  auto* picture = dynamic_cast<TBytesPicture*>(panel.Picture.get());
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->bytes, (std::vector<std::uint8_t>{'A', 'B', 'C'}));
  EXPECT_EQ(panel.Font.Name(), "Arial");
  EXPECT_EQ(panel.Font.Height(), -13);
  EXPECT_EQ(panel.Font.Style(), unsigned(fsBold | fsItalic));
  EXPECT_EQ(panel.Font.Color(), 16512u);
  EXPECT_EQ(panel.Font.Charset(), RUSSIAN_CHARSET);
  EXPECT_EQ(panel.Colors.From, clWhite);
  EXPECT_EQ(panel.Colors.To, 14933983u);
  ASSERT_EQ(panel.Items.size(), 2u);
  EXPECT_EQ(panel.Items[0].Width, 300);
  EXPECT_EQ(panel.Items[1].Width, 50);
  EXPECT_EQ(panel.Items[1].Text, "b");

  // A reference to a component written further down, and one to the window itself.
  EXPECT_EQ(panel.Buddy, box2);
  EXPECT_EQ(box1->Buddy, &form);
  EXPECT_EQ(box2->Buddy, nullptr);
  EXPECT_EQ(box1->Color, clBtnFace);  // a negative number is the colour's 32-bit pattern
  EXPECT_EQ(box1->Cursor, crHandPoint);

  // Events call the window's handlers with the sender.
  ASSERT_TRUE(panel.OnClick);
  panel.OnClick(&panel);
  ASSERT_TRUE(box1->OnKeyPress);
  char32_t key = U'a';
  box1->OnKeyPress(box1, key);
  EXPECT_EQ(key, U'x');
  EXPECT_EQ(form.calls, (std::vector<std::string>{"Panel1Click:Panel1", "BoxKeyPress:Box1"}));
}

TEST_F(LayoutReaderTest, ComponentsLoadWhileReadAndGetLoadedOnceAtTheEnd) {
  TTestForm form;
  ReadLayoutText(form, kFormLayout, "Form1");
  TTestPanel& panel = *form.Panel1;
  EXPECT_EQ(panel.loadingWhenSet, (std::vector<bool>{true, true}));
  EXPECT_EQ(form.loadingWhenSet, (std::vector<bool>{true}));
  EXPECT_FALSE(form.Loading());
  EXPECT_FALSE(panel.Loading());
  EXPECT_EQ(form.loadedCount, 1);
  EXPECT_EQ(panel.loadedCount, 1);
  EXPECT_EQ(dynamic_cast<TTestBox*>(form.FindComponent("Box1"))->loadedCount, 1);
}

TEST_F(LayoutReaderTest, CollectionsReplaceTheirItemsAndSubObjectsKeepUnwrittenValues) {
  TTestDialog form;
  form.Items = {{7, "old"}};
  form.Font.SetName("Courier");
  form.Colors.To = 5;
  ReadLayoutText(form,
                 "object F: TTestDialog\n"
                 "  Items = < item Width = 1 end >\n"
                 "  Font.Height = -12\n"
                 "  Colors.From = 3\n"
                 "end",
                 "X");
  ASSERT_EQ(form.Items.size(), 1u);
  EXPECT_EQ(form.Items[0].Width, 1);
  EXPECT_EQ(form.Font.Name(), "Courier");
  EXPECT_EQ(form.Font.Height(), -12);
  EXPECT_EQ(form.Colors.From, 3u);
  EXPECT_EQ(form.Colors.To, 5u);
}

TEST_F(LayoutReaderTest, CreatesTheWindowClassTheLayoutNames) {
  const TLayoutObject layout =
      ParseLayout("object D: TTestDialog\n  Width = 5\n  object B: TTestBox\n  end\nend", "D");
  std::unique_ptr<TComponent> window = CreateFromLayout(layout, "D");
  auto* dialog = dynamic_cast<TTestDialog*>(window.get());
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->Width, 5);
  EXPECT_EQ(dialog->Children.size(), 1u);

  EXPECT_THROW(CreateFromLayout(ParseLayout("object D: TUnknown\nend", "D"), "D"), EInvalidLayout);
}

TEST_F(LayoutReaderTest, ReadsALayoutFile) {
  TTestForm form;
  ReadLayoutFile(form, TARVIK_SOURCE_DIR "/tests/platform/layouts/TestForm.layout");
  ASSERT_NE(form.Panel1, nullptr);
  EXPECT_EQ(form.Panel1->BorderWidth, 10);

  try {
    ReadLayoutFile(form, "/nonexistent/Missing.layout");
    FAIL();
  } catch (const EInvalidLayout& e) {
    EXPECT_NE(std::string(e.what()).find("/nonexistent/Missing.layout"), std::string::npos);
  }
}

TEST_F(LayoutReaderTest, AWindowWithoutAShippedLayoutReadsNothing) {
  TTestForm form;
  EXPECT_FALSE(ReadOwnLayout(form));
  EXPECT_EQ(form.ComponentCount(), 0);
  EXPECT_THROW(LayoutResourceText("TNoSuchWindow"), EInvalidLayout);
}

TEST_F(LayoutReaderTest, ErrorsInPropertiesOfFileLayoutsNameTheFile) {
  const std::string path = testing::TempDir() + "/Bad.layout";
  std::ofstream(path) << "object Form1: TTestForm\n  Wdth = 1\nend\n";
  TTestForm form;
  try {
    ReadLayoutFile(form, path);
    FAIL();
  } catch (const EInvalidLayout& e) {
    EXPECT_EQ(std::string(e.what()),
              "Layout \"Bad.layout\", line 2: unknown property \"Wdth\" of TTestForm \"Form1\"");
  }
}

struct Mistake {
  const char* name;
  const char* body;  // placed inside "object Form1: TTestForm ... object Panel1: TTestPanel end"
  const char* message;
  int line = 2;
};

class LayoutReaderMistakes : public LayoutReaderTest,
                             public ::testing::WithParamInterface<Mistake> {};

TEST_P(LayoutReaderMistakes, AreReportedWithLineAndName) {
  const std::string text = std::string("object Form1: TTestForm\n") + GetParam().body +
                           "\n  object Panel1: TTestPanel\n  end\nend\n";
  EXPECT_EQ(ErrorOf(text),
            "Layout \"Test\", line " + std::to_string(GetParam().line) + ": " + GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, LayoutReaderMistakes,
    ::testing::Values(
        Mistake{"UnknownProperty", "  Colr = 1",
                "unknown property \"Colr\" of TTestForm \"Form1\""},
        Mistake{"UnknownSubProperty", "  Font.Hieght = 1",
                "unknown property \"Font.Hieght\" of TTestForm \"Form1\""},
        Mistake{"NoSubProperties", "  Width.X = 1",
                "unknown property \"Width.X\" of TTestForm \"Form1\""},
        Mistake{"ObjectAssigned", "  Font = 1",
                "property \"Font\" of \"Form1\" is an object: assign its own properties, such as "
                "\"Font.Name\""},
        Mistake{"UnknownEnum", "  Kind = kdThird",
                "property \"Kind\" of \"Form1\": unknown value \"kdThird\" (expected kdNone, "
                "kdFirst, kdSecond)"},
        Mistake{"UnknownSetMember", "  Font.Style = [fsBold, fsBald]",
                "property \"Font.Style\" of \"Form1\": unknown set member \"fsBald\" (expected "
                "fsBold, fsItalic, fsUnderline, fsStrikeOut)"},
        Mistake{"SetExpected", "  Flags = flA",
                "property \"Flags\" of \"Form1\": a set such as [a, b] is expected, not an "
                "identifier"},
        Mistake{"WrongKind", "  Width = 'wide'",
                "property \"Width\" of \"Form1\": an integer is expected, not a string"},
        Mistake{"OutOfRange", "  Width = 3000000000",
                "property \"Width\" of \"Form1\": 3000000000 is out of range (-2147483648 to "
                "2147483647)"},
        Mistake{"CharsetRange", "  Font.Charset = 256",
                "property \"Font.Charset\" of \"Form1\": 256 is out of range (0 to 255)"},
        Mistake{"Boolean", "  Shown = Yes",
                "property \"Shown\" of \"Form1\": True or False is expected"},
        Mistake{"UnknownColour", "  Color = clBtnFaces",
                "property \"Color\" of \"Form1\": unknown colour \"clBtnFaces\""},
        Mistake{"ColourRange", "  Color = 4294967296",
                "property \"Color\" of \"Form1\": 4294967296 is not a colour"},
        Mistake{"ListOfStrings", "  Lines.Strings = ('a' 2)",
                "property \"Lines.Strings\" of \"Form1\": the list may hold only strings, not an "
                "integer"},
        Mistake{"UnknownHandler", "  OnClick = Panel1Clack",
                "property \"OnClick\" of \"Form1\": unknown handler \"Panel1Clack\" (TTestForm has "
                "no handler of that name)"},
        Mistake{"HandlerSignature", "  OnClick = BoxKeyPress",
                "property \"OnClick\" of \"Form1\": handler \"BoxKeyPress\" does not fit the event "
                "\"OnClick\""},
        Mistake{"UnknownReference", "  Buddy = Box9",
                "property \"Buddy\" of \"Form1\": there is no component named \"Box9\""},
        Mistake{"ReferenceOfWrongClass", "  Buddy = Timer1\n  object Timer1: TTestTimer\n  end",
                "property \"Buddy\" of \"Form1\": \"Timer1\" is a TTestTimer, not a TTestBox"},
        Mistake{"DamagedPicture", "  Picture.Data = { 05 41 }",
                "property \"Picture.Data\" of \"Form1\": Picture data is truncated"},
        Mistake{"UnknownPictureClass", "  Picture.Data = { 01 58 00 00 00 00 }",
                "property \"Picture.Data\" of \"Form1\": Unknown picture class \"X\""},
        Mistake{"SetterRefuses", "  Checked = -1",
                "property \"Checked\" of \"Form1\": Checked must not be negative"},
        Mistake{"CollectionItemProperty", "  Items = <\n item Wide = 1 end >",
                "unknown property \"Items[0].Wide\" of TTestForm \"Form1\"", 3},
        Mistake{"UnknownClass", "  object Box1: TTestBoks\n  end",
                "unknown class \"TTestBoks\" of \"Box1\""},
        Mistake{"AbstractOrForeignClass", "  object F: TTestColors\n  end",
                "class \"TTestColors\" of \"F\" cannot be created by a layout"},
        Mistake{"DuplicateName", "  object Panel1: TTestPanel\n  end",
                "the name \"Panel1\" is used twice", 4},
        Mistake{"NameOfTheWindow", "  object Form1: TTestBox\n  end",
                "the name \"Form1\" is used twice"},
        Mistake{"FieldOfWrongClass", "  object Panel1: TTestBox\n  end",
                "\"Panel1\" must be a TTestPanel for the field of TTestForm, not a TTestBox"},
        Mistake{"CannotBePlaced",
                "  object Timer1: TTestTimer\n    object Box1: TTestBox\n    end\n  end",
                "\"Box1\" (TTestBox) cannot be placed inside \"Timer1\" (TTestTimer)", 3}),
    [](const auto& p) { return std::string(p.param.name); });

TEST_F(LayoutReaderTest, ReportsLinesOfNestedMistakes) {
  // A line further down, in a nested object.
  const std::string text =
      "object Form1: TTestForm\n  object Panel1: TTestPanel\n    object B: TTestBox\n"
      "      Width = 1\n      Kind = kdNo\n    end\n  end\nend\n";
  EXPECT_EQ(ErrorOf(text),
            "Layout \"Test\", line 5: property \"Kind\" of \"B\": unknown value \"kdNo\" (expected "
            "kdNone, kdFirst, kdSecond)");
}

TEST_F(LayoutReaderTest, RefusesAWindowOfAnotherClassOrAMissingField) {
  EXPECT_EQ(ErrorOf("object D: TTestDialog\nend"),
            "Layout \"Test\", line 1: the layout describes a TTestDialog, but the window is a "
            "TTestForm");
  EXPECT_EQ(ErrorOf("object F: TTestForm\n  Width = 1\nend"),
            "Layout \"Test\", line 1: TTestForm expects a component \"Panel1\" (TTestPanel), but "
            "the layout has none");
  EXPECT_EQ(ErrorOf("object F: TNothing\nend"),
            "Layout \"Test\", line 1: unknown class \"TNothing\"");
}

TEST_F(LayoutReaderTest, AFailedReadLeavesNoComponentLoadingAndAssignsNoReference) {
  TTestForm form;
  EXPECT_THROW(ReadLayoutText(form,
                              "object Form1: TTestForm\n  Buddy = Panel1\n"
                              "  object Panel1: TTestPanel\n    Buddy = Nobody\n  end\nend",
                              "X"),
               EInvalidLayout);
  EXPECT_FALSE(form.Loading());
  EXPECT_EQ(form.Buddy, nullptr);  // the good reference waits for the bad one to be checked
  ASSERT_NE(form.Panel1, nullptr);
  EXPECT_FALSE(form.Panel1->Loading());
}

TEST(LayoutRegistry, RefusesConflictingRegistrations) {
  RegisterTestClasses();
  // A second type under a taken name, a base that is not registered.
  struct TOther : TComponent {
    using TComponent::TComponent;
  };
  struct TUnregisteredBase : TComponent {
    using TComponent::TComponent;
  };
  struct TDerived : TUnregisteredBase {
    using TUnregisteredBase::TUnregisteredBase;
  };
  EXPECT_THROW((LayoutClass<TOther, TComponent>("TTestBox")), Exception);
  EXPECT_THROW((LayoutClass<TDerived, TUnregisteredBase>("TDerived")), Exception);
  // Registering a class again adds to it.
  EXPECT_NO_THROW((LayoutClass<TTestTimer, TComponent>("TTestTimer")));
  EXPECT_NE(LayoutRegistry().Find("tTESTtimer"), nullptr);  // names ignore case
}

}  // namespace
