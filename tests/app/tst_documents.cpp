#include "browserview.h"
#include "formsession.h"
#include "localpagescheme.h"
#include "sourceeditor.h"
#include "storedsettings.h"

#include <QAction>
#include <QCheckBox>
#include <QPrinter>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextCursor>

namespace {

const QString overwriteQuestion = QStringLiteral("内容が変更されています。上書き保存しますか？");

QStringList recentCaptions(const Form1 &f)
{
    QStringList captions;
    for (const QAction *a : f.fileSaikin)
        captions << a->text();
    return captions;
}

QString pdfText(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(20000))
        return QStringLiteral("<pdftotext failed>");
    return QString::fromUtf8(process.readAllStandardOutput());
}

std::function<void(QPrinter &)> toPdf(const QString &path)
{
    return [path](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
    };
}

} // namespace

class DocumentsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { QVERIFY2(m_unexpected.isEmpty(), qPrintable(m_unexpected.join(QLatin1Char('\n')))); }

    void menuBarIsComplete_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shortcut");
        QTest::addColumn<bool>("enabled");
        const auto row = [](const char *name, const char *caption, const char *shortcut, bool enabled) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(caption) << QString::fromLatin1(shortcut) << enabled;
        };
        row("FileNew", "新規作成(&N)", "Ctrl+N", true);
        row("FileOpen", "開く(&O)", "Ctrl+O", true);
        row("fileSa", "上書き保存(&S)", "Ctrl+S", true);
        row("FileName", "名前をつけて保存(&A)", "", true);
        row("PrintText", "編集画面を印刷(&H)", "", true);
        row("PrintBrowse", "確認画面を印刷(&K)", "", true);
        row("FileShell", "もう一つ起動(&M)", "", true);
        row("FileEnd", "終了(&X)", "", true);
        row("Modosu", "元に戻す(&U)", "Ctrl+Z", false);
        row("ModoYarinao", "やり直す(&R)", "", false);
        row("Cut", "切り取り(&T)", "Ctrl+X", false);
        row("Copy", "コピー(&C)", "Ctrl+C", false);
        row("Cutadd", "追加切り抜き(&W)", "Shift+F7", false);
        row("Copyadd", "追加コピー(&A)", "Ctrl+F8", false);
        row("Paste", "貼り付け(&P)", "", false);
        row("PasteRTF", "RTF形式で貼り付け(&R)", "", false);
        row("FilePaste", "ファイルから貼り付け(&F)", "", true);
        row("FilePasteRTF", "ファイルから貼り付け(RTF)(&E)", "", true);
        row("del", "削除(&D)", "Del", false);
        row("chanBr", "改行→<BR>(&B)", "", true);
        row("SelWhole", "すべて選択(&S)", "Ctrl+A", false);
        row("SelAll", "現在位置より下をすべて選択(&G)", "", false);
        row("jumpNext", "次のタグへ(&N)", "F5", false);
        row("jumpBefore", "前のタグへ(&B)", "F6", false);
        row("focustoText", "テキストにフォーカス(&F)", "F2", true);
        row("mmKaku", "確認", "F4", true);
        row("mmOption", "オプション(&O)", "", false);
        row("kensaku", "検索(&F)", "Ctrl+F", false);
        row("nextkensaku", "次を検索(&P)", "F3", false);
        row("tikan", "置換(&R)", "Ctrl+R", false);
        row("SelHome", "ファイルの先頭(&H)", "Ctrl+H", false);
        row("SelEnd", "ファイルの最後(&E)", "Ctrl+E", false);
        row("hyIroin(1)", "青(&L)", "", true);
        row("hjSoin(3)", "装飾のクリアー(&C)", "", true);
        row("TagColor", "タグに色をつける(&T)", "", false);
        row("tlHyou", "表ウィザード(&T)", "", false);
        row("tlImap", "イメージマップ(&I)", "", false);
        row("tlGrad", "グラデーション文字(&G)", "", false);
        row("mokuji", "目次(&P)", "F1", false);
        row("version", "バージョン情報(&A)", "", false);
    }
    void menuBarIsComplete()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, shortcut);
        QFETCH(bool, enabled);
        Session s;
        Form1 &f = s.start();
        QAction *action = nullptr;
        for (QAction *a : f.menuBar()->findChildren<QAction *>()) {
            if (a->objectName() == name)
                action = a;
        }
        QVERIFY2(action, qPrintable(name));
        QCOMPARE(action->text(), caption);
        QCOMPARE(action->shortcut().toString(), shortcut);
        QCOMPARE(action->isEnabled(), enabled);
        QVERIFY(s.close());
        m_unexpected = s.script.unexpected();
    }

    void topMenusInOrder()
    {
        Session s;
        Form1 &f = s.start();
        QStringList captions;
        for (QAction *a : f.menuBar()->actions())
            captions << a->text();
        QCOMPARE(captions, (QStringList{QStringLiteral("ファイル(&F)"), QStringLiteral("編集(&E)"), QStringLiteral("検索(&S)"),
                                        QStringLiteral("マーカー(&V)"), QStringLiteral("タグ(&T)"), QStringLiteral("ツール(&O)"),
                                        QStringLiteral("ヘルプ(&?)")}));
        QVERIFY(s.close());
        m_unexpected = s.script.unexpected();
    }

    void newAsksAndReloadsTheStartText()
    {
        Session s;
        writeBytes(s.program(QStringLiteral("tmp.htm")), "<html>\r\n");
        const QString document = s.path(QStringLiteral("a.htm"));
        writeBytes(document, "a\r\n");
        Form1 &f = s.start(document);
        QTest::keyClicks(f.Text2, QStringLiteral("x"));
        s.script.answerMessage(MessageAnswer::No);
        f.menu.FileNew->trigger();
        QCOMPARE(s.script.asked().constLast().text, overwriteQuestion);
        QCOMPARE(f.Text2->text(), QStringLiteral("<html>"));
        QCOMPARE(f.windowTitle(), QStringLiteral("無題-Velquin"));
        QCOMPARE(f.PreviewFile, s.program(QStringLiteral("tmp.htm$.tmp")));
        QVERIFY(!QFile::exists(document + QStringLiteral("$.tmp")));
        QCOMPARE(fileBytes(document), QByteArray("a\r\n"));
        QVERIFY(f.RecentFiles.isEmpty());
        f.menu.FileNew->trigger(); // unchanged: nothing asked
        QCOMPARE(s.script.asked().size(), 1);
        QVERIFY(s.close());
        m_unexpected = s.script.unexpected();
    }

    void openAsksAfterTheDialog()
    {
        Session s;
        const QString first = s.path(QStringLiteral("first.htm"));
        const QString second = s.path(QStringLiteral("second.htm"));
        writeBytes(first, "one\r\n");
        writeBytes(second, "two\ntwo\n");
        Form1 &f = s.start(first);
        QTest::keyClicks(f.Text2, QStringLiteral("x"));

        s.script.answerFile(second);
        s.script.answerMessage(MessageAnswer::Cancel);
        f.menu.FileOpen->trigger();
        QCOMPARE(s.script.asked()[0].kind, QStringLiteral("file"));
        QCOMPARE(s.script.asked()[1].kind, QStringLiteral("message"));
        QCOMPARE(f.Text2->text(), QStringLiteral("xone"));
        QCOMPARE(f.Program.DocumentPath, first);

        s.script.answerFile(second);
        s.script.answerMessage(MessageAnswer::No);
        f.menu.FileOpen->trigger();
        // Line feeds alone stay as they are; no carriage return is added.
        QCOMPARE(f.Text2->text(), QStringLiteral("two\ntwo\n"));
        QCOMPARE(f.windowTitle(), QStringLiteral("second.htm-Velquin"));
        QCOMPARE(f.PreviewFile, second + QStringLiteral("$.tmp"));
        QCOMPARE(f.WebBrowser1->lastAddress(), f.PreviewFile);
        QCOMPARE(f.RecentFiles, QStringList{second});
        QCOMPARE(s.script.asked()[2].text, openFilterText());
        QCOMPARE(s.script.asked()[2].fileState.fileName, second); // carried from the last dialog
        QVERIFY(s.close());
        m_unexpected = s.script.unexpected();
    }

    void saveThenReopenAsksNothing()
    {
        Session s;
        const QString document = s.path(QStringLiteral("page.htm"));
        writeBytes(document, "no final break");
        Form1 &f = s.start(document);
        QCOMPARE(f.Text2->text(), QStringLiteral("no final break"));
        f.menu.fileSa->trigger();
        QCOMPARE(fileBytes(document), QByteArray("no final break\r\n"));
        s.script.answerFile(document);
        f.menu.FileOpen->trigger();
        QCOMPARE(s.script.askedOf(QStringLiteral("message")).size(), 0);
        QVERIFY(s.close());
        m_unexpected = s.script.unexpected();
    }

    void recentFiles()
    {
        Session s;
        Form1 &f = s.start();
        QStringList paths;
        for (int i = 1; i <= 6; ++i) {
            paths << s.path(QStringLiteral("f%1.htm").arg(i));
            writeBytes(paths.constLast(), QByteArray::number(i));
            s.script.answerFile(paths.constLast());
            f.menu.FileOpen->trigger();
        }
        const QStringList newestFive{paths[5], paths[4], paths[3], paths[2], paths[1]};
        QCOMPARE(f.RecentFiles, newestFive);
        QCOMPARE(recentCaptions(f), newestFive);
        QCOMPARE(f.RecentCount, qint16(5));
        // Under the separator, before the separator of the next group.
        const QList<QAction *> items = f.menu.mmFile->actions();
        const qsizetype separator = items.indexOf(f.menu.fileSaikin0);
        QCOMPARE(items.mid(separator + 1, 5), f.fileSaikin);
        QCOMPARE(items.at(separator + 6), f.menu.recentEnd);

        // The third entry moves to the top, titled with its full path.
        f.fileSaikin[2]->trigger();
        QCOMPARE(f.Program.DocumentPath, paths[3]);
        QCOMPARE(f.windowTitle(), paths[3] + QStringLiteral("-Velquin"));
        QCOMPARE(f.RecentFiles, (QStringList{paths[3], paths[5], paths[4], paths[2], paths[1]}));

        // A file gone from disk opens empty under its path and stays listed.
        QFile::remove(paths[5]);
        f.fileSaikin[1]->trigger();
        QCOMPARE(f.Text2->text(), QString());
        QCOMPARE(f.windowTitle(), paths[5] + QStringLiteral("-Velquin"));
        QCOMPARE(f.RecentFiles.constFirst(), paths[5]);
        QVERIFY(s.close());
        QCOMPARE(readRecentFiles(SettingsStore(s.settingsFile)), f.RecentFiles);
        m_unexpected = s.script.unexpected();
    }

    void recentPathsShowAmpersandsAsText()
    {
        Session s;
        {
            SettingsStore store(s.settingsFile);
            StoredSettings stored;
            stored.recentFiles = {QStringLiteral("/w/R&D/a&b.htm"), QStringLiteral("/w/A.htm"), QStringLiteral("/w/a.htm")};
            writeStoredSettings(store, stored);
        }
        Form1 &f = s.start();
        QCOMPARE(recentCaptions(f), (QStringList{QStringLiteral("/w/R&&D/a&&b.htm"), QStringLiteral("/w/A.htm"),
                                                 QStringLiteral("/w/a.htm")}));
        QVERIFY(s.close());
        QCOMPARE(readRecentFiles(SettingsStore(s.settingsFile)).constFirst(), QStringLiteral("/w/R&D/a&b.htm"));
        m_unexpected = s.script.unexpected();
    }

    void noStoredEntriesShowOnlyTheSeparator()
    {
        Session s;
        {
            SettingsStore store(s.settingsFile);
            store.writeText(QStringLiteral("manu"), QStringLiteral("icount"), QStringLiteral("0"));
            store.writeText(QStringLiteral("manu"), QStringLiteral("1"), QStringLiteral("/x.htm"));
        }
        Form1 &f = s.start();
        QVERIFY(f.fileSaikin.isEmpty());
        const QList<QAction *> items = f.menu.mmFile->actions();
        QCOMPARE(items.at(items.indexOf(f.menu.fileSaikin0) + 1), f.menu.recentEnd);
        QVERIFY(s.close());
        m_unexpected = s.script.unexpected();
    }

    void pasteFromFile()
    {
        Session s;
        const QString part = s.path(QStringLiteral("part.txt"));
        writeBytes(part, "<li>one\r\n<li>two\r\n");
        Form1 &f = s.start();
        f.Text2->setText(QStringLiteral("<ul></ul>"));
        f.Text2->setSelStart(4);
        s.script.answerFile(part, 0);
        f.menu.FilePaste->trigger();
        QCOMPARE(f.Text2->text(), QStringLiteral("<ul><li>one\r\n<li>two</ul>"));
        QCOMPARE(f.Text2->selStart(), 4 + 16);
        QCOMPARE(s.script.asked().constLast().text,
                 QStringLiteral("テキストファイル|*.txt|HTMLファイル|*.htm;*.html|すべてのファイル|*.*"));
        s.script.answerFile(std::nullopt); // cancelled: nothing changes
        f.menu.FilePaste->trigger();
        QCOMPARE(f.Text2->text(), QStringLiteral("<ul><li>one\r\n<li>two</ul>"));
        s.script.answerMessage(MessageAnswer::No);
        QVERIFY(s.close());
        m_unexpected = s.script.unexpected();
    }

    void pasteFromRtfFileKeepsFormatting()
    {
        Session s;
        const QString rtf = s.path(QStringLiteral("a.rtf"));
        writeBytes(rtf, "{\\rtf1\\ansi{\\colortbl;\\red255\\green0\\blue0;}plain \\b bold\\b0  \\cf1 red\\par\r\nnext}\r\n");
        Form1 &f = s.start();
        s.script.answerFile(rtf);
        f.menu.FilePasteRTF->trigger();
        QCOMPARE(f.Text2->text(), QStringLiteral("plain bold red\r\nnext"));
        QCOMPARE(s.script.asked().constLast().text,
                 QStringLiteral("RTFファイル|*.rtf|テキストファイル|*.txt|HTMLファイル|*.htm;*.html|すべてのファイル|*.*"));
        QTextCursor cursor(f.Text2->document());
        cursor.setPosition(8); // inside "bold"
        QVERIFY(cursor.charFormat().font().bold());
        cursor.setPosition(13); // inside "red"
        QCOMPARE(cursor.charFormat().foreground().color(), QColor(255, 0, 0));
        cursor.setPosition(3);
        QVERIFY(!cursor.charFormat().font().bold());
        s.script.answerMessage(MessageAnswer::No);
        QVERIFY(s.close());
        m_unexpected = s.script.unexpected();
    }

    void anotherCopyStartsMinimisedWithoutArguments()
    {
        Session s;
        const QString record = s.path(QStringLiteral("record"));
        const QString program = s.path(QStringLiteral("fake-velquin"));
        writeBytes(program, QStringLiteral("#!/bin/sh\necho \"$# $VELQUIN_START_MINIMIZED\" > '%1'\n").arg(record).toUtf8());
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        Form1 &f = s.start();
        f.setExecutablePath(program);
        f.menu.FileShell->trigger();
        QTRY_COMPARE(fileBytes(record), QByteArray("0 1\n"));

        f.setExecutablePath(s.path(QStringLiteral("missing")));
        s.script.answerMessage(MessageAnswer::Ok);
        f.menu.FileShell->trigger();
        QCOMPARE(s.script.asked().constLast().text,
                 QStringLiteral("Velquin をもう一つ起動できませんでした。\n") + s.path(QStringLiteral("missing")));
        QVERIFY(s.close());
        m_unexpected = s.script.unexpected();
    }

    void printTheEditingScreen()
    {
        Session s;
        Form1 &f = s.start();
        f.Text2->setText(QStringLiteral("alpha\r\nselected words\r\nomega"));
        f.Text2->setSelStart(7);
        f.Text2->setSelLength(14);
        const QString pdf = s.path(QStringLiteral("selection.pdf"));
        s.script.answerPrint(true, toPdf(pdf));
        f.menu.PrintText->trigger();
        QVERIFY(s.script.asked().constLast().selectionOffered);
        const QString printed = pdfText(pdf);
        QVERIFY2(printed.contains(QStringLiteral("selected words")), qPrintable(printed));
        QVERIFY(!printed.contains(QStringLiteral("alpha")));
        QVERIFY(!printed.contains(QStringLiteral("omega")));

        // Nothing selected: no Selection choice, and the whole text is printed.
        f.Text2->setSelStart(0);
        const QString whole = s.path(QStringLiteral("whole.pdf"));
        s.script.answerPrint(true, toPdf(whole));
        f.menu.PrintText->trigger();
        QVERIFY(!s.script.asked().constLast().selectionOffered);
        QVERIFY(pdfText(whole).contains(QStringLiteral("omega")));

        // A cancelled dialog prints nothing.
        const QString cancelled = s.path(QStringLiteral("cancelled.pdf"));
        s.script.answerPrint(false, toPdf(cancelled));
        f.menu.PrintText->trigger();
        QVERIFY(!QFile::exists(cancelled));
        s.script.answerMessage(MessageAnswer::No);
        QVERIFY(s.close());
        m_unexpected = s.script.unexpected();
    }

    void printThePreviewPage()
    {
        Session s;
        const QString document = s.path(QStringLiteral("p.htm"));
        writeBytes(document, "<p>preview page text</p>\r\n");
        Form1 &f = s.start(document);
        QSignalSpy loaded(f.WebBrowser1, &QWebEngineView::loadFinished);
        QVERIFY(loaded.wait(20000));
        const QString pdf = s.path(QStringLiteral("preview.pdf"));
        QSignalSpy printed(f.WebBrowser1, &QWebEngineView::printFinished);
        s.script.answerPrint(true, toPdf(pdf));
        f.menu.PrintBrowse->trigger();
        QVERIFY(printed.wait(20000));
        // The engine prints the page as pictures, so there is no text to read back.
        const QByteArray bytes = fileBytes(pdf);
        QVERIFY(bytes.startsWith("%PDF-"));
        QVERIFY(bytes.size() > 1000);
        QVERIFY(s.close());
        m_unexpected = s.script.unexpected();
    }

    void focusToTheText()
    {
        Session s;
        Form1 &f = s.start();
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        f.Check1->setFocus();
        QTest::keyClick(f.Check1, Qt::Key_F2);
        QTRY_VERIFY(f.Text2->hasFocus());
        QVERIFY(s.close());
        m_unexpected = s.script.unexpected();
    }

private:
    static QString openFilterText() { return QStringLiteral("HTMLファイル|*.htm;*.html|テキストファイル|*.txt|すべてのファイル|*.*"); }
    QStringList m_unexpected;
};

int main(int argc, char *argv[])
{
    LocalPageScheme::registerScheme();
    QApplication app(argc, argv);
    DocumentsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_documents.moc"
