// Open of a 10 MB page until the editor shows it and the preview was asked for,
// against ReadTextFile alone on the same file. Prints both medians.
#include "browserview.h"
#include "form1.h"
#include "localpagescheme.h"
#include "scriptedinteraction.h"
#include "settingsstore.h"
#include "sourceeditor.h"
#include "textfile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
}

int main(int argc, char *argv[])
{
    LocalPageScheme::registerScheme();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString document = dir.filePath(QStringLiteral("big.htm"));
    {
        const QByteArray line = "<tr><td class=\"c\">Velquin 表のセル</td><td>12345</td></tr>\r\n";
        QByteArray html;
        while (html.size() < 10 * 1000 * 1000)
            html += line;
        QFile file(document);
        file.open(QIODevice::WriteOnly);
        file.write(html);
    }

    std::vector<double> readOnly;
    for (int i = 0; i < 7; ++i) {
        QElapsedTimer timer;
        timer.start();
        const QString text = ReadTextFile(document);
        readOnly.push_back(timer.nsecsElapsed() / 1e6);
        if (text.isEmpty())
            return 1;
    }

    SettingsStore store(dir.filePath(QStringLiteral("settings.ini")));
    ScriptedInteraction script;
    Form1 form(script.interaction(), store, dir.path());
    form.load(std::nullopt);
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    // The undo history in files writes the whole text once more on every change.
    std::vector<double> opensByMode[3];
    for (int mode : {1, 2, 0}) {
        form.Program.UndoMode = qint16(mode);
        for (int i = 0; i < 7; ++i) {
            form.FileNew();
            QTest::qWait(200);
            script.answerFile(document);
            QElapsedTimer timer;
            timer.start();
            form.FileOpen();
            opensByMode[mode].push_back(timer.nsecsElapsed() / 1e6);
            if (form.Text2->text().size() < 1000 || form.WebBrowser1->lastAddress() != form.PreviewFile)
                return 1;
            QTest::qWait(700); // the rest of the text goes into the editor meanwhile
        }
    }
    std::printf("ReadTextFile of 10 MB: median %.1f ms\n", median(readOnly));
    const char *names[] = {"no undo history", "undo history in files", "undo history in memory"};
    for (int mode : {1, 2, 0}) {
        std::printf("Open of 10 MB (editor shows it, preview asked for), %s: median %.1f ms (%.2fx ReadTextFile)\n",
                    names[mode], median(opensByMode[mode]), median(opensByMode[mode]) / median(readOnly));
    }
    form.close();
    return 0;
}
