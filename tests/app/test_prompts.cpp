// The three save prompts: every button of each, with the save dialog confirmed or cancelled,
// and what they do to the document, its name and the modified flag.
#include "AppFixture.h"

namespace {

class PromptsTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    testfiles::WriteFile(dir / "other.rtf", "{\\rtf1 other document\\par}");
    form1->Show();
    SetDocument("unsaved typing");
    form1->DocModified = 1;
    form1->CurrentFileName = Path("current.rtf");
  }
  bool Saved(const std::string& name) const {
    return testfiles::ReadFile(dir / name).find("unsaved typing") != std::string::npos;
  }
};

// --- Common behaviour.

TEST_F(PromptsTest, APromptPlaysTheMessageSoundWhenEditorSoundsAreOn) {
  for (const bool soundOn : {true, false}) {
    form6->Hide();
    form1->EditorSoundOn = soundOn;
    env.sounds.clear();
    form6->Open();
    EXPECT_TRUE(form6->Visible());
    EXPECT_EQ(env.sounds,
              std::vector<std::string>{soundOn ? Sound(sounds::kPrompt) : std::string("stop")});
  }
}

TEST_F(PromptsTest, OpeningAnOpenPromptAgainOnlyBringsItToTheFront) {
  form1->EditorSoundOn = true;
  form5->Open();
  env.sounds.clear();
  form5->Open();
  EXPECT_TRUE(form5->Visible());
  EXPECT_TRUE(env.sounds.empty());
}

TEST_F(PromptsTest, PromptsStayOnTopWithoutBorderAndKeepTheMainWindowUsable) {
  for (TSavePrompt* prompt :
       std::initializer_list<TSavePrompt*>{form4.get(), form5.get(), form6.get()}) {
    prompt->Open();
    EXPECT_EQ(prompt->FormStyle(), fsStayOnTop);
    EXPECT_EQ(prompt->BorderStyle(), TFormBorderStyle::bsNone);
    EXPECT_FALSE(prompt->Modal());
  }
}

TEST_F(PromptsTest, PromptsAreCentredWhenCreated) {
  // The fake screen is 1024 x 768.
  EXPECT_EQ(form4->Left(), (1024 - 261) / 2);
  EXPECT_EQ(form4->Top(), (768 - 109) / 2);
  EXPECT_EQ(form5->Left(), (1024 - 254) / 2);
  EXPECT_EQ(form5->Top(), (768 - 104) / 2);
  EXPECT_EQ(form6->Top(), (768 - 105) / 2);
}

// --- TForm4, the exit prompt.

TEST_F(PromptsTest, ExitSaveWritesTheFileAndEndsTheProgram) {
  form4->Open();
  env.fileAnswers.push_back(Path("saved.rtf"));
  form4->FlatButton1Click(nullptr);
  EXPECT_EQ(env.fileDialogs.at(0).title, "СОХРАНИТЬ");
  EXPECT_TRUE(Saved("saved.rtf"));
  EXPECT_FALSE(form4->Visible());
  EXPECT_FALSE(form1->Visible());
  EXPECT_EQ(form1->CurrentFileName, Path("current.rtf"));
}

TEST_F(PromptsTest, ExitSaveWithACancelledDialogKeepsThePromptOpen) {
  form4->Open();
  env.fileAnswers.push_back(std::nullopt);
  form4->FlatButton1Click(nullptr);
  EXPECT_TRUE(form4->Visible());
  EXPECT_TRUE(form1->Visible());
  EXPECT_EQ(form1->DocModified, 1);
}

TEST_F(PromptsTest, ExitNoEndsTheProgramWithoutSaving) {
  form4->Open();
  form4->FlatButton2Click(nullptr);
  EXPECT_TRUE(env.fileDialogs.empty());
  EXPECT_FALSE(form4->Visible());
  EXPECT_FALSE(form1->Visible());
}

TEST_F(PromptsTest, ExitCancelKeepsEverything) {
  form4->Open();
  form4->FlatButton3Click(nullptr);
  EXPECT_FALSE(form4->Visible());
  EXPECT_TRUE(form1->Visible());
  EXPECT_EQ(form1->DocModified, 1);
  EXPECT_EQ(Editor().Text(), "unsaved typing");
}

// --- TForm5, the open prompt.

