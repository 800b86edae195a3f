#include "platform/environment/MessageBox.h"

#include "platform/framework/Application.h"
#include "platform/environment/Environment.h"

namespace {

std::string ApplicationTitle() {
  return Application ? Application->Title() : std::string();
}

std::vector<int> ButtonsOfFlags(unsigned flags) {
  switch (flags & 0xF) {
    case MB_OKCANCEL:
      return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE:
      return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL:
      return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO:
      return {IDYES, IDNO};
    case MB_RETRYCANCEL:
      return {IDRETRY, IDCANCEL};
    default:
      return {IDOK};
  }
}

TMessageIcon IconOfFlags(unsigned flags) {
  switch (flags & 0xF0) {
    case MB_ICONERROR:
      return miError;
    case MB_ICONQUESTION:
      return miQuestion;
    case MB_ICONWARNING:
      return miWarning;
    case MB_ICONINFORMATION:
      return miInformation;
    default:
      return miNone;
  }
}

}  // namespace

int MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  TMessageBoxRequest request;
  request.caption = caption;
  request.text = text;
  request.icon = IconOfFlags(flags);
  request.buttons = ButtonsOfFlags(flags);
  const std::size_t defaultIndex = (flags >> 8) & 0xF;
  request.defaultButton = request.buttons[defaultIndex < request.buttons.size() ? defaultIndex : 0];
  return TEnvironment::MessageBoxes().ShowMessageBox(request);
}

int MessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons) {
  static const char* const kCaptions[] = {"Предупреждение", "Ошибка", "Информация",
                                          "Подтверждение"};
  static const TMessageIcon kIcons[] = {miWarning, miError, miInformation, miQuestion, miNone};
  static const std::pair<TMsgDlgBtn, int> kOrder[] = {
      {mbYes, mrYes},          {mbNo, mrNo},       {mbOK, mrOk},
      {mbCancel, mrCancel},    {mbAbort, mrAbort}, {mbRetry, mrRetry},
      {mbIgnore, mrIgnore},    {mbAll, mrAll},     {mbNoToAll, mrNoToAll},
      {mbYesToAll, mrYesToAll}};
  TMessageBoxRequest request;
  request.caption = type == mtCustom ? ApplicationTitle() : kCaptions[type];
  request.text = message;
  request.icon = kIcons[type];
  for (const auto& [bit, result] : kOrder)
    if (buttons & bit) request.buttons.push_back(result);
  if (request.buttons.empty()) request.buttons.push_back(mrOk);
  // The classic default: OK or Yes when present, else the first button.
  for (const int preferred : {mrOk, mrYes})
    for (const int b : request.buttons)
      if (b == preferred && request.defaultButton == 0) request.defaultButton = b;
  if (request.defaultButton == 0) request.defaultButton = request.buttons.front();
  return TEnvironment::MessageBoxes().ShowMessageBox(request);
}

void ShowMessage(const std::string& message) {
  TMessageBoxRequest request;
  request.caption = ApplicationTitle();
  request.text = message;
  request.buttons = {mrOk};
  request.defaultButton = mrOk;
  TEnvironment::MessageBoxes().ShowMessageBox(request);
}
