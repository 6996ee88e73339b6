#include "chooserfixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

using Boxes = QList<QPair<int, QString>>; // box number 1 to 7 and its text, typed in this order

QLineEdit *box(QDialog &d, int number)
{
    return control<QLineEdit>(d, QStringLiteral("Text%1").arg(number));
}

QString enabledBoxes(QDialog &d)
{
    QString mask;
    for (int number = 1; number <= 7; ++number)
        mask += box(d, number)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    return mask;
}

QStringList listed(QDialog &d)
{
    QStringList names;
    auto *list = control<QListWidget>(d, "File1");
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    return names;
}

void select(QDialog &d, const QString &name)
{
    auto *list = control<QListWidget>(d, "File1");
    const QList<QListWidgetItem *> found = list->findItems(name, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(name));
    list->setCurrentItem(found.first());
}

// Shows the dialog, so the list has a layout to double-click in.
void doubleClick(QDialog &d, const QString &name)
{
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    auto *list = control<QListWidget>(d, "File1");
    const QList<QListWidgetItem *> found = list->findItems(name, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(name));
    list->scrollToItem(found.first());
    // A real double-click starts with a click; the view acts only on a pressed item.
    const QPoint where = list->visualItemRect(found.first()).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, where);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, where);
}

void type(QDialog &d, const Boxes &boxes)
{
    for (const auto &[number, text] : boxes)
        box(d, number)->setText(text);
}

QString sizeLineOf(const QString &kilobytes)
{
    return QStringLiteral("ﾌｧｲﾙｻｲｽﾞ＝\r\n") + kilobytes + QStringLiteral("ｷﾛﾊﾞｲﾄ");
}

bool previewShown(QDialog &d, const QString &name)
{
    QWidget *view = d.findChild<QWidget *>(name);
    return view && !view->isHidden();
}

QString shownPreviews(QDialog &d)
{
    QStringList shown;
    for (const char *name : {"PreWeb", "PreImg", "PreTxt"}) {
        if (previewShown(d, QLatin1String(name)))
            shown << QLatin1String(name);
    }
    return shown.join(QLatin1Char(' '));
}

} // namespace

class TestPathFrm : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void openingState();
    void relations_data();
    void relations();
    void buttons_data();
    void buttons();
    void ampersandInAName();
    void doubleClickCopiesTheName_data();
    void doubleClickCopiesTheName();
    void filters_data();
    void filters();
    void sizeLines_data();
    void sizeLines();
    void previews_data();
    void previews();
    void previewFollowsTheRecomputation();
    void unreadableFile();
    void awkwardDocuments_data();
    void awkwardDocuments();

private:
    ChooserFixture m_files;
    QString m_startFolder;
};

void TestPathFrm::initTestCase()
{
    QVERIFY(m_files.build());
    m_startFolder = QDir::currentPath();
}

void TestPathFrm::cleanup()
{
    QDir::setCurrent(m_startFolder);
}

