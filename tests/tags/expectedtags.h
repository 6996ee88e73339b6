#pragma once

// The tag set as the palette must carry it, typed out here separately from the library's
// own tables so that a slip in either shows up as a difference.

struct ExpectedPairedTag {
    const char *caption;
    const char *tooltip;
    const char *opening;
    const char *closing;
    int tab;
};

inline constexpr ExpectedPairedTag expectedPairedTags[40] = {
    /*  0 */ {"&Bold", "<b>", "<b>", "</b>", 1},
    /*  1 */ {"&Italic ", "<i>", "<i>", "</i>", 1},
    /*  2 */ {"Under(&U)", "<u>", "<u>", "</u>", 1},
    /*  3 */ {"<html></html>", "<html>", "<html>", "</html>", 3},
    /*  4 */ {"<head></head>", "<head>", "<head>", "</head>", 3},
    /*  5 */ {"<title></title>", "<title>", "<title>", "</title>", 3},
    /*  6 */ {"ﾀｲﾌﾟﾗｲﾀ", "<tt>", "<tt>", "</tt>", 1},
    /*  7 */ {"引用 ", "<cite>", "<cite>", "</cite>", 1},
    /*  8 */ {"ｷｰﾎﾞｰﾄﾞ", "<kbd>", "<kbd>", "</kbd>", 1},
    /*  9 */ {"例", "<samp>", "<samp>", "</samp>", 1},
    /* 10 */ {"変数", "<var>", "<var>", "</var>", 1},
    /* 11 */ {"●", "<ul>", "<ul>", "</ul>", 2},
    /* 12 */ {"■", "<ul>", "<ul type=square>", "</ul>", 2},
    /* 13 */ {"1", "<ol>", "<ol>", "</ol>", 2},
    /* 14 */ {"Ａ", "<ol>", "<ol type=A>", "</ol>", 2},
    /* 15 */ {"I", "<ol>", "<ol type=I>", "</ol>", 2},
    /* 16 */ {"i", "<ol>", "<ol type=i>", "</ol>", 2},
    /* 17 */ {"Ａ", "<ol>", "<ol type=a>", "</ol>", 2},
    /* 18 */ {"定義リスト", "<dl>", "<dl>", "</dl>", 2},
    /* 19 */ {"表見出し", "<caption>", "<caption>", "</caption>", 5},
    /* 20 */ {"行", "<tr>", "<tr>", "</tr>", 5},
    /* 21 */ {"行/列    見出し", "<th>", "<th>", "</th>", 5},
    /* 22 */ {"noframes", "<noframes>", "<noframes>", "</noframes>", 5},
    /* 23 */ {"体裁済", "<pre>", "<pre>", "</pre>", 1},
    /* 24 */ {"インデント", "<blockquote>", "<blockquote>", "</blockquote>", 2},
    /* 25 */ {"左寄", "<div>", "<div align=\"left\">", "</div>", 2},
    /* 26 */ {"中央", "<center>", "<center>", "</center>", 2},
    /* 27 */ {"右寄", "<div>", "<div align=\"right\">", "</div>", 2},
    /* 28 */ {"打ち消し", "<strike>", "<strike>", "</strike>", 1},
    /* 29 */ {"上付", "<sup>", "<sup>", "</sup>", 1},
    /* 30 */ {"下付", "<sub>", "<sub>", "</sub>", 1},
    /* 31 */ {"改行禁止", "<nobr>", "<nobr>", "</nobr>", 2},
    /* 32 */ {"強調", "<strong>", "<strong>", "</strong>", 1},
    /* 33 */ {"強調 ", "<em>", "<em>", "</em>", 1},
    /* 34 */ {"アドレス", "<address>", "<address>", "</address>", 1},
    /* 35 */ {"コード", "<code>", "<code>", "</code>", 1},
    /* 36 */ {"単語", "<dfn>", "<dfn>", "</dfn>", 1},
    /* 37 */ {"大", "<big>", "<big>", "</big>", 1},
    /* 38 */ {"小", "<small>", "<small>", "</small>", 1},
    /* 39 */ {"コメント", "<!-- -->", "<!--", "-->", 3},
};

struct ExpectedSingleInsert {
    const char *caption;
    const char *tooltip; // "" for none
    const char *text;
    int tab; // 0 on a bar
    int bar; // 0 on a tab
};

inline constexpr ExpectedSingleInsert expectedSingleInserts[24] = {
    /*  0 */ {"改行(&L)", "<br>", "<br>", 2, 0},
    /*  1 */ {"リスト内容", "<li>", "<li>", 2, 0},
    /*  2 */ {"項目", "<dt>", "<dt>", 2, 0},
    /*  3 */ {"リスト", "<dd>", "<dd>", 2, 0},
    /*  4 */ {"align=", "", "align=", 0, 1},
    /*  5 */ {"\"left\"", "", "\"left\"", 0, 1},
    /*  6 */ {"\"center\"", "", "\"center\"", 0, 1},
    /*  7 */ {"\"right\"", "", "\"right\"", 0, 1},
    /*  8 */ {"\"top\"", "", "\"top\"", 0, 1},
    /*  9 */ {"\"middle\"", "", "\"middle\"", 0, 1},
    /* 10 */ {"\"bottom\"", "", "\"bottom\"", 0, 1},
    /* 11 */ {"width=", "", "width=", 0, 2},
    /* 12 */ {"height=", "", "height=", 0, 2},
    /* 13 */ {"size=", "", "size=", 0, 2},
    /* 14 */ {"color=", "", "color=", 0, 2},
    /* 15 */ {"colspan=", "", "colspan=", 0, 2},
    /* 16 */ {"rowspan=", "", "rowspan=", 0, 2},
    /* 17 */ {"valign=", "", "valign=", 0, 1},
    /* 18 */ {"&\"", "", "&quot;", 4, 0},
    /* 19 */ {"&<", "", "&lt;", 4, 0},
    /* 20 */ {"&>", "", "&gt;", 4, 0},
    /* 21 */ {"&&", "", "&amp;", 4, 0},
    /* 22 */ {"改行許可", "<wbr>", "<wbr>", 2, 0},
    /* 23 */ {"bgcolor=", "", "bgcolor=", 0, 2},
};
