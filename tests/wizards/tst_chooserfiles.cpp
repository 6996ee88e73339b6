#include "filelisting.h"
#include "filepreview.h"
#include "sizeline.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <limits>

Q_DECLARE_METATYPE(PreviewKind)

namespace {

// Past what a 32-bit length can hold; sparse, so it takes no disk space.
constexpr qint64 hugeSize = 3'000'000'000LL;

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

bool makeSparse(const QString &path, qint64 size)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.resize(size);
}

QByteArray numberedLines(int count, const QByteArray &lineEnd)
{
    QByteArray bytes;
    for (int i = 1; i <= count; ++i)
        bytes += "line " + QByteArray::number(i) + lineEnd;
    return bytes;
}

QString numberedPreview(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("line %1").arg(i);
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace

class TestChooserFiles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void kilobytes_data();
    void kilobytes();
    void sizeLineOfFiles();

    void patterns();
    void listing_data();
    void listing();
    void listingFailures();

    void previewKind_data();
    void previewKind();
    void textPreview_data();
    void textPreview();
    void textPreviewStopsAfterFifteenLines();
    void textPreviewOfLongLinesIsBounded();
    void textPreviewFailures();
    void pageCharset_data();
    void pageCharset();

private:
    QString at(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

void TestChooserFiles::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void TestChooserFiles::kilobytes_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty file") << qint64(0) << "0.";
    QTest::newRow("one byte") << qint64(1) << "0.001";
    QTest::newRow("half") << qint64(500) << "0.5";
    QTest::newRow("just under one") << qint64(999) << "0.999";
    QTest::newRow("one thousand, not 1024") << qint64(1000) << "1.";
    QTest::newRow("1024 bytes") << qint64(1024) << "1.024";
    QTest::newRow("12,000: the point stays") << qint64(12000) << "12.";
    QTest::newRow("1,234,567") << qint64(1234567) << "1,234.567";
    QTest::newRow("trailing zero decimals go") << qint64(1234500) << "1,234.5";
    QTest::newRow("no group below a thousand") << qint64(999999) << "999.999";
    QTest::newRow("first group") << qint64(1000000) << "1,000.";
    QTest::newRow("2 GiB") << qint64(2147483648LL) << "2,147,483.648";
    QTest::newRow("3 GB") << hugeSize << "3,000,000.";
    QTest::newRow("largest length") << std::numeric_limits<qint64>::max() << "9,223,372,036,854,775.807";
}

void TestChooserFiles::kilobytes()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(kilobytesText(bytes), text);
    QCOMPARE(sizeLine(bytes), QStringLiteral("ﾌｧｲﾙｻｲｽﾞ＝\r\n") + text + QStringLiteral("ｷﾛﾊﾞｲﾄ"));
}

void TestChooserFiles::sizeLineOfFiles()
{
    QVERIFY(writeFile(at("twelve.bin"), QByteArray(12000, 'x')));
    QCOMPARE(sizeLineOfFile(at("twelve.bin")), QStringLiteral("ﾌｧｲﾙｻｲｽﾞ＝\r\n12.ｷﾛﾊﾞｲﾄ"));
    QVERIFY(makeSparse(at("huge.img"), hugeSize));
    QCOMPARE(sizeLineOfFile(at("huge.img")), QStringLiteral("ﾌｧｲﾙｻｲｽﾞ＝\r\n3,000,000.ｷﾛﾊﾞｲﾄ"));
    // A file gone since it was listed, a folder, a pipe: nothing to measure.
    QCOMPARE(sizeLineOfFile(at("gone.htm")), QString());
    QCOMPARE(sizeLineOfFile(m_dir.path()), QString());
    QVERIFY(::mkfifo(QFile::encodeName(at("size.fifo")).constData(), 0600) == 0);
    QCOMPARE(sizeLineOfFile(at("size.fifo")), QString());
}

void TestChooserFiles::patterns()
{
    QCOMPARE(filePatternOf(0), QStringLiteral("*.*"));
    QCOMPARE(filePatternOf(1), QStringLiteral("*.jpg;*.gif;*.jpeg"));
    QCOMPARE(filePatternOf(2), QStringLiteral("*.htm;*.html"));
    QCOMPARE(nameFiltersOf(QStringLiteral("*.*")), QStringList{"*"});
    QCOMPARE(nameFiltersOf(QStringLiteral("*.jpg;*.gif;*.jpeg")), (QStringList{"*.jpg", "*.gif", "*.jpeg"}));
}

