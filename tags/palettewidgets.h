#pragma once

#include <QList>
#include <QString>

class QFont;
class QHBoxLayout;
class QLayout;
class QPushButton;
class QWidget;

// Sizes of the palette, in pixels: two rows of small controls fill a tab page.
namespace PaletteMetrics {
inline constexpr int RowHeight = 19;
inline constexpr int Spacing = 1;
inline constexpr int TallHeight = 2 * RowHeight + Spacing; // a control spanning both rows
inline constexpr int TextPadding = 8;                      // button width beyond its text
inline constexpr int MinButtonWidth = 20;
inline constexpr int GroupGap = 4; // between groups of related buttons in a row
} // namespace PaletteMetrics

// The small Japanese font the palette uses throughout.
QFont paletteFont();

// A palette button: named, captioned and tooltipped as given, with a fixed small size that
// fits its caption; tooltips show literally.
QPushButton *paletteButton(QWidget *parent, const QString &objectName, const QString &caption,
                           const QString &tooltip = QString());

// The width the caption's shown text needs ("&" marks taken out as the button does).
int captionWidth(const QWidget *widget, const QString &caption);

// Gives a widget the height of both rows.
QWidget *tall(QWidget *widget);

// A tab page's layout: its blocks left to right from the top-left corner.
QHBoxLayout *pageLayout(QWidget *page);

// Two independent rows of controls, each packed to the left; a null entry puts a small
// gap between groups.
QLayout *twoRows(const QList<QWidget *> &top, const QList<QWidget *> &bottom);

// Two rows in aligned columns: top[i] above bottom[i], both as wide as the wider one.
QLayout *columnPairs(const QList<QWidget *> &top, const QList<QWidget *> &bottom);
