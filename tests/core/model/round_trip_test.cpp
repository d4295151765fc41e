#include "model/project_reader.h"
#include "model/project_writer.h"

#include "components/grid_table.h"
#include "model/project.h"

#include "model_fields.h"
#include "project_cases.h"

#include "support/float_compare.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace quavis {
namespace {

using test::FixturePath;
using test::ProjectCase;
using test::ReadFileBytes;
using test::TempDir;

void ExpectSameTable(const TGridTable& actual, const TGridTable& expected, const std::string& where)
{
    ASSERT_EQ(actual.RowCount(), expected.RowCount()) << where;
    ASSERT_EQ(actual.ColumnCount(), expected.ColumnCount()) << where;
    for (int col = 0; col < expected.ColumnCount(); ++col) {
        for (int row = 0; row < expected.RowCount(); ++row) {
            const std::string cell = where + " column " + std::to_string(col) + " row " + std::to_string(row);
            switch (expected.Column(col).TypeKey()) {
            case 2: EXPECT_EQ(actual.Cell(col, row).GetFloat(), expected.Cell(col, row).GetFloat()) << cell; break;
            case 0:
            case 1: EXPECT_EQ(actual.Cell(col, row).GetInteger(), expected.Cell(col, row).GetInteger()) << cell; break;
            case 3:
                ASSERT_NE(actual.Cell(col, row).GetTable(), nullptr) << cell;
                ExpectSameTable(*actual.Cell(col, row).GetTable(), *expected.Cell(col, row).GetTable(), cell);
                break;
            default: break;
            }
        }
    }
}

// The reals a project file of this kind has no place for: they read back as their defaults.
std::set<std::string> RealsNotCarried(const TProgramData& d)
{
    std::set<std::string> names{"ProfileDepth", "EmbedmentDepth"};
    auto add = [&names](std::initializer_list<const char*> list) { names.insert(list.begin(), list.end()); };
    if (d.ShapeCircular == CircularShape)
        add({"LengthX", "WidthY", "GeometryWidthY"});
    else
        add({"Radius"});
    if (d.FoundationType == HalfSpaceFoundation || d.FoundationType == StratumFoundation)
        add({"PileLength", "PileUnitWeight", "StaticLoad", "PilePoisson", "PileDamping", "ShearRigidityCoefficient",
             "PileElasticModulus"});
    if (d.FoundationType != StratumFoundation) add({"BaseDepth", "BedrockDepth"});
    if (d.LoadingType != HarmonicLoading)
        add({"MaxFrequency", "MinFrequency", "FrequencyStep", "ForceX", "ForceY", "ForceZ", "MomentX", "MomentY",
             "MomentZ", "LoadPointX", "LoadPointY", "LoadPointZ"});
    if (d.LoadingType != TransientLoading) add({"TimeInterval"});
    if (d.LoadingType != RandomLoading) add({"RandomMaxFrequency", "RandomMinFrequency", "ObservationPeriod"});
    return names;
}

class ProjectRoundTrip : public ::testing::TestWithParam<ProjectCase> {};

TEST_P(ProjectRoundTrip, SavingWritesTheGoldenFiles)
{
    TempDir dir;
    TProject project;
    GetParam().build(project);
    project.ProgramData().FileName = (dir / "case.vqd").string();
    project.Save();
    EXPECT_EQ(ReadFileBytes(dir / "case.vqd"), ReadFileBytes(FixturePath(std::string(GetParam().name) + ".vqd")));
    EXPECT_EQ(ReadFileBytes(dir / "case.vqt"), ReadFileBytes(FixturePath(std::string(GetParam().name) + ".vqt")));
    EXPECT_FALSE(project.IsModified());
}

TEST_P(ProjectRoundTrip, ReadingRestoresEveryFieldAndCellTheFileCarries)
{
    TempDir dir;
    TProject built;
    GetParam().build(built);
    built.ProgramData().FileName = (dir / "case.vqd").string();
    built.Save();

    TProject read;
    ASSERT_EQ(ReadProjectFile(read, built.ProgramData().FileName), "");
    const TProgramData& b = built.ProgramData();
    const TProgramData& r = read.ProgramData();

    const std::set<std::string> notCarried = RealsNotCarried(b);
    for (const test::FieldCase& field : test::AllRealFields()) {
        if (notCarried.count(field.name)) {
            EXPECT_EQ(r.*field.field, 0.0L) << field.name;
        } else {
            EXPECT_TRUE(test::NearRel(r.*field.field, b.*field.field, 1e-15L)) << field.name;
        }
    }
    EXPECT_EQ(r.FileName, b.FileName);
    EXPECT_EQ(r.Title, b.Title);
    EXPECT_EQ(r.UnitSystem, b.UnitSystem);
    EXPECT_EQ(r.FoundationKeyword, b.FoundationKeyword);
    EXPECT_EQ(r.FoundationType, b.FoundationType);
    EXPECT_EQ(r.ShapeCircular, b.ShapeCircular);
    EXPECT_EQ(r.WriteMatrix, b.WriteMatrix);
    EXPECT_EQ(r.LoadingType, b.LoadingType);
    EXPECT_EQ(r.MassComponentCount, b.MassComponentCount);
    EXPECT_EQ(r.HasWeakZone, b.HasWeakZone);
    EXPECT_EQ(r.HasBatteredPiles, b.HasBatteredPiles);
    EXPECT_EQ(r.HasSideCapWeakZone, b.HasSideCapWeakZone);
    if (b.FoundationType == PileFoundation) {
        EXPECT_EQ(r.PileHeadFixed, b.PileHeadFixed);
        EXPECT_EQ(r.EndBearing, b.EndBearing);
        EXPECT_EQ(r.PileInteraction, b.PileInteraction);
    }
    if (b.LoadingType == HarmonicLoading) {
        EXPECT_EQ(r.QuadraticLoading, b.QuadraticLoading);
    }
    if (b.LoadingType != HarmonicLoading) {
        EXPECT_EQ(r.PointCount, b.PointCount);
        EXPECT_EQ(r.LoadTypeCount, b.LoadTypeCount);
    }
    for (const char* name : GetParam().tables)
        ExpectSameTable(test::TableNamed(read, name), test::TableNamed(built, name), name);
    EXPECT_FALSE(read.IsModified());
}

TEST_P(ProjectRoundTrip, ReadingAndSavingAgainReproducesTheFiles)
{
    TempDir dir;
    const std::string name = GetParam().name;
    TProject project;
    ASSERT_EQ(ReadProjectFile(project, FixturePath(name + ".vqd").string()), "");
    project.ProgramData().FileName = (dir / "again.vqd").string();
    project.Save();
    EXPECT_EQ(ReadFileBytes(dir / "again.vqd"), ReadFileBytes(FixturePath(name + ".vqd")));
    if (GetParam().geometryCarried) {
        EXPECT_EQ(ReadFileBytes(dir / "again.vqt"), ReadFileBytes(FixturePath(name + ".vqt")));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ProjectRoundTrip, ::testing::ValuesIn(test::ProjectCases()),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace quavis
