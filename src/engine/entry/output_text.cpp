#include "entry/output_text.h"

#include "entry/number_text.h"
#include "entry/plot_data_text.h"

#include "components/unit_labels.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>

namespace quavis::engine {

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr const char* kEol = "\r\n";

struct TUnits {
    const char* length;
    const char* force;
    const char* moment;
    const char* mass;
    const char* inertia;
    const char* velocity;
    const char* unitWeight;
    const char* modulus;
    const char* gravity;
    const char* massLength; // quadratic force coefficients
    const char* k[8];
    const char* c[8];
};

const TUnits kEnglish = {"ft", "lbs", "lbs-ft", "slug", "slug-ft^2", "ft/sec", "lbs/ft^3", "lbs/ft^2", "ft/sec^2", "slug-ft",
                         {"lbs/ft", "lbs/ft", "lbs/ft", "lbs-ft/rad", "lbs-ft/rad", "lbs-ft/rad", "lbs/rad", "lbs/rad"},
                         {"lbs-sec/ft", "lbs-sec/ft", "lbs-sec/ft", "lbs-ft-sec/rad", "lbs-ft-sec/rad", "lbs-ft-sec/rad",
                          "lbs-sec/rad", "lbs-sec/rad"}};
const TUnits kSI = {"m", "kN", "kN-m", "Mg", "Mg-m^2", "m/sec", "kN/m^3", "kN/m^2", "m/sec^2", "Mg-m",
                    {"kN/m", "kN/m", "kN/m", "kN-m/rad", "kN-m/rad", "kN-m/rad", "kN/rad", "kN/rad"},
                    {"kN-sec/m", "kN-sec/m", "kN-sec/m", "kN-m-sec/rad", "kN-m-sec/rad", "kN-m-sec/rad", "kN-sec/rad",
                     "kN-sec/rad"}};

const char* const kImpedanceNames[8] = {"Kxx", "Kyy", "Kww", "Kppx", "Kppy", "Kzt", "Kxp", "Kyp"};
const char* const kDampingNames[8] = {"Cxx", "Cyy", "Cww", "Cppx", "Cppy", "Czt", "Cxp", "Cyp"};
const char* const kImpedanceMeanings[8] = {"sway in x", "sway in y", "vertical", "rocking about x", "rocking about y",
                                           "torsion about z", "sway in x with rocking about y",
                                           "sway in y with rocking about x"};
const char* const kResponseNames[6] = {"Dx", "Dy", "Dz", "Rx", "Ry", "Rz"};
const char* const kResponseMeanings[6] = {"translation in x", "translation in y", "translation in z (vertical)",
                                          "rotation about x", "rotation about y", "rotation about z"};

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* format, ...)
{
    char buffer[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return buffer;
}

std::string Num(double v)
{
    return numerics::FormatNumber(v);
}

class TText {
public:
    void Line(const std::string& s = "")
    {
        m_text += s;
        m_text += kEol;
    }
    void Heading(const std::string& s)
    {
        Line();
        Line(s);
        Line(std::string(s.size(), '-'));
    }
    // Long sentences wrapped at 100 characters, continued under the first word after the lead.
    void Wrapped(const std::string& lead, const std::string& s)
    {
        const std::size_t width = 100;
        std::string line = lead;
        const std::string indent(lead.size(), ' ');
        std::size_t start = 0;
        while (start < s.size()) {
            std::size_t end = s.find(' ', start);
            if (end == std::string::npos)
                end = s.size();
            const std::string word = s.substr(start, end - start);
            if (line.size() > indent.size() && line.size() + 1 + word.size() > width) {
                Line(line);
                line = indent;
            }
            if (line.size() > indent.size())
                line += ' ';
            line += word;
            start = end + 1;
        }
        Line(line);
    }
    const std::string& Text() const { return m_text; }

private:
    std::string m_text;
};

const TUnits& UnitsOf(int system)
{
    return system == English ? kEnglish : kSI;
}

void EchoSoil(TText& t, const TUnits& u, const numerics::SoilProperties& s)
{
    t.Line("    shear wave velocity      " + Num(s.shearWaveVelocity) + " " + u.velocity);
    t.Line("    unit weight              " + Num(s.unitWeight) + " " + u.unitWeight);
    t.Line("    Poisson's ratio          " + Num(s.poisson));
    t.Line("    material damping ratio   " + Num(s.damping));
}

void EchoInput(TText& t, const TRunReport& r)
{
    const TProjectProblem& pp = r.Project;
    const numerics::FootingProblem& p = pp.Problem;
    const TUnits& u = UnitsOf(pp.UnitSystem);
    t.Heading("INPUT");
    t.Line("  Unit system: " + std::string(pp.UnitSystem == English ? "English (lbs, ft, slug, sec)" : "SI (kN, m, Mg, sec)") +
           "; acceleration of gravity " + Num(p.gravity) + " " + u.gravity);
    t.Line("  Foundation: " + std::string(p.foundation == numerics::FootingFoundation::HalfSpace
                                              ? "rigid footing on a half-space (HALF-SPACE)"
                                              : "rigid footing on a stratum over bedrock (STRATUM)"));
    if (p.geometry.circular)
        t.Line("  Shape: circular, radius " + Num(p.geometry.radius) + " " + u.length);
    else
        t.Line("  Shape: rectangular, length (x) " + Num(p.geometry.lengthX) + " " + u.length + ", width (y) " +
               Num(p.geometry.widthY) + " " + u.length);

    if (p.foundation == numerics::FootingFoundation::HalfSpace) {
        t.Line("  Soil below the base (half-space):");
        EchoSoil(t, u, p.below);
        double embedment = 0.0;
        for (const numerics::SideLayerInput& l : p.sideLayers)
            if (l.thickness > 0.0)
                embedment += l.thickness;
        if (embedment > 0.0) {
            t.Line("  Side soil layers, from the ground surface down (embedment " + Num(embedment) + " " + u.length + "):");
            t.Line(Format("    %5s %12s %12s %12s %9s %9s %11s %11s", "layer", "thickness", "Vs", "unit weight", "Poisson",
                          "damping", "weak zone", "weak zone"));
            t.Line(Format("    %5s %12s %12s %12s %9s %9s %11s %11s", "", u.length, u.velocity, u.unitWeight, "ratio",
                          "ratio", "G ratio", "damping"));
            for (std::size_t i = 0; i < p.sideLayers.size(); ++i) {
                const numerics::SideLayerInput& l = p.sideLayers[i];
                t.Line(Format("    %5zu %12.6G %12.6G %12.6G %9.4G %9.4G %11.4G %11.4G", i + 1, l.thickness,
                              l.soil.shearWaveVelocity, l.soil.unitWeight, l.soil.poisson, l.soil.damping,
                              l.weakZoneRatio, l.weakZoneDamping));
            }
            t.Line("    (a weak zone ratio of 1 means no weak zone; the weak zone's damping is twice the layer's)");
        } else {
            t.Line("  Embedment: none (surface footing)");
        }
    } else {
        t.Line("  Stratum over rigid bedrock:");
        EchoSoil(t, u, p.below);
        t.Line("    depth of the footing base " + Num(p.baseDepth) + " " + u.length);
        t.Line("    depth to bedrock          " + Num(p.bedrockDepth) + " " + u.length);
    }

    t.Line("  Mass and inertia at the centre of gravity:");
    t.Line("    total mass " + Num(p.mass.mass) + " " + u.mass);
    t.Line("    moments of inertia Ixx " + Num(p.mass.inertiaXX) + ", Iyy " + Num(p.mass.inertiaYY) + ", Izz " +
           Num(p.mass.inertiaZZ) + " " + u.inertia);
    t.Line("    products of inertia Pxy " + Num(p.mass.productXY) + ", Pxz " + Num(p.mass.productXZ) + ", Pyz " +
           Num(p.mass.productYZ) + " " + u.inertia);
    t.Line("  Base centre relative to the centre of gravity (z down): X " + Num(p.baseOffset.x) + ", Y " +
           Num(p.baseOffset.y) + ", Z " + Num(p.baseOffset.z) + " " + u.length);

    const bool q = p.load.quadratic;
    t.Line(std::string("  Loading: harmonic, ") +
           (q ? "quadratic (amplitudes are coefficients of omega^2)" : "non-quadratic (constant amplitudes)"));
    t.Line("    forces  X " + Num(p.load.force.x) + ", Y " + Num(p.load.force.y) + ", Z " + Num(p.load.force.z) + " " +
           (q ? u.massLength : u.force));
    t.Line("    moments X " + Num(p.load.moment.x) + ", Y " + Num(p.load.moment.y) + ", Z " + Num(p.load.moment.z) + " " +
           (q ? u.inertia : u.moment));
    t.Line("    applied at X " + Num(p.load.point.x) + ", Y " + Num(p.load.point.y) + ", Z " + Num(p.load.point.z) + " " +
           u.length + " from the centre of gravity");
    const numerics::FrequencyRange& f = p.frequencies;
    t.Line("  Frequencies: from " + Num(f.minimum) + " to " + Num(f.maximum) + " by " + Num(f.step) + " rad/sec (" +
           Num(f.minimum / kTwoPi) + " to " + Num(f.maximum / kTwoPi) + " by " + Num(f.step / kTwoPi) + " Hz)");
    t.Line("    (the project file carries 6.28 times the frequencies entered in Hz; the analysis runs at those");
    t.Line("    circular frequencies, and f = omega / 2 pi in the tables below)");
    t.Line(std::string("  Impedance matrix requested (MATRIX): ") + (pp.WriteMatrix ? "yes" : "no"));
}

void Statics(TText& t, const TUnits& u, const numerics::StaticStiffness& s, const numerics::FootingProblem& p)
{
    t.Heading("STATIC STIFFNESSES about the base centre");
    bool sideLayers = false;
    for (const numerics::SideLayerInput& l : p.sideLayers)
        sideLayers = sideLayers || l.thickness > 0.0;
    if (p.foundation == numerics::FootingFoundation::HalfSpace && sideLayers)
        t.Line("  (of the base on the soil below; the side layers add their frequency-dependent share and the "
               "coupling, see the tables)");
    else if (p.foundation == numerics::FootingFoundation::Stratum) {
        t.Line("  (with the factors of the stratum's depth and of the embedment)");
        const double h = p.bedrockDepth, vs = p.below.shearWaveVelocity;
        const double vc = vs * numerics::ConeDilatationalRatio(std::min(p.below.poisson, 0.499));
        t.Line("  Cutoff frequencies of the stratum, below which it radiates no waves: " + Num(vs / (4.0 * h)) +
               " Hz (Vs/4H: sway, torsion), " + Num(vc / (4.0 * h)) + " Hz (Vc/4H: vertical, rocking)");
    }
    const struct {
        const char* name;
        double value;
        const char* unit;
    } rows[] = {{"horizontal, x (Kxx)", s.horizontalX, u.k[0]}, {"horizontal, y (Kyy)", s.horizontalY, u.k[1]},
                {"vertical (Kww)", s.vertical, u.k[2]},        {"rocking about x (Kppx)", s.rockingX, u.k[3]},
                {"rocking about y (Kppy)", s.rockingY, u.k[4]}, {"torsion (Kzt)", s.torsion, u.k[5]}};
    for (const auto& row : rows)
        t.Line(Format("  %-26s %15.7E %s", row.name, row.value, row.unit));
}

void ImpedanceTable(TText& t, const TUnits& u, const numerics::FootingResult& r, bool damping)
{
    t.Heading(damping ? "DAMPING COEFFICIENTS about the base centre (C = imaginary part of the impedance / omega)"
                      : "STIFFNESSES about the base centre (real part of the impedance)");
    const char* const* names = damping ? kDampingNames : kImpedanceNames;
    const char* const* units = damping ? u.c : u.k;
    for (int i = 0; i < 8; ++i)
        t.Line(Format("  %-5s %-32s %s", names[i], kImpedanceMeanings[i], units[i]));
    std::string head = Format("%11s %12s", "f (Hz)", "omega");
    for (int i = 0; i < 8; ++i)
        head += Format(" %13s", names[i]);
    t.Line(head);
    for (std::size_t j = 0; j < r.omegas.size(); ++j) {
        const double omega = r.omegas[j];
        const TImpedanceRow row = damping ? DampingRow(r.impedances[j], omega) : StiffnessRow(r.impedances[j]);
        std::string line;
        AppendGeneral(line, omega / kTwoPi, 11, 5);
        AppendGeneral(line, omega, 13, 6);
        for (double v : row.Values)
            AppendScientific(line, v, 14, 5);
        t.Line(line);
    }
}

void ResponseTable(TText& t, const TUnits& u, const numerics::FootingResult& r)
{
    t.Heading("RESPONSE AMPLITUDES at the centre of gravity");
    for (int i = 0; i < 6; ++i)
        t.Line(Format("  %-3s %-28s %s", kResponseNames[i], kResponseMeanings[i], i < 3 ? u.length : "rad"));
    std::string head = Format("%11s %12s", "f (Hz)", "omega");
    for (const char* name : kResponseNames)
        head += Format(" %13s", name);
    t.Line(head);
    for (std::size_t j = 0; j < r.amplitudes.size(); ++j) {
        std::string line;
        AppendGeneral(line, r.omegas[j] / kTwoPi, 11, 5);
        AppendGeneral(line, r.omegas[j], 13, 6);
        for (int i = 0; i < 6; ++i)
            AppendScientific(line, std::abs(r.amplitudes[j](i)), 14, 5);
        t.Line(line);
    }

    t.Heading("PEAK AMPLITUDES AND RESONANCE FREQUENCIES");
    // A motion that the loading does not excite shows only rounding; it is measured against the largest of
    // its kind (translations, rotations).
    double largest[2] = {0.0, 0.0};
    for (const numerics::Vector6c& q : r.amplitudes)
        for (int i = 0; i < 6; ++i)
            largest[i / 3] = std::max(largest[i / 3], std::abs(q(i)));
    for (int i = 0; i < 6; ++i) {
        std::vector<double> a(r.amplitudes.size());
        for (std::size_t j = 0; j < a.size(); ++j)
            a[j] = std::abs(r.amplitudes[j](i));
        const std::string unit = i < 3 ? u.length : "rad";
        const auto peak = std::max_element(a.begin(), a.end());
        if (peak == a.end() || !(*peak > 1e-12 * largest[i / 3])) {
            t.Line(Format("  %-3s (%s): no motion under this loading", kResponseNames[i], kResponseMeanings[i]));
            continue;
        }
        const double omega = r.omegas[std::size_t(peak - a.begin())];
        t.Line(Format("  %-3s (%s): peak %.6E %s at %.6G Hz (%.6G rad/sec)", kResponseNames[i], kResponseMeanings[i],
                      *peak, unit.c_str(), omega / kTwoPi, omega));
        const std::vector<std::size_t> maxima = LocalMaxima(a);
        if (maxima.empty()) {
            t.Line("      no resonance within the frequency range (no interior maximum)");
            continue;
        }
        const std::size_t shown = std::min<std::size_t>(maxima.size(), 5);
        for (std::size_t m = 0; m < shown; ++m) {
            const std::size_t j = maxima[m];
            t.Line(Format("      resonance at %.6G Hz (%.6G rad/sec): %.6E %s", r.omegas[j] / kTwoPi, r.omegas[j], a[j],
                          unit.c_str()));
        }
        if (maxima.size() > shown)
            t.Line(Format("      and %zu further local maxima at higher frequencies", maxima.size() - shown));
    }
}

} // namespace

