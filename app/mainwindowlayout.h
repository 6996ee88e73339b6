#pragma once

#include <optional>

// Positions and sizes of the main window's moving controls, in twips.
struct MainWindowLayout {
    double previewLeft = 0;
    double previewWidth = 0;
    double previewHeight = 0;
    double editorHeight = 0;
    double editorWidth = 0;
    double buttonLeft = 0;
    double buttonTop = 0;
    double dividerWidth = 0;
    double paletteWidth = 0;
    double dividerHeight = 0;
};

struct MainWindowLayoutInput {
    double clientWidth = 9420;
    double clientHeight = 8280;
    double editorLeft = 0;
    double editorTop = 1560;
    double previewTop = 1560;
    double buttonHeight = 315;
    int dividerValue = 12; // 1 to 24
};

// The editor takes v/25 of the width right of its left edge and the preview the rest,
// with an 80-twip gap centred on the split. No layout when a size would be negative
// (a very narrow, low or minimised window): the controls then stay where they were.
std::optional<MainWindowLayout> LayoutMainWindow(const MainWindowLayoutInput &input);

// Twips at the widget boundary: 15 per pixel at 96 dpi.
int twipsToPixels(double twips);
