#include "browserview.h"
#include "localpagescheme.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>

#include <sys/stat.h>

#include <functional>
#include <memory>
#include <optional>

namespace {

constexpr int loadTimeout = 15000;

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The result of a script run in the shown page.
QVariant evalJs(BrowserView &view, const QString &script)
{
    auto result = std::make_shared<std::optional<QVariant>>();
    view.page()->runJavaScript(script, [result](const QVariant &value) { *result = value; });
    if (!QTest::qWaitFor([&] { return result->has_value(); }, loadTimeout))
        return QStringLiteral("<no answer from the page>");
    return **result;
}

QString textOf(BrowserView &view, const QString &id)
{
    return evalJs(view, QStringLiteral("(function(){ var e = document.getElementById('%1');"
                                       " return e ? e.textContent : '<no element>'; })()")
                            .arg(id))
        .toString();
}

// Starts a navigation and waits for its page to finish loading.
bool loads(BrowserView &view, const std::function<void()> &navigate)
{
    QSignalSpy finished(&view, &QWebEngineView::loadFinished);
    navigate();
    return finished.wait(loadTimeout) && finished.last().at(0).toBool();
}

// A shown pane, as in the program: the engine does not lay out hidden views.
struct Pane {
    BrowserView view;
    Pane()
    {
        view.resize(640, 480);
        view.show();
    }
};

// A page with a relative picture, style sheet and frame; "x" in bold shows it is read as
// HTML. No <html> tag, so sniffing the content would take it for plain text.
const QByteArray pageWithResources =
    "<link rel=\"stylesheet\" href=\"style.css\">"
    "<b>x</b><img id=\"pic\" src=\"pic.png\"><p id=\"styled\">s</p>"
    "<iframe id=\"frame\" src=\"sub/frame.htm\"></iframe>";

} // namespace

class TestBrowserView : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void urlRoundTrip_data();
    void urlRoundTrip();
    void pathForUrlIgnoresOtherAddresses();

    void relativeAddresses_data();
    void relativeAddresses();
    void charset_data();
    void charset();
    void showsTheCurrentBytesOnEachNavigation();
    void panesShowTheirOwnPagesAtOnce();
    void aboutBlankIsAnEmptyPage();
    void aboutPageLargerThanSetHtmlAllows();

    void newWindowsAreRefused_data();
    void newWindowsAreRefused();
    void failedNavigation_data();
    void failedNavigation();
    void navigationCutShortIsNoFailure();
    void goBack();
    void printsToPdf();

private:
    QString inPages(const QString &name) const { return m_pages + QLatin1Char('/') + name; }

    QTemporaryDir m_root;
    QString m_pages; // a folder whose name needs escaping in a URL
};

void TestBrowserView::initTestCase()
{
    QVERIFY(m_root.isValid());
    m_pages = m_root.filePath(QStringLiteral("a #?%$ 日本 [x] \\ b"));
    QVERIFY(QDir().mkpath(m_pages + QStringLiteral("/sub")));

    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(inPages(QStringLiteral("pic.png")), "PNG"));
    writeFile(inPages(QStringLiteral("style.css")), "#styled { color: rgb(1, 2, 3); }");
    writeFile(inPages(QStringLiteral("sub/frame.htm")), "<p id=\"f\">frame</p>");
    writeFile(inPages(QStringLiteral("page.htm$.tmp")), pageWithResources);
    writeFile(inPages(QStringLiteral("other.htm")), "<p id=\"t\">other</p>");
}

