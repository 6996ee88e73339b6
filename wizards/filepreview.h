#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// How a file is previewed, by the last three characters of its name, compared exactly:
// "htm" and "tml" as a page; "jpg", "peg", "gif", "bmp", "ico" and "wmf" as a picture;
// anything else (PAGE.HTM too) as text.
enum class PreviewKind { Page, Picture, Text };
PreviewKind previewKindOf(const QString &fileName);

inline constexpr int previewLineCount = 15;
// No more than this is read for a preview, so a huge file with few or no line breaks
// (a disk image, a log on one line) cannot stall the dialog.
inline constexpr qsizetype previewByteLimit = 64 * 1024;

// The first 15 lines of a text file joined with CR LF (a line ends at CR LF, CR or LF),
// in the encoding it was written in. Empty when the file cannot be opened or read, is
// empty, or is not text.
QString textPreviewOf(const QString &path);

// The charset a page is served with: one of the Japanese encodings when the start of
// the file is written in one, otherwise empty so the page's own declaration applies.
QByteArray pageCharsetOf(const QString &path);

// The picture, or a null image when it cannot be loaded.
QImage previewPictureOf(const QString &path);
