// The preview's sample content: the alarm table, the check tree, the sample
// lists and the widget states, properties and fonts of the preview pages.

#include "previewcontent.h"
#include "ui_zavocreator.h"
#include "zavocreator.h"

#include <QtTest>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QFont>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QProgressBar>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QTableWidget>
#include <QTreeWidget>

class ZavoCreatorProbe
{
public:
    static Ui::ZavoCreator *ui(ZavoCreator *window) { return window->ui; }
};

namespace {

const QString timeFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");

QDateTime wholeSecond(const QDateTime &t)
{
    return QDateTime::fromString(t.toString(timeFormat), timeFormat);
}

QStringList rowTexts(const QTableWidget *table, int row)
{
    QStringList texts;
    for (int column = 0; column < table->columnCount(); ++column)
        texts << (table->item(row, column) ? table->item(row, column)->text() : QStringLiteral("<none>"));
    return texts;
}

QList<QTreeWidgetItem *> allItems(QTreeWidget *tree)
{
    QList<QTreeWidgetItem *> items;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        items << *it;
    return items;
}

QList<Qt::CheckState> checkStates(const QList<QTreeWidgetItem *> &items)
{
    QList<Qt::CheckState> states;
    for (const QTreeWidgetItem *item : items)
        states << item->checkState(0);
    return states;
}

} // namespace

class TestPreview : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    // alarm table
    void columnWidths_data();
    void columnWidths();
    void alarmTableShape();
    void alarmTableRows();
    void alarmTableIsReadOnlyAndSelectsRows();

    // check tree
    void checkTreeItems();
    void checkTreeStatesAreIndependent();

    // sample lists
    void sampleEntries();
    void sampleListsFilled();

    // widget states
    void previewStates();
    void pageFonts();

    // the real window after start-up
    void windowStartsWithSampleContent();
};

void TestPreview::initTestCase()
{
    // The program runs with a 9-point application font. Header sections
    // cannot be made smaller than the font allows, and with the platform's
    // larger default font a vertical section could not go below 25 pixels.
    QApplication::setFont(QFont(QStringLiteral("Microsoft Yahei"), 9));
    QTableWidget probe;
    QVERIFY(probe.verticalHeader()->minimumSectionSize() <= 24);
}

// ---------------------------------------------------------------- alarm table

void TestPreview::columnWidths_data()
{
    QTest::addColumn<int>("available");
    QTest::addColumn<QVector<int>>("widths");

    // W = available - 120; 6 %, 10 %, 6 %, 10 %, 15 % of W, cut toward zero.
    QTest::newRow("1130") << 1130 << QVector<int>{60, 101, 60, 101, 151};   // W 1010
    QTest::newRow("1920") << 1920 << QVector<int>{108, 180, 108, 180, 270}; // W 1800
    QTest::newRow("1366") << 1366 << QVector<int>{74, 124, 74, 124, 186};   // W 1246
    QTest::newRow("800") << 800 << QVector<int>{40, 68, 40, 68, 102};       // W 680
    QTest::newRow("120") << 120 << QVector<int>{0, 0, 0, 0, 0};             // W 0
    QTest::newRow("100") << 100 << QVector<int>{-1, -2, -1, -2, -3};        // W -20
}

void TestPreview::columnWidths()
{
    QFETCH(int, available);
    QFETCH(QVector<int>, widths);
    QCOMPARE(alarmTableColumnWidths(available), widths);
}

