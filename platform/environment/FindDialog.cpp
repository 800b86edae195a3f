#include "platform/environment/FindDialog.h"

#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/framework/Application.h"
#include "platform/qt/EnvironmentReal.h"
#include "platform/qt/QtBridge.h"

namespace {

// Calls from the window into the program: an error goes to the application's handler and never
// back into Qt's event loop.
template <class F>
void Guarded(F&& fn) {
  try {
    fn();
  } catch (...) {
    if (Application) Application->HandleException(std::current_exception());
  }
}

// The options the window itself sets; the component keeps the others (the hide and disable
// flags) as they were.
constexpr TFindOptions kWindowOptions = frDown | frMatchCase | frWholeWord;

class QtFindWindow final : public QDialog, public IFindWindow {
 public:
  QtFindWindow() : QDialog(nullptr, Qt::Dialog | Qt::WindowStaysOnTopHint) {
    setWindowTitle(QStringLiteral("Найти"));
    setModal(false);
    BuildControls();
    connect(text_, &QLineEdit::textChanged, this,
            [this](const QString& t) { findNext_->setEnabled(!t.isEmpty()); });
    connect(findNext_, &QPushButton::clicked, this, [this] {
      if (OnFindNext)
        Guarded([this] { OnFindNext(FromQtString(text_->text()), CurrentOptions()); });
    });
    connect(cancel_, &QPushButton::clicked, this, [this] { reject(); });
  }

  void Show(const std::string& findText, TFindOptions options) override {
    text_->setText(QtString(findText));
    text_->selectAll();
    down_->setChecked(options & frDown);
    up_->setChecked(!(options & frDown));
    matchCase_->setChecked(options & frMatchCase);
    wholeWord_->setChecked(options & frWholeWord);
    wholeWord_->setVisible(!(options & frHideWholeWord));
    wholeWord_->setEnabled(!(options & frDisableWholeWord));
    matchCase_->setVisible(!(options & frHideMatchCase));
    matchCase_->setEnabled(!(options & frDisableMatchCase));
    direction_->setVisible(!(options & frHideUpDown));
    direction_->setEnabled(!(options & frDisableUpDown));
    findNext_->setEnabled(!findText.empty());
    show();
    raise();
    activateWindow();
    text_->setFocus();
  }

  void Close() override { hide(); }
  bool Visible() const override { return isVisible(); }
  void MoveTo(TPoint position) override { move(position.X, position.Y); }
  TPoint Position() const override { return {pos().x(), pos().y()}; }

 protected:
  // "Отмена", Escape and the window's close button all end here (QDialog routes the close
  // button through reject); closing from the program (Close) does not.
  void reject() override {
    QDialog::reject();
    if (OnClosed) Guarded([this] { OnClosed(); });
  }

 private:
  TFindOptions CurrentOptions() const {
    TFindOptions options = 0;
    if (down_->isChecked()) options |= frDown;
    if (matchCase_->isChecked()) options |= frMatchCase;
    if (wholeWord_->isChecked()) options |= frWholeWord;
    return options;
  }

  void BuildControls() {
    auto* label = new QLabel(QStringLiteral("&Что:"), this);
    text_ = new QLineEdit(this);
    label->setBuddy(text_);
    wholeWord_ = new QCheckBox(QStringLiteral("Только слово &целиком"), this);
    matchCase_ = new QCheckBox(QStringLiteral("С &учетом регистра"), this);
    direction_ = new QGroupBox(QStringLiteral("Направление"), this);
    up_ = new QRadioButton(QStringLiteral("&Вверх"), direction_);
    down_ = new QRadioButton(QStringLiteral("В&низ"), direction_);
    auto* directionLayout = new QHBoxLayout(direction_);
    directionLayout->addWidget(up_);
    directionLayout->addWidget(down_);
    findNext_ = new QPushButton(QStringLiteral("Найти &далее"), this);
    findNext_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("Отмена"), this);

    auto* checks = new QVBoxLayout;
    checks->addWidget(wholeWord_);
    checks->addWidget(matchCase_);
    checks->addStretch();
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(findNext_);
    buttons->addWidget(cancel_);
    buttons->addStretch();
    auto* grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0);
    grid->addWidget(text_, 0, 1, 1, 2);
    grid->addLayout(checks, 1, 0, 1, 2);
    grid->addWidget(direction_, 1, 2);
    grid->addLayout(buttons, 0, 3, 2, 1);
  }

  QLineEdit* text_ = nullptr;
  QCheckBox* wholeWord_ = nullptr;
  QCheckBox* matchCase_ = nullptr;
  QGroupBox* direction_ = nullptr;
  QRadioButton* up_ = nullptr;
  QRadioButton* down_ = nullptr;
  QPushButton* findNext_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

class QtFindDialogs final : public IFindDialogs {
 public:
  std::unique_ptr<IFindWindow> CreateFindWindow() override {
    return std::make_unique<QtFindWindow>();
  }
};

}  // namespace

IFindDialogs& RealFindDialogs() {
  static QtFindDialogs dialogs;
  return dialogs;
}

TFindDialog::TFindDialog(TComponent* owner) : TComponent(owner) {}

TFindDialog::~TFindDialog() = default;

void TFindDialog::SetFindText(const std::string& text) {
  findText_ = text;
  if (window_ && window_->Visible()) window_->Show(findText_, options_);
}

void TFindDialog::SetOptions(TFindOptions options) {
  options_ = options;
  if (window_ && window_->Visible()) window_->Show(findText_, options_);
}

TPoint TFindDialog::Position() const {
  if (window_ && window_->Visible()) return window_->Position();
  return position_.value_or(TPoint{});
}

void TFindDialog::SetPosition(TPoint position) {
  position_ = position;
  if (window_) window_->MoveTo(position);
}

void TFindDialog::EnsureWindow() {
  if (window_) return;
  window_ = TEnvironment::FindDialogs().CreateFindWindow();
  window_->OnFindNext = [this](const std::string& text, TFindOptions options) {
    FindNextPressed(text, options);
  };
  window_->OnClosed = [this] { WindowClosed(); };
}

bool TFindDialog::Execute() {
  EnsureWindow();
  if (position_) window_->MoveTo(*position_);
  window_->Show(findText_, options_);
  if (OnShow) OnShow(this);
  return true;
}

void TFindDialog::CloseDialog() {
  if (window_ && window_->Visible()) {
    window_->Close();
    WindowClosed();
  }
}

bool TFindDialog::Visible() const {
  return window_ && window_->Visible();
}

void TFindDialog::FindNextPressed(const std::string& text, TFindOptions options) {
  findText_ = text;
  options_ = (options_ & ~kWindowOptions) | (options & kWindowOptions) | frFindNext;
  if (OnFind) OnFind(this);
}

void TFindDialog::WindowClosed() {
  if (window_) position_ = window_->Position();
  if (OnClose) OnClose(this);
}
