#include "platform/environment/Sound.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>
#include <cstdint>
#include <map>

#include "platform/qt/EnvironmentReal.h"
#include "platform/qt/QtBridge.h"

namespace {

// The program's sounds are short clicks; a far larger file is not one of them.
constexpr qint64 kMaxWaveSize = 16 << 20;

std::uint32_t U32(std::string_view b, std::size_t at) {
  return std::uint32_t(static_cast<unsigned char>(b[at])) |
         std::uint32_t(static_cast<unsigned char>(b[at + 1])) << 8 |
         std::uint32_t(static_cast<unsigned char>(b[at + 2])) << 16 |
         std::uint32_t(static_cast<unsigned char>(b[at + 3])) << 24;
}

std::uint16_t U16(std::string_view b, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                    static_cast<unsigned char>(b[at + 1]) << 8);
}

// The "fmt " chunk of a sample format the player decodes: PCM or float, sane numbers.
bool IsPlayableFormat(std::string_view chunk) {
  if (chunk.size() < 16) return false;
  const std::uint16_t format = U16(chunk, 0);
  const std::uint16_t channels = U16(chunk, 2);
  const std::uint32_t rate = U32(chunk, 4);
  const std::uint16_t blockAlign = U16(chunk, 12);
  const std::uint16_t bits = U16(chunk, 14);
  const bool pcm = format == 1 && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
  const bool floating = format == 3 && bits == 32;
  return (pcm || floating) && channels >= 1 && channels <= 8 && rate >= 1 && rate <= 384000 &&
         blockAlign == channels * (bits / 8);
}

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
    // A file the player still cannot decode ends in the Error status: it stays silent.
    if (!effect || effect->status() == QSoundEffect::Error) return;
    effect->play();
    current_ = effect;
  }

  void Stop() override {
    if (current_) current_->stop();
    current_ = nullptr;
  }

  void Unload() {
    Stop();
    for (auto& [path, effect] : effects_) delete effect.data();
    effects_.clear();
  }

 private:
  static constexpr std::size_t kMaxCached = 16;

  static bool FileIsPlayable(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxWaveSize) return false;
    const QByteArray bytes = file.readAll();
    return IsPlayableWave(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  }

  QSoundEffect* EffectFor(const QString& path) {
    const auto it = effects_.find(path);
    if (it != effects_.end() && it->second) return it->second;
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || !FileIsPlayable(path)) return nullptr;
    if (effects_.size() >= kMaxCached) Unload();
    auto* effect = new QSoundEffect(app);  // owned by the application object
    effect->setSource(QUrl::fromLocalFile(path));
    effects_[path] = effect;
    return effect;
  }

  std::map<QString, QPointer<QSoundEffect>> effects_;
  QPointer<QSoundEffect> current_;
};

QtSoundPlayer& Player() {
  static QtSoundPlayer player;
  return player;
}

}  // namespace

bool IsPlayableWave(std::string_view bytes) {
  if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE")
    return false;
  bool formatSeen = false;
  std::size_t at = 12;
  while (bytes.size() - at >= 8) {
    const std::string_view id = bytes.substr(at, 4);
    const std::uint32_t length = U32(bytes, at + 4);
    at += 8;
    // A chunk running past the end is a truncated file: the player would wait for the rest.
    if (length > bytes.size() - at) return false;
    if (id == "fmt ") {
      if (!IsPlayableFormat(bytes.substr(at, length))) return false;
      formatSeen = true;
    } else if (id == "data") {
      return formatSeen;
    }
    at += length + (length & 1);
    if (at > bytes.size()) return false;
  }
  return false;
}

ISoundPlayer& RealSoundPlayer() {
  return Player();
}

void PlaySoundFile(const std::string& fileName) {
  TEnvironment::Sound().Play(fileName);
}

void StopSound() {
  TEnvironment::Sound().Stop();
}

void UnloadSounds() {
  Player().Unload();
}
