#include "sourceeditor.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QMimeData>
#include <QPrinter>
#include <QScopedValueRollback>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTimer>

#include <algorithm>
#include <array>
#include <utility>

// How the exact text is drawn: every line break (CR LF, lone CR, lone LF) is one block
// break, every other character exactly one document character. A lone CR or LF, and a
// character the document cannot hold as it is, carries the model character it shows in
// its format, so an edit that Qt reports over more text than it touched still reads
// back exactly. Line breaks are all block breaks so that a file with LF line ends is
// still laid out line by line.

namespace {

constexpr QChar kBlockBreak = QChar::ParagraphSeparator;
constexpr int kShownCharacter = QTextFormat::UserProperty + 0x5e1;
// Edits reported over at most this many characters are read one character at a time,
// which avoids copying a whole (possibly huge) fragment for one keystroke.
constexpr int kSmallRange = 64;
// Texts up to this length are shown at once; longer ones start with a first piece
// that fills any screen and go on in pieces the event loop interleaves with painting.
constexpr qsizetype kWholeAtOnce = 256 * 1024;
constexpr qsizetype kFirstPiece = 32 * 1024;
constexpr qsizetype kPiece = 64 * 1024;

QChar shownAs(QChar c)
{
    switch (c.unicode()) {
    case u'\r':
    case u'\n':
        return kBlockBreak; // a lone one: a block break marked with what it is
    case 0x2029:
        return QChar(0x204B); // the document would take it for a block break
    case 0x0000:
        return QChar(0x2400);
    case 0xFDD0: // the document takes these for frame marks
    case 0xFDD1:
        return QChar(0xFFFD);
    default:
        return c;
    }
}

// A document character that may stand for another, so its format must be asked.
bool mayStandIn(QChar c)
{
    return c == kBlockBreak || c == QChar(0x204B) || c == QChar(0x2400) || c == QChar(0xFFFD);
}

bool pairAt(QStringView text, qsizetype i)
{
    return i >= 0 && i + 1 < text.size() && text[i] == u'\r' && text[i + 1] == u'\n';
}

// Finds the characters drawn with a mark (lone CR, lone LF and the stand-ins) with
// one search per kind of character, so whole texts are scanned at the library's speed.
class StandInScanner {
public:
    explicit StandInScanner(QStringView text)
        : m_text(text)
    {
        m_next.fill(-1);
    }

    // The next marked character at or after `from`, or the text's size; `pairs` counts
    // the CR LF pairs passed on the way.
    qsizetype next(qsizetype from, int *pairs = nullptr)
    {
        for (;;) {
            const qsizetype at = nextSpecial(from);
            if (at < m_text.size() && pairAt(m_text, at)) {
                if (pairs)
                    ++*pairs;
                from = at + 2;
                continue;
            }
            return at;
        }
    }

private:
    static constexpr std::array<char16_t, 6> kSpecial{u'\0', u'\r', u'\n', 0x2029, 0xFDD0, 0xFDD1};

    qsizetype nextSpecial(qsizetype from)
    {
        qsizetype best = m_text.size();
        for (size_t k = 0; k < kSpecial.size(); ++k) {
            if (m_next[k] < from) {
                const qsizetype found = m_text.indexOf(QChar(kSpecial[k]), from);
                m_next[k] = found < 0 ? m_text.size() : found;
            }
            best = qMin(best, m_next[k]);
        }
        return best;
    }

