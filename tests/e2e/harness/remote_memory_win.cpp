#include "harness/remote_memory_win.h"

namespace cw::e2e {

RemoteMemory::RemoteMemory(HANDLE process, size_t size)
    : process_(process),
      size_(size),
      address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}

RemoteMemory::~RemoteMemory() {
  if (address_ != nullptr) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
}

bool RemoteMemory::Write(const void* data, size_t size, size_t offset) const {
  if (address_ == nullptr || offset > size_ || size > size_ - offset) return false;
  SIZE_T written = 0;
  return WriteProcessMemory(process_, At(offset), data, size, &written) && written == size;
}

bool RemoteMemory::Read(void* data, size_t size, size_t offset) const {
  if (address_ == nullptr || offset > size_ || size > size_ - offset) return false;
  SIZE_T read = 0;
  return ReadProcessMemory(process_, At(offset), data, size, &read) && read == size;
}

}  // namespace cw::e2e
