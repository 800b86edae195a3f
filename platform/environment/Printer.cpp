#include "platform/environment/Printer.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStringList>

#include "platform/core/Exception.h"

namespace {

const char* const kNoPrinterMessage = "Нет установленных принтеров";
const char* const kCannotStartMessage = "Не удалось начать печать";

}  // namespace

TPrinter::TPrinter() : device_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

TPrinter::~TPrinter() {
  if (painter_) Abort();
}

std::vector<std::string> TPrinter::Printers() const {
  std::vector<std::string> names;
  for (const QString& name : QPrinterInfo::availablePrinterNames()) {
    names.push_back(name.toStdString());
  }
  return names;
}

void TPrinter::SetPrinterIndex(int index) {
  const int count = static_cast<int>(QPrinterInfo::availablePrinterNames().size());
  printerIndex_ = index >= 0 && index < count ? index : -1;
}

QPrinter& TPrinter::Device() {
  return *device_;
}

// Points the device at the PDF file or at the selected printer. QPrinter accepts a job on a
// printer that does not exist and prints nothing, so the absence is checked here.
void TPrinter::PrepareDevice() {
  if (!outputFileName_.empty()) {
    device_->setOutputFormat(QPrinter::PdfFormat);
    device_->setOutputFileName(QString::fromStdString(outputFileName_));
    return;
  }
  const QStringList names = QPrinterInfo::availablePrinterNames();
  if (names.isEmpty()) throw Exception(kNoPrinterMessage);
  QString name = printerIndex_ >= 0 && printerIndex_ < names.size()
                     ? names.at(printerIndex_)
                     : QPrinterInfo::defaultPrinterName();
  if (name.isEmpty()) name = names.front();
  device_->setOutputFormat(QPrinter::NativeFormat);
  device_->setOutputFileName(QString());
  device_->setPrinterName(name);
}

void TPrinter::BeginDoc() {
  if (painter_) throw Exception("Печать уже идёт");
  PrepareDevice();
  device_->setDocName(QString::fromStdString(title_));
  auto painter = std::make_unique<QPainter>();
  if (!painter->begin(device_.get())) throw Exception(kCannotStartMessage);
  painter_ = std::move(painter);
  pageNumber_ = 1;
}

void TPrinter::NewPage() {
  if (!painter_) throw Exception("Печать не начата");
  if (!device_->newPage()) throw Exception("Не удалось начать новую страницу");
  ++pageNumber_;
}

void TPrinter::EndDoc() {
  if (!painter_) throw Exception("Печать не начата");
  const bool ended = painter_->end();
  painter_.reset();
  pageNumber_ = 0;
  if (!ended) throw Exception("Не удалось завершить печать");
}

void TPrinter::Abort() {
  if (!painter_) return;
  device_->abort();
  painter_->end();
  painter_.reset();
  pageNumber_ = 0;
}

int TPrinter::PageWidth() const {
  return static_cast<int>(device_->pageRect(QPrinter::DevicePixel).width());
}

int TPrinter::PageHeight() const {
  return static_cast<int>(device_->pageRect(QPrinter::DevicePixel).height());
}

int TPrinter::PixelsPerInch() const {
  return device_->resolution();
}

namespace {
std::unique_ptr<TPrinter> thePrinter;
}

// The printer's Qt device must go before the application object does, so it is freed with it.
TPrinter& Printer() {
  if (!thePrinter) {
    thePrinter = std::make_unique<TPrinter>();
    qAddPostRoutine([] { thePrinter.reset(); });
  }
  return *thePrinter;
}
