#include "expectedtags.h"
#include "palettewidgets.h"
#include "sourceeditor.h"
#include "tagbuttons.h"
#include "tagpalette.h"
#include "tagtables.h"

#include <QFontInfo>
#include <QHelpEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>

#include <memory>

namespace {

// Where a control is: the tab number (1 to 8) of the page that holds it, 0 on the bars,
// -1 elsewhere.
int placeOf(const TagPalette &palette, const QWidget *widget)
{
    for (int i = 0; i < palette.SSTab1->count(); ++i) {
        if (palette.SSTab1->widget(i)->isAncestorOf(widget))
            return i + 1;
    }
    return palette.bars->isAncestorOf(widget) ? 0 : -1;
}

QStringList itemsOf(const QListWidget *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

} // namespace

// The palette as the main window sets it up: the tab widget at its design size
// (9375 x 1065 twips), the bars below it, the editor below them.
class TestTagPalette : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QWidget> window;
    SourceEditor *editor = nullptr;
    TagPalette palette;
    TagTables tables;

    // The one control of that name anywhere in the window.
    template <typename T>
    T *unique(const QString &name)
    {
        const QList<T *> found = window->findChildren<T *>(name);
        return found.size() == 1 ? found.first() : nullptr;
    }

    // Clicks a table button with "y" selected in "xyz"; the text, caret and focus after it.
    void verifyClick(QPushButton *button, int tab, const QString &expected, int caret)
    {
        if (tab > 0)
            palette.SSTab1->setCurrentIndex(tab - 1);
        editor->setText(QStringLiteral("xyz"));
        editor->setSelStart(1);
        editor->setSelLength(1);
        palette.SSTab1->setFocus();
        QSignalSpy changes(editor, &SourceEditor::changed);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(editor->text(), expected);
        QCOMPARE(editor->selStart(), caret);
        QCOMPARE(editor->selLength(), 0);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(window->focusWidget(), editor);
    }

    // A layout short of room squeezes its controls over each other rather than past the
    // edge, so both are checked.
    void verifyApart(QWidget *area)
    {
        const QList<QWidget *> controls = area->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
        for (qsizetype i = 0; i < controls.size(); ++i) {
            const QRect at = controls[i]->geometry();
            QVERIFY2(area->rect().contains(at), qPrintable(controls[i]->objectName()));
            for (qsizetype j = i + 1; j < controls.size(); ++j) {
                QVERIFY2(!at.intersects(controls[j]->geometry()),
                         qPrintable(controls[i]->objectName() + QStringLiteral(" and ") + controls[j]->objectName()));
            }
        }
    }