    QStringView m_text;
    std::array<qsizetype, kSpecial.size()> m_next;
};

// Drawn form of a stretch with no marked characters: only its CR LF pairs change.
QString displayed(QStringView text)
{
    QString out = text.toString();
    out.replace(QLatin1String("\r\n"), QString(kBlockBreak));
    return out;
}

// Length of the run of the same marked character starting at `at`.
qsizetype standInRun(QStringView text, qsizetype at)
{
    qsizetype run = 1;
    while (at + run < text.size() && text[at + run] == text[at] && !pairAt(text, at + run))
        ++run;
    return run;
}

QTextCharFormat marked(QTextCharFormat format, QChar original)
{
    format.setProperty(kShownCharacter, int(original.unicode()));
    return format;
}

QTextCharFormat unmarked(QTextCharFormat format)
{
    format.clearProperty(kShownCharacter);
    return format;
}

// The model character a document character stands for, given its format.
QChar recovered(QChar shown, const QTextCharFormat &format)
{
    if (!format.hasProperty(kShownCharacter))
        return shown;
    const QChar original(char16_t(format.intProperty(kShownCharacter)));
    return shownAs(original) == shown ? original : shown;
}

// End of the piece of at least `size` characters starting at `from`: just after a line
// feed, so a piece never splits a CR LF pair and the next one starts a fresh line. A
// text without a line feed after that point goes in whole.
qsizetype pieceEnd(QStringView text, qsizetype from, qsizetype size)
{
    if (text.size() - from <= size)
        return text.size();
    const qsizetype feed = text.indexOf(u'\n', from + size);
    return feed < 0 ? text.size() : feed + 1;
}

QColor fromModelColor(int color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

} // namespace

SourceEditor::SourceEditor(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setUndoRedoEnabled(false);
    connect(document(), &QTextDocument::contentsChange, this, &SourceEditor::onContentsChange);
    m_fillTimer = new QTimer(this);
    m_fillTimer->setSingleShot(true);
    m_fillTimer->setInterval(0);
    connect(m_fillTimer, &QTimer::timeout, this, &SourceEditor::showNextPiece);
}

QString SourceEditor::text() const
{
    if (!filling())
        return m_text;
    if (!m_editedWhileFilling)
        return m_full;
    QString whole = m_text;
    whole += QStringView(m_full).sliced(m_fillFrom);
    return whole;
}

void SourceEditor::setText(const QString &text)
{
    m_fillTimer->stop();
    m_full.clear();
    m_fillFrom = -1;
    m_editedWhileFilling = false;
    const qsizetype shown = text.size() <= kWholeAtOnce ? text.size() : pieceEnd(text, 0, kFirstPiece);
    Breaks breaks;
    {
        QScopedValueRollback guard(m_programmatic, m_programmatic + 1);
        // A collapsed caret with a plain format first: the emptied document keeps the
        // caret's format for what is typed next.
        setTextCursor(QTextCursor(document()));
        setCurrentCharFormat(QTextCharFormat());
        setPlainText(QString()); // resets the widget's own state
        QTextCursor c(document());
        c.beginEditBlock();
        breaks = insertModelText(c, QStringView(text).first(shown), QTextCharFormat());
        c.endEditBlock();
        setTextCursor(QTextCursor(document()));
    }
    if (shown == text.size()) {
        m_text = text;
    } else {
        m_text = text.first(shown);
        m_full = text;
        m_fillFrom = shown;
        m_fillTimer->start();
    }
    m_loneBreaks.assign(breaks.lone.begin(), breaks.lone.end());
    m_breakCount = breaks.count;
    m_pendingPairs.clear();
    emit changed();
}

void SourceEditor::showNextPiece()
{
    if (!filling())
        return;
    const qsizetype end = pieceEnd(m_full, m_fillFrom, kPiece);
    appendShown(QStringView(m_full).sliced(m_fillFrom, end - m_fillFrom));
    m_fillFrom = end;
    if (end < m_full.size())
        m_fillTimer->start();
    else
        finishFill();
}

void SourceEditor::ensureFilled()
{
    if (!filling())
        return;
    m_fillTimer->stop();
    appendShown(QStringView(m_full).sliced(m_fillFrom));
    finishFill();
}

void SourceEditor::finishFill()
{
    if (!m_editedWhileFilling)
        m_text = m_full; // the same text; share it instead of keeping two copies
    m_full.clear();
    m_fillFrom = -1;
    m_editedWhileFilling = false;
}

void SourceEditor::appendShown(QStringView piece)
{
    // The caret stays where it was, also when it stood at the end of the part shown.
    const QTextCursor caret = textCursor();
    const bool caretAtEnd = caret.atEnd() || caret.anchor() == document()->characterCount() - 1;
    const int anchor = caret.anchor();
    const int position = caret.position();
    Breaks breaks;
    {
        QScopedValueRollback guard(m_programmatic, m_programmatic + 1);
        QTextCursor c(document());
        c.movePosition(QTextCursor::End);
        c.beginEditBlock();
        breaks = insertModelText(c, piece, QTextCharFormat());
        c.endEditBlock();
        if (caretAtEnd) {
            QTextCursor restored(document());
            restored.setPosition(anchor);
            restored.setPosition(position, QTextCursor::KeepAnchor);
            setTextCursor(restored);
        }
    }
    m_text += piece;
    for (int lone : breaks.lone)
        m_loneBreaks.push_back(m_breakCount + lone);
    m_breakCount += breaks.count;
}

int SourceEditor::selStart() const
{
    return toModelPosition(textCursor().selectionStart());
}

void SourceEditor::setSelStart(int start)
{
    ensureFilled();
    const int at = normalized(start);
    setSelectionFromModel(at, at);
}

int SourceEditor::selLength() const
{
    const QTextCursor c = textCursor();
    return toModelPosition(c.selectionEnd()) - toModelPosition(c.selectionStart());
}

void SourceEditor::setSelLength(int length)
{
    ensureFilled();
    const int start = selStart();
    const qint64 end = qBound<qint64>(start, qint64(start) + qMax(0, length), m_text.size());
    setSelectionFromModel(start, normalized(int(end)));
}

QString SourceEditor::selText() const { return m_text.mid(selStart(), selLength()); }

void SourceEditor::setSelText(const QString &text)
{
    ensureFilled();
    const int start = selStart();
    replaceRange(start, selLength(), text);
    setSelStart(start + int(text.size()));
    emit changed();
}

void SourceEditor::setSelRichText(const QList<RichTextRun> &runs)
{
    ensureFilled();
    QString all;
    for (const RichTextRun &run : runs)
        all += run.text;
    const int start = selStart();
    const Rendered rendered = replaceRange(start, selLength(), all);
    {
        QScopedValueRollback guard(m_programmatic, m_programmatic + 1);
        QTextCursor c(document());
        c.beginEditBlock();
        int offset = start;
        for (const RichTextRun &run : runs) {
            const int end = offset + int(run.text.size());
            QTextCharFormat format;
            format.setForeground(fromModelColor(run.color));
            format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
            format.setFontItalic(run.italic);
            format.setFontUnderline(run.underline);
            if (run.pointSize > 0)
                format.setFontPointSize(run.pointSize);
            c.setPosition(toDocumentPosition(offset));
            c.setPosition(toDocumentPosition(end), QTextCursor::KeepAnchor);
            c.setCharFormat(format);
            offset = end;
        }
        // The run formats replaced the marks of any stand-ins among them.
        markShownCharacters(rendered.documentStart, rendered.text);
        c.endEditBlock();
    }
    setSelStart(start + int(all.size()));
    emit changed();
}

void SourceEditor::setSelColor(int color)
{
    QTextCharFormat format;
    format.setForeground(fromModelColor(color));
    mergeSelectionFormat(format);
}

void SourceEditor::setSelBold(bool bold)
{
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    mergeSelectionFormat(format);
}

void SourceEditor::setSelItalic(bool italic)
{
    QTextCharFormat format;
    format.setFontItalic(italic);
    mergeSelectionFormat(format);
}

void SourceEditor::setSelUnderline(bool underline)
{
    QTextCharFormat format;
    format.setFontUnderline(underline);
    mergeSelectionFormat(format);
}

void SourceEditor::setSelFontSize(double points)
{
    if (points > 0) {
        QTextCharFormat format;
        format.setFontPointSize(points);
        mergeSelectionFormat(format);
        return;
    }
    // No size: back to the control's own size, which a merge cannot express.
    const QTextCursor selection = textCursor();
    if (!selection.hasSelection())
        return;
    QScopedValueRollback guard(m_programmatic, m_programmatic + 1);
    const int from = selection.selectionStart();
    const int to = selection.selectionEnd();
    QTextCursor c(document());
    c.beginEditBlock();
    for (QTextBlock block = document()->findBlock(from); block.isValid() && block.position() < to;
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int a = qMax(from, fragment.position());
            const int b = qMin(to, fragment.position() + fragment.length());
            if (a >= b)
                continue;
            QTextCharFormat format = fragment.charFormat();
            format.clearProperty(QTextFormat::FontPointSize);
            c.setPosition(a);
            c.setPosition(b, QTextCursor::KeepAnchor);
            c.setCharFormat(format);
        }
    }
    c.endEditBlock();
}

