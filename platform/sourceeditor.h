#pragma once

#include <QList>
#include <QPlainTextEdit>
#include <QString>

#include <vector>

class QMimeData;
class QPrinter;
class QTextCharFormat;
class QTextCursor;
class QTimer;

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
// (lone LF, lone CR, NUL and characters outside the BMP included). The widget shows
// every line break (CR LF, lone CR, lone LF) as one block break; the exact text is
// kept beside the widget's document.
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
    // The widget's own handling, adjusted to the model: Return and Shift+Return insert
    // a CR LF, the undo/redo keys are left to the program's own history, a copy carries
    // the exact text and a paste inserts CR LF line breaks.
    bool event(QEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    QMimeData *createMimeDataFromSelection() const override;
    void insertFromMimeData(const QMimeData *source) override;

    // Where a replacement was drawn: the document position and the exact text shown
    // there (it may include a lone CR or LF on either side of the replaced range).
    struct Rendered {
        int documentStart = 0;
        QString text;
    };
    // The line breaks of a stretch of text in document order: how many, and which of
    // them (counted from 0) are a lone CR or LF.
    struct Breaks {
        int count = 0;
        QList<int> lone;
    };

    void onContentsChange(int from, int charsRemoved, int charsAdded);
    int toDocumentPosition(int modelPosition) const;
    int toModelPosition(int documentPosition) const;
    int normalized(int modelPosition) const;
    int loneBreaksBefore(int block) const;
    Rendered replaceRange(int modelStart, int modelLength, const QString &text);
    void replaceBreaks(int first, int removed, const Breaks &added);
    Breaks insertModelText(QTextCursor &cursor, QStringView text, const QTextCharFormat &format);
    void markShownCharacters(int documentStart, QStringView text);
    QString modelTextOf(int documentFrom, int documentTo, Breaks *breaks, QList<int> *recoveredPairs) const;
    void resyncAll();
    void insertLineBreak();
    void setSelectionFromModel(int anchor, int position);
    void mergeSelectionFormat(const QTextCharFormat &format);
    void shiftPendingPairs(int at, int removed, int added);
    void joinPendingPairs();
    // A long text is shown a piece at a time from the event loop, so that it appears at
    // once; anything that edits or moves beyond the shown part first shows the rest.
    bool filling() const { return m_fillFrom >= 0; }
    void showNextPiece();
    void ensureFilled();
    void finishFill();
    void appendShown(QStringView piece);

    QString m_text;           // the exact text, or while filling the part shown so far
    QString m_full;           // while filling: the whole text as it was set
    qsizetype m_fillFrom = -1; // while filling: where the part not shown yet starts in m_full
    bool m_editedWhileFilling = false; // m_text is no longer the start of m_full
    QTimer *m_fillTimer = nullptr;
    int m_programmatic = 0;   // >0 while the adapter itself edits the widget's document
    // Every line break is a block break; these are the numbers of the blocks ended by a
    // lone CR or LF (one model character instead of two), in order.
    std::vector<int> m_loneBreaks;
    int m_breakCount = 0;     // block breaks in the document as last synchronised
    // CR LF pairs that typing brought together while they are still drawn as two block
    // breaks; they are joined into one once the edit has finished.
    QList<int> m_pendingPairs;
    bool m_joinQueued = false;
};
