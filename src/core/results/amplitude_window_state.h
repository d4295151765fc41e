#pragma once

#include "model/program_data.h"
#include "results/amplitudes.h"
#include "results/result_graphs.h"

#include <filesystem>
#include <string>

namespace quavis {

// The interactive amplitude window without its widgets: the state of its controls and what each handler
// does to it. The window shows Selection() in its controls and Chart() in its chart, and repaints after
// every handler. Created once; it refers to the project's model and graphs, which outlive it.
class TAmplitudeWindowState {
public:
    TAmplitudeWindowState(const TProgramData& data, const TResultGraphs& graphs);

    const TAmplitudeSelection& Selection() const { return m_selection; }
    const TAmplitudeChart& Chart() const { return m_chart; }
    // The unit system in which the three fields hold their numbers.
    int LastUnitChoice() const { return m_lastUnitChoice; }
    // The unit system of the three fields' labels ("X (ft)" or "X (m)").
    int FieldUnitSystem() const { return m_selection.Shown; }

    // Window shown: the project's unit system, the centre of gravity in the fields.
    void FormActivate();
    // "Default (C.G.)": the centre of gravity in displayed units.
    void Button1Click();
    // A field changed (axis 0..2 for X, Y, Z).
    void SetPoint(int axis, long double value);
    void SetType(TAmplitudeType type);
    // "English Units (ft)" (1) or "SI Units (m)" (2) chosen: the fields keep their place in space.
    void SelectUnits(int shown);
    // A direction box ticked or cleared (axis 0..2).
    void SetDirection(int axis, bool shown);
    // "Only" beside a direction: that direction alone.
    void OnlyDirection(int axis);
    // "All".
    void AllDirections();

    void Recompute();

    std::string ExportText() const { return AmplitudeExportText(m_selection, m_chart); }
    void Export(const std::filesystem::path& path) const { ExportAmplitudes(path, m_selection, m_chart); }
    std::string PointReport(int series, int index) const { return AmplitudePointReport(m_chart, series, index); }

private:
    const TProgramData& m_data;
    const TResultGraphs& m_graphs;
    TAmplitudeSelection m_selection;
    int m_lastUnitChoice = SI;
    TAmplitudeChart m_chart = EmptyAmplitudeChart();
};

} // namespace quavis
