#include "components/errors.h"
#include "components/grid_table.h"
#include "grid_test_fakes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace quavis {
namespace {

using test::AddEnum;
using test::AddFloat;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

std::vector<long double> Values(const TColumn& column)
{
    std::vector<long double> v;
    for (int r = 0; r < column.RowCount(); ++r) v.push_back(column.GetFloat(r));
    return v;
}

std::vector<int> Integers(const TColumn& column)
{
    std::vector<int> v;
    for (int r = 0; r < column.RowCount(); ++r) v.push_back(column.GetInteger(r));
    return v;
}

// A table with one column of each value kind, each with its own default.
struct DefaultsTable {
    TGridTable table;
    TFloatColumn& f = AddFloat(table, {"f"});
    TEnumColumn& e = AddEnum(table, {"a", "b", "c"});
    TIntColumn& i = static_cast<TIntColumn&>(table.AddColumn(std::make_unique<TIntColumn>(table)));
    TStringColumn& s = static_cast<TStringColumn&>(table.AddColumn(std::make_unique<TStringColumn>(table)));
    DefaultsTable()
    {
        f.SetDefault(2.5L);
        i.SetDefault(7);
        s.SetDefault("x");
    }
    void ExpectAllColumnsHold(int rows) const
    {
        EXPECT_EQ(table.RowCount(), rows);
        for (int c = 0; c < table.ColumnCount(); ++c) EXPECT_EQ(table.Column(c).RowCount(), rows) << "column " << c;
    }
};

TEST(GridTableRows, NegativeRowCountEmptiesAndMinRowsRefillsWithDefaults)
{
    DefaultsTable t;
    t.table.SetMinRows(3);
    t.table.SetRowCount(2);
    t.f.SetFloat(0, 9);
    t.e.SetInteger(0, 3);
    t.table.SetRowCount(-3);
    t.ExpectAllColumnsHold(0);
    t.table.SetRowCount(t.table.MinRows());
    t.ExpectAllColumnsHold(3);
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(t.f.GetFloat(r), 2.5L);
        EXPECT_EQ(t.e.GetInteger(r), 1);
        EXPECT_EQ(t.i.GetInteger(r), 7);
        EXPECT_EQ(t.s.GetText(r), "x");
    }
}

TEST(GridTableRows, ShrinkingKeepsTheFirstRowsAndFiresNoNotification)
{
    DefaultsTable t;
    int notifications = 0;
    t.table.OnLayoutChange = [&] { ++notifications; };
    t.table.OnCellChange = [&](int, int) { ++notifications; };
    t.table.SetRowCount(4);
    for (int r = 0; r < 4; ++r) t.i.SetInteger(r, r * 10);
    notifications = 0;
    t.table.SetRowCount(2);
    EXPECT_THAT(Integers(t.i), ElementsAre(0, 10));
    EXPECT_EQ(notifications, 0);
}

TEST(GridTableRows, RowCountThatIsNoMultipleOfTheGroupStillGivesEveryColumnThatMany)
{
    DefaultsTable t;
    t.table.SetRowGroup(2);
    t.table.SetRowCount(3);
    t.ExpectAllColumnsHold(3);
}

TEST(GridTableRows, RowGroupCommandsInsertAndDeleteWholeGroups)
{
    DefaultsTable t;
    t.table.SetRowGroup(2);
    t.table.SetRowCount(6);
    for (int r = 0; r < 6; ++r) t.i.SetInteger(r, r);
    int layouts = 0;
    t.table.OnLayoutChange = [&] { ++layouts; };

    t.table.DeleteRowGroup(3); // group of rows 2 and 3
    EXPECT_THAT(Integers(t.i), ElementsAre(0, 1, 4, 5));
    t.ExpectAllColumnsHold(4);

    t.table.InsertRowGroup(3); // before the group of row 3: at row 2
    EXPECT_THAT(Integers(t.i), ElementsAre(0, 1, 7, 7, 4, 5));
    t.ExpectAllColumnsHold(6);

    t.table.AddRowGroup();
    EXPECT_THAT(Integers(t.i), ElementsAre(0, 1, 7, 7, 4, 5, 7, 7));
    t.ExpectAllColumnsHold(8);
    EXPECT_EQ(layouts, 3);
}

