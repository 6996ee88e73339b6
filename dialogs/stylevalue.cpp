#include "stylevalue.h"

QStringList fontClassItems()
{
    return {QStringLiteral("serif"), QStringLiteral("sans-serif"), QStringLiteral("cursive"),
            QStringLiteral("fantasy"), QStringLiteral("monospace")};
}

QStringList sizeNameItems()
{
    // "midium" is the keyword as this program has always written it.
    return {QStringLiteral("xx-small"), QStringLiteral("x-small"), QStringLiteral("small"),
            QStringLiteral("midium"), QStringLiteral("large"), QStringLiteral("x-large"),
            QStringLiteral("xx-large")};
}

QStringList unitItems()
{
    return {QStringLiteral("px"), QStringLiteral("pt"), QStringLiteral("in"), QStringLiteral("cm"),
            QStringLiteral("%")};
}

QString styleValue(const StyleSheetState &state)
{
    const QChar quote(u'"');
    QString value(quote);
    if (state.fontFamily)
        value += QStringLiteral("font-family:") + (state.familyByName ? state.familyName : state.familyClass) + u';';
    if (state.fontSize)
        value += QStringLiteral("font-size:") + (state.sizeInPixels ? state.sizeNumber : state.sizeName) + u';';
    const auto appendLength = [&value](const char *property, const StyleLength &length) {
        if (length.ticked)
            value += QLatin1String(property) + u':' + length.number + length.unit + u';';
    };
    appendLength("line-height", state.lineHeight);
    appendLength("text-indent", state.textIndent);
    appendLength("margin-top", state.marginTop);
    appendLength("margin-right", state.marginRight);
    appendLength("margin-left", state.marginLeft);
    if (state.background) {
        if (state.backgroundImage)
            value += QStringLiteral("background:url(") + state.imageAddress + QStringLiteral(");");
        else
            value += QStringLiteral("background:") + state.backgroundColor + u';';
    }
    if (state.color)
        value += QStringLiteral("color:") + state.colorText;
    return value + quote;
}

QString pointSizeText(double points)
{
    return QString::number(points, 'g', 6);
}
