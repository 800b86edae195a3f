#include "platform/qt/DialogsQt.h"

#include <QApplication>
#include <QColorDialog>
#include <QFontDialog>
#include <QPrintDialog>
#include <QPrinter>

#include "platform/qt/EnvironmentReal.h"
#include "platform/environment/Printer.h"
#include "platform/qt/QtBridge.h"

namespace {

QWidget* DialogParent() {
  return QApplication::activeWindow();
}

class QtDialogs final : public IDialogs {
 public:
  bool ExecuteFileDialog(TFileDialogRequest& request) override {
    std::unique_ptr<QFileDialog> dialog = BuildFileDialog(request);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return false;
    ReadFileDialogChoice(*dialog, request);
    return true;
  }

  bool ExecuteFontDialog(TFont& font, TFontDialogOptions options) override {
    QFontDialog::FontDialogOptions qtOptions = QFontDialog::DontUseNativeDialog;
    if (options & fdFixedPitchOnly) qtOptions |= QFontDialog::MonospacedFonts;
    if (options & fdScalableOnly) qtOptions |= QFontDialog::ScalableFonts;
    bool ok = false;
    const QFont chosen =
        QFontDialog::getFont(&ok, FontDialogFont(font), DialogParent(), QString(), qtOptions);
    if (!ok) return false;
    ApplyFontDialogChoice(chosen, font);
    return true;
  }

  bool ExecuteColorDialog(TColor& color) override {
    const QColor chosen = QColorDialog::getColor(QtColor(color), DialogParent(), QString(),
                                                 QColorDialog::DontUseNativeDialog);
    if (!chosen.isValid()) return false;
    color = FromQtColor(chosen);
    return true;
  }

  bool ExecutePrinterSetupDialog(TPrinter& printer) override {
    QPrintDialog dialog(&printer.Device(), DialogParent());
    dialog.setWindowTitle(QStringLiteral("Настройка печати"));
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted) return false;
    TakePrinterChoice(printer);
    return true;
  }

 private:
  // The printer the dialog left selected becomes the one later jobs use.
  static void TakePrinterChoice(TPrinter& printer) {
    QPrinter& device = printer.Device();
    if (device.outputFormat() == QPrinter::PdfFormat && !device.outputFileName().isEmpty()) {
      printer.SetOutputFileName(FromQtString(device.outputFileName()));
      return;
    }
    printer.SetOutputFileName(std::string());
    const std::vector<std::string> names = printer.Printers();
    const std::string chosen = FromQtString(device.printerName());
    for (std::size_t i = 0; i < names.size(); ++i)
      if (names[i] == chosen) printer.SetPrinterIndex(static_cast<int>(i));
  }
};

}  // namespace

QStringList QtNameFilters(const std::string& filter) {
  const QStringList parts = QtString(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& p : patterns) p = p.trimmed();
    patterns.removeAll(QString());
    if (patterns.isEmpty()) continue;
    const QString label = parts[i].trimmed();
    const QString joined = patterns.join(QLatin1Char(' '));
    filters << (label.isEmpty() ? joined : label) + QStringLiteral(" (") + joined +
                   QLatin1Char(')');
  }
  return filters;
}

QString DefaultSuffixOf(const std::string& defaultExt) {
  QString ext = QtString(defaultExt).trimmed();
  while (ext.startsWith(QLatin1Char('*')) || ext.startsWith(QLatin1Char('.'))) ext.remove(0, 1);
  if (ext.contains(QLatin1Char('*')) || ext.contains(QLatin1Char('?'))) return QString();
  return ext;
}

std::unique_ptr<QFileDialog> BuildFileDialog(const TFileDialogRequest& request) {
  auto dialog = std::make_unique<QFileDialog>(DialogParent());
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  const bool save = request.kind == TFileDialogRequest::fdSave;
  dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  if (save)
    dialog->setFileMode(QFileDialog::AnyFile);
  else
    dialog->setFileMode((request.options & ofFileMustExist) ? QFileDialog::ExistingFile
                                                            : QFileDialog::AnyFile);
  // The classic save dialog asks before overwriting only when told to.
  dialog->setOption(QFileDialog::DontConfirmOverwrite, !(request.options & ofOverwritePrompt));
  if (request.options & ofForceShowHidden) dialog->setFilter(dialog->filter() | QDir::Hidden);
  if (!request.title.empty()) dialog->setWindowTitle(QtString(request.title));
  const QStringList filters = QtNameFilters(request.filter);
  if (!filters.isEmpty()) {
    dialog->setNameFilters(filters);
    const int index = request.filterIndex - 1;
    dialog->selectNameFilter(filters[index >= 0 && index < filters.size() ? index : 0]);
  }
  dialog->setDefaultSuffix(DefaultSuffixOf(request.defaultExt));
  if (!request.initialDir.empty()) dialog->setDirectory(QtString(request.initialDir));
  if (!request.fileName.empty()) dialog->selectFile(QtString(request.fileName));
  return dialog;
}

void ReadFileDialogChoice(const QFileDialog& dialog, TFileDialogRequest& request) {
  const QStringList files = dialog.selectedFiles();
  if (!files.isEmpty()) request.fileName = FromQtString(files.first());
  const qsizetype index = dialog.nameFilters().indexOf(dialog.selectedNameFilter());
  if (index >= 0) request.filterIndex = static_cast<int>(index) + 1;
}

QFont FontDialogFont(const TFont& font) {
  QFont q(QtString(MapFontFace(font.Name())));
  q.setPointSize(font.Size() > 0 ? font.Size() : 8);
  q.setBold(font.Style() & fsBold);
  q.setItalic(font.Style() & fsItalic);
  q.setUnderline(font.Style() & fsUnderline);
  q.setStrikeOut(font.Style() & fsStrikeOut);
  return q;
}

void ApplyFontDialogChoice(const QFont& chosen, TFont& font) {
  const std::string family = FromQtString(chosen.family());
  if (family != MapFontFace(font.Name())) font.SetName(family);
  if (chosen.pointSize() > 0)
    font.SetSize(chosen.pointSize());
  else if (chosen.pixelSize() > 0)
    font.SetHeight(-chosen.pixelSize());
  TFontStyles style = 0;
  if (chosen.bold()) style |= fsBold;
  if (chosen.italic()) style |= fsItalic;
  if (chosen.underline()) style |= fsUnderline;
  if (chosen.strikeOut()) style |= fsStrikeOut;
  font.SetStyle(style);
}

IDialogs& RealDialogs() {
  static QtDialogs dialogs;
  return dialogs;
}
