#include "model/project.h"

#include "components/grid_table.h"
#include "model_fields.h"

#include <gtest/gtest.h>

namespace quavis {
namespace {

void ExpectNewModel(const TProgramData& d)
{
    EXPECT_EQ(d.UnitSystem, SI);
    EXPECT_EQ(d.FileName, "NewData.vqd");
    EXPECT_EQ(d.GeometryFileName, "");
    EXPECT_EQ(d.FoundationKeyword, "HALF-SPACE");
    EXPECT_EQ(d.LoadingKeyword, "");
    EXPECT_EQ(d.FoundationType, 1);
    EXPECT_EQ(d.Title, "New Pile");
    EXPECT_EQ(d.MassComponentCount, 0);
    for (const test::FieldCase& c : test::AllRealFields())
        EXPECT_EQ(d.*c.field, 0.0L) << c.name;
    EXPECT_EQ(d.PileHeadFixed, 1);
    EXPECT_EQ(d.ShapeCircular, 0);
    EXPECT_EQ(d.EndBearing, 0);
    EXPECT_EQ(d.PileHeadText, "");
    EXPECT_EQ(d.PileTipText, "");
    EXPECT_EQ(d.InteractionText, "");
    EXPECT_EQ(d.WriteMatrix, 1);
    EXPECT_EQ(d.LoadingType, 1);
    EXPECT_EQ(d.PileInteraction, 1);
    EXPECT_EQ(d.PointCount, 0);
    EXPECT_EQ(d.LoadTypeCount, 0);
    EXPECT_EQ(d.QuadraticLoading, 0);
    EXPECT_FALSE(d.HasBatteredPiles);
    EXPECT_FALSE(d.HasSideCapWeakZone);
    EXPECT_TRUE(d.HasWeakZone);
}

TEST(ProgramData, DefaultsOfAFreshRecordAreThoseOfANewModel)
{
    ExpectNewModel(TProgramData{});
}

TEST(Project, ConstructedProjectIsANewProject)
{
    TProject p;
    ExpectNewModel(p.ProgramData());
    EXPECT_FALSE(p.IsModified());
    for (const TGridTable* t : p.Tables()) {
        EXPECT_EQ(t->RowCount(), 1) << t->Caption();
        EXPECT_EQ(t->UnitSystem(), SI) << t->Caption();
    }
}

// Gives the project a bit of everything CreateDefault must undo.
void EditEverything(TProject& p)
{
    TProgramData& d = p.ProgramData();
    p.ChangeUnitSystem(English);
    d.FileName = "/tmp/x.vqd";
    d.GeometryFileName = "/tmp/x.vqt";
    d.FoundationKeyword = "PILE";
    d.FoundationType = 2;
    d.LoadingType = 3;
    d.LoadingKeyword = "RANDOM ";
    d.Title = "Other";
    d.PileHeadFixed = 0;
    d.EndBearing = 1;
    d.ShapeCircular = 1;
    d.WriteMatrix = 0;
    d.PileInteraction = 0;
    d.PointCount = 4;
    d.QuadraticLoading = 1;
    d.PileTipText = "End-Bearing Piles";
    d.HasBatteredPiles = d.HasSideCapWeakZone = true;
    d.HasWeakZone = false;
    for (const test::FieldCase& c : test::AllRealFields())
        d.*c.field = 3.5L;
    for (TGridTable* t : p.Tables()) {
        t->SetRowCount(3);
        for (int col = 0; col < t->ColumnCount(); ++col)
            if (t->Column(col).TypeKey() == 2)
                t->Cell(col, 2).SetFloat(9);
            else if (t->Column(col).TypeKey() == 0)
                t->Cell(col, 2).SetInteger(2);
    }
    p.D.SetChanged(true);
    p.SetModified(true);
}

TEST(Project, CreateDefaultResetsModelAndEveryTable)
{
    TProject p;
    EditEverything(p);
    int closed = 0;
    p.OnCloseAllChildren = [&] {
        ++closed;
        EXPECT_EQ(p.ProgramData().Title, "Other") << "children must close before the model is replaced";
    };
    p.CreateDefault();
    EXPECT_EQ(closed, 1);
    ExpectNewModel(p.ProgramData());
    EXPECT_FALSE(p.IsModified());
    for (const TGridTable* t : p.Tables()) {
        ASSERT_EQ(t->RowCount(), t->MinRows()) << t->Caption();
        EXPECT_EQ(t->UnitSystem(), SI) << t->Caption();
        for (int col = 0; col < t->ColumnCount(); ++col) {
            const int key = t->Column(col).TypeKey();
            if (key == 2) {
                EXPECT_EQ(t->Cell(col, 0).GetFloat(), 0.0L) << t->Caption() << " column " << col;
            } else if (key == 0) {
                EXPECT_EQ(t->Cell(col, 0).GetInteger(), 1) << t->Caption() << " column " << col;
            }
        }
    }
}

TEST(Project, ModifiedFlagAndTableChanges)
{
    TProject p;
    EXPECT_FALSE(p.IsModified());
    p.SetModified(true);
    EXPECT_TRUE(p.IsModified());
    p.SetModified(false);
    EXPECT_FALSE(p.IsModified());

    // A table editor marks only its table; the project still counts as modified.
    p.MassCal.SetChanged(true);
    EXPECT_TRUE(p.IsModified());
    p.SetModified(true);
    p.SetModified(false);
    EXPECT_FALSE(p.IsModified());
    EXPECT_FALSE(p.MassCal.IsChanged());

    // Setting the flag never clears a table's change.
    p.PileData.SetChanged(true);
    p.SetModified(true);
    EXPECT_TRUE(p.PileData.IsChanged());
}

TEST(Project, ChangedAmplitudeSubTableCountsAndIsCleared)
{
    TProject p;
    TGridTable* amplitudes = p.TLoadtype.Cell(1, 0).GetTable();
    ASSERT_NE(amplitudes, nullptr);
    amplitudes->SetChanged(true);
    EXPECT_TRUE(p.IsModified());
    p.SetModified(false);
    EXPECT_FALSE(p.IsModified());
    EXPECT_FALSE(amplitudes->IsChanged());
}

// The rules of the three flags that saving keeps: the threshold, never cleared, reset by a new model.
struct FlagCase {
    const char* name;
    TGridTable& (*table)(TProject&);
    int column;
    bool (TProject::*detect)();
    bool TProgramData::*flag;
};

class HasFlags : public ::testing::TestWithParam<FlagCase> {};

TEST_P(HasFlags, SetAboveThresholdNeverCleared)
{
    const FlagCase& c = GetParam();
    TProject p;
    TGridTable& t = c.table(p);
    t.SetRowCount(2);
    p.ProgramData().*c.flag = false; // the weak-zone flag of a new model is already true

    t.Cell(c.column, 1).SetFloat(1e-7L);
    EXPECT_FALSE((p.*c.detect)());
    EXPECT_FALSE(p.ProgramData().*c.flag);

    t.Cell(c.column, 1).SetFloat(-2e-7L);
    EXPECT_TRUE((p.*c.detect)());
    EXPECT_TRUE(p.ProgramData().*c.flag);

    t.Cell(c.column, 1).SetFloat(0);
    EXPECT_TRUE((p.*c.detect)()) << "the flag stays once set";

    p.CreateDefault();
    EXPECT_EQ(p.ProgramData().*c.flag, TProgramData{}.*c.flag);
}

INSTANTIATE_TEST_SUITE_P(
    Project, HasFlags,
    ::testing::Values(
        FlagCase{"BatteredPiles", [](TProject& p) -> TGridTable& { return p.Pilecoord; }, 2,
                 &TProject::DetectBatteredPiles, &TProgramData::HasBatteredPiles},
        FlagCase{"SideCapWeakZone", [](TProject& p) -> TGridTable& { return p.pilecapsoil; }, 5,
                 &TProject::DetectSideCapWeakZone, &TProgramData::HasSideCapWeakZone},
        FlagCase{"WeakZone", [](TProject& p) -> TGridTable& { return p.D1; }, 5, &TProject::DetectWeakZone,
                 &TProgramData::HasWeakZone}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Project, TemplatesStayUsableWhenALaterProjectGoes)
{
    TProject p;
    {
        TProject engine; // e.g. the analysis engine reading the same file
        engine.TLoadtype.SetRowCount(2);
        EXPECT_NE(engine.TLoadtype.Cell(1, 1).GetTable(), nullptr);
    }
    p.TLoadtype.SetRowCount(3);
    p.Trandom.SetRowCount(2);
    ASSERT_NE(p.TLoadtype.Cell(1, 2).GetTable(), nullptr);
    EXPECT_EQ(p.TLoadtype.Cell(1, 2).GetTable()->Caption(), "Load Amplitude");
    ASSERT_NE(p.Trandom.Cell(1, 1).GetTable(), nullptr);
    EXPECT_EQ(p.Trandom.Cell(1, 1).GetTable()->Caption(), "Random Spectrum Data");
    EXPECT_EQ(p.Dtransient.Identifier(), 8);
}

} // namespace
} // namespace quavis
