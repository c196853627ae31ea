// The About window: modal over the main window, its texts, and closing by its
// button or by Enter.
#include <windows.h>

#include <gtest/gtest.h>

#include "harness/screenshot_win.h"
#include "harness/window_search_win.h"
#include "program_test_win.h"
#include "test_paths_win.h"
#include "ui/command_ids.h"

namespace cw::e2e {
namespace {

constexpr wchar_t kAboutClass[] = L"ChengwangAbout";

class AboutTest : public ProgramTest {
 protected:
  HWND OpenAbout() {
    EXPECT_TRUE(Program().PressToolbarButton(kCmdAbout));
    return Program().WaitForWindow(kAboutClass);
  }

  bool WaitUntilClosed() {
    return Program().WaitUntil([&] {
      return FindTopLevelWindows(Program().Process().Id(), kAboutClass).empty() &&
             IsWindowEnabled(Program().MainWindow());
    });
  }

  std::vector<std::wstring> LabelTexts(HWND about) {
    std::vector<std::wstring> texts;
    for (HWND label : FindDescendants(about, L"Static")) texts.push_back(TextOf(label));
    return texts;
  }
};

TEST_F(AboutTest, ShowsNameAndVersionModallyAndClosesWith确定) {
  ASSERT_TRUE(StartProgram());
  HWND about = OpenAbout();
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(TitleOf(about), L"澄望 1.1");
  std::vector<std::wstring> labels = LabelTexts(about);
  EXPECT_NE(std::find(labels.begin(), labels.end(), L"澄望 1.1 版"), labels.end()) << Describe(labels);
  EXPECT_FALSE(IsWindowEnabled(Program().MainWindow())) << "the main window takes no input meanwhile";

  ASSERT_TRUE(WaitUntilPainted(about, kDefaultTimeout, Program().Process().Handle()));
  ASSERT_TRUE(SaveScreenshot(ScreenshotPathFor(L"about_window")).has_value());

  HWND ok = FindDescendantById(about, IDOK);
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(TextOf(ok), L"确定");
  PostMessageW(about, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(ok));
  EXPECT_TRUE(WaitUntilClosed());
  EXPECT_TRUE(Program().IsRunning());
}

TEST_F(AboutTest, EnterOnTheButtonClosesIt) {
  ASSERT_TRUE(StartProgram());
  HWND about = OpenAbout();
  ASSERT_NE(about, nullptr);
  HWND ok = FindDescendantById(about, IDOK);
  ASSERT_NE(ok, nullptr);
  PostMessageW(ok, WM_KEYDOWN, VK_RETURN, 1);
  PostMessageW(ok, WM_KEYUP, VK_RETURN, 0xC0000001);
  EXPECT_TRUE(WaitUntilClosed());
}

}  // namespace
}  // namespace cw::e2e
