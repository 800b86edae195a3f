// The editor's preferences file "Parametr.ini": one section "Form" with ten keys, read and
// written one key at a time, the file opened by name for each and never cached, so a change
// made by another program is seen by the next load.
//
// Where it lives: beside the executable. An installed program cannot write there, so when
// that folder refuses new files the file goes to the user's configuration folder
// (~/.config/tarvik/Parametr.ini), and once a file exists there it is the one read and written.
//
// Values: integers in signed decimal (reads also take "0x1C" and "$1C"), booleans as "1"/"0"
// (any integer other than 0 reads as true), strings up to 2047 characters. Anything missing or
// unreadable yields the default the caller passes: the settings window's current choices.
#pragma once

#include <string>

#include "platform/graphics/Color.h"

namespace settings_keys {
inline constexpr const char* kSection = "Form";
inline constexpr const char* kTextColor = "colortext";
inline constexpr const char* kFontFace = "shrift";
inline constexpr const char* kFontSize = "razmertext";
inline constexpr const char* kTextStyle = "stiltext";
inline constexpr const char* kFullScreen = "shirina";
inline constexpr const char* kKeyboardSound = "zvukklava";
inline constexpr const char* kEditorSound = "zvukredak";
inline constexpr const char* kClock = "clock";
inline constexpr const char* kRuler = "Ruler";
inline constexpr const char* kFieldColor = "zvetpoly";
}  // namespace settings_keys

inline constexpr const char* kSettingsFileName = "Parametr.ini";
inline constexpr const char* kSettingsFolderName = "tarvik";
// A face name longer than this is cut when it is given to a font.
inline constexpr int kMaxFaceNameLength = 31;

// The ten preferences. The initial values are the settings window's own, which are the
// defaults of every read before that window has been shown.
struct TSettingsValues {
  TColor TextColor = 0;       // "colortext"
  std::string FontFace;       // "shrift": empty leaves the editor's face alone
  int FontSize = 10;          // "razmertext", in points
  int TextStyle = 0;          // "stiltext": 0 plain, 1 italic, 2 bold, 3 bold italic
  bool FullScreen = true;     // "shirina"
  bool KeyboardSound = true;  // "zvukklava"
  bool EditorSound = true;    // "zvukredak"
  bool Clock = true;          // "clock"
  bool Ruler = true;          // "Ruler"
  TColor FieldColor = 0;      // "zvetpoly"
  bool operator==(const TSettingsValues&) const = default;
};

class TSettingsFile {
 public:
  // The folders default to the running program's and the user's configuration folder.
  TSettingsFile();
  TSettingsFile(std::string executableFolder, std::string userConfigFolder);

  // The file reads come from: the user's copy when it exists, else the one beside the program.
  std::string ReadFileName() const;
  // The file writes go to: the user's copy when it exists; else beside the program when that
  // folder takes files; else a new user's copy (its folder is created).
  std::string WriteFileName() const;

  int ReadInteger(const std::string& key, int defaultValue) const;
  bool ReadBool(const std::string& key, bool defaultValue) const;
  std::string ReadString(const std::string& key, const std::string& defaultValue) const;
  // Each raises "Unable to write to <file>" when the write is refused.
  void WriteInteger(const std::string& key, int value);
  void WriteBool(const std::string& key, bool value);
  void WriteString(const std::string& key, const std::string& value);

  // The main window's load: the keys in its order ("colortext", "shrift", "razmertext",
  // "zvetpoly", "stiltext", "shirina", "zvukklava", "clock", "zvukredak", "Ruler"), each with the
  // matching field of defaults as its default.
  TSettingsValues LoadForMainWindow(const TSettingsValues& defaults) const;
  // The settings window's save: all ten keys, always, in the save order ("colortext", "shrift",
  // "razmertext", "stiltext", "shirina", "zvukklava", "zvukredak", "clock", "Ruler",
  // "zvetpoly"). A refused write raises and the keys after it stay unwritten.
  void Save(const TSettingsValues& values);

 private:
  std::string executableFolder_;
  std::string userFolder_;  // the user's configuration folder + "tarvik/", or ""
};

// face cut to its first kMaxFaceNameLength characters (whole UTF-8 characters).
std::string FaceNameForFont(const std::string& face);
