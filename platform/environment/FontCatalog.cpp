// The installed font families through Qt's font database. Qt draws on screen and paper with
// the same fonts, so the printer offers the screen's families once a printer is installed.
#include <QPrinterInfo>

#include "platform/core/Exception.h"
#include "platform/core/TextCompare.h"
#include "platform/environment/Environment.h"
#include "platform/graphics/Font.h"
#include "platform/qt/EnvironmentReal.h"

namespace {

// The classic faces documents and settings name, with the installed families drawn in their
// place at the same metrics. A list that offers "Arial" lets a user keep the face a document or
// the settings file asks for, though the pixels come from Liberation Sans.
constexpr std::pair<const char*, const char*> kClassicFaces[] = {
    {"Arial", "Liberation Sans"},
    {"Courier New", "Liberation Mono"},
    {"Times New Roman", "Liberation Serif"},
};

const TFontFamilyInfo* FindFamily(const std::vector<TFontFamilyInfo>& families, const char* name) {
  for (const TFontFamilyInfo& family : families)
    if (SameText(family.name, name)) return &family;
  return nullptr;
}

void AddClassicFaces(std::vector<TFontFamilyInfo>& families) {
  for (const auto& [classic, standIn] : kClassicFaces) {
    if (FindFamily(families, classic)) continue;
    const TFontFamilyInfo* installed = FindFamily(families, standIn);
    if (!installed) continue;
    TFontFamilyInfo info = *installed;
    info.name = classic;
    families.push_back(info);
  }
}

class QtFontCatalog final : public IFontCatalog {
 public:
  std::vector<TFontFamilyInfo> ScreenFamilies() override {
    std::vector<TFontFamilyInfo> families = ScreenFontFamilies();
    AddClassicFaces(families);
    return families;
  }
  std::vector<TFontFamilyInfo> PrinterFamilies() override {
    if (QPrinterInfo::availablePrinterNames().isEmpty())
      throw Exception("Нет установленных принтеров");
    return ScreenFamilies();
  }
};

}  // namespace

IFontCatalog& RealFontCatalog() {
  static QtFontCatalog catalog;
  return catalog;
}
