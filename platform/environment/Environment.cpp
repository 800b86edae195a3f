#include "platform/environment/Environment.h"

#include <QGuiApplication>
#include <QScreen>

#include "platform/qt/EnvironmentReal.h"

namespace {

// The replacements in use; null means the real binding.
TEnvironmentServices& Installed() {
  static TEnvironmentServices services;
  return services;
}

template <class I>
void Replace(I*& slot, I* replacement) {
  if (replacement) slot = replacement;
}

class QtScreen final : public IScreenInfo {
 public:
  int ScreenWidth() override { return Geometry().width(); }
  int ScreenHeight() override { return Geometry().height(); }

 private:
  static QRect Geometry() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
  }
};

}  // namespace

IScreenInfo& RealScreen() {
  static QtScreen screen;
  return screen;
}

IDialogs& TEnvironment::Dialogs() {
  return Installed().dialogs ? *Installed().dialogs : RealDialogs();
}
IFindDialogs& TEnvironment::FindDialogs() {
  return Installed().findDialogs ? *Installed().findDialogs : RealFindDialogs();
}
IMessageBoxes& TEnvironment::MessageBoxes() {
  return Installed().messageBoxes ? *Installed().messageBoxes : RealMessageBoxes();
}
ISoundPlayer& TEnvironment::Sound() {
  return Installed().sound ? *Installed().sound : RealSoundPlayer();
}
IShell& TEnvironment::Shell() {
  return Installed().shell ? *Installed().shell : RealShell();
}
ILocalClock& TEnvironment::Clock() {
  return Installed().clock ? *Installed().clock : RealClock();
}
IScreenInfo& TEnvironment::Screen() {
  return Installed().screen ? *Installed().screen : RealScreen();
}
IFontCatalog& TEnvironment::Fonts() {
  return Installed().fonts ? *Installed().fonts : RealFontCatalog();
}

TEnvironmentServices TEnvironment::Install(const TEnvironmentServices& replacement) {
  TEnvironmentServices& s = Installed();
  const TEnvironmentServices previous = s;
  Replace(s.dialogs, replacement.dialogs);
  Replace(s.findDialogs, replacement.findDialogs);
  Replace(s.messageBoxes, replacement.messageBoxes);
  Replace(s.sound, replacement.sound);
  Replace(s.shell, replacement.shell);
  Replace(s.clock, replacement.clock);
  Replace(s.screen, replacement.screen);
  Replace(s.fonts, replacement.fonts);
  return previous;
}

void TEnvironment::Restore(const TEnvironmentServices& previous) {
  Installed() = previous;
}

void TEnvironment::Reset() {
  Installed() = TEnvironmentServices{};
}
