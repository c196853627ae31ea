// Pictures of the program's windows with their Chinese text, written below the build
// folder for a person to look at.
#include <gtest/gtest.h>

#include "harness/message_box_win.h"
#include "harness/screenshot_win.h"
#include "program_test_win.h"
#include "test_paths_win.h"

namespace cw::e2e {
namespace {

class ScreenshotTest : public ProgramTest {
 protected:
  // Saves the screen as <build>\screenshots\<name>.png once `window` is drawn, and
  // checks that the picture shows something there.
  void SaveScreenshotOf(HWND window, const wchar_t* name) {
    ASSERT_TRUE(WaitUntilPainted(window, kDefaultTimeout, Program().Process().Handle()));
    const std::wstring path = ScreenshotPathFor(name);
    const auto image = SaveScreenshot(path);
    ASSERT_TRUE(image.has_value()) << "could not write " << Utf8(path);
    RECT area{};
    ASSERT_TRUE(GetWindowRect(window, &area));
    // A drawn window with text has many colours; a blank capture has one.
    EXPECT_GT(CountColoursIn(*image, area), 8) << Utf8(path);
    std::printf("screenshot: %s\n", Utf8(path).c_str());
  }
};

TEST_F(ScreenshotTest, MainWindowWithChineseText) {
  ASSERT_TRUE(Folder().WriteFile(kListFile,
                                 "[列表]\r\n"
                                 "1=http://127.0.0.1/新闻/首页.html|31\r\n"
                                 "2=http://127.0.0.1/论坛/公告|120\r\n"
                                 "3=http://127.0.0.1/东京|3600\r\n"));
  ASSERT_TRUE(StartProgram());
  SaveScreenshotOf(Program().MainWindow(), L"main_window");
}

TEST_F(ScreenshotTest, CloseConfirmation) {
  ASSERT_TRUE(StartProgram());
  ASSERT_TRUE(Program().ClickCloseBox());
  const MessageBoxView box = Program().WaitForMessageBox();
  ASSERT_NE(box.window, nullptr);
  SaveScreenshotOf(box.window, L"close_confirmation");
}

}  // namespace
}  // namespace cw::e2e
