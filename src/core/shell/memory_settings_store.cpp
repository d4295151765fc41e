#include "shell/memory_settings_store.h"

#include <utility>

namespace quavis {

void TMemorySettingsStore::CheckWritable() const
{
    if (m_readOnly)
        throw ESettingsError("The settings cannot be written");
}

void TMemorySettingsStore::CreateGroup()
{
    if (m_groupExists)
        return;
    CheckWritable();
    m_groupExists = true;
}

std::string TMemorySettingsStore::ReadString(const std::string& name) const
{
    const auto it = m_values.find(name);
    if (it == m_values.end())
        return {};
    if (const auto* text = std::get_if<std::string>(&it->second))
        return *text;
    throw ESettingsError("The settings value \"" + name + "\" is not a text");
}

int TMemorySettingsStore::ReadInteger(const std::string& name, int fallback) const
{
    const auto it = m_values.find(name);
    if (it == m_values.end())
        return fallback;
    if (const auto* number = std::get_if<int>(&it->second))
        return *number;
    throw ESettingsError("The settings value \"" + name + "\" is not a number");
}

void TMemorySettingsStore::WriteString(const std::string& name, const std::string& value)
{
    CheckWritable();
    m_groupExists = true;
    m_values[name] = value;
    ++m_writeCount;
}

void TMemorySettingsStore::WriteInteger(const std::string& name, int value)
{
    CheckWritable();
    m_groupExists = true;
    m_values[name] = value;
    ++m_writeCount;
}

void TMemorySettingsStore::SetValue(const std::string& name, TValue value)
{
    m_groupExists = true;
    m_values[name] = std::move(value);
}

} // namespace quavis
