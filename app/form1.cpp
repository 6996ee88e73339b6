#include "form1.h"

#include "browserview.h"
#include "frmsplash.h"
#include "mainwindowlayout.h"
#include "pathrules.h"
#include "settingsstore.h"
#include "sourceeditor.h"
#include "tagbars.h"
#include "custombuttons.h"
#include "elementbuttons.h"
#include "tagbuttons.h"
#include "textfile.h"
#include "windowtitle.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>

namespace {
const QString shutdownQuestionText = QStringLiteral("内容が変更されています。保存しますか？");

QRect twipsRect(double left, double top, double width, double height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}
}

Form1::Form1(Interaction interaction, SettingsStore &settings, QString programFolder, QWidget *parent)
    : QMainWindow(parent)
    , m_interaction(std::move(interaction))
    , m_settings(settings)
    , m_programFolder(std::move(programFolder))
    , m_executablePath(QCoreApplication::applicationFilePath())
{
    setObjectName(QStringLiteral("Form1"));
    History.historyFolder = chooseHistoryFolder(m_programFolder);
    createControls();
    connectMenus();
    connectPickerButtons();
    // Design size of the client area: 9420 x 8280 twips.
    resize(twipsToPixels(9420), twipsToPixels(8280) + menuBar()->sizeHint().height());
}

Form1::~Form1()
{
    delete m_splash;
}

void Form1::createControls()
{
    m_client = new QWidget(this);
    setCentralWidget(m_client);

    SSTab1 = new QTabWidget(m_client);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setGeometry(twipsRect(0, 0, 9375, 1065));
    Palette = BuildTagPalette(SSTab1, m_client);
    // The attribute bars fill the band between the tabs and the editor, left of the
    // two check boxes.
    Palette.bars->move(0, twipsToPixels(1065));

    Check1 = new QCheckBox(QStringLiteral("リアルタイムで表示"), m_client);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(twipsRect(5400, 1080, 3900, 225));
    Check2 = new QCheckBox(QStringLiteral("高速表示（サイズ制限・画像無）"), m_client);
    Check2->setObjectName(QStringLiteral("Check2"));
    Check2->setGeometry(twipsRect(5400, 1305, 3900, 225));

    // The divider lies behind both panes, wider than the window, so only the gap between
    // them shows it.
    HScroll1 = new QScrollBar(Qt::Horizontal, m_client);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setRange(1, 24);
    HScroll1->setSingleStep(1);
    HScroll1->setPageStep(1);
    HScroll1->setValue(12);
    HScroll1->setCursor(Qt::SizeHorCursor);
    HScroll1->setGeometry(twipsRect(-200, 1560, 8535, 3555));
    HScroll1->installEventFilter(this);

    Text2 = new SourceEditor(m_client);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setGeometry(twipsRect(0, 1560, 3315, 3075));

    WebBrowser1 = new BrowserView(m_client);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setGeometry(twipsRect(3960, 1560, 4455, 2775));

    Command7 = new QPushButton(QStringLiteral("表示(F4)↑"), m_client);
    Command7->setObjectName(QStringLiteral("Command7"));
    Command7->setGeometry(twipsRect(4080, 3840, 1095, 315));
    Command7->raise();

    connect(Text2, &SourceEditor::changed, this, &Form1::Text2_Change);
    // The flag follows the clicks, not the box.
    connect(Check1, &QCheckBox::clicked, this, [this] { RealTimePreview = !RealTimePreview; });
    connect(Command7, &QPushButton::clicked, this, [this] { RefreshPreview(PreviewTrigger::Command); });
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { LayoutMainWindow(); });
}

