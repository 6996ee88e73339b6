#include "windowtitle.h"

QString windowTitleFor(const QString &displayName)
{
    return displayName + QStringLiteral("-Velquin");
}

QString untitledWindowTitle()
{
    return windowTitleFor(QStringLiteral("無題"));
}
