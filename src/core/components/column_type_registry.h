#pragma once

#include <memory>
#include <typeindex>
#include <vector>

namespace quavis {

class TColumn;
class TGridTable;
class TColumnStreamReader;
class TColumnStreamWriter;

// A column class as the column stream sees it: its identity, and its two stream operations.
struct TColumnClass {
    const char* Name;
    std::type_index Type;
    // Virtual constructor: a new column of this class for table, its definition read from the stream
    // (the key has been read already).
    std::unique_ptr<TColumn> (*CreateFromStream)(TGridTable& table, TColumnStreamReader& reader);
    // Writes the column's definition after its key: the common fields, then the class's own.
    void (*WriteDefinition)(const TColumn& column, TColumnStreamWriter& writer);
};

struct TColumnTypeStorage {
    const TColumnClass* ColumnClass;
    int Key;
};

// The mapping between column classes and the integer keys of the column stream.
class TColumnTypeRegistry {
public:
    void Register(const TColumnClass& columnClass, int key);
    // Removes every entry of the class, scanning from the end.
    void Unregister(const TColumnClass& columnClass);
    // The key of the first entry of the class; -1 when it is not registered.
    int KeyOf(const TColumnClass& columnClass) const;
    // The key of a column's own (most derived) class; -1 when that class is not registered.
    int KeyOf(const TColumn& column) const;
    // The first entry of a column's own class; none when that class is not registered.
    const TColumnTypeStorage* Find(const TColumn& column) const;
    // The class of the first entry with the key; none when no entry has it.
    const TColumnClass* ClassOf(int key) const;
    int Count() const { return static_cast<int>(m_entries.size()); }
    const TColumnTypeStorage& Entry(int i) const; // EListError outside 0..Count-1

    // The five column classes of the grid tables with keys 0 to 4.
    void RegisterStandardTypes();
    // Unregisters the five classes; anything left is an error: "Column Type list not empty".
    void UnregisterStandardTypes();

private:
    std::vector<TColumnTypeStorage> m_entries;
};

// The five classes, in key order: TEnumColumn, TIntColumn, TFloatColumn, TTableColumn, TStringColumn.
const std::vector<const TColumnClass*>& StandardColumnClasses();

// The process-wide registry, created on first use with the five classes registered. Unguarded (GUI
// thread only). The program calls UnregisterStandardTypes on it at shutdown.
TColumnTypeRegistry& ColumnTypeRegistry();

int ColumnTypeKey(const TColumnClass& columnClass);
int ColumnTypeKey(const TColumn& column);
const TColumnClass* ColumnTypeClass(int key);

} // namespace quavis
