// The rows, count text and read-error notice the program shows for a list.ini
// written by hand.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "harness/window_messages_win.h"
#include "harness/window_search_win.h"
#include "program_test_win.h"

namespace cw::e2e {
namespace {

const std::wstring kNotStarted = L"未开始";

struct ListFileCase {
  const char* name;
  std::string_view listFile;  // GBK bytes
  std::vector<ListRow> rows;
  bool readError;
};

void PrintTo(const ListFileCase& test, std::ostream* out) { *out << test.name; }

std::vector<ListFileCase> ListFileCases() {
  return {
      {"FiveEntriesAsWritten",
       "[列表]\r\n"
       "1=http://127.0.0.1:8080/a.html|31\r\n"
       "2=http://127.0.0.1:8080/新闻/首页.html|120\r\n"
       "3=http://127.0.0.1/b|60abc\r\n"
       "4=http://127.0.0.1/c|5\r\n"
       "5=http://127.0.0.1/d?q=1&r=2|2999999\r\n",
       {
           {L"http://127.0.0.1:8080/a.html", L"31", kNotStarted, kNotStarted},
           {L"http://127.0.0.1:8080/新闻/首页.html", L"120", kNotStarted, kNotStarted},
           {L"http://127.0.0.1/b", L"60abc", kNotStarted, kNotStarted},
           {L"http://127.0.0.1/c", L"5", kNotStarted, kNotStarted},
           {L"http://127.0.0.1/d?q=1&r=2", L"2999999", kNotStarted, kNotStarted},
       },
       false},
      {"ThirdEntryInThreePiecesStopsLoading",
       "[列表]\r\n"
       "1=http://127.0.0.1/a|31\r\n"
       "2=http://127.0.0.1/b|32\r\n"
       "3=http://127.0.0.1/c|d|33\r\n"
       "4=http://127.0.0.1/e|34\r\n",
       {
           {L"http://127.0.0.1/a", L"31", kNotStarted, kNotStarted},
           {L"http://127.0.0.1/b", L"32", kNotStarted, kNotStarted},
       },
       true},
      {"EntriesAfterAGapAreNotRead",
       "[列表]\r\n"
       "1=http://127.0.0.1/a|31\r\n"
       "2=http://127.0.0.1/b|32\r\n"
       "4=http://127.0.0.1/d|34",
       {
           {L"http://127.0.0.1/a", L"31", kNotStarted, kNotStarted},
           {L"http://127.0.0.1/b", L"32", kNotStarted, kNotStarted},
       },
       false},
      // 東 is 0x96 0x7C in GBK: its second byte is no "|".
      {"DoubleByteCharacterWhoseSecondByteIsABar",
       "[列表]\r\n"
       "1=http://127.0.0.1/東京|31\r\n"
       "2=http://127.0.0.1/b|32\r\n",
       {
           {L"http://127.0.0.1/東京", L"31", kNotStarted, kNotStarted},
           {L"http://127.0.0.1/b", L"32", kNotStarted, kNotStarted},
       },
       false},
      {"EmptyListSection", "[列表]\r\n", {}, false},
  };
}

class SiteListFileTest : public ProgramTest, public ::testing::WithParamInterface<ListFileCase> {};

TEST_P(SiteListFileTest, ShowsTheEntriesAndTheirCount) {
  const ListFileCase& test = GetParam();
  ASSERT_TRUE(Folder().WriteFile(kListFile, test.listFile));
  ASSERT_TRUE(StartProgram());

  const auto rows = Program().Rows();
  EXPECT_EQ(rows, test.rows) << Describe(rows);
  const std::wstring count = L"停止监控网址 共" + std::to_wstring(test.rows.size()) + L"个网址 ";
  const auto parts = Program().StatusTexts();
  EXPECT_EQ(parts, (std::vector<std::wstring>{L"澄望 1.1", count})) << Describe(parts);
  // Loading never rewrites the file.
  EXPECT_EQ(Folder().ReadFile(kListFile), test.listFile);

  if (test.readError) {
    HWND notice = Program().WaitForWindow(kNoticeWindowClass);
    ASSERT_NE(notice, nullptr) << "no read-error notice";
    EXPECT_EQ(TitleOf(notice), L"数据读取错误") << Utf8(TitleOf(notice));
  } else {
    // The notice would have been shown while the main window was being created.
    ASSERT_TRUE(WaitForWindowThread(Program().MainWindow()));
    EXPECT_TRUE(FindTopLevelWindows(Program().Process().Id(), kNoticeWindowClass, false).empty());
  }
}

INSTANTIATE_TEST_SUITE_P(ListFiles, SiteListFileTest, ::testing::ValuesIn(ListFileCases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace cw::e2e
