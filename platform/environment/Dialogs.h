// The common dialogs as components a window owns (OpenDialog1, SaveDialog1, FontDialog1,
// ColorDialog1, PrinterSetupDialog1). Each keeps its settings between uses; Execute shows the
// dialog through TEnvironment::Dialogs() and returns true when the user confirmed, having then
// taken the user's choice into its properties. A cancelled dialog changes nothing.
#pragma once

#include <memory>
#include <string>

#include "platform/graphics/Color.h"
#include "platform/core/Component.h"
#include "platform/environment/Environment.h"
#include "platform/graphics/Font.h"

class TOpenDialog : public TComponent {
 public:
  explicit TOpenDialog(TComponent* owner = nullptr) : TComponent(owner) {}
  std::string ClassName() const override { return "TOpenDialog"; }

  const std::string& FileName() const { return request_.fileName; }
  void SetFileName(const std::string& name) { request_.fileName = name; }
  // "label|pattern;pattern|label|pattern"
  const std::string& Filter() const { return request_.filter; }
  void SetFilter(const std::string& filter) { request_.filter = filter; }
  int FilterIndex() const { return request_.filterIndex; }
  void SetFilterIndex(int index) { request_.filterIndex = index; }
  const std::string& DefaultExt() const { return request_.defaultExt; }
  void SetDefaultExt(const std::string& ext) { request_.defaultExt = ext; }
  const std::string& Title() const { return request_.title; }
  void SetTitle(const std::string& title) { request_.title = title; }
  const std::string& InitialDir() const { return request_.initialDir; }
  void SetInitialDir(const std::string& dir) { request_.initialDir = dir; }
  TOpenOptions Options() const { return request_.options; }
  void SetOptions(TOpenOptions options) { request_.options = options; }

  virtual bool Execute();

 protected:
  TFileDialogRequest request_;
};

class TSaveDialog : public TOpenDialog {
 public:
  explicit TSaveDialog(TComponent* owner = nullptr) : TOpenDialog(owner) {
    request_.kind = TFileDialogRequest::fdSave;
  }
  std::string ClassName() const override { return "TSaveDialog"; }
};

class TFontDialog : public TComponent {
 public:
  explicit TFontDialog(TComponent* owner = nullptr) : TComponent(owner) {}
  std::string ClassName() const override { return "TFontDialog"; }

  // The font shown first and, after a confirmed dialog, the one chosen.
  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  void SetFont(const TFont& font) { font_.Assign(font); }
  TFontDialogOptions Options() const { return options_; }
  void SetOptions(TFontDialogOptions options) { options_ = options; }

  bool Execute();

 private:
  TFont font_;
  TFontDialogOptions options_ = fdEffects;
};

class TColorDialog : public TComponent {
 public:
  explicit TColorDialog(TComponent* owner = nullptr) : TComponent(owner) {}
  std::string ClassName() const override { return "TColorDialog"; }

  TColor Color() const { return color_; }
  void SetColor(TColor color) { color_ = color; }

  bool Execute();

 private:
  TColor color_ = clBlack;
};

// Chooses the printer (and its page settings) that Printer() prints on.
class TPrinterSetupDialog : public TComponent {
 public:
  explicit TPrinterSetupDialog(TComponent* owner = nullptr) : TComponent(owner) {}
  std::string ClassName() const override { return "TPrinterSetupDialog"; }

  bool Execute();
};