TEST_F(PromptsTest, OpenSaveThenOpenReplacesTheDocument) {
  form5->Open();
  env.fileAnswers = {Path("saved.rtf"), Path("other.rtf")};
  form5->FlatButton4Click(nullptr);
  EXPECT_EQ(env.fileDialogs.at(0).kind, TFileDialogRequest::fdSave);
  EXPECT_EQ(env.fileDialogs.at(1).kind, TFileDialogRequest::fdOpen);
  EXPECT_TRUE(Saved("saved.rtf"));
  EXPECT_EQ(Editor().Text(), "other document");
  EXPECT_EQ(form1->CurrentFileName, Path("other.rtf"));
  EXPECT_EQ(form1->DocModified, 0);
  EXPECT_FALSE(form5->Visible());
}

TEST_F(PromptsTest, OpenSaveThenCancelledOpenStillClosesThePrompt) {
  form5->Open();
  env.fileAnswers = {Path("saved.rtf"), std::nullopt};
  form5->FlatButton4Click(nullptr);
  EXPECT_TRUE(Saved("saved.rtf"));
  EXPECT_EQ(Editor().Text(), "unsaved typing");
  EXPECT_EQ(form1->DocModified, 0);
  EXPECT_FALSE(form5->Visible());
}

TEST_F(PromptsTest, OpenSaveWithACancelledSaveDialogKeepsThePromptAndTheFlag) {
  form5->Open();
  env.fileAnswers = {std::nullopt};
  form5->FlatButton4Click(nullptr);
  EXPECT_EQ(env.fileDialogs.size(), 1u);
  EXPECT_TRUE(form5->Visible());
  EXPECT_EQ(form1->DocModified, 1);
}

TEST_F(PromptsTest, OpenNoLoadsTheChosenFile) {
  form5->Open();
  env.fileAnswers = {Path("other.rtf")};
  form5->FlatButton5Click(nullptr);
  EXPECT_EQ(Editor().Text(), "other document");
  EXPECT_EQ(form1->CurrentFileName, Path("other.rtf"));
  EXPECT_EQ(form1->DocModified, 0);
  EXPECT_FALSE(form5->Visible());
}

TEST_F(PromptsTest, OpenNoWithACancelledDialogKeepsTheTypingMarkedUnsaved) {
  form5->Open();
  env.fileAnswers = {std::nullopt};
  form5->FlatButton5Click(nullptr);
  EXPECT_TRUE(form5->Visible());
  EXPECT_EQ(form1->DocModified, 1);
  EXPECT_EQ(Editor().Text(), "unsaved typing");
}

TEST_F(PromptsTest, OpenCancelKeepsTheTypingMarkedUnsaved) {
  form5->Open();
  form5->FlatButton6Click(nullptr);
  EXPECT_FALSE(form5->Visible());
  EXPECT_EQ(form1->DocModified, 1);
  // So the next open asks again.
  form1->OpenCommand();
  EXPECT_TRUE(form5->Visible());
}

// --- TForm6, the new-document prompt.

TEST_F(PromptsTest, NewSaveWritesThenClears) {
  form6->Open();
  env.fileAnswers = {Path("saved.rtf")};
  form6->FlatButton4Click(nullptr);
  EXPECT_TRUE(Saved("saved.rtf"));
  EXPECT_EQ(Editor().Text(), "");
  EXPECT_EQ(form1->DocModified, 0);
  EXPECT_EQ(form1->CurrentFileName, "");
  EXPECT_FALSE(form6->Visible());
}

TEST_F(PromptsTest, NewSaveWithACancelledDialogChangesNothing) {
  form6->Open();
  env.fileAnswers = {std::nullopt};
  form6->FlatButton4Click(nullptr);
  EXPECT_TRUE(form6->Visible());
  EXPECT_EQ(Editor().Text(), "unsaved typing");
  EXPECT_EQ(form1->DocModified, 1);
}

TEST_F(PromptsTest, NewNoClearsWithoutSaving) {
  form6->Open();
  form6->FlatButton5Click(nullptr);
  EXPECT_TRUE(env.fileDialogs.empty());
  EXPECT_EQ(Editor().Text(), "");
  EXPECT_EQ(form1->DocModified, 0);
  EXPECT_FALSE(form6->Visible());
  // A second "Создать" clears without asking.
  SetDocument("pasted");
  form1->NewDocumentCommand();
  EXPECT_FALSE(form6->Visible());
  EXPECT_EQ(Editor().Text(), "");
}

TEST_F(PromptsTest, NewCancelKeepsTheTypingAndTheNextCommandAsksAgain) {
  form6->Open();
  form6->FlatButton6Click(nullptr);
  EXPECT_FALSE(form6->Visible());
  EXPECT_EQ(form1->DocModified, 1);
  EXPECT_EQ(Editor().Text(), "unsaved typing");
  form1->ClearTextCommand();
  EXPECT_TRUE(form6->Visible());
}

}  // namespace
