#include "recentfiles.h"

#include <QTest>

class RecentFilesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void add_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("first entry") << QStringList{} << "a" << QStringList{"a"};
        QTest::newRow("grows") << QStringList{"a", "b"} << "c" << QStringList{"c", "a", "b"};
        QTest::newRow("third moves to top") << QStringList{"a", "b", "c", "d"} << "c" << QStringList{"c", "a", "b", "d"};
        QTest::newRow("first stays") << QStringList{"a", "b"} << "a" << QStringList{"a", "b"};
        QTest::newRow("sixth pushes the oldest out") << QStringList{"e", "d", "c", "b", "a"} << "f"
                                                     << QStringList{"f", "e", "d", "c", "b"};
        QTest::newRow("case differs: two entries") << QStringList{"/A.htm"} << "/a.htm" << QStringList{"/a.htm", "/A.htm"};
        QTest::newRow("longer stored list keeps its length")
            << QStringList{"1", "2", "3", "4", "5", "6", "7"} << "n" << QStringList{"n", "1", "2", "3", "4", "5", "6"};
    }
    void add()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, path);
        QFETCH(QStringList, after);
        AddRecentFile(before, path);
        QCOMPARE(before, after);
    }
};

QTEST_GUILESS_MAIN(RecentFilesTest)
#include "tst_recentfiles.moc"
