#include "tagfrm.h"

#include "insertion.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QString styleBlock(const std::array<TagRuleRow, 3> &rows)
{
    QString block = QStringLiteral("<style type=\"text/css\">\r\n");
    for (const TagRuleRow &row : rows) {
        if (row.ticked)
            block += row.selector + u'{' + row.declarations + QStringLiteral("}\r\n");
    }
    return block + QStringLiteral("</style>");
}

QString declarationsOfStyleValue(const QString &styleValue)
{
    if (styleValue.size() >= 2 && styleValue.startsWith(u'"') && styleValue.endsWith(u'"'))
        return styleValue.sliced(1, styleValue.size() - 2);
    return styleValue;
}

TagFrm::TagFrm(SourceEditor &editor, std::function<QString(QWidget *over)> browseStyle, QWidget *parent)
    : QDialog(parent)
    , m_editor(editor)
    , m_browseStyle(std::move(browseStyle))
{
    setObjectName(QStringLiteral("TagFrm"));
    setWindowTitle(QStringLiteral("<Style>"));
    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("タグ"), this), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("定義"), this), 0, 2);
    for (int i = 0; i < 3; ++i) {
        const QString index = QStringLiteral("(%1)").arg(i);
        auto *check = new QCheckBox(this);
        check->setObjectName(QStringLiteral("Check1") + index);
        auto *selector = new QLineEdit(this);
        selector->setObjectName(QStringLiteral("Text1") + index);
        selector->setFixedWidth(90);
        auto *declarations = new QLineEdit(this);
        declarations->setObjectName(QStringLiteral("Text2") + index);
        declarations->setMinimumWidth(260);
        auto *browse = new QPushButton(QStringLiteral("参照"), this);
        browse->setObjectName(QStringLiteral("Command1") + index);
        browse->setAutoDefault(false);
        connect(browse, &QPushButton::clicked, this, [this, declarations] {
            declarations->setText(declarationsOfStyleValue(m_browseStyle(this)));
        });
        grid->addWidget(check, i + 1, 0);
        grid->addWidget(selector, i + 1, 1);
        grid->addWidget(declarations, i + 1, 2);
        grid->addWidget(browse, i + 1, 3);
        Check1 << check;
        Text1 << selector;
        Text2 << declarations;
        Command1 << browse;
    }
    Command2 = new QPushButton(QStringLiteral("OK"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setAutoDefault(false);
    grid->addWidget(Command2, 4, 3);
    connect(Command2, &QPushButton::clicked, this, [this] {
        InsertFragment(m_editor, styleBlock(rows()));
        accept();
    });
}

std::array<TagRuleRow, 3> TagFrm::rows() const
{
    std::array<TagRuleRow, 3> result;
    for (int i = 0; i < 3; ++i)
        result[size_t(i)] = {Check1[i]->isChecked(), Text1[i]->text(), Text2[i]->text()};
    return result;
}

void openTagDefinition(const Interaction &interaction, QWidget *parent, SourceEditor &editor,
                       std::function<QString(QWidget *over)> browseStyle)
{
    TagFrm dialog(editor, std::move(browseStyle), parent);
    interaction.runModal(dialog);
}
