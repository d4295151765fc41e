#include "results/amplitudes.h"

#include "components/errors.h"
#include "components/float_format.h"
#include "model/file_replacer.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace quavis {

namespace {

constexpr std::array<const char*, 3> kSeriesTitles = {"X-Dir", "Y-Dir", "Z-dir"};

// The number of points present in all three curves of a response graph; 0 without three curves.
int ResponsePointCount(const TGraphPlot& graph)
{
    if (graph.LineCount() < 3) return 0;
    int count = graph.CurvePointCount();
    for (int curve = 1; curve < 3; ++curve) count = std::min(count, graph.LineAt(curve).PointCount());
    return count;
}

// Ascending order that stays a strict weak ordering when a value is not a number (NaN last).
bool XBefore(double a, double b)
{
    if (std::isnan(a)) return false;
    if (std::isnan(b)) return true;
    return a < b;
}

} // namespace

long double LengthFactor(int projectUnitSystem, int shownUnitSystem)
{
    if (shownUnitSystem == projectUnitSystem) return 1.0L;
    if (shownUnitSystem == English) return 1.0L / AmplitudeMetresPerFoot;
    return AmplitudeMetresPerFoot;
}

TAmplitudeChart EmptyAmplitudeChart()
{
    TAmplitudeChart chart;
    for (std::size_t s = 0; s < 3; ++s) chart.Series[s].Title = kSeriesTitles[s];
    return chart;
}

TAmplitudeChart RecomputeAmplitudes(const TProgramData& data, const TGraphPlot& pltDxyzR, const TGraphPlot& pltMxyzR,
                                    const TAmplitudeSelection& selection)
{
    TAmplitudeChart chart = EmptyAmplitudeChart();
    const long double k = LengthFactor(data.UnitSystem, selection.Shown);
    chart.LengthFactor = k;
    const bool displacement = selection.Type == TAmplitudeType::Displacement;
    if (displacement)
        chart.LeftAxisTitle =
            selection.Shown == English ? "Translational Amplitude (ft)" : "Translational Amplitude (m)";
    else
        chart.LeftAxisTitle = "Rotational Amplitude (rad)";

    const long double rx = selection.Point[0] - k * data.CgLocalX;
    const long double ry = selection.Point[1] - k * data.CgLocalY;
    const long double rz = selection.Point[2] - k * data.CgLocalZ;

    const int count = std::min(ResponsePointCount(pltDxyzR), ResponsePointCount(pltMxyzR));
    struct TRow {
        double f;
        std::array<double, 3> u;
        TAmplitudeSample sample;
    };
    std::vector<TRow> rows(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const long double dx = pltDxyzR.PointAt(0, i).Y, dy = pltDxyzR.PointAt(1, i).Y, dz = pltDxyzR.PointAt(2, i).Y;
        const long double tx = pltMxyzR.PointAt(0, i).Y, ty = pltMxyzR.PointAt(1, i).Y, tz = pltMxyzR.PointAt(2, i).Y;
        long double ux, uy, uz;
        if (displacement) {
            ux = k * dx + ry * tz - rz * ty;
            uy = k * dy + rz * tx - rx * tz;
            uz = k * dz + rx * ty - ry * tx;
        } else {
            ux = tx;
            uy = ty;
            uz = tz;
        }
        TRow& row = rows[static_cast<std::size_t>(i)];
        row.f = static_cast<double>(pltDxyzR.PointAt(0, i).X);
        row.u = {static_cast<double>(ux), static_cast<double>(uy), static_cast<double>(uz)};
        row.sample.Translation = {k * dx, k * dy, k * dz};
        row.sample.Rotation = {tx, ty, tz};
    }
    // The chart keeps each series in ascending order of x; points of equal x stay in the order added.
    std::stable_sort(rows.begin(), rows.end(), [](const TRow& a, const TRow& b) { return XBefore(a.f, b.f); });

    for (std::size_t s = 0; s < 3; ++s) {
        chart.Series[s].Points.reserve(rows.size());
        chart.Series[s].Visible = selection.Directions[s];
    }
    chart.Samples.reserve(rows.size());
    for (const TRow& row : rows) {
        for (std::size_t s = 0; s < 3; ++s) chart.Series[s].Points.push_back({row.f, row.u[s]});
        chart.Samples.push_back(row.sample);
    }
    return chart;
}

std::string AmplitudeExportText(const TAmplitudeSelection& selection, const TAmplitudeChart& chart)
{
    const bool english = selection.Shown == English;
    const std::string unit = english ? " ft" : " m";
    const char* const eol = "\r\n";
    std::string text;
    text += "Reference Point";
    text += eol;
    text += "X= " + FormatE23(selection.Point[0]) + unit + ", Y= " + FormatE23(selection.Point[1]) + unit +
            ", Z= " + FormatE23(selection.Point[2]) + unit;
    text += eol;
    text += "n,Frequency,Disp_x,Disp_y,Disp_z";
    text += eol;
    text += english ? ",Hz,ft,ft,ft" : ",Hz,m,m,m";
    text += eol;
    const std::size_t count = std::min({chart.Series[0].Points.size(), chart.Series[1].Points.size(),
                                        chart.Series[2].Points.size()});
    text.reserve(text.size() + count * 100);
    for (std::size_t i = 0; i < count; ++i) {
        text += std::to_string(i + 1);
        text += ',';
        text += FormatE23(chart.Series[0].Points[i].X);
        for (const TAmplitudeSeries& series : chart.Series) {
            text += ',';
            text += FormatE23(series.Points[i].Y);
        }
        text += eol;
    }
    return text;
}

void ExportAmplitudes(const std::filesystem::path& path, const TAmplitudeSelection& selection,
                      const TAmplitudeChart& chart)
{
    ReplaceFiles({TFileContent{path, AmplitudeExportText(selection, chart)}});
}

std::string AmplitudePointReport(const TAmplitudeChart& chart, int series, int index)
{
    if (series < 0 || series > 2) throw EListError::OutOfBounds(series);
    for (const TAmplitudeSeries& s : chart.Series)
        if (index < 0 || static_cast<std::size_t>(index) >= s.Points.size()) throw EListError::OutOfBounds(index);
    if (static_cast<std::size_t>(index) >= chart.Samples.size()) throw EListError::OutOfBounds(index);

    const auto n = static_cast<std::size_t>(index);
    auto g = [](long double v) { return FormatGeneral(v, 6); };
    const TAmplitudeSeries& clicked = chart.Series[static_cast<std::size_t>(series)];
    const TAmplitudeSample& sample = chart.Samples[n];
    std::string text;
    text += clicked.Title + "\r";
    text += "Point: " + std::to_string(index) + "\r";
    text += "Freq: " + g(clicked.Points[n].X) + "\r";
    const char* const axes[3] = {"X", "Y", "Z"};
    for (std::size_t s = 0; s < 3; ++s) text += std::string(axes[s]) + ": " + g(chart.Series[s].Points[n].Y) + "\r";
    for (std::size_t s = 0; s < 3; ++s) text += std::string(axes[s]) + "o: " + g(sample.Translation[s]) + "\r";
    for (std::size_t s = 0; s < 3; ++s) text += "R" + std::string(1, static_cast<char>('x' + s)) + ": " + g(sample.Rotation[s]) + "\r";
    return text;
}

std::string AmplitudeMouseReadout(long double x, long double y, long double xMin, long double xMax,
                                  long double yMin, long double yMax)
{
    if (x >= xMin && x <= xMax && y >= yMin && y <= yMax)
        return "(" + FormatGeneral(x, 6) + "," + FormatGeneral(y, 6) + ")";
    return "";
}

} // namespace quavis
