#include "colorfrm.h"
#include "rgbsliderset.h"
#include "scriptedinteraction.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

namespace {

QColor swatchColor(const QDialog &d, const char *name)
{
    const auto *label = d.findChild<QLabel *>(QLatin1String(name));
    return label ? label->palette().color(QPalette::Window) : QColor();
}

QScrollBar *slider(const QDialog &d, const char *name)
{
    return d.findChild<QScrollBar *>(QLatin1String(name));
}

QString codeCaption(const QDialog &d)
{
    const auto *button = d.findChild<QPushButton *>(QStringLiteral("Command1"));
    return button ? button->text() : QString();
}

void clickConfirm(QDialog &d)
{
    QTest::mouseClick(d.findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
}

// Where the thumb of a scroll bar is drawn.
QRect thumbRect(const QScrollBar *bar)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_All;
    option.orientation = bar->orientation();
    if (bar->orientation() == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
}

} // namespace

class TestColorFrm : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void opensFreshAndConfirmsWhiteAtOnce()
    {
        ScriptedInteraction script;
        script.answerModal([](QDialog &d) {
            [&] {
                QCOMPARE(d.objectName(), QStringLiteral("colorFrm"));
                QCOMPARE(d.windowTitle(), QStringLiteral("color"));
                QCOMPARE(codeCaption(d), QStringLiteral("#FFFFFF"));
                for (const char *name : {"redscr", "greenscr", "bluescr"}) {
                    QVERIFY2(slider(d, name), name);
                    QCOMPARE(slider(d, name)->orientation(), Qt::Horizontal);
                    QCOMPARE(sliderChannel(slider(d, name)), 255);
                }
                QCOMPARE(swatchColor(d, "redlbl"), QColor(255, 0, 0));
                QCOMPARE(swatchColor(d, "greenlbl"), QColor(0, 255, 0));
                QCOMPARE(swatchColor(d, "bluelbl"), QColor(0, 0, 255));
                QCOMPARE(swatchColor(d, "alllbl"), QColor(255, 255, 255));
            }();
            clickConfirm(d);
            return d.result();
        });
        QString chosen = QStringLiteral("#123456");
        openColorMixer(script.interaction(), nullptr, chosen);
        QCOMPARE(chosen, QStringLiteral("#FFFFFF"));
        QCOMPARE(script.askedOf(QStringLiteral("modal")).size(), 1);
        QVERIFY(script.unexpected().isEmpty());
    }

    void confirmWritesMixedCode_data()
    {
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::addColumn<QString>("code");
        QTest::newRow("all thumbs at the right") << 0 << 0 << 0 << "#000000";
        QTest::newRow("red alone") << 255 << 0 << 0 << "#FF0000";
        QTest::newRow("single digits padded") << 5 << 10 << 16 << "#050A10";
    }
    void confirmWritesMixedCode()
    {
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        QFETCH(QString, code);
        ScriptedInteraction script;
        script.answerModal([&](QDialog &d) {
            setSliderChannel(slider(d, "redscr"), red);
            setSliderChannel(slider(d, "greenscr"), green);
            setSliderChannel(slider(d, "bluescr"), blue);
            [&] {
                QCOMPARE(codeCaption(d), code);
                QCOMPARE(swatchColor(d, "redlbl"), QColor(red, 0, 0));
                QCOMPARE(swatchColor(d, "greenlbl"), QColor(0, green, 0));
                QCOMPARE(swatchColor(d, "bluelbl"), QColor(0, 0, blue));
                QCOMPARE(swatchColor(d, "alllbl"), QColor(red, green, blue));
            }();
            clickConfirm(d);
            return d.result();
        });
        QString chosen;
        openColorMixer(script.interaction(), nullptr, chosen);
        QCOMPARE(chosen, code);
    }

    void closeBoxLeavesPreviousColour_data()
    {
        QTest::addColumn<QString>("previous");
        QTest::newRow("nothing confirmed yet") << QString();
        QTest::newRow("confirmed before") << QStringLiteral("#00FF00");
    }
    void closeBoxLeavesPreviousColour()
    {
        QFETCH(QString, previous);
        ScriptedInteraction script;
        int result = -1;
        script.answerModal([&](QDialog &d) {
            setSliderChannel(slider(d, "redscr"), 0);
            d.close();
            result = d.result();
            return result;
        });
        QString chosen = previous;
        openColorMixer(script.interaction(), nullptr, chosen);
        QCOMPARE(result, int(QDialog::Rejected));
        QCOMPARE(chosen, previous);
        QCOMPARE(chosen.isNull(), previous.isNull());
    }

    // The swatches and the code follow the thumb while the mouse button is still down.
    void draggingUpdatesBeforeRelease()
    {
        ScriptedInteraction script;
        script.answerModal([](QDialog &d) {
            d.show();
            [&] {
                QVERIFY(QTest::qWaitForWindowExposed(&d));
                QScrollBar *red = slider(d, "redscr");
                QScrollBar *green = slider(d, "greenscr");
                QScrollBar *blue = slider(d, "bluescr");
                // Stacked red, green, blue from the top.
                QVERIFY(red->y() < green->y());
                QVERIFY(green->y() < blue->y());

                const QPoint start = thumbRect(green).center();
                QTest::mousePress(green, Qt::LeftButton, {}, start);
                QTest::mouseMove(green, start + QPoint(60, 0));
                QVERIFY(green->isSliderDown());
                const int channel = sliderChannel(green);
                QVERIFY(channel < 255);
                QCOMPARE(codeCaption(d), QStringLiteral("#FF") + twoDigitHex(channel) + QStringLiteral("FF"));
                QCOMPARE(swatchColor(d, "greenlbl"), QColor(0, channel, 0));
                QCOMPARE(swatchColor(d, "alllbl"), QColor(255, channel, 255));
                QTest::mouseRelease(green, Qt::LeftButton, {}, start + QPoint(60, 0));
                QCOMPARE(sliderChannel(green), channel);
            }();
            clickConfirm(d);
            return d.result();
        });
        QString chosen;
        openColorMixer(script.interaction(), nullptr, chosen);
        QVERIFY(chosen.startsWith(QStringLiteral("#FF")));
        QVERIFY(chosen != QStringLiteral("#FFFFFF"));
    }
};

QTEST_MAIN(TestColorFrm)
#include "tst_colorfrm.moc"
