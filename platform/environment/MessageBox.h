// Message boxes: the classic MessageBox call with its flags and results, MessageDlg with a
// type and a set of buttons, and ShowMessage. They go through TEnvironment::MessageBoxes(), so
// tests answer them with a fake; the real ones are Qt message boxes with Russian buttons once
// the Russian translation is installed (Translations.h).
#pragma once

#include <string>

#include "platform/framework/ControlTypes.h"

// MessageBox flags: one button set, one icon, one default button.
enum : unsigned {
  MB_OK = 0x0,
  MB_OKCANCEL = 0x1,
  MB_ABORTRETRYIGNORE = 0x2,
  MB_YESNOCANCEL = 0x3,
  MB_YESNO = 0x4,
  MB_RETRYCANCEL = 0x5,
  MB_ICONHAND = 0x10,
  MB_ICONERROR = 0x10,
  MB_ICONSTOP = 0x10,
  MB_ICONQUESTION = 0x20,
  MB_ICONEXCLAMATION = 0x30,
  MB_ICONWARNING = 0x30,
  MB_ICONASTERISK = 0x40,
  MB_ICONINFORMATION = 0x40,
  MB_DEFBUTTON1 = 0x000,
  MB_DEFBUTTON2 = 0x100,
  MB_DEFBUTTON3 = 0x200,
};
// MessageBox results; the same numbers as the modal results (IDOK == mrOk, ...).
enum : int { IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7 };

int MessageBox(const std::string& text, const std::string& caption, unsigned flags);

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn : unsigned {
  mbYes = 1u << 0,
  mbNo = 1u << 1,
  mbOK = 1u << 2,
  mbCancel = 1u << 3,
  mbAbort = 1u << 4,
  mbRetry = 1u << 5,
  mbIgnore = 1u << 6,
  mbAll = 1u << 7,
  mbNoToAll = 1u << 8,
  mbYesToAll = 1u << 9,
};
using TMsgDlgButtons = unsigned;

// A box captioned by its type ("Ошибка", "Подтверждение", ...; mtCustom: the application
// title) with the buttons in their classic order; returns the pressed button's modal result.
int MessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons);
// An OK box captioned with the application title.
void ShowMessage(const std::string& message);
