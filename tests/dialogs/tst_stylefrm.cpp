#include "rgbsliderset.h"
#include "scriptedinteraction.h"
#include "stylefrm.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <functional>

using DialogSetup = std::function<void(QDialog &)>;
Q_DECLARE_METATYPE(DialogSetup)

namespace {

template <typename T>
T *child(const QDialog &d, const char *name)
{
    T *found = d.findChild<T *>(QLatin1String(name));
    if (!found)
        qWarning("no control %s", name);
    return found;
}

void click(const QDialog &d, const char *name) { child<QAbstractButton>(d, name)->click(); }
void type(const QDialog &d, const char *name, const QString &text) { child<QLineEdit>(d, name)->setText(text); }
void pick(const QDialog &d, const char *name, const QString &item)
{
    auto *list = child<QListWidget>(d, name);
    const QList<QListWidgetItem *> found = list->findItems(item, Qt::MatchExactly);
    if (found.size() == 1)
        list->setCurrentItem(found.first());
    else
        qWarning("no item %s in %s", qPrintable(item), name);
}

QString quoted(const QString &text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

QStringList itemsOf(const QListWidget *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

// Opens the dialog with chosenStyle and chosenColor as given, runs the script on it, then
// clicks "OK" or the close box. Scripts for windows the dialog opens go after expect().
struct Session {
    ScriptedInteraction script;
    QString chosenStyle;
    QString chosenColor;
    int result = -1;

    void expect(const DialogSetup &run, bool confirm)
    {
        script.answerModal([this, run, confirm](QDialog &d) {
            run(d);
            if (confirm)
                click(d, "Command3");
            else
                d.close();
            result = d.result();
            return result;
        });
    }

    int open()
    {
        openStyleSheet(script.interaction(), nullptr, chosenStyle, chosenColor);
        return result;
    }

    int open(const DialogSetup &run, bool confirm)
    {
        expect(run, confirm);
        return open();
    }
};

} // namespace

class TestStyleFrm : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void opensInInitialStateAndOkWritesEmptyValue()
    {
        Session session;
        session.chosenStyle = quoted(QStringLiteral("color:red"));
        session.open([](QDialog &d) {
            QCOMPARE(d.objectName(), QStringLiteral("styleFrm"));
            QCOMPARE(d.windowTitle(), QStringLiteral("ｽﾀｲﾙ定義"));
            for (const char *name : {"Check1", "Check2", "Check3", "Check4", "Check5", "Check6",
                                     "Check7", "Check8", "Check9"}) {
                QVERIFY2(child<QCheckBox>(d, name), name);
                QVERIFY2(!child<QCheckBox>(d, name)->isChecked(), name);
            }
            for (const char *name : {"Option1", "Option2", "Option3", "Option4", "Option5", "Option6"}) {
                const bool selected = qstrcmp(name, "Option1") == 0 || qstrcmp(name, "Option3") == 0;
                QVERIFY2(child<QRadioButton>(d, name), name);
                QVERIFY2(child<QRadioButton>(d, name)->isChecked() == selected, name);
            }
            for (const char *name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7",
                                     "Text8", "Text9", "Text10"}) {
                QVERIFY2(child<QLineEdit>(d, name), name);
                QVERIFY2(child<QLineEdit>(d, name)->text().isEmpty(), name);
            }
            QCOMPARE(itemsOf(child<QListWidget>(d, "List1")), fontClassItems());
            QCOMPARE(itemsOf(child<QListWidget>(d, "List2")), sizeNameItems());
            for (const char *name : {"List1", "List2", "List3", "List4", "List5", "List6", "List7"}) {
                const auto *list = child<QListWidget>(d, name);
                QVERIFY2(list, name);
                if (qstrcmp(name, "List3") >= 0)
                    QCOMPARE(itemsOf(list), unitItems());
                QCOMPARE(list->selectedItems().size(), 1);
                QCOMPARE(list->selectedItems().first(), list->item(0));
            }
            for (const char *name : {"Command1", "Command2", "Command3", "Command4"})
                QVERIFY2(child<QPushButton>(d, name), name);
            for (const char *name : {"Frame1", "Frame4", "Frame5"})
                QVERIFY2(child<QGroupBox>(d, name), name);
            // Ticking only decides what is written: nothing is ever disabled.
            for (const QWidget *w : d.findChildren<QWidget *>())
                QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
        }, true);
        QCOMPARE(session.chosenStyle, quoted(QString()));
        QCOMPARE(session.script.askedOf(QStringLiteral("modal")).size(), 1);
        QVERIFY(session.script.unexpected().isEmpty());
    }

