#include "undohistory.h"

#include "textfile.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cstdio>
#include <utility>

namespace {

// Moves a history file one position back, replacing what still lies there. The steps
// run oldest first, so that is always an older entry that drops off anyway. A rename
// that refused to replace would, behind one file that cannot be removed, stop every
// entry from moving, and writing position 0 would then overwrite the newest one.
// A directory in the way is never replaced by a file.
bool moveBack(const QString &from, const QString &to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

} // namespace

QString historyFilePath(const UndoHistory &history, int position)
{
    // Without a folder the names would land in the working directory.
    if (history.historyFolder.isEmpty())
        return {};
    return QDir(history.historyFolder).filePath(QStringLiteral("modo%1.tmp").arg(position));
}

void TakeSnapshot(UndoHistory &history, int undoMode, const QString &text)
{
    if (!history.SuppressSnapshot && undoMode == undoModeFiles && !history.historyFolder.isEmpty()) {
        QFile::remove(historyFilePath(history, 3));
        moveBack(historyFilePath(history, 2), historyFilePath(history, 3));
        moveBack(historyFilePath(history, 1), historyFilePath(history, 2));
        moveBack(historyFilePath(history, 0), historyFilePath(history, 1));
        // Written beside and renamed over: a failed write leaves no half text behind.
        WriteTextFile(historyFilePath(history, 0), text, TextEncoding::System, Unencodable::Refuse, FileSync::Fast);
    } else if (!history.SuppressSnapshot && undoMode == undoModeMemory) {
        auto &entries = history.MemoryUndoBuffer;
        entries[3] = std::move(entries[2]);
        entries[2] = std::move(entries[1]);
        entries[1] = std::move(entries[0]);
        entries[0] = text;
    }
    history.SuppressSnapshot = false;
}

QString Undo(UndoHistory &history, int undoMode, const QString &currentText)
{
    history.SuppressSnapshot = true;
    history.RedoText = currentText;
    if (undoMode == undoModeFiles) {
        const QString restored = ReadTextFile(historyFilePath(history, 1));
        // Each step frees the name the next one moves into; QFile::rename never replaces,
        // so after a failed step nothing can land on a newer entry.
        if (QFile::remove(historyFilePath(history, 1))
            && QFile::rename(historyFilePath(history, 2), historyFilePath(history, 1)))
            QFile::rename(historyFilePath(history, 3), historyFilePath(history, 2));
        return restored;
    }
    auto &entries = history.MemoryUndoBuffer;
    QString restored = std::move(entries[1]);
    entries[1] = std::move(entries[2]);
    entries[2] = std::move(entries[3]);
    entries[3] = QString();
    return restored;
}

void Redo(UndoHistory &history, const std::function<void(const QString &)> &setEditorText)
{
    // The snapshot the restored text takes goes with the rest of the history.
    setEditorText(std::exchange(history.RedoText, QString()));
    if (!history.historyFolder.isEmpty()) {
        for (int position = 0; position < 4; ++position)
            QFile::remove(historyFilePath(history, position));
    }
    history.MemoryUndoBuffer.fill(QString());
}

bool undoEnabled(const UndoHistory &history, int undoMode)
{
    if (undoMode == undoModeFiles)
        return !history.historyFolder.isEmpty() && !ReadTextFile(historyFilePath(history, 1)).isEmpty();
    if (undoMode == undoModeMemory)
        return !history.MemoryUndoBuffer[1].isEmpty();
    return false;
}

bool redoEnabled(const UndoHistory &history, int undoMode)
{
    return (undoMode == undoModeFiles || undoMode == undoModeMemory) && !history.RedoText.isEmpty();
}

void deleteHistoryFiles(const UndoHistory &history)
{
    if (history.historyFolder.isEmpty())
        return;
    for (int position = 3; position >= 0; --position)
        QFile::remove(historyFilePath(history, position));
}

QString chooseHistoryFolder(const QString &programFolder)
{
    if (!programFolder.isEmpty()) {
        QTemporaryFile probe(QDir(programFolder).filePath(QStringLiteral(".velquin-probe-XXXXXX")));
        if (probe.open())
            return programFolder;
    }
    // The cache is the place for files nobody needs after the program ends.
    const QString own = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
        + QStringLiteral("/velquin/history");
    QDir().mkpath(own);
    return own;
}
