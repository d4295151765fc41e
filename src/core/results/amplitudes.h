#pragma once

#include "graph/graph_plot.h"
#include "model/program_data.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace quavis {

// Metres per foot, the one factor between the two length units of the amplitude window.
inline constexpr long double AmplitudeMetresPerFoot = 0.3048L;

enum class TAmplitudeType { Displacement, Rotation };

// What the amplitude window's controls hold.
struct TAmplitudeSelection {
    // The reference point X, Y, Z as the three fields hold it, in the displayed unit system.
    std::array<long double, 3> Point{};
    // Displayed unit system: 1 English (ft), 2 SI (m).
    int Shown = SI;
    TAmplitudeType Type = TAmplitudeType::Displacement;
    // "X dir", "Y dir", "Z dir" ticked.
    std::array<bool, 3> Directions{true, true, true};
};

// The factor from the project's length unit to the displayed one: 1 when they agree, 1 / 0.3048 with
// English shown, 0.3048 with SI shown.
long double LengthFactor(int projectUnitSystem, int shownUnitSystem);

// One chart point as a series stores it.
struct TSeriesPoint {
    double X = 0;
    double Y = 0;
};

// The values behind one frequency, taken from the response graphs when the series were computed, for
// the point report: the translation at the centre of gravity in displayed units and the rotations.
struct TAmplitudeSample {
    std::array<long double, 3> Translation{}; // k*Dx, k*Dy, k*Dz
    std::array<long double, 3> Rotation{};    // theta x, y, z
};

struct TAmplitudeSeries {
    std::string Title;
    std::vector<TSeriesPoint> Points; // in ascending order of X, as the chart keeps them
    bool Visible = true;
};

// What the chart shows after RecomputeAmplitudes.
struct TAmplitudeChart {
    std::string LeftAxisTitle;
    long double LengthFactor = 1;
    // "X-Dir", "Y-Dir", "Z-dir".
    std::array<TAmplitudeSeries, 3> Series;
    // Samples[i] belongs to point i of every series.
    std::vector<TAmplitudeSample> Samples;
};

// The chart's series with their titles and no points.
TAmplitudeChart EmptyAmplitudeChart();

// The response at the selected point of the rigid footing: the translation at the centre of gravity
// plus r x theta, with r the lever arm from the centre of gravity (both in displayed units), computed in
// extended precision and stored in double; or, with Rotation, the rotations themselves. The frequencies
// and amplitudes come from the three curves of the two response graphs; graphs without three curves
// each give empty series, and only points present in all six curves are used.
TAmplitudeChart RecomputeAmplitudes(const TProgramData& data, const TGraphPlot& pltDxyzR, const TGraphPlot& pltMxyzR,
                                    const TAmplitudeSelection& selection);

// The export file's content: four header lines, then one line per point of the series, every number in
// the 23-character scientific form, lines ended by CR LF.
std::string AmplitudeExportText(const TAmplitudeSelection& selection, const TAmplitudeChart& chart);

// Writes AmplitudeExportText to `path` (whole or not at all). Throws EInOutError when it cannot.
void ExportAmplitudes(const std::filesystem::path& path, const TAmplitudeSelection& selection,
                      const TAmplitudeChart& chart);

// The text of the information box for a click on point `index` of series `series` (0..2): lines ended
// by CR, numbers in general format with 6 significant digits. Throws EListError outside the series.
std::string AmplitudePointReport(const TAmplitudeChart& chart, int series, int index);

// The mouse read-out for a position (x, y) in data units of Series1's axes: "(x,y)" with 6 significant
// digits when the position lies within both axis ranges, else empty.
std::string AmplitudeMouseReadout(long double x, long double y, long double xMin, long double xMax,
                                  long double yMin, long double yMax);

} // namespace quavis
