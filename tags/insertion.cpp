#include "insertion.h"

#include "sourceeditor.h"

void InsertFragment(SourceEditor &editor, const QString &fragment)
{
    editor.setSelText(fragment);
}

void WrapSelection(SourceEditor &editor, const QString &opening, const QString &closing)
{
    InsertFragment(editor, opening + editor.selText() + closing);
}

void InsertPairedTag(SourceEditor &editor, const QString &opening, const QString &closing)
{
    WrapSelection(editor, opening, closing);
    editor.setSelStart(editor.selStart() - int(closing.size()));
    editor.setFocus();
}

void InsertSingleTag(SourceEditor &editor, const QString &text)
{
    InsertFragment(editor, text);
    editor.setFocus();
}
