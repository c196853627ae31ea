#include "file_lock.h"

namespace cw::test {

ExclusiveFileLock::ExclusiveFileLock(const std::string&) {}
ExclusiveFileLock::~ExclusiveFileLock() = default;

}  // namespace cw::test
