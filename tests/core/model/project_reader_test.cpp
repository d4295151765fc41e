#include "model/project_reader.h"

#include "components/grid_table.h"
#include "model/project.h"
#include "model/project_writer.h"

#include "project_cases.h"
#include "project_file_text.h"

#include "support/float_compare.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace quavis {
namespace {

using test::CrLfLines;
using test::FixturePath;
using test::JoinCrLf;
using test::ReadFileBytes;

const char* const kIncomplete = "This file either invalid or incomplete.";

std::vector<std::string> FixtureLines(const std::string& name) { return CrLfLines(ReadFileBytes(FixturePath(name))); }

// The fixture's text with the first line equal to `from` replaced by `to` (or removed when `to` is null).
std::string Edited(const std::string& fixture, const std::string& from, const char* to)
{
    auto lines = FixtureLines(fixture);
    auto at = std::find(lines.begin(), lines.end(), from);
    EXPECT_NE(at, lines.end()) << from;
    if (at != lines.end()) {
        if (to)
            *at = to;
        else
            lines.erase(at);
    }
    return JoinCrLf(lines);
}

// Every input table and every sub-table holds at least its MinRows rows, and no more than `limit`.
void ExpectCompleteTables(const TProject& p, int limit)
{
    std::function<void(const TGridTable&, int)> check = [&](const TGridTable& t, int minRows) {
        EXPECT_GE(t.RowCount(), minRows) << t.Caption();
        EXPECT_LE(t.RowCount(), limit) << t.Caption();
        for (int col = 0; col < t.ColumnCount(); ++col) {
            if (t.Column(col).TypeKey() != 3) continue;
            for (int row = 0; row < t.RowCount(); ++row) {
                const TGridTable* sub = t.Cell(col, row).GetTable();
                EXPECT_NE(sub, nullptr) << t.Caption() << " row " << row;
                if (sub) check(*sub, 0);
            }
        }
    };
    for (const TGridTable* t : p.Tables()) check(*t, t->MinRows());
    EXPECT_FALSE(p.IsModified());
}

// A file written from this project's model, read back and written again, gives the same text.
std::string Resaved(TProject& p) { return ComposeProjectFile(p); }

TEST(ProjectReader, FileWithoutMatrixLineReadsTheSameAndClearsWriteMatrix)
{
    TProject p;
    ASSERT_EQ(ReadProjectText(p, Edited("new_project.vqd", "MATRIX", nullptr), "x.vqd"), "");
    EXPECT_EQ(p.ProgramData().WriteMatrix, 0);
    p.ProgramData().WriteMatrix = 1;
    EXPECT_EQ(Resaved(p), ReadFileBytes(FixturePath("new_project.vqd")));
}

TEST(ProjectReader, LineFeedLineEndsReadAsWell)
{
    std::string text = ReadFileBytes(FixturePath("pile_battered.vqd"));
    std::erase(text, '\r');
    TProject p;
    ASSERT_EQ(ReadProjectText(p, text, "x.vqd"), "");
    EXPECT_EQ(Resaved(p), ReadFileBytes(FixturePath("pile_battered.vqd")));
}

TEST(ProjectReader, GravityValueGivesTheUnitSystem)
{
    const std::vector<std::pair<const char*, int>> cases = {
        {"GRAVITY=32.2", English}, {"GRAVITY=9.8", SI}, {"GRAVITY=10", English}, {"GRAVITY=9.99", SI}};
    for (const auto& [line, system] : cases) {
        TProject p;
        ASSERT_EQ(ReadProjectText(p, Edited("halfspace_weak.vqd", "GRAVITY=32.2", line), "x.vqd"), "") << line;
        EXPECT_EQ(p.ProgramData().UnitSystem, system) << line;
        for (const TGridTable* t : p.Tables()) EXPECT_EQ(t->UnitSystem(), system) << line << " " << t->Caption();
        // Values are taken as written, in the file's own system.
        EXPECT_EQ(p.D1.Cell(1, 0).GetFloat(), 350) << line;
        EXPECT_EQ(p.ProgramData().LengthX, 12.75L) << line;
    }
}

TEST(ProjectReader, CircularFrequenciesAreDividedBySixPointTwoEight)
{
    auto lines = FixtureLines("new_project.vqd");
    lines[18] = "62.8 31.4 6.28 ";
    TProject p;
    ASSERT_EQ(ReadProjectText(p, JoinCrLf(lines), "x.vqd"), "");
    EXPECT_NEAR_REL(p.ProgramData().MaxFrequency, 10.0L, 1e-17L);
    EXPECT_NEAR_REL(p.ProgramData().MinFrequency, 5.0L, 1e-17L);
    EXPECT_NEAR_REL(p.ProgramData().FrequencyStep, 1.0L, 1e-17L);
}

TEST(ProjectReader, LoadPointLineIsOptional)
{
    TProject p;
    const std::string text = ReadFileBytes(FixturePath("halfspace_weak.vqd"));
    auto lines = CrLfLines(text);
    lines.erase(std::find(lines.begin(), lines.end(), "10.75 11 11.25 "));
    ASSERT_EQ(ReadProjectText(p, JoinCrLf(lines), "x.vqd"), "");
    EXPECT_EQ(p.ProgramData().LoadPointX, 0);
    EXPECT_EQ(p.ProgramData().LoadPointZ, 0);
    EXPECT_EQ(p.ProgramData().MomentZ, 10.5L);
    EXPECT_EQ(p.MassCal.RowCount(), 2);
    EXPECT_EQ(p.ProgramData().CbGlobalZ, 7.5L);
}

TEST(ProjectReader, PileFileWithoutInteractionLine)
{
    TProject p;
    ASSERT_EQ(ReadProjectText(p, Edited("pile_battered.vqd", "INTERACTION ", nullptr), "x.vqd"), "");
    EXPECT_EQ(p.ProgramData().PileInteraction, 0);
    EXPECT_EQ(p.D.Cell(0, 1).GetFloat(), 200);
    EXPECT_EQ(p.pilecapsoil.Cell(5, 0).GetFloat(), 0.5L);
}

TEST(ProjectReader, HundredAndTwentyBatteredPilesKeepTheirPlanes)
{
    TProject built;
    test::Foundation(built, PileFoundation);
    built.Pilecoord.SetRowCount(120);
    for (int i = 0; i < 120; ++i) {
        built.Pilecoord.Cell(0, i).SetFloat(i);
        built.Pilecoord.Cell(2, i).SetFloat(i % 7 == 0 ? 0 : 5 + i);
        built.Pilecoord.Cell(3, i).SetInteger(i % 3 == 0 ? 2 : 1);
    }
    TProject p;
    ASSERT_EQ(ReadProjectText(p, ComposeProjectFile(built), "x.vqd"), "");
    ASSERT_EQ(p.Pilecoord.RowCount(), 120);
    for (int i = 0; i < 120; ++i) {
        EXPECT_EQ(p.Pilecoord.Cell(3, i).GetInteger(), i % 3 == 0 ? 2 : 1) << "pile " << i + 1;
        EXPECT_EQ(p.Pilecoord.Cell(2, i).GetFloat(), i % 7 == 0 ? 0 : 5 + i) << "pile " << i + 1;
        EXPECT_EQ(p.Pilecoord.Cell(0, i).GetFloat(), i) << "pile " << i + 1;
    }
    EXPECT_TRUE(p.ProgramData().HasBatteredPiles);
}

// The side-cap and battered blocks are written while their flags are set, and the flags stay set once
// seen; a file holding the blocks therefore reads back to a model that writes them again.
TEST(ProjectReader, BlocksWrittenForStickyFlagsAreWrittenAgain)
{
    TProject built;
    test::PileBattered(built);
    ComposeProjectFile(built);
    for (int row = 0; row < built.Pilecoord.RowCount(); ++row) built.Pilecoord.Cell(2, row).SetFloat(0);
    for (int row = 0; row < built.pilecapsoil.RowCount(); ++row) built.pilecapsoil.Cell(5, row).SetFloat(0);
    const std::string text = ComposeProjectFile(built);
    ASSERT_TRUE(test::HasLine(CrLfLines(text), "BATTERED"));
    ASSERT_TRUE(test::HasLine(CrLfLines(text), "SIDE-CAP"));
    TProject p;
    ASSERT_EQ(ReadProjectText(p, text, "x.vqd"), "");
    EXPECT_EQ(ComposeProjectFile(p), text);
}

TEST(ProjectReader, ExtraValueOnASoilColumnRowIsPassedOver)
{
    auto lines = FixtureLines("multilayer_quadratic.vqd");
    for (auto& line : lines)
        if (line.rfind("2 220", 0) == 0 || line.rfind("3 260", 0) == 0) line += " 4.5";
    TProject p;
    ASSERT_EQ(ReadProjectText(p, JoinCrLf(lines), "x.vqd"), "");
    ASSERT_EQ(p.Multisoil.RowCount(), 2);
    EXPECT_EQ(p.Multisoil.Cell(4, 1).GetFloat(), 1);
    EXPECT_EQ(Resaved(p), ReadFileBytes(FixturePath("multilayer_quadratic.vqd")));
}

TEST(ProjectReader, MassCentresAreReadAlsoWithoutMassComponents)
{
    TProject p;
    ASSERT_EQ(ReadProjectText(p, ReadFileBytes(FixturePath("stratum_transient.vqd")), "x.vqd"), "");
    EXPECT_EQ(p.ProgramData().MassComponentCount, 0);
    EXPECT_EQ(p.MassCal.RowCount(), 1);
    EXPECT_EQ(p.ProgramData().CgLocalX, 6.25L);
    EXPECT_EQ(p.ProgramData().CbLocalY, 8);
    EXPECT_EQ(p.ProgramData().CbGlobalZ, 7.5L);

    // A file that ends after its component count is complete.
    auto lines = FixtureLines("stratum_transient.vqd");
    lines.resize(lines.size() - 3);
    ASSERT_EQ(ReadProjectText(p, JoinCrLf(lines), "x.vqd"), "");
    EXPECT_EQ(p.ProgramData().CgLocalX, 0);
}

struct ReadErrorCase {
    const char* what;
    std::function<std::string()> text;
    std::string message;
};

std::string CutAt(const std::string& fixture, std::size_t lineCount, const std::string& partialLine = "")
{
    auto lines = FixtureLines(fixture);
    lines.resize(lineCount);
    return JoinCrLf(lines) + partialLine;
}

TEST(ProjectReader, ReadErrorsEndWithTheirMessageAndACompleteModel)
{
    const std::vector<ReadErrorCase> cases = {
        {"empty file", [] { return std::string(); }, kIncomplete},
        {"ends inside the mass values", [] { return CutAt("new_project.vqd", 6, "0 0 0"); }, kIncomplete},
        {"ends inside the soil rows", [] { return CutAt("pile_battered.vqd", 31); }, kIncomplete},
        {"word for a float",
         [] { return Edited("new_project.vqd", "0 0 0 0 0 0 0", "0 0 abc 0 0 0 0"); },
         "Error on Line 7 Item 3\rA floating point number was expected but not found."},
        {"number beyond any physical value",
         [] { return Edited("new_project.vqd", "0 0 0 0 0 0 0", "0 0 -1E4920 0 0 0 0"); },
         "Error on Line 7 Item 3\rA floating point number was expected but not found."},
        {"gravity beyond any physical value", [] { return Edited("new_project.vqd", "GRAVITY=9.8", "GRAVITY=1E4920"); },
         "'1E4920' is not a valid floating point value"},
        {"fraction for an integer",
         [] { return Edited("stratum_transient.vqd", "3 ", "3.5 "); },
         "Error on Line 16 Item 1\rAn integer was expected but not found."},
        {"count not a number", [] { return Edited("pile_battered.vqd", "LAYERS=2", "LAYERS=x"); },
         "'x' is not a valid integer value"},
        {"count beyond 32 bits", [] { return Edited("pile_battered.vqd", "FIXED=3", "FIXED=99999999999"); },
         "'99999999999' is not a valid integer value"},
        {"gravity not a number", [] { return Edited("new_project.vqd", "GRAVITY=9.8", "GRAVITY=g"); },
         "'g' is not a valid floating point value"},
        {"size without comma", [] { return Edited("new_project.vqd", "RECTANGULAR=0,0", "RECTANGULAR=5"); },
         "'' is not a valid floating point value"},
        {"unknown foundation", [] { return Edited("new_project.vqd", "FOUNDATION=HALF-SPACE", "FOUNDATION=RAFT"); },
         kIncomplete},
        {"load type outside the list", [] { return Edited("stratum_transient.vqd", "6 ", "9 "); }, kIncomplete},
        {"no lines after the battered piles",
         [] { return CutAt("pile_battered.vqd", 21); }, kIncomplete},
    };
    for (const auto& c : cases) {
        TProject p;
        const std::string text = c.text();
        EXPECT_EQ(ReadProjectText(p, text, "/tmp/bad.vqd"), c.message) << c.what;
        EXPECT_EQ(p.ProgramData().FileName, "/tmp/bad.vqd") << c.what;
        ExpectCompleteTables(p, 10);
        // Whatever was read, the model saves and reads back without a fault.
        TProject again;
        EXPECT_EQ(ReadProjectText(again, ComposeProjectFile(p), "again.vqd"), "") << c.what;
    }
}

TEST(ProjectReader, UnknownFoundationLeavesAConsistentModel)
{
    TProject p;
    EXPECT_EQ(ReadProjectText(p, Edited("pile_battered.vqd", "FOUNDATION=PILE", "FOUNDATION=RAFT"), "x"), kIncomplete);
    EXPECT_EQ(p.ProgramData().FoundationKeyword, HalfSpaceKeyword);
    EXPECT_EQ(p.ProgramData().FoundationType, HalfSpaceFoundation);
    EXPECT_EQ(p.ProgramData().UnitSystem, SI);
}

TEST(ProjectReader, ModelHoldsWhatWasReadBeforeTheError)
{
    TProject p;
    // Cut in the middle of the second soil row.
    EXPECT_EQ(ReadProjectText(p, CutAt("pile_battered.vqd", 31, "2 200 19"), "x.vqd"), kIncomplete);
    const TProgramData& d = p.ProgramData();
    EXPECT_EQ(d.Title, "Pile group, battered, weak side soil");
    EXPECT_EQ(d.FoundationType, PileFoundation);
    EXPECT_EQ(d.PileHeadFixed, FixedPileHead);
    EXPECT_EQ(d.EndBearing, EndBearingPiles);
    EXPECT_EQ(d.PileElasticModulus, 13.75L);
    ASSERT_EQ(p.PileData.RowCount(), 2);
    EXPECT_EQ(p.PileData.Cell(6, 1).GetFloat(), 0.0062L);
    ASSERT_EQ(p.Pilecoord.RowCount(), 3);
    EXPECT_EQ(p.Pilecoord.Cell(3, 1).GetInteger(), 2);
    EXPECT_EQ(p.Pilecoord.Cell(2, 0).GetFloat(), 15);
    ASSERT_EQ(p.D.RowCount(), 2);
    EXPECT_EQ(p.D.Cell(4, 0).GetFloat(), 0.5L);
    EXPECT_EQ(p.D.Cell(1, 1).GetFloat(), 19);  // the values read of the unfinished row
    EXPECT_EQ(p.D.Cell(2, 1).GetFloat(), 0);
    EXPECT_EQ(d.BelowShearWaveVelocity, 0);     // the rest stays default
    EXPECT_EQ(p.pilecapsoil.RowCount(), 1);
    EXPECT_EQ(p.MassCal.RowCount(), 1);
    EXPECT_FALSE(p.IsModified());
}

TEST(ProjectReader, FaultBeforeTheGravityLineLeavesANewProjectsUnitSystem)
{
    TProject p;
    EXPECT_EQ(ReadProjectText(p, "TITLE=Only a title\r\n", "x.vqd"), kIncomplete);
    EXPECT_EQ(p.ProgramData().Title, "Only a title");
    EXPECT_EQ(p.ProgramData().UnitSystem, SI);
    for (const TGridTable* t : p.Tables()) EXPECT_EQ(t->UnitSystem(), SI) << t->Caption();
}

TEST(ProjectReader, MissingFileGivesTheSystemMessageAndADefaultModel)
{
    test::TempDir dir;
    const std::string path = (dir / "absent.vqd").string();
    TProject p;
    p.ProgramData().Title = "Previous";
    EXPECT_EQ(ReadProjectFile(p, path), std::strerror(ENOENT));
    EXPECT_EQ(p.ProgramData().FileName, path);
    EXPECT_EQ(p.ProgramData().Title, "New Pile");
    ExpectCompleteTables(p, 1);

    try {
        p.CreateFromFile(path);
        FAIL() << "no error for a missing file";
    } catch (const EProjectReadError& e) {
        EXPECT_STREQ(e.what(), std::strerror(ENOENT));
    }
    EXPECT_NO_THROW(p.CreateFromFile(FixturePath("pile_battered.vqd").string()));
    EXPECT_EQ(p.PileData.RowCount(), 2);
}

// Counts far beyond what the file holds must not make tables of millions of rows.
TEST(ProjectReader, HugeAndNegativeCountsStayWithinTheFile)
{
    const std::vector<std::pair<const char*, std::function<std::string()>>> cases = {
        {"layers", [] { return Edited("pile_battered.vqd", "LAYERS=2", "LAYERS=2000000000"); }},
        {"piles", [] { return Edited("pile_battered.vqd", "FIXED=3", "FIXED=2147483647"); }},
        {"soil rows", [] { return Edited("halfspace_weak.vqd", "CONSTANTS=2", "CONSTANTS=2000000000"); }},
        {"side cap rows", [] { return Edited("pile_battered.vqd", "2 ", "2000000000 "); }},
        {"points", [] { return Edited("stratum_transient.vqd", "3 ", "2000000000 "); }},
        {"load types", [] { return Edited("stratum_transient.vqd", "2 ", "2000000000 "); }},
        {"mass components", [] { return Edited("pile_battered.vqd", "2", "2000000000"); }},
        {"multilayer soil rows", [] { return Edited("multilayer_quadratic.vqd", "CONSTANTS=1", "CONSTANTS=-2147483648"); }},
        {"negative piles", [] { return Edited("pile_battered.vqd", "FIXED=3", "FIXED=-3"); }},
        {"negative mass count", [] { return Edited("pile_battered.vqd", "2", "-2"); }},
    };
    for (const auto& [what, text] : cases) {
        TProject p;
        const std::string t = text();
        ReadProjectText(p, t, "x.vqd");
        SCOPED_TRACE(what);
        ExpectCompleteTables(p, static_cast<int>(CrLfLines(t).size()));
    }
}

TEST(ProjectReader, LongLinesAndBinaryJunkEndInAMessage)
{
    TProject p;
    const std::string megabyte(1 << 20, 'x');
    auto lines = FixtureLines("new_project.vqd");
    lines[0] = "TITLE=" + megabyte;
    EXPECT_EQ(ReadProjectText(p, JoinCrLf(lines), "x.vqd"), "");
    EXPECT_EQ(p.ProgramData().Title.size(), 247u);

    lines[6] = megabyte;
    EXPECT_EQ(ReadProjectText(p, JoinCrLf(lines), "x.vqd"),
              "Error on Line 7 Item 1\rA floating point number was expected but not found.");

    std::mt19937 random(7);
    for (int round = 0; round < 50; ++round) {
        std::string junk(static_cast<std::size_t>(random() % 4000), '\0');
        for (char& c : junk) c = static_cast<char>(random());
        if (round % 2 == 1) junk = ReadFileBytes(FixturePath("pile_battered.vqd")).substr(0, 300) + junk;
        EXPECT_NE(ReadProjectText(p, junk, "x.vqd"), "") << "round " << round;
        ExpectCompleteTables(p, 4000);
    }
}

} // namespace
} // namespace quavis
