#include "settingsstore.h"
#include "storedsettings.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class SettingsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QVERIFY(m_dir.isValid()); m_path = m_dir.filePath(QStringLiteral("velquin.ini")); QFile::remove(m_path); }

    void emptyStoreGivesDefaults()
    {
        SettingsStore store(m_path);
        QVERIFY(readRecentFiles(store).isEmpty());
        QCOMPARE(readUndoMode(store), qint16(1));
        const CustomTagTexts texts = readCustomTagTexts(store);
        QCOMPARE(texts.pair0Open, QStringLiteral("<html>"));
        QCOMPARE(texts.pair0Close, QStringLiteral("</html>"));
        QCOMPARE(texts.pair1Open, QStringLiteral("<body>"));
        QCOMPARE(texts.pair1Close, QStringLiteral("</body>"));
        QCOMPARE(texts.single, QStringLiteral("<hr>"));
    }

    void roundTripKeepsEveryValueAsTyped()
    {
        StoredSettings written;
        written.recentFiles = {QStringLiteral("/home/u/a&b.htm"), QStringLiteral("/tmp/日本語 ファイル.html"),
                               QStringLiteral("C:\\web\\index.htm")};
        written.customTags.pair0Open = QStringLiteral("<font color=\"red\">");
        written.customTags.pair0Close = QString();
        written.customTags.single = QStringLiteral("ｶﾀｶﾅ = ; # [main] \\ %");
        written.undoMode = 2;
        {
            SettingsStore store(m_path);
            writeStoredSettings(store, written);
        }
        SettingsStore store(m_path);
        QCOMPARE(readRecentFiles(store), written.recentFiles);
        QCOMPARE(readUndoMode(store), qint16(2));
        const CustomTagTexts texts = readCustomTagTexts(store);
        QCOMPARE(texts.pair0Open, written.customTags.pair0Open);
        QCOMPARE(texts.pair0Close, QString());
        QCOMPARE(texts.single, written.customTags.single);
        QCOMPARE(store.readText(QStringLiteral("manu"), QStringLiteral("icount"), QString()), QStringLiteral("3"));
    }

    void storedNumbers_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<qint16>("read");
        QTest::newRow("decimal") << "2" << qint16(2);
        QTest::newRow("signed") << "+0" << qint16(0);
        QTest::newRow("negative") << "-1" << qint16(-1);
        QTest::newRow("letters") << "two" << qint16(7);
        QTest::newRow("hex") << "0x2" << qint16(7);
        QTest::newRow("fraction") << "1.5" << qint16(7);
        QTest::newRow("spaces") << " 1" << qint16(7);
        QTest::newRow("empty") << "" << qint16(7);
        QTest::newRow("sign only") << "-" << qint16(7);
        QTest::newRow("too large") << "32768" << qint16(7);
        QTest::newRow("largest") << "32767" << qint16(32767);
    }
    void storedNumbers()
    {
        QFETCH(QString, stored);
        QFETCH(qint16, read);
        SettingsStore store(m_path);
        store.writeText(QStringLiteral("main"), QStringLiteral("ModosuMode"), stored);
        QCOMPARE(store.readNumber(QStringLiteral("main"), QStringLiteral("ModosuMode"), 7), read);
    }

    void recentCount_data()
    {
        QTest::addColumn<QString>("icount");
        QTest::addColumn<int>("entries");
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("negative counts as none") << "-3" << 0;
        QTest::newRow("not a number") << "x" << 0;
        QTest::newRow("more than stored entries") << "3" << 3;
    }
    void recentCount()
    {
        QFETCH(QString, icount);
        QFETCH(int, entries);
        SettingsStore store(m_path);
        store.writeText(QStringLiteral("manu"), QStringLiteral("icount"), icount);
        store.writeText(QStringLiteral("manu"), QStringLiteral("1"), QStringLiteral("/a.htm"));
        const QStringList files = readRecentFiles(store);
        QCOMPARE(files.size(), entries);
        if (entries == 3)
            QCOMPARE(files, (QStringList{QStringLiteral("/a.htm"), QString(), QString()}));
    }

    void garbageFileStartsWithDefaults()
    {
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("\x00\xff\xfe[[[main\n=\n==x\n\x01\x02[manu]\nicount=abc\n1=\n", 40));
        file.write("[main]\nModosuMode=zz\n");
        file.close();
        SettingsStore store(m_path);
        QVERIFY(readRecentFiles(store).isEmpty());
        QCOMPARE(readUndoMode(store), qint16(1));
        QCOMPARE(readCustomTagTexts(store).single, QStringLiteral("<hr>"));
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "tst_settings.moc"