    void okWritesValueOfTheControls_data()
    {
        QTest::addColumn<DialogSetup>("setup");
        QTest::addColumn<QString>("value");

        QTest::newRow("colour only, no semicolon") << DialogSetup([](QDialog &d) {
            click(d, "Check9");
            type(d, "Text10", QStringLiteral("#FF0000"));
        }) << quoted(QStringLiteral("color:#FF0000"));

        QTest::newRow("pixel size without unit") << DialogSetup([](QDialog &d) {
            click(d, "Check2");
            type(d, "Text2", QStringLiteral("12"));
        }) << quoted(QStringLiteral("font-size:12;"));

        QTest::newRow("size name from list") << DialogSetup([](QDialog &d) {
            click(d, "Check2");
            type(d, "Text2", QStringLiteral("12"));
            click(d, "Option4");
            pick(d, "List2", QStringLiteral("midium"));
        }) << quoted(QStringLiteral("font-size:midium;"));

        QTest::newRow("family class from list") << DialogSetup([](QDialog &d) {
            click(d, "Check1");
            type(d, "Text1", QStringLiteral("Arial"));
            click(d, "Option2");
            pick(d, "List1", QStringLiteral("cursive"));
        }) << quoted(QStringLiteral("font-family:cursive;"));

        QTest::newRow("family and size options are independent") << DialogSetup([](QDialog &d) {
            click(d, "Check1");
            click(d, "Check2");
            type(d, "Text1", QStringLiteral("Arial"));
            click(d, "Option4");
        }) << quoted(QStringLiteral("font-family:Arial;font-size:xx-small;"));

        QTest::newRow("background with neither option is the colour") << DialogSetup([](QDialog &d) {
            click(d, "Check8");
            type(d, "Text8", QStringLiteral("bg.gif"));
            type(d, "Text9", QStringLiteral("#00FF00"));
        }) << quoted(QStringLiteral("background:#00FF00;"));

        QTest::newRow("background image") << DialogSetup([](QDialog &d) {
            click(d, "Check8");
            click(d, "Option5");
            type(d, "Text8", QStringLiteral("bg.gif"));
            type(d, "Text9", QStringLiteral("#00FF00"));
        }) << quoted(QStringLiteral("background:url(bg.gif);"));

        QTest::newRow("background colour chosen after image") << DialogSetup([](QDialog &d) {
            click(d, "Check8");
            click(d, "Option5");
            click(d, "Option6");
            type(d, "Text9", QStringLiteral("#00FF00"));
        }) << quoted(QStringLiteral("background:#00FF00;"));

        QTest::newRow("top margin with first unit") << DialogSetup([](QDialog &d) {
            click(d, "Check5");
            type(d, "Text5", QStringLiteral("10"));
        }) << quoted(QStringLiteral("margin-top:10px;"));

        QTest::newRow("unit list without selection") << DialogSetup([](QDialog &d) {
            click(d, "Check5");
            type(d, "Text5", QStringLiteral("10"));
            child<QListWidget>(d, "List5")->clearSelection();
        }) << quoted(QStringLiteral("margin-top:10;"));

        QTest::newRow("everything, ticked from the last group back") << DialogSetup([](QDialog &d) {
            click(d, "Check9");
            type(d, "Text10", QStringLiteral("#123456"));
            click(d, "Check8");
            type(d, "Text9", QStringLiteral("#ABCDEF"));
            click(d, "Check7");
            type(d, "Text7", QStringLiteral("7"));
            pick(d, "List7", QStringLiteral("%"));
            click(d, "Check6");
            type(d, "Text6", QStringLiteral("6"));
            pick(d, "List6", QStringLiteral("cm"));
            click(d, "Check5");
            type(d, "Text5", QStringLiteral("5"));
            pick(d, "List5", QStringLiteral("in"));
            click(d, "Check4");
            type(d, "Text4", QStringLiteral("4"));
            pick(d, "List4", QStringLiteral("pt"));
            click(d, "Check3");
            type(d, "Text3", QStringLiteral("3"));
            click(d, "Check2");
            type(d, "Text2", QStringLiteral("2"));
            click(d, "Check1");
            type(d, "Text1", QStringLiteral("ＭＳ ゴシック"));
        }) << quoted(QStringLiteral("font-family:ＭＳ ゴシック;font-size:2;line-height:3px;text-indent:4pt;"
                                    "margin-top:5in;margin-right:6cm;margin-left:7%;background:#ABCDEF;"
                                    "color:#123456"));
    }
    void okWritesValueOfTheControls()
    {
        QFETCH(DialogSetup, setup);
        QFETCH(QString, value);
        Session session;
        QCOMPARE(session.open(setup, true), int(QDialog::Accepted));
        QCOMPARE(session.chosenStyle, value);
    }

    void closeBoxLeavesPreviousStyle_data()
    {
        QTest::addColumn<QString>("previous");
        QTest::newRow("no OK yet") << QString();
        QTest::newRow("OK before") << quoted(QStringLiteral("color:red"));
    }
    void closeBoxLeavesPreviousStyle()
    {
        QFETCH(QString, previous);
        Session session;
        session.chosenStyle = previous;
        const int result = session.open([](QDialog &d) {
            click(d, "Check9");
            type(d, "Text10", QStringLiteral("#FFFFFF"));
        }, false);
        QCOMPARE(result, int(QDialog::Rejected));
        QCOMPARE(session.chosenStyle, previous);
        QCOMPARE(session.chosenStyle.isNull(), previous.isNull());
    }

