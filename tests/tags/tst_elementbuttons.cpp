#include "custombuttons.h"
#include "elementbuttons.h"
#include "scriptedinteraction.h"
#include "sourceeditor.h"
#include "tagpalette.h"

#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace {

// The prompts of each prompting button, in the order it asks them, with answers that
// let it through.
struct PromptedButton {
    const char *name;
    int tab;
    QStringList answers;
};

const QList<PromptedButton> &promptedButtons()
{
    static const QList<PromptedButton> buttons{
        {"Command27", 4, {"n"}},         {"Command11", 6, {"mailto:"}}, {"Command12", 6, {"n"}},
        {"Command13", 6, {"n", "v"}},    {"Command14", 6, {"c"}},       {"Command15", 6, {"c"}},
        {"Command16", 6, {"n", "5", "40"}}, {"Command17", 6, {"n"}},    {"Command18", 6, {"i"}},
        {"Command19", 6, {"n", "20"}},
    };
    return buttons;
}

} // namespace

// The palette with its element and customise buttons connected, an editor beside it and
// the prompts scripted. Before each click "xyz" is in the editor with "y" selected (or
// the caret before it) and the focus is on the tab control, so a click that leaves the
// focus elsewhere shows.
class TestElementButtons : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QWidget> window;
    SourceEditor *editor = nullptr;
    TagPalette palette;
    ScriptedInteraction scripted;
    std::unique_ptr<QSignalSpy> changes;

    template <typename T>
    T *named(const QString &name)
    {
        const QList<T *> found = window->findChildren<T *>(name);
        return found.size() == 1 ? found.first() : nullptr;
    }

    void prepare(int tab, int selectionLength)
    {
        palette.SSTab1->setCurrentIndex(tab - 1);
        QCoreApplication::processEvents();
        editor->setText(QStringLiteral("xyz"));
        editor->setSelStart(1);
        editor->setSelLength(selectionLength);
        palette.SSTab1->setFocus();
        scripted.clear();
        changes = std::make_unique<QSignalSpy>(editor, &SourceEditor::changed);
    }

    void click(const QString &name)
    {
        QPushButton *button = named<QPushButton>(name);
        QVERIFY2(button, qPrintable(name));
        QVERIFY2(button->isVisible() && button->isEnabled(), qPrintable(name));
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // One insertion, the caret right after it, nothing selected, the editor focused.
    void verifyInserted(const QString &text, int caret)
    {
        QCOMPARE(editor->text(), text);
        QCOMPARE(editor->selStart(), caret);
        QCOMPARE(editor->selLength(), 0);
        QCOMPARE(changes->count(), 1);
        QCOMPARE(window->focusWidget(), editor);
    }

    void setCustomBoxes(const QStringList &texts)
    {
        palette.Text1[0]->setText(texts[0]);
        palette.Text3[0]->setText(texts[1]);
        palette.Text1[1]->setText(texts[2]);
        palette.Text3[1]->setText(texts[3]);
        palette.Text4->setText(texts[4]);
    }

private Q_SLOTS:
    void initTestCase()
    {
        window = std::make_unique<QWidget>();
        window->resize(628, 300);
        auto *tabs = new QTabWidget(window.get());
        tabs->setGeometry(0, 0, 625, 71);
        palette = BuildTagPalette(tabs, window.get());
        palette.bars->move(0, 71);
        editor = new SourceEditor(window.get());
        editor->setGeometry(0, 104, 300, 150);
        SelectFirstListItems(palette);
        ConnectElementButtons(palette, *editor, scripted.interaction(), window.get());
        ConnectCustomButtons(palette, *editor);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void enabled_data();
    void enabled();
    void fromControls_data();
    void fromControls();
    void prompted_data();
    void prompted();
    void stopped_data();
    void stopped();
    void customCaptions_data();
    void customCaptions();
    void customClicks_data();
    void customClicks();
};

void TestElementButtons::enabled_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("live");
    for (const char *name : {"Command2", "Command3", "Command5", "Command36", "Command23", "Command25(0)",
                             "Command25(1)", "Command26"})
        QTest::newRow(name) << QString::fromLatin1(name) << true;
    for (const PromptedButton &button : promptedButtons())
        QTest::newRow(button.name) << QString::fromLatin1(button.name) << true;
    // The dialog buttons are connected elsewhere and stay as they were.
    for (const char *name : {"Command6", "Command10", "Command9", "Command33", "Command38", "Command24"})
        QTest::newRow(name) << QString::fromLatin1(name) << false;
}

