#include "undohistory.h"

#include "textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <array>
#include <utility>

namespace {

// Distinct texts as the editor holds them: several lines, CR LF, some Japanese.
QString T(int n)
{
    return QStringLiteral("<html>\r\n<p>第%1版の本文</p>\r\n<p>text %1</p>\r\n</html>").arg(n);
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The main window's side of the history: the editor text and the change notification
// that follows every change, including the text set by Undo and Redo.
struct Editor {
    QTemporaryDir dir;
    UndoHistory history;
    int mode = undoModeFiles;
    QString text;

    explicit Editor(int undoMode) : mode(undoMode) { history.historyFolder = dir.path(); }

    void change(const QString &newText)
    {
        text = newText;
        TakeSnapshot(history, mode, text);
    }
    void undo() { change(Undo(history, mode, text)); }
    void redo()
    {
        Redo(history, [this](const QString &restored) { change(restored); });
    }
    void fourChanges()
    {
        for (int n = 0; n < 4; ++n)
            change(T(n));
    }

    QString file(int position) const { return historyFilePath(history, position); }
    // What each position holds in the given mode; "" is no entry.
    QStringList positions(int ofMode) const
    {
        QStringList result;
        for (int position = 0; position < 4; ++position) {
            result << (ofMode == undoModeFiles ? ReadTextFile(file(position))
                                               : history.MemoryUndoBuffer[std::size_t(position)]);
        }
        return result;
    }
    QStringList positions() const { return positions(mode); }
    bool memoryEmpty() const
    {
        return std::all_of(history.MemoryUndoBuffer.begin(), history.MemoryUndoBuffer.end(),
                           [](const QString &entry) { return entry.isEmpty(); });
    }
};

void addModeRows()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("files") << undoModeFiles;
    QTest::newRow("memory") << undoModeMemory;
}

} // namespace

class TestUndoHistory : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void undoAndRedo_data();
    void undoAndRedo();
    void changeAfterUndo_data() { addModeRows(); }
    void changeAfterUndo();
    void redoEmptiesHistory_data() { addModeRows(); }
    void redoEmptiesHistory();
    void undoWithNothingBefore_data() { addModeRows(); }
    void undoWithNothingBefore();
    void emptyTextIsNoEntry_data() { addModeRows(); }
    void emptyTextIsNoEntry();
    void modeOffRecordsNothing();
    void undoWithModeOffUsesMemory();
    void switchingModesKeepsBoth();
    void unreadableHistoryFile_data();
    void unreadableHistoryFile();
    void stuckFileKeepsNewestEntries();
    void deleteHistoryFilesAtShutdown();
    void historyFolder_data();
    void historyFolder();
};

void TestUndoHistory::initTestCase()
{
    // The per-user fallback folder goes under a test location, not the real cache.
    QStandardPaths::setTestModeEnabled(true);
}

// What the user sees after four changes and then some commands, in either mode.
void TestUndoHistory::undoAndRedo_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("commands");
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QStringList>("positions");
    QTest::addColumn<QString>("redoText");
    QTest::addColumn<bool>("canUndo");
    QTest::addColumn<bool>("canRedo");

    for (const auto &[mode, name] : {std::pair(undoModeFiles, "files"), std::pair(undoModeMemory, "memory")}) {
        QTest::addRow("%s: four changes", name)
            << mode << "" << T(3) << QStringList{T(3), T(2), T(1), T(0)} << QString() << true << false;
        QTest::addRow("%s: undo", name)
            << mode << "u" << T(2) << QStringList{T(3), T(1), T(0), ""} << T(3) << true << true;
        QTest::addRow("%s: undo twice", name)
            << mode << "uu" << T(1) << QStringList{T(3), T(0), "", ""} << T(2) << true << true;
        QTest::addRow("%s: undo three times", name)
            << mode << "uuu" << T(0) << QStringList{T(3), "", "", ""} << T(1) << false << true;
        // Nothing more to undo: a fourth Undo empties the editor.
        QTest::addRow("%s: undo four times", name)
            << mode << "uuuu" << QString() << QStringList{T(3), "", "", ""} << T(0) << false << true;
        // Redo leaves no history at all, not even the snapshot of the text it set.
        QTest::addRow("%s: undo twice, redo", name)
            << mode << "uur" << T(2) << QStringList{"", "", "", ""} << QString() << false << false;
        QTest::addRow("%s: undo, redo", name)
            << mode << "ur" << T(3) << QStringList{"", "", "", ""} << QString() << false << false;
    }
}

