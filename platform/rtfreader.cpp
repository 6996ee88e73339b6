#include "rtfreader.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>

#include <algorithm>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

// Deeper groups are read as if flat, so hostile nesting costs no memory.
constexpr std::size_t maxDepth = 1000;
// Parameters are at most ten digits; anything larger is clamped, not wrapped.
constexpr qint64 maxParameter = std::numeric_limits<int>::max();
// The largest font size a word processor offers, in half-points.
constexpr int maxHalfPoints = 3276;
// Decoded in slices so the converter's 32-bit lengths are never reached.
constexpr qsizetype maxPendingBytes = 1 << 20;
// Code page 65001 and the document encodings, in the numbering \ansicpg uses.
constexpr int utf8CodePage = 65001;
constexpr int shiftJisCodePage = 932;
constexpr int eucJpCodePage = 51932;

enum class Destination {
    Text,       // the document's text
    FontTable,  // read for the fonts' character sets
    ColorTable,
    Skip        // everything else that is not text: pictures, styles, metadata...
};

struct GroupState {
    Destination destination = Destination::Text;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 0; // 0: the control's size
    int colorIndex = 0;
    int font = -1;      // -1: the document's default font
    int unicodeSkip = 1;
    // Double-byte text (after \dbch) may have its own bold, italic and size, given by
    // \ab, \ai and \afs after a \dbch; -1 where it follows the text's own.
    bool doubleByte = false;
    bool associatedDoubleByte = false;
    int doubleByteBold = -1;
    int doubleByteItalic = -1;
    int doubleByteHalfPoints = -1;

    bool effectiveBold() const { return doubleByte && doubleByteBold >= 0 ? doubleByteBold != 0 : bold; }
    bool effectiveItalic() const { return doubleByte && doubleByteItalic >= 0 ? doubleByteItalic != 0 : italic; }
    int effectiveHalfPoints() const
    {
        return doubleByte && doubleByteHalfPoints >= 0 ? doubleByteHalfPoints : halfPoints;
    }
};

enum class Word {
    Par, Line, Tab, Cell, Row,
    EmDash, EnDash, EmSpace, EnSpace, QmSpace, Bullet, LQuote, RQuote, LDblQuote, RDblQuote,
    Zwj, Zwnj, LtrMark, RtlMark,
    Unicode, UnicodeSkip, Bin,
    Bold, Italic, Underline, UnderlineNone, UnderlineColor, Plain, FontSize, Color, Font,
    DefaultFont, AnsiCodePage,
    LowScript, HighScript, DoubleByteScript, RightToLeftScript, LeftToRightScript,
    AssociatedBold, AssociatedItalic, AssociatedFontSize,
    FontTable, ColorTable, Red, Green, Blue, FontCharset, FontCodePage,
    SkipDestination
};

