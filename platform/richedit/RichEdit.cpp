#include "platform/richedit/RichEdit.h"

#include <QGuiApplication>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <string_view>

#include "platform/core/Exception.h"
#include "platform/core/Stream.h"
#include "platform/environment/Printer.h"
#include "platform/framework/Application.h"
#include "platform/qt/ControlHost.h"
#include "platform/qt/QtBridge.h"
#include "platform/richedit/ClipboardFormat.h"
#include "platform/richedit/DefaultText.h"
#include "platform/richedit/DisplayLines.h"
#include "platform/richedit/DocumentBridge.h"
#include "platform/richedit/DocumentPrinter.h"
#include "platform/richedit/RichEditImpl.h"
#include "platform/rtf/PlainText.h"
#include "platform/rtf/RtfReader.h"
#include "platform/rtf/RtfWriter.h"

namespace {

using richedit::ResolvedCharFormat;

// A file is RTF when the reader accepts it, else plain text; either way the result follows
// the control's formats.
rtf::RichDocument ParseDocument(std::string_view bytes, bool plainOnly, bool& plain) {
  plain = plainOnly;
  if (!plainOnly) {
    try {
      return rtf::ReadRtf(bytes);
    } catch (const rtf::RtfError&) {
      plain = true;
    }
  }
  return rtf::ReadPlainText(bytes);
}

// The stream's document model; its bytes are gone when this returns.
rtf::RichDocument ReadModel(TStream& stream, bool plainOnly, bool& plain) {
  const std::vector<std::uint8_t> bytes = stream.ReadAll();
  return ParseDocument(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                       plainOnly, plain);
}

// The busy pointer for as long as it lives.
class BusyCursor {
 public:
  BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

// ---------------------------------------------------------------------------------------------
// Construction

TRichEdit::TRichEdit(TComponent* owner)
    : TWinControl(owner),
      impl_(std::make_unique<Impl>(*this)),
      selAttributes_(std::make_unique<TTextAttributes>(*this, TTextAttributes::atSelected)),
      defAttributes_(std::make_unique<TTextAttributes>(*this, TTextAttributes::atDefaultText)),
      paragraph_(std::make_unique<TParaAttributes>(*this)),
      lines_(*this) {
  InstallFontSubstitutions();
  ControlHost* host = HostWidget(this);
  auto* view = new richedit::RichTextView(host);
  impl_->view = view;
  view->room = [this] { return impl_->Room(); };
  view->baseFormat = [this] { return impl_->base; };
  view->keyPress = [this](char32_t& key) { GuardedCall([&] { KeyPress(key); }, this); };
  view->contextMenu = [this](QPoint at) {
    GuardedCall([&] { ContextPopup(TPoint{at.x(), at.y()}); }, this);
  };
  view->eventDone = [this] {
    if (impl_->changePending) GuardedCall([&] { impl_->FlushChange(); }, this);
  };
  host->setFocusProxy(view);
  host->ForwardInputFrom(view);
  host->ForwardInputFrom(view->viewport());
  SetTabStop(true);
  SetControlStyle(ControlStyle() | csOpaque);
  SetColor(clWindow);
  impl_->base.font.face = Font().Name();
  impl_->base.format.sizeHalfPt = Font().Size() * 2;
  impl_->base.format.color = ColorToRGB(Font().Color());
  auto document = std::make_unique<QTextDocument>();
  document->setUndoRedoEnabled(false);
  impl_->ConfigureDocument(*document);
  impl_->AttachDocument(std::move(document));
  ColorChanged();
  SetScrollBars(ssBoth);
  SetBounds(0, 0, 185, 89);
}

// The editor goes with the host widget (which the framework may free later, after the event
// that destroyed the control); from here on it must not call back into this object.
TRichEdit::~TRichEdit() {
  richedit::RichTextView* view = impl_->view;
  if (view == nullptr) return;
  view->room = nullptr;
  view->baseFormat = nullptr;
  view->keyPress = nullptr;
  view->contextMenu = nullptr;
  view->eventDone = nullptr;
  QObject::disconnect(view->document(), nullptr, view, nullptr);
}

unsigned TRichEdit::DialogCodes() const {
  return dcWantArrows | dcWantTab | dcWantAllKeys | dcWantChars;
}

void TRichEdit::ColorChanged() {
  TWinControl::ColorChanged();
  QPalette palette = impl_->view->palette();
  palette.setColor(QPalette::Base, QtColor(Color()));
  impl_->view->setPalette(palette);
}

// The control's font is its default format, as with the classic control.
void TRichEdit::FontChanged() {
  TWinControl::FontChanged();
  DefAttributes().Assign(Font());
}

// A layout stores colour and font without the change hooks; they take effect now.
void TRichEdit::Loaded() {
  TWinControl::Loaded();
  ColorChanged();
  DefAttributes().Assign(Font());
}

void TRichEdit::TextChanged() {
  SetText(TControl::Text());
}

void TRichEdit::EnabledChanged() {
  TWinControl::EnabledChanged();
  impl_->view->setEnabled(Enabled());
}

void TRichEdit::BoundsChanged(bool moved, bool resized) {
  TWinControl::BoundsChanged(moved, resized);
  if (resized) impl_->view->setGeometry(0, 0, Width(), Height());
}

void TRichEdit::PaintTo(TBitmap& bitmap) {
  bitmap.SetSize(Width(), Height());
  QImage& image = QtImage(bitmap);
  impl_->view->render(&image);
  bitmap.Modified();
}

// ---------------------------------------------------------------------------------------------
// Content

std::string TRichEdit::Text() const {
  QString text = impl_->Document().toPlainText();
  text.replace(QChar('\n'), QStringLiteral("\r\n"));
  return FromQtString(text);
}

void TRichEdit::SetText(const std::string& text) {
  impl_->Edit([&] {
    QTextCursor cursor(&impl_->Document());
    cursor.beginEditBlock();
    const QTextCharFormat textFormat = richedit::DefaultTextFormat(impl_->base);
    richedit::ClearToPlainParagraph(cursor, textFormat);
    cursor.insertText(richedit::NormalizedLineBreaks(QtString(text)), textFormat);
    cursor.endEditBlock();
    impl_->view->setCurrentCharFormat(textFormat);
    impl_->changePending = true;
  });
}

int TRichEdit::GetTextLen() const {
  return impl_->Document().characterCount() - 1;
}

void TRichEdit::Clear() {
  impl_->Edit([&] {
    QTextCursor cursor(&impl_->Document());
    cursor.beginEditBlock();
    const QTextCharFormat textFormat = richedit::DefaultTextFormat(impl_->base);
    richedit::ClearToPlainParagraph(cursor, textFormat);
    cursor.endEditBlock();
    impl_->view->setCurrentCharFormat(textFormat);
    impl_->changePending = true;
  });
}

// ---------------------------------------------------------------------------------------------
// Selection

int TRichEdit::SelStart() const {
  return impl_->view->textCursor().selectionStart();
}

void TRichEdit::SetSelStart(int start) {
  QTextCursor cursor = impl_->view->textCursor();
  cursor.setPosition(std::clamp(start, 0, GetTextLen()));
  impl_->view->setTextCursor(cursor);
}

int TRichEdit::SelLength() const {
  const QTextCursor cursor = impl_->view->textCursor();
  return cursor.selectionEnd() - cursor.selectionStart();
}

void TRichEdit::SetSelLength(int length) {
  QTextCursor cursor = impl_->view->textCursor();
  const int start = cursor.selectionStart();
  cursor.setPosition(start);
  cursor.setPosition(std::clamp(start + std::max(0, length), 0, GetTextLen()),
                     QTextCursor::KeepAnchor);
  impl_->view->setTextCursor(cursor);
}

std::string TRichEdit::SelText() const {
  QString text = impl_->view->textCursor().selectedText();
  text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
  text.replace(QChar::LineSeparator, QChar('\n'));
  return FromQtString(text);
}

void TRichEdit::SetSelText(const std::string& text) {
  impl_->Edit([&] {
    QTextCursor cursor = impl_->view->textCursor();
    cursor.insertText(richedit::FitToRoom(richedit::NormalizedLineBreaks(QtString(text)),
                                          impl_->view->RoomForReplacement()));
    impl_->view->setTextCursor(cursor);
  });
}

void TRichEdit::SelectAll() {
  impl_->view->selectAll();
}

void TRichEdit::ClearSelection() {
  impl_->Edit([&] { impl_->view->textCursor().removeSelectedText(); });
}

// ---------------------------------------------------------------------------------------------
// Lines and the caret

TPoint TRichEdit::CaretPos() const {
  const auto at =
      richedit::DisplayLineOf(impl_->Document(), impl_->view->textCursor().selectionEnd());
  return TPoint{at.column, at.line};
}

int TRichEdit::LineCount() const {
  return richedit::DisplayLineCount(impl_->Document());
}

int TRichEdit::LineIndex(int line) const {
  return richedit::DisplayLineStart(impl_->Document(), line);
}

int TRichEdit::LineLength(int line) const {
  return richedit::DisplayLineLength(impl_->Document(), line);
}

int TRichEdit::LineFromChar(int position) const {
  return richedit::DisplayLineOf(impl_->Document(), position).line;
}

int TRichEdit::FindText(const std::string& text, int start, int length,
                        TSearchTypes options) const {
  const QString needle = QtString(text);
  const int textLength = GetTextLen();
  if (needle.isEmpty() || start < 0 || start > textLength) return -1;
  const int end =
      length < 0 ? textLength : int(std::min<long long>(textLength, 0LL + start + length));
  return richedit::FindInDocument(impl_->Document(), needle, start, end,
                                  (options & stMatchCase) != 0, (options & stWholeWord) != 0);
}

// ---------------------------------------------------------------------------------------------
// Editing

void TRichEdit::Undo() {
  impl_->Edit([&] { impl_->view->undo(); });
}

bool TRichEdit::CanUndo() const {
  return impl_->Document().isUndoAvailable();
}

void TRichEdit::ClearUndo() {
  impl_->Document().clearUndoRedoStacks();
}

void TRichEdit::CopyToClipboard() {
  impl_->view->copy();
}

void TRichEdit::CutToClipboard() {
  impl_->Edit([&] { impl_->view->cut(); });
}

void TRichEdit::PasteFromClipboard() {
  impl_->Edit([&] { impl_->view->paste(); });
}

void TRichEdit::SetMaxLength(int length) {
  maxLength_ = std::max(0, length);
}

void TRichEdit::SetWordWrap(bool wrap) {
  if (wordWrap_ == wrap) return;
  wordWrap_ = wrap;
  impl_->view->setLineWrapMode(wrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
  SetScrollBars(scrollBars_);
}

void TRichEdit::SetScrollBars(TScrollStyle style) {
  scrollBars_ = style;
  const bool horizontal = (style == ssHorizontal || style == ssBoth) && !wordWrap_;
  const bool vertical = style == ssVertical || style == ssBoth;
  impl_->view->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAsNeeded
                                                       : Qt::ScrollBarAlwaysOff);
  impl_->view->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAsNeeded
                                                   : Qt::ScrollBarAlwaysOff);
}

bool TRichEdit::ReadOnly() const {
  return impl_->view->isReadOnly();
}

void TRichEdit::SetReadOnly(bool readOnly) {
  impl_->view->setReadOnly(readOnly);
}

// ---------------------------------------------------------------------------------------------
// Streaming and printing

void TRichEdit::LoadFromStream(TStream& stream) {
  // A large document takes a while: the pointer says so until the control is ready.
  const BusyCursor busy;
  auto document = std::make_unique<QTextDocument>();
  document->setUndoRedoEnabled(false);
  impl_->ConfigureDocument(*document);
  try {
    // Each stage's input is freed as soon as the next one has what it needs, so that the
    // file's bytes, the model and Qt's document never all stand in memory at once.
    bool plain = false;
    rtf::RichDocument model = ReadModel(stream, plainText_, plain);
    if (plain) {
      richedit::BuildPlainTextDocument(model, *document, richedit::DefaultTextFormat(impl_->base));
    } else {
      richedit::BuildTextDocument(model, *document);
    }
  } catch (const std::bad_alloc&) {
    throw EStreamError("Failed to Load Stream");
  }
  impl_->Edit([&] {
    impl_->AttachDocument(std::move(document));
    impl_->changePending = true;
  });
}

void TRichEdit::SaveToStream(TStream& stream) const {
  const rtf::RichDocument model = richedit::ReadTextDocument(impl_->Document(), impl_->base);
  const std::string bytes = plainText_ ? rtf::WritePlainText(model) : rtf::WriteRtf(model);
  try {
    stream.WriteBuffer(bytes.data(), bytes.size());
  } catch (const EStreamError& error) {
    // The classic message, with the reason the stream gave (a full disk, a protected file).
    throw EStreamError(std::string("Failed to Save Stream. ") + error.what());
  }
}

void TRichEdit::Print(const std::string& caption) {
  richedit::PrintTextDocument(impl_->Document(), richedit::ToQColor(impl_->base.format.color),
                              Printer(), caption);
}
