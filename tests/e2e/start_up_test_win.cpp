// What the program shows and writes when it starts in a folder without its files,
// and at the start after that.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "program_test_win.h"
#include "ui/command_ids.h"

namespace cw::e2e {
namespace {

// GBK bytes: narrow literals are compiled to GBK.
constexpr std::string_view kDefaultConfigText =
    "[配置]\r\n自动更新=1\r\n弹窗关闭时间=3\r\n最小化到托盘=1\r\n相似度敏感=4\r\n差异度敏感=20";
static_assert(kDefaultConfigText.size() == 79);
constexpr std::string_view kDefaultListText =
    "[列表]\r\n1=http://www.example.com/|31\r\n2=http://www.example.org/|32";

const std::wstring kNotStarted = L"未开始";

class StartUpTest : public ProgramTest {
 protected:
  // The bytes of `name` once they equal `expected`, else the last bytes seen.
  std::optional<std::string> WaitForFileBytes(std::wstring_view name, std::string_view expected) {
    std::optional<std::string> bytes;
    Program().WaitUntil([&] {
      bytes = Folder().ReadFile(name);
      return bytes == expected;
    });
    return bytes;
  }
};

TEST_F(StartUpTest, FirstStartWritesBothDefaultFiles) {
  ASSERT_TRUE(StartProgram());
  const auto config = WaitForFileBytes(kConfigFile, kDefaultConfigText);
  EXPECT_EQ(config, kDefaultConfigText) << DescribeGbk(config);
  const auto list = WaitForFileBytes(kListFile, kDefaultListText);
  EXPECT_EQ(list, kDefaultListText) << DescribeGbk(list);
}

TEST_F(StartUpTest, FirstStartKeepsTheTwoBuiltInRows) {
  ASSERT_TRUE(StartProgram());
  const auto rows = Program().Rows();
  ASSERT_EQ(rows.size(), 2u) << Describe(rows);
  const std::wstring intervals[] = {L"33", L"34"};
  for (size_t row = 0; row < rows.size(); ++row) {
    SCOPED_TRACE("row " + std::to_string(row) + ": " + Describe(rows[row]));
    ASSERT_EQ(rows[row].size(), 4u);
    EXPECT_FALSE(rows[row][0].empty());
    EXPECT_EQ(rows[row][1], intervals[row]);
    EXPECT_EQ(rows[row][2], kNotStarted);
    EXPECT_EQ(rows[row][3], kNotStarted);
  }
}

TEST_F(StartUpTest, ListHasItsFourColumns) {
  ASSERT_TRUE(StartProgram());
  const auto columns = Program().SiteList().Columns();
  const std::vector<ListColumn> expected = {
      {L"监控网址", 400}, {L"间隔(秒)", 80}, {L"上次时间", 130}, {L"状态", 70}};
  ASSERT_EQ(columns.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE("column " + std::to_string(i) + " \"" + Utf8(columns[i].title) + "\"");
    EXPECT_EQ(columns[i].title, expected[i].title);
    EXPECT_EQ(columns[i].width, expected[i].width);
  }
}

TEST_F(StartUpTest, TitleAndStatusBarShowVersionAndCount) {
  ASSERT_TRUE(StartProgram());
  EXPECT_EQ(Program().Title(), L"澄望 1.1") << Utf8(Program().Title());
  const auto parts = Program().StatusTexts();
  EXPECT_EQ(parts, (std::vector<std::wstring>{L"澄望 1.1", L"停止监控网址 共2个网址 "})) << Describe(parts);
}

struct ExpectedToolbarEntry {
  int commandId;  // 0: separator
  std::wstring text;
  bool enabled;
};

TEST_F(StartUpTest, ToolbarShowsFourteenEntriesInTheStoppedState) {
  ASSERT_TRUE(StartProgram());
  const std::vector<ExpectedToolbarEntry> expected = {
      {kCmdStartMonitoring, L"开始监控", true},
      {kCmdStopMonitoring, L"停止监控", false},
      {0, L"", false},
      {kCmdAddSite, L"添加网址", true},
      {kCmdEditSelected, L"编辑选中", true},
      {kCmdDeleteSelected, L"删除选中", true},
      {kCmdSaveList, L"保存列表", true},
      {kCmdClearList, L"清空列表", true},
      {0, L"", false},
      {kCmdSettings, L"高级设置", true},
      {0, L"", false},
      {kCmdOnlineHelp, L"在线帮助", true},
      {kCmdOnlineUpdate, L"在线更新", true},
      {kCmdAbout, L"关于", true},
  };
  const auto entries = Program().Toolbar();
  ASSERT_EQ(entries.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE("toolbar entry " + std::to_string(i) + " \"" + Utf8(entries[i].text) + "\"");
    if (expected[i].commandId == 0) {
      EXPECT_TRUE(entries[i].separator);
      continue;
    }
    EXPECT_FALSE(entries[i].separator);
    EXPECT_EQ(entries[i].commandId, expected[i].commandId);
    EXPECT_EQ(entries[i].text, expected[i].text);
    EXPECT_EQ(entries[i].enabled, expected[i].enabled);
  }
}

TEST_F(StartUpTest, SecondStartShowsTheDefaultEntriesAndKeepsBothFiles) {
  ASSERT_TRUE(StartProgram());
  ASSERT_EQ(WaitForFileBytes(kListFile, kDefaultListText), kDefaultListText);
  KillProgram();

  ASSERT_TRUE(StartProgram());
  const auto rows = Program().Rows();
  const std::vector<ListRow> expected = {
      {L"http://www.example.com/", L"31", kNotStarted, kNotStarted},
      {L"http://www.example.org/", L"32", kNotStarted, kNotStarted},
  };
  EXPECT_EQ(rows, expected) << Describe(rows);
  const auto parts = Program().StatusTexts();
  EXPECT_EQ(parts, (std::vector<std::wstring>{L"澄望 1.1", L"停止监控网址 共2个网址 "})) << Describe(parts);
  EXPECT_EQ(Folder().ReadFile(kConfigFile), kDefaultConfigText);
  EXPECT_EQ(Folder().ReadFile(kListFile), kDefaultListText);
}

}  // namespace
}  // namespace cw::e2e
