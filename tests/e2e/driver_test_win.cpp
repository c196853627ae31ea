// cw_driver, as the project's scripts use it: waiting for a window and closing the
// program the way a person does.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "harness/child_process_win.h"
#include "program_test_win.h"
#include "test_paths_win.h"

namespace cw::e2e {
namespace {

class DriverTest : public ProgramTest {
 protected:
  // Runs cw_driver with `arguments` to its end; its exit code, or nothing when it
  // could not be started or did not end in time.
  std::optional<DWORD> RunDriver(const std::wstring& arguments) {
    std::wstring error;
    auto driver = ChildProcess::Start(GetTestPaths().driver, Folder().Path(), error, arguments);
    if (!driver) {
      ADD_FAILURE() << Utf8(error);
      return std::nullopt;
    }
    if (!driver->WaitForExit(std::chrono::seconds(60))) return std::nullopt;
    return driver->ExitCode();
  }
};

TEST_F(DriverTest, WaitWindowSucceedsForTheShownMainWindowAndTimesOutOtherwise) {
  EXPECT_EQ(RunDriver(L"wait-window NoSuchWindowClass 0"), 1u);
  ASSERT_TRUE(StartProgram());
  EXPECT_EQ(RunDriver(L"wait-window ChengwangMainWindow 20"), 0u);
  EXPECT_EQ(RunDriver(L"wait-window NoSuchWindowClass 0"), 1u);
}

TEST_F(DriverTest, CloseMainConfirmsAndReturnsOnceTheProgramHasEnded) {
  ASSERT_TRUE(StartProgram());
  EXPECT_EQ(RunDriver(L"close-main 30"), 0u);
  EXPECT_FALSE(Program().IsRunning());
}

TEST_F(DriverTest, CloseMainFailsWhenNoProgramRuns) { EXPECT_EQ(RunDriver(L"close-main 0"), 1u); }

TEST_F(DriverTest, RejectsMalformedCommandLines) {
  const wchar_t* const malformed[] = {
      L"",
      L"wait-window",
      L"wait-window ChengwangMainWindow",
      L"wait-window ChengwangMainWindow soon",
      L"wait-window ChengwangMainWindow -1",
      L"wait-window \"\" 1",
      L"close-main",
      L"close-main 1 2",
      L"close-main 5s",
      L"open-main 1",
  };
  for (const wchar_t* arguments : malformed) {
    EXPECT_EQ(RunDriver(arguments), 2u) << Utf8(arguments);
  }
}

}  // namespace
}  // namespace cw::e2e
