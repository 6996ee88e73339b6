#include "tagpalette.h"

#include "formicons.h"
#include "palettecaptions.h"
#include "palettewidgets.h"
#include "tagbars.h"
#include "tagtables.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

namespace {

QString indexed(const char *name, int i)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i);
}

// A button whose command is connected later: shown in its place, disabled until then.
QPushButton *laterButton(QWidget *page, const char *name, const QString &caption, const QString &tooltip = QString())
{
    QPushButton *button = paletteButton(page, QString::fromLatin1(name), caption, tooltip);
    button->setEnabled(false);
    return button;
}

QPushButton *pictureButton(QWidget *page, const char *name, FormControlPicture picture, const QString &tooltip)
{
    QPushButton *button = laterButton(page, name, QString(), tooltip);
    button->setIcon(formControlIcon(picture));
    button->setFixedWidth(PaletteMetrics::RowHeight + 6);
    return button;
}

QSpinBox *counter(QWidget *page, const char *name, int maximum)
{
    auto *box = new QSpinBox(page);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(1, maximum);
    box->setValue(1);
    box->setFixedSize(34, PaletteMetrics::RowHeight);
    return box;
}

QListWidget *choiceList(QWidget *page, const char *name, const QStringList &items, int width)
{
    auto *list = new QListWidget(page);
    list->setObjectName(QString::fromLatin1(name));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->addItems(items);
    list->setFixedWidth(width);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tall(list);
    return list;
}

QLineEdit *textBox(QWidget *page, const QString &name, int width)
{
    auto *box = new QLineEdit(page);
    box->setObjectName(name);
    box->setFixedSize(width, PaletteMetrics::RowHeight);
    return box;
}

QWidget *addPage(QTabWidget *tabs, const QString &caption)
{
    auto *page = new QWidget(tabs);
    tabs->addTab(page, caption);
    return page;
}

class Builder {
public:
    Builder(TagPalette &palette, QTabWidget *tabWidget) : p(palette), tabs(tabWidget) {}

    // Paired-tag button i on the given page.
    QPushButton *paired(QWidget *page, int i)
    {
        const PairedTagRow &row = pairedTagRows()[i];
        QPushButton *button = paletteButton(page, indexed("Command1", i), row.caption, row.tooltip);
        p.Command1[i] = button;
        return button;
    }

    QPushButton *single(QWidget *page, int i)
    {
        const SingleInsertRow &entry = singleInsertRows()[i];
        QPushButton *button = paletteButton(page, indexed("Command4", i), entry.caption, entry.tooltip);
        p.Command4[i] = button;
        return button;
    }

    QList<QWidget *> pairedRange(QWidget *page, std::initializer_list<int> rows)
    {
        QList<QWidget *> buttons;
        for (int i : rows)
            buttons << paired(page, i);
        return buttons;
    }

    void decoration()
    {
        QWidget *page = addPage(tabs, QStringLiteral("文字修飾(&1)"));
        QHBoxLayout *layout = pageLayout(page);
        p.Command2 = laterButton(page, "Command2", fontSizeCaption(7), QStringLiteral("<font>"));
        p.Command2->setText(fontSizeCaption(1)); // sized for the widest number
        p.VScroll1 = counter(page, "VScroll1", 7);
        p.Command3 = laterButton(page, "Command3", headingCaption(1), QStringLiteral("<hn>"));
        p.VScroll2 = counter(page, "VScroll2", 6);
        layout->addLayout(columnPairs({p.Command2, p.VScroll1}, {p.Command3, p.VScroll2}));
        p.Command38 = laterButton(page, "Command38", QStringLiteral("font color="));
        layout->addWidget(tall(p.Command38));
        for (int i : {0, 1, 2})
            layout->addWidget(tall(paired(page, i)));
        layout->addLayout(columnPairs(pairedRange(page, {32, 8, 10, 28, 34, 36, 29, 37}),
                                      pairedRange(page, {33, 6, 7, 23, 9, 35, 30, 38})));
        QObject::connect(p.VScroll1, &QSpinBox::valueChanged, p.Command2,
                         [button = p.Command2](int n) { button->setText(fontSizeCaption(n)); });
        QObject::connect(p.VScroll2, &QSpinBox::valueChanged, p.Command3,
                         [button = p.Command3](int n) { button->setText(headingCaption(n)); });
    }

