// The document commands of the main window with scripted dialogs: new, clear, open, the saves,
// and the files they read and write.
#include <sys/resource.h>

#include <csignal>

#include "AppFixture.h"
#include "platform/core/Exception.h"

namespace {

const std::string kRtfSample =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\pard\\f0\\fs20 first \\b bold\\b0\\par}";

class DocumentsTest : public AppTest {
 protected:
  std::string Click() const { return Sound(sounds::kClick); }
};

TEST_F(DocumentsTest, NewAndClearWithoutTypingEmptyTheEditorAndForgetTheName) {
  for (void (TForm1::*command)(TComponent*) :
       {&TForm1::FlatButton1Click, &TForm1::FlatButton7Click}) {
    SetDocument("some text");
    form1->CurrentFileName = Path("old.rtf");
    env.sounds.clear();
    (form1.get()->*command)(nullptr);
    EXPECT_EQ(Editor().Text(), "");
    EXPECT_EQ(form1->CurrentFileName, "");
    EXPECT_EQ(form1->DocModified, 0);
    EXPECT_FALSE(form6->Visible());
    EXPECT_EQ(env.sounds, std::vector<std::string>{Click()});
  }
}

TEST_F(DocumentsTest, NewAndClearWithTypingShowTheNewPromptAndKeepTheText) {
  for (void (TForm1::*command)(TComponent*) :
       {&TForm1::FlatButton1Click, &TForm1::FlatButton7Click}) {
    form6->Hide();
    SetDocument("typed");
    form1->DocModified = 1;
    (form1.get()->*command)(nullptr);
    EXPECT_TRUE(form6->Visible());
    EXPECT_EQ(Editor().Text(), "typed");
    EXPECT_EQ(form1->DocModified, 1);
  }
}

TEST_F(DocumentsTest, OpenAsksWithTheOpenDialogAndNamesTheDocument) {
  testfiles::WriteFile(dir / "a.rtf", kRtfSample);
  env.fileAnswers.push_back(Path("a.rtf"));
  form1->FlatButton2Click(nullptr);
  ASSERT_EQ(env.fileDialogs.size(), 1u);
  const TFileDialogRequest& request = env.fileDialogs[0];
  EXPECT_EQ(request.kind, TFileDialogRequest::fdOpen);
  EXPECT_EQ(request.title, "");
  EXPECT_EQ(request.defaultExt, "*.txt");
  EXPECT_EQ(request.filterIndex, 1);
  EXPECT_EQ(request.filter,
            "Текстовые файлы|*.txt;*rtf;*.doc;*.wri;*.cfg;*.ini;*.dat;*.inf;*.bat;*.sys;*.css|"
            "Все файлы|*.*");
  EXPECT_EQ(Editor().Text(), "first bold");
  EXPECT_EQ(form1->CurrentFileName, Path("a.rtf"));
  EXPECT_EQ(form1->DocModified, 0);
  EXPECT_EQ(Editor().MaxLength(), kLoadedTextLimit);
  EXPECT_EQ(env.sounds, std::vector<std::string>{Click()});
}

TEST_F(DocumentsTest, CancelledOpenChangesNothing) {
  SetDocument("kept");
  form1->CurrentFileName = Path("kept.rtf");
  env.fileAnswers.push_back(std::nullopt);
  form1->FlatButton2Click(nullptr);
  EXPECT_EQ(Editor().Text(), "kept");
  EXPECT_EQ(form1->CurrentFileName, Path("kept.rtf"));
}

TEST_F(DocumentsTest, OpenWithTypingShowsTheOpenPromptWithoutADialog) {
  form1->DocModified = 1;
  form1->FlatButton2Click(nullptr);
  EXPECT_TRUE(form5->Visible());
  EXPECT_TRUE(env.fileDialogs.empty());
}

TEST_F(DocumentsTest, OpeningAMissingFileReportsItAndKeepsTheDocument) {
  SetDocument("kept");
  env.fileAnswers.push_back(Path("missing.rtf"));
  try {
    form1->FlatButton2Click(nullptr);
    FAIL() << "no error";
  } catch (const std::exception& error) {
    EXPECT_EQ(
        std::string(error.what()).rfind("Cannot open file \"" + Path("missing.rtf") + "\". ", 0),
        0u)
        << error.what();
  }
  EXPECT_EQ(Editor().Text(), "kept");
  EXPECT_EQ(form1->CurrentFileName, "");
}

