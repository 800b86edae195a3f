// The editing and formatting commands of the main window: clipboard, select all, undo,
// alignment, font and colour of the selection, first-line indents, the ruler link, the base
// style from "stiltext", the date, time and bullet insertions, the search and the caret
// position in the status bar.
//
// DocModified becomes 1 on every change of the document the user makes, not only on character
// keys: the change notification covers typing, deleting, pasting, cutting, undo and drops, and
// the formatting commands (which change no text) set it themselves. Replacing the document
// (load, New, Clear) runs inside a TDocumentReplacement and leaves it alone.
#include <cmath>
#include <string>

#include "app/EditingText.h"
#include "app/Sounds.h"
#include "app/Unit1.h"
#include "controls/WordRuler.h"
#include "platform/controls/StatusBar.h"
#include "platform/environment/Clock.h"
#include "platform/environment/Dialogs.h"
#include "platform/environment/FindDialog.h"
#include "platform/richedit/RichEdit.h"

namespace {

constexpr TColor kCaretStatusColor = 17802;  // (138, 69, 0)
constexpr int kCaretStatusSize = 9;
constexpr int kIndentStepPoints = 3;
constexpr double kPointsPerPixel = 0.75;  // at 96 pixels per inch

}  // namespace

// --- Toolbar buttons.

void TForm1::FlatButton4Click(TComponent*) {
  CopyCommand();
}
void TForm1::FlatButton5Click(TComponent*) {
  CutCommand();
}
void TForm1::FlatButton6Click(TComponent*) {
  PasteCommand();
}
void TForm1::FlatButton8Click(TComponent*) {
  SelectAllCommand();
}
void TForm1::FlatButton9Click(TComponent*) {
  UndoCommand();
}

void TForm1::FlatButton10Click(TComponent*) {
  Play(sounds::kClick);
  RichEdit1->Paragraph().SetAlignment(taLeftJustify);
  DocModified = 1;
  FocusEditor();
}

void TForm1::FlatButton11Click(TComponent*) {
  Play(sounds::kClick);
  RichEdit1->Paragraph().SetAlignment(taCenter);
  DocModified = 1;
  FocusEditor();
}

void TForm1::FlatButton12Click(TComponent*) {
  Play(sounds::kClick);
  RichEdit1->Paragraph().SetAlignment(taRightJustify);
  DocModified = 1;
  FocusEditor();
}

// The dialog starts with the last font chosen, not with the selection's.
void TForm1::FlatButton13Click(TComponent*) {
  Play(sounds::kClick);
  if (!FontDialog1->Execute()) return;
  RichEdit1->SelAttributes().Assign(FontDialog1->Font());
  DocModified = 1;
  FocusEditor();
}

void TForm1::FlatButton14Click(TComponent*) {
  Play(sounds::kClick);
  if (ColorDialog1->Execute()) {
    RichEdit1->SelAttributes().SetColor(ColorDialog1->Color());
    DocModified = 1;
  }
  FocusEditor();
}

void TForm1::FlatButton15Click(TComponent*) {
  Play(sounds::kClick);
  TParaAttributes& paragraph = RichEdit1->Paragraph();
  paragraph.SetFirstIndent(paragraph.FirstIndent() + kIndentStepPoints);
  DocModified = 1;
  FocusEditor();
}

void TForm1::FlatButton16Click(TComponent*) {
  Play(sounds::kClick);
  TParaAttributes& paragraph = RichEdit1->Paragraph();
  paragraph.SetFirstIndent(paragraph.FirstIndent() - kIndentStepPoints);
  DocModified = 1;
  FocusEditor();
}

// --- The commands the toolbar and the menus share.

void TForm1::CopyCommand() {
  Play(sounds::kClick);
  RichEdit1->CopyToClipboard();
  FocusEditor();
}

void TForm1::CutCommand() {
  Play(sounds::kClick);
  RichEdit1->CutToClipboard();
  FocusEditor();
}

void TForm1::PasteCommand() {
  Play(sounds::kClick);
  RichEdit1->PasteFromClipboard();
  FocusEditor();
}

