#include "app/Tools.h"

#include "platform/environment/Shell.h"

const std::vector<std::string>& ToolPrograms(TTool tool) {
  static const std::vector<std::string> keyboards = {"onboard", "florence", "matchbox-keyboard",
                                                     "xvkbd"};
  static const std::vector<std::string> calculators = {
      "gnome-calculator", "kcalc", "galculator", "mate-calc", "qalculate-gtk", "xcalc"};
  static const std::vector<std::string> characterMaps = {"gucharmap", "kcharselect",
                                                         "gnome-characters"};
  switch (tool) {
    case TTool::tlKeyboard:
      return keyboards;
    case TTool::tlCalculator:
      return calculators;
    case TTool::tlCharacterMap:
      break;
  }
  return characterMaps;
}

std::string FindTool(TTool tool) {
  for (const std::string& program : ToolPrograms(tool)) {
    std::string path = FindProgramOnPath(program);
    if (!path.empty()) return path;
  }
  return {};
}

bool StartTool(TTool tool) {
  const std::string path = FindTool(tool);
  return !path.empty() && StartProcess(path);
}
