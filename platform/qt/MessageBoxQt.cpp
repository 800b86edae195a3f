#include "platform/qt/MessageBoxQt.h"

#include <QApplication>
#include <QPushButton>
#include <algorithm>

#include "platform/framework/ControlTypes.h"
#include "platform/qt/EnvironmentReal.h"
#include "platform/qt/QtBridge.h"

namespace {

const char* const kResultProperty = "tarvikModalResult";

QMessageBox::StandardButton StandardButtonOf(int result) {
  switch (result) {
    case mrOk:
      return QMessageBox::Ok;
    case mrCancel:
      return QMessageBox::Cancel;
    case mrAbort:
      return QMessageBox::Abort;
    case mrRetry:
      return QMessageBox::Retry;
    case mrIgnore:
      return QMessageBox::Ignore;
    case mrYes:
      return QMessageBox::Yes;
    case mrNo:
      return QMessageBox::No;
    case mrYesToAll:
      return QMessageBox::YesToAll;
    case mrNoToAll:
      return QMessageBox::NoToAll;
    default:
      return QMessageBox::NoButton;
  }
}

QMessageBox::Icon QtIcon(TMessageIcon icon) {
  switch (icon) {
    case miError:
      return QMessageBox::Critical;
    case miWarning:
      return QMessageBox::Warning;
    case miInformation:
      return QMessageBox::Information;
    case miQuestion:
      return QMessageBox::Question;
    case miNone:
      break;
  }
  return QMessageBox::NoIcon;
}

QAbstractButton* AddButton(QMessageBox& box, int result) {
  QAbstractButton* button = nullptr;
  const QMessageBox::StandardButton standard = StandardButtonOf(result);
  if (standard != QMessageBox::NoButton)
    button = box.addButton(standard);
  else
    button = box.addButton(QMessageBox::tr("Все"), QMessageBox::AcceptRole);  // mrAll
  button->setProperty(kResultProperty, result);
  return button;
}

class QtMessageBoxes final : public IMessageBoxes {
 public:
  int ShowMessageBox(const TMessageBoxRequest& request) override {
    std::unique_ptr<QMessageBox> box = BuildMessageBox(request);
    box->exec();
    return MessageBoxResult(*box, request);
  }
};

}  // namespace

std::unique_ptr<QMessageBox> BuildMessageBox(const TMessageBoxRequest& request) {
  auto box = std::make_unique<QMessageBox>(QApplication::activeWindow());
  box->setWindowTitle(QtString(request.caption));
  box->setText(QtString(request.text));
  box->setTextFormat(Qt::PlainText);
  box->setIcon(QtIcon(request.icon));
  std::vector<int> buttons = request.buttons;
  if (buttons.empty()) buttons.push_back(mrOk);
  for (const int result : buttons) {
    QAbstractButton* button = AddButton(*box, result);
    if (result == request.defaultButton)
      if (auto* push = qobject_cast<QPushButton*>(button)) box->setDefaultButton(push);
    if (result == mrCancel || (buttons.size() == 1)) box->setEscapeButton(button);
  }
  return box;
}

int MessageBoxResult(const QMessageBox& box, const TMessageBoxRequest& request) {
  if (const QAbstractButton* clicked = box.clickedButton()) {
    const QVariant result = clicked->property(kResultProperty);
    if (result.isValid()) return result.toInt();
  }
  const auto& b = request.buttons;
  if (std::find(b.begin(), b.end(), mrCancel) != b.end()) return mrCancel;
  if (request.defaultButton) return request.defaultButton;
  return b.empty() ? mrOk : b.front();
}

IMessageBoxes& RealMessageBoxes() {
  static QtMessageBoxes boxes;
  return boxes;
}
