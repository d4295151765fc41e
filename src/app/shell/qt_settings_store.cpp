#include "shell/qt_settings_store.h"

#include <QSettings>
#include <QString>
#include <QVariant>

namespace quavis {

namespace {

QString Key(const std::string& name)
{
    return QString::fromLatin1(TQtSettingsStore::Group) + QLatin1Char('/') + QString::fromStdString(name);
}

} // namespace

TQtSettingsStore::TQtSettingsStore()
    : m_settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QString::fromLatin1(Organization),
                                             QString::fromLatin1(Application)))
{
}

TQtSettingsStore::TQtSettingsStore(const std::string& iniFile)
    : m_settings(std::make_unique<QSettings>(QString::fromStdString(iniFile), QSettings::IniFormat))
{
}

TQtSettingsStore::~TQtSettingsStore() = default;

std::string TQtSettingsStore::FileName() const
{
    return m_settings->fileName().toStdString();
}

bool TQtSettingsStore::GroupExists() const
{
    // An INI file keeps no empty group: a group created in this run counts until the first value.
    return m_created || m_settings->childGroups().contains(QString::fromLatin1(Group));
}

void TQtSettingsStore::CreateGroup()
{
    if (!m_settings->isWritable())
        throw ESettingsError("The settings file " + FileName() + " cannot be written");
    m_created = true;
}

std::string TQtSettingsStore::ReadString(const std::string& name) const
{
    const QVariant value = m_settings->value(Key(name));
    if (!value.isValid())
        return {};
    if (value.typeId() != QMetaType::QString)
        throw ESettingsError("The setting " + name + " is not a text");
    return value.toString().toStdString();
}

int TQtSettingsStore::ReadInteger(const std::string& name, int fallback) const
{
    const QVariant value = m_settings->value(Key(name));
    if (!value.isValid())
        return fallback;
    bool ok = false;
    const int number = value.typeId() == QMetaType::QString ? value.toString().trimmed().toInt(&ok) : 0;
    if (!ok)
        throw ESettingsError("The setting " + name + " is not a whole number");
    return number;
}

void TQtSettingsStore::Write(const std::string& name, const std::string& text)
{
    if (!m_settings->isWritable())
        throw ESettingsError("The settings file " + FileName() + " cannot be written");
    m_settings->setValue(Key(name), QString::fromStdString(text));
    Flush();
}

void TQtSettingsStore::WriteString(const std::string& name, const std::string& value)
{
    Write(name, value);
}

void TQtSettingsStore::WriteInteger(const std::string& name, int value)
{
    Write(name, std::to_string(value));
}

void TQtSettingsStore::Flush()
{
    m_settings->sync();
    if (m_settings->status() != QSettings::NoError)
        throw ESettingsError("The settings file " + FileName() + " cannot be written");
}

} // namespace quavis
