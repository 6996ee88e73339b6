#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <functional>
#include <optional>

class QDialog;
class QPrinter;
class QWidget;

// Every message box, prompt, common dialog and modal window goes through one
// Interaction, so tests can script the answers and read what was asked.

enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };
enum class MessageIcon { None, Information, Warning, Question, Critical };

struct MessageRequest {
    QString title;
    QString text;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
};

struct PromptRequest {
    QString title;
    QString label;
    QString defaultText;
};

enum class FileDialogMode { Open, Save };

// What the one file dialog keeps from one showing to the next: the file name and the
// filter position chosen last.
struct FileDialogState {
    QString fileName;
    int filterIndex = 0; // 0-based position in the filter list
};

struct FileDialogRequest {
    FileDialogMode mode = FileDialogMode::Open;
    QString filter; // "description|pattern|description|pattern..."
};

struct PrintDialogRequest {
    bool selectionOffered = false;
};

struct Interaction {
    std::function<MessageAnswer(QWidget *parent, const MessageRequest &)> message;
    // nullopt when cancelled
    std::function<std::optional<QString>(QWidget *parent, const PromptRequest &)> prompt;
    // The chosen path, nullopt when cancelled; the state is updated on confirmation.
    std::function<std::optional<QString>(QWidget *parent, const FileDialogRequest &, FileDialogState &)> fileDialog;
    // true when confirmed; the printer is set up by the dialog.
    std::function<bool(QWidget *parent, QPrinter &, const PrintDialogRequest &)> printDialog;
    std::function<std::optional<QFont>(QWidget *parent, const QFont &initial)> fontDialog;
    std::function<std::optional<QColor>(QWidget *parent, const QColor &initial)> colorDialog;
    // Shows a modal window and returns its result code.
    std::function<int(QDialog &)> runModal;
};

// The real dialogs.
Interaction qtInteraction();

// "HTMLファイル|*.htm;*.html|..." as Qt name filters ("HTMLファイル (*.htm *.html)", ...).
// "*.*" means every file, also those without an extension.
QStringList qtNameFilters(const QString &filter);
