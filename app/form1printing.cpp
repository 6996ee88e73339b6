// Printing the editor's text and the preview page.
#include "form1.h"

#include "browserview.h"
#include "sourceeditor.h"

#include <QPrinter>

bool Form1::ShowPrintDialog(QPrinter &printer)
{
    PrintDialogRequest request;
    request.selectionOffered = Text2->selLength() != 0;
    if (request.selectionOffered)
        printer.setPrintRange(QPrinter::Selection);
    return m_interaction.printDialog(this, printer, request);
}

void Form1::PrintText()
{
    QPrinter printer(QPrinter::HighResolution);
    if (!ShowPrintDialog(printer))
        return;
    // With nothing selected, or the whole range chosen, the whole text is printed.
    if (Text2->selLength() != 0 && printer.printRange() == QPrinter::Selection)
        Text2->printSelection(&printer);
    else
        Text2->print(&printer);
}

void Form1::PrintBrowse()
{
    auto *printer = new QPrinter(QPrinter::HighResolution);
    PrintDialogRequest request;
    if (!m_interaction.printDialog(this, *printer, request)) {
        delete printer;
        return;
    }
    // The page prints in the background; the printer lives until it is done.
    connect(WebBrowser1, &QWebEngineView::printFinished, this, [printer] { delete printer; },
            Qt::SingleShotConnection);
    WebBrowser1->printPage(printer);
}
