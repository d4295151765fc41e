#pragma once

#include <vector>

namespace quavis {

class TGridTable;

// One template reference: a table Identifier (IsIdentifier set) or a registry index (-1 = none).
struct TIntWrapper {
    bool IsIdentifier = false;
    int Value = -1;
};

// References to tables, resolved at each access, so that a template may be created after the entry
// that names it.
class TGridTableList {
public:
    int Count() const { return static_cast<int>(m_items.size()); }
    const TIntWrapper& Item(int i) const; // EListError outside 0..Count-1

    void AddIndex(int index);
    void AddTable(const TGridTable* table); // its registry index; -1 for none
    void AddIdentifier(int identifier);
    // Insertion before position pos (0..Count); EListError outside.
    void InsertIndex(int pos, int index);
    void InsertTable(int pos, const TGridTable* table);
    void InsertIdentifier(int pos, int identifier);
    void Delete(int pos); // EListError outside 0..Count-1
    void Clear() { m_items.clear(); }

    // Registry index of entry i: the index itself, or IndexOfIdentifier of the identifier; -1 when i is
    // out of range.
    int ResolveIndex(int i) const;
    // The table entry i names; none when out of range or when it names no live table.
    TGridTable* Table(int i) const;

private:
    void InsertItem(int pos, TIntWrapper item);
    std::vector<TIntWrapper> m_items;
};

// The process-wide list of every live TGridTable, in creation order; unguarded (GUI thread only).
const std::vector<TGridTable*>& GridTableRegistry();
// The counter that gives new tables their Identifier; starts at 0.
int NextIdentifier();
// Registry index of the first table with this Identifier; -1 for a negative id or when none.
int IndexOfIdentifier(int identifier);
// Registry index of a table; -1 when it is not registered.
int RegistryIndexOf(const TGridTable* table);
// The table at a registry index; none when out of range.
TGridTable* RegistryTable(int index);

} // namespace quavis