bool TRunReport::Succeeded() const
{
    return Errors().empty() && PlotDataWritten;
}

std::vector<std::string> TRunReport::Errors() const
{
    std::vector<std::string> out;
    if (!ReadError.empty())
        out.push_back("The project file could not be read to its end, so no analysis was made: " + ReadError);
    if (Mapped && !Project.Unsupported.empty())
        out.push_back(Project.Unsupported);
    for (const std::string& e : Result.diagnostics.Errors())
        out.push_back(e);
    for (const std::string& e : RunErrors)
        out.push_back(e);
    return out;
}

std::vector<std::string> TRunReport::Warnings() const
{
    return Result.diagnostics.Warnings();
}

std::vector<std::size_t> LocalMaxima(const std::vector<double>& v)
{
    std::vector<std::size_t> out;
    for (std::size_t j = 1; j + 1 < v.size(); ++j)
        if (v[j] > v[j - 1] && v[j] >= v[j + 1])
            out.push_back(j);
    return out;
}

std::string OutputText(const TRunReport& r)
{
    TText t;
    t.Line("QUAVIS " + std::string(EngineVersion) + " analysis engine: output text");
    t.Line("Project file: " + r.ProjectPath);
    if (r.Mapped)
        t.Line("Title: " + r.Project.Title);
    t.Line("Run: " + r.StartTime);

    const std::vector<std::string> errors = r.Errors();
    const std::vector<std::string> warnings = r.Warnings();
    const bool computed = r.Mapped && r.Project.Unsupported.empty();
    if (computed)
        EchoInput(t, r);

    if (!errors.empty()) {
        t.Heading("ERRORS");
        for (const std::string& e : errors)
            t.Wrapped("  ERROR: ", e);
        t.Line();
        t.Line("No results were computed: no plot-data file (.vqp) was written.");
    }
    if (!warnings.empty()) {
        t.Heading("WARNINGS");
        for (const std::string& w : warnings)
            t.Wrapped("  WARNING: ", w);
    }

    if (computed && errors.empty()) {
        const TUnits& u = UnitsOf(r.Project.UnitSystem);
        t.Heading("METHODS");
        for (const std::string& m : r.Result.methods)
            t.Wrapped("  - ", m);
        Statics(t, u, r.Result.statics, r.Project.Problem);
        t.Line(Format("  %zu frequencies computed.", r.Result.omegas.size()));
        ImpedanceTable(t, u, r.Result, false);
        ImpedanceTable(t, u, r.Result, true);
        ResponseTable(t, u, r.Result);
    }
    t.Line();
    t.Line(errors.empty() ? "End of the output text: the analysis is complete." : "End of the output text: the analysis failed.");
    return t.Text();
}

