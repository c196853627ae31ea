// The program under test, started in a folder of its own and driven from outside:
// its main window and controls found, read and used the way a person would.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "harness/child_process_win.h"
#include "harness/list_view_reader_win.h"
#include "harness/message_box_win.h"
#include "harness/scratch_folder_win.h"
#include "harness/toolbar_reader_win.h"
#include "harness/wait_win.h"

namespace cw::e2e {

inline constexpr wchar_t kMainWindowClass[] = L"ChengwangMainWindow";
inline constexpr wchar_t kNoticeWindowClass[] = L"ChengwangNotice";

// The first start in a freshly booted prefix, on a busy machine, can take far longer
// than the usual fraction of a second.
inline constexpr std::chrono::milliseconds kStartTimeout{30000};

class RunningProgram {
 public:
  // Copies the executable at `programPath` into `folder`, starts the copy there and
  // waits until its main window is shown. Nothing on failure, the reason in `error`.
  static std::unique_ptr<RunningProgram> Start(const ScratchFolder& folder, const std::wstring& programPath,
                                               std::wstring& error,
                                               std::chrono::milliseconds timeout = kStartTimeout);

  ChildProcess& Process() { return process_; }
  const ChildProcess& Process() const { return process_; }
  HWND MainWindow() const { return mainWindow_; }
  HWND ToolbarWindow() const { return toolbar_; }
  HWND SiteListWindow() const { return siteList_; }
  HWND StatusBarWindow() const { return statusBar_; }

  std::wstring Title() const;
  ListViewReader SiteList() const { return ListViewReader(process_.Handle(), siteList_); }
  std::vector<ListRow> Rows() const { return SiteList().Rows(); }
  std::vector<std::wstring> StatusTexts() const;
  std::vector<ToolbarEntry> Toolbar() const;

  // Clicks the toolbar button with `commandId`: false (and nothing is sent) when the
  // toolbar has no such button or it is disabled, as a person could not click it.
  bool PressToolbarButton(int commandId) const;
  // Chooses the menu item with `commandId`.
  bool ChooseMenuItem(int commandId) const;
  // Clicks the main window's close box.
  bool ClickCloseBox() const;

  MessageBoxView WaitForMessageBox(std::chrono::milliseconds timeout = kDefaultTimeout) const;
  // A visible top-level window of this process with class `className`, or nullptr.
  HWND WaitForWindow(std::wstring_view className, std::chrono::milliseconds timeout = kDefaultTimeout) const;
  bool WaitForExit(std::chrono::milliseconds timeout = kDefaultTimeout) const {
    return process_.WaitForExit(timeout);
  }
  bool IsRunning() const { return process_.IsRunning(); }
  // Waits until `condition` holds, giving up early should the program end.
  bool WaitUntil(const std::function<bool()>& condition,
                 std::chrono::milliseconds timeout = kDefaultTimeout) const {
    return e2e::WaitUntil(condition, timeout, process_.Handle());
  }

 private:
  explicit RunningProgram(ChildProcess process) : process_(std::move(process)) {}

  ChildProcess process_;
  HWND mainWindow_ = nullptr;
  HWND toolbar_ = nullptr;
  HWND siteList_ = nullptr;
  HWND statusBar_ = nullptr;
};

}  // namespace cw::e2e
