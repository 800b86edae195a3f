#include "settings/SettingsFile.h"

#include "platform/environment/Profile.h"
#include "platform/environment/Shell.h"
#include "platform/environment/UserFolders.h"

namespace keys = settings_keys;

namespace {

std::string WithSeparator(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace

TSettingsFile::TSettingsFile() : TSettingsFile(ExecutableFolder(), UserConfigFolder()) {}

TSettingsFile::TSettingsFile(std::string executableFolder, std::string userConfigFolder)
    : executableFolder_(WithSeparator(std::move(executableFolder))) {
  if (!userConfigFolder.empty())
    userFolder_ = WithSeparator(std::move(userConfigFolder)) + kSettingsFolderName + "/";
}

std::string TSettingsFile::ReadFileName() const {
  const std::string user = userFolder_ + kSettingsFileName;
  if (!userFolder_.empty() && FileExists(user)) return user;
  return executableFolder_ + kSettingsFileName;
}

std::string TSettingsFile::WriteFileName() const {
  const std::string beside = executableFolder_ + kSettingsFileName;
  if (userFolder_.empty()) return beside;
  const std::string user = userFolder_ + kSettingsFileName;
  if (FileExists(user)) return user;
  if (FolderIsWritable(executableFolder_)) return beside;
  // The write itself reports "Unable to write to ..." if even this folder cannot be made.
  ForceFolders(userFolder_);
  return user;
}

int TSettingsFile::ReadInteger(const std::string& key, int defaultValue) const {
  return TIniFile(ReadFileName()).ReadInteger(keys::kSection, key, defaultValue);
}

bool TSettingsFile::ReadBool(const std::string& key, bool defaultValue) const {
  return TIniFile(ReadFileName()).ReadBool(keys::kSection, key, defaultValue);
}

std::string TSettingsFile::ReadString(const std::string& key,
                                      const std::string& defaultValue) const {
  return TIniFile(ReadFileName()).ReadString(keys::kSection, key, defaultValue);
}

void TSettingsFile::WriteInteger(const std::string& key, int value) {
  TIniFile(WriteFileName()).WriteInteger(keys::kSection, key, value);
}

void TSettingsFile::WriteBool(const std::string& key, bool value) {
  TIniFile(WriteFileName()).WriteBool(keys::kSection, key, value);
}

void TSettingsFile::WriteString(const std::string& key, const std::string& value) {
  TIniFile(WriteFileName()).WriteString(keys::kSection, key, value);
}

TSettingsValues TSettingsFile::LoadForMainWindow(const TSettingsValues& defaults) const {
  TSettingsValues v = defaults;
  v.TextColor =
      static_cast<TColor>(ReadInteger(keys::kTextColor, static_cast<int>(defaults.TextColor)));
  v.FontFace = ReadString(keys::kFontFace, defaults.FontFace);
  v.FontSize = ReadInteger(keys::kFontSize, defaults.FontSize);
  v.FieldColor =
      static_cast<TColor>(ReadInteger(keys::kFieldColor, static_cast<int>(defaults.FieldColor)));
  v.TextStyle = ReadInteger(keys::kTextStyle, defaults.TextStyle);
  v.FullScreen = ReadBool(keys::kFullScreen, defaults.FullScreen);
  v.KeyboardSound = ReadBool(keys::kKeyboardSound, defaults.KeyboardSound);
  v.Clock = ReadBool(keys::kClock, defaults.Clock);
  v.EditorSound = ReadBool(keys::kEditorSound, defaults.EditorSound);
  v.Ruler = ReadBool(keys::kRuler, defaults.Ruler);
  return v;
}

void TSettingsFile::Save(const TSettingsValues& values) {
  WriteInteger(keys::kTextColor, static_cast<int>(values.TextColor));
  WriteString(keys::kFontFace, values.FontFace);
  WriteInteger(keys::kFontSize, values.FontSize);
  WriteInteger(keys::kTextStyle, values.TextStyle);
  WriteBool(keys::kFullScreen, values.FullScreen);
  WriteBool(keys::kKeyboardSound, values.KeyboardSound);
  WriteBool(keys::kEditorSound, values.EditorSound);
  WriteBool(keys::kClock, values.Clock);
  WriteBool(keys::kRuler, values.Ruler);
  WriteInteger(keys::kFieldColor, static_cast<int>(values.FieldColor));
}

std::string FaceNameForFont(const std::string& face) {
  std::size_t i = 0;
  for (int chars = 0; i < face.size() && chars < kMaxFaceNameLength; ++chars) {
    ++i;
    while (i < face.size() && (static_cast<unsigned char>(face[i]) & 0xC0) == 0x80) ++i;
  }
  return face.substr(0, i);
}
