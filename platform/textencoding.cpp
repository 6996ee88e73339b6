#include "textencoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>

#include <cstring>
#include <limits>
#include <optional>
#include <utility>

namespace {

constexpr char utf8Bom[] = "\xEF\xBB\xBF";
constexpr qsizetype utf8BomSize = 3;

// Qt 6 takes the system code page on every Unix to be UTF-8, whatever the locale
// says; naming it directly saves Qt's detour through its locale codec.
#ifdef Q_OS_WIN
constexpr auto systemEncoding = QStringConverter::System;
#else
constexpr auto systemEncoding = QStringConverter::Utf8;
#endif

// ICU counts in int32_t; larger documents are not ours to open anyway.
constexpr qsizetype maxIcuLength = std::numeric_limits<int32_t>::max() / 4;

// ASCII stretches at least this long are copied straight to the output; shorter
// ones between Japanese text go through ICU with it, saving a call per word.
constexpr qsizetype directAsciiRun = 16;

// Converters are costly to open and the preview encodes on every keystroke, so
// each thread keeps its own pair open.
struct IcuConverters {
    UConverter *cp932 = open("windows-31j");
    UConverter *eucJp = open("EUC-JP");

    IcuConverters() = default;
    IcuConverters(const IcuConverters &) = delete;
    IcuConverters &operator=(const IcuConverters &) = delete;
    ~IcuConverters()
    {
        ucnv_close(cp932);
        ucnv_close(eucJp);
    }

    static UConverter *open(const char *name)
    {
        UErrorCode status = U_ZERO_ERROR;
        UConverter *converter = ucnv_open(name, &status);
        if (U_FAILURE(status)) {
            ucnv_close(converter);
            return nullptr;
        }
        return converter;
    }
};

UConverter *icuConverter(TextEncoding encoding)
{
    thread_local IcuConverters converters;
    return encoding == TextEncoding::Cp932 ? converters.cp932 : converters.eucJp;
}

// ICU's CP932 table follows the IBM PC control layout, which trades 0x1A, 0x1C and
// 0x7F around; Windows keeps all of ASCII as it is. Those bytes are never part of a
// double-byte character, so they can be put right after conversion.
char16_t windowsControlFromIcu(char16_t c)
{
    switch (c) {
    case 0x1C: return 0x1A;
    case 0x7F: return 0x1C;
    case 0x1A: return 0x7F;
    default: return c;
    }
}

char windowsControlByteFromIcu(char b)
{
    switch (b) {
    case 0x7F: return 0x1A;
    case 0x1A: return 0x1C;
    case 0x1C: return 0x7F;
    default: return b;
    }
}

std::optional<QString> decodeWithIcu(const QByteArray &bytes, TextEncoding encoding)
{
    UConverter *converter = icuConverter(encoding);
    if (!converter || bytes.size() > maxIcuLength)
        return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    ucnv_setToUCallBack(converter, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);

    // Neither encoding gives more UTF-16 units than bytes; the retry is only a guard.
    QString text(bytes.size(), Qt::Uninitialized);
    for (;;) {
        ucnv_resetToUnicode(converter);
        status = U_ZERO_ERROR;
        const int32_t length = ucnv_toUChars(converter, reinterpret_cast<UChar *>(text.data()),
                                             int32_t(text.size()), bytes.constData(),
                                             int32_t(bytes.size()), &status);
        if (status == U_BUFFER_OVERFLOW_ERROR) {
            text.resize(length);
            continue;
        }
        if (U_FAILURE(status))
            return std::nullopt;
        text.truncate(length);
        break;
    }
    if (encoding == TextEncoding::Cp932) {
        for (QChar &c : text)
            c = QChar(windowsControlFromIcu(c.unicode()));
    }
    return text;
}

std::optional<QString> decodeUtf8(QByteArrayView bytes, QStringConverter::Encoding encoding)
{
    // A second byte-order mark after the first is text and must survive a round trip.
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless
                                         | QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// When bytes are valid in both Japanese encodings, the wrong reading tends to come
// out as half-width katakana, private-use characters or C1 controls, while the
// right one gives kana and kanji.
int japaneseScore(const QString &text)
{
    int score = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x3040 && u <= 0x30FF)
            score += 2; // hiragana, katakana
        else if ((u >= 0x4E00 && u <= 0x9FFF) || (u >= 0x3000 && u <= 0x303F))
            score += 1; // kanji, Japanese punctuation
        else if (u >= 0xFF61 && u <= 0xFF9F)
            score -= 1; // half-width katakana
        else if (u >= 0xE000 && u <= 0xF8FF)
            score -= 3; // user-defined characters
        else if (u >= 0x80 && u <= 0x9F)
            score -= 5; // C1 controls never appear in real pages
    }
    return score;
}

