// The main window: its form's widget tree, colour rows, geometry under
// resizing, menus and actions, its private slots and their by-name wiring,
// the state it starts in and the sample content of its preview pages.

#include "previewcontent.h"
#include "skincatalogue.h"
#include "zavocreatorprobe.h"

#include <QtTest>

#include <QApplication>
#include <QDateTime>
#include <QMenu>
#include <QMenuBar>
#include <QMetaMethod>
#include <QScreen>

#include <memory>

namespace {

// Every named object of the form, grouped by class.
const struct { const char *className; const char *names; } formTree[] = {
    {"QAction", "action action_O action_S action_C action_X action_C_2 action_V actionGouj action_T action_A "
                "silveryAction blueAction lightBlueAction darkBlueAction grayAction lightGrayAction "
                "darkGrayAction blackAction lightBlackAction darkBlackAction psBlackAction flatBlackAction "
                "flatWhiteAction flatBlueAction purpleAction blackBlueAction videoBlackAction yellowAction "
                "whiteAction silveryWhiteAction blackWhiteAction softGreenAction brownAction"},
    {"QWidget", "centralwidget tab1 tab2 tab3 widgetLeft page1 widgetTop widget widgetBottom page2 page3 tab4 "
                "tab5 tab6 tab tab_7 tab_2 tab_3 tab_8 tab_4 tab_5 tab_9 tab_6 tab7 widgetPanel tab8 "
                "widgetFontPanel tab9 tab10 widgetVideo"},
    {"QGridLayout", "gridLayout_7 gridLayout gridLayout_3 gridLayout_2 gridLayout_4 gridLayout_5"},
    {"QVBoxLayout", "verticalLayout verticalLayout_2 verticalLayout_4 verticalLayout_3 verticalLayout_5 "
                    "verticalLayout_6"},
    {"QHBoxLayout", "horizontalLayout horizontalLayout_7 horizontalLayout_2 horizontalLayout_3 horizontalLayout_4 "
                    "horizontalLayout_5 horizontalLayout_6"},
    {"QPushButton", "btnSave btnOpen btnTextColor btnPanelColor btnBorderColor btnNormalColorStart "
                    "btnNormalColorEnd btnDarkColorStart btnDarkColorEnd btnHighColor btnInfo btnQuestion "
                    "btnError btnInput btnInputPwd btnInputcbox btnWidget btn1 btn2 btn3 btnUIDemo1 btnUIDemo2 "
                    "btnUIDemo3 btnUIDemo4 btnUIDemo5 btnUIDemo6 btnUIDemo7 btnUIDemo8"},
    {"QLabel", "labTextColor labPanelColor labBorderColor labNormalColorStart labNormalColorEnd labDarkColorStart "
               "labDarkColorEnd labHighColor lab lab1 lab2 lab3 lab4 labCh1 labCh2 labCh3 labCh4 labCh5 labCh6 "
               "labCh7 labCh8 labCh9 labCh10"},
    {"QLineEdit", "txtTextColor txtPanelColor txtBorderColor txtNormalColorStart txtNormalColorEnd "
                  "txtDarkColorStart txtDarkColorEnd txtHighColor lineEdit"},
    {"QFrame", "frameColor line1 line2 line3"}, {"QTabWidget", "tabWidget tabWidget_2 tabWidget_3 tabWidget_4"},
    {"QSlider", "horizontalSlider verticalSlider"}, {"QRadioButton", "rbtn1 rbtn2"}, {"QCheckBox", "ck1 ck2 ck3"},
    {"QComboBox", "cbox1 cbox2"}, {"QToolButton", "tbtn1 tbtn2 tbtn3"},
    {"QCalendarWidget", "calendarWidget1 calendarWidget2"}, {"QMenu", "menu_F menu_E menu_B menu_H menu"},
    {"QTextEdit", "txtMain"}, {"QPlainTextEdit", "plainTextEdit"}, {"QGroupBox", "groupBox"},
    {"QSpinBox", "spinBox"}, {"QDoubleSpinBox", "doubleSpinBox"}, {"QTimeEdit", "timeEdit"},
    {"QDateEdit", "dateEdit"}, {"QDateTimeEdit", "dateTimeEdit"}, {"QProgressBar", "progressBar"},
    {"QTableWidget", "tableWidget"}, {"QStackedWidget", "stackedWidget"}, {"QScrollBar", "verticalScrollBar"},
    {"QTreeWidget", "treeWidget"}, {"QListWidget", "listWidget"}, {"QMenuBar", "menubar"},
};

// The colour roles in row order of the editor panel.
const char *const roleKeys[] = {"TextColor", "PanelColor", "BorderColor", "NormalColorStart",
                                "NormalColorEnd", "DarkColorStart", "DarkColorEnd", "HighColor"};

} // namespace

class TestForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startup();
    void columnWidths();
    void alarmTable();
    void checkTree();
    void sampleLists();
    void widgetStates();
    void widgetTree();
    void colourRows();
    void geometryAtSeveralSizes();
    void menusAndSkinActions();
    void actionTextsEndingInBlank();
    void inertActions();
    void slotTable();
    void slotsConnectedByName();

private:
    // Resizes the window and lets every layout settle.
    void settle(const QSize &size);

    std::unique_ptr<ZavoCreator> window;
    Ui::ZavoCreator *ui = nullptr;
};

void TestForm::initTestCase()
{
    // As in main(): with the platform's larger default font a table row could
    // not be made lower than 25 pixels.
    QApplication::setFont(QFont(QStringLiteral("Microsoft Yahei"), 9));
    window = std::make_unique<ZavoCreator>();
    ui = ZavoCreatorProbe::ui(*window);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
}

void TestForm::settle(const QSize &size)
{
    window->resize(size);
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCoreApplication::processEvents();
    }
}

void TestForm::startup()
{
    const QPair<const char *, int> pages[] = {
        {"tabWidget", 0}, {"stackedWidget", 0}, {"tabWidget_2", 2}, {"tabWidget_3", 0}, {"tabWidget_4", 2}};
    for (const auto &page : pages) {
        const QWidget *stack = window->findChild<QWidget *>(page.first);
        QVERIFY2(stack, page.first);
        QCOMPARE(stack->property("currentIndex").toInt(), page.second);
    }
    QCOMPARE(ui->horizontalSlider->value(), 88);
    QCOMPARE(ui->progressBar->value(), 88);
    for (int value : {0, 37, 100, 88}) {
        ui->horizontalSlider->setValue(value);
        QCOMPARE(ui->progressBar->value(), value);
    }
}

void TestForm::columnWidths()
{
    QCOMPARE(alarmTableColumnWidths(1130), (QVector<int>{60, 101, 60, 101, 151}));
    // Of W = width - 120: 6 %, 10 %, 6 %, 10 % and 15 %, cut toward zero.
    QVector<int> widths;
    for (int percent : {6, 10, 6, 10, 15})
        widths << (1366 - 120) * percent / 100;
    QCOMPARE(alarmTableColumnWidths(1366), widths);
}