void TestElementButtons::enabled()
{
    QFETCH(QString, name);
    QFETCH(bool, live);
    QPushButton *button = named<QPushButton>(name);
    QVERIFY(button);
    QCOMPARE(button->isEnabled(), live);
}

void TestElementButtons::fromControls_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("control"); // a counter or a list; empty: none
    QTest::addColumn<int>("value");       // the counter value set, or the list row (-1: none selected)
    QTest::addColumn<QString>("fragment"); // what replaces the selected "y"
    QTest::newRow("font size 1") << "Command2" << 1 << "VScroll1" << 1 << "<font size=\"1\">y</font>";
    QTest::newRow("font size 3") << "Command2" << 1 << "VScroll1" << 3 << "<font size=\"3\">y</font>";
    QTest::newRow("font size past the top") << "Command2" << 1 << "VScroll1" << 8 << "<font size=\"7\">y</font>";
    QTest::newRow("heading 6") << "Command3" << 1 << "VScroll2" << 6 << "<h6>y</h6>";
    QTest::newRow("heading past the top") << "Command3" << 1 << "VScroll2" << 7 << "<h6>y</h6>";
    QTest::newRow("heading below the bottom") << "Command3" << 1 << "VScroll2" << 0 << "<h1>y</h1>";
    QTest::newRow("paragraph, 指定なし") << "Command5" << 2 << "List1" << 0 << "<p>y</p>";
    QTest::newRow("paragraph, center") << "Command5" << 2 << "List1" << 2 << "<p align=\"center\">y</p>";
    QTest::newRow("paragraph, right") << "Command5" << 2 << "List1" << 3 << "<p align=\"right\">y</p>";
    QTest::newRow("paragraph, nothing selected in the list") << "Command5" << 2 << "List1" << -1 << "<p>y</p>";
    QTest::newRow("clear left") << "Command36" << 2 << "List2" << 0 << "<br clear=\"left\">";
    QTest::newRow("clear all") << "Command36" << 2 << "List2" << 2 << "<br clear=\"all\">";
    QTest::newRow("skeleton") << "Command23" << 3 << "" << 0
                              << "<html>\r\n<head>\r\n<title></title>\r\n</head>\r\n<body>\r\n</body>\r\n</html>";
}

// The control is read at the click; the caret ends after the fragment, not inside it.
void TestElementButtons::fromControls()
{
    QFETCH(QString, button);
    QFETCH(int, tab);
    QFETCH(QString, control);
    QFETCH(int, value);
    QFETCH(QString, fragment);
    if (auto *counter = named<QSpinBox>(control))
        counter->setValue(value);
    if (auto *list = named<QListWidget>(control)) {
        if (value < 0)
            list->clearSelection();
        else
            list->setCurrentRow(value);
    }
    prepare(tab, 1);
    click(button);
    verifyInserted(u'x' + fragment + u'z', 1 + int(fragment.size()));
    QCOMPARE(scripted.asked().size(), 0);
    SelectFirstListItems(palette);
}

