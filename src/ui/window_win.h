// A top-level or child window owned by a C++ object: `this` travels through
// CreateWindowExW and is picked up at WM_NCCREATE; every message then reaches
// HandleMessage. Also the modal and modeless ways of showing a window.
#pragma once

#include <windows.h>

#include <string>

namespace cw {

class Window {
 public:
  Window() = default;
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND handle() const { return window_; }

  // Shows the window modelessly.
  void Show(int showCommand = SW_SHOWNORMAL);

  // Shows the window modally over `owner` (which takes no input meanwhile) and
  // returns once the window has been destroyed. Tab, Enter and the other dialog
  // keys work as in a dialog box.
  void RunModal(HWND owner);

  void Close();
  void SetTitle(const std::string& gbkTitle);

 protected:
  struct CreateParams {
    const wchar_t* className;
    std::wstring title;
    DWORD style;
    DWORD exStyle = 0;
    int x = CW_USEDEFAULT, y = CW_USEDEFAULT, width = CW_USEDEFAULT, height = CW_USEDEFAULT;
    HWND parent = nullptr;
    HMENU menu = nullptr;
  };

  // Registers the class once (name, icon, background) and creates the window.
  bool Create(const CreateParams& params, HICON icon = nullptr, HBRUSH background = nullptr);

  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  // Called after WM_DESTROY was handled, when the handle is no longer valid.
  virtual void OnDestroyed() {}

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  bool modalDone_ = false;
};

}  // namespace cw
