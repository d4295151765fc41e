#include "components/errors.h"
#include "components/grid_table.h"
#include "components/unit_labels.h"
#include "grid_test_fakes.h"
#include "support/float_compare.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace quavis {
namespace {

using test::AddEnum;
using test::AddFloat;
using test::AddTableColumn;
using ::testing::ElementsAre;

bool Registered(const TGridTable* table)
{
    const auto& r = GridTableRegistry();
    return std::find(r.begin(), r.end(), table) != r.end();
}

template <class E>
std::string MessageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const E& e) {
        return e.what();
    }
    return "(nothing raised)";
}

TEST(GridTable, NewTableStartsEmptyInTheRegistryWithTheNextIdentifier)
{
    const int next = NextIdentifier();
    TGridTable table;
    EXPECT_EQ(table.Identifier(), next);
    EXPECT_EQ(NextIdentifier(), next + 1);
    EXPECT_EQ(table.RowCount(), 0);
    EXPECT_EQ(table.MinRows(), 1);
    EXPECT_EQ(table.MaxRows(), 0);
    EXPECT_EQ(table.RowGroup(), 1);
    EXPECT_EQ(table.UnitSystem(), English);
    EXPECT_FALSE(table.IsChanged());
    EXPECT_FALSE(table.HasEditor());
    EXPECT_TRUE(Registered(&table));
    EXPECT_EQ(RegistryTable(IndexOfIdentifier(table.Identifier())), &table);

    table.SetUnitSystem(SI);
    TGridTable sub(&table);
    EXPECT_EQ(sub.UnitSystem(), SI);
}

TEST(GridTable, RegistryForgetsADestroyedTable)
{
    const size_t before = GridTableRegistry().size();
    auto table = std::make_unique<TGridTable>();
    const TGridTable* raw = table.get();
    const int id = table->Identifier();
    EXPECT_EQ(GridTableRegistry().size(), before + 1);
    EXPECT_EQ(RegistryIndexOf(raw), static_cast<int>(before));
    table.reset();
    EXPECT_EQ(GridTableRegistry().size(), before);
    EXPECT_FALSE(Registered(raw));
    EXPECT_EQ(IndexOfIdentifier(id), -1);
    EXPECT_EQ(IndexOfIdentifier(-1), -1);
    EXPECT_EQ(RegistryTable(-1), nullptr);
    EXPECT_EQ(RegistryTable(static_cast<int>(GridTableRegistry().size())), nullptr);
}

TEST(GridTable, SettingAnIdentifierInUseSwapsIt)
{
    TGridTable a, b;
    const int idA = a.Identifier();
    const int idB = b.Identifier();
    a.SetIdentifier(idB);
    EXPECT_EQ(a.Identifier(), idB);
    EXPECT_EQ(b.Identifier(), idA);
    a.SetIdentifier(-4);
    EXPECT_EQ(a.Identifier(), idB);
    EXPECT_EQ(RegistryTable(IndexOfIdentifier(idB)), &a);
}

TEST(GridTable, MinRowsMustBePositiveExceptWhileLoading)
{
    TGridTable table;
    EXPECT_EQ(MessageOf<EQuavisError>([&] { table.SetMinRows(0); }), "Value must be greater than 0");
    EXPECT_EQ(table.MinRows(), 1);
    table.SetMinRows(4);
    table.SetLoading(true);
    table.SetMinRows(-2);
    EXPECT_EQ(table.MinRows(), 1);
}

TEST(GridTable, AccessOfTheWrongKindRaises)
{
    TGridTable table;
    AddEnum(table, {"a", "b"});
    table.AddColumn(std::make_unique<TIntColumn>(table));
    AddFloat(table, {"x"});
    table.AddColumn(std::make_unique<TTableColumn>(table));
    table.AddColumn(std::make_unique<TStringColumn>(table));
    table.SetRowCount(1);

    struct Access {
        const char* name;
        std::function<void(TData&)> run;
        std::vector<int> validFor; // column indices
    };
    const std::vector<Access> accesses = {
        {"GetFloat", [](TData& d) { d.GetFloat(); }, {2}},
        {"SetFloat", [](TData& d) { d.SetFloat(1); }, {2}},
        {"GetInteger", [](TData& d) { d.GetInteger(); }, {0, 1}},
        {"SetInteger", [](TData& d) { d.SetInteger(1); }, {0, 1}},
        {"GetTable", [](TData& d) { d.GetTable(); }, {3}},
        {"GetObject", [](TData& d) { d.GetObject(); }, {3}},
    };
    for (const Access& access : accesses) {
        for (int col = 0; col < table.ColumnCount(); ++col) {
            SCOPED_TRACE(std::string(access.name) + " on column " + std::to_string(col));
            TData& cell = table.Cell(col, 0);
            const bool valid = std::count(access.validFor.begin(), access.validFor.end(), col) > 0;
            if (valid) EXPECT_NO_THROW(access.run(cell));
            else EXPECT_EQ(MessageOf<EQuavisError>([&] { access.run(cell); }), "Data of wrong type");
        }
    }
}