void TestElementButtons::prompted_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QStringList>("defaults");
    QTest::addColumn<int>("selectionLength"); // of "y"
    QTest::addColumn<QString>("text");
    const QString name = QStringLiteral("名前を入力して下さい");
    const QString caption = QStringLiteral("キャプションを入力して下さい");
    const QString mail = QStringLiteral("e-mailアドレスを入力して下さい");
    QTest::newRow("link target") << "Command27" << 4 << QStringList{"top"} << QStringList{"名前を入れて下さい"}
                                 << QStringList{""} << 1 << "x<a name=\"top\">y</a>z";
    QTest::newRow("form") << "Command11" << 6 << QStringList{"a@b.jp"} << QStringList{mail}
                          << QStringList{"mailto:"} << 1 << "x<form method=post action=\"mailto:a@b.jp\">y</form>z";
    QTest::newRow("form, default kept") << "Command11" << 6 << QStringList{"mailto:a@b.jp"} << QStringList{mail}
                                        << QStringList{"mailto:"} << 0
                                        << "x<form method=post action=\"mailto:mailto:a@b.jp\"></form>yz";
    QTest::newRow("check box") << "Command12" << 6 << QStringList{"c"} << QStringList{name} << QStringList{""} << 1
                               << "x<input type=Checkbox name=\"c\">z";
    QTest::newRow("radio button") << "Command13" << 6 << QStringList{"n", "v"}
                                  << QStringList{name, "変数名を入力して下さい"} << QStringList{"", ""} << 1
                                  << "x<input type=Radio name=\"n\" value=\"v\" > z";
    QTest::newRow("submit") << "Command14" << 6 << QStringList{"送信"} << QStringList{caption} << QStringList{""}
                            << 1 << "x<input type=Submit value=\"送信\">z";
    QTest::newRow("reset") << "Command15" << 6 << QStringList{" r "} << QStringList{caption} << QStringList{""} << 1
                           << "x<input type=Reset value=\" r \">z";
    const QStringList areaLabels{name, "縦の列の数を入力して下さい", "横の列の数を入力して下さい"};
    QTest::newRow("text area, nothing selected")
        << "Command16" << 6 << QStringList{"t", "5", "40"} << areaLabels << QStringList{"", "", ""} << 0
        << "x<textarea name=\"t\" rows=5 cols=40 > </textarea>yz";
    QTest::newRow("text area around y") << "Command16" << 6 << QStringList{"t", "5", "40"} << areaLabels
                                        << QStringList{"", "", ""} << 1
                                        << "x<textarea name=\"t\" rows=5 cols=40 > y</textarea>z";
    QTest::newRow("select") << "Command17" << 6 << QStringList{"s"} << QStringList{name} << QStringList{""} << 1
                            << "x<select name=\"s\">z";
    QTest::newRow("option") << "Command18" << 6 << QStringList{"i"} << QStringList{"項目名を入力して下さい"}
                            << QStringList{""} << 1 << "x<option=\"i\">z";
    QTest::newRow("text field") << "Command19" << 6 << QStringList{"f", " 20"}
                                << QStringList{name, "サイズを入力して下さい"} << QStringList{"", ""} << 1
                                << "x<input name=\"f\" size= 20 > z";
}

// The prompts come titled "Velquin", in order, with their default texts; the answers go
// in as typed, the caret after the fragment.
void TestElementButtons::prompted()
{
    QFETCH(QString, button);
    QFETCH(int, tab);
    QFETCH(QStringList, answers);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, defaults);
    QFETCH(int, selectionLength);
    QFETCH(QString, text);
    prepare(tab, selectionLength);
    for (const QString &answer : answers)
        scripted.answerPrompt(answer);
    click(button);
    const int after = int(text.size()) - (selectionLength ? 1 : 2);
    verifyInserted(text, after);
    QStringList askedLabels, askedDefaults;
    for (const ScriptedInteraction::Asked &asked : scripted.asked()) {
        QCOMPARE(asked.kind, QStringLiteral("prompt"));
        QCOMPARE(asked.title, QStringLiteral("Velquin"));
        askedLabels << asked.text;
        askedDefaults << asked.defaultText;
    }
    QCOMPARE(askedLabels, labels);
    QCOMPARE(askedDefaults, defaults);
    QVERIFY(scripted.unexpected().isEmpty());
}

void TestElementButtons::stopped_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QStringList>("answers"); // the last one stops the command
    QTest::addColumn<bool>("cancelled");       // else answered empty
    for (const PromptedButton &b : promptedButtons()) {
        for (qsizetype at = 0; at < b.answers.size(); ++at) {
            for (bool cancelled : {true, false}) {
                QTest::addRow("%s, prompt %d %s", b.name, int(at + 1), cancelled ? "cancelled" : "empty")
                    << QString::fromLatin1(b.name) << b.tab << b.answers.mid(0, at + 1) << cancelled;
            }
        }
    }
}

