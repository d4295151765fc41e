#include "shell/analysis_run_worker.h"

#include <exception>
#include <future>
#include <thread>

namespace quavis {

void CallOnWorkerThread(const std::function<void()>& call, const std::function<void()>& tick,
                        std::chrono::milliseconds interval)
{
    std::packaged_task<void()> task(call);
    std::future<void> done = task.get_future();
    std::thread worker(std::move(task));
    std::exception_ptr tickError;
    while (done.wait_for(interval) != std::future_status::ready) {
        if (!tick || tickError)
            continue;
        try {
            tick();
        } catch (...) {
            // The engine cannot be stopped halfway: keep waiting for it, then report.
            tickError = std::current_exception();
        }
    }
    worker.join();
    done.get();
    if (tickError)
        std::rethrow_exception(tickError);
}

} // namespace quavis
