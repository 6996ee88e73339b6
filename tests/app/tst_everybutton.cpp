// Every button of the palette, pressed in the main window with "w" selected in "[w]"
// and scripted answers: each either puts its text in, or is one of the buttons whose
// window comes later and is disabled. A button this list does not know fails the test.
#include "../tags/expectedtags.h"
#include "browserview.h"
#include "formsession.h"
#include "localpagescheme.h"
#include "sourceeditor.h"

#include <QDialog>
#include <QPushButton>
#include <QTabWidget>

#include <map>

namespace {

struct Press {
    QStringList prompts;   // answers, in order
    bool message = false;  // an OK-only message comes first
    bool modal = false;    // a window is shown; it is closed with its close box
    QString inserted;      // replaces "w"
};

std::map<QString, Press> expectedPresses()
{
    std::map<QString, Press> presses;
    for (int i = 0; i < 40; ++i) {
        const ExpectedPairedTag &t = expectedPairedTags[i];
        presses[QStringLiteral("Command1(%1)").arg(i)].inserted =
            QString::fromUtf8(t.opening) + u'w' + QString::fromUtf8(t.closing);
    }
    for (int i = 0; i < 24; ++i)
        presses[QStringLiteral("Command4(%1)").arg(i)].inserted = QString::fromUtf8(expectedSingleInserts[i].text);
    const auto add = [&](const char *name, Press press) { presses[QLatin1String(name)] = std::move(press); };
    add("Command2", {{}, false, false, QStringLiteral("<font size=\"1\">w</font>")});
    add("Command3", {{}, false, false, QStringLiteral("<h1>w</h1>")});
    add("Command5", {{}, false, false, QStringLiteral("<p>w</p>")});
    add("Command36", {{}, false, false, QStringLiteral("<br clear=\"left\">")});
    add("Command23", {{}, false, false,
                      QStringLiteral("<html>\r\n<head>\r\n<title></title>\r\n</head>\r\n<body>\r\n</body>\r\n</html>")});
    add("Command27", {{QStringLiteral("n")}, false, false, QStringLiteral("<a name=\"n\">w</a>")});
    add("Command11", {{QStringLiteral("a@b")}, false, false,
                      QStringLiteral("<form method=post action=\"mailto:a@b\">w</form>")});
    add("Command12", {{QStringLiteral("n")}, false, false, QStringLiteral("<input type=Checkbox name=\"n\">")});
    add("Command13", {{QStringLiteral("n"), QStringLiteral("v")}, false, false,
                      QStringLiteral("<input type=Radio name=\"n\" value=\"v\" > ")});
    add("Command14", {{QStringLiteral("c")}, false, false, QStringLiteral("<input type=Submit value=\"c\">")});
    add("Command15", {{QStringLiteral("c")}, false, false, QStringLiteral("<input type=Reset value=\"c\">")});
    add("Command16", {{QStringLiteral("t"), QStringLiteral("5"), QStringLiteral("40")}, false, false,
                      QStringLiteral("<textarea name=\"t\" rows=5 cols=40 > w</textarea>")});
    add("Command17", {{QStringLiteral("n")}, false, false, QStringLiteral("<select name=\"n\">")});
    add("Command18", {{QStringLiteral("i")}, false, false, QStringLiteral("<option=\"i\">")});
    add("Command19", {{QStringLiteral("n"), QStringLiteral("9")}, false, false,
                      QStringLiteral("<input name=\"n\" size=9 > ")});
    add("Command25(0)", {{}, false, false, QStringLiteral("<html>w</html>")});
    add("Command25(1)", {{}, false, false, QStringLiteral("<body>w</body>")});
    add("Command26", {{}, false, false, QStringLiteral("<hr>")});
    // The pickers, closed without confirming: their strings are still empty.
    add("Command24", {{}, false, true, QString()});
    add("Command38", {{}, false, true, QStringLiteral("<font color=\"\">w</font>")});
    add("Command32", {{}, false, true, QStringLiteral("style=")});
    add("Command34", {{}, false, true, QStringLiteral("<span style=>w</span>")});
    add("Command37", {{}, false, true, QString()});
    add("Command9", {{}, true, true, QStringLiteral("<a href=\"\">w</a>")});
    add("Command33", {{}, false, true, QStringLiteral("w")}); // closed: nothing inserted
    return presses;
}

// Their windows are built later; until then they stay disabled.
const QStringList laterButtons = {
    QStringLiteral("Command6"), QStringLiteral("Command10"), QStringLiteral("Command29"), QStringLiteral("Command8"),
    QStringLiteral("Command28"), QStringLiteral("Command21"), QStringLiteral("Command20"), QStringLiteral("Command22"),
    QStringLiteral("Command30"), QStringLiteral("Command31"), QStringLiteral("Command35"),
};

} // namespace

class EveryButtonTest : public QObject {
    Q_OBJECT
private slots:
    void everyPaletteButton();
};

void EveryButtonTest::everyPaletteButton()
{
    Session s;
    Form1 &f = s.start();
    const std::map<QString, Press> presses = expectedPresses();
    QList<QPushButton *> buttons = f.SSTab1->findChildren<QPushButton *>();
    buttons += f.Palette.bars->findChildren<QPushButton *>();
    QSet<QString> pressed;
    for (QPushButton *button : buttons) {
        const QString name = button->objectName();
        if (laterButtons.contains(name)) {
            QVERIFY2(!button->isEnabled(), qPrintable(name));
            continue;
        }
        const auto found = presses.find(name);
        QVERIFY2(found != presses.end(), qPrintable(QStringLiteral("no expectation for ") + name));
        QVERIFY2(button->isEnabled(), qPrintable(name));
        const Press &press = found->second;

        s.script.clear();
        if (press.message)
            s.script.answerMessage(MessageAnswer::Ok);
        for (const QString &answer : press.prompts)
            s.script.answerPrompt(answer);
        if (press.modal)
            s.script.answerModal([](QDialog &d) {
                d.reject();
                return d.result();
            });
        f.Text2->setText(QStringLiteral("[w]"));
        f.Text2->setSelStart(1);
        f.Text2->setSelLength(1);
        if (button->parentWidget() != f.Palette.bars)
            f.SSTab1->setCurrentWidget(button->parentWidget());
        QTest::mouseClick(button, Qt::LeftButton);

        QCOMPARE(f.Text2->text(), QStringLiteral("[%1]").arg(press.inserted));
        QVERIFY2(s.script.unexpected().isEmpty(), qPrintable(name + u' ' + s.script.unexpected().join(u',')));
        QVERIFY2(s.script.unusedAnswers() == 0, qPrintable(name));
        pressed.insert(name);
    }
    QCOMPARE(pressed.size(), int(presses.size()));
    s.script.clear();
    s.script.answerMessage(MessageAnswer::No);
    QVERIFY(s.close());
}

int main(int argc, char *argv[])
{
    LocalPageScheme::registerScheme();
    QApplication app(argc, argv);
    EveryButtonTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_everybutton.moc"
