#pragma once

#include <QString>

// A page of the given size in UTF-8: mostly markup and ASCII with some Japanese on every
// line, CR LF breaks.
inline QString htmlLikeText(qsizetype utf8Bytes)
{
    QString text;
    text.reserve(utf8Bytes);
    qsizetype size = 0;
    for (int line = 0; size < utf8Bytes; ++line) {
        const QString row = QStringLiteral("<tr><td class=\"item\">%1</td><td>日本語の説明文 %2</td>"
                                           "<td><a href=\"page%1.htm\">details and notes</a></td></tr>\r\n")
                                .arg(line)
                                .arg(line % 7 == 0 ? QStringLiteral("ｶﾀｶﾅ") : QStringLiteral("text"));
        text += row;
        size += row.toUtf8().size();
    }
    return text;
}
