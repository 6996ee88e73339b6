#pragma once

#include <QString>
#include <QStringList>

class SettingsStore;

// The texts of the customise tab: two tag pairs and one single insert.
struct CustomTagTexts {
    QString pair0Open = QStringLiteral("<html>");
    QString pair0Close = QStringLiteral("</html>");
    QString pair1Open = QStringLiteral("<body>");
    QString pair1Close = QStringLiteral("</body>");
    QString single = QStringLiteral("<hr>");
};

// Everything the program keeps between runs; read at start-up, written at shutdown.
struct StoredSettings {
    QStringList recentFiles; // newest first, full paths as shown in the File menu
    CustomTagTexts customTags;
    qint16 undoMode = 1;     // 0 none, 1 files, 2 memory
};

QStringList readRecentFiles(const SettingsStore &store);
CustomTagTexts readCustomTagTexts(const SettingsStore &store);
qint16 readUndoMode(const SettingsStore &store);

void writeStoredSettings(SettingsStore &store, const StoredSettings &settings);