void TestUndoHistory::undoAndRedo()
{
    QFETCH(int, mode);
    QFETCH(QString, commands);
    QFETCH(QString, editor);
    QFETCH(QStringList, positions);
    QFETCH(QString, redoText);
    QFETCH(bool, canUndo);
    QFETCH(bool, canRedo);

    Editor e(mode);
    QVERIFY(e.dir.isValid());
    e.fourChanges();
    for (const QChar command : commands) {
        if (command == u'u')
            e.undo();
        else
            e.redo();
    }

    QCOMPARE(e.text, editor);
    QCOMPARE(e.positions(), positions);
    QCOMPARE(e.history.RedoText, redoText);
    QCOMPARE(undoEnabled(e.history, mode), canUndo);
    QCOMPARE(redoEnabled(e.history, mode), canRedo);
    QVERIFY(!e.history.SuppressSnapshot);
    // The other mode's store is never touched.
    if (mode == undoModeFiles)
        QVERIFY(e.memoryEmpty());
    else
        QCOMPARE(entriesOf(e.dir.path()), QStringList());
}

void TestUndoHistory::changeAfterUndo()
{
    QFETCH(int, mode);
    Editor e(mode);
    e.fourChanges();
    e.undo();
    e.change(T(4));

    // Position 0 still held the text from before the Undo, and it moves back.
    QCOMPARE(e.positions(), (QStringList{T(4), T(3), T(1), T(0)}));
    QVERIFY(undoEnabled(e.history, mode));
    // A new change does not take the redo away.
    QVERIFY(redoEnabled(e.history, mode));
    e.undo();
    QCOMPARE(e.text, T(3));
    QCOMPARE(e.history.RedoText, T(4));
}

void TestUndoHistory::redoEmptiesHistory()
{
    QFETCH(int, mode);
    Editor e(mode);
    e.fourChanges();
    e.undo();
    e.undo();

    e.redo();
    QCOMPARE(e.text, T(2));
    // Both stores are emptied whatever the mode, and no file is left.
    QCOMPARE(e.positions(undoModeFiles), QStringList(4, QString()));
    QVERIFY(e.memoryEmpty());
    QCOMPARE(entriesOf(e.dir.path()), QStringList());
    QVERIFY(!redoEnabled(e.history, mode));

    // Undo is back after two more changes, and reaches only the first of them.
    e.change(T(5));
    QVERIFY(!undoEnabled(e.history, mode));
    e.change(T(6));
    QVERIFY(undoEnabled(e.history, mode));
    QVERIFY(!redoEnabled(e.history, mode));
    e.undo();
    QCOMPARE(e.text, T(5));
}

void TestUndoHistory::undoWithNothingBefore()
{
    QFETCH(int, mode);
    Editor e(mode);
    e.change(T(0));
    QVERIFY(!undoEnabled(e.history, mode));

    e.undo();
    QCOMPARE(e.text, QString());
    QVERIFY(redoEnabled(e.history, mode));
    e.redo();
    QCOMPARE(e.text, T(0));
}

void TestUndoHistory::emptyTextIsNoEntry()
{
    QFETCH(int, mode);
    Editor e(mode);
    e.change(T(0));
    e.change(QString());
    e.change(T(2));

    // The older text behind the empty one is not offered.
    QCOMPARE(e.positions(), (QStringList{T(2), "", T(0), ""}));
    QVERIFY(!undoEnabled(e.history, mode));
    e.undo();
    QCOMPARE(e.text, QString());
    QCOMPARE(e.positions(), (QStringList{T(2), T(0), "", ""}));
}

void TestUndoHistory::modeOffRecordsNothing()
{
    Editor e(undoModeOff);
    e.history.SuppressSnapshot = true;
    e.change(T(0));
    QVERIFY(!e.history.SuppressSnapshot);
    e.change(T(1));
    e.change(T(2));
    QCOMPARE(entriesOf(e.dir.path()), QStringList());
    QVERIFY(e.memoryEmpty());
    QVERIFY(!undoEnabled(e.history, undoModeOff));

    e.history.RedoText = T(1);
    QVERIFY(!redoEnabled(e.history, undoModeOff));
}

void TestUndoHistory::undoWithModeOffUsesMemory()
{
    Editor e(undoModeMemory);
    e.fourChanges();
    e.mode = undoModeOff;
    e.change(T(4)); // not recorded

    e.undo();
    QCOMPARE(e.text, T(2));
    QCOMPARE(e.history.MemoryUndoBuffer, (std::array<QString, 4>{T(3), T(1), T(0), ""}));
    QCOMPARE(entriesOf(e.dir.path()), QStringList());
}

