#include "sampleapplication.h"

#include <QCheckBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

// Rows with a check box each: checked, unchecked, partly checked.
QStandardItemModel *checkModel(QObject *parent, int columns)
{
    auto *model = new QStandardItemModel(0, columns, parent);
    const Qt::CheckState states[] = {Qt::Checked, Qt::Unchecked, Qt::PartiallyChecked};
    const char *const names[] = {"Alarms", "Devices", "Reports"};
    for (int row = 0; row < 3; ++row) {
        QList<QStandardItem *> items;
        for (int column = 0; column < columns; ++column)
            items << new QStandardItem(column == 0 ? QString::fromLatin1(names[row]) : QString::number(row * 7 + column));
        items.first()->setCheckable(true);
        items.first()->setCheckState(states[row]);
        model->appendRow(items);
    }
    model->setHorizontalHeaderLabels(QStringList({"Name", "Count", "Level"}).mid(0, columns));
    return model;
}

} // namespace

SampleApplication::SampleApplication(QWidget *parent)
    : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Sample application"));

    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Open..."));
    file->addAction(QStringLiteral("&Save"))->setEnabled(false);
    file->addSeparator();
    file->addAction(QStringLiteral("&Quit"));
    editMenu = menuBar()->addMenu(QStringLiteral("&Edit"));
    undoAction = editMenu->addAction(QStringLiteral("&Undo typing"));
    editMenu->addAction(QStringLiteral("&Redo"))->setEnabled(false);
    editMenu->addSeparator();
    cutAction = editMenu->addAction(QStringLiteral("Cu&t selection"));
    cutAction->setEnabled(false);
    editMenu->addAction(QStringLiteral("&Paste"));
    insertMenu = editMenu->addMenu(QStringLiteral("&Insert"));
    insertMenu->addAction(QStringLiteral("&Row"));
    insertMenu->addAction(QStringLiteral("&Column"))->setEnabled(false);
    menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));

    toolBar = addToolBar(QStringLiteral("Main"));
    toolBar->addAction(QStringLiteral("New"));
    toolBar->addAction(QStringLiteral("Open"));
    toolBar->addSeparator();
    menuButton = new QToolButton(toolBar);
    menuButton->setText(QStringLiteral("Run"));
    menuButton->setPopupMode(QToolButton::MenuButtonPopup);
    auto *runMenu = new QMenu(menuButton);
    runMenu->addAction(QStringLiteral("Run all"));
    runMenu->addAction(QStringLiteral("Run selected"));
    menuButton->setMenu(runMenu);
    toolBar->addWidget(menuButton);
    toolBar->addAction(QStringLiteral("Stop"))->setEnabled(false);

    dock = new QDockWidget(QStringLiteral("Properties"), this);
    auto *dockContent = new QWidget(dock);
    auto *dockLayout = new QVBoxLayout(dockContent);
    dockLayout->addWidget(new QLabel(QStringLiteral("Name of the item"), dockContent));
    dockLayout->addWidget(new QLineEdit(QStringLiteral("Alarms"), dockContent));
    auto *locked = new QCheckBox(QStringLiteral("Locked"), dockContent);
    locked->setEnabled(false);
    dockLayout->addWidget(locked);
    dockLayout->addStretch();
    dock->setWidget(dockContent);
    addDockWidget(Qt::LeftDockWidgetArea, dock);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    label = new QLabel(QStringLiteral("Views with check boxes, sorted by name"), central);
    disabledLabel = new QLabel(QStringLiteral("This label is disabled"), central);
    disabledLabel->setEnabled(false);
    layout->addWidget(label);
    layout->addWidget(disabledLabel);

    tabs = new QTabWidget(central);
    tabs->setTabsClosable(true);
    auto *views = new QWidget(tabs);
    auto *viewLayout = new QHBoxLayout(views);
    tree = new QTreeView(views);
    tree->setModel(checkModel(tree, 2));
    tree->setSortingEnabled(true);
    tree->sortByColumn(0, Qt::AscendingOrder);
    list = new QListView(views);
    list->setModel(checkModel(list, 1));
    table = new QTableView(views);
    table->setModel(checkModel(table, 3));
    table->horizontalHeader()->setSortIndicatorShown(true);
    table->horizontalHeader()->setSortIndicator(1, Qt::DescendingOrder);
    for (QWidget *view : {static_cast<QWidget *>(tree), static_cast<QWidget *>(list), static_cast<QWidget *>(table)})
        viewLayout->addWidget(view);
    tabs->addTab(views, QStringLiteral("Views"));
    tabs->addTab(new QWidget(tabs), QStringLiteral("Notes"));
    layout->addWidget(tabs, 1);

    group = new QGroupBox(QStringLiteral("Options"), central);
    auto *groupLayout = new QHBoxLayout(group);
    groupLayout->addWidget(new QLabel(QStringLiteral("First child of the group"), group));
    groupLayout->addWidget(new QCheckBox(QStringLiteral("Enabled"), group));
    layout->addWidget(group);
    setCentralWidget(central);

    statusLabel = new QLabel(QStringLiteral("Ready"), this);
    statusBar()->addWidget(statusLabel);
    statusBar()->setSizeGripEnabled(true);
    resize(900, 560);
}
