#include "model/project_reader.h"

#include "components/decimal_text.h"
#include "components/grid_table.h"
#include "components/word_reader.h"
#include "model/project.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

namespace quavis {

namespace {

const char* const kIncomplete = "This file either invalid or incomplete.";

// Blanks and control characters off both ends.
std::string Trim(std::string_view text)
{
    std::size_t begin = 0, end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ') ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
    return std::string(text.substr(begin, end - begin));
}

// The text from the 0-based position on (empty when the text is shorter), at most `count` characters.
std::string From(const std::string& text, std::size_t position, std::size_t count = std::string::npos)
{
    return position < text.size() ? text.substr(position, count) : std::string();
}

bool StartsWith(const std::string& text, std::string_view prefix) { return text.compare(0, prefix.size(), prefix) == 0; }

// Numbers far beyond any physical value are refused: saving multiplies some values (circular frequencies,
// weak-zone damping) and the unit switch converts them, and a result beyond the largest long double
// would be written as INF, which no reader takes for a number.
constexpr long double LargestValue = 1e4900L;
bool WithinRange(long double value) { return std::fabs(value) <= LargestValue; }

// A number that fills a whole field of a line (after "GRAVITY=", "CIRCULAR=", ...), blanks around it allowed.
long double FieldFloat(const std::string& text)
{
    long double value = 0;
    if (ParseDecimalText(Trim(text), value) != DecimalTextResult::Ok || !WithinRange(value))
        throw EConvertError("'" + text + "' is not a valid floating point value");
    return value;
}

int32_t FieldInteger(const std::string& text)
{
    const std::string t = Trim(text);
    std::size_t i = (!t.empty() && (t[0] == '+' || t[0] == '-')) ? 1 : 0;
    bool valid = i < t.size();
    long long value = 0;
    for (; valid && i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9' || value > 2147483648LL) {
            valid = false;
            break;
        }
        value = value * 10 + (t[i] - '0');
    }
    if (!t.empty() && t[0] == '-') value = -value;
    if (!valid || value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        throw EConvertError("'" + text + "' is not a valid integer value");
    return static_cast<int32_t>(value);
}

// The count after "CONSTANTS=", up to the end of the line or a ",".
int32_t CountAfterConstants(const std::string& line)
{
    std::string rest = From(line, 10);
    const std::size_t comma = rest.find(',');
    if (comma != std::string::npos) rest.resize(comma);
    return FieldInteger(rest);
}

std::vector<std::string> BlankSeparated(const std::string& text)
{
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
        const std::size_t begin = i;
        while (i < text.size() && text[i] != ' ' && text[i] != '\t') ++i;
        if (i > begin) words.push_back(text.substr(begin, i - begin));
    }
    return words;
}

int FoundationTypeOf(const std::string& keyword)
{
    for (int type = HalfSpaceFoundation; type <= MultilayerFoundation; ++type)
        if (keyword == FoundationKeywordOf(type)) return type;
    return 0;
}

// The positional walk over a project file. Rows are appended as they are read rather than all at once
// from the counts, so that a count larger than the file can hold never makes a huge table: a table
// holds at most one row beyond the ones the file filled.
class TProjectWalk {
public:
    TProjectWalk(TProject& project, TWordReader& reader) : m_project(project), m_data(project.ProgramData()), m_reader(reader) {}

    bool GravityRead() const { return m_gravityRead; }
    void Run();

private:
    // A whole line; the end of the file where a line is due means the file is incomplete.
    std::string Line()
    {
        if (m_reader.AtEnd()) throw EInOutError(kIncomplete);
        return m_reader.ReadLine();
    }
    // Leaves a line whose numbers were read. A line nothing was read from yet stays the current one.
    void FinishLine()
    {
        if (!m_reader.AtEnd() && m_reader.CurrentWord() > 0) m_reader.ReadLine();
    }
    long double Float()
    {
        const long double value = m_reader.ReadFloat();
        if (!WithinRange(value)) {
            throw EInOutError("Error on Line " + std::to_string(m_reader.CurrentLine() + 1) + " Item " +
                              std::to_string(m_reader.CurrentWord()) +
                              "\rA floating point number was expected but not found.");
        }
        return value;
    }
    int32_t Integer() { return m_reader.ReadInteger(); }
    void Discard(int floats)
    {
        for (int i = 0; i < floats; ++i) Float();
    }

