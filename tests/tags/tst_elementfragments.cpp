#include "elementfragments.h"

#include <QTest>

// Each fragment is compared whole with the text the button must write, so a stray or
// missing space, quote or line break shows.
class TestElementFragments : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fragments_data();
    void fragments();
};

void TestElementFragments::fragments_data()
{
    QTest::addColumn<QString>("built");
    QTest::addColumn<QString>("expected");
    const auto add = [](const char *name, const QString &built, const char *expected) {
        QTest::newRow(name) << built << QString::fromUtf8(expected);
    };
    const QString word = QStringLiteral("語");
    const QString lines = QStringLiteral("a\r\nb");

    add("font size 1, nothing selected", fontSizeFragment(1, QString()), "<font size=\"1\"></font>");
    add("font size 7 around a word", fontSizeFragment(7, word), "<font size=\"7\">語</font>");
    add("heading 1", headingFragment(1, QString()), "<h1></h1>");
    add("heading 6 around lines", headingFragment(6, lines), "<h6>a\r\nb</h6>");

    add("paragraph, no item selected", paragraphFragment(std::nullopt, word), "<p>語</p>");
    add("paragraph, 指定なし", paragraphFragment(QStringLiteral("指定なし"), word), "<p>語</p>");
    add("paragraph, center", paragraphFragment(QStringLiteral("center"), word), "<p align=\"center\">語</p>");
    add("paragraph, left, nothing selected", paragraphFragment(QStringLiteral("left"), QString()),
        "<p align=\"left\"></p>");
    // Only the exact unspecified item means no alignment.
    add("paragraph, 指定なし with a space", paragraphFragment(QStringLiteral("指定なし "), QString()),
        "<p align=\"指定なし \"></p>");

    add("clear left", clearFragment(QStringLiteral("left")), "<br clear=\"left\">");
    add("clear all", clearFragment(QStringLiteral("all")), "<br clear=\"all\">");

    add("document skeleton", documentSkeletonFragment(),
        "<html>\r\n<head>\r\n<title></title>\r\n</head>\r\n<body>\r\n</body>\r\n</html>");

    add("anchor name", anchorNameFragment(QStringLiteral("top"), word), "<a name=\"top\">語</a>");
    add("anchor name untrimmed", anchorNameFragment(QStringLiteral(" a b "), QString()), "<a name=\" a b \"></a>");
    add("form", formFragment(QStringLiteral("x@example.jp"), word),
        "<form method=post action=\"mailto:x@example.jp\">語</form>");
    add("form answer keeping the default", formFragment(QStringLiteral("mailto:x"), QString()),
        "<form method=post action=\"mailto:mailto:x\"></form>");
    add("check box", checkBoxFragment(QStringLiteral("c")), "<input type=Checkbox name=\"c\">");
    add("radio button", radioButtonFragment(QStringLiteral("n"), QStringLiteral("v")),
        "<input type=Radio name=\"n\" value=\"v\" > ");
    add("submit", submitFragment(QStringLiteral("送る")), "<input type=Submit value=\"送る\">");
    add("reset", resetFragment(QStringLiteral("消す")), "<input type=Reset value=\"消す\">");
    add("text area, nothing selected",
        textAreaFragment(QStringLiteral("t"), QStringLiteral("5"), QStringLiteral("40"), QString()),
        "<textarea name=\"t\" rows=5 cols=40 > </textarea>");
    add("text area around lines, sizes untrimmed",
        textAreaFragment(QStringLiteral("t"), QStringLiteral(" 5"), QStringLiteral("40 "), lines),
        "<textarea name=\"t\" rows= 5 cols=40  > a\r\nb</textarea>");
    add("select, no closing tag", selectFragment(QStringLiteral("s")), "<select name=\"s\">");
    add("option", optionFragment(QStringLiteral("項目1")), "<option=\"項目1\">");
    add("text field", textFieldFragment(QStringLiteral("f"), QStringLiteral("20")), "<input name=\"f\" size=20 > ");
    // Answers are copied as typed: quotes and markup are not escaped.
    add("answer with a quote and markup", checkBoxFragment(QStringLiteral("a\"<b>&")),
        "<input type=Checkbox name=\"a\"<b>&\">");
}

void TestElementFragments::fragments()
{
    QFETCH(QString, built);
    QFETCH(QString, expected);
    QCOMPARE(built, expected);
}

QTEST_APPLESS_MAIN(TestElementFragments)
#include "tst_elementfragments.moc"
