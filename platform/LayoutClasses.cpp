#include "platform/LayoutClasses.h"

#include "platform/Component.h"
#include "platform/Font.h"
#include "platform/LayoutClass.h"

namespace {

const TLayoutEnum<TFontStyle> kFontStyles = {
    {"fsBold", fsBold}, {"fsItalic", fsItalic}, {"fsUnderline", fsUnderline},
    {"fsStrikeOut", fsStrikeOut}};

const TLayoutEnum<TFontCharset> kCharsets = {
    {"ANSI_CHARSET", ANSI_CHARSET},         {"DEFAULT_CHARSET", DEFAULT_CHARSET},
    {"SYMBOL_CHARSET", SYMBOL_CHARSET},     {"RUSSIAN_CHARSET", RUSSIAN_CHARSET},
    {"EASTEUROPE_CHARSET", EASTEUROPE_CHARSET}, {"OEM_CHARSET", OEM_CHARSET}};

const TLayoutEnum<TFontPitch> kPitches = {
    {"fpDefault", fpDefault}, {"fpVariable", fpVariable}, {"fpFixed", fpFixed}};

void RegisterFont() {
  LayoutClass<TFont>("TFont")
      .String("Name", &TFont::SetName)
      .Int("Height", &TFont::SetHeight)
      .Int("Size", &TFont::SetSize)
      .Set("Style", kFontStyles, &TFont::SetStyle)
      .Color("Color", &TFont::SetColor)
      .Enum("Charset", kCharsets, &TFont::SetCharset)
      .Enum("Pitch", kPitches, &TFont::SetPitch);
}

void RegisterComponent() {
  LayoutClass<TComponent>("TComponent").Int("Tag", &TComponent::SetTag);
}

}  // namespace

void RegisterPlatformLayoutClasses() {
  static bool done = false;
  static bool running = false;
  if (done || running) return;
  running = true;
  try {
    RegisterFont();
    RegisterComponent();
  } catch (...) {
    running = false;
    throw;
  }
  running = false;
  done = true;
}
