#include "expectedtags.h"
#include "tagtables.h"

#include <QTest>

class TestTagTables : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pairedTable_data();
    void pairedTable();
    void singleTable_data();
    void singleTable();
    void exactCharacters_data();
    void exactCharacters();
};

void TestTagTables::pairedTable_data()
{
    QTest::addColumn<int>("row");
    for (int row = 0; row < 51; ++row)
        QTest::addRow("row %d", row) << row;
}

// Every cell of the table the main window keeps, and the button description of each
// filled row; rows 40 to 50 stay empty.
void TestTagTables::pairedTable()
{
    QFETCH(int, row);
    TagTables tables;
    FillTagTables(tables);
    if (row >= 40) {
        QCOMPARE(tables.PairedTagTable[row][0], QString());
        QCOMPARE(tables.PairedTagTable[row][1], QString());
        return;
    }
    const ExpectedPairedTag &want = expectedPairedTags[row];
    QCOMPARE(tables.PairedTagTable[row][0], QString::fromUtf8(want.opening));
    QCOMPARE(tables.PairedTagTable[row][1], QString::fromUtf8(want.closing));
    const PairedTagRow &got = pairedTagRows()[row];
    QCOMPARE(got.caption, QString::fromUtf8(want.caption));
    QCOMPARE(got.tooltip, QString::fromUtf8(want.tooltip));
    QCOMPARE(got.tab, want.tab);
    QCOMPARE(got.opening, tables.PairedTagTable[row][0]);
    QCOMPARE(got.closing, tables.PairedTagTable[row][1]);
}

void TestTagTables::singleTable_data()
{
    QTest::addColumn<int>("entry");
    for (int entry = 0; entry < 31; ++entry)
        QTest::addRow("entry %d", entry) << entry;
}

void TestTagTables::singleTable()
{
    QFETCH(int, entry);
    TagTables tables;
    FillTagTables(tables);
    if (entry >= 24) {
        QCOMPARE(tables.SingleInsertTable[entry], QString());
        return;
    }
    const ExpectedSingleInsert &want = expectedSingleInserts[entry];
    QCOMPARE(tables.SingleInsertTable[entry], QString::fromUtf8(want.text));
    const SingleInsertRow &got = singleInsertRows()[entry];
    QCOMPARE(got.caption, QString::fromUtf8(want.caption));
    QCOMPARE(got.tooltip, QString::fromUtf8(want.tooltip));
    QCOMPARE(got.place.tab, want.tab);
    QCOMPARE(got.place.bar, want.bar);
    QCOMPARE(got.text, tables.SingleInsertTable[entry]);
}

// The captions whose look-alikes are easy to type by mistake, spelled out by code point:
// half-width katakana, the full-width A, the four spaces and the trailing spaces.
void TestTagTables::exactCharacters_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("caption");
    QTest::newRow("typewriter") << 6 << QStringLiteral("\uFF80\uFF72\uFF8C\uFF9F\uFF97\uFF72\uFF80");
    QTest::newRow("keyboard") << 8 << QStringLiteral("\uFF77\uFF70\uFF8E\uFF9E\uFF70\uFF84\uFF9E");
    QTest::newRow("list A") << 14 << QStringLiteral("\uFF21");
    QTest::newRow("list a") << 17 << QStringLiteral("\uFF21");
    QTest::newRow("heading cell") << 21 << QStringLiteral("\u884C/\u5217    \u898B\u51FA\u3057");
    QTest::newRow("italic") << 1 << QStringLiteral("&Italic ");
    QTest::newRow("citation") << 7 << QStringLiteral("\u5F15\u7528 ");
    QTest::newRow("strong") << 32 << QStringLiteral("\u5F37\u8ABF");
    QTest::newRow("emphasis") << 33 << QStringLiteral("\u5F37\u8ABF ");
}

void TestTagTables::exactCharacters()
{
    QFETCH(int, row);
    QFETCH(QString, caption);
    QCOMPARE(pairedTagRows()[row].caption, caption);
}

QTEST_GUILESS_MAIN(TestTagTables)
#include "tst_tagtables.moc"