void Form1::connectMenus()
{
    menu = buildMainMenu(menuBar());
    connect(menu.FileNew, &QAction::triggered, this, &Form1::FileNew);
    connect(menu.FileOpen, &QAction::triggered, this, &Form1::FileOpen);
    connect(menu.fileSa, &QAction::triggered, this, &Form1::fileSa);
    connect(menu.FileName, &QAction::triggered, this, &Form1::FileName);
    connect(menu.PrintText, &QAction::triggered, this, &Form1::PrintText);
    connect(menu.PrintBrowse, &QAction::triggered, this, &Form1::PrintBrowse);
    connect(menu.FileShell, &QAction::triggered, this, &Form1::FileShell);
    connect(menu.FileEnd, &QAction::triggered, this, &QWidget::close);
    connect(menu.FilePaste, &QAction::triggered, this, &Form1::FilePaste);
    connect(menu.FilePasteRTF, &QAction::triggered, this, &Form1::FilePasteRTF);
    connect(menu.focustoText, &QAction::triggered, this, [this] { Text2->setFocus(); });
    connect(menu.mmKaku, &QAction::triggered, this, [this] { RefreshPreview(PreviewTrigger::Command); });
    connect(menu.mmHensyu, &QMenu::aboutToShow, this, &Form1::updateUndoItems);
    connect(menu.Modosu, &QAction::triggered, this, &Form1::EditUndo);
    connect(menu.ModoYarinao, &QAction::triggered, this, &Form1::EditRedo);
}

void Form1::splashMessage(const QString &message, bool pump)
{
    if (m_splash)
        m_splash->showProgress(message);
    Q_EMIT startupProgress(message);
    if (pump)
        QCoreApplication::processEvents();
}

void Form1::load(const std::optional<QString> &commandLine)
{
    // The splash window comes up first and brings the main window with it.
    m_splash = new frmSplash;
    m_splash->show();
    if (m_startMinimized)
        showMinimized();
    else
        show();
    splashMessage(QStringLiteral("フォームの読み込み中"), false);

    RealTimePreview = false;
    SelectFirstListItems(Palette);
    History.SuppressSnapshot = false;

    splashMessage(QStringLiteral("最近使ったﾌｧｲﾙの読み取り中"), true);
    RecentFiles = readRecentFiles(m_settings);
    rebuildRecentMenu();

    splashMessage(QStringLiteral("ｶｽﾀﾏｲｽﾞﾀｸﾞの読み取り中"), false);
    CustomTags = readCustomTagTexts(m_settings);
    showCustomBoxes();
    Program.UndoMode = readUndoMode(m_settings);

    splashMessage(QStringLiteral("ﾀｸﾞの定義中"), true);
    FillTagTables(Tags);
    ConnectTagButtons(Palette, *Text2, Tags);
    ConnectElementButtons(Palette, *Text2, m_interaction, this);
    ConnectCustomButtons(Palette, *Text2);
    tagMenus = FillTagMenus(menu.tSyu, menu.tTan, Tags, *Text2);

    LayoutMainWindow();

    if (commandLine) {
        splashMessage(QStringLiteral("ｺﾏﾝﾄﾞﾌｧｲﾙの読み取り中"), true);
        PreviewFile = *commandLine + QStringLiteral("$.tmp");
        Program.DocumentPath = *commandLine;
        const TextFileContent content = readTextFileContent(Program.DocumentPath);
        DocumentEncoding = content.encoding;
        Text2->setText(content.text);
        setWindowTitle(windowTitleFor(*commandLine));
        RefreshPreview(PreviewTrigger::Command);
    } else {
        splashMessage(QStringLiteral("空のﾌｧｲﾙを作成中"), true);
        Program.DocumentPath = ProgramFolderFile(m_programFolder, QStringLiteral("tmp.htm"), nativePathStyle());
        PreviewFile = Program.DocumentPath + QStringLiteral("$.tmp");
        const TextFileContent content = readTextFileContent(Program.DocumentPath);
        DocumentEncoding = content.encoding;
        Text2->setText(content.text);
        setWindowTitle(untitledWindowTitle());
        RefreshPreview(PreviewTrigger::Command);
        if (!History.historyFolder.isEmpty())
            WriteTextFile(historyFilePath(History, 0), Text2->text(), TextEncoding::System, Unencodable::Refuse,
                          FileSync::Fast);
    }
    // Until the Edit menu first opens, its items already say what Ctrl+Z would do.
    updateUndoItems();

    splashMessage(QString(), true);
    m_splash->close();
    m_splash->deleteLater();
    m_splash = nullptr;
}

