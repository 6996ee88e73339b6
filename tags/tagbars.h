#pragma once

struct TagPalette;
class QWidget;

// Bar button size in pixels: every bar button is the same size, wide enough for the
// widest attribute word.
namespace TagBarMetrics {
inline constexpr int ButtonWidth = 54;
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
