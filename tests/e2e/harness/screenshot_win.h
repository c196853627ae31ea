// Pictures of the screen, for a person to look at after a run.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

#include "harness/png_encoder.h"

namespace cw::e2e {

// Waits until `window` and every window inside it have no part left to paint, so that
// a picture taken next shows them drawn. With `process` given, gives up once it ends.
bool WaitUntilPainted(HWND window, std::chrono::milliseconds timeout, HANDLE process = nullptr);

// The whole screen as the desktop shows it now.
std::optional<RgbImage> CaptureScreen();

// Writes `image` as PNG to `path`, creating its folder.
bool WritePng(const std::wstring& path, const RgbImage& image);

// Captures the screen and writes it as PNG to `path`; the picture taken, or nothing
// when capturing or writing failed.
std::optional<RgbImage> SaveScreenshot(const std::wstring& path);

// How many different colours the image has inside `area` (clipped to the image);
// a blank or black picture has one.
int CountColoursIn(const RgbImage& image, const RECT& area);

}  // namespace cw::e2e
