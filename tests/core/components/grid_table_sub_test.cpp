#include "components/errors.h"
#include "components/grid_table.h"
#include "components/unit_labels.h"
#include "grid_test_fakes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace quavis {
namespace {

using test::AddEnum;
using test::AddFloat;
using test::AddTableColumn;
using test::LoadingTables;
using ::testing::ElementsAre;

TEST(GridSubTables, EveryRowGetsASubTableMadeFromItsTemplate)
{
    LoadingTables t(3);
    t.loading.SetUnitSystem(SI);
    t.loading.AddRowGroup();
    for (int r = 0; r < 4; ++r) {
        SCOPED_TRACE(r);
        TGridTable* sub = t.loading.Cell(1, r).GetTable();
        ASSERT_NE(sub, nullptr);
        EXPECT_EQ(sub->Owner(), &t.loading);
        EXPECT_EQ(sub->Caption(), "Load Amplitude");
        EXPECT_EQ(sub->TopLeft(), "Point");
        EXPECT_EQ(sub->MinRows(), 2);
        EXPECT_EQ(sub->MaxRows(), 50);
        EXPECT_EQ(sub->RowCount(), 2);
        EXPECT_EQ(sub->ColumnCount(), 2);
        EXPECT_EQ(sub->SubTableNumber(), r + 1);
        EXPECT_EQ(sub->NumberPath(), " " + std::to_string(r + 1));
        EXPECT_EQ(sub->UnitSystem(), SI);
        EXPECT_NE(sub->Identifier(), t.amplitude.Identifier());
        EXPECT_EQ(&sub->Column(0).Table(), sub);
    }
    EXPECT_EQ(t.loading.Cell(1, 0).GetObject(), t.loading.Cell(1, 0).GetTable());
    EXPECT_EQ(t.amplitude.RowCount(), 0); // the template itself is untouched
}

TEST(GridSubTables, NewPickListValueReplacesTheSubTableAndTheSameValueKeepsIt)
{
    LoadingTables t(2);
    // Load type 3 uses a template of its own.
    TGridTable moment;
    moment.SetCaption("Moment Amplitude");
    moment.SetMinRows(3);
    AddFloat(moment, {"Time"});
    t.amplitudes->Templates().Delete(2);
    t.amplitudes->Templates().InsertTable(2, &moment);

    TGridTable* before = t.loading.Cell(1, 0).GetTable();
    before->Cell(1, 0).SetFloat(42);
    t.loading.Cell(0, 0).SetInteger(1); // unchanged
    EXPECT_EQ(t.loading.Cell(1, 0).GetTable(), before);
    EXPECT_EQ(before->Cell(1, 0).GetFloat(), 42);

    const size_t registered = GridTableRegistry().size();
    t.loading.Cell(0, 0).SetInteger(3);
    TGridTable* after = t.loading.Cell(1, 0).GetTable();
    ASSERT_NE(after, nullptr);
    EXPECT_EQ(after->Caption(), "Moment Amplitude");
    EXPECT_EQ(after->RowCount(), 3);
    EXPECT_EQ(after->SubTableNumber(), 1);
    EXPECT_EQ(GridTableRegistry().size(), registered); // the old one is gone

    t.loading.Cell(0, 0).SetInteger(2); // back to the shared template: fresh default rows
    after = t.loading.Cell(1, 0).GetTable();
    EXPECT_EQ(after->Caption(), "Load Amplitude");
    EXPECT_EQ(after->Cell(1, 0).GetFloat(), 0);
    EXPECT_EQ(t.loading.Cell(1, 1).GetTable()->RowCount(), 2); // other rows untouched
}

TEST(GridSubTables, EntryNamingNoTableGivesNoSubTableAndABareButtonCaption)
{
    LoadingTables t(2);
    t.amplitudes->Templates().Delete(4);
    t.amplitudes->Templates().InsertIndex(4, -1);
    t.loading.Cell(0, 1).SetInteger(5);
    EXPECT_EQ(t.loading.Cell(1, 1).GetTable(), nullptr);
    EXPECT_EQ(t.amplitudes->ButtonCaption(1), "2: ");
    EXPECT_EQ(t.amplitudes->ButtonCaption(0), "1: Load Amplitude");
    EXPECT_EQ(t.loading.Cell(1, 0).GetText(), "");
}

TEST(GridSubTables, RowInsertionAndDeletionRenumberTheFollowingSubTables)
{
    LoadingTables t(3);
    test::EditorLog log;
    test::ScopedEditorFactory factory(log);
    TGridTable* third = t.loading.Cell(1, 2).GetTable();
    third->ShowEditor();
    ASSERT_TRUE(third->HasEditor());

    t.loading.InsertRowGroup(0);
    for (int r = 0; r < 4; ++r) EXPECT_EQ(t.loading.Cell(1, r).GetTable()->SubTableNumber(), r + 1);
    EXPECT_EQ(t.loading.Cell(1, 3).GetTable(), third);
    ASSERT_FALSE(log.titles.empty());
    EXPECT_EQ(log.titles.back(), "Load Amplitude  4");

    t.loading.DeleteRowGroup(0);
    t.loading.DeleteRowGroup(0);
    EXPECT_EQ(third->SubTableNumber(), 2);
    EXPECT_EQ(log.titles.back(), "Load Amplitude  2");
    EXPECT_EQ(t.loading.Cell(1, 0).GetTable()->SubTableNumber(), 1);
}

TEST(GridSubTables, NumberPathJoinsTheRowNumbersOfEveryLevel)
{
    TGridTable top;
    top.SetCaption("Top");
    EXPECT_EQ(top.NumberPath(), "");
    TGridTable child(&top);
    child.SetSubTableNumber(3);
    TGridTable grandChild(&child);
    grandChild.SetSubTableNumber(12);
    EXPECT_EQ(child.NumberPath(), " 3");
    EXPECT_EQ(grandChild.NumberPath(), " 3 12");
    TGridTable unnumbered(&child);
    EXPECT_EQ(unnumbered.NumberPath(), " 3");
}

TEST(GridSubTables, TemplatesFollowTheItemListOfTheFirstColumn)
{
    TGridTable table;
    auto& first = AddEnum(table, {"a", "b", "c"});
    auto& subs = AddTableColumn(table);
    auto& more = AddTableColumn(table);
    EXPECT_EQ(subs.Templates().Count(), 3);
    EXPECT_EQ(more.Templates().Count(), 3);
    first.SetItems({"a"});
    EXPECT_EQ(subs.Templates().Count(), 1);
    first.SetItems({"a", "b", "c", "d", "e"});
    EXPECT_EQ(subs.Templates().Count(), 5);
    EXPECT_EQ(subs.Templates().ResolveIndex(4), -1);
    EXPECT_FALSE(subs.Templates().Item(4).IsIdentifier);

    // Only the first column counts.
    auto& second = AddEnum(table, {"x", "y"});
    second.SetItems({"x", "y", "z", "w", "v", "u", "t"});
    EXPECT_EQ(subs.Templates().Count(), 5);

    TGridTable plain;
    AddFloat(plain, {"f"});
    auto& single = AddTableColumn(plain);
    EXPECT_EQ(single.Templates().Count(), 1);
}

TEST(GridSubTables, ClonedTableColumnNamesTheSameTemplatesByIndex)
{
    LoadingTables t(0);
    TGridTable other;
    auto clone = t.amplitudes->Clone(other);
    auto& copy = static_cast<TTableColumn&>(*clone);
    ASSERT_EQ(copy.Templates().Count(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_FALSE(copy.Templates().Item(i).IsIdentifier);
        EXPECT_EQ(copy.Templates().Table(i), &t.amplitude);
    }
}

TEST(GridSubTables, DestroyingATableDestroysItsWholeSubTableTree)
{
    const size_t before = GridTableRegistry().size();
    {
        TGridTable amplitude;
        AddFloat(amplitude, {"a"});
        // A middle template whose rows carry amplitude sub-tables.
        TGridTable middle;
        middle.SetMinRows(2);
        AddTableColumn(middle).Templates().Delete(0);
        static_cast<TTableColumn&>(middle.Column(0)).Templates().AddTable(&amplitude);
        auto top = std::make_unique<TGridTable>();
        auto& column = AddTableColumn(*top);
        column.Templates().Delete(0);
        column.Templates().AddTable(&middle);
        top->SetRowCount(3);
        TGridTable* sub = top->Cell(0, 1).GetTable();
        ASSERT_NE(sub, nullptr);
        ASSERT_NE(sub->Cell(0, 1).GetTable(), nullptr);
        EXPECT_EQ(sub->Cell(0, 1).GetTable()->NumberPath(), " 2 2");
        EXPECT_EQ(GridTableRegistry().size(), before + 3 + 3 + 6);
        top.reset();
        EXPECT_EQ(GridTableRegistry().size(), before + 2);
    }
    EXPECT_EQ(GridTableRegistry().size(), before);
}

TEST(GridSubTables, TemplateNamingItselfNestsOnlyOnce)
{
    TGridTable selfish;
    selfish.SetMinRows(2);
    auto& column = AddTableColumn(selfish);
    column.Templates().Delete(0);
    column.Templates().AddTable(&selfish);
    selfish.SetRowCount(1);
    TGridTable* sub = selfish.Cell(0, 0).GetTable();
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->RowCount(), 2);
    EXPECT_EQ(sub->Cell(0, 0).GetTable(), nullptr);
    EXPECT_EQ(sub->Cell(0, 1).GetTable(), nullptr);
}

TEST(GridSubTables, SubTableOwnerOutlivedByAStrayChildLeavesNoDanglingLink)
{
    auto owner = std::make_unique<TGridTable>();
    owner->SetSubTableNumber(2);
    TGridTable stray(owner.get());
    stray.SetSubTableNumber(5);
    EXPECT_EQ(stray.NumberPath(), " 2 5");
    owner.reset();
    EXPECT_EQ(stray.Owner(), nullptr);
    EXPECT_EQ(stray.NumberPath(), " 5");
}

// A row object that is not a table, supplied by the table's events.
struct Marker : TRowObject {
    explicit Marker(int& alive) : alive(alive) { ++alive; }
    ~Marker() override { --alive; }
    int& alive;
    int row = -1;
};

TEST(GridSubTables, RowObjectsWithoutTemplateComeFromTheEvents)
{
    TGridTable table;
    AddEnum(table, {"a", "b"});
    auto& column = AddTableColumn(table); // entries name no table
    int alive = 0;
    std::vector<int> enumTypes;
    table.OnInitRow = [&](TGridTable& sender, int col, int, int enumType, std::unique_ptr<TRowObject>& data) {
        EXPECT_EQ(&sender, &table);
        EXPECT_EQ(col, 1);
        enumTypes.push_back(enumType);
        data = std::make_unique<Marker>(alive);
    };
    table.OnSetRow = [&](TGridTable&, int, TRowObject* data, int row) {
        if (row == 99) throw EQuavisError("refused");
        static_cast<Marker*>(data)->row = row;
    };
    table.OnGetButtonCaption = [](TGridTable&, int, int row, TRowObject* data, std::string& caption) {
        caption = "marker " + std::to_string(static_cast<Marker*>(data)->row) + "/" + std::to_string(row);
    };
    table.SetRowCount(2);
    EXPECT_EQ(alive, 2);
    table.Cell(0, 1).SetInteger(2);
    EXPECT_THAT(enumTypes, ElementsAre(1, 1, 2));
    EXPECT_EQ(alive, 2);
    EXPECT_EQ(table.Cell(1, 0).GetTable(), nullptr);
    table.InsertRowGroup(0);
    EXPECT_EQ(static_cast<Marker*>(table.Cell(1, 2).GetObject())->row, 2);
    EXPECT_EQ(column.ButtonCaption(2), "3: marker 2/2");

    bool changed = false;
    table.OnGetChanged = [&](TGridTable&, int, int row, TRowObject*, bool& c) { c = changed && row == 1; };
    EXPECT_FALSE(table.IsChanged());
    changed = true;
    EXPECT_TRUE(table.IsChanged());

    int units = 0;
    table.OnSetUnits = [&](TGridTable&, int, int, TRowObject*, int value) { units += value; };
    table.SetUnitSystem(SI);
    EXPECT_EQ(units, 3 * SI);

    table.OnSetRow = [&](TGridTable&, int, TRowObject*, int) { throw EQuavisError("refused"); };
    EXPECT_THROW(column.CreateRowObject(0), EQuavisError);
    EXPECT_EQ(alive, 3); // the refused object was destroyed; the old one stays
    table.SetRowCount(0);
    EXPECT_EQ(alive, 0);
}

} // namespace
} // namespace quavis
