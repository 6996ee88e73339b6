#include "sizeline.h"

#include <QFileInfo>

QString kilobytesText(qint64 bytes)
{
    // Whole bytes over 1000 have at most three decimals, so integer arithmetic is exact
    // and nothing needs rounding.
    const bool negative = bytes < 0;
    const quint64 magnitude = negative ? 0 - quint64(bytes) : quint64(bytes);
    const QString whole = QString::number(magnitude / 1000);
    QString grouped;
    for (qsizetype i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            grouped += QLatin1Char(',');
        grouped += whole.at(i);
    }
    QString decimals = QStringLiteral("%1").arg(magnitude % 1000, 3, 10, QLatin1Char('0'));
    while (decimals.endsWith(QLatin1Char('0')))
        decimals.chop(1);
    return (negative ? QStringLiteral("-") : QString()) + grouped + QLatin1Char('.') + decimals;
}

QString sizeLine(qint64 bytes)
{
    return QStringLiteral("ﾌｧｲﾙｻｲｽﾞ＝\r\n") + kilobytesText(bytes) + QStringLiteral("ｷﾛﾊﾞｲﾄ");
}

QString sizeLineOfFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return {};
    return sizeLine(info.size());
}
