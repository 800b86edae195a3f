#include "platform/layout/LayoutClasses.h"

#include "platform/core/Component.h"
#include "platform/environment/Dialogs.h"
#include "platform/environment/FindDialog.h"
#include "platform/framework/Control.h"
#include "platform/framework/Form.h"
#include "platform/framework/Timer.h"
#include "platform/graphics/Font.h"
#include "platform/layout/LayoutClass.h"
#include "platform/layout/StdLayoutClasses.h"
#include "platform/menus/PopupMenuBase.h"

namespace {

const TLayoutEnum<TFontStyle> kFontStyles = {{"fsBold", fsBold},
                                             {"fsItalic", fsItalic},
                                             {"fsUnderline", fsUnderline},
                                             {"fsStrikeOut", fsStrikeOut}};

const TLayoutEnum<TFontCharset> kCharsets = {{"ANSI_CHARSET", ANSI_CHARSET},
                                             {"DEFAULT_CHARSET", DEFAULT_CHARSET},
                                             {"SYMBOL_CHARSET", SYMBOL_CHARSET},
                                             {"RUSSIAN_CHARSET", RUSSIAN_CHARSET},
                                             {"EASTEUROPE_CHARSET", EASTEUROPE_CHARSET},
                                             {"OEM_CHARSET", OEM_CHARSET}};

const TLayoutEnum<TFontPitch> kPitches = {
    {"fpDefault", fpDefault}, {"fpVariable", fpVariable}, {"fpFixed", fpFixed}};

const TLayoutEnum<TFontQuality> kQualities = {{"fqDefault", fqDefault},
                                              {"fqDraft", fqDraft},
                                              {"fqProof", fqProof},
                                              {"fqNonAntialiased", fqNonAntialiased},
                                              {"fqAntialiased", fqAntialiased},
                                              {"fqClearType", fqClearType},
                                              {"fqClearTypeNatural", fqClearTypeNatural}};

const TLayoutEnum<TAlign> kAligns = {{"alNone", alNone},     {"alTop", alTop},
                                     {"alBottom", alBottom}, {"alLeft", alLeft},
                                     {"alRight", alRight},   {"alClient", alClient}};

const TLayoutEnum<TAnchorKind> kAnchors = {
    {"akLeft", akLeft}, {"akTop", akTop}, {"akRight", akRight}, {"akBottom", akBottom}};

const TLayoutEnum<TFormBorderStyle> kBorderStyles = {
    {"bsNone", TFormBorderStyle::bsNone},
    {"bsSingle", TFormBorderStyle::bsSingle},
    {"bsSizeable", TFormBorderStyle::bsSizeable},
    {"bsDialog", TFormBorderStyle::bsDialog},
    {"bsToolWindow", TFormBorderStyle::bsToolWindow},
    {"bsSizeToolWin", TFormBorderStyle::bsSizeToolWin}};

const TLayoutEnum<TFormStyle> kFormStyles = {{"fsNormal", fsNormal},
                                             {"fsMDIChild", fsMDIChild},
                                             {"fsMDIForm", fsMDIForm},
                                             {"fsStayOnTop", fsStayOnTop}};

const TLayoutEnum<TWindowState> kWindowStates = {
    {"wsNormal", wsNormal}, {"wsMinimized", wsMinimized}, {"wsMaximized", wsMaximized}};

const TLayoutEnum<TPosition> kPositions = {{"poDesigned", poDesigned},
                                           {"poDefault", poDefault},
                                           {"poDefaultPosOnly", poDefaultPosOnly},
                                           {"poDefaultSizeOnly", poDefaultSizeOnly},
                                           {"poScreenCenter", poScreenCenter},
                                           {"poDesktopCenter", poDesktopCenter},
                                           {"poMainFormCenter", poMainFormCenter},
                                           {"poOwnerFormCenter", poOwnerFormCenter}};

const TLayoutEnum<TModalResult> kModalResults = {
    {"mrNone", mrNone},   {"mrOk", mrOk},           {"mrCancel", mrCancel},    {"mrAbort", mrAbort},
    {"mrRetry", mrRetry}, {"mrIgnore", mrIgnore},   {"mrYes", mrYes},          {"mrNo", mrNo},
    {"mrAll", mrAll},     {"mrNoToAll", mrNoToAll}, {"mrYesToAll", mrYesToAll}};

const TLayoutEnum<TOpenOption> kOpenOptions = {{"ofReadOnly", ofReadOnly},
                                               {"ofOverwritePrompt", ofOverwritePrompt},
                                               {"ofHideReadOnly", ofHideReadOnly},
                                               {"ofNoChangeDir", ofNoChangeDir},
                                               {"ofShowHelp", ofShowHelp},
                                               {"ofNoValidate", ofNoValidate},
                                               {"ofAllowMultiSelect", ofAllowMultiSelect},
                                               {"ofExtensionDifferent", ofExtensionDifferent},
                                               {"ofPathMustExist", ofPathMustExist},
                                               {"ofFileMustExist", ofFileMustExist},
                                               {"ofCreatePrompt", ofCreatePrompt},
                                               {"ofShareAware", ofShareAware},
                                               {"ofNoReadOnlyReturn", ofNoReadOnlyReturn},
                                               {"ofNoTestFileCreate", ofNoTestFileCreate},
                                               {"ofNoNetworkButton", ofNoNetworkButton},
                                               {"ofNoLongNames", ofNoLongNames},
                                               {"ofOldStyleDialog", ofOldStyleDialog},
                                               {"ofNoDereferenceLinks", ofNoDereferenceLinks},
                                               {"ofEnableIncludeNotify", ofEnableIncludeNotify},
                                               {"ofEnableSizing", ofEnableSizing},
                                               {"ofDontAddToRecent", ofDontAddToRecent},
                                               {"ofForceShowHidden", ofForceShowHidden}};

const TLayoutEnum<TFontDialogOption> kFontDialogOptions = {{"fdAnsiOnly", fdAnsiOnly},
                                                           {"fdTrueTypeOnly", fdTrueTypeOnly},
                                                           {"fdEffects", fdEffects},
                                                           {"fdFixedPitchOnly", fdFixedPitchOnly},
                                                           {"fdForceFontExist", fdForceFontExist},
                                                           {"fdNoFaceSel", fdNoFaceSel},
                                                           {"fdNoOEMFonts", fdNoOEMFonts},
                                                           {"fdNoSimulations", fdNoSimulations},
                                                           {"fdNoSizeSel", fdNoSizeSel},
                                                           {"fdNoStyleSel", fdNoStyleSel},
                                                           {"fdNoVectorFonts", fdNoVectorFonts},
                                                           {"fdShowHelp", fdShowHelp},
                                                           {"fdWysiwyg", fdWysiwyg},
                                                           {"fdLimitSize", fdLimitSize},
                                                           {"fdScalableOnly", fdScalableOnly},
                                                           {"fdApplyButton", fdApplyButton}};

const TLayoutEnum<TFindOption> kFindOptions = {{"frDown", frDown},
                                               {"frFindNext", frFindNext},
                                               {"frHideMatchCase", frHideMatchCase},
                                               {"frHideWholeWord", frHideWholeWord},
                                               {"frHideUpDown", frHideUpDown},
                                               {"frMatchCase", frMatchCase},
                                               {"frDisableMatchCase", frDisableMatchCase},
                                               {"frDisableUpDown", frDisableUpDown},
                                               {"frDisableWholeWord", frDisableWholeWord},
                                               {"frReplace", frReplace},
                                               {"frReplaceAll", frReplaceAll},
                                               {"frWholeWord", frWholeWord},
                                               {"frShowHelp", frShowHelp}};

void RegisterFont() {
  LayoutClass<TFont>("TFont")
      .String("Name", &TFont::SetName)
      .Int("Height", &TFont::SetHeight)
      .Int("Size", &TFont::SetSize)
      .Set("Style", kFontStyles, &TFont::SetStyle)
      .Color("Color", &TFont::SetColor)
      .Enum("Charset", kCharsets, &TFont::SetCharset)
      .Enum("Pitch", kPitches, &TFont::SetPitch)
      .Enum("Quality", kQualities, &TFont::SetQuality)
      .Int("Escapement", &TFont::SetEscapement);
}

void RegisterControls() {
  LayoutClass<TComponent>("TComponent").Int("Tag", &TComponent::SetTag);
  LayoutClass<TControl, TComponent>("TControl")
      .Parent(&TControl::SetParent)
      .Int("Left", &TControl::SetLeft)
      .Int("Top", &TControl::SetTop)
      .Int("Width", &TControl::SetWidth)
      .Int("Height", &TControl::SetHeight)
      .Int("ClientWidth", &TControl::SetClientWidth)
      .Int("ClientHeight", &TControl::SetClientHeight)
      .Enum("Align", kAligns, &TControl::SetAlign)
      .Set("Anchors", kAnchors, &TControl::SetAnchors)
      .Bool("Visible", &TControl::SetVisible)
      .Bool("Enabled", &TControl::SetEnabled)
      .Color("Color", &TControl::SetColor)
      .Bool("ParentColor", &TControl::SetParentColor)
      .Object("Font", static_cast<TFont& (TControl::*)()>(&TControl::Font))
      .Bool("ParentFont", &TControl::SetParentFont)
      .String("Caption", &TControl::SetCaption)
      .String("Text", &TControl::SetText)
      .String("Hint", &TControl::SetHint)
      .Bool("ShowHint", &TControl::SetShowHint)
      .Bool("ParentShowHint", &TControl::SetParentShowHint)
      .Enum("Cursor", LayoutCursorNames(), &TControl::SetCursor)
      .Reference("PopupMenu", &TControl::SetPopupMenu)
      .Event("OnClick", &TControl::OnClick)
      .Event("OnDblClick", &TControl::OnDblClick)
      .Event("OnMouseDown", &TControl::OnMouseDown)
      .Event("OnMouseMove", &TControl::OnMouseMove)
      .Event("OnMouseUp", &TControl::OnMouseUp)
      .Event("OnResize", &TControl::OnResize);
  LayoutClass<TWinControl, TControl>("TWinControl")
      .Int("TabOrder", &TWinControl::SetTabOrder)
      .Bool("TabStop", &TWinControl::SetTabStop)
      .Event("OnEnter", &TWinControl::OnEnter)
      .Event("OnExit", &TWinControl::OnExit)
      .Event("OnKeyDown", &TWinControl::OnKeyDown)
      .Event("OnKeyUp", &TWinControl::OnKeyUp)
      .Event("OnKeyPress", &TWinControl::OnKeyPress);
  LayoutClass<TCustomControl, TWinControl>("TCustomControl");
  LayoutClass<TGraphicControl, TControl>("TGraphicControl");
}

void RegisterForms() {
  LayoutClass<TCustomForm, TWinControl>("TCustomForm")
      .Enum("BorderStyle", kBorderStyles, &TCustomForm::SetBorderStyle)
      .Enum("FormStyle", kFormStyles, &TCustomForm::SetFormStyle)
      .Enum("Position", kPositions, &TCustomForm::SetPosition)
      .Enum("WindowState", kWindowStates, &TCustomForm::SetWindowState)
      .Bool("KeyPreview", &TCustomForm::SetKeyPreview)
      .Enum("ModalResult", kModalResults, &TCustomForm::SetModalResult)
      .Reference("ActiveControl", &TCustomForm::SetActiveControl)
      .Event("OnCreate", &TCustomForm::OnCreate)
      .Event("OnDestroy", &TCustomForm::OnDestroy)
      .Event("OnShow", &TCustomForm::OnShow)
      .Event("OnHide", &TCustomForm::OnHide)
      .Event("OnActivate", &TCustomForm::OnActivate)
      .Event("OnDeactivate", &TCustomForm::OnDeactivate)
      .Event("OnPaint", &TCustomForm::OnPaint)
      .Event("OnClose", &TCustomForm::OnClose)
      .Event("OnCloseQuery", &TCustomForm::OnCloseQuery);
  LayoutClass<TForm, TCustomForm>("TForm");
}

void RegisterTimer() {
  LayoutClass<TTimer, TComponent>("TTimer")
      .Bool("Enabled", &TTimer::SetEnabled)
      .Int("Interval", &TTimer::SetInterval)
      .Event("OnTimer", &TTimer::SetOnTimer);
}

void RegisterDialogs() {
  LayoutClass<TOpenDialog, TComponent>("TOpenDialog")
      .String("FileName", &TOpenDialog::SetFileName)
      .String("Filter", &TOpenDialog::SetFilter)
      .Int("FilterIndex", &TOpenDialog::SetFilterIndex)
      .String("DefaultExt", &TOpenDialog::SetDefaultExt)
      .String("Title", &TOpenDialog::SetTitle)
      .String("InitialDir", &TOpenDialog::SetInitialDir)
      .Set("Options", kOpenOptions, &TOpenDialog::SetOptions);
  LayoutClass<TSaveDialog, TOpenDialog>("TSaveDialog");
  LayoutClass<TFontDialog, TComponent>("TFontDialog")
      .Object("Font", static_cast<TFont& (TFontDialog::*)()>(&TFontDialog::Font))
      .Set("Options", kFontDialogOptions, &TFontDialog::SetOptions);
  LayoutClass<TColorDialog, TComponent>("TColorDialog").Color("Color", &TColorDialog::SetColor);
  LayoutClass<TPrinterSetupDialog, TComponent>("TPrinterSetupDialog");
  LayoutClass<TFindDialog, TComponent>("TFindDialog")
      .String("FindText", &TFindDialog::SetFindText)
      .Set("Options", kFindOptions, &TFindDialog::SetOptions)
      .Int("Left", &TFindDialog::SetLeft)
      .Int("Top", &TFindDialog::SetTop)
      .Event("OnFind", &TFindDialog::OnFind)
      .Event("OnShow", &TFindDialog::OnShow)
      .Event("OnClose", &TFindDialog::OnClose);
}

}  // namespace

