#include "components/column_stream.h"

#include "components/grid_column.h"
#include "components/grid_table.h"

#include <string>
#include <typeinfo>

namespace quavis {
namespace {

const char* const kFloatColumnMark = "FLOATCOLUMN2";
const char* const kTableColumnMark = "FLEXCOLUMN2";

bool IsStringTag(TValueType tag)
{
    return tag == TValueType::vaString || tag == TValueType::vaLString;
}

std::vector<std::string> ReadStringList(TColumnStreamReader& reader, const char* what)
{
    std::vector<std::string> list;
    reader.ReadListBegin();
    while (!reader.EndOfList()) {
        if (static_cast<int>(list.size()) >= kMaxStreamItems)
            throw EColumnStreamError(std::string("Too many ") + what + " (more than " +
                                     std::to_string(kMaxStreamItems) + ")");
        list.push_back(reader.ReadString());
    }
    reader.ReadListEnd();
    return list;
}

void WriteStringList(const std::vector<std::string>& list, TColumnStreamWriter& writer)
{
    writer.WriteListBegin();
    for (const auto& line : list)
        writer.WriteString(line);
    writer.WriteListEnd();
}

void ReadCommon(TColumn& column, TColumnStreamReader& reader)
{
    column.SetHeaders(ReadStringList(reader, "header lines"));
    column.SetVisible(reader.ReadBoolean());
    column.SetGroupWide(reader.ReadBoolean());
}

void WriteCommon(const TColumn& column, TColumnStreamWriter& writer)
{
    WriteStringList(column.Headers(), writer);
    writer.WriteBoolean(column.Visible());
    writer.WriteBoolean(column.GroupWide());
}

template <class T>
const T& As(const TColumn& column)
{
    return dynamic_cast<const T&>(column);
}

// Key 0 --------------------------------------------------------------------------------------------

std::unique_ptr<TColumn> CreateEnumFromStream(TGridTable& table, TColumnStreamReader& reader)
{
    auto column = std::make_unique<TEnumColumn>(table);
    ReadCommon(*column, reader);
    column->SetItems(ReadStringList(reader, "pick-list items"));
    return column;
}

void WriteEnumDefinition(const TColumn& column, TColumnStreamWriter& writer)
{
    WriteCommon(column, writer);
    WriteStringList(As<TEnumColumn>(column).Items(), writer);
}

// Key 1 --------------------------------------------------------------------------------------------

std::unique_ptr<TColumn> CreateIntFromStream(TGridTable& table, TColumnStreamReader& reader)
{
    auto column = std::make_unique<TIntColumn>(table);
    ReadCommon(*column, reader);
    column->SetDefault(reader.ReadInteger());
    column->SetMinValue(reader.ReadInteger());
    column->SetMaxValue(reader.ReadInteger());
    return column;
}

void WriteIntDefinition(const TColumn& column, TColumnStreamWriter& writer)
{
    WriteCommon(column, writer);
    const auto& intColumn = As<TIntColumn>(column);
    writer.WriteInteger(intColumn.Default());
    writer.WriteInteger(intColumn.MinValue());
    writer.WriteInteger(intColumn.MaxValue());
}

// Key 2 --------------------------------------------------------------------------------------------

std::unique_ptr<TColumn> CreateFloatFromStream(TGridTable& table, TColumnStreamReader& reader)
{
    auto column = std::make_unique<TFloatColumn>(table);
    ReadCommon(*column, reader);
    column->SetTopDepth(reader.ReadBoolean());
    std::string text = reader.ReadString();
    if (text == kFloatColumnMark) {
        column->SetColumnUnits(reader.ReadString());
        column->SetDefault(reader.ReadFloat());
    } else {
        // The older form: the units follow TopDepth directly and there is no Default.
        column->SetColumnUnits(std::move(text));
    }
    return column;
}

void WriteFloatDefinition(const TColumn& column, TColumnStreamWriter& writer)
{
    WriteCommon(column, writer);
    const auto& floatColumn = As<TFloatColumn>(column);
    writer.WriteBoolean(floatColumn.TopDepth());
    writer.WriteString(kFloatColumnMark);
    writer.WriteString(floatColumn.ColumnUnits());
    writer.WriteFloat(floatColumn.Default());
}

// Key 3 --------------------------------------------------------------------------------------------

// The older form held one template reference for the whole column.
void BuildOlderTemplates(TGridTable& table, TGridTableList& templates, int v)
{
    const TEnumColumn* first = table.ColumnCount() > 0 ? dynamic_cast<const TEnumColumn*>(&table.Column(0)) : nullptr;
    if (!first) {
        templates.AddIndex(v);
        return;
    }
    const int k = static_cast<int>(first->Items().size());
    for (int i = 1; i <= k; ++i) {
        if (table.HardwiredButton())
            templates.AddIndex(v);
        else
            templates.AddIdentifier(i);
    }
}

std::unique_ptr<TColumn> CreateTableFromStream(TGridTable& table, TColumnStreamReader& reader)
{
    auto column = std::make_unique<TTableColumn>(table);
    ReadCommon(*column, reader);
    // The mark is looked for only when a string comes next, so that an older stream holding just the
    // integer reads as well.
    std::string mark;
    if (IsStringTag(reader.NextValue()))
        mark = reader.ReadString();
    TGridTableList& templates = column->Templates();
    if (mark == kTableColumnMark) {
        reader.ReadListBegin();
        while (!reader.EndOfList()) {
            if (templates.Count() >= kMaxStreamItems)
                throw EColumnStreamError("Too many templates (more than " + std::to_string(kMaxStreamItems) + ")");
            templates.AddIdentifier(reader.ReadInteger());
        }
        reader.ReadListEnd();
    } else {
        BuildOlderTemplates(table, templates, reader.ReadInteger());
    }
    return column;
}

void WriteTableDefinition(const TColumn& column, TColumnStreamWriter& writer)
{
    WriteCommon(column, writer);
    const TGridTableList& templates = As<TTableColumn>(column).Templates();
    writer.WriteString(kTableColumnMark);
    writer.WriteListBegin();
    for (int i = 0; i < templates.Count(); ++i) {
        const TGridTable* templ = templates.Table(i);
        writer.WriteInteger(templ ? templ->Identifier() : -1);
    }
    writer.WriteListEnd();
}

// Key 4 --------------------------------------------------------------------------------------------

std::unique_ptr<TColumn> CreateStringFromStream(TGridTable& table, TColumnStreamReader& reader)
{
    auto column = std::make_unique<TStringColumn>(table);
    ReadCommon(*column, reader);
    column->SetDefault(reader.ReadString());
    column->SetWidthInches(reader.ReadFloat());
    return column;
}

void WriteStringDefinition(const TColumn& column, TColumnStreamWriter& writer)
{
    WriteCommon(column, writer);
    const auto& stringColumn = As<TStringColumn>(column);
    writer.WriteString(stringColumn.Default());
    writer.WriteFloat(stringColumn.WidthInches());
}

const TColumnClass kEnumColumnClass{"TEnumColumn", typeid(TEnumColumn), CreateEnumFromStream, WriteEnumDefinition};
const TColumnClass kIntColumnClass{"TIntColumn", typeid(TIntColumn), CreateIntFromStream, WriteIntDefinition};
const TColumnClass kFloatColumnClass{"TFloatColumn", typeid(TFloatColumn), CreateFloatFromStream,
                                     WriteFloatDefinition};
const TColumnClass kTableColumnClass{"TTableColumn", typeid(TTableColumn), CreateTableFromStream,
                                     WriteTableDefinition};
const TColumnClass kStringColumnClass{"TStringColumn", typeid(TStringColumn), CreateStringFromStream,
                                      WriteStringDefinition};

} // namespace

const std::vector<const TColumnClass*>& StandardColumnClasses()
{
    static const std::vector<const TColumnClass*> classes{&kEnumColumnClass, &kIntColumnClass, &kFloatColumnClass,
                                                          &kTableColumnClass, &kStringColumnClass};
    return classes;
}

void WriteDefinition(const TColumn& column, TColumnStreamWriter& writer)
{
    const TColumnTypeStorage* entry = ColumnTypeRegistry().Find(column);
    if (!entry)
        throw EColumnStreamError("Error Column Class not defined");
    entry->ColumnClass->WriteDefinition(column, writer);
}

void WriteColumns(const TGridTable& table, TColumnStreamWriter& writer)
{
    writer.WriteInteger(table.ColumnCount());
    for (int i = 0; i < table.ColumnCount(); ++i) {
        const TColumn& column = table.Column(i);
        const TColumnTypeStorage* entry = ColumnTypeRegistry().Find(column);
        if (!entry)
            throw EColumnStreamError("Error occured when writing column " + std::to_string(i) +
                                     ": Error Column Class not defined");
        writer.WriteInteger(entry->Key);
        entry->ColumnClass->WriteDefinition(column, writer);
    }
}

void ReadColumns(TGridTable& table, TColumnStreamReader& reader)
{
    std::int32_t count = 0;
    try {
        count = reader.ReadInteger();
    } catch (const std::exception&) {
        throw EColumnStreamError("Error reading column count");
    }
    if (count < 0 || count > kMaxStreamColumns)
        throw EColumnStreamError("Error reading column count");

    const int before = table.ColumnCount();
    try {
        for (int i = 0; i < count; ++i) {
            try {
                const TColumnClass* columnClass = ColumnTypeClass(reader.ReadInteger());
                if (!columnClass)
                    throw EColumnStreamError("Error Column Class not defined");
                table.AddColumn(columnClass->CreateFromStream(table, reader));
            } catch (const std::exception& e) {
                throw EColumnStreamError("Error occured when creating column " + std::to_string(i) + ": " + e.what());
            }
            table.SyncTableColumns();
        }
    } catch (...) {
        if (table.ColumnCount() != before)
            table.LayoutChanged();
        throw;
    }
    table.LayoutChanged();
}

std::vector<std::uint8_t> WriteColumnsToBytes(const TGridTable& table)
{
    TColumnStreamWriter writer;
    WriteColumns(table, writer);
    return writer.Bytes();
}

void ReadColumnsFromBytes(TGridTable& table, std::string_view bytes)
{
    TColumnStreamReader reader(bytes);
    ReadColumns(table, reader);
}

} // namespace quavis