void TestForm::alarmTable()
{
    const QTableWidget *table = ui->tableWidget;
    const int screenWidth = QGuiApplication::primaryScreen()->availableGeometry().width();
    const QVector<int> widths = alarmTableColumnWidths(screenWidth);
    QCOMPARE(table->columnCount(), widths.size());
    for (int column = 0; column < widths.size() - 1; ++column) // the last one stretches
        QCOMPARE(table->columnWidth(column), widths.at(column));

    QCOMPARE(table->rowCount(), 300);
    for (int row = 0; row < table->rowCount(); ++row)
        QVERIFY2(table->rowHeight(row) == 24, QByteArray::number(row));
    QStringList last;
    for (int column = 0; column < 4; ++column)
        last << table->item(299, column)->text();
    QCOMPARE(last, (QStringList{"300", "测试设备300", "300", "防区告警"}));
    const QDateTime stamp =
        QDateTime::fromString(table->item(299, 4)->text(), QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    QVERIFY(stamp.isValid() && qAbs(stamp.secsTo(QDateTime::currentDateTime())) < 600);
}

void TestForm::checkTree()
{
    QList<QTreeWidgetItem *> items;
    for (QTreeWidgetItemIterator it(ui->treeWidget); *it; ++it)
        items << *it;
    auto states = [&items] {
        QVector<Qt::CheckState> result;
        for (const QTreeWidgetItem *item : items)
            result << item->checkState(0);
        return result;
    };
    QCOMPARE(items.size(), 7);
    QCOMPARE(items.at(0)->text(0), QStringLiteral("父元素1"));
    QCOMPARE(items.at(1)->parent(), items.at(0));
    QVector<Qt::CheckState> expected(items.size(), Qt::Unchecked);
    expected[0] = Qt::PartiallyChecked;
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
    QStringList entries;
    for (int i = 1; i <= 30; ++i)
        entries << QStringLiteral("元素%1").arg(i);
    for (const QAbstractItemModel *model : {ui->listWidget->model(), ui->cbox1->model(), ui->cbox2->model()}) {
        QStringList texts;
        for (int row = 0; row < model->rowCount(); ++row)
            texts << model->index(row, 0).data().toString();
        QCOMPARE(texts, entries);
    }
}

void TestForm::widgetStates()
{
    QVERIFY(ui->rbtn1->isChecked());
    QCOMPARE(ui->ck2->checkState(), Qt::Checked);
    QCOMPARE(ui->ck3->checkState(), Qt::PartiallyChecked);

    // The stylesheet template selects on the dynamic properties; the two page
    // style sheets enlarge the demo buttons' and the video tiles' font.
    const struct { QWidget *widget; const char *property; QVariant value; } properties[] = {
        {ui->widgetLeft, "nav", QStringLiteral("left")},
        {ui->widgetTop, "nav", QStringLiteral("top")},
        {ui->widgetBottom, "form", QStringLiteral("bottom")},
        {ui->widgetVideo, "video", true},
        {ui->tab9, "styleSheet", QStringLiteral("QPushButton{font:20pt;}")},
        {ui->widgetVideo, "styleSheet", QStringLiteral("QLabel{font:20pt;}")},
    };
    for (const auto &entry : properties) {
        const QVariant actual = entry.widget->property(entry.property);
        QVERIFY2(actual.userType() == entry.value.userType(), entry.property);
        QCOMPARE(actual, entry.value);
    }

    QCOMPARE(ui->widgetVideo->findChildren<QLabel *>().size(), 10);
    for (int i = 1; i <= 10; ++i) {
        const QLabel *tile = ui->widgetVideo->findChild<QLabel *>(QStringLiteral("labCh%1").arg(i));
        QVERIFY2(tile && tile->focusPolicy() == Qt::StrongFocus, qPrintable(QString::number(i)));
    }
}

void TestForm::widgetTree()
{
    for (const auto &group : formTree) {
        for (const QString &name : QString::fromLatin1(group.names).split(QLatin1Char(' '))) {
            const QList<QObject *> matches = window->findChildren<QObject *>(name);
            QVERIFY2(matches.size() == 1, qPrintable(name));
            QCOMPARE(matches.first()->metaObject()->className(), group.className);
        }
    }
}

void TestForm::colourRows()
{
    QCOMPARE(ui->gridLayout_3->parentWidget(), ui->frameColor);
    QCOMPARE(ui->gridLayout_3->count(), 24);
    const char *const prefixes[] = {"lab", "btn", "txt"};
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 3; ++column) {
            QLayoutItem *cell = ui->gridLayout_3->itemAtPosition(row, column);
            QVERIFY(cell && cell->widget());
            QCOMPARE(cell->widget()->objectName(), QLatin1String(prefixes[column]) + QLatin1String(roleKeys[row]));
        }
    }
}

void TestForm::geometryAtSeveralSizes()
{
    // The smallest size is clamped to the layouts' minimum.
    for (const QSize size : {QSize(850, 630), QSize(300, 200), QSize(1400, 640), QSize(1600, 1200)}) {
        const QByteArray at = QByteArray::number(size.width()) + 'x' + QByteArray::number(size.height());
        ui->tabWidget->setCurrentWidget(ui->tab1);
        settle(size);
        QVERIFY2(ui->frameColor->width() == 220, at);
        QVERIFY2(ui->cbox1->isVisible() && ui->cbox1->height() <= 28 && ui->cbox2->height() <= 28, at);
        QVERIFY2(ui->progressBar->height() <= 18, at);

        ui->tabWidget->setCurrentWidget(ui->tab3);
        settle(size);
        QVERIFY2(ui->widgetLeft->isVisible() && ui->widgetLeft->width() >= 80, at);
        QVERIFY2(ui->widgetBottom->height() <= 30, at);
        for (const QFrame *line : {ui->line1, ui->line2, ui->line3})
            QVERIFY2(line->isVisible() && line->width() <= 1, at);
    }
    ui->tabWidget->setCurrentIndex(0);
}

void TestForm::menusAndSkinActions()
{
    QStringList shown;
    for (QAction *entry : ui->menubar->actions()) {
        if (entry->isVisible())
            shown << entry->text();
        QCOMPARE(ui->menubar->actionGeometry(entry).isEmpty(), !entry->isVisible());
    }
    QCOMPARE(shown, (QStringList{"文件(&F)", "编辑(&E)", "构建(&B)", "帮助(&H)"}));
    QVERIFY(!ui->menu->menuAction()->isVisible());

    // The hidden skin menu's actions still name a skin each and switch to it
    // (slotsConnectedByName finds every one of them connected).
    const QList<QAction *> skins = ui->menu->actions();
    QCOMPARE(skins.size(), 23);
    for (QAction *action : skins)
        QVERIFY2(findSkin(action->text()) && action->isEnabled(), qPrintable(action->objectName()));
    for (QAction *action : {skins.first(), skins.last()}) {
        action->trigger();
        QCOMPARE(ZavoCreatorProbe::fieldTexts(*window), findSkin(action->text())->colors);
    }
}

