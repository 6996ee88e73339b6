#pragma once

#include "tagbars.h"

#include <QList>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QWidget;

// The controls of the tag palette, by the names the rest of the program knows them by.
// The table-driven buttons (Command1, Command4) are wired by ConnectTagButtons; every
// other Command button is created disabled until its command is connected, and whoever
// connects it enables it.
struct TagPalette {
    QTabWidget *SSTab1 = nullptr;
    QWidget *bars = nullptr; // the two attribute bars, placed below SSTab1 by the main window

    QList<QPushButton *> Command1; // paired tags, row i of the paired-tag table
    QList<QPushButton *> Command4; // single inserts, entry i of the single-insert table

    // Tab 1: character decoration.
    QPushButton *Command2 = nullptr; // font size, follows VScroll1
    QSpinBox *VScroll1 = nullptr;    // 1 to 7
    QPushButton *Command3 = nullptr; // heading, follows VScroll2
    QSpinBox *VScroll2 = nullptr;    // 1 to 6
    QPushButton *Command38 = nullptr;

    // Tab 2: line break and paragraph.
    QPushButton *Command5 = nullptr;
    QListWidget *List1 = nullptr; // 指定なし, left, center, right
    QPushButton *Command36 = nullptr;
    QListWidget *List2 = nullptr; // left, right, all
    QLabel *listLabel = nullptr;  // "リスト："

    // Tab 3: document structure.
    QPushButton *Command6 = nullptr;
    QPushButton *Command23 = nullptr;

    // Tab 4: insert.
    QPushButton *Command10 = nullptr;
    QPushButton *Command29 = nullptr;
    QPushButton *Command27 = nullptr;
    QPushButton *Command9 = nullptr;
    QPushButton *Command8 = nullptr;
    QPushButton *Command28 = nullptr;

    // Tab 5: table and frame.
    QPushButton *Command21 = nullptr;
    QPushButton *Command20 = nullptr;
    QPushButton *Command22 = nullptr;
    QPushButton *Command30 = nullptr;
    QPushButton *Command31 = nullptr;

    // Tab 6: form.
    QPushButton *Command11 = nullptr;
    QPushButton *Command12 = nullptr;
    QPushButton *Command13 = nullptr;
    QPushButton *Command14 = nullptr;
    QPushButton *Command15 = nullptr;
    QPushButton *Command16 = nullptr;
    QPushButton *Command17 = nullptr;
    QPushButton *Command18 = nullptr;
    QPushButton *Command19 = nullptr;

    // Tab 7: customise. Command25(i) shows Text1(i) "?" Text3(i), Command26 shows Text4.
    QList<QLineEdit *> Text1;
    QList<QLineEdit *> Text3;
    QList<QPushButton *> Command25;
    QLineEdit *Text4 = nullptr;
    QPushButton *Command26 = nullptr;

    // Tab 8: style sheet.
    QPushButton *Command35 = nullptr;
    QPushButton *Command34 = nullptr;
    QPushButton *Command32 = nullptr;
    QPushButton *Command33 = nullptr;

    // Bar 2.
    QPushButton *Command24 = nullptr;
    QPushButton *Command37 = nullptr;
};

// Fills SSTab1 with the eight tabs and creates the bars as a child of barsParent. Sets
// the palette's small font on SSTab1.
TagPalette BuildTagPalette(QTabWidget *SSTab1, QWidget *barsParent);

// Start-up: the first item of each list is selected.
void SelectFirstListItems(const TagPalette &palette);
