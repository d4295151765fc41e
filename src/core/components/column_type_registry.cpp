#include "components/column_type_registry.h"

#include "components/errors.h"
#include "components/grid_column.h"

#include <typeinfo>

namespace quavis {

void TColumnTypeRegistry::Register(const TColumnClass& columnClass, int key)
{
    m_entries.push_back({&columnClass, key});
}

void TColumnTypeRegistry::Unregister(const TColumnClass& columnClass)
{
    for (auto i = m_entries.size(); i-- > 0;)
        if (m_entries[i].ColumnClass == &columnClass)
            m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(i));
}

int TColumnTypeRegistry::KeyOf(const TColumnClass& columnClass) const
{
    for (const auto& entry : m_entries)
        if (entry.ColumnClass == &columnClass)
            return entry.Key;
    return -1;
}

const TColumnTypeStorage* TColumnTypeRegistry::Find(const TColumn& column) const
{
    const std::type_index type(typeid(column));
    for (const auto& entry : m_entries)
        if (entry.ColumnClass->Type == type)
            return &entry;
    return nullptr;
}

int TColumnTypeRegistry::KeyOf(const TColumn& column) const
{
    const TColumnTypeStorage* entry = Find(column);
    return entry ? entry->Key : -1;
}

const TColumnClass* TColumnTypeRegistry::ClassOf(int key) const
{
    for (const auto& entry : m_entries)
        if (entry.Key == key)
            return entry.ColumnClass;
    return nullptr;
}

const TColumnTypeStorage& TColumnTypeRegistry::Entry(int i) const
{
    if (i < 0 || i >= Count())
        throw EListError::OutOfBounds(i);
    return m_entries[static_cast<std::size_t>(i)];
}

void TColumnTypeRegistry::RegisterStandardTypes()
{
    const auto& classes = StandardColumnClasses();
    for (std::size_t key = 0; key < classes.size(); ++key)
        Register(*classes[key], static_cast<int>(key));
}

void TColumnTypeRegistry::UnregisterStandardTypes()
{
    for (const TColumnClass* columnClass : StandardColumnClasses())
        Unregister(*columnClass);
    if (!m_entries.empty())
        throw EQuavisError("Column Type list not empty");
}

TColumnTypeRegistry& ColumnTypeRegistry()
{
    static TColumnTypeRegistry registry = [] {
        TColumnTypeRegistry created;
        created.RegisterStandardTypes();
        return created;
    }();
    return registry;
}

int ColumnTypeKey(const TColumnClass& columnClass)
{
    return ColumnTypeRegistry().KeyOf(columnClass);
}

int ColumnTypeKey(const TColumn& column)
{
    return ColumnTypeRegistry().KeyOf(column);
}

const TColumnClass* ColumnTypeClass(int key)
{
    return ColumnTypeRegistry().ClassOf(key);
}

} // namespace quavis
