// What the settings window changes on the main window the moment the user picks it: the editing
// control's text colour, face and size, the editing field's colour, maximised or normal window,
// and whether the clock and the ruler show. The main window implements it; the settings window
// only holds a pointer (set once at start-up) and never reaches further into the main window.
#pragma once

#include <string>

#include "platform/graphics/Color.h"

class IMainWindowLink {
 public:
  virtual ~IMainWindowLink() = default;

  // The editing control's font colour.
  virtual void SetEditorTextColor(TColor color) = 0;
  // The editing control's font face; an empty face leaves the face as it is. A face longer than
  // a font takes is cut (FaceNameForFont in settings/SettingsFile.h).
  virtual void SetEditorFontFace(const std::string& face) = 0;
  // The editing control's font size in points.
  virtual void SetEditorFontSize(int points) = 0;
  // The editing control's background colour.
  virtual void SetEditorFieldColor(TColor color) = 0;
  // True: the main window is maximised; false: restored to its normal state.
  virtual void SetFullScreen(bool maximised) = 0;
  virtual void SetClockVisible(bool visible) = 0;
  virtual void SetRulerVisible(bool visible) = 0;
};
