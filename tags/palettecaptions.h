#pragma once

#include <QString>

// Captions that follow other controls of the palette.

// The font-size button follows its counter: "font size=3".
QString fontSizeCaption(int size);
// The heading button follows its counter: "H3".
QString headingCaption(int level);

// Button text that shows the given text literally: "&" is doubled so that it is not taken
// for an access-key mark.
QString literalCaption(const QString &text);

// A customise pair button shows its opening text, "?" and its closing text.
QString customPairCaption(const QString &opening, const QString &closing);
