#pragma once

#include "pathrules.h"

#include <QString>

#include <array>

// Where the link chooser starts from and what each relation composes. The link text is
// built from the typed names only; the folders serve the file list.

struct ChooserFolders {
    // The document's folder without its trailing separator; a document in a root gives
    // the bare drive ("C:") or "/".
    QString current;
    // The folder above; a drive root keeps its backslash ("C:\"). Empty when there is none.
    QString upper;
    bool hasUpper = false;
};

// A relative document path (a bare name from the command line) lies in the folder the
// program was started in, so it is read from there.
QString absoluteDocumentPath(const QString &documentPath, const QString &workingFolder, PathStyle style);

// The document's folder; empty when the path has no separator at all.
QString currentFolderOf(const QString &documentPath, PathStyle style);
// A root: the bare drive "C:", or a lone separator such as "/".
bool isRootFolder(const QString &folder, PathStyle style);
// The folder above, or empty when the folder is a root or has nothing left to strip.
QString upperFolderOf(const QString &currentFolder, PathStyle style);
ChooserFolders chooserFoldersOf(const QString &documentPath, PathStyle style);

// The folder the file list shows for a folder: a bare drive shows its root.
QString listFolderOf(const QString &folder, PathStyle style);
// A separator between folder and name unless the folder already ends in one (a root).
QString joinFolder(const QString &folder, const QString &name, PathStyle style);

// "現在ディレクトリ=..." and "上層ディレクトリ=..." ("なし" when there is no upper folder).
QString currentFolderLine(const ChooserFolders &folders);
QString upperFolderLine(const ChooserFolders &folders);

// Option1 to Option5.
enum class LinkRelation { SameFolder, LowerFolder, UpperFolder, SiblingFolder, Absolute };

inline constexpr int linkBoxCount = 7;
using LinkBoxes = std::array<QString, linkBoxCount>; // the texts of Text1 to Text7

// What the result button shows before the first recomputation.
QString initialLinkText();

struct LinkRow {
    QString link;
    std::array<bool, linkBoxCount> boxEnabled{};
    bool listEnabled = false;  // false: the list is disabled and keeps what it shows
    QString listFolder;        // the folder to show when listEnabled
    int focusBox = -1;         // the box that takes the focus, -1 for none
};

LinkRow linkRowFor(LinkRelation relation, const LinkBoxes &boxes, const ChooserFolders &folders, PathStyle style);

// The box a double-clicked file name goes into.
int fileBoxOf(LinkRelation relation);
