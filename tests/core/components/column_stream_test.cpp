#include "components/column_stream.h"
#include "components/grid_table.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <string>
#include <vector>

namespace quavis {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;
using Bytes = std::vector<std::uint8_t>;

// Builds expected streams from literal pieces: raw bytes and short strings (tag 6, length, characters).
struct Expect {
    Bytes bytes;
    Expect& Raw(std::initializer_list<int> values)
    {
        for (int v : values)
            bytes.push_back(static_cast<std::uint8_t>(v));
        return *this;
    }
    Expect& Str(const std::string& text)
    {
        Raw({6, static_cast<int>(text.size())});
        bytes.insert(bytes.end(), text.begin(), text.end());
        return *this;
    }
};

std::string AsString(const Bytes& bytes)
{
    return std::string(bytes.begin(), bytes.end());
}

std::string ReadError(TGridTable& table, const Bytes& bytes)
{
    try {
        ReadColumnsFromBytes(table, AsString(bytes));
    } catch (const EColumnStreamError& e) {
        return e.what();
    }
    return "no error";
}

const std::vector<std::string> kLoadTypes{"Force in X-direction", "Force in Y-direction", "Force in Z-direction",
                                          "Moment about X-axis",  "Moment about Y-axis",  "Moment about Z-axis"};

TEST(ColumnStream, SoilTableFloatColumnBytes)
{
    TGridTable table;
    auto column = std::make_unique<TFloatColumn>(table);
    column->SetHeaders({"Shear wave", "velocity, "});
    column->SetColumnUnits("L2/SEC");
    table.AddColumn(std::move(column));

    const Bytes expected = Expect{}
                               .Raw({2, 1, 2, 2, 1})
                               .Str("Shear wave")
                               .Str("velocity, ")
                               .Raw({0, 9, 8, 8})
                               .Str("FLOATCOLUMN2")
                               .Str("L2/SEC")
                               .Raw({5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})
                               .bytes;
    EXPECT_EQ(WriteColumnsToBytes(table), expected);

    TGridTable back;
    ReadColumnsFromBytes(back, AsString(expected));
    ASSERT_EQ(back.ColumnCount(), 1);
    const auto& read = dynamic_cast<const TFloatColumn&>(back.Column(0));
    EXPECT_THAT(read.Headers(), ElementsAre("Shear wave", "velocity, "));
    EXPECT_TRUE(read.Visible());
    EXPECT_FALSE(read.GroupWide());
    EXPECT_FALSE(read.TopDepth());
    EXPECT_EQ(read.ColumnUnits(), "L2/SEC");
    EXPECT_EQ(read.Default(), 0.0L);
}

TEST(ColumnStream, TransientLoadingTableBytesAndTemplates)
{
    TGridTable amplitude;
    amplitude.SetIdentifier(8);
    TGridTable table;
    auto loadType = std::make_unique<TEnumColumn>(table);
    loadType->SetHeaders({"Load type"});
    loadType->SetItems(kLoadTypes);
    table.AddColumn(std::move(loadType));
    auto amplitudes = std::make_unique<TTableColumn>(table);
    amplitudes->SetHeaders({"Load amplitude"});
    table.AddColumn(std::move(amplitudes));
    auto& templates = dynamic_cast<TTableColumn&>(table.Column(1)).Templates();
    templates.Clear();
    for (int i = 0; i < 6; ++i)
        templates.AddTable(&amplitude);

    Expect expected;
    expected.Raw({2, 2, 2, 0, 1}).Str("Load type").Raw({0, 9, 8, 1});
    for (const auto& item : kLoadTypes)
        expected.Str(item);
    expected.Raw({0, 2, 3, 1}).Str("Load amplitude").Raw({0, 9, 8}).Str("FLEXCOLUMN2");
    expected.Raw({1, 2, 8, 2, 8, 2, 8, 2, 8, 2, 8, 2, 8, 0});
    EXPECT_EQ(WriteColumnsToBytes(table), expected.bytes);

    TGridTable back;
    ReadColumnsFromBytes(back, AsString(expected.bytes));
    ASSERT_EQ(back.ColumnCount(), 2);
    EXPECT_EQ(dynamic_cast<const TEnumColumn&>(back.Column(0)).Items(), kLoadTypes);
    const auto& read = dynamic_cast<const TTableColumn&>(back.Column(1)).Templates();
    ASSERT_EQ(read.Count(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(read.Item(i).IsIdentifier);
        EXPECT_EQ(read.Item(i).Value, 8);
        EXPECT_EQ(read.Table(i), &amplitude);
    }
}

// A table with every column kind and values away from the defaults.
void FillEveryKind(TGridTable& table)
{
    auto kind = std::make_unique<TEnumColumn>(table);
    kind->SetHeaders({"Kind", ""});
    kind->SetItems({"first", "", std::string(300, 'i')});
    table.AddColumn(std::move(kind));

    auto count = std::make_unique<TIntColumn>(table);
    count->SetHeaders({});
    count->SetVisible(false);
    count->SetGroupWide(true);
    count->SetDefault(-200);
    count->SetMinValue(std::numeric_limits<std::int32_t>::min());
    count->SetMaxValue(70000);
    table.AddColumn(std::move(count));

    auto top = std::make_unique<TFloatColumn>(table);
    top->SetHeaders({"Top", std::string(256, 'h')});
    top->SetTopDepth(true);
    top->SetColumnUnits("L2");
    top->SetDefault(0.1L);
    table.AddColumn(std::move(top));

    auto bottom = std::make_unique<TFloatColumn>(table);
    bottom->SetHeaders({"Bottom"});
    bottom->SetDefault(-std::numeric_limits<long double>::denorm_min());
    table.AddColumn(std::move(bottom));

    auto sub = std::make_unique<TTableColumn>(table);
    sub->SetHeaders({"Amplitude"});
    table.AddColumn(std::move(sub));

    auto name = std::make_unique<TStringColumn>(table);
    name->SetHeaders({"Name"});
    name->SetDefault("none");
    name->SetWidthInches(2.75L);
    table.AddColumn(std::move(name));
}

void ExpectSameDefinition(const TColumn& a, const TColumn& b)
{
    ASSERT_EQ(typeid(a), typeid(b));
    EXPECT_EQ(a.Headers(), b.Headers());
    EXPECT_EQ(a.Visible(), b.Visible());
    EXPECT_EQ(a.GroupWide(), b.GroupWide());
    if (const auto* e = dynamic_cast<const TEnumColumn*>(&a)) {
        EXPECT_EQ(e->Items(), dynamic_cast<const TEnumColumn&>(b).Items());
    } else if (const auto* i = dynamic_cast<const TIntColumn*>(&a)) {
        const auto& j = dynamic_cast<const TIntColumn&>(b);
        EXPECT_EQ(i->Default(), j.Default());
        EXPECT_EQ(i->MinValue(), j.MinValue());
        EXPECT_EQ(i->MaxValue(), j.MaxValue());
    } else if (const auto* f = dynamic_cast<const TFloatColumn*>(&a)) {
        const auto& g = dynamic_cast<const TFloatColumn&>(b);
        EXPECT_EQ(f->TopDepth(), g.TopDepth());
        EXPECT_EQ(f->ColumnUnits(), g.ColumnUnits());
        EXPECT_EQ(f->Default(), g.Default());
        EXPECT_EQ(std::signbit(f->Default()), std::signbit(g.Default()));
    } else if (const auto* t = dynamic_cast<const TTableColumn*>(&a)) {
        const auto& u = dynamic_cast<const TTableColumn&>(b);
        ASSERT_EQ(t->Templates().Count(), u.Templates().Count());
        for (int k = 0; k < t->Templates().Count(); ++k)
            EXPECT_EQ(t->Templates().Table(k), u.Templates().Table(k)) << "template " << k;
    } else {
        const auto& s = dynamic_cast<const TStringColumn&>(a);
        const auto& r = dynamic_cast<const TStringColumn&>(b);
        EXPECT_EQ(s.Default(), r.Default());
        EXPECT_EQ(s.WidthInches(), r.WidthInches());
    }
}

TEST(ColumnStream, EveryColumnKindRoundTrips)
{
    TGridTable templateA, templateB;
    TGridTable table;
    FillEveryKind(table);
    auto& templates = dynamic_cast<TTableColumn&>(table.Column(4)).Templates();
    templates.Clear();
    templates.AddTable(&templateB);
    templates.AddIdentifier(templateA.Identifier());
    templates.AddTable(nullptr);

    const Bytes bytes = WriteColumnsToBytes(table);
    TGridTable back;
    int layoutChanges = 0;
    back.OnLayoutChange = [&] { ++layoutChanges; };
    ReadColumnsFromBytes(back, AsString(bytes));
    EXPECT_EQ(layoutChanges, 1);
    ASSERT_EQ(back.ColumnCount(), table.ColumnCount());
    for (int i = 0; i < table.ColumnCount(); ++i) {
        SCOPED_TRACE(i);
        ExpectSameDefinition(table.Column(i), back.Column(i));
    }
    EXPECT_EQ(WriteColumnsToBytes(back), bytes);
}

TEST(ColumnStream, ReadColumnsAppendsAfterExistingColumnsAndSizesTemplates)
{
    TGridTable a, b, c;
    TGridTable source;
    source.AddColumn(std::make_unique<TTableColumn>(source));
    auto& templates = dynamic_cast<TTableColumn&>(source.Column(0)).Templates();
    templates.Clear();
    for (const TGridTable* t : {&a, &b, &c})
        templates.AddTable(t);
    const Bytes bytes = WriteColumnsToBytes(source); // three template entries, more than a table keeps

    // Into a table whose first column is a pick list of two items: two entries remain.
    TGridTable table;
    table.SetRowCount(0);
    auto kind = std::make_unique<TEnumColumn>(table);
    kind->SetItems({"a", "b"});
    table.AddColumn(std::move(kind));
    ReadColumnsFromBytes(table, AsString(bytes));
    ASSERT_EQ(table.ColumnCount(), 2);
    EXPECT_NE(dynamic_cast<const TEnumColumn*>(&table.Column(0)), nullptr);
    const auto& two = dynamic_cast<const TTableColumn&>(table.Column(1)).Templates();
    ASSERT_EQ(two.Count(), 2);
    EXPECT_EQ(two.Table(0), &a);
    EXPECT_EQ(two.Table(1), &b);

    // As a first column: one entry.
    TGridTable alone;
    ReadColumnsFromBytes(alone, AsString(bytes));
    const auto& kept = dynamic_cast<const TTableColumn&>(alone.Column(0)).Templates();
    ASSERT_EQ(kept.Count(), 1);
    EXPECT_EQ(kept.Table(0), &a);
}

TEST(ColumnStream, ReadColumnsIntoATableWithRowsGivesTheNewColumnsDefaultCells)
{
    TGridTable source;
    FillEveryKind(source);
    TGridTable table;
    auto existing = std::make_unique<TFloatColumn>(table);
    table.AddColumn(std::move(existing));
    table.SetRowCount(3);
    ReadColumnsFromBytes(table, AsString(WriteColumnsToBytes(source)));
    ASSERT_EQ(table.ColumnCount(), 7);
    for (int c = 0; c < table.ColumnCount(); ++c)
        EXPECT_EQ(table.Column(c).RowCount(), 3) << "column " << c;
    EXPECT_EQ(table.Cell(2, 1).GetInteger(), -200);
    EXPECT_EQ(table.Cell(6, 2).GetText(), "none");
}

TEST(ColumnStream, TemplateThatNoLongerExistsIsWrittenAsMinusOne)
{
    auto gone = std::make_unique<TGridTable>();
    TGridTable table;
    table.AddColumn(std::make_unique<TTableColumn>(table));
    auto& templates = dynamic_cast<TTableColumn&>(table.Column(0)).Templates();
    templates.Clear();
    templates.AddIdentifier(gone->Identifier());
    gone.reset();

    const Bytes bytes = WriteColumnsToBytes(table);
    const Bytes tail{6, 11, 'F', 'L', 'E', 'X', 'C', 'O', 'L', 'U', 'M', 'N', '2', 1, 2, 0xFF, 0};
    ASSERT_GE(bytes.size(), tail.size());
    EXPECT_EQ(Bytes(bytes.end() - static_cast<std::ptrdiff_t>(tail.size()), bytes.end()), tail);

    TGridTable back;
    ReadColumnsFromBytes(back, AsString(bytes));
    const auto& read = dynamic_cast<const TTableColumn&>(back.Column(0)).Templates();
    ASSERT_EQ(read.Count(), 1);
    EXPECT_EQ(read.ResolveIndex(0), -1);
    EXPECT_EQ(read.Table(0), nullptr);
}

TEST(ColumnStream, OlderFloatColumnHasTheStringAsUnitsAndNoDefault)
{
    const Bytes bytes = Expect{}.Raw({2, 1, 2, 2, 1}).Str("Depth").Raw({0, 9, 8, 9}).Str("L2").bytes;
    TGridTable table;
    ReadColumnsFromBytes(table, AsString(bytes));
    const auto& column = dynamic_cast<const TFloatColumn&>(table.Column(0));
    EXPECT_TRUE(column.TopDepth());
    EXPECT_EQ(column.ColumnUnits(), "L2");
    EXPECT_EQ(column.Default(), 0.0L);
}

// An older table column after the given first column: a string that is not the mark, then v = 7.
TEST(ColumnStream, OlderTableColumnBuildsItsTemplatesFromOneReference)
{
    struct Case {
        const char* name;
        bool pickListFirst;
        bool hardwired;
        bool withString;
        std::vector<std::pair<bool, int>> entries; // (IsIdentifier, Value)
    };
    const Case cases[] = {
        {"no columns yet", false, false, true, {{false, 7}}},
        {"no columns yet, no string", false, false, false, {{false, 7}}},
        {"pick list, hardwired", true, true, true, {{false, 7}, {false, 7}, {false, 7}}},
        {"pick list, not hardwired", true, false, true, {{true, 1}, {true, 2}, {true, 3}}},
        {"pick list, no string", true, false, false, {{true, 1}, {true, 2}, {true, 3}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TGridTable table;
        table.SetHardwiredButton(c.hardwired);
        if (c.pickListFirst) {
            auto kind = std::make_unique<TEnumColumn>(table);
            kind->SetItems({"x", "y", "z"});
            table.AddColumn(std::move(kind));
        }
        Expect stream;
        stream.Raw({2, 1, 2, 3, 1}).Str("Old").Raw({0, 9, 8});
        if (c.withString)
            stream.Str("FLEXCOLUMN");
        stream.Raw({2, 7});
        ReadColumnsFromBytes(table, AsString(stream.bytes));
        const auto& templates = dynamic_cast<const TTableColumn&>(table.Column(table.ColumnCount() - 1)).Templates();
        ASSERT_EQ(templates.Count(), static_cast<int>(c.entries.size()));
        for (int i = 0; i < templates.Count(); ++i) {
            EXPECT_EQ(templates.Item(i).IsIdentifier, c.entries[static_cast<std::size_t>(i)].first) << i;
            EXPECT_EQ(templates.Item(i).Value, c.entries[static_cast<std::size_t>(i)].second) << i;
        }
    }

    // After a first column that is not a pick list: one registry-index entry.
    TGridTable table;
    table.AddColumn(std::make_unique<TFloatColumn>(table));
    ReadColumnsFromBytes(table, AsString(Expect{}.Raw({2, 1, 2, 3, 1, 0, 9, 8}).Str("").Raw({2, 7}).bytes));
    const auto& templates = dynamic_cast<const TTableColumn&>(table.Column(1)).Templates();
    ASSERT_EQ(templates.Count(), 1);
    EXPECT_FALSE(templates.Item(0).IsIdentifier);
    EXPECT_EQ(templates.Item(0).Value, 7);
}

Bytes IntColumnBytes(int count)
{
    Expect e;
    e.Raw({2, count});
    for (int i = 0; i < count; ++i)
        e.Raw({2, 1, 1, 0, 9, 8, 2, 0, 2, 0, 2, 9});
    return e.bytes;
}

TEST(ColumnStream, ReadErrorsCarryTheirMessages)
{
    Bytes unknownSecond = IntColumnBytes(1);
    unknownSecond[1] = 2;
    unknownSecond.insert(unknownSecond.end(), {2, 5, 1, 0, 9, 8});
    Bytes tooManyItems = Expect{}.Raw({2, 1, 2, 0, 1, 0, 9, 8, 1}).bytes;
    for (int i = 0; i < kMaxStreamItems + 1; ++i)
        tooManyItems.insert(tooManyItems.end(), {6, 0});
    tooManyItems.push_back(0);

    struct Case {
        const char* name;
        Bytes bytes;
        const char* message;
        int columnsKept;
    };
    const Case cases[] = {
        {"empty", {}, "Error reading column count", 0},
        {"count is a string", {6, 0}, "Error reading column count", 0},
        {"negative count", {2, 0xFF}, "Error reading column count", 0},
        {"absurd count", {4, 0xFF, 0xFF, 0xFF, 0x7F}, "Error reading column count", 0},
        {"key 5 after one column", unknownSecond,
         "Error occured when creating column 1: Error Column Class not defined", 1},
        {"key -1", {2, 1, 2, 0xFF}, "Error occured when creating column 0: Error Column Class not defined", 0},
        {"key missing", {2, 1}, "Error occured when creating column 0: Stream read error", 0},
        {"integer where Visible belongs", {2, 1, 2, 1, 1, 0, 2, 1},
         "Error occured when creating column 0: Invalid property value: boolean expected at byte 6, found value tag 2",
         0},
        {"headers not a list", {2, 1, 2, 4, 6, 0}, "Error occured when creating column 0: Invalid property value: list",
         0},
        {"too many items", tooManyItems, "Error occured when creating column 0: Too many pick-list items", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TGridTable table;
        int layoutChanges = 0;
        table.OnLayoutChange = [&] { ++layoutChanges; };
        EXPECT_THAT(ReadError(table, c.bytes), StartsWith(c.message));
        EXPECT_EQ(table.ColumnCount(), c.columnsKept);
        EXPECT_EQ(layoutChanges, c.columnsKept > 0 ? 1 : 0);
    }
}

TEST(ColumnStream, EveryTruncationFailsCleanlyAndKeepsTheCompleteColumns)
{
    TGridTable source;
    FillEveryKind(source);
    const Bytes bytes = WriteColumnsToBytes(source);
    // Where each column's bytes end, to know how many a prefix holds whole.
    std::vector<std::size_t> ends;
    for (int n = 1; n <= source.ColumnCount(); ++n) {
        TGridTable partial;
        for (int i = 0; i < n; ++i)
            partial.AddColumn(source.Column(i).Clone(partial));
        ends.push_back(WriteColumnsToBytes(partial).size());
    }
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        SCOPED_TRACE(length);
        TGridTable table;
        const std::string message = ReadError(table, Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length)));
        int whole = 0;
        while (whole < static_cast<int>(ends.size()) && ends[static_cast<std::size_t>(whole)] <= length)
            ++whole;
        if (length < 2) { // the count is a tag and one byte
            EXPECT_EQ(message, "Error reading column count");
        } else {
            EXPECT_THAT(message, StartsWith("Error occured when creating column " + std::to_string(whole) + ": "));
            EXPECT_THAT(message, HasSubstr("Stream read error"));
        }
        EXPECT_EQ(table.ColumnCount(), whole);
    }
}

class TUnregisteredColumn : public TStringColumn {
public:
    using TStringColumn::TStringColumn;
};

TEST(ColumnStream, WritingAColumnOfAnUnregisteredClassFails)
{
    TGridTable table;
    table.AddColumn(std::make_unique<TIntColumn>(table));
    table.AddColumn(std::make_unique<TUnregisteredColumn>(table));
    try {
        WriteColumnsToBytes(table);
        ADD_FAILURE() << "no error raised";
    } catch (const EColumnStreamError& e) {
        EXPECT_STREQ(e.what(), "Error occured when writing column 1: Error Column Class not defined");
    }
}

TEST(ColumnTypeRegistry, KeysOfTheFiveClasses)
{
    TGridTable table;
    const TEnumColumn e(table);
    const TIntColumn i(table);
    const TFloatColumn f(table);
    const TTableColumn t(table);
    const TStringColumn s(table);
    const TColumn* columns[] = {&e, &i, &f, &t, &s};
    for (int key = 0; key < 5; ++key) {
        SCOPED_TRACE(key);
        EXPECT_EQ(ColumnTypeKey(*columns[key]), key);
        EXPECT_EQ(columns[key]->TypeKey(), key);
        const TColumnClass* columnClass = ColumnTypeClass(key);
        ASSERT_NE(columnClass, nullptr);
        EXPECT_EQ(columnClass->Type, std::type_index(typeid(*columns[key])));
        EXPECT_EQ(ColumnTypeKey(*columnClass), key);
    }
    EXPECT_STREQ(ColumnTypeClass(2)->Name, "TFloatColumn");
    EXPECT_EQ(ColumnTypeClass(5), nullptr);
    EXPECT_EQ(ColumnTypeClass(-1), nullptr);
    EXPECT_EQ(ColumnTypeKey(TUnregisteredColumn(table)), -1);
}

TEST(ColumnTypeRegistry, ShutdownUnregistersEveryEntryOfTheFiveAndReportsLeftovers)
{
    static const TColumnClass extra{"TExtraColumn", typeid(TUnregisteredColumn), nullptr, nullptr};
    TColumnTypeRegistry registry;
    registry.RegisterStandardTypes();
    registry.Register(*StandardColumnClasses()[2], 7); // a class under a second key
    EXPECT_EQ(registry.ClassOf(7), StandardColumnClasses()[2]);
    EXPECT_EQ(registry.KeyOf(*StandardColumnClasses()[2]), 2);
    registry.Register(extra, 9);
    try {
        registry.UnregisterStandardTypes();
        ADD_FAILURE() << "no error raised";
    } catch (const EQuavisError& e) {
        EXPECT_STREQ(e.what(), "Column Type list not empty");
    }
    ASSERT_EQ(registry.Count(), 1);
    EXPECT_EQ(registry.Entry(0).ColumnClass, &extra);
    registry.Unregister(extra);
    EXPECT_EQ(registry.Count(), 0);
    EXPECT_NO_THROW(registry.UnregisterStandardTypes());
}

} // namespace
} // namespace quavis
