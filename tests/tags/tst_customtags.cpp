// The tag definition dialog and the tag menus.
#include "scriptedinteraction.h"
#include "sourceeditor.h"
#include "tagfrm.h"
#include "tagmenus.h"
#include "tagtables.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

class TestCustomTags : public QObject {
    Q_OBJECT
private slots:
    void styleBlock_data();
    void styleBlock();
    void browsedStyleLosesItsQuotes_data();
    void browsedStyleLosesItsQuotes();
    void dialogInsertsOnOkOnly();
    void menusRepeatTheTables();
};

void TestCustomTags::styleBlock_data()
{
    QTest::addColumn<QList<bool>>("ticked");
    QTest::addColumn<QString>("expected");
    const QString head = QStringLiteral("<style type=\"text/css\">\r\n");
    const QString tail = QStringLiteral("</style>");
    QTest::newRow("row 1 only") << QList<bool>{false, true, false} << head + QStringLiteral("h1{color:red}\r\n") + tail;
    QTest::newRow("none") << QList<bool>{false, false, false} << head + tail;
    QTest::newRow("all, in row order") << QList<bool>{true, true, true}
                                       << head + QStringLiteral("p{ margin : 0 }\r\nh1{color:red}\r\n{}\r\n") + tail;
}

// Unticked rows are skipped even with text; ticked rows are written even when empty;
// nothing is trimmed or added.
void TestCustomTags::styleBlock()
{
    QFETCH(QList<bool>, ticked);
    QFETCH(QString, expected);
    const std::array<TagRuleRow, 3> rows = {
        TagRuleRow{ticked[0], QStringLiteral("p"), QStringLiteral(" margin : 0 ")},
        TagRuleRow{ticked[1], QStringLiteral("h1"), QStringLiteral("color:red")},
        TagRuleRow{ticked[2], QString(), QString()},
    };
    QCOMPARE(::styleBlock(rows), expected);
}

void TestCustomTags::browsedStyleLosesItsQuotes_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("declarations");
    QTest::newRow("quoted") << QStringLiteral("\"color:red; font-size:12pt\"") << QStringLiteral("color:red; font-size:12pt");
    QTest::newRow("nothing chosen") << QStringLiteral("\"\"") << QString();
    QTest::newRow("never confirmed") << QString() << QString();
    QTest::newRow("one quote") << QStringLiteral("\"") << QStringLiteral("\"");
    QTest::newRow("inner quotes kept") << QStringLiteral("\"font-family:\"A\"\"") << QStringLiteral("font-family:\"A\"");
}

void TestCustomTags::browsedStyleLosesItsQuotes()
{
    QFETCH(QString, value);
    QFETCH(QString, declarations);
    QCOMPARE(declarationsOfStyleValue(value), declarations);
}

void TestCustomTags::dialogInsertsOnOkOnly()
{
    SourceEditor editor;
    editor.setText(QStringLiteral("ab"));
    editor.setSelStart(1);
    ScriptedInteraction script;
    QString browsedOver; // the window the style sheet dialog was to come up over
    const auto browse = [&browsedOver](QWidget *over) {
        browsedOver = over ? over->objectName() : QString();
        return QStringLiteral("\"color:#FF0000\"");
    };

    script.answerModal([&](QDialog &d) {
        auto &f = static_cast<TagFrm &>(d);
        [&] {
            QCOMPARE(f.windowTitle(), QStringLiteral("<Style>"));
            for (int i = 0; i < 3; ++i) {
                QVERIFY(!f.Check1[i]->isChecked());
                QVERIFY(f.Text1[i]->text().isEmpty() && f.Text2[i]->text().isEmpty());
            }
        }();
        f.findChild<QCheckBox *>(QStringLiteral("Check1(1)"))->setChecked(true);
        f.findChild<QLineEdit *>(QStringLiteral("Text1(1)"))->setText(QStringLiteral("h1"));
        f.findChild<QPushButton *>(QStringLiteral("Command1(1)"))->click();
        [&] { QCOMPARE(f.Text2[1]->text(), QStringLiteral("color:#FF0000")); }();
        f.Text1[2]->setText(QStringLiteral("p")); // not ticked: not written
        f.findChild<QPushButton *>(QStringLiteral("Command2"))->click();
        return d.result();
    });
    openTagDefinition(script.interaction(), nullptr, editor, browse);
    QCOMPARE(editor.text(), QStringLiteral("a<style type=\"text/css\">\r\nh1{color:#FF0000}\r\n</style>b"));
    QCOMPARE(browsedOver, QStringLiteral("TagFrm"));

    // The close box inserts nothing; the next opening starts empty again.
    script.answerModal([](QDialog &d) {
        auto &f = static_cast<TagFrm &>(d);
        [&] { QVERIFY(!f.Check1[1]->isChecked() && f.Text1[1]->text().isEmpty()); }();
        f.Check1[0]->setChecked(true);
        d.reject();
        return d.result();
    });
    const QString before = editor.text();
    openTagDefinition(script.interaction(), nullptr, editor, browse);
    QCOMPARE(editor.text(), before);
    QVERIFY(script.unexpected().isEmpty());
}

void TestCustomTags::menusRepeatTheTables()
{
    TagTables tables;
    FillTagTables(tables);
    SourceEditor editor;
    QMenu tSyu;
    QMenu tTan;
    const TagMenus menus = FillTagMenus(&tSyu, &tTan, tables, editor);
    QCOMPARE(menus.TagSyu.size(), 41);
    QCOMPARE(menus.TagTan.size(), 25);
    QVERIFY(menus.TagSyu[0]->isSeparator() && menus.TagTan[0]->isSeparator());
    QCOMPARE(tSyu.actions(), menus.TagSyu);
    QCOMPARE(tTan.actions(), menus.TagTan);
    for (int k = 1; k <= 40; ++k) {
        QCOMPARE(menus.TagSyu[k]->objectName(), QStringLiteral("TagSyu(%1)").arg(k));
        QCOMPARE(menus.TagSyu[k]->text().replace(QStringLiteral("&&"), QStringLiteral("&")),
                 tables.PairedTagTable[size_t(k - 1)][0]);
    }
    // "&" is shown as itself, never as an access key.
    QCOMPARE(menus.TagTan[22]->text(), QStringLiteral("&&amp;"));

    // Element 15 is row 14; the caret ends after the closing text.
    editor.setText(QStringLiteral("xyz"));
    editor.setSelStart(1);
    editor.setSelLength(1);
    menus.TagSyu[15]->trigger();
    QCOMPARE(editor.text(), QStringLiteral("x<ol type=A>y</ol>z"));
    QCOMPARE(editor.selStart(), 18);
    // Element 19 is entry 18.
    editor.setSelLength(0);
    menus.TagTan[19]->trigger();
    QCOMPARE(editor.text(), QStringLiteral("x<ol type=A>y</ol>&quot;z"));
    QCOMPARE(editor.selStart(), 24);
}

QTEST_MAIN(TestCustomTags)
#include "tst_customtags.moc"
