#include "model/input_tables.h"

#include "components/column_stream.h"
#include "components/grid_table.h"
#include "model/project.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quavis {
namespace {

using Lines = std::vector<std::string>;

struct TableCase {
    std::size_t index;
    int identifier;
    const char* caption;
    int maxRows;
    const char* topLeft;
    bool hardwired;
    int columns;
};

class InputTableIdentity : public ::testing::TestWithParam<TableCase> {};

TEST_P(InputTableIdentity, MatchesItsDefinition)
{
    const TableCase& c = GetParam();
    TProject p;
    const TGridTable& t = *p.Tables()[c.index];
    EXPECT_EQ(t.Identifier(), c.identifier);
    EXPECT_EQ(t.Caption(), c.caption);
    EXPECT_EQ(t.MaxRows(), c.maxRows);
    EXPECT_EQ(t.TopLeft(), c.topLeft);
    EXPECT_EQ(t.HardwiredButton(), c.hardwired);
    EXPECT_EQ(t.ColumnCount(), c.columns);
    EXPECT_EQ(t.MinRows(), 1);
    EXPECT_EQ(t.RowGroup(), 1);
    EXPECT_EQ(t.Comments().empty(), c.identifier != 1);
}

INSTANTIATE_TEST_SUITE_P(
    Project, InputTableIdentity,
    ::testing::Values(TableCase{0, 1, "Soil Properties", 20, "Layer", true, 5},
                      TableCase{1, 2, "Transient Loading Data", 0, "Number", true, 2},
                      TableCase{2, 3, "Pile Data", 200, "Layer No.", true, 7},
                      TableCase{3, 4, "Side Weakened Soil Parameters", 20, "Layer #", true, 6},
                      TableCase{4, 5, "Soil Column Layer", 20, "Layer #", true, 5},
                      TableCase{5, 6, "Multi-Layer Foundation", 20, "Layer #", true, 7},
                      TableCase{6, 7, "Pile Coordinations", 200, "Pile #", true, 4},
                      TableCase{7, 8, "Load Amplitude", 0, "Number", true, 1},
                      TableCase{8, 9, "Random Loading data", 0, "Number", true, 2},
                      TableCase{9, 10, "Random Spectrum Data", 0, "Number", true, 1},
                      TableCase{10, 11, "Soil Layer Data", 20, "", true, 6},
                      TableCase{11, 12, "Mass Components including equipment, and self weight of footing ", 30,
                                "Mass #", false, 7}),
    [](const auto& info) { return "Identifier" + std::to_string(info.param.identifier); });

TEST(InputTables, TablesListIsInIdentifierOrderUnderTheirNames)
{
    TProject p;
    const std::vector<const TGridTable*> named = {&p.D,         &p.TLoadtype,  &p.PileData,  &p.pilecapsoil,
                                                  &p.Multisoil, &p.MultiElement, &p.Pilecoord, &p.Dtransient,
                                                  &p.Trandom,   &p.Tspectrum,  &p.D1,        &p.MassCal};
    for (std::size_t i = 0; i < named.size(); ++i)
        EXPECT_EQ(p.Tables()[i], named[i]) << i;
}

struct FloatColumnCase {
    std::size_t table;
    int column;
    Lines headers;
    const char* units;
};

class InputFloatColumns : public ::testing::TestWithParam<FloatColumnCase> {};

TEST_P(InputFloatColumns, HeadersAndUnits)
{
    const FloatColumnCase& c = GetParam();
    TProject p;
    const TColumn& column = p.Tables()[c.table]->Column(c.column);
    ASSERT_EQ(column.TypeKey(), 2);
    const auto& f = static_cast<const TFloatColumn&>(column);
    EXPECT_EQ(f.Headers(), c.headers);
    EXPECT_EQ(f.ColumnUnits(), c.units);
    EXPECT_TRUE(f.Visible());
    EXPECT_FALSE(f.GroupWide());
    EXPECT_FALSE(f.TopDepth());
    EXPECT_EQ(f.Default(), 0.0L);
}

INSTANTIATE_TEST_SUITE_P(
    Project, InputFloatColumns,
    ::testing::Values(FloatColumnCase{0, 0, {"Shear wave", "velocity, "}, "L2/SEC"},
                      FloatColumnCase{0, 1, {"Unit weight", ""}, "F/L2^3"},
                      FloatColumnCase{0, 4, {"Weak zone shear", "modulus ratio"}, ""},
                      FloatColumnCase{2, 6, {"Torsional polar moment", "of inertia (Z-dir.)"}, "L2^4"},
                      FloatColumnCase{3, 5, {"Weak zone", "shear moduli ratio"}, ""},
                      FloatColumnCase{4, 4, {"Weak Zone Shear ", "Modulus Ratio"}, ""},
                      FloatColumnCase{5, 3, {"Cross-Section", "Area"}, "L2^2"},
                      FloatColumnCase{6, 0, {"X-coord."}, "L2"},
                      FloatColumnCase{6, 2, {"Battered Angle", "(degrees)"}, ""},
                      FloatColumnCase{7, 0, {"Load Amplitude"}, "F"},
                      FloatColumnCase{10, 0, {"Thickness", ""}, "L2"},
                      FloatColumnCase{11, 0, {"Mass"}, "F6"},
                      FloatColumnCase{11, 4, {"Length ", "(x-direction)"}, "L2"}));

TEST(InputTables, PickListsAndSubTables)
{
    TProject p;
    const auto& loadType = dynamic_cast<const TEnumColumn&>(p.TLoadtype.Column(0));
    EXPECT_EQ(loadType.Headers(), Lines{"Load type"});
    EXPECT_EQ(loadType.Items(), (Lines{"Force in X-direction", "Force in Y-direction", "Force in Z-direction",
                                       "Moment about X-axis", "Moment about Y-axis", "Moment about Z-axis"}));
    const auto& spectrum = dynamic_cast<const TEnumColumn&>(p.Trandom.Column(0));
    EXPECT_EQ(spectrum.Items().front(), "Force in X-directiin");
    EXPECT_EQ(spectrum.Items().size(), 6u);
    const auto& plane = dynamic_cast<const TEnumColumn&>(p.Pilecoord.Column(3));
    EXPECT_EQ(plane.Headers(), (Lines{"Battered Plane", "(Z-vertical axis)"}));
    EXPECT_EQ(plane.Items(), (Lines{"XZ-Plane", "YZ-Plane"}));

    for (const auto* t : {&p.TLoadtype, &p.Trandom}) {
        const auto& sub = dynamic_cast<const TTableColumn&>(t->Column(1));
        ASSERT_EQ(sub.Templates().Count(), 6);
        const TGridTable* expected = t == &p.TLoadtype ? &p.Dtransient : &p.Tspectrum;
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(sub.Templates().Table(i), expected) << t->Caption() << " item " << i + 1;
    }
    EXPECT_EQ(p.TLoadtype.Column(1).Headers(), Lines{"Load amplitude"});
    EXPECT_EQ(p.Trandom.Column(1).Headers(), Lines{"Enter Data"});
}

TEST(InputTables, SoilTableComments)
{
    TProject p;
    EXPECT_EQ(p.D.Comments(), "Weak Zone Shear Moduli Ratio is suggested to be:\r"
                              "- 0.25 to 0.50 for machine foundations,\r"
                              "- less than 0.25 for seismic response.\r"
                              "A value of 1 indicates no reduction will be considered\r"
                              "A value of 0 may generate numerical errors.");
}

TEST(InputTables, EveryLoadRowHasItsOwnAmplitudeTable)
{
    TProject p;
    p.TLoadtype.SetRowCount(2);
    TGridTable* first = p.TLoadtype.Cell(1, 0).GetTable();
    TGridTable* second = p.TLoadtype.Cell(1, 1).GetTable();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    ASSERT_NE(first, second);
    EXPECT_NE(first, &p.Dtransient);
    first->SetRowCount(3);
    first->Cell(0, 2).SetFloat(42);
    EXPECT_EQ(second->RowCount(), 1);
    EXPECT_EQ(second->Cell(0, 0).GetFloat(), 0.0L);
    EXPECT_EQ(p.Dtransient.RowCount(), 1);
    EXPECT_EQ(first->UnitSystem(), SI);
    EXPECT_EQ(first->Column(0).Headers(), Lines{"Load Amplitude"});
}

// Every definition field of a column, for comparing definitions.
std::string Describe(const TColumn& c)
{
    std::string out = std::to_string(c.TypeKey()) + (c.Visible() ? " visible" : " hidden") +
                      (c.GroupWide() ? " groupwide" : "") + " [";
    for (const auto& h : c.Headers())
        out += "'" + h + "'";
    out += "]";
    if (const auto* e = dynamic_cast<const TEnumColumn*>(&c))
        for (const auto& item : e->Items())
            out += " item '" + item + "'";
    if (const auto* f = dynamic_cast<const TFloatColumn*>(&c))
        out += " units '" + f->ColumnUnits() + "' default " + std::to_string(static_cast<double>(f->Default())) +
               (f->TopDepth() ? " topdepth" : "");
    if (const auto* t = dynamic_cast<const TTableColumn*>(&c))
        for (int i = 0; i < t->Templates().Count(); ++i)
            out += " template " + (t->Templates().Table(i) ? t->Templates().Table(i)->Caption() : std::string("none"));
    return out;
}

TEST(InputTables, DefinitionsSurviveTheColumnStream)
{
    TProject p;
    for (const TGridTable* original : p.Tables()) {
        const std::vector<std::uint8_t> bytes = WriteColumnsToBytes(*original);
        TGridTable copy;
        copy.SetHardwiredButton(original->HardwiredButton());
        ReadColumnsFromBytes(copy, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
        ASSERT_EQ(copy.ColumnCount(), original->ColumnCount()) << original->Caption();
        for (int col = 0; col < original->ColumnCount(); ++col)
            EXPECT_EQ(Describe(copy.Column(col)), Describe(original->Column(col))) << original->Caption();
        EXPECT_EQ(WriteColumnsToBytes(copy), bytes) << original->Caption();
    }
}

TEST(InputTables, StreamOfTheSoilAndLoadingTablesAsPersisted)
{
    TProject p;
    // The first soil column, and the loading table's table column naming table 8 for every load type.
    TColumnStreamWriter soil;
    soil.WriteInteger(5);
    soil.WriteInteger(2);
    soil.WriteListBegin();
    soil.WriteString("Shear wave");
    soil.WriteString("velocity, ");
    soil.WriteListEnd();
    soil.WriteBoolean(true);
    soil.WriteBoolean(false);
    soil.WriteBoolean(false);
    soil.WriteString("FLOATCOLUMN2");
    soil.WriteString("L2/SEC");
    soil.WriteFloat(0.0L);
    const std::vector<std::uint8_t> expectedSoil = soil.Bytes();
    const std::vector<std::uint8_t> writtenSoil = WriteColumnsToBytes(p.D);
    ASSERT_GE(writtenSoil.size(), expectedSoil.size());
    EXPECT_TRUE(std::equal(expectedSoil.begin(), expectedSoil.end(), writtenSoil.begin()));

    TColumnStreamWriter amplitudes;
    amplitudes.WriteInteger(3);
    amplitudes.WriteListBegin();
    amplitudes.WriteString("Load amplitude");
    amplitudes.WriteListEnd();
    amplitudes.WriteBoolean(true);
    amplitudes.WriteBoolean(false);
    amplitudes.WriteString("FLEXCOLUMN2");
    amplitudes.WriteListBegin();
    for (int i = 0; i < 6; ++i)
        amplitudes.WriteInteger(8);
    amplitudes.WriteListEnd();
    const std::vector<std::uint8_t> expectedTail = amplitudes.Bytes();
    const std::vector<std::uint8_t> writtenLoad = WriteColumnsToBytes(p.TLoadtype);
    ASSERT_GE(writtenLoad.size(), expectedTail.size());
    EXPECT_TRUE(std::equal(expectedTail.begin(), expectedTail.end(), writtenLoad.end() - expectedTail.size()));
}

} // namespace
} // namespace quavis
