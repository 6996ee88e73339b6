// Cost of the source editor's model on large texts: typing (a character typed and
// erased again per iteration, so two edits), and setting the whole text. The plain widget's figures are the baseline the adapter adds to.
#include "sourceeditor.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <benchmark/benchmark.h>

namespace {

QString htmlText(qsizetype size, const QString &lineBreak)
{
    QString text;
    text.reserve(size + 64);
    for (int i = 0; text.size() < size; ++i)
        text += QStringLiteral("<tr><td class=\"c%1\">セル %1</td><td>value</td></tr>").arg(i) + lineBreak;
    text.truncate(size);
    return text;
}

void sendKey(QWidget *widget, Qt::Key key, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
}

// One iteration types a character and takes it back, so the line keeps its length and
// every iteration measures the same two edits.
void typeAndErase(QWidget *widget)
{
    sendKey(widget, Qt::Key_A, QStringLiteral("a"));
    sendKey(widget, Qt::Key_Backspace, QString());
}

void typeCharacter(benchmark::State &state, const QString &lineBreak)
{
    SourceEditor editor;
    editor.resize(800, 600);
    editor.show();
    editor.setText(htmlText(state.range(0), lineBreak));
    editor.setSelStart(int(state.range(0) / 2));
    QApplication::processEvents();
    for (auto _ : state)
        typeAndErase(&editor);
    benchmark::DoNotOptimize(editor.text().size());
}

void BM_TypeCharacter(benchmark::State &state) { typeCharacter(state, QStringLiteral("\r\n")); }

// A file with LF line ends keeps them as lone LFs.
void BM_TypeCharacterLoneLf(benchmark::State &state) { typeCharacter(state, QStringLiteral("\n")); }

void BM_TypeCharacterPlainWidget(benchmark::State &state)
{
    QPlainTextEdit editor;
    editor.setUndoRedoEnabled(false);
    editor.resize(800, 600);
    editor.show();
    editor.setPlainText(htmlText(state.range(0), QStringLiteral("\n")));
    QTextCursor c = editor.textCursor();
    c.setPosition(int(state.range(0) / 2));
    editor.setTextCursor(c);
    QApplication::processEvents();
    for (auto _ : state)
        typeAndErase(&editor);
}

void BM_SetText(benchmark::State &state)
{
    const QString text = htmlText(state.range(0), QStringLiteral("\r\n"));
    SourceEditor editor;
    editor.resize(800, 600);
    editor.show();
    for (auto _ : state)
        editor.setText(text);
}

void BM_SetTextLoneLf(benchmark::State &state)
{
    const QString text = htmlText(state.range(0), QStringLiteral("\n"));
    SourceEditor editor;
    editor.resize(800, 600);
    editor.show();
    for (auto _ : state)
        editor.setText(text);
}

void BM_SetTextPlainWidget(benchmark::State &state)
{
    const QString text = htmlText(state.range(0), QStringLiteral("\n"));
    QPlainTextEdit editor;
    editor.setUndoRedoEnabled(false);
    editor.resize(800, 600);
    editor.show();
    for (auto _ : state)
        editor.setPlainText(text);
}

constexpr int kKB = 1000;

} // namespace

BENCHMARK(BM_TypeCharacter)->Arg(100 * kKB)->Arg(1000 * kKB)->Arg(10000 * kKB)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypeCharacterPlainWidget)->Arg(100 * kKB)->Arg(1000 * kKB)->Arg(10000 * kKB)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TypeCharacterLoneLf)->Arg(100 * kKB)->Arg(1000 * kKB)->Arg(10000 * kKB)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SetText)->Arg(100 * kKB)->Arg(1000 * kKB)->Arg(10000 * kKB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SetTextLoneLf)->Arg(100 * kKB)->Arg(1000 * kKB)->Arg(10000 * kKB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SetTextPlainWidget)->Arg(100 * kKB)->Arg(1000 * kKB)->Arg(10000 * kKB)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
