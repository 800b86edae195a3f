// The layout text format: what each value looks like once read, and how damaged text is refused
// with the layout name and line.
#include <gtest/gtest.h>

#include <string>

#include "platform/layout/LayoutParser.h"

namespace {

const char* const kSample = R"(// A window with one of everything.
object Form1: TForm1
  Left = -11
  Top = $FF
  Width = 0x1F
  Ratio = 1.5
  Scale = -2.5e2
  Caption = 'It''s ' + 'joined'
  Title = 'Текст'#13#10'строка'#$21
  Visible = True
  Font.Style = [fsBold, fsItalic]
  Empty = []
  Items.Strings = (
    'a'
    'b' 12 ident)
  Picture.Data = {
    0A0b FF
    00}
  Panels = <
    item
      Width = 300
    end
    item
      Text = 'x'
      Sub = < item end >
    end>
  OnClick = FlatButton3Click
  object Panel1: TPanel  // a child
    Align = alClient
    object Button1: TButton
    end
  end
  object Timer1: TTimer
  end
end
)";

TEST(LayoutParser, ReadsEveryKindOfValueInOrder) {
  const TLayoutObject root = ParseLayout(kSample, "Sample");
  EXPECT_EQ(root.name, "Form1");
  EXPECT_EQ(root.className, "TForm1");
  EXPECT_EQ(root.line, 2);
  ASSERT_EQ(root.properties.size(), 14u);
  const auto& p = root.properties;

  EXPECT_EQ(p[0].name, "Left");
  EXPECT_EQ(p[0].line, 3);
  EXPECT_EQ(p[0].value.kind, TLayoutValue::vkInteger);
  EXPECT_EQ(p[0].value.integer, -11);
  EXPECT_EQ(p[1].value.integer, 255);
  EXPECT_EQ(p[2].value.integer, 31);
  EXPECT_EQ(p[3].value.kind, TLayoutValue::vkFloat);
  EXPECT_DOUBLE_EQ(p[3].value.number, 1.5);
  EXPECT_DOUBLE_EQ(p[4].value.number, -250.0);

  EXPECT_EQ(p[5].value.kind, TLayoutValue::vkString);
  EXPECT_EQ(p[5].value.text, "It's joined");
  EXPECT_EQ(p[6].value.text, "Текст\r\nстрока!");

  EXPECT_EQ(p[7].value.kind, TLayoutValue::vkIdent);
  EXPECT_EQ(p[7].value.text, "True");

  EXPECT_EQ(p[8].name, "Font.Style");
  EXPECT_EQ(p[8].value.kind, TLayoutValue::vkSet);
  EXPECT_EQ(p[8].value.names, (std::vector<std::string>{"fsBold", "fsItalic"}));
  EXPECT_EQ(p[9].value.kind, TLayoutValue::vkSet);
  EXPECT_TRUE(p[9].value.names.empty());

  EXPECT_EQ(p[10].name, "Items.Strings");
  ASSERT_EQ(p[10].value.kind, TLayoutValue::vkList);
  ASSERT_EQ(p[10].value.items.size(), 4u);
  EXPECT_EQ(p[10].value.items[1].text, "b");
  EXPECT_EQ(p[10].value.items[1].line, 15);
  EXPECT_EQ(p[10].value.items[2].integer, 12);
  EXPECT_EQ(p[10].value.items[3].kind, TLayoutValue::vkIdent);

  EXPECT_EQ(p[11].value.kind, TLayoutValue::vkBinary);
  EXPECT_EQ(p[11].value.bytes, (std::vector<std::uint8_t>{0x0A, 0x0B, 0xFF, 0x00}));

  ASSERT_EQ(p[12].value.kind, TLayoutValue::vkCollection);
  const auto& items = p[12].value.collection;
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].line, 20);
  EXPECT_EQ(items[0].properties[0].name, "Width");
  EXPECT_EQ(items[0].properties[0].value.integer, 300);
  EXPECT_EQ(items[1].properties[0].value.text, "x");
  EXPECT_EQ(items[1].properties[1].value.collection.size(), 1u);

  EXPECT_EQ(p[13].name, "OnClick");
  EXPECT_EQ(p[13].value.text, "FlatButton3Click");
  ASSERT_EQ(root.children.size(), 2u);
  EXPECT_EQ(root.children[0].name, "Panel1");
  EXPECT_EQ(root.children[0].line, 28);
  EXPECT_EQ(root.children[0].children[0].className, "TButton");
  EXPECT_EQ(root.children[1].className, "TTimer");
}

TEST(LayoutParser, KeepsRepeatedAssignmentsAndAcceptsByteOrderMarkAndKeywordCase) {
  const TLayoutObject root =
      ParseLayout("\xEF\xBB\xBFOBJECT A: TA\n  Width = 1\n  Width = 2\nEnd", "Bom");
  ASSERT_EQ(root.properties.size(), 2u);
  EXPECT_EQ(root.properties[0].value.integer, 1);
  EXPECT_EQ(root.properties[1].value.integer, 2);
}

TEST(LayoutParser, ExtremeIntegersAreExact) {
  const TLayoutObject root = ParseLayout(
      "object A: TA\n A = -9223372036854775808\n B = 9223372036854775807\n C = $7FFFFFFFFFFFFFFF\n"
      " D = -$FF\nend",
      "X");
  EXPECT_EQ(root.properties[0].value.integer, INT64_MIN);
  EXPECT_EQ(root.properties[1].value.integer, INT64_MAX);
  EXPECT_EQ(root.properties[2].value.integer, INT64_MAX);
  EXPECT_EQ(root.properties[3].value.integer, -255);
}