TEST(GridTable, IndicesOutsideTheTableRaiseListErrors)
{
    TGridTable table;
    AddFloat(table, {"x"});
    auto& hidden = AddFloat(table, {"y"});
    hidden.SetVisible(false);
    table.SetRowCount(2);
    EXPECT_EQ(MessageOf<EListError>([&] { table.Cell(0, 5); }), "List index out of bounds (5)");
    EXPECT_EQ(MessageOf<EListError>([&] { table.Cell(2, 0); }), "List index out of bounds (2)");
    EXPECT_EQ(MessageOf<EListError>([&] { table.Column(-1); }), "List index out of bounds (-1)");
    EXPECT_EQ(MessageOf<EListError>([&] { table.Column(0).Data(2); }), "List index out of bounds (2)");
    EXPECT_EQ(MessageOf<EListError>([&] { table.VisibleColumn(1); }), "Index out of bounds");
    EXPECT_EQ(MessageOf<EListError>([&] { table.VisibleColumn(-1); }), "Index out of bounds");
    EXPECT_TRUE(table.IsValidCell(1, 1));
    EXPECT_FALSE(table.IsValidCell(1, 2));
    EXPECT_FALSE(table.IsValidCell(2, 0));
    EXPECT_FALSE(table.IsValidCell(0, -1));
}

TEST(GridTable, VisibleColumnsSkipHiddenOnesAndSetTheHeaderRows)
{
    TGridTable table;
    EXPECT_EQ(table.HeaderRowCount(), 0);
    auto& a = AddFloat(table, {"a"});
    auto& hidden = AddFloat(table, {"1", "2", "3", "4"});
    auto& c = AddFloat(table, {"c1", "", "c3"});
    hidden.SetVisible(false);
    EXPECT_EQ(table.VisibleColumnCount(), 2);
    EXPECT_EQ(&table.VisibleColumn(0), &a);
    EXPECT_EQ(&table.VisibleColumn(1), &c);
    EXPECT_EQ(table.VisibleIndexOf(&c), 1);
    EXPECT_EQ(table.VisibleIndexOf(&hidden), -1);
    EXPECT_EQ(table.HeaderRowCount(), 3);
    EXPECT_EQ(c.HeaderLine(1), "");
}

TEST(GridTable, CellTextsFollowTheColumnKind)
{
    TGridTable table;
    auto& f = AddFloat(table, {"x"});
    auto& i = static_cast<TIntColumn&>(table.AddColumn(std::make_unique<TIntColumn>(table)));
    AddEnum(table, {"a", "b", "c"});
    auto& s = static_cast<TStringColumn&>(table.AddColumn(std::make_unique<TStringColumn>(table)));
    table.AddColumn(std::make_unique<TTableColumn>(table));
    i.SetDefault(-12);
    s.SetDefault("none");
    table.SetRowCount(3);
    table.Cell(0, 0).SetFloat(2 * 3.14159265358979323846L);
    table.Cell(0, 1).SetFloat(1e-5L);
    table.Cell(0, 2).SetFloat(-12345678912.0L);
    table.Cell(2, 0).SetInteger(3);
    EXPECT_EQ(table.Cell(0, 0).GetText(), "6.2831853");
    EXPECT_EQ(table.Cell(0, 1).GetText(), "1E-5");
    EXPECT_EQ(table.Cell(0, 2).GetText(), "-1.2345679E10");
    EXPECT_EQ(table.Cell(1, 0).GetText(), "-12");
    EXPECT_EQ(table.Cell(2, 0).GetText(), "3");
    EXPECT_EQ(table.Cell(2, 1).GetText(), "1");
    EXPECT_EQ(table.Cell(3, 0).GetText(), "none");
    EXPECT_EQ(table.Cell(4, 0).GetText(), "");
    EXPECT_EQ(f.GetText(1), "1E-5");
}

TEST(GridTable, FloatHeadersShowTheUnitsOfTheCurrentSystem)
{
    TGridTable table;
    auto& depth = AddFloat(table, {"Layer", "depth"}, "L2");
    auto& ratio = AddFloat(table, {"Ratio"});
    EXPECT_EQ(depth.HeaderLine(0), "Layer");
    EXPECT_EQ(depth.HeaderLine(1), "depth (ft)  ");
    EXPECT_EQ(ratio.HeaderLine(0), "Ratio");
    table.SetUnitSystem(SI);
    EXPECT_EQ(depth.HeaderLine(1), "depth (m)  ");
    EXPECT_EQ(depth.Headers()[1], "depth");
}

