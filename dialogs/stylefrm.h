#pragma once

#include "interaction.h"
#include "stylevalue.h"

#include <QDialog>
#include <QString>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

// The style sheet dialog: builds the quoted value of a style attribute from the ticked
// groups. "OK" writes it into the chosen-style string it was given; the close box leaves
// that string alone. The two colour "参照" buttons go through the colour mixer and so
// share its chosen-colour string.
class styleFrm : public QDialog {
    Q_OBJECT
public:
    styleFrm(const Interaction &interaction, QString &chosenStyle, QString &chosenColor,
             QWidget *parent = nullptr);

    // What the controls hold now.
    StyleSheetState state() const;

    // Font group
    QGroupBox *Frame1;
    QCheckBox *Check1;
    QRadioButton *Option1;
    QLineEdit *Text1;
    QPushButton *Command1;
    QRadioButton *Option2;
    QListWidget *List1;
    QCheckBox *Check2;
    QRadioButton *Option3;
    QLineEdit *Text2;
    QRadioButton *Option4;
    QListWidget *List2;
    QCheckBox *Check9;
    QLineEdit *Text10;
    QPushButton *Command4;

    // Background group
    QCheckBox *Check8;
    QGroupBox *Frame5;
    QRadioButton *Option5;
    QLineEdit *Text8;
    QRadioButton *Option6;
    QLineEdit *Text9;
    QPushButton *Command2;

    // Margin group
    QGroupBox *Frame4;
    QCheckBox *Check5;
    QLineEdit *Text5;
    QListWidget *List5;
    QCheckBox *Check6;
    QLineEdit *Text6;
    QListWidget *List6;
    QCheckBox *Check7;
    QLineEdit *Text7;
    QListWidget *List7;

    // Spacing group
    QCheckBox *Check3;
    QLineEdit *Text3;
    QListWidget *List3;
    QCheckBox *Check4;
    QLineEdit *Text4;
    QListWidget *List4;

    QPushButton *Command3; // "OK"

private:
    void Command1_Click();
    void Command2_Click();
    void Command4_Click();
    void Command3_Click();

    const Interaction &m_interaction;
    QString &m_chosenStyle;
    QString &m_chosenColor;
};

// Shows a fresh style sheet dialog modally over parent. chosenStyle changes only on "OK";
// chosenColor changes when a colour is confirmed in the mixer the dialog opens.
void openStyleSheet(const Interaction &interaction, QWidget *parent, QString &chosenStyle,
                    QString &chosenColor);
