// A block of memory inside another process, for the control messages whose
// arguments the system does not carry across processes (list view, status bar,
// toolbar). Released at destruction.
#pragma once

#include <windows.h>

#include <cstddef>

namespace cw::e2e {

class RemoteMemory {
 public:
  RemoteMemory(HANDLE process, size_t size);
  ~RemoteMemory();
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;

  bool Valid() const { return address_ != nullptr; }
  size_t Size() const { return size_; }
  // The block's address in the other process, `offset` bytes in.
  void* At(size_t offset = 0) const { return static_cast<char*>(address_) + offset; }
  LPARAM AsParam(size_t offset = 0) const { return reinterpret_cast<LPARAM>(At(offset)); }

  bool Write(const void* data, size_t size, size_t offset = 0) const;
  bool Read(void* data, size_t size, size_t offset = 0) const;

  template <typename T>
  bool WriteValue(const T& value, size_t offset = 0) const {
    return Write(&value, sizeof value, offset);
  }
  template <typename T>
  bool ReadValue(T& value, size_t offset = 0) const {
    return Read(&value, sizeof value, offset);
  }

 private:
  HANDLE process_;
  size_t size_;
  void* address_;
};

}  // namespace cw::e2e
