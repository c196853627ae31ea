#include "ui/about_window_win.h"

#include <commctrl.h>
#include <shellapi.h>

#include "app/resource_ids.h"
#include "ui/controls_win.h"
#include "ui/dpi_win.h"
#include "ui/gdi_objects_win.h"
#include "ui/main_window_layout.h"
#include "ui/wide_text_win.h"

namespace cw {
namespace {

constexpr int kWidth = 377;
constexpr int kHeight = 252;
constexpr int kPictureX = 16, kPictureY = 24, kPictureSize = 64;
constexpr int kLinkId = 101;
constexpr int kStaticId = -1;

// A 32-bit picture resource with its alpha premultiplied, ready for AlphaBlend.
GdiBitmap LoadPremultipliedPicture(int resource) {
  GdiBitmap bitmap(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource),
                                                   IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  DIBSECTION section{};
  if (!bitmap.Get() || GetObjectW(bitmap.Get(), sizeof section, &section) != sizeof section ||
      section.dsBm.bmBitsPixel != 32 || !section.dsBm.bmBits) {
    return bitmap;
  }
  auto* pixel = static_cast<BYTE*>(section.dsBm.bmBits);
  for (LONG i = 0; i < section.dsBm.bmWidth * section.dsBm.bmHeight; ++i, pixel += 4) {
    BYTE alpha = pixel[3];
    for (int channel = 0; channel < 3; ++channel) {
      pixel[channel] = static_cast<BYTE>(pixel[channel] * alpha / 255);
    }
  }
  return bitmap;
}

}  // namespace

void AboutWindow::ShowModal(HWND owner) {
  AboutWindow window;
  if (window.Create(owner)) window.RunModal(owner);
}

bool AboutWindow::Create(HWND owner) {
  dpi_ = WindowDpi(owner);
  RECT ownerRect{};
  GetWindowRect(owner, &ownerRect);
  int width = ScaleForDpi(kWidth, dpi_);
  int height = ScaleForDpi(kHeight, dpi_);
  CreateParams params{L"ChengwangAbout",
                      WideFromGbk(TitleText()),
                      WS_POPUP | WS_CAPTION | WS_SYSMENU,
                      WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT,
                      ownerRect.left + ((ownerRect.right - ownerRect.left) - width) / 2,
                      ownerRect.top + ((ownerRect.bottom - ownerRect.top) - height) / 2,
                      width,
                      height,
                      owner};
  if (!Window::Create(params)) return false;
  font_ = UiFont(dpi_);
  titleFont_ = UiFont(dpi_, true);
  picture_ = LoadPremultipliedPicture(dpi_ >= 144 ? IDB_ABOUT128 : IDB_ABOUT64);

  CreateChildControl(handle(), L"STATIC", TitleText() + " 版", SS_LEFT, kStaticId, 112, 16, 240, 24, dpi_,
                     titleFont_.get());
  std::string link = std::string("<a>") + kMakerPageAddress + "</a>";
  CreateChildControl(handle(), WC_LINK, link, WS_TABSTOP, kLinkId, 112, 88, 240, 24, dpi_, font_.get());
  HWND ok = CreateChildControl(handle(), L"BUTTON", "确定", WS_TABSTOP | BS_DEFPUSHBUTTON, IDOK, 256, 160, 80,
                               32, dpi_, font_.get());
  SetFocus(ok);
  return true;
}

LRESULT AboutWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      // 确定, and Enter anywhere in the window, close it.
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) Close();
      return 0;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (header->idFrom == kLinkId && (header->code == NM_CLICK || header->code == NM_RETURN)) {
        ShellExecuteW(handle(), nullptr, WideFromGbk(kMakerPageAddress).c_str(), nullptr, nullptr,
                      SW_SHOWNORMAL);
      }
      return 0;
    }
    case WM_PAINT:
      Paint();
      return 0;
    default:
      return Window::HandleMessage(message, wParam, lParam);
  }
}

void AboutWindow::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(handle(), &paint);
  BITMAP info{};
  if (picture_.Get() && GetObjectW(picture_.Get(), sizeof info, &info)) {
    MemoryDc memory(dc);
    DcSelection selected(memory.Get(), picture_.Get());
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    int size = ScaleForDpi(kPictureSize, dpi_);
    AlphaBlend(dc, ScaleForDpi(kPictureX, dpi_), ScaleForDpi(kPictureY, dpi_), size, size, memory.Get(), 0, 0,
               info.bmWidth, info.bmHeight, blend);
  }
  EndPaint(handle(), &paint);
}

}  // namespace cw