std::string RunNotesText(const TRunReport& r)
{
    TText t;
    t.Line("QUAVIS " + std::string(EngineVersion) + " analysis engine: run notes");
    t.Line("Project file: " + r.ProjectPath);
    t.Line("Started:  " + r.StartTime);
    t.Line("Finished: " + r.EndTime);
    t.Line(Format("Time taken: %.3f sec", r.Seconds));
    const std::vector<double>& w = r.Result.omegas;
    if (!w.empty())
        t.Line(Format("Frequencies computed: %zu, from %.8G to %.8G rad/sec", w.size(), w.front(), w.back()));
    else
        t.Line("Frequencies computed: none");
    t.Line("Plot-data file: " + (r.PlotDataWritten ? r.PlotDataPath : std::string("not written")));
    const std::vector<std::string> errors = r.Errors();
    const std::vector<std::string> warnings = r.Warnings();
    t.Line(Format("Errors: %zu, warnings: %zu", errors.size(), warnings.size()));
    for (const std::string& e : errors)
        t.Wrapped("  ERROR: ", e);
    for (const std::string& m : warnings)
        t.Wrapped("  WARNING: ", m);
    t.Line(errors.empty() ? "Status: completed" : "Status: failed, see the output text");
    return t.Text();
}

} // namespace quavis::engine
