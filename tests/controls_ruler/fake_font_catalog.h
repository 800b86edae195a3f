// A scripted font catalog: the families the screen and the printer offer, installed while the
// object lives. The printer can be made unreachable.
#pragma once

#include <string>
#include <vector>

#include "platform/core/Exception.h"
#include "platform/environment/Environment.h"

class FakeFontCatalog : public IFontCatalog {
 public:
  FakeFontCatalog() {
    TEnvironmentServices mine;
    mine.fonts = this;
    previous_ = TEnvironment::Install(mine);
  }
  ~FakeFontCatalog() override { TEnvironment::Restore(previous_); }
  FakeFontCatalog(const FakeFontCatalog&) = delete;
  FakeFontCatalog& operator=(const FakeFontCatalog&) = delete;

  std::vector<TFontFamilyInfo> ScreenFamilies() override {
    ++screenRequests;
    return screen;
  }
  std::vector<TFontFamilyInfo> PrinterFamilies() override {
    ++printerRequests;
    if (!printerReachable) throw Exception("Нет установленных принтеров");
    return printer;
  }

  static TFontFamilyInfo Family(const std::string& name, int fontType,
                                TFontCharset charset = ANSI_CHARSET,
                                TFontPitch pitch = fpVariable) {
    TFontFamilyInfo info;
    info.name = name;
    info.fontType = fontType;
    info.charset = charset;
    info.pitch = pitch;
    return info;
  }

  std::vector<TFontFamilyInfo> screen;
  std::vector<TFontFamilyInfo> printer;
  bool printerReachable = true;
  int screenRequests = 0;
  int printerRequests = 0;

 private:
  TEnvironmentServices previous_;
};
