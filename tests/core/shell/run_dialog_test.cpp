#include "shell/analysis_run_dialog.h"
#include "shell/analysis_run_worker.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

namespace quavis::test {
namespace {

TEST(RunAnalysisDialog, TheTimerMovesTheBarRoundByTens)
{
    TDlgRunAnalysis dialog;
    std::vector<int> positions;
    for (int i = 0; i < 8; ++i) {
        dialog.TimerRunTimer();
        positions.push_back(dialog.ProgressPosition);
    }
    EXPECT_EQ(positions, (std::vector<int>{60, 70, 80, 90, 100, 0, 10, 20}));
}

TEST(RunAnalysisWorker, TicksOnTheCallersThreadWhileTheCallRuns)
{
    const std::thread::id caller = std::this_thread::get_id();
    std::atomic<int> ticks{0};
    std::thread::id callThread;
    bool ticksOnCaller = true;
    // The call can only end once the caller has ticked three times: both must run at once.
    CallOnWorkerThread(
        [&] {
            callThread = std::this_thread::get_id();
            while (ticks.load() < 3)
                std::this_thread::yield();
        },
        [&] {
            ticksOnCaller = ticksOnCaller && std::this_thread::get_id() == caller;
            ++ticks;
        },
        std::chrono::milliseconds(1));
    EXPECT_NE(callThread, caller);
    EXPECT_TRUE(ticksOnCaller);
    EXPECT_GE(ticks.load(), 3);
}

TEST(RunAnalysisWorker, ErrorsReachTheCallerAfterTheCallHasEnded)
{
    EXPECT_THROW(CallOnWorkerThread([] { throw std::runtime_error("engine"); }, {}, std::chrono::milliseconds(1)),
                 std::runtime_error);

    std::atomic<bool> ended{false};
    std::atomic<int> ticks{0};
    try {
        CallOnWorkerThread(
            [&] {
                while (ticks.load() < 1)
                    std::this_thread::yield();
                ended = true;
            },
            [&] {
                ++ticks;
                throw std::logic_error("tick");
            },
            std::chrono::milliseconds(1));
        ADD_FAILURE() << "the tick's error was lost";
    } catch (const std::logic_error&) {
        EXPECT_TRUE(ended.load());
    }
    EXPECT_EQ(ticks.load(), 1);
}

} // namespace
} // namespace quavis::test
