// The tag palette and the undo history through the main window, as a user drives them:
// clicks on the palette, typing, Ctrl+Z and the Edit menu.
#include "browserview.h"
#include "formsession.h"
#include "localpagescheme.h"
#include "sourceeditor.h"
#include "undohistory.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>

namespace {

QPushButton *button(Form1 &f, const QString &name)
{
    auto *b = f.findChild<QPushButton *>(name);
    if (b)
        f.SSTab1->setCurrentWidget(b->parentWidget()); // a tab's button is clickable only when shown
    return b;
}

void click(Form1 &f, const QString &name)
{
    QPushButton *b = button(f, name);
    QVERIFY2(b, qPrintable(name));
    QVERIFY2(b->isEnabled(), qPrintable(name));
    QTest::mouseClick(b, Qt::LeftButton);
}

// Opens the Edit menu the way the menu bar does, so its items are brought up to date.
void openEditMenu(Form1 &f)
{
    Q_EMIT f.menu.mmHensyu->aboutToShow();
}

// Redo as chosen from the opened Edit menu.
void chooseRedo(Form1 &f)
{
    openEditMenu(f);
    QVERIFY(f.menu.ModoYarinao->isEnabled());
    f.menu.ModoYarinao->trigger();
}

// Ctrl+Z as typed: it reaches the menu item's shortcut only in the active window.
void pressUndoKey(Form1 &f)
{
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    f.Text2->setFocus();
    QTest::keyClick(f.Text2, Qt::Key_Z, Qt::ControlModifier);
}

} // namespace

class PaletteUndoTest : public QObject {
    Q_OBJECT
private slots:
    void paletteButtonsInsertTheirTables();
    void barsSitBetweenTabsAndEditor();
    void customBoxesKeepTheirTextsBetweenRuns();
    void undoAndRedoFollowTheHistory_data();
    void undoAndRedoFollowTheHistory();
    void redoEmptiesTheHistory();
    void menuItemsFollowTheMode();
    void staleUndoItemRestoresNothingAsEmpty();
    void undoRefreshesRealTimePreview();
};

void PaletteUndoTest::paletteButtonsInsertTheirTables()
{
    Session s;
    Form1 &f = s.start();
    struct Case {
        QString button;
        QString before;   // text with [ and ] around the selection
        QString after;
        int caret;
    };
    const QList<Case> cases = {
        {QStringLiteral("Command1(0)"), QStringLiteral("ab[]cd"), QStringLiteral("ab<b></b>cd"), 5},
        {QStringLiteral("Command1(39)"), QStringLiteral("x[abc]y"), QStringLiteral("x<!--abc-->y"), 8},
        {QStringLiteral("Command1(25)"), QStringLiteral("[abc]"), QStringLiteral("<div align=\"left\">abc</div>"), 21},
        {QStringLiteral("Command4(13)"), QStringLiteral("[abc]"), QStringLiteral("size="), 5},
        {QStringLiteral("Command4(21)"), QStringLiteral("[]"), QStringLiteral("&amp;"), 5},
        {QStringLiteral("Command4(0)"), QStringLiteral("a\r\n[]b"), QStringLiteral("a\r\n<br>b"), 7},
    };
    for (const Case &c : cases) {
        const int start = c.before.indexOf(QLatin1Char('['));
        const int end = c.before.indexOf(QLatin1Char(']')) - 1;
        QString text = c.before;
        text.remove(QLatin1Char('[')).remove(QLatin1Char(']'));
        f.Text2->setText(text);
        f.Text2->setSelStart(start);
        f.Text2->setSelLength(end - start);
        f.menu.mmHensyu->setFocus(); // the click must bring the focus back to the editor
        click(f, c.button);
        QCOMPARE(f.Text2->text(), c.after);
        QCOMPARE(f.Text2->selStart(), c.caret);
        QCOMPARE(f.Text2->selLength(), 0);
        QVERIFY2(f.Text2->hasFocus() || !f.isActiveWindow(), qPrintable(c.button));
    }
    s.script.answerMessage(MessageAnswer::No);
    QVERIFY(s.close());
}

