#pragma once

#include "interaction.h"
#include "linkpathrules.h"

#include <QDialog>
#include <QString>

#include <array>

class BrowserView;
class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// The link path chooser: the user says where the target lies as seen from the
// document's folder and types or double-clicks the names; the result button shows the
// link and hands it over. It inserts nothing. Only its two buttons write the chosen
// path: the result button writes the link, キャンセル the empty text; the close box and
// Esc leave it as it was.
class PathFrm : public QDialog {
    Q_OBJECT
public:
    // A relative document path is read from workingFolder.
    PathFrm(const QString &documentPath, const QString &workingFolder, QString &chosenPath,
            QWidget *parent = nullptr);

    QRadioButton *Option1;
    QRadioButton *Option2;
    QRadioButton *Option3;
    QRadioButton *Option4;
    QRadioButton *Option5;
    std::array<QLineEdit *, linkBoxCount> Text; // Text1 to Text7
    QLabel *Label1;
    QLabel *Label3;
    QListWidget *File1;
    std::array<QRadioButton *, 3> Option6;
    QCheckBox *Check1;
    BrowserView *PreWeb = nullptr; // the web engine starts only when a page is previewed
    QLabel *PreImg;
    QPlainTextEdit *PreTxt;
    QLabel *Label2;
    QLabel *Label5;
    QLabel *Label6;
    QLabel *Label4;
    QPushButton *Command2;
    QPushButton *Cancel;

    // The link the result button shows (its caption with "&" doubled for display).
    QString link() const { return m_link; }

private:
    void buildControls();
    LinkRelation selectedRelation() const;
    void setLink(const QString &link);
    bool pointFileList(const QString &folder);
    void recompute();
    void RefreshFileList(const LinkRow &row);
    void Option6_Click(int entry);
    void File1_Click();
    void File1_DblClick();
    void Check1_Click();
    void hidePreviews();
    void showPicture(const QString &path);
    void showPage(const QString &path);
    void Command2_Click();
    void Cancel_Click();

    QString &m_chosenPath;
    PathStyle m_style;
    ChooserFolders m_folders;
    QString m_link;
    QString m_listFolder; // the folder File1 shows
    QString m_pattern;
    QGridLayout *m_previewArea = nullptr;
};

// Shows a fresh link path chooser modally over parent for the document at documentPath.
// chosenPath changes only when one of the chooser's two buttons is pressed.
void openPathChooser(const Interaction &interaction, QWidget *parent, const QString &documentPath,
                     QString &chosenPath);