const std::unordered_map<std::u16string_view, Word> &words()
{
    static const std::unordered_map<std::u16string_view, Word> table = [] {
        std::unordered_map<std::u16string_view, Word> t = {
            {u"par", Word::Par}, {u"line", Word::Line}, {u"tab", Word::Tab},
            {u"cell", Word::Cell}, {u"nestcell", Word::Cell}, {u"row", Word::Row}, {u"nestrow", Word::Row},
            {u"emdash", Word::EmDash}, {u"endash", Word::EnDash}, {u"emspace", Word::EmSpace},
            {u"enspace", Word::EnSpace}, {u"qmspace", Word::QmSpace}, {u"bullet", Word::Bullet},
            {u"lquote", Word::LQuote}, {u"rquote", Word::RQuote}, {u"ldblquote", Word::LDblQuote},
            {u"rdblquote", Word::RDblQuote}, {u"zwj", Word::Zwj}, {u"zwnj", Word::Zwnj},
            {u"ltrmark", Word::LtrMark}, {u"rtlmark", Word::RtlMark},
            {u"u", Word::Unicode}, {u"uc", Word::UnicodeSkip}, {u"bin", Word::Bin},
            {u"b", Word::Bold}, {u"i", Word::Italic}, {u"ulnone", Word::UnderlineNone},
            {u"ulc", Word::UnderlineColor}, {u"plain", Word::Plain}, {u"fs", Word::FontSize},
            {u"cf", Word::Color}, {u"f", Word::Font}, {u"deff", Word::DefaultFont},
            {u"ansicpg", Word::AnsiCodePage},
            {u"loch", Word::LowScript}, {u"hich", Word::HighScript}, {u"dbch", Word::DoubleByteScript},
            {u"rtlch", Word::RightToLeftScript}, {u"ltrch", Word::LeftToRightScript},
            {u"ab", Word::AssociatedBold}, {u"ai", Word::AssociatedItalic}, {u"afs", Word::AssociatedFontSize},
            {u"fonttbl", Word::FontTable}, {u"colortbl", Word::ColorTable},
            {u"red", Word::Red}, {u"green", Word::Green}, {u"blue", Word::Blue},
            {u"fcharset", Word::FontCharset}, {u"cpg", Word::FontCodePage},
        };
        // Destinations whose content is not document text.
        for (std::u16string_view name : {
                 u"stylesheet", u"info", u"pict", u"object", u"header", u"headerl", u"headerr", u"headerf",
                 u"footer", u"footerl", u"footerr", u"footerf", u"footnote", u"annotation", u"fldinst",
                 u"themedata", u"colorschememapping", u"listtable", u"listoverridetable", u"revtbl",
                 u"rsidtbl", u"filetbl", u"latentstyles", u"datastore", u"xmlnstbl", u"pgdsctbl",
                 u"generator", u"private", u"template", u"docvar", u"userprops", u"pn", u"pntxta",
                 u"pntxtb", u"pnseclvl", u"txe", u"xe", u"tc", u"nonshppict", u"shpinst", u"shprslt",
                 u"do", u"ftnsep", u"ftnsepc", u"ftncn", u"aftnsep", u"aftnsepc", u"aftncn",
                 u"bkmkstart", u"bkmkend", u"objdata", u"fontemb", u"fontfile", u"falt", u"panose",
                 u"mmathPr", u"wgrffmtfilter", u"passwordhash"})
            t.emplace(name, Word::SkipDestination);
        return t;
    }();
    return table;
}

// What a word means when it is not one of the table's: the many underline styles
// (\uld, \ulwave, \ulth...) all show as underline here.
std::optional<Word> lookUp(std::u16string_view name)
{
    const auto &table = words();
    if (const auto it = table.find(name); it != table.end())
        return it->second;
    if (name.starts_with(u"ul"))
        return Word::Underline;
    return std::nullopt;
}

// \fcharset values to code pages; 0 leaves the choice to \ansicpg.
int charsetCodePage(qint64 charset)
{
    switch (charset) {
    case 77: return 10000;
    case 78: return 10001;
    case 128: return shiftJisCodePage;
    case 129: return 949;
    case 130: return 1361;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 254: return 437;
    case 255: return 850;
    default: return 0;
    }
}

int documentCodePage(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::System:
    case TextEncoding::Utf8WithBom: return utf8CodePage;
    case TextEncoding::Cp932: return shiftJisCodePage;
    case TextEncoding::EucJp: return eucJpCodePage;
    }
    return utf8CodePage;
}

// ICU's CP932 table follows the IBM PC control layout; Windows keeps ASCII as it is.
char16_t windowsControlFromIcu(char16_t c)
{
    switch (c) {
    case 0x1C: return 0x1A;
    case 0x7F: return 0x1C;
    case 0x1A: return 0x7F;
    default: return c;
    }
}

struct ConverterCloser {
    void operator()(UConverter *c) const { ucnv_close(c); }
};
using ConverterPtr = std::unique_ptr<UConverter, ConverterCloser>;

// Bytes that spell no character become U+FFFD. ICU's own substitute turns a lone
// byte into U+001A, a control the editor would keep invisibly.
void substituteReplacementCharacter(const void *, UConverterToUnicodeArgs *args, const char *, int32_t,
                                    UConverterCallbackReason reason, UErrorCode *status)
{
    if (reason > UCNV_IRREGULAR)
        return; // reset, close and clone need nothing
    *status = U_ZERO_ERROR;
    const UChar replacement = 0xFFFD;
    ucnv_cbToUWriteUChars(args, &replacement, 1, 0, status);
}

