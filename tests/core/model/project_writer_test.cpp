#include "model/project_writer.h"

#include "components/errors.h"
#include "components/grid_table.h"
#include "model/project.h"
#include "model/project_reader.h"

#include "project_cases.h"
#include "project_file_text.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace quavis {
namespace {

using test::CrLfLines;
using test::FillLoading;
using test::FillRows;
using test::FixturePath;
using test::HasLine;
using test::LineAfter;
using test::ReadFileBytes;
using test::TempDir;

std::vector<std::string> ProjectLines(TProject& project) { return CrLfLines(ComposeProjectFile(project)); }

TEST(ProjectWriter, NewModelWritesTheExampleProjectAndGeometryFiles)
{
    TempDir dir;
    TProject project;
    project.SetModified(true);
    project.ProgramData().FileName = (dir / "NewData.vqd").string();
    project.Save();
    EXPECT_EQ(ReadFileBytes(dir / "NewData.vqd"), ReadFileBytes(FixturePath("new_project.vqd")));
    EXPECT_EQ(ReadFileBytes(dir / "NewData.vqt"), ReadFileBytes(FixturePath("new_project.vqt")));
    EXPECT_EQ(project.ProgramData().GeometryFileName, (dir / "NewData.vqt").string());
    EXPECT_FALSE(project.IsModified());
}

// The weak-zone flag is the last value of a soil row: 0 when the ratio means no reduction.
struct WeakZoneFlagCase {
    const char* section;
    long double ratio;
    const char* flag;
};

std::string SoilRowFlag(const char* section, long double ratio)
{
    TProject p;
    TProgramData& d = p.ProgramData();
    const std::string s = section;
    std::string marker;
    if (s == "half-space") {
        p.D1.Cell(5, 0).SetFloat(ratio);
        marker = "CONSTANTS=1";
    } else if (s == "pile" || s == "side-cap") {
        test::Foundation(p, PileFoundation);
        p.D.Cell(4, 0).SetFloat(ratio);
        p.pilecapsoil.Cell(5, 0).SetFloat(ratio);
        d.HasSideCapWeakZone = true; // the side-cap row with weak-zone data
        marker = s == "pile" ? "CONSTANTS" : "EMBEDDED";
    } else {
        test::Foundation(p, MultilayerFoundation);
        p.D.Cell(4, 0).SetFloat(ratio);
        marker = "CONSTANTS=1";
    }
    const auto lines = ProjectLines(p);
    const std::string row = LineAfter(lines, marker, s == "side-cap" ? 2 : 1);
    return row.substr(row.rfind(' ') + 1);
}

TEST(ProjectWriter, WeakZoneFlagThresholdsPerSection)
{
    const std::vector<WeakZoneFlagCase> cases = {
        {"half-space", 0.999999L, "1"}, {"half-space", 0.9999995L, "0"}, {"half-space", 0.999995L, "1"},
        {"half-space", 0, "1"},         {"pile", 0.999999L, "1"},        {"pile", 0.999995L, "1"},
        {"pile", 1, "0"},               {"side-cap", 0.999999L, "1"},    {"side-cap", 0.999995L, "1"},
        {"side-cap", 1, "0"},           {"multilayer", 0.99999L, "1"},   {"multilayer", 0.999995L, "0"},
        {"multilayer", 0, "1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SoilRowFlag(c.section, c.ratio), c.flag) << c.section << " ratio " << static_cast<double>(c.ratio);
}

// Values derived from a cell, and tests on a cell, use the value the file gives a reader, so that a
// file read and saved again keeps its derived values.
TEST(ProjectWriter, DerivedValuesComeFromTheCellsAsWritten)
{
    TProject p;
    p.D1.Cell(4, 0).SetFloat(1.0L / 3);
    p.D1.Cell(5, 0).SetFloat(0.9999990001L);
    const std::string text = ComposeProjectFile(p);
    EXPECT_EQ(LineAfter(CrLfLines(text), "CONSTANTS=1"), "1 0 0 0 0 0.33333333 0.999999 0 0.66666666 1");
    TProject back;
    ASSERT_EQ(ReadProjectText(back, text, "x.vqd"), "");
    EXPECT_EQ(ComposeProjectFile(back), text);

    TProject pile;
    test::Foundation(pile, PileFoundation);
    pile.pilecapsoil.Cell(1, 0).SetFloat(1.000000001e-5L); // written 1E-5: not above the threshold
    EXPECT_FALSE(HasLine(ProjectLines(pile), "EMBEDDED"));
    pile.pilecapsoil.Cell(1, 0).SetFloat(1.0000001e-5L);
    EXPECT_TRUE(HasLine(ProjectLines(pile), "EMBEDDED"));
}

TEST(ProjectWriter, BatteredBlockFromAngleAboveThresholdAndKeptOnceSeen)
{
    TProject p;
    test::Foundation(p, PileFoundation);
    FillRows(p.Pilecoord, {{0, 0, 0.0000001L}, {1, 0, 0}});
    EXPECT_FALSE(HasLine(ProjectLines(p), "BATTERED"));
    EXPECT_FALSE(p.ProgramData().HasBatteredPiles);

    p.Pilecoord.Cell(2, 1).SetFloat(0.0000002L);
    p.Pilecoord.Cell(3, 1).SetInteger(2);
    auto lines = ProjectLines(p);
    EXPECT_EQ(LineAfter(lines, "BATTERED", 1), "1 XZ  ");
    EXPECT_EQ(LineAfter(lines, "BATTERED", 2), "1E-7 ");
    EXPECT_EQ(LineAfter(lines, "BATTERED", 3), "2 YZ  ");
    EXPECT_EQ(LineAfter(lines, "BATTERED", 4), "2E-7 ");

    // Angles set back to zero still write the block, with the current angles.
    p.Pilecoord.Cell(2, 0).SetFloat(0);
    p.Pilecoord.Cell(2, 1).SetFloat(0);
    lines = ProjectLines(p);
    EXPECT_EQ(LineAfter(lines, "BATTERED", 4), "0 ");
    EXPECT_TRUE(HasLine(CrLfLines(ComposeGeometryFile(p)), "2 90 0 "));
}

TEST(ProjectWriter, MassCountIsZeroWhenTheFirstMassIsZero)
{
    TProject p;
    FillRows(p.MassCal, {{0, 1, 2, 3, 4, 5, 6}, {9, 1, 2, 3, 4, 5, 6}});
    auto lines = ProjectLines(p);
    EXPECT_EQ(LineAfter(lines, "RUN "), "0");
    EXPECT_EQ(LineAfter(lines, "RUN ", 2).substr(0, 1), " "); // straight to the E23 lines
    EXPECT_EQ(p.ProgramData().MassComponentCount, 0);

    p.MassCal.Cell(0, 0).SetFloat(1e-8L);
    lines = ProjectLines(p);
    EXPECT_EQ(LineAfter(lines, "RUN "), "2");
    EXPECT_EQ(LineAfter(lines, "RUN ", 2), "1E-8 1 2 3 4 5 6 ");
    EXPECT_EQ(LineAfter(lines, "RUN ", 3), "9 1 2 3 4 5 6 ");
    EXPECT_EQ(p.ProgramData().MassComponentCount, 2);
}

TEST(ProjectWriter, HarmonicFrequenciesAreWrittenTimesSixPointTwoEight)
{
    TProject p;
    TProgramData& d = p.ProgramData();
    d.MaxFrequency = 10;
    d.MinFrequency = 0.5L;
    d.FrequencyStep = 1.25L;
    d.QuadraticLoading = 1;
    const auto lines = ProjectLines(p);
    EXPECT_EQ(LineAfter(lines, "QUADRATIC "), "62.8 3.14 7.85 ");
}

TEST(ProjectWriter, TransientBlockOfThreePointsAndTwoLoadTypes)
{
    TProject p;
    TProgramData& d = p.ProgramData();
    d.LoadingType = TransientLoading;
    d.PointCount = 3;
    d.TimeInterval = 0.02L;
    FillLoading(p.TLoadtype, {{2, {1, 2, 3}}, {4, {-1, 0.5L, 1e-9L}}});
    const auto lines = ProjectLines(p);
    const std::vector<std::string> expected = {"TRANSIENT ", "CONSTANTS ", "3 ", "0.02 ", "2 ", "2 ", "1 ", "2 ",
                                               "3 ", "4 ", "-1 ", "0.5 ", "1E-9 ", "RUN "};
    auto at = std::find(lines.begin(), lines.end(), "TRANSIENT ");
    ASSERT_NE(at, lines.end());
    EXPECT_EQ(std::vector<std::string>(at, at + expected.size()), expected);
}

// The file carries one point count for all rows; the rows' value tables are brought to one length so
// that the file reads back to the same data, and nothing typed is dropped.
TEST(ProjectWriter, LoadRowsOfDifferentLengthsAreBroughtToOnePointCount)
{
    TempDir dir;
    for (const int loading : {TransientLoading, RandomLoading}) {
        TProject p;
        TProgramData& d = p.ProgramData();
        d.LoadingType = loading;
        TGridTable& table = loading == TransientLoading ? p.TLoadtype : p.Trandom;
        std::vector<long double> eighty(80);
        for (int i = 0; i < 80; ++i) eighty[i] = i + 1;
        table.SetRowCount(2);
        table.Cell(0, 1).SetInteger(3);
        for (int row = 0; row < 2; ++row) {
            TGridTable& values = *table.Cell(1, row).GetTable();
            values.SetRowCount(80);
            for (int i = 0; i < 80; ++i) values.Cell(0, i).SetFloat(eighty[i] * (row + 1));
        }
        d.PointCount = 100;
        d.FileName = (dir / "points.vqd").string();
        p.Save();
        EXPECT_EQ(d.PointCount, 100);
        EXPECT_EQ(table.Cell(1, 0).GetTable()->RowCount(), 100);
        EXPECT_EQ(table.Cell(1, 1).GetTable()->Cell(0, 79).GetFloat(), 160);
        EXPECT_EQ(table.Cell(1, 1).GetTable()->Cell(0, 99).GetFloat(), 0);

        TProject back;
        ASSERT_EQ(ReadProjectFile(back, d.FileName), "") << loading;
        const TGridTable& backTable = loading == TransientLoading ? back.TLoadtype : back.Trandom;
        ASSERT_EQ(backTable.RowCount(), 2);
        EXPECT_EQ(backTable.Cell(0, 1).GetInteger(), 3);
        EXPECT_EQ(backTable.Cell(1, 1).GetTable()->RowCount(), 100);
        EXPECT_EQ(backTable.Cell(1, 1).GetTable()->Cell(0, 79).GetFloat(), 160);

        // More values than points: the count follows the longest row.
        table.Cell(1, 0).GetTable()->SetRowCount(120);
        table.Cell(1, 0).GetTable()->Cell(0, 119).SetFloat(7);
        p.Save();
        EXPECT_EQ(d.PointCount, 120);
        ASSERT_EQ(ReadProjectFile(back, d.FileName), "") << loading;
        EXPECT_EQ(back.ProgramData().PointCount, 120);
        EXPECT_EQ(backTable.Cell(1, 0).GetTable()->Cell(0, 119).GetFloat(), 7);
        EXPECT_EQ(backTable.Cell(1, 1).GetTable()->RowCount(), 120);
    }
}

// The file has one soil row per pile layer, whatever the soil table holds.
TEST(ProjectWriter, PileSoilRowsFollowThePileLayers)
{
    TProject p;
    test::Foundation(p, PileFoundation);
    FillRows(p.PileData, {{1, 1, 1, 1, 1, 1, 1}, {2, 1, 1, 1, 1, 1, 1}, {3, 1, 1, 1, 1, 1, 1}});
    FillRows(p.D, {{100, 18, 0.3L, 0.05L, 0.5L}});
    auto lines = ProjectLines(p);
    EXPECT_EQ(LineAfter(lines, "CONSTANTS", 1), "1 100 18 0.3 0.05 0.5 0.3 0.1 1");
    EXPECT_EQ(LineAfter(lines, "CONSTANTS", 2), "2 0 0 0 0 0 0 0 1");
    EXPECT_EQ(LineAfter(lines, "CONSTANTS", 3), "3 0 0 0 0 0 0 0 1");
    EXPECT_EQ(LineAfter(lines, "CONSTANTS", 4).substr(0, 6), "BELOW=");
    EXPECT_EQ(p.D.RowCount(), 1);

    FillRows(p.PileData, {{1, 1, 1, 1, 1, 1, 1}});
    FillRows(p.D, {{100, 18, 0.3L, 0.05L, 0.5L}, {200, 18, 0.3L, 0.05L, 0.5L}});
    const std::string text = ComposeProjectFile(p);
    EXPECT_EQ(LineAfter(CrLfLines(text), "CONSTANTS", 2).substr(0, 6), "BELOW=");
    TProject back;
    EXPECT_EQ(ReadProjectText(back, text, "x.vqd"), "");
    EXPECT_EQ(back.D.RowCount(), 1);
}

TEST(ProjectWriter, MultilayerSoilRowsNotYetInTheSoilColumnTableAreDefaultRows)
{
    TProject p;
    test::Foundation(p, MultilayerFoundation);
    FillRows(p.MultiElement, {{1, 1, 1, 1, 1, 1, 1}, {2, 1, 1, 1, 1, 1, 1}, {3, 1, 1, 1, 1, 1, 1}});
    FillRows(p.Multisoil, {{210, 19, 0.3L, 0.05L, 0.5L}});
    const auto lines = ProjectLines(p);
    EXPECT_EQ(LineAfter(lines, "CONSTANTS=1", 2), "2 210 19 0.3 0.05 0.5");
    EXPECT_EQ(LineAfter(lines, "CONSTANTS=1", 3), "3 0 0 0 0 0");
    EXPECT_EQ(p.Multisoil.RowCount(), 1);
}

TEST(ProjectWriter, MultilayerWithMoreSoilRowsThanLayersWritesGeometryWithoutFailing)
{
    TProject p;
    test::Foundation(p, MultilayerFoundation);
    FillRows(p.MultiElement, {{2.5L, 1, 1, 1, 1, 1, 1}});
    FillRows(p.D, {{100, 18, 0.3L, 0.05L, 1}, {150, 18, 0.3L, 0.05L, 1}});
    const auto lines = CrLfLines(ComposeGeometryFile(p));
    EXPECT_EQ(LineAfter(lines, "MULTILAYER", 3), "1 2.5 ");
    EXPECT_EQ(LineAfter(lines, "MULTILAYER", 4), "2 0 ");
    EXPECT_EQ(p.ProgramData().EmbedmentDepth, 2.5L);
}

TEST(ProjectWriter, GeometryFileDefaultsChangeTheModel)
{
    TProject p;
    TProgramData& d = p.ProgramData();
    d.LengthX = 4;
    d.WidthY = 3;
    d.GeometryWidthY = 2;
    auto lines = CrLfLines(ComposeGeometryFile(p));
    EXPECT_EQ(lines[1], " 4 2 0.3"); // no layers: 0.15 x the geometry width
    EXPECT_EQ(d.EmbedmentDepth, 0.15L * 2);
    EXPECT_EQ(d.PileLength, 8);

    TProject c;
    TProgramData& e = c.ProgramData();
    e.ShapeCircular = CircularShape;
    e.Radius = 2;
    e.LengthX = 100;
    EXPECT_EQ(LineAfter(CrLfLines(ComposeProjectFile(c)), "FOUNDATION=HALF-SPACE"), "CIRCULAR=2");
    lines = CrLfLines(ComposeGeometryFile(c));
    EXPECT_EQ(lines[0], "CIRCULAR ");
    EXPECT_EQ(lines[1], " 2 2 0.3");
    EXPECT_EQ(e.PileLength, 6);
    EXPECT_EQ(LineAfter(lines, "HALF-SPACE", 3), "1 6");
    EXPECT_EQ(LineAfter(lines, "HALF-SPACE", 4), "2 1.2");

    // Entered values are kept.
    c.D1.Cell(0, 0).SetFloat(1.5L);
    e.PileLength = 10;
    lines = CrLfLines(ComposeGeometryFile(c));
    EXPECT_EQ(lines[1], " 2 2 1.5");
    EXPECT_EQ(e.PileLength, 10);
    EXPECT_EQ(LineAfter(lines, "HALF-SPACE", 1), "1");
    EXPECT_EQ(LineAfter(lines, "HALF-SPACE", 3), "1 1.5 ");
}

class SaveOverOldFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_project.ProgramData().FileName = (m_dir / "job.vqd").string();
        m_project.Save();
        m_oldProject = ReadFileBytes(m_dir / "job.vqd");
        m_oldGeometry = ReadFileBytes(m_dir / "job.vqt");
        m_project.ProgramData().Title = "Changed";
        m_project.SetModified(true);
    }
    void ExpectNothingChanged()
    {
        EXPECT_EQ(ReadFileBytes(m_dir / "job.vqd"), m_oldProject);
        EXPECT_TRUE(m_project.IsModified());
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_dir.Path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, m_expectedNames) << "temporary files left behind";
    }
    TempDir m_dir;
    TProject m_project;
    std::string m_oldProject, m_oldGeometry;
    std::vector<std::string> m_expectedNames{"job.vqd", "job.vqt"};
};

