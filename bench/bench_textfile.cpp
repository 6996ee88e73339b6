// Reading and saving a large page, against copying the same file with cp, and the
// encoding the preview does on every keystroke.
#include "htmllikepage.h"
#include "textencoding.h"
#include "textfile.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace {

constexpr qsizetype pageBytes = 10 * 1024 * 1024;

struct Files {
    QTemporaryDir dir;
    QString source = dir.filePath("source.htm");
    QString target = dir.filePath("target.htm");
    QString copy = dir.filePath("copy.htm");
    QByteArray sourceBytes;

    Files()
    {
        sourceBytes = htmlLikeText(pageBytes).toUtf8();
        QFile file(source);
        if (!dir.isValid() || !file.open(QIODevice::WriteOnly) || file.write(sourceBytes) != sourceBytes.size())
            std::abort();
    }
};

Files &files()
{
    static Files instance;
    return instance;
}

void BM_ReadTextFile(benchmark::State &state)
{
    Files &f = files();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadTextFile(f.source));
    state.SetBytesProcessed(state.iterations() * f.sourceBytes.size());
}

void BM_ReadAndWriteTextFile(benchmark::State &state)
{
    Files &f = files();
    for (auto _ : state) {
        if (!WriteTextFile(f.target, ReadTextFile(f.source))) {
            state.SkipWithError("WriteTextFile failed");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * f.sourceBytes.size());
}

void BM_CopyWithCp(benchmark::State &state)
{
    Files &f = files();
    std::string program = "/bin/cp";
    std::string source = f.source.toStdString();
    std::string copy = f.copy.toStdString();
    char *argv[] = {program.data(), source.data(), copy.data(), nullptr};
    for (auto _ : state) {
        pid_t pid = 0;
        int status = 0;
        if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv, environ) != 0
            || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("cp failed");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * f.sourceBytes.size());
}

// The parts of a save on their own, to see where the time goes.
void BM_WriteTextFile(benchmark::State &state)
{
    Files &f = files();
    const QString text = ReadTextFile(f.source);
    for (auto _ : state)
        WriteTextFile(f.target, text);
    state.SetBytesProcessed(state.iterations() * f.sourceBytes.size());
}

// A plain overwrite without the temporary file and its flush to disk: what the
// atomic save costs over it.
void BM_PlainOverwriteForComparison(benchmark::State &state)
{
    Files &f = files();
    for (auto _ : state) {
        QFile file(f.copy);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(f.sourceBytes) != f.sourceBytes.size()) {
            state.SkipWithError("write failed");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * f.sourceBytes.size());
}

void BM_EncodeOneMegabyte(benchmark::State &state)
{
    const auto encoding = TextEncoding(state.range(0));
    const QString text = htmlLikeText(1024 * 1024);
    for (auto _ : state)
        benchmark::DoNotOptimize(encodeText(text, encoding, Unencodable::AsCharacterReference));
    state.SetLabel(encodingDisplayName(encoding).toStdString());
    state.SetBytesProcessed(state.iterations() * text.size());
}

} // namespace

BENCHMARK(BM_ReadTextFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadAndWriteTextFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CopyWithCp)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WriteTextFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PlainOverwriteForComparison)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_EncodeOneMegabyte)
    ->Arg(int(TextEncoding::System))
    ->Arg(int(TextEncoding::Cp932))
    ->Arg(int(TextEncoding::EucJp))
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
