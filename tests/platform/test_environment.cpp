// The environment services: the wrappers the program calls, the fakes tests use, and the real
// Qt bindings as far as they can run without a person (nothing here waits on a window).
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "common/FakeEnvironment.h"
#include "common/TempFiles.h"
#include "platform/environment/Clock.h"
#include "platform/environment/Dialogs.h"
#include "platform/environment/MessageBox.h"
#include "platform/environment/Shell.h"
#include "platform/environment/Sound.h"
#include "platform/environment/Translations.h"
#include "platform/qt/DialogsQt.h"
#include "platform/qt/EnvironmentReal.h"
#include "platform/qt/MessageBoxQt.h"

namespace fs = std::filesystem;

namespace {

using namespace testfiles;

QString Plain(QString text) {
  return text.remove(QLatin1Char('&'));
}

TEST(Environment, AFakeReplacesTheRealServicesUntilItGoes) {
  EXPECT_EQ(&TEnvironment::Sound(), &RealSoundPlayer());
  {
    FakeEnvironment outer;
    EXPECT_EQ(&TEnvironment::Sound(), static_cast<ISoundPlayer*>(&outer));
    {
      FakeEnvironment inner;
      PlaySoundFile("/a.wav");
      EXPECT_EQ(inner.sounds, (std::vector<std::string>{"play /a.wav"}));
      EXPECT_TRUE(outer.sounds.empty());
    }
    StopSound();
    EXPECT_EQ(outer.sounds, (std::vector<std::string>{"stop"}));
  }
  EXPECT_EQ(&TEnvironment::Dialogs(), &RealDialogs());
  EXPECT_EQ(&TEnvironment::MessageBoxes(), &RealMessageBoxes());
  EXPECT_EQ(&TEnvironment::Shell(), &RealShell());
  EXPECT_EQ(&TEnvironment::Clock(), &RealClock());
  EXPECT_EQ(&TEnvironment::Screen(), &RealScreen());
  EXPECT_EQ(&TEnvironment::FindDialogs(), &RealFindDialogs());
}

TEST(MessageBoxes, FlagsBecomeButtonsIconAndDefault) {
  FakeEnvironment env;
  env.messageBoxAnswers.push_back(IDCANCEL);
  EXPECT_EQ(MessageBox("Сохранить?", "Тарвик", MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2),
            IDCANCEL);
  EXPECT_EQ(MessageBox("Ошибка записи", "Тарвик", MB_ICONERROR), IDOK);      // unscripted: default
  EXPECT_EQ(MessageBox("x", "y", MB_RETRYCANCEL | MB_DEFBUTTON3), IDRETRY);  // no third button
  ASSERT_EQ(env.messageBoxes.size(), 3u);
  const TMessageBoxRequest& first = env.messageBoxes[0];
  EXPECT_EQ(first.caption, "Тарвик");
  EXPECT_EQ(first.text, "Сохранить?");
  EXPECT_EQ(first.icon, miQuestion);
  EXPECT_EQ(first.buttons, (std::vector<int>{IDYES, IDNO, IDCANCEL}));
  EXPECT_EQ(first.defaultButton, IDNO);
  EXPECT_EQ(env.messageBoxes[1].icon, miError);
  EXPECT_EQ(env.messageBoxes[1].buttons, (std::vector<int>{IDOK}));
}

TEST(MessageBoxes, MessageDlgUsesRussianCaptionsAndTheClassicButtonOrder) {
  FakeEnvironment env;
  EXPECT_EQ(MessageDlg("Удалить?", mtConfirmation, mbCancel | mbNo | mbYes), mrYes);
  env.messageBoxAnswers.push_back(mrAbort);
  EXPECT_EQ(MessageDlg("Сбой", mtError, mbAbort | mbIgnore), mrAbort);
  MessageDlg("Внимание", mtWarning, 0);
  ShowMessage("Готово");
  ASSERT_EQ(env.messageBoxes.size(), 4u);
  EXPECT_EQ(env.messageBoxes[0].caption, "Подтверждение");
  EXPECT_EQ(env.messageBoxes[0].buttons, (std::vector<int>{mrYes, mrNo, mrCancel}));
  EXPECT_EQ(env.messageBoxes[0].icon, miQuestion);
  EXPECT_EQ(env.messageBoxes[1].caption, "Ошибка");
  EXPECT_EQ(env.messageBoxes[1].defaultButton, mrAbort);
  EXPECT_EQ(env.messageBoxes[2].caption, "Предупреждение");
  EXPECT_EQ(env.messageBoxes[2].buttons, (std::vector<int>{mrOk}));
  EXPECT_EQ(env.messageBoxes[3].text, "Готово");
  EXPECT_EQ(env.messageBoxes[3].buttons, (std::vector<int>{mrOk}));
}

TEST(Dialogs, FileDialogsPassTheirSettingsAndKeepTheLastChoice) {
  FakeEnvironment env;
  TSaveDialog save;
  save.SetTitle("СОХРАНИТЬ");
  save.SetDefaultExt(".txt");
  save.SetFilter("*.txt|*.txt|*.*|*.*");
  env.fileAnswers.push_back("/docs/a.txt");
  env.fileAnswers.push_back(std::nullopt);
  ASSERT_TRUE(save.Execute());
  EXPECT_EQ(save.FileName(), "/docs/a.txt");
  EXPECT_FALSE(save.Execute());  // cancelled: nothing changes
  EXPECT_EQ(save.FileName(), "/docs/a.txt");
  ASSERT_EQ(env.fileDialogs.size(), 2u);
  EXPECT_EQ(env.fileDialogs[0].kind, TFileDialogRequest::fdSave);
  EXPECT_EQ(env.fileDialogs[0].title, "СОХРАНИТЬ");
  EXPECT_EQ(env.fileDialogs[0].defaultExt, ".txt");
  EXPECT_EQ(env.fileDialogs[0].filter, "*.txt|*.txt|*.*|*.*");
  EXPECT_EQ(env.fileDialogs[0].fileName, "");
  EXPECT_EQ(env.fileDialogs[1].fileName, "/docs/a.txt");  // starts from the previous choice
  EXPECT_EQ(env.fileDialogs[1].options, ofHideReadOnly | ofEnableSizing);

  TOpenDialog open;
  EXPECT_FALSE(open.Execute());  // unscripted: cancelled
  EXPECT_EQ(env.fileDialogs.back().kind, TFileDialogRequest::fdOpen);
}

TEST(Dialogs, FontColourAndPrinterDialogs) {
  FakeEnvironment env;
  TFontDialog fontDialog;
  TFont chosen;
  chosen.SetName("Arial");
  chosen.SetSize(12);
  chosen.SetStyle(fsBold);
  env.fontAnswers.push_back(chosen);
  env.fontAnswers.push_back(std::nullopt);
  ASSERT_TRUE(fontDialog.Execute());
  EXPECT_EQ(fontDialog.Font(), chosen);
  EXPECT_FALSE(fontDialog.Execute());
  EXPECT_EQ(fontDialog.Font(), chosen);
  ASSERT_EQ(env.fontDialogs.size(), 2u);
  EXPECT_EQ(env.fontDialogs[0].Name(), "MS Sans Serif");  // the default it starts with
  EXPECT_EQ(env.fontDialogs[1], chosen);

  TColorDialog colorDialog;
  env.colorAnswers.push_back(TColor{0x123456});
  ASSERT_TRUE(colorDialog.Execute());
  EXPECT_EQ(colorDialog.Color(), 0x123456u);
  EXPECT_FALSE(colorDialog.Execute());
  EXPECT_EQ(colorDialog.Color(), 0x123456u);
  EXPECT_EQ(env.colorDialogs, (std::vector<TColor>{clBlack, 0x123456}));

  TPrinterSetupDialog printerDialog;
  env.printerSetupAnswers.push_back(true);
  EXPECT_TRUE(printerDialog.Execute());
  EXPECT_FALSE(printerDialog.Execute());
  EXPECT_EQ(env.printerSetupDialogs, 2);
}

TEST(ShellAndClock, WrappersReachTheFakes) {
  FakeEnvironment env;
  EXPECT_TRUE(StartProcess("calc", {"-x"}));
  env.processStarts = false;
  EXPECT_FALSE(StartProcess("osk"));
  ASSERT_EQ(env.processes.size(), 2u);
  EXPECT_EQ(env.processes[0].program, "calc");
  EXPECT_EQ(env.processes[0].args, (std::vector<std::string>{"-x"}));
  EXPECT_TRUE(OpenUrl("https://example.org/"));
  EXPECT_EQ(env.urls, (std::vector<std::string>{"https://example.org/"}));
  env.associationFails = true;
  EXPECT_THROW(RegisterFileTypes({"tarvik", "Тарвик", "/opt/tarvik", "", {".txt"}}), Exception);
  EXPECT_EQ(env.associations.size(), 1u);

  env.now = {2025, 12, 31, 23, 5, 9, 0};
  EXPECT_EQ(Now(), (TDateTime{2025, 12, 31, 23, 5, 9, 0}));
  EXPECT_EQ(TimeToStr(Now()), "23:05:09");
  EXPECT_EQ(DateToStr(Now()), "31.12.2025");
  EXPECT_EQ(TEnvironment::Screen().ScreenWidth(), 1024);
}

// --- The real bindings ---------------------------------------------------------------------

// A short silent wave file: its format chunk, then dataBytes of samples (claimedBytes in the
// chunk header, to make truncated files).
std::string Wave(std::uint16_t format = 1, std::uint16_t bits = 16, std::uint32_t dataBytes = 1600,
                 std::uint32_t claimedBytes = 1600, const std::string& before = "") {
  std::string out;
  auto u32 = [&](std::uint32_t v) { out.append(reinterpret_cast<const char*>(&v), 4); };
  auto u16 = [&](std::uint16_t v) { out.append(reinterpret_cast<const char*>(&v), 2); };
  const std::uint16_t channels = 1, block = static_cast<std::uint16_t>(channels * bits / 8);
  out += "RIFF";
  u32(0);
  out += "WAVE" + before + "fmt ";
  u32(16);
  u16(format);
  u16(channels);
  u32(8000);
  u32(8000u * block);
  u16(block);
  u16(bits);
  out += "data";
  u32(claimedBytes);
  out += std::string(dataBytes, '\0');
  const auto riff = static_cast<std::uint32_t>(out.size() - 8);
  out.replace(4, 4, reinterpret_cast<const char*>(&riff), 4);
  return out;
}

TEST(WaveFiles, OnlyCompletePcmOrFloatFilesArePlayable) {
  EXPECT_TRUE(IsPlayableWave(Wave()));
  EXPECT_TRUE(IsPlayableWave(Wave(1, 8)));
  EXPECT_TRUE(IsPlayableWave(Wave(3, 32)));
  EXPECT_TRUE(IsPlayableWave(Wave(1, 16, 0, 0)));
  EXPECT_TRUE(IsPlayableWave(Wave(1, 16, 1600, 1600, std::string("LIST\3\0\0\0abc\0", 12))));
  EXPECT_FALSE(IsPlayableWave(Wave(1, 16, 100, 1600)));  // truncated samples
  EXPECT_FALSE(IsPlayableWave(Wave(2, 4)));              // compressed
  EXPECT_FALSE(IsPlayableWave(Wave(1, 12)));
  EXPECT_FALSE(IsPlayableWave(Wave(3, 16)));
  EXPECT_FALSE(IsPlayableWave(Wave().substr(0, 30)));  // cut inside the format chunk
  EXPECT_FALSE(IsPlayableWave("not a wave"));
  EXPECT_FALSE(IsPlayableWave(""));
  std::string noFormat = Wave();
  noFormat.replace(12, 4, "junk");  // the samples come without a format
  EXPECT_FALSE(IsPlayableWave(noFormat));
  EXPECT_FALSE(IsPlayableWave(std::string("RIFF\0\0\0\0WAVEdata\xFF\xFF\xFF\xFF", 20)));
}

TEST(RealSound, PlaysStopsAndStaysSilentOnBadFilesWithoutADevice) {
  const fs::path dir = FreshDir("sound");
  auto write = [&](const char* name, const std::string& bytes) {
    std::ofstream(dir / name, std::ios::binary) << bytes;
    return (dir / name).string();
  };
  const std::string click = write("click.wav", Wave());
  const std::string truncated = write("truncated.wav", Wave(1, 16, 100, 1600));
  const std::string text = write("text.wav", "not a wave");
  const std::string adpcm = write("adpcm.wav", Wave(2, 4));
  ISoundPlayer& player = RealSoundPlayer();
  // No sound device here: none of this may block or crash.
  player.Play(click);
  player.Play(click);  // cuts the first one
  player.Play((dir / "missing.wav").string());
  player.Play(truncated);
  player.Play(text);
  player.Play(adpcm);
  player.Play("");
  for (int i = 0; i < 20; ++i) {
    QCoreApplication::processEvents();
    QThread::msleep(10);
  }
  player.Play(click);
  player.Stop();
  player.Stop();
  // Freeing the loaded sounds waits for loads still running; a damaged file given to Qt would
  // make that wait forever (and so the program's exit). Reaching the end is the check.
  UnloadSounds();
  player.Play(click);
  UnloadSounds();
  SUCCEED();
}

TEST(RealShell, StartsProgramsFromPathOnly) {
  IShell& shell = RealShell();
  EXPECT_TRUE(shell.StartProcess("true", {}));
  EXPECT_FALSE(shell.StartProcess("tarvik-no-such-program", {}));
  EXPECT_FALSE(shell.StartProcess("", {}));
  EXPECT_FALSE(shell.StartProcess("./true", {}));
  EXPECT_FALSE(shell.StartProcess("bin/true", {}));

  // A program in the current folder is not found even when PATH names "." or a relative folder.
  const fs::path dir = FreshDir("path");
  const fs::path tool = dir / "tarvik-probe-tool";
  std::ofstream(tool) << "#!/bin/sh\nexit 0\n";
  fs::permissions(tool, fs::perms::owner_all);
  const std::string oldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
  const fs::path oldCwd = fs::current_path();
  fs::current_path(dir);
  setenv("PATH", ".::relative", 1);
  EXPECT_EQ(FindProgramOnPath("tarvik-probe-tool"), "");
  EXPECT_FALSE(shell.StartProcess("tarvik-probe-tool", {}));
  setenv("PATH", dir.c_str(), 1);
  EXPECT_EQ(FindProgramOnPath("tarvik-probe-tool"), tool.string());
  EXPECT_TRUE(shell.StartProcess(tool.string(), {}));  // an absolute path is fine
  fs::current_path(oldCwd);
  setenv("PATH", oldPath.c_str(), 1);
}

TEST(RealShell, OpensOnlyWebAddresses) {
  IShell& shell = RealShell();
  EXPECT_FALSE(shell.OpenUrl("file:///etc/passwd"));
  EXPECT_FALSE(shell.OpenUrl("/usr/bin/xterm"));
  EXPECT_FALSE(shell.OpenUrl("javascript:alert(1)"));
  EXPECT_FALSE(shell.OpenUrl("http://exa mple.org/"));
}

TEST(FileTypeAssociation, WritesTheDesktopEntryAndKeepsOtherDefaults) {
  const fs::path dir = FreshDir("assoc");
  const fs::path data = dir / "data", config = dir / "config";
  fs::create_directories(config);
  std::ofstream(config / "mimeapps.list")
      << "[Default Applications]\ntext/plain=gedit.desktop;\nimage/png=eog.desktop\n"
      << "[Removed Associations]\ntext/x-log=foo.desktop;\n";
  const TFileTypeAssociation association{
      "tarvik",
      "Тарвик",
      "/opt/My Apps/tar$vik",
      "/opt/tarvik.png",
      {".txt", ".rtf", ".TXT", ".diz", ".ion", ".cfg", "..", "a/b"}};
  WriteFileTypeAssociation(association, data.string(), config.string());

  const std::string entry = ReadFile(data / "applications" / "tarvik.desktop");
  EXPECT_NE(entry.find("[Desktop Entry]\nType=Application\n"), std::string::npos);
  EXPECT_NE(entry.find("Name=Тарвик\n"), std::string::npos);
  EXPECT_NE(entry.find("Exec=\"/opt/My Apps/tar\\\\$vik\" %f\n"), std::string::npos) << entry;
  EXPECT_NE(entry.find("Icon=/opt/tarvik.png\n"), std::string::npos);
  EXPECT_NE(entry.find("NoDisplay=true\n"),
            std::string::npos);  // the package's entry is the one listed
  EXPECT_NE(entry.find("MimeType=text/plain;"), std::string::npos) << entry;
  EXPECT_NE(entry.find("application/x-tarvik-document;"), std::string::npos) << entry;
  EXPECT_EQ(entry.find("a/b"), std::string::npos);

  const std::string package = ReadFile(data / "mime" / "packages" / "tarvik.xml");
  EXPECT_NE(package.find("<mime-type type=\"application/x-tarvik-document\">"), std::string::npos);
  EXPECT_NE(package.find("<glob pattern=\"*.diz\"/>"), std::string::npos);
  EXPECT_NE(package.find("<glob pattern=\"*.ion\"/>"), std::string::npos);
  EXPECT_EQ(package.find("*.txt"), std::string::npos);  // known types are not claimed

  const std::string list = ReadFile(config / "mimeapps.list");
  EXPECT_NE(list.find("text/plain=tarvik.desktop;gedit.desktop;\n"), std::string::npos) << list;
  EXPECT_NE(list.find("image/png=eog.desktop\n"), std::string::npos);
  EXPECT_NE(list.find("[Removed Associations]\ntext/x-log=foo.desktop;\n"), std::string::npos);
  EXPECT_NE(list.find("[Added Associations]\ntext/plain=tarvik.desktop;\n"), std::string::npos);
  EXPECT_EQ(list.find('\r'), std::string::npos);

  // Every start writes it again: nothing changes.
  const auto stamp = fs::last_write_time(data / "applications" / "tarvik.desktop");
  WriteFileTypeAssociation(association, data.string(), config.string());
  EXPECT_EQ(ReadFile(config / "mimeapps.list"), list);
  EXPECT_EQ(fs::last_write_time(data / "applications" / "tarvik.desktop"), stamp);
}

TEST(FileTypeAssociation, FailsWithTheClassicMessageAndRefusesUnsafeNames) {
  const fs::path dir = FreshDir("assoc_fail");
  std::ofstream(dir / "file") << "x";
  const TFileTypeAssociation association{"tarvik", "T", "/opt/t", "", {".txt"}};
  try {
    WriteFileTypeAssociation(association, (dir / "file").string(), (dir / "cfg").string());
    FAIL();
  } catch (const Exception& e) {
    EXPECT_EQ(std::string(e.what()), "Failed to set data for ''");
  }
  TFileTypeAssociation unsafe = association;
  unsafe.applicationId = "../evil";
  EXPECT_THROW(WriteFileTypeAssociation(unsafe, (dir / "d").string(), (dir / "c").string()),
               Exception);
  EXPECT_FALSE(fs::exists(dir / "evil.desktop"));
  EXPECT_EQ(DesktopExecLine("/a\\b\"c`d%e"), "\"/a\\\\\\\\b\\\\\"c\\\\`d%%e\" %f");
}

TEST(RealClock, TellsTheTimeInTheLongFormatWithoutTimeZone) {
  EXPECT_EQ(LongTimeFormatOf("HH:mm:ss t"), "HH:mm:ss");
  EXPECT_EQ(LongTimeFormatOf("h:mm:ss AP tttt"), "h:mm:ss AP");
  EXPECT_EQ(LongTimeFormatOf("t HH:mm:ss"), "HH:mm:ss");
  EXPECT_EQ(LongTimeFormatOf("HH 'at' mm t"), "HH 'at' mm");  // quoted letters stay
  const TDateTime now = RealClock().Now();
  EXPECT_GE(now.Year, 2024);
  const std::string text = RealClock().LongTimeString({2024, 1, 2, 13, 4, 5, 0});
  EXPECT_NE(text.find("04"), std::string::npos) << text;
  EXPECT_NE(text.find("05"), std::string::npos) << text;
  EXPECT_EQ(text.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ+"), std::string::npos) << text;
  EXPECT_FALSE(RealClock().ShortDateString({2024, 1, 2, 0, 0, 0, 0}).empty());
}

TEST(RealScreen, IsThePrimaryScreen) {
  const QRect geometry = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(RealScreen().ScreenWidth(), geometry.width());
  EXPECT_EQ(RealScreen().ScreenHeight(), geometry.height());
  EXPECT_GT(RealScreen().ScreenWidth(), 0);
}

TEST(RealMessageBox, HasRussianButtonsCarryingTheirResults) {
  ASSERT_TRUE(InstallRussianTranslation());
  EXPECT_TRUE(InstallRussianTranslation());  // once is enough
  TMessageBoxRequest request;
  request.caption = "Тарвик";
  request.text = "Сохранить документ?";
  request.icon = miQuestion;
  request.buttons = {mrYes, mrNo, mrCancel};
  request.defaultButton = mrNo;
  std::unique_ptr<QMessageBox> box = BuildMessageBox(request);
  EXPECT_EQ(box->windowTitle(), QStringLiteral("Тарвик"));
  EXPECT_EQ(box->text(), QStringLiteral("Сохранить документ?"));
  EXPECT_EQ(box->icon(), QMessageBox::Question);
  ASSERT_NE(box->button(QMessageBox::Yes), nullptr);
  EXPECT_EQ(Plain(box->button(QMessageBox::Yes)->text()), QStringLiteral("Да"));
  EXPECT_EQ(Plain(box->button(QMessageBox::No)->text()), QStringLiteral("Нет"));
  EXPECT_EQ(Plain(box->button(QMessageBox::Cancel)->text()), QStringLiteral("Отмена"));
  EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::No));
  EXPECT_EQ(box->escapeButton(), box->button(QMessageBox::Cancel));

