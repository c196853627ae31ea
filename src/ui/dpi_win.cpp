#include "ui/dpi_win.h"

#include "ui/gdi_objects_win.h"

namespace cw {
namespace {

// GetDpiForWindow exists from Windows 10 1607 on; look it up so the program still
// starts on older systems.
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);

GetDpiForWindowFn DpiForWindowFunction() {
  static GetDpiForWindowFn function = reinterpret_cast<GetDpiForWindowFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
  return function;
}

}  // namespace

int WindowDpi(HWND window) {
  if (auto function = DpiForWindowFunction(); function && window) {
    if (UINT dpi = function(window)) return static_cast<int>(dpi);
  }
  ScreenDc screen;
  int dpi = GetDeviceCaps(screen.Get(), LOGPIXELSY);
  return dpi > 0 ? dpi : kDesignDpi;
}

void EnableDpiAwareness() {
  using SetContextFn = BOOL(WINAPI*)(HANDLE);
  auto setContext = reinterpret_cast<SetContextFn>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetProcessDpiAwarenessContext")));
  // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2 is (HANDLE)-4.
  if (setContext && setContext(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4)))) return;
  SetProcessDPIAware();
}

}  // namespace cw
