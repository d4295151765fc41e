// The engine library as the program uses it: loaded from the program folder, called with 13 after
// "names.dat" is written into the current directory, unloaded; its plot-data file read back through the
// program's own reader.

#include "components/grid_column.h"
#include "components/grid_table.h"
#include "model/project.h"
#include "model/project_reader.h"
#include "results/plot_data_reader.h"
#include "shell/names_file.h"

#include "support/float_compare.h"
#include "support/temp_dir.h"

#include <Eigen/Dense>
#include <dlfcn.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using quavis::test::ReadFileBytes;
using quavis::test::TempDir;
using Complex = std::complex<double>;

constexpr const char* kEngine = QUAVIS_ENGINE_LIBRARY_PATH;

// Loads the library for one call and unloads it, as every run of the program does.
class TLoadedEngine {
public:
    TLoadedEngine() : m_handle(::dlopen(kEngine, RTLD_NOW | RTLD_LOCAL)) {}
    ~TLoadedEngine()
    {
        if (m_handle)
            ::dlclose(m_handle);
    }
    TLoadedEngine(const TLoadedEngine&) = delete;
    TLoadedEngine& operator=(const TLoadedEngine&) = delete;

    bool Loaded() const { return m_handle != nullptr; }
    void Call() const
    {
        using TEntry = void (*)(std::int32_t);
        const auto entry = reinterpret_cast<TEntry>(::dlsym(m_handle, "_IQUAVIS"));
        ASSERT_NE(entry, nullptr);
        entry(13);
    }

private:
    void* m_handle;
};

// The engine reads "names.dat" in its current directory, the program folder.
class TCurrentDirectory {
public:
    explicit TCurrentDirectory(const fs::path& folder) : m_previous(fs::current_path()) { fs::current_path(folder); }
    ~TCurrentDirectory() { fs::current_path(m_previous); }

private:
    fs::path m_previous;
};

void RunEngine(const fs::path& programFolder, const fs::path& project)
{
    quavis::WriteNamesFile(programFolder, quavis::EngineNamesList(project.string()));
    const TCurrentDirectory here(programFolder);
    const TLoadedEngine engine;
    ASSERT_TRUE(engine.Loaded()) << ::dlerror();
    engine.Call();
}

struct TLayer {
    double thickness, vs, unitWeight, poisson, damping, weakRatio;
};

// One footing project, written in the project file format with every digit, so that projects in the two
// unit systems can describe exactly the same foundation.
struct TFootingCase {
    bool english = false;
    bool matrix = true;
    bool stratum = false;
    bool circular = false;
    double radius = 0.0, lengthX = 6.0, widthY = 4.0;
    double mass[7] = {260.0, 700.0, 1100.0, 1500.0, 12.0, -8.0, 5.0};
    double base[3] = {0.15, -0.1, 1.2};
    double baseDepth = 1.5, bedrockDepth = 9.0; // stratum
    std::vector<TLayer> layers = {{0.8, 150.0, 17.5, 0.3, 0.05, 0.5}, {1.0, 190.0, 18.5, 0.35, 0.04, 1.0}};
    double below[4] = {260.0, 19.0, 0.33, 0.03}; // Vs, unit weight, Poisson, damping
    bool quadratic = false;
    double frequencies[3] = {314.0, 6.28, 3.14}; // max, min, step (rad/s, as the file carries them)
    double force[3] = {25.0, -10.0, 40.0};
    double moment[3] = {5.0, 12.0, -7.0};
    double point[3] = {0.4, 0.3, -1.1};
};

std::string Number(double v)
{
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", v);
    return buffer;
}

std::string Numbers(const double* v, int n)
{
    std::string s;
    for (int i = 0; i < n; ++i)
        s += Number(v[i]) + " ";
    return s;
}