void TestPreview::alarmTableShape()
{
    QTableWidget table;
    fillAlarmTable(&table, 1130);

    QCOMPARE(table.columnCount(), 5);
    const QVector<int> widths{60, 101, 60, 101};
    for (int column = 0; column < widths.size(); ++column)
        QCOMPARE(table.columnWidth(column), widths.at(column));

    QStringList headers;
    for (int column = 0; column < table.columnCount(); ++column)
        headers << table.horizontalHeaderItem(column)->text();
    QCOMPARE(headers, (QStringList{"设备编号", "设备名称", "设备地址", "告警内容", "告警时间"}));

    QCOMPARE(table.verticalHeader()->defaultSectionSize(), 25);
    QVERIFY(table.verticalHeader()->isHidden());
    QVERIFY(table.horizontalHeader()->stretchLastSection());
    QVERIFY(table.alternatingRowColors());
    QCOMPARE(table.selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(table.selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(table.editTriggers(), QAbstractItemView::EditTriggers(QAbstractItemView::NoEditTriggers));
}

void TestPreview::alarmTableRows()
{
    QTableWidget table;
    const QDateTime before = wholeSecond(QDateTime::currentDateTime());
    fillAlarmTable(&table, 1130);
    const QDateTime after = QDateTime::currentDateTime();

    QCOMPARE(table.rowCount(), 300);
    const QTableWidgetItem plain;
    for (int row = 0; row < table.rowCount(); ++row) {
        // Every row is 24 high although new rows default to 25.
        QCOMPARE(table.rowHeight(row), 24);
        const QStringList texts = rowTexts(&table, row);
        const QString n = QString::number(row + 1);
        QCOMPARE(texts.mid(0, 4), (QStringList{n, QStringLiteral("测试设备") + n, n, "防区告警"}));
        const QDateTime stamp = QDateTime::fromString(texts.at(4), timeFormat);
        QVERIFY2(stamp.isValid(), qPrintable(texts.at(4)));
        QVERIFY(stamp >= before && stamp <= after);
        for (int column = 0; column < table.columnCount(); ++column) {
            QCOMPARE(table.item(row, column)->type(), int(QTableWidgetItem::Type));
            QCOMPARE(table.item(row, column)->flags(), plain.flags());
        }
    }
    QCOMPARE(rowTexts(&table, 299).mid(0, 4), (QStringList{"300", "测试设备300", "300", "防区告警"}));
    // Times are read per row, so they never run backwards.
    for (int row = 1; row < table.rowCount(); ++row)
        QVERIFY(table.item(row - 1, 4)->text() <= table.item(row, 4)->text());
}

void TestPreview::alarmTableIsReadOnlyAndSelectsRows()
{
    QTableWidget table;
    fillAlarmTable(&table, 1130);
    table.resize(900, 400);
    table.show();
    QVERIFY(QTest::qWaitForWindowExposed(&table));

    const QRect cell = table.visualRect(table.model()->index(2, 1));
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, cell.center());
    const QList<QTableWidgetItem *> selected = table.selectedItems();
    QCOMPARE(selected.size(), 5);
    for (const QTableWidgetItem *item : selected)
        QCOMPARE(item->row(), 2);

    QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, cell.center());
    QTest::keyClick(table.viewport(), Qt::Key_F2);
    QTest::keyClicks(table.viewport(), QStringLiteral("x"));
    QVERIFY(!table.findChild<QLineEdit *>());
    QCOMPARE(table.item(2, 1)->text(), QStringLiteral("测试设备3"));

    // Another click moves the selection to the other row as a whole.
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {},
                      table.visualRect(table.model()->index(5, 4)).center());
    QCOMPARE(table.selectedItems().size(), 5);
    for (const QTableWidgetItem *item : table.selectedItems())
        QCOMPARE(item->row(), 5);
}

// ----------------------------------------------------------------- check tree

void TestPreview::checkTreeItems()
{
    QTreeWidget tree;
    new QTreeWidgetItem(&tree, QStringList{QStringLiteral("left over")});
    fillCheckTree(&tree);

    QCOMPARE(tree.columnCount(), 1);
    QCOMPARE(tree.headerItem()->text(0), QStringLiteral(" 树状列表控件"));
    QCOMPARE(tree.topLevelItemCount(), 2);

    QTreeWidgetItem *parent1 = tree.topLevelItem(0);
    QTreeWidgetItem *parent2 = tree.topLevelItem(1);
    QCOMPARE(parent1->text(0), QStringLiteral("父元素1"));
    QCOMPARE(parent2->text(0), QStringLiteral("父元素2"));
    QCOMPARE(parent1->childCount(), 3);
    QCOMPARE(parent2->childCount(), 1);
    QCOMPARE(parent1->child(0)->text(0), QStringLiteral("子元素1"));
    QCOMPARE(parent1->child(1)->text(0), QStringLiteral("子元素2"));
    QCOMPARE(parent1->child(2)->text(0), QStringLiteral("子元素3"));
    QCOMPARE(parent2->child(0)->text(0), QStringLiteral("子元素1"));
    QCOMPARE(parent2->child(0)->childCount(), 1);
    QCOMPARE(parent2->child(0)->child(0)->text(0), QStringLiteral("子子元素1"));
    QCOMPARE(parent2->child(0)->child(0)->childCount(), 0);

    const QList<QTreeWidgetItem *> items = allItems(&tree);
    QCOMPARE(items.size(), 7);
    QCOMPARE(checkStates(items),
             (QList<Qt::CheckState>{Qt::PartiallyChecked, Qt::Checked, Qt::Unchecked, Qt::Unchecked,
                                    Qt::Unchecked, Qt::Unchecked, Qt::Unchecked}));
    for (const QTreeWidgetItem *item : items) {
        QCOMPARE(int(item->flags()), 49);
        if (item->childCount() > 0)
            QVERIFY2(item->isExpanded(), qPrintable(item->text(0)));
    }
}