    void showPage(int tab)
    {
        palette.SSTab1->setCurrentIndex(tab - 1);
        QCoreApplication::processEvents();
    }

private Q_SLOTS:
    void initTestCase()
    {
        window = std::make_unique<QWidget>();
        window->resize(628, 300);
        auto *tabs = new QTabWidget(window.get());
        tabs->setObjectName(QStringLiteral("SSTab1"));
        tabs->setGeometry(0, 0, 625, 71);
        palette = BuildTagPalette(tabs, window.get());
        palette.bars->move(0, 71);
        editor = new SourceEditor(window.get());
        editor->setGeometry(0, 104, 300, 150);
        FillTagTables(tables);
        ConnectTagButtons(palette, *editor, tables);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void tabs();
    void pairedButtons_data();
    void pairedButtons();
    void singleButtons_data();
    void singleButtons();
    void order_data();
    void order();
    void laterControls_data();
    void laterControls();
    void counterCaptions_data();
    void counterCaptions();
    void customCaptions_data();
    void customCaptions();
    void lists();
    void literalToolTips_data();
    void literalToolTips();
    void fitsItsSpace();
};

void TestTagPalette::tabs()
{
    const QStringList expected{"文字修飾(&1)", "改行･段落(&2)", "文書構造(&3)", "挿入(&4)",
                               "表/ﾌﾚｰﾑ(&5)", "フォーム(&6)", "ｶｽﾀﾏｲｽﾞ(&7)", "ｽﾀｲﾙｼｰﾄ(&8)"};
    QStringList captions;
    for (int i = 0; i < palette.SSTab1->count(); ++i)
        captions << palette.SSTab1->tabText(i);
    QCOMPARE(captions, expected);
}

void TestTagPalette::pairedButtons_data()
{
    QTest::addColumn<int>("row");
    for (int row = 0; row < 40; ++row)
        QTest::addRow("Command1(%d)", row) << row;
}

// Found by name on its tab with its caption and tooltip; a click wraps the selection and
// leaves the caret before the closing text, in the focused editor.
void TestTagPalette::pairedButtons()
{
    QFETCH(int, row);
    const ExpectedPairedTag &want = expectedPairedTags[row];
    QPushButton *button = unique<QPushButton>(QStringLiteral("Command1(%1)").arg(row));
    QVERIFY(button);
    QCOMPARE(button, palette.Command1[row]);
    QCOMPARE(placeOf(palette, button), want.tab);
    QCOMPARE(button->text(), QString::fromUtf8(want.caption));
    QCOMPARE(button->toolTip(), QString::fromUtf8(want.tooltip));
    QVERIFY(button->isEnabled());
    const QString opening = QString::fromUtf8(want.opening);
    verifyClick(button, want.tab,
                QStringLiteral("x") + opening + u'y' + QString::fromUtf8(want.closing) + u'z',
                1 + int(opening.size()) + 1);
}

void TestTagPalette::singleButtons_data()
{
    QTest::addColumn<int>("entry");
    for (int entry = 0; entry < 24; ++entry)
        QTest::addRow("Command4(%d)", entry) << entry;
}

void TestTagPalette::singleButtons()
{
    QFETCH(int, entry);
    const ExpectedSingleInsert &want = expectedSingleInserts[entry];
    QPushButton *button = unique<QPushButton>(QStringLiteral("Command4(%1)").arg(entry));
    QVERIFY(button);
    QCOMPARE(button, palette.Command4[entry]);
    QCOMPARE(placeOf(palette, button), want.tab);
    if (want.bar)
        QCOMPARE(palette.bars->mapFromGlobal(button->mapToGlobal(QPoint(0, 0))).y() > 0, want.bar == 2);
    QCOMPARE(button->text(), QString::fromUtf8(want.caption));
    QCOMPARE(button->toolTip(), QString::fromUtf8(want.tooltip));
    QVERIFY(button->isEnabled());
    const QString text = QString::fromUtf8(want.text);
    verifyClick(button, want.tab, QStringLiteral("x") + text + u'z', 1 + int(text.size()));
}

void TestTagPalette::order_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("names");
    const auto rows = [](std::initializer_list<int> numbers) {
        QStringList names;
        for (int i : numbers)
            names << QStringLiteral("Command1(%1)").arg(i);
        return names;
    };
    const auto entries = [](std::initializer_list<int> numbers) {
        QStringList names;
        for (int i : numbers)
            names << QStringLiteral("Command4(%1)").arg(i);
        return names;
    };
    QTest::newRow("tab 1, large buttons") << 1 << rows({0, 1, 2});
    QTest::newRow("tab 1, upper row") << 1 << rows({32, 8, 10, 28, 34, 36, 29, 37});
    QTest::newRow("tab 1, lower row") << 1 << rows({33, 6, 7, 23, 9, 35, 30, 38});
    QTest::newRow("bar 1") << 0 << entries({4, 17, 5, 6, 7, 8, 9, 10});
    QTest::newRow("bar 2") << 0 << entries({11, 12, 13, 14, 15, 16, 23}) + QStringList{"Command24", "Command37"};
}

// Left to right in the given order, on one line; bar buttons all the same size.
void TestTagPalette::order()
{
    QFETCH(int, tab);
    QFETCH(QStringList, names);
    if (tab)
        showPage(tab);
    QWidget *previous = nullptr;
    for (const QString &name : names) {
        QWidget *widget = unique<QWidget>(name);
        QVERIFY2(widget, qPrintable(name));
        if (previous) {
            QCOMPARE(widget->y(), previous->y());
            QVERIFY2(widget->x() >= previous->x() + previous->width(), qPrintable(name));
            if (!tab)
                QCOMPARE(widget->size(), previous->size());
        }
        previous = widget;
    }
}

