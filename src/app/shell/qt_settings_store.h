#pragma once

#include <memory>
#include <string>

#include "shell/settings_store.h"

class QSettings;

namespace quavis {

// The per-user settings in QSettings (INI format, user scope, organization "Norvance", application
// "QUAVIS"), every value under the group "3.0.6". INI keeps every value as text: a value that does not
// read back as one piece of text (a list, binary data, a serialised variant) counts as a value of the
// wrong type.
class TQtSettingsStore : public SettingsStore {
public:
    static constexpr const char* Organization = "Norvance";
    static constexpr const char* Application = "QUAVIS";
    static constexpr const char* Group = "3.0.6";

    // The user's settings file.
    TQtSettingsStore();
    // Another INI file (tests).
    explicit TQtSettingsStore(const std::string& iniFile);
    ~TQtSettingsStore() override;

    bool GroupExists() const override;
    void CreateGroup() override;
    std::string ReadString(const std::string& name) const override;
    int ReadInteger(const std::string& name, int fallback) const override;
    void WriteString(const std::string& name, const std::string& value) override;
    void WriteInteger(const std::string& name, int value) override;

    std::string FileName() const;

private:
    void Write(const std::string& name, const std::string& text);
    void Flush();

    std::unique_ptr<QSettings> m_settings;
    bool m_created = false;
};

} // namespace quavis
