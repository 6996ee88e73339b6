#include "rtfreader.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

Q_DECLARE_METATYPE(TextEncoding)

namespace {

QString describeFormat(const RichTextRun &run)
{
    QStringList parts;
    if (run.bold)
        parts << QStringLiteral("b");
    if (run.italic)
        parts << QStringLiteral("i");
    if (run.underline)
        parts << QStringLiteral("u");
    if (run.color != 0) {
        // Written as a web colour so a swapped red and blue shows.
        const int r = run.color & 0xFF, g = (run.color >> 8) & 0xFF, b = (run.color >> 16) & 0xFF;
        parts << QString::asprintf("#%02x%02x%02x", r, g, b);
    }
    if (run.pointSize != 0)
        parts << QString::number(run.pointSize) + QStringLiteral("pt");
    return u'[' + parts.join(u' ') + u']';
}

// "[b]bold[]plain": every run with its format, so one comparison checks the text,
// the formats and where the runs split.
QString describe(const QList<RichTextRun> &runs)
{
    QString out;
    for (const RichTextRun &run : runs)
        out += describeFormat(run) + run.text;
    return out;
}

QString joined(const QList<RichTextRun> &runs)
{
    QString out;
    for (const RichTextRun &run : runs)
        out += run.text;
    return out;
}

QString rtf(const char *body)
{
    return QStringLiteral("{\\rtf1") + QString::fromUtf8(body) + u'}';
}

// As the editor hands a file over: decoded, and its line breaks CR LF.
QString readCorpusFile(const QString &name)
{
    QFile file(QStringLiteral(RTF_CORPUS_DIR "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const DecodedText decoded = decodeDocumentBytes(file.readAll());
    QString text = decoded.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\n', QStringLiteral("\r\n"));
    return text;
}

} // namespace

class TestRtfReader : public QObject
{
    Q_OBJECT

private slots:
    void plainText_data();
    void plainText();
    void read_data();
    void read();
    void malformed_data();
    void malformed();
    void hostileInputStaysLinear_data();
    void hostileInputStaysLinear();
    void corpus_data();
    void corpus();
};

void TestRtfReader::plainText_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("text") << QStringLiteral("Hello\r\n{not} \\b rtf\r\n");
    QTest::newRow("empty") << QString();
    QTest::newRow("header not first") << QStringLiteral("x{\\rtf1 a}");
    QTest::newRow("header is case sensitive") << QStringLiteral("{\\RTF1 a}");
    QTest::newRow("japanese") << QStringLiteral("日本語\r\n");
}

void TestRtfReader::plainText()
{
    QFETCH(QString, text);
    for (const TextEncoding encoding : {TextEncoding::System, TextEncoding::Cp932}) {
        const QList<RichTextRun> runs = readRichText(text, encoding);
        QCOMPARE(runs.size(), 1);
        QCOMPARE(describe(runs), QStringLiteral("[]") + text);
    }
}

void TestRtfReader::read_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<QString>("expected");

    const auto sys = TextEncoding::System;

    // Structure and syntax.
    QTest::newRow("leading whitespace") << QStringLiteral(" \r\n\t{\\rtf1 a}") << sys << "[]a";
    QTest::newRow("no text") << rtf("\\ansi") << sys << "";
    QTest::newRow("groups restore formatting") << rtf(" a{\\b b{\\i c}d}e") << sys << "[]a[b]b[b i]c[b]d[]e";
    QTest::newRow("one delimiter space eaten") << rtf("\\b  two") << sys << "[b] two";
    QTest::newRow("word ends at non-letter") << rtf("\\b1x\\b0;y") << sys << "[b]x[];y";
    QTest::newRow("raw line breaks are not text") << rtf(" one\r\ntwo\nthree\rfour") << sys << "[]onetwothreefour";
    QTest::newRow("control symbols") << rtf(" \\\\ \\{ \\} a\\~b\\-c\\_d") << sys
                                     << QStringLiteral("[]\\ { } a\u00A0bc\u2011d");
    QTest::newRow("par line tab") << rtf(" a\\par b\\line c\\tab d") << sys << "[]a\r\nb\r\nc\td";
    QTest::newRow("backslash ending a line") << rtf(" a\\\r\nb") << sys << "[]a\r\nb";
    QTest::newRow("final par is text") << rtf(" a\\par ") << sys << "[]a\r\n";
    QTest::newRow("table cells and rows") << rtf(" a\\cell b\\cell\\row c") << sys << "[]a\tb\t\r\nc";
    QTest::newRow("typographic words") << rtf("\\ldblquote q\\rdblquote\\emdash\\bullet") << sys
                                       << QStringLiteral("[]\u201Cq\u201D\u2014\u2022");
    QTest::newRow("unknown words ignored") << rtf(" a\\foo12 b\\bar-3 c\\x") << sys << "[]abc";
    QTest::newRow("same format merges") << rtf(" a{\\b0 b}{c}\\i0 d{\\b\\b0 e}") << sys << "[]abcde";

