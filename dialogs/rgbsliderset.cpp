#include "rgbsliderset.h"

#include <QGridLayout>
#include <QLabel>
#include <QPalette>
#include <QScrollBar>

#include <algorithm>

namespace {

constexpr int SwatchSize = 17; // pixels
constexpr int SliderLength = 200;

QScrollBar *channelSlider(QWidget *parent, const QString &name, Qt::Orientation orientation,
                          int channel, int troughStep)
{
    auto *slider = new QScrollBar(orientation, parent);
    slider->setObjectName(name);
    // Scroll bars grow to the right and down, so the position counts the steps away
    // from full intensity. (An inverted appearance would send arrow and trough clicks the
    // wrong way.)
    slider->setRange(0, 255);
    slider->setSingleStep(1);
    slider->setPageStep(troughStep);
    setSliderChannel(slider, channel);
    // valueChanged then also fires while the thumb is dragged, so the swatches follow it.
    slider->setTracking(true);
    if (orientation == Qt::Horizontal)
        slider->setMinimumWidth(SliderLength);
    else
        slider->setMinimumHeight(SliderLength);
    return slider;
}

QLabel *swatchLabel(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setAutoFillBackground(true);
    label->setFrameShape(QFrame::Box);
    label->setMinimumSize(SwatchSize, SwatchSize);
    return label;
}

} // namespace

int sliderChannel(const QScrollBar *slider)
{
    return 255 - slider->value();
}

void setSliderChannel(QScrollBar *slider, int channel)
{
    slider->setValue(255 - channel);
}

void paintSwatch(QLabel *swatch, const RgbChannels &channels)
{
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, QColor(std::clamp(channels.red, 0, 255),
                                              std::clamp(channels.green, 0, 255),
                                              std::clamp(channels.blue, 0, 255)));
    swatch->setPalette(palette);
}

RgbSliderSet::RgbSliderSet(QWidget *parent, const RgbSliderOptions &options)
    : QObject(parent)
    , m_orientation(options.orientation)
    , m_channels(options.initial)
{
    const QString &suffix = options.nameSuffix;
    redscr = channelSlider(parent, QStringLiteral("redscr") + suffix, m_orientation, m_channels.red, options.troughStep);
    greenscr = channelSlider(parent, QStringLiteral("greenscr") + suffix, m_orientation, m_channels.green, options.troughStep);
    bluescr = channelSlider(parent, QStringLiteral("bluescr") + suffix, m_orientation, m_channels.blue, options.troughStep);
    redlbl = swatchLabel(parent, QStringLiteral("redlbl") + suffix);
    greenlbl = swatchLabel(parent, QStringLiteral("greenlbl") + suffix);
    bluelbl = swatchLabel(parent, QStringLiteral("bluelbl") + suffix);
    alllbl = swatchLabel(parent, QStringLiteral("alllbl") + suffix);
    alllbl->setAlignment(Qt::AlignCenter);

    paintSwatch(redlbl, {m_channels.red, 0, 0});
    paintSwatch(greenlbl, {0, m_channels.green, 0});
    paintSwatch(bluelbl, {0, 0, m_channels.blue});
    paintSwatch(alllbl, m_channels);

    connect(redscr, &QScrollBar::valueChanged, this, [this] { sliderMoved(redscr, redlbl, &RgbChannels::red); });
    connect(greenscr, &QScrollBar::valueChanged, this, [this] { sliderMoved(greenscr, greenlbl, &RgbChannels::green); });
    connect(bluescr, &QScrollBar::valueChanged, this, [this] { sliderMoved(bluescr, bluelbl, &RgbChannels::blue); });
}

void RgbSliderSet::sliderMoved(QScrollBar *slider, QLabel *swatch, int RgbChannels::*channel)
{
    m_channels.*channel = sliderChannel(slider);
    RgbChannels alone{0, 0, 0};
    alone.*channel = m_channels.*channel;
    paintSwatch(swatch, alone);
    paintSwatch(alllbl, m_channels);
    Q_EMIT changed(m_channels);
}

void RgbSliderSet::invert()
{
    for (QScrollBar *slider : {greenscr, redscr, bluescr})
        setSliderChannel(slider, 255 - sliderChannel(slider));
}

QGridLayout *RgbSliderSet::sliderLayout() const
{
    auto *grid = new QGridLayout;
    QScrollBar *sliders[] = {redscr, greenscr, bluescr};
    QLabel *swatches[] = {redlbl, greenlbl, bluelbl};
    for (int i = 0; i < 3; ++i) {
        QScrollBar *slider = sliders[i];
        if (m_orientation == Qt::Horizontal) {
            grid->addWidget(swatches[i], i, 0);
            grid->addWidget(slider, i, 1);
        } else {
            grid->addWidget(swatches[i], 0, i, Qt::AlignHCenter);
            grid->addWidget(slider, 1, i, Qt::AlignHCenter);
        }
    }
    return grid;
}
