#include "previewrefresh.h"

#include "browserview.h"
#include "textfile.h"

#include <QCoreApplication>

QString previewAddress(const QString &text)
{
    if (text.isEmpty())
        return QStringLiteral("about:blank");
    return QStringLiteral("about:") + text;
}

bool RefreshPreview(BrowserView &browser, const PreviewSource &source, PreviewTrigger trigger)
{
    if (source.addressRoute) {
        browser.navigate(previewAddress(source.text));
        return true;
    }
    // Characters the document's encoding cannot hold still show in the page.
    const Unencodable policy = Unencodable::AsCharacterReference;
    const QByteArray charset = charsetName(source.encoding);
    // The preview file is rewritten on every keystroke and is worthless after a crash:
    // no flush to the disk.
    if (WriteTextFile(source.previewFile, source.text, source.encoding, policy, FileSync::Fast)) {
        browser.navigateFile(source.previewFile, charset);
        QCoreApplication::processEvents();
        return true;
    }
    if (trigger == PreviewTrigger::Command) {
        const EncodedText page = encodeText(source.text + QStringLiteral("\r\n"), source.encoding, policy);
        browser.navigateFileContent(source.previewFile, page.bytes, charset);
        QCoreApplication::processEvents();
    }
    return false;
}
