#pragma once

#include <chrono>
#include <functional>

namespace quavis {

// Runs `call` on a worker thread and returns once it has finished. Until then `tick` runs on the calling
// thread about every `interval`: the desktop advances the run dialog's bar and processes its events
// there, so the window stays painted while the engine computes. An exception thrown by `call` is
// rethrown here after the worker has ended; one thrown by `tick` ends the waiting only once the call has
// finished, then it is rethrown.
void CallOnWorkerThread(const std::function<void()>& call, const std::function<void()>& tick,
                        std::chrono::milliseconds interval);

} // namespace quavis
