#pragma once

#include <QString>

// Variables every window of the program shares.
struct ProgramState {
    QString DocumentPath;  // full path of the document; the untitled one is "tmp.htm" in the program folder
    qint16 UndoMode = 1;   // 0 no undo, 1 history in files, 2 history in memory
    // What the pickers leave for their openers; only a picker's confirming button writes.
    QString ChosenColor;   // colour mixer: "#RRGGBB"
    QString ChosenStyle;   // style sheet dialog: a quoted style value
    QString ChosenPath;    // link path chooser; empty after "キャンセル"
};
