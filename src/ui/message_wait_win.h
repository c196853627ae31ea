// Waiting while the calling thread keeps handling its window messages.
#pragma once

namespace cw {

// Processes the calling thread's messages for `milliseconds`, then returns. A
// WM_QUIT met on the way is put back for the outer loop and ends the wait.
void WaitWithMessages(int milliseconds);

}  // namespace cw