void TestPathFrm::openingState()
{
    const ChooserRun run = runChooser(m_files.document, QStringLiteral("previous"), [&](QDialog &d) {
        QCOMPARE(d.objectName(), QStringLiteral("PathFrm"));
        QCOMPARE(d.windowTitle(), QStringLiteral("パス名"));
        const QStringList options{"Option1", "Option2", "Option3", "Option4", "Option5"};
        const QStringList captions{"同じﾃﾞｨﾚｸﾄﾘ内　　  ﾌｧｲﾙ名：", "下層ﾃﾞｨﾚｸﾄﾘ内　ﾃﾞｨﾚｸﾄﾘ名：",
                                   "上層ﾃﾞｨﾚｸﾄﾘ内　　 ﾌｧｲﾙ名：", "同階層ﾃﾞｨﾚｸﾄﾘ内 ﾃﾞｨﾚｸﾄﾘ名：", "絶対パス"};
        for (int i = 0; i < options.size(); ++i) {
            auto *option = control<QRadioButton>(d, options[i]);
            QCOMPARE(option->text(), captions[i]);
            QCOMPARE(option->isChecked(), i == 0);
            QVERIFY(option->isEnabled());
        }
        QCOMPARE(control<QRadioButton>(d, "Option6(0)")->text(), QStringLiteral("すべてのﾌｧｲﾙ"));
        QCOMPARE(control<QRadioButton>(d, "Option6(1)")->text(), QStringLiteral("画像ﾌｧｲﾙ"));
        QCOMPARE(control<QRadioButton>(d, "Option6(2)")->text(), QStringLiteral("HTMLﾌｧｲﾙ"));
        QVERIFY(control<QRadioButton>(d, "Option6(0)")->isChecked());
        QCOMPARE(control<QCheckBox>(d, "Check1")->text(), QStringLiteral("プレビュー"));
        QVERIFY(!control<QCheckBox>(d, "Check1")->isChecked());
        QCOMPARE(shownPreviews(d), QString());
        for (int number = 1; number <= 7; ++number)
            QCOMPARE(box(d, number)->text(), QString());
        QCOMPARE(enabledBoxes(d), QStringLiteral("1111111"));
        QCOMPARE(control<QLabel>(d, "Label1")->text(), QStringLiteral("ﾌｧｲﾙ名："));
        QCOMPARE(control<QLabel>(d, "Label3")->text(), QStringLiteral("ﾌｧｲﾙ名："));
        QCOMPARE(control<QLabel>(d, "Label4")->text(),
                 QStringLiteral("ﾌｧｲﾙ一覧からﾀﾞﾌﾞﾙｸﾘｯｸすると、ﾌｧｲﾙ名に入力することが出来ます。"));
        QCOMPARE(control<QLabel>(d, "Label2")->text(), QStringLiteral("現在ディレクトリ=") + m_files.site);
        QCOMPARE(control<QLabel>(d, "Label5")->text(), QStringLiteral("上層ディレクトリ=") + m_files.docs);
        // The first file's size, with nothing selected yet.
        QCOMPARE(control<QLabel>(d, "Label6")->text(), sizeLineOf("0.351"));
        auto *list = control<QListWidget>(d, "File1");
        QCOMPARE(listed(d), ChooserFixture::siteFiles());
        QVERIFY(list->isEnabled());
        QCOMPARE(list->currentRow(), -1);
        QCOMPARE(control<QPushButton>(d, "Cancel")->text(), QStringLiteral("キャンセル"));
        QCOMPARE(control<QPushButton>(d, "Command2")->text(), QStringLiteral("default/default.gif"));
        control<QPushButton>(d, "Command2")->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
    });
    QVERIFY(!QTest::currentTestFailed());
    QCOMPARE(run.chosenPath, QStringLiteral("default/default.gif"));
    QCOMPARE(run.asked, 1);
    QCOMPARE(run.unexpected, QStringList());
}

