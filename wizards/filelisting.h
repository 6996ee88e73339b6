#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The file pattern of the chooser's filter entry: 0 all files "*.*", 1 pictures
// "*.jpg;*.gif;*.jpeg", 2 pages "*.htm;*.html".
QString filePatternOf(int filterEntry);

// The pattern as name filters; "*.*" takes in names without an extension too.
QStringList nameFiltersOf(const QString &pattern);

// The files of a folder that match, sorted by name without regard to case, without
// hidden files, folders, pipes or devices; letters in the patterns match either case.
// nullopt when the folder does not exist or cannot be listed.
std::optional<QStringList> listFiles(const QString &folder, const QStringList &nameFilters);