void TestBrowserView::urlRoundTrip_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("preview file") << QStringLiteral("/home/u/a.htm$.tmp");
    QTest::newRow("spaces") << QStringLiteral("/home/u/my pages/a b.htm");
    QTest::newRow("hash") << QStringLiteral("/tmp/#1/a#b.htm");
    QTest::newRow("question mark") << QStringLiteral("/tmp/q?/a?x=1.htm");
    QTest::newRow("percent") << QStringLiteral("/tmp/100%/a%2.htm");
    QTest::newRow("percent escape look-alike") << QStringLiteral("/tmp/a%20b%E3%81%82.htm");
    QTest::newRow("dollar") << QStringLiteral("/tmp/$HOME/a$.tmp");
    QTest::newRow("japanese") << QStringLiteral("/home/ユーザー/日本語 ファイル.htm");
    QTest::newRow("punctuation") << QStringLiteral("/tmp/a;b&c=d+e~f'g\"h[i]{j}|k^l`m@n!o,p.htm");
    QTest::newRow("backslash") << QStringLiteral("/tmp/a\\b/c.htm");
}

void TestBrowserView::urlRoundTrip()
{
    QFETCH(QString, path);
    const QUrl url = LocalPageScheme::urlForPath(path);
    QVERIFY(url.isValid());
    QCOMPARE(url.scheme(), QStringLiteral("vqfile"));
    QCOMPARE(url.host(), QStringLiteral("local"));
    QVERIFY(!url.hasQuery());
    QVERIFY(!url.hasFragment());
    QCOMPARE(LocalPageScheme::pathForUrl(url), path);
    // The engine hands the address back as encoded text.
    QCOMPARE(LocalPageScheme::pathForUrl(QUrl(QString::fromLatin1(url.toEncoded()))), path);
    // A relative reference in the page lands next to the file.
    const QString folder = path.left(path.lastIndexOf(QLatin1Char('/')));
    QCOMPARE(LocalPageScheme::pathForUrl(url.resolved(QUrl(QStringLiteral("pic.png")))),
             folder + QStringLiteral("/pic.png"));
}

void TestBrowserView::pathForUrlIgnoresOtherAddresses()
{
    QCOMPARE(LocalPageScheme::pathForUrl(QUrl(QStringLiteral("file:///etc/hosts"))), QString());
    QCOMPARE(LocalPageScheme::pathForUrl(QUrl(QStringLiteral("vqfile://elsewhere/etc/hosts"))), QString());
    QCOMPARE(LocalPageScheme::pathForUrl(QUrl(QStringLiteral("about:blank"))), QString());
}

void TestBrowserView::relativeAddresses_data()
{
    QTest::addColumn<QString>("route");
    QTest::addColumn<bool>("resolves");
    QTest::newRow("file ending in .tmp") << QStringLiteral("file") << true;
    QTest::newRow("bytes at a file's address") << QStringLiteral("content") << true;
    QTest::newRow("about: text") << QStringLiteral("about") << false;
}

void TestBrowserView::relativeAddresses()
{
    QFETCH(QString, route);
    QFETCH(bool, resolves);

    Pane pane;
    QSignalSpy failed(&pane.view, &BrowserView::navigationFailed);
    QString address;
    QVERIFY(loads(pane.view, [&] {
        if (route == QLatin1String("file")) {
            address = inPages(QStringLiteral("page.htm$.tmp"));
            pane.view.navigate(address);
        } else if (route == QLatin1String("content")) {
            // No such file: the bytes stand in for a preview file that could not be written.
            address = inPages(QStringLiteral("unwritten.htm$.tmp"));
            pane.view.navigateFileContent(address, pageWithResources, "UTF-8");
        } else {
            address = QStringLiteral("about:") + QString::fromUtf8(pageWithResources);
            pane.view.navigate(address);
        }
    }));
    QCOMPARE(pane.view.lastAddress(), address);

    const QVariantMap seen = evalJs(pane.view, QStringLiteral(R"((function() {
        var b = document.querySelector('b');
        var frame = '';
        try {
            var doc = document.getElementById('frame').contentDocument;
            var f = doc && doc.getElementById('f');
            frame = f ? f.textContent : '';
        } catch (e) {}
        return { bold: b ? b.textContent : '',
                 pic: document.getElementById('pic').naturalWidth,
                 css: getComputedStyle(document.getElementById('styled')).color,
                 frame: frame };
    })())")).toMap();

    QCOMPARE(seen.value(QStringLiteral("bold")).toString(), QStringLiteral("x"));
    QCOMPARE(seen.value(QStringLiteral("pic")).toInt(), resolves ? 3 : 0);
    QCOMPARE(seen.value(QStringLiteral("css")).toString() == QLatin1String("rgb(1, 2, 3)"), resolves);
    QCOMPARE(seen.value(QStringLiteral("frame")).toString(), resolves ? QStringLiteral("frame") : QString());
    // A picture that does not load is no failed navigation.
    QCOMPARE(failed.count(), 0);
}

