// Time of the main thread for one typed character with real-time preview on, from the
// key press through the change handling (preview file written, navigation requested,
// pending events let run). Prints the median per document size.
#include "form1.h"
#include "localpagescheme.h"
#include "scriptedinteraction.h"
#include "settingsstore.h"
#include "sourceeditor.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QByteArray htmlOfSize(qsizetype bytes)
{
    const QByteArray line = "<p class=\"x\">Velquin 本文のテキスト sample text</p>\r\n";
    QByteArray html;
    html.reserve(bytes + line.size());
    while (html.size() < bytes)
        html += line;
    return html;
}

double medianMs(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

void measure(const char *label, qsizetype bytes, int presses)
{
    QTemporaryDir dir;
    const QString document = dir.filePath(QStringLiteral("page.htm"));
    QFile file(document);
    file.open(QIODevice::WriteOnly);
    file.write(htmlOfSize(bytes));
    file.close();

    SettingsStore store(dir.filePath(QStringLiteral("settings.ini")));
    ScriptedInteraction script;
    Form1 form(script.interaction(), store, dir.path());
    form.load(document);
    if (!QTest::qWaitForWindowExposed(&form))
        return;
    form.Check1->click();
    form.Text2->setFocus();
    form.Text2->setSelStart(int(form.Text2->text().size() / 2));

    std::vector<double> samples;
    for (int i = 0; i < presses; ++i) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QElapsedTimer timer;
        timer.start();
        QApplication::sendEvent(form.Text2, &press);
        samples.push_back(timer.nsecsElapsed() / 1e6);
        QApplication::sendEvent(form.Text2, &release);
        QTest::qWait(5); // let the browser settle between presses, outside the measurement
    }
    std::printf("typed character, real-time preview, %-6s: median %.2f ms (min %.2f, max %.2f, %d presses)\n", label,
                medianMs(samples), *std::min_element(samples.begin(), samples.end()),
                *std::max_element(samples.begin(), samples.end()), presses);
    std::fflush(stdout);
    script.answerMessage(MessageAnswer::No);
    form.close();
}

} // namespace

int main(int argc, char *argv[])
{
    LocalPageScheme::registerScheme();
    QApplication app(argc, argv);
    measure("100 KB", 100 * 1000, 41);
    measure("1 MB", 1000 * 1000, 41);
    measure("10 MB", 10 * 1000 * 1000, 15);
    return 0;
}
