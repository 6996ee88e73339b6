#include "tagmenus.h"

#include "insertion.h"
#include "palettecaptions.h"
#include "sourceeditor.h"
#include "tagtables.h"

#include <QAction>
#include <QMenu>

namespace {
// Menu captions are the table texts as they are: "&" is shown, not an access key.
QAction *entry(QMenu *menu, const QString &name, const QString &text)
{
    QAction *action = menu->addAction(literalCaption(text));
    action->setObjectName(name);
    return action;
}
} // namespace

TagMenus FillTagMenus(QMenu *tSyu, QMenu *tTan, const TagTables &tables, SourceEditor &editor)
{
    TagMenus menus;
    menus.TagSyu << tSyu->addSeparator();
    menus.TagSyu[0]->setObjectName(QStringLiteral("TagSyu(0)"));
    for (int k = 1; k <= 40; ++k) {
        const auto &row = tables.PairedTagTable[size_t(k - 1)];
        QAction *action = entry(tSyu, QStringLiteral("TagSyu(%1)").arg(k), row[0]);
        // The caret stays after the closing text, unlike the palette's paired buttons.
        QObject::connect(action, &QAction::triggered, &editor, [&editor, &row] {
            WrapSelection(editor, row[0], row[1]);
            editor.setFocus();
        });
        menus.TagSyu << action;
    }
    menus.TagTan << tTan->addSeparator();
    menus.TagTan[0]->setObjectName(QStringLiteral("TagTan(0)"));
    for (int k = 1; k <= 24; ++k) {
        const QString &text = tables.SingleInsertTable[size_t(k - 1)];
        QAction *action = entry(tTan, QStringLiteral("TagTan(%1)").arg(k), text);
        QObject::connect(action, &QAction::triggered, &editor, [&editor, &text] {
            InsertFragment(editor, text);
            editor.setFocus();
        });
        menus.TagTan << action;
    }
    tSyu->menuAction()->setEnabled(true);
    tTan->menuAction()->setEnabled(true);
    return menus;
}
