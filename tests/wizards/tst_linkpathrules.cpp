#include "linkpathrules.h"

#include <QTest>

Q_DECLARE_METATYPE(PathStyle)
Q_DECLARE_METATYPE(LinkRelation)

namespace {

constexpr auto W = PathStyle::Windows;
constexpr auto P = PathStyle::Posix;

LinkBoxes boxesOf(const QStringList &texts)
{
    LinkBoxes boxes;
    for (int i = 0; i < linkBoxCount && i < texts.size(); ++i)
        boxes[i] = texts.at(i);
    return boxes;
}

// "1100000": which of Text1 to Text7 are enabled.
QString enabledMask(const LinkRow &row)
{
    QString mask;
    for (bool enabled : row.boxEnabled)
        mask += enabled ? QLatin1Char('1') : QLatin1Char('0');
    return mask;
}

} // namespace

class TestLinkPathRules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void folders_data();
    void folders();
    void relativeDocumentPath_data();
    void relativeDocumentPath();
    void listFolderAndJoin_data();
    void listFolderAndJoin();
    void linkRow_data();
    void linkRow();
    void namesAreUsedAsTyped_data();
    void namesAreUsedAsTyped();
    void fileBox();
};

void TestLinkPathRules::folders_data()
{
    QTest::addColumn<PathStyle>("style");
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("upper"); // empty: none
    QTest::addColumn<bool>("root");

    QTest::newRow("windows two deep") << W << "C:\\web\\site\\index.htm" << "C:\\web\\site" << "C:\\web" << false;
    QTest::newRow("windows one deep: the upper folder keeps its backslash")
        << W << "C:\\web\\index.htm" << "C:\\web" << "C:\\" << false;
    QTest::newRow("windows drive root") << W << "C:\\index.htm" << "C:" << "" << true;
    QTest::newRow("windows untitled in the program folder")
        << W << "C:\\Program Files\\velquin\\tmp.htm" << "C:\\Program Files\\velquin" << "C:\\Program Files" << false;
    QTest::newRow("windows forward slashes") << W << "C:/web/site/a.htm" << "C:/web/site" << "C:/web" << false;
    QTest::newRow("windows network share")
        << W << "\\\\server\\share\\a.htm" << "\\\\server\\share" << "\\\\server" << false;

    QTest::newRow("posix two deep") << P << "/web/site/index.htm" << "/web/site" << "/web" << false;
    QTest::newRow("posix one deep: the upper folder is the root") << P << "/web/index.htm" << "/web" << "/" << false;
    QTest::newRow("posix root") << P << "/index.htm" << "/" << "" << true;
    QTest::newRow("posix untitled in the program folder")
        << P << "/opt/velquin/tmp.htm" << "/opt/velquin" << "/opt" << false;
    QTest::newRow("posix backslash is part of a name") << P << "/web/a\\b\\c.htm" << "/web" << "/" << false;
    QTest::newRow("posix colon is part of a name") << P << "/c:/a.htm" << "/c:" << "/" << false;

    // Nothing to strip: no folder, and no upper folder, but no endless loop either.
    QTest::newRow("windows no separator") << W << "index.htm" << "" << "" << false;
    QTest::newRow("posix no separator") << P << "index.htm" << "" << "" << false;
    QTest::newRow("windows empty") << W << "" << "" << "" << false;
}

void TestLinkPathRules::folders()
{
    QFETCH(PathStyle, style);
    QFETCH(QString, document);
    QFETCH(QString, current);
    QFETCH(QString, upper);
    QFETCH(bool, root);

    const ChooserFolders folders = chooserFoldersOf(document, style);
    QCOMPARE(folders.current, current);
    QCOMPARE(folders.upper, upper);
    QCOMPARE(folders.hasUpper, !upper.isEmpty());
    QCOMPARE(isRootFolder(folders.current, style), root);
    QCOMPARE(currentFolderLine(folders), QStringLiteral("現在ディレクトリ=") + current);
    QCOMPARE(upperFolderLine(folders),
             QStringLiteral("上層ディレクトリ=") + (upper.isEmpty() ? QStringLiteral("なし") : upper));
}