void SourceEditor::setControlFontSize(double points)
{
    if (points <= 0)
        return;
    QScopedValueRollback guard(m_programmatic, m_programmatic + 1);
    QFont f = font();
    f.setPointSizeF(points);
    setFont(f);
}

void SourceEditor::setControlFontBold(bool bold)
{
    QScopedValueRollback guard(m_programmatic, m_programmatic + 1);
    QFont f = font();
    f.setBold(bold);
    setFont(f);
}

void SourceEditor::moveToCharacter(QChar character, bool forward)
{
    ensureFilled();
    const int start = selStart();
    if (forward) {
        const qsizetype found = m_text.indexOf(character, start + selLength());
        setSelStart(found < 0 ? int(m_text.size()) : int(found));
    } else {
        const qsizetype found = start > 0 ? m_text.lastIndexOf(character, start - 1) : -1;
        setSelStart(found < 0 ? 0 : int(found) + 1);
    }
}

void SourceEditor::printSelection(QPrinter *printer) const
{
    QTextDocument page;
    page.setDefaultFont(font());
    QTextCursor(&page).insertFragment(textCursor().selection());
    // Laid out for the printer's page, so the print has only the selection on it
    // (an unpaginated document would get page numbers added).
    page.documentLayout()->setPaintDevice(printer);
    page.setPageSize(printer->pageRect(QPrinter::DevicePixel).size());
    page.print(printer);
}