void PaletteUndoTest::barsSitBetweenTabsAndEditor()
{
    Session s;
    Form1 &f = s.start();
    QWidget *bars = f.Palette.bars;
    QVERIFY(bars && bars->isVisible());
    const QRect barRect = bars->geometry();
    QVERIFY(barRect.top() >= f.SSTab1->geometry().bottom());
    QVERIFY(barRect.bottom() < f.Text2->geometry().top());
    QVERIFY(!barRect.intersects(f.Check1->geometry()));
    QVERIFY(!barRect.intersects(f.Check2->geometry()));
    // The bar buttons work like the tab buttons.
    f.Text2->setText(QString());
    click(f, QStringLiteral("Command4(4)"));
    click(f, QStringLiteral("Command4(6)"));
    QCOMPARE(f.Text2->text(), QStringLiteral("align=\"center\""));
    s.script.answerMessage(MessageAnswer::No);
    QVERIFY(s.close());
}

void PaletteUndoTest::customBoxesKeepTheirTextsBetweenRuns()
{
    Session s;
    {
        Form1 &f = s.start();
        QCOMPARE(f.Palette.Text4->text(), QStringLiteral("<hr>"));
        f.Palette.Text1[1]->setText(QStringLiteral("<span class=\"a&b\">"));
        f.Palette.Text4->setText(QString());
        QVERIFY(s.close());
    }
    Form1 &f = s.start();
    QCOMPARE(f.Palette.Text1[1]->text(), QStringLiteral("<span class=\"a&b\">"));
    QCOMPARE(f.Palette.Text3[1]->text(), QStringLiteral("</body>"));
    QCOMPARE(f.Palette.Text4->text(), QString());
    QVERIFY(s.close());
}

void PaletteUndoTest::undoAndRedoFollowTheHistory_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("files") << int(undoModeFiles);
    QTest::newRow("memory") << int(undoModeMemory);
}

// Four changes give T0..T3; three Undos walk back to T0 and then the item is disabled.
void PaletteUndoTest::undoAndRedoFollowTheHistory()
{
    QFETCH(int, mode);
    Session s;
    Form1 &f = s.start();
    f.Program.UndoMode = qint16(mode);
    f.Text2->setFocus();
    QTest::keyClicks(f.Text2, QStringLiteral("a"));                // T0 "a"
    click(f, QStringLiteral("Command1(0)"));                       // T1 "a<b></b>"
    f.Text2->setFocus();
    QTest::keyClicks(f.Text2, QStringLiteral("x"));                // T2 "a<b>x</b>"
    click(f, QStringLiteral("Command4(21)"));                      // T3 "a<b>x&amp;</b>"
    QCOMPARE(f.Text2->text(), QStringLiteral("a<b>x&amp;</b>"));

    const QStringList back = {QStringLiteral("a<b>x</b>"), QStringLiteral("a<b></b>"), QStringLiteral("a")};
    for (const QString &expected : back) {
        openEditMenu(f);
        QVERIFY(f.menu.Modosu->isEnabled());
        pressUndoKey(f);
        QCOMPARE(f.Text2->text(), expected);
        QCOMPARE(f.Text2->selStart(), 0);
    }
    openEditMenu(f);
    QVERIFY(!f.menu.Modosu->isEnabled());
    QVERIFY(f.menu.ModoYarinao->isEnabled());

    // Redo brings back the text before the last Undo.
    chooseRedo(f);
    QCOMPARE(f.Text2->text(), QStringLiteral("a<b></b>"));
    openEditMenu(f);
    QVERIFY(!f.menu.ModoYarinao->isEnabled());
    s.script.answerMessage(MessageAnswer::No);
    QVERIFY(s.close());
    QVERIFY(!QFile::exists(s.program(QStringLiteral("modo0.tmp"))));
}

