// The preview's sample content as the window shows it: the alarm table, the
// check tree and the properties the style sheets select on.
#include "previewcontent.h"
#include "zavocreatorprobe.h"

#include <QtTest>

#include <QScreen>

#include <memory>

class TestForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void alarmTable();
    void checkItemsAreIndependent();
    void propertiesTheSkinsSelectOn();

private:
    std::unique_ptr<ZavoCreator> window;
    Ui::ZavoCreator *ui = nullptr;
};

void TestForm::initTestCase()
{
    window = std::make_unique<ZavoCreator>();
    ui = ZavoCreatorProbe::ui(*window);
}

void TestForm::alarmTable()
{
    // Number and address columns alike, name and content alike, time wider.
    QCOMPARE(alarmTableColumnWidths(1130), (QVector<int>{60, 101, 60, 101, 151}));
    const QTableWidget *table = ui->tableWidget;
    const QVector<int> widths =
        alarmTableColumnWidths(QGuiApplication::primaryScreen()->availableGeometry().width());
    QCOMPARE(table->columnCount(), widths.size());
    for (int column = 0; column < widths.size() - 1; ++column) // the last one stretches
        QCOMPARE(table->columnWidth(column), widths.at(column));

    QCOMPARE(table->rowCount(), 300);
    QCOMPARE(table->item(299, 1)->text(), QStringLiteral("测试设备300"));
}

void TestForm::checkItemsAreIndependent()
{
    QList<QTreeWidgetItem *> items;
    for (QTreeWidgetItemIterator it(ui->treeWidget); *it; ++it)
        items << *it;
    const auto states = [&items] {
        QString result;
        for (const QTreeWidgetItem *item : items)
            result += QString::number(item->checkState(0));
        return result;
    };
    QCOMPARE(states(), QStringLiteral("1200000")); // 父元素1 partly, its first child ticked

    // Ticking or unticking any one item leaves every other item as it was.
    for (int i = 0; i < items.size(); ++i) {
        QString expected = states();
        expected[i] = items[i]->checkState(0) == Qt::Checked ? QLatin1Char('0') : QLatin1Char('2');
        items[i]->setCheckState(0, Qt::CheckState(expected[i].digitValue()));
        QCOMPARE(states(), expected);
    }
}

void TestForm::propertiesTheSkinsSelectOn()
{
    const struct { QWidget *widget; const char *property; QVariant value; } properties[] = {
        {ui->widgetLeft, "nav", QStringLiteral("left")},
        {ui->widgetTop, "nav", QStringLiteral("top")},
        {ui->widgetBottom, "form", QStringLiteral("bottom")},
        {ui->widgetVideo, "video", true},
    };
    for (const auto &entry : properties)
        QVERIFY2(entry.widget->property(entry.property) == entry.value, entry.property);
    // The video tiles take focus, so that the focused one is framed.
    const QList<QLabel *> tiles = ui->widgetVideo->findChildren<QLabel *>();
    QCOMPARE(tiles.size(), 10);
    for (const QLabel *tile : tiles)
        QVERIFY2(tile->focusPolicy() == Qt::StrongFocus, qPrintable(tile->objectName()));
}

QTEST_MAIN(TestForm)
#include "tst_form.moc"
