#include "pathfrm.h"

#include "browserview.h"
#include "filelisting.h"
#include "filepreview.h"
#include "sizeline.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

constexpr QSize previewSize(320, 240);

QLabel *plainLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText); // folder names are no markup
    return label;
}

QRadioButton *option(const QString &name, const QString &caption, QWidget *parent)
{
    auto *button = new QRadioButton(caption, parent);
    button->setObjectName(name);
    return button;
}

// A button caption shows "&" as a mnemonic unless it is doubled.
QString captionOf(QString text)
{
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

PathFrm::PathFrm(const QString &documentPath, const QString &workingFolder, QString &chosenPath, QWidget *parent)
    : QDialog(parent), m_chosenPath(chosenPath), m_style(nativePathStyle()), m_pattern(filePatternOf(0))
{
    setObjectName(QStringLiteral("PathFrm"));
    setWindowTitle(QStringLiteral("パス名"));
    buildControls();

    m_folders = chooserFoldersOf(absoluteDocumentPath(documentPath, workingFolder, m_style), m_style);
    // Nothing is selected yet; the size line shows the folder's first file.
    File1->setEnabled(pointFileList(listFolderOf(m_folders.current, m_style)));
    Label2->setText(currentFolderLine(m_folders));
    Label5->setText(upperFolderLine(m_folders));
    Label6->setText(File1->count() > 0 ? sizeLineOfFile(joinFolder(m_listFolder, File1->item(0)->text(), m_style))
                                       : QString());
    if (!m_folders.hasUpper) {
        Option3->setEnabled(false);
        Option4->setEnabled(false);
    }
    setLink(initialLinkText());
}

void PathFrm::buildControls()
{
    Option1 = option(QStringLiteral("Option1"), QStringLiteral("同じﾃﾞｨﾚｸﾄﾘ内　　  ﾌｧｲﾙ名："), this);
    Option2 = option(QStringLiteral("Option2"), QStringLiteral("下層ﾃﾞｨﾚｸﾄﾘ内　ﾃﾞｨﾚｸﾄﾘ名："), this);
    Option3 = option(QStringLiteral("Option3"), QStringLiteral("上層ﾃﾞｨﾚｸﾄﾘ内　　 ﾌｧｲﾙ名："), this);
    Option4 = option(QStringLiteral("Option4"), QStringLiteral("同階層ﾃﾞｨﾚｸﾄﾘ内 ﾃﾞｨﾚｸﾄﾘ名："), this);
    Option5 = option(QStringLiteral("Option5"), QStringLiteral("絶対パス"), this);
    Option1->setChecked(true);
    auto *relations = new QButtonGroup(this);
    for (QRadioButton *button : {Option1, Option2, Option3, Option4, Option5}) {
        relations->addButton(button);
        connect(button, &QRadioButton::clicked, this, &PathFrm::recompute);
    }
    for (int i = 0; i < linkBoxCount; ++i) {
        Text[i] = new QLineEdit(this);
        Text[i]->setObjectName(QStringLiteral("Text%1").arg(i + 1));
        connect(Text[i], &QLineEdit::textChanged, this, &PathFrm::recompute);
    }
    Label1 = plainLabel(QStringLiteral("Label1"), QStringLiteral("ﾌｧｲﾙ名："), this);
    Label3 = plainLabel(QStringLiteral("Label3"), QStringLiteral("ﾌｧｲﾙ名："), this);

    File1 = new QListWidget(this);
    File1->setObjectName(QStringLiteral("File1"));
    connect(File1, &QListWidget::currentRowChanged, this, &PathFrm::File1_Click);
    connect(File1, &QListWidget::itemDoubleClicked, this, &PathFrm::File1_DblClick);

    auto *Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto *filterLayout = new QVBoxLayout(Frame1);
    const QString filterCaptions[] = {QStringLiteral("すべてのﾌｧｲﾙ"), QStringLiteral("画像ﾌｧｲﾙ"),
                                      QStringLiteral("HTMLﾌｧｲﾙ")};
    for (int i = 0; i < 3; ++i) {
        Option6[i] = option(QStringLiteral("Option6(%1)").arg(i), filterCaptions[i], Frame1);
        filterLayout->addWidget(Option6[i]);
        connect(Option6[i], &QRadioButton::clicked, this, [this, i] { Option6_Click(i); });
    }
    Option6[0]->setChecked(true);

    Check1 = new QCheckBox(QStringLiteral("プレビュー"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    connect(Check1, &QCheckBox::toggled, this, &PathFrm::Check1_Click);

    PreImg = plainLabel(QStringLiteral("PreImg"), QString(), this);
    PreImg->setAlignment(Qt::AlignCenter);
    PreTxt = new QPlainTextEdit(this);
    PreTxt->setObjectName(QStringLiteral("PreTxt"));
    PreTxt->setReadOnly(true);
    auto *previewBox = new QWidget(this);
    previewBox->setFixedSize(previewSize);
    m_previewArea = new QGridLayout(previewBox);
    m_previewArea->setContentsMargins(0, 0, 0, 0);
    m_previewArea->addWidget(PreImg, 0, 0);
    m_previewArea->addWidget(PreTxt, 0, 0);
    PreImg->setParent(previewBox);
    PreTxt->setParent(previewBox);
    hidePreviews();

    Label2 = plainLabel(QStringLiteral("Label2"), QString(), this);
    Label5 = plainLabel(QStringLiteral("Label5"), QString(), this);
    Label6 = plainLabel(QStringLiteral("Label6"), QString(), this);
    Label4 = plainLabel(QStringLiteral("Label4"),
                        QStringLiteral("ﾌｧｲﾙ一覧からﾀﾞﾌﾞﾙｸﾘｯｸすると、ﾌｧｲﾙ名に入力することが出来ます。"), this);
    Label4->setWordWrap(true);

    Command2 = new QPushButton(this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setMinimumHeight(40);
    Cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    Cancel->setObjectName(QStringLiteral("Cancel"));
    // Enter in a name box must not hand the path over.
    for (QPushButton *button : {Command2, Cancel})
        button->setAutoDefault(false);
    connect(Command2, &QPushButton::clicked, this, &PathFrm::Command2_Click);
    connect(Cancel, &QPushButton::clicked, this, &PathFrm::Cancel_Click);

    auto *names = new QGridLayout;
    names->addWidget(Option1, 0, 0);
    names->addWidget(Text[0], 0, 1, 1, 3);
    names->addWidget(Option2, 1, 0);
    names->addWidget(Text[1], 1, 1);
    names->addWidget(Label1, 1, 2);
    names->addWidget(Text[2], 1, 3);
    names->addWidget(Option3, 2, 0);
    names->addWidget(Text[3], 2, 1, 1, 3);
    names->addWidget(Option4, 3, 0);
    names->addWidget(Text[4], 3, 1);
    names->addWidget(Label3, 3, 2);
    names->addWidget(Text[5], 3, 3);
    names->addWidget(Option5, 4, 0);
    names->addWidget(Text[6], 4, 1, 1, 3);

    auto *listSide = new QVBoxLayout;
    listSide->addWidget(File1);
    listSide->addWidget(Frame1);
    listSide->addWidget(Label6);
    auto *previewSide = new QVBoxLayout;
    previewSide->addWidget(Check1);
    previewSide->addWidget(previewBox);
    previewSide->addStretch();
    auto *files = new QHBoxLayout;
    files->addLayout(listSide);
    files->addLayout(previewSide);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Command2, 1);
    buttons->addWidget(Cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label2);
    layout->addWidget(Label5);
    layout->addLayout(names);
    layout->addWidget(Label4);
    layout->addLayout(files);
    layout->addLayout(buttons);
}

LinkRelation PathFrm::selectedRelation() const
{
    if (Option2->isChecked())
        return LinkRelation::LowerFolder;
    if (Option3->isChecked())
        return LinkRelation::UpperFolder;
    if (Option4->isChecked())
        return LinkRelation::SiblingFolder;
    if (Option5->isChecked())
        return LinkRelation::Absolute;
    return LinkRelation::SameFolder;
}

void PathFrm::setLink(const QString &link)
{
    m_link = link;
    Command2->setText(captionOf(link));
}

// Shows the folder's files. A folder that cannot be listed leaves the list as it was;
// false also for a folder with no matching file.
bool PathFrm::pointFileList(const QString &folder)
{
    const std::optional<QStringList> files = listFiles(folder, nameFiltersOf(m_pattern));
    if (!files)
        return false;
    m_listFolder = folder;
    const QSignalBlocker quiet(File1);
    File1->clear();
    File1->addItems(*files);
    return !files->isEmpty();
}

void PathFrm::recompute()
{
    const LinkRow row = linkRowFor(selectedRelation(), {Text[0]->text(), Text[1]->text(), Text[2]->text(),
                                                        Text[3]->text(), Text[4]->text(), Text[5]->text(),
                                                        Text[6]->text()},
                                   m_folders, m_style);
    RefreshFileList(row);
    setLink(row.link);
}

void PathFrm::RefreshFileList(const LinkRow &row)
{
    File1->setEnabled(true);
    for (int i = 0; i < linkBoxCount; ++i)
        Text[i]->setEnabled(row.boxEnabled[i]);
    if (row.focusBox >= 0)
        Text[row.focusBox]->setFocus();
    // A missing, unlistable or empty folder only disables the list.
    if (!row.listEnabled || !pointFileList(row.listFolder)) {
        File1->setEnabled(false);
        return;
    }
    {
        const QSignalBlocker quiet(File1);
        File1->setCurrentRow(0);
    }
    File1_Click(); // also when entry 0 was selected already
}

void PathFrm::Option6_Click(int entry)
{
    m_pattern = filePatternOf(entry);
    // The list takes the new pattern at once, even while it is disabled.
    const bool enabled = File1->isEnabled();
    pointFileList(m_listFolder);
    File1->setEnabled(enabled);
    recompute();
}

void PathFrm::File1_Click()
{
    const QListWidgetItem *item = File1->currentItem();
    if (!item)
        return;
    const QString path = joinFolder(m_listFolder, item->text(), m_style);
    Label6->setText(sizeLineOfFile(path));
    if (!Check1->isChecked())
        return;
    hidePreviews();
    switch (previewKindOf(item->text())) {
    case PreviewKind::Page:
        showPage(path);
        break;
    case PreviewKind::Picture:
        showPicture(path);
        break;
    case PreviewKind::Text:
        PreTxt->show();
        PreTxt->setPlainText(textPreviewOf(path));
        break;
    }
}

void PathFrm::File1_DblClick()
{
    const QListWidgetItem *item = File1->currentItem();
    if (item)
        Text[fileBoxOf(selectedRelation())]->setText(item->text());
}

void PathFrm::Check1_Click()
{
    if (Check1->isChecked())
        File1_Click();
    else
        hidePreviews();
}

void PathFrm::hidePreviews()
{
    PreImg->hide();
    PreTxt->hide();
    if (PreWeb)
        PreWeb->hide();
}

void PathFrm::showPicture(const QString &path)
{
    PreImg->show();
    const QImage picture = previewPictureOf(path);
    if (picture.isNull()) {
        PreImg->clear();
        return;
    }
    // Large pictures shrink to the area; small ones keep their size.
    QPixmap pixmap = QPixmap::fromImage(picture);
    if (pixmap.width() > previewSize.width() || pixmap.height() > previewSize.height())
        pixmap = pixmap.scaled(previewSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    PreImg->setPixmap(pixmap);
}

void PathFrm::showPage(const QString &path)
{
    if (!PreWeb) {
        PreWeb = new BrowserView(m_previewArea->parentWidget());
        PreWeb->setObjectName(QStringLiteral("PreWeb"));
        m_previewArea->addWidget(PreWeb, 0, 0);
    }
    PreWeb->show();
    PreWeb->navigateFile(path, pageCharsetOf(path));
}

void PathFrm::Command2_Click()
{
    m_chosenPath = m_link;
    accept();
}

void PathFrm::Cancel_Click()
{
    m_chosenPath = QString();
    reject();
}

void openPathChooser(const Interaction &interaction, QWidget *parent, const QString &documentPath,
                     QString &chosenPath)
{
    PathFrm dialog(documentPath, QDir::toNativeSeparators(QDir::currentPath()), chosenPath, parent);
    interaction.runModal(dialog);
}
