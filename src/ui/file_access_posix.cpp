// Host implementation of the file access, used by the native build and its tests.
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "ui/file_access.h"

namespace cw {
namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (valid()) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  bool valid() const { return fd_ >= 0; }
  int get() const { return fd_; }
  // Closes now and tells whether the close itself succeeded.
  bool Close() {
    int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

std::string FilePathIn(std::string_view directory, std::string_view fileName) {
  std::string path(directory);
  path += '/';
  path += fileName;
  return path;
}

bool FileExists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (!file.valid()) return std::nullopt;
  struct stat info {};
  // Only regular files, as on Windows, where a folder cannot be opened for reading.
  if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  std::string bytes;
  char piece[65536];
  for (;;) {
    ssize_t got = ::read(file.get(), piece, sizeof piece);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return std::nullopt;
    if (got == 0) break;
    bytes.append(piece, static_cast<std::size_t>(got));
  }
  return bytes;
}

bool WriteFileBytes(const std::string& path, std::string_view bytes) {
  std::string temporary = path + ".new";
  FileDescriptor file(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
  if (!file.valid()) return false;
  bool ok = WriteAll(file.get(), bytes) && ::fsync(file.get()) == 0;
  ok = file.Close() && ok;
  if (!ok || std::rename(temporary.c_str(), path.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  return true;
}

bool DeleteFileAt(const std::string& path) { return ::unlink(path.c_str()) == 0; }

}  // namespace cw