void TestPathFrm::relations_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<Boxes>("boxes");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("enabled");
    QTest::addColumn<QStringList>("files"); // empty: the list is disabled

    const QStringList site = ChooserFixture::siteFiles();
    QTest::newRow("same folder") << "Option1" << Boxes{{1, "index.htm"}} << "index.htm" << "1000000" << site;
    QTest::newRow("lower folder") << "Option2" << Boxes{{2, "img"}, {3, "b.jpg"}} << "img/b.jpg" << "0110000"
                                  << QStringList{"b.jpg"};
    QTest::newRow("lower folder empty: leading slash") << "Option2" << Boxes{{3, "a.htm"}} << "/a.htm" << "0110000"
                                                       << QStringList();
    QTest::newRow("lower folder that does not exist")
        << "Option2" << Boxes{{2, "nosuch"}, {3, "x.htm"}} << "nosuch/x.htm" << "0110000" << QStringList();
    QTest::newRow("lower folder with no files") << "Option2" << Boxes{{2, "empty"}} << "empty/" << "0110000"
                                                << QStringList();
    QTest::newRow("upper folder") << "Option3" << Boxes{{4, "up.htm"}} << "../up.htm" << "0001000"
                                  << QStringList{"up.htm"};
    QTest::newRow("sibling folder") << "Option4" << Boxes{{5, "img"}, {6, "x.jpg"}} << "../img/x.jpg" << "0000110"
                                    << QStringList{"x.jpg"};
    QTest::newRow("sibling folder empty: two slashes")
        << "Option4" << Boxes{{6, "b.gif"}} << "..//b.gif" << "0000110" << QStringList();
    QTest::newRow("absolute address") << "Option5" << Boxes{{7, "//example.com/a.htm"}}
                                      << "http://example.com/a.htm" << "0000001" << QStringList();
    QTest::newRow("absolute address empty") << "Option5" << Boxes{} << "http:" << "0000001" << QStringList();
}

void TestPathFrm::relations()
{
    QFETCH(QString, option);
    QFETCH(Boxes, boxes);
    QFETCH(QString, link);
    QFETCH(QString, enabled);
    QFETCH(QStringList, files);

    const ChooserRun run = runChooser(m_files.document, QString(), [&](QDialog &d) {
        control<QRadioButton>(d, option)->click();
        type(d, boxes);
        QCOMPARE(control<QPushButton>(d, "Command2")->text(), link);
        QCOMPARE(enabledBoxes(d), enabled);
        auto *list = control<QListWidget>(d, "File1");
        QCOMPARE(list->isEnabled(), !files.isEmpty());
        if (!files.isEmpty()) {
            QCOMPARE(listed(d), files);
            QCOMPARE(list->currentRow(), 0);
        }
        control<QPushButton>(d, "Command2")->click();
    });
    QVERIFY(!QTest::currentTestFailed());
    QCOMPARE(run.chosenPath, link);
    QCOMPARE(run.unexpected, QStringList());
}

void TestPathFrm::buttons_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("chosen");

    QTest::newRow("result button") << "Command2" << "page.htm";
    QTest::newRow("cancel empties") << "Cancel" << "";
    QTest::newRow("close box keeps the previous path") << "close" << "previous";
    QTest::newRow("escape keeps the previous path") << "escape" << "previous";
    // Enter in a name box hands nothing over.
    QTest::newRow("enter then close box") << "enter" << "previous";
}

void TestPathFrm::buttons()
{
    QFETCH(QString, action);
    QFETCH(QString, chosen);

    const ChooserRun run = runChooser(m_files.document, QStringLiteral("previous"), [&](QDialog &d) {
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        box(d, 1)->setText(QStringLiteral("page.htm"));
        if (action == QLatin1String("close")) {
            d.close();
        } else if (action == QLatin1String("escape")) {
            QTest::keyClick(box(d, 1), Qt::Key_Escape);
        } else if (action == QLatin1String("enter")) {
            box(d, 1)->setFocus();
            QTest::keyClick(box(d, 1), Qt::Key_Return);
            QVERIFY(d.isVisible());
            d.close();
        } else {
            control<QPushButton>(d, action)->click();
        }
        QVERIFY(!d.isVisible());
    });
    QVERIFY(!QTest::currentTestFailed());
    QCOMPARE(run.chosenPath, chosen);
}

void TestPathFrm::ampersandInAName()
{
    const ChooserRun run = runChooser(m_files.document, QString(), [&](QDialog &d) {
        box(d, 1)->setText(QStringLiteral("Q&A.htm"));
        // Doubled only for display, so the caption shows the name and no mnemonic.
        QCOMPARE(control<QPushButton>(d, "Command2")->text(), QStringLiteral("Q&&A.htm"));
        control<QPushButton>(d, "Command2")->click();
    });
    QVERIFY(!QTest::currentTestFailed());
    QCOMPARE(run.chosenPath, QStringLiteral("Q&A.htm"));
}

