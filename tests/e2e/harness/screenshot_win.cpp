#include "harness/screenshot_win.h"

#include <algorithm>
#include <set>

#include "harness/host_paths_win.h"
#include "harness/scratch_folder_win.h"
#include "harness/wait_win.h"
#include "ui/gdi_objects_win.h"

namespace cw::e2e {
namespace {

BOOL CALLBACK FindUnpainted(HWND window, LPARAM context) {
  if (!IsWindowVisible(window) || !GetUpdateRect(window, nullptr, FALSE)) return TRUE;
  *reinterpret_cast<bool*>(context) = true;
  return FALSE;
}

bool HasUnpaintedParts(HWND window) {
  if (IsWindowVisible(window) && GetUpdateRect(window, nullptr, FALSE)) return true;
  bool found = false;
  EnumChildWindows(window, FindUnpainted, reinterpret_cast<LPARAM>(&found));
  return found;
}

}  // namespace

bool WaitUntilPainted(HWND window, std::chrono::milliseconds timeout, HANDLE process) {
  return WaitUntil([&] { return IsWindow(window) && !HasUnpaintedParts(window); }, timeout, process);
}

std::optional<RgbImage> CaptureScreen() {
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  if (width <= 0 || height <= 0) return std::nullopt;

  ScreenDc screen;
  MemoryDc memory(screen.Get());
  if (screen.Get() == nullptr || memory.Get() == nullptr) return std::nullopt;

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  GdiBitmap bitmap(CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (bitmap.Get() == nullptr || bits == nullptr) return std::nullopt;
  {
    DcSelection selected(memory.Get(), bitmap.Get());
    if (!BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), left, top, SRCCOPY | CAPTUREBLT)) {
      return std::nullopt;
    }
  }
  GdiFlush();

  RgbImage image;
  image.width = width;
  image.height = height;
  image.pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
  const auto* source = static_cast<const std::uint8_t*>(bits);  // blue, green, red, unused
  for (size_t pixel = 0; pixel < static_cast<size_t>(width) * static_cast<size_t>(height); ++pixel) {
    image.pixels[pixel * 3 + 0] = source[pixel * 4 + 2];
    image.pixels[pixel * 3 + 1] = source[pixel * 4 + 1];
    image.pixels[pixel * 3 + 2] = source[pixel * 4 + 0];
  }
  return image;
}

bool WritePng(const std::wstring& path, const RgbImage& image) {
  const std::string png = EncodePng(image);
  if (png.empty()) return false;
  const size_t slash = path.find_last_of(L'\\');
  if (slash != std::wstring::npos && !CreateFolderTree(path.substr(0, slash))) return false;
  return WriteFileBytes(path, png);
}

std::optional<RgbImage> SaveScreenshot(const std::wstring& path) {
  auto image = CaptureScreen();
  if (!image || !WritePng(path, *image)) return std::nullopt;
  return image;
}

int CountColoursIn(const RgbImage& image, const RECT& area) {
  const int left = std::max<int>(0, area.left);
  const int top = std::max<int>(0, area.top);
  const int right = std::min<int>(image.width, area.right);
  const int bottom = std::min<int>(image.height, area.bottom);
  std::set<std::uint32_t> colours;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      const size_t at =
          (static_cast<size_t>(y) * static_cast<size_t>(image.width) + static_cast<size_t>(x)) * 3;
      colours.insert(static_cast<std::uint32_t>(image.pixels[at]) << 16 |
                     static_cast<std::uint32_t>(image.pixels[at + 1]) << 8 | image.pixels[at + 2]);
    }
  }
  return static_cast<int>(colours.size());
}

}  // namespace cw::e2e
