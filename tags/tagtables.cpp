#include "tagtables.h"

namespace {

const QString Q = QStringLiteral("\"");

QString quoted(const QString &word)
{
    return Q + word + Q;
}

PairedTagRow paired(const char16_t *caption, const char16_t *tooltip, const char16_t *opening,
                    const char16_t *closing, int tab)
{
    return {QString::fromUtf16(caption), QString::fromUtf16(tooltip), tab, QString::fromUtf16(opening),
            QString::fromUtf16(closing)};
}

PairedTagRow paired(const char16_t *caption, const char16_t *tooltip, const QString &opening,
                    const char16_t *closing, int tab)
{
    return {QString::fromUtf16(caption), QString::fromUtf16(tooltip), tab, opening, QString::fromUtf16(closing)};
}

SingleInsertRow onTab(const QString &caption, const QString &tooltip, int tab, const QString &text)
{
    return {caption, tooltip, PalettePlace{tab, 0}, text};
}

SingleInsertRow onBar(const QString &caption, int bar, const QString &text)
{
    return {caption, QString(), PalettePlace{0, bar}, text};
}

// An attribute word that is both the caption and the text.
SingleInsertRow word(const QString &text, int bar)
{
    return onBar(text, bar, text);
}

std::array<PairedTagRow, PairedTagRowsUsed> buildPairedRows()
{
    return {{
        paired(u"&Bold", u"<b>", u"<b>", u"</b>", 1),
        paired(u"&Italic ", u"<i>", u"<i>", u"</i>", 1),
        paired(u"Under(&U)", u"<u>", u"<u>", u"</u>", 1),
        paired(u"<html></html>", u"<html>", u"<html>", u"</html>", 3),
        paired(u"<head></head>", u"<head>", u"<head>", u"</head>", 3),
        paired(u"<title></title>", u"<title>", u"<title>", u"</title>", 3),
        paired(u"ﾀｲﾌﾟﾗｲﾀ", u"<tt>", u"<tt>", u"</tt>", 1),
        paired(u"引用 ", u"<cite>", u"<cite>", u"</cite>", 1),
        paired(u"ｷｰﾎﾞｰﾄﾞ", u"<kbd>", u"<kbd>", u"</kbd>", 1),
        paired(u"例", u"<samp>", u"<samp>", u"</samp>", 1),
        paired(u"変数", u"<var>", u"<var>", u"</var>", 1),
        paired(u"●", u"<ul>", u"<ul>", u"</ul>", 2),
        paired(u"■", u"<ul>", u"<ul type=square>", u"</ul>", 2),
        paired(u"1", u"<ol>", u"<ol>", u"</ol>", 2),
        paired(u"Ａ", u"<ol>", u"<ol type=A>", u"</ol>", 2),
        paired(u"I", u"<ol>", u"<ol type=I>", u"</ol>", 2),
        paired(u"i", u"<ol>", u"<ol type=i>", u"</ol>", 2),
        paired(u"Ａ", u"<ol>", u"<ol type=a>", u"</ol>", 2),
        paired(u"定義リスト", u"<dl>", u"<dl>", u"</dl>", 2),
        paired(u"表見出し", u"<caption>", u"<caption>", u"</caption>", 5),
        paired(u"行", u"<tr>", u"<tr>", u"</tr>", 5),
        paired(u"行/列    見出し", u"<th>", u"<th>", u"</th>", 5),
        paired(u"noframes", u"<noframes>", u"<noframes>", u"</noframes>", 5),
        paired(u"体裁済", u"<pre>", u"<pre>", u"</pre>", 1),
        paired(u"インデント", u"<blockquote>", u"<blockquote>", u"</blockquote>", 2),
        paired(u"左寄", u"<div>", QStringLiteral("<div align=") + quoted(QStringLiteral("left")) + u'>', u"</div>", 2),
        paired(u"中央", u"<center>", u"<center>", u"</center>", 2),
        paired(u"右寄", u"<div>", QStringLiteral("<div align=") + quoted(QStringLiteral("right")) + u'>', u"</div>", 2),
        paired(u"打ち消し", u"<strike>", u"<strike>", u"</strike>", 1),
        paired(u"上付", u"<sup>", u"<sup>", u"</sup>", 1),
        paired(u"下付", u"<sub>", u"<sub>", u"</sub>", 1),
        paired(u"改行禁止", u"<nobr>", u"<nobr>", u"</nobr>", 2),
        paired(u"強調", u"<strong>", u"<strong>", u"</strong>", 1),
        paired(u"強調 ", u"<em>", u"<em>", u"</em>", 1),
        paired(u"アドレス", u"<address>", u"<address>", u"</address>", 1),
        paired(u"コード", u"<code>", u"<code>", u"</code>", 1),
        paired(u"単語", u"<dfn>", u"<dfn>", u"</dfn>", 1),
        paired(u"大", u"<big>", u"<big>", u"</big>", 1),
        paired(u"小", u"<small>", u"<small>", u"</small>", 1),
        paired(u"コメント", u"<!-- -->", u"<!--", u"-->", 3),
    }};
}

std::array<SingleInsertRow, SingleInsertEntriesUsed> buildSingleRows()
{
    const auto s = [](const char16_t *text) { return QString::fromUtf16(text); };
    // The quoted values show their quotes on the button too.
    const auto value = [](const char *text) { return word(quoted(QString::fromLatin1(text)), 1); };
    return {{
        onTab(s(u"改行(&L)"), s(u"<br>"), 2, s(u"<br>")),
        onTab(s(u"リスト内容"), s(u"<li>"), 2, s(u"<li>")),
        onTab(s(u"項目"), s(u"<dt>"), 2, s(u"<dt>")),
        onTab(s(u"リスト"), s(u"<dd>"), 2, s(u"<dd>")),
        word(s(u"align="), 1),
        value("left"),
        value("center"),
        value("right"),
        value("top"),
        value("middle"),
        value("bottom"),
        word(s(u"width="), 2),
        word(s(u"height="), 2),
        word(s(u"size="), 2),
        word(s(u"color="), 2),
        word(s(u"colspan="), 2),
        word(s(u"rowspan="), 2),
        word(s(u"valign="), 1),
        // The entity buttons show the character and insert the entity.
        onTab(QStringLiteral("&") + Q, QString(), 4, s(u"&quot;")),
        onTab(s(u"&<"), QString(), 4, s(u"&lt;")),
        onTab(s(u"&>"), QString(), 4, s(u"&gt;")),
        onTab(s(u"&&"), QString(), 4, s(u"&amp;")),
        onTab(s(u"改行許可"), s(u"<wbr>"), 2, s(u"<wbr>")),
        word(s(u"bgcolor="), 2),
    }};
}

} // namespace

const std::array<PairedTagRow, PairedTagRowsUsed> &pairedTagRows()
{
    static const auto rows = buildPairedRows();
    return rows;
}

const std::array<SingleInsertRow, SingleInsertEntriesUsed> &singleInsertRows()
{
    static const auto rows = buildSingleRows();
    return rows;
}

void FillTagTables(TagTables &tables)
{
    tables = TagTables{};
    const auto &paired = pairedTagRows();
    for (int i = 0; i < PairedTagRowsUsed; ++i) {
        tables.PairedTagTable[i][0] = paired[i].opening;
        tables.PairedTagTable[i][1] = paired[i].closing;
    }
    const auto &single = singleInsertRows();
    for (int i = 0; i < SingleInsertEntriesUsed; ++i)
        tables.SingleInsertTable[i] = single[i].text;
}
