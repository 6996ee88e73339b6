#include "pathrules.h"

#include <QCoreApplication>
#include <QDir>

namespace {

QChar separatorOf(PathStyle style)
{
    return style == PathStyle::Windows ? QLatin1Char('\\') : QLatin1Char('/');
}

// Windows accepts "/" as well as "\" between path parts.
bool isSeparator(QChar c, PathStyle style)
{
    return c == QLatin1Char('/') || (style == PathStyle::Windows && c == QLatin1Char('\\'));
}

const QString &untitledName()
{
    static const QString name = QStringLiteral("tmp.htm");
    return name;
}

} // namespace

PathStyle nativePathStyle()
{
#ifdef Q_OS_WIN
    return PathStyle::Windows;
#else
    return PathStyle::Posix;
#endif
}

QString ProgramFolderFile(const QString &folder, const QString &name, PathStyle style)
{
    // An empty folder gets no separator, so it never turns into the root.
    if (folder.isEmpty() || isSeparator(folder.back(), style))
        return folder + name;
    return folder + separatorOf(style) + name;
}

QString ProgramFolderFile(const QString &name)
{
    return ProgramFolderFile(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()), name,
                             nativePathStyle());
}

bool isUntitledDocumentPath(const QString &path, const QString &programFolder, PathStyle style)
{
    return path == programFolder + untitledName()
        || path == programFolder + separatorOf(style) + untitledName();
}

QString fileNameOfPath(const QString &path, PathStyle style)
{
    for (qsizetype i = path.size(); i > 0; --i) {
        if (isSeparator(path.at(i - 1), style))
            return path.mid(i);
    }
    return path;
}