void TestChooserFiles::listing_data()
{
    QTest::addColumn<int>("filter");
    QTest::addColumn<QStringList>("files");

    // Sorted without regard to case; the patterns match either case, as on the
    // system the patterns were written for.
    QTest::newRow("all files, also without extension")
        << 0 << QStringList{"A.gif", "b.htm", "c.JPG", "d.jpeg", "e.html", "f.png", "noext", "PAGE.HTM"};
    QTest::newRow("pictures") << 1 << QStringList{"A.gif", "c.JPG", "d.jpeg"};
    QTest::newRow("pages") << 2 << QStringList{"b.htm", "e.html", "PAGE.HTM"};
}

void TestChooserFiles::listing()
{
    QFETCH(int, filter);
    QFETCH(QStringList, files);

    const QString folder = at("listing");
    if (!QFileInfo::exists(folder)) {
        QVERIFY(QDir().mkpath(folder + "/sub.htm"));
        for (const char *name : {"b.htm", "A.gif", "c.JPG", "d.jpeg", "e.html", "f.png", "noext", "PAGE.HTM", ".hidden.htm"})
            QVERIFY(writeFile(folder + "/" + name, "x"));
        QVERIFY(::mkfifo(QFile::encodeName(folder + "/pipe.htm").constData(), 0600) == 0);
    }
    const std::optional<QStringList> listed = listFiles(folder, nameFiltersOf(filePatternOf(filter)));
    QVERIFY(listed);
    QCOMPARE(*listed, files);
}

void TestChooserFiles::listingFailures()
{
    const QStringList all = nameFiltersOf(filePatternOf(0));
    QVERIFY(!listFiles(at("no such folder"), all));
    QVERIFY(!listFiles(QString(), all));
    QVERIFY(writeFile(at("plain.txt"), "x"));
    QVERIFY(!listFiles(at("plain.txt"), all));

    QVERIFY(QDir().mkpath(at("empty")));
    const std::optional<QStringList> empty = listFiles(at("empty"), all);
    QVERIFY(empty);
    QVERIFY(empty->isEmpty());
}

void TestChooserFiles::previewKind_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<PreviewKind>("kind");

    QTest::newRow("htm") << "a.htm" << PreviewKind::Page;
    QTest::newRow("html") << "a.html" << PreviewKind::Page;
    QTest::newRow("any name ending in tml") << "a.shtml" << PreviewKind::Page;
    QTest::newRow("upper case page is text") << "PAGE.HTM" << PreviewKind::Text;
    QTest::newRow("mixed case page is text") << "a.Htm" << PreviewKind::Text;
    QTest::newRow("only the last three count") << "a.Html" << PreviewKind::Page;
    QTest::newRow("jpg") << "a.jpg" << PreviewKind::Picture;
    QTest::newRow("jpeg") << "a.jpeg" << PreviewKind::Picture;
    QTest::newRow("gif") << "a.gif" << PreviewKind::Picture;
    QTest::newRow("bmp") << "a.bmp" << PreviewKind::Picture;
    QTest::newRow("ico") << "a.ico" << PreviewKind::Picture;
    QTest::newRow("wmf") << "a.wmf" << PreviewKind::Picture;
    QTest::newRow("upper case picture is text") << "A.JPG" << PreviewKind::Text;
    QTest::newRow("png is not in the list") << "a.png" << PreviewKind::Text;
    QTest::newRow("text") << "a.txt" << PreviewKind::Text;
    QTest::newRow("name of three characters") << "gif" << PreviewKind::Picture;
    QTest::newRow("name shorter than three") << "ab" << PreviewKind::Text;
}

void TestChooserFiles::previewKind()
{
    QFETCH(QString, name);
    QFETCH(PreviewKind, kind);
    QCOMPARE(previewKindOf(name), kind);
}

