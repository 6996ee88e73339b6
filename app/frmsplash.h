#pragma once

#include <QWidget>

class QFrame;
class QLabel;

// The start-up window: logo, progress text, author line and version.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(QWidget *parent = nullptr);

    // Sets the progress label.
    void showProgress(const QString &message);

    QFrame *Frame1;
    QLabel *imgLogo;
    QLabel *Label1;
    QLabel *lblAuthor;
    QLabel *lblVersion;

Q_SIGNALS:
    void progressShown(const QString &message);
};

// "Ver. " + major.minor.revision of the program.
QString versionCaption();