// How many units at the start of the text are ASCII; four at a time, as most of a
// page is.
qsizetype asciiRunLength(QStringView text)
{
    const char16_t *const begin = text.utf16();
    const char16_t *const end = begin + text.size();
    const char16_t *p = begin;
    for (; end - p >= 4; p += 4) {
        quint64 units;
        std::memcpy(&units, p, sizeof units);
        if (units & 0xFF80FF80FF80FF80ULL)
            break;
    }
    while (p != end && *p < 0x80)
        ++p;
    return p - begin;
}

// A plain loop the compiler turns into vector code.
void narrowAscii(QStringView text, char *out)
{
    const char16_t *const source = text.utf16();
    const qsizetype n = text.size();
    for (qsizetype k = 0; k < n; ++k)
        out[k] = char(source[k]);
}

bool appendWithIcu(UConverter *converter, QStringView text, bool toWindowsControls, QByteArray &out)
{
    const UChar *source = reinterpret_cast<const UChar *>(text.data());
    const UChar *const sourceEnd = source + text.size();
    while (true) {
        const qsizetype start = out.size();
        // Three bytes per unit holds any character of either encoding; only
        // character references need more, and those come back for another round.
        out.resize(start + 3 * (sourceEnd - source) + 16);
        char *target = out.data() + start;
        char *const targetLimit = out.data() + out.size();
        UErrorCode status = U_ZERO_ERROR;
        ucnv_fromUnicode(converter, &target, targetLimit, &source, sourceEnd, nullptr, true, &status);
        out.truncate(target - out.constData());
        if (toWindowsControls) {
            char *const end = out.data() + out.size();
            for (char *b = out.data() + start; b != end; ++b)
                *b = windowsControlByteFromIcu(*b);
        }
        if (status != U_BUFFER_OVERFLOW_ERROR)
            return U_SUCCESS(status);
    }
}

EncodedText encodeWithIcu(QStringView text, TextEncoding encoding, Unencodable policy)
{
    UConverter *converter = icuConverter(encoding);
    if (!converter || text.size() > maxIcuLength)
        return {};
    UErrorCode status = U_ZERO_ERROR;
    if (policy == Unencodable::Refuse)
        ucnv_setFromUCallBack(converter, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    else
        ucnv_setFromUCallBack(converter, UCNV_FROM_U_CALLBACK_ESCAPE, UCNV_ESCAPE_XML_DEC, nullptr,
                              nullptr, &status);
    ucnv_resetFromUnicode(converter);
    const bool toWindowsControls = encoding == TextEncoding::Cp932;

    EncodedText encoded;
    QByteArray &out = encoded.bytes;
    out.reserve(text.size() + text.size() / 2 + 16);
    const qsizetype n = text.size();
    const QChar *const s = text.data();
    qsizetype pending = 0; // start of the text not yet written
    qsizetype i = 0;
    while (i < n) {
        if (s[i].unicode() >= 0x80) {
            ++i;
            continue;
        }
        const qsizetype runEnd = i + asciiRunLength(text.sliced(i));
        if (runEnd - i >= directAsciiRun || pending == i || runEnd == n) {
            if (pending < i && !appendWithIcu(converter, text.sliced(pending, i - pending), toWindowsControls, out))
                return {};
            // ASCII is the same bytes in both encodings.
            const qsizetype start = out.size();
            out.resize(start + (runEnd - i));
            narrowAscii(text.sliced(i, runEnd - i), out.data() + start);
            pending = runEnd;
        }
        i = runEnd;
    }
    if (pending < n && !appendWithIcu(converter, text.sliced(pending), toWindowsControls, out))
        return {};
    encoded.ok = true;
    return encoded;
}

void appendCharacterReference(char32_t codePoint, QByteArray &out)
{
    out += "&#";
    out += QByteArray::number(uint(codePoint));
    out += ';';
}

// UTF-8 holds every character, so only lone surrogates are unencodable here.
EncodedText encodeUtf8(QStringView text, QStringConverter::Encoding encoding, bool withBom,
                       Unencodable policy)
{
    EncodedText encoded;
    QByteArray &out = encoded.bytes;
    const qsizetype prefix = withBom ? utf8BomSize : 0;
    {
        QStringEncoder encoder(encoding, QStringConverter::Flag::Stateless);
        out.resize(prefix + encoder.requiredSpace(text.size()));
        std::memcpy(out.data(), utf8Bom, size_t(prefix));
        char *end = encoder.appendToBuffer(out.data() + prefix, text);
        if (!encoder.hasError()) {
            out.truncate(end - out.constData());
            encoded.ok = true;
            return encoded;
        }
    }
    if (policy == Unencodable::Refuse)
        return {};

    out.truncate(prefix);
    qsizetype done = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!c.isSurrogate())
            continue;
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        out += text.sliced(done, i - done).toUtf8();
        appendCharacterReference(c.unicode(), out);
        done = i + 1;
    }
    out += text.sliced(done).toUtf8();
    encoded.ok = true;
    return encoded;
}

} // namespace