ConverterPtr openConverter(int codePage)
{
    std::vector<QByteArray> names;
    if (codePage == shiftJisCodePage)
        names.push_back("windows-31j");
    else if (codePage == eucJpCodePage)
        names.push_back("EUC-JP");
    names.push_back("windows-" + QByteArray::number(codePage));
    names.push_back("cp" + QByteArray::number(codePage));
    for (const QByteArray &name : names) {
        UErrorCode status = U_ZERO_ERROR;
        ConverterPtr converter(ucnv_open(name.constData(), &status));
        if (U_FAILURE(status) || !converter)
            continue;
        ucnv_setToUCallBack(converter.get(), substituteReplacementCharacter, nullptr, nullptr, nullptr, &status);
        if (U_SUCCESS(status))
            return converter;
    }
    return nullptr;
}

class Reader
{
public:
    Reader(const QString &text, qsizetype start, TextEncoding encoding)
        : m_in(text), m_pos(start), m_documentCodePage(documentCodePage(encoding))
    {
        m_stack.reserve(16);
        m_stack.emplace_back(); // outside every group
    }

    QList<RichTextRun> read()
    {
        const qsizetype n = m_in.size();
        while (m_pos < n) {
            const QChar c = m_in[m_pos];
            if (c == u'\r' || c == u'\n') {
                ++m_pos; // line breaks in the file only wrap its lines
            } else if (c == u'{') {
                ++m_pos;
                flushPending();
                m_fallbackToSkip = 0;
                if (m_stack.size() > maxDepth)
                    ++m_flatDepth;
                else
                    m_stack.push_back(m_stack.back());
            } else if (c == u'}') {
                ++m_pos;
                flushPending();
                m_fallbackToSkip = 0;
                if (m_flatDepth > 0)
                    --m_flatDepth;
                else if (m_stack.size() > 1)
                    m_stack.pop_back();
                if (m_stack.size() == 1)
                    break; // the document's group is closed; what follows is not part of it
            } else if (c == u'\\') {
                readControl();
            } else {
                readText();
            }
        }
        flushPending();
        return std::move(m_runs);
    }

private:
    GroupState &state() { return m_stack.back(); }

    static bool isSpecial(QChar c)
    {
        return c == u'\\' || c == u'{' || c == u'}' || c == u'\r' || c == u'\n';
    }

    void readText()
    {
        const qsizetype n = m_in.size();
        qsizetype end = m_pos;
        while (end < n && !isSpecial(m_in[end]))
            ++end;
        // The characters standing in for a \u character are not text.
        const qsizetype skipped = std::min<qsizetype>(m_fallbackToSkip, end - m_pos);
        m_fallbackToSkip -= int(skipped);
        const QStringView text = QStringView(m_in).sliced(m_pos + skipped, end - m_pos - skipped);
        m_pos = end;
        if (text.isEmpty())
            return;
        flushBytes();
        switch (state().destination) {
        case Destination::Text:
            emitText(text);
            break;
        case Destination::ColorTable:
            for (const QChar c : text) {
                if (c == u';')
                    endColor();
            }
            break;
        case Destination::FontTable:
        case Destination::Skip:
            break;
        }
    }

    void readControl()
    {
        const qsizetype n = m_in.size();
        ++m_pos; // the backslash
        if (m_pos >= n)
            return;
        const QChar first = m_in[m_pos];
        if (!isAsciiLetter(first)) {
            ++m_pos;
            readSymbol(first);
            return;
        }
        const qsizetype nameStart = m_pos;
        while (m_pos < n && isAsciiLetter(m_in[m_pos]))
            ++m_pos;
        const std::u16string_view name(reinterpret_cast<const char16_t *>(m_in.utf16()) + nameStart,
                                       std::size_t(m_pos - nameStart));

        bool hasParameter = false;
        qint64 parameter = 0;
        bool negative = false;
        if (m_pos + 1 < n && m_in[m_pos] == u'-' && isAsciiDigit(m_in[m_pos + 1])) {
            negative = true;
            ++m_pos;
        }
        while (m_pos < n && isAsciiDigit(m_in[m_pos])) {
            hasParameter = true;
            parameter = std::min(parameter * 10 + (m_in[m_pos].unicode() - u'0'), maxParameter);
            ++m_pos;
        }
        if (negative)
            parameter = -parameter;
        if (m_pos < n && m_in[m_pos] == u' ')
            ++m_pos;

        const std::optional<Word> word = lookUp(name);
        if (word == Word::Bin) {
            // Raw data whatever the destination, and it may hold braces and backslashes.
            const qsizetype length = hasParameter ? std::max<qint64>(parameter, 0) : 0;
            m_pos += std::min(length, n - m_pos);
        }
        if (m_fallbackToSkip > 0) {
            --m_fallbackToSkip;
            return;
        }
        if (!word)
            return;
        if (*word == Word::Unicode) {
            if (hasParameter && state().destination == Destination::Text)
                readUnicode(parameter);
            return;
        }
        flushBytes();
        applyWord(*word, hasParameter, parameter);
    }

