#include "colorfrm.h"

#include "rgbsliderset.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

colorFrm::colorFrm(QString &chosenColor, QWidget *parent)
    : QDialog(parent)
    , m_chosenColor(chosenColor)
{
    setObjectName(QStringLiteral("colorFrm"));
    setWindowTitle(QStringLiteral("color"));

    sliders = new RgbSliderSet(this);
    redscr = sliders->redscr;
    greenscr = sliders->greenscr;
    bluescr = sliders->bluescr;
    redlbl = sliders->redlbl;
    greenlbl = sliders->greenlbl;
    bluelbl = sliders->bluelbl;
    alllbl = sliders->alllbl;
    alllbl->setFixedSize(80, 51);

    Command1 = new QPushButton(sliders->code(), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setFixedWidth(80);
    connect(Command1, &QPushButton::clicked, this, &colorFrm::Command1_Click);
    connect(sliders, &RgbSliderSet::changed, this, [this] { Command1->setText(sliders->code()); });

    auto *mix = new QVBoxLayout;
    mix->addWidget(alllbl);
    mix->addWidget(Command1);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(mix);
    layout->addLayout(sliders->sliderLayout());
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void colorFrm::Command1_Click()
{
    m_chosenColor = sliders->code(); // what the caption shows
    accept();
}

void openColorMixer(const Interaction &interaction, QWidget *parent, QString &chosenColor)
{
    colorFrm dialog(chosenColor, parent);
    interaction.runModal(dialog);
}
