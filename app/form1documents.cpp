// The main window's document commands: New, Open, Save, Save As, the recent files,
// paste from file, another copy of the program, and the unsaved-changes question.
#include "form1.h"

#include "documentfilters.h"
#include "palettecaptions.h"
#include "pathrules.h"
#include "recentfiles.h"
#include "rtfreader.h"
#include "sourceeditor.h"
#include "textfile.h"
#include "windowtitle.h"

#include <QFile>
#include <QMenu>
#include <QProcess>

namespace {
const QString overwriteQuestion = QStringLiteral("内容が変更されています。上書き保存しますか？");
}

std::optional<QString> Form1::askForFile(FileDialogMode mode, const QString &filter)
{
    // One dialog state for all of them: the last name and filter carry over.
    FileDialogRequest request;
    request.mode = mode;
    request.filter = filter;
    return m_interaction.fileDialog(this, request, CommonDialog1);
}

void Form1::showMessage(const QString &text, MessageIcon icon)
{
    MessageRequest request;
    request.title = QStringLiteral("Velquin");
    request.text = text;
    request.icon = icon;
    m_interaction.message(this, request);
}

bool Form1::AskToSave(const QString &question)
{
    if (PreviewFile.isEmpty())
        return true;
    // Asked again until the file holds the text, or the user says No or Cancel:
    // a cancelled Save As or a failed write must not lose the changes.
    while (ReadTextFile(Program.DocumentPath) != Text2->text()) {
        MessageRequest request;
        request.title = QStringLiteral("保存する?");
        request.text = question;
        request.buttons = MessageButtons::YesNoCancel;
        request.icon = MessageIcon::Question;
        const MessageAnswer answer = m_interaction.message(this, request);
        if (answer == MessageAnswer::Cancel)
            return false;
        if (answer == MessageAnswer::No)
            break;
        fileSa();
    }
    QFile::remove(PreviewFile);
    return true;
}

void Form1::LoadDocumentText(const QString &path)
{
    const TextFileContent content = readTextFileContent(path);
    DocumentEncoding = content.encoding;
    // Setting the whole text also drops any marking of the previous text, and leaves the
    // caret at the start with nothing selected.
    Text2->setText(content.text);
}

void Form1::FileNew()
{
    if (!AskToSave(overwriteQuestion))
        return;
    Program.DocumentPath = ProgramFolderFile(m_programFolder, QStringLiteral("tmp.htm"), nativePathStyle());
    PreviewFile = Program.DocumentPath + QStringLiteral("$.tmp");
    LoadDocumentText(Program.DocumentPath);
    setWindowTitle(untitledWindowTitle());
    RefreshPreview(PreviewTrigger::Document);
}

void Form1::openDocument(const QString &path, const QString &title)
{
    PreviewFile = path + QStringLiteral("$.tmp");
    Program.DocumentPath = path;
    LoadDocumentText(path);
    setWindowTitle(title);
    RefreshPreview(PreviewTrigger::Document);
    addRecentFile(path);
}

void Form1::FileOpen()
{
    const std::optional<QString> chosen = askForFile(FileDialogMode::Open, openFilter);
    if (!chosen || !AskToSave(overwriteQuestion))
        return;
    openDocument(*chosen, windowTitleFor(fileNameOfPath(*chosen, nativePathStyle())));
}

void Form1::openRecentFile(int n)
{
    if (n < 1 || n > RecentFiles.size())
        return;
    const QString path = RecentFiles[n - 1];
    if (!AskToSave(overwriteQuestion))
        return;
    openDocument(path, windowTitleFor(path));
}

bool Form1::writeDocument(const QString &path)
{
    TextEncoding encoding = DocumentEncoding;
    const QString text = Text2->text();
    if (!canEncode(text, encoding)) {
        MessageRequest request;
        request.title = QStringLiteral("Velquin");
        request.text = QStringLiteral("この文書には %1 で表せない文字が含まれています。\nUTF-8 で保存しますか？")
                           .arg(encodingDisplayName(encoding));
        request.buttons = MessageButtons::YesNo;
        request.icon = MessageIcon::Warning;
        if (m_interaction.message(this, request) != MessageAnswer::Yes)
            return false;
        encoding = TextEncoding::System;
    }
    if (!WriteTextFile(path, text, encoding)) {
        showMessage(QStringLiteral("ファイルに保存できませんでした。\n") + path, MessageIcon::Critical);
        return false;
    }
    DocumentEncoding = encoding;
    return true;
}

bool Form1::fileSa()
{
    if (isUntitledDocumentPath(Program.DocumentPath, m_programFolder, nativePathStyle()))
        return FileName();
    return writeDocument(Program.DocumentPath);
}

bool Form1::FileName()
{
    const std::optional<QString> chosen = askForFile(FileDialogMode::Save, openFilter);
    if (!chosen || !writeDocument(*chosen))
        return false;
    const QString newPreviewFile = *chosen + QStringLiteral("$.tmp");
    // The old name's preview file is ours; do not leave it behind.
    if (newPreviewFile != PreviewFile)
        QFile::remove(PreviewFile);
    PreviewFile = newPreviewFile;
    Program.DocumentPath = *chosen;
    setWindowTitle(windowTitleFor(fileNameOfPath(*chosen, nativePathStyle())));
    if (RefreshPreview(PreviewTrigger::Document))
        addRecentFile(Program.DocumentPath);
    return true;
}

void Form1::FilePaste()
{
    const std::optional<QString> chosen = askForFile(FileDialogMode::Open, pasteFilter);
    if (!chosen)
        return;
    Text2->setSelText(ReadTextFile(*chosen));
}

void Form1::FilePasteRTF()
{
    const std::optional<QString> chosen = askForFile(FileDialogMode::Open, pasteRtfFilter);
    if (!chosen)
        return;
    Text2->setSelRichText(readRichText(ReadTextFile(*chosen), DocumentEncoding));
}

void Form1::FileShell()
{
    QProcess process;
    process.setProgram(m_executablePath);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VELQUIN_START_MINIMIZED"), QStringLiteral("1"));
    process.setProcessEnvironment(environment);
    if (!process.startDetached())
        showMessage(QStringLiteral("Velquin をもう一つ起動できませんでした。\n") + m_executablePath, MessageIcon::Critical);
}

void Form1::addRecentFile(const QString &path)
{
    AddRecentFile(RecentFiles, path);
    rebuildRecentMenu();
}

void Form1::rebuildRecentMenu()
{
    qDeleteAll(fileSaikin);
    fileSaikin.clear();
    RecentCount = qint16(RecentFiles.size());
    for (int n = 1; n <= RecentFiles.size(); ++n) {
        auto *entry = new QAction(literalCaption(RecentFiles[n - 1]), menu.mmFile);
        entry->setObjectName(QStringLiteral("fileSaikin(%1)").arg(n));
        connect(entry, &QAction::triggered, this, [this, n] { openRecentFile(n); });
        menu.mmFile->insertAction(menu.recentEnd, entry);
        fileSaikin << entry;
    }
}