void TestPathFrm::doubleClickCopiesTheName_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<Boxes>("folder");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("link");

    QTest::newRow("same folder") << "Option1" << Boxes{} << "photo.jpg" << 1 << "photo.jpg";
    QTest::newRow("lower folder") << "Option2" << Boxes{{2, "img"}} << "b.jpg" << 3 << "img/b.jpg";
    QTest::newRow("upper folder") << "Option3" << Boxes{} << "up.htm" << 4 << "../up.htm";
    QTest::newRow("sibling folder") << "Option4" << Boxes{{5, "img"}} << "x.jpg" << 6 << "../img/x.jpg";
}

void TestPathFrm::doubleClickCopiesTheName()
{
    QFETCH(QString, option);
    QFETCH(Boxes, folder);
    QFETCH(QString, file);
    QFETCH(int, target);
    QFETCH(QString, link);

    const ChooserRun run = runChooser(m_files.document, QString(), [&](QDialog &d) {
        control<QRadioButton>(d, option)->click();
        type(d, folder);
        doubleClick(d, file);
        QCOMPARE(box(d, target)->text(), file);
        QCOMPARE(control<QPushButton>(d, "Command2")->text(), link);
        // The recomputation selects the first entry again.
        QCOMPARE(control<QListWidget>(d, "File1")->currentRow(), 0);
        control<QPushButton>(d, "Command2")->click();
    });
    QVERIFY(!QTest::currentTestFailed());
    QCOMPARE(run.chosenPath, link);
}

void TestPathFrm::filters_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QStringList>("files");

    QTest::newRow("pictures") << 1 << QStringList{"broken.jpg", "photo.jpg"};
    QTest::newRow("pages") << 2 << QStringList{"index.htm", "PAGE.HTM"};
    QTest::newRow("all files") << 0 << ChooserFixture::siteFiles();
}

void TestPathFrm::filters()
{
    QFETCH(int, entry);
    QFETCH(QStringList, files);

    runChooser(m_files.document, QString(), [&](QDialog &d) {
        control<QRadioButton>(d, QStringLiteral("Option6(%1)").arg(entry == 0 ? 2 : 0))->click();
        control<QRadioButton>(d, QStringLiteral("Option6(%1)").arg(entry))->click();
        QCOMPARE(listed(d), files);
        // The click also recomputes: the caption leaves its opening text.
        QCOMPARE(control<QPushButton>(d, "Command2")->text(), QString());
        QCOMPARE(control<QListWidget>(d, "File1")->currentRow(), 0);

        // The filter holds for the other folders too.
        control<QRadioButton>(d, "Option2")->click();
        box(d, 2)->setText(QStringLiteral("img"));
        QCOMPARE(listed(d), entry == 2 ? QStringList() : QStringList{"b.jpg"});
        QCOMPARE(control<QListWidget>(d, "File1")->isEnabled(), entry != 2);
        d.close();
    });
    QVERIFY(!QTest::currentTestFailed());
}

void TestPathFrm::sizeLines_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("kilobytes");

    QTest::newRow("12,000 bytes") << "twelve.dat" << "12.";
    QTest::newRow("3 GB sparse file") << "big.img" << "3,000,000.";
    QTest::newRow("40 lines") << "a.txt" << "0.351";
}

void TestPathFrm::sizeLines()
{
    QFETCH(QString, file);
    QFETCH(QString, kilobytes);

    runChooser(m_files.document, QString(), [&](QDialog &d) {
        select(d, file);
        QCOMPARE(control<QLabel>(d, "Label6")->text(), sizeLineOf(kilobytes));
        d.close();
    });
    QVERIFY(!QTest::currentTestFailed());
}

