#pragma once

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QToolBar;

namespace app {

class EntryBox;
class ImageList;
class ResultLine;
class TaggedTimer;
class WindowCanvas;

// Every control of the main window, as the builder made it.
struct Form1Controls {
    QPushButton* Command1 = nullptr;
    QToolBar* Toolbar1 = nullptr;
    ImageList* ImageList1 = nullptr;
    QPushButton* CmdWykres = nullptr;
    QPushButton* CmdKoniec = nullptr;
    QPushButton* CmdNowaFunkcja = nullptr;
    QPushButton* CmdOblicz = nullptr;
    EntryBox* TxtC = nullptr;
    EntryBox* TxtB = nullptr;
    EntryBox* TxtA = nullptr;
    TaggedTimer* Timer1 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label4 = nullptr;
    ResultLine* LblX2 = nullptr;
    ResultLine* LblX1 = nullptr;
    ResultLine* LblDelta = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* LblNapis = nullptr;

    QMenu* mnuPlik = nullptr;
    QAction* mnuNowafunkcja = nullptr;
    QAction* mnuOblicz = nullptr;
    QAction* mnuseparator = nullptr;
    QAction* mnuKoniec = nullptr;
    QMenu* mnuWykres = nullptr;
    QAction* mnuPokaż = nullptr;
    QAction* mnuWyczyść = nullptr;

    // The chart's drawing surface, over the client area.
    WindowCanvas* canvas = nullptr;
};

}  // namespace app
