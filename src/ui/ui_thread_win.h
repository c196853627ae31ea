// Hands work from worker threads to the user-interface thread: a message-only
// window on that thread runs closures that other threads post or send to it.
#pragma once

#include <windows.h>

#include <functional>

namespace cw {

class UiThread {
 public:
  // Must be created on the user-interface thread.
  UiThread();
  ~UiThread();
  UiThread(const UiThread&) = delete;
  UiThread& operator=(const UiThread&) = delete;

  bool IsCurrent() const { return GetCurrentThreadId() == threadId_; }

  // Runs `task` on the user-interface thread and returns after it ran; runs it at
  // once when called there. The caller waits; the UI thread runs such requests one
  // at a time from its message loop.
  void Run(const std::function<void()>& task) const;

  // Queues `task` for the user-interface thread and returns at once.
  void Post(std::function<void()> task) const;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  DWORD threadId_ = 0;
};

}  // namespace cw