void TestChooserFiles::textPreview_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("preview");

    QTest::newRow("40 lines give the first 15") << numberedLines(40, "\r\n") << numberedPreview(15);
    QTest::newRow("exactly 15 lines") << numberedLines(15, "\r\n") << numberedPreview(15);
    QTest::newRow("16 lines") << numberedLines(16, "\r\n") << numberedPreview(15);
    QTest::newRow("three lines") << numberedLines(3, "\r\n") << numberedPreview(3);
    QTest::newRow("last line without a break") << numberedLines(2, "\r\n") + "line 3" << numberedPreview(3);
    QTest::newRow("lines ending in LF") << numberedLines(40, "\n") << numberedPreview(15);
    QTest::newRow("lines ending in CR") << numberedLines(40, "\r") << numberedPreview(15);
    QTest::newRow("one line") << QByteArray("only") << "only";
    QTest::newRow("empty lines count") << QByteArray("a\r\n\r\n\r\nb\r\n") << "a\r\n\r\n\r\nb";
    QTest::newRow("empty file") << QByteArray() << "";
    QTest::newRow("UTF-8") << QStringLiteral("日本語\r\nかな").toUtf8() << "日本語\r\nかな";
    QTest::newRow("Shift_JIS") << QByteArray("\x82\xa0\x8a\xbf\x8e\x9a\r\nx") << "あ漢字\r\nx";
    QTest::newRow("EUC-JP") << QByteArray("\xa4\xa2\xb4\xc1\xbb\xfa") << "あ漢字";
    QTest::newRow("binary with NUL bytes") << QByteArray("GIF89a\0\0\x01\x02", 10) << "";
}

void TestChooserFiles::textPreview()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, preview);
    const QString path = at(QStringLiteral("preview-%1.txt").arg(QTest::currentDataTag()));
    QVERIFY(writeFile(path, bytes));
    QCOMPARE(textPreviewOf(path), preview);
}

void TestChooserFiles::textPreviewStopsAfterFifteenLines()
{
    // What follows the fifteenth line is never read: were it read, the bytes would not be
    // text in any encoding and the preview would come out empty.
    const QString path = at("fifteen then binary.txt");
    QVERIFY(writeFile(path, numberedLines(15, "\r\n") + QByteArray("\xff\xfe\0\0\x80", 5)));
    QCOMPARE(textPreviewOf(path), numberedPreview(15));

    // A sparse file of zero bytes is no text, and only its start is read.
    QVERIFY(makeSparse(at("disk.img"), hugeSize));
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(textPreviewOf(at("disk.img")), QString());
    QCOMPARE(pageCharsetOf(at("disk.img")), QByteArray());
    QVERIFY2(timer.elapsed() < 2000, "the whole file was read");
}

void TestChooserFiles::textPreviewOfLongLinesIsBounded()
{
    // One line of 3 MB: the preview holds the start of it, cut between whole characters.
    const QString path = at("one long line.txt");
    QVERIFY(writeFile(path, QString(1'000'000, QChar(0x3042)).toUtf8()));
    const QString preview = textPreviewOf(path);
    QCOMPARE(preview.size(), previewByteLimit / 3);
    QCOMPARE(preview, QString(previewByteLimit / 3, QChar(0x3042)));
}

void TestChooserFiles::textPreviewFailures()
{
    QCOMPARE(textPreviewOf(at("missing.txt")), QString());
    QCOMPARE(textPreviewOf(m_dir.path()), QString());
    // A pipe with no writer would block a reader that opened it.
    QVERIFY(::mkfifo(QFile::encodeName(at("preview.fifo")).constData(), 0600) == 0);
    QCOMPARE(textPreviewOf(at("preview.fifo")), QString());

    const QString locked = at("locked.txt");
    QVERIFY(writeFile(locked, "secret"));
    QVERIFY(QFile::setPermissions(locked, QFileDevice::Permissions()));
    QFile probe(locked);
    if (probe.open(QIODevice::ReadOnly))
        QSKIP("Running with rights that read any file");
    QCOMPARE(textPreviewOf(locked), QString());
}

void TestChooserFiles::pageCharset_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("charset");

    QTest::newRow("Shift_JIS") << QByteArray("<p>\x82\xa0\x8a\xbf\x8e\x9a</p>") << QByteArray("Shift_JIS");
    QTest::newRow("EUC-JP") << QByteArray("<p>\xa4\xa2\xb4\xc1\xbb\xfa</p>") << QByteArray("EUC-JP");
    // UTF-8 and plain ASCII leave it to the page's own declaration.
    QTest::newRow("UTF-8") << QStringLiteral("<p>あ</p>").toUtf8() << QByteArray();
    QTest::newRow("ASCII with its own meta")
        << QByteArray("<meta charset=\"Shift_JIS\"><p>x</p>") << QByteArray();
}

void TestChooserFiles::pageCharset()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, charset);
    const QString path = at(QStringLiteral("page-%1.htm").arg(QTest::currentDataTag()));
    QVERIFY(writeFile(path, bytes));
    QCOMPARE(pageCharsetOf(path), charset);
}

QTEST_GUILESS_MAIN(TestChooserFiles)

#include "tst_chooserfiles.moc"
