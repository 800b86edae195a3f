// TEdit: one line of editable text in a sunken frame (an embedded native line editor). Text
// (the control's Text) and the editor are kept in step; OnChange fires on every change of the
// text, typed or assigned (not while a layout is read). MaxLength 0 means no limit.
#pragma once

#include <functional>
#include <string>

#include "platform/framework/Control.h"
#include "platform/framework/Form.h"

class QLineEdit;

class TEdit : public TCustomControl {
 public:
  explicit TEdit(TComponent* owner = nullptr);
  ~TEdit() override;
  std::string ClassName() const override { return "TEdit"; }

  // bsSingle: a 2-pixel sunken frame; bsNone: none.
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle value);
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int value);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);
  // Select the whole text when the edit is entered.
  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool value) { autoSelect_ = value; }
  // The text was changed by typing since Modified was last cleared.
  bool Modified() const { return modified_; }
  void SetModified(bool value) { modified_ = value; }

  // Selection, in characters.
  int SelStart() const;
  void SetSelStart(int value);
  int SelLength() const;
  void SetSelLength(int value);
  std::string SelText() const;
  // Replaces the selection with text (as if typed, without the key events).
  void SetSelText(const std::string& text);
  void SelectAll();
  void ClearSelection();
  void Clear() { SetText(""); }

  void PaintTo(TBitmap& bitmap) override;

  TNotifyEvent OnChange;

  // Internal: a spinner attached to this edit sees its arrow keys first (key set to 0 when
  // taken).
  std::function<void(TKey& key)> BuddyKeyHandler;

 protected:
  void Paint() override;
  void Loaded() override;
  void TextChanged() override;
  void FontChanged() override;
  void ColorChanged() override;
  void EnabledChanged() override;
  void Resize() override;
  void KeyDown(TKey& key, TShiftState shift) override;
  void DoEnter() override;
  unsigned DialogCodes() const override { return dcWantArrows | dcWantChars; }
  // Fires OnChange.
  virtual void Change();

 private:
  void ApplyLook();
  void PlaceEditor();
  void EditorTextChanged();

  QLineEdit* editor_ = nullptr;
  TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSingle;
  int maxLength_ = 0;
  bool readOnly_ = false;
  bool autoSelect_ = true;
  bool modified_ = false;
  bool pushing_ = false;  // the editor is being given the control's text
};
