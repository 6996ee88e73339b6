#pragma once

#include <QString>

// The main window's title is the document's display name followed by "-Velquin":
// "無題" for the untitled document, the command-line text or a recent entry's full
// path as given, and the bare file name after Open and Save As.
QString windowTitleFor(const QString &displayName);
QString untitledWindowTitle();
