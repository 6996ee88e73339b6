// Start-up to the main window shown, untitled document. Each run is a fresh process;
// the child reports the time from entering main() until the window is exposed, the
// parent prints the median of the runs and of the whole process lifetimes.
#include "form1.h"
#include "localpagescheme.h"
#include "scriptedinteraction.h"
#include "settingsstore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

int child(int argc, char *argv[], QElapsedTimer &sinceMain)
{
    LocalPageScheme::registerScheme();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("settings.ini")));
    ScriptedInteraction script;
    Form1 form(script.interaction(), store, dir.path());
    form.load(std::nullopt);
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    const double shown = sinceMain.nsecsElapsed() / 1e6;
    std::printf("%.1f\n", shown);
    std::fflush(stdout);
    form.close();
    return 0;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer sinceMain;
    sinceMain.start();
    if (argc > 1 && std::strcmp(argv[1], "--child") == 0)
        return child(argc, argv, sinceMain);

    QCoreApplication app(argc, argv);
    std::vector<double> shown;
    std::vector<double> lifetimes;
    for (int run = 0; run < 9; ++run) {
        QElapsedTimer timer;
        timer.start();
        QProcess process;
        process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child")});
        process.waitForFinished(60000);
        lifetimes.push_back(timer.nsecsElapsed() / 1e6);
        bool ok = false;
        const double ms = QString::fromUtf8(process.readAllStandardOutput()).trimmed().toDouble(&ok);
        if (ok)
            shown.push_back(ms);
    }
    if (shown.empty()) {
        std::printf("start-up: no run reported\n");
        return 1;
    }
    std::printf("start-up to main window shown (untitled): median %.1f ms over %zu runs "
                "(whole process incl. shutdown: median %.1f ms)\n",
                median(shown), shown.size(), median(lifetimes));
    return 0;
}
