#pragma once

#include <QList>

class QAction;
class QMenu;
class QMenuBar;

// The main window's menu bar, every item under the name the program knows it by.
// Items whose commands are not available yet are created disabled.
struct MainMenu {
    QMenu *mmFile = nullptr;
    QAction *FileNew = nullptr;
    QAction *FileOpen = nullptr;
    QAction *fileSa = nullptr;
    QAction *FileName = nullptr;
    QMenu *Print = nullptr;
    QAction *PrintText = nullptr;
    QAction *PrintBrowse = nullptr;
    QAction *fileSaikin0 = nullptr; // the separator the recent files follow
    QAction *recentEnd = nullptr;   // the separator after them
    QAction *FileShell = nullptr;
    QAction *FileEnd = nullptr;

    QMenu *mmHensyu = nullptr;
    QAction *Modosu = nullptr;
    QAction *ModoYarinao = nullptr;
    QAction *Cut = nullptr;
    QAction *Copy = nullptr;
    QAction *Cutadd = nullptr;
    QAction *Copyadd = nullptr;
    QMenu *AppPaste = nullptr;
    QAction *Paste = nullptr;
    QAction *PasteRTF = nullptr;
    QAction *FilePaste = nullptr;
    QAction *FilePasteRTF = nullptr;
    QAction *del = nullptr;
    QMenu *chan = nullptr;
    QList<QAction *> chanEntries; // chanLowtoUp ... chanBr
    QAction *SelWhole = nullptr;
    QAction *SelAll = nullptr;
    QAction *jumpNext = nullptr;
    QAction *jumpBefore = nullptr;
    QAction *focustoText = nullptr;
    QAction *mmKaku = nullptr;
    QAction *mmOption = nullptr;

    QMenu *kennado = nullptr;
    QAction *kensaku = nullptr;
    QAction *nextkensaku = nullptr;
    QAction *tikan = nullptr;
    QAction *SelHome = nullptr;
    QAction *SelEnd = nullptr;

    QMenu *hyoji = nullptr;
    QMenu *hjIro = nullptr;
    QList<QAction *> hyIroin;
    QMenu *hjSosyo = nullptr;
    QList<QAction *> hjSoin;
    QAction *TagColor = nullptr;

    QMenu *TagS = nullptr;
    QMenu *tSyu = nullptr;
    QMenu *tTan = nullptr;

    QMenu *tools = nullptr;
    QAction *tlHyou = nullptr;
    QAction *tlImap = nullptr;
    QAction *tlGrad = nullptr;

    QMenu *help = nullptr;
    QAction *mokuji = nullptr;
    QAction *version = nullptr;
};

MainMenu buildMainMenu(QMenuBar *bar);