void TestPathFrm::previews_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("text");      // PreTxt
    QTest::addColumn<QSize>("pictureSize"); // PreImg; empty: no picture

    QStringList fifteen;
    for (int i = 1; i <= 15; ++i)
        fifteen << QStringLiteral("line %1").arg(i);
    QTest::newRow("text file: first 15 of 40 lines") << "a.txt" << "PreTxt" << fifteen.join('\n') << QSize();
    QTest::newRow("upper case page is text") << "PAGE.HTM" << "PreTxt" << "<p>upper case</p>" << QSize();
    QTest::newRow("one long line") << "twelve.dat" << "PreTxt" << QString(12000, 'x') << QSize();
    QTest::newRow("3 GB of zero bytes") << "big.img" << "PreTxt" << "" << QSize();
    QTest::newRow("jpg") << "photo.jpg" << "PreImg" << "" << QSize(40, 30);
    QTest::newRow("bmp") << "pic.bmp" << "PreImg" << "" << QSize(40, 30);
    QTest::newRow("not a picture") << "broken.jpg" << "PreImg" << "" << QSize();
}

void TestPathFrm::previews()
{
    QFETCH(QString, file);
    QFETCH(QString, shown);
    QFETCH(QString, text);
    QFETCH(QSize, pictureSize);

    const ChooserRun run = runChooser(m_files.document, QString(), [&](QDialog &d) {
        auto *preview = control<QCheckBox>(d, "Check1");
        // Nothing is selected yet, so there is nothing to preview.
        preview->click();
        QCOMPARE(shownPreviews(d), QString());

        QElapsedTimer timer;
        timer.start();
        select(d, file);
        QVERIFY2(timer.elapsed() < 2000, "the preview read too much");
        QCOMPARE(shownPreviews(d), shown);
        if (shown == QLatin1String("PreTxt"))
            QCOMPARE(control<QPlainTextEdit>(d, "PreTxt")->toPlainText(), text);
        const QPixmap picture = control<QLabel>(d, "PreImg")->pixmap();
        if (shown == QLatin1String("PreImg"))
            QCOMPARE(picture.isNull() ? QSize() : picture.size(), pictureSize);

        preview->click();
        QCOMPARE(shownPreviews(d), QString());
        preview->click(); // shows the current selection again
        QCOMPARE(shownPreviews(d), shown);
        d.close();
    });
    QVERIFY(!QTest::currentTestFailed());
    QCOMPARE(run.unexpected, QStringList());
}

void TestPathFrm::previewFollowsTheRecomputation()
{
    runChooser(m_files.document, QString(), [&](QDialog &d) {
        control<QCheckBox>(d, "Check1")->click();
        select(d, "photo.jpg");
        QCOMPARE(shownPreviews(d), QStringLiteral("PreImg"));
        // Typing selects entry 0 again, and a.txt comes up as text.
        box(d, 1)->setText(QStringLiteral("a"));
        QCOMPARE(shownPreviews(d), QStringLiteral("PreTxt"));
        QVERIFY(control<QPlainTextEdit>(d, "PreTxt")->toPlainText().startsWith("line 1\nline 2\n"));
        // A disabled list leaves the last preview standing.
        control<QRadioButton>(d, "Option5")->click();
        QCOMPARE(shownPreviews(d), QStringLiteral("PreTxt"));
        d.close();
    });
    QVERIFY(!QTest::currentTestFailed());
}

