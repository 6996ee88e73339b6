// The snapshot taken after every keystroke, in file and in memory mode, for pages of
// 100 KB, 1 MB and 10 MB. Writes into a temporary folder only.
#include "undohistory.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

// Mostly markup and ASCII with some Japanese on every line, CR LF breaks.
QString htmlLikeText(qsizetype utf8Bytes)
{
    QString text;
    text.reserve(utf8Bytes);
    qsizetype size = 0;
    for (int line = 0; size < utf8Bytes; ++line) {
        const QString row = QStringLiteral("<tr><td class=\"item\">%1</td><td>日本語の説明文 %2</td>"
                                           "<td><a href=\"page%1.htm\">details and notes</a></td></tr>\r\n")
                                .arg(line)
                                .arg(line % 7 == 0 ? QStringLiteral("ｶﾀｶﾅ") : QStringLiteral("text"));
        text += row;
        size += row.toUtf8().size();
    }
    return text;
}

void BM_TakeSnapshot(benchmark::State &state)
{
    const int mode = int(state.range(0));
    const QString base = htmlLikeText(state.range(1));
    QTemporaryDir dir;
    if (!dir.isValid())
        std::abort();
    UndoHistory history;
    history.historyFolder = dir.path();
    // A full history first, so every snapshot removes, renames and writes.
    for (int n = 0; n < 4; ++n)
        TakeSnapshot(history, mode, base + QString::number(n));

    int keystroke = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // Each keystroke hands over a new text, as the editor does.
        QString text = base;
        text[keystroke++ % text.size()] = u'x';
        state.ResumeTiming();
        TakeSnapshot(history, mode, text);
    }
    deleteHistoryFiles(history);
    state.SetLabel(mode == undoModeFiles ? "files" : "memory");
    state.SetBytesProcessed(state.iterations() * state.range(1));
}

} // namespace

BENCHMARK(BM_TakeSnapshot)
    ->ArgsProduct({{undoModeFiles, undoModeMemory}, {100 * 1024, 1024 * 1024, 10 * 1024 * 1024}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