void RegisterPlatformLayoutClasses() {
  static bool done = false;
  static bool running = false;
  if (done || running) return;
  running = true;
  try {
    RegisterFont();
    RegisterControls();
    RegisterForms();
    RegisterTimer();
    RegisterDialogs();
    RegisterStdLayoutClasses();
  } catch (...) {
    running = false;
    throw;
  }
  running = false;
  done = true;
}

const TLayoutEnum<TCursor>& LayoutCursorNames() {
  static const TLayoutEnum<TCursor> kCursors = {
      {"crDefault", crDefault},     {"crNone", crNone},           {"crArrow", crArrow},
      {"crCross", crCross},         {"crIBeam", crIBeam},         {"crSizeNESW", crSizeNESW},
      {"crSizeNS", crSizeNS},       {"crSizeNWSE", crSizeNWSE},   {"crSizeWE", crSizeWE},
      {"crUpArrow", crUpArrow},     {"crHourGlass", crHourGlass}, {"crDrag", crDrag},
      {"crNoDrop", crNoDrop},       {"crHSplit", crHSplit},       {"crVSplit", crVSplit},
      {"crMultiDrag", crMultiDrag}, {"crSQLWait", crSQLWait},     {"crNo", crNo},
      {"crAppStart", crAppStart},   {"crHelp", crHelp},           {"crHandPoint", crHandPoint},
      {"crSizeAll", crSizeAll}};
  return kCursors;
}
