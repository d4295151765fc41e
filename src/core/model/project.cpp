#include "model/project.h"

#include "components/grid_table.h"
#include "model/input_tables.h"
#include "model/unit_switch.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace quavis {

namespace {

std::array<std::unique_ptr<TGridTable>, TProject::TableCount> MakeTables()
{
    std::array<std::unique_ptr<TGridTable>, TProject::TableCount> tables;
    for (auto& table : tables)
        table = std::make_unique<TGridTable>();
    return tables;
}

// True when any row of the column holds a value whose magnitude exceeds the threshold.
bool AnyAbove(const TGridTable& table, int col, long double threshold)
{
    if (col >= table.ColumnCount())
        return false;
    for (int row = 0; row < table.RowCount(); ++row)
        if (std::fabs(table.Cell(col, row).GetFloat()) > threshold)
            return true;
    return false;
}

constexpr long double FlagThreshold = 1e-7L;

// Every live project, oldest first. The loading tables find their sub-table templates by identifier,
// and identifiers are unique among live tables: a project made later (the engine's, a test's) takes
// them over, and when it goes the newest remaining project must get them back, or its loading rows
// would be made without amplitude tables. Unguarded, like the table registry (one thread).
std::vector<TProject*>& LiveProjects()
{
    static std::vector<TProject*> projects;
    return projects;
}

} // namespace

TProject::TProject()
    : m_tableStorage(MakeTables()),
      D(*m_tableStorage[0]),
      TLoadtype(*m_tableStorage[1]),
      PileData(*m_tableStorage[2]),
      pilecapsoil(*m_tableStorage[3]),
      Multisoil(*m_tableStorage[4]),
      MultiElement(*m_tableStorage[5]),
      Pilecoord(*m_tableStorage[6]),
      Dtransient(*m_tableStorage[7]),
      Trandom(*m_tableStorage[8]),
      Tspectrum(*m_tableStorage[9]),
      D1(*m_tableStorage[10]),
      MassCal(*m_tableStorage[11])
{
    for (std::size_t i = 0; i < TableCount; ++i)
        m_tables[i] = m_tableStorage[i].get();
    DefineInputTables(m_tables);
    LiveProjects().push_back(this);
    CreateDefault();
}

TProject::~TProject()
{
    auto& live = LiveProjects();
    live.erase(std::remove(live.begin(), live.end(), this), live.end());
    if (D.Identifier() == DIdentifier && !live.empty())
        live.back()->ClaimIdentifiers();
}

void TProject::ClaimIdentifiers()
{
    for (std::size_t i = 0; i < TableCount; ++i)
        m_tables[i]->SetIdentifier(static_cast<int>(i) + 1);
}

bool TProject::IsModified() const
{
    if (m_modified)
        return true;
    for (const TGridTable* table : m_tables)
        if (table->IsChanged())
            return true;
    return false;
}

void TProject::SetModified(bool flag)
{
    m_modified = flag;
    if (!flag)
        for (TGridTable* table : m_tables)
            table->SetChanged(false);
}

void TProject::CreateDefault()
{
    if (OnCloseAllChildren)
        OnCloseAllChildren();

    m_programData = TProgramData{};
    TProgramData& d = m_programData;
    d.FileName = NewProjectFileName;
    d.UnitSystem = English;
    d.Title = "New Pile";
    ChangeUnitSystem(SI);
    d.LoadingType = HarmonicLoading;
    d.FoundationType = HalfSpaceFoundation;
    d.FoundationKeyword = HalfSpaceKeyword;
    d.PileHeadFixed = FixedPileHead;
    d.WriteMatrix = 1;
    d.EndBearing = FloatingPiles;
    d.PileInteraction = 1;
    d.EmbedmentDepth = 0;

    for (TGridTable* table : m_tables) {
        table->SetRowCount(0);
        table->SetRowCount(table->MinRows());
    }
    SetModified(false);
    d.HasBatteredPiles = false;
    d.HasSideCapWeakZone = false;
    d.HasWeakZone = true;
}

void TProject::ChangeUnitSystem(int system)
{
    const int target = ClampUnitSystem(system);
    ConvertProgramData(m_programData, target);
    // Also when the model was already in the target system: the reader sets the model's system
    // without converting while the tables are still in the other one.
    for (TGridTable* table : m_tables)
        table->SetUnitSystem(target);
    if (OnUnitSystemChanged)
        OnUnitSystemChanged();
}

bool TProject::DetectBatteredPiles()
{
    if (AnyAbove(Pilecoord, 2, FlagThreshold))
        m_programData.HasBatteredPiles = true;
    return m_programData.HasBatteredPiles;
}

bool TProject::DetectSideCapWeakZone()
{
    if (AnyAbove(pilecapsoil, 5, FlagThreshold))
        m_programData.HasSideCapWeakZone = true;
    return m_programData.HasSideCapWeakZone;
}

bool TProject::DetectWeakZone()
{
    if (AnyAbove(D1, 5, FlagThreshold))
        m_programData.HasWeakZone = true;
    return m_programData.HasWeakZone;
}

} // namespace quavis