void TestTagPalette::laterControls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tooltip");
    const auto add = [](const char *name, int tab, const char *caption, const char *tooltip = "") {
        QTest::newRow(name) << QString::fromLatin1(name) << tab << QString::fromUtf8(caption)
                            << QString::fromUtf8(tooltip);
    };
    add("Command2", 1, "font size=1", "<font>");
    add("Command3", 1, "H1", "<hn>");
    add("Command38", 1, "font color=");
    add("Command5", 2, "段落", "<p>");
    add("Command36", 2, "回り込み解除");
    add("Command6", 3, "<body></body>", "<body>");
    add("Command23", 3, "←1度に入力");
    add("Command10", 4, "画像", "<img>");
    add("Command29", 4, "ﾏｰｷｰ", "<marquee>");
    add("Command27", 4, "リンク先", "<a>");
    add("Command9", 4, "リンク", "<a>");
    add("Command8", 4, "水平線", "<hr>");
    add("Command28", 4, "ｲﾒｰｼﾞﾏｯﾌﾟ");
    add("Command21", 5, "表", "<table>");
    add("Command20", 5, "フレーム", "<frame>");
    add("Command22", 5, "セル", "<td>");
    add("Command30", 5, "表ウィザード");
    add("Command31", 5, "フローティングフレーム", "<isframe>");
    add("Command11", 6, "フォーム", "<form>");
    add("Command12", 6, "", "<input>");
    add("Command13", 6, "", "<input>");
    add("Command14", 6, "送信", "<input>");
    add("Command15", 6, "リセット", "<input>");
    add("Command16", 6, "", "<textarea>");
    add("Command17", 6, "", "<select>");
    add("Command18", 6, "項目", "<option>");
    add("Command19", 6, "", "<input>");
    add("Command25(0)", 7, "?");
    add("Command25(1)", 7, "?");
    add("Command26", 7, "");
    add("Command35", 8, "レイヤー");
    add("Command34", 8, "部分ｽﾀｲﾙ指定", "<span>");
    add("Command32", 8, "style=");
    add("Command33", 8, "タグの定義");
    add("Command24", 0, "#??????");
    add("Command37", 0, "パス名");
}

// In place with caption and tooltip, and disabled until their commands are connected.
// The caption-less buttons show a picture instead.
void TestTagPalette::laterControls()
{
    QFETCH(QString, name);
    QFETCH(int, tab);
    QFETCH(QString, caption);
    QFETCH(QString, tooltip);
    QPushButton *button = unique<QPushButton>(name);
    QVERIFY(button);
    QCOMPARE(placeOf(palette, button), tab);
    QCOMPARE(button->text(), caption);
    QCOMPARE(button->toolTip(), tooltip);
    QVERIFY(!button->isEnabled());
    if (caption.isEmpty() && tab == 6)
        QVERIFY(!button->icon().isNull());
}

void TestTagPalette::counterCaptions_data()
{
    QTest::addColumn<QString>("counter");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QString>("prefix");
    QTest::newRow("font size") << "VScroll1" << "Command2" << 7 << "font size=";
    QTest::newRow("heading") << "VScroll2" << "Command3" << 6 << "H";
}

// The button shows the counter's value at every step, up to the top and back; the
// counter stops at its limits.
void TestTagPalette::counterCaptions()
{
    QFETCH(QString, counter);
    QFETCH(QString, button);
    QFETCH(int, maximum);
    QFETCH(QString, prefix);
    QSpinBox *box = unique<QSpinBox>(counter);
    QPushButton *follower = unique<QPushButton>(button);
    QVERIFY(box && follower);
    QCOMPARE(placeOf(palette, box), 1);
    QCOMPARE(box->minimum(), 1);
    QCOMPARE(box->maximum(), maximum);
    QCOMPARE(box->value(), 1);
    for (int n = 2; n <= maximum + 1; ++n) {
        box->stepUp();
        QCOMPARE(follower->text(), prefix + QString::number(std::min(n, maximum)));
    }
    box->setValue(0);
    QCOMPARE(box->value(), 1);
    QCOMPARE(follower->text(), prefix + u'1');
}

