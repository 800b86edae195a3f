#include "app/Sounds.h"

#include "platform/environment/Shell.h"
#include "platform/environment/Sound.h"

std::string SoundFilePath(const std::string& name) {
  return ExecutableFolder() + "Muzik/" + name;
}

void Play(const std::string& name) {
  PlaySoundFile(SoundFilePath(name));
}

void Stop() {
  StopSound();
}

void PlayOrStop(bool switchOn, const std::string& name) {
  if (switchOn)
    Play(name);
  else
    Stop();
}

TSoundGate SoundGate(const std::string& name) {
  for (const TEventSound& sound : kEventSounds)
    if (name == sound.file) return sound.gate;
  return TSoundGate::sgAlways;
}

void PlayEventSound(const std::string& name, bool editorSoundOn, bool keyboardSoundOn) {
  switch (SoundGate(name)) {
    case TSoundGate::sgEditorSound:
      PlayOrStop(editorSoundOn, name);
      return;
    case TSoundGate::sgKeyboardSound:
      PlayOrStop(keyboardSoundOn, name);
      return;
    case TSoundGate::sgAlways:
      Play(name);
      return;
  }
}