TEST_F(SaveOverOldFiles, GeometryTargetThatCannotBeReplacedLeavesBothFilesWhole)
{
    std::filesystem::remove(m_dir / "job.vqt");
    std::filesystem::create_directory(m_dir / "job.vqt");
    EXPECT_THROW(m_project.Save(), EInOutError);
    ExpectNothingChanged();
    EXPECT_TRUE(std::filesystem::is_directory(m_dir / "job.vqt"));
    EXPECT_EQ(m_project.ProgramData().GeometryFileName, (m_dir / "job.vqt").string());
}

TEST_F(SaveOverOldFiles, ProjectTargetThatCannotBeReplacedLeavesTheGeometryFileWhole)
{
    m_project.ProgramData().FileName = (m_dir / "sub.vqd").string();
    std::filesystem::create_directory(m_dir / "sub.vqd");
    std::filesystem::copy_file(m_dir / "job.vqt", m_dir / "sub.vqt");
    m_expectedNames = {"job.vqd", "job.vqt", "sub.vqd", "sub.vqt"};
    EXPECT_THROW(m_project.Save(), EInOutError);
    ExpectNothingChanged();
    EXPECT_EQ(ReadFileBytes(m_dir / "sub.vqt"), m_oldGeometry);
}

TEST_F(SaveOverOldFiles, MissingFolderReportsTheSystemMessage)
{
    m_project.ProgramData().FileName = (m_dir / "no such folder" / "job.vqd").string();
    try {
        m_project.Save();
        FAIL() << "saved into a missing folder";
    } catch (const EInOutError& e) {
        EXPECT_STREQ(e.what(), std::strerror(ENOENT));
    }
    ExpectNothingChanged();
}

