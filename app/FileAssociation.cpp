#include "app/FileAssociation.h"

#include "platform/environment/Shell.h"
#include "platform/environment/UserFolders.h"

const std::vector<std::string>& AssociatedExtensions() {
  static const std::vector<std::string> extensions = {
      ".txt", ".rtf", ".cfg", ".log", ".ini", ".diz", ".ion", ".dos", ".win", ".prx", ".cfg"};
  return extensions;
}

namespace {

// The program's icon: the picture shipped beside the executable, else the icon theme's.
std::string ProgramIcon() {
  const std::string besideProgram = ExecutableFolder() + "tarvik.png";
  return FileExists(besideProgram) ? besideProgram : "tarvik";
}

}  // namespace

TFileTypeAssociation EditorAssociation(const std::string& executable) {
  TFileTypeAssociation association;
  association.applicationId = kFileClass;
  association.applicationName = "Tarvik";
  association.executable = executable;
  association.icon = ProgramIcon();
  association.extensions = AssociatedExtensions();
  return association;
}

void WriteEditorAssociation() {
  RegisterFileTypes(EditorAssociation(ExecutableFileName()));
}