    void paragraph()
    {
        QWidget *page = addPage(tabs, QStringLiteral("改行･段落(&2)"));
        QHBoxLayout *layout = pageLayout(page);
        p.Command5 = laterButton(page, "Command5", QStringLiteral("段落"), QStringLiteral("<p>"));
        p.List1 = choiceList(page, "List1", {QStringLiteral("指定なし"), QStringLiteral("left"),
                                             QStringLiteral("center"), QStringLiteral("right")}, 74);
        layout->addWidget(tall(p.Command5));
        layout->addWidget(p.List1);
        p.listLabel = new QLabel(QStringLiteral("リスト："), page);
        p.listLabel->setObjectName(QStringLiteral("Label1"));
        p.listLabel->setFixedHeight(PaletteMetrics::RowHeight);
        QList<QWidget *> top{p.listLabel};
        top << pairedRange(page, {11, 12, 13, 14, 15, 16, 17}) << single(page, 1) << nullptr
            << pairedRange(page, {25, 26, 27});
        QList<QWidget *> bottom{paired(page, 18), single(page, 2), single(page, 3), nullptr, single(page, 0),
                                single(page, 22), paired(page, 31), nullptr, paired(page, 24)};
        layout->addLayout(twoRows(top, bottom));
        p.Command36 = laterButton(page, "Command36", QStringLiteral("回り込み解除"));
        p.List2 = choiceList(page, "List2", {QStringLiteral("left"), QStringLiteral("right"), QStringLiteral("all")},
                             48);
        layout->addWidget(tall(p.Command36));
        layout->addWidget(p.List2);
    }

    void structure()
    {
        QWidget *page = addPage(tabs, QStringLiteral("文書構造(&3)"));
        QHBoxLayout *layout = pageLayout(page);
        QList<QWidget *> top = pairedRange(page, {3, 4, 5});
        p.Command6 = laterButton(page, "Command6", QStringLiteral("<body></body>"), QStringLiteral("<body>"));
        p.Command23 = laterButton(page, "Command23", QStringLiteral("←1度に入力"));
        top << p.Command6 << p.Command23;
        layout->addLayout(twoRows(top, {paired(page, 39)}));
    }

    void insert()
    {
        QWidget *page = addPage(tabs, QStringLiteral("挿入(&4)"));
        QHBoxLayout *layout = pageLayout(page);
        p.Command10 = laterButton(page, "Command10", QStringLiteral("画像"), QStringLiteral("<img>"));
        p.Command29 = laterButton(page, "Command29", QStringLiteral("ﾏｰｷｰ"), QStringLiteral("<marquee>"));
        p.Command27 = laterButton(page, "Command27", QStringLiteral("リンク先"), QStringLiteral("<a>"));
        p.Command9 = laterButton(page, "Command9", QStringLiteral("リンク"), QStringLiteral("<a>"));
        p.Command8 = laterButton(page, "Command8", QStringLiteral("水平線"), QStringLiteral("<hr>"));
        p.Command28 = laterButton(page, "Command28", QStringLiteral("ｲﾒｰｼﾞﾏｯﾌﾟ"));
        QList<QWidget *> entities;
        for (int i : {18, 19, 20, 21})
            entities << single(page, i);
        layout->addLayout(
            twoRows({p.Command10, p.Command29, p.Command27, p.Command9, p.Command8, p.Command28}, entities));
    }

    void table()
    {
        QWidget *page = addPage(tabs, QStringLiteral("表/ﾌﾚｰﾑ(&5)"));
        QHBoxLayout *layout = pageLayout(page);
        p.Command21 = laterButton(page, "Command21", QStringLiteral("表"), QStringLiteral("<table>"));
        p.Command20 = laterButton(page, "Command20", QStringLiteral("フレーム"), QStringLiteral("<frame>"));
        p.Command22 = laterButton(page, "Command22", QStringLiteral("セル"), QStringLiteral("<td>"));
        p.Command30 = laterButton(page, "Command30", QStringLiteral("表ウィザード"));
        p.Command31 = laterButton(page, "Command31", QStringLiteral("フローティングフレーム"),
                                  QStringLiteral("<isframe>"));
        layout->addLayout(twoRows({p.Command21, p.Command20, p.Command22, p.Command30, p.Command31},
                                  pairedRange(page, {19, 20, 21, 22})));
    }

