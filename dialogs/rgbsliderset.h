#pragma once

#include "colorcode.h"

#include <QObject>
#include <QString>

class QGridLayout;
class QLabel;
class QScrollBar;
class QWidget;

// How one dialog wants its sliders: the colour mixer's are the defaults.
struct RgbSliderOptions {
    Qt::Orientation orientation = Qt::Horizontal;
    RgbChannels initial;     // thumbs, channels and swatches start here
    int troughStep = 1;      // a click beside the thumb; arrows always move by 1
    QString nameSuffix;      // "(0)", "(1)" where a dialog has two sets
};

// Three channel sliders with their swatches and a mix swatch. Each slider runs from 255
// at its left (top) end to 0 at its right (bottom) end, so moving the thumb right or down
// darkens the channel; a scroll bar's value is therefore 255 minus its channel (see
// sliderChannel and setSliderChannel).
//
// The controls are made here, named redscr, greenscr, bluescr, redlbl, greenlbl, bluelbl
// and alllbl (plus the suffix), parented to the given widget; the dialog places the mix
// swatch and shows the code wherever it wants it.
class RgbSliderSet : public QObject {
    Q_OBJECT
public:
    explicit RgbSliderSet(QWidget *parent, const RgbSliderOptions &options = {});

    QScrollBar *redscr;
    QScrollBar *greenscr;
    QScrollBar *bluescr;
    QLabel *redlbl;
    QLabel *greenlbl;
    QLabel *bluelbl;
    QLabel *alllbl;

    RgbChannels channels() const { return m_channels; }
    QString code() const { return ShowColorCode(m_channels); }

    // Each slider to 255 minus its value, green first, then red, then blue; every move
    // runs the usual slider handling.
    void invert();

    // The sliders with their channel swatches: rows with the swatch on the left for
    // horizontal sliders, columns with the swatch on top for vertical ones.
    QGridLayout *sliderLayout() const;

Q_SIGNALS:
    // After a slider moved and the swatches were repainted.
    void changed(const RgbChannels &channels);

private:
    void sliderMoved(QScrollBar *slider, QLabel *swatch, int RgbChannels::*channel);

    Qt::Orientation m_orientation;
    RgbChannels m_channels;
};

// The channel a slider stands at, and moving it there (which runs the slider handling
// when the position changes).
int sliderChannel(const QScrollBar *slider);
void setSliderChannel(QScrollBar *slider, int channel);

// Paints a label's background; channels above 255 count as 255.
void paintSwatch(QLabel *swatch, const RgbChannels &channels);
