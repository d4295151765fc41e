#include "results/result_graphs.h"

namespace quavis {

namespace {

constexpr std::array<const char*, TResultGraphs::GraphCount> kNames = {
    "pltRealKXX", "pltRealKPPX", "pltDampCXX",  "pltDampCPPX", "pltDxyzR",   "pltMxyzR",
    "pltRealKYY", "pltRealKWW",  "pltRealKPPY", "pltRealKZT",  "pltDampCYY", "pltDampCWW",
    "pltDampCPPY", "pltDampCZT", "pltRealKXP",  "pltRealKYP",  "pltDampCXP", "pltDampCYP",
};

struct TDisplayedSettings {
    const char* caption;
    const char* xCaption;
    const char* xUnits;
    const char* yCaption;
    const char* yUnits;
};

// The six graphs that windows show, in the order of kNames.
constexpr std::array<TDisplayedSettings, 6> kDisplayed = {{
    {"Translational Stiffnesses  (Real Part)", "Frequency (Hz)", "", "Translational Stiffness", "F/L2"},
    {"Rotational Stiffnesses  (Real Part)", "Frequency (Hz)", "", "Rotational Stiffness", "F-L2/radian"},
    {"Translational Damping Coefficient", "Frequencies", "Hz", "Translational Damping", "F-sec/L2-radian"},
    {"Rotational Damping Coefficient", "Frequency (Hz)", "", "Rotational Damping", "F-L2-sec/radian2"},
    {"Footing Response", "Frequency", "Hz", "Translational Amplitude", "L2"},
    {"Footing Response", "Frequency", "Hz", "Rotational Amplitude", "rad."},
}};

} // namespace

TResultGraphs::TResultGraphs()
    : pltRealKXX(m_storage[0]),
      pltRealKPPX(m_storage[1]),
      pltDampCXX(m_storage[2]),
      pltDampCPPX(m_storage[3]),
      pltDxyzR(m_storage[4]),
      pltMxyzR(m_storage[5]),
      pltRealKYY(m_storage[6]),
      pltRealKWW(m_storage[7]),
      pltRealKPPY(m_storage[8]),
      pltRealKZT(m_storage[9]),
      pltDampCYY(m_storage[10]),
      pltDampCWW(m_storage[11]),
      pltDampCPPY(m_storage[12]),
      pltDampCZT(m_storage[13]),
      pltRealKXP(m_storage[14]),
      pltRealKYP(m_storage[15]),
      pltDampCXP(m_storage[16]),
      pltDampCYP(m_storage[17])
{
    for (std::size_t i = 0; i < GraphCount; ++i) {
        TGraphPlot& graph = m_storage[i];
        m_graphs[i] = &graph;
        graph.Name = kNames[i];
        graph.CurveName = "Curve #";
        graph.ShowLegend = true;
        graph.ShowFontWidth = true;
        graph.XOnTop = false;
        graph.Markers = 1;
        graph.SizeFont = 10;
        graph.LegendFont = 11;
        graph.WidthLine = 1;
        graph.SetUnits(1);
        if (i < kDisplayed.size()) {
            graph.Caption = kDisplayed[i].caption;
            graph.XCaption = kDisplayed[i].xCaption;
            graph.XUnits = kDisplayed[i].xUnits;
            graph.YCaption = kDisplayed[i].yCaption;
            graph.YUnits = kDisplayed[i].yUnits;
        }
    }
    pltDampCWW.CurveName = "#";

    std::size_t k = 0;
    for (TGraphPlot* graph : m_graphs)
        if (graph != &pltDxyzR && graph != &pltMxyzR) m_impedance[k++] = graph;
}

TGraphPlot* TResultGraphs::Find(std::string_view name) const
{
    for (TGraphPlot* graph : m_graphs)
        if (graph->Name == name) return graph;
    return nullptr;
}

void TResultGraphs::NotifyCurvesChanged()
{
    for (TGraphPlot* graph : m_graphs) graph->NotifyCurvesChanged();
}

} // namespace quavis