TEST(GridTable, UnitSwitchConvertsFloatCellsThereAndBack)
{
    TGridTable table;
    auto& length = AddFloat(table, {"Depth"}, "L2");
    auto& plain = AddFloat(table, {"Ratio"});
    table.SetRowCount(2);
    length.SetFloat(0, 3.280839895L);
    length.SetFloat(1, 10.0L);
    plain.SetFloat(0, 0.25L);
    int layoutChanges = 0;
    std::vector<std::pair<int, int>> cellChanges;
    table.OnLayoutChange = [&] { ++layoutChanges; };
    table.OnCellChange = [&](int col, int row) { cellChanges.push_back({col, row}); };

    table.SetUnitSystem(SI);
    EXPECT_EQ(table.UnitSystem(), SI);
    EXPECT_NEAR_REL(length.GetFloat(0), 1.0L, 1e-15L);
    EXPECT_NEAR_REL(length.GetFloat(1), 10.0L / 3.280839895L, 1e-15L);
    EXPECT_EQ(plain.GetFloat(0), 0.25L);
    EXPECT_EQ(layoutChanges, 1);
    EXPECT_THAT(cellChanges, ElementsAre(std::pair{0, 0}, std::pair{0, 1}, std::pair{1, 0}, std::pair{1, 1}));

    table.SetUnitSystem(SI);
    EXPECT_NEAR_REL(length.GetFloat(0), 1.0L, 1e-15L);
    EXPECT_EQ(layoutChanges, 1);

    table.SetUnitSystem(English);
    EXPECT_NEAR_REL(length.GetFloat(0), 3.280839895L, 1e-15L);
    EXPECT_NEAR_REL(length.GetFloat(1), 10.0L, 1e-15L);
}

TEST(GridTable, UnitSwitchReachesSubTables)
{
    test::LoadingTables t(1);
    TGridTable& sub = *t.loading.Cell(1, 0).GetTable();
    auto& time = static_cast<TFloatColumn&>(sub.Column(0));
    time.SetColumnUnits("L2");
    time.SetFloat(0, 3.280839895L);
    t.loading.SetUnitSystem(SI);
    EXPECT_EQ(sub.UnitSystem(), SI);
    EXPECT_NEAR_REL(time.GetFloat(0), 1.0L, 1e-15L);
}

TEST(GridTable, UnreadableUnitsFailBeforeAnyColumnIsConverted)
{
    TGridTable table;
    auto& good = AddFloat(table, {"Depth"}, "L2");
    AddFloat(table, {"Bad"}, "L^x");
    table.SetRowCount(1);
    good.SetFloat(0, 5.0L);
    EXPECT_THROW(table.SetUnitSystem(SI), EConvertError);
    EXPECT_EQ(good.GetFloat(0), 5.0L);
    EXPECT_EQ(table.UnitSystem(), English);
}

TEST(GridTable, ModifiedFlagCoversSubTablesAndIsNotSetByCellWrites)
{
    test::LoadingTables t(2);
    t.loading.Cell(0, 1).SetInteger(2);
    t.loading.Cell(1, 0).GetTable()->Cell(0, 0).SetFloat(4);
    EXPECT_FALSE(t.loading.IsChanged());

    t.loading.SetChanged(true);
    EXPECT_TRUE(t.loading.IsChanged());
    t.loading.SetChanged(false);
    EXPECT_FALSE(t.loading.IsChanged());

    TGridTable& sub = *t.loading.Cell(1, 1).GetTable();
    sub.SetChanged(true);
    EXPECT_TRUE(t.loading.IsChanged());
    t.loading.ResetChanged();
    EXPECT_FALSE(sub.IsChanged());
    EXPECT_FALSE(t.loading.IsChanged());
}

TEST(GridTable, PreferredWidthIsTheWidestHeaderButAtLeastTheClassMinimum)
{
    const test::FakeCanvas canvas; // 7 px a character, 96 px an inch
    TGridTable table;
    auto& e = AddEnum(table, {"a"});
    auto& i = table.AddColumn(std::make_unique<TIntColumn>(table));
    auto& f = AddFloat(table, {"x"});
    auto& t = table.AddColumn(std::make_unique<TTableColumn>(table));
    auto& s = static_cast<TStringColumn&>(table.AddColumn(std::make_unique<TStringColumn>(table)));
    s.SetWidthInches(1.25L);
    EXPECT_EQ(e.PreferredWidth(canvas), 144);
    EXPECT_EQ(i.PreferredWidth(canvas), 48);
    EXPECT_EQ(f.PreferredWidth(canvas), 48);
    EXPECT_EQ(t.PreferredWidth(canvas), 192);
    EXPECT_EQ(s.PreferredWidth(canvas), 120);
    // "Shear wave velocity" + two spaces = 21 characters; with units the last line is longer.
    f.SetHeaders({"Shear wave velocity", "x"});
    EXPECT_EQ(f.PreferredWidth(canvas), 21 * 7);
    static_cast<TFloatColumn&>(f).SetColumnUnits("L2");
    f.SetHeaders({"velocity, "});
    EXPECT_EQ(f.PreferredWidth(canvas), static_cast<int>(std::string("velocity,  (ft)    ").size()) * 7);
}

