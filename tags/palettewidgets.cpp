#include "palettewidgets.h"

#include "literaltooltip.h"

#include <QFont>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace PaletteMetrics;

namespace {

// The text a button shows for a caption: "&x" shows x, "&&" shows "&".
QString shownText(const QString &caption)
{
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}

QHBoxLayout *row(const QList<QWidget *> &widgets)
{
    auto *layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(Spacing);
    for (QWidget *widget : widgets) {
        if (widget)
            layout->addWidget(widget);
        else
            layout->addSpacing(GroupGap);
    }
    return layout;
}

} // namespace

QFont paletteFont()
{
    QFont font(QStringLiteral("Noto Sans CJK JP"));
    font.setPointSizeF(8);
    return font;
}

int captionWidth(const QWidget *widget, const QString &caption)
{
    return QFontMetrics(widget->font()).horizontalAdvance(shownText(caption));
}

QPushButton *paletteButton(QWidget *parent, const QString &objectName, const QString &caption,
                           const QString &tooltip)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setToolTip(tooltip);
    showToolTipLiterally(button);
    button->setFixedSize(std::max(MinButtonWidth, captionWidth(button, caption) + TextPadding), RowHeight);
    return button;
}

QWidget *tall(QWidget *widget)
{
    widget->setFixedHeight(TallHeight);
    return widget;
}

QHBoxLayout *pageLayout(QWidget *page)
{
    auto *layout = new QHBoxLayout(page);
    layout->setContentsMargins(2, 1, 2, 1);
    layout->setSpacing(3);
    layout->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return layout;
}

QLayout *twoRows(const QList<QWidget *> &top, const QList<QWidget *> &bottom)
{
    auto *layout = new QVBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(Spacing);
    // Each row keeps its own width, packed to the left; the block is as wide as the
    // wider row, so the blocks after it follow directly.
    for (const QList<QWidget *> *widgets : {&top, &bottom}) {
        if (widgets->isEmpty())
            continue;
        QHBoxLayout *line = row(*widgets);
        layout->addLayout(line);
        layout->setAlignment(line, Qt::AlignLeft);
    }
    layout->addStretch(1);
    return layout;
}

QLayout *columnPairs(const QList<QWidget *> &top, const QList<QWidget *> &bottom)
{
    auto *layout = new QGridLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(Spacing);
    for (qsizetype column = 0; column < std::max(top.size(), bottom.size()); ++column) {
        QWidget *upper = column < top.size() ? top[column] : nullptr;
        QWidget *lower = column < bottom.size() ? bottom[column] : nullptr;
        const int width = std::max(upper ? upper->width() : 0, lower ? lower->width() : 0);
        for (auto [widget, at] : {std::pair{upper, 0}, std::pair{lower, 1}}) {
            if (!widget)
                continue;
            widget->setFixedWidth(width);
            layout->addWidget(widget, at, int(column));
        }
    }
    return layout;
}
