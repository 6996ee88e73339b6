#include "storedsettings.h"

#include "settingsstore.h"

namespace {
const QString mainSection = QStringLiteral("main");
const QString recentSection = QStringLiteral("manu");
}

QStringList readRecentFiles(const SettingsStore &store)
{
    // A negative count means an empty list.
    const qint16 count = qMax<qint16>(0, store.readNumber(recentSection, QStringLiteral("icount"), 0));
    QStringList files;
    files.reserve(count);
    for (int n = 1; n <= count; ++n)
        files << store.readText(recentSection, QString::number(n), QString());
    return files;
}

CustomTagTexts readCustomTagTexts(const SettingsStore &store)
{
    CustomTagTexts texts;
    texts.pair0Open = store.readText(mainSection, QStringLiteral("10"), texts.pair0Open);
    texts.pair0Close = store.readText(mainSection, QStringLiteral("30"), texts.pair0Close);
    texts.pair1Open = store.readText(mainSection, QStringLiteral("11"), texts.pair1Open);
    texts.pair1Close = store.readText(mainSection, QStringLiteral("31"), texts.pair1Close);
    texts.single = store.readText(mainSection, QStringLiteral("4"), texts.single);
    return texts;
}

qint16 readUndoMode(const SettingsStore &store)
{
    return store.readNumber(mainSection, QStringLiteral("ModosuMode"), 1);
}

void writeStoredSettings(SettingsStore &store, const StoredSettings &settings)
{
    const CustomTagTexts &texts = settings.customTags;
    store.writeText(mainSection, QStringLiteral("10"), texts.pair0Open);
    store.writeText(mainSection, QStringLiteral("30"), texts.pair0Close);
    store.writeText(mainSection, QStringLiteral("11"), texts.pair1Open);
    store.writeText(mainSection, QStringLiteral("31"), texts.pair1Close);
    store.writeText(mainSection, QStringLiteral("4"), texts.single);
    store.writeNumber(mainSection, QStringLiteral("ModosuMode"), settings.undoMode);
    store.writeNumber(recentSection, QStringLiteral("icount"), qint16(settings.recentFiles.size()));
    for (int n = 1; n <= settings.recentFiles.size(); ++n)
        store.writeText(recentSection, QString::number(n), settings.recentFiles[n - 1]);
    store.sync();
}
