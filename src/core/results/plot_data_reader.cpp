#include "results/plot_data_reader.h"

#include "components/errors.h"
#include "components/word_reader.h"
#include "model/project.h"

#include <array>
#include <new>
#include <system_error>

namespace quavis {

namespace {

const char* const kIncomplete = "This file either invalid or incomplete.";

// Words of the reader not yet handed out.
long long RemainingWords(const TWordReader& reader)
{
    long long count = 0;
    const auto& lines = reader.Lines();
    for (int i = reader.CurrentLine(); i < reader.LineCount(); ++i)
        count += lines[static_cast<std::size_t>(i)].Count();
    if (!reader.AtEnd()) count -= reader.CurrentWord();
    return count;
}

// Whichever way the read ends, open plot windows learn that their graph's curves may have changed.
class TNotifyOnExit {
public:
    explicit TNotifyOnExit(TResultGraphs& graphs) : m_graphs(graphs) {}
    ~TNotifyOnExit() { m_graphs.NotifyCurvesChanged(); }
    TNotifyOnExit(const TNotifyOnExit&) = delete;
    TNotifyOnExit& operator=(const TNotifyOnExit&) = delete;

private:
    TResultGraphs& m_graphs;
};

void StorePoint(TGraphPlot& graph, int curve, int j, long double x, long double y)
{
    TFloatPoint& point = graph.PointAt(curve, j);
    point.X = x;
    point.Y = y;
}

// One record of nine numbers (omega and eight values) into point j of the first curve of each graph.
void ReadImpedanceRecord(TWordReader& reader, const std::array<TGraphPlot*, 8>& targets, int j)
{
    const long double x = reader.ReadFloat() / PlotDataFrequencyDivisor;
    for (TGraphPlot* graph : targets) StorePoint(*graph, 0, j, x, reader.ReadFloat());
}

// The second and third curves of a three-curve graph take the points of two one-curve graphs.
void MergeCurves(TGraphPlot& target, const TGraphPlot& second, const TGraphPlot& third, int pointCount)
{
    target.SetLineCount(3);
    for (int j = 0; j < pointCount; ++j) {
        target.PointAt(1, j) = second.PointAt(0, j);
        target.PointAt(2, j) = third.PointAt(0, j);
    }
}

void NameCurves(TGraphPlot& graph, const char* first, const char* second, const char* third)
{
    graph.LineAt(0).ExplicitName = first;
    graph.LineAt(1).ExplicitName = second;
    graph.LineAt(2).ExplicitName = third;
}

// The read itself; every failure is an exception.
void ReadInto(TResultGraphs& g, const TProgramData& data, TWordReader& reader)
{
    const int unitSystem = data.UnitSystem;
    const bool impedance = data.WriteMatrix > 0;
    const bool response = data.LoadingType == HarmonicLoading;

    for (TGraphPlot* graph : g.ImpedanceGraphs()) graph->SetLineCount(1);
    g.pltDxyzR.SetLineCount(3);
    g.pltMxyzR.SetLineCount(3);

    const int n = reader.ReadInteger();
    if (n > PlotDataMaxUnbackedPoints) {
        // Each record needs at least this many words; a count the rest of the file cannot back would only
        // fail at its end after filling memory with empty points.
        const long long wordsPerRecord = (impedance ? 18 : 0) + (response ? 7 : 0);
        if (wordsPerRecord == 0 || RemainingWords(reader) / wordsPerRecord < n) throw EInOutError(kIncomplete);
    }
    g.pltRealKXX.SetPointCount(n);
    const int p = g.pltRealKXX.CurvePointCount();
    if (p >= 2) {
        g.pltDxyzR.SetPointCount(p);
        g.pltMxyzR.SetPointCount(p);
        if (impedance) {
            for (TGraphPlot* graph : g.ImpedanceGraphs()) graph->SetPointCount(p);
            const std::array<TGraphPlot*, 8> stiffness = {&g.pltRealKXX, &g.pltRealKYY, &g.pltRealKWW,
                                                          &g.pltRealKPPX, &g.pltRealKPPY, &g.pltRealKZT,
                                                          &g.pltRealKXP, &g.pltRealKYP};
            const std::array<TGraphPlot*, 8> damping = {&g.pltDampCXX, &g.pltDampCYY, &g.pltDampCWW,
                                                        &g.pltDampCPPX, &g.pltDampCPPY, &g.pltDampCZT,
                                                        &g.pltDampCXP, &g.pltDampCYP};
            for (int j = 0; j < p; ++j) {
                ReadImpedanceRecord(reader, stiffness, j);
                // Whatever follows Kyp on its line is not part of the record.
                reader.ReadLine();
                ReadImpedanceRecord(reader, damping, j);
            }
            MergeCurves(g.pltRealKXX, g.pltRealKYY, g.pltRealKWW, p);
            MergeCurves(g.pltRealKPPX, g.pltRealKPPY, g.pltRealKZT, p);
            MergeCurves(g.pltDampCXX, g.pltDampCYY, g.pltDampCWW, p);
            MergeCurves(g.pltDampCPPX, g.pltDampCPPY, g.pltDampCZT, p);
            NameCurves(g.pltRealKXX, "Kxx", "Kyy", "Kww");
            NameCurves(g.pltRealKPPX, "Kppx", "Kppy", "Kzt");
            NameCurves(g.pltDampCXX, "Cxx", "Cyy", "Cww");
            NameCurves(g.pltDampCPPX, "Cppx", "Cppy", "Czt");
        }
        if (response) {
            for (int j = 0; j < p; ++j) {
                const long double x = reader.ReadFloat() / PlotDataFrequencyDivisor;
                for (int curve = 0; curve < 3; ++curve) StorePoint(g.pltDxyzR, curve, j, x, reader.ReadFloat());
                for (int curve = 0; curve < 3; ++curve) StorePoint(g.pltMxyzR, curve, j, x, reader.ReadFloat());
            }
            NameCurves(g.pltDxyzR, "X-Dir.", "Y-Dir.", "Z-Dir.");
            NameCurves(g.pltMxyzR, "About X-Dir.", "About Y-Dir.", "About Z-Dir");
        }
    }
    for (TGraphPlot* graph : g.Graphs()) graph->SetUnits(unitSystem);
}

bool ReadGuarded(TResultGraphs& graphs, const TProgramData& data,
                 const std::function<TWordReader()>& open, bool reportErrors, const TInformationBox& inform,
                 std::string* failureDetail)
{
    std::string detail;
    try {
        TWordReader reader = open();
        TNotifyOnExit notify(graphs);
        ReadInto(graphs, data, reader);
        return true;
    } catch (const std::bad_alloc&) {
        detail = "Out of memory";
    } catch (const std::exception& e) {
        // Input/output errors are the expected kind; anything else is a defect of the file just as much
        // and must not escape into the caller's command.
        detail = e.what();
    } catch (...) {
        detail = kIncomplete;
    }
    if (failureDetail) *failureDetail = detail;
    if (reportErrors && inform) inform(PlotDataReadErrorMessage);
    return false;
}

} // namespace

std::string PlotDataFileName(const std::string& projectFileName)
{
    const std::size_t pos = projectFileName.find_last_of("./");
    if (pos != std::string::npos && projectFileName[pos] == '.') return projectFileName.substr(0, pos) + ".vqp";
    return projectFileName + ".vqp";
}

bool ReadPlotData(TResultGraphs& graphs, const TProgramData& data, const std::filesystem::path& path,
                  bool reportErrors, const TInformationBox& inform, std::string* failureDetail)
{
    return ReadGuarded(graphs, data, [&path] { return TWordReader(path); }, reportErrors, inform, failureDetail);
}

bool ReadPlotDataText(TResultGraphs& graphs, const TProgramData& data, std::string_view bytes,
                      bool reportErrors, const TInformationBox& inform, std::string* failureDetail)
{
    return ReadGuarded(graphs, data, [bytes] { return TWordReader::FromText(bytes); }, reportErrors, inform,
                       failureDetail);
}

bool LoadProjectResults(TResultGraphs& graphs, const TProgramData& data, std::string* failureDetail)
{
    const std::string path = PlotDataFileName(data.FileName);
    std::error_code error;
    // A folder of that name is no plot-data file.
    if (!std::filesystem::exists(path, error) || std::filesystem::is_directory(path, error)) return false;
    graphs.ResultsLoaded = ReadPlotData(graphs, data, path, false, {}, failureDetail);
    return true;
}

bool LoadProjectResults(TProject& project, std::string* failureDetail)
{
    return LoadProjectResults(project.ResultGraphs(), project.ProgramData(), failureDetail);
}

} // namespace quavis
