#pragma once

#include <QSettings>
#include <QString>

// Per-user text values addressed by section and key under the application "velquin".
// Numbers are stored as decimal text and read back as 16-bit integers.
class SettingsStore {
public:
    // The per-user location.
    SettingsStore();
    // A store in this file (tests, portable use).
    explicit SettingsStore(const QString &filePath);

    QString readText(const QString &section, const QString &key, const QString &defaultValue) const;
    // A value that is not a decimal 16-bit number gives the default.
    qint16 readNumber(const QString &section, const QString &key, qint16 defaultValue) const;

    void writeText(const QString &section, const QString &key, const QString &value);
    void writeNumber(const QString &section, const QString &key, qint16 value);

    // Writes what is pending; false when the store could not be written.
    bool sync();

    QString fileName() const { return m_settings.fileName(); }

private:
    QSettings m_settings;
};

// The strict reading of a stored number: optional sign and decimal digits, in range.
bool parseStoredNumber(const QString &text, qint16 &value);
