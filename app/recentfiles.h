#pragma once

#include <QString>
#include <QStringList>

// Puts the path at the top of the recent-file list, newest first. An entry already
// there (exact, case-sensitive) moves up; a new path grows the list up to five entries
// and then pushes the oldest out. A longer list read from the settings keeps its length.
void AddRecentFile(QStringList &entries, const QString &path);
