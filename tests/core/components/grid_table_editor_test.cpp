#include "components/errors.h"
#include "components/grid_table.h"
#include "grid_test_fakes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace quavis {
namespace {

using test::AddEnum;
using test::AddFloat;
using test::EditorLog;
using test::FakeHostForm;
using test::LiveControls;
using test::LoadingTables;
using test::ScopedEditorFactory;
using ::testing::ElementsAre;

std::string MessageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const EQuavisError& e) {
        return e.what();
    }
    return "(nothing raised)";
}

TEST(GridTableEditor, ShowEditorWithoutFactoryOrVisibleColumnsShowsNothing)
{
    TGridTable table;
    table.ShowEditor();
    EXPECT_FALSE(table.HasEditor());
    EditorLog log;
    ScopedEditorFactory factory(log);
    table.ShowEditor(); // no column
    AddFloat(table, {"x"}).SetVisible(false);
    table.ShowEditor(); // no visible column
    EXPECT_EQ(log.created, 0);
    EXPECT_FALSE(table.HasEditor());
}

TEST(GridTableEditor, EditorIsCreatedOnceAndDestroyedWhenClosed)
{
    TGridTable table;
    AddFloat(table, {"x"});
    EditorLog log;
    ScopedEditorFactory factory(log);
    table.ShowEditor();
    table.ShowEditor();
    EXPECT_EQ(log.created, 1);
    EXPECT_EQ(log.shown, 2);
    EXPECT_TRUE(table.HasEditor());
    EXPECT_FALSE(table.EditorIsModal());

    table.ReopenEditor();
    EXPECT_EQ(log.created, 2);
    EXPECT_EQ(log.destroyed, 1);
    EXPECT_TRUE(table.HasEditor());

    table.CloseEditor();
    EXPECT_FALSE(table.HasEditor());
    EXPECT_EQ(log.destroyed, 2);
    table.ReopenEditor(); // no editor open: nothing
    EXPECT_EQ(log.created, 2);
    EXPECT_THAT(log.modal, ElementsAre(false, false));
}

TEST(GridTableEditor, ModalEditorClosedByTheUserHandsItselfBack)
{
    TGridTable table;
    AddFloat(table, {"x"});
    EditorLog log;
    std::unique_ptr<TGridTableEditor> returned;
    bool modalWhileShown = false;
    ScopedEditorFactory factory(log, [&](TGridTable& t) {
        modalWhileShown = t.EditorIsModal();
        returned = t.EditorClosed(); // the window's close, inside its modal loop
    });
    table.ShowEditorModal();
    EXPECT_TRUE(modalWhileShown);
    EXPECT_FALSE(table.HasEditor());
    ASSERT_NE(returned, nullptr);
    EXPECT_EQ(log.destroyed, 0);
    returned.reset();
    EXPECT_EQ(log.destroyed, 1);
}

TEST(GridTableEditor, ClosingAnEditorClosesTheSubTableEditorsAndDestroyingATableClosesItsOwn)
{
    EditorLog log;
    ScopedEditorFactory factory(log);
    {
        LoadingTables t(2);
        t.loading.ShowEditor();
        t.loading.Cell(1, 0).GetTable()->ShowEditor();
        t.loading.Cell(1, 1).GetTable()->ShowEditor();
        EXPECT_EQ(log.created, 3);
        t.loading.CloseEditor();
        EXPECT_EQ(log.destroyed, 3);
        EXPECT_FALSE(t.loading.Cell(1, 1).GetTable()->HasEditor());
        t.loading.Cell(1, 1).GetTable()->ShowEditor();
        t.loading.ShowEditor();
    }
    EXPECT_EQ(log.destroyed, 5);
}

TEST(GridTableEditor, BindingGivesTheControlColumnsTheirControls)
{
    LoadingTables t(4);
    t.loading.Cell(0, 2).SetInteger(3);
    FakeHostForm host;
    host.topRow = 1;
    host.visibleRows = 3;
    std::vector<std::pair<int, int>> cells;
    int layouts = 0;
    t.loading.BindEditor(&host, [&](int c, int r) { cells.push_back({c, r}); }, [&] { ++layouts; });
    ASSERT_EQ(t.type->ControlCount(), 3);
    ASSERT_EQ(t.amplitudes->ControlCount(), 3);
    EXPECT_TRUE(t.type->ControlsAllocated());
    EXPECT_EQ(LiveControls(), 6);
    for (int j = 0; j < 3; ++j) {
        auto& combo = static_cast<test::FakeComboBox&>(t.type->ComboBox(j));
        EXPECT_EQ(combo.Tag(), 1 + j);
        EXPECT_FALSE(combo.Visible());
        EXPECT_EQ(combo.dropDownCount, 11);
        EXPECT_EQ(combo.items.size(), 6u);
        EXPECT_EQ(combo.broughtToFront, 1);
        auto& button = static_cast<test::FakeButton&>(t.amplitudes->Button(j));
        EXPECT_EQ(button.Tag(), 1 + j);
        EXPECT_EQ(button.Caption(), std::to_string(2 + j) + ": Load Amplitude");
    }
    EXPECT_EQ(t.type->ComboBox(1).ItemIndex(), 2);
    EXPECT_EQ(t.type->ComboBox(0).ItemIndex(), 0);

    // Fewer rows shown: controls are dropped from the end.
    t.type->AllocateControls(&host, 0, 2);
    EXPECT_EQ(t.type->ControlCount(), 2);
    EXPECT_EQ(LiveControls(), 5);

    t.loading.UnbindEditor();
    EXPECT_EQ(LiveControls(), 0);
    EXPECT_FALSE(t.type->ControlsAllocated());
    EXPECT_EQ(t.loading.HostForm(), nullptr);
}

