#pragma once

#include "interaction.h"

#include <QDialog>
#include <QList>
#include <QString>

#include <array>
#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class SourceEditor;

// One row of the tag definition dialog: a selector and its declarations.
struct TagRuleRow {
    bool ticked = false;
    QString selector;
    QString declarations;
};

// <style type="text/css"> CRLF, then selector{declarations} CRLF for each ticked row in
// order, then </style>. Texts go in unchanged; a ticked row with empty boxes is written.
QString styleBlock(const std::array<TagRuleRow, 3> &rows);

// A style value as the style sheet dialog leaves it, quoted, becomes the declarations
// of a rule without its quotes: a rule body in quotes would not be CSS.
QString declarationsOfStyleValue(const QString &styleValue);

// The tag definition dialog ("<Style>"): up to three rules, "OK" inserts the block into
// the editor. It has no Cancel; its close box inserts nothing.
class TagFrm : public QDialog {
    Q_OBJECT
public:
    // browseStyle shows the style sheet dialog over the given window and returns the
    // style value it left.
    TagFrm(SourceEditor &editor, std::function<QString(QWidget *over)> browseStyle, QWidget *parent = nullptr);

    std::array<TagRuleRow, 3> rows() const;

    QList<QCheckBox *> Check1;
    QList<QLineEdit *> Text1;
    QList<QLineEdit *> Text2;
    QList<QPushButton *> Command1;
    QPushButton *Command2 = nullptr;

private:
    SourceEditor &m_editor;
    std::function<QString(QWidget *over)> m_browseStyle;
};

// Shows a fresh tag definition dialog modally over parent.
void openTagDefinition(const Interaction &interaction, QWidget *parent, SourceEditor &editor,
                       std::function<QString(QWidget *over)> browseStyle);