void TestBrowserView::charset_data()
{
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("charset");
    QTest::addColumn<bool>("fromMemory");

    const QByteArray sjis = "\x82\xa0\x8a\xbf\x8e\x9a"; // あ漢字
    const QByteArray eucJp = "\xa4\xa2\xb4\xc1\xbb\xfa";
    const QByteArray utf8 = QStringLiteral("あ漢字").toUtf8();
    QTest::newRow("Shift_JIS") << QByteArray() << sjis << QByteArray("Shift_JIS") << false;
    QTest::newRow("EUC-JP") << QByteArray() << eucJp << QByteArray("EUC-JP") << false;
    QTest::newRow("UTF-8 declared") << QByteArray() << utf8 << QByteArray("UTF-8") << false;
    QTest::newRow("none declared: default encoding") << QByteArray() << utf8 << QByteArray() << false;
    QTest::newRow("charset beats the page's own meta")
        << QByteArray("<meta charset=\"UTF-8\">") << sjis << QByteArray("Shift_JIS") << false;
    QTest::newRow("Shift_JIS bytes from memory") << QByteArray() << sjis << QByteArray("Shift_JIS") << true;
    QTest::newRow("none declared from memory") << QByteArray() << utf8 << QByteArray() << true;
}

void TestBrowserView::charset()
{
    QFETCH(QByteArray, head);
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, charset);
    QFETCH(bool, fromMemory);

    const QByteArray page = "<html><head>" + head + "</head><body><p id=\"t\">" + text + "</p></body></html>";
    const QString path = inPages(QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".tmp"));
    Pane pane;
    if (fromMemory) {
        QVERIFY(loads(pane.view, [&] { pane.view.navigateFileContent(path, page, charset); }));
    } else {
        writeFile(path, page);
        QVERIFY(loads(pane.view, [&] { pane.view.navigateFile(path, charset); }));
    }
    QCOMPARE(pane.view.lastAddress(), path);
    QCOMPARE(textOf(pane.view, QStringLiteral("t")), QStringLiteral("あ漢字"));
}

void TestBrowserView::showsTheCurrentBytesOnEachNavigation()
{
    // The preview rewrites one file and shows it again at the same address.
    const QString path = inPages(QStringLiteral("again.htm$.tmp"));
    Pane pane;
    writeFile(path, "<p id=\"t\">one</p>");
    QVERIFY(loads(pane.view, [&] { pane.view.navigate(path); }));
    QCOMPARE(textOf(pane.view, QStringLiteral("t")), QStringLiteral("one"));

    writeFile(path, "<p id=\"t\">two</p>");
    QVERIFY(loads(pane.view, [&] { pane.view.navigate(path); }));
    QCOMPARE(textOf(pane.view, QStringLiteral("t")), QStringLiteral("two"));

    QVERIFY(loads(pane.view, [&] { pane.view.navigateFileContent(path, "<p id=\"t\">memory</p>", {}); }));
    QCOMPARE(textOf(pane.view, QStringLiteral("t")), QStringLiteral("memory"));

    // Navigating to the file again drops the bytes given before.
    QVERIFY(loads(pane.view, [&] { pane.view.navigate(path); }));
    QCOMPARE(textOf(pane.view, QStringLiteral("t")), QStringLiteral("two"));
}