struct BadLayout {
  const char* text;
  int line;
  const char* fragment;
};

class LayoutParserRejects : public ::testing::TestWithParam<BadLayout> {};

TEST_P(LayoutParserRejects, WithLayoutNameLineAndReason) {
  const BadLayout& bad = GetParam();
  try {
    ParseLayout(bad.text, "Broken");
    FAIL() << "accepted: " << bad.text;
  } catch (const EInvalidLayout& e) {
    const std::string message = e.what();
    EXPECT_NE(message.find("Layout \"Broken\", line " + std::to_string(bad.line) + ":"),
              std::string::npos)
        << message;
    EXPECT_NE(message.find(bad.fragment), std::string::npos) << message;
  }
}

INSTANTIATE_TEST_SUITE_P(
    DamagedText, LayoutParserRejects,
    ::testing::Values(
        BadLayout{"", 1, "must start with \"object\""},
        BadLayout{"// only a comment\n", 2, "must start with \"object\""},
        BadLayout{"object A: TA\n  Width = 1\n", 3, "(line 1) has no \"end\""},
        BadLayout{"object A TA\nend", 1, "expected \":\""},
        BadLayout{"object A: TA\n  Caption = 'open\nend", 2, "not closed on its line"},
        BadLayout{"object A: TA\n  Data = { 0A 1 }\nend", 2, "odd number"},
        BadLayout{"object A: TA\n  Data = { 0G }\nend", 2, "not a hexadecimal digit"},
        BadLayout{"object A: TA\n  Data = { 0A\n", 2, "not closed with \"}\""},
        BadLayout{"object A: TA\n  Size = 12pt\nend", 2, "\"12p\" is not a valid number"},
        BadLayout{"object A: TA\n  Size = 99999999999999999999\nend", 2, "out of range"},
        BadLayout{"object A: TA\n  Size = 9223372036854775808\nend", 2, "out of range"},
        BadLayout{"object A: TA\n  Size = $10000000000000000\nend", 2, "out of range"},
        BadLayout{"object A: TA\n  Size = -\nend", 2, "a number is expected"},
        BadLayout{"object A: TA\n  Size = 1.\nend", 2, "digits are expected"},
        BadLayout{"object A: TA\n  Caption = 'a' +\nend", 3, "expected a string after \"+\""},
        BadLayout{"object A: TA\n  Caption = #55296\nend", 2, "is not a character"},
        BadLayout{"object A: TA\n  Caption = #\nend", 2, "character code is expected"},
        BadLayout{"object A: TA\n  Caption = '\xD0'\nend", 2, "not valid UTF-8"},
        BadLayout{"object A: TA\n  Caption = '\xC0\xAF'\nend", 2, "not valid UTF-8"},
        BadLayout{"object A: TA\n  Style = [fsBold fsItalic]\nend", 2, "expected \",\" or \"]\""},
        BadLayout{"object A: TA\n  Style = [,]\nend", 2, "set member name"},
        BadLayout{"object A: TA\n  Items = ('a' [x])\nend", 2, "list element"},
        BadLayout{"object A: TA\n  Panels = < Width = 1 >\nend", 2, "expected \"item\""},
        BadLayout{"object A: TA\n  Panels = < item = 1 end >\nend", 2,
                  "expected a property or \"end\""},
        BadLayout{"object A: TA\n  Width 1\nend", 2, "expected \"=\" after the property name"},
        BadLayout{"object A: TA\n  Width = \nend", 3, "expected a value"},
        BadLayout{"object A: TA\n  object B: TB\n  end\n  Width = 1\nend", 4,
                  "stands after a child object"},
        BadLayout{"object A: TA\nend\nobject B: TB\nend", 3, "after the end of the root"},
        BadLayout{"object A: TA\n  Caption = \xD0\x90\nend", 2, "unexpected character 0xD0"},
        BadLayout{"object A.B: TA\nend", 1, "expected an object name"},
        BadLayout{"object A: TA\n  = 1\nend", 2, "expected a property"}));

TEST(LayoutParser, LimitsNesting) {
  std::string deep;
  for (int i = 0; i < kMaxLayoutDepth + 1; ++i) deep += "object A" + std::to_string(i) + ": T\n";
  for (int i = 0; i < kMaxLayoutDepth + 1; ++i) deep += "end\n";
  try {
    ParseLayout(deep, "Deep");
    FAIL();
  } catch (const EInvalidLayout& e) {
    EXPECT_NE(std::string(e.what()).find("nested deeper than 64"), std::string::npos) << e.what();
  }
  std::string collections = "object A: TA\n P = ";
  for (int i = 0; i < kMaxLayoutDepth + 1; ++i) collections += "< item X = ";
  EXPECT_THROW(ParseLayout(collections, "Deep"), EInvalidLayout);

  std::string fits;
  for (int i = 0; i < kMaxLayoutDepth; ++i) fits += "object A" + std::to_string(i) + ": T\n";
  for (int i = 0; i < kMaxLayoutDepth; ++i) fits += "end\n";
  EXPECT_NO_THROW(ParseLayout(fits, "Deep"));
}

}  // namespace
