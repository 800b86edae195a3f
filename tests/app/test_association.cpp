// The association the editor writes for itself, through the desktop's files: a desktop entry
// for the class "TARVIK" opening the file given as the first argument, the MIME types of the
// extensions with the editor first among their handlers.
#include "AppFixture.h"
#include "app/FileAssociation.h"
#include "platform/environment/Shell.h"

namespace {

class AssociationTest : public ::testing::Test {
 protected:
  void SetUp() override { dir = testfiles::FreshDirForThisTest("association"); }
  std::filesystem::path dir;
};

TEST_F(AssociationTest, DesktopEntryOpensTheFileAsTheFirstArgument) {
  const std::string program = "/opt/my editor/tarvik";
  WriteFileTypeAssociation(EditorAssociation(program), (dir / "data").string(),
                           (dir / "config").string());
  const std::string entry = testfiles::ReadFile(dir / "data" / "applications" / "TARVIK.desktop");
  EXPECT_NE(entry.find("\nExec=\"/opt/my editor/tarvik\" %f\n"), std::string::npos) << entry;
  EXPECT_NE(entry.find("\nIcon="), std::string::npos);
  EXPECT_NE(entry.find("text/plain;"), std::string::npos);
  EXPECT_NE(entry.find("application/rtf;"), std::string::npos);
  const std::string defaults = testfiles::ReadFile(dir / "config" / "mimeapps.list");
  EXPECT_NE(defaults.find("[Default Applications]"), std::string::npos);
  EXPECT_NE(defaults.find("text/plain=TARVIK.desktop;"), std::string::npos) << defaults;
}

TEST_F(AssociationTest, ExtensionsWithoutAKnownTypeGetTheEditorsOwnType) {
  WriteFileTypeAssociation(EditorAssociation("/usr/bin/tarvik"), (dir / "data").string(),
                           (dir / "config").string());
  const std::string package =
      testfiles::ReadFile(dir / "data" / "mime" / "packages" / "TARVIK.xml");
  for (const char* glob : {"*.diz", "*.ion", "*.dos", "*.win", "*.prx"})
    EXPECT_NE(package.find(std::string("<glob pattern=\"") + glob + "\"/>"), std::string::npos)
        << glob;
}

TEST_F(AssociationTest, WritingAgainKeepsOtherHandlersAndRemovesNothing) {
  std::filesystem::create_directories(dir / "config");
  testfiles::WriteFile(dir / "config" / "mimeapps.list",
                       "[Default Applications]\ntext/plain=other.desktop;\n");
  for (int start = 0; start < 2; ++start)
    WriteFileTypeAssociation(EditorAssociation("/usr/bin/tarvik"), (dir / "data").string(),
                             (dir / "config").string());
  const std::string defaults = testfiles::ReadFile(dir / "config" / "mimeapps.list");
  EXPECT_NE(defaults.find("text/plain=TARVIK.desktop;other.desktop;"), std::string::npos)
      << defaults;
}

TEST_F(AssociationTest, AnUnwritableDesktopFolderFailsWithTheRegistryMessage) {
  testfiles::WriteFile(dir / "data", "a file where the folder should be");
  try {
    WriteFileTypeAssociation(EditorAssociation("/usr/bin/tarvik"), (dir / "data").string(),
                             (dir / "config").string());
    FAIL() << "no error";
  } catch (const std::exception& error) {
    EXPECT_STREQ(error.what(), "Failed to set data for ''");
  }
}

}  // namespace
