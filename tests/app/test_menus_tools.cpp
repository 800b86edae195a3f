// The tools menu: the first well-known program found on PATH starts, detached; with none
// installed nothing happens; the current folder is never searched.
#include <unistd.h>

#include <fstream>

#include "EditingFixture.h"
#include "app/Tools.h"

namespace {

class ToolsTest : public EditingTest {
 protected:
  void SetUp() override {
    EditingTest::SetUp();
    bin = dir / "bin";
    std::filesystem::create_directories(bin);
  }
  void Install(const std::filesystem::path& folder, const std::string& program) {
    const std::filesystem::path file = folder / program;
    std::ofstream(file) << "#!/bin/sh\nexit 0\n";
    std::filesystem::permissions(file, std::filesystem::perms::owner_all);
  }
  std::vector<std::string> Started() const {
    std::vector<std::string> programs;
    for (const auto& process : env.processes) programs.push_back(process.program);
    return programs;
  }
  std::filesystem::path bin;
};

TEST_F(ToolsTest, EachItemStartsTheFirstProgramOfItsListFoundOnPath) {
  const struct {
    int item;
    std::vector<std::string> installed;
    std::string started;
  } cases[] = {
      {0, {"florence", "xvkbd"}, "florence"},
      {0, {"onboard", "florence"}, "onboard"},
      {1, {"xcalc", "galculator"}, "galculator"},
      {1, {"gnome-calculator", "kcalc"}, "gnome-calculator"},
      {2, {"kcharselect"}, "kcharselect"},
      {2, {"gucharmap", "kcharselect"}, "gucharmap"},
  };
  for (const auto& c : cases) {
    std::filesystem::remove_all(bin);
    std::filesystem::create_directories(bin);
    for (const std::string& program : c.installed) Install(bin, program);
    const TFakePath path(bin);
    env.processes.clear();
    env.sounds.clear();
    form1->RxPopupMenu4->Items()->Items(c.item)->Click();
    EXPECT_EQ(Started(), std::vector<std::string>{(bin / c.started).string()}) << c.started;
    EXPECT_TRUE(env.processes.empty() || env.processes[0].args.empty());
    EXPECT_TRUE(env.sounds.empty());
  }
}

TEST_F(ToolsTest, NothingHappensWhenNoneIsInstalled) {
  const TFakePath path(bin);
  for (int item = 0; item < 3; ++item) form1->RxPopupMenu4->Items()->Items(item)->Click();
  EXPECT_TRUE(env.processes.empty());
  EXPECT_TRUE(env.messageBoxes.empty());
  EXPECT_TRUE(env.sounds.empty());
}

TEST_F(ToolsTest, TheCurrentFolderIsNeverSearched) {
  Install(dir, "xcalc");
  const std::filesystem::path saved = std::filesystem::current_path();
  std::filesystem::current_path(dir);
  {
    const TFakePath path(".");
    EXPECT_EQ(FindTool(TTool::tlCalculator), "");
  }
  {
    const TFakePath path(bin);
    EXPECT_EQ(FindTool(TTool::tlCalculator), "");
  }
  std::filesystem::current_path(saved);
  EXPECT_TRUE(env.processes.empty());
}

TEST_F(ToolsTest, AProgramThatIsNotExecutableDoesNotCount) {
  std::ofstream(bin / "kcalc") << "not a program";
  std::filesystem::permissions(bin / "kcalc", std::filesystem::perms::owner_read);
  Install(bin, "xcalc");
  const TFakePath path(bin);
  EXPECT_EQ(FindTool(TTool::tlCalculator), (bin / "xcalc").string());
}

TEST_F(ToolsTest, KeyboardGivesTheFocusBackToTheEditorCalculatorDoesNot) {
  Install(bin, "onboard");
  Install(bin, "xcalc");
  const TFakePath path(bin);
  form1->FlatButton17->SetFocus();
  form1->RxPopupMenu4->Items()->Items(1)->Click();
  EXPECT_FALSE(Editor().Focused());
  form1->RxPopupMenu4->Items()->Items(0)->Click();
  EXPECT_TRUE(Editor().Focused());
}

}  // namespace
