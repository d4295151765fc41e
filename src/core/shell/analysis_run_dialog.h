#pragma once

namespace quavis {

// What the run-analysis dialog shows, as data a window can draw. Created once with the main window and
// shown, not modal, while the engine computes.
struct TDlgRunAnalysis {
    static constexpr const char* Caption = "Quavis, Run Analysis";
    static constexpr const char* Label1 = "Computations are underway";
    static constexpr const char* Label2 = "please wait ..........";
    static constexpr int TimerInterval = 100;  // ms, of TimerRun

    int ProgressMin = 0;
    int ProgressMax = 100;
    int ProgressPosition = 50;
    bool Visible = false;

    // TimerRun's tick: the bar grows by 10 and starts again from 0 when that would pass its maximum.
    void TimerRunTimer()
    {
        if (ProgressMax < ProgressPosition + 10)
            ProgressPosition = 0;
        else
            ProgressPosition += 10;
    }
};

} // namespace quavis
