#include "mainwindowlayout.h"

#include <cmath>
#include <initializer_list>

std::optional<MainWindowLayout> LayoutMainWindow(const MainWindowLayoutInput &in)
{
    const double span = in.clientWidth - in.editorLeft;
    const double v = in.dividerValue;
    MainWindowLayout out;
    out.previewLeft = span * v / 25 + in.editorLeft + 40;
    out.previewWidth = span * (25 - v) / 25;
    out.previewHeight = in.clientHeight - in.previewTop;
    out.editorHeight = in.clientHeight - in.editorTop;
    out.editorWidth = span * v / 25 - 40;
    out.buttonLeft = out.previewLeft;
    out.buttonTop = in.clientHeight - in.buttonHeight;
    out.dividerWidth = in.clientWidth - in.editorLeft + 420;
    out.paletteWidth = in.clientWidth - 80;
    out.dividerHeight = out.editorHeight;
    for (double size : {out.previewWidth, out.previewHeight, out.editorHeight, out.editorWidth,
                        out.dividerWidth, out.paletteWidth, out.dividerHeight}) {
        if (size < 0)
            return std::nullopt;
    }
    return out;
}

int twipsToPixels(double twips)
{
    return int(std::lround(twips / 15.0));
}
