// Property: for any document, reading what the writer wrote gives the document back in its
// normalised form. Documents are random: mixed scripts (BMP and beyond), the characters RTF
// gives a meaning to, odd face names and charsets, negative indents, bullets, line breaks.
#include <gtest/gtest.h>

#include <random>

#include "platform/rtf/DocumentDump.h"
#include "platform/rtf/LoadDocument.h"
#include "platform/rtf/Normalize.h"
#include "platform/rtf/RtfReader.h"
#include "platform/rtf/RtfWriter.h"

namespace {

class DocumentGenerator {
 public:
  explicit DocumentGenerator(std::uint32_t seed) : rng_(seed) {}

  rtf::RichDocument Next() {
    rtf::RichDocument doc;
    const int fonts = Between(0, 5);
    for (int i = 0; i < fonts; ++i) doc.fonts.push_back(NextFont());
    const int paragraphs = Between(0, 8);
    for (int i = 0; i < paragraphs; ++i) doc.paragraphs.push_back(NextParagraph(fonts));
    return doc;
  }

 private:
  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
  bool Chance(int percent) { return Between(1, 100) <= percent; }

  rtf::FontEntry NextFont() {
    static const rtf::FontEntry kFonts[] = {
        {"Arial", 204, 2},
        {"Times New Roman", 0, 2},
        {"Courier New", 1, 1},
        {"Symbol", 2, 2},
        {"Wingdings", 2, 0},
        {"Шрифт Тест", 204, 0},
        {"Odd;{Name}\\x", 0, 0},
        {"Ελληνικά", 161, 0},
        {"MS Mincho 明朝", 128, 1},
        {"Tahoma", 238, 0},
        {"", 1, 0},
        {"Verdana", 186, 2},
        {" Padded\tName ", 0, 0},
        {"Ctl\x01\x1f", 204, 0},
    };
    return kFonts[Between(0, std::size(kFonts) - 1)];
  }

  char16_t NextUnit() {
    static const char16_t kSpecial[] = {u'\t',  u'\n',  u'\r',  0x0000, u'{',   u'}',   u'\\',
                                        u';',   u'?',   u' ',   u'-',   u'0',   u'9',   0x00A0,
                                        0x00AD, 0x0001, 0x001F, 0x2014, 0x20AC, 0x00AB, 0x00BB,
                                        0x2116, 0xFFFD, 0xF0B7, 0x007F, 0x0080, 0x0098, 0xFFFF};
    switch (Between(0, 9)) {
      case 0:
      case 1:
      case 2:
        return static_cast<char16_t>(Between(0x20, 0x7E));
      case 3:
      case 4:
      case 5:
        return static_cast<char16_t>(Between(0x0400, 0x045F));
      case 6:
        return kSpecial[Between(0, std::size(kSpecial) - 1)];
      case 7:
        return static_cast<char16_t>(Between(0x0370, 0x03FF));
      case 8:
        return static_cast<char16_t>(Between(0x4E00, 0x9FFF));
      default:
        return static_cast<char16_t>(Between(0x00A0, 0x07FF));
    }
  }

  std::u16string NextText() {
    std::u16string text;
    const int length = Between(0, 24);
    for (int i = 0; i < length; ++i) {
      if (Chance(4)) {
        const char32_t cp = static_cast<char32_t>(Between(0x10000, 0x10FFFF));
        text.push_back(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)));
        text.push_back(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
      } else if (Chance(1)) {
        text.push_back(static_cast<char16_t>(Between(0xD800, 0xDFFF)));  // unpaired
      } else {
        text.push_back(NextUnit());
      }
    }
    return text;
  }

  rtf::CharFormat NextFormat(int fonts) {
    rtf::CharFormat format;
    format.font = Chance(5) ? Between(-1, fonts + 2) : Between(0, std::max(fonts - 1, 0));
    format.sizeHalfPt = Chance(3) ? Between(-5, 5000) : Between(2, 144);
    format.bold = Chance(30);
    format.italic = Chance(30);
    format.underline = Chance(20);
    const int colorKind = Between(0, 9);
    format.color = colorKind < 5 ? 0
                   : colorKind < 9
                       ? static_cast<std::uint32_t>(Between(0, 7)) * 0x202020u
                       : static_cast<std::uint32_t>(rng_());  // high byte set: masked away
    return format;
  }

  rtf::Paragraph NextParagraph(int fonts) {
    rtf::Paragraph para;
    para.format.align = static_cast<rtf::Align>(Between(0, 3));
    para.format.leftTwips = Chance(50) ? 0 : Between(-3000, 12000);
    para.format.firstTwips = Chance(50) ? 0 : Between(-3000, 3000);
    para.format.rightTwips = Chance(80) ? 0 : Between(-500, 3000);
    para.format.bullet = Chance(25);
    const int runs = Between(0, 6);
    for (int i = 0; i < runs; ++i) para.runs.push_back(rtf::Run{NextText(), NextFormat(fonts)});
    return para;
  }

  std::mt19937 rng_;
};

rtf::RichDocument Normalized(rtf::RichDocument doc) {
  rtf::Normalize(doc);
  return doc;
}

}  // namespace

TEST(RoundTrip, ReadingWhatTheWriterWroteGivesTheNormalisedDocument) {
  for (std::uint32_t seed : {1u, 20240611u, 777u}) {
    DocumentGenerator generator(seed);
    for (int i = 0; i < 1500; ++i) {
      const rtf::RichDocument doc = generator.Next();
      const std::string rtfText = rtf::WriteRtf(doc);
      rtf::RtfReadReport report;
      const rtf::RichDocument back = rtf::ReadRtf(rtfText, &report);
      ASSERT_FALSE(report.Damaged()) << "seed " << seed << " #" << i << "\n" << rtfText;
      const rtf::RichDocument want = Normalized(doc);
      ASSERT_EQ(back, want) << "seed " << seed << " #" << i << "\n"
                            << rtfText << "\nwant:\n"
                            << rtf::DocumentToJson(want) << "\ngot:\n"
                            << rtf::DocumentToJson(back);
    }
  }
}

TEST(RoundTrip, WritingIsStableAfterOneRoundTrip) {
  DocumentGenerator generator(99);
  for (int i = 0; i < 300; ++i) {
    const std::string once = rtf::WriteRtf(rtf::ReadRtf(rtf::WriteRtf(generator.Next())));
    EXPECT_EQ(rtf::WriteRtf(rtf::ReadRtf(once)), once) << "#" << i;
  }
}

TEST(RoundTrip, NormalizeIsIdempotentAndKeepsTextOfUsedFonts) {
  DocumentGenerator generator(5);
  for (int i = 0; i < 300; ++i) {
    const rtf::RichDocument once = Normalized(generator.Next());
    EXPECT_EQ(Normalized(once), once) << "#" << i;
    ASSERT_FALSE(once.fonts.empty());
    ASSERT_FALSE(once.paragraphs.empty());
    for (const rtf::Paragraph& para : once.paragraphs) {
      for (std::size_t r = 0; r < para.runs.size(); ++r) {
        EXPECT_FALSE(para.runs[r].text.empty());
        EXPECT_LT(para.runs[r].format.font, static_cast<int>(once.fonts.size()));
        if (r > 0) {
          EXPECT_FALSE(para.runs[r].format == para.runs[r - 1].format);
        }
      }
    }
  }
}