TEST(GridTableRows, RowGroupCommandsOutsideTheTableChangeNothing)
{
    DefaultsTable t;
    t.table.SetRowGroup(2);
    t.table.SetRowCount(4);
    EXPECT_THROW(t.table.DeleteRowGroup(4), EListError);
    EXPECT_THROW(t.table.DeleteRowGroup(-1), EListError);
    EXPECT_THROW(t.table.InsertRowGroup(6), EListError);
    t.ExpectAllColumnsHold(4);
    t.table.InsertRowGroup(4); // at the end is allowed
    t.ExpectAllColumnsHold(6);
}

// Layers: tops in column 0, bottoms in column 1.
struct LayerTable {
    TGridTable table;
    TFloatColumn& top = AddFloat(table, {"Top"}, "L2", true);
    TFloatColumn& bottom = AddFloat(table, {"Bottom"}, "L2");
    explicit LayerTable(std::vector<std::pair<long double, long double>> layers)
    {
        table.SetRowCount(static_cast<int>(layers.size()));
        for (size_t r = 0; r < layers.size(); ++r) {
            top.StoreFloat(static_cast<int>(r), layers[r].first);
            bottom.StoreFloat(static_cast<int>(r), layers[r].second);
        }
    }
};

TEST(GridTableRows, InsertedLayerSpansTheGapBetweenItsNeighbours)
{
    LayerTable t({{0, 1}, {1, 3}, {3, 6}});
    t.table.InsertRowGroup(1);
    EXPECT_THAT(Values(t.top), ElementsAre(0, 1, 1, 3));
    EXPECT_THAT(Values(t.bottom), ElementsAre(1, 1, 3, 6));
    t.table.InsertRowGroup(0); // before the first: nothing above, bottom meets the old first top
    EXPECT_THAT(Values(t.top), ElementsAre(0, 0, 1, 1, 3));
    EXPECT_THAT(Values(t.bottom), ElementsAre(0, 1, 1, 3, 6));
    t.table.AddRowGroup(); // appended rows take the default
    EXPECT_EQ(t.top.GetFloat(5), 0);
    EXPECT_EQ(t.bottom.GetFloat(5), 0);
}

TEST(GridTableRows, DeletedLayerIsClosedByTheLayerBelow)
{
    LayerTable t({{0, 1}, {1, 3}, {3, 6}});
    t.table.DeleteRowGroup(1);
    EXPECT_THAT(Values(t.top), ElementsAre(0, 1));
    EXPECT_THAT(Values(t.bottom), ElementsAre(1, 6));

    LayerTable ends({{0, 1}, {1, 3}, {3, 6}});
    ends.table.DeleteRowGroup(0);
    ends.table.DeleteRowGroup(1); // first and last rows have no neighbour on one side: no change
    EXPECT_THAT(Values(ends.top), ElementsAre(1));
    EXPECT_THAT(Values(ends.bottom), ElementsAre(3));
}

TEST(GridTableRows, WritingATopOrBottomMovesTheNeighbouringLayer)
{
    LayerTable t({{0, 1}, {1, 3}, {3, 6}});
    std::vector<std::pair<int, int>> changes;
    t.table.OnCellChange = [&](int col, int row) { changes.push_back({col, row}); };
    t.top.SetFloat(1, 2);
    EXPECT_THAT(Values(t.bottom), ElementsAre(2, 3, 6));
    t.bottom.SetFloat(1, 4);
    EXPECT_THAT(Values(t.top), ElementsAre(0, 2, 4));
    EXPECT_THAT(changes, ElementsAre(std::pair{1, 0}, std::pair{0, 1}, std::pair{0, 2}, std::pair{1, 1}));
    t.top.SetFloat(0, -1); // no row above
    t.bottom.SetFloat(2, 9); // no row below
    EXPECT_THAT(Values(t.top), ElementsAre(-1, 2, 4));
    EXPECT_THAT(Values(t.bottom), ElementsAre(2, 4, 9));
}

