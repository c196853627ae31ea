// 保存列表 writes the list's rows back to list.ini in its saved form and changes
// nothing else.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness/message_box_win.h"
#include "harness/window_messages_win.h"
#include "program_test_win.h"
#include "ui/command_ids.h"
#include "ui/wide_text_win.h"

namespace cw::e2e {
namespace {

class SaveListTest : public ProgramTest, public ::testing::WithParamInterface<bool> {
 protected:
  bool PressSave() {
    return GetParam() ? Program().PressToolbarButton(kCmdSaveList) : Program().ChooseMenuItem(kCmdSaveList);
  }

  // Saves and waits until list.ini holds `expected`; what it holds in the end.
  std::optional<std::string> SaveAndWaitFor(const std::string& expected) {
    if (!PressSave()) {
      ADD_FAILURE() << "could not press 保存列表";
      return std::nullopt;
    }
    std::optional<std::string> bytes;
    Program().WaitUntil([&] {
      bytes = Folder().ReadFile(kListFile);
      return bytes == expected;
    });
    // Once the command has run to its end, the file must still hold the same.
    if (!WaitForWindowThread(Program().MainWindow())) ADD_FAILURE() << "the program stopped answering";
    return Folder().ReadFile(kListFile);
  }

  // Saving shows no message and leaves the window as it was.
  void ExpectWindowUnchanged(const std::vector<ListRow>& rows, const std::vector<std::wstring>& statusTexts,
                             const std::vector<ToolbarEntry>& toolbar) {
    EXPECT_TRUE(MessageBoxesOf(Program().Process().Id()).empty());
    EXPECT_EQ(Program().Rows(), rows) << Describe(Program().Rows());
    EXPECT_EQ(Program().StatusTexts(), statusTexts) << Describe(Program().StatusTexts());
    const auto toolbarNow = Program().Toolbar();
    ASSERT_EQ(toolbarNow.size(), toolbar.size());
    for (size_t i = 0; i < toolbar.size(); ++i) EXPECT_EQ(toolbarNow[i].enabled, toolbar[i].enabled) << i;
  }
};

TEST_P(SaveListTest, RewritesTheLoadedRowsInTheSavedForm) {
  // Blanks around the key, another section and no line end after the last line: none
  // of it survives saving.
  ASSERT_TRUE(Folder().WriteFile(kListFile,
                                 "[列表]\r\n"
                                 "1 = http://127.0.0.1:8080/新闻|31\r\n"
                                 "2=http://127.0.0.1/b|60abc\r\n"
                                 "3=http://127.0.0.1/c|45\r\n"
                                 "[其他]\r\n"
                                 "键=值"));
  ASSERT_TRUE(StartProgram());
  const auto rows = Program().Rows();
  ASSERT_EQ(rows.size(), 3u) << Describe(rows);
  const auto statusTexts = Program().StatusTexts();
  const auto toolbar = Program().Toolbar();

  const std::string expected =
      "[列表]\r\n"
      "1=http://127.0.0.1:8080/新闻|31\r\n"
      "2=http://127.0.0.1/b|60abc\r\n"
      "3=http://127.0.0.1/c|45\r\n";
  const auto saved = SaveAndWaitFor(expected);
  EXPECT_EQ(saved, expected) << DescribeGbk(saved);
  ExpectWindowUnchanged(rows, statusTexts, toolbar);
}

TEST_P(SaveListTest, WritesTheBuiltInRowsOverTheDefaultFile) {
  ASSERT_TRUE(StartProgram());
  const auto rows = Program().Rows();
  ASSERT_EQ(rows.size(), 2u) << Describe(rows);
  const auto statusTexts = Program().StatusTexts();
  const auto toolbar = Program().Toolbar();

  // The built-in addresses are the program's own choice: take them as shown.
  const std::string expected =
      "[列表]\r\n1=" + GbkFromWide(rows[0][0]) + "|33\r\n2=" + GbkFromWide(rows[1][0]) + "|34\r\n";
  const auto saved = SaveAndWaitFor(expected);
  EXPECT_EQ(saved, expected) << DescribeGbk(saved);
  ExpectWindowUnchanged(rows, statusTexts, toolbar);
}

INSTANTIATE_TEST_SUITE_P(ToolbarAndMenu, SaveListTest, ::testing::Bool(), [](const auto& info) {
  return std::string(info.param ? "ToolbarButton" : "MenuItem");
});

}  // namespace
}  // namespace cw::e2e
