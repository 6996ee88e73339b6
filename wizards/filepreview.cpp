#include "filepreview.h"

#include "textencoding.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>

namespace {

// The bytes of at most the first lines of a regular file, never more than the limit.
// The file is closed when this returns.
QByteArray leadingBytes(const QString &path, int lines, bool *cut)
{
    *cut = false;
    // Only regular files: opening a pipe would wait for a writer.
    if (!QFileInfo(path).isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes;
    int ends = 0;
    qsizetype scanned = 0;
    while (bytes.size() < previewByteLimit) {
        const QByteArray piece = file.read(std::min<qsizetype>(4096, previewByteLimit - bytes.size()));
        if (piece.isEmpty())
            break;
        bytes += piece;
        for (; scanned < bytes.size(); ++scanned) {
            const char c = bytes.at(scanned);
            if (c == '\r' && scanned + 1 == bytes.size())
                break; // whether a LF follows is in the next piece
            // CR LF counts once, at its LF.
            const bool end = c == '\n' || (c == '\r' && bytes.at(scanned + 1) != '\n');
            if (end && ++ends == lines) {
                bytes.truncate(scanned + 1);
                return bytes;
            }
        }
    }
    if (file.error() != QFileDevice::NoError)
        return {};
    *cut = bytes.size() >= previewByteLimit;
    return bytes;
}

DecodedText decodeLeading(const QByteArray &bytes, bool cut)
{
    if (!cut)
        return decodeDocumentBytes(bytes);
    // The limit may split a character: the shortest cut that reads as the system's
    // encoding wins, then any reading at all.
    for (int drop = 0; drop < 4 && drop < bytes.size(); ++drop) {
        DecodedText decoded = decodeDocumentBytes(bytes.chopped(drop));
        if (decoded.ok && decoded.encoding == TextEncoding::System)
            return decoded;
    }
    for (int drop = 0; drop < 4 && drop < bytes.size(); ++drop) {
        DecodedText decoded = decodeDocumentBytes(bytes.chopped(drop));
        if (decoded.ok)
            return decoded;
    }
    return {};
}

} // namespace

PreviewKind previewKindOf(const QString &fileName)
{
    const QString tail = fileName.right(3);
    if (tail == QLatin1String("htm") || tail == QLatin1String("tml"))
        return PreviewKind::Page;
    static const char *const pictures[] = {"jpg", "peg", "gif", "bmp", "ico", "wmf"};
    for (const char *picture : pictures) {
        if (tail == QLatin1String(picture))
            return PreviewKind::Picture;
    }
    return PreviewKind::Text;
}

QString textPreviewOf(const QString &path)
{
    bool cut = false;
    const QByteArray bytes = leadingBytes(path, previewLineCount, &cut);
    // A NUL byte is no text: a picture, an archive, a disk image.
    if (bytes.contains('\0'))
        return {};
    const DecodedText decoded = decodeLeading(bytes, cut);
    if (!decoded.ok)
        return {};
    const QString &text = decoded.text;
    QString preview;
    int lines = 0;
    qsizetype start = 0;
    while (start < text.size() && lines < previewLineCount) {
        qsizetype end = start;
        while (end < text.size() && text.at(end) != QLatin1Char('\r') && text.at(end) != QLatin1Char('\n'))
            ++end;
        if (lines > 0)
            preview += QStringLiteral("\r\n");
        preview += QStringView(text).sliced(start, end - start);
        ++lines;
        if (end < text.size() && text.at(end) == QLatin1Char('\r') && end + 1 < text.size()
            && text.at(end + 1) == QLatin1Char('\n'))
            ++end;
        start = end + 1;
    }
    return preview;
}

QByteArray pageCharsetOf(const QString &path)
{
    bool cut = false;
    const DecodedText decoded = decodeLeading(leadingBytes(path, -1, &cut), cut);
    if (!decoded.ok || decoded.encoding == TextEncoding::System)
        return {};
    return charsetName(decoded.encoding);
}

QImage previewPictureOf(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return {};
    QImageReader reader(path);
    reader.setAutoTransform(true);
    return reader.read();
}
