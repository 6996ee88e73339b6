#pragma once

#include "sourceeditor.h"
#include "textencoding.h"

#include <QList>
#include <QString>

// Reads a rich-text (RTF) file, given as the text it was read as, into formatted runs
// for pasting. Text that does not start with "{\rtf" (after whitespace) is plain text
// and comes back as one run, unchanged, in the default format.
//
// Kept: bold, italic, underline, font size and colour; paragraphs and line breaks as
// CR LF; tabs. Tables, fonts, pictures, fields' instructions and the like are dropped.
// Bytes written as \'hh are read in the file's code page, the current font's
// character set, or else documentEncoding. Never fails: damaged or hostile input
// gives whatever text could be recovered, in time linear in its size.
QList<RichTextRun> readRichText(const QString &text, TextEncoding documentEncoding);
