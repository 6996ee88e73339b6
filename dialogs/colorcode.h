#pragma once

#include <QString>

// The three channels of a colour, each 0 to 255.
struct RgbChannels {
    int red = 255;
    int green = 255;
    int blue = 255;

    friend bool operator==(const RgbChannels &, const RgbChannels &) = default;
};

// A channel as two upper-case hexadecimal digits: 0 gives "00", 10 "0A", 255 "FF".
// Values outside 0 to 255 are taken as the nearer end, so a code always has seven
// characters.
QString twoDigitHex(int value);

// "#" + the two-digit hex of red, green and blue, e.g. "#FF0000".
QString ShowColorCode(const RgbChannels &channels);

// Whether a code written on its own colour reads better in black than in white: black
// once red + green + blue passes 384.
bool codeTextIsBlack(const RgbChannels &channels);