void TestPreview::checkTreeStatesAreIndependent()
{
    QTreeWidget tree;
    fillCheckTree(&tree);
    const QList<QTreeWidgetItem *> items = allItems(&tree);
    const QList<Qt::CheckState> initial = checkStates(items);

    for (int i = 0; i < items.size(); ++i) {
        for (Qt::CheckState state : {Qt::Checked, Qt::Unchecked, Qt::PartiallyChecked}) {
            items.at(i)->setCheckState(0, state);
            QList<Qt::CheckState> expected = initial;
            expected[i] = state;
            QCOMPARE(checkStates(items), expected);
        }
        items.at(i)->setCheckState(0, initial.at(i));
    }

    // The same through the view, the way a click on the box reaches it.
    const QModelIndex parentIndex = tree.model()->index(0, 0);
    const QModelIndex index = tree.model()->index(0, 0, parentIndex);
    QCOMPARE(index.data().toString(), items.at(1)->text(0));
    QVERIFY(tree.model()->setData(index, Qt::Unchecked, Qt::CheckStateRole));
    QList<Qt::CheckState> expected = initial;
    expected[1] = Qt::Unchecked;
    QCOMPARE(checkStates(items), expected);
}

// --------------------------------------------------------------- sample lists

void TestPreview::sampleEntries()
{
    const QStringList entries = sampleListEntries();
    QCOMPARE(entries.size(), 30);
    QCOMPARE(entries.first(), QStringLiteral("元素1"));
    QCOMPARE(entries.last(), QStringLiteral("元素30"));
    for (int i = 0; i < entries.size(); ++i)
        QCOMPARE(entries.at(i), QStringLiteral("元素") + QString::number(i + 1));
}

void TestPreview::sampleListsFilled()
{
    QListWidget list;
    QComboBox first;
    QComboBox second;
    second.addItem(QStringLiteral("already there"));
    fillSampleLists(&list, &first, &second);

    const QStringList entries = sampleListEntries();
    QCOMPARE(list.count(), 30);
    QCOMPARE(first.count(), 30);
    for (int i = 0; i < 30; ++i) {
        QCOMPARE(list.item(i)->text(), entries.at(i));
        QCOMPARE(first.itemText(i), entries.at(i));
    }
    QCOMPARE(first.currentText(), QStringLiteral("元素1"));
    // Entries go after whatever a box already holds.
    QCOMPARE(second.count(), 31);
    QCOMPARE(second.itemText(0), QStringLiteral("already there"));
    QCOMPARE(second.itemText(30), QStringLiteral("元素30"));
}

// ------------------------------------------------------------- widget states