    void readSymbol(QChar symbol)
    {
        if (symbol == u'\'') {
            readHexByte();
            return;
        }
        if (m_fallbackToSkip > 0) {
            --m_fallbackToSkip;
            return;
        }
        flushBytes();
        switch (symbol.unicode()) {
        case u'\\':
        case u'{':
        case u'}':
            if (state().destination == Destination::Text)
                emitText(QStringView(&symbol, 1));
            break;
        case u'~': emitSpecial(u"\u00A0"); break;
        case u'_': emitSpecial(u"\u2011"); break;
        case u'\r':
        case u'\n': emitSpecial(u"\r\n"); break; // a backslash ending a line is a paragraph break
        case u'*': state().destination = Destination::Skip; break;
        default: break; // \- (a hyphenation hint), \: and the rest show nothing
        }
    }

    void readHexByte()
    {
        const qsizetype n = m_in.size();
        int value = 0;
        int digits = 0;
        while (digits < 2 && m_pos < n) {
            const int d = hexValue(m_in[m_pos]);
            if (d < 0)
                break;
            value = value * 16 + d;
            ++digits;
            ++m_pos;
        }
        if (m_fallbackToSkip > 0) {
            --m_fallbackToSkip;
            return;
        }
        if (digits < 2 || state().destination != Destination::Text)
            return; // a damaged escape is dropped; what follows it stays text
        emitPendingHigh(); // the bytes are text of their own
        const int codePage = currentCodePage();
        if (!m_pendingBytes.isEmpty() && (codePage != m_pendingCodePage || m_pendingBytes.size() >= maxPendingBytes))
            flushBytes();
        m_pendingCodePage = codePage;
        m_pendingBytes.append(char(value));
    }

    void readUnicode(qint64 parameter)
    {
        m_fallbackToSkip = state().unicodeSkip;
        // Writers give characters above 32767 as negative numbers.
        qint64 code = parameter < 0 ? parameter + 65536 : parameter;
        if (code < 0 || code > 0x10FFFF)
            code = 0xFFFD;
        flushBytes();
        if (QChar::isHighSurrogate(char32_t(code))) {
            emitPendingHigh();
            m_pendingHigh = char16_t(code);
            return;
        }
        if (QChar::isLowSurrogate(char32_t(code))) {
            if (m_pendingHigh) {
                const char16_t pair[2] = {m_pendingHigh, char16_t(code)};
                m_pendingHigh = 0;
                emitText(QStringView(pair, 2));
            } else {
                emitText(u"\uFFFD");
            }
            return;
        }
        emitText(QStringView(QChar::fromUcs4(char32_t(code))));
    }