void TestLinkPathRules::relativeDocumentPath_data()
{
    QTest::addColumn<PathStyle>("style");
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("working");
    QTest::addColumn<QString>("absolute");
    QTest::addColumn<QString>("current");

    QTest::newRow("windows bare name") << W << "index.htm" << "C:\\work" << "C:\\work\\index.htm" << "C:\\work";
    QTest::newRow("windows bare name in a drive root") << W << "index.htm" << "C:\\" << "C:\\index.htm" << "C:";
    QTest::newRow("windows relative folder")
        << W << "web\\index.htm" << "C:\\work" << "C:\\work\\web\\index.htm" << "C:\\work\\web";
    QTest::newRow("windows absolute stays") << W << "D:\\web\\a.htm" << "C:\\work" << "D:\\web\\a.htm" << "D:\\web";
    QTest::newRow("windows share stays") << W << "\\\\s\\x\\a.htm" << "C:\\work" << "\\\\s\\x\\a.htm" << "\\\\s\\x";
    QTest::newRow("windows empty") << W << "" << "C:\\work" << "C:\\work\\" << "C:\\work";

    QTest::newRow("posix bare name") << P << "index.htm" << "/home/u" << "/home/u/index.htm" << "/home/u";
    QTest::newRow("posix bare name in the root") << P << "index.htm" << "/" << "/index.htm" << "/";
    QTest::newRow("posix relative folder") << P << "web/index.htm" << "/home/u" << "/home/u/web/index.htm"
                                           << "/home/u/web";
    QTest::newRow("posix absolute stays") << P << "/srv/a.htm" << "/home/u" << "/srv/a.htm" << "/srv";
    QTest::newRow("posix empty") << P << "" << "/home/u" << "/home/u/" << "/home/u";
}

void TestLinkPathRules::relativeDocumentPath()
{
    QFETCH(PathStyle, style);
    QFETCH(QString, document);
    QFETCH(QString, working);
    QFETCH(QString, absolute);
    QFETCH(QString, current);

    QCOMPARE(absoluteDocumentPath(document, working, style), absolute);
    QCOMPARE(chooserFoldersOf(absolute, style).current, current);
}

void TestLinkPathRules::listFolderAndJoin_data()
{
    QTest::addColumn<PathStyle>("style");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("listed");
    QTest::addColumn<QString>("joined"); // listed folder joined with "a.gif"

    QTest::newRow("windows bare drive shows its root") << W << "C:" << "C:\\" << "C:\\a.gif";
    QTest::newRow("windows drive root") << W << "C:\\" << "C:\\" << "C:\\a.gif";
    QTest::newRow("windows folder") << W << "C:\\web" << "C:\\web" << "C:\\web\\a.gif";
    QTest::newRow("windows three-character folder that is no root") << W << "abc" << "abc" << "abc\\a.gif";
    QTest::newRow("posix root") << P << "/" << "/" << "/a.gif";
    QTest::newRow("posix folder") << P << "/web" << "/web" << "/web/a.gif";
    QTest::newRow("posix three-character folder") << P << "/ab" << "/ab" << "/ab/a.gif";
}

void TestLinkPathRules::listFolderAndJoin()
{
    QFETCH(PathStyle, style);
    QFETCH(QString, folder);
    QFETCH(QString, listed);
    QFETCH(QString, joined);

    QCOMPARE(listFolderOf(folder, style), listed);
    QCOMPARE(joinFolder(listed, QStringLiteral("a.gif"), style), joined);
}

void TestLinkPathRules::linkRow_data()
{
    QTest::addColumn<PathStyle>("style");
    QTest::addColumn<QString>("document");
    QTest::addColumn<LinkRelation>("relation");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<QString>("listFolder"); // empty: the list is disabled
    QTest::addColumn<int>("focusBox");

    // Every box holds text, so a row that read a box of another relation would show it.
    const QStringList all{"t1.htm", "t2", "t3.htm", "t4.htm", "t5", "t6.gif", "//host/t7.htm"};
    auto with = [&](int box, const QString &text) {
        QStringList boxes = all;
        boxes[box] = text;
        return boxes;
    };

    struct Case {
        const char *name;
        QString windowsDocument;
        QString posixDocument;
        LinkRelation relation;
        QStringList boxes;
        QString link;
        QString enabled;
        QString windowsList;
        QString posixList;
        int focusBox;
    };
    const QString site = QStringLiteral("C:\\web\\site\\index.htm");
    const QString psite = QStringLiteral("/web/site/index.htm");
    const QString web = QStringLiteral("C:\\web\\index.htm");
    const QString pweb = QStringLiteral("/web/index.htm");
    const QString root = QStringLiteral("C:\\index.htm");
    const QString proot = QStringLiteral("/index.htm");
    const Case cases[] = {
        {"same folder", site, psite, LinkRelation::SameFolder, all, "t1.htm", "1000000",
         "C:\\web\\site", "/web/site", -1},
        {"same folder in a root lists the root", root, proot, LinkRelation::SameFolder, all, "t1.htm", "1000000",
         "C:\\", "/", -1},
        {"lower folder", site, psite, LinkRelation::LowerFolder, all, "t2/t3.htm", "0110000",
         "C:\\web\\site\\t2", "/web/site/t2", -1},
        {"lower folder from a root", root, proot, LinkRelation::LowerFolder, all, "t2/t3.htm", "0110000",
         "C:\\t2", "/t2", -1},
        {"lower folder empty: leading slash, list disabled", site, psite, LinkRelation::LowerFolder,
         with(1, "").replaceInStrings("t3.htm", "a.htm"), "/a.htm", "0110000", "", "", -1},
        {"lower folder with no file name", site, psite, LinkRelation::LowerFolder, with(2, ""), "t2/", "0110000",
         "C:\\web\\site\\t2", "/web/site/t2", -1},
        {"upper folder", site, psite, LinkRelation::UpperFolder, all, "../t4.htm", "0001000",
         "C:\\web", "/web", -1},
        {"upper folder is the drive root", web, pweb, LinkRelation::UpperFolder, all, "../t4.htm", "0001000",
         "C:\\", "/", -1},
        {"upper folder of a root: none to list", root, proot, LinkRelation::UpperFolder, all, "../t4.htm",
         "0001000", "", "", -1},
        {"sibling folder", site, psite, LinkRelation::SiblingFolder,
         with(4, "img").replaceInStrings("t6.gif", "b.gif"), "../img/b.gif", "0000110", "C:\\web\\img",
         "/web/img", -1},
        {"sibling folder under the drive root: no doubled backslash", web, pweb, LinkRelation::SiblingFolder,
         with(4, "img"), "../img/t6.gif", "0000110", "C:\\img", "/img", -1},
        {"sibling folder empty: two slashes, list disabled", site, psite, LinkRelation::SiblingFolder,
         with(4, "").replaceInStrings("t6.gif", "b.gif"), "..//b.gif", "0000110", "", "", -1},
        {"sibling folder of a root: none to list", root, proot, LinkRelation::SiblingFolder, all,
         "../t5/t6.gif", "0000110", "", "", -1},
        {"absolute address", site, psite, LinkRelation::Absolute, all, "http://host/t7.htm", "0000001", "", "", 6},
        {"absolute address empty: the bare scheme", site, psite, LinkRelation::Absolute, with(6, ""), "http:",
         "0000001", "", "", 6},
    };
    for (const Case &c : cases) {
        QTest::addRow("windows %s", c.name) << W << c.windowsDocument << c.relation << c.boxes << c.link
                                            << c.enabled << c.windowsList << c.focusBox;
        QTest::addRow("posix %s", c.name) << P << c.posixDocument << c.relation << c.boxes << c.link << c.enabled
                                          << c.posixList << c.focusBox;
    }
}

