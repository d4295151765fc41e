#pragma once

#include "graph/graph_plot.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace quavis {

// The eighteen result graphs of the main window with their stored settings. They live as long as the
// window (and the project object that stands for it headless); reading a plot-data file refills their
// curves, never their settings.
class TResultGraphs {
public:
    static constexpr std::size_t GraphCount = 18;
    static constexpr std::size_t ImpedanceGraphCount = 16;

    TResultGraphs();
    TResultGraphs(const TResultGraphs&) = delete;
    TResultGraphs& operator=(const TResultGraphs&) = delete;

private:
    // Declared before the references below so that it is built first.
    std::array<TGraphPlot, GraphCount> m_storage;

public:
    // In the order in which reports list them.
    TGraphPlot& pltRealKXX;
    TGraphPlot& pltRealKPPX;
    TGraphPlot& pltDampCXX;
    TGraphPlot& pltDampCPPX;
    TGraphPlot& pltDxyzR;
    TGraphPlot& pltMxyzR;
    TGraphPlot& pltRealKYY;
    TGraphPlot& pltRealKWW;
    TGraphPlot& pltRealKPPY;
    TGraphPlot& pltRealKZT;
    TGraphPlot& pltDampCYY;
    TGraphPlot& pltDampCWW;
    TGraphPlot& pltDampCPPY;
    TGraphPlot& pltDampCZT;
    TGraphPlot& pltRealKXP;
    TGraphPlot& pltRealKYP;
    TGraphPlot& pltDampCXP;
    TGraphPlot& pltDampCYP;

    // All eighteen, in the order above.
    const std::array<TGraphPlot*, GraphCount>& Graphs() const { return m_graphs; }
    // The sixteen stiffness and damping graphs (all but the two response graphs).
    const std::array<TGraphPlot*, ImpedanceGraphCount>& ImpedanceGraphs() const { return m_impedance; }

    // The graph of that component name, or nullptr.
    TGraphPlot* Find(std::string_view name) const;

    // The outcome of the last read of the project's plot-data file (the main window's flag). Set only
    // when such a file existed at open time; otherwise it keeps its value.
    bool ResultsLoaded = false;

    // Tells every open plot window that the curves may have changed.
    void NotifyCurvesChanged();

private:
    std::array<TGraphPlot*, GraphCount> m_graphs{};
    std::array<TGraphPlot*, ImpedanceGraphCount> m_impedance{};
};

} // namespace quavis
