// What the program asks of the desktop around it, behind interfaces: the common dialogs, message
// boxes, the sound player, starting programs, opening web addresses, the file-type association,
// the local clock, the screen size and the installed fonts. The real program uses Qt bindings;
// tests install scriptable fakes (tests/common/FakeEnvironment.h and test-local ones), so no test
// ever waits on a real dialog.
//
// The wrappers the program calls (Dialogs.h, MessageBox.h, Sound.h, Shell.h, Clock.h,
// FindDialog.h) all go through TEnvironment.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/Color.h"
#include "platform/graphics/Font.h"
#include "platform/core/Types.h"

class TFont;
class TPrinter;

// --- Common dialogs ---------------------------------------------------------------------

// The classic file dialog options, bit for bit in their classic order.
enum TOpenOption : unsigned {
  ofReadOnly = 1u << 0,
  ofOverwritePrompt = 1u << 1,
  ofHideReadOnly = 1u << 2,
  ofNoChangeDir = 1u << 3,
  ofShowHelp = 1u << 4,
  ofNoValidate = 1u << 5,
  ofAllowMultiSelect = 1u << 6,
  ofExtensionDifferent = 1u << 7,
  ofPathMustExist = 1u << 8,
  ofFileMustExist = 1u << 9,
  ofCreatePrompt = 1u << 10,
  ofShareAware = 1u << 11,
  ofNoReadOnlyReturn = 1u << 12,
  ofNoTestFileCreate = 1u << 13,
  ofNoNetworkButton = 1u << 14,
  ofNoLongNames = 1u << 15,
  ofOldStyleDialog = 1u << 16,
  ofNoDereferenceLinks = 1u << 17,
  ofEnableIncludeNotify = 1u << 18,
  ofEnableSizing = 1u << 19,
  ofDontAddToRecent = 1u << 20,
  ofForceShowHidden = 1u << 21,
};
using TOpenOptions = unsigned;

struct TFileDialogRequest {
  enum Kind { fdOpen, fdSave };
  Kind kind = fdOpen;
  std::string title;       // empty: the dialog's own title
  std::string filter;      // "label|pattern;pattern|label|pattern", as the classic dialogs take it
  int filterIndex = 1;     // 1-based entry of filter shown first; updated to the one chosen
  std::string defaultExt;  // added to a typed name without extension ("txt", ".txt", "*.txt")
  std::string initialDir;
  std::string fileName;  // shown first; on success the chosen file
  TOpenOptions options = ofHideReadOnly | ofEnableSizing;
};

// The classic font dialog options (only some have a meaning here; layouts may name all).
enum TFontDialogOption : unsigned {
  fdAnsiOnly = 1u << 0,
  fdTrueTypeOnly = 1u << 1,
  fdEffects = 1u << 2,
  fdFixedPitchOnly = 1u << 3,
  fdForceFontExist = 1u << 4,
  fdNoFaceSel = 1u << 5,
  fdNoOEMFonts = 1u << 6,
  fdNoSimulations = 1u << 7,
  fdNoSizeSel = 1u << 8,
  fdNoStyleSel = 1u << 9,
  fdNoVectorFonts = 1u << 10,
  fdShowHelp = 1u << 11,
  fdWysiwyg = 1u << 12,
  fdLimitSize = 1u << 13,
  fdScalableOnly = 1u << 14,
  fdApplyButton = 1u << 15,
};
using TFontDialogOptions = unsigned;

class IDialogs {
 public:
  virtual ~IDialogs() = default;
  // Each returns true when the user confirmed; the in/out argument then holds the choice and
  // is left as it was otherwise.
  virtual bool ExecuteFileDialog(TFileDialogRequest& request) = 0;
  virtual bool ExecuteFontDialog(TFont& font, TFontDialogOptions options) = 0;
  virtual bool ExecuteColorDialog(TColor& color) = 0;
  // Lets the user choose the printer and its page settings for later jobs.
  virtual bool ExecutePrinterSetupDialog(TPrinter& printer) = 0;
};

// --- Find dialog (modeless; our own window) -------------------------------------------------

enum TFindOption : unsigned {
  frDown = 1u << 0,
  frFindNext = 1u << 1,
  frHideMatchCase = 1u << 2,
  frHideWholeWord = 1u << 3,
  frHideUpDown = 1u << 4,
  frMatchCase = 1u << 5,
  frDisableMatchCase = 1u << 6,
  frDisableUpDown = 1u << 7,
  frDisableWholeWord = 1u << 8,
  frReplace = 1u << 9,
  frReplaceAll = 1u << 10,
  frWholeWord = 1u << 11,
  frShowHelp = 1u << 12,
};
using TFindOptions = unsigned;

// The window of a find dialog. It reports the user's actions through the two callbacks and
// never blocks.
class IFindWindow {
 public:
  virtual ~IFindWindow() = default;
  // Shows the window (or brings it to the front) with this text and options.
  virtual void Show(const std::string& findText, TFindOptions options) = 0;
  virtual void Close() = 0;
  virtual bool Visible() const = 0;
  // Screen position of the window's top-left corner.
  virtual void MoveTo(TPoint position) = 0;
  virtual TPoint Position() const = 0;

