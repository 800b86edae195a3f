#include "platform/graphics/Resources.h"

#include <QFile>
#include <QtGlobal>
#include <algorithm>
#include <cctype>

// The resource files are compiled into the platform library, a static library: nothing would
// pull their registration in unless named here. Each resources/*.qrc file NAME is initialised
// with Q_INIT_RESOURCE(NAME) below.
static void InitResources() {
  static const bool done = [] {
    Q_INIT_RESOURCE(bitmaps);
    return true;
  }();
  (void)done;
}

namespace {

std::string Upper(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return s;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> FindResourceFile(const std::string& path) {
  InitResources();
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray data = file.readAll();
  return std::vector<std::uint8_t>(data.begin(), data.end());
}

std::optional<std::vector<std::uint8_t>> FindBitmapResource(const std::string& name) {
  if (name.empty() || name.find('/') != std::string::npos) return std::nullopt;
  for (const std::string& candidate : {name, Upper(name)})
    for (const char* extension : {".bmp", ".png"})
      if (auto bytes = FindResourceFile(":/bitmaps/" + candidate + extension)) return bytes;
  return std::nullopt;
}