// After Redo the history is empty: Undo comes back only after two more changes.
void PaletteUndoTest::redoEmptiesTheHistory()
{
    Session s;
    Form1 &f = s.start();
    f.Text2->setFocus();
    QTest::keyClicks(f.Text2, QStringLiteral("ab"));
    openEditMenu(f);
    pressUndoKey(f);
    QCOMPARE(f.Text2->text(), QStringLiteral("a"));
    chooseRedo(f);
    QCOMPARE(f.Text2->text(), QStringLiteral("ab"));
    for (const char *name : {"modo1.tmp", "modo2.tmp", "modo3.tmp"})
        QVERIFY2(!QFile::exists(s.program(QLatin1String(name))), name);
    openEditMenu(f);
    QVERIFY(!f.menu.Modosu->isEnabled());
    QTest::keyClicks(f.Text2, QStringLiteral("c"));
    openEditMenu(f);
    QVERIFY(!f.menu.Modosu->isEnabled());
    QTest::keyClicks(f.Text2, QStringLiteral("d"));
    openEditMenu(f);
    QVERIFY(f.menu.Modosu->isEnabled());
    pressUndoKey(f);
    QCOMPARE(f.Text2->text(), QStringLiteral("cab")); // the caret was at the start after Redo
    s.script.answerMessage(MessageAnswer::No);
    QVERIFY(s.close());
}

void PaletteUndoTest::menuItemsFollowTheMode()
{
    Session s;
    Form1 &f = s.start();
    // Nothing to undo right after the start, and Ctrl+Z does nothing.
    QVERIFY(!f.menu.Modosu->isEnabled());
    QVERIFY(!f.menu.ModoYarinao->isEnabled());
    f.Text2->setFocus();
    QTest::keyClicks(f.Text2, QStringLiteral("ab"));
    pressUndoKey(f);
    QCOMPARE(f.Text2->text(), QStringLiteral("ab"));

    f.Program.UndoMode = 0;
    QTest::keyClicks(f.Text2, QStringLiteral("c"));
    openEditMenu(f);
    QVERIFY(!f.menu.Modosu->isEnabled());
    QVERIFY(!f.menu.ModoYarinao->isEnabled());
    // Switched off, nothing was recorded: the file history still ends at "ab".
    QCOMPARE(fileBytes(s.program(QStringLiteral("modo0.tmp"))), QByteArray("ab\r\n"));
    s.script.answerMessage(MessageAnswer::No);
    QVERIFY(s.close());
}

// Ctrl+Z while the item is still enabled from an earlier opening of the menu, with the
// history gone meanwhile: the editor gets the empty text, and Redo brings it back.
void PaletteUndoTest::staleUndoItemRestoresNothingAsEmpty()
{
    Session s;
    Form1 &f = s.start();
    f.Text2->setFocus();
    QTest::keyClicks(f.Text2, QStringLiteral("ab"));
    openEditMenu(f);
    QVERIFY(f.menu.Modosu->isEnabled());
    // The history file is unreadable now (a folder stands in its place).
    QVERIFY(QFile::remove(s.program(QStringLiteral("modo1.tmp"))));
    QVERIFY(QDir().mkdir(s.program(QStringLiteral("modo1.tmp"))));
    pressUndoKey(f);
    QCOMPARE(f.Text2->text(), QString());
    chooseRedo(f);
    QCOMPARE(f.Text2->text(), QStringLiteral("ab"));
    QDir().rmdir(s.program(QStringLiteral("modo1.tmp")));
    s.script.answerMessage(MessageAnswer::No);
    QVERIFY(s.close());
}

void PaletteUndoTest::undoRefreshesRealTimePreview()
{
    Session s;
    Form1 &f = s.start();
    QTest::mouseClick(f.Check1, Qt::LeftButton);
    QVERIFY(f.RealTimePreview);
    f.Text2->setFocus();
    QTest::keyClicks(f.Text2, QStringLiteral("xy"));
    QCOMPARE(fileBytes(f.PreviewFile), QByteArray("xy\r\n"));
    openEditMenu(f);
    pressUndoKey(f);
    QCOMPARE(fileBytes(f.PreviewFile), QByteArray("x\r\n"));
    chooseRedo(f);
    QCOMPARE(fileBytes(f.PreviewFile), QByteArray("xy\r\n"));
    s.script.answerMessage(MessageAnswer::No);
    QVERIFY(s.close());
}

int main(int argc, char *argv[])
{
    LocalPageScheme::registerScheme();
    QApplication app(argc, argv);
    PaletteUndoTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_paletteundo.moc"
