#include "textencoding.h"

#include <QTest>

Q_DECLARE_METATYPE(TextEncoding)
Q_DECLARE_METATYPE(Unencodable)

char *toString(TextEncoding encoding)
{
    return qstrdup(qPrintable(encodingDisplayName(encoding)));
}

namespace {

QString fromUtf16(std::u16string_view text)
{
    return QString(reinterpret_cast<const QChar *>(text.data()), qsizetype(text.size()));
}

} // namespace

class TestTextEncoding : public QObject
{
    Q_OBJECT

private slots:
    void decode_data();
    void decode();
    void encode_data();
    void encode();
    void roundTripMixedText_data();
    void roundTripMixedText();
    void names();
};

void TestTextEncoding::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<QString>("text");

    const QString nihongo = QStringLiteral("日本語");
    QTest::newRow("empty") << QByteArray() << true << TextEncoding::System << QString();
    QTest::newRow("ascii") << QByteArray("<p>a</p>") << true << TextEncoding::System << "<p>a</p>";
    QTest::newRow("utf-8") << QByteArray("\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E") << true
                           << TextEncoding::System << nihongo;
    QTest::newRow("utf-8 with bom") << QByteArray("\xEF\xBB\xBF\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E") << true
                                    << TextEncoding::Utf8WithBom << nihongo;
    // Only the first mark is the byte-order mark; a second is part of the text.
    QTest::newRow("utf-8 with two boms") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF" "a") << true
                                         << TextEncoding::Utf8WithBom << QString(QChar(0xFEFF)) + 'a';
    QTest::newRow("bom before invalid bytes") << QByteArray("\xEF\xBB\xBF\xFF") << false
                                              << TextEncoding::System << QString();
    QTest::newRow("cp932") << QByteArray("\x93\xFA\x96\x7B\x8C\xEA") << true << TextEncoding::Cp932 << nihongo;
    QTest::newRow("euc-jp") << QByteArray("\xC6\xFC\xCB\xDC\xB8\xEC") << true << TextEncoding::EucJp << nihongo;
    // EUC-JP hiragana is also valid CP932, read as half-width katakana.
    QTest::newRow("euc-jp that is valid cp932") << QByteArray("\xA4\xA2\xA4\xA4\xA4\xA6") << true
                                                << TextEncoding::EucJp << QStringLiteral("あいう");
    // CP932 katakana is also valid EUC-JP, read as C1 controls and letters.
    QTest::newRow("cp932 that is valid euc-jp") << QByteArray("\x83\x41\x83\x43\x83\x45") << true
                                                << TextEncoding::Cp932 << QStringLiteral("アイウ");
    QTest::newRow("cp932 half-width katakana") << QByteArray("\xB1\xB2\xB3") << true
                                               << TextEncoding::Cp932 << QStringLiteral("ｱｲｳ");
    QTest::newRow("cp932 backslash trail byte") << QByteArray("\x95\x5C\x8E\xA6") << true
                                                << TextEncoding::Cp932 << QStringLiteral("表示");
    QTest::newRow("cp932 controls") << QByteArray("\x1A\x1C\x7F\x93\xFA") << true << TextEncoding::Cp932
                                    << fromUtf16(u"\x1A\x1C\x7F日");
    QTest::newRow("euc-jp half-width katakana") << QByteArray("\xA4\xA2\x8E\xB1") << true
                                                << TextEncoding::EucJp << QStringLiteral("あｱ");
    QTest::newRow("cut inside a character") << QByteArray("\x93\xFA\x96") << false
                                            << TextEncoding::System << QString();
    QTest::newRow("png header") << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR\xFF\xD8", 18) << false
                                << TextEncoding::System << QString();
}

void TestTextEncoding::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, ok);
    QFETCH(TextEncoding, encoding);
    QFETCH(QString, text);

    const DecodedText decoded = decodeDocumentBytes(bytes);
    QCOMPARE(decoded.ok, ok);
    QCOMPARE(decoded.encoding, encoding);
    QCOMPARE(decoded.text, text);
}

