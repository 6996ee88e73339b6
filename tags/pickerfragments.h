#pragma once

#include <QString>

// Fragments of the palette buttons that build on a picker's string. The string is used
// as the picker left it: quoted where the button quotes it, never checked or escaped.

// "font color=": <font color="C">SEL</font>
QString fontColorFragment(const QString &chosenColor, const QString &selection);
// "部分ｽﾀｲﾙ指定": <span style=S>SEL</span>; the style value brings its own quotes.
QString spanStyleFragment(const QString &chosenStyle, const QString &selection);
// "style=": style=S
QString styleAttributeFragment(const QString &chosenStyle);
// "リンク": <a href="P">SEL</a>
QString linkFragment(const QString &chosenPath, const QString &selection);
