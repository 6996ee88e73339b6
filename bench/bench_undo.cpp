// The snapshot taken after every keystroke, in file and in memory mode, for pages of
// 100 KB, 1 MB and 10 MB. Writes into a temporary folder only.
#include "htmllikepage.h"
#include "undohistory.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

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
