#include "components/table_editor_layout.h"

#include "components/errors.h"
#include "components/grid_table.h"
#include "grid_test_fakes.h"

#include <gtest/gtest.h>

#include <string>

namespace quavis {
namespace {

using test::AddEnum;
using test::AddFloat;
using test::FakeCanvas;
using test::FakeHostForm;

// 96 pixels per inch: margin 4; rows 18 high (19 with the grid line); float columns with short headers
// are half an inch (48) wide, the row-number column a third of an inch (32).
TTableEditorMetrics Metrics()
{
    TTableEditorMetrics m;
    m.BorderWidth = 8;
    m.BorderHeight = 30;
    return m;
}

// A table of `columns` float columns and `rows` rows, each row number its own group.
void Fill(TGridTable& table, int columns, int rows)
{
    for (int c = 0; c < columns; ++c) AddFloat(table, {std::string(1, static_cast<char>('a' + c))});
    table.SetRowCount(rows);
}

TEST(TableEditorLayout, ButtonsFollowTheRowLimits)
{
    struct Case {
        int minRows, maxRows, rows;
        bool visible, add, del;
    };
    const Case cases[] = {
        {1, 1, 1, false, false, false}, // fixed size: no buttons
        {1, 0, 1, true, true, false},   // no limit
        {1, 0, 40, true, true, true},
        {2, 5, 5, true, false, true},
        {2, 5, 2, true, true, false},   // deleting the last row allowed disabled the button
        {1, 3, 4, true, false, true},   // already past the limit: no further growth
    };
    for (const Case& c : cases) {
        TGridTable table;
        Fill(table, 1, c.rows);
        table.SetMinRows(c.minRows);
        table.SetMaxRows(c.maxRows);
        FakeCanvas canvas;
        TTableEditorLayout layout(table, canvas, Metrics());
        const TTableButtonState b = layout.Buttons();
        SCOPED_TRACE(testing::Message() << c.minRows << ".." << c.maxRows << " with " << c.rows);
        EXPECT_EQ(b.Visible, c.visible);
        EXPECT_EQ(b.AddEnabled, c.add);
        EXPECT_EQ(b.DeleteEnabled, c.del);
    }
}

TEST(TableEditorLayout, GridTextsHeadersAndRowNumbersByGroup)
{
    TGridTable table;
    table.SetTopLeft("Layer");
    table.SetRowGroup(2);
    AddFloat(table, {"Depth", "top"}, "L2");
    AddFloat(table, {"Weight"});
    AddEnum(table, {"one", "two"});
    table.SetRowCount(4);
    table.Column(0).SetFloat(3, 2.5L);
    FakeCanvas canvas;
    TTableEditorLayout layout(table, canvas, Metrics());
    layout.Show();
    EXPECT_EQ(layout.HeaderRows(), 2);
    EXPECT_EQ(layout.GridColumnCount(), 4);
    EXPECT_EQ(layout.GridRowCount(), 6);
    EXPECT_EQ(layout.CellText(0, 0), "Layer");
    EXPECT_EQ(layout.CellText(0, 1), "");
    // Rows 0 and 1 form group 1, rows 2 and 3 group 2.
    EXPECT_EQ(layout.CellText(0, 2), "1");
    EXPECT_EQ(layout.CellText(0, 3), "1");
    EXPECT_EQ(layout.CellText(0, 4), "2");
    EXPECT_EQ(layout.CellText(0, 5), "2");
    EXPECT_EQ(layout.CellText(1, 0), "Depth");
    EXPECT_EQ(layout.CellText(1, 1), "top (ft)  ");
    EXPECT_EQ(layout.CellText(2, 1), ""); // one header line only
    EXPECT_EQ(layout.CellText(1, 5), "2.5");
    EXPECT_EQ(layout.CellText(3, 2), ""); // its drop-down list shows the value
    // The row-number column: TopLeft with two spaces, at least a third of an inch.
    EXPECT_EQ(layout.ColumnWidth(0), 7 * 7);
    table.SetTopLeft("");
    EXPECT_EQ(layout.ColumnWidth(0), 32);
    EXPECT_EQ(layout.ColumnWidth(2), table.VisibleColumn(1).PreferredWidth(canvas));
}

TEST(TableEditorLayout, ShowMakesMinRowsAndCaption)
{
    TGridTable table;
    table.SetCaption("Load Amplitude");
    Fill(table, 1, 0);
    table.SetMinRows(3);
    FakeCanvas canvas;
    TTableEditorLayout layout(table, canvas, Metrics());
    layout.Show();
    EXPECT_EQ(table.RowCount(), 3);
    EXPECT_EQ(layout.RowsShown(), 3);
    EXPECT_EQ(layout.Caption(), "Load Amplitude " + table.NumberPath());
}

TEST(TableEditorLayout, LayoutPlacesGridButtonsAndClientArea)
{
    TGridTable table;
    Fill(table, 2, 3);
    FakeCanvas canvas;
    TTableEditorLayout layout(table, canvas, Metrics());
    layout.Show();
    TTableEditorGeometry g = layout.Layout();
    EXPECT_FALSE(g.VerticalScrollBar);
    EXPECT_FALSE(g.HorizontalScrollBar);
    EXPECT_EQ(g.Grid, (TRect{4, 4, 3 + 33 + 49 + 49, 19 * 4 + 5}));
    EXPECT_EQ(g.BtnAdd, (TRect{4, 89, 81, 21}));
    EXPECT_EQ(g.BtnIns.Left, 89);
    EXPECT_EQ(g.BtnDel.Left, 174);
    EXPECT_EQ(g.ClientWidth, 255 + 4); // the buttons are wider than the grid
    EXPECT_EQ(g.ClientHeight, 89 + 21 + 4);

    // A comment line and a picture stack below the buttons.
    table.SetComments("Advice");
    layout.Metrics().CommentHeight = 13;
    layout.Metrics().PictureWidth = 100;
    layout.Metrics().PictureHeight = 50;
    g = layout.Layout();
    EXPECT_EQ(g.Comments.Top, 89 + 21 + 4);
    EXPECT_EQ(g.Picture.Top, g.Comments.Top + 13 + 4);
    EXPECT_EQ(g.ClientHeight, g.Picture.Top + 50 + 4);

    // Without buttons the comment line takes their place.
    table.SetMaxRows(1);
    table.SetRowCount(1);
    layout.Refresh();
    EXPECT_EQ(layout.Layout().Comments.Top, layout.Layout().Grid.Bottom() + 4);
}

TEST(TableEditorLayout, TenRowsAtFirstAndAddingGrowsByARow)
{
    TGridTable big;
    Fill(big, 2, 25);
    FakeCanvas canvas;
    TTableEditorLayout bigLayout(big, canvas, Metrics());
    bigLayout.Show();
    EXPECT_EQ(bigLayout.RowsShown(), 10);
    const TTableEditorGeometry bg = bigLayout.Layout();
    EXPECT_TRUE(bg.VerticalScrollBar);
    EXPECT_EQ(bg.Grid.Width, 3 + 33 + 49 + 49 + 16);

    TGridTable small;
    Fill(small, 2, 4);
    TTableEditorLayout layout(small, canvas, Metrics());
    int refreshes = 0;
    small.OnLayoutChange = [&] {
        ++refreshes;
        layout.Refresh();
    };
    layout.Show();
    const int before = layout.Layout().ClientHeight;
    small.ResetChanged();
    layout.AddRow();
    EXPECT_EQ(small.RowCount(), 5);
    EXPECT_EQ(layout.RowsShown(), 5);
    EXPECT_EQ(layout.Layout().ClientHeight, before + 19);
    EXPECT_TRUE(small.IsChanged());
    EXPECT_EQ(refreshes, 0); // suspended while adding
    ASSERT_TRUE(small.OnLayoutChange);

    // Past ten rows the window stays and the new last row is scrolled in.
    for (int i = 0; i < 6; ++i) layout.AddRow();
    EXPECT_EQ(small.RowCount(), 11);
    EXPECT_EQ(layout.RowsShown(), 10);
    EXPECT_EQ(layout.TopRow(), 1);
}

TEST(TableEditorLayout, InsertAndDeleteNeedADataRow)
{
    TGridTable table;
    Fill(table, 1, 3);
    table.Column(0).SetFloat(1, 7);
    FakeCanvas canvas;
    TTableEditorLayout layout(table, canvas, Metrics());
    layout.Show();
    for (int gridRow : {0, 4, -1}) {
        try {
            layout.InsertRow(gridRow);
            ADD_FAILURE() << "insert at " << gridRow;
        } catch (const EQuavisError& e) {
            EXPECT_STREQ(e.what(), "Grid.Row not in valid range");
        }
        EXPECT_THROW(layout.DeleteRow(gridRow), EQuavisError);
    }
    EXPECT_EQ(table.RowCount(), 3);

    layout.InsertRow(2); // before table row 1
    EXPECT_EQ(table.RowCount(), 4);
    EXPECT_EQ(layout.RowsShown(), 4);
    EXPECT_EQ(table.Column(0).GetFloat(2), 7);
    layout.DeleteRow(3); // the row holding 7
    layout.DeleteRow(1);
    layout.DeleteRow(1);
    EXPECT_EQ(table.RowCount(), 1);
    EXPECT_EQ(layout.RowsShown(), 1);
    EXPECT_FALSE(layout.Buttons().DeleteEnabled);
}

TEST(TableEditorLayout, CommittingAndMovingRefuseAFaultyCell)
{
    TGridTable table;
    AddFloat(table, {"x"});
    AddEnum(table, {"one", "two"});
    auto& count = static_cast<TIntColumn&>(table.AddColumn(std::make_unique<TIntColumn>(table)));
    count.SetHeaders({"n"});
    count.SetMinValue(0);
    count.SetMaxValue(9);
    table.SetRowCount(2);
    table.Column(0).SetFloat(0, 1);
    FakeCanvas canvas;
    TTableEditorLayout layout(table, canvas, Metrics());
    layout.Show();

    struct Case {
        TGridCell at;
        const char* typed;
        bool allowed;
        const char* message;
    };
    const Case cases[] = {
        {{1, 1}, "abc", false, "Entry could not be evaluated:\rinvalid character(s) in expression"},
        {{1, 1}, "1/0", false, "Division by zero"},
        {{3, 1}, "7.5", false, "Entry must be an integer."},
        {{3, 1}, "12", false, "Entry must be between 0 and 9."},
        {{3, 2}, "2.00000000001", true, ""},
        {{1, 1}, "2*pi", true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        table.ResetChanged();
        const TCellMoveResult r = layout.SelectCell(c.at, c.typed, {1, 2});
        EXPECT_EQ(r.Allowed, c.allowed);
        EXPECT_EQ(r.Message, c.message);
        EXPECT_EQ(r.RewriteCells, c.allowed);
        EXPECT_TRUE(table.IsChanged());
        if (!c.allowed) {
            EXPECT_EQ(r.Column, c.at.Column);
            EXPECT_EQ(r.Row, c.at.Row);
        }
    }
    EXPECT_EQ(layout.CellText(3, 2), "2");
    EXPECT_EQ(layout.CellText(1, 1), "6.2831853");

    // A drop-down column cannot take the cell cursor; its control is used instead.
    const TCellMoveResult toList = layout.SelectCell({1, 1}, "3", {2, 1});
    EXPECT_FALSE(toList.Allowed);
    EXPECT_TRUE(toList.Message.empty());
    EXPECT_EQ(table.Column(0).GetFloat(0), 3);
    // Header cells commit nothing.
    EXPECT_TRUE(layout.Commit({1, 0}, "abc").Allowed);
    EXPECT_FALSE(layout.Commit({1, 1}, "(").Allowed);
    EXPECT_EQ(table.Column(0).GetFloat(0), 3);
}

TEST(TableEditorLayout, EnterMovesDownThenToTheNextColumnPassingDropDowns)
{
    TGridTable table;
    AddFloat(table, {"a"});
    AddEnum(table, {"one"});
    AddFloat(table, {"b"});
    table.SetRowCount(3);
    FakeCanvas canvas;
    TTableEditorLayout layout(table, canvas, Metrics());
    layout.Show();
    struct Case {
        TGridCell from, to;
    };
    const Case cases[] = {
        {{1, 1}, {1, 2}}, // down
        {{1, 3}, {3, 1}}, // last row: top of the next column, passing the drop-down column
        {{3, 3}, {1, 1}}, // last row of the last column: back to the first
        {{3, 2}, {3, 3}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(layout.EnterTarget(c.from), c.to) << c.from.Column << "," << c.from.Row;
    }
}

TEST(TableEditorLayout, CellControlsSitOnTheirCellsAndHideWhenScrolledOut)
{
    TGridTable table;
    AddEnum(table, {"one", "two"});
    for (int c = 0; c < 10; ++c) AddFloat(table, {"f"});
    table.SetRowCount(3);
    table.Column(0).SetInteger(1, 2);
    FakeCanvas canvas;
    FakeHostForm host;
    TTableEditorLayout layout(table, canvas, Metrics());
    int resized = 0;
    table.OnResize = [&](TGridTable&) { ++resized; };
    layout.Show();
    TTableEditorGeometry g = layout.ApplyLayout(&host);
    EXPECT_EQ(resized, 1);
    ASSERT_EQ(g.Controls.size(), 3u);
    ASSERT_EQ(host.combos.size(), 3u);
    const int enumWidth = layout.ColumnWidth(1);
    EXPECT_EQ(g.Controls[1].Row, 1);
    EXPECT_EQ(g.Controls[1].Bounds, (TRect{4 + 33 + 2, 4 + 19 * 2 + 2, enumWidth, 18}));
    EXPECT_EQ(host.combos[1]->itemIndex, 1);
    EXPECT_TRUE(host.combos[1]->Visible());

    // Narrow the window from the right, then scroll the list column out of sight.
    const TSizingResult s = layout.Sizing(TSizingEdge::Right, {0, 0, 300, 200});
    layout.ApplySizing(s);
    ASSERT_LT(layout.ColumnsShown(), 11);
    layout.ScrollTo(2, 0);
    g = layout.ApplyLayout(&host);
    EXPECT_FALSE(g.Controls[0].Visible);
    for (auto* combo : host.combos) EXPECT_FALSE(combo->Visible());
    table.CloseEditor();
    table.Column(0).ReleaseControls();
}

TEST(TableEditorLayout, DraggingTheRightBorderToHalfWidthGivesAHorizontalScrollBar)
{
    TGridTable table;
    Fill(table, 10, 3);
    FakeCanvas canvas;
    TTableEditorLayout layout(table, canvas, Metrics());
    layout.Show();
    // The whole table: 8 + 8 + 5 + 33 + 10 x 49 wide, 30 + 8 + 5 + 25 + 4 x 19 high.
    const TRect requested{100, 50, 300, 144};
    const TSizingResult r = layout.Sizing(TSizingEdge::Right, requested);
    ASSERT_EQ(r.Candidates.size(), 4u);
    const TSizingCandidate& none = r.Candidates[0];
    EXPECT_FALSE(none.Horizontal || none.Vertical);
    EXPECT_EQ(none.Width, 544);
    EXPECT_EQ(none.Height, 144);
    EXPECT_EQ(none.Score, 544LL * 144 - 300LL * 144);
    EXPECT_TRUE(r.Candidates[1].Vertical && !r.Candidates[1].Horizontal);
    EXPECT_TRUE(r.Candidates[2].Horizontal && !r.Candidates[2].Vertical);
    const TSizingCandidate& horizontal = r.Candidates[2];
    EXPECT_EQ(horizontal.ColumnsShown, 5); // whole columns that fit in 300
    EXPECT_EQ(horizontal.Width, 54 + 5 * 49);
    EXPECT_EQ(horizontal.Height, 144 + 16);
    EXPECT_EQ(horizontal.Score, 300LL * 160 - 300LL * 144);
    EXPECT_EQ(r.Winner, 2);
    // The left and top edges stay.
    EXPECT_EQ(r.Window, (TRect{100, 50, 299, 160}));

    layout.ApplySizing(r);
    EXPECT_EQ(layout.ColumnsShown(), 5);
    EXPECT_TRUE(layout.Layout().HorizontalScrollBar);

    // Dragging the left edge keeps the right one.
    const TSizingResult left = layout.Sizing(TSizingEdge::Left, requested);
    EXPECT_EQ(left.Window.Right(), requested.Right());
}

TEST(TableEditorLayout, DraggingTheBottomShowsWholeRowsAndMovesTheTopRowUpAtTheEnd)
{
    TGridTable table;
    Fill(table, 2, 25);
    FakeCanvas canvas;
    TTableEditorLayout layout(table, canvas, Metrics());
    layout.Show();
    layout.ScrollTo(0, 15);
    ASSERT_EQ(layout.TopRow(), 15);
    // Room for 12 rows: 68 + 19 x (1 + 2) for the first, then 19 per row.
    const TSizingResult r = layout.Sizing(TSizingEdge::Bottom, {0, 0, 267, 340});
    EXPECT_EQ(r.Winner, 1);
    const TSizingCandidate& vertical = r.Candidates[1];
    EXPECT_EQ(vertical.RowsShown, 12);
    EXPECT_EQ(vertical.Height, 125 + 11 * 19);
    EXPECT_EQ(vertical.TopRow, 13);
    EXPECT_EQ(vertical.Width, 267); // the button row's width
    // Dragging the top edge keeps the bottom.
    const TSizingResult top = layout.Sizing(TSizingEdge::TopRight, {0, 0, 267, 340});
    EXPECT_EQ(top.Window.Bottom(), 340);
    EXPECT_EQ(top.Window.Left, 0);
}

TEST(TableEditorLayout, TiesGoToTheFirstCandidateAndAGridNeedsADataColumn)
{
    TGridTable table;
    Fill(table, 2, 3);
    FakeCanvas canvas;
    TTableEditorLayout layout(table, canvas, Metrics());
    layout.Show();
    // A request larger than every candidate scores 0 for all four.
    const TSizingResult r = layout.Sizing(TSizingEdge::BottomRight, {0, 0, 5000, 5000});
    for (const auto& c : r.Candidates) EXPECT_EQ(c.Score, 0);
    EXPECT_EQ(r.Winner, 0);

    TGridTable empty;
    AddFloat(empty, {"x"}).SetVisible(false);
    TTableEditorLayout emptyLayout(empty, canvas, Metrics());
    try {
        (void)emptyLayout.Sizing(TSizingEdge::Right, {0, 0, 100, 100});
        ADD_FAILURE() << "no error";
    } catch (const EQuavisError& e) {
        EXPECT_STREQ(e.what(), "There must be at least 2 columns in grid");
    }
}

} // namespace
} // namespace quavis
