#pragma once

#include <QString>

#include <array>

// Where a table-driven button sits: on a tab of the palette (1 to 8) or on one of the
// two attribute bars below it (1 or 2). Exactly one of the two is non-zero.
struct PalettePlace {
    int tab = 0;
    int bar = 0;
};

// One paired tag: the button that inserts it and the texts put around the selection.
struct PairedTagRow {
    QString caption; // as stored for the button: "&" marks the access key
    QString tooltip;
    int tab = 0;
    QString opening;
    QString closing;
};

// One single insert: the button and the text it puts in.
struct SingleInsertRow {
    QString caption; // as stored for the button: "&" marks the access key
    QString tooltip; // empty: none
    PalettePlace place;
    QString text;
};

inline constexpr int PairedTagRowsUsed = 40;
inline constexpr int SingleInsertEntriesUsed = 24;

// The fixed tag set, row i belonging to button i of its family.
const std::array<PairedTagRow, PairedTagRowsUsed> &pairedTagRows();
const std::array<SingleInsertRow, SingleInsertEntriesUsed> &singleInsertRows();

// The two tables the main window keeps. Rows 40 to 50 and entries 24 to 30 stay empty;
// nothing uses them, but the tag menus are numbered over the full size.
struct TagTables {
    std::array<std::array<QString, 2>, 51> PairedTagTable; // [row][0 opening, 1 closing]
    std::array<QString, 31> SingleInsertTable;
};

// Fills both tables from the rows above (the start-up step "ﾀｸﾞの定義中").
void FillTagTables(TagTables &tables);
