// The UI font the program sets on every control: a CJK-capable face at 9 points.
#pragma once

#include <windows.h>

namespace cw {

class UiFont {
 public:
  UiFont() = default;
  explicit UiFont(int dpi, bool bold = false);
  ~UiFont();
  UiFont(UiFont&& other) noexcept : font_(other.font_) { other.font_ = nullptr; }
  UiFont& operator=(UiFont&& other) noexcept;
  UiFont(const UiFont&) = delete;
  UiFont& operator=(const UiFont&) = delete;

  HFONT get() const { return font_; }

 private:
  HFONT font_ = nullptr;
};

// Sets `font` on the window and all of its child windows.
void ApplyFont(HWND window, HFONT font);

}  // namespace cw