// Cancel or an empty answer at any prompt: the later prompts are not asked, nothing
// changes, and the editor still gets the focus.
void TestElementButtons::stopped()
{
    QFETCH(QString, button);
    QFETCH(int, tab);
    QFETCH(QStringList, answers);
    QFETCH(bool, cancelled);
    prepare(tab, 1);
    for (qsizetype i = 0; i + 1 < answers.size(); ++i)
        scripted.answerPrompt(answers[i]);
    scripted.answerPrompt(cancelled ? std::nullopt : std::optional<QString>(QString()));
    scripted.answerPrompt(QStringLiteral("never asked"));
    click(button);
    QCOMPARE(editor->text(), QStringLiteral("xyz"));
    QCOMPARE(editor->selStart(), 1);
    QCOMPARE(editor->selLength(), 1);
    QCOMPARE(changes->count(), 0);
    QCOMPARE(window->focusWidget(), editor);
    QCOMPARE(scripted.asked().size(), answers.size());
    QCOMPARE(scripted.unusedAnswers(), 1);
}

void TestElementButtons::customCaptions_data()
{
    QTest::addColumn<QStringList>("boxes"); // Text1(0), Text3(0), Text1(1), Text3(1), Text4
    QTest::addColumn<QStringList>("captions"); // Command25(0), Command25(1), Command26
    QTest::newRow("first start") << QStringList{"<html>", "</html>", "<body>", "</body>", "<hr>"}
                                 << QStringList{"<html>?</html>", "<body>?</body>", "<hr>"};
    QTest::newRow("closing of pair 1 cleared") << QStringList{"<html>", "</html>", "<body>", "", "<hr>"}
                                               << QStringList{"<html>?</html>", "<body>?", "<hr>"};
    QTest::newRow("all empty") << QStringList{"", "", "", "", ""} << QStringList{"?", "?", ""};
    QTest::newRow("ampersands") << QStringList{"a&b", "&amp;", "&", "&&", "&nbsp;"}
                                << QStringList{"a&&b?&&amp;", "&&?&&&&", "&&nbsp;"};
}

// Set from code as at start-up, the captions follow; "&" is shown, never an access key.
void TestElementButtons::customCaptions()
{
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, captions);
    setCustomBoxes(boxes);
    const QList<QPushButton *> buttons{palette.Command25[0], palette.Command25[1], palette.Command26};
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        QCOMPARE(buttons[i]->text(), captions[i]);
        QVERIFY(QKeySequence::mnemonic(buttons[i]->text()).isEmpty());
    }
}

void TestElementButtons::customClicks_data()
{
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("selectionLength");
    QTest::addColumn<QString>("text");
    const QStringList defaults{"<html>", "</html>", "<body>", "</body>", "<hr>"};
    QTest::newRow("pair 0, nothing selected") << defaults << "Command25(0)" << 0 << "x<html></html>yz";
    QTest::newRow("pair 0 around y") << defaults << "Command25(0)" << 1 << "x<html>y</html>z";
    QTest::newRow("pair 1 around y") << defaults << "Command25(1)" << 1 << "x<body>y</body>z";
    QTest::newRow("pair 1 without closing text")
        << QStringList{"<html>", "</html>", "<body>", "", "<hr>"} << "Command25(1)" << 1 << "x<body>yz";
    QTest::newRow("single replaces y") << defaults << "Command26" << 1 << "x<hr>z";
    QTest::newRow("empty single deletes y") << QStringList{"<html>", "</html>", "<body>", "</body>", ""}
                                            << "Command26" << 1 << "xz";
    QTest::newRow("any text") << QStringList{"[[", "]]", "", "", "a&b"} << "Command25(0)" << 1 << "x[[y]]z";
}

// The boxes are read at the click; the caret ends after the closing text.
void TestElementButtons::customClicks()
{
    QFETCH(QStringList, boxes);
    QFETCH(QString, button);
    QFETCH(int, selectionLength);
    QFETCH(QString, text);
    setCustomBoxes(boxes);
    prepare(7, selectionLength);
    click(button);
    verifyInserted(text, int(text.size()) - (selectionLength ? 1 : 2));
}

QTEST_MAIN(TestElementButtons)
#include "tst_elementbuttons.moc"