    void form()
    {
        QWidget *page = addPage(tabs, QStringLiteral("フォーム(&6)"));
        QHBoxLayout *layout = pageLayout(page);
        const QString input = QStringLiteral("<input>");
        p.Command11 = laterButton(page, "Command11", QStringLiteral("フォーム"), QStringLiteral("<form>"));
        p.Command12 = pictureButton(page, "Command12", FormControlPicture::CheckBox, input);
        p.Command13 = pictureButton(page, "Command13", FormControlPicture::RadioButton, input);
        p.Command14 = laterButton(page, "Command14", QStringLiteral("送信"), input);
        p.Command15 = laterButton(page, "Command15", QStringLiteral("リセット"), input);
        p.Command16 = pictureButton(page, "Command16", FormControlPicture::TextArea, QStringLiteral("<textarea>"));
        p.Command17 = pictureButton(page, "Command17", FormControlPicture::Select, QStringLiteral("<select>"));
        p.Command18 = laterButton(page, "Command18", QStringLiteral("項目"), QStringLiteral("<option>"));
        p.Command19 = pictureButton(page, "Command19", FormControlPicture::TextField, input);
        layout->addLayout(twoRows({p.Command11, p.Command12, p.Command13, p.Command14, p.Command15, p.Command16,
                                   p.Command17, p.Command18, p.Command19},
                                  {}));
    }

    void customise()
    {
        QWidget *page = addPage(tabs, QStringLiteral("ｶｽﾀﾏｲｽﾞ(&7)"));
        QHBoxLayout *layout = pageLayout(page);
        QList<QWidget *> pairs[2];
        for (int i : {0, 1}) {
            QLineEdit *opening = textBox(page, indexed("Text1", i), 100);
            QLineEdit *closing = textBox(page, indexed("Text3", i), 100);
            QPushButton *button = laterButton(page, "Command25", customPairCaption(QString(), QString()));
            button->setObjectName(indexed("Command25", i));
            button->setFixedWidth(150);
            const auto follow = [opening, closing, button] {
                button->setText(customPairCaption(opening->text(), closing->text()));
            };
            QObject::connect(opening, &QLineEdit::textChanged, button, follow);
            QObject::connect(closing, &QLineEdit::textChanged, button, follow);
            p.Text1 << opening;
            p.Text3 << closing;
            p.Command25 << button;
            pairs[i] = {opening, closing, button};
        }
        p.Text4 = textBox(page, QStringLiteral("Text4"), 100);
        p.Command26 = laterButton(page, "Command26", QString());
        p.Command26->setFixedWidth(110);
        QObject::connect(p.Text4, &QLineEdit::textChanged, p.Command26,
                         [button = p.Command26](const QString &text) { button->setText(literalCaption(text)); });
        layout->addLayout(twoRows(pairs[0], pairs[1]));
        layout->addSpacing(12);
        layout->addLayout(twoRows({p.Text4, p.Command26}, {}));
    }

    void styleSheet()
    {
        QWidget *page = addPage(tabs, QStringLiteral("ｽﾀｲﾙｼｰﾄ(&8)"));
        QHBoxLayout *layout = pageLayout(page);
        p.Command35 = laterButton(page, "Command35", QStringLiteral("レイヤー"));
        p.Command34 = laterButton(page, "Command34", QStringLiteral("部分ｽﾀｲﾙ指定"), QStringLiteral("<span>"));
        p.Command32 = laterButton(page, "Command32", QStringLiteral("style="));
        p.Command33 = laterButton(page, "Command33", QStringLiteral("タグの定義"));
        layout->addLayout(twoRows({p.Command35, p.Command34, p.Command32, p.Command33}, {}));
    }

private:
    TagPalette &p;
    QTabWidget *tabs;
};

} // namespace

TagPalette BuildTagPalette(QTabWidget *SSTab1, QWidget *barsParent)
{
    TagPalette palette;
    palette.SSTab1 = SSTab1;
    palette.Command1.resize(PairedTagRowsUsed);
    palette.Command4.resize(SingleInsertEntriesUsed);
    SSTab1->setFont(paletteFont());

    Builder builder(palette, SSTab1);
    builder.decoration();
    builder.paragraph();
    builder.structure();
    builder.insert();
    builder.table();
    builder.form();
    builder.customise();
    builder.styleSheet();
    // Every page packs its blocks to the left; the spare width stays on the right.
    for (int i = 0; i < SSTab1->count(); ++i)
        static_cast<QHBoxLayout *>(SSTab1->widget(i)->layout())->addStretch(1);
    buildTagBars(palette, barsParent);
    return palette;
}

void SelectFirstListItems(const TagPalette &palette)
{
    palette.List1->setCurrentRow(0);
    palette.List2->setCurrentRow(0);
}
