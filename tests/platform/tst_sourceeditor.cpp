#include "sourceeditor.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>

namespace {

int pairCount(const QString &text)
{
    return int(text.count(QStringLiteral("\r\n")));
}

bool betweenCrLf(const QString &text, int at)
{
    return at > 0 && at < text.size() && text[at - 1] == u'\r' && text[at] == u'\n';
}

// The format the widget shows for the model character at `at`.
QTextCharFormat formatAt(SourceEditor &editor, int at)
{
    editor.setSelStart(at);
    QTextCursor c = editor.textCursor();
    c.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
    return c.charFormat();
}

const QString kNul = QString(QChar(0));
const QString kPara = QString(QChar(0x2029));
const QString kLine = QString(QChar(0x2028));
const QString kEmoji = QStringLiteral("\U0001F600");

} // namespace

class TestSourceEditor : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<SourceEditor> editor;
    std::unique_ptr<QSignalSpy> changes;

    // Every line break (CR LF, lone CR, lone LF) is one block break and every other
    // character one document character.
    void verifyDrawn()
    {
        const QString text = editor->text();
        const int pairs = pairCount(text);
        const int breaks = int(text.count(u'\r') + text.count(u'\n')) - pairs;
        QCOMPARE(editor->document()->blockCount(), breaks + 1);
        QCOMPARE(editor->document()->characterCount() - 1, text.size() - pairs);
    }

    // Every model position reads back, a position inside a CR LF pair as the one before.
    void verifyAllPositions()
    {
        const QString text = editor->text();
        for (int at = 0; at <= text.size(); ++at) {
            editor->setSelStart(at);
            const int expected = betweenCrLf(text, at) ? at - 1 : at;
            if (editor->selStart() != expected || editor->selLength() != 0)
                QFAIL(qPrintable(QStringLiteral("position %1 read back as %2+%3")
                                     .arg(at).arg(editor->selStart()).arg(editor->selLength())));
        }
        editor->setSelStart(0);
        editor->setSelLength(int(text.size()));
        QCOMPARE(editor->selText(), text);
    }

    void runSteps(const QStringList &steps)
    {
        for (const QString &step : steps) {
            if (step == u"<Return>")
                QTest::keyClick(editor.get(), Qt::Key_Return);
            else if (step == u"<Shift+Return>")
                QTest::keyClick(editor.get(), Qt::Key_Return, Qt::ShiftModifier);
            else if (step == u"<Backspace>")
                QTest::keyClick(editor.get(), Qt::Key_Backspace);
            else if (step == u"<Delete>")
                QTest::keyClick(editor.get(), Qt::Key_Delete);
            else if (step == u"<Right>")
                QTest::keyClick(editor.get(), Qt::Key_Right);
            else
                QTest::keyClicks(editor.get(), step);
            // A user's keys arrive one event loop turn apart.
            QCoreApplication::processEvents();
        }
    }