    // Character formatting.
    QTest::newRow("bold italic on off") << rtf("\\b a\\b0 b\\i c\\i0 d\\b1\\i1 e") << sys << "[b]a[]b[i]c[]d[b i]e";
    QTest::newRow("underline styles") << rtf("\\ul a\\ulnone b\\uldb c\\ul0 d\\ulwave e\\ulc1 f\\ulw0 g") << sys
                                      << "[u]a[]b[u]c[]d[u]ef[]g";
    QTest::newRow("font size in half points") << rtf("\\fs21 a\\fs40 b\\fs0 c") << sys << "[10.5pt]a[20pt]b[]c";
    QTest::newRow("plain resets, pard does not")
        << rtf("{\\colortbl;\\red255\\green0\\blue0;}\\b\\i\\ul\\fs40\\cf1 a\\pard b\\plain c") << sys
        << "[b i u #ff0000 20pt]ab[]c";
    QTest::newRow("colour table")
        << rtf("{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue255;}\\cf1 r\\cf2 b\\cf0 a\\cf9 m") << sys
        << "[#ff0000]r[#0080ff]b[]am";
    QTest::newRow("colour 0 is auto whatever the table says")
        << rtf("{\\colortbl\\red1\\green2\\blue3;\\blue255;}\\cf0 a\\cf1 b") << sys << "[]a[#0000ff]b";
    QTest::newRow("double-byte text has its own bold and size")
        << rtf("{\\dbch\\ab\\afs32\\dbch a}{\\loch\\ab\\loch b}{\\rtlch\\ab \\ltrch\\dbch c}") << sys
        << "[b 16pt]a[]bc";

    // Unicode characters and their stand-ins.
    QTest::newRow("unicode and one stand-in") << rtf(" a\\u12354?b") << sys << QStringLiteral("[]aあb");
    QTest::newRow("negative unicode") << rtf("\\u-28092?") << sys << QStringLiteral("[]鉄");
    QTest::newRow("uc2 skips two bytes") << rtf("\\uc2 \\u12354\\'82\\'a0c") << sys << QStringLiteral("[]あc");
    QTest::newRow("uc0 skips nothing") << rtf("\\uc0\\u12354 d") << sys << QStringLiteral("[]あd");
    QTest::newRow("stand-in may be a control word") << rtf("\\u12354\\tab x") << sys << QStringLiteral("[]あx");
    QTest::newRow("uc is scoped to its group") << rtf("{\\uc2 \\u12354??}\\u12354?x") << sys
                                               << QStringLiteral("[]ああx");
    QTest::newRow("stand-ins end at a brace") << rtf("\\uc3 \\u12354?{x}") << sys << QStringLiteral("[]あx");
    QTest::newRow("surrogate pair") << rtf("\\u-10179?\\u-8704?") << sys << QStringLiteral("[]😀");
    QTest::newRow("surrogate pair across uc") << rtf("\\uc0 \\u55357\\uc1 \\u56832\\'3f!") << sys
                                              << QStringLiteral("[]😀!");
    QTest::newRow("lone high surrogate") << rtf("\\u55357?x") << sys << QStringLiteral("[]\uFFFDx");
    QTest::newRow("lone low surrogate") << rtf("\\u56832?x") << sys << QStringLiteral("[]\uFFFDx");
    QTest::newRow("high surrogate twice") << rtf("\\u55357?\\u55357?\\u56832?") << sys
                                          << QStringLiteral("[]\uFFFD😀");
    QTest::newRow("high surrogate then bytes") << rtf("\\ansicpg1252\\u55357?\\'e9") << sys
                                               << QStringLiteral("[]\uFFFD\u00E9");

