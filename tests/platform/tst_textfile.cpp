#include "textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <utility>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

Q_DECLARE_METATYPE(TextEncoding)
Q_DECLARE_METATYPE(FileSync)

char *toString(TextEncoding encoding)
{
    return qstrdup(qPrintable(encodingDisplayName(encoding)));
}

namespace {

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// Every write test runs with and without the flush to disk.
constexpr std::pair<FileSync, const char *> syncs[] = {{FileSync::Durable, "durable"}, {FileSync::Fast, "fast"}};

void addSyncRows()
{
    QTest::addColumn<FileSync>("sync");
    for (const auto &[sync, name] : syncs)
        QTest::newRow(name) << sync;
}

} // namespace

class TestTextFile : public QObject
{
    Q_OBJECT

private slots:
    void joinLines_data();
    void joinLines();
    void writeThenRead_data();
    void writeThenRead();
    void readFailures_data();
    void readFailures();
    void bytesSurviveReadAndWrite_data();
    void bytesSurviveReadAndWrite();
    void unencodableText_data() { addSyncRows(); }
    void unencodableText();
    void writeIntoUnusableFolder_data();
    void writeIntoUnusableFolder();
    void failedWriteKeepsOldFile_data() { addSyncRows(); }
    void failedWriteKeepsOldFile();
    void replacingKeepsPermissions_data() { addSyncRows(); }
    void replacingKeepsPermissions();
    void newFileGetsDefaultPermissions_data() { addSyncRows(); }
    void newFileGetsDefaultPermissions();
    void replacingFollowsLink_data() { addSyncRows(); }
    void replacingFollowsLink();
};

void TestTextFile::joinLines_data()
{
    QTest::addColumn<QString>("raw");
    QTest::addColumn<QString>("joined");

    QTest::newRow("crlf lines") << "a\r\nb\r\n" << "a\r\nb";
    QTest::newRow("lone cr") << "a\rb" << "a\r\nb";
    QTest::newRow("lf only stays") << "a\nb\n" << "a\nb\n";
    QTest::newRow("two empty lines") << "\r\n\r\n" << "\r\n";
    QTest::newRow("one empty line") << "\r\n" << "";
    QTest::newRow("no break") << "a" << "a";
    QTest::newRow("final lone cr") << "a\r" << "a";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("two lone crs") << "a\r\rb" << "a\r\n\r\nb";
    QTest::newRow("lone cr before final crlf") << "a\r\r\n" << "a\r\n";
    QTest::newRow("crlf before final lone cr") << "a\r\n\r" << "a\r\n";
    QTest::newRow("lf then cr") << "a\n\rb" << "a\n\r\nb";
    QTest::newRow("mixed") << "a\rb\r\nc\nd\r" << "a\r\nb\r\nc\nd";
    QTest::newRow("only lone crs") << "\r\r\r" << "\r\n\r\n";
}

void TestTextFile::joinLines()
{
    QFETCH(QString, raw);
    QFETCH(QString, joined);
    QCOMPARE(joinLinesWithCrLf(raw), joined);
}

void TestTextFile::writeThenRead_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<FileSync>("sync");

    const QString page = QStringLiteral("<p>日本語</p>\r\n<p>b</p>");
    const QString pairs = QLatin1Char('a') + QStringLiteral("😀").repeated(100 * 1024);
    for (const auto &[sync, syncName] : syncs) {
        const auto row = [&](const char *name) -> QTestData & { return QTest::addRow("%s, %s", name, syncName); };
        row("system") << page << TextEncoding::System
                      << QByteArray("<p>\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E</p>\r\n<p>b</p>\r\n") << sync;
        row("utf-8 with bom") << page << TextEncoding::Utf8WithBom
                              << QByteArray("\xEF\xBB\xBF<p>\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E</p>\r\n<p>b</p>\r\n")
                              << sync;
        row("cp932") << page << TextEncoding::Cp932 << QByteArray("<p>\x93\xFA\x96\x7B\x8C\xEA</p>\r\n<p>b</p>\r\n")
                     << sync;
        row("euc-jp") << page << TextEncoding::EucJp << QByteArray("<p>\xC6\xFC\xCB\xDC\xB8\xEC</p>\r\n<p>b</p>\r\n")
                      << sync;
        // An empty last line: the written file ends in two breaks, and reading takes one off.
        row("empty last line") << QStringLiteral("a\r\n") << TextEncoding::System << QByteArray("a\r\n\r\n") << sync;
        row("empty text") << QString() << TextEncoding::System << QByteArray("\r\n") << sync;

        // Large pages are written in pieces: one byte-order mark, and with a high
        // surrogate at every odd index no piece boundary can split a pair.
        row("large with bom") << pairs << TextEncoding::Utf8WithBom
                              << QByteArray("\xEF\xBB\xBF") + pairs.toUtf8() + "\r\n" << sync;
        row("large cp932") << QStringLiteral("a日本").repeated(100 * 1024) << TextEncoding::Cp932
                           << QByteArray("a\x93\xFA\x96\x7B").repeated(100 * 1024) + "\r\n" << sync;
    }
}