void TestPathFrm::unreadableFile()
{
    const QString folder = m_files.root.filePath("locked");
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(ChooserFixture::write(folder + "/locked.txt", "secret"));
    QVERIFY(QFile::setPermissions(folder + "/locked.txt", QFileDevice::Permissions()));
    QFile probe(folder + "/locked.txt");
    if (probe.open(QIODevice::ReadOnly))
        QSKIP("Running with rights that read any file");

    const ChooserRun run = runChooser(folder + "/index.htm", QString(), [&](QDialog &d) {
        control<QCheckBox>(d, "Check1")->click();
        select(d, "locked.txt");
        QCOMPARE(shownPreviews(d), QStringLiteral("PreTxt"));
        QCOMPARE(control<QPlainTextEdit>(d, "PreTxt")->toPlainText(), QString());
        QCOMPARE(control<QLabel>(d, "Label6")->text(), sizeLineOf("0.006"));
        control<QPushButton>(d, "Cancel")->click();
    });
    QVERIFY(!QTest::currentTestFailed());
    QCOMPARE(run.unexpected, QStringList());
}

void TestPathFrm::awkwardDocuments_data()
{
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("workingFolder"); // relative to the fixture; empty: unchanged
    QTest::addColumn<QString>("current");       // relative to the fixture unless absolute
    QTest::addColumn<QString>("upper");         // likewise; "なし" for none
    QTest::addColumn<bool>("listEnabled");

    QTest::newRow("folder that does not exist") << "@/docs/gone/index.htm" << "" << "docs/gone" << "docs" << false;
    QTest::newRow("folder with no files") << "@/docs/site/empty/new.htm" << "" << "docs/site/empty"
                                          << "docs/site" << false;
    QTest::newRow("bare name: the working folder") << "index.htm" << "docs/site" << "docs/site" << "docs" << true;
    QTest::newRow("relative path") << "site/index.htm" << "docs" << "docs/site" << "docs" << true;
    QTest::newRow("document in the root") << "/index.htm" << "" << "/" << "なし" << true;
}

void TestPathFrm::awkwardDocuments()
{
    QFETCH(QString, document);
    QFETCH(QString, workingFolder);
    QFETCH(QString, current);
    QFETCH(QString, upper);
    QFETCH(bool, listEnabled);

    const QString root = m_files.root.path();
    document.replace(QStringLiteral("@"), root);
    if (!workingFolder.isEmpty())
        QVERIFY(QDir::setCurrent(root + "/" + workingFolder));
    auto inFixture = [&](const QString &path) { return path.startsWith('/') ? path : root + "/" + path; };
    const bool inRoot = upper == QStringLiteral("なし");
    if (inRoot && QDir(QStringLiteral("/")).entryList(QDir::Files).isEmpty())
        listEnabled = false;

    const ChooserRun run = runChooser(document, QStringLiteral("previous"), [&](QDialog &d) {
        QCOMPARE(control<QLabel>(d, "Label2")->text(), QStringLiteral("現在ディレクトリ=") + inFixture(current));
        QCOMPARE(control<QLabel>(d, "Label5")->text(),
                 QStringLiteral("上層ディレクトリ=") + (inRoot ? upper : inFixture(upper)));
        QCOMPARE(control<QRadioButton>(d, "Option3")->isEnabled(), !inRoot);
        QCOMPARE(control<QRadioButton>(d, "Option4")->isEnabled(), !inRoot);
        auto *list = control<QListWidget>(d, "File1");
        QCOMPARE(list->isEnabled(), listEnabled);
        if (!listEnabled)
            QCOMPARE(control<QLabel>(d, "Label6")->text(), QString());
        // Still usable: the link is composed and handed over.
        box(d, 1)->setText(QStringLiteral("a.htm"));
        QCOMPARE(list->isEnabled(), listEnabled);
        if (!inRoot) {
            control<QRadioButton>(d, "Option3")->click();
            QVERIFY(list->isEnabled());
        }
        control<QRadioButton>(d, "Option1")->click();
        control<QPushButton>(d, "Command2")->click();
    });
    QVERIFY(!QTest::currentTestFailed());
    QCOMPARE(run.chosenPath, QStringLiteral("a.htm"));
    QCOMPARE(run.asked, 1); // no message on the way
    QCOMPARE(run.unexpected, QStringList());
}

QTEST_MAIN(TestPathFrm)

#include "tst_pathfrm.moc"
