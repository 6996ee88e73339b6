#pragma once

#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QString>
#include <QUrl>
#include <QWebEngineUrlSchemeHandler>

// Local pages are served through a scheme of our own: the page asked for is always
// HTML whatever its extension (the preview file ends in ".tmp"), other files of its
// folder go out by their type, so relative addresses resolve from the page's folder.
namespace LocalPageScheme {
inline constexpr char name[] = "vqfile";
inline constexpr char host[] = "local";

// Must run before the QApplication is created.
void registerScheme();

QUrl urlForPath(const QString &path);
QString pathForUrl(const QUrl &url);
}

class LocalPageSchemeHandler : public QWebEngineUrlSchemeHandler {
    Q_OBJECT
public:
    explicit LocalPageSchemeHandler(QObject *parent = nullptr);

    // The page at this path is served as text/html with the given charset
    // (empty: none declared, the browser's default encoding applies).
    void setPage(const QString &path, const QByteArray &charset);
    // Serve these bytes at the page's address instead of the file's content.
    void setPageContent(const QString &path, const QByteArray &content, const QByteArray &charset);
    // A page with no file of its own; its address has no folder to resolve against.
    QUrl addMemoryPage(const QByteArray &html, const QByteArray &charset);

    void requestStarted(QWebEngineUrlRequestJob *job) override;

private:
    struct Page {
        QByteArray charset;
        QByteArray content;
        bool hasContent = false; // serve content instead of reading the file
    };
    QHash<QString, Page> m_pages;     // by cleaned absolute path
    QMap<quint64, Page> m_memoryPages; // by number; only the newest few are kept
    quint64 m_memoryCounter = 0;
};