DecodedText decodeDocumentBytes(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return {QString(), TextEncoding::System, true};
    if (bytes.startsWith(utf8Bom)) {
        if (auto text = decodeUtf8(QByteArrayView(bytes).sliced(utf8BomSize), QStringConverter::Utf8))
            return {std::move(*text), TextEncoding::Utf8WithBom, true};
    }
    if (auto text = decodeUtf8(bytes, systemEncoding))
        return {std::move(*text), TextEncoding::System, true};

    std::optional<QString> cp932 = decodeWithIcu(bytes, TextEncoding::Cp932);
    std::optional<QString> eucJp = decodeWithIcu(bytes, TextEncoding::EucJp);
    if (cp932 && eucJp) {
        if (japaneseScore(*eucJp) > japaneseScore(*cp932))
            cp932.reset();
        else
            eucJp.reset();
    }
    if (cp932)
        return {std::move(*cp932), TextEncoding::Cp932, true};
    if (eucJp)
        return {std::move(*eucJp), TextEncoding::EucJp, true};
    return {};
}

EncodedText encodeText(const QString &text, TextEncoding encoding, Unencodable policy)
{
    switch (encoding) {
    case TextEncoding::System:
        return encodeUtf8(text, systemEncoding, false, policy);
    case TextEncoding::Utf8WithBom:
        return encodeUtf8(text, QStringConverter::Utf8, true, policy);
    case TextEncoding::Cp932:
    case TextEncoding::EucJp:
        return encodeWithIcu(text, encoding, policy);
    }
    return {};
}

bool canEncode(const QString &text, TextEncoding encoding)
{
    return encodeText(text, encoding, Unencodable::Refuse).ok;
}

QByteArray charsetName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::System: return systemCharsetName();
    case TextEncoding::Utf8WithBom: return QByteArrayLiteral("UTF-8");
    case TextEncoding::Cp932: return QByteArrayLiteral("Shift_JIS");
    case TextEncoding::EucJp: return QByteArrayLiteral("EUC-JP");
    }
    return {};
}

QString encodingDisplayName(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::System: return QStringLiteral("UTF-8");
    case TextEncoding::Utf8WithBom: return QStringLiteral("UTF-8 (BOM付き)");
    case TextEncoding::Cp932: return QStringLiteral("Shift_JIS");
    case TextEncoding::EucJp: return QStringLiteral("EUC-JP");
    }
    return {};
}

QByteArray systemCharsetName()
{
    // See systemEncoding.
    return QByteArrayLiteral("UTF-8");
}
