#include "pathrules.h"

#include <QCoreApplication>
#include <QDir>
#include <QTest>

Q_DECLARE_METATYPE(PathStyle)

class TestPathRules : public QObject
{
    Q_OBJECT

private slots:
    void programFolderFile_data();
    void programFolderFile();
    void programFolderFileOfExecutable();
    void untitledDocumentPath_data();
    void untitledDocumentPath();
    void fileNameOfPath_data();
    void fileNameOfPath();
};

void TestPathRules::programFolderFile_data()
{
    QTest::addColumn<PathStyle>("style");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("expected");

    QTest::newRow("windows drive root") << PathStyle::Windows << "C:\\" << "C:\\tmp.htm";
    QTest::newRow("windows folder") << PathStyle::Windows << "C:\\velquin" << "C:\\velquin\\tmp.htm";
    QTest::newRow("windows root with slash") << PathStyle::Windows << "C:/" << "C:/tmp.htm";
    QTest::newRow("posix root") << PathStyle::Posix << "/" << "/tmp.htm";
    QTest::newRow("posix folder") << PathStyle::Posix << "/opt/velquin" << "/opt/velquin/tmp.htm";
    // A backslash is an ordinary file name character on POSIX.
    QTest::newRow("posix folder ending in backslash") << PathStyle::Posix << "/opt/a\\" << "/opt/a\\/tmp.htm";
}

void TestPathRules::programFolderFile()
{
    QFETCH(PathStyle, style);
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    QCOMPARE(ProgramFolderFile(folder, QStringLiteral("tmp.htm"), style), expected);
}

void TestPathRules::programFolderFileOfExecutable()
{
    const QString folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    const QString path = ProgramFolderFile(QStringLiteral("tmp.htm"));
    QCOMPARE(path, QDir::toNativeSeparators(QDir(QCoreApplication::applicationDirPath()).filePath("tmp.htm")));
    QVERIFY(isUntitledDocumentPath(path, folder, nativePathStyle()));
}

void TestPathRules::untitledDocumentPath_data()
{
    QTest::addColumn<PathStyle>("style");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("untitled");

    QTest::newRow("windows root") << PathStyle::Windows << "C:\\tmp.htm" << "C:\\" << true;
    QTest::newRow("windows folder") << PathStyle::Windows << "C:\\velquin\\tmp.htm" << "C:\\velquin" << true;
    QTest::newRow("windows other folder") << PathStyle::Windows << "C:\\web\\tmp.htm" << "C:\\velquin" << false;
    QTest::newRow("windows other name") << PathStyle::Windows << "C:\\velquin\\page.htm" << "C:\\velquin" << false;
    QTest::newRow("windows case differs") << PathStyle::Windows << "C:\\velquin\\TMP.HTM" << "C:\\velquin" << false;
    QTest::newRow("posix root") << PathStyle::Posix << "/tmp.htm" << "/" << true;
    QTest::newRow("posix folder") << PathStyle::Posix << "/opt/velquin/tmp.htm" << "/opt/velquin" << true;
    QTest::newRow("posix other folder") << PathStyle::Posix << "/home/tmp.htm" << "/opt/velquin" << false;
    QTest::newRow("posix case differs") << PathStyle::Posix << "/opt/velquin/Tmp.htm" << "/opt/velquin" << false;
    QTest::newRow("posix backslash is no separator") << PathStyle::Posix << "/opt/velquin\\tmp.htm" << "/opt/velquin" << false;
}

void TestPathRules::untitledDocumentPath()
{
    QFETCH(PathStyle, style);
    QFETCH(QString, path);
    QFETCH(QString, folder);
    QFETCH(bool, untitled);
    QCOMPARE(isUntitledDocumentPath(path, folder, style), untitled);
}

void TestPathRules::fileNameOfPath_data()
{
    QTest::addColumn<PathStyle>("style");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("name");

    QTest::newRow("windows") << PathStyle::Windows << "C:\\web\\page" << "page";
    QTest::newRow("windows with extension") << PathStyle::Windows << "C:\\web\\index.htm" << "index.htm";
    QTest::newRow("windows slash") << PathStyle::Windows << "C:/web/page" << "page";
    QTest::newRow("windows mixed, slash last") << PathStyle::Windows << "C:\\web/page" << "page";
    QTest::newRow("windows mixed, backslash last") << PathStyle::Windows << "C:/web\\page" << "page";
    QTest::newRow("windows root file") << PathStyle::Windows << "C:\\tmp.htm" << "tmp.htm";
    QTest::newRow("bare name") << PathStyle::Windows << "page.htm" << "page.htm";
    QTest::newRow("posix") << PathStyle::Posix << "/web/page" << "page";
    QTest::newRow("posix root file") << PathStyle::Posix << "/tmp.htm" << "tmp.htm";
    QTest::newRow("posix backslash in name") << PathStyle::Posix << "/web/a\\b.htm" << "a\\b.htm";
    QTest::newRow("posix folder path") << PathStyle::Posix << "/web/" << "";
}

void TestPathRules::fileNameOfPath()
{
    QFETCH(PathStyle, style);
    QFETCH(QString, path);
    QFETCH(QString, name);
    QCOMPARE(::fileNameOfPath(path, style), name);
}

QTEST_GUILESS_MAIN(TestPathRules)
#include "tst_pathrules.moc"