void TestBrowserView::panesShowTheirOwnPagesAtOnce()
{
    const QString sjisPath = inPages(QStringLiteral("pane1.tmp"));
    writeFile(sjisPath, "<p id=\"t\">\x82\xa0</p>");
    Pane first;
    Pane second;
    QVERIFY(loads(first.view, [&] { first.view.navigateFile(sjisPath, "Shift_JIS"); }));
    QVERIFY(loads(second.view, [&] { second.view.navigate(inPages(QStringLiteral("page.htm$.tmp"))); }));
    QCOMPARE(evalJs(second.view, QStringLiteral("document.getElementById('pic').naturalWidth")).toInt(), 3);
    QVERIFY(loads(first.view, [&] { first.view.page()->triggerAction(QWebEnginePage::Reload); }));
    QCOMPARE(textOf(first.view, QStringLiteral("t")), QStringLiteral("あ"));
}

void TestBrowserView::aboutBlankIsAnEmptyPage()
{
    Pane pane;
    QVERIFY(loads(pane.view, [&] { pane.view.navigate(inPages(QStringLiteral("other.htm"))); }));
    QVERIFY(loads(pane.view, [&] { pane.view.navigate(QStringLiteral("about:blank")); }));
    QCOMPARE(pane.view.url(), QUrl(QStringLiteral("about:blank")));
    QCOMPARE(pane.view.lastAddress(), QStringLiteral("about:blank"));
    QCOMPARE(evalJs(pane.view, QStringLiteral("document.body ? document.body.innerHTML : ''")).toString(), QString());
}

void TestBrowserView::aboutPageLargerThanSetHtmlAllows()
{
    const QString address = QStringLiteral("about:<html><body><div>")
                            + QString(3 * 1024 * 1024, QLatin1Char('x'))
                            + QStringLiteral("</div><p id=\"t\">終わり</p></body></html>");
    Pane pane;
    QVERIFY(loads(pane.view, [&] { pane.view.navigate(address); }));
    QCOMPARE(textOf(pane.view, QStringLiteral("t")), QStringLiteral("終わり"));
    QCOMPARE(pane.view.lastAddress(), address);
}

void TestBrowserView::newWindowsAreRefused_data()
{
    QTest::addColumn<QString>("script");
    QTest::newRow("link with target=_blank") << QStringLiteral("document.getElementById('a').click()");
    QTest::newRow("window.open") << QStringLiteral("window.open('other.htm')");
}

void TestBrowserView::newWindowsAreRefused()
{
    QFETCH(QString, script);
    const QString path = inPages(QStringLiteral("opener.htm$.tmp"));
    writeFile(path, "<p id=\"t\">opener</p><a id=\"a\" href=\"other.htm\" target=\"_blank\">other</a>");

    Pane pane;
    QVERIFY(loads(pane.view, [&] { pane.view.navigate(path); }));
    const QUrl shown = pane.view.url();
    const qsizetype windows = QApplication::topLevelWidgets().size();

    QSignalSpy refused(&pane.view, &BrowserView::newWindowRefused);
    QSignalSpy started(&pane.view, &QWebEngineView::loadStarted);
    evalJs(pane.view, script);
    QTRY_COMPARE_WITH_TIMEOUT(refused.count(), 1, loadTimeout);
    // Neither a new window nor the link followed in this one.
    QVERIFY(!started.wait(500));
    QCOMPARE(refused.count(), 1);
    QCOMPARE(QApplication::topLevelWidgets().size(), windows);
    QCOMPARE(pane.view.url(), shown);
    QCOMPARE(textOf(pane.view, QStringLiteral("t")), QStringLiteral("opener"));
}

