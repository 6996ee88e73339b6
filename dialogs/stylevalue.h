#pragma once

#include <QString>
#include <QStringList>

// One ticked length: number as typed, unit as picked in its list.
struct StyleLength {
    bool ticked = false;
    QString number;
    QString unit = QStringLiteral("px");
};

// What the style sheet dialog holds, control by control; the defaults are the dialog's
// state when it opens. A list's text is its selected item, empty when none is selected.
struct StyleSheetState {
    bool fontFamily = false;                  // Check1
    bool familyByName = true;                 // Option1; otherwise Option2, the class in List1
    QString familyName;                       // Text1
    QString familyClass = QStringLiteral("serif"); // List1

    bool fontSize = false;                    // Check2
    bool sizeInPixels = true;                 // Option3; otherwise Option4, the name in List2
    QString sizeNumber;                       // Text2, written without a unit
    QString sizeName = QStringLiteral("xx-small"); // List2

    StyleLength lineHeight;                   // Check3, Text3, List3
    StyleLength textIndent;                   // Check4, Text4, List4
    StyleLength marginTop;                    // Check5, Text5, List5
    StyleLength marginRight;                  // Check6, Text6, List6
    StyleLength marginLeft;                   // Check7, Text7, List7

    bool background = false;                  // Check8
    bool backgroundImage = false;             // Option5; otherwise (Option6 or neither) the colour
    QString imageAddress;                     // Text8
    QString backgroundColor;                  // Text9

    bool color = false;                       // Check9
    QString colorText;                        // Text10
};

// The items of the lists, in their order.
QStringList fontClassItems(); // List1
QStringList sizeNameItems();  // List2
QStringList unitItems();      // List3 to List7

// The value of a style attribute, in double quotes: the ticked declarations in a fixed
// order (font-family, font-size, line-height, text-indent, margin-top, margin-right,
// margin-left, background, color), texts exactly as typed. The colour comes last and has
// no ";" after it.
QString styleValue(const StyleSheetState &state);

// A font's point size as a plain number: 12, 10.5.
QString pointSizeText(double points);
