#include "ui/detached_thread.h"

#include <system_error>
#include <thread>

namespace cw {

bool StartDetachedThread(std::function<void(std::int32_t)> routine, std::int32_t argument) {
  try {
    std::thread([routine = std::move(routine), argument] {
      try {
        routine(argument);
      } catch (...) {
        // Nothing may leave a thread's entry function.
      }
    }).detach();
    return true;
  } catch (const std::system_error&) {
    return false;
  }
}

}  // namespace cw
