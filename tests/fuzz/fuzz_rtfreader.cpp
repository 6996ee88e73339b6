// libFuzzer entry for the RTF reader: every input must come back without a crash,
// in bounded time, with output no larger than the rules allow.
#include "rtfreader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void check(const QString &text, TextEncoding encoding)
{
    const QList<RichTextRun> runs = readRichText(text, encoding);
    qsizetype total = 0;
    for (qsizetype k = 0; k < runs.size(); ++k) {
        const RichTextRun &run = runs[k];
        total += run.text.size();
        if (run.pointSize < 0 || run.pointSize > 1638 || run.color < 0 || run.color > 0xFFFFFF)
            std::abort();
        if (k > 0) {
            const RichTextRun &prev = runs[k - 1];
            // Empty runs and unmerged neighbours of one format are faults.
            if (run.text.isEmpty() || (prev.color == run.color && prev.bold == run.bold && prev.italic == run.italic
                                       && prev.underline == run.underline && prev.pointSize == run.pointSize))
                std::abort();
        }
    }
    // No construct turns one character of input into more than two of output.
    if (total > 2 * text.size())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const char *bytes = reinterpret_cast<const char *>(data);
    // Latin-1 reaches every byte value as a character; UTF-8 the non-Latin ones.
    check(QString::fromLatin1(bytes, qsizetype(size)), TextEncoding::System);
    check(QString::fromUtf8(bytes, qsizetype(size)), TextEncoding::Cp932);
    return 0;
}
