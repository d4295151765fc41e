#pragma once

#include <map>
#include <string>
#include <variant>
#include <vector>

#include "shell/settings_store.h"

namespace quavis {

// Settings held in memory: the command-line tool's store (nothing outlives the run) and the tests'.
class TMemorySettingsStore : public SettingsStore {
public:
    // A value of a kind the program never writes (binary data), to stand for a foreign value.
    using TBinary = std::vector<unsigned char>;
    using TValue = std::variant<std::string, int, TBinary>;

    bool GroupExists() const override { return m_groupExists; }
    void CreateGroup() override;
    std::string ReadString(const std::string& name) const override;
    int ReadInteger(const std::string& name, int fallback) const override;
    void WriteString(const std::string& name, const std::string& value) override;
    void WriteInteger(const std::string& name, int value) override;

    // Direct access for setting up and checking a store.
    void SetValue(const std::string& name, TValue value);
    const std::map<std::string, TValue>& Values() const { return m_values; }
    // From now on every write (and CreateGroup) fails, as a store on a read-only disk would.
    void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }
    // Number of successful writes, to check that an operation wrote nothing.
    int WriteCount() const { return m_writeCount; }

private:
    void CheckWritable() const;

    std::map<std::string, TValue> m_values;
    bool m_groupExists = false;
    bool m_readOnly = false;
    int m_writeCount = 0;
};

} // namespace quavis