  // "Найти далее": the text and options (frDown, frMatchCase, frWholeWord) as now set.
  std::function<void(const std::string& findText, TFindOptions options)> OnFindNext;
  // The window was closed by the user ("Отмена", Escape, the close button).
  std::function<void()> OnClosed;
};

class IFindDialogs {
 public:
  virtual ~IFindDialogs() = default;
  virtual std::unique_ptr<IFindWindow> CreateFindWindow() = 0;
};

// --- Message boxes ----------------------------------------------------------------------------

enum TMessageIcon { miNone, miError, miWarning, miInformation, miQuestion };

struct TMessageBoxRequest {
  std::string caption;
  std::string text;
  TMessageIcon icon = miNone;
  std::vector<int> buttons;  // modal results (mrOk, mrYes, ...) in the order shown
  int defaultButton = 0;     // one of buttons; 0: the first
};

class IMessageBoxes {
 public:
  virtual ~IMessageBoxes() = default;
  // Shows the box modally and returns the modal result of the pressed button. Closing the box
  // without a button gives mrCancel when there is such a button, else the default one.
  virtual int ShowMessageBox(const TMessageBoxRequest& request) = 0;
};

// --- Sound -------------------------------------------------------------------------------

class ISoundPlayer {
 public:
  virtual ~ISoundPlayer() = default;
  // Starts playing a wave file in the background and returns at once; a sound still playing is
  // cut off. A missing or unreadable file, or no sound device, is silent.
  virtual void Play(const std::string& fileName) = 0;
  // Stops whatever plays.
  virtual void Stop() = 0;
};

// --- Shell -------------------------------------------------------------------------------

// The program as the handler of document files: what the desktop's association records.
struct TFileTypeAssociation {
  std::string applicationId;            // "tarvik": names the desktop entry (tarvik.desktop)
  std::string applicationName;          // shown by the desktop's "open with" lists
  std::string executable;               // absolute path of the program
  std::string icon;                     // icon file or theme name; may be empty
  std::vector<std::string> extensions;  // ".txt", ".rtf", ... (duplicates are harmless)
};

class IShell {
 public:
  virtual ~IShell() = default;
  // Starts a program found on PATH (or by its absolute path) as a separate process and does not
  // wait for it. False when it cannot be found or started.
  virtual bool StartProcess(const std::string& program, const std::vector<std::string>& args) = 0;
  // Opens a web address in the desktop's browser; false when nothing can open it.
  virtual bool OpenUrl(const std::string& url) = 0;
  // Records the program as the handler of the extensions; raises Exception when the desktop's
  // files cannot be written.
  virtual void RegisterFileTypes(const TFileTypeAssociation& association) = 0;
};

// --- Clock and screen ---------------------------------------------------------------------------

struct TDateTime {
  int Year = 0;
  int Month = 0;  // 1..12
  int Day = 0;    // 1..31
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
  int Millisecond = 0;
  bool operator==(const TDateTime&) const = default;
};

class ILocalClock {
 public:
  virtual ~ILocalClock() = default;
  virtual TDateTime Now() = 0;
  // The desktop's long time format (hours, minutes and seconds) and short date format.
  virtual std::string LongTimeString(const TDateTime& time) = 0;
  virtual std::string ShortDateString(const TDateTime& time) = 0;
};

class IScreenInfo {
 public:
  virtual ~IScreenInfo() = default;
  // Size of the primary screen in pixels.
  virtual int ScreenWidth() = 0;
  virtual int ScreenHeight() = 0;
};

// --- Fonts -------------------------------------------------------------------------------------

// The technology bits of TFontFamilyInfo::fontType.
inline constexpr int RASTER_FONTTYPE = 1;
inline constexpr int DEVICE_FONTTYPE = 2;
inline constexpr int TRUETYPE_FONTTYPE = 4;

// The font families a device offers (face name, technology, character set, pitch), in the
// order the device lists them; a family may appear more than once.
class IFontCatalog {
 public:
  virtual ~IFontCatalog() = default;
  virtual std::vector<TFontFamilyInfo> ScreenFamilies() = 0;
  // Raises Exception when there is no printer to ask.
  virtual std::vector<TFontFamilyInfo> PrinterFamilies() = 0;
};

// --- The registry -------------------------------------------------------------------------------

// A set of services; null members mean "keep the current one".
struct TEnvironmentServices {
  IDialogs* dialogs = nullptr;
  IFindDialogs* findDialogs = nullptr;
  IMessageBoxes* messageBoxes = nullptr;
  ISoundPlayer* sound = nullptr;
  IShell* shell = nullptr;
  ILocalClock* clock = nullptr;
  IScreenInfo* screen = nullptr;
  IFontCatalog* fonts = nullptr;
};

class TEnvironment {
 public:
  // The services in use: the real Qt bindings unless replaced.
  static IDialogs& Dialogs();
  static IFindDialogs& FindDialogs();
  static IMessageBoxes& MessageBoxes();
  static ISoundPlayer& Sound();
  static IShell& Shell();
  static ILocalClock& Clock();
  static IScreenInfo& Screen();
  static IFontCatalog& Fonts();

  // Replaces the services set in replacement (not owned; they must outlive their use) and
  // returns the complete set that was in use before, for Restore.
  static TEnvironmentServices Install(const TEnvironmentServices& replacement);
  static void Restore(const TEnvironmentServices& previous);
  // Back to the real bindings.
  static void Reset();
};
