#include "ui/ui_font_win.h"

#include "ui/dpi_win.h"

namespace cw {

UiFont::UiFont(int dpi, bool bold) {
  LOGFONTW face{};
  face.lfHeight = -MulDiv(9, dpi, 72);
  face.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  face.lfCharSet = DEFAULT_CHARSET;
  face.lfQuality = CLEARTYPE_QUALITY;
  // Present on every Windows since Vista whatever the display language; it carries
  // the Chinese glyphs that the usual Latin UI faces lack.
  lstrcpynW(face.lfFaceName, L"Microsoft YaHei UI", LF_FACESIZE);
  font_ = CreateFontIndirectW(&face);
}

UiFont::~UiFont() {
  if (font_) DeleteObject(font_);
}

UiFont& UiFont::operator=(UiFont&& other) noexcept {
  if (this != &other) {
    if (font_) DeleteObject(font_);
    font_ = other.font_;
    other.font_ = nullptr;
  }
  return *this;
}

void ApplyFont(HWND window, HFONT font) {
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  EnumChildWindows(
      window,
      [](HWND child, LPARAM value) -> BOOL {
        SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(value), TRUE);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(font));
}

}  // namespace cw
