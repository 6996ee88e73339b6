#include "stylevalue.h"

#include <QTest>

Q_DECLARE_METATYPE(StyleSheetState)

namespace {

// The text in double quotes, as the attribute value is written.
QString quoted(const char *text)
{
    return QLatin1Char('"') + QString::fromUtf8(text) + QLatin1Char('"');
}

// Every group ticked, each with a value that shows where it ended up.
StyleSheetState everythingTicked()
{
    StyleSheetState s;
    s.color = true;
    s.colorText = QStringLiteral("#123456");
    s.background = true;
    s.backgroundColor = QStringLiteral("#ABCDEF");
    s.marginLeft = {true, QStringLiteral("7"), QStringLiteral("%")};
    s.marginRight = {true, QStringLiteral("6"), QStringLiteral("cm")};
    s.marginTop = {true, QStringLiteral("5"), QStringLiteral("in")};
    s.textIndent = {true, QStringLiteral("4"), QStringLiteral("pt")};
    s.lineHeight = {true, QStringLiteral("3"), QStringLiteral("px")};
    s.fontSize = true;
    s.sizeNumber = QStringLiteral("2");
    s.fontFamily = true;
    s.familyName = QStringLiteral("Arial");
    return s;
}

} // namespace

class TestStyleValue : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void value_data()
    {
        QTest::addColumn<StyleSheetState>("state");
        QTest::addColumn<QString>("value");

        const StyleSheetState opened;
        QTest::newRow("nothing ticked") << opened << quoted("");

        StyleSheetState s = opened;
        s.familyName = QStringLiteral("Arial");
        s.sizeNumber = QStringLiteral("12");
        s.colorText = QStringLiteral("#FF0000");
        s.marginTop.number = QStringLiteral("10");
        QTest::newRow("filled but unticked writes nothing") << s << quoted("");

        s = opened;
        s.color = true;
        s.colorText = QStringLiteral("#FF0000");
        QTest::newRow("colour has no semicolon") << s << quoted("color:#FF0000");

        s = opened;
        s.color = true;
        QTest::newRow("empty colour") << s << quoted("color:");

        s = opened;
        s.fontFamily = true;
        s.familyName = QStringLiteral("ＭＳ ゴシック");
        QTest::newRow("family by name as typed") << s << quoted("font-family:ＭＳ ゴシック;");

        s.familyByName = false;
        s.familyClass = QStringLiteral("monospace");
        QTest::newRow("family class from list") << s << quoted("font-family:monospace;");

        s = opened;
        s.fontSize = true;
        s.sizeNumber = QStringLiteral("12");
        QTest::newRow("pixel size without unit") << s << quoted("font-size:12;");

        s.sizeInPixels = false;
        s.sizeName = QStringLiteral("midium");
        QTest::newRow("size name as listed") << s << quoted("font-size:midium;");

        s = opened;
        s.marginTop = {true, QStringLiteral("10"), QStringLiteral("px")};
        QTest::newRow("top margin default unit") << s << quoted("margin-top:10px;");

        s = opened;
        s.marginRight = {true, QStringLiteral(" 5 "), QStringLiteral("cm")};
        QTest::newRow("number not trimmed") << s << quoted("margin-right: 5 cm;");

        s = opened;
        s.textIndent = {true, QStringLiteral("2"), QString()};
        QTest::newRow("unit list without selection") << s << quoted("text-indent:2;");

        s = opened;
        s.lineHeight = {true, QStringLiteral("150"), QStringLiteral("%")};
        s.marginLeft = {true, QStringLiteral("1"), QStringLiteral("in")};
        QTest::newRow("line height and left margin") << s << quoted("line-height:150%;margin-left:1in;");

        s = opened;
        s.background = true;
        s.backgroundColor = QStringLiteral("#00FF00");
        s.imageAddress = QStringLiteral("bg.gif");
        QTest::newRow("background without option is the colour") << s << quoted("background:#00FF00;");

        s.backgroundImage = true;
        QTest::newRow("background image") << s << quoted("background:url(bg.gif);");

        QTest::newRow("all groups in fixed order") << everythingTicked()
            << quoted("font-family:Arial;font-size:2;line-height:3px;text-indent:4pt;"
                      "margin-top:5in;margin-right:6cm;margin-left:7%;background:#ABCDEF;color:#123456");
    }
    void value()
    {
        QFETCH(StyleSheetState, state);
        QFETCH(QString, value);
        QCOMPARE(styleValue(state), value);
    }

    void listsHoldTheirItems()
    {
        QCOMPARE(fontClassItems(), QStringList({"serif", "sans-serif", "cursive", "fantasy", "monospace"}));
        QCOMPARE(sizeNameItems(),
                 QStringList({"xx-small", "x-small", "small", "midium", "large", "x-large", "xx-large"}));
        QCOMPARE(unitItems(), QStringList({"px", "pt", "in", "cm", "%"}));
        // A freshly opened dialog has the first item of each list selected.
        const StyleSheetState opened;
        QCOMPARE(opened.familyClass, fontClassItems().first());
        QCOMPARE(opened.sizeName, sizeNameItems().first());
        QCOMPARE(opened.marginTop.unit, unitItems().first());
    }

    void pointSizeIsPlainNumber_data()
    {
        QTest::addColumn<double>("points");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 12.0 << "12";
        QTest::newRow("half") << 10.5 << "10.5";
        QTest::newRow("quarter") << 21.75 << "21.75";
        QTest::newRow("large") << 144.0 << "144";
    }
    void pointSizeIsPlainNumber()
    {
        QFETCH(double, points);
        QFETCH(QString, text);
        QCOMPARE(pointSizeText(points), text);
    }
};

QTEST_APPLESS_MAIN(TestStyleValue)
#include "tst_stylevalue.moc"
