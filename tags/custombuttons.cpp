#include "custombuttons.h"

#include "insertion.h"
#include "sourceeditor.h"
#include "tagpalette.h"

#include <QLineEdit>
#include <QPushButton>

void ConnectCustomButtons(const TagPalette &palette, SourceEditor &editor)
{
    SourceEditor *target = &editor;
    for (qsizetype i = 0; i < palette.Command25.size(); ++i) {
        QLineEdit *opening = palette.Text1[i];
        QLineEdit *closing = palette.Text3[i];
        QObject::connect(palette.Command25[i], &QPushButton::clicked, target, [target, opening, closing] {
            // Unlike the paired-tag buttons the caret stays after the closing text.
            WrapSelection(*target, opening->text(), closing->text());
            target->setFocus();
        });
        palette.Command25[i]->setEnabled(true);
    }
    QLineEdit *single = palette.Text4;
    QObject::connect(palette.Command26, &QPushButton::clicked, target, [target, single] {
        InsertFragment(*target, single->text());
        target->setFocus();
    });
    palette.Command26->setEnabled(true);
}
