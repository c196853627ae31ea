#include "harness/scratch_folder_win.h"

#include <windows.h>

#include <algorithm>

#include "harness/host_paths_win.h"
#include "ui/unique_handle_win.h"

namespace cw::e2e {
namespace {

class FindHandle {
 public:
  explicit FindHandle(HANDLE handle) : handle_(handle) {}
  ~FindHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
  }
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;
  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

// Deletes everything inside `folder`, keeping the folder itself.
bool EmptyFolder(const std::wstring& folder) {
  WIN32_FIND_DATAW entry;
  FindHandle find(FindFirstFileW(JoinPath(folder, L"*").c_str(), &entry));
  if (!find.Valid()) return GetLastError() == ERROR_FILE_NOT_FOUND;
  bool ok = true;
  do {
    const std::wstring name = entry.cFileName;
    if (name == L"." || name == L"..") continue;
    const std::wstring path = JoinPath(folder, name);
    if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
      ok = EmptyFolder(path) && RemoveDirectoryW(path.c_str()) && ok;
    } else {
      SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      ok = DeleteFileW(path.c_str()) && ok;
    }
  } while (FindNextFileW(find.Get(), &entry));
  return ok;
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::wstring& path) {
  UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  std::string bytes;
  char buffer[4096];
  for (;;) {
    DWORD read = 0;
    if (!::ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr)) return std::nullopt;
    if (read == 0) return bytes;
    bytes.append(buffer, read);
  }
}

bool WriteFileBytes(const std::wstring& path, std::string_view bytes) {
  UniqueHandle file(
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  while (!bytes.empty()) {
    DWORD written = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1 << 20));
    if (!::WriteFile(file.Get(), bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

ScratchFolder::ScratchFolder(std::wstring path) : path_(std::move(path)) {
  ready_ = CreateFolderTree(path_) && EmptyFolder(path_);
}

std::wstring ScratchFolder::FilePath(std::wstring_view name) const { return JoinPath(path_, name); }

bool ScratchFolder::WriteFile(std::wstring_view name, std::string_view bytes) const {
  return WriteFileBytes(FilePath(name), bytes);
}

std::optional<std::string> ScratchFolder::ReadFile(std::wstring_view name) const {
  return ReadFileBytes(FilePath(name));
}

bool ScratchFolder::HasFile(std::wstring_view name) const {
  const DWORD attributes = GetFileAttributesW(FilePath(name).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::optional<std::wstring> ScratchFolder::CopyIn(const std::wstring& source) const {
  std::wstring target = FilePath(FileNameOf(source));
  if (!CopyFileW(source.c_str(), target.c_str(), FALSE)) return std::nullopt;
  return target;
}

}  // namespace cw::e2e
