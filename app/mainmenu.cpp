#include "mainmenu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace {

QMenu *menu(QWidget *parent, const char *name, const QString &caption)
{
    auto *m = new QMenu(caption, parent);
    m->setObjectName(QString::fromLatin1(name));
    m->menuAction()->setObjectName(QString::fromLatin1(name));
    return m;
}

QAction *item(QMenu *parent, const QString &name, const QString &caption, const QKeySequence &shortcut = {})
{
    QAction *action = parent->addAction(caption);
    action->setObjectName(name);
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}

QAction *item(QMenu *parent, const char *name, const QString &caption, const QKeySequence &shortcut = {})
{
    return item(parent, QString::fromLatin1(name), caption, shortcut);
}

// Not built yet: present in its place, but not offered.
QAction *later(QAction *action)
{
    action->setEnabled(false);
    return action;
}

} // namespace

MainMenu buildMainMenu(QMenuBar *bar)
{
    MainMenu m;

    m.mmFile = menu(bar, "mmFile", QStringLiteral("ファイル(&F)"));
    bar->addMenu(m.mmFile);
    m.FileNew = item(m.mmFile, "FileNew", QStringLiteral("新規作成(&N)"), QKeySequence(Qt::CTRL | Qt::Key_N));
    m.FileOpen = item(m.mmFile, "FileOpen", QStringLiteral("開く(&O)"), QKeySequence(Qt::CTRL | Qt::Key_O));
    m.fileSa = item(m.mmFile, "fileSa", QStringLiteral("上書き保存(&S)"), QKeySequence(Qt::CTRL | Qt::Key_S));
    m.FileName = item(m.mmFile, "FileName", QStringLiteral("名前をつけて保存(&A)"));
    m.mmFile->addSeparator();
    m.Print = menu(m.mmFile, "Print", QStringLiteral("印刷(&P)"));
    m.mmFile->addMenu(m.Print);
    m.PrintText = item(m.Print, "PrintText", QStringLiteral("編集画面を印刷(&H)"));
    m.PrintBrowse = item(m.Print, "PrintBrowse", QStringLiteral("確認画面を印刷(&K)"));
    m.fileSaikin0 = m.mmFile->addSeparator();
    m.fileSaikin0->setObjectName(QStringLiteral("fileSaikin(0)"));
    m.recentEnd = m.mmFile->addSeparator();
    m.FileShell = item(m.mmFile, "FileShell", QStringLiteral("もう一つ起動(&M)"));
    m.FileEnd = item(m.mmFile, "FileEnd", QStringLiteral("終了(&X)"));

    m.mmHensyu = menu(bar, "mmHensyu", QStringLiteral("編集(&E)"));
    bar->addMenu(m.mmHensyu);
    m.Modosu = later(item(m.mmHensyu, "Modosu", QStringLiteral("元に戻す(&U)"), QKeySequence(Qt::CTRL | Qt::Key_Z)));
    m.ModoYarinao = later(item(m.mmHensyu, "ModoYarinao", QStringLiteral("やり直す(&R)")));
    m.mmHensyu->addSeparator();
    m.Cut = later(item(m.mmHensyu, "Cut", QStringLiteral("切り取り(&T)"), QKeySequence(Qt::CTRL | Qt::Key_X)));
    m.Copy = later(item(m.mmHensyu, "Copy", QStringLiteral("コピー(&C)"), QKeySequence(Qt::CTRL | Qt::Key_C)));
    m.Cutadd = later(item(m.mmHensyu, "Cutadd", QStringLiteral("追加切り抜き(&W)"), QKeySequence(Qt::SHIFT | Qt::Key_F7)));
    m.Copyadd = later(item(m.mmHensyu, "Copyadd", QStringLiteral("追加コピー(&A)"), QKeySequence(Qt::CTRL | Qt::Key_F8)));
    m.AppPaste = menu(m.mmHensyu, "AppPaste", QStringLiteral("貼り付け(&P)"));
    m.mmHensyu->addMenu(m.AppPaste);
    m.Paste = later(item(m.AppPaste, "Paste", QStringLiteral("貼り付け(&P)")));
    m.PasteRTF = later(item(m.AppPaste, "PasteRTF", QStringLiteral("RTF形式で貼り付け(&R)")));
    m.FilePaste = item(m.AppPaste, "FilePaste", QStringLiteral("ファイルから貼り付け(&F)"));
    m.FilePasteRTF = item(m.AppPaste, "FilePasteRTF", QStringLiteral("ファイルから貼り付け(RTF)(&E)"));
    m.del = later(item(m.mmHensyu, "del", QStringLiteral("削除(&D)"), QKeySequence(Qt::Key_Delete)));
    m.chan = menu(m.mmHensyu, "chan", QStringLiteral("変換(&H)"));
    m.mmHensyu->addMenu(m.chan);
    m.chan->menuAction()->setEnabled(false);
    const std::pair<const char *, QString> conversions[] = {
        {"chanLowtoUp", QStringLiteral("小文字→大文字(&U)")},   {"chanUptoLow", QStringLiteral("大文字→小文字(&L)")},
        {"chanWide", QStringLiteral("半角→全角(&W)")},          {"chanNarrow", QStringLiteral("全角→半角(&N)")},
        {"chanKatakana", QStringLiteral("ひらがな→カタカナ(&K)")}, {"chanHiragana", QStringLiteral("カタカナ→ひらがな(&H)")},
        {"chanNotag", QStringLiteral("タグを消す(&T)")},          {"chanBr", QStringLiteral("改行→<BR>(&B)")},
    };
    for (const auto &[name, caption] : conversions)
        m.chanEntries << item(m.chan, name, caption);
    m.mmHensyu->addSeparator();
    m.SelWhole = later(item(m.mmHensyu, "SelWhole", QStringLiteral("すべて選択(&S)"), QKeySequence(Qt::CTRL | Qt::Key_A)));
    m.SelAll = later(item(m.mmHensyu, "SelAll", QStringLiteral("現在位置より下をすべて選択(&G)")));
    m.mmHensyu->addSeparator();
    m.jumpNext = later(item(m.mmHensyu, "jumpNext", QStringLiteral("次のタグへ(&N)"), QKeySequence(Qt::Key_F5)));
    m.jumpBefore = later(item(m.mmHensyu, "jumpBefore", QStringLiteral("前のタグへ(&B)"), QKeySequence(Qt::Key_F6)));
    m.mmHensyu->addSeparator();
    m.focustoText = item(m.mmHensyu, "focustoText", QStringLiteral("テキストにフォーカス(&F)"), QKeySequence(Qt::Key_F2));
    m.mmKaku = item(m.mmHensyu, "mmKaku", QStringLiteral("確認"), QKeySequence(Qt::Key_F4));
    m.mmHensyu->addSeparator();
    m.mmOption = later(item(m.mmHensyu, "mmOption", QStringLiteral("オプション(&O)")));

    m.kennado = menu(bar, "kennado", QStringLiteral("検索(&S)"));
    bar->addMenu(m.kennado);
    m.kensaku = later(item(m.kennado, "kensaku", QStringLiteral("検索(&F)"), QKeySequence(Qt::CTRL | Qt::Key_F)));
    m.nextkensaku = later(item(m.kennado, "nextkensaku", QStringLiteral("次を検索(&P)"), QKeySequence(Qt::Key_F3)));
    m.tikan = later(item(m.kennado, "tikan", QStringLiteral("置換(&R)"), QKeySequence(Qt::CTRL | Qt::Key_R)));
    m.kennado->addSeparator();
    m.SelHome = later(item(m.kennado, "SelHome", QStringLiteral("ファイルの先頭(&H)"), QKeySequence(Qt::CTRL | Qt::Key_H)));
    m.SelEnd = later(item(m.kennado, "SelEnd", QStringLiteral("ファイルの最後(&E)"), QKeySequence(Qt::CTRL | Qt::Key_E)));

    m.hyoji = menu(bar, "hyoji", QStringLiteral("マーカー(&V)"));
    bar->addMenu(m.hyoji);
    m.hjIro = menu(m.hyoji, "hjIro", QStringLiteral("色(&C)"));
    m.hyoji->addMenu(m.hjIro);
    m.hjIro->menuAction()->setEnabled(false);
    const QString colours[] = {QStringLiteral("黒(&B)"), QStringLiteral("青(&L)"), QStringLiteral("赤(&R)"), QStringLiteral("緑(&G)")};
    for (int i = 0; i < 4; ++i)
        m.hyIroin << item(m.hjIro, QStringLiteral("hyIroin(%1)").arg(i), colours[i]);
    m.hjSosyo = menu(m.hyoji, "hjSosyo", QStringLiteral("装飾(&S)"));
    m.hyoji->addMenu(m.hjSosyo);
    m.hjSosyo->menuAction()->setEnabled(false);
    const QString decorations[] = {QStringLiteral("ボールド(&B)"), QStringLiteral("イタリック(&I)"), QStringLiteral("下線(&U)"),
                                   QStringLiteral("装飾のクリアー(&C)")};
    for (int i = 0; i < 4; ++i)
        m.hjSoin << item(m.hjSosyo, QStringLiteral("hjSoin(%1)").arg(i), decorations[i]);
    m.TagColor = later(item(m.hyoji, "TagColor", QStringLiteral("タグに色をつける(&T)")));

    m.TagS = menu(bar, "TagS", QStringLiteral("タグ(&T)"));
    bar->addMenu(m.TagS);
    m.tSyu = menu(m.TagS, "tSyu", QStringLiteral("終タグのあるタグ(&N)"));
    m.TagS->addMenu(m.tSyu);
    m.tTan = menu(m.TagS, "tTan", QStringLiteral("終タグのないタグ(&E)"));
    m.TagS->addMenu(m.tTan);
    // Filled from the tag tables once those are built.
    m.tSyu->menuAction()->setEnabled(false);
    m.tTan->menuAction()->setEnabled(false);

    m.tools = menu(bar, "tools", QStringLiteral("ツール(&O)"));
    bar->addMenu(m.tools);
    m.tlHyou = later(item(m.tools, "tlHyou", QStringLiteral("表ウィザード(&T)")));
    m.tlImap = later(item(m.tools, "tlImap", QStringLiteral("イメージマップ(&I)")));
    m.tlGrad = later(item(m.tools, "tlGrad", QStringLiteral("グラデーション文字(&G)")));

    m.help = menu(bar, "help", QStringLiteral("ヘルプ(&?)"));
    bar->addMenu(m.help);
    m.mokuji = later(item(m.help, "mokuji", QStringLiteral("目次(&P)"), QKeySequence(Qt::Key_F1)));
    m.version = later(item(m.help, "version", QStringLiteral("バージョン情報(&A)")));
    return m;
}
