// The editor's event sounds: short wave files in the folder "Muzik" beside the executable,
// played in the background (a new sound cuts off the one that plays). Sounds gated by a switch
// play when it is on and stop whatever plays when it is off.
#pragma once

#include <string>

namespace sounds {
inline constexpr const char* kStart = "open.wav";      // the main window is shown
inline constexpr const char* kClose = "okna.wav";      // the main window is about to close
inline constexpr const char* kPrompt = "message.wav";  // a save prompt is shown
inline constexpr const char* kKey = "klava.wav";       // a character typed into the editor
inline constexpr const char* kMenu = "menu.wav";       // a menu button
inline constexpr const char* kClick = "knopka2.wav";   // a toolbar button or a menu item
}  // namespace sounds

// The full path of an event sound: the executable's folder, "Muzik/", the file name.
std::string SoundFilePath(const std::string& name);
// Starts the sound in the background.
void Play(const std::string& name);
// Stops whatever plays.
void Stop();
// Play when switchOn, otherwise Stop.
void PlayOrStop(bool switchOn, const std::string& name);

// --- The complete table of the event sounds and the switch that gates each.
enum class TSoundGate {
  sgEditorSound,    // "zvukredak": start, close and prompt sounds
  sgKeyboardSound,  // "zvukklava": the key click
  sgAlways,         // the menu and click sounds have no switch
};
struct TEventSound {
  const char* file;
  TSoundGate gate;
};
inline constexpr TEventSound kEventSounds[] = {
    {sounds::kStart, TSoundGate::sgEditorSound},  {sounds::kClose, TSoundGate::sgEditorSound},
    {sounds::kPrompt, TSoundGate::sgEditorSound}, {sounds::kKey, TSoundGate::sgKeyboardSound},
    {sounds::kMenu, TSoundGate::sgAlways},        {sounds::kClick, TSoundGate::sgAlways},
};
// The gate of a sound of the table (sgAlways for any other name).
TSoundGate SoundGate(const std::string& name);
// An event sound as its switch says: a gated sound plays when its switch is on and stops
// whatever plays when it is off; an ungated sound always plays.
void PlayEventSound(const std::string& name, bool editorSoundOn, bool keyboardSoundOn);
