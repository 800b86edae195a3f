#include "platform/graphics/Graphic.h"

#include <algorithm>
#include <cctype>

#include "platform/core/Exception.h"
#include "platform/core/Stream.h"

namespace {

std::vector<TGraphicClass>& Registry() {
  static std::vector<TGraphicClass> classes;
  return classes;
}

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

}  // namespace

void RegisterGraphicClass(TGraphicClass graphicClass) {
  auto& classes = Registry();
  std::erase_if(classes,
                [&](const TGraphicClass& c) { return c.className == graphicClass.className; });
  graphicClass.extension = Lower(graphicClass.extension);
  classes.push_back(std::move(graphicClass));
}

const TGraphicClass* FindGraphicClass(const std::string& className) {
  for (const auto& c : Registry())
    if (Lower(c.className) == Lower(className)) return &c;
  return nullptr;
}

const TGraphicClass* FindGraphicClassByExtension(const std::string& extension) {
  const std::string ext = Lower(extension.starts_with('.') ? extension.substr(1) : extension);
  for (const auto& c : Registry())
    if (c.extension == ext) return &c;
  return nullptr;
}

std::unique_ptr<TGraphic> ReadStoredPicture(const std::vector<std::uint8_t>& data) {
  if (data.empty()) throw EInvalidGraphic("Picture data is empty");
  const std::size_t nameLength = data[0];
  if (1 + nameLength + 4 > data.size()) throw EInvalidGraphic("Picture data is truncated");
  const std::string className(data.begin() + 1, data.begin() + 1 + static_cast<long>(nameLength));
  const std::size_t at = 1 + nameLength;
  const std::uint32_t count = std::uint32_t(data[at]) | std::uint32_t(data[at + 1]) << 8 |
                              std::uint32_t(data[at + 2]) << 16 | std::uint32_t(data[at + 3]) << 24;
  if (count > data.size() - at - 4) throw EInvalidGraphic("Picture data is truncated");
  const TGraphicClass* graphicClass = FindGraphicClass(className);
  if (!graphicClass) throw EInvalidGraphic("Unknown picture class \"" + className + "\"");
  auto graphic = graphicClass->create();
  TMemoryStream stream(std::vector<std::uint8_t>(data.begin() + static_cast<long>(at + 4),
                                                 data.begin() + static_cast<long>(at + 4 + count)));
  graphic->LoadFromStream(stream);
  return graphic;
}

std::vector<std::uint8_t> MakeStoredPicture(const std::string& className,
                                            const std::vector<std::uint8_t>& fileBytes) {
  const std::size_t nameLength = std::min<std::size_t>(className.size(), 255);
  const auto n = static_cast<std::uint32_t>(fileBytes.size());
  std::vector<std::uint8_t> out(1 + nameLength + 4 + fileBytes.size());
  out[0] = static_cast<std::uint8_t>(nameLength);
  std::copy_n(className.data(), nameLength, out.begin() + 1);
  for (std::size_t i = 0; i < 4; ++i)
    out[1 + nameLength + i] = static_cast<std::uint8_t>(n >> (8 * i));
  std::copy(fileBytes.begin(), fileBytes.end(),
            out.begin() + static_cast<long>(1 + nameLength + 4));
  return out;
}
