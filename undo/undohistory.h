#pragma once

#include <QString>

#include <array>
#include <functional>

// The values of the UndoMode setting; it can change at any time, so every call takes
// the current one. Switching leaves the other mode's history as it is.
constexpr int undoModeOff = 0;    // no history
constexpr int undoModeFiles = 1;  // "modo0.tmp" .. "modo3.tmp" in the history folder
constexpr int undoModeMemory = 2; // MemoryUndoBuffer

// Snapshots of the whole editor text. Position 0 is the text after the latest change,
// positions 1..3 the texts before it, newest first; Undo restores position 1. An empty
// text counts as no entry. The main window holds one of these.
struct UndoHistory {
    QString historyFolder;                   // empty: no history files are read or written
    std::array<QString, 4> MemoryUndoBuffer; // positions 0..3 in memory mode
    QString RedoText;                        // editor text just before the last Undo; empty: no redo
    bool SuppressSnapshot = false;           // the next change takes no snapshot
};

// Run after every change notification of the editor.
void TakeSnapshot(UndoHistory &history, int undoMode, const QString &text);

// Returns the text to set as the editor text; the change notification that setting it
// raises takes no snapshot. In any mode but files the history in memory is used.
QString Undo(UndoHistory &history, int undoMode, const QString &currentText);

// Sets the editor text back to RedoText (its change notification runs as usual), then
// empties the history of both modes, that change's snapshot included.
void Redo(UndoHistory &history, const std::function<void(const QString &)> &setEditorText);

// Whether the Edit menu offers the commands; each call reads the history afresh.
bool undoEnabled(const UndoHistory &history, int undoMode);
bool redoEnabled(const UndoHistory &history, int undoMode);

// At shutdown: removes the history files; failures are ignored.
void deleteHistoryFiles(const UndoHistory &history);

// "modoN.tmp" in the history folder, position 0..3; empty without a folder.
QString historyFilePath(const UndoHistory &history, int position);

// The program folder when a file can be created there, else a folder of the user's own
// (created when missing), so an installation the user cannot write to still has history.
QString chooseHistoryFolder(const QString &programFolder);