    void applyWord(Word word, bool hasParameter, qint64 parameter)
    {
        GroupState &s = state();
        const int value = int(std::clamp<qint64>(parameter, std::numeric_limits<int>::min(), maxParameter));
        const bool on = !hasParameter || parameter != 0;

        if (s.destination == Destination::Skip)
            return;
        switch (word) {
        case Word::FontTable:
            s.destination = Destination::FontTable;
            m_fontBeingDefined = -1;
            return;
        case Word::ColorTable:
            s.destination = Destination::ColorTable;
            return;
        case Word::SkipDestination:
            s.destination = Destination::Skip;
            return;
        default:
            break;
        }
        if (s.destination == Destination::FontTable) {
            if (word == Word::Font)
                m_fontBeingDefined = value;
            else if (word == Word::FontCharset)
                setFontCodePage(charsetCodePage(parameter));
            else if (word == Word::FontCodePage)
                setFontCodePage(value);
            return;
        }
        if (s.destination == Destination::ColorTable) {
            const int component = std::clamp(value, 0, 255);
            if (word == Word::Red)
                m_red = component;
            else if (word == Word::Green)
                m_green = component;
            else if (word == Word::Blue)
                m_blue = component;
            else
                return;
            m_colorGiven = true;
            return;
        }

        switch (word) {
        case Word::Par:
        case Word::Line:
        case Word::Row: emitText(u"\r\n"); break;
        case Word::Tab:
        case Word::Cell: emitText(u"\t"); break;
        case Word::EmDash: emitText(u"\u2014"); break;
        case Word::EnDash: emitText(u"\u2013"); break;
        case Word::EmSpace: emitText(u"\u2003"); break;
        case Word::EnSpace: emitText(u"\u2002"); break;
        case Word::QmSpace: emitText(u"\u2005"); break;
        case Word::Bullet: emitText(u"\u2022"); break;
        case Word::LQuote: emitText(u"\u2018"); break;
        case Word::RQuote: emitText(u"\u2019"); break;
        case Word::LDblQuote: emitText(u"\u201C"); break;
        case Word::RDblQuote: emitText(u"\u201D"); break;
        case Word::Zwj: emitText(u"\u200D"); break;
        case Word::Zwnj: emitText(u"\u200C"); break;
        case Word::LtrMark: emitText(u"\u200E"); break;
        case Word::RtlMark: emitText(u"\u200F"); break;
        case Word::UnicodeSkip: s.unicodeSkip = std::max(value, 0); break;
        case Word::Bold: s.bold = on; break;
        case Word::Italic: s.italic = on; break;
        case Word::Underline: s.underline = on; break;
        case Word::UnderlineNone: s.underline = false; break;
        case Word::Plain:
            s.bold = s.italic = s.underline = false;
            s.halfPoints = 0;
            s.colorIndex = 0;
            s.font = -1;
            s.doubleByte = s.associatedDoubleByte = false;
            s.doubleByteBold = s.doubleByteItalic = s.doubleByteHalfPoints = -1;
            break;
        case Word::FontSize: s.halfPoints = std::clamp(value, 0, maxHalfPoints); break;
        case Word::LowScript:
        case Word::HighScript:
            s.doubleByte = s.associatedDoubleByte = false;
            break;
        case Word::DoubleByteScript: s.doubleByte = s.associatedDoubleByte = true; break;
        // Associated properties after these belong to right-to-left text, not shown apart here.
        case Word::RightToLeftScript:
        case Word::LeftToRightScript: s.associatedDoubleByte = false; break;
        case Word::AssociatedBold:
            if (s.associatedDoubleByte)
                s.doubleByteBold = on;
            break;
        case Word::AssociatedItalic:
            if (s.associatedDoubleByte)
                s.doubleByteItalic = on;
            break;
        case Word::AssociatedFontSize:
            if (s.associatedDoubleByte)
                s.doubleByteHalfPoints = std::clamp(value, 0, maxHalfPoints);
            break;
        case Word::Color: s.colorIndex = value; break;
        case Word::Font: s.font = value; break;
        case Word::DefaultFont: m_defaultFont = value; break;
        case Word::AnsiCodePage: m_ansiCodePage = std::max(value, 0); break;
        default: break; // colour and font table words outside their tables
        }
    }

    void emitSpecial(std::u16string_view text)
    {
        if (state().destination == Destination::Text)
            emitText(QStringView(text.data(), qsizetype(text.size())));
    }

    void setFontCodePage(int codePage)
    {
        if (m_fontBeingDefined < 0)
            return;
        if (codePage > 0)
            m_fontCodePages[m_fontBeingDefined] = codePage;
        else
            m_fontCodePages.erase(m_fontBeingDefined);
    }

    void endColor()
    {
        m_colors.push_back(m_colorGiven ? m_red + 256 * m_green + 65536 * m_blue : 0);
        m_red = m_green = m_blue = 0;
        m_colorGiven = false;
    }

    int currentCodePage() const
    {
        const GroupState &s = m_stack.back();
        const int font = s.font >= 0 ? s.font : m_defaultFont;
        if (const auto it = m_fontCodePages.find(font); it != m_fontCodePages.end())
            return it->second;
        return m_ansiCodePage > 0 ? m_ansiCodePage : m_documentCodePage;
    }

    UConverter *converter(int codePage)
    {
        auto it = m_converters.find(codePage);
        if (it == m_converters.end())
            it = m_converters.emplace(codePage, openConverter(codePage)).first;
        return it->second.get();
    }

