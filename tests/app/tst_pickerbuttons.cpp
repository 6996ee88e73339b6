// The palette buttons that open a picker, through the main window: each opens its picker,
// and inserts from the string the picker leaves, confirmed or closed.
#include "browserview.h"
#include "formsession.h"
#include "localpagescheme.h"
#include "rgbsliderset.h"
#include "sourceeditor.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>

namespace {

enum class Answer { Confirm, Close };

void press(QDialog &d, const char *name)
{
    auto *button = d.findChild<QAbstractButton *>(QLatin1String(name));
    QVERIFY2(button, name);
    button->click();
}

// The colour mixer set to red, then confirmed or closed.
std::function<int(QDialog &)> mixer(Answer answer)
{
    return [answer](QDialog &d) {
        setSliderChannel(d.findChild<QScrollBar *>(QStringLiteral("greenscr")), 0);
        setSliderChannel(d.findChild<QScrollBar *>(QStringLiteral("bluescr")), 0);
        if (answer == Answer::Confirm)
            press(d, "Command1");
        else
            d.reject();
        return d.result();
    };
}

// The style sheet dialog with a text colour, then "OK" or the close box.
std::function<int(QDialog &)> styleSheet(Answer answer)
{
    return [answer](QDialog &d) {
        press(d, "Check9");
        d.findChild<QLineEdit *>(QStringLiteral("Text10"))->setText(QStringLiteral("#00FF00"));
        if (answer == Answer::Confirm)
            press(d, "Command3");
        else
            d.reject();
        return d.result();
    };
}

struct Click {
    QString button;
    QString dialog;         // objectName of the picker the click must open
    Answer answer;
    QString expected;       // the editor text after the click, "word" selected before
    bool focusToEditor;
};

} // namespace

class PickerButtonsTest : public QObject {
    Q_OBJECT
private slots:
    void colourAndStyleButtons();
    void linkButtons();
};

// One session, clicks in order: what a closed picker leaves depends on what was confirmed
// before it.
void PickerButtonsTest::colourAndStyleButtons()
{
    Session s;
    Form1 &f = s.start();
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    const QList<Click> clicks = {
        // Nothing confirmed yet: the selection is replaced by the empty text.
        {QStringLiteral("Command24"), QStringLiteral("colorFrm"), Answer::Close, QStringLiteral("<>"), true},
        {QStringLiteral("Command38"), QStringLiteral("colorFrm"), Answer::Confirm,
         QStringLiteral("<<font color=\"#FF0000\">word</font>>"), false},
        {QStringLiteral("Command24"), QStringLiteral("colorFrm"), Answer::Close, QStringLiteral("<#FF0000>"), true},
        {QStringLiteral("Command32"), QStringLiteral("styleFrm"), Answer::Close, QStringLiteral("<style=>"), true},
        {QStringLiteral("Command34"), QStringLiteral("styleFrm"), Answer::Confirm,
         QStringLiteral("<<span style=\"color:#00FF00\">word</span>>"), false},
        {QStringLiteral("Command32"), QStringLiteral("styleFrm"), Answer::Close,
         QStringLiteral("<style=\"color:#00FF00\">"), true},
    };
    for (const Click &c : clicks) {
        auto *button = f.findChild<QPushButton *>(c.button);
        QVERIFY2(button && button->isEnabled(), qPrintable(c.button));
        f.Text2->setText(QStringLiteral("<word>"));
        f.Text2->setSelStart(1);
        f.Text2->setSelLength(4);
        f.Check1->setFocus();
        s.script.clear();
        s.script.answerModal(c.dialog == u"colorFrm" ? mixer(c.answer) : styleSheet(c.answer));
        if (button->parentWidget() != f.Palette.bars)
            f.SSTab1->setCurrentWidget(button->parentWidget());
        button->click();
        const QList<ScriptedInteraction::Asked> modals = s.script.askedOf(QStringLiteral("modal"));
        QCOMPARE(modals.size(), 1);
        QCOMPARE(modals[0].title, c.dialog == u"colorFrm" ? QStringLiteral("color") : QStringLiteral("ｽﾀｲﾙ定義"));
        QCOMPARE(f.Text2->text(), c.expected);
        QCOMPARE(f.Text2->hasFocus(), c.focusToEditor);
        QVERIFY(s.script.unexpected().isEmpty());
    }
    s.script.answerMessage(MessageAnswer::No);
    QVERIFY(s.close());
}