void TestTextEncoding::encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<Unencodable>("policy");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QByteArray>("bytes");

    const auto refuse = Unencodable::Refuse;
    const auto reference = Unencodable::AsCharacterReference;
    const QString nihongo = QStringLiteral("日本語");
    const QString emoji = QStringLiteral("a😀b");
    const QString loneHigh = QStringLiteral("a") + QChar(0xD83D) + 'b';
    const QString loneLowAtEnd = QStringLiteral("a") + QChar(0xDE00);

    QTest::newRow("system") << nihongo << TextEncoding::System << refuse << true
                            << QByteArray("\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E");
    QTest::newRow("utf-8 with bom") << nihongo << TextEncoding::Utf8WithBom << refuse << true
                                    << QByteArray("\xEF\xBB\xBF\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E");
    QTest::newRow("empty with bom") << QString() << TextEncoding::Utf8WithBom << refuse << true
                                    << QByteArray("\xEF\xBB\xBF");
    QTest::newRow("cp932") << nihongo << TextEncoding::Cp932 << refuse << true
                           << QByteArray("\x93\xFA\x96\x7B\x8C\xEA");
    QTest::newRow("euc-jp") << nihongo << TextEncoding::EucJp << refuse << true
                            << QByteArray("\xC6\xFC\xCB\xDC\xB8\xEC");
    QTest::newRow("cp932 half-width katakana") << QStringLiteral("ｱ") << TextEncoding::Cp932 << refuse << true
                                               << QByteArray("\xB1");
    // Controls alone, and between Japanese characters where they go through ICU.
    QTest::newRow("cp932 controls") << fromUtf16(u"\x1A\x1C\x7F") << TextEncoding::Cp932 << refuse << true
                                    << QByteArray("\x1A\x1C\x7F");
    QTest::newRow("cp932 controls among kanji") << fromUtf16(u"日\x1A\x1C\x7F日") << TextEncoding::Cp932 << refuse
                                                << true << QByteArray("\x93\xFA\x1A\x1C\x7F\x93\xFA");

    QTest::newRow("cp932 emoji refused") << emoji << TextEncoding::Cp932 << refuse << false << QByteArray();
    QTest::newRow("cp932 emoji referenced") << emoji << TextEncoding::Cp932 << reference << true
                                            << QByteArray("a&#128512;b");
    QTest::newRow("cp932 small ku refused") << QStringLiteral("ㇰ") << TextEncoding::Cp932 << refuse << false
                                            << QByteArray();
    QTest::newRow("cp932 small ku referenced") << QStringLiteral("日ㇰ") << TextEncoding::Cp932 << reference
                                               << true << QByteArray("\x93\xFA&#12784;");
    QTest::newRow("euc-jp emoji referenced") << emoji << TextEncoding::EucJp << reference << true
                                             << QByteArray("a&#128512;b");
    // References are longer than any character, so the output has to grow.
    QTest::newRow("cp932 many references") << QStringLiteral("😀ㇰ").repeated(100) << TextEncoding::Cp932
                                           << reference << true << QByteArray("&#128512;&#12784;").repeated(100);
    QTest::newRow("utf-8 emoji") << emoji << TextEncoding::System << refuse << true
                                 << QByteArray("a\xF0\x9F\x98\x80" "b");

    for (TextEncoding encoding : {TextEncoding::System, TextEncoding::Utf8WithBom, TextEncoding::Cp932,
                                  TextEncoding::EucJp}) {
        const QByteArray bom = encoding == TextEncoding::Utf8WithBom ? QByteArray("\xEF\xBB\xBF") : QByteArray();
        const QByteArray name = encodingDisplayName(encoding).toUtf8();
        QTest::addRow("%s lone high surrogate refused", name.constData())
            << loneHigh << encoding << refuse << false << QByteArray();
        QTest::addRow("%s lone high surrogate referenced", name.constData())
            << loneHigh << encoding << reference << true << bom + "a&#55357;b";
        QTest::addRow("%s lone low surrogate at end referenced", name.constData())
            << loneLowAtEnd << encoding << reference << true << bom + "a&#56832;";
    }
}

void TestTextEncoding::encode()
{
    QFETCH(QString, text);
    QFETCH(TextEncoding, encoding);
    QFETCH(Unencodable, policy);
    QFETCH(bool, ok);
    QFETCH(QByteArray, bytes);

    const EncodedText encoded = encodeText(text, encoding, policy);
    QCOMPARE(encoded.ok, ok);
    QCOMPARE(encoded.bytes, bytes);
    if (policy == Unencodable::Refuse)
        QCOMPARE(canEncode(text, encoding), ok);
}

// Long texts mixing ASCII stretches of every length with Japanese, so that text is
// written both directly and through ICU; decoding takes the whole buffer at once.
void TestTextEncoding::roundTripMixedText_data()
{
    QTest::addColumn<TextEncoding>("encoding");
    QTest::newRow("cp932") << TextEncoding::Cp932;
    QTest::newRow("euc-jp") << TextEncoding::EucJp;
    QTest::newRow("system") << TextEncoding::System;
}

void TestTextEncoding::roundTripMixedText()
{
    QFETCH(TextEncoding, encoding);

    QString text;
    const QString japanese = QStringLiteral("表示ｶﾅ「日本語」");
    for (int asciiLength = 0; asciiLength < 40; ++asciiLength) {
        text += QString(asciiLength, QChar(u'a' + asciiLength % 26));
        text += japanese.left(1 + asciiLength % japanese.size());
        if (asciiLength % 7 == 0)
            text += QStringLiteral("\x1A\x7F\r\n");
    }
    const EncodedText encoded = encodeText(text, encoding);
    QVERIFY(encoded.ok);
    const DecodedText decoded = decodeDocumentBytes(encoded.bytes);
    QVERIFY(decoded.ok);
    QCOMPARE(decoded.encoding, encoding);
    QCOMPARE(decoded.text, text);
}

void TestTextEncoding::names()
{
    QCOMPARE(charsetName(TextEncoding::System), QByteArray("UTF-8"));
    QCOMPARE(charsetName(TextEncoding::Utf8WithBom), QByteArray("UTF-8"));
    QCOMPARE(charsetName(TextEncoding::Cp932), QByteArray("Shift_JIS"));
    QCOMPARE(charsetName(TextEncoding::EucJp), QByteArray("EUC-JP"));
    QCOMPARE(systemCharsetName(), QByteArray("UTF-8"));
    QCOMPARE(encodingDisplayName(TextEncoding::System), QStringLiteral("UTF-8"));
    QCOMPARE(encodingDisplayName(TextEncoding::Utf8WithBom), QStringLiteral("UTF-8 (BOM付き)"));
    QCOMPARE(encodingDisplayName(TextEncoding::Cp932), QStringLiteral("Shift_JIS"));
    QCOMPARE(encodingDisplayName(TextEncoding::EucJp), QStringLiteral("EUC-JP"));
}

QTEST_GUILESS_MAIN(TestTextEncoding)
#include "tst_textencoding.moc"