    QString decode(const QByteArray &bytes, int codePage)
    {
        if (codePage == utf8CodePage)
            return QString::fromUtf8(bytes);
        UConverter *c = converter(codePage);
        if (!c) {
            // A code page this machine does not know: read the bytes as the document would be.
            if (codePage != m_documentCodePage)
                return decode(bytes, m_documentCodePage);
            return QString::fromLatin1(bytes);
        }
        ucnv_resetToUnicode(c);
        QString text(2 * bytes.size() + 2, Qt::Uninitialized);
        UErrorCode status = U_ZERO_ERROR;
        const int32_t length = ucnv_toUChars(c, reinterpret_cast<UChar *>(text.data()), int32_t(text.size()),
                                             bytes.constData(), int32_t(bytes.size()), &status);
        if (U_FAILURE(status))
            return QString(bytes.size(), QChar::ReplacementCharacter);
        text.truncate(length);
        if (codePage == shiftJisCodePage) {
            for (QChar &ch : text)
                ch = QChar(windowsControlFromIcu(ch.unicode()));
        }
        return text;
    }

    void flushBytes()
    {
        if (m_pendingBytes.isEmpty())
            return;
        const QString text = decode(m_pendingBytes, m_pendingCodePage);
        m_pendingBytes.clear();
        emitText(text);
    }

    void emitPendingHigh()
    {
        if (!m_pendingHigh)
            return;
        m_pendingHigh = 0;
        appendToRuns(u"\uFFFD"); // a high surrogate not followed by its low one
    }

    // Bytes are held until the character they spell is complete: anything but another
    // byte ends the wait. A high surrogate waits for its low one past words such as
    // \uc, which writers put between the two, but not past text or a group's end.
    void flushPending()
    {
        flushBytes();
        emitPendingHigh();
    }

    void emitText(QStringView text)
    {
        if (text.isEmpty())
            return;
        emitPendingHigh();
        appendToRuns(text);
    }

    void appendToRuns(QStringView text)
    {
        const GroupState &s = m_stack.back();
        const int color = s.colorIndex > 0 && std::size_t(s.colorIndex) < m_colors.size()
                              ? m_colors[std::size_t(s.colorIndex)] : 0;
        const double pointSize = s.effectiveHalfPoints() / 2.0;
        const bool bold = s.effectiveBold();
        const bool italic = s.effectiveItalic();
        if (!m_runs.isEmpty()) {
            RichTextRun &last = m_runs.last();
            if (last.color == color && last.bold == bold && last.italic == italic
                && last.underline == s.underline && last.pointSize == pointSize) {
                last.text += text;
                return;
            }
        }
        RichTextRun run;
        run.text = text.toString();
        run.color = color;
        run.bold = bold;
        run.italic = italic;
        run.underline = s.underline;
        run.pointSize = pointSize;
        m_runs.append(std::move(run));
    }

    static bool isAsciiLetter(QChar c)
    {
        const char16_t u = c.unicode();
        return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
    }

    static bool isAsciiDigit(QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; }

    static int hexValue(QChar c)
    {
        const char16_t u = c.unicode();
        if (u >= u'0' && u <= u'9')
            return u - u'0';
        if (u >= u'a' && u <= u'f')
            return u - u'a' + 10;
        if (u >= u'A' && u <= u'F')
            return u - u'A' + 10;
        return -1;
    }

    const QString &m_in;
    qsizetype m_pos;
    const int m_documentCodePage;
    std::vector<GroupState> m_stack;
    qsizetype m_flatDepth = 0;
    QList<RichTextRun> m_runs;

    int m_fallbackToSkip = 0;
    char16_t m_pendingHigh = 0;
    QByteArray m_pendingBytes;
    int m_pendingCodePage = 0;

    int m_ansiCodePage = 0;
    int m_defaultFont = 0;
    int m_fontBeingDefined = -1;
    std::map<int, int> m_fontCodePages;
    std::map<int, ConverterPtr> m_converters;

    std::vector<int> m_colors;
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
    bool m_colorGiven = false;
};

} // namespace

QList<RichTextRun> readRichText(const QString &text, TextEncoding documentEncoding)
{
    qsizetype start = 0;
    while (start < text.size() && text[start].isSpace())
        ++start;
    if (!QStringView(text).sliced(start).startsWith(u"{\\rtf")) {
        RichTextRun run;
        run.text = text;
        return {run};
    }
    return Reader(text, start, documentEncoding).read();
}
