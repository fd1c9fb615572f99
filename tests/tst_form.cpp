// The preview's sample content as the window shows it: the alarm table, the
// check tree, the sample lists and the properties the style sheets select on.
#include "previewcontent.h"
#include "zavocreatorprobe.h"

#include <QtTest>

#include <QDateTime>
#include <QScreen>

#include <memory>

class TestForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void alarmTable();
    void checkItemsAreIndependent();
    void sampleLists();
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
    QStringList last;
    for (int column = 0; column < 4; ++column)
        last << table->item(299, column)->text();
    QCOMPARE(last, (QStringList{"300", "测试设备300", "300", "防区告警"}));
    const QDateTime stamp =
        QDateTime::fromString(table->item(299, 4)->text(), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    QVERIFY(stamp.isValid() && qAbs(stamp.secsTo(QDateTime::currentDateTime())) < 600);
}

void TestForm::checkItemsAreIndependent()
{
    QList<QTreeWidgetItem *> items;
    for (QTreeWidgetItemIterator it(ui->treeWidget); *it; ++it)
        items << *it;
    const auto states = [&items] {
        QVector<Qt::CheckState> result;
        for (const QTreeWidgetItem *item : items)
            result << item->checkState(0);
        return result;
    };
    QCOMPARE(items.size(), 7);
    QVector<Qt::CheckState> expected(items.size(), Qt::Unchecked);
    expected[0] = Qt::PartiallyChecked; // 父元素1 over its first child, ticked
    expected[1] = Qt::Checked;
    QCOMPARE(states(), expected);

    // Toggling any one item leaves every other item as it was.
    for (int i = 0; i < items.size(); ++i) {
        const Qt::CheckState initial = expected.at(i);
        expected[i] = initial == Qt::Checked ? Qt::Unchecked : Qt::Checked;
        items.at(i)->setCheckState(0, expected.at(i));
        QCOMPARE(states(), expected);
        expected[i] = initial;
        items.at(i)->setCheckState(0, initial);
    }
}

void TestForm::sampleLists()
{
    for (const QAbstractItemModel *model : {ui->listWidget->model(), ui->cbox1->model(), ui->cbox2->model()}) {
        QCOMPARE(model->rowCount(), 30);
        QCOMPARE(model->index(29, 0).data().toString(), QStringLiteral("元素30"));
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