void TestTextFile::writeThenRead()
{
    QFETCH(QString, text);
    QFETCH(TextEncoding, encoding);
    QFETCH(QByteArray, bytes);
    QFETCH(FileSync, sync);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("page.htm");
    QVERIFY(writeBytes(path, "old content that is longer than the new one\r\n"));

    QVERIFY(WriteTextFile(path, text, encoding, Unencodable::Refuse, sync));
    QCOMPARE(readBytes(path), bytes);
    const TextFileContent content = readTextFileContent(path);
    QCOMPARE(content.text, text);
    if (!text.isEmpty())
        QCOMPARE(content.encoding, encoding);
    QCOMPARE(ReadTextFile(path), text);
    QCOMPARE(entriesOf(dir.path()), QStringList{"page.htm"});
}

void TestTextFile::readFailures_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("missing") << "missing.htm";
    QTest::newRow("empty") << "empty.htm";
    QTest::newRow("directory") << "folder";
    QTest::newRow("binary") << "image.png";
#ifdef Q_OS_UNIX
    // Opening a pipe with no writer would wait for ever.
    QTest::newRow("fifo") << "pipe.htm";
#endif
}

void TestTextFile::readFailures()
{
    QFETCH(QString, name);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeBytes(dir.filePath("empty.htm"), QByteArray()));
    QVERIFY(QDir(dir.path()).mkdir("folder"));
    QVERIFY(writeBytes(dir.filePath("image.png"), QByteArray("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR\xFF\xD8\xFF", 19)));
#ifdef Q_OS_UNIX
    QCOMPARE(mkfifo(QFile::encodeName(dir.filePath("pipe.htm")).constData(), 0600), 0);
#endif

    const TextFileContent content = readTextFileContent(dir.filePath(name));
    QCOMPARE(content.text, QString());
    QCOMPARE(content.encoding, TextEncoding::System);
    QCOMPARE(ReadTextFile(dir.filePath(name)), QString());
}

// Files as other editors leave them: reading remembers the encoding, and writing
// with it gives back the same bytes.
void TestTextFile::bytesSurviveReadAndWrite_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<TextEncoding>("encoding");

    const QByteArray cp932 = readBytes(QStringLiteral(FIXTURE_DIR "/page-cp932.htm"));
    const QByteArray eucJp = readBytes(QStringLiteral(FIXTURE_DIR "/page-eucjp.htm"));
    QVERIFY(!cp932.isEmpty() && !eucJp.isEmpty());
    QTest::newRow("cp932 fixture") << cp932 << TextEncoding::Cp932;
    QTest::newRow("euc-jp fixture") << eucJp << TextEncoding::EucJp;
    QTest::newRow("utf-8 with bom") << QByteArray("\xEF\xBB\xBF<title>\xE6\x97\xA5</title>\r\n<p>a</p>\r\n")
                                    << TextEncoding::Utf8WithBom;
    QTest::newRow("utf-8") << QByteArray("<title>\xE6\x97\xA5</title>\r\n<p>a</p>\r\n") << TextEncoding::System;
}

void TestTextFile::bytesSurviveReadAndWrite()
{
    QFETCH(QByteArray, bytes);
    QFETCH(TextEncoding, encoding);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString original = dir.filePath("original.htm");
    const QString copy = dir.filePath("copy.htm");
    QVERIFY(writeBytes(original, bytes));

    const TextFileContent content = readTextFileContent(original);
    QCOMPARE(content.encoding, encoding);
    QVERIFY(content.text.contains(QStringLiteral("日")));
    QVERIFY(!content.text.startsWith(QChar(0xFEFF)));
    QVERIFY(!content.text.endsWith(QLatin1Char('\n')));
    QVERIFY(WriteTextFile(copy, content.text, content.encoding));
    QCOMPARE(readBytes(copy), bytes);
}

void TestTextFile::unencodableText()
{
    QFETCH(FileSync, sync);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("page.htm");
    const QByteArray old = "\x93\xFA\r\n";
    QVERIFY(writeBytes(path, old));

    // The last one fails only after the first pieces of a large page are written.
    for (const QString &text : {QStringLiteral("a😀"), QStringLiteral("aㇰ"), QString(300 * 1024, QLatin1Char('a')) + "ㇰ"}) {
        QVERIFY(!WriteTextFile(path, text, TextEncoding::Cp932, Unencodable::Refuse, sync));
        QCOMPARE(readBytes(path), old);
        QCOMPARE(entriesOf(dir.path()), QStringList{"page.htm"});
    }

    QVERIFY(WriteTextFile(path, QStringLiteral("a😀"), TextEncoding::Cp932, Unencodable::AsCharacterReference, sync));
    QCOMPARE(readBytes(path), QByteArray("a&#128512;\r\n"));
}

