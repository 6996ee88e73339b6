#include "browserview.h"
#include "form1.h"
#include "frmsplash.h"
#include "localpagescheme.h"
#include "formsession.h"
#include "scriptedinteraction.h"
#include "settingsstore.h"
#include "sourceeditor.h"
#include "storedsettings.h"
#include "textfile.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>


class Form1Test : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup()
    {
        // Every test scripts all the answers it expects.
        QVERIFY2(m_unexpected.isEmpty(), qPrintable(m_unexpected.join(QLatin1Char('\n'))));
    }

    void untitledStartUp()
    {
        Session s;
        Form1 &f = s.start();
        QCOMPARE(s.progress, (QStringList{QStringLiteral("フォームの読み込み中"), QStringLiteral("最近使ったﾌｧｲﾙの読み取り中"),
                                          QStringLiteral("ｶｽﾀﾏｲｽﾞﾀｸﾞの読み取り中"), QStringLiteral("ﾀｸﾞの定義中"),
                                          QStringLiteral("空のﾌｧｲﾙを作成中"), QString()}));
        QCOMPARE(f.windowTitle(), QStringLiteral("無題-Velquin"));
        QCOMPARE(f.Text2->text(), QString());
        QCOMPARE(f.Program.DocumentPath, s.program(QStringLiteral("tmp.htm")));
        QCOMPARE(f.PreviewFile, s.program(QStringLiteral("tmp.htm$.tmp")));
        QCOMPARE(fileBytes(f.PreviewFile), QByteArray("\r\n"));
        QCOMPARE(fileBytes(s.program(QStringLiteral("modo0.tmp"))), QByteArray("\r\n"));
        QCOMPARE(f.WebBrowser1->lastAddress(), f.PreviewFile);
        QCOMPARE(f.Program.UndoMode, qint16(1));
        QCOMPARE(f.CustomTags.single, QStringLiteral("<hr>"));
        QVERIFY(!f.RealTimePreview);
        QVERIFY(!f.Check1->isChecked());
        QVERIFY(!f.Check2->isChecked());
        QCOMPARE(f.HScroll1->value(), 12);
        QCOMPARE(versionCaption(), QStringLiteral("Ver. 4.5.2"));
        QVERIFY(s.close());
        m_unexpected = s.script.unexpected();
    }

    void untitledStartReadsTmpHtm()
    {
        Session s;
        writeBytes(s.program(QStringLiteral("tmp.htm")), "<html>\r\n<body>\r\n");
        Form1 &f = s.start();
        QCOMPARE(f.Text2->text(), QStringLiteral("<html>\r\n<body>"));
        QCOMPARE(fileBytes(s.program(QStringLiteral("modo0.tmp"))), QByteArray("<html>\r\n<body>\r\n"));
        // Nothing typed: closing asks nothing and the start text is never written.
        QVERIFY(s.close());
        QCOMPARE(fileBytes(s.program(QStringLiteral("tmp.htm"))), QByteArray("<html>\r\n<body>\r\n"));
        m_unexpected = s.script.unexpected();
    }

    void commandLineStartUp_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QString>("text");
        QTest::newRow("html file") << QByteArray("<b>x</b>\r\n") << true << QStringLiteral("<b>x</b>");
        QTest::newRow("missing file") << QByteArray() << false << QString();
        QTest::newRow("empty file") << QByteArray() << true << QString();
        QTest::newRow("binary file") << QByteArray("\x89PNG\r\n\x1a\n\x00\x00\xff\xfe\xfd", 13) << true << QString();
    }
    void commandLineStartUp()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, exists);
        QFETCH(QString, text);
        Session s;
        const QString document = s.path(QStringLiteral("a page.htm"));
        if (exists)
            writeBytes(document, content);
        Form1 &f = s.start(document);
        QCOMPARE(s.progress.at(4), QStringLiteral("ｺﾏﾝﾄﾞﾌｧｲﾙの読み取り中"));
        QCOMPARE(f.windowTitle(), document + QStringLiteral("-Velquin"));
        QCOMPARE(f.Program.DocumentPath, document);
        QCOMPARE(f.PreviewFile, document + QStringLiteral("$.tmp"));
        QCOMPARE(f.Text2->text(), text);
        QCOMPARE(f.WebBrowser1->lastAddress(), f.PreviewFile);
        QVERIFY(QFile::exists(f.PreviewFile));
        // Loading the document took the first snapshot.
        QCOMPARE(fileBytes(s.program(QStringLiteral("modo0.tmp"))), text.toUtf8() + "\r\n");
        QVERIFY(s.close());
        QVERIFY(!QFile::exists(s.program(QStringLiteral("modo0.tmp"))));
        QVERIFY(!QFile::exists(document + QStringLiteral("$.tmp")));
        // The file is left as it was.
        if (exists)
            QCOMPARE(fileBytes(document), content);
        m_unexpected = s.script.unexpected();
    }

    void closingAfterTypingAsks()
    {
        Session s;
        Form1 &f = s.start();
        writeBytes(s.program(QStringLiteral("modo1.tmp")), "old\r\n");
        QTest::keyClicks(f.Text2, QStringLiteral("abc"));
        s.script.answerMessage(MessageAnswer::Cancel);
        QVERIFY(!s.close());
        const auto asked = s.script.askedOf(QStringLiteral("message"));
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked[0].title, QStringLiteral("保存する?"));
        QCOMPARE(asked[0].text, QStringLiteral("内容が変更されています。保存しますか？"));
        QCOMPARE(asked[0].buttons, MessageButtons::YesNoCancel);
        // Cancel leaves everything as it was.
        QVERIFY(f.isVisible());
        QVERIFY(QFile::exists(f.PreviewFile));
        QVERIFY(QFile::exists(s.program(QStringLiteral("modo1.tmp"))));
        QVERIFY(!QFile::exists(s.settingsFile));

        s.script.answerMessage(MessageAnswer::No);
        QVERIFY(s.close());
        QVERIFY(!QFile::exists(f.PreviewFile));
        for (const char *name : {"modo0.tmp", "modo1.tmp", "modo2.tmp", "modo3.tmp"})
            QVERIFY(!QFile::exists(s.program(QString::fromLatin1(name))));
        QVERIFY(QFile::exists(s.settingsFile));
        m_unexpected = s.script.unexpected();
    }

    void fileChangedOnDiskAsks()
    {
        Session s;
        const QString document = s.path(QStringLiteral("a.htm"));
        writeBytes(document, "one\r\n");
        s.start(document);
        writeBytes(document, "two\r\n");
        s.script.answerMessage(MessageAnswer::No);
        QVERIFY(s.close());
        QCOMPARE(s.script.askedOf(QStringLiteral("message")).size(), 1);
        QCOMPARE(fileBytes(document), QByteArray("two\r\n"));
        m_unexpected = s.script.unexpected();
    }

    void yesSavesANamedDocument()
    {
        Session s;
        const QString document = s.path(QStringLiteral("a.htm"));
        writeBytes(document, "one");
        Form1 &f = s.start(document);
        f.Text2->setSelStart(3);
        QTest::keyClick(f.Text2, Qt::Key_Return);
        QTest::keyClicks(f.Text2, QStringLiteral("two"));
        s.script.answerMessage(MessageAnswer::Yes);
        QVERIFY(s.close());
        QCOMPARE(fileBytes(document), QByteArray("one\r\ntwo\r\n"));
        QCOMPARE(s.script.askedOf(QStringLiteral("file")).size(), 0);
        m_unexpected = s.script.unexpected();
    }

    void cancelledSaveAsAsksAgain()
    {
        Session s;
        Form1 &f = s.start();
        QTest::keyClicks(f.Text2, QStringLiteral("work"));
        s.script.answerMessage(MessageAnswer::Yes);
        s.script.answerFile(std::nullopt);        // Save As cancelled
        s.script.answerMessage(MessageAnswer::Cancel);
        QVERIFY(!s.close());
        QCOMPARE(f.Text2->text(), QStringLiteral("work"));

        const QString saved = s.path(QStringLiteral("saved.htm"));
        s.script.answerMessage(MessageAnswer::Yes);
        s.script.answerFile(saved);
        QVERIFY(s.close());
        QCOMPARE(fileBytes(saved), QByteArray("work\r\n"));
        const auto files = s.script.askedOf(QStringLiteral("file"));
        QCOMPARE(files.size(), 2);
        QCOMPARE(files[0].fileMode, FileDialogMode::Save);
        QCOMPARE(files[0].text, QStringLiteral("HTMLファイル|*.htm;*.html|テキストファイル|*.txt|すべてのファイル|*.*"));
        // The untitled start text is never written.
        QVERIFY(!QFile::exists(s.program(QStringLiteral("tmp.htm"))));
        m_unexpected = s.script.unexpected();
    }

    void failedSaveIsReportedAndAskedAgain()
    {
        Session s;
        // A folder that is a file cannot hold the document, whoever runs the test.
        writeBytes(s.path(QStringLiteral("blocker")), "x");
        const QString document = s.path(QStringLiteral("blocker/a.htm"));
        Form1 &f = s.start(document);
        QTest::keyClicks(f.Text2, QStringLiteral("text"));
        s.script.answerMessage(MessageAnswer::Yes);
        s.script.answerMessage(MessageAnswer::Ok);   // the failure message
        s.script.answerMessage(MessageAnswer::No);   // asked again
        QVERIFY(s.close());
        const auto messages = s.script.askedOf(QStringLiteral("message"));
        QCOMPARE(messages.size(), 3);
        QCOMPARE(messages[1].text, QStringLiteral("ファイルに保存できませんでした。\n") + document);
        QCOMPARE(messages[1].buttons, MessageButtons::Ok);
        QCOMPARE(messages[2].title, QStringLiteral("保存する?"));
        m_unexpected = s.script.unexpected();
    }

    void saveAsRenamesTheDocument()
    {
        Session s;
        Form1 &f = s.start();
        QTest::keyClicks(f.Text2, QStringLiteral("<p>"));
        const QString oldPreview = f.PreviewFile;
        const QString chosen = s.path(QStringLiteral("page"));
        s.script.answerFile(chosen, 2);
        f.menu.FileName->trigger();
        QCOMPARE(fileBytes(chosen), QByteArray("<p>\r\n"));
        QCOMPARE(f.windowTitle(), QStringLiteral("page-Velquin"));
        QCOMPARE(f.Program.DocumentPath, chosen);
        QCOMPARE(f.PreviewFile, chosen + QStringLiteral("$.tmp"));
        QCOMPARE(fileBytes(f.PreviewFile), QByteArray("<p>\r\n"));
        QVERIFY(!QFile::exists(oldPreview));
        QCOMPARE(f.RecentFiles, QStringList{chosen});
        QCOMPARE(f.CommonDialog1.fileName, chosen);
        QCOMPARE(f.CommonDialog1.filterIndex, 2);

        // Named now: Save writes directly, and the next dialog starts where this one ended.
        QTest::keyClicks(f.Text2, QStringLiteral("x"));
        f.menu.fileSa->trigger();
        QCOMPARE(fileBytes(chosen), QByteArray("<p>x\r\n"));
        QVERIFY(s.close());
        QCOMPARE(s.script.askedOf(QStringLiteral("file")).size(), 1);
        m_unexpected = s.script.unexpected();
    }

    void refreshRoutes()
    {
        Session s;
        Form1 &f = s.start();
        f.Text2->setText(QStringLiteral("<b>x</b>"));
        QCOMPARE(f.WebBrowser1->lastAddress(), f.PreviewFile); // manual mode: unchanged page
        QCOMPARE(fileBytes(f.PreviewFile), QByteArray("\r\n"));

        f.Check2->click();
        QTest::mouseClick(f.Command7, Qt::LeftButton);
        QCOMPARE(f.WebBrowser1->lastAddress(), QStringLiteral("about:<b>x</b>"));
        QCOMPARE(fileBytes(f.PreviewFile), QByteArray("\r\n")); // no file on the address route
        f.Text2->setText(QString());
        f.menu.mmKaku->trigger();
        QCOMPARE(f.WebBrowser1->lastAddress(), QStringLiteral("about:blank"));

        f.Check2->click();
        f.Text2->setText(QStringLiteral("<i>y</i>"));
        f.menu.mmKaku->trigger();
        QCOMPARE(f.WebBrowser1->lastAddress(), f.PreviewFile);
        QCOMPARE(fileBytes(f.PreviewFile), QByteArray("<i>y</i>\r\n"));
        s.script.answerMessage(MessageAnswer::No);
        QVERIFY(s.close());
        m_unexpected = s.script.unexpected();
    }

    void realTimePreviewFollowsClicks()
    {
        Session s;
        Form1 &f = s.start();
        QTest::mouseClick(f.Check1, Qt::LeftButton);
        QVERIFY(f.RealTimePreview);
        QTest::keyClicks(f.Text2, QStringLiteral("ab"));
        QCOMPARE(fileBytes(f.PreviewFile), QByteArray("ab\r\n"));
        QTest::mouseClick(f.Check1, Qt::LeftButton);
        QVERIFY(!f.RealTimePreview);
        QTest::keyClicks(f.Text2, QStringLiteral("c"));
        QCOMPARE(fileBytes(f.PreviewFile), QByteArray("ab\r\n"));
        s.script.answerMessage(MessageAnswer::No);
        QVERIFY(s.close());
        m_unexpected = s.script.unexpected();
    }

    void unwritablePreviewFile()
    {
        Session s;
        writeBytes(s.path(QStringLiteral("blocker")), "x");
        const QString document = s.path(QStringLiteral("blocker/a.htm"));
        Form1 &f = s.start(document);
        // Start-up still showed the page, from memory at the preview file's address.
        QCOMPARE(f.WebBrowser1->lastAddress(), f.PreviewFile);
        f.WebBrowser1->navigate(QStringLiteral("about:blank"));
        f.Text2->setText(QStringLiteral("<b>z</b>"));
        f.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        f.Text2->setFocus();
        QTest::keyClick(f.Text2, Qt::Key_F4);
        QCOMPARE(f.WebBrowser1->lastAddress(), f.PreviewFile);
        // A change-driven refresh that cannot write the file does not navigate.
        f.WebBrowser1->navigate(QStringLiteral("about:blank"));
        f.Check1->click();
        QTest::keyClicks(f.Text2, QStringLiteral("q"));
        QCOMPARE(f.WebBrowser1->lastAddress(), QStringLiteral("about:blank"));
        s.script.answerMessage(MessageAnswer::No);
        QVERIFY(s.close());
        m_unexpected = s.script.unexpected();
    }

    void japaneseEncodingsRoundTrip_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("Shift_JIS") << QByteArray("<p>\x82\xa0\x82\xa2\x93\xfa\x96\x7b</p>\r\n");
        QTest::newRow("EUC-JP") << QByteArray("<p>\xa4\xa2\xa4\xa4\xc6\xfc\xcb\xdc</p>\r\n");
    }
    void japaneseEncodingsRoundTrip()
    {
        QFETCH(QByteArray, bytes);
        Session s;
        const QString document = s.path(QStringLiteral("j.htm"));
        writeBytes(document, bytes);
        Form1 &f = s.start(document);
        QCOMPARE(f.Text2->text(), QStringLiteral("<p>あい日本</p>"));
        QCOMPARE(fileBytes(f.PreviewFile), bytes);
        f.menu.fileSa->trigger();
        QCOMPARE(fileBytes(document), bytes);
        QVERIFY(s.close()); // nothing asked: the file holds the text
        m_unexpected = s.script.unexpected();
    }

    void unencodableCharactersAreNotLostSilently()
    {
        Session s;
        const QString document = s.path(QStringLiteral("j.htm"));
        const QByteArray original("\x82\xa0\r\n");
        writeBytes(document, original);
        Form1 &f = s.start(document);
        f.Text2->setSelStart(1);
        f.Text2->setSelText(QStringLiteral("😀"));
        s.script.answerMessage(MessageAnswer::No);
        f.menu.fileSa->trigger();
        QCOMPARE(fileBytes(document), original);
        s.script.answerMessage(MessageAnswer::Yes);
        f.menu.fileSa->trigger();
        QCOMPARE(fileBytes(document), QStringLiteral("あ😀\r\n").toUtf8());
        const auto messages = s.script.askedOf(QStringLiteral("message"));
        QCOMPARE(messages.size(), 2);
        QVERIFY(messages[0].text.contains(QStringLiteral("Shift_JIS")));
        QCOMPARE(messages[0].buttons, MessageButtons::YesNo);
        QVERIFY(s.close());
        m_unexpected = s.script.unexpected();
    }

    void settingsSurviveARun()
    {
        Session s;
        {
            SettingsStore store(s.settingsFile);
            StoredSettings stored;
            stored.recentFiles = {QStringLiteral("/w/a&b.htm"), QStringLiteral("/w/b.htm")};
            stored.customTags.pair1Open = QStringLiteral("<div class=\"x\">");
            stored.undoMode = 2;
            writeStoredSettings(store, stored);
        }
        Form1 &f = s.start();
        QCOMPARE(f.RecentCount, qint16(2));
        QCOMPARE(f.RecentFiles, (QStringList{QStringLiteral("/w/a&b.htm"), QStringLiteral("/w/b.htm")}));
        QCOMPARE(f.CustomTags.pair1Open, QStringLiteral("<div class=\"x\">"));
        QCOMPARE(f.Program.UndoMode, qint16(2));
        QVERIFY(s.close());
        SettingsStore again(s.settingsFile);
        QCOMPARE(readRecentFiles(again), f.RecentFiles);
        QCOMPARE(readCustomTagTexts(again).pair1Open, QStringLiteral("<div class=\"x\">"));
        QCOMPARE(readUndoMode(again), qint16(2));
        m_unexpected = s.script.unexpected();
    }

    void dividerLaysOutAndPassesFocus()
    {
        Session s;
        Form1 &f = s.start();
        f.resize(800, 600);
        QApplication::processEvents();
        const int previewLeft = f.WebBrowser1->x();
        f.HScroll1->setValue(20);
        QVERIFY(f.WebBrowser1->x() > previewLeft);
        QVERIFY(f.Text2->width() > f.WebBrowser1->width());
        QCOMPARE(f.Command7->x(), f.WebBrowser1->x());
        f.activateWindow();
        f.HScroll1->setFocus();
        QTRY_VERIFY(f.Text2->hasFocus());
        QVERIFY(s.close());
        m_unexpected = s.script.unexpected();
    }

private:
    QStringList m_unexpected;
};

int main(int argc, char *argv[])
{
    LocalPageScheme::registerScheme();
    QApplication app(argc, argv);
    Form1Test test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_form1.moc"
