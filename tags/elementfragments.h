#pragma once

#include <QString>

#include <optional>

// Fragments of the palette's element buttons, built from the values the buttons read at
// the click: a counter, a list item, the answers to their prompts and the selection.
// Every value goes in as it came, untrimmed and unescaped; the spaces are as the buttons
// have always written them.

// "font size=n": <font size="n">SEL</font>
QString fontSizeFragment(int size, const QString &selection);
// "Hn": <hn>SEL</hn>
QString headingFragment(int level, const QString &selection);
// "段落": <p align="item">SEL</p>, or a plain <p>SEL</p> when no item is selected or the
// item is "指定なし".
QString paragraphFragment(const std::optional<QString> &alignItem, const QString &selection);
// "回り込み解除": <br clear="item">
QString clearFragment(const QString &clearItem);
// "←1度に入力": the empty document skeleton, CR LF between the tags, none after the last.
QString documentSkeletonFragment();

// "リンク先": <a name="N">SEL</a>
QString anchorNameFragment(const QString &name, const QString &selection);
// "フォーム": <form method=post action="mailto:A">SEL</form>; "mailto:" is always put
// before the answer, even when the answer already starts with it.
QString formFragment(const QString &address, const QString &selection);
// Check box: <input type=Checkbox name="N">
QString checkBoxFragment(const QString &name);
// Radio button: <input type=Radio name="N" value="V" > (a space after the ">")
QString radioButtonFragment(const QString &name, const QString &value);
// "送信": <input type=Submit value="C">
QString submitFragment(const QString &caption);
// "リセット": <input type=Reset value="C">
QString resetFragment(const QString &caption);
// Text area: <textarea name="N" rows=R cols=W > SEL</textarea>
QString textAreaFragment(const QString &name, const QString &rows, const QString &columns, const QString &selection);
// Select: <select name="N"> and no closing tag; the options follow from "項目".
QString selectFragment(const QString &name);
// "項目": <option="I">
QString optionFragment(const QString &item);
// Text field: <input name="N" size=S > (a space after the ">")
QString textFieldFragment(const QString &name, const QString &size);