TEST(GridTable, CloneCopiesTheDefinitionButNoCells)
{
    TGridTable source, target;
    source.SetRowCount(2);
    auto& f = AddFloat(source, {"Top", "depth"}, "L2", true);
    f.SetDefault(1.5L);
    f.SetVisible(false);
    f.SetGroupWide(true);
    auto& i = static_cast<TIntColumn&>(source.AddColumn(std::make_unique<TIntColumn>(source)));
    i.SetDefault(3);
    i.SetMinValue(1);
    i.SetMaxValue(9);
    auto& s = static_cast<TStringColumn&>(source.AddColumn(std::make_unique<TStringColumn>(source)));
    s.SetDefault("abc");
    s.SetWidthInches(2.5L);
    auto& e = AddEnum(source, {"p", "q"});

    auto fc = f.Clone(target);
    auto& fcopy = static_cast<TFloatColumn&>(*fc);
    EXPECT_EQ(&fcopy.Table(), &target);
    EXPECT_EQ(fcopy.TypeKey(), 2);
    EXPECT_EQ(fcopy.RowCount(), 0);
    EXPECT_THAT(fcopy.Headers(), ElementsAre("Top", "depth"));
    EXPECT_FALSE(fcopy.Visible());
    EXPECT_TRUE(fcopy.GroupWide());
    EXPECT_TRUE(fcopy.TopDepth());
    EXPECT_EQ(fcopy.ColumnUnits(), "L2");
    EXPECT_EQ(fcopy.Default(), 1.5L);

    auto ic = i.Clone(target);
    auto& icopy = static_cast<TIntColumn&>(*ic);
    EXPECT_EQ(icopy.TypeKey(), 1);
    EXPECT_EQ(icopy.Default(), 3);
    EXPECT_EQ(icopy.MinValue(), 1);
    EXPECT_EQ(icopy.MaxValue(), 9);
    auto sc = s.Clone(target);
    auto& scopy = static_cast<TStringColumn&>(*sc);
    EXPECT_EQ(scopy.TypeKey(), 4);
    EXPECT_EQ(scopy.Default(), "abc");
    EXPECT_EQ(scopy.WidthInches(), 2.5L);
    auto ec = e.Clone(target);
    EXPECT_EQ(ec->TypeKey(), 0);
    EXPECT_THAT(static_cast<TEnumColumn&>(*ec).Items(), ElementsAre("p", "q"));
}

TEST(GridTableList, ResolvesEntriesAtEachAccess)
{
    TGridTable a;
    TGridTableList list;
    const int later = NextIdentifier() + 1000;
    list.AddTable(&a);
    list.AddIdentifier(later);
    list.AddIndex(-1);
    list.AddTable(nullptr);
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Table(0), &a);
    EXPECT_EQ(list.Table(1), nullptr);
    EXPECT_EQ(list.ResolveIndex(2), -1);
    EXPECT_EQ(list.Table(3), nullptr);
    EXPECT_EQ(list.Table(4), nullptr);
    EXPECT_EQ(list.ResolveIndex(-1), -1);

    TGridTable b;
    b.SetIdentifier(later); // the template appears after the entry naming it
    EXPECT_EQ(list.Table(1), &b);
    EXPECT_TRUE(list.Item(1).IsIdentifier);

    list.InsertIndex(0, RegistryIndexOf(&b));
    list.InsertIdentifier(5, later);
    list.InsertTable(1, &b);
    EXPECT_EQ(list.Count(), 7);
    EXPECT_EQ(list.Table(0), &b);
    EXPECT_EQ(list.Table(1), &b);
    EXPECT_EQ(list.Table(2), &a);
    EXPECT_EQ(list.Table(6), &b);
    list.Delete(0);
    EXPECT_EQ(list.Table(0), &b);
    EXPECT_EQ(list.Count(), 6);
    EXPECT_EQ(MessageOf<EListError>([&] { list.Delete(6); }), "List index out of bounds (6)");
    EXPECT_EQ(MessageOf<EListError>([&] { list.InsertIndex(8, 0); }), "List index out of bounds (8)");
    EXPECT_EQ(MessageOf<EListError>([&] { list.Item(-1); }), "List index out of bounds (-1)");
}

} // namespace
} // namespace quavis
