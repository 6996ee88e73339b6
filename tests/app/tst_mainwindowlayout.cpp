#include "mainwindowlayout.h"

#include <QTest>

class MainWindowLayoutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void figures_data()
    {
        QTest::addColumn<double>("width");
        QTest::addColumn<int>("v");
        QTest::addColumn<double>("editorWidth");
        QTest::addColumn<double>("previewLeft");
        QTest::addColumn<double>("previewWidth");
        QTest::newRow("middle") << 10000.0 << 12 << 4760.0 << 4840.0 << 5200.0;
        QTest::newRow("v=1") << 10000.0 << 1 << 10000.0 / 25 - 40 << 440.0 << 9600.0;
        QTest::newRow("v=24") << 10000.0 << 24 << 9560.0 << 9640.0 << 10000.0 / 25;
    }
    void figures()
    {
        QFETCH(double, width);
        QFETCH(int, v);
        QFETCH(double, editorWidth);
        QFETCH(double, previewLeft);
        QFETCH(double, previewWidth);
        MainWindowLayoutInput input;
        input.clientWidth = width;
        input.clientHeight = 8000;
        input.dividerValue = v;
        const auto layout = LayoutMainWindow(input);
        QVERIFY(layout);
        QCOMPARE(layout->editorWidth, editorWidth);
        QCOMPARE(layout->previewLeft, previewLeft);
        QCOMPARE(layout->previewWidth, previewWidth);
        // The gap is 80 twips; the preview reaches 40 twips past the right edge.
        QCOMPARE(layout->previewLeft - layout->editorWidth, 80.0);
        QCOMPARE(layout->previewLeft + layout->previewWidth, width + 40);
        QCOMPARE(layout->dividerWidth, width + 420);
        QCOMPARE(layout->paletteWidth, width - 80);
        QCOMPARE(layout->buttonLeft, layout->previewLeft);
        QCOMPARE(layout->buttonTop, 8000.0 - 315);
        QCOMPARE(layout->editorHeight, 8000.0 - 1560);
        QCOMPARE(layout->dividerHeight, layout->editorHeight);
        QCOMPARE(layout->previewHeight, 8000.0 - 1560);
    }

    void negativeSizeSkipsTheRun_data()
    {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::newRow("narrow: editor width negative") << 60.0 << 8000.0;
        QTest::newRow("low: heights negative") << 10000.0 << 1000.0;
        QTest::newRow("minimised") << 0.0 << 0.0;
    }
    void negativeSizeSkipsTheRun()
    {
        QFETCH(double, width);
        QFETCH(double, height);
        MainWindowLayoutInput input;
        input.clientWidth = width;
        input.clientHeight = height;
        QVERIFY(!LayoutMainWindow(input));
    }

    void twipsAtTheBoundary()
    {
        QCOMPARE(twipsToPixels(1560), 104);
        QCOMPARE(twipsToPixels(9420), 628);
        QCOMPARE(twipsToPixels(7), 0);
        QCOMPARE(twipsToPixels(8), 1);
    }
};

QTEST_GUILESS_MAIN(MainWindowLayoutTest)
#include "tst_mainwindowlayout.moc"
