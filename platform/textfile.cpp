#include "textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#include <algorithm>
#include <cstdio>
#include <utility>

namespace {

// Takes the text by value so that a file just read, which nobody else holds, loses
// its final line break in place instead of being copied.
QString joinLines(QString text)
{
    // The break after the last line goes, whether CR LF or a lone CR.
    if (text.endsWith(u"\r\n"))
        text.chop(2);
    else if (text.endsWith(u'\r'))
        text.chop(1);

    const QStringView view(text);
    QString joined;
    bool changed = false;
    qsizetype copied = 0; // text before this index is already in joined
    for (qsizetype cr = view.indexOf(u'\r'); cr >= 0; cr = view.indexOf(u'\r', cr + 1)) {
        if (cr + 1 < view.size() && view[cr + 1] == u'\n')
            continue;
        if (!changed) {
            // Files with lone CRs usually have one per line.
            joined.reserve(view.size() + view.size() / 16 + 16);
            changed = true;
        }
        joined.append(view.sliced(copied, cr + 1 - copied));
        joined.append(u'\n');
        copied = cr + 1;
    }
    if (!changed)
        return text;
    joined.append(view.sliced(copied));
    return joined;
}

} // namespace

QString joinLinesWithCrLf(const QString &raw)
{
    return joinLines(raw);
}

TextFileContent readTextFileContent(const QString &path)
{
    // Only regular files: opening a FIFO or device would block or never end.
    if (!QFileInfo(path).isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {};
    DecodedText decoded = decodeDocumentBytes(bytes);
    if (!decoded.ok)
        return {};
    return {joinLines(std::move(decoded.text)), decoded.encoding};
}

QString ReadTextFile(const QString &path)
{
    return readTextFileContent(path).text;
}

namespace {

// A large page is encoded and written a piece at a time, so saving needs no second
// copy of the whole page in memory.
constexpr qsizetype writePiece = 64 * 1024;

bool writeEncoded(QFileDevice &file, const QString &text, TextEncoding encoding, Unencodable policy)
{
    qsizetype start = 0;
    do {
        qsizetype end = std::min(text.size(), start + writePiece);
        if (end < text.size() && text.at(end - 1).isHighSurrogate())
            --end; // keep surrogate pairs whole
        const EncodedText encoded =
            encodeText(QString::fromRawData(text.constData() + start, end - start), encoding, policy);
        if (!encoded.ok)
            return false;
        // Only the first piece keeps its byte-order mark.
        const qsizetype skip = start > 0 && encoding == TextEncoding::Utf8WithBom ? 3 : 0;
        const qsizetype size = encoded.bytes.size() - skip;
        if (file.write(encoded.bytes.constData() + skip, size) != size)
            return false;
        start = end;
    } while (start < text.size());
    return true;
}

bool writeAll(QFileDevice &file, const QString &text, TextEncoding encoding, Unencodable policy)
{
    // CR LF is the same two bytes in every encoding we write.
    return writeEncoded(file, text, encoding, policy) && file.write("\r\n", 2) == 2;
}

bool writeDurable(const QString &path, const QString &text, TextEncoding encoding, Unencodable policy)
{
    // QSaveFile writes beside the target and renames over it on commit; without a
    // commit the temporary file is removed and the target never changes.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!writeAll(file, text, encoding, policy)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

// The same steps as QSaveFile without its flush to disk, so both kinds of write
// treat links, folders and permissions alike.
bool writeFast(const QString &path, const QString &text, TextEncoding encoding, Unencodable policy)
{
    QFileInfo target(path);
    if ((target.exists() && !target.isWritable()) || target.isDir())
        return false;
    for (int depth = 0; target.isSymLink() && depth < 128; ++depth)
        target.setFile(target.symLinkTarget());
    const bool replacing = target.exists();

    // Until the old file's permissions are copied, nobody else may read the new one.
    const QFile::Permissions createAs = replacing
        ? QFile::ReadOwner | QFile::WriteOwner
        : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup
              | QFile::ReadOther | QFile::WriteOther;
    const QString stem = target.absolutePath() + QLatin1String("/.") + target.fileName() + QLatin1Char('.');
    QFile file;
    for (int attempt = 0;; ++attempt) {
        file.setFileName(stem + QString::number(QRandomGenerator::global()->generate(), 36));
        // Unbuffered: the text already goes out in large pieces.
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered, createAs))
            break;
        // Only a name that happens to be taken is worth another try.
        if (attempt == 16 || !QFileInfo::exists(file.fileName()))
            return false;
    }
    if (replacing)
        file.setPermissions(target.permissions());

    bool ok = writeAll(file, text, encoding, policy);
    file.close();
    // POSIX rename replaces the target in one step.
    ok = ok && file.error() == QFileDevice::NoError
        && std::rename(QFile::encodeName(file.fileName()).constData(),
                       QFile::encodeName(target.filePath()).constData()) == 0;
    if (!ok)
        file.remove();
    return ok;
}

} // namespace

bool WriteTextFile(const QString &path, const QString &text, TextEncoding encoding, Unencodable policy,
                   FileSync sync)
{
    return sync == FileSync::Fast ? writeFast(path, text, encoding, policy)
                                  : writeDurable(path, text, encoding, policy);
}
