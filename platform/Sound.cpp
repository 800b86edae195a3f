#include "platform/Sound.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>
#include <map>

#include "platform/EnvironmentReal.h"
#include "platform/QtBridge.h"

namespace {

// One effect per file, kept so that a repeated click sound starts without loading again; the
// few wave files of the program bound the cache. The effects belong to the Qt application, so
// they go with it and never outlive the audio back end.
class QtSoundPlayer final : public ISoundPlayer {
 public:
  void Play(const std::string& fileName) override {
    Stop();
    const QFileInfo info(QtString(fileName));
    if (!info.isFile() || !info.isReadable()) return;
    QSoundEffect* effect = EffectFor(info.absoluteFilePath());
    // A file the player cannot decode ends in the Error status: it simply stays silent.
    if (!effect || effect->status() == QSoundEffect::Error) return;
    effect->play();
    current_ = effect;
  }

  void Stop() override {
    if (current_) current_->stop();
    current_ = nullptr;
  }

 private:
  static constexpr std::size_t kMaxCached = 16;

  QSoundEffect* EffectFor(const QString& path) {
    const auto it = effects_.find(path);
    if (it != effects_.end() && it->second) return it->second;
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return nullptr;
    if (effects_.size() >= kMaxCached) DropCache();
    auto* effect = new QSoundEffect(app);  // owned by the application object
    effect->setSource(QUrl::fromLocalFile(path));
    effects_[path] = effect;
    return effect;
  }

  void DropCache() {
    for (auto& [path, effect] : effects_) delete effect.data();
    effects_.clear();
  }

  std::map<QString, QPointer<QSoundEffect>> effects_;
  QPointer<QSoundEffect> current_;
};

}  // namespace

ISoundPlayer& RealSoundPlayer() {
  static QtSoundPlayer player;
  return player;
}

void PlaySoundFile(const std::string& fileName) {
  TEnvironment::Sound().Play(fileName);
}

void StopSound() {
  TEnvironment::Sound().Stop();
}
