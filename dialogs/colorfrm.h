#pragma once

#include "interaction.h"

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class QScrollBar;
class RgbSliderSet;

// The colour mixer: three sliders, and a button showing the mixed code that confirms it.
// Confirming writes the code into the chosen-colour string it was given; the close box
// leaves that string alone.
class colorFrm : public QDialog {
    Q_OBJECT
public:
    explicit colorFrm(QString &chosenColor, QWidget *parent = nullptr);

    RgbSliderSet *sliders;
    QScrollBar *redscr;
    QScrollBar *greenscr;
    QScrollBar *bluescr;
    QLabel *redlbl;
    QLabel *greenlbl;
    QLabel *bluelbl;
    QLabel *alllbl;
    QPushButton *Command1; // shows the code; a click confirms it

private:
    void Command1_Click();

    QString &m_chosenColor;
};

// Shows a fresh colour mixer modally over parent. chosenColor changes only when the user
// confirms a colour.
void openColorMixer(const Interaction &interaction, QWidget *parent, QString &chosenColor);
