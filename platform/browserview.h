#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <QWebEngineView>

class QPrinter;
class QWebEngineLoadingInfo;
class LocalPageSchemeHandler;

// The preview browser: shows a local file as HTML whatever its extension, "about:"
// followed by HTML text as a page of its own, and "about:blank". New windows are refused.
class BrowserView : public QWebEngineView {
    Q_OBJECT
public:
    explicit BrowserView(QWidget *parent = nullptr);

    // An address as text: a local file path, "about:" + HTML, or "about:blank".
    void navigate(const QString &address);
    // A local file shown as HTML decoded with this charset.
    void navigateFile(const QString &path, const QByteArray &charset);
    // These bytes shown at the file's address, so relative addresses still resolve from
    // its folder (used when the file itself could not be written).
    void navigateFileContent(const QString &path, const QByteArray &content, const QByteArray &charset);

    void goBack();
    void printPage(QPrinter *printer);

    // The address last asked for, as given.
    QString lastAddress() const { return m_lastAddress; }

Q_SIGNALS:
    void navigationFailed(const QString &address);
    void newWindowRefused();

private:
    void loadAddress(const QUrl &url, const QString &address);
    void onLoadingChanged(const QWebEngineLoadingInfo &info);

    LocalPageSchemeHandler *m_handler;
    QString m_lastAddress;
    QUrl m_lastUrl; // what m_lastAddress was turned into, to recognise its failure
};
