#include "filelisting.h"

#include <QDir>
#include <QFileInfo>

QString filePatternOf(int filterEntry)
{
    switch (filterEntry) {
    case 1: return QStringLiteral("*.jpg;*.gif;*.jpeg");
    case 2: return QStringLiteral("*.htm;*.html");
    default: return QStringLiteral("*.*");
    }
}

QStringList nameFiltersOf(const QString &pattern)
{
    QStringList filters = pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString &filter : filters) {
        if (filter == QLatin1String("*.*"))
            filter = QStringLiteral("*");
    }
    return filters;
}

std::optional<QStringList> listFiles(const QString &folder, const QStringList &nameFilters)
{
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable())
        return std::nullopt;
    // Without QDir::System, pipes, sockets and devices stay out: opening one could block.
    QDir dir(folder);
    return dir.entryList(nameFilters, QDir::Files, QDir::Name | QDir::IgnoreCase);
}