void TestTextFile::writeIntoUnusableFolder_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<FileSync>("sync");
    for (const auto &[sync, syncName] : syncs) {
        QTest::addRow("missing folder, %s", syncName) << "missing" << false << sync;
        QTest::addRow("file as folder, %s", syncName) << "plain.txt" << false << sync;
        QTest::addRow("read-only folder, %s", syncName) << "locked" << true << sync;
    }
}

void TestTextFile::writeIntoUnusableFolder()
{
    QFETCH(QString, folder);
    QFETCH(bool, readOnly);
    QFETCH(FileSync, sync);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(writeBytes(dir.filePath("plain.txt"), "x"));
    const QString locked = dir.filePath("locked");
    QVERIFY(QDir(dir.path()).mkdir("locked"));
    QVERIFY(writeBytes(locked + "/page.htm", "old\r\n"));
    QVERIFY(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner));
    const auto unlock = qScopeGuard([&] {
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
#ifdef Q_OS_UNIX
    if (readOnly && geteuid() == 0)
        QSKIP("root writes into read-only folders");
#endif
    const QStringList before = entriesOf(dir.path()) + entriesOf(locked);

    QVERIFY(!WriteTextFile(dir.filePath(folder) + "/page.htm", QStringLiteral("new"), TextEncoding::System,
                           Unencodable::Refuse, sync));
    QCOMPARE(entriesOf(dir.path()) + entriesOf(locked), before);
    QCOMPARE(readBytes(locked + "/page.htm"), QByteArray("old\r\n"));
}

// The disk filling up mid-write, made to happen with a file size limit.
void TestTextFile::failedWriteKeepsOldFile()
{
#ifndef Q_OS_UNIX
    QSKIP("needs a file size limit");
#else
    QFETCH(FileSync, sync);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("page.htm");
    const QByteArray old = "<p>old</p>\r\n";
    QVERIFY(writeBytes(path, old));

    rlimit saved {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 64 * 1024;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool written =
        WriteTextFile(path, QString(1024 * 1024, QLatin1Char('x')), TextEncoding::System, Unencodable::Refuse, sync);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!written);
    QCOMPARE(readBytes(path), old);
    QCOMPARE(entriesOf(dir.path()), QStringList{"page.htm"});
#endif
}

// Replacing through a new file must not leave the page with other permissions.
void TestTextFile::replacingKeepsPermissions()
{
    QFETCH(FileSync, sync);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("page.htm");
    QVERIFY(writeBytes(path, "old\r\n"));
    const QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QVERIFY(QFile::setPermissions(path, permissions));

    QVERIFY(WriteTextFile(path, QStringLiteral("new"), TextEncoding::System, Unencodable::Refuse, sync));
    QCOMPARE(QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser), permissions);
    QCOMPARE(readBytes(path), QByteArray("new\r\n"));
}

// A new file is created as any program creates one: read and write for all, less the umask.
void TestTextFile::newFileGetsDefaultPermissions()
{
#ifndef Q_OS_UNIX
    QSKIP("needs the umask");
#else
    QFETCH(FileSync, sync);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("page.htm");
    const mode_t mask = umask(0027);
    const auto restore = qScopeGuard([&] { umask(mask); });

    QVERIFY(WriteTextFile(path, QStringLiteral("new"), TextEncoding::System, Unencodable::Refuse, sync));
    struct stat info {};
    QCOMPARE(stat(QFile::encodeName(path).constData(), &info), 0);
    QCOMPARE(info.st_mode & 07777, mode_t(0640));
    QCOMPARE(entriesOf(dir.path()), QStringList{"page.htm"});
#endif
}

// Replacing the link with a plain file would cut the page off from where it really lives.
void TestTextFile::replacingFollowsLink()
{
    QFETCH(FileSync, sync);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir("real"));
    const QString real = dir.filePath("real/page.htm");
    const QString link = dir.filePath("link.htm");
    QVERIFY(writeBytes(real, "old\r\n"));
    QVERIFY(QFile::link(real, link));

    QVERIFY(WriteTextFile(link, QStringLiteral("new"), TextEncoding::System, Unencodable::Refuse, sync));
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(readBytes(real), QByteArray("new\r\n"));
    QCOMPARE(entriesOf(dir.path()), (QStringList{"link.htm", "real"}));
    QCOMPARE(entriesOf(dir.filePath("real")), QStringList{"page.htm"});
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
