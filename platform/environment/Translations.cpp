#include "platform/environment/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace {

bool Install(const QString& catalog) {
  // The translator belongs to the application object, so it goes away with it.
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (translator->load(QStringLiteral("%1_ru").arg(catalog),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
      QCoreApplication::installTranslator(translator))
    return true;
  delete translator;
  return false;
}

}  // namespace

bool InstallRussianTranslation() {
  static QPointer<QCoreApplication> installedFor;
  QCoreApplication* app = QCoreApplication::instance();
  if (!app) return false;
  if (installedFor == app) return true;
  if (!Install(QStringLiteral("qtbase"))) return false;
  Install(QStringLiteral("qtmultimedia"));  // only its error texts; not needed to run
  installedFor = app;
  return true;
}