TEST_F(DocumentsTest, ToolbarSaveAsksOnceThenWritesToTheSameFileWithoutAsking) {
  SetDocument("one");
  form1->DocModified = 1;
  env.fileAnswers.push_back(Path("doc.txt"));
  form1->FlatButton3Click(nullptr);
  EXPECT_EQ(form1->CurrentFileName, Path("doc.txt"));
  EXPECT_EQ(form1->DocModified, 0);
  SetDocument("two");
  form1->DocModified = 1;
  form1->FlatButton3Click(nullptr);
  EXPECT_EQ(env.fileDialogs.size(), 1u);
  EXPECT_EQ(form1->DocModified, 0);
  Editor().Clear();
  form1->LoadDocumentFile(Path("doc.txt"));
  EXPECT_EQ(Editor().Text(), "two");
  EXPECT_EQ(env.sounds, (std::vector<std::string>{Click(), Click()}));
}

TEST_F(DocumentsTest, SaveDialogHasItsTitleFilterAndExtension) {
  env.fileAnswers.push_back(std::nullopt);
  form1->SaveAsCommand();
  ASSERT_EQ(env.fileDialogs.size(), 1u);
  const TFileDialogRequest& request = env.fileDialogs[0];
  EXPECT_EQ(request.kind, TFileDialogRequest::fdSave);
  EXPECT_EQ(request.title, "СОХРАНИТЬ");
  EXPECT_EQ(request.defaultExt, ".txt");
  EXPECT_EQ(request.filterIndex, 1);
  EXPECT_EQ(request.filter,
            "*.txt|*.txt|*.rtf|*.rtf|*.ini|*.ini|*.css|*.css|*.doc|*.doc|*.wri|*.wri|*.cfg|*.cfg|"
            "*.dat|*.dat|*.inf|*.inf|*.bat|*.bat|*.sys|*.sys|*.*|*.*");
  EXPECT_EQ(request.options & ofOverwritePrompt, 0u);
}

TEST_F(DocumentsTest, CancelledToolbarSaveChangesNothing) {
  form1->DocModified = 1;
  env.fileAnswers.push_back(std::nullopt);
  form1->FlatButton3Click(nullptr);
  EXPECT_EQ(form1->DocModified, 1);
  EXPECT_EQ(form1->CurrentFileName, "");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);  // config only
}

TEST_F(DocumentsTest, MenuSaveWithoutANameDoesNothingAndPlaysNoSound) {
  form1->DocModified = 1;
  form1->SaveMenuCommand();
  EXPECT_TRUE(env.fileDialogs.empty());
  EXPECT_TRUE(env.sounds.empty());
  EXPECT_EQ(form1->DocModified, 1);
}

TEST_F(DocumentsTest, MenuSaveWritesToTheDocumentsFile) {
  form1->CurrentFileName = Path("named.rtf");
  SetDocument("menu save");
  form1->DocModified = 1;
  form1->SaveMenuCommand();
  EXPECT_EQ(form1->DocModified, 0);
  EXPECT_TRUE(env.sounds.empty());
  EXPECT_EQ(testfiles::ReadFile(dir / "named.rtf").rfind("{\\rtf1", 0), 0u);
}

TEST_F(DocumentsTest, SaveAsNamesTheDocumentAndPlaysNoSound) {
  SetDocument("x");
  form1->DocModified = 1;
  env.fileAnswers.push_back(Path("as.rtf"));
  form1->SaveAsCommand();
  EXPECT_EQ(form1->CurrentFileName, Path("as.rtf"));
  EXPECT_EQ(form1->DocModified, 0);
  EXPECT_TRUE(env.sounds.empty());
}

