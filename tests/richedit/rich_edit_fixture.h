// A rich-text control in a shown window, and typing into it the way the keyboard does.
#pragma once

#include <gtest/gtest.h>
#include <QApplication>
#include <QKeyEvent>
#include <QTextEdit>
#include <memory>
#include <string>

#include "platform/framework/Form.h"
#include "platform/core/Stream.h"
#include "platform/richedit/RichEdit.h"
#include "platform/richedit/RichEditImpl.h"
#include "platform/rtf/RtfReader.h"

class RichEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = std::make_unique<TForm>(nullptr);
    form_->SetBounds(50, 50, 400, 300);
    edit = new TRichEdit(form_.get());
    edit->SetParent(form_.get());
    edit->SetBounds(0, 0, 400, 300);
    form_->Show();
    edit->SetFocus();
    QApplication::processEvents();
  }
  void TearDown() override { form_.reset(); }

  QTextEdit& View() { return *edit->impl().view; }

  // One key as the keyboard sends it (text set, so Cyrillic works too).
  void Key(int key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(&View(), &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(&View(), &release);
  }
  void Type(const QString& text) {
    for (QChar c : text)
      Key(c == '\n' ? Qt::Key_Return : Qt::Key_unknown, c == '\n' ? "\r" : QString(c));
  }

  // The document as RTF, read back into the model.
  rtf::RichDocument Saved() {
    TMemoryStream stream;
    edit->SaveToStream(stream);
    const auto& bytes = stream.Data();
    return rtf::ReadRtf(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  }
  // A bullet paragraph with the usual hanging indent of 18 pt, then a plain one.
  static constexpr const char* kBulletRtf =
      "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\pard{\\pntext\\'B7\\tab}{\\*\\pn\\pnlvlblt"
      "{\\pntxtb\\'B7}}\\fi-360\\li360\\f0\\fs20 item\\par\\pard after\\par}";

  void LoadRtf(const std::string& rtfText) {
    TMemoryStream stream(std::vector<std::uint8_t>(rtfText.begin(), rtfText.end()));
    edit->LoadFromStream(stream);
  }

  TRichEdit* edit = nullptr;

 private:
  std::unique_ptr<TForm> form_;
};