void TestForm::actionTextsEndingInBlank()
{
    QStringList endingInBlank;
    for (const QAction *action : window->findChildren<QAction *>()) {
        QVERIFY2(!action->text().endsWith(QLatin1String("  ")), qPrintable(action->objectName()));
        if (action->text().endsWith(QLatin1Char(' ')))
            endingInBlank << action->objectName();
    }
    endingInBlank.sort();
    QCOMPARE(endingInBlank, (QStringList{"action_S", "action_X"}));
}

void TestForm::inertActions()
{
    ui->txtMain->setPlainText(QStringLiteral("QWidget{}"));
    auto snapshot = [this] {
        QStringList state{window->windowTitle(), QString::number(window->isVisible()), qApp->styleSheet(),
                          ZavoCreatorProbe::composedSheet(*window), ui->txtMain->toPlainText(),
                          QStringLiteral("%1x%2").arg(window->width()).arg(window->height()),
                          QString::number(QApplication::topLevelWidgets().size())};
        for (const QLineEdit *edit : window->findChildren<QLineEdit *>())
            state << edit->text();
        for (const QTabWidget *tabs : window->findChildren<QTabWidget *>())
            state << QString::number(tabs->currentIndex());
        for (const QPushButton *button : ZavoCreatorProbe::buttons(*window))
            state << button->styleSheet();
        return state;
    };

    int inert = 0;
    for (const QMenu *menu : {ui->menu_F, ui->menu_E, ui->menu_B, ui->menu_H}) {
        for (QAction *action : menu->actions()) {
            if (action->isSeparator())
                continue;
            const QStringList before = snapshot();
            action->trigger();
            QCoreApplication::processEvents();
            QVERIFY2(snapshot() == before, qPrintable(action->objectName()));
            ++inert;
        }
    }
    QCOMPARE(inert, 10);
}

void TestForm::slotTable()
{
    QList<QByteArray> expected{"initForm()", "initTableWidget()", "initTreeWidget()", "initListWidget()",
                               "initOther()", "initStyle(QString)", "initTranslator()", "styleSlot()"};
    for (const char *key : roleKeys)
        expected << "on_txt" + QByteArray(key) + "_textChanged(QString)";
    expected << "on_btnSave_clicked()";
    for (const char *key : roleKeys)
        expected << "on_btn" + QByteArray(key) + "_clicked()";
    expected << "on_btnOpen_clicked()";

    const QMetaObject *mo = &ZavoCreator::staticMetaObject;
    QCOMPARE(mo->methodCount() - mo->methodOffset(), 26);
    for (int i = 0; i < expected.size(); ++i) {
        const QMetaMethod method = mo->method(mo->methodOffset() + i);
        QCOMPARE(method.methodSignature(), expected.at(i));
        QCOMPARE(method.methodType(), QMetaMethod::Slot);
        QCOMPARE(method.access(), QMetaMethod::Private);
    }
}

void TestForm::slotsConnectedByName()
{
    // Disconnecting tells whether a connection existed, so this works on a
    // window of its own: every expected connection is removed, after which
    // nothing may reach any of the window's slots.
    ZavoCreator own;
    const QMetaObject *mo = own.metaObject();
    auto cut = [&](const QString &senderName, const QByteArray &signal, const QByteArray &slot) {
        const QObject *sender = own.findChild<QObject *>(senderName);
        return sender && QObject::disconnect(sender, sender->metaObject()->method(
                                                         sender->metaObject()->indexOfSignal(signal)),
                                             &own, mo->method(mo->indexOfSlot(slot)));
    };

    int byName = 0;
    for (int i = mo->methodOffset(); i < mo->methodCount(); ++i) {
        const QByteArray slot = mo->method(i).methodSignature();
        if (!slot.startsWith("on_"))
            continue;
        const int split = slot.lastIndexOf('_');
        QVERIFY2(cut(QString::fromLatin1(slot.mid(3, split - 3)), slot.mid(split + 1), slot), slot);
        ++byName;
    }
    QCOMPARE(byName, 18);
    for (const QAction *action : ZavoCreatorProbe::ui(own)->menu->actions())
        QVERIFY2(cut(action->objectName(), "triggered()", "styleSlot()"), qPrintable(action->objectName()));

    QList<QObject *> senders = own.findChildren<QObject *>();
    senders << &own;
    for (int i = mo->methodOffset(); i < mo->methodCount(); ++i) {
        for (const QObject *sender : senders)
            QVERIFY2(!QObject::disconnect(sender, QMetaMethod(), &own, mo->method(i)),
                     qPrintable(sender->objectName() + QLatin1String(" -> ") + mo->method(i).name()));
    }
}

QTEST_MAIN(TestForm)
#include "tst_form.moc"