void PickerButtonsTest::linkButtons()
{
    Session s;
    const QString document = s.path(QStringLiteral("site/index.htm"));
    QDir().mkpath(s.path(QStringLiteral("site/img")));
    writeBytes(document, "<html>\r\n");
    writeBytes(s.path(QStringLiteral("site/img/logo.gif")), "GIF89a");
    Form1 &f = s.start(document);
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QString composed; // the link the chooser showed when it was confirmed
    const auto chooser = [&composed](Answer answer) {
        return [answer, &composed](QDialog &d) {
            auto *folder = d.findChild<QLineEdit *>(QStringLiteral("Text1"));
            if (folder)
                folder->setText(QStringLiteral("img"));
            composed = d.findChild<QPushButton *>(QStringLiteral("Command2"))->text().replace(QStringLiteral("&&"), QStringLiteral("&"));
            press(d, answer == Answer::Confirm ? "Command2" : "Cancel");
            return d.result();
        };
    };
    struct LinkClick {
        QString button;
        Answer answer;
        QString before; // the text around the inserted part, %1 standing for it
        bool linkTag;
        bool focusToEditor;
    };
    const QList<LinkClick> clicks = {
        {QStringLiteral("Command9"), Answer::Confirm, QStringLiteral("<%1>"), true, true},
        {QStringLiteral("Command37"), Answer::Confirm, QStringLiteral("<%1>"), false, false},
        // "キャンセル" empties the chosen path.
        {QStringLiteral("Command9"), Answer::Close, QStringLiteral("<%1>"), true, true},
        {QStringLiteral("Command37"), Answer::Close, QStringLiteral("<%1>"), false, false},
    };
    for (const LinkClick &c : clicks) {
        auto *button = f.findChild<QPushButton *>(c.button);
        QVERIFY2(button && button->isEnabled(), qPrintable(c.button));
        f.Text2->setText(QStringLiteral("<word>"));
        f.Text2->setSelStart(1);
        f.Text2->setSelLength(4);
        f.Check1->setFocus();
        s.script.clear();
        if (c.button == u"Command9")
            s.script.answerMessage(MessageAnswer::Ok);
        s.script.answerModal(chooser(c.answer));
        if (button->parentWidget() != f.Palette.bars)
            f.SSTab1->setCurrentWidget(button->parentWidget());
        button->click();

        const QList<ScriptedInteraction::Asked> asked = s.script.asked();
        QCOMPARE(asked.size(), c.button == u"Command9" ? 2 : 1);
        if (c.button == u"Command9") {
            QCOMPARE(asked[0].kind, QStringLiteral("message"));
            QCOMPARE(asked[0].text, QStringLiteral("リンク先のパスを指定して下さい"));
            QCOMPARE(asked[0].buttons, MessageButtons::Ok);
        }
        QCOMPARE(asked.last().title, QStringLiteral("パス名"));
        const QString path = c.answer == Answer::Confirm ? composed : QString();
        QVERIFY(c.answer == Answer::Close || path.contains(QStringLiteral("img")));
        const QString inserted = c.linkTag ? QStringLiteral("<a href=\"") + path + QStringLiteral("\">word</a>") : path;
        QCOMPARE(f.Text2->text(), c.before.arg(inserted));
        QCOMPARE(f.Text2->hasFocus(), c.focusToEditor);
        QVERIFY(s.script.unexpected().isEmpty());
    }
    s.script.answerMessage(MessageAnswer::No);
    QVERIFY(s.close());
}

int main(int argc, char *argv[])
{
    LocalPageScheme::registerScheme();
    QApplication app(argc, argv);
    PickerButtonsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pickerbuttons.moc"
