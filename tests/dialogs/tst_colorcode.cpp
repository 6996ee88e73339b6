#include "colorcode.h"

#include <QTest>

class TestColorCode : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void hexIsTwoUpperCaseDigits_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("hex");
        QTest::newRow("zero") << 0 << "00";
        QTest::newRow("single digit") << 5 << "05";
        QTest::newRow("single letter") << 10 << "0A";
        QTest::newRow("last below 16") << 15 << "0F";
        QTest::newRow("first of two digits") << 16 << "10";
        QTest::newRow("letters upper case") << 171 << "AB";
        QTest::newRow("full") << 255 << "FF";
        QTest::newRow("above range") << 256 << "FF";
        QTest::newRow("below range") << -1 << "00";
    }
    void hexIsTwoUpperCaseDigits()
    {
        QFETCH(int, value);
        QFETCH(QString, hex);
        QCOMPARE(twoDigitHex(value), hex);
    }

    void codeIsHashAndThreeChannels_data()
    {
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::addColumn<QString>("code");
        QTest::newRow("white") << 255 << 255 << 255 << "#FFFFFF";
        QTest::newRow("black") << 0 << 0 << 0 << "#000000";
        QTest::newRow("red") << 255 << 0 << 0 << "#FF0000";
        QTest::newRow("order red green blue") << 1 << 2 << 3 << "#010203";
        QTest::newRow("padded and upper case") << 5 << 10 << 239 << "#050AEF";
    }
    void codeIsHashAndThreeChannels()
    {
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        QFETCH(QString, code);
        QCOMPARE(ShowColorCode({red, green, blue}), code);
    }

    void codeTextTurnsBlackAbove384_data()
    {
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::addColumn<bool>("black");
        QTest::newRow("black colour") << 0 << 0 << 0 << false;
        QTest::newRow("sum 384") << 128 << 128 << 128 << false;
        QTest::newRow("sum 385") << 129 << 128 << 128 << true;
        QTest::newRow("one channel full") << 255 << 129 << 0 << false;
        QTest::newRow("white") << 255 << 255 << 255 << true;
    }
    void codeTextTurnsBlackAbove384()
    {
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        QFETCH(bool, black);
        QCOMPARE(codeTextIsBlack({red, green, blue}), black);
    }
};

QTEST_APPLESS_MAIN(TestColorCode)
#include "tst_colorcode.moc"
