#include "components/grid_table_list.h"

#include "components/errors.h"
#include "components/grid_table.h"
#include "components/grid_table_internal.h"

#include <algorithm>

namespace quavis {

const TIntWrapper& TGridTableList::Item(int i) const
{
    if (i < 0 || i >= Count()) throw EListError::OutOfBounds(i);
    return m_items[static_cast<size_t>(i)];
}

void TGridTableList::AddIndex(int index) { InsertItem(Count(), {false, index}); }
void TGridTableList::AddTable(const TGridTable* table) { InsertItem(Count(), {false, RegistryIndexOf(table)}); }
void TGridTableList::AddIdentifier(int identifier) { InsertItem(Count(), {true, identifier}); }
void TGridTableList::InsertIndex(int pos, int index) { InsertItem(pos, {false, index}); }
void TGridTableList::InsertTable(int pos, const TGridTable* table) { InsertItem(pos, {false, RegistryIndexOf(table)}); }
void TGridTableList::InsertIdentifier(int pos, int identifier) { InsertItem(pos, {true, identifier}); }

void TGridTableList::InsertItem(int pos, TIntWrapper item)
{
    if (pos < 0 || pos > Count()) throw EListError::OutOfBounds(pos);
    m_items.insert(m_items.begin() + pos, item);
}

void TGridTableList::Delete(int pos)
{
    if (pos < 0 || pos >= Count()) throw EListError::OutOfBounds(pos);
    m_items.erase(m_items.begin() + pos);
}

int TGridTableList::ResolveIndex(int i) const
{
    if (i < 0 || i >= Count()) return -1;
    const TIntWrapper& item = m_items[static_cast<size_t>(i)];
    return item.IsIdentifier ? IndexOfIdentifier(item.Value) : item.Value;
}

TGridTable* TGridTableList::Table(int i) const { return RegistryTable(ResolveIndex(i)); }

// Registry ------------------------------------------------------------------------------------------

namespace {

// Never destroyed, so that tables living in other static objects may still leave it at exit.
std::vector<TGridTable*>& Registry()
{
    static auto* registry = new std::vector<TGridTable*>;
    return *registry;
}

int g_nextIdentifier = 0;

} // namespace

namespace grid_internal {

void RegistryAdd(TGridTable* table) { Registry().push_back(table); }

void RegistryRemove(TGridTable* table)
{
    auto& r = Registry();
    const auto it = std::find(r.begin(), r.end(), table);
    if (it != r.end()) r.erase(it);
}

int TakeIdentifier() { return g_nextIdentifier++; }

} // namespace grid_internal

const std::vector<TGridTable*>& GridTableRegistry() { return Registry(); }

int NextIdentifier() { return g_nextIdentifier; }

int IndexOfIdentifier(int identifier)
{
    if (identifier < 0) return -1;
    const auto& r = Registry();
    for (size_t i = 0; i < r.size(); ++i)
        if (r[i]->Identifier() == identifier) return static_cast<int>(i);
    return -1;
}

int RegistryIndexOf(const TGridTable* table)
{
    if (!table) return -1;
    const auto& r = Registry();
    const auto it = std::find(r.begin(), r.end(), table);
    return it == r.end() ? -1 : static_cast<int>(it - r.begin());
}

TGridTable* RegistryTable(int index)
{
    const auto& r = Registry();
    if (index < 0 || index >= static_cast<int>(r.size())) return nullptr;
    return r[static_cast<size_t>(index)];
}

} // namespace quavis
