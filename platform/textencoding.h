#pragma once

#include <QByteArray>
#include <QString>

// The encodings documents are kept in. System is the platform's multibyte code page
// (UTF-8 here); Japanese pages also come in Shift_JIS (CP932) and EUC-JP.
enum class TextEncoding { System, Utf8WithBom, Cp932, EucJp };

struct DecodedText {
    QString text;
    TextEncoding encoding = TextEncoding::System;
    bool ok = false; // false: the bytes are valid in none of the encodings (binary data)
};

// Decodes in the system code page when the bytes are valid there, otherwise
// recognises UTF-8 with a byte-order mark, CP932 and EUC-JP.
DecodedText decodeDocumentBytes(const QByteArray &bytes);

// How characters the encoding cannot hold are written.
enum class Unencodable {
    Refuse,                 // encoding fails, nothing is produced
    AsCharacterReference    // "&#NNNN;", so a page still shows them
};

struct EncodedText {
    QByteArray bytes;
    bool ok = false;
};

EncodedText encodeText(const QString &text, TextEncoding encoding, Unencodable policy = Unencodable::Refuse);

bool canEncode(const QString &text, TextEncoding encoding);

// Charset label for a page served in this encoding ("UTF-8", "Shift_JIS", "EUC-JP").
QByteArray charsetName(TextEncoding encoding);

// Name shown to the user in messages.
QString encodingDisplayName(TextEncoding encoding);

// The system code page's charset label, used as the browser's default text encoding.
QByteArray systemCharsetName();
