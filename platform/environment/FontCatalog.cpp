// The installed font families through Qt's font database. Qt draws on screen and paper with
// the same fonts, so the printer offers the screen's families once a printer is installed.
#include <QFontDatabase>
#include <QPrinterInfo>

#include "platform/core/Exception.h"
#include "platform/environment/Environment.h"
#include "platform/qt/EnvironmentReal.h"
#include "platform/qt/QtBridge.h"

namespace {

// Fonts that carry symbols (dingbats, mathematical symbols) stand for the symbol set, even
// when they name a few Latin letters too; other Latin fonts for the ANSI set.
TFontCharset CharsetOf(const QString& family) {
  const QList<QFontDatabase::WritingSystem> systems = QFontDatabase::writingSystems(family);
  if (systems.contains(QFontDatabase::Symbol)) return SYMBOL_CHARSET;
  if (systems.contains(QFontDatabase::Latin)) return ANSI_CHARSET;
  return DEFAULT_CHARSET;
}

TFontFamilyInfo DescribeFamily(const QString& family) {
  TFontFamilyInfo info;
  info.name = FromQtString(family);
  info.fontType = QFontDatabase::isSmoothlyScalable(family) ? TRUETYPE_FONTTYPE : RASTER_FONTTYPE;
  info.charset = CharsetOf(family);
  info.pitch = QFontDatabase::isFixedPitch(family) ? fpFixed : fpVariable;
  return info;
}

// The classic faces documents and settings name, with the installed families drawn in their
// place at the same metrics. A list that offers "Arial" lets a user keep the face a document or
// the settings file asks for, though the pixels come from Liberation Sans.
constexpr std::pair<const char*, const char*> kClassicFaces[] = {
    {"Arial", "Liberation Sans"},
    {"Courier New", "Liberation Mono"},
    {"Times New Roman", "Liberation Serif"},
};

void AddClassicFaces(const QStringList& installed, std::vector<TFontFamilyInfo>& families) {
  for (const auto& [classic, standIn] : kClassicFaces) {
    if (installed.contains(classic, Qt::CaseInsensitive)) continue;
    if (!installed.contains(standIn, Qt::CaseInsensitive)) continue;
    TFontFamilyInfo info = DescribeFamily(standIn);
    info.name = classic;
    families.push_back(info);
  }
}

class QtFontCatalog final : public IFontCatalog {
 public:
  std::vector<TFontFamilyInfo> ScreenFamilies() override {
    std::vector<TFontFamilyInfo> families;
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : installed) {
      if (QFontDatabase::isPrivateFamily(family)) continue;
      families.push_back(DescribeFamily(family));
    }
    AddClassicFaces(installed, families);
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
