#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "file_lock.h"
#include "temp_folder.h"
#include "ui/file_access.h"
#include "ui/ini_file.h"

namespace cw {
namespace {

using namespace std::string_literals;

class IniFileTest : public testing::Test {
 protected:
  std::string PathOf(std::string_view name) const { return FilePathIn(folder_.Path(), name); }
  test::TempFolder folder_;
};

TEST_F(IniFileTest, MissingFileGivesTheDefaultAndIsCreatedByAWrite) {
  std::string path = PathOf("a.ini");
  EXPECT_EQ(ReadIniString(path, "配置", "键", "默认"), "默认");
  EXPECT_FALSE(folder_.Has("a.ini"));

  EXPECT_TRUE(WriteIniString(path, "配置", "键", "值"));
  EXPECT_EQ(folder_.Get("a.ini"), "[配置]\r\n键=值\r\n");
  EXPECT_EQ(ReadIniString(path, "配置", "键", "默认"), "值");
  EXPECT_FALSE(folder_.Has("a.ini.new"));
}

TEST_F(IniFileTest, WriteChangesOnlyItsKey) {
  const std::string before = "; hand-written\n[配置]\n自动更新 = 1\n\n[其他]\nx=\xFF\0y\n"s;
  folder_.Put("a.ini", before);
  EXPECT_TRUE(WriteIniString(PathOf("a.ini"), "配置", "自动更新", "0"));
  EXPECT_EQ(folder_.Get("a.ini"), "; hand-written\n[配置]\n自动更新 =0\n\n[其他]\nx=\xFF\0y\n"s);
}

TEST_F(IniFileTest, FailedWriteLeavesEverythingAsItWas) {
  // A folder in the file's place: it cannot be replaced.
  folder_.MakeFolder("a.ini");
  EXPECT_FALSE(WriteIniString(PathOf("a.ini"), "s", "k", "v"));
  EXPECT_TRUE(std::filesystem::is_directory(folder_.FsPath("a.ini")));
  EXPECT_EQ(ReadIniString(PathOf("a.ini"), "s", "k", "d"), "d");
  EXPECT_FALSE(folder_.Has("a.ini.new"));

  // A folder that does not exist, and one "inside" a plain file.
  EXPECT_FALSE(WriteIniString(FilePathIn(folder_.MissingSubfolder(), "a.ini"), "s", "k", "v"));
  folder_.Put("plain", "x");
  EXPECT_FALSE(WriteIniString(FilePathIn(PathOf("plain"), "a.ini"), "s", "k", "v"));
  EXPECT_EQ(folder_.Get("plain"), "x");
}

TEST_F(IniFileTest, LockedFileIsNeitherReadNorReplaced) {
  folder_.Put("a.ini", "[s]\r\nk=old\r\n");
  {
    test::ExclusiveFileLock lock(PathOf("a.ini"));
    if (!lock.held()) GTEST_SKIP() << "no exclusive file locks on this system";
    EXPECT_EQ(ReadIniString(PathOf("a.ini"), "s", "k", "d"), "d");
    EXPECT_FALSE(WriteIniString(PathOf("a.ini"), "s", "k", "new"));
    EXPECT_FALSE(WriteIniString(PathOf("a.ini"), "s", "other", "new"));
  }
  EXPECT_EQ(folder_.Get("a.ini"), "[s]\r\nk=old\r\n");
  EXPECT_FALSE(folder_.Has("a.ini.new"));
}

}  // namespace
}  // namespace cw
