// Owning wrappers for the GDI objects the program draws with: each is released
// exactly once, by the call its kind needs.
#pragma once

#include <windows.h>

#include <utility>

namespace cw {

// The whole screen's device context.
class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ~ScreenDc() {
    if (dc_ != nullptr) ReleaseDC(nullptr, dc_);
  }
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// A memory device context compatible with `like`.
class MemoryDc {
 public:
  explicit MemoryDc(HDC like) : dc_(CreateCompatibleDC(like)) {}
  ~MemoryDc() {
    if (dc_ != nullptr) DeleteDC(dc_);
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

class GdiBitmap {
 public:
  GdiBitmap() = default;
  explicit GdiBitmap(HBITMAP bitmap) : bitmap_(bitmap) {}
  ~GdiBitmap() { Reset(); }
  GdiBitmap(GdiBitmap&& other) noexcept : bitmap_(std::exchange(other.bitmap_, nullptr)) {}
  GdiBitmap& operator=(GdiBitmap&& other) noexcept {
    if (this != &other) {
      Reset();
      bitmap_ = std::exchange(other.bitmap_, nullptr);
    }
    return *this;
  }
  GdiBitmap(const GdiBitmap&) = delete;
  GdiBitmap& operator=(const GdiBitmap&) = delete;
  HBITMAP Get() const { return bitmap_; }
  void Reset() {
    if (bitmap_ != nullptr) DeleteObject(bitmap_);
    bitmap_ = nullptr;
  }

 private:
  HBITMAP bitmap_ = nullptr;
};

// Selects an object into a device context for the scope's lifetime.
class DcSelection {
 public:
  DcSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~DcSelection() {
    if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }
  DcSelection(const DcSelection&) = delete;
  DcSelection& operator=(const DcSelection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace cw
