// Loads every layout shipped in resources/layouts against its registered window class. Used by
// the layout test of each test program that links window classes: tests_platform checks what
// the platform knows; a program that registers the program's windows (the app's tests) checks
// them all with requireEveryClass set.
#pragma once

#include <algorithm>
#include <exception>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/core/Component.h"
#include "platform/layout/LayoutClasses.h"
#include "platform/layout/LayoutParser.h"
#include "platform/layout/LayoutReader.h"
#include "platform/layout/LayoutRegistry.h"

struct ShippedLayoutReport {
  std::vector<std::string> files;          // NAME of every resources/layouts/NAME.layout
  std::vector<std::string> loaded;         // built into a window without error
  std::vector<std::string> notRegistered;  // window class unknown to this test program
  std::vector<std::string> failures;       // what went wrong, one message each
};

inline ShippedLayoutReport CheckShippedLayouts(const std::string& sourceDir) {
  RegisterPlatformLayoutClasses();
  ShippedLayoutReport report;
  const std::filesystem::path folder = std::filesystem::path(sourceDir) / "resources" / "layouts";
  if (std::filesystem::is_directory(folder))
    for (const auto& entry : std::filesystem::directory_iterator(folder))
      if (entry.path().extension() == ".layout") report.files.push_back(entry.path().stem());
  std::sort(report.files.begin(), report.files.end());
  if (report.files != LayoutResourceNames())
    report.failures.push_back("the built-in layouts are not those of resources/layouts");

  for (const std::string& name : report.files) {
    std::ifstream in(folder / (name + ".layout"), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    try {
      if (LayoutResourceText(name) != text.str())
        report.failures.push_back(name + ": the built-in copy differs from the file");
      const TLayoutObject layout = ParseLayout(text.str(), name);
      if (layout.className != name) {
        report.failures.push_back(name + ".layout describes a " + layout.className +
                                  "; a layout is named after its window class");
        continue;
      }
      if (!LayoutRegistry().Find(layout.className)) {
        report.notRegistered.push_back(name);
        continue;
      }
      CreateFromLayout(layout, name);
      report.loaded.push_back(name);
    } catch (const std::exception& e) {
      report.failures.push_back(e.what());
    }
  }
  return report;
}
