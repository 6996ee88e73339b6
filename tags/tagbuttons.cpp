#include "tagbuttons.h"

#include "insertion.h"
#include "sourceeditor.h"
#include "tagpalette.h"
#include "tagtables.h"

#include <QPushButton>

void ConnectTagButtons(const TagPalette &palette, SourceEditor &editor, const TagTables &tables)
{
    SourceEditor *target = &editor;
    const TagTables *source = &tables;
    for (int i = 0; i < palette.Command1.size(); ++i) {
        QObject::connect(palette.Command1[i], &QPushButton::clicked, target, [target, source, i] {
            InsertPairedTag(*target, source->PairedTagTable[i][0], source->PairedTagTable[i][1]);
        });
    }
    for (int i = 0; i < palette.Command4.size(); ++i) {
        QObject::connect(palette.Command4[i], &QPushButton::clicked, target,
                         [target, source, i] { InsertSingleTag(*target, source->SingleInsertTable[i]); });
    }
}