void TestBrowserView::failedNavigation_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    QTest::newRow("missing file") << QStringLiteral("missing.htm") << QStringLiteral("missing");
    QTest::newRow("unreadable file") << QStringLiteral("locked.htm") << QStringLiteral("unreadable");
    QTest::newRow("folder") << QStringLiteral("sub") << QStringLiteral("folder");
    // Opening a pipe with no writer would hang the program.
    QTest::newRow("named pipe") << QStringLiteral("pipe.htm") << QStringLiteral("pipe");
}

void TestBrowserView::failedNavigation()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    const QString path = inPages(name);
    if (kind == QLatin1String("unreadable")) {
        writeFile(path, "<p>locked</p>");
        QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
        QFile probe(path);
        if (probe.open(QIODevice::ReadOnly))
            QSKIP("Running with rights that read any file");
    } else if (kind == QLatin1String("pipe")) {
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    }

    Pane pane;
    QSignalSpy failed(&pane.view, &BrowserView::navigationFailed);
    QSignalSpy finished(&pane.view, &QWebEngineView::loadFinished);
    pane.view.navigate(path);
    QVERIFY(failed.wait(loadTimeout));
    QTRY_VERIFY_WITH_TIMEOUT(!finished.isEmpty(), loadTimeout);
    QCOMPARE(failed.count(), 1);
    QCOMPARE(failed.first().at(0).toString(), path);
    QCOMPARE(pane.view.lastAddress(), path);
}

void TestBrowserView::navigationCutShortIsNoFailure()
{
    Pane pane;
    QSignalSpy failed(&pane.view, &BrowserView::navigationFailed);
    QSignalSpy started(&pane.view, &QWebEngineView::loadStarted);
    // The first page is still coming in when the next navigation starts.
    pane.view.navigate(QStringLiteral("about:<p>") + QString(8 * 1024 * 1024, QLatin1Char('x')));
    QVERIFY(started.wait(loadTimeout));
    pane.view.navigate(inPages(QStringLiteral("other.htm")));
    QTRY_COMPARE_WITH_TIMEOUT(textOf(pane.view, QStringLiteral("t")), QStringLiteral("other"), loadTimeout);
    QCOMPARE(failed.count(), 0);
}

void TestBrowserView::goBack()
{
    Pane pane;
    QSignalSpy started(&pane.view, &QWebEngineView::loadStarted);
    pane.view.goBack(); // nothing to go back to
    QVERIFY(!started.wait(300));

    const QString first = inPages(QStringLiteral("page.htm$.tmp"));
    QVERIFY(loads(pane.view, [&] { pane.view.navigate(first); }));
    started.clear();
    pane.view.goBack(); // still nothing before the first page
    QVERIFY(!started.wait(300));
    QCOMPARE(pane.view.url(), LocalPageScheme::urlForPath(first));

    QVERIFY(loads(pane.view, [&] { pane.view.navigate(QStringLiteral("about:<p id=\"t\">second</p>")); }));
    QVERIFY(loads(pane.view, [&] { pane.view.goBack(); }));
    QCOMPARE(pane.view.url(), LocalPageScheme::urlForPath(first));
    QCOMPARE(evalJs(pane.view, QStringLiteral("document.querySelector('b').textContent")).toString(),
             QStringLiteral("x"));
}

void TestBrowserView::printsToPdf()
{
    Pane pane;
    QVERIFY(loads(pane.view, [&] { pane.view.navigate(inPages(QStringLiteral("page.htm$.tmp"))); }));

    const QString pdf = m_root.filePath(QStringLiteral("printed.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QSignalSpy finished(&pane.view, &QWebEngineView::printFinished);
    pane.view.printPage(&printer);
    QVERIFY(finished.wait(30000));
    QVERIFY(finished.first().at(0).toBool());

    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.size() > 0);
    QVERIFY(file.read(5) == "%PDF-");
}

int main(int argc, char *argv[])
{
    LocalPageScheme::registerScheme(); // the engine takes schemes only before it starts
    QApplication app(argc, argv);
    TestBrowserView test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_browserview.moc"
