#include "platform/environment/Dialogs.h"

#include "platform/environment/Printer.h"

bool TOpenDialog::Execute() {
  TFileDialogRequest request = request_;
  if (!TEnvironment::Dialogs().ExecuteFileDialog(request)) return false;
  request_.fileName = request.fileName;
  request_.filterIndex = request.filterIndex;
  return true;
}

bool TFontDialog::Execute() {
  TFont chosen(font_);
  if (!TEnvironment::Dialogs().ExecuteFontDialog(chosen, options_)) return false;
  font_.Assign(chosen);
  return true;
}

bool TColorDialog::Execute() {
  TColor chosen = color_;
  if (!TEnvironment::Dialogs().ExecuteColorDialog(chosen)) return false;
  color_ = chosen;
  return true;
}

bool TPrinterSetupDialog::Execute() {
  return TEnvironment::Dialogs().ExecutePrinterSetupDialog(Printer());
}