private Q_SLOTS:
    void init()
    {
        editor = std::make_unique<SourceEditor>();
        editor->resize(400, 300);
        editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(editor.get()));
        changes = std::make_unique<QSignalSpy>(editor.get(), &SourceEditor::changed);
    }

    void cleanup()
    {
        changes.reset();
        editor.reset();
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("plain") << QStringLiteral("<p>abc</p>");
        QTest::newRow("CR LF lines") << QStringLiteral("a\r\nb\r\n\r\nc\r\n");
        QTest::newRow("lone LF") << QStringLiteral("a\nb\n");
        QTest::newRow("lone CR") << QStringLiteral("\ra\rb");
        QTest::newRow("CR before a pair") << QStringLiteral("a\r\r\nb");
        QTest::newRow("LF after a pair") << QStringLiteral("a\r\n\nb");
        QTest::newRow("LF then CR is no pair") << QStringLiteral("a\n\rb");
        QTest::newRow("NUL") << (kNul + QStringLiteral("a") + kNul + kNul);
        QTest::newRow("U+2028 and U+2029") << (QStringLiteral("a") + kLine + kPara + QStringLiteral("b") + kPara);
        QTest::newRow("frame marks") << QStringLiteral("a\uFDD0b\uFDD1");
        QTest::newRow("stand-in look-alikes") << QString::fromUtf16(u"\u2400\u204B\uFFFD\0\r", 5);
        QTest::newRow("outside the BMP") << (kEmoji + QStringLiteral("\r\n") + kEmoji + QStringLiteral("x"));
        QTest::newRow("Japanese") << QStringLiteral("日本語\r\nテキスト");
        QTest::newRow("everything") << (QStringLiteral("\r\n\n\r") + kNul + kPara + kLine + kEmoji
                                        + QStringLiteral("\r\r\n\n\t\u00A0end"));
    }

    void roundTrip()
    {
        QFETCH(QString, text);
        editor->setSelStart(0);
        editor->setText(QStringLiteral("old\r\ntext"));
        editor->setSelStart(2);
        editor->setSelLength(3);
        changes->clear();

        editor->setText(text);
        QCOMPARE(editor->text(), text);
        QCOMPARE(changes->count(), 1);
        QCOMPARE(editor->selStart(), 0);
        QCOMPARE(editor->selLength(), 0);
        verifyDrawn();
        verifyAllPositions();
        QCOMPARE(changes->count(), 1);
    }

    void selection_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("expectedStart");
        QTest::addColumn<int>("expectedLength");
        QTest::addColumn<QString>("expectedText");
        const QString lines = QStringLiteral("ab\r\ncd\r\nef");
        QTest::newRow("inside a line") << lines << 4 << 2 << 4 << 2 << QStringLiteral("cd");
        QTest::newRow("across a pair") << lines << 1 << 4 << 1 << 4 << QStringLiteral("b\r\nc");
        QTest::newRow("one at a line break") << lines << 2 << 1 << 2 << 0 << QString();
        QTest::newRow("two at a line break") << lines << 2 << 2 << 2 << 2 << QStringLiteral("\r\n");
        QTest::newRow("start inside a pair") << lines << 3 << 1 << 2 << 0 << QString();
        QTest::newRow("start inside, two") << lines << 3 << 2 << 2 << 2 << QStringLiteral("\r\n");
        QTest::newRow("end inside a pair") << lines << 4 << 3 << 4 << 2 << QStringLiteral("cd");
        QTest::newRow("past the end") << lines << 8 << 50 << 8 << 2 << QStringLiteral("ef");
        QTest::newRow("start past the end") << lines << 99 << 1 << 10 << 0 << QString();
        QTest::newRow("negative start") << lines << -5 << 2 << 0 << 2 << QStringLiteral("ab");
        QTest::newRow("negative length") << lines << 1 << -3 << 1 << 0 << QString();
        QTest::newRow("lone LF counts one") << QStringLiteral("a\nb\nc") << 2 << 2 << 2 << 2 << QStringLiteral("b\n");
        QTest::newRow("lone CR counts one") << QStringLiteral("a\rb") << 1 << 1 << 1 << 1 << QStringLiteral("\r");
        QTest::newRow("CR then a pair") << QStringLiteral("a\r\r\nb") << 1 << 3 << 1 << 3 << QStringLiteral("\r\r\n");
        QTest::newRow("surrogate pair") << (kEmoji + kEmoji) << 2 << 2 << 2 << 2 << kEmoji;
        QTest::newRow("after many lines") << QStringLiteral("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7") << 15 << 4
                                          << 15 << 4 << QStringLiteral("6\r\n7");
    }

    void selection()
    {
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, length);
        editor->setText(text);
        editor->setSelStart(start);
        QTEST(editor->selStart(), "expectedStart");
        QCOMPARE(editor->selLength(), 0);
        QCOMPARE(editor->selText(), QString());
        editor->setSelLength(length);
        QTEST(editor->selStart(), "expectedStart");
        QTEST(editor->selLength(), "expectedLength");
        QTEST(editor->selText(), "expectedText");
    }

    void setSelText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("insert");
        QTest::addColumn<QString>("expected");
        QTest::newRow("insert at the caret") << QStringLiteral("ab") << 1 << 0 << QStringLiteral("X") << QStringLiteral("aXb");
        QTest::newRow("replace across a pair") << QStringLiteral("ab\r\ncd") << 1 << 4 << QStringLiteral("-") << QStringLiteral("a-d");
        QTest::newRow("insert lines") << QStringLiteral("ab") << 1 << 0 << QStringLiteral("\r\nx\ny\r")
                                      << QStringLiteral("a\r\nx\ny\rb");
        QTest::newRow("delete") << QStringLiteral("a\r\nb") << 1 << 2 << QString() << QStringLiteral("ab");
        QTest::newRow("LF after a lone CR pairs") << QStringLiteral("a\rb") << 2 << 0 << QStringLiteral("\nx")
                                                  << QStringLiteral("a\r\nxb");
        QTest::newRow("CR before a lone LF pairs") << QStringLiteral("a\nb") << 1 << 0 << QStringLiteral("x\r")
                                                   << QStringLiteral("ax\r\nb");
        QTest::newRow("removal joins CR and LF") << QStringLiteral("a\rX\nb") << 2 << 1 << QString()
                                                 << QStringLiteral("a\r\nb");
        QTest::newRow("special characters") << QStringLiteral("[]") << 1 << 0
                                            << (kNul + kPara + kLine + kEmoji + QStringLiteral("\uFDD0"))
                                            << (QStringLiteral("[") + kNul + kPara + kLine + kEmoji + QStringLiteral("\uFDD0]"));
        QTest::newRow("replace everything") << QStringLiteral("a\nb\r\nc") << 0 << 6 << QStringLiteral("z")
                                            << QStringLiteral("z");
    }

    void setSelText()
    {
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(QString, insert);
        QFETCH(QString, expected);
        editor->setText(text);
        editor->setSelStart(start);
        editor->setSelLength(length);
        changes->clear();

        editor->setSelText(insert);
        QCOMPARE(editor->text(), expected);
        QCOMPARE(changes->count(), 1);
        // After the new text, unless that is inside a CR LF it formed.
        const int after = start + int(insert.size());
        QCOMPARE(editor->selStart(), betweenCrLf(expected, after) ? after - 1 : after);
        QCOMPARE(editor->selLength(), 0);
        verifyDrawn();
        verifyAllPositions();
    }

    void typing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("expectedChanges");
        QTest::addColumn<int>("expectedCaret");
        QTest::newRow("characters") << QString() << 0 << 0 << QStringList{QStringLiteral("abc")}
                                    << QStringLiteral("abc") << 3 << 3;
        QTest::newRow("Return") << QStringLiteral("ab") << 1 << 0 << QStringList{QStringLiteral("<Return>")}
                                << QStringLiteral("a\r\nb") << 1 << 3;
        QTest::newRow("Shift+Return") << QStringLiteral("ab") << 1 << 0 << QStringList{QStringLiteral("<Shift+Return>")}
                                      << QStringLiteral("a\r\nb") << 1 << 3;
        QTest::newRow("Return then text between lines")
            << QStringLiteral("l1\r\nl2\r\nl3") << 6 << 0 << QStringList{QStringLiteral("<Return>"), QStringLiteral("x")}
            << QStringLiteral("l1\r\nl2\r\nx\r\nl3") << 2 << 9;
        QTest::newRow("Backspace after a pair") << QStringLiteral("a\r\nb") << 3 << 0
                                                << QStringList{QStringLiteral("<Backspace>")} << QStringLiteral("ab") << 1 << 1;
        QTest::newRow("Delete at a line break") << QStringLiteral("a\r\nb") << 1 << 0
                                                << QStringList{QStringLiteral("<Delete>")} << QStringLiteral("ab") << 1 << 1;
        QTest::newRow("Backspace over a selection") << QStringLiteral("abc\r\ndef") << 2 << 4
                                                    << QStringList{QStringLiteral("<Backspace>")} << QStringLiteral("abef") << 1 << 2;
        QTest::newRow("typing over a lone LF") << QStringLiteral("ab\ncd") << 1 << 3 << QStringList{QStringLiteral("X")}
                                               << QStringLiteral("aXd") << 1 << 2;
        QTest::newRow("Backspace after a lone LF") << QStringLiteral("a\nb") << 2 << 0
                                                   << QStringList{QStringLiteral("<Backspace>")} << QStringLiteral("ab") << 1 << 1;
        QTest::newRow("Delete at a lone CR") << QStringLiteral("a\r\rb") << 1 << 0
                                             << QStringList{QStringLiteral("<Delete>")} << QStringLiteral("a\rb") << 1 << 1;
        QTest::newRow("Return on an empty line between lone LFs")
            << QStringLiteral("a\n\nb") << 2 << 0 << QStringList{QStringLiteral("<Return>"), QStringLiteral("x")}
            << QStringLiteral("a\n\r\nx\nb") << 2 << 5;
        QTest::newRow("Return after a lone CR") << QStringLiteral("a\rb") << 2 << 0
                                                << QStringList{QStringLiteral("<Return>")}
                                                << QStringLiteral("a\r\r\nb") << 1 << 4;
        QTest::newRow("next to lone CR and NUL") << (QStringLiteral("x\ry") + kNul + QStringLiteral("z")) << 3 << 0
                                                 << QStringList{QStringLiteral("Q")}
                                                 << (QStringLiteral("x\ryQ") + kNul + QStringLiteral("z")) << 1 << 4;
        QTest::newRow("next to U+2029 and outside the BMP") << (kPara + kEmoji) << 1 << 0 << QStringList{QStringLiteral("q")}
                                                            << (kPara + QStringLiteral("q") + kEmoji) << 1 << 2;
        QTest::newRow("deletion joins lone CR and LF") << QStringLiteral("a\rX\nb") << 3 << 0
                                                       << QStringList{QStringLiteral("<Backspace>")}
                                                       << QStringLiteral("a\r\nb") << 1 << 1;
        QTest::newRow("the joined pair goes as one")
            << QStringLiteral("a\rX\nb") << 3 << 0
            << QStringList{QStringLiteral("<Backspace>"), QStringLiteral("<Right>"), QStringLiteral("<Backspace>")}
            << QStringLiteral("ab") << 2 << 1;
    }

    void typing()
    {
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(QStringList, steps);
        editor->setText(text);
        editor->setSelStart(start);
        editor->setSelLength(length);
        changes->clear();

        runSteps(steps);
        QTEST(editor->text(), "expected");
        QTEST(int(changes->count()), "expectedChanges");
        QTEST(editor->selStart(), "expectedCaret");
        QCOMPARE(editor->selLength(), 0);
        verifyDrawn();
        verifyAllPositions();
    }

    // The first keystrokes after a large text was set, at several places.
    void typingInALargeText()
    {
        QString text;
        for (int i = 0; i < 3000; ++i)
            text += QStringLiteral("<li>line %1</li>").arg(i) + (i % 100 == 7 ? QStringLiteral("\n") : QStringLiteral("\r\n"));
        editor->setText(text);
        changes->clear();
        QString expected = text;
        for (int at : {int(text.size()) / 2, 0, int(text.size()) - 3, 12345}) {
            at = betweenCrLf(expected, at) ? at - 1 : at;
            editor->setSelStart(at);
            QTest::keyClick(editor.get(), Qt::Key_A);
            QTest::keyClick(editor.get(), Qt::Key_Return);
            expected.insert(at, QStringLiteral("a\r\n"));
            QCOMPARE(editor->text(), expected);
            QCOMPARE(editor->selStart(), at + 3);
        }
        QCOMPARE(changes->count(), 8);
        verifyDrawn();
    }

    // A long text reads back whole at once while the widget still shows it in pieces,
    // whatever line breaks fall on the pieces' edges, and an edit made before the last
    // piece is in keeps every character.
    void longTextShownInPieces_data()
    {
        QTest::addColumn<QString>("lineEnd");
        QTest::addColumn<QString>("firstAction");
        for (const auto &[name, end] : {std::pair("CR LF", "\r\n"), std::pair("LF", "\n"), std::pair("mixed", "")}) {
            for (const char *action : {"wait", "type at start", "select all", "insertion"})
                QTest::addRow("%s, %s", name, action) << QString::fromLatin1(end) << QString::fromLatin1(action);
        }
    }
    void longTextShownInPieces()
    {
        QFETCH(QString, lineEnd);
        QFETCH(QString, firstAction);
        QString text;
        const QStringList mixed = {QStringLiteral("\r\n"), QStringLiteral("\n"), QStringLiteral("\r"),
                                   QStringLiteral("\r\n\n"), QStringLiteral("\n\r")};
        for (int i = 0; text.size() < 1200 * 1000; ++i) {
            text += QStringLiteral("<td>%1 表</td>").arg(i) + (i % 997 == 5 ? kNul + kEmoji : QString());
            text += lineEnd.isEmpty() ? mixed[i % mixed.size()] : lineEnd;
        }
        editor->setText(text);
        QCOMPARE(changes->count(), 1);
        QCOMPARE(editor->text(), text);
        QVERIFY(editor->document()->characterCount() < text.size() / 2); // shown at once, not whole

        QString expected = text;
        if (firstAction == u"type at start") {
            QTest::keyClick(editor.get(), Qt::Key_X);
            expected.prepend(u'x');
        } else if (firstAction == u"select all") {
            QTest::keyClick(editor.get(), Qt::Key_A, Qt::ControlModifier);
            QCOMPARE(editor->selLength(), text.size());
            QCOMPARE(editor->selText(), text);
        } else if (firstAction == u"insertion") {
            editor->setSelStart(int(text.size()) - 2);
            const int at = editor->selStart();
            QVERIFY(at >= text.size() - 3);
            editor->setSelText(QStringLiteral("<end>"));
            expected.insert(at, QStringLiteral("<end>"));
        }
        QCOMPARE(editor->text(), expected);
        QTRY_VERIFY_WITH_TIMEOUT(editor->document()->characterCount() - 1 == expected.size() - pairCount(expected), 20000);
        QCOMPARE(editor->text(), expected);
        verifyDrawn();
        editor->setSelStart(int(expected.size()) - 7);
        QCOMPARE(editor->selStart(), int(expected.size()) - 7 - (betweenCrLf(expected, int(expected.size()) - 7) ? 1 : 0));
        editor->setSelStart(0);
        editor->setSelLength(int(expected.size()));
        QCOMPARE(editor->selText(), expected);
        QCOMPARE(changes->count(), firstAction == u"wait" || firstAction == u"select all" ? 1 : 2);
    }

    void paste_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("expected");
        // The caret on an empty line between lone LFs, or over a lone LF.
        const QString lines = QStringLiteral("[\n\n]");
        QTest::newRow("LF breaks") << lines << 2 << 0 << QStringLiteral("a\nb\n") << QStringLiteral("[\na\r\nb\r\n\n]");
        QTest::newRow("CR LF breaks") << lines << 2 << 0 << QStringLiteral("a\r\nb") << QStringLiteral("[\na\r\nb\n]");
        QTest::newRow("CR breaks") << lines << 2 << 0 << QStringLiteral("a\rb") << QStringLiteral("[\na\r\nb\n]");
        QTest::newRow("over a lone LF") << lines << 1 << 1 << QStringLiteral("\nx\n") << QStringLiteral("[\r\nx\r\n\n]");
        QTest::newRow("no-break space and NUL") << lines << 2 << 0 << (QStringLiteral("x\u00A0y") + kNul)
                                                << (QStringLiteral("[\nx\u00A0y") + kNul + QStringLiteral("\n]"));
    }

    void paste()
    {
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(QString, clipboard);
        QFETCH(QString, expected);
        editor->setText(text);
        editor->setSelStart(start);
        editor->setSelLength(length);
        changes->clear();
        QApplication::clipboard()->setText(clipboard);
        editor->paste();
        QCOMPARE(editor->text(), expected);
        QCOMPARE(changes->count(), 1);
        QCOMPARE(editor->selStart(), int(expected.size()) - (int(text.size()) - start - length));
        verifyDrawn();
        verifyAllPositions();
    }

    void copyCarriesTheExactText()
    {
        const QString text = QStringLiteral("a\nb\u00A0") + kNul + kPara + QStringLiteral("\r\nc");
        editor->setText(QStringLiteral("<") + text + QStringLiteral(">"));
        editor->setSelStart(1);
        editor->setSelLength(int(text.size()));
        editor->copy();
        QCOMPARE(QApplication::clipboard()->text(), text);
    }

    // Qt may report an edit over more text than it touched (one edit block with
    // changes far apart, a highlighter's re-layout): the text in between stays exact.
    void widerReports_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("rich");
        const QList<std::pair<const char *, QString>> texts = {
            {"lone LF", QStringLiteral("a\nb")},
            {"lone CR", QStringLiteral("a\rb")},
            {"CR LF and lone ends", QStringLiteral("\n\r\n\r")},
            {"NUL", kNul + kNul + QStringLiteral("x")},
            {"U+2029", kPara},
            {"U+2028", kLine + QStringLiteral("\n") + kLine},
            {"look-alikes", QString::fromUtf16(u"\u2400\u204B\uFFFD\0", 4)},
            {"frame marks", QStringLiteral("\uFDD0\uFDD1")},
            {"outside the BMP", kEmoji},
            // longer than what is read one character at a time
            {"long and mixed", QStringLiteral("<p>").repeated(30) + QStringLiteral("\n\r\r\n") + kNul + kPara
                                   + QStringLiteral("\u204B\n") + QStringLiteral("</p>").repeated(30) + QStringLiteral("\n")},
        };
        for (const auto &[name, text] : texts) {
            QTest::addRow("%s, set", name) << text << false;
            QTest::addRow("%s, rich", name) << text << true;
        }
    }

    void widerReports()
    {
        QFETCH(QString, text);
        QFETCH(bool, rich);
        if (rich) {
            editor->setText(QStringLiteral("()"));
            editor->setSelStart(1);
            editor->setSelRichText({RichTextRun{text, 0x00FF00, true}});
            text = QStringLiteral("(") + text + QStringLiteral(")");
        } else {
            editor->setText(text);
        }
        changes->clear();

        QTextCursor c(editor->document());
        c.beginEditBlock();
        c.insertText(QStringLiteral("A"));
        c.movePosition(QTextCursor::End);
        c.insertText(QStringLiteral("B"));
        c.endEditBlock();
        QCOMPARE(editor->text(), QStringLiteral("A") + text + QStringLiteral("B"));
        QCOMPARE(changes->count(), 1);

        c.select(QTextCursor::Document);
        QTextCharFormat italic;
        italic.setFontItalic(true);
        c.mergeCharFormat(italic);
        QCOMPARE(editor->text(), QStringLiteral("A") + text + QStringLiteral("B"));
        QCOMPARE(changes->count(), 1);
        verifyDrawn();
    }

    void displayFormats()
    {
        const QString text = QStringLiteral("abc\r\ndef");
        editor->setText(text);
        editor->setSelStart(1);
        editor->setSelLength(5); // "bc\r\nd"
        changes->clear();
        editor->setSelColor(0x0000FF);
        editor->setSelBold(true);
        editor->setSelItalic(true);
        editor->setSelUnderline(true);
        editor->setSelFontSize(20);
        QCOMPARE(changes->count(), 0);
        QCOMPARE(editor->text(), text);
        QCOMPARE(editor->selStart(), 1);
        QCOMPARE(editor->selLength(), 5);

        for (int at : {1, 2, 5}) {
            const QTextCharFormat f = formatAt(*editor, at);
            QCOMPARE(f.foreground().color(), QColor(255, 0, 0));
            QCOMPARE(f.fontWeight(), int(QFont::Bold));
            QVERIFY(f.fontItalic());
            QVERIFY(f.fontUnderline());
            QCOMPARE(f.fontPointSize(), 20.0);
        }
        for (int at : {0, 6}) {
            const QTextCharFormat f = formatAt(*editor, at);
            QVERIFY(!f.hasProperty(QTextFormat::ForegroundBrush));
            QVERIFY(!f.fontItalic());
            QVERIFY(!f.hasProperty(QTextFormat::FontPointSize));
        }

        editor->setSelStart(2);
        editor->setSelLength(1);
        editor->setSelFontSize(0);
        editor->setSelBold(false);
        QCOMPARE(changes->count(), 0);
        QVERIFY(!formatAt(*editor, 2).hasProperty(QTextFormat::FontPointSize));
        QCOMPARE(formatAt(*editor, 2).fontWeight(), int(QFont::Normal));
        QVERIFY(formatAt(*editor, 2).fontItalic());
        QCOMPARE(formatAt(*editor, 1).fontPointSize(), 20.0);
        QCOMPARE(editor->text(), text);
    }

    void controlFont()
    {
        editor->setText(QStringLiteral("abc"));
        changes->clear();
        editor->setControlFontSize(17);
        editor->setControlFontBold(true);
        QCOMPARE(editor->font().pointSizeF(), 17.0);
        QVERIFY(editor->font().bold());
        QCOMPARE(editor->document()->defaultFont().pointSizeF(), 17.0);
        QVERIFY(editor->document()->defaultFont().bold());
        editor->setControlFontBold(false);
        QVERIFY(!editor->font().bold());
        QCOMPARE(editor->font().pointSizeF(), 17.0);
        QCOMPARE(changes->count(), 0);
        QCOMPARE(editor->text(), QStringLiteral("abc"));
    }

    void richText()
    {
        editor->setText(QStringLiteral("<\r\n>"));
        editor->setSelStart(1);
        editor->setSelLength(2);
        changes->clear();
        editor->setSelRichText({
            RichTextRun{QStringLiteral("red"), 0x0000FF, true, false, false, 0},
            RichTextRun{QStringLiteral("\r\nblue\n"), 0xFF0000, false, true, true, 14},
            RichTextRun{QStringLiteral("plain"), 0, false, false, false, 0},
        });
        const QString expected = QStringLiteral("<red\r\nblue\nplain>");
        QCOMPARE(editor->text(), expected);
        QCOMPARE(changes->count(), 1);
        QCOMPARE(editor->selStart(), 16);
        QCOMPARE(editor->selLength(), 0);
        verifyDrawn();

        QTextCharFormat f = formatAt(*editor, 1);
        QCOMPARE(f.foreground().color(), QColor(255, 0, 0));
        QCOMPARE(f.fontWeight(), int(QFont::Bold));
        QVERIFY(!f.fontItalic());
        f = formatAt(*editor, 6);
        QCOMPARE(f.foreground().color(), QColor(0, 0, 255));
        QCOMPARE(f.fontWeight(), int(QFont::Normal));
        QVERIFY(f.fontItalic());
        QVERIFY(f.fontUnderline());
        QCOMPARE(f.fontPointSize(), 14.0);
        f = formatAt(*editor, 11);
        QCOMPARE(f.foreground().color(), QColor(0, 0, 0));
        QVERIFY(!f.hasProperty(QTextFormat::FontPointSize));
        QVERIFY(!f.fontUnderline());
        QCOMPARE(editor->text(), expected);
        QCOMPARE(changes->count(), 1);
    }

    void moveToCharacter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("character");
        QTest::addColumn<bool>("forward");
        QTest::addColumn<int>("expected");
        const QString html = QStringLiteral("<a>\r\n<b>x</b>");
        QTest::newRow("forward") << html << 0 << 0 << QStringLiteral(">") << true << 2;
        QTest::newRow("forward from the selection end") << html << 0 << 3 << QStringLiteral(">") << true << 7;
        QTest::newRow("forward, none") << html << 9 << 0 << QStringLiteral("a") << true << 13;
        QTest::newRow("backward") << html << 9 << 0 << QStringLiteral("<") << false << 6;
        QTest::newRow("backward from the selection start") << html << 5 << 4 << QStringLiteral("<") << false << 1;
        QTest::newRow("backward, none") << html << 4 << 0 << QStringLiteral("x") << false << 0;
        QTest::newRow("adjacent forward stays") << html << 2 << 0 << QStringLiteral(">") << true << 2;
        QTest::newRow("past a line break") << html << 3 << 0 << QStringLiteral("b") << true << 6;
        QTest::newRow("forward onto the LF of a pair") << html << 0 << 0 << QStringLiteral("\n") << true << 3;
        QTest::newRow("backward onto an LF") << QStringLiteral("a\nb") << 3 << 0 << QStringLiteral("\n") << false << 2;
    }

    void moveToCharacter()
    {
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(QString, character);
        QFETCH(bool, forward);
        editor->setText(text);
        editor->setSelStart(start);
        editor->setSelLength(length);
        changes->clear();
        editor->moveToCharacter(character.at(0), forward);
        QTEST(editor->selStart(), "expected");
        QCOMPARE(editor->selLength(), 0);
        QCOMPARE(changes->count(), 0);
    }

    void printSelection()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString pdf = dir.filePath(QStringLiteral("selection.pdf"));
        editor->setText(QStringLiteral("alpha beta\r\ngamma delta"));
        editor->setSelStart(6);
        editor->setSelLength(9); // "beta\r\ngam"
        editor->setSelBold(true);

        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        editor->printSelection(&printer);
        QVERIFY(QFileInfo(pdf).size() > 0);

        const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (tool.isEmpty())
            QSKIP("pdftotext is not installed; only the file was checked");
        QProcess process;
        process.start(tool, {pdf, QStringLiteral("-")});
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), 0);
        const QString printed = QString::fromUtf8(process.readAllStandardOutput()).simplified();
        QCOMPARE(printed, QStringLiteral("beta gam"));
    }

    void ownUndoIsOff()
    {
        QVERIFY(!editor->document()->isUndoRedoEnabled());
        editor->setText(QStringLiteral("ab"));
        editor->setSelStart(2);
        QTest::keyClicks(editor.get(), QStringLiteral("c"));
        changes->clear();
        QTest::keyClick(editor.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(editor->text(), QStringLiteral("abc"));
        QCOMPARE(changes->count(), 0);

        // The undo and redo keys are left for the program's own shortcuts.
        for (const QKeySequence::StandardKey key : {QKeySequence::Undo, QKeySequence::Redo}) {
            const QKeyCombination combination = QKeySequence(key)[0];
            QKeyEvent override(QEvent::ShortcutOverride, combination.key(), combination.keyboardModifiers());
            override.ignore();
            QApplication::sendEvent(editor.get(), &override);
            QVERIFY(!override.isAccepted());
        }
        QKeyEvent copy(QEvent::ShortcutOverride, Qt::Key_C, Qt::ControlModifier);
        copy.ignore();
        QApplication::sendEvent(editor.get(), &copy);
        QVERIFY(copy.isAccepted());
    }
};

QTEST_MAIN(TestSourceEditor)
#include "tst_sourceeditor.moc"
