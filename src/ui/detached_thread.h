// Threads that are started and forgotten: nothing joins them. The routine gets
// one 32-bit argument; an exception it throws ends only that routine.
#pragma once

#include <cstdint>
#include <functional>

namespace cw {

// False when the thread could not be started.
bool StartDetachedThread(std::function<void(std::int32_t)> routine, std::int32_t argument);

}  // namespace cw
