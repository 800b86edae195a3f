// The program's printer: the installed printers, the one jobs go to, and a print job's pages.
// Jobs are painted by the platform (the rich-text control formats its document into the
// printable area). With no printer installed a job fails with a message instead of
// silently printing nothing; tests send jobs to a PDF file instead.
#pragma once

#include <memory>
#include <string>
#include <vector>

class QPainter;
class QPrinter;

class TPrinter {
 public:
  TPrinter();
  ~TPrinter();
  TPrinter(const TPrinter&) = delete;
  TPrinter& operator=(const TPrinter&) = delete;

  // The job title the print queue shows.
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title) { title_ = title; }

  // Names of the installed printers; PrinterIndex selects one (-1: the system's default).
  std::vector<std::string> Printers() const;
  int PrinterIndex() const { return printerIndex_; }
  void SetPrinterIndex(int index);

  // When set, jobs are written to this PDF file instead of a printer (no printer needed).
  const std::string& OutputFileName() const { return outputFileName_; }
  void SetOutputFileName(const std::string& fileName) { outputFileName_ = fileName; }

  // Starts a job on the selected printer; raises Exception when there is no printer to
  // print on or the job cannot start.
  void BeginDoc();
  void NewPage();
  void EndDoc();
  // Ends the job without finishing it (an error while its pages were painted).
  void Abort();
  bool Printing() const { return painter_ != nullptr; }
  int PageNumber() const { return pageNumber_; }

  // Printable area of a page in device pixels, and the device's resolution.
  int PageWidth() const;
  int PageHeight() const;
  int PixelsPerInch() const;

  // Platform-internal: the Qt device and, while a job runs, its painter.
  QPrinter& Device();
  QPainter* Painter() const { return painter_.get(); }

 private:
  void PrepareDevice();

  std::unique_ptr<QPrinter> device_;
  std::unique_ptr<QPainter> painter_;
  std::string title_;
  std::string outputFileName_;
  int printerIndex_ = -1;
  int pageNumber_ = 0;
};

// The one printer of the program, created on first use.
TPrinter& Printer();