    // Bytes in code pages.
    QTest::newRow("cp1252") << rtf("\\ansi\\ansicpg1252 caf\\'e9 \\'93q\\'94") << sys
                            << QStringLiteral("[]café \u201Cq\u201D");
    QTest::newRow("cp932 double-byte") << rtf("\\ansicpg932 \\'93\\'fa\\'96\\'7b") << sys << QStringLiteral("[]日本");
    QTest::newRow("cp932 bytes across a raw line break") << rtf("\\ansicpg932 \\'93\r\n\\'fa") << sys
                                                         << QStringLiteral("[]日");
    QTest::newRow("cp65001") << rtf("\\ansicpg65001 \\'e3\\'81\\'82") << sys << QStringLiteral("[]あ");
    QTest::newRow("cp1251 through ICU") << rtf("\\ansicpg1251 \\'c4\\'e0") << sys << QStringLiteral("[]Да");
    QTest::newRow("unknown code page: document encoding") << rtf("\\ansicpg4242 \\'93\\'fa") << TextEncoding::Cp932
                                                          << QStringLiteral("[]日");
    QTest::newRow("no code page: cp932 document") << rtf(" \\'93\\'fa") << TextEncoding::Cp932 << QStringLiteral("[]日");
    QTest::newRow("no code page: euc-jp document") << rtf(" \\'c6\\'fc") << TextEncoding::EucJp << QStringLiteral("[]日");
    QTest::newRow("no code page: utf-8 document") << rtf(" \\'e3\\'81\\'82") << sys << QStringLiteral("[]あ");
    QTest::newRow("bytes keep the format they were written in") << rtf("\\ansicpg932 \\'93\\'fa{\\b \\'96\\'7b}") << sys
                                                                << QStringLiteral("[]日[b]本");
    QTest::newRow("font charset picks the code page")
        << rtf("\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\froman\\fcharset0 Times;}{\\f1\\fnil\\fcharset128 Mincho;}}"
               "\\'e9\\f1\\'93\\'fa\\f0\\'e9{\\f1\\'96\\'7b}\\'e9")
        << sys << QStringLiteral("[]é日é本é");
    QTest::newRow("default font's charset")
        << rtf("\\ansi\\deff1{\\fonttbl\\f0\\fcharset0 Times;\\f1\\fcharset128 Mincho;}\\'93\\'fa\\plain\\'96\\'7b")
        << sys << QStringLiteral("[]日本");

    // Destinations that are not text.
    QTest::newRow("skipped destinations")
        << rtf("{\\fonttbl{\\f0 Arial;}}{\\info{\\title T}{\\author A}}{\\stylesheet{\\s0 Normal;}}"
               "{\\*\\generator G;}{\\*\\unknown U}{\\pict\\pngblip 89504e}{\\header H}{\\footerr F}"
               "{\\object\\objemb{\\*\\objdata 01}{\\result R}}{\\*\\themedata 50}{\\listtable{\\list L}}text")
        << sys << "[]text";
    QTest::newRow("field keeps its result") << rtf("{\\field{\\*\\fldinst HYPERLINK \"u\"}{\\fldrslt link}} after")
                                            << sys << "[]link after";
    QTest::newRow("field instruction without star") << rtf("{\\field{\\fldinst PAGE}{\\fldrslt 3}}") << sys << "[]3";
    QTest::newRow("binary data may hold braces") << rtf("{\\pict\\bin4 }{\\}x}y") << sys << "[]y";
    QTest::newRow("star mid-text skips the rest of the group") << rtf("{a\\*\\foo b}c") << sys << "[]ac";
}

void TestRtfReader::read()
{
    QFETCH(QString, input);
    QFETCH(TextEncoding, encoding);
    QFETCH(QString, expected);
    QCOMPARE(describe(readRichText(input, encoding)), expected);
}