void TestPreview::previewStates()
{
    QMainWindow window;
    Ui::ZavoCreator ui;
    ui.setupUi(&window);
    applyPreviewStates(&ui);

    QVERIFY(ui.rbtn1->isChecked());
    QVERIFY(!ui.rbtn2->isChecked());
    QVERIFY(!ui.ck1->isChecked());
    QCOMPARE(ui.ck2->checkState(), Qt::Checked);
    QCOMPARE(ui.ck3->checkState(), Qt::PartiallyChecked);
    QVERIFY(ui.ck3->isTristate());
    QCOMPARE(ui.horizontalSlider->value(), 88);
    QCOMPARE(ui.progressBar->value(), 88);

    QCOMPARE(ui.tab9->styleSheet(), QStringLiteral("QPushButton{font:20pt;}"));
    QCOMPARE(ui.widgetVideo->styleSheet(), QStringLiteral("QLabel{font:20pt;}"));
    for (QWidget *w : window.findChildren<QWidget *>()) {
        if (w != ui.tab9 && w != ui.widgetVideo)
            QVERIFY2(w->styleSheet().isEmpty(), qPrintable(w->objectName()));
    }

    const QVariant left = ui.widgetLeft->property("nav");
    QCOMPARE(left.userType(), int(QMetaType::QString));
    QCOMPARE(left.toString(), QStringLiteral("left"));
    const QVariant top = ui.widgetTop->property("nav");
    QCOMPARE(top.userType(), int(QMetaType::QString));
    QCOMPARE(top.toString(), QStringLiteral("top"));
    const QVariant bottom = ui.widgetBottom->property("form");
    QCOMPARE(bottom.userType(), int(QMetaType::QString));
    QCOMPARE(bottom.toString(), QStringLiteral("bottom"));
    const QVariant video = ui.widgetVideo->property("video");
    QCOMPARE(video.userType(), int(QMetaType::Bool));
    QCOMPARE(video.toBool(), true);
    // Each property sits on its own container only.
    QVERIFY(!ui.widgetTop->property("form").isValid());
    QVERIFY(!ui.widgetBottom->property("nav").isValid());
    QVERIFY(!ui.widgetVideo->property("nav").isValid());
    QVERIFY(!ui.widget->property("nav").isValid());

    const QList<QLabel *> tiles = ui.widgetVideo->findChildren<QLabel *>();
    QCOMPARE(tiles.size(), 10);
    for (QLabel *tile : tiles)
        QCOMPARE(tile->focusPolicy(), Qt::StrongFocus);
    // Other labels keep their default: they take no focus.
    for (QLabel *label : {ui.lab, ui.lab1, ui.lab4, ui.labTextColor})
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
}

void TestPreview::pageFonts()
{
    QMainWindow window;
    Ui::ZavoCreator ui;
    ui.setupUi(&window);
    applyPreviewStates(&ui);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // The page style sheets give the demo buttons and the video tiles a
    // 20-point font, and nothing else.
    ui.btnUIDemo1->ensurePolished();
    ui.labCh1->ensurePolished();
    ui.btn1->ensurePolished();
    ui.lab1->ensurePolished();
    QCOMPARE(ui.btnUIDemo1->font().pointSize(), 20);
    QCOMPARE(ui.labCh10->font().pointSize(), 20);
    QVERIFY(ui.btn1->font().pointSize() != 20);
    QVERIFY(ui.lab1->font().pointSize() != 20);

    // A video tile takes focus by click and passes it on by Tab.
    ui.tabWidget->setCurrentWidget(ui.tab10);
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::mouseClick(ui.labCh7, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), ui.labCh7);
    QTest::keyClick(ui.labCh7, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ui.labCh8);
}

// ---------------------------------------------------- the window after start-up

void TestPreview::windowStartsWithSampleContent()
{
    ZavoCreator window;
    Ui::ZavoCreator *ui = ZavoCreatorProbe::ui(&window);

    QCOMPARE(ui->tableWidget->rowCount(), 300);
    QCOMPARE(ui->tableWidget->columnCount(), 5);
    const QVector<int> widths =
        alarmTableColumnWidths(QGuiApplication::primaryScreen()->availableGeometry().width());
    for (int column = 0; column < 4; ++column)
        QCOMPARE(ui->tableWidget->columnWidth(column), widths.at(column));
    QCOMPARE(rowTexts(ui->tableWidget, 299).mid(0, 4), (QStringList{"300", "测试设备300", "300", "防区告警"}));

    QCOMPARE(allItems(ui->treeWidget).size(), 7);
    QCOMPARE(ui->treeWidget->headerItem()->text(0), QStringLiteral(" 树状列表控件"));

    QCOMPARE(ui->listWidget->count(), 30);
    QCOMPARE(ui->cbox1->count(), 30);
    QCOMPARE(ui->cbox2->count(), 30);
    QCOMPARE(ui->cbox2->itemText(29), QStringLiteral("元素30"));

    QVERIFY(ui->rbtn1->isChecked());
    QCOMPARE(ui->ck3->checkState(), Qt::PartiallyChecked);
    QCOMPARE(ui->progressBar->value(), 88);
    QCOMPARE(ui->widgetVideo->property("video").toBool(), true);
    QCOMPARE(ui->labCh5->focusPolicy(), Qt::StrongFocus);
}

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