void TestUndoHistory::switchingModesKeepsBoth()
{
    Editor e(undoModeFiles);
    e.change(T(0));
    e.change(T(1));
    e.mode = undoModeMemory;
    e.change(T(2));
    e.change(T(3));
    e.mode = undoModeFiles;
    e.change(T(4));

    QCOMPARE(e.positions(undoModeFiles), (QStringList{T(4), T(1), T(0), ""}));
    QCOMPARE(e.positions(undoModeMemory), (QStringList{T(3), T(2), "", ""}));
    e.undo();
    QCOMPARE(e.text, T(1));
    QCOMPARE(e.positions(undoModeMemory), (QStringList{T(3), T(2), "", ""}));
}

void TestUndoHistory::unreadableHistoryFile_data()
{
    QTest::addColumn<bool>("directory");
    QTest::newRow("missing") << false;
    QTest::newRow("directory") << true;
}

void TestUndoHistory::unreadableHistoryFile()
{
    QFETCH(bool, directory);
    Editor e(undoModeFiles);
    e.fourChanges();
    QVERIFY(QFile::remove(e.file(1)));
    if (directory) {
        QVERIFY(QDir().mkdir(e.file(1)));
        QVERIFY(writeBytes(e.file(1) + "/inside", "x"));
    }

    QVERIFY(!undoEnabled(e.history, undoModeFiles));
    e.undo();
    QCOMPARE(e.text, QString());
    QCOMPARE(e.history.RedoText, T(3));
    // Position 1 could not be removed, so the older files stay where they were.
    QCOMPARE(e.positions(), (QStringList{T(3), "", T(1), T(0)}));
    QCOMPARE(QFileInfo(e.file(1)).isDir(), directory);
}

// A file that can be neither removed nor replaced (here a folder in its place) must
// not make the history lose its newest texts.
void TestUndoHistory::stuckFileKeepsNewestEntries()
{
    Editor e(undoModeFiles);
    e.fourChanges();
    QVERIFY(QFile::remove(e.file(2)));
    QVERIFY(QDir().mkdir(e.file(2)));
    QVERIFY(writeBytes(e.file(2) + "/inside", "x"));

    for (int n = 4; n <= 6; ++n) {
        e.change(T(n));
        QCOMPARE(ReadTextFile(e.file(0)), T(n));
        QCOMPARE(ReadTextFile(e.file(1)), T(n - 1));
        QCOMPARE(ReadTextFile(e.file(2)), T(n - 2));
    }
    e.undo();
    QCOMPARE(e.text, T(5));
    e.undo();
    QCOMPARE(e.text, T(4));
    QVERIFY(QFile::exists(e.file(1) + "/inside"));
}

void TestUndoHistory::deleteHistoryFilesAtShutdown()
{
    Editor e(undoModeFiles);
    e.fourChanges();
    QVERIFY(writeBytes(e.dir.filePath("tmp.htm"), "page\r\n"));
    deleteHistoryFiles(e.history);
    QCOMPARE(entriesOf(e.dir.path()), QStringList{"tmp.htm"});
}

void TestUndoHistory::historyFolder_data()
{
    QTest::addColumn<QString>("programFolder"); // under the temporary folder
    QTest::addColumn<bool>("usable");
    QTest::newRow("writable") << "program" << true;
    QTest::newRow("missing") << "missing" << false;
    QTest::newRow("regular file") << "plain.txt" << false;
    QTest::newRow("under a regular file") << "plain.txt/program" << false;
}

void TestUndoHistory::historyFolder()
{
    QFETCH(QString, programFolder);
    QFETCH(bool, usable);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir("program"));
    QVERIFY(writeBytes(dir.filePath("plain.txt"), "x"));
    const QString fallback =
        QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + "/velquin/history";
    QVERIFY(QDir(fallback).removeRecursively());

    const QString chosen = chooseHistoryFolder(dir.filePath(programFolder));
    QCOMPARE(chosen, usable ? dir.filePath(programFolder) : fallback);
    // Trying the folder leaves nothing behind.
    QCOMPARE(entriesOf(dir.filePath("program")), QStringList());
    QCOMPARE(QFileInfo(dir.filePath("plain.txt")).size(), 1);

    UndoHistory history;
    history.historyFolder = chosen;
    TakeSnapshot(history, undoModeFiles, T(0));
    TakeSnapshot(history, undoModeFiles, T(1));
    QVERIFY(undoEnabled(history, undoModeFiles));
    QCOMPARE(Undo(history, undoModeFiles, T(1)), T(0));
    deleteHistoryFiles(history);
    QCOMPARE(entriesOf(chosen), QStringList());
}

QTEST_GUILESS_MAIN(TestUndoHistory)
#include "tst_undohistory.moc"
