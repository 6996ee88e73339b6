#pragma once

#include "pathfrm.h"
#include "scriptedinteraction.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

// A document folder with files of every kind the chooser lists and previews:
//   docs/up.htm, docs/img/x.jpg
//   docs/site/index.htm (the document) and its files, docs/site/img/b.jpg, docs/site/empty/
struct ChooserFixture {
    QTemporaryDir root;
    QString docs;
    QString site;
    QString document;

    // The document folder's files, as the list shows them.
    static QStringList siteFiles()
    {
        return {"a.txt", "big.img", "broken.jpg", "index.htm", "PAGE.HTM", "photo.jpg", "pic.bmp", "twelve.dat"};
    }

    static QByteArray fortyLines()
    {
        QByteArray bytes;
        for (int i = 1; i <= 40; ++i)
            bytes += "line " + QByteArray::number(i) + "\r\n";
        return bytes;
    }

    bool build()
    {
        if (!root.isValid())
            return false;
        docs = root.filePath("docs");
        site = docs + "/site";
        document = site + "/index.htm";
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        QFile sparse(site + "/big.img");
        return QDir().mkpath(site + "/img") && QDir().mkpath(site + "/empty") && QDir().mkpath(docs + "/img")
            && write(docs + "/up.htm", "<p>up</p>") && picture.save(docs + "/img/x.jpg", "JPG")
            && write(document, "<p id=\"t\">index</p>") && write(site + "/a.txt", fortyLines())
            && sparse.open(QIODevice::WriteOnly) && sparse.resize(3'000'000'000LL)
            && write(site + "/broken.jpg", "this is not a picture")
            && write(site + "/PAGE.HTM", "<p>upper case</p>") && picture.save(site + "/photo.jpg", "JPG")
            && picture.save(site + "/pic.bmp", "BMP") && write(site + "/twelve.dat", QByteArray(12000, 'x'))
            && picture.save(site + "/img/b.jpg", "JPG");
    }

    static bool write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
    }
};

// A control of the chooser by its name; a missing one ends the run.
template <class T>
T *control(QDialog &dialog, const QString &name)
{
    T *widget = dialog.findChild<T *>(name);
    if (!widget)
        qFatal("no control %s", qPrintable(name));
    return widget;
}

struct ChooserRun {
    QString chosenPath;
    QStringList unexpected;
    int asked = 0;
};

// Opens the chooser through its opener with the scripted interaction; the script drives
// the dialog and closes it. chosenPath holds what it held before the opening.
inline ChooserRun runChooser(const QString &documentPath, const QString &chosenBefore,
                             const std::function<void(QDialog &)> &script)
{
    ScriptedInteraction scripted;
    scripted.answerModal([&](QDialog &dialog) {
        script(dialog);
        return dialog.result();
    });
    ChooserRun run;
    run.chosenPath = chosenBefore;
    openPathChooser(scripted.interaction(), nullptr, documentPath, run.chosenPath);
    run.unexpected = scripted.unexpected();
    run.asked = int(scripted.asked().size());
    return run;
}