void TestRtfReader::malformed_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    QTest::newRow("bare header") << QStringLiteral("{\\rtf") << "";
    QTest::newRow("unclosed groups") << QStringLiteral("{\\rtf1{\\b bold") << "[b]bold";
    QTest::newRow("extra closing brace ends the document") << QStringLiteral("{\\rtf1 a}}b") << "[]a";
    QTest::newRow("text after the document") << QStringLiteral("{\\rtf1 a}\r\n\\par b") << "[]a";
    QTest::newRow("backslash at the end") << QStringLiteral("{\\rtf1 a\\") << "[]a";
    QTest::newRow("hex escape at the end") << QStringLiteral("{\\rtf1 a\\'4") << "[]a";
    QTest::newRow("invalid hex escape") << QStringLiteral("{\\rtf1 a\\'zzb\\'4g}") << "[]azzbg";
    QTest::newRow("unicode without a number") << QStringLiteral("{\\rtf1 a\\u b\\u-c}") << "[]ab-c";
    QTest::newRow("truncated double-byte character") << QStringLiteral("{\\rtf1\\ansicpg932 \\'93\\'fa\\'93}")
                                                     << QStringLiteral("[]日\uFFFD");
    QTest::newRow("huge font size") << QStringLiteral("{\\rtf1\\fs99999999999 a}") << "[1638pt]a";
    QTest::newRow("negative font size") << QStringLiteral("{\\rtf1\\fs-10 a}") << "[]a";
    QTest::newRow("huge colour index") << QStringLiteral("{\\rtf1{\\colortbl;\\red9;}\\cf99999999999 a\\cf-1 b}") << "[]ab";
    QTest::newRow("huge colour component") << QStringLiteral("{\\rtf1{\\colortbl;\\red99999\\blue-5;}\\cf1 a}") << "[#ff0000]a";
    QTest::newRow("huge unicode") << QStringLiteral("{\\rtf1\\u99999999999?a\\u-99999?b}")
                                  << QStringLiteral("[]\uFFFDa\uFFFDb");
    QTest::newRow("unicode beyond the BMP") << QStringLiteral("{\\rtf1\\u128512?}") << QStringLiteral("[]😀");
    QTest::newRow("huge uc skips to the brace") << QStringLiteral("{\\rtf1{\\uc99999999999 \\u12354 abc}d}")
                                                << QStringLiteral("[]あd");
    QTest::newRow("huge bin stops at the end") << QStringLiteral("{\\rtf1 a\\bin99999999999 xyz}") << "[]a";
    QTest::newRow("negative bin") << QStringLiteral("{\\rtf1 a\\bin-5 b}") << "[]ab";
    QTest::newRow("very long word") << QStringLiteral("{\\rtf1 a\\") + QString(100000, u'x') + QStringLiteral(" b}")
                                    << "[]ab";
    QTest::newRow("very long number") << QStringLiteral("{\\rtf1\\b") + QString(100000, u'9') + QStringLiteral(" b}")
                                      << "[b]b";

    const int depth = 5000;
    QTest::newRow("deep nesting is read flat past the cap")
        << QStringLiteral("{\\rtf1 ") + QString(depth, u'{') + QStringLiteral("\\b x") + QString(depth, u'}')
               + QStringLiteral("y}")
        << "[b]x[]y";
}

void TestRtfReader::malformed()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(describe(readRichText(input, TextEncoding::System)), expected);
}

void TestRtfReader::hostileInputStaysLinear_data()
{
    QTest::addColumn<QString>("unit");

    // Each repeated to about 4 MB; a reader quadratic in any of them takes minutes.
    QTest::newRow("deep nesting") << QStringLiteral("{");
    QTest::newRow("alternating formats") << QStringLiteral("\\b a\\b0 a");
    QTest::newRow("groups with formats") << QStringLiteral("{\\i x}{\\b y}");
    QTest::newRow("pending bytes") << QStringLiteral("\\'e3\\'81\\'82");
    QTest::newRow("surrogate halves") << QStringLiteral("\\u55357?");
    QTest::newRow("colour table entries") << QStringLiteral("{\\colortbl;\\red1;}\\cf1 a");
    QTest::newRow("font table entries") << QStringLiteral("{\\fonttbl\\f1\\fcharset128 M;}\\f1\\'93\\'fa");
    QTest::newRow("code page changes") << QStringLiteral("\\ansicpg1252\\'e9\\ansicpg932\\'93\\'fa");
    QTest::newRow("unknown code pages") << QStringLiteral("\\ansicpg4242\\'e9\\ansicpg4243\\'e9");
}

void TestRtfReader::hostileInputStaysLinear()
{
    QFETCH(QString, unit);
    const QString input = QStringLiteral("{\\rtf1 ") + unit.repeated(4 * 1024 * 1024 / unit.size());
    QElapsedTimer timer;
    timer.start();
    const QList<RichTextRun> runs = readRichText(input, TextEncoding::System);
    QVERIFY2(timer.elapsed() < 20000, qPrintable(QString::number(timer.elapsed()) + QStringLiteral(" ms")));
    QVERIFY(joined(runs).size() <= 2 * input.size());
    for (qsizetype k = 1; k < runs.size(); ++k) {
        const RichTextRun &a = runs[k - 1], &b = runs[k];
        QVERIFY(a.bold != b.bold || a.italic != b.italic || a.underline != b.underline || a.color != b.color
                || a.pointSize != b.pointSize);
    }
}

