#pragma once

// A run of the main window for tests: its own program folder, settings file and
// scripted answers.
#include "form1.h"
#include "scriptedinteraction.h"
#include "settingsstore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>


inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

struct Session {
    QTemporaryDir dir;
    QString programFolder;
    QString settingsFile;
    std::unique_ptr<SettingsStore> store;
    ScriptedInteraction script;
    std::unique_ptr<Form1> form;
    QStringList progress;

    Session()
    {
        programFolder = dir.filePath(QStringLiteral("program"));
        QDir().mkpath(programFolder);
        settingsFile = dir.filePath(QStringLiteral("velquin.ini"));
    }

    QString program(const QString &name) const { return programFolder + QLatin1Char('/') + name; }
    QString path(const QString &name) const { return dir.filePath(name); }

    Form1 &start(const std::optional<QString> &commandLine = std::nullopt)
    {
        store = std::make_unique<SettingsStore>(settingsFile);
        form = std::make_unique<Form1>(script.interaction(), *store, programFolder);
        QObject::connect(form.get(), &Form1::startupProgress, [this](const QString &m) { progress << m; });
        form->load(commandLine);
        return *form;
    }

    // Closes the window; true when it really closed.
    bool close()
    {
        const bool closed = form->close();
        if (closed)
            store.reset(); // flushes the settings file
        return closed;
    }
};

