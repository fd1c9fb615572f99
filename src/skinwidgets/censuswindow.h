#ifndef CENSUSWINDOW_H
#define CENSUSWINDOW_H

#include <QMainWindow>

class QAction;
class QCalendarWidget;
class QDockWidget;
class QMdiArea;
class QMenu;
class QTabWidget;
class QToolBar;

// A main window that holds one of every widget a Qt Widgets program shows,
// in the states a skin must draw: buttons, check boxes and radio buttons
// checked, unchecked, partial and disabled; inputs, sliders, scroll bars
// and progress bars; labels, text views and an LCD number; group boxes, a
// tool box, a splitter, a scroll area, an MDI area with two sub-windows, a
// stacked widget and frames of every shape; list, tree, table and column
// views with check marks, a selection, alternating rows, a sorted header
// and a tree branch; a calendar; menus, a tool bar, a dock and a status
// bar; and, made on request, the standard dialogs in Qt's own form.
//
// The pages of `pages` are named after what they hold; every widget has an
// object name ("pushDefault", "checkPartialDisabled", ...) so that the
// census and the gallery can find it. Every date shown is a fixed one, so a
// rendering is the same from day to day.
class CensusWindow : public QMainWindow
{
public:
    explicit CensusWindow(QWidget *parent = nullptr);

    // The date every calendar and date field shows.
    static QDate shownDate();

    QTabWidget *pages = nullptr;   // tabs with close buttons, the last one disabled
    QMenu *editMenu = nullptr;     // checkable, exclusive, disabled items, a submenu
    QAction *disabledAction = nullptr;  // in editMenu
    QAction *checkedAction = nullptr;   // in editMenu, checkable and checked
    QAction *exclusiveAction = nullptr; // in editMenu, the checked one of a group
    QMenu *insertMenu = nullptr;   // a submenu of editMenu
    QToolBar *toolBar = nullptr;
    QToolBar *narrowBar = nullptr; // too narrow for its actions: shows the extension button
    QDockWidget *dock = nullptr;
    QMdiArea *mdi = nullptr;
    QCalendarWidget *calendar = nullptr;

    // The standard dialogs, each built without a native dialog, children of
    // this window: "message", "input", "progress", "file", "color".
    static QStringList dialogNames();
    QDialog *makeDialog(const QString &name);
};

#endif // CENSUSWINDOW_H
