// The plain records a GIF picture is made of: colour tables and extension blocks, kept as
// the file holds them so that nothing read is lost.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/graphics/Color.h"

// A colour table: its entry count followed by room for 256 red, green, blue triples. Unused
// entries stay zero.
struct TGIFColorTable {
  std::uint32_t Count = 0;
  std::array<std::array<std::uint8_t, 3>, 256> Colors{};

  TColor ColorOf(std::size_t index) const {
    const auto& c = Colors[index];
    return RGB(c[0], c[1], c[2]);
  }
};

enum TExtensionKind { etGraphic, etPlainText, etApplication, etComment };

// One extension block: the fixed bytes after its label (block size byte included) and its
// data sub-blocks, one string per non-empty sub-block.
struct TExtension {
  TExtensionKind Kind = etComment;
  std::vector<std::uint8_t> Fixed;
  std::vector<std::string> Blocks;

  // The sub-blocks joined: the text of a comment.
  std::string Text() const {
    std::string text;
    for (const auto& b : Blocks) text += b;
    return text;
  }
};

// A graphic control extension's fields (its six fixed bytes: size, flags, delay, index, 0).
struct TGraphicControlBlock {
  std::uint8_t Flags = 0;
  std::uint16_t Delay = 0;  // hundredths of a second
  std::uint8_t TransparentIndex = 0;

  bool HasTransparency() const { return (Flags & 1) != 0; }
  int Disposal() const { return (Flags >> 2) & 7; }

  static TGraphicControlBlock From(const TExtension& e) {
    TGraphicControlBlock g;
    if (e.Fixed.size() >= 5) {
      g.Flags = e.Fixed[1];
      g.Delay = static_cast<std::uint16_t>(e.Fixed[2] | e.Fixed[3] << 8);
      g.TransparentIndex = e.Fixed[4];
    }
    return g;
  }
};
