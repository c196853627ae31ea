// Waiting for a condition without spinning: between checks the caller's thread
// blocks briefly, on the watched process when there is one.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>

namespace cw::e2e {

// How long a wait may take before a test gives up on it. Generous: a wait ends as
// soon as its condition holds, so this only matters when something is wrong.
inline constexpr std::chrono::milliseconds kDefaultTimeout{10000};

// Checks `condition` until it holds or `timeout` has passed. With `process` given,
// the pause between checks is a wait on that process, and the wait gives up early
// (after one last check) once the process has ended.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout,
               HANDLE process = nullptr);

}  // namespace cw::e2e
