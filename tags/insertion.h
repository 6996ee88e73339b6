#pragma once

#include <QString>

class SourceEditor;

// Every piece of HTML the program puts into the source editor goes through these. The
// text is inserted as it is: nothing is checked, escaped or added. Each call changes the
// text once, so the editor reports exactly one change.

// Replaces the selection (or inserts at the caret) with the fragment; afterwards the
// caret stands right after it and nothing is selected. The focus is left alone.
void InsertFragment(SourceEditor &editor, const QString &fragment);

// Inserts opening + the selected text + closing as one fragment.
void WrapSelection(SourceEditor &editor, const QString &opening, const QString &closing);

// A paired-tag button: wraps the selection, puts the caret back before the closing text
// (so with nothing selected the user types between the tags) and focuses the editor.
void InsertPairedTag(SourceEditor &editor, const QString &opening, const QString &closing);

// A single-insert button: inserts the text and focuses the editor.
void InsertSingleTag(SourceEditor &editor, const QString &text);