TEST(GridTableRows, TopDepthFollowedByANonFloatColumnFailsWithoutChangingRows)
{
    TGridTable table;
    AddFloat(table, {"Top"}, "", true);
    table.AddColumn(std::make_unique<TStringColumn>(table));
    const std::string message = "If column if a topdepth then the next column must be a float column";
    for (const auto& action : std::vector<std::function<void()>>{[&] { table.SetRowCount(2); },
                                                                   [&] { table.AddRowGroup(); }}) {
        try {
            action();
            ADD_FAILURE() << "nothing raised";
        } catch (const EQuavisError& e) {
            EXPECT_EQ(std::string(e.what()), message);
        }
        EXPECT_EQ(table.RowCount(), 0);
        EXPECT_EQ(table.Column(0).RowCount(), 0);
        EXPECT_EQ(table.Column(1).RowCount(), 0);
    }
}

TEST(GridTableRows, GroupWideWritesFillTheWholeGroup)
{
    TGridTable table;
    table.SetRowGroup(2);
    auto& i = static_cast<TIntColumn&>(table.AddColumn(std::make_unique<TIntColumn>(table)));
    auto& f = AddFloat(table, {"f"}, "", true); // group-wide writes skip the top-depth rule
    AddFloat(table, {"g"});
    auto& e = AddEnum(table, {"a", "b", "c"});
    auto& s = static_cast<TStringColumn&>(table.AddColumn(std::make_unique<TStringColumn>(table)));
    for (TColumn* c : std::vector<TColumn*>{&i, &f, &e, &s}) c->SetGroupWide(true);
    table.SetRowCount(6);
    std::vector<std::pair<int, int>> changes;
    table.OnCellChange = [&](int col, int row) { changes.push_back({col, row}); };

    table.Cell(0, 3).SetInteger(9);
    table.Cell(1, 4).SetFloat(2.5L);
    table.Cell(3, 0).SetInteger(3);
    table.Cell(4, 1).SetText("w");
    EXPECT_THAT(Integers(i), ElementsAre(0, 0, 9, 9, 0, 0));
    EXPECT_THAT(Values(f), ElementsAre(0, 0, 0, 0, 2.5, 2.5));
    EXPECT_THAT(Values(table.Column(2)), ElementsAre(0, 0, 0, 0, 0, 0));
    EXPECT_THAT(Integers(e), ElementsAre(3, 3, 1, 1, 1, 1));
    EXPECT_EQ(s.GetText(0), "w");
    EXPECT_EQ(s.GetText(1), "w");
    EXPECT_EQ(s.GetText(2), "");
    EXPECT_THAT(changes, ElementsAreArray(std::vector<std::pair<int, int>>{
                             {0, 2}, {0, 3}, {1, 4}, {1, 5}, {3, 0}, {3, 1}, {4, 0}, {4, 1}}));
}

TEST(GridTableRows, PickListWriteOfTheSameValueNotifiesNothing)
{
    TGridTable table;
    auto& e = AddEnum(table, {"a", "b"});
    table.SetRowCount(1);
    int changes = 0;
    table.OnCellChange = [&](int, int) { ++changes; };
    e.SetInteger(0, 1);
    EXPECT_EQ(changes, 0);
    e.SetInteger(0, 2);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(e.GetInteger(0), 2);
}

TEST(GridTableRows, CellsKnowTheirRowAfterInsertion)
{
    DefaultsTable t;
    t.table.SetRowCount(2);
    TData& second = t.table.Cell(0, 1);
    EXPECT_EQ(second.Row(), 1);
    t.table.InsertRowGroup(0);
    EXPECT_EQ(second.Row(), 2);
    EXPECT_EQ(&t.table.Cell(0, 2), &second);
    second.SetFloat(8);
    EXPECT_EQ(t.f.GetFloat(2), 8);
}

TEST(GridTableRows, AttachingAColumnGivesItTheExistingRows)
{
    TGridTable table;
    table.SetRowCount(3);
    auto& bottom = AddFloat(table, {"Bottom"});
    auto& f = AddFloat(table, {"f"});
    EXPECT_EQ(bottom.RowCount(), 3);
    EXPECT_EQ(f.RowCount(), 3);
    EXPECT_TRUE(f.IsAttached());
    auto foreign = std::make_unique<TFloatColumn>(table);
    TGridTable other;
    EXPECT_THROW(other.AddColumn(std::move(foreign)), EQuavisError);
    EXPECT_EQ(other.ColumnCount(), 0);
}

} // namespace
} // namespace quavis
