#include "form1.h"
#include "localpagescheme.h"
#include "settingsstore.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    LocalPageScheme::registerScheme();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velquin"));
    QApplication::setApplicationVersion(QStringLiteral(VELQUIN_VERSION));

    // The standard buttons and dialogs speak Japanese like the rest of the program.
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    // The whole argument text is the document's path.
    const QStringList arguments = QApplication::arguments().mid(1);
    std::optional<QString> commandLine;
    if (!arguments.isEmpty())
        commandLine = arguments.join(QLatin1Char(' '));

    SettingsStore settings;
    Form1 window(qtInteraction(), settings, QApplication::applicationDirPath());
    QObject::connect(&window, &Form1::programEnded, &app, &QApplication::quit, Qt::QueuedConnection);
    // A copy started from the File menu comes up minimised; its own copies decide anew.
    window.setStartMinimized(qEnvironmentVariable("VELQUIN_START_MINIMIZED") == QLatin1String("1"));
    qunsetenv("VELQUIN_START_MINIMIZED");
    window.load(commandLine);
    return app.exec();
}
