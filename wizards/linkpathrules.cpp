#include "linkpathrules.h"

namespace {

bool isSeparator(QChar c, PathStyle style)
{
    return c == QLatin1Char('/') || (style == PathStyle::Windows && c == QLatin1Char('\\'));
}

qsizetype lastSeparator(const QString &path, PathStyle style)
{
    for (qsizetype i = path.size() - 1; i >= 0; --i) {
        if (isSeparator(path.at(i), style))
            return i;
    }
    return -1;
}

bool isBareDrive(const QString &folder)
{
    return folder.size() == 2 && folder.at(1) == QLatin1Char(':');
}

bool isAbsolute(const QString &path, PathStyle style)
{
    if (!path.isEmpty() && isSeparator(path.front(), style))
        return true;
    // "C:\..." and also "C:..." on a drive: neither lies in the working folder.
    return style == PathStyle::Windows && path.size() >= 2 && path.at(1) == QLatin1Char(':');
}

} // namespace

QString absoluteDocumentPath(const QString &documentPath, const QString &workingFolder, PathStyle style)
{
    if (isAbsolute(documentPath, style))
        return documentPath;
    return joinFolder(workingFolder, documentPath, style);
}

QString currentFolderOf(const QString &documentPath, PathStyle style)
{
    const qsizetype at = lastSeparator(documentPath, style);
    if (at < 0)
        return {};
    // A root with no drive to stand for it ("/" or "\" alone) keeps its separator.
    if (at == 0)
        return documentPath.left(1);
    return documentPath.left(at);
}

bool isRootFolder(const QString &folder, PathStyle style)
{
    if (folder.size() == 1 && isSeparator(folder.front(), style))
        return true;
    return style == PathStyle::Windows && folder.endsWith(QLatin1Char(':'));
}

QString upperFolderOf(const QString &currentFolder, PathStyle style)
{
    if (currentFolder.isEmpty() || isRootFolder(currentFolder, style))
        return {};
    if (style == PathStyle::Posix) {
        const qsizetype at = lastSeparator(currentFolder, style);
        if (at < 0)
            return {};
        return at == 0 ? QStringLiteral("/") : currentFolder.left(at);
    }
    qsizetype at = currentFolder.size() - 1;
    while (at >= 0 && !isSeparator(currentFolder.at(at), style) && currentFolder.at(at) != QLatin1Char(':'))
        --at;
    if (at < 0)
        return {};
    QString upper = currentFolder.left(at);
    if (isBareDrive(upper))
        upper += QLatin1Char('\\'); // the drive root, not the drive's working folder
    return upper;
}

ChooserFolders chooserFoldersOf(const QString &documentPath, PathStyle style)
{
    ChooserFolders folders;
    folders.current = currentFolderOf(documentPath, style);
    folders.upper = upperFolderOf(folders.current, style);
    folders.hasUpper = !folders.upper.isEmpty();
    return folders;
}

QString listFolderOf(const QString &folder, PathStyle style)
{
    if (style == PathStyle::Windows && isBareDrive(folder))
        return folder + QLatin1Char('\\');
    return folder;
}

QString joinFolder(const QString &folder, const QString &name, PathStyle style)
{
    return ProgramFolderFile(folder, name, style);
}

QString currentFolderLine(const ChooserFolders &folders)
{
    return QStringLiteral("現在ディレクトリ=") + folders.current;
}

QString upperFolderLine(const ChooserFolders &folders)
{
    return QStringLiteral("上層ディレクトリ=") + (folders.hasUpper ? folders.upper : QStringLiteral("なし"));
}

QString initialLinkText()
{
    return QStringLiteral("default/default.gif");
}

LinkRow linkRowFor(LinkRelation relation, const LinkBoxes &boxes, const ChooserFolders &folders, PathStyle style)
{
    const QString slash = QStringLiteral("/");
    const QString up = QStringLiteral("../");
    LinkRow row;
    switch (relation) {
    case LinkRelation::SameFolder:
        row.link = boxes[0];
        row.boxEnabled[0] = true;
        row.listEnabled = true;
        row.listFolder = listFolderOf(folders.current, style);
        break;
    case LinkRelation::LowerFolder:
        row.link = boxes[1] + slash + boxes[2];
        row.boxEnabled[1] = row.boxEnabled[2] = true;
        row.listEnabled = !boxes[1].isEmpty();
        if (row.listEnabled)
            row.listFolder = joinFolder(folders.current, boxes[1], style);
        break;
    case LinkRelation::UpperFolder:
        row.link = up + boxes[3];
        row.boxEnabled[3] = true;
        row.listEnabled = folders.hasUpper;
        if (row.listEnabled)
            row.listFolder = folders.upper;
        break;
    case LinkRelation::SiblingFolder:
        row.link = up + boxes[4] + slash + boxes[5];
        row.boxEnabled[4] = row.boxEnabled[5] = true;
        row.listEnabled = folders.hasUpper && !boxes[4].isEmpty();
        if (row.listEnabled)
            row.listFolder = joinFolder(folders.upper, boxes[4], style);
        break;
    case LinkRelation::Absolute:
        row.link = QStringLiteral("http:") + boxes[6];
        row.boxEnabled[6] = true;
        row.focusBox = 6;
        break;
    }
    return row;
}

int fileBoxOf(LinkRelation relation)
{
    switch (relation) {
    case LinkRelation::SameFolder: return 0;
    case LinkRelation::LowerFolder: return 2;
    case LinkRelation::UpperFolder: return 3;
    case LinkRelation::SiblingFolder: return 5;
    case LinkRelation::Absolute: return 6;
    }
    return 0;
}
