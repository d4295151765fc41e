#include "components/errors.h"
#include "components/grid_table.h"
#include "grid_test_fakes.h"

#include <gtest/gtest.h>

namespace quavis {
namespace {

using test::AddEnum;
using test::AddFloat;

struct EntryTable {
    TGridTable table;
    TFloatColumn& f = AddFloat(table, {"f"});
    TIntColumn& i = static_cast<TIntColumn&>(table.AddColumn(std::make_unique<TIntColumn>(table)));
    TEnumColumn& e = AddEnum(table, {"a", "b", "c"});
    TStringColumn& s = static_cast<TStringColumn&>(table.AddColumn(std::make_unique<TStringColumn>(table)));
    EntryTable()
    {
        i.SetDefault(5);
        i.SetMinValue(-10);
        i.SetMaxValue(10);
        table.SetRowCount(1);
        f.SetFloat(0, 1.5L);
    }
};

struct EntryCase {
    int column;
    const char* typed;
    const char* shown; // the cell text afterwards
    const char* error; // nullptr: accepted
};

TEST(GridTableEntry, TypedTextIsParsedByTheColumnKind)
{
    const EntryCase cases[] = {
        {0, "2*pi", "6.2831853", nullptr},
        {0, "1/8", "0.125", nullptr},
        {0, "abc", "1.5", "Entry could not be evaluated:\rinvalid character(s) in expression"},
        {1, "3", "3", nullptr},
        {1, "2.00000000001", "2", nullptr},
        {1, "1.99999999999", "2", nullptr},
        {1, "-2*4", "-8", nullptr},
        {1, "7.5", "5", "Entry must be an integer."},
        {1, "-2.5", "5", "Entry must be an integer."},
        {1, "11", "5", "Entry must be between -10 and 10."},
        {1, "-10.00000000001", "-10", nullptr},
        {1, "x", "5", "Entry could not be evaluated:\rinvalid character(s) in expression"},
        {2, "2", "2", nullptr},
        {2, "1+3", "4", nullptr}, // no check against the number of items
        {2, "2.5", "1", "Value must be an integer."},
        {2, "2.00000000001", "1", "Value must be an integer."},
        {2, "3000000000", "1", "Value must be an integer."},
        {3, " 2*pi ", " 2*pi ", nullptr},
        {3, "", "", nullptr},
    };
    for (const EntryCase& c : cases) {
        SCOPED_TRACE(std::string("column ") + std::to_string(c.column) + " typed '" + c.typed + "'");
        EntryTable t;
        TData& cell = t.table.Cell(c.column, 0);
        if (c.error) {
            try {
                cell.SetText(c.typed);
                ADD_FAILURE() << "accepted";
            } catch (const EAssignError& e) {
                EXPECT_EQ(std::string(e.what()), c.error);
            }
        } else {
            EXPECT_NO_THROW(cell.SetText(c.typed));
        }
        EXPECT_EQ(cell.GetText(), c.shown);
    }
}

TEST(GridTableEntry, TypedDepthMovesTheLayerAbove)
{
    TGridTable table;
    auto& top = AddFloat(table, {"Top"}, "L2", true);
    auto& bottom = AddFloat(table, {"Bottom"}, "L2");
    table.SetRowCount(2);
    top.SetText(1, "2+1.5");
    EXPECT_EQ(top.GetFloat(1), 3.5L);
    EXPECT_EQ(bottom.GetFloat(0), 3.5L);
}

TEST(GridTableEntry, TableColumnIgnoresTypedText)
{
    test::LoadingTables t(1);
    TGridTable* sub = t.loading.Cell(1, 0).GetTable();
    t.loading.Cell(1, 0).SetText("5");
    EXPECT_EQ(t.loading.Cell(1, 0).GetTable(), sub);
    EXPECT_EQ(t.loading.Cell(1, 0).GetText(), "");
}

} // namespace
} // namespace quavis
