#ifndef SAMPLEAPPLICATION_H
#define SAMPLEAPPLICATION_H

#include <QMainWindow>

class QAction;
class QDockWidget;
class QGroupBox;
class QLabel;
class QListView;
class QMenu;
class QTabWidget;
class QTableView;
class QToolBar;
class QToolButton;
class QTreeView;

// A main window of the kind real programs have, to try a skin on: menus
// with disabled items and a submenu, a tool bar with a separator and a tool
// button with a menu part, a dock widget, a tab bar with close buttons,
// plain tree, list and table views with check indicators and a sort
// indicator, a group box, and a status bar with a size grip. Its parts are
// open to the gallery and the tests that look at them.
class SampleApplication : public QMainWindow
{
public:
    explicit SampleApplication(QWidget *parent = nullptr);

    QMenu *editMenu = nullptr;
    QMenu *insertMenu = nullptr;      // a submenu of the Edit menu
    QAction *undoAction = nullptr;    // enabled
    QAction *cutAction = nullptr;     // disabled
    QToolBar *toolBar = nullptr;
    QToolButton *menuButton = nullptr;
    QDockWidget *dock = nullptr;
    QTabWidget *tabs = nullptr;
    QTreeView *tree = nullptr;
    QListView *list = nullptr;
    QTableView *table = nullptr;
    QLabel *label = nullptr;
    QLabel *disabledLabel = nullptr;
    QGroupBox *group = nullptr;
    QLabel *statusLabel = nullptr;
};

#endif // SAMPLEAPPLICATION_H
