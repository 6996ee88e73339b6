#pragma once

struct TagPalette;
class QWidget;

// Bar button size in pixels: every bar button is the same size, wide enough for the
// widest attribute word in the bars' small font. Both rows fit in the band between the
// tabs and the editor, left of the main window's two check boxes (5400 twips).
namespace TagBarMetrics {
inline constexpr double FontPoints = 6;
inline constexpr int ButtonWidth = 39;
inline constexpr int ButtonHeight = 16;
inline constexpr int Spacing = 1;
inline constexpr int Columns = 9;
inline constexpr int Width = Columns * ButtonWidth + (Columns - 1) * Spacing;
inline constexpr int Height = 2 * ButtonHeight + Spacing;
// The same in twips (15 per pixel), for the main window's layout.
inline constexpr int WidthTwips = 15 * Width;
inline constexpr int HeightTwips = 15 * Height;
} // namespace TagBarMetrics

// Creates the two attribute bars as one widget (palette.bars, a child of parent) with
// the bar entries of Command4 and the buttons Command24 and Command37.
void buildTagBars(TagPalette &palette, QWidget *parent);