    void fontDialogFillsFontAndSize_data()
    {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<QString>("size");
        QTest::newRow("whole points") << QFont(QStringLiteral("Arial"), 12) << "12";
        QFont half(QStringLiteral("Courier New"));
        half.setPointSizeF(10.5);
        QTest::newRow("half points") << half << "10.5";
    }
    void fontDialogFillsFontAndSize()
    {
        QFETCH(QFont, font);
        QFETCH(QString, size);
        Session session;
        session.script.answerFont(font);
        session.open([&](QDialog &d) {
            click(d, "Option2");
            click(d, "Option4");
            click(d, "Command1");
            QVERIFY(child<QCheckBox>(d, "Check1")->isChecked());
            QVERIFY(child<QCheckBox>(d, "Check2")->isChecked());
            QVERIFY(child<QRadioButton>(d, "Option1")->isChecked());
            QVERIFY(child<QRadioButton>(d, "Option3")->isChecked());
            QCOMPARE(child<QLineEdit>(d, "Text1")->text(), font.family());
            QCOMPARE(child<QLineEdit>(d, "Text2")->text(), size);
        }, true);
        QCOMPARE(session.chosenStyle,
                 quoted(QStringLiteral("font-family:") + font.family() + QStringLiteral(";font-size:") + size + u';'));
        QCOMPARE(session.script.askedOf(QStringLiteral("font")).size(), 1);
        QVERIFY(session.script.unexpected().isEmpty());
    }

    void cancelledFontDialogChangesNothing()
    {
        Session session;
        session.script.answerFont(std::nullopt);
        session.open([](QDialog &d) {
            click(d, "Option2");
            type(d, "Text1", QStringLiteral("Times"));
            type(d, "Text2", QStringLiteral("9"));
            click(d, "Command1");
            QVERIFY(!child<QCheckBox>(d, "Check1")->isChecked());
            QVERIFY(!child<QCheckBox>(d, "Check2")->isChecked());
            QVERIFY(child<QRadioButton>(d, "Option2")->isChecked());
            QCOMPARE(child<QLineEdit>(d, "Text1")->text(), QStringLiteral("Times"));
            QCOMPARE(child<QLineEdit>(d, "Text2")->text(), QStringLiteral("9"));
        }, true);
        QCOMPARE(session.chosenStyle, quoted(QString()));
        QCOMPARE(session.script.askedOf(QStringLiteral("font")).size(), 1);
    }

    // Each browse button opens the mixer over the dialog and then copies the chosen
    // colour into its field, also when the mixer was closed with its close box.
    void colourButtonsGoThroughTheMixer_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<QString>("previousColor");
        QTest::addColumn<QString>("expected");
        QTest::newRow("font colour, confirmed") << "Command4" << "Text10" << true << "#0000FF" << "#00FFFF";
        QTest::newRow("background, confirmed") << "Command2" << "Text9" << true << "" << "#00FFFF";
        QTest::newRow("font colour, closed") << "Command4" << "Text10" << false << "#0000FF" << "#0000FF";
        QTest::newRow("background, closed before any colour") << "Command2" << "Text9" << false << "" << "";
    }
    void colourButtonsGoThroughTheMixer()
    {
        QFETCH(QString, button);
        QFETCH(QString, field);
        QFETCH(bool, confirm);
        QFETCH(QString, previousColor);
        QFETCH(QString, expected);
        Session session;
        session.chosenColor = previousColor;
        QString fieldAfter;
        const QDialog *styleDialog = nullptr;
        const QWidget *mixerParent = nullptr;
        session.expect([&](QDialog &d) {
            styleDialog = &d;
            type(d, field.toLatin1().constData(), QStringLiteral("typed"));
            click(d, button.toLatin1().constData());
            fieldAfter = child<QLineEdit>(d, field.toLatin1().constData())->text();
        }, true);
        session.script.answerModal([&](QDialog &mixer) {
            mixerParent = mixer.parentWidget();
            setSliderChannel(mixer.findChild<QScrollBar *>(QStringLiteral("redscr")), 0);
            if (confirm)
                click(mixer, "Command1");
            else
                mixer.close();
            return mixer.result();
        });
        session.open();

        QCOMPARE(fieldAfter, expected);
        QCOMPARE(session.chosenColor, expected);
        QCOMPARE(mixerParent, styleDialog);
        const QList<ScriptedInteraction::Asked> modals = session.script.askedOf(QStringLiteral("modal"));
        QCOMPARE(modals.size(), 2);
        QCOMPARE(modals[1].title, QStringLiteral("color"));
        QVERIFY(session.script.unexpected().isEmpty());
        QCOMPARE(session.script.unusedAnswers(), 0);
    }
};

QTEST_MAIN(TestStyleFrm)
#include "tst_stylefrm.moc"