  box->button(QMessageBox::No)->click();
  EXPECT_EQ(MessageBoxResult(*box, request), mrNo);
  std::unique_ptr<QMessageBox> unanswered = BuildMessageBox(request);
  EXPECT_EQ(MessageBoxResult(*unanswered, request), mrCancel);
  request.buttons = {mrYes, mrNo};
  EXPECT_EQ(MessageBoxResult(*BuildMessageBox(request), request), mrNo);
}

TEST(RealFileDialog, IsSetUpFromTheRequest) {
  EXPECT_EQ(QtNameFilters("Текстовые файлы|*.txt;*rtf;*.doc|Все файлы|*.*"),
            (QStringList{"Текстовые файлы (*.txt *rtf *.doc)", "Все файлы (*.*)"}));
  EXPECT_EQ(QtNameFilters("|*.a|B|| C |*.c;;|dangling"), (QStringList{"*.a (*.a)", "C (*.c)"}));
  EXPECT_TRUE(QtNameFilters("").isEmpty());
  EXPECT_EQ(DefaultSuffixOf(".txt"), "txt");
  EXPECT_EQ(DefaultSuffixOf("*.txt"), "txt");
  EXPECT_EQ(DefaultSuffixOf("*.*"), "");

  TFileDialogRequest save;
  save.kind = TFileDialogRequest::fdSave;
  save.title = "СОХРАНИТЬ";
  save.defaultExt = ".txt";
  save.filter = "*.txt|*.txt|*.rtf|*.rtf|*.*|*.*";
  std::unique_ptr<QFileDialog> dialog = BuildFileDialog(save);
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("СОХРАНИТЬ"));
  EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
  EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
  EXPECT_EQ(dialog->defaultSuffix(), "txt");
  EXPECT_EQ(dialog->nameFilters().size(), 3);
  EXPECT_EQ(dialog->selectedNameFilter(), "*.txt (*.txt)");
  save.options |= ofOverwritePrompt;
  EXPECT_FALSE(BuildFileDialog(save)->testOption(QFileDialog::DontConfirmOverwrite));

  TFileDialogRequest open;
  open.filter = save.filter;
  open.filterIndex = 2;
  open.fileName = (fs::path(testing::TempDir()) / "typed-name.rtf").string();
  std::unique_ptr<QFileDialog> openDialog = BuildFileDialog(open);
  EXPECT_EQ(openDialog->acceptMode(), QFileDialog::AcceptOpen);
  EXPECT_EQ(openDialog->fileMode(), QFileDialog::AnyFile);  // a typed new name is accepted
  TFileDialogRequest chosen = open;
  chosen.filterIndex = 1;
  ReadFileDialogChoice(*openDialog, chosen);
  EXPECT_EQ(chosen.filterIndex, 2);
  EXPECT_EQ(fs::path(chosen.fileName).filename(), "typed-name.rtf");
  open.options |= ofFileMustExist;
  EXPECT_EQ(BuildFileDialog(open)->fileMode(), QFileDialog::ExistingFile);
}

TEST(RealFontDialog, KeepsClassicNamesOfUnchangedFaces) {
  TFont font;
  font.SetName("MS Sans Serif");
  font.SetSize(8);
  font.SetStyle(fsBold);
  font.SetColor(clRed);
  const QFont start = FontDialogFont(font);
  EXPECT_EQ(start.family().toStdString(), MapFontFace("MS Sans Serif"));
  EXPECT_EQ(start.pointSize(), 8);
  EXPECT_TRUE(start.bold());
  TFont same = font;
  ApplyFontDialogChoice(start, same);
  EXPECT_EQ(same, font);

  QFont other(QStringLiteral("DejaVu Serif"), 12);
  other.setItalic(true);
  other.setUnderline(true);
  ApplyFontDialogChoice(other, font);
  EXPECT_EQ(font.Name(), "DejaVu Serif");
  EXPECT_EQ(font.Size(), 12);
  EXPECT_EQ(font.Style(), unsigned(fsItalic | fsUnderline));
  EXPECT_EQ(font.Color(), clRed);  // the dialog has no colour: it stays
}

}  // namespace
