// Layouts are given in pixels at 96 DPI and scaled to the DPI of the window's monitor.
#pragma once

#include <windows.h>

namespace cw {

constexpr int kDesignDpi = 96;

// The DPI of the window's monitor (the system DPI on systems without per-monitor DPI).
int WindowDpi(HWND window);

// A 96-DPI pixel size scaled to `dpi`.
inline int ScaleForDpi(int designPixels, int dpi) { return MulDiv(designPixels, dpi, kDesignDpi); }

// Turns on per-monitor DPI awareness where the manifest could not (older systems).
void EnableDpiAwareness();

}  // namespace cw
