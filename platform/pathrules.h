#pragma once

#include <QString>

// Path rules kept as pure functions so both path styles can be tested on any host.
enum class PathStyle { Windows, Posix };

PathStyle nativePathStyle();

// The folder joined with a file name. A folder that is a root ("C:\" or "/")
// already ends in its separator, so the name is appended directly.
QString ProgramFolderFile(const QString &folder, const QString &name, PathStyle style);

// ProgramFolderFile with the folder of the running executable.
QString ProgramFolderFile(const QString &name);

// The untitled document is "tmp.htm" in the program folder, written either with or
// without a separator between folder and name (exact comparison).
bool isUntitledDocumentPath(const QString &path, const QString &programFolder, PathStyle style);

// The name without its folder, as a file dialog reports it.
QString fileNameOfPath(const QString &path, PathStyle style);
