#include "browserview.h"

#include "localpagescheme.h"
#include "textencoding.h"

#include <QApplication>
#include <QPointer>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

namespace {

// One profile for every pane, so one handler serves the local pages of all of them.
struct SharedEngine {
    QWebEngineProfile *profile;
    LocalPageSchemeHandler *handler;
};

SharedEngine sharedEngine()
{
    static QPointer<QWebEngineProfile> profile;
    static QPointer<LocalPageSchemeHandler> handler;
    if (!profile) {
        profile = new QWebEngineProfile(qApp); // off the record: a preview keeps nothing
        handler = new LocalPageSchemeHandler(profile);
        profile->installUrlSchemeHandler(LocalPageScheme::name, handler);
        QWebEngineSettings *settings = profile->settings();
        // Pages that declare no charset decode as the editor saves by default.
        settings->setDefaultTextEncoding(QString::fromLatin1(systemCharsetName()));
        // Lets window.open reach createWindow, where it is refused and reported.
        settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, true);
    }
    return {profile, handler};
}

// A preview never opens windows: links with a target, window.open and the like are
// dropped and the pane keeps its page.
class NoWindowsPage : public QWebEnginePage {
public:
    NoWindowsPage(QWebEngineProfile *profile, BrowserView *view)
        : QWebEnginePage(profile, view), m_view(view)
    {
    }

protected:
    QWebEnginePage *createWindow(WebWindowType) override
    {
        // Queued: the engine is in the middle of opening the window.
        QMetaObject::invokeMethod(m_view, &BrowserView::newWindowRefused, Qt::QueuedConnection);
        return nullptr;
    }

private:
    BrowserView *m_view;
};

bool sameTarget(const QUrl &a, const QUrl &b)
{
    return a.scheme() == b.scheme() && a.host() == b.host()
           && a.path(QUrl::FullyDecoded) == b.path(QUrl::FullyDecoded);
}

} // namespace

BrowserView::BrowserView(QWidget *parent)
    : QWebEngineView(parent), m_handler(sharedEngine().handler)
{
    auto *noWindows = new NoWindowsPage(sharedEngine().profile, this);
    setPage(noWindows);
    connect(noWindows, &QWebEnginePage::loadingChanged, this, &BrowserView::onLoadingChanged);
}

void BrowserView::navigate(const QString &address)
{
    static const QLatin1String about("about:");
    if (address.startsWith(about, Qt::CaseInsensitive)) {
        const QString html = address.mid(about.size());
        if (html.compare(QLatin1String("blank"), Qt::CaseInsensitive) == 0)
            loadAddress(QUrl(QStringLiteral("about:blank")), address);
        else // served from memory: setHtml would stop at 2 MB
            loadAddress(m_handler->addMemoryPage(html.toUtf8(), "UTF-8"), address);
        return;
    }
    m_handler->setPage(address, {});
    loadAddress(LocalPageScheme::urlForPath(address), address);
}

void BrowserView::navigateFile(const QString &path, const QByteArray &charset)
{
    m_handler->setPage(path, charset);
    loadAddress(LocalPageScheme::urlForPath(path), path);
}

void BrowserView::navigateFileContent(const QString &path, const QByteArray &content, const QByteArray &charset)
{
    m_handler->setPageContent(path, content, charset);
    loadAddress(LocalPageScheme::urlForPath(path), path);
}

void BrowserView::goBack()
{
    if (history()->canGoBack())
        back();
}

void BrowserView::printPage(QPrinter *printer)
{
    print(printer);
}

void BrowserView::loadAddress(const QUrl &url, const QString &address)
{
    m_lastAddress = address;
    m_lastUrl = url;
    load(url);
}

void BrowserView::onLoadingChanged(const QWebEngineLoadingInfo &info)
{
    // Only a real failure: a load cut short by the next navigation reports "stopped".
    if (info.status() != QWebEngineLoadingInfo::LoadFailedStatus)
        return;
    if (sameTarget(info.url(), m_lastUrl)) {
        Q_EMIT navigationFailed(m_lastAddress);
        return;
    }
    // A link followed in the page, or a step back in the history.
    const QString path = LocalPageScheme::pathForUrl(info.url());
    Q_EMIT navigationFailed(path.isEmpty() ? info.url().toString() : path);
}