    static int AppendRow(TGridTable& table)
    {
        table.SetRowCount(table.RowCount() + 1);
        return table.RowCount() - 1;
    }
    // Reads `count` floats into the columns first.. of the row, storing each as soon as it is read.
    void FloatsInto(TGridTable& table, int row, int first, int count)
    {
        for (int col = first; col < first + count; ++col) table.Cell(col, row).SetFloat(Float());
    }
    // Rows of "i" followed by `floats` values into columns 0.. and `discarded` derived values.
    void NumberedRows(TGridTable& table, long long rows, int floats, int discarded)
    {
        for (long long i = 0; i < rows; ++i) {
            const int row = AppendRow(table);
            Integer();
            FloatsInto(table, row, 0, floats);
            Discard(discarded);
            FinishLine();
        }
    }
    // One row of a loading table: its pick-list value, then `ignored` integers, then its values.
    void LoadingRow(TGridTable& table, int ignored);

    void Pile();
    void Constants();
    void PileTipAndBatteredPiles();
    void Soil();
    void SideCap();
    void Loading();
    void Masses();

    TProject& m_project;
    TProgramData& m_data;
    TWordReader& m_reader;
    bool m_gravityRead = false;
    int32_t m_pileLayers = 0;
    int32_t m_foundationLayers = 0;
    std::string m_line; // the line last read where the walk looks at a line before deciding
};

void TProjectWalk::Run()
{
    m_data.Title = From(Line(), 6, 247);

    m_line = Line();
    m_data.WriteMatrix = m_line == "MATRIX" ? 1 : 0;
    if (m_data.WriteMatrix == 1) m_line = Line();
    const long double gravity = FieldFloat(From(m_line, 8));
    m_project.ChangeUnitSystem(gravity >= 10 ? English : SI);
    m_gravityRead = true;

    const std::string keyword = From(Trim(Line()), 11);
    const int type = FoundationTypeOf(keyword);
    // Every later step depends on the foundation; a file naming none of the four is no project file.
    if (type == 0) throw EInOutError(kIncomplete);
    m_data.FoundationKeyword = keyword;
    m_data.FoundationType = type;

    m_line = Line();
    if (StartsWith(m_line, "CIRCULAR")) {
        m_data.ShapeCircular = CircularShape;
        m_data.Radius = FieldFloat(From(m_line, 9));
    } else {
        m_data.ShapeCircular = RectangularShape;
        const std::string sizes = From(m_line, 12);
        const std::size_t comma = sizes.find(',');
        m_data.LengthX = FieldFloat(comma == std::string::npos ? std::string() : sizes.substr(0, comma));
        m_data.WidthY = FieldFloat(comma == std::string::npos ? sizes : sizes.substr(comma + 1));
        m_data.GeometryWidthY = m_data.WidthY;
    }

    Line(); // MASS
    for (long double* field : {&m_data.TotalMass, &m_data.InertiaXX, &m_data.InertiaYY, &m_data.InertiaZZ,
                               &m_data.ProductXY, &m_data.ProductXZ, &m_data.ProductYZ})
        *field = Float();
    FinishLine();

    if (type == PileFoundation) Pile();
    if (type == MultilayerFoundation) m_foundationLayers = FieldInteger(From(Trim(Line()), 6));
    Constants();
    if (type == PileFoundation) {
        Line(); // ELEMENT
        NumberedRows(m_project.PileData, m_pileLayers, 7, 0);
        PileTipAndBatteredPiles();
    }
    if (type == MultilayerFoundation) {
        Line(); // ELEMENT
        NumberedRows(m_project.MultiElement, m_foundationLayers, 7, 0);
    }
    Soil();
    SideCap();
    Loading();
    Masses();
}

void TProjectWalk::Pile()
{
    m_pileLayers = FieldInteger(From(Trim(Line()), 7));
    m_line = Trim(Line());
    const bool fixed = StartsWith(m_line, "FIXED");
    m_data.PileHeadFixed = fixed ? FixedPileHead : PinnedPileHead;
    const int32_t piles = FieldInteger(From(m_line, fixed ? 6 : 7));
    TGridTable& coords = m_project.Pilecoord;
    for (int32_t i = 0; i < piles; ++i) {
        const int row = AppendRow(coords);
        Integer();
        FloatsInto(coords, row, 0, 2);
        FinishLine();
    }
}

void TProjectWalk::Constants()
{
    Line(); // CONSTANTS
    TProgramData& d = m_data;
    std::vector<long double*> fields{&d.BaseX, &d.BaseY, &d.BaseZ};
    if (d.FoundationType == PileFoundation || d.FoundationType == MultilayerFoundation) {
        for (long double* f : {&d.PileLength, &d.PileUnitWeight, &d.StaticLoad, &d.PilePoisson, &d.PileDamping,
                               &d.ShearRigidityCoefficient, &d.PileElasticModulus})
            fields.push_back(f);
    } else if (d.FoundationType == StratumFoundation) {
        fields.push_back(&d.BaseDepth);
        fields.push_back(&d.BedrockDepth);
    }
    for (long double* field : fields) *field = Float();
    FinishLine();
}

void TProjectWalk::PileTipAndBatteredPiles()
{
    m_line = Line();
    m_data.EndBearing = m_line == "END-BEARING" ? EndBearingPiles : FloatingPiles;
    if (m_line == "FLOATING" || m_line == "END-BEARING") m_line = Line();
    if (m_line == "BATTERED") {
        // The block is only ever written for a battered group: keep writing it, as the saved model did.
        m_data.HasBatteredPiles = true;
        TGridTable& coords = m_project.Pilecoord;
        for (int row = 0; row < coords.RowCount(); ++row) {
            const std::vector<std::string> words = BlankSeparated(Line());
            if (words.size() > 1 && words[1] == "XZ") coords.Cell(3, row).SetInteger(1);
            if (words.size() > 1 && words[1] == "YZ") coords.Cell(3, row).SetInteger(2);
            coords.Cell(2, row).SetFloat(FieldFloat(Line()));
        }
        m_line = Line();
    }
    m_data.PileInteraction = StartsWith(m_line, "INTERACTION") ? 1 : 0;
    if (m_data.PileInteraction == 1) m_line = Line();
    // m_line now is the "SOIL" line.
}

void TProjectWalk::Soil()
{
    TProgramData& d = m_data;
    if (d.FoundationType == PileFoundation) {
        Line(); // WEAK
        Line(); // CONSTANTS
        NumberedRows(m_project.D, m_project.PileData.RowCount(), 5, 3);
    } else if (d.FoundationType == MultilayerFoundation) {
        Line(); // SOIL
        m_line = Line();
        // "WEAK" is only written when D has rows.
        if (StartsWith(m_line, "WEAK")) m_line = Line();
        const long long soilRows = std::max<int32_t>(CountAfterConstants(m_line), 0);
        const long long columnRows = static_cast<long long>(m_project.MultiElement.RowCount()) - soilRows;
        NumberedRows(m_project.D, soilRows, 5, 3);
        NumberedRows(m_project.Multisoil, columnRows, 5, 0);
    } else if (d.FoundationType == HalfSpaceFoundation) {
        Line(); // SOIL
        m_line = Line();
        const bool weak = StartsWith(m_line, "WEAK");
        if (weak) m_line = Line();
        const int32_t rows = CountAfterConstants(m_line);
        d.HasWeakZone = weak;
        NumberedRows(m_project.D1, rows, weak ? 6 : 5, weak ? 3 : 0);
    }

    if (d.FoundationType == StratumFoundation) {
        Line(); // SOIL
        Line(); // CONSTANTS
        for (long double* f : {&d.BelowShearWaveVelocity, &d.BelowUnitWeight, &d.BelowPoisson, &d.BelowDamping})
            *f = Float();
        FinishLine();
    } else {
        std::vector<std::string> values = BlankSeparated(From(Line(), 6));
        values.resize(4);
        d.BelowShearWaveVelocity = FieldFloat(values[0]);
        d.BelowUnitWeight = FieldFloat(values[1]);
        d.BelowPoisson = FieldFloat(values[2]);
        d.BelowDamping = FieldFloat(values[3]);
    }
}

void TProjectWalk::SideCap()
{
    if (m_data.FoundationType != PileFoundation) {
        Line(); // LOAD
        return;
    }
    TGridTable& cap = m_project.pilecapsoil;
    m_line = Line();
    if (StartsWith(m_line, "SIDE-CAP")) {
        // Written only while the side soil has a weak zone: keep writing it so.
        m_data.HasSideCapWeakZone = true;
        m_line = Line();
        if (!StartsWith(m_line, "EMBEDDED")) return; // that line was the LOAD line
        NumberedRows(cap, Integer(), 6, 3);
    } else if (StartsWith(m_line, "EMBEDDED")) {
        NumberedRows(cap, Integer(), 5, 0);
    } else {
        return; // the line read was the LOAD line
    }
    FinishLine(); // the count line, when there were no rows
    Line();       // LOAD
}

void TProjectWalk::LoadingRow(TGridTable& table, int ignored)
{
    const int row = AppendRow(table);
    const int32_t item = Integer();
    // A pick-list value outside the list would leave the row without its value table.
    const auto* pickList = dynamic_cast<const TEnumColumn*>(&table.Column(0));
    if (pickList == nullptr || item < 1 || item > static_cast<int32_t>(pickList->Items().size()))
        throw EInOutError(kIncomplete);
    table.Cell(0, row).SetInteger(item);
    for (int i = 0; i < ignored; ++i) Integer();
    TGridTable* values = table.Cell(1, row).GetTable();
    if (values == nullptr) throw EInOutError(kIncomplete);
    values->SetRowCount(0);
    for (int32_t i = 0; i < m_data.PointCount; ++i) {
        const int valueRow = AppendRow(*values);
        values->Cell(0, valueRow).SetFloat(Float());
    }
    FinishLine();
}

void TProjectWalk::Loading()
{
    TProgramData& d = m_data;
    d.LoadingKeyword = Line();
    Line(); // CONSTANTS
    if (StartsWith(d.LoadingKeyword, "TRANSIENT")) {
        d.LoadingType = TransientLoading;
        d.PointCount = Integer();
        d.TimeInterval = Float();
        d.LoadTypeCount = Integer();
        for (int32_t i = 0; i < d.LoadTypeCount; ++i) LoadingRow(m_project.TLoadtype, 0);
        FinishLine();
    } else if (StartsWith(d.LoadingKeyword, "RANDOM")) {
        d.LoadingType = RandomLoading;
        d.RandomMaxFrequency = Float();
        d.RandomMinFrequency = Float();
        d.PointCount = Integer();
        d.ObservationPeriod = Float();
        d.LoadTypeCount = Integer();
        for (int32_t i = 0; i < d.LoadTypeCount; ++i) LoadingRow(m_project.Trandom, 1);
        FinishLine();
    } else {
        d.QuadraticLoading = Trim(Line()) == "QUADRATIC" ? 1 : 0;
        constexpr long double Circular = 6.28L;
        d.MaxFrequency = Float() / Circular;
        d.MinFrequency = Float() / Circular;
        d.FrequencyStep = Float() / Circular;
        for (long double* f : {&d.ForceX, &d.ForceY, &d.ForceZ, &d.MomentX, &d.MomentY, &d.MomentZ}) *f = Float();
        d.LoadPointX = d.LoadPointY = d.LoadPointZ = 0;
        FinishLine();
        // Older files have no load point line.
        if (!m_reader.AtEnd() && m_reader.WordCount() > 1) {
            for (long double* f : {&d.LoadPointX, &d.LoadPointY, &d.LoadPointZ}) *f = Float();
            FinishLine();
        }
    }
}

void TProjectWalk::Masses()
{
    TProgramData& d = m_data;
    Line(); // RUN
    d.MassComponentCount = 0;
    if (m_reader.AtEnd()) return;
    d.MassComponentCount = Integer();
    for (int32_t i = 0; i < d.MassComponentCount; ++i) {
        const int row = AppendRow(m_project.MassCal);
        FloatsInto(m_project.MassCal, row, 0, 7);
        FinishLine();
    }
    FinishLine();
    // The centres are written whatever the component count, and read back so.
    for (auto triple : {std::array{&d.CgLocalX, &d.CgLocalY, &d.CgLocalZ}, std::array{&d.CbLocalX, &d.CbLocalY, &d.CbLocalZ},
                        std::array{&d.CbGlobalX, &d.CbGlobalY, &d.CbGlobalZ}}) {
        if (m_reader.AtEnd()) return;
        for (long double* f : triple) *f = Float();
        FinishLine();
    }
}

std::string ReadProject(TProject& project, const std::string& path, const std::function<TWordReader()>& load)
{
    project.CreateDefault();
    TProgramData& d = project.ProgramData();
    d.FileName = path;
    // The file names its unit system only in the gravity line: until then the model is taken as
    // English without conversion, and the tables stay as they are.
    d.UnitSystem = English;
    for (TGridTable* table : project.Tables()) table->SetRowCount(0);

    std::string message;
    bool gravityRead = false;
    try {
        TWordReader reader = load();
        TProjectWalk walk(project, reader);
        try {
            walk.Run();
        } catch (...) {
            gravityRead = walk.GravityRead();
            throw;
        }
        gravityRead = true;
    } catch (const std::exception& e) {
        message = e.what();
        if (message.empty()) message = kIncomplete;
    }
    // Before the gravity line nothing numeric was read; the model goes back to the system its tables
    // are in, as a new project has it.
    if (!gravityRead) d.UnitSystem = SI;

    for (TGridTable* table : project.Tables())
        if (table->RowCount() < table->MinRows()) table->SetRowCount(table->MinRows());
    project.SetModified(false);
    return message;
}

} // namespace

std::string ReadProjectFile(TProject& project, const std::string& path)
{
    return ReadProject(project, path, [&path] { return TWordReader(path); });
}

std::string ReadProjectText(TProject& project, std::string_view bytes, const std::string& path)
{
    return ReadProject(project, path, [bytes] { return TWordReader::FromText(bytes); });
}

void TProject::CreateFromFile(const std::string& path)
{
    const std::string message = ReadProjectFile(*this, path);
    if (!message.empty()) throw EProjectReadError(message);
}

} // namespace quavis
