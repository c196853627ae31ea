// Small operations on controls inside windows, with GBK text at this boundary.
#pragma once

#include <windows.h>

#include <string>

namespace cw {

std::string ControlText(HWND control);
void SetControlText(HWND control, const std::string& gbkText);
bool IsChecked(HWND checkBox);
void SetChecked(HWND checkBox, bool checked);
void SetProgress(HWND progressBar, int percent);  // 0 to 100

// A child control at a 96-DPI rectangle, scaled to `dpi`, with the given font.
HWND CreateChildControl(HWND parent, const wchar_t* className, const std::string& gbkText, DWORD style,
                        int controlId, int x, int y, int width, int height, int dpi, HFONT font,
                        DWORD exStyle = 0);

}  // namespace cw
