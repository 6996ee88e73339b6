#include "stylefrm.h"

#include "colorfrm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <tuple>

namespace {

constexpr int NumberWidth = 48;    // pixels
constexpr int UnitListWidth = 48;
constexpr int UnitListHeight = 40;
constexpr int NameWidth = 140;
constexpr int ClassListHeight = 64;

template <typename T>
T *named(T *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QListWidget *listBox(QWidget *parent, const char *name, const QStringList &items)
{
    auto *list = named(new QListWidget(parent), name);
    list->addItems(items);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setCurrentRow(0);
    return list;
}

QListWidget *unitList(QWidget *parent, const char *name)
{
    QListWidget *list = listBox(parent, name, unitItems());
    list->setFixedSize(UnitListWidth, UnitListHeight);
    return list;
}

QLineEdit *numberField(QWidget *parent, const char *name)
{
    auto *field = named(new QLineEdit(parent), name);
    field->setFixedWidth(NumberWidth);
    return field;
}

QString selectedText(const QListWidget *list)
{
    const QList<QListWidgetItem *> items = list->selectedItems();
    return items.isEmpty() ? QString() : items.first()->text();
}

void exclusive(QObject *parent, QRadioButton *first, QRadioButton *second)
{
    auto *group = new QButtonGroup(parent);
    group->addButton(first);
    group->addButton(second);
}

StyleLength lengthOf(const QCheckBox *check, const QLineEdit *number, const QListWidget *unit)
{
    return {check->isChecked(), number->text(), selectedText(unit)};
}

} // namespace

styleFrm::styleFrm(const Interaction &interaction, QString &chosenStyle, QString &chosenColor,
                   QWidget *parent)
    : QDialog(parent)
    , m_interaction(interaction)
    , m_chosenStyle(chosenStyle)
    , m_chosenColor(chosenColor)
{
    setObjectName(QStringLiteral("styleFrm"));
    setWindowTitle(QStringLiteral("ｽﾀｲﾙ定義"));

    // Font group
    Frame1 = named(new QGroupBox(QStringLiteral("フォント"), this), "Frame1");
    Check1 = named(new QCheckBox(QStringLiteral("フォントを指定"), Frame1), "Check1");
    Option1 = named(new QRadioButton(QStringLiteral("フォント名"), Frame1), "Option1");
    Text1 = named(new QLineEdit(Frame1), "Text1");
    Command1 = named(new QPushButton(QStringLiteral("参照"), Frame1), "Command1");
    Option2 = named(new QRadioButton(QStringLiteral("フォントの系統"), Frame1), "Option2");
    List1 = listBox(Frame1, "List1", fontClassItems());
    Check2 = named(new QCheckBox(QStringLiteral("フォントサイズを指定"), Frame1), "Check2");
    Option3 = named(new QRadioButton(QStringLiteral("ピクセル"), Frame1), "Option3");
    Text2 = numberField(Frame1, "Text2");
    Option4 = named(new QRadioButton(QStringLiteral("サイズ名"), Frame1), "Option4");
    List2 = listBox(Frame1, "List2", sizeNameItems());
    Check9 = named(new QCheckBox(QStringLiteral("色を指定"), Frame1), "Check9");
    Text10 = named(new QLineEdit(Frame1), "Text10");
    Command4 = named(new QPushButton(QStringLiteral("参照"), Frame1), "Command4");
    exclusive(this, Option1, Option2);
    exclusive(this, Option3, Option4);
    Option1->setChecked(true);
    Option3->setChecked(true);
    Text1->setMinimumWidth(NameWidth);
    Text10->setMinimumWidth(NameWidth);
    List1->setFixedHeight(ClassListHeight);
    List2->setFixedHeight(ClassListHeight);

    auto *font = new QGridLayout(Frame1);
    font->addWidget(Check1, 0, 0, 1, 3);
    font->addWidget(Option1, 1, 0);
    font->addWidget(Text1, 1, 1);
    font->addWidget(Command1, 1, 2);
    font->addWidget(Option2, 2, 0, Qt::AlignTop);
    font->addWidget(List1, 2, 1, 1, 2);
    font->addWidget(Check2, 3, 0, 1, 3);
    font->addWidget(Option3, 4, 0);
    font->addWidget(Text2, 4, 1, Qt::AlignLeft);
    font->addWidget(Option4, 5, 0, Qt::AlignTop);
    font->addWidget(List2, 5, 1, 1, 2);
    font->addWidget(Check9, 6, 0, 1, 3);
    font->addWidget(Text10, 7, 1);
    font->addWidget(Command4, 7, 2);

    // Background group
    Check8 = named(new QCheckBox(QStringLiteral("背景を指定"), this), "Check8");
    Frame5 = named(new QGroupBox(this), "Frame5");
    Option5 = named(new QRadioButton(QStringLiteral("イメージ"), Frame5), "Option5");
    Text8 = named(new QLineEdit(Frame5), "Text8");
    Option6 = named(new QRadioButton(QStringLiteral("色"), Frame5), "Option6");
    Text9 = named(new QLineEdit(Frame5), "Text9");
    Command2 = named(new QPushButton(QStringLiteral("参照"), Frame5), "Command2");
    // Neither is picked at first; the colour form is written then.
    exclusive(this, Option5, Option6);
    Text8->setMinimumWidth(NameWidth);
    Text9->setMinimumWidth(NameWidth / 2);

    auto *background = new QGridLayout(Frame5);
    background->addWidget(Option5, 0, 0);
    background->addWidget(Text8, 0, 1, 1, 2);
    background->addWidget(Option6, 1, 0);
    background->addWidget(Text9, 1, 1);
    background->addWidget(Command2, 1, 2);

    // Margin group
    Frame4 = named(new QGroupBox(QStringLiteral("マージン"), this), "Frame4");
    Check5 = named(new QCheckBox(QStringLiteral("上"), Frame4), "Check5");
    Text5 = numberField(Frame4, "Text5");
    List5 = unitList(Frame4, "List5");
    Check6 = named(new QCheckBox(QStringLiteral("右"), Frame4), "Check6");
    Text6 = numberField(Frame4, "Text6");
    List6 = unitList(Frame4, "List6");
    Check7 = named(new QCheckBox(QStringLiteral("左"), Frame4), "Check7");
    Text7 = numberField(Frame4, "Text7");
    List7 = unitList(Frame4, "List7");

    auto *margins = new QGridLayout(Frame4);
    const QList<std::tuple<QCheckBox *, QLineEdit *, QListWidget *>> marginRows = {
        {Check5, Text5, List5}, {Check6, Text6, List6}, {Check7, Text7, List7}};
    for (int row = 0; row < marginRows.size(); ++row) {
        const auto &[check, number, unit] = marginRows[row];
        margins->addWidget(check, row, 0);
        margins->addWidget(number, row, 1);
        margins->addWidget(unit, row, 2);
    }

    // Spacing group
    Check3 = named(new QCheckBox(QStringLiteral("行送りを指定"), this), "Check3");
    Text3 = numberField(this, "Text3");
    List3 = unitList(this, "List3");
    Check4 = named(new QCheckBox(QStringLiteral("インデントを指定"), this), "Check4");
    Text4 = numberField(this, "Text4");
    List4 = unitList(this, "List4");

    Command3 = named(new QPushButton(QStringLiteral("OK"), this), "Command3");
    // Enter in a field confirms rather than opening a browse window.
    Command3->setDefault(true);
    for (QPushButton *browse : {Command1, Command2, Command4})
        browse->setAutoDefault(false);

    auto *middle = new QVBoxLayout;
    middle->addWidget(Check8);
    middle->addWidget(Frame5);
    middle->addWidget(Frame4);
    middle->addStretch();

    auto *right = new QGridLayout;
    right->addWidget(Check3, 0, 0, 1, 2);
    right->addWidget(Text3, 1, 0);
    right->addWidget(List3, 1, 1);
    right->addWidget(Check4, 2, 0, 1, 2);
    right->addWidget(Text4, 3, 0);
    right->addWidget(List4, 3, 1);
    right->setRowStretch(4, 1);
    right->addWidget(Command3, 5, 0, 1, 2, Qt::AlignRight);

    auto *columns = new QHBoxLayout(this);
    columns->addWidget(Frame1);
    columns->addLayout(middle);
    columns->addLayout(right);

    connect(Command1, &QPushButton::clicked, this, &styleFrm::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &styleFrm::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &styleFrm::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &styleFrm::Command4_Click);
}

StyleSheetState styleFrm::state() const
{
    StyleSheetState s;
    s.fontFamily = Check1->isChecked();
    s.familyByName = Option1->isChecked();
    s.familyName = Text1->text();
    s.familyClass = selectedText(List1);
    s.fontSize = Check2->isChecked();
    s.sizeInPixels = Option3->isChecked();
    s.sizeNumber = Text2->text();
    s.sizeName = selectedText(List2);
    s.lineHeight = lengthOf(Check3, Text3, List3);
    s.textIndent = lengthOf(Check4, Text4, List4);
    s.marginTop = lengthOf(Check5, Text5, List5);
    s.marginRight = lengthOf(Check6, Text6, List6);
    s.marginLeft = lengthOf(Check7, Text7, List7);
    s.background = Check8->isChecked();
    s.backgroundImage = Option5->isChecked();
    s.imageAddress = Text8->text();
    s.backgroundColor = Text9->text();
    s.color = Check9->isChecked();
    s.colorText = Text10->text();
    return s;
}

void styleFrm::Command1_Click()
{
    QFont initial = font();
    if (!Text1->text().isEmpty())
        initial.setFamily(Text1->text());
    const std::optional<QFont> chosen = m_interaction.fontDialog(this, initial);
    if (!chosen)
        return;
    Check1->setChecked(true);
    Option1->setChecked(true);
    Text1->setText(chosen->family());
    Check2->setChecked(true);
    Option3->setChecked(true);
    // A font given in pixels only has no point size to show.
    Text2->setText(chosen->pointSizeF() > 0 ? pointSizeText(chosen->pointSizeF())
                                            : QString::number(chosen->pixelSize()));
}

// The colour buttons take the chosen colour however the mixer was closed: after the close
// box that is the colour confirmed before, or an empty text.
void styleFrm::Command2_Click()
{
    openColorMixer(m_interaction, this, m_chosenColor);
    Text9->setText(m_chosenColor);
}

void styleFrm::Command4_Click()
{
    openColorMixer(m_interaction, this, m_chosenColor);
    Text10->setText(m_chosenColor);
}

void styleFrm::Command3_Click()
{
    m_chosenStyle = styleValue(state());
    accept();
}

void openStyleSheet(const Interaction &interaction, QWidget *parent, QString &chosenStyle,
                    QString &chosenColor)
{
    styleFrm dialog(interaction, chosenStyle, chosenColor, parent);
    interaction.runModal(dialog);
}
