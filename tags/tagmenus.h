#pragma once

#include <QList>

class QAction;
class QMenu;
class SourceEditor;
struct TagTables;

// The tag menu's two submenus repeat the tables: TagSyu(k) wraps the selection in row
// k - 1 of the paired-tag table, TagTan(k) inserts entry k - 1 of the single-insert
// table; both then focus the editor. Element 0 of each is the separator above them.
struct TagMenus {
    QList<QAction *> TagSyu; // 0: separator, 1..40
    QList<QAction *> TagTan; // 0: separator, 1..24
};

// Fills the submenus from the tables (already filled) and enables them.
TagMenus FillTagMenus(QMenu *tSyu, QMenu *tTan, const TagTables &tables, SourceEditor &editor);
