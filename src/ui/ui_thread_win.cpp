#include "ui/ui_thread_win.h"

#include <memory>

namespace cw {
namespace {

constexpr wchar_t kClassName[] = L"ChengwangUiThread";
constexpr UINT kRunSent = WM_APP + 1;    // lParam: const std::function<void()>*
constexpr UINT kRunPosted = WM_APP + 2;  // lParam: std::function<void()>* owned by the message

void RunGuarded(const std::function<void()>& task) {
  try {
    task();
  } catch (...) {
    // No exception leaves a window procedure.
  }
}

}  // namespace

UiThread::UiThread() : threadId_(GetCurrentThreadId()) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (!GetClassInfoExW(instance, kClassName, &windowClass)) {
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);
  }
  window_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
}

UiThread::~UiThread() {
  if (!window_) return;
  // Free closures still queued so that nothing leaks at shutdown.
  MSG message;
  while (PeekMessageW(&message, window_, kRunPosted, kRunPosted, PM_REMOVE)) {
    delete reinterpret_cast<std::function<void()>*>(message.lParam);
  }
  DestroyWindow(window_);
}

void UiThread::Run(const std::function<void()>& task) const {
  if (IsCurrent() || !window_) {
    RunGuarded(task);
    return;
  }
  SendMessageW(window_, kRunSent, 0, reinterpret_cast<LPARAM>(&task));
}

void UiThread::Post(std::function<void()> task) const {
  auto owned = std::make_unique<std::function<void()>>(std::move(task));
  if (window_ && PostMessageW(window_, kRunPosted, 0, reinterpret_cast<LPARAM>(owned.get()))) {
    owned.release();
  }
}

LRESULT CALLBACK UiThread::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kRunSent:
      RunGuarded(*reinterpret_cast<const std::function<void()>*>(lParam));
      return 0;
    case kRunPosted: {
      std::unique_ptr<std::function<void()>> task(reinterpret_cast<std::function<void()>*>(lParam));
      RunGuarded(*task);
      return 0;
    }
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace cw
