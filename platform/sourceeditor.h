#pragma once

#include <QList>
#include <QPlainTextEdit>
#include <QString>

class QPrinter;

// One run of formatted text for the selected-rich-text operation.
struct RichTextRun {
    QString text;          // CR LF line breaks, like the editor text
    int color = 0;         // R + 256*G + 65536*B
    bool bold = false;
    bool italic = false;
    bool underline = false;
    double pointSize = 0;  // 0: the control's own size
};

// The source editor presents its text as the document model: line breaks are CR LF,
// positions count CR LF as two characters, and every text set reads back identical
// (lone LF, lone CR, NUL and characters outside the BMP included). The widget shows a
// CR LF pair as one block break; the exact text is kept beside the widget's document.
class SourceEditor : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit SourceEditor(QWidget *parent = nullptr);

    // Whole text. Setting it replaces everything, caret at 0, nothing selected.
    QString text() const;
    void setText(const QString &text);

    // Selection in model positions. Setting the start collapses the selection; a length
    // past the end stops at the end; a selection never splits a CR LF pair.
    int selStart() const;
    void setSelStart(int start);
    int selLength() const;
    void setSelLength(int length);

    QString selText() const;           // "" with no selection
    void setSelText(const QString &text); // caret after the new text, length 0

    void setSelRichText(const QList<RichTextRun> &runs); // replaces the selection, formats kept

    // Display attributes of the selection; they never change the text.
    void setSelColor(int color);
    void setSelBold(bool bold);
    void setSelItalic(bool italic);
    void setSelUnderline(bool underline);
    void setSelFontSize(double points);

    // Whole-control font.
    void setControlFontSize(double points);
    void setControlFontBold(bool bold);

    // Caret just before the next such character (forward) or just after the previous one
    // (backward); with none, at the end or the start of the text.
    void moveToCharacter(QChar character, bool forward);

    // Prints the selection with its formatting.
    void printSelection(QPrinter *printer) const;

Q_SIGNALS:
    // Raised once for every change of the text, typed or programmatic.
    void changed();

private:
    void onContentsChange(int from, int charsRemoved, int charsAdded);
    int toDocumentPosition(int modelPosition) const;
    int toModelPosition(int documentPosition) const;
    void replaceRange(int modelStart, int modelLength, const QString &text);

    QString m_text;           // the exact text
    int m_programmatic = 0;   // >0 while the adapter itself edits the widget's document
};
