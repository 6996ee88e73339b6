#include "pickerfragments.h"

QString fontColorFragment(const QString &chosenColor, const QString &selection)
{
    return QStringLiteral("<font color=\"") + chosenColor + QStringLiteral("\">") + selection + QStringLiteral("</font>");
}

QString spanStyleFragment(const QString &chosenStyle, const QString &selection)
{
    return QStringLiteral("<span style=") + chosenStyle + QStringLiteral(">") + selection + QStringLiteral("</span>");
}

QString styleAttributeFragment(const QString &chosenStyle)
{
    return QStringLiteral("style=") + chosenStyle;
}

QString linkFragment(const QString &chosenPath, const QString &selection)
{
    return QStringLiteral("<a href=\"") + chosenPath + QStringLiteral("\">") + selection + QStringLiteral("</a>");
}
