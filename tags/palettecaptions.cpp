#include "palettecaptions.h"

QString fontSizeCaption(int size)
{
    return QStringLiteral("font size=") + QString::number(size);
}

QString headingCaption(int level)
{
    return QStringLiteral("H") + QString::number(level);
}

QString literalCaption(const QString &text)
{
    QString shown = text;
    shown.replace(u'&', QStringLiteral("&&"));
    return shown;
}

QString customPairCaption(const QString &opening, const QString &closing)
{
    return literalCaption(opening + u'?' + closing);
}