void TestRtfReader::corpus_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("texts");   // found in the text
    QTest::addColumn<QStringList>("formats"); // "[format]fragment": the run holding the fragment
    QTest::addColumn<QStringList>("absent");  // never in the text

    const QStringList tables = {QStringLiteral("Times New Roman"), QStringLiteral("DejaVu"),
                                QStringLiteral("Default Page Style"), QStringLiteral("Normal"),
                                QStringLiteral("LibreOffice")};

    QTest::newRow("formatting")
        << QStringLiteral("formatting.rtf")
        << QStringList{QStringLiteral("Plain start, bold words, italic words and underlined words.\r\n"),
                       QStringLiteral("braces {curly} and back\\slash, tab\there, quotes \u201Cdouble\u201D "
                                      "\u2018single\u2019 \u2013 dash.\r\n"),
                       QStringLiteral("Line one\r\nline two after a break.\r\n"),
                       QStringLiteral("Link: example link ends.\r\n")}
        << QStringList{QStringLiteral("[]Plain start"), QStringLiteral("[b]bold words"), QStringLiteral("[i]italic words"),
                       QStringLiteral("[u]underlined words"), QStringLiteral("[#ff0000]red text"),
                       QStringLiteral("[#0000ff]blue text"), QStringLiteral("[b i]bold italic"),
                       QStringLiteral("[20pt]large size"), QStringLiteral("[8pt]small size"),
                       QStringLiteral("[u #000080]example link")}
        << (tables + QStringList{QStringLiteral("HYPERLINK"), QStringLiteral("example.org")});
    QTest::newRow("japanese")
        << QStringLiteral("japanese.rtf")
        << QStringList{QStringLiteral("日本語の文章です。太字の部分と斜体の部分と下線の部分。\r\n"),
                       QStringLiteral("カタカナ、漢字、ｈａｌｆｗｉｄｔｈ？ no: ﾊﾝｶｸ。\r\n"),
                       QStringLiteral("大きな文字と絵文字😀も。\r\n")}
        << QStringList{QStringLiteral("[b]太字の部分"), QStringLiteral("[i]斜体の部分"), QStringLiteral("[u]下線の部分"),
                       QStringLiteral("[#008000]緑色のかな"), QStringLiteral("[16pt]大きな文字"), QStringLiteral("[]日本語の")}
        << (tables + QStringList{QStringLiteral("?"), QStringLiteral("\uFFFD"), QStringLiteral("\\")});
    QTest::newRow("lists and table")
        << QStringLiteral("lists-table.rtf")
        << QStringList{QStringLiteral("Heading text\r\n"), QStringLiteral("\u2022\tfirst item\r\n"),
                       QStringLiteral("1.\tnumbered one\r\n"), QStringLiteral("cell alpha\tcell beta\t\r\n"),
                       QStringLiteral("cell gamma\tcell delta\t\r\nAfter the table.\r\n")}
        << QStringList{QStringLiteral("[b 24pt]Heading text")}
        << (tables + QStringList{QStringLiteral("\\")});
    QTest::newRow("plain text")
        << QStringLiteral("plain-text.rtf")
        << QStringList{QStringLiteral("Plain text file\r\nsecond line with café and かな\r\n")}
        << QStringList{QStringLiteral("[10pt]かな")}
        << (tables + QStringList{QStringLiteral("?"), QStringLiteral("\\")});
}

void TestRtfReader::corpus()
{
    QFETCH(QString, file);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, formats);
    QFETCH(QStringList, absent);

    const QString input = readCorpusFile(file);
    QVERIFY2(input.startsWith(QStringLiteral("{\\rtf1")), qPrintable(file));
    const QList<RichTextRun> runs = readRichText(input, TextEncoding::System);
    const QString text = joined(runs);
    for (const QString &expected : texts)
        QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" in: ") + text));
    for (const QString &expected : absent)
        QVERIFY2(!text.contains(expected), qPrintable(expected + QStringLiteral(" in: ") + text));
    for (const QString &expected : formats) {
        const qsizetype close = expected.indexOf(u']');
        const QString format = expected.left(close + 1);
        const QString fragment = expected.mid(close + 1);
        const auto run = std::find_if(runs.begin(), runs.end(),
                                      [&](const RichTextRun &r) { return r.text.contains(fragment); });
        QVERIFY2(run != runs.end(), qPrintable(fragment));
        QCOMPARE(describeFormat(*run), format);
    }
    // The raw line breaks LibreOffice wraps its lines with are not text.
    QCOMPARE(text.count(u'\n'), text.count(QStringLiteral("\r\n")));
}

QTEST_GUILESS_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"
