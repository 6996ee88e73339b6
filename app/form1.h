#pragma once

#include "interaction.h"
#include "mainmenu.h"
#include "previewrefresh.h"
#include "programstate.h"
#include "storedsettings.h"
#include "tagmenus.h"
#include "tagpalette.h"
#include "tagtables.h"
#include "textencoding.h"
#include "undohistory.h"

#include <QMainWindow>
#include <QStringList>

#include <optional>

class BrowserView;
class QCheckBox;
class QPrinter;
class QPushButton;
class QScrollBar;
class QTabWidget;
class SettingsStore;
class SourceEditor;
class frmSplash;

// The main window: the source editor on the left, the preview on the right, the tag
// palette above them.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    Form1(Interaction interaction, SettingsStore &settings, QString programFolder, QWidget *parent = nullptr);
    ~Form1() override;

    // The start-up sequence; the argument is the whole command-line text, if any.
    void load(const std::optional<QString> &commandLine);
    // The window comes up minimised (a copy started from the File menu).
    void setStartMinimized(bool minimized) { m_startMinimized = minimized; }
    // The program Start another copy runs; the running executable unless set.
    void setExecutablePath(const QString &path) { m_executablePath = path; }

    // Controls, by the names the rest of the program knows them by.
    SourceEditor *Text2 = nullptr;
    BrowserView *WebBrowser1 = nullptr;
    QScrollBar *HScroll1 = nullptr;
    QTabWidget *SSTab1 = nullptr;
    QPushButton *Command7 = nullptr;
    QCheckBox *Check1 = nullptr;
    QCheckBox *Check2 = nullptr;
    TagPalette Palette;
    MainMenu menu;
    TagMenus tagMenus; // TagSyu, TagTan
    QList<QAction *> fileSaikin; // the recent-file entries 1 to RecentCount

    ProgramState Program;

    // Main-window variables.
    bool RealTimePreview = false;
    QString PreviewFile;
    qint16 RecentCount = 0;
    TagTables Tags;
    UndoHistory History; // RedoText, SuppressSnapshot and MemoryUndoBuffer live here

    // Captions of the recent-file entries, newest first.
    QStringList RecentFiles;
    CustomTagTexts CustomTags;
    // The encoding the document was read in; Save writes it back in the same one.
    TextEncoding DocumentEncoding = TextEncoding::System;
    FileDialogState CommonDialog1;

    QString programFolder() const { return m_programFolder; }

    bool RefreshPreview(PreviewTrigger trigger);
    // The unsaved-changes question; false when the user cancelled.
    bool AskToSave(const QString &question);
    void LoadDocumentText(const QString &path);
    void LayoutMainWindow();

    // File and Edit menu commands.
    void FileNew();
    void FileOpen();
    bool fileSa();   // true when the document was written
    bool FileName(); // true when the document was written
    void FilePaste();
    void FilePasteRTF();
    void FileShell();
    void openRecentFile(int n); // entry n, 1 is the newest
    bool ShowPrintDialog(QPrinter &printer);
    void PrintText();
    void PrintBrowse();
    void EditUndo();
    void EditRedo();

Q_SIGNALS:
    // A start-up step's progress message, as the splash window shows it.
    void startupProgress(const QString &message);
    // The shutdown sequence has run; the program ends.
    void programEnded();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void connectMenus();
    void connectPickerButtons();
    void splashMessage(const QString &message, bool pump);
    void Text2_Change();
    bool writeDocument(const QString &path);
    void openDocument(const QString &path, const QString &title);
    void rebuildRecentMenu();
    void addRecentFile(const QString &path);
    void updateUndoItems();
    void readCustomBoxes();
    void showCustomBoxes();
    void showMessage(const QString &text, MessageIcon icon);
    std::optional<QString> askForFile(FileDialogMode mode, const QString &filter);

    Interaction m_interaction;
    SettingsStore &m_settings;
    QString m_programFolder;
    QString m_executablePath;
    bool m_startMinimized = false;
    frmSplash *m_splash = nullptr;
    QWidget *m_client = nullptr;
};
