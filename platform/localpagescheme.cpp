#include "localpagescheme.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

namespace {

// Memory pages live under a host of their own, so a relative address in one resolves to
// nothing rather than to a file on disk.
constexpr char memoryHost[] = "memory";

// Enough for the history of a few panes; an older memory page goes back as "not found".
constexpr int keptMemoryPages = 16;

QByteArray htmlType(const QByteArray &charset)
{
    return charset.isEmpty() ? QByteArrayLiteral("text/html") : "text/html; charset=" + charset;
}

void replyWithBytes(QWebEngineUrlRequestJob *job, const QByteArray &bytes, const QByteArray &contentType)
{
    auto *buffer = new QBuffer(job);
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    job->reply(contentType, buffer);
}

// Streams the file: a page may refer to something large (a video) that must not be read
// into memory at once.
void replyWithFile(QWebEngineUrlRequestJob *job, const QString &path, const QByteArray &contentType)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    // Folders, pipes and devices are refused: opening a pipe would block, and a device
    // such as /dev/zero never ends.
    if (!info.isFile()) {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    auto *file = new QFile(path, job);
    if (!file->open(QIODevice::ReadOnly)) {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    job->reply(contentType.isEmpty() ? QMimeDatabase().mimeTypeForFile(info).name().toLatin1() : contentType,
               file);
}

QString cleanAbsolute(const QString &path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

void LocalPageScheme::registerScheme()
{
    if (QWebEngineUrlScheme::schemeByName(name).name() == name)
        return;
    QWebEngineUrlScheme scheme(name);
    // A host part makes the addresses hierarchical, so relative references resolve.
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    // Local like file://: remote pages cannot reach it, while its pages may load each
    // other and file:// content (pictures, style sheets, frames).
    scheme.setFlags(QWebEngineUrlScheme::LocalScheme | QWebEngineUrlScheme::LocalAccessAllowed);
    QWebEngineUrlScheme::registerScheme(scheme);
}

QUrl LocalPageScheme::urlForPath(const QString &path)
{
    QUrl url;
    url.setScheme(QString::fromLatin1(name));
    url.setHost(QString::fromLatin1(host));
    // Decoded mode: "%", "#" and "?" in a file name are characters, not URL syntax.
    url.setPath(cleanAbsolute(path), QUrl::DecodedMode);
    return url;
}

QString LocalPageScheme::pathForUrl(const QUrl &url)
{
    if (url.scheme() != QLatin1String(name) || url.host() != QLatin1String(host))
        return {};
    return url.path(QUrl::FullyDecoded);
}

LocalPageSchemeHandler::LocalPageSchemeHandler(QObject *parent)
    : QWebEngineUrlSchemeHandler(parent)
{
}

void LocalPageSchemeHandler::setPage(const QString &path, const QByteArray &charset)
{
    m_pages.insert(cleanAbsolute(path), Page{charset, {}, false});
}

void LocalPageSchemeHandler::setPageContent(const QString &path, const QByteArray &content,
                                            const QByteArray &charset)
{
    m_pages.insert(cleanAbsolute(path), Page{charset, content, true});
}

QUrl LocalPageSchemeHandler::addMemoryPage(const QByteArray &html, const QByteArray &charset)
{
    const quint64 number = ++m_memoryCounter;
    m_memoryPages.insert(number, Page{charset, html, true});
    while (m_memoryPages.size() > keptMemoryPages)
        m_memoryPages.erase(m_memoryPages.begin());

    QUrl url;
    url.setScheme(QString::fromLatin1(LocalPageScheme::name));
    url.setHost(QString::fromLatin1(memoryHost));
    url.setPath(QLatin1Char('/') + QString::number(number));
    return url;
}

void LocalPageSchemeHandler::requestStarted(QWebEngineUrlRequestJob *job)
{
    const QUrl url = job->requestUrl();

    if (url.host() == QLatin1String(memoryHost)) {
        bool isNumber = false;
        const quint64 number = url.path().mid(1).toULongLong(&isNumber);
        const auto page = isNumber ? m_memoryPages.constFind(number) : m_memoryPages.cend();
        if (page == m_memoryPages.cend())
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        else
            replyWithBytes(job, page->content, htmlType(page->charset));
        return;
    }

    const QString path = LocalPageScheme::pathForUrl(url);
    if (path.isEmpty()) {
        job->fail(QWebEngineUrlRequestJob::UrlInvalid);
        return;
    }
    const auto page = m_pages.constFind(QDir::cleanPath(path));
    if (page == m_pages.cend())
        replyWithFile(job, path, {});
    else if (page->hasContent)
        replyWithBytes(job, page->content, htmlType(page->charset));
    else
        replyWithFile(job, path, htmlType(page->charset));
}