void Form1::Text2_Change()
{
    if (RealTimePreview)
        RefreshPreview(PreviewTrigger::Change);
    TakeSnapshot(History, Program.UndoMode, Text2->text());
}

void Form1::updateUndoItems()
{
    menu.Modosu->setEnabled(undoEnabled(History, Program.UndoMode));
    menu.ModoYarinao->setEnabled(redoEnabled(History, Program.UndoMode));
}

void Form1::EditUndo()
{
    Text2->setText(Undo(History, Program.UndoMode, Text2->text()));
}

void Form1::EditRedo()
{
    Redo(History, [this](const QString &text) { Text2->setText(text); });
}

void Form1::showCustomBoxes()
{
    Palette.Text1[0]->setText(CustomTags.pair0Open);
    Palette.Text3[0]->setText(CustomTags.pair0Close);
    Palette.Text1[1]->setText(CustomTags.pair1Open);
    Palette.Text3[1]->setText(CustomTags.pair1Close);
    Palette.Text4->setText(CustomTags.single);
}

void Form1::readCustomBoxes()
{
    CustomTags.pair0Open = Palette.Text1[0]->text();
    CustomTags.pair0Close = Palette.Text3[0]->text();
    CustomTags.pair1Open = Palette.Text1[1]->text();
    CustomTags.pair1Close = Palette.Text3[1]->text();
    CustomTags.single = Palette.Text4->text();
}

bool Form1::RefreshPreview(PreviewTrigger trigger)
{
    PreviewSource source;
    source.text = Text2->text();
    source.previewFile = PreviewFile;
    source.encoding = DocumentEncoding;
    source.addressRoute = Check2->isChecked();
    return ::RefreshPreview(*WebBrowser1, source, trigger);
}

void Form1::closeEvent(QCloseEvent *event)
{
    if (!AskToSave(shutdownQuestionText)) {
        event->ignore();
        return;
    }
    deleteHistoryFiles(History);
    readCustomBoxes();
    StoredSettings stored;
    stored.recentFiles = RecentFiles;
    stored.customTags = CustomTags;
    stored.undoMode = Program.UndoMode;
    writeStoredSettings(m_settings, stored);
    event->accept();
    Q_EMIT programEnded();
}

void Form1::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    LayoutMainWindow();
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    // The divider never keeps the focus: it goes on to the editor.
    if (watched == HScroll1 && event->type() == QEvent::FocusIn)
        Text2->setFocus();
    return QMainWindow::eventFilter(watched, event);
}

void Form1::LayoutMainWindow()
{
    if (!m_client || !Text2)
        return;
    MainWindowLayoutInput input;
    input.clientWidth = m_client->width() * 15.0;
    input.clientHeight = m_client->height() * 15.0;
    input.editorLeft = Text2->x() * 15.0;
    input.editorTop = Text2->y() * 15.0;
    input.previewTop = WebBrowser1->y() * 15.0;
    input.buttonHeight = Command7->height() * 15.0;
    input.dividerValue = HScroll1->value();
    const std::optional<MainWindowLayout> layout = ::LayoutMainWindow(input);
    if (!layout)
        return;
    WebBrowser1->setGeometry(twipsToPixels(layout->previewLeft), WebBrowser1->y(),
                             twipsToPixels(layout->previewWidth), twipsToPixels(layout->previewHeight));
    Text2->resize(twipsToPixels(layout->editorWidth), twipsToPixels(layout->editorHeight));
    Command7->move(twipsToPixels(layout->buttonLeft), twipsToPixels(layout->buttonTop));
    HScroll1->resize(twipsToPixels(layout->dividerWidth), twipsToPixels(layout->dividerHeight));
    SSTab1->resize(twipsToPixels(layout->paletteWidth), SSTab1->height());
}
