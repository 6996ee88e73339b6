#pragma once

#include "textencoding.h"

#include <QString>

class BrowserView;

// Who asks for the refresh decides what a preview file that cannot be written means.
enum class PreviewTrigger {
    Command,  // F4, the button under the preview, start-up: show the text anyway
    Change,   // a change of the editor text in real-time mode
    Document  // New, Open, Save As, a recent file
};

struct PreviewSource {
    QString text;          // the whole editor text
    QString previewFile;   // the document path followed by "$.tmp"
    TextEncoding encoding = TextEncoding::System; // the document's encoding
    bool addressRoute = false; // fast display: the text goes in the address, no file
};

// "about:" followed by the text, or "about:blank" for an empty text.
QString previewAddress(const QString &text);

// Puts the text into the browser. Returns false when the preview file could not be
// written; a Command refresh then still shows the text, served from memory at the
// preview file's address so relative addresses resolve from the document's folder.
bool RefreshPreview(BrowserView &browser, const PreviewSource &source, PreviewTrigger trigger);
