#include "colorcode.h"

#include <algorithm>

QString twoDigitHex(int value)
{
    return QStringLiteral("%1").arg(std::clamp(value, 0, 255), 2, 16, QLatin1Char('0')).toUpper();
}

QString ShowColorCode(const RgbChannels &channels)
{
    return QLatin1Char('#') + twoDigitHex(channels.red) + twoDigitHex(channels.green)
        + twoDigitHex(channels.blue);
}

bool codeTextIsBlack(const RgbChannels &channels)
{
    return channels.red + channels.green + channels.blue > 384;
}
