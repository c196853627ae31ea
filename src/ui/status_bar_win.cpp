#include "ui/status_bar_win.h"

#include <commctrl.h>

#include "ui/dpi_win.h"
#include "ui/wide_text_win.h"

namespace cw {

StatusBar::StatusBar(HWND parent, int controlId, int firstPartWidth) : firstPartWidth_(firstPartWidth) {
  bar_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), GetModuleHandleW(nullptr),
                         nullptr);
}

void StatusBar::SetPartText(int part, const std::string& gbkText) {
  SendMessageW(bar_, SB_SETTEXTW, static_cast<WPARAM>(part),
               reinterpret_cast<LPARAM>(WideFromGbk(gbkText).c_str()));
}

int StatusBar::Layout(int dpi) {
  SendMessageW(bar_, WM_SIZE, 0, 0);
  int parts[2] = {ScaleForDpi(firstPartWidth_, dpi), -1};
  SendMessageW(bar_, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
  RECT rect{};
  GetWindowRect(bar_, &rect);
  return rect.bottom - rect.top;
}

}  // namespace cw
