#include "elementbuttons.h"

#include "elementfragments.h"
#include "insertion.h"
#include "interaction.h"
#include "sourceeditor.h"
#include "tagpalette.h"

#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStringList>

#include <functional>
#include <optional>

namespace {

using Answers = QStringList;
// The fragment from the prompt answers and the selection at the moment of insertion.
using PromptedFragment = std::function<QString(const Answers &, const QString &selection)>;

PromptRequest ask(const QString &label, const QString &defaultText = QString())
{
    return PromptRequest{QStringLiteral("Velquin"), label, defaultText};
}

// Asks the prompts in order; nothing as soon as one is cancelled or answered empty, and
// then the rest are not asked.
std::optional<Answers> askInOrder(const Interaction &interaction, QWidget *parent,
                                  const QList<PromptRequest> &prompts)
{
    Answers answers;
    for (const PromptRequest &request : prompts) {
        const std::optional<QString> answer = interaction.prompt(parent, request);
        if (!answer || answer->isEmpty())
            return std::nullopt;
        answers << *answer;
    }
    return answers;
}

// The text of the list's selected item, if it has one.
std::optional<QString> selectedItemText(const QListWidget *list)
{
    const QList<QListWidgetItem *> items = list->selectedItems();
    if (items.isEmpty())
        return std::nullopt;
    return items.first()->text();
}

} // namespace

void ConnectElementButtons(const TagPalette &palette, SourceEditor &editor, const Interaction &interaction,
                           QWidget *promptParent)
{
    SourceEditor *target = &editor;

    // A button whose command yields the fragment to insert, or nothing; the editor gets
    // the focus either way.
    const auto live = [target](QPushButton *button, std::function<std::optional<QString>()> fragment) {
        QObject::connect(button, &QPushButton::clicked, target, [target, fragment] {
            if (const std::optional<QString> text = fragment())
                InsertFragment(*target, *text);
            target->setFocus();
        });
        button->setEnabled(true);
    };
    const auto prompted = [&live, target, interaction, promptParent](QPushButton *button,
                                                                     const QList<PromptRequest> &prompts,
                                                                     const PromptedFragment &build) {
        live(button, [target, interaction, promptParent, prompts, build]() -> std::optional<QString> {
            const std::optional<Answers> answers = askInOrder(interaction, promptParent, prompts);
            if (!answers)
                return std::nullopt;
            return build(*answers, target->selText());
        });
    };

    QSpinBox *fontSize = palette.VScroll1;
    QSpinBox *heading = palette.VScroll2;
    QListWidget *align = palette.List1;
    QListWidget *clear = palette.List2;
    live(palette.Command2, [target, fontSize] { return fontSizeFragment(fontSize->value(), target->selText()); });
    live(palette.Command3, [target, heading] { return headingFragment(heading->value(), target->selText()); });
    live(palette.Command5,
         [target, align] { return paragraphFragment(selectedItemText(align), target->selText()); });
    live(palette.Command36, [clear] { return clearFragment(selectedItemText(clear).value_or(QString())); });
    live(palette.Command23, [] { return documentSkeletonFragment(); });

    const PromptRequest name = ask(QStringLiteral("名前を入力して下さい"));
    const PromptRequest caption = ask(QStringLiteral("キャプションを入力して下さい"));
    prompted(palette.Command27, {ask(QStringLiteral("名前を入れて下さい"))},
             [](const Answers &a, const QString &sel) { return anchorNameFragment(a[0], sel); });
    prompted(palette.Command11, {ask(QStringLiteral("e-mailアドレスを入力して下さい"), QStringLiteral("mailto:"))},
             [](const Answers &a, const QString &sel) { return formFragment(a[0], sel); });
    prompted(palette.Command12, {name}, [](const Answers &a, const QString &) { return checkBoxFragment(a[0]); });
    prompted(palette.Command13, {name, ask(QStringLiteral("変数名を入力して下さい"))},
             [](const Answers &a, const QString &) { return radioButtonFragment(a[0], a[1]); });
    prompted(palette.Command14, {caption}, [](const Answers &a, const QString &) { return submitFragment(a[0]); });
    prompted(palette.Command15, {caption}, [](const Answers &a, const QString &) { return resetFragment(a[0]); });
    prompted(palette.Command16,
             {name, ask(QStringLiteral("縦の列の数を入力して下さい")), ask(QStringLiteral("横の列の数を入力して下さい"))},
             [](const Answers &a, const QString &sel) { return textAreaFragment(a[0], a[1], a[2], sel); });
    prompted(palette.Command17, {name}, [](const Answers &a, const QString &) { return selectFragment(a[0]); });
    prompted(palette.Command18, {ask(QStringLiteral("項目名を入力して下さい"))},
             [](const Answers &a, const QString &) { return optionFragment(a[0]); });
    prompted(palette.Command19, {name, ask(QStringLiteral("サイズを入力して下さい"))},
             [](const Answers &a, const QString &) { return textFieldFragment(a[0], a[1]); });
}
