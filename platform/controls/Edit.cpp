// TEdit over a frameless QLineEdit placed inside the control's own sunken frame.
#include <QLineEdit>
#include <QPainter>
#include <limits>

#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/framework/Application.h"
#include "platform/graphics/Canvas.h"
#include "platform/qt/ControlHost.h"
#include "platform/qt/QtBridge.h"

namespace {
// What the native editor accepts when no limit is set.
constexpr int kNoLimit = std::numeric_limits<int>::max();
}  // namespace

TEdit::TEdit(TComponent* owner) : TCustomControl(owner) {
  ControlHost* host = HostWidget(this);
  editor_ = new QLineEdit(host);
  editor_->setFrame(false);
  editor_->setMaxLength(kNoLimit);
  editor_->setAutoFillBackground(true);
  editor_->setContextMenuPolicy(Qt::NoContextMenu);
  host->setFocusProxy(editor_);
  host->ForwardInputFrom(editor_);
  QObject::connect(editor_, &QLineEdit::textChanged,
                   [this](const QString&) { GuardedCall([this] { EditorTextChanged(); }, this); });
  QObject::connect(editor_, &QLineEdit::textEdited, [this](const QString&) { modified_ = true; });
  SetTabStop(true);
  SetColor(clWindow);
  SetBounds(0, 0, 121, 21);
  PlaceEditor();
  ApplyLook();
}

TEdit::~TEdit() = default;

void TEdit::SetBorderStyle(TFormBorderStyle value) {
  if (value == borderStyle_) return;
  borderStyle_ = value;
  PlaceEditor();
  Invalidate();
}

void TEdit::SetMaxLength(int value) {
  maxLength_ = std::max(0, value);
  editor_->setMaxLength(maxLength_ > 0 ? maxLength_ : kNoLimit);
}

void TEdit::SetReadOnly(bool value) {
  readOnly_ = value;
  editor_->setReadOnly(value);
}

int TEdit::SelStart() const {
  return editor_->hasSelectedText() ? editor_->selectionStart() : editor_->cursorPosition();
}

void TEdit::SetSelStart(int value) {
  editor_->setCursorPosition(std::clamp(value, 0, static_cast<int>(editor_->text().size())));
}

int TEdit::SelLength() const {
  return editor_->hasSelectedText() ? static_cast<int>(editor_->selectionLength()) : 0;
}

void TEdit::SetSelLength(int value) {
  const int start = SelStart();
  const int length = std::clamp(value, 0, static_cast<int>(editor_->text().size()) - start);
  editor_->setSelection(start, length);
}

std::string TEdit::SelText() const {
  return FromQtString(editor_->selectedText());
}

void TEdit::SetSelText(const std::string& text) {
  editor_->insert(QtString(text));
}

void TEdit::SelectAll() {
  editor_->selectAll();
}

void TEdit::ClearSelection() {
  if (editor_->hasSelectedText()) editor_->del();
}

void TEdit::PlaceEditor() {
  const int inset = borderStyle_ == TFormBorderStyle::bsSingle ? 2 : 0;
  editor_->setGeometry(inset, inset, std::max(0, Width() - 2 * inset),
                       std::max(0, Height() - 2 * inset));
}

void TEdit::ApplyLook() {
  ApplyEditLook(*editor_, Font(), Color());
}

void TEdit::Paint() {
  TCanvas& canvas = Canvas();
  TRect r = ClientRect();
  if (borderStyle_ == TFormBorderStyle::bsSingle)
    canvas.DrawEdge(r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  canvas.Brush().SetColor(Enabled() ? Color() : clBtnFace);
  canvas.FillRect(r);
}

void TEdit::PaintTo(TBitmap& bitmap) {
  TCustomControl::PaintTo(bitmap);
  // The editor draws the text; render it where it sits so the picture matches the screen.
  QPainter painter(&QtImage(bitmap));
  editor_->render(&painter, editor_->pos(), QRegion(), QWidget::DrawChildren);
}

void TEdit::Loaded() {
  TCustomControl::Loaded();
  pushing_ = true;
  editor_->setText(QtString(Text()));
  pushing_ = false;
  ApplyLook();
}

void TEdit::TextChanged() {
  TCustomControl::TextChanged();
  if (!pushing_) {
    // Assigned from code: the editor follows, and the change is reported once.
    pushing_ = true;
    editor_->setText(QtString(Text()));
    pushing_ = false;
    Change();
  }
}

void TEdit::EditorTextChanged() {
  if (pushing_) return;
  pushing_ = true;
  SetText(FromQtString(editor_->text()));
  pushing_ = false;
  if (!Loading()) Change();
}

void TEdit::Change() {
  if (OnChange) OnChange(this);
}

void TEdit::FontChanged() {
  TCustomControl::FontChanged();
  ApplyLook();
}

void TEdit::ColorChanged() {
  TCustomControl::ColorChanged();
  ApplyLook();
}

void TEdit::EnabledChanged() {
  TCustomControl::EnabledChanged();
  editor_->update();
}

void TEdit::Resize() {
  PlaceEditor();
  TCustomControl::Resize();
}

void TEdit::KeyDown(TKey& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  if (key && BuddyKeyHandler) BuddyKeyHandler(key);
}

void TEdit::DoEnter() {
  if (autoSelect_) editor_->selectAll();
  TCustomControl::DoEnter();
}
