#include "interaction.h"

#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>

QStringList qtNameFilters(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString &pattern : patterns) {
            if (pattern == QLatin1String("*.*"))
                pattern = QStringLiteral("*");
        }
        filters << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters;
}

namespace {

MessageAnswer showMessage(QWidget *parent, const MessageRequest &request)
{
    QMessageBox box(parent);
    box.setWindowTitle(request.title);
    box.setText(request.text);
    switch (request.icon) {
    case MessageIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MessageIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MessageIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    switch (request.buttons) {
    case MessageButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    default: break;
    }
    // The close box of a Yes/No/Cancel box counts as Cancel.
    return request.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

std::optional<QString> showPrompt(QWidget *parent, const PromptRequest &request)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(parent, request.title, request.label,
                                                 QLineEdit::Normal, request.defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return answer;
}

std::optional<QString> showFileDialog(QWidget *parent, const FileDialogRequest &request,
                                      FileDialogState &state)
{
    QFileDialog dialog(parent);
    const QStringList filters = qtNameFilters(request.filter);
    dialog.setNameFilters(filters);
    if (state.filterIndex >= 0 && state.filterIndex < filters.size())
        dialog.selectNameFilter(filters[state.filterIndex]);
    if (request.mode == FileDialogMode::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // An existing file is replaced without asking, and the name is used as typed.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (!state.fileName.isEmpty())
        dialog.selectFile(state.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    state.fileName = chosen;
    state.filterIndex = int(filters.indexOf(dialog.selectedNameFilter()));
    if (state.filterIndex < 0)
        state.filterIndex = 0;
    return chosen;
}

bool showPrintDialog(QWidget *parent, QPrinter &printer, const PrintDialogRequest &request)
{
    QPrintDialog dialog(&printer, parent);
    // Printing to a file is left out; copies go to the printer driver.
    QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintPageRange
        | QAbstractPrintDialog::PrintShowPageSize;
    if (request.selectionOffered)
        options |= QAbstractPrintDialog::PrintSelection;
    dialog.setOptions(options);
    if (request.selectionOffered)
        dialog.setPrintRange(QAbstractPrintDialog::Selection);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

Interaction qtInteraction()
{
    Interaction interaction;
    interaction.message = showMessage;
    interaction.prompt = showPrompt;
    interaction.fileDialog = showFileDialog;
    interaction.printDialog = showPrintDialog;
    interaction.fontDialog = [](QWidget *parent, const QFont &initial) -> std::optional<QFont> {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, initial, parent);
        if (!ok)
            return std::nullopt;
        return font;
    };
    interaction.colorDialog = [](QWidget *parent, const QColor &initial) -> std::optional<QColor> {
        const QColor color = QColorDialog::getColor(initial, parent);
        if (!color.isValid())
            return std::nullopt;
        return color;
    };
    interaction.runModal = [](QDialog &dialog) { return dialog.exec(); };
    return interaction;
}
