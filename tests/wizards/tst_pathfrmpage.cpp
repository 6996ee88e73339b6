#include "browserview.h"
#include "chooserfixture.h"
#include "localpagescheme.h"

#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>

#include <memory>
#include <optional>

namespace {

constexpr int loadTimeout = 15000;

QString textOfElement(BrowserView &view, const QString &id)
{
    auto result = std::make_shared<std::optional<QString>>();
    view.page()->runJavaScript(
        QStringLiteral("(function(){ var e = document.getElementById('%1'); return e ? e.textContent : ''; })()")
            .arg(id),
        [result](const QVariant &value) { *result = value.toString(); });
    if (!QTest::qWaitFor([&] { return result->has_value(); }, loadTimeout))
        return QStringLiteral("<no answer from the page>");
    return **result;
}

bool shown(QDialog &d, const char *name)
{
    QWidget *view = d.findChild<QWidget *>(QLatin1String(name));
    return view && !view->isHidden();
}

// Selects a file and, for a page, waits until the preview has loaded it.
void select(QDialog &d, const QString &name, QSignalSpy *loaded = nullptr)
{
    auto *list = control<QListWidget>(d, "File1");
    const QList<QListWidgetItem *> found = list->findItems(name, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(name));
    list->setCurrentItem(found.first());
    if (loaded)
        QVERIFY(loaded->wait(loadTimeout));
}

} // namespace

class TestPathFrmPage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void pagesArePreviewedInTheBrowser();

private:
    ChooserFixture m_files;
};

void TestPathFrmPage::initTestCase()
{
    QVERIFY(m_files.build());
    // Shift_JIS with no declaration of its own: the preview recognises it.
    QVERIFY(ChooserFixture::write(m_files.site + "/sjis.html", "<p id=\"t\">\x82\xa0\x8a\xbf\x8e\x9a</p>"));
}

void TestPathFrmPage::pagesArePreviewedInTheBrowser()
{
    const ChooserRun run = runChooser(m_files.document, QString(), [&](QDialog &d) {
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        control<QCheckBox>(d, "Check1")->click();
        QVERIFY(!d.findChild<BrowserView *>("PreWeb")); // no engine until a page is shown

        // The first page preview brings the browser, so watch the view it creates.
        auto *list = control<QListWidget>(d, "File1");
        list->setCurrentItem(list->findItems(QStringLiteral("index.htm"), Qt::MatchExactly).value(0));
        auto *web = d.findChild<BrowserView *>("PreWeb");
        QVERIFY(web);
        QVERIFY(shown(d, "PreWeb") && !shown(d, "PreImg") && !shown(d, "PreTxt"));
        QCOMPARE(web->lastAddress(), m_files.document);
        QTRY_COMPARE_WITH_TIMEOUT(textOfElement(*web, "t"), QStringLiteral("index"), loadTimeout);

        QSignalSpy loaded(web, &QWebEngineView::loadFinished);
        select(d, "sjis.html", &loaded);
        QCOMPARE(textOfElement(*web, "t"), QStringLiteral("あ漢字"));

        // Upper case is no page: text, and the browser steps aside.
        select(d, "PAGE.HTM");
        QVERIFY(!shown(d, "PreWeb") && shown(d, "PreTxt"));
        select(d, "index.htm");
        QVERIFY(shown(d, "PreWeb") && !shown(d, "PreTxt"));
        QCOMPARE(d.findChildren<BrowserView *>().size(), 1);

        control<QCheckBox>(d, "Check1")->click();
        QVERIFY(!shown(d, "PreWeb"));
        control<QPushButton>(d, "Command2")->click();
    });
    QVERIFY(!QTest::currentTestFailed());
    QCOMPARE(run.chosenPath, QStringLiteral("default/default.gif"));
    QCOMPARE(run.unexpected, QStringList());
}

int main(int argc, char *argv[])
{
    LocalPageScheme::registerScheme(); // the engine takes schemes only before it starts
    QApplication app(argc, argv);
    TestPathFrmPage test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pathfrmpage.moc"