void TestTagPalette::customCaptions_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("caption");
    QTest::newRow("opening of pair 0") << "Text1(0)" << "<a>" << "Command25(0)" << "<a>?";
    QTest::newRow("closing of pair 0") << "Text3(0)" << "</a>" << "Command25(0)" << "<a>?</a>";
    QTest::newRow("opening of pair 1") << "Text1(1)" << "&nbsp;" << "Command25(1)" << "&&nbsp;?";
    QTest::newRow("closing of pair 1") << "Text3(1)" << "&&" << "Command25(1)" << "&&nbsp;?&&&&";
    QTest::newRow("single") << "Text4" << "<hr>&" << "Command26" << "<hr>&&";
}

// The rows run in order: each types into one box and sees the caption built from both
// boxes of its pair; "&" is shown, never taken as an access key.
void TestTagPalette::customCaptions()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, button);
    QFETCH(QString, caption);
    showPage(7);
    QLineEdit *edit = unique<QLineEdit>(box);
    QPushButton *follower = unique<QPushButton>(button);
    QVERIFY(edit && follower);
    QCOMPARE(placeOf(palette, edit), 7);
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), typed);
    QCOMPARE(follower->text(), caption);
}

void TestTagPalette::lists()
{
    QListWidget *list1 = unique<QListWidget>(QStringLiteral("List1"));
    QListWidget *list2 = unique<QListWidget>(QStringLiteral("List2"));
    QVERIFY(list1 && list2);
    QCOMPARE(itemsOf(list1), (QStringList{"指定なし", "left", "center", "right"}));
    QCOMPARE(itemsOf(list2), (QStringList{"left", "right", "all"}));
    SelectFirstListItems(palette);
    for (QListWidget *list : {list1, list2}) {
        QCOMPARE(placeOf(palette, list), 2);
        QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(list->selectedItems(), QList<QListWidgetItem *>{list->item(0)});
    }
}

void TestTagPalette::literalToolTips_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");
    QTest::newRow("bold") << "Command1(0)" << "<b>";
    QTest::newRow("comment") << "Command1(39)" << "<!-- -->";
    QTest::newRow("line break") << "Command4(0)" << "<br>";
    QTest::newRow("later button") << "Command2" << "<font>";
}

// A tooltip such as "<b>" shows those three characters, not empty bold text.
void TestTagPalette::literalToolTips()
{
    QFETCH(QString, name);
    QFETCH(QString, shown);
    QWidget *widget = unique<QWidget>(name);
    QVERIFY(widget);
    const int tab = placeOf(palette, widget);
    if (tab > 0)
        showPage(tab);
    QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), widget->mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(widget, &help);
    QVERIFY(QToolTip::isVisible());
    QTextDocument rendered;
    if (Qt::mightBeRichText(QToolTip::text()))
        rendered.setHtml(QToolTip::text());
    else
        rendered.setPlainText(QToolTip::text());
    QCOMPARE(rendered.toPlainText(), shown);
    QToolTip::hideText();
}

// Every control lies wholly inside its tab page at the design size, and every bar button
// inside the bars.
void TestTagPalette::fitsItsSpace()
{
    if (!QFontInfo(paletteFont()).family().startsWith(QLatin1String("Noto Sans CJK")))
        QSKIP("the palette is laid out for Noto Sans CJK, which is not installed");
    for (int tab = 1; tab <= palette.SSTab1->count(); ++tab) {
        showPage(tab);
        QWidget *page = palette.SSTab1->widget(tab - 1);
        verifyApart(page);
    }
    QCOMPARE(palette.bars->size(), QSize(TagBarMetrics::Width, TagBarMetrics::Height));
    verifyApart(palette.bars);
    for (QPushButton *button : palette.bars->findChildren<QPushButton *>())
        QVERIFY2(QFontMetrics(button->font()).horizontalAdvance(button->text().remove(QLatin1Char('&'))) <= button->width(),
                 qPrintable(button->objectName()));
}

QTEST_MAIN(TestTagPalette)
#include "tst_tagpalette.moc"