TEST(GridTableEditor, PickingInADropDownStoresTheValueAndReplacesTheSubTable)
{
    LoadingTables t(2);
    FakeHostForm host;
    host.visibleRows = 2;
    std::vector<std::pair<int, int>> cells;
    t.loading.BindEditor(&host, [&](int c, int r) { cells.push_back({c, r}); }, [] {});
    TGridTable* before = t.loading.Cell(1, 1).GetTable();
    auto& combo = static_cast<test::FakeComboBox&>(t.type->ComboBox(1));
    combo.Pick(3);
    EXPECT_EQ(t.type->GetInteger(1), 4);
    EXPECT_NE(t.loading.Cell(1, 1).GetTable(), before);
    EXPECT_THAT(cells, ElementsAre(std::pair{0, 1}));

    combo.Pick(3); // same item: nothing
    EXPECT_EQ(cells.size(), 1u);

    // A value written in code shows in the list of that row.
    t.type->SetInteger(0, 6);
    EXPECT_EQ(t.type->ComboBox(0).ItemIndex(), 5);

    combo.onEnter();
    EXPECT_THAT(host.focused, ElementsAre(std::pair{1, 1 + 1})); // grid column 1, one header row

    combo.SetTag(-1);
    EXPECT_EQ(MessageOf([&] { combo.Pick(0); }), "Unexpected row for combobox");
}

TEST(GridTableEditor, ControlAllocationChecksItsArguments)
{
    LoadingTables t(3);
    FakeHostForm host, other;
    EXPECT_EQ(MessageOf([&] { t.type->AllocateControls(nullptr, 0, 1); }), "null parent");
    EXPECT_EQ(MessageOf([&] { t.amplitudes->AllocateControls(nullptr, 0, 1); }), "null parent");
    EXPECT_EQ(MessageOf([&] { t.amplitudes->AllocateControls(&host, 3, 1); }), "ATopRow 3");
    EXPECT_EQ(MessageOf([&] { t.amplitudes->AllocateControls(&host, -1, 1); }), "ATopRow -1");
    EXPECT_EQ(MessageOf([&] { t.amplitudes->AllocateControls(&host, 1, 3); }), "ACount 3");
    EXPECT_EQ(MessageOf([&] { t.amplitudes->AllocateControls(&host, 1, 0); }), "ACount 0");
    t.type->AllocateControls(&host, 0, 2);
    t.amplitudes->AllocateControls(&host, 0, 2);
    EXPECT_EQ(MessageOf([&] { t.type->AllocateControls(&other, 0, 2); }),
              "Error attempt to change parent with controls already allocated");
    EXPECT_EQ(MessageOf([&] { t.amplitudes->AllocateControls(&other, 0, 2); }),
              "Attempt to change parent with controls already allocated");
    t.type->ReleaseControls();
    EXPECT_NO_THROW(t.type->AllocateControls(&other, 0, 2));
}

TEST(GridTableEditor, RowButtonOpensTheSubTableEditorAsModalAsItsOwn)
{
    EditorLog log;
    ScopedEditorFactory factory(log);
    LoadingTables t(2);
    FakeHostForm host;
    host.visibleRows = 2;
    t.loading.ShowEditor();
    t.loading.BindEditor(&host, {}, {});
    auto& button = static_cast<test::FakeButton&>(t.amplitudes->Button(1));
    button.onClick();
    TGridTable* sub = t.loading.Cell(1, 1).GetTable();
    EXPECT_TRUE(sub->HasEditor());
    EXPECT_FALSE(sub->EditorIsModal());
    t.loading.CloseEditor();

    t.loading.ShowEditorModal();
    t.loading.BindEditor(&host, {}, {});
    static_cast<test::FakeButton&>(t.amplitudes->Button(0)).onClick();
    EXPECT_TRUE(t.loading.Cell(1, 0).GetTable()->EditorIsModal());
    EXPECT_THAT(log.modal, ElementsAre(false, false, true, true));
}

TEST(GridTableEditor, ReplacedSubTableRetitlesTheButtonOfItsRow)
{
    LoadingTables t(2);
    TGridTable other;
    other.SetCaption("Other");
    AddFloat(other, {"x"});
    t.amplitudes->Templates().Delete(1);
    t.amplitudes->Templates().InsertTable(1, &other);
    FakeHostForm host;
    host.visibleRows = 2;
    t.loading.BindEditor(&host, {}, {});
    t.loading.Cell(0, 1).SetInteger(2);
    EXPECT_EQ(t.amplitudes->Button(1).Caption(), "2: Other");
    EXPECT_EQ(t.amplitudes->Button(0).Caption(), "1: Load Amplitude");
}

TEST(GridTableEditor, ColumnAttachedWhileBoundGetsControls)
{
    TGridTable table;
    table.SetRowCount(3);
    FakeHostForm host;
    host.topRow = 1;
    host.visibleRows = 2;
    table.BindEditor(&host, {}, {});
    auto& e = AddEnum(table, {"a", "b"});
    EXPECT_EQ(e.ControlCount(), 2);
    EXPECT_EQ(e.Control(0).Tag(), 1);
    table.UnbindEditor();
    EXPECT_EQ(e.ControlCount(), 0);
}

TEST(GridTableEditor, HelpPictureChangeRelayoutsTheEditor)
{
    TGridTable table;
    int layouts = 0;
    table.OnLayoutChange = [&] { ++layouts; };
    table.SetHelpPicture("pile.bmp");
    table.SetHelpPicture("pile.bmp");
    EXPECT_EQ(layouts, 1);
    EXPECT_EQ(table.HelpPicture(), "pile.bmp");
}

} // namespace
} // namespace quavis
