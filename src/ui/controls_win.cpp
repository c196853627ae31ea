#include "ui/controls_win.h"

#include <commctrl.h>

#include "ui/dpi_win.h"
#include "ui/wide_text_win.h"

namespace cw {

std::string ControlText(HWND control) {
  int length = GetWindowTextLengthW(control);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  int copied = GetWindowTextW(control, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return GbkFromWide(text);
}

void SetControlText(HWND control, const std::string& gbkText) {
  SetWindowTextW(control, WideFromGbk(gbkText).c_str());
}

bool IsChecked(HWND checkBox) { return SendMessageW(checkBox, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void SetChecked(HWND checkBox, bool checked) {
  SendMessageW(checkBox, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void SetProgress(HWND progressBar, int percent) {
  if (percent < 0) percent = 0;
  if (percent > 100) percent = 100;
  SendMessageW(progressBar, PBM_SETPOS, static_cast<WPARAM>(percent), 0);
}

HWND CreateChildControl(HWND parent, const wchar_t* className, const std::string& gbkText, DWORD style,
                        int controlId, int x, int y, int width, int height, int dpi, HFONT font,
                        DWORD exStyle) {
  HWND control = CreateWindowExW(
      exStyle, className, WideFromGbk(gbkText).c_str(), WS_CHILD | WS_VISIBLE | style, ScaleForDpi(x, dpi),
      ScaleForDpi(y, dpi), ScaleForDpi(width, dpi), ScaleForDpi(height, dpi), parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), GetModuleHandleW(nullptr), nullptr);
  if (control && font) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  return control;
}

}  // namespace cw