void TestLinkPathRules::linkRow()
{
    QFETCH(PathStyle, style);
    QFETCH(QString, document);
    QFETCH(LinkRelation, relation);
    QFETCH(QStringList, boxes);
    QFETCH(QString, link);
    QFETCH(QString, enabled);
    QFETCH(QString, listFolder);
    QFETCH(int, focusBox);

    const LinkRow row = linkRowFor(relation, boxesOf(boxes), chooserFoldersOf(document, style), style);
    QCOMPARE(row.link, link);
    QCOMPARE(enabledMask(row), enabled);
    QCOMPARE(row.listEnabled, !listFolder.isEmpty());
    if (row.listEnabled)
        QCOMPARE(row.listFolder, listFolder);
    QCOMPARE(row.focusBox, focusBox);
}

void TestLinkPathRules::namesAreUsedAsTyped_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("spaces around") << QStringLiteral("  a b.htm ");
    QTest::newRow("japanese") << QStringLiteral("日本語のページ.htm");
    QTest::newRow("markup and ampersand") << QStringLiteral("<a href=\"x\">&amp;");
    QTest::newRow("backslashes stay") << QStringLiteral("img\\a.gif");
    QTest::newRow("query and fragment") << QStringLiteral("a.htm?x=1#top");
}

void TestLinkPathRules::namesAreUsedAsTyped()
{
    QFETCH(QString, name);
    const ChooserFolders folders = chooserFoldersOf(QStringLiteral("/web/site/index.htm"), P);
    LinkBoxes boxes;
    boxes.fill(name);
    QCOMPARE(linkRowFor(LinkRelation::SameFolder, boxes, folders, P).link, name);
    QCOMPARE(linkRowFor(LinkRelation::LowerFolder, boxes, folders, P).link, name + "/" + name);
    QCOMPARE(linkRowFor(LinkRelation::UpperFolder, boxes, folders, P).link, "../" + name);
    QCOMPARE(linkRowFor(LinkRelation::SiblingFolder, boxes, folders, P).link, "../" + name + "/" + name);
    QCOMPARE(linkRowFor(LinkRelation::Absolute, boxes, folders, P).link, "http:" + name);
}

void TestLinkPathRules::fileBox()
{
    QCOMPARE(fileBoxOf(LinkRelation::SameFolder), 0);
    QCOMPARE(fileBoxOf(LinkRelation::LowerFolder), 2);
    QCOMPARE(fileBoxOf(LinkRelation::UpperFolder), 3);
    QCOMPARE(fileBoxOf(LinkRelation::SiblingFolder), 5);
    QCOMPARE(fileBoxOf(LinkRelation::Absolute), 6);
    QCOMPARE(initialLinkText(), QStringLiteral("default/default.gif"));
}

QTEST_APPLESS_MAIN(TestLinkPathRules)

#include "tst_linkpathrules.moc"