TEST_F(DocumentsTest, TxtFileHoldsRtfAndReopensWithItsFormatting) {
  SetDocument("plain bold");
  Editor().SetSelStart(6);
  Editor().SetSelLength(4);
  Editor().SelAttributes().SetStyle(fsBold);
  env.fileAnswers.push_back(Path("letter.txt"));
  form1->SaveAsCommand();
  EXPECT_EQ(testfiles::ReadFile(dir / "letter.txt").rfind("{\\rtf1", 0), 0u);
  form1->ClearDocument();
  form1->LoadDocumentFile(Path("letter.txt"));
  EXPECT_EQ(Editor().Text(), "plain bold");
  Editor().SetSelStart(7);
  EXPECT_EQ(Editor().SelAttributes().Style(), fsBold);
  Editor().SetSelStart(2);
  EXPECT_EQ(Editor().SelAttributes().Style(), 0u);
}

TEST_F(DocumentsTest, PlainTextFileOpensAsText) {
  testfiles::WriteFile(dir / "notes.txt", "first line\r\nвторая строка\r\n");
  env.fileAnswers.push_back(Path("notes.txt"));
  form1->OpenCommand();
  EXPECT_EQ(Editor().Text(), "first line\r\nвторая строка\r\n");
}

TEST_F(DocumentsTest, SavingOverAnExistingFileReplacesItWithoutAQuestion) {
  testfiles::WriteFile(dir / "old.rtf", "old contents");
  SetDocument("new contents");
  env.fileAnswers.push_back(Path("old.rtf"));
  form1->SaveAsCommand();
  EXPECT_TRUE(env.messageBoxes.empty());
  const std::string written = testfiles::ReadFile(dir / "old.rtf");
  EXPECT_EQ(written.rfind("{\\rtf1", 0), 0u);
  EXPECT_NE(written.find("new contents"), std::string::npos);
}

TEST_F(DocumentsTest, UnwritableLocationReportsItAndLosesNothing) {
  const std::string target = Path("no-such-folder") + "/doc.rtf";
  SetDocument("unsaved work");
  form1->DocModified = 1;
  form1->CurrentFileName = Path("named.rtf");
  env.fileAnswers.push_back(target);
  try {
    form1->SaveAsCommand();
    FAIL() << "no error";
  } catch (const std::exception& error) {
    EXPECT_EQ(std::string(error.what()).rfind("Cannot create file \"" + target + "\". ", 0), 0u)
        << error.what();
  }
  EXPECT_EQ(form1->DocModified, 1);
  EXPECT_EQ(form1->CurrentFileName, Path("named.rtf"));
  EXPECT_EQ(Editor().Text(), "unsaved work");
  EXPECT_FALSE(std::filesystem::exists(target));
}

// A write that stops half way (here: the file size limit, as a full disk would) must leave the
// file that was there untouched.
TEST_F(DocumentsTest, FailedWriteLeavesTheOldFileByteIdentical) {
  const std::string old = "{\\rtf1 the old document that must survive}";
  testfiles::WriteFile(dir / "keep.rtf", old);
  SetDocument(std::string(20000, 'x'));
  form1->DocModified = 1;
  form1->CurrentFileName = Path("keep.rtf");
  rlimit previous{};
  getrlimit(RLIMIT_FSIZE, &previous);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = previous;
  small.rlim_cur = 4096;
  setrlimit(RLIMIT_FSIZE, &small);
  bool failed = false;
  try {
    form1->SaveMenuCommand();
  } catch (const std::exception&) {
    failed = true;
  }
  setrlimit(RLIMIT_FSIZE, &previous);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_TRUE(failed);
  const std::string after = testfiles::ReadFile(dir / "keep.rtf");
  EXPECT_TRUE(after == old) << "the old file now holds " << after.size() << " bytes";
  EXPECT_EQ(form1->DocModified, 1);
}

TEST_F(DocumentsTest, ExitWithoutTypingClosesTheWindowWithTheCloseSound) {
  WriteSettings("[Form]\nzvukredak=1\n");
  form1->Show();
  env.sounds.clear();
  form1->ExitCommand();
  EXPECT_FALSE(form1->Visible());
  EXPECT_EQ(env.sounds, (std::vector<std::string>{Click(), Sound(sounds::kClose)}));
}

TEST_F(DocumentsTest, ExitWithTypingShowsTheExitPrompt) {
  form1->Show();
  form1->DocModified = 1;
  form1->ExitCommand();
  EXPECT_TRUE(form1->Visible());
  EXPECT_TRUE(form4->Visible());
}

}  // namespace
