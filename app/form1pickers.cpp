// The palette buttons that open a picker and build on the string it leaves behind. They
// insert also when the picker was closed without confirming, with whatever the string
// holds then, and read the selection only after the picker has closed.
#include "form1.h"

#include "colorfrm.h"
#include "insertion.h"
#include "pathfrm.h"
#include "pickerfragments.h"
#include "sourceeditor.h"
#include "stylefrm.h"
#include "tagfrm.h"

#include <QPushButton>

void Form1::connectPickerButtons()
{
    const auto live = [this](QPushButton *button, auto handler) {
        connect(button, &QPushButton::clicked, this, handler);
        button->setEnabled(true);
    };
    const auto chooseColor = [this] { openColorMixer(m_interaction, this, Program.ChosenColor); };
    const auto chooseStyle = [this] { openStyleSheet(m_interaction, this, Program.ChosenStyle, Program.ChosenColor); };
    const auto choosePath = [this] { openPathChooser(m_interaction, this, Program.DocumentPath, Program.ChosenPath); };

    live(Palette.Command38, [=, this] {
        chooseColor();
        InsertFragment(*Text2, fontColorFragment(Program.ChosenColor, Text2->selText()));
    });
    live(Palette.Command24, [=, this] {
        chooseColor();
        InsertFragment(*Text2, Program.ChosenColor);
        Text2->setFocus();
    });
    live(Palette.Command34, [=, this] {
        chooseStyle();
        InsertFragment(*Text2, spanStyleFragment(Program.ChosenStyle, Text2->selText()));
    });
    live(Palette.Command32, [=, this] {
        chooseStyle();
        InsertFragment(*Text2, styleAttributeFragment(Program.ChosenStyle));
        Text2->setFocus();
    });
    live(Palette.Command9, [=, this] {
        showMessage(QStringLiteral("リンク先のパスを指定して下さい"), MessageIcon::None);
        choosePath();
        InsertFragment(*Text2, linkFragment(Program.ChosenPath, Text2->selText()));
        Text2->setFocus();
    });
    live(Palette.Command33, [=, this] {
        openTagDefinition(m_interaction, this, *Text2, [this](QWidget *over) {
            openStyleSheet(m_interaction, over, Program.ChosenStyle, Program.ChosenColor);
            return Program.ChosenStyle;
        });
        Text2->setFocus();
    });
    live(Palette.Command37, [=, this] {
        choosePath();
        InsertFragment(*Text2, Program.ChosenPath);
    });
}
