#pragma once

#include <QString>

// The length in thousands of bytes with the picture "#,##0.###": thousands grouped with
// commas, at most three decimals, and the point shown even with no decimals after it
// (12000 gives "12.").
QString kilobytesText(qint64 bytes);

// "ﾌｧｲﾙｻｲｽﾞ＝", CR LF, kilobytesText, "ｷﾛﾊﾞｲﾄ".
QString sizeLine(qint64 bytes);

// The size line of a file; empty when it is not a file that can be measured (gone,
// a folder, a pipe).
QString sizeLineOfFile(const QString &path);
