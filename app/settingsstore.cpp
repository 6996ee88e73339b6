#include "settingsstore.h"

#include <limits>

namespace {
QString keyPath(const QString &section, const QString &key)
{
    return section + QLatin1Char('/') + key;
}
}

SettingsStore::SettingsStore()
    : m_settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("velquin"), QStringLiteral("velquin"))
{
}

SettingsStore::SettingsStore(const QString &filePath)
    : m_settings(filePath, QSettings::IniFormat)
{
}

QString SettingsStore::readText(const QString &section, const QString &key, const QString &defaultValue) const
{
    const QVariant value = m_settings.value(keyPath(section, key));
    if (!value.isValid() || !value.canConvert<QString>())
        return defaultValue;
    return value.toString();
}

bool parseStoredNumber(const QString &text, qint16 &value)
{
    qsizetype i = 0;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    if (i == text.size())
        return false;
    for (qsizetype j = i; j < text.size(); ++j) {
        if (text[j] < QLatin1Char('0') || text[j] > QLatin1Char('9'))
            return false;
    }
    bool ok = false;
    const long long number = text.toLongLong(&ok);
    if (!ok || number < std::numeric_limits<qint16>::min() || number > std::numeric_limits<qint16>::max())
        return false;
    value = qint16(number);
    return true;
}

qint16 SettingsStore::readNumber(const QString &section, const QString &key, qint16 defaultValue) const
{
    qint16 value = 0;
    if (!parseStoredNumber(readText(section, key, QString()), value))
        return defaultValue;
    return value;
}

void SettingsStore::writeText(const QString &section, const QString &key, const QString &value)
{
    m_settings.setValue(keyPath(section, key), value);
}

void SettingsStore::writeNumber(const QString &section, const QString &key, qint16 value)
{
    m_settings.setValue(keyPath(section, key), QString::number(value));
}

bool SettingsStore::sync()
{
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}
