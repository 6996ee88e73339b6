#include "rgbsliderset.h"

#include <QGridLayout>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(RgbChannels)

namespace {

QColor swatchColor(const QLabel *label)
{
    return label->palette().color(QPalette::Window);
}

// A window holding one slider set, laid out as a dialog would.
struct Host {
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    RgbSliderSet *set;

    explicit Host(const RgbSliderOptions &options)
        : set(new RgbSliderSet(window.get(), options))
    {
        window->setLayout(set->sliderLayout());
    }

    bool show()
    {
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }
};

// A point along the slider, a fraction of its length from the start (left or top) end.
QPoint along(const QScrollBar *slider, double fraction)
{
    if (slider->orientation() == Qt::Horizontal)
        return {int(slider->width() * fraction), slider->height() / 2};
    return {slider->width() / 2, int(slider->height() * fraction)};
}

} // namespace

class TestRgbSliderSet : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Arrow and trough clicks: towards the start end brightens, towards the far end darkens.
    void clicksMoveTowardsFullIntensityAtStart_data()
    {
        QTest::addColumn<Qt::Orientation>("orientation");
        QTest::addColumn<int>("troughStep");
        QTest::newRow("horizontal, mixer") << Qt::Horizontal << 1;
        QTest::newRow("vertical, body") << Qt::Vertical << 1;
        QTest::newRow("vertical, gradient") << Qt::Vertical << 16;
    }
    void clicksMoveTowardsFullIntensityAtStart()
    {
        QFETCH(Qt::Orientation, orientation);
        QFETCH(int, troughStep);
        RgbSliderOptions options;
        options.orientation = orientation;
        options.initial = {128, 128, 128};
        options.troughStep = troughStep;
        Host host(options);
        QVERIFY(host.show());
        QScrollBar *slider = host.set->greenscr;
        QCOMPARE(sliderChannel(slider), 128);

        QTest::mouseClick(slider, Qt::LeftButton, {}, along(slider, 0.2)); // trough, start side
        QCOMPARE(host.set->channels().green, 128 + troughStep);
        QTest::mouseClick(slider, Qt::LeftButton, {}, along(slider, 0.8)); // trough, far side
        QCOMPARE(host.set->channels().green, 128);
        QTest::mouseClick(slider, Qt::LeftButton, {}, along(slider, 0.01)); // start arrow
        QCOMPARE(host.set->channels().green, 129);
        QTest::mouseClick(slider, Qt::LeftButton, {}, along(slider, 0.99)); // far arrow
        QTest::mouseClick(slider, Qt::LeftButton, {}, along(slider, 0.99));
        QCOMPARE(host.set->channels().green, 127);
        QCOMPARE(swatchColor(host.set->greenlbl), QColor(0, 127, 0));

        // The ends of the bar are full intensity and nothing.
        setSliderChannel(slider, 255);
        QCOMPARE(slider->value(), slider->minimum());
        setSliderChannel(slider, 0);
        QCOMPARE(slider->value(), slider->maximum());
    }

    void sliderPaintsItsSwatchAndTheMix_data()
    {
        QTest::addColumn<QString>("slider");
        QTest::addColumn<QString>("swatch");
        QTest::addColumn<RgbChannels>("alone");
        QTest::addColumn<RgbChannels>("mix");
        QTest::newRow("red") << "redscr" << "redlbl" << RgbChannels{5, 0, 0} << RgbChannels{5, 255, 255};
        QTest::newRow("green") << "greenscr" << "greenlbl" << RgbChannels{0, 5, 0} << RgbChannels{255, 5, 255};
        QTest::newRow("blue") << "bluescr" << "bluelbl" << RgbChannels{0, 0, 5} << RgbChannels{255, 255, 5};
    }
    void sliderPaintsItsSwatchAndTheMix()
    {
        QFETCH(QString, slider);
        QFETCH(QString, swatch);
        QFETCH(RgbChannels, alone);
        QFETCH(RgbChannels, mix);
        Host host({});
        QSignalSpy changed(host.set, &RgbSliderSet::changed);

        setSliderChannel(host.window->findChild<QScrollBar *>(slider), 5);

        QCOMPARE(host.set->channels(), mix);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().first().value<RgbChannels>(), mix);
        auto *label = host.window->findChild<QLabel *>(swatch);
        QCOMPARE(swatchColor(label), QColor(alone.red, alone.green, alone.blue));
        QCOMPARE(swatchColor(host.set->alllbl), QColor(mix.red, mix.green, mix.blue));
        // The other channels' swatches keep full intensity.
        for (QLabel *other : {host.set->redlbl, host.set->greenlbl, host.set->bluelbl}) {
            if (other != label)
                QCOMPARE(swatchColor(other).value(), 255);
        }
    }

    void startsFromGivenColourWithSuffixedNames()
    {
        RgbSliderOptions options;
        options.initial = {0, 0, 0};
        options.nameSuffix = QStringLiteral("(1)");
        Host host(options);
        for (const char *name : {"redscr(1)", "greenscr(1)", "bluescr(1)"}) {
            auto *slider = host.window->findChild<QScrollBar *>(QLatin1String(name));
            QVERIFY2(slider, name);
            QCOMPARE(sliderChannel(slider), 0);
        }
        for (const char *name : {"redlbl(1)", "greenlbl(1)", "bluelbl(1)", "alllbl(1)"}) {
            auto *label = host.window->findChild<QLabel *>(QLatin1String(name));
            QVERIFY2(label, name);
            QCOMPARE(swatchColor(label), QColor(Qt::black));
        }
        QCOMPARE(host.set->code(), QStringLiteral("#000000"));

        // Defaults: full intensity, pure channel swatches, a white mix.
        Host plain({});
        QCOMPARE(plain.set->code(), QStringLiteral("#FFFFFF"));
        QCOMPARE(swatchColor(plain.set->redlbl), QColor(Qt::red));
        QCOMPARE(swatchColor(plain.set->greenlbl), QColor(Qt::green));
        QCOMPARE(swatchColor(plain.set->bluelbl), QColor(Qt::blue));
        QCOMPARE(swatchColor(plain.set->alllbl), QColor(Qt::white));
    }

    void invertGoesGreenRedBlue()
    {
        RgbSliderOptions options;
        options.initial = {255, 200, 0};
        Host host(options);
        QSignalSpy changed(host.set, &RgbSliderSet::changed);

        host.set->invert();

        QCOMPARE(changed.count(), 3);
        QCOMPARE(changed[0].first().value<RgbChannels>(), (RgbChannels{255, 55, 0}));
        QCOMPARE(changed[1].first().value<RgbChannels>(), (RgbChannels{0, 55, 0}));
        QCOMPARE(changed[2].first().value<RgbChannels>(), (RgbChannels{0, 55, 255}));
        QCOMPARE(sliderChannel(host.set->bluescr), 255);
        QCOMPARE(swatchColor(host.set->alllbl), QColor(0, 55, 255));
    }
};

QTEST_MAIN(TestRgbSliderSet)
#include "tst_rgbsliderset.moc"
