#include "insertion.h"
#include "sourceeditor.h"
#include "tagtables.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

// The editor sits in a window beside another control that holds the focus before each
// operation, so the test sees whether an operation moves the focus.
class TestInsertion : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QWidget> window;
    SourceEditor *editor = nullptr;
    QLineEdit *elsewhere = nullptr;
    TagTables tables;
    std::unique_ptr<QSignalSpy> changes;

    // Sets the text and selection, hands the focus to the other control and starts
    // counting change notifications.
    void prepare(const QString &text, int start, int length)
    {
        editor->setText(text);
        editor->setSelStart(start);
        editor->setSelLength(length);
        elsewhere->setFocus();
        changes = std::make_unique<QSignalSpy>(editor, &SourceEditor::changed);
    }

    void verifyResult(const QString &text, int caret)
    {
        QCOMPARE(editor->text(), text);
        QCOMPARE(editor->selStart(), caret);
        QCOMPARE(editor->selLength(), 0);
        QCOMPARE(changes->count(), 1);
    }

private Q_SLOTS:
    void initTestCase()
    {
        FillTagTables(tables);
        window = std::make_unique<QWidget>();
        auto *layout = new QVBoxLayout(window.get());
        editor = new SourceEditor(window.get());
        elsewhere = new QLineEdit(window.get());
        layout->addWidget(editor);
        layout->addWidget(elsewhere);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void insertFragment_data();
    void insertFragment();
    void wrapSelection_data();
    void wrapSelection();
    void pairedTag_data();
    void pairedTag();
    void singleTag_data();
    void singleTag();
};

void TestInsertion::insertFragment_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("fragment");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("caret");
    QTest::newRow("replaces the selection") << "abcdef" << 1 << 3 << "XY" << "aXYef" << 3;
    QTest::newRow("at the caret") << "abc" << 3 << 0 << "<br>" << "abc<br>" << 7;
    QTest::newRow("at the start") << "abc" << 0 << 0 << "<hr>" << "<hr>abc" << 4;
    QTest::newRow("empty fragment deletes") << "abc" << 0 << 2 << "" << "c" << 0;
    QTest::newRow("fragment with a line break") << "ab" << 1 << 0 << "x\r\ny" << "ax\r\nyb" << 5;
    QTest::newRow("after a line break") << "a\r\nb" << 3 << 0 << "<i>" << "a\r\n<i>b" << 6;
    QTest::newRow("selection over a line break") << "a\r\nbc" << 0 << 4 << "z" << "zc" << 1;
}

// The selection is replaced, the caret follows the fragment, the focus stays where it was.
void TestInsertion::insertFragment()
{
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, fragment);
    QFETCH(QString, expected);
    QFETCH(int, caret);
    prepare(text, start, length);
    QCOMPARE(window->focusWidget(), elsewhere);
    InsertFragment(*editor, fragment);
    verifyResult(expected, caret);
    QCOMPARE(window->focusWidget(), elsewhere);
}

void TestInsertion::wrapSelection_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("caret");
    QTest::newRow("selection") << "xabcy" << 1 << 3 << "x<b>abc</b>y" << 11;
    QTest::newRow("nothing selected") << "xy" << 1 << 0 << "x<b></b>y" << 8;
    QTest::newRow("across a line break") << "a\r\nb" << 0 << 4 << "<b>a\r\nb</b>" << 11;
}

// One fragment: opening, the selected text, closing; the caret ends after the closing.
void TestInsertion::wrapSelection()
{
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, expected);
    QFETCH(int, caret);
    prepare(text, start, length);
    QCOMPARE(window->focusWidget(), elsewhere);
    WrapSelection(*editor, QStringLiteral("<b>"), QStringLiteral("</b>"));
    verifyResult(expected, caret);
    QCOMPARE(window->focusWidget(), elsewhere);
}

void TestInsertion::pairedTag_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("caret");
    QTest::newRow("bold, nothing selected") << 0 << "" << 0 << 0 << "<b></b>" << 3;
    QTest::newRow("comment around three characters") << 39 << "xabcy" << 1 << 3 << "x<!--abc-->y" << 8;
    QTest::newRow("left aligned block") << 25 << "abc" << 0 << 3 << "<div align=\"left\">abc</div>" << 21;
    QTest::newRow("right aligned block") << 27 << "" << 0 << 0 << "<div align=\"right\"></div>" << 19;
    QTest::newRow("list with capital letters") << 14 << "" << 0 << 0 << "<ol type=A></ol>" << 11;
    QTest::newRow("list with small letters") << 17 << "" << 0 << 0 << "<ol type=a></ol>" << 11;
    QTest::newRow("selection across a line break")
        << 0 << "1\r\n2\r\n3" << 0 << 4 << "<b>1\r\n2</b>\r\n3" << 7;
    QTest::newRow("after line breaks") << 37 << "a\r\nb\r\nc" << 6 << 0 << "a\r\nb\r\n<big></big>c" << 11;
}

// The caret goes back before the closing text, and the editor takes the focus; moving the
// caret is not a second change.
void TestInsertion::pairedTag()
{
    QFETCH(int, row);
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, expected);
    QFETCH(int, caret);
    prepare(text, start, length);
    QCOMPARE(window->focusWidget(), elsewhere);
    InsertPairedTag(*editor, tables.PairedTagTable[row][0], tables.PairedTagTable[row][1]);
    verifyResult(expected, caret);
    QCOMPARE(window->focusWidget(), editor);
}

void TestInsertion::singleTag_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("caret");
    QTest::newRow("attribute replaces three characters") << 13 << "xabcy" << 1 << 3 << "xsize=y" << 6;
    QTest::newRow("ampersand entity") << 21 << "" << 0 << 0 << "&amp;" << 5;
    QTest::newRow("quote entity") << 18 << "a" << 1 << 0 << "a&quot;" << 7;
    QTest::newRow("quoted value") << 5 << "a" << 0 << 0 << "\"left\"a" << 6;
    QTest::newRow("line break tag after a line break") << 0 << "a\r\n" << 3 << 0 << "a\r\n<br>" << 7;
}

void TestInsertion::singleTag()
{
    QFETCH(int, entry);
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, expected);
    QFETCH(int, caret);
    prepare(text, start, length);
    QCOMPARE(window->focusWidget(), elsewhere);
    InsertSingleTag(*editor, tables.SingleInsertTable[entry]);
    verifyResult(expected, caret);
    QCOMPARE(window->focusWidget(), editor);
}

QTEST_MAIN(TestInsertion)
#include "tst_insertion.moc"
