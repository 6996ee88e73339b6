#pragma once

#include <QString>

// File dialog filters, "description|pattern" pairs.
inline const QString openFilter = QStringLiteral("HTMLファイル|*.htm;*.html|テキストファイル|*.txt|すべてのファイル|*.*");
inline const QString pasteFilter = QStringLiteral("テキストファイル|*.txt|HTMLファイル|*.htm;*.html|すべてのファイル|*.*");
inline const QString pasteRtfFilter =
    QStringLiteral("RTFファイル|*.rtf|テキストファイル|*.txt|HTMLファイル|*.htm;*.html|すべてのファイル|*.*");