bool SourceEditor::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::InputMethod:
    case QEvent::ContextMenu:
        ensureFilled(); // the user edits, selects or moves as in the whole text
        break;
    default:
        break;
    }
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)) {
            event->ignore();
            return false;
        }
    }
    return QPlainTextEdit::event(event);
}

bool SourceEditor::viewportEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::Drop:
    case QEvent::ContextMenu:
        ensureFilled();
        break;
    default:
        break;
    }
    return QPlainTextEdit::viewportEvent(event);
}

void SourceEditor::keyPressEvent(QKeyEvent *event)
{
    // Shift+Return too: a line separator inside the block would be a line break the
    // model has no CR LF for.
    if (!isReadOnly()
        && (event->matches(QKeySequence::InsertParagraphSeparator)
            || event->matches(QKeySequence::InsertLineSeparator))) {
        insertLineBreak();
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

QMimeData *SourceEditor::createMimeDataFromSelection() const
{
    // The document's own plain text would turn stand-ins and no-break spaces into
    // other characters.
    auto *mime = new QMimeData;
    mime->setText(selText());
    return mime;
}

void SourceEditor::insertFromMimeData(const QMimeData *source)
{
    if (isReadOnly() || !source || !source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    // Inserted like typing, but in a format without marks, so that every line break of
    // the pasted text reads as CR LF whatever stood next to the caret.
    QTextCursor c = textCursor();
    c.insertText(source->text(), unmarked(c.charFormat()));
    setTextCursor(c);
    ensureCursorVisible();
}

void SourceEditor::insertLineBreak()
{
    QTextCursor c = textCursor();
    c.insertBlock(c.blockFormat(), unmarked(c.charFormat()));
    setTextCursor(c);
    ensureCursorVisible();
}

void SourceEditor::onContentsChange(int from, int charsRemoved, int charsAdded)
{
    Q_UNUSED(charsRemoved) // the unchanged text after the change gives the removed extent
    if (m_programmatic)
        return;
    const QTextDocument *doc = document();
    const int documentLength = doc->characterCount() - 1; // without the final block mark
    const int docFrom = qBound(0, from, documentLength);
    const int docTo = qBound(docFrom, from + charsAdded, documentLength);

    // Text before docFrom and after docTo is unchanged, so both ends map through the
    // breaks around them: those before with the block numbers they always had, those
    // after as the last ones of the old document.
    const int firstBreak = doc->findBlock(docFrom).blockNumber();
    const int suffixBreaks = doc->blockCount() - 1 - doc->findBlock(docTo).blockNumber();
    const int oldSuffixStart = m_breakCount - suffixBreaks;
    const auto loneInSuffix = m_loneBreaks.end() - std::lower_bound(m_loneBreaks.begin(), m_loneBreaks.end(), oldSuffixStart);
    const int modelFrom = docFrom + firstBreak - loneBreaksBefore(firstBreak);
    const int modelTo = int(m_text.size()) - ((documentLength - docTo) + suffixBreaks - int(loneInSuffix));
    if (oldSuffixStart < firstBreak || modelTo < modelFrom || modelFrom > m_text.size()) {
        resyncAll(); // a report that does not fit the text
        return;
    }
    Breaks breaks;
    QList<int> pairs;
    const QString added = modelTextOf(docFrom, docTo, &breaks, &pairs);
    if (QStringView(m_text).mid(modelFrom, modelTo - modelFrom) == added)
        return; // a format change, or a rewrite with the same text
    m_text.replace(modelFrom, modelTo - modelFrom, added);
    if (filling())
        m_editedWhileFilling = true;
    replaceBreaks(firstBreak, oldSuffixStart - firstBreak, breaks);
    shiftPendingPairs(modelFrom, modelTo - modelFrom, int(added.size()));
    for (int p : pairs)
        m_pendingPairs.append(modelFrom + p);
    // A deletion can bring a lone CR and a lone LF together.
    if (pairAt(m_text, modelFrom - 1))
        m_pendingPairs.append(modelFrom - 1);
    const int end = modelFrom + int(added.size());
    if (end > modelFrom && pairAt(m_text, end - 1))
        m_pendingPairs.append(end - 1);
    if (!m_pendingPairs.isEmpty() && !m_joinQueued) {
        // The document cannot be edited from inside its own change notification.
        m_joinQueued = true;
        QTimer::singleShot(0, this, &SourceEditor::joinPendingPairs);
    }
    emit changed();
}

void SourceEditor::resyncAll()
{
    Breaks breaks;
    QList<int> pairs;
    const QString all = modelTextOf(0, document()->characterCount() - 1, &breaks, &pairs);
    m_loneBreaks.assign(breaks.lone.begin(), breaks.lone.end());
    m_breakCount = breaks.count;
    m_pendingPairs.clear();
    if (all == m_text)
        return;
    m_text = all;
    if (filling())
        m_editedWhileFilling = true;
    emit changed();
}

int SourceEditor::normalized(int modelPosition) const
{
    const int at = qBound(0, modelPosition, int(m_text.size()));
    return pairAt(m_text, at - 1) ? at - 1 : at;
}

int SourceEditor::loneBreaksBefore(int block) const
{
    return int(std::lower_bound(m_loneBreaks.begin(), m_loneBreaks.end(), block) - m_loneBreaks.begin());
}

int SourceEditor::toDocumentPosition(int modelPosition) const
{
    const int at = normalized(modelPosition);
    const QTextDocument *doc = document();
    // A block starts in the model at its document position plus one for every CR LF
    // before it.
    auto modelStart = [&](int block) {
        return doc->findBlockByNumber(block).position() + block - loneBreaksBefore(block);
    };
    int low = 0;
    int high = doc->blockCount() - 1;
    while (low < high) {
        const int mid = low + (high - low + 1) / 2;
        if (modelStart(mid) <= at)
            low = mid;
        else
            high = mid - 1;
    }
    const QTextBlock block = doc->findBlockByNumber(low);
    return block.position() + qMin(at - modelStart(low), block.length() - 1);
}

int SourceEditor::toModelPosition(int documentPosition) const
{
    const int at = qBound(0, documentPosition, document()->characterCount() - 1);
    const int block = document()->findBlock(at).blockNumber();
    return normalized(at + block - loneBreaksBefore(block));
}

SourceEditor::Rendered SourceEditor::replaceRange(int modelStart, int modelLength, const QString &text)
{
    const int start = normalized(modelStart);
    const int end = normalized(qMax(start, int(qMin<qint64>(qint64(modelStart) + qMax(0, modelLength), m_text.size()))));
    // A lone CR before or a lone LF after may pair with the new text's ends, so they
    // are drawn again with it.
    const int drawStart = start > 0 && m_text[start - 1] == u'\r' ? start - 1 : start;
    const int drawEnd = end < m_text.size() && m_text[end] == u'\n' ? end + 1 : end;
    Rendered rendered;
    rendered.text = m_text.mid(drawStart, start - drawStart) + text + m_text.mid(end, drawEnd - end);
    rendered.documentStart = toDocumentPosition(drawStart);
    const int documentEnd = toDocumentPosition(drawEnd);
    const int firstBreak = document()->findBlock(rendered.documentStart).blockNumber();
    const int removedBreaks = document()->findBlock(documentEnd).blockNumber() - firstBreak;
    Breaks breaks;
    {
        QScopedValueRollback guard(m_programmatic, m_programmatic + 1);
        QTextCursor c(document());
        c.setPosition(rendered.documentStart);
        const QTextCharFormat format = unmarked(c.charFormat()); // reads like typing there
        c.setPosition(documentEnd, QTextCursor::KeepAnchor);
        c.beginEditBlock();
        c.removeSelectedText();
        breaks = insertModelText(c, rendered.text, format);
        c.endEditBlock();
    }
    m_text.replace(start, end - start, text);
    replaceBreaks(firstBreak, removedBreaks, breaks);
    shiftPendingPairs(start, end - start, int(text.size()));
    return rendered;
}

void SourceEditor::replaceBreaks(int first, int removed, const Breaks &added)
{
    if (removed == 0 && added.count == 0)
        return; // typing within a line
    const auto from = std::lower_bound(m_loneBreaks.begin(), m_loneBreaks.end(), first);
    const auto to = std::lower_bound(from, m_loneBreaks.end(), first + removed);
    const int delta = added.count - removed;
    for (auto it = to; it != m_loneBreaks.end(); ++it)
        *it += delta;
    auto at = m_loneBreaks.erase(from, to);
    for (int lone : added.lone)
        at = m_loneBreaks.insert(at, first + lone) + 1;
    m_breakCount += delta;
}

SourceEditor::Breaks SourceEditor::insertModelText(QTextCursor &c, QStringView text, const QTextCharFormat &format)
{
    Breaks breaks;
    StandInScanner scanner(text);
    qsizetype plain = 0; // start of the stretch not inserted yet
    for (;;) {
        const qsizetype at = scanner.next(plain, &breaks.count);
        if (at > plain)
            c.insertText(displayed(text.mid(plain, at - plain)), format);
        if (at == text.size())
            break;
        const qsizetype run = standInRun(text, at);
        if (text[at] == u'\r' || text[at] == u'\n') {
            for (qsizetype k = 0; k < run; ++k)
                breaks.lone.append(breaks.count++);
        }
        c.insertText(QString(run, shownAs(text[at])), marked(format, text[at]));
        plain = at + run;
    }
    return breaks;
}

void SourceEditor::markShownCharacters(int documentStart, QStringView text)
{
    QTextCursor c(document());
    c.beginEditBlock();
    StandInScanner scanner(text);
    int position = documentStart; // where text[i] is drawn
    qsizetype i = 0;
    for (;;) {
        int pairs = 0;
        const qsizetype at = scanner.next(i, &pairs);
        if (at == text.size())
            break;
        position += int(at - i) - pairs;
        const qsizetype run = standInRun(text, at);
        c.setPosition(position);
        c.setPosition(position + int(run), QTextCursor::KeepAnchor);
        c.mergeCharFormat(marked(QTextCharFormat(), text[at]));
        position += int(run);
        i = at + run;
    }
    c.endEditBlock();
}

QString SourceEditor::modelTextOf(int documentFrom, int documentTo, Breaks *breaks, QList<int> *recoveredPairs) const
{
    const QTextDocument *doc = document();
    QString out;
    out.reserve(documentTo - documentFrom + 16);
    bool lastWasRecoveredCr = false;
    // `format` is the shown character's format, null where it cannot stand for another.
    auto append = [&](QChar shown, const QTextCharFormat *format) {
        const QChar c = format ? recovered(shown, *format) : shown;
        if (c == kBlockBreak && shown == kBlockBreak) {
            out += QStringLiteral("\r\n");
            ++breaks->count;
            lastWasRecoveredCr = false;
            return;
        }
        if (shown == kBlockBreak)
            breaks->lone.append(breaks->count++);
        if (lastWasRecoveredCr && c == u'\n')
            recoveredPairs->append(int(out.size()) - 1);
        lastWasRecoveredCr = c == u'\r';
        out += c;
    };
    if (documentTo - documentFrom <= kSmallRange) {
        QTextCursor c(const_cast<QTextDocument *>(doc));
        for (int p = documentFrom; p < documentTo; ++p) {
            const QChar shown = doc->characterAt(p);
            if (!mayStandIn(shown)) {
                append(shown, nullptr);
            } else if (shown == kBlockBreak) {
                // A block's character format is that of the break before it.
                const QTextCharFormat format = doc->findBlock(p + 1).charFormat();
                append(shown, &format);
            } else {
                c.setPosition(p);
                c.setPosition(p + 1, QTextCursor::KeepAnchor);
                const QTextCharFormat format = c.charFormat();
                append(shown, &format);
            }
        }
        return out;
    }
    for (QTextBlock block = doc->findBlock(documentFrom); block.isValid() && block.position() < documentTo;
         block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const int a = qMax(documentFrom, fragment.position());
            const int b = qMin(documentTo, fragment.position() + fragment.length());
            if (a >= b)
                continue;
            const QString text = fragment.text();
            const QTextCharFormat format = fragment.charFormat();
            for (int p = a; p < b; ++p)
                append(text[p - fragment.position()], &format);
        }
        const int mark = block.position() + block.length() - 1;
        if (mark >= documentFrom && mark < documentTo) {
            const QTextCharFormat format = block.next().charFormat();
            append(kBlockBreak, &format);
        }
    }
    return out;
}

void SourceEditor::setSelectionFromModel(int anchor, int position)
{
    QTextCursor c = textCursor();
    c.setPosition(toDocumentPosition(anchor));
    c.setPosition(toDocumentPosition(position), QTextCursor::KeepAnchor);
    setTextCursor(c);
}

void SourceEditor::mergeSelectionFormat(const QTextCharFormat &format)
{
    QTextCursor c = textCursor();
    if (!c.hasSelection())
        return;
    QScopedValueRollback guard(m_programmatic, m_programmatic + 1);
    c.mergeCharFormat(format);
}

void SourceEditor::shiftPendingPairs(int at, int removed, int added)
{
    for (auto it = m_pendingPairs.begin(); it != m_pendingPairs.end();) {
        if (*it + 2 <= at) {
            ++it;
        } else if (*it >= at + removed) {
            *it += added - removed;
            ++it;
        } else {
            it = m_pendingPairs.erase(it);
        }
    }
}

void SourceEditor::joinPendingPairs()
{
    m_joinQueued = false;
    const QList<int> pairs = std::exchange(m_pendingPairs, {});
    const QTextCursor caret = textCursor();
    const int anchor = toModelPosition(caret.anchor());
    const int position = toModelPosition(caret.position());
    bool joined = false;
    QScopedValueRollback guard(m_programmatic, m_programmatic + 1);
    for (int p : pairs) {
        if (!pairAt(m_text, p))
            continue;
        // Still drawn as a lone CR break followed by a lone LF break?
        const int d = toDocumentPosition(p);
        const int block = document()->findBlock(d).blockNumber();
        if (!std::binary_search(m_loneBreaks.begin(), m_loneBreaks.end(), block)
            || !std::binary_search(m_loneBreaks.begin(), m_loneBreaks.end(), block + 1)
            || document()->findBlockByNumber(block + 1).length() != 1)
            continue;
        QTextCursor c(document());
        c.setPosition(d);
        c.setPosition(d + 2, QTextCursor::KeepAnchor);
        const QTextCharFormat format = unmarked(c.charFormat());
        c.beginEditBlock();
        c.removeSelectedText();
        c.insertBlock(c.blockFormat(), format);
        c.endEditBlock();
        replaceBreaks(block, 2, Breaks{1, {}});
        joined = true;
    }
    if (joined)
        setSelectionFromModel(anchor, position);
}
