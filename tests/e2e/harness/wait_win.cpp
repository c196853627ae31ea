#include "harness/wait_win.h"

#include <algorithm>

namespace cw::e2e {
namespace {

constexpr std::chrono::milliseconds kPollPause{15};

// Blocks the calling thread for `pause` while still answering any messages sent to it.
void PauseProcessingMessages(std::chrono::milliseconds pause) {
  const auto until = std::chrono::steady_clock::now() + pause;
  for (;;) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(until - std::chrono::steady_clock::now());
    if (left.count() <= 0) return;
    const DWORD result =
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left.count()), QS_ALLINPUT);
    if (result != WAIT_OBJECT_0) return;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

}  // namespace

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout, HANDLE process) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (condition()) return true;
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    const auto pause = std::min(left, kPollPause);
    if (process != nullptr) {
      if (WaitForSingleObject(process, static_cast<DWORD>(pause.count())) == WAIT_OBJECT_0) {
        return condition();
      }
    } else {
      PauseProcessingMessages(pause);
    }
  }
}

}  // namespace cw::e2e
