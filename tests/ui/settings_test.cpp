#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "file_lock.h"
#include "temp_folder.h"
#include "ui/file_access.h"
#include "ui/settings.h"

namespace cw {

bool operator==(const Settings& a, const Settings& b) {
  return a.autoUpdate == b.autoUpdate && a.minimizeToTray == b.minimizeToTray &&
         a.noticeSeconds == b.noticeSeconds && a.similaritySensitivity == b.similaritySensitivity &&
         a.differenceSensitivity == b.differenceSensitivity;
}

void PrintTo(const Settings& s, std::ostream* out) {
  *out << "{autoUpdate " << s.autoUpdate << ", minimizeToTray " << s.minimizeToTray << ", noticeSeconds "
       << s.noticeSeconds << ", similarity " << s.similaritySensitivity << ", difference "
       << s.differenceSensitivity << "}";
}

namespace {

constexpr const char* kFile = "config.ini";

Settings Make(std::int32_t autoUpdate, std::int32_t minimizeToTray, std::int32_t noticeSeconds,
              std::int32_t similarity, std::int32_t difference) {
  return Settings{autoUpdate, minimizeToTray, noticeSeconds, similarity, difference};
}

const Settings kDefaults = Make(1, 1, 3, 4, 20);

class SettingsTest : public testing::Test {
 protected:
  test::TempFolder folder_;
};

TEST_F(SettingsTest, FirstStartWritesTheDefaultText) {
  EXPECT_EQ(kDefaultSettingsText.size(), 79u);
  EXPECT_EQ(LoadSettings(folder_.Path()), kDefaults);
  EXPECT_EQ(folder_.Get(kFile), std::string(kDefaultSettingsText));
  // The second start reads the file it wrote and leaves it alone.
  EXPECT_EQ(LoadSettings(folder_.Path()), kDefaults);
  EXPECT_EQ(folder_.Get(kFile), std::string(kDefaultSettingsText));
}

TEST_F(SettingsTest, LoadReadsEachKeyOnItsOwn) {
  struct Case {
    const char* note;
    std::string file;
    Settings expected;
  };
  const std::vector<Case> cases = {
      {"update check off", "[配置]\r\n自动更新=2\r\n", Make(2, 1, 3, 4, 20)},
      {"present but empty is 0, not the default", "[配置]\r\n弹窗关闭时间=\r\n", Make(1, 1, 0, 4, 20)},
      {"blanks around full-width digits", "[配置]\r\n差异度敏感= ２０\r\n", Make(1, 1, 3, 4, 20)},
      {"full-width digits", "[配置]\r\n差异度敏感=　３５\r\n", Make(1, 1, 3, 4, 35)},
      {"every key, any order",
       "[配置]\r\n差异度敏感=9\r\n相似度敏感=-8\r\n最小化到托盘=0\r\n弹窗关闭时间=45秒\r\n自动更新=0\r\n",
       Make(0, 0, 45, -8, 9)},
      {"no numbers", "[配置]\r\n自动更新=是\r\n最小化到托盘=abc\r\n", Make(0, 0, 3, 4, 20)},
      {"out of range saturates", "[配置]\r\n弹窗关闭时间=99999999999\r\n相似度敏感=-99999999999\r\n",
       Make(1, 1, std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min(), 20)},
      {"empty file", "", kDefaults},
      {"other section", "[其他]\r\n自动更新=5\r\n", kDefaults},
      {"keys before the section", "自动更新=5\r\n[配置]\r\n", kDefaults},
      {"hand-edited layout", "\n  [ 配置 ]\n\t自动更新\t=\t7\n", Make(7, 1, 3, 4, 20)},
      {"damaged header", "[配置\r\n自动更新=5\r\n", kDefaults},
  };
  for (const Case& c : cases) {
    folder_.Put(kFile, c.file);
    EXPECT_EQ(LoadSettings(folder_.Path()), c.expected) << c.note;
    EXPECT_EQ(folder_.Get(kFile), c.file) << c.note << ": loading never rewrites an existing file";
  }
}

TEST_F(SettingsTest, SaveIntoAMissingFileWritesTheKeysInOrder) {
  SaveSettings(folder_.Path(), Make(0, -1, 300, 7, std::numeric_limits<std::int32_t>::min()));
  EXPECT_EQ(folder_.Get(kFile),
            "[配置]\r\n最小化到托盘=-1\r\n自动更新=0\r\n差异度敏感=-2147483648\r\n相似度敏感=7\r\n"
            "弹窗关闭时间=300\r\n");
}

TEST_F(SettingsTest, SaveKeepsExistingKeysInTheirPlace) {
  folder_.Put(kFile, kDefaultSettingsText);
  SaveSettings(folder_.Path(), Make(0, 2, 9, -4, 21));
  EXPECT_EQ(folder_.Get(kFile),
            "[配置]\r\n自动更新=0\r\n弹窗关闭时间=9\r\n最小化到托盘=2\r\n相似度敏感=-4\r\n差异度敏感=21");

  // Missing keys are added at the end of the section, in the write order; the other
  // section and the blank line before it stay as they are.
  folder_.Put(kFile, "[配置]\r\n相似度敏感=1\r\n\r\n[其他]\r\nx=y\r\n");
  SaveSettings(folder_.Path(), kDefaults);
  EXPECT_EQ(folder_.Get(kFile),
            "[配置]\r\n相似度敏感=4\r\n最小化到托盘=1\r\n自动更新=1\r\n差异度敏感=20\r\n弹窗关闭时间=3\r\n"
            "\r\n[其他]\r\nx=y\r\n");
}

TEST_F(SettingsTest, SavedValuesLoadBack) {
  const Settings values[] = {
      kDefaults, Make(0, 0, 0, 0, 0), Make(-1, 2, 60, 100, -20),
      Make(std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min(), 1, 2, 3)};
  for (const Settings& settings : values) {
    SaveSettings(folder_.Path(), settings);
    EXPECT_EQ(LoadSettings(folder_.Path()), settings);
  }
}

TEST_F(SettingsTest, UnusableFileOrFolderGivesDefaultsAndChangesNothing) {
  // A folder in the file's place.
  folder_.MakeFolder(kFile);
  EXPECT_EQ(LoadSettings(folder_.Path()), kDefaults);
  SaveSettings(folder_.Path(), Make(0, 0, 0, 0, 0));
  EXPECT_TRUE(std::filesystem::is_directory(folder_.FsPath(kFile)));

  // A program folder that does not exist: nothing is created.
  std::string missing = folder_.MissingSubfolder();
  EXPECT_EQ(LoadSettings(missing), kDefaults);
  SaveSettings(missing, Make(0, 0, 0, 0, 0));
  EXPECT_FALSE(folder_.Has("missing"));
}

TEST_F(SettingsTest, ReadOnlyFolderGivesDefaults) {
  if (!folder_.MakeUnwritable()) GTEST_SKIP() << "folder permissions do not bind this process";
  EXPECT_EQ(LoadSettings(folder_.Path()), kDefaults);
  SaveSettings(folder_.Path(), Make(0, 0, 0, 0, 0));
  EXPECT_FALSE(folder_.Has(kFile));
}

TEST_F(SettingsTest, LockedFileGivesDefaultsAndKeepsItsBytes) {
  const std::string before = "[配置]\r\n自动更新=0\r\n";
  folder_.Put(kFile, before);
  {
    test::ExclusiveFileLock lock(FilePathIn(folder_.Path(), kFile));
    if (!lock.held()) GTEST_SKIP() << "no exclusive file locks on this system";
    EXPECT_EQ(LoadSettings(folder_.Path()), kDefaults);
    SaveSettings(folder_.Path(), Make(5, 5, 5, 5, 5));
  }
  EXPECT_EQ(folder_.Get(kFile), before);
}

}  // namespace
}  // namespace cw
