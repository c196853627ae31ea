// Closing asks first: Cancel keeps the program as it was, OK ends it, and nothing is
// saved on the way out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "harness/message_box_win.h"
#include "harness/window_messages_win.h"
#include "program_test_win.h"
#include "ui/command_ids.h"

namespace cw::e2e {
namespace {

// Written by hand, not in the form saving produces, so a save on the way out shows.
constexpr std::string_view kListFileText =
    "[列表]\r\n1 = http://127.0.0.1/a|31\r\n2=http://127.0.0.1/新闻|45\r\n3=http://127.0.0.1/c|60";

const std::wstring kConfirmationText = L"退出程序后不能在监控网页变化\r\n你确定退出吗？";

enum class CloseRequest { closeBox, closeMessage, menuItem };

struct CloseCase {
  const char* name;
  CloseRequest request;
};

void PrintTo(const CloseCase& test, std::ostream* out) { *out << test.name; }

class CloseTest : public ProgramTest, public ::testing::WithParamInterface<CloseCase> {
 protected:
  bool RequestClose() {
    switch (GetParam().request) {
      case CloseRequest::closeBox:
        return Program().ClickCloseBox();
      case CloseRequest::closeMessage:
        return PostMessageW(Program().MainWindow(), WM_CLOSE, 0, 0) != 0;
      case CloseRequest::menuItem:
        return Program().ChooseMenuItem(kCmdClose);
    }
    return false;
  }

  // Which toolbar buttons are enabled: they show whether monitoring runs.
  std::vector<bool> ButtonStates() {
    std::vector<bool> states;
    for (const ToolbarEntry& entry : Program().Toolbar()) states.push_back(entry.enabled);
    return states;
  }

  // Asks to close and checks the confirmation that comes up; its window, or nullptr.
  HWND RequestCloseAndCheckConfirmation() {
    if (!RequestClose()) {
      ADD_FAILURE() << "could not ask the main window to close";
      return nullptr;
    }
    const MessageBoxView box = Program().WaitForMessageBox();
    if (box.window == nullptr) {
      ADD_FAILURE() << "no confirmation appeared";
      return nullptr;
    }
    EXPECT_EQ(box.title, L"澄望") << Utf8(box.title);
    EXPECT_EQ(box.text, kConfirmationText) << Utf8(box.text);
    EXPECT_EQ(box.buttonIds, (std::vector<int>{IDOK, IDCANCEL}));
    EXPECT_EQ(box.owner, nullptr);
    return box.window;
  }
};

TEST_P(CloseTest, CancelKeepsTheProgramAndOkEndsIt) {
  ASSERT_TRUE(Folder().WriteFile(kListFile, kListFileText));
  ASSERT_TRUE(StartProgram());
  const auto rowsBefore = Program().Rows();
  ASSERT_EQ(rowsBefore.size(), 3u) << Describe(rowsBefore);
  const auto buttonStatesBefore = ButtonStates();
  ASSERT_FALSE(buttonStatesBefore.empty());

  HWND confirmation = RequestCloseAndCheckConfirmation();
  ASSERT_NE(confirmation, nullptr);
  ASSERT_TRUE(AnswerMessageBox(confirmation, IDCANCEL));
  ASSERT_TRUE(Program().WaitUntil([&] { return !IsWindow(confirmation); })) << "the confirmation stayed";
  ASSERT_TRUE(WaitForWindowThread(Program().MainWindow()));
  EXPECT_TRUE(Program().IsRunning());
  EXPECT_TRUE(IsWindowVisible(Program().MainWindow()));
  EXPECT_EQ(Program().Rows(), rowsBefore) << Describe(Program().Rows());
  EXPECT_EQ(Program().Title(), L"澄望 1.1");
  EXPECT_EQ(ButtonStates(), buttonStatesBefore) << "the monitoring state changed";

  confirmation = RequestCloseAndCheckConfirmation();
  ASSERT_NE(confirmation, nullptr);
  ASSERT_TRUE(AnswerMessageBox(confirmation, IDOK));
  EXPECT_TRUE(Program().WaitForExit()) << "the program did not end after OK";
  EXPECT_EQ(Folder().ReadFile(kListFile), kListFileText) << DescribeGbk(Folder().ReadFile(kListFile));
}

INSTANTIATE_TEST_SUITE_P(Requests, CloseTest,
                         ::testing::Values(CloseCase{"CloseBox", CloseRequest::closeBox},
                                           CloseCase{"CloseMessage", CloseRequest::closeMessage},
                                           CloseCase{"MenuItem", CloseRequest::menuItem}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace cw::e2e