std::string ProjectText(const TFootingCase& s)
{
    std::vector<std::string> lines = {"TITLE=Engine test footing"};
    if (s.matrix)
        lines.push_back("MATRIX");
    lines.push_back(s.english ? "GRAVITY=32.2" : "GRAVITY=9.8");
    lines.push_back(s.stratum ? "FOUNDATION=STRATUM" : "FOUNDATION=HALF-SPACE");
    lines.push_back(s.circular ? "CIRCULAR=" + Number(s.radius)
                               : "RECTANGULAR=" + Number(s.lengthX) + "," + Number(s.widthY));
    lines.push_back("MASS ");
    lines.push_back(Numbers(s.mass, 7));
    lines.push_back("CONSTANTS ");
    lines.push_back(Numbers(s.base, 3) + (s.stratum ? Number(s.baseDepth) + " " + Number(s.bedrockDepth) + " " : ""));
    lines.push_back("SOIL ");
    if (s.stratum) {
        lines.push_back("CONSTANTS ");
        lines.push_back(Numbers(s.below, 4));
    } else {
        lines.push_back("WEAK ");
        lines.push_back("CONSTANTS=" + std::to_string(s.layers.size()));
        for (std::size_t i = 0; i < s.layers.size(); ++i) {
            const TLayer& l = s.layers[i];
            lines.push_back(std::to_string(i + 1) + " " + Number(l.thickness) + " " + Number(l.vs) + " " +
                            Number(l.unitWeight) + " " + Number(l.poisson) + " " + Number(l.damping) + " " +
                            Number(l.weakRatio) + " " + Number(l.poisson) + " " + Number(2.0 * l.damping) + " " +
                            (l.weakRatio > 0.999999 ? "0" : "1"));
        }
        lines.push_back("BELOW=" + Numbers(s.below, 4));
    }
    lines.insert(lines.end(), {"LOAD ", "HARMONIC ", "CONSTANTS ", s.quadratic ? "QUADRATIC " : "NONQUADRATIC "});
    lines.push_back(Numbers(s.frequencies, 3));
    lines.push_back(Numbers(s.force, 3));
    lines.push_back(Numbers(s.moment, 3));
    lines.push_back(Numbers(s.point, 3));
    lines.insert(lines.end(), {"RUN ", "0", "0 0 0 ", "0 0 0 ", "0 0 0 "});
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// A project as the engine's output leaves it beside the project file.
struct TRun {
    fs::path project;
    std::string output;   // .vqo
    std::string notes;    // .vqr
    bool plotData = false;
    std::string plotBytes;
};

TRun Collect(const fs::path& project)
{
    TRun r;
    r.project = project;
    const auto with = [&](const char* ext) { return fs::path(project).replace_extension(ext); };
    r.output = fs::exists(with(".vqo")) ? ReadFileBytes(with(".vqo")) : "";
    r.notes = fs::exists(with(".vqr")) ? ReadFileBytes(with(".vqr")) : "";
    r.plotData = fs::exists(with(".vqp"));
    if (r.plotData)
        r.plotBytes = ReadFileBytes(with(".vqp"));
    return r;
}

TRun RunCase(const TempDir& dir, const TFootingCase& definition, const std::string& name = "footing.vqd")
{
    const fs::path project = dir.Write(name, ProjectText(definition));
    RunEngine(dir.Path(), project);
    return Collect(project);
}

// The project and its results as the program reads them back.
struct TReadBack {
    quavis::TProject project;
    bool read = false;
};

void ReadBack(TReadBack& out, const fs::path& projectPath)
{
    ASSERT_EQ(quavis::ReadProjectFile(out.project, projectPath.string()), "");
    std::string detail;
    out.read = quavis::ReadPlotData(out.project.ResultGraphs(), out.project.ProgramData(),
                                    fs::path(projectPath).replace_extension(".vqp"), false, {}, &detail);
    ASSERT_TRUE(out.read) << detail;
}

double Y(const quavis::TGraphPlot& g, int curve, int point)
{
    return static_cast<double>(g.PointAt(curve, point).Y);
}

double Omega(const quavis::TGraphPlot& g, int point)
{
    return static_cast<double>(g.PointAt(0, point).X * quavis::PlotDataFrequencyDivisor);
}

using Matrix6c = Eigen::Matrix<Complex, 6, 6>;
using Vector6c = Eigen::Matrix<Complex, 6, 1>;

// The base-centre impedance at point j as the plot-data file gives it: K + i omega C of the eight written terms.
Matrix6c WrittenImpedance(const quavis::TResultGraphs& g, int j)
{
    const double w = Omega(g.pltRealKXX, j);
    const auto term = [&](const quavis::TGraphPlot& k, const quavis::TGraphPlot& c) {
        return Complex(Y(k, 0, j), w * Y(c, 0, j));
    };
    Matrix6c k = Matrix6c::Zero();
    k(0, 0) = term(g.pltRealKXX, g.pltDampCXX);
    k(1, 1) = term(g.pltRealKYY, g.pltDampCYY);
    k(2, 2) = term(g.pltRealKWW, g.pltDampCWW);
    k(3, 3) = term(g.pltRealKPPX, g.pltDampCPPX);
    k(4, 4) = term(g.pltRealKPPY, g.pltDampCPPY);
    k(5, 5) = term(g.pltRealKZT, g.pltDampCZT);
    k(0, 4) = k(4, 0) = term(g.pltRealKXP, g.pltDampCXP);
    k(1, 3) = k(3, 1) = term(g.pltRealKYP, g.pltDampCYP);
    return k;
}

Eigen::Matrix3d Skew(const Eigen::Vector3d& v)
{
    Eigen::Matrix3d s;
    s << 0, -v.z(), v.y(), v.z(), 0, -v.x(), -v.y(), v.x(), 0;
    return s;
}

// Equations of motion of the rigid footing at its centre of gravity, set up from the project alone: the base
// moves by u + theta x b (b the base centre), the load acts at p, the mass matrix holds the inertia tensor.
Vector6c SolveFromProject(const quavis::TProgramData& d, const Matrix6c& kBase, double omega)
{
    const auto v = [](long double x, long double y, long double z) {
        return Eigen::Vector3d(double(x), double(y), double(z));
    };
    const Eigen::Vector3d b = v(d.BaseX, d.BaseY, d.BaseZ), p = v(d.LoadPointX, d.LoadPointY, d.LoadPointZ);
    Eigen::Matrix<double, 6, 6> t = Eigen::Matrix<double, 6, 6>::Identity();
    t.block<3, 3>(0, 3) = -Skew(b);
    Eigen::Matrix<double, 6, 6> m = Eigen::Matrix<double, 6, 6>::Zero();
    m.block<3, 3>(0, 0) = double(d.TotalMass) * Eigen::Matrix3d::Identity();
    m.block<3, 3>(3, 3) << double(d.InertiaXX), -double(d.ProductXY), -double(d.ProductXZ), -double(d.ProductXY),
        double(d.InertiaYY), -double(d.ProductYZ), -double(d.ProductXZ), -double(d.ProductYZ), double(d.InertiaZZ);
    const double scale = d.QuadraticLoading == 1 ? omega * omega : 1.0;
    const Eigen::Vector3d f = scale * v(d.ForceX, d.ForceY, d.ForceZ);
    const Eigen::Vector3d moment = scale * v(d.MomentX, d.MomentY, d.MomentZ) + p.cross(f);
    Vector6c q;
    q << f.cast<Complex>(), moment.cast<Complex>();
    const Matrix6c system = t.cast<Complex>().transpose() * kBase * t.cast<Complex>() - omega * omega * m.cast<Complex>();
    return system.fullPivLu().solve(q);
}

// The text with every run of blanks and line ends made one blank: the report wraps long sentences.
std::string Flat(const std::string& text)
{
    std::string out;
    for (char c : text) {
        const bool blank = c == ' ' || c == '\r' || c == '\n';
        if (!blank)
            out += c;
        else if (!out.empty() && out.back() != ' ')
            out += ' ';
    }
    return out;
}

bool HasNonFinite(const std::string& bytes)
{
    for (const char* word : {"nan", "NAN", "inf", "INF"})
        if (bytes.find(word) != std::string::npos)
            return true;
    return false;
}

TFootingCase StratumCase()
{
    TFootingCase s;
    s.stratum = true;
    s.circular = true;
    s.radius = 2.2;
    s.below[0] = 180.0;
    s.quadratic = true;
    s.force[0] = 0.4, s.force[1] = 0.0, s.force[2] = 0.3; // Mg-m: unbalanced masses
    s.moment[0] = s.moment[1] = s.moment[2] = 0.0;
    return s;
}

// Response at every frequency: the amplitudes written at the centre of gravity solve the 6 x 6 system made
// of the impedances written beside them and the masses, offsets and loads of the project.
TEST(EngineLibraryTest, ResponseSolvesTheSystemOfTheWrittenImpedances)
{
    TFootingCase surface;
    surface.circular = true;
    surface.radius = 1.8;
    surface.layers = {{0.0, 0.0, 0.0, 0.0, 0.0, 0.0}};
    for (const TFootingCase& definition : {TFootingCase{}, StratumCase(), surface}) {
        SCOPED_TRACE(definition.stratum ? "stratum" : definition.circular ? "surface disk" : "embedded rectangle");
        const TempDir dir;
        const TRun run = RunCase(dir, definition);
        ASSERT_TRUE(run.plotData) << run.output;
        EXPECT_FALSE(HasNonFinite(run.plotBytes));
        TReadBack back;
        ReadBack(back, run.project);
        const quavis::TResultGraphs& g = back.project.ResultGraphs();
        const int n = g.pltDxyzR.CurvePointCount();
        ASSERT_EQ(n, 99);
        ASSERT_EQ(g.pltRealKXX.CurvePointCount(), n);
        for (int j = 0; j < n; ++j) {
            const double omega = Omega(g.pltRealKXX, j);
            ASSERT_NEAR_REL(omega, 6.28 + 3.14 * j, 1e-12);
            const Vector6c q = SolveFromProject(back.project.ProgramData(), WrittenImpedance(g, j), omega);
            double largest[2] = {0.0, 0.0};
            for (int i = 0; i < 6; ++i)
                largest[i / 3] = std::max(largest[i / 3], std::abs(q(i)));
            for (int i = 0; i < 6; ++i) {
                const double written = Y(i < 3 ? g.pltDxyzR : g.pltMxyzR, i % 3, j);
                EXPECT_NEAR(written, std::abs(q(i)), 1e-9 * largest[i / 3]) << "frequency " << j << ", motion " << i;
            }
        }
        // the embedded footings couple sway and rocking, the surface disk does not
        EXPECT_EQ(Y(g.pltRealKXP, 0, 0) != 0.0, !definition.circular || definition.stratum);
    }
}

// One foundation described in feet and in metres: the results agree after conversion.
TEST(EngineLibraryTest, EnglishAndSiProjectsOfOneFoundationAgree)
{
    const double ft = 0.3048, lbf = 4.4482216152605e-3, slug = lbf / ft; // in m, kN, Mg
    for (const TFootingCase& si : {TFootingCase{}, StratumCase()}) {
        SCOPED_TRACE(si.stratum ? "stratum" : "half-space");
        TFootingCase en = si;
        en.english = true;
        const auto unitWeight = [&](double v) { return v / lbf * ft * ft * ft; };
        en.lengthX /= ft, en.widthY /= ft, en.radius /= ft;
        en.baseDepth /= ft, en.bedrockDepth /= ft;
        en.mass[0] /= slug;
        for (int i = 1; i < 7; ++i)
            en.mass[i] /= slug * ft * ft;
        for (int i = 0; i < 3; ++i) {
            en.base[i] /= ft;
            en.point[i] /= ft;
            // force coefficients of quadratic loading are mass x length
            en.force[i] /= si.quadratic ? slug * ft : lbf;
            en.moment[i] /= si.quadratic ? slug * ft * ft : lbf * ft;
        }
        for (TLayer& l : en.layers)
            l.thickness /= ft, l.vs /= ft, l.unitWeight = unitWeight(l.unitWeight);
        en.below[0] /= ft;
        en.below[1] = unitWeight(en.below[1]);

        const TempDir dir;
        const TRun a = RunCase(dir, si, "si.vqd"), b = RunCase(dir, en, "english.vqd");
        ASSERT_TRUE(a.plotData && b.plotData);
        TReadBack ra, rb;
        ReadBack(ra, a.project);
        ReadBack(rb, b.project);
        EXPECT_EQ(ra.project.ProgramData().UnitSystem, quavis::SI);
        EXPECT_EQ(rb.project.ProgramData().UnitSystem, quavis::English);
        const quavis::TResultGraphs &ga = ra.project.ResultGraphs(), &gb = rb.project.ResultGraphs();
        // stiffness F/L, F-L/rad and F/rad; damping the same times sec; amplitudes L and rad
        const struct {
            const quavis::TGraphPlot& si;
            const quavis::TGraphPlot& en;
            double factor;
        } graphs[] = {{ga.pltRealKXX, gb.pltRealKXX, lbf / ft}, {ga.pltRealKYY, gb.pltRealKYY, lbf / ft},
                      {ga.pltRealKWW, gb.pltRealKWW, lbf / ft}, {ga.pltRealKPPX, gb.pltRealKPPX, lbf * ft},
                      {ga.pltRealKPPY, gb.pltRealKPPY, lbf * ft}, {ga.pltRealKZT, gb.pltRealKZT, lbf * ft},
                      {ga.pltRealKXP, gb.pltRealKXP, lbf},      {ga.pltRealKYP, gb.pltRealKYP, lbf},
                      {ga.pltDampCXX, gb.pltDampCXX, lbf / ft}, {ga.pltDampCWW, gb.pltDampCWW, lbf / ft},
                      {ga.pltDampCPPY, gb.pltDampCPPY, lbf * ft}, {ga.pltDampCZT, gb.pltDampCZT, lbf * ft},
                      {ga.pltDampCXP, gb.pltDampCXP, lbf}};
        const int n = ga.pltRealKXX.CurvePointCount();
        ASSERT_EQ(gb.pltRealKXX.CurvePointCount(), n);
        for (const auto& graph : graphs)
            for (int j = 0; j < n; ++j)
                EXPECT_NEAR_REL(Y(graph.en, 0, j) * graph.factor, Y(graph.si, 0, j), 1e-9) << j;
        for (int j = 0; j < n; ++j)
            for (int i = 0; i < 3; ++i) {
                EXPECT_NEAR_REL(Y(gb.pltDxyzR, i, j) * ft, Y(ga.pltDxyzR, i, j), 1e-9) << j;
                EXPECT_NEAR_REL(Y(gb.pltMxyzR, i, j), Y(ga.pltMxyzR, i, j), 1e-9) << j;
            }
        EXPECT_NE(a.output.find("kN/m"), std::string::npos);
        EXPECT_NE(b.output.find("lbs/ft"), std::string::npos);
    }
}

struct TBadCase {
    const char* name;
    void (*edit)(TFootingCase&);
    const char* message; // what the output text must say
    bool results;        // a warning: the analysis goes on
};

const TBadCase kBadCases[] = {
    {"ZeroShearWaveVelocity", [](TFootingCase& s) { s.below[0] = 0.0; },
     "The shear wave velocity of the soil below the footing is 0: it must be greater than 0.", false},
    {"NegativeSideLayerVelocity", [](TFootingCase& s) { s.layers[1].vs = -150.0; },
     "The shear wave velocity of soil layer 2 is -150: it must be greater than 0.", false},
    {"StratumWithoutVelocity", [](TFootingCase& s) { s = StratumCase(), s.below[0] = 0.0; },
     "The shear wave velocity of the stratum is 0: it must be greater than 0.", false},
    {"PoissonOfOneHalf", [](TFootingCase& s) { s.layers[1].poisson = 0.5; },
     "Poisson's ratio of soil layer 2 is 0.5: the impedances and the radiation damping are computed at nu = 0.499.",
     true},
    {"PoissonAboveOneHalf", [](TFootingCase& s) { s.below[2] = 0.62; },
     "Poisson's ratio of the soil below the footing is 0.62", true},
    {"ZeroMass", [](TFootingCase& s) { s.mass[0] = 0.0; },
     "The total mass of the footing is 0: it must be greater than 0.", false},
    {"ZeroStep", [](TFootingCase& s) { s.frequencies[2] = 0.0; }, "The frequency step is 0 rad/s", false},
    {"MaximumBelowMinimum", [](TFootingCase& s) { s.frequencies[0] = 3.0; },
     "The maximum frequency (3 rad/s) is below the minimum frequency (6.28 rad/s).", false},
    {"TooManyFrequencies", [](TFootingCase& s) { s.frequencies[2] = 0.001; },
     "at most 100000 can be computed; choose a larger step.", false},
    {"BedrockAboveTheBase", [](TFootingCase& s) { s = StratumCase(), s.bedrockDepth = 1.0; },
     "The depth to bedrock (1) must be greater than the depth of the footing base (1.5).", false},
};

class EngineBadDataTest : public testing::TestWithParam<TBadCase> {};

// Bad data: a clear message in the output text, never a crash, a NaN or a partial plot-data file; an
// error leaves no plot-data file at all, not even the one of an earlier run.
TEST_P(EngineBadDataTest, IsReportedInTheOutputText)
{
    const TBadCase& c = GetParam();
    TFootingCase definition;
    c.edit(definition);
    const TempDir dir;
    dir.Write("footing.vqp", "2\r\n1 2 3\r\n"); // an earlier run's results
    const TRun run = RunCase(dir, definition);
    EXPECT_NE(Flat(run.output).find(c.message), std::string::npos) << run.output;
    EXPECT_EQ(run.plotData, c.results);
    if (c.results) {
        EXPECT_NE(run.output.find("WARNING: "), std::string::npos);
        EXPECT_FALSE(HasNonFinite(run.plotBytes));
        TReadBack back;
        ReadBack(back, run.project);
        EXPECT_EQ(back.project.ResultGraphs().pltDxyzR.CurvePointCount(), 99);
    } else {
        EXPECT_NE(run.output.find("ERROR: "), std::string::npos);
        EXPECT_NE(run.output.find("no plot-data file (.vqp) was written"), std::string::npos);
        EXPECT_NE(run.notes.find("Status: failed"), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, EngineBadDataTest, testing::ValuesIn(kBadCases),
                         [](const testing::TestParamInfo<TBadCase>& info) { return std::string(info.param.name); });

// Foundations and loadings of later versions, and a project that cannot be read: a plain error, no results.
TEST(EngineLibraryTest, ReportsWhatItCannotAnalyse)
{
    const struct {
        const char* name;
        void (*edit)(quavis::TProject&);
        const char* message;
    } cases[] = {
        {"pile",
         [](quavis::TProject& p) {
             p.ProgramData().FoundationKeyword = quavis::PileKeyword;
             p.ProgramData().FoundationType = quavis::PileFoundation;
         },
         "Pile foundations (\"PILE\") are not yet supported by this engine."},
        {"multilayer",
         [](quavis::TProject& p) {
             p.ProgramData().FoundationKeyword = quavis::MultilayerKeyword;
             p.ProgramData().FoundationType = quavis::MultilayerFoundation;
         },
         "Multilayer embedded foundations (\"MULTILAYER\") are not yet supported by this engine."},
        {"transient", [](quavis::TProject& p) { p.ProgramData().LoadingType = quavis::TransientLoading; },
         "Transient loading is not yet supported by this engine"},
        {"random", [](quavis::TProject& p) { p.ProgramData().LoadingType = quavis::RandomLoading; },
         "Random loading is not yet supported by this engine"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TempDir dir;
        quavis::TProject project;
        c.edit(project);
        project.ProgramData().FileName = (dir / "later.vqd").string();
        project.Save();
        RunEngine(dir.Path(), dir / "later.vqd");
        const TRun run = Collect(dir / "later.vqd");
        EXPECT_NE(Flat(run.output).find(c.message), std::string::npos) << run.output;
        EXPECT_FALSE(run.plotData);
    }

    const TempDir dir;
    const fs::path broken = dir.Write("broken.vqd", "TITLE=Cut short\r\nMATRIX\r\nGRAVITY=9.8\r\nFOUNDATION=HALF-SPACE\r\n");
    RunEngine(dir.Path(), broken);
    const TRun run = Collect(broken);
    EXPECT_NE(run.output.find("ERROR: The project file could not be read to its end"), std::string::npos) << run.output;
    EXPECT_FALSE(run.plotData);
}

// The report an engineer files: input with units, the method of each result, statics, tables and peaks.
TEST(EngineLibraryTest, OutputTextReportsInputMethodsAndResponse)
{
    const TempDir dir;
    TFootingCase definition;
    definition.matrix = false;
    const TRun run = RunCase(dir, definition);
    ASSERT_TRUE(run.plotData);
    for (const char* text : {"Shape: rectangular, length (x) 6 m, width (y) 4 m",
                             "Side soil layers, from the ground surface down (embedment 1.8 m)",
                             "total mass 260 Mg", "Gazetas (1991)", "Veletsos & Verbic (1973)",
                             "Novak & Sheta 1980", "STATIC STIFFNESSES", "DAMPING COEFFICIENTS",
                             "RESPONSE AMPLITUDES at the centre of gravity", "PEAK AMPLITUDES AND RESONANCE FREQUENCIES",
                             "Dz (translation in z (vertical)): peak", "the analysis is complete"})
        EXPECT_NE(Flat(run.output).find(text), std::string::npos) << text;
    EXPECT_NE(run.notes.find("Frequencies computed: 99, from 6.28 to 314 rad/sec"), std::string::npos) << run.notes;
    // without MATRIX the plot-data file holds the count and the response records only
    TReadBack back;
    ReadBack(back, run.project);
    EXPECT_EQ(back.project.ResultGraphs().pltDxyzR.CurvePointCount(), 99);
    std::size_t lines = 0;
    for (char ch : run.plotBytes)
        lines += ch == '\n';
    EXPECT_EQ(lines, 100u);
}

// No state survives a run: each load starts afresh, and the library leaves the process when unloaded.
TEST(EngineLibraryTest, LoadsRunsAndUnloadsManyTimes)
{
    const TempDir dir;
    std::string first;
    for (int run = 0; run < 4; ++run) {
        TFootingCase definition;
        if (run == 2)
            definition.below[0] = -1.0; // a failed run in between changes nothing for the next
        const TRun r = RunCase(dir, definition);
        ASSERT_EQ(r.plotData, run != 2) << r.output;
        if (run == 0) {
            first = r.plotBytes;
        } else if (r.plotData) {
            EXPECT_EQ(r.plotBytes, first);
        }
        EXPECT_EQ(::dlopen(kEngine, RTLD_NOW | RTLD_NOLOAD), nullptr) << "the library stayed loaded";
    }
}

} // namespace
