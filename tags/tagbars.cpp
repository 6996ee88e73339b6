#include "tagbars.h"

#include "palettewidgets.h"
#include "tagpalette.h"
#include "tagtables.h"

#include <QFont>
#include <QGridLayout>
#include <QPushButton>

using namespace TagBarMetrics;

void buildTagBars(TagPalette &palette, QWidget *parent)
{
    auto *bars = new QWidget(parent);
    bars->setObjectName(QStringLiteral("TagBars"));
    QFont font = paletteFont();
    font.setPointSizeF(FontPoints);
    bars->setFont(font);
    auto *grid = new QGridLayout(bars);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(Spacing);

    const auto place = [grid](QPushButton *button, int row, int column) {
        button->setFixedSize(ButtonWidth, ButtonHeight);
        grid->addWidget(button, row, column);
    };
    const auto entry = [&](int i, int row, int column) {
        const SingleInsertRow &e = singleInsertRows()[i];
        QPushButton *button = paletteButton(bars, QStringLiteral("Command4(%1)").arg(i), e.caption, e.tooltip);
        palette.Command4[i] = button;
        place(button, row, column);
    };

    int column = 0;
    for (int i : {4, 17, 5, 6, 7, 8, 9, 10})
        entry(i, 0, column++);
    column = 0;
    for (int i : {11, 12, 13, 14, 15, 16, 23})
        entry(i, 1, column++);
    palette.Command24 = paletteButton(bars, QStringLiteral("Command24"), QStringLiteral("#??????"));
    palette.Command37 = paletteButton(bars, QStringLiteral("Command37"), QStringLiteral("パス名"));
    for (QPushButton *later : {palette.Command24, palette.Command37}) {
        later->setEnabled(false); // their commands are connected later
        place(later, 1, column++);
    }

    bars->setFixedSize(Width, Height);
    palette.bars = bars;
}
