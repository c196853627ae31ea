// Holds a file open so that no other opening of it can read, replace or delete it,
// the way another program can lock a file on Windows. Host systems have no such
// lock; there held() is false and the tests that need it are skipped.
#pragma once

#include <string>

namespace cw::test {

class ExclusiveFileLock {
 public:
  explicit ExclusiveFileLock(const std::string& path);
  ~ExclusiveFileLock();
  ExclusiveFileLock(const ExclusiveFileLock&) = delete;
  ExclusiveFileLock& operator=(const ExclusiveFileLock&) = delete;
  bool held() const { return handle_ != nullptr; }

 private:
  void* handle_ = nullptr;
};

}  // namespace cw::test
