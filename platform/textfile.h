#pragma once

#include "textencoding.h"

#include <QString>

struct TextFileContent {
    QString text;
    TextEncoding encoding = TextEncoding::System;
};

// The line rules of a document read: lines end at CR or CR LF (a lone LF stays part of
// its line), lines are joined with CR LF, and the last line has no break after it.
QString joinLinesWithCrLf(const QString &raw);

// Reads the whole file; any failure (missing, unreadable, empty, binary) gives empty
// text in the system encoding. No message is shown.
TextFileContent readTextFileContent(const QString &path);

QString ReadTextFile(const QString &path);

// How far a write goes before it counts as done. Both write beside the target and
// rename over it, so a failed or interrupted write never leaves a half-written file.
enum class FileSync {
    Durable, // flushed to the disk before the rename: survives a power cut
    Fast     // no flush: for files rewritten on every keystroke (preview, undo history)
};

// Replaces the whole file with the text followed by one CR LF. The text goes to a file
// beside the target that is then renamed over it, so a failure leaves the old file whole.
// A symbolic link is followed; a replaced file keeps its permissions.
// Returns false on any failure, and when the text cannot be encoded under Refuse.
bool WriteTextFile(const QString &path, const QString &text,
                   TextEncoding encoding = TextEncoding::System,
                   Unencodable policy = Unencodable::Refuse,
                   FileSync sync = FileSync::Durable);
