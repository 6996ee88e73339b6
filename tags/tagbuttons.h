#pragma once

struct TagPalette;
struct TagTables;
class SourceEditor;

// Makes the table-driven buttons live: Command1(i) wraps the selection in row i of the
// paired-tag table, Command4(i) inserts entry i of the single-insert table. The tables
// are read at each click, so they must outlive the buttons (the main window owns both).
void ConnectTagButtons(const TagPalette &palette, SourceEditor &editor, const TagTables &tables);
