#include "ui/window_win.h"

#include "ui/wide_text_win.h"

namespace cw {

Window::~Window() {
  if (window_) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

bool Window::Create(const CreateParams& params, HICON icon, HBRUSH background) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (!GetClassInfoExW(instance, params.className, &windowClass)) {
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hIconSm = icon;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background ? background : reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = params.className;
    if (!RegisterClassExW(&windowClass)) return false;
  }
  CreateWindowExW(params.exStyle, params.className, params.title.c_str(), params.style, params.x, params.y,
                  params.width, params.height, params.parent, params.menu, instance, this);
  return window_ != nullptr;
}

LRESULT CALLBACK Window::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  LRESULT result = 0;
  try {
    result = self->HandleMessage(message, wParam, lParam);
  } catch (...) {
    // No exception leaves a window procedure; the message gets the default handling.
    result = DefWindowProcW(window, message, wParam, lParam);
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
    self->modalDone_ = true;
    self->OnDestroyed();
  }
  return result;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window_, message, wParam, lParam);
}

void Window::Show(int showCommand) {
  ShowWindow(window_, showCommand);
  UpdateWindow(window_);
}

void Window::RunModal(HWND owner) {
  if (!window_) return;
  modalDone_ = false;
  bool ownerWasEnabled = owner && IsWindowEnabled(owner);
  if (ownerWasEnabled) EnableWindow(owner, FALSE);
  Show();
  MSG message;
  while (!modalDone_) {
    BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      // WM_QUIT belongs to the outer loop: put it back for it.
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (got < 0) break;
    if (window_ && IsDialogMessageW(window_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (ownerWasEnabled) {
    EnableWindow(owner, TRUE);
    SetActiveWindow(owner);
  }
}

void Window::Close() {
  if (window_) DestroyWindow(window_);
}

void Window::SetTitle(const std::string& gbkTitle) { SetWindowTextW(window_, WideFromGbk(gbkTitle).c_str()); }

}  // namespace cw
