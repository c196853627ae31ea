// Command-line helper for scripts that start the program and need to know when its
// window is up, or to close it the way a person does:
//   cw_driver wait-window <class> <seconds>   exit 0 once a visible top-level window
//                                             of that class exists, 1 on timeout
//   cw_driver close-main <seconds>            close the main window, confirm with OK,
//                                             wait for the program to end; 0 on success
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cwchar>
#include <string>

#include "harness/child_process_win.h"
#include "harness/message_box_win.h"
#include "harness/running_program_win.h"
#include "harness/wait_win.h"
#include "harness/window_messages_win.h"
#include "harness/window_search_win.h"

namespace {

using cw::UniqueHandle;
using Clock = std::chrono::steady_clock;

constexpr int kSuccess = 0;
constexpr int kFailure = 1;
constexpr int kUsage = 2;

int Usage() {
  std::fputs(
      "usage: cw_driver wait-window <class> <seconds>\n"
      "       cw_driver close-main <seconds>\n",
      stderr);
  return kUsage;
}

// A whole number of seconds, 0 to one day; -1 when the text is not one.
long long ParseSeconds(const wchar_t* text) {
  wchar_t* end = nullptr;
  const long long seconds = std::wcstoll(text, &end, 10);
  if (end == text || *end != L'\0' || seconds < 0 || seconds > 86400) return -1;
  return seconds;
}

std::chrono::milliseconds LeftUntil(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
  return left.count() > 0 ? left : std::chrono::milliseconds(0);
}

int WaitWindow(const std::wstring& className, std::chrono::seconds timeout) {
  return cw::e2e::WaitForTopLevelWindow(0, className, timeout) != nullptr ? kSuccess : kFailure;
}

int CloseMain(std::chrono::seconds timeout) {
  const auto deadline = Clock::now() + timeout;
  // Hidden counts too: the window may sit in the notification area.
  HWND main = nullptr;
  cw::e2e::WaitUntil(
      [&] {
        const auto windows = cw::e2e::FindTopLevelWindows(0, cw::e2e::kMainWindowClass, false);
        main = windows.empty() ? nullptr : windows.front();
        return main != nullptr;
      },
      timeout);
  if (main == nullptr) {
    std::fputs("cw_driver: no main window\n", stderr);
    return kFailure;
  }
  const DWORD processId = cw::e2e::ProcessIdOf(main);
  UniqueHandle process = cw::e2e::OpenProcessById(processId);
  if (!process) {
    std::fputs("cw_driver: cannot open the program's process\n", stderr);
    return kFailure;
  }
  if (!cw::e2e::PostCloseBoxClick(main)) return kFailure;
  const auto box = cw::e2e::WaitForMessageBox(processId, LeftUntil(deadline), process.Get());
  if (box.window == nullptr) {
    std::fputs("cw_driver: no confirmation appeared\n", stderr);
    return kFailure;
  }
  if (!cw::e2e::AnswerMessageBox(box.window, IDOK)) return kFailure;
  if (WaitForSingleObject(process.Get(), static_cast<DWORD>(LeftUntil(deadline).count())) != WAIT_OBJECT_0) {
    std::fputs("cw_driver: the program did not end\n", stderr);
    return kFailure;
  }
  return kSuccess;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 4 && std::wcscmp(argv[1], L"wait-window") == 0) {
    const long long seconds = ParseSeconds(argv[3]);
    if (seconds < 0 || argv[2][0] == L'\0') return Usage();
    return WaitWindow(argv[2], std::chrono::seconds(seconds));
  }
  if (argc == 3 && std::wcscmp(argv[1], L"close-main") == 0) {
    const long long seconds = ParseSeconds(argv[2]);
    if (seconds < 0) return Usage();
    return CloseMain(std::chrono::seconds(seconds));
  }
  return Usage();
}
