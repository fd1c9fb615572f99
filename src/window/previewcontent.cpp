#include "previewcontent.h"

#include "ui_zavocreator.h"

#include <QComboBox>
#include <QDateTime>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QTableWidget>
#include <QTableWidgetItem>
#include <QTreeWidget>
#include <QTreeWidgetItem>

namespace {

const int alarmRowCount = 300;
const int alarmRowHeight = 24;
const int sampleEntryCount = 30;

QTreeWidgetItem *addCheckItem(QTreeWidgetItem *item, const QString &text,
                              Qt::CheckState state)
{
    // Selectable, checkable, enabled and nothing else: no editing, no drag
    // and drop, and no automatic tri-state, so ticking one item never changes
    // another.
    item->setText(0, text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
    item->setCheckState(0, state);
    return item;
}

} // namespace

QVector<int> alarmTableColumnWidths(int availableWidth)
{
    const double w = availableWidth - 120;
    const int number = static_cast<int>(w * 0.06);
    const int name = static_cast<int>(w * 0.1);
    const int time = static_cast<int>(w * 0.15);
    return QVector<int>{number, name, number, name, time};
}

void fillAlarmTable(QTableWidget *table, int availableWidth)
{
    const QVector<int> widths = alarmTableColumnWidths(availableWidth);
    table->setColumnCount(widths.size());
    for (int column = 0; column < widths.size(); ++column)
        table->setColumnWidth(column, widths.at(column));

    table->verticalHeader()->setDefaultSectionSize(25);

    table->setHorizontalHeaderLabels(QStringList{
        QStringLiteral("设备编号"), QStringLiteral("设备名称"), QStringLiteral("设备地址"),
        QStringLiteral("告警内容"), QStringLiteral("告警时间")});

    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setAlternatingRowColors(true);
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setStretchLastSection(true);

    table->setRowCount(alarmRowCount);
    for (int row = 0; row < alarmRowCount; ++row) {
        const QString number = QString::number(row + 1);
        table->setRowHeight(row, alarmRowHeight);

        auto *itemNumber = new QTableWidgetItem(number);
        auto *itemName = new QTableWidgetItem(QStringLiteral("测试设备%1").arg(number));
        auto *itemAddress = new QTableWidgetItem(number);
        auto *itemContent = new QTableWidgetItem(QStringLiteral("防区告警"));
        auto *itemTime = new QTableWidgetItem(
            QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));

        table->setItem(row, 0, itemNumber);
        table->setItem(row, 1, itemName);
        table->setItem(row, 2, itemAddress);
        table->setItem(row, 3, itemContent);
        table->setItem(row, 4, itemTime);
    }
}

void fillCheckTree(QTreeWidget *tree)
{
    tree->clear();
    tree->setHeaderLabels(QStringList{QStringLiteral(" 树状列表控件")});

    QTreeWidgetItem *parent1 = addCheckItem(new QTreeWidgetItem(tree),
                                            QStringLiteral("父元素1"), Qt::PartiallyChecked);
    addCheckItem(new QTreeWidgetItem(parent1), QStringLiteral("子元素1"), Qt::Checked);
    addCheckItem(new QTreeWidgetItem(parent1), QStringLiteral("子元素2"), Qt::Unchecked);
    addCheckItem(new QTreeWidgetItem(parent1), QStringLiteral("子元素3"), Qt::Unchecked);

    QTreeWidgetItem *parent2 = addCheckItem(new QTreeWidgetItem(tree),
                                            QStringLiteral("父元素2"), Qt::Unchecked);
    QTreeWidgetItem *child = addCheckItem(new QTreeWidgetItem(parent2),
                                          QStringLiteral("子元素1"), Qt::Unchecked);
    addCheckItem(new QTreeWidgetItem(child), QStringLiteral("子子元素1"), Qt::Unchecked);

    tree->expandAll();
}

QStringList sampleListEntries()
{
    QStringList entries;
    entries.reserve(sampleEntryCount);
    for (int i = 1; i <= sampleEntryCount; ++i)
        entries << QStringLiteral("元素%1").arg(i);
    return entries;
}

void fillSampleLists(QListWidget *list, QComboBox *first, QComboBox *second)
{
    const QStringList entries = sampleListEntries();
    list->addItems(entries);
    first->addItems(entries);
    second->addItems(entries);
}

void applyPreviewStates(Ui::ZavoCreator *ui)
{
    ui->rbtn1->setChecked(true);
    ui->ck2->setChecked(true);
    ui->ck3->setCheckState(Qt::PartiallyChecked);
    // The form connects the slider to the progress bar, which follows.
    ui->horizontalSlider->setValue(88);

    ui->tab9->setStyleSheet(QStringLiteral("QPushButton{font:20pt;}"));
    ui->widgetVideo->setStyleSheet(QStringLiteral("QLabel{font:20pt;}"));

    // The stylesheet template selects on these to give the navigation
    // strips, the status strip and the video wall their own looks.
    ui->widgetLeft->setProperty("nav", QStringLiteral("left"));
    ui->widgetBottom->setProperty("form", QStringLiteral("bottom"));
    ui->widgetTop->setProperty("nav", QStringLiteral("top"));
    ui->widgetVideo->setProperty("video", true);

    // Video tiles take focus by click and Tab so the focused one is framed.
    const QList<QLabel *> tiles = ui->widgetVideo->findChildren<QLabel *>();
    for (QLabel *tile : tiles)
        tile->setFocusPolicy(Qt::StrongFocus);
}