TEST_F(SaveOverOldFiles, ProjectNamedLikeItsGeometryFileIsRefused)
{
    m_project.ProgramData().FileName = (m_dir / "job.vqt").string();
    EXPECT_THROW(m_project.Save(), EInOutError);
    EXPECT_EQ(ReadFileBytes(m_dir / "job.vqt"), m_oldGeometry);
    ExpectNothingChanged();
}

TEST_F(SaveOverOldFiles, SuccessfulSaveReplacesBothFiles)
{
    m_project.Save();
    EXPECT_NE(ReadFileBytes(m_dir / "job.vqd"), m_oldProject);
    EXPECT_EQ(CrLfLines(ReadFileBytes(m_dir / "job.vqd"))[0], "TITLE=Changed");
    EXPECT_FALSE(m_project.IsModified());
    m_oldProject = ReadFileBytes(m_dir / "job.vqd");
    m_project.SetModified(true);
    ExpectNothingChanged(); // only the two files remain
}

TEST_F(SaveOverOldFiles, ReplacedFilesKeepTheirPermissionsAndLinks)
{
    namespace fs = std::filesystem;
    fs::permissions(m_dir / "job.vqd", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_directory(m_dir / "real");
    fs::rename(m_dir / "job.vqt", m_dir / "real" / "job.vqt");
    fs::create_symlink(m_dir / "real" / "job.vqt", m_dir / "job.vqt");
    m_project.Save();
    EXPECT_EQ(fs::status(m_dir / "job.vqd").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(m_dir / "job.vqt")));
    EXPECT_EQ(ReadFileBytes(m_dir / "real" / "job.vqt"), m_oldGeometry); // same geometry, rewritten through the link
    EXPECT_EQ(CrLfLines(ReadFileBytes(m_dir / "job.vqd"))[0], "TITLE=Changed");
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir / "real"), fs::directory_iterator()), 1);
}

} // namespace
} // namespace quavis
