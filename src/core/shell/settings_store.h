#pragma once

#include <string>

#include "components/errors.h"

namespace quavis {

// A settings value that cannot be read or written: the store failed, or a value holds another type than
// the one asked for.
class ESettingsError : public EQuavisError {
public:
    explicit ESettingsError(const std::string& message) : EQuavisError(message) {}
};

// The per-user settings of the program: named values under one group (the desktop backs it with
// QSettings, organization "Norvance", application "QUAVIS", group "3.0.6"). Every operation acts on that
// group; writing a value creates the group when it is absent.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The group exists (holds at least one value or was created).
    virtual bool GroupExists() const = 0;
    // Creates the group when it is absent; throws ESettingsError when the store cannot be written.
    virtual void CreateGroup() = 0;

    // An absent value reads as "", a value of another type throws ESettingsError.
    virtual std::string ReadString(const std::string& name) const = 0;
    // An absent value reads as fallback, a value of another type throws ESettingsError.
    virtual int ReadInteger(const std::string& name, int fallback) const = 0;

    // Both throw ESettingsError when the store cannot be written.
    virtual void WriteString(const std::string& name, const std::string& value) = 0;
    virtual void WriteInteger(const std::string& name, int value) = 0;
};

} // namespace quavis