void TForm1::SelectAllCommand() {
  Play(sounds::kClick);
  FocusEditor();
  RichEdit1->SelectAll();
}

void TForm1::UndoCommand() {
  Play(sounds::kClick);
  if (RichEdit1->HandleAllocated()) RichEdit1->Undo();
  FocusEditor();
}

// --- Insertions.

void TForm1::InsertDateCommand() {
  AddLineAtEnd(DateToStr(Now()));
}

void TForm1::InsertTimeCommand() {
  AddLineAtEnd(TimeToStr(Now()));
}

void TForm1::InsertBulletCommand() {
  RichEdit1->Paragraph().SetNumbering(nsBullet);
  DocModified = 1;
  FocusEditor();
}

// The control's line list adds the line as the two cases need it: into an empty last line
// (the text, then a break) or after the last line holding text (a break, then the text). At
// the text limit it raises "RichEdit line insertion error" and nothing changes.
void TForm1::AddLineAtEnd(const std::string& text) {
  RichEdit1->Lines().Add(text);
  DocModified = 1;
}

void TForm1::SmoothPanel4Click(TComponent*) {
  InsertTimeCommand();
}

// --- The ruler: both indents follow the left-indent marker, so every line of the paragraph
// starts where the marker stands. The ruler reports mouse moves that move nothing too; only a
// real change of the indents counts as an edit.
void TForm1::WordRuler1Changed(TComponent*) {
  const int points = static_cast<int>(std::trunc(WordRuler1->LeftIndentPos() * kPointsPerPixel));
  TParaAttributes& paragraph = RichEdit1->Paragraph();
  const int firstBefore = paragraph.FirstIndent();
  const int leftBefore = paragraph.LeftIndent();
  paragraph.SetFirstIndent(points);
  paragraph.SetLeftIndent(points - paragraph.FirstIndent());
  if (paragraph.FirstIndent() != firstBefore || paragraph.LeftIndent() != leftBefore)
    DocModified = 1;
}

// --- Events of the editing control.

void TForm1::RichEdit1Change(TComponent*) {
  if (!ReplacingDocument()) DocModified = 1;
  const TFontStyles style = BaseStyleForIndex(TextStyleIndex, RichEdit1->Font().Style());
  // Setting the font re-applies the whole base font, so an unchanged style is left alone.
  if (style != RichEdit1->Font().Style()) RichEdit1->Font().SetStyle(style);
}

void TForm1::RichEdit1KeyPress(TComponent*, char32_t&) {
  DocModified = 1;
  ShowCaretPosition();
  PlayEventSound(sounds::kKey, EditorSoundOn, KeyboardSoundOn);
}

void TForm1::RichEdit1MouseMove(TComponent*, TShiftState, int, int) {
  ShowCaretPosition();
}

void TForm1::ShowCaretPosition() {
  StatusBar1->Font().SetColor(kCaretStatusColor);
  StatusBar1->Font().SetSize(kCaretStatusSize);
  const TPoint caret = RichEdit1->CaretPos();
  StatusBar1->Panels()[0].SetText(CaretPositionText(caret.Y + 1, caret.X + 1));
}

// --- Search: from the end of the selection, or from the very start when nothing is selected;
// forward only, case always matters, no wrap and no message.
void TForm1::FindDialog1Find(TComponent*) {
  const std::string& text = FindDialog1->FindText();
  const int start = RichEdit1->SelLength() > 0 ? RichEdit1->SelStart() + RichEdit1->SelLength() : 0;
  const int length = RichEdit1->GetTextLen() - start;
  const int found = RichEdit1->FindText(text, start, length, stMatchCase);
  if (found < 0) return;
  FocusEditor();
  RichEdit1->SetSelStart(found);
  RichEdit1->SetSelLength(Utf16Length(text));
}

void TForm1::ShowFindDialog() {
  FindDialog1->Execute();
  const TPoint topRight{RichEdit1->Left() + RichEdit1->Width(), RichEdit1->Top()};
  FindDialog1->SetPosition(RichEdit1->Parent()->ClientToScreen(topRight));
}
