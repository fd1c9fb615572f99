// The main window's form: its widget tree, layout cells, properties, texts,
// menus and actions, its by-name slot wiring and the state the window starts
// in. Most checks use the real window; the ones about setupUi itself (object
// name, translation context) build the form on a bare QMainWindow.

#include "zavocreator.h"
#include "ui_zavocreator.h"

#include <QtTest>

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMetaMethod>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpacerItem>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QTranslator>

#include <memory>

class ZavoCreatorProbe
{
public:
    static Ui::ZavoCreator *ui(ZavoCreator *window) { return window->ui; }
    static QString composedSheet(const ZavoCreator *window) { return window->composedSheet; }
};

namespace {

struct Node
{
    const char *name;
    const char *className;
    const char *owner; // the widget, layout or container that holds it
};

// Every named object of the form in creation order, grouped by owner.
const Node formTree[] = {
    // actions
    {"action", "QAction", "ZavoCreator"},
    {"action_O", "QAction", "ZavoCreator"},
    {"action_S", "QAction", "ZavoCreator"},
    {"action_C", "QAction", "ZavoCreator"},
    {"action_X", "QAction", "ZavoCreator"},
    {"action_C_2", "QAction", "ZavoCreator"},
    {"action_V", "QAction", "ZavoCreator"},
    {"actionGouj", "QAction", "ZavoCreator"},
    {"action_T", "QAction", "ZavoCreator"},
    {"action_A", "QAction", "ZavoCreator"},
    {"silveryAction", "QAction", "ZavoCreator"},
    {"blueAction", "QAction", "ZavoCreator"},
    {"lightBlueAction", "QAction", "ZavoCreator"},
    {"darkBlueAction", "QAction", "ZavoCreator"},
    {"grayAction", "QAction", "ZavoCreator"},
    {"lightGrayAction", "QAction", "ZavoCreator"},
    {"darkGrayAction", "QAction", "ZavoCreator"},
    {"blackAction", "QAction", "ZavoCreator"},
    {"lightBlackAction", "QAction", "ZavoCreator"},
    {"darkBlackAction", "QAction", "ZavoCreator"},
    {"psBlackAction", "QAction", "ZavoCreator"},
    {"flatBlackAction", "QAction", "ZavoCreator"},
    {"flatWhiteAction", "QAction", "ZavoCreator"},
    {"flatBlueAction", "QAction", "ZavoCreator"},
    {"purpleAction", "QAction", "ZavoCreator"},
    {"blackBlueAction", "QAction", "ZavoCreator"},
    {"videoBlackAction", "QAction", "ZavoCreator"},
    {"yellowAction", "QAction", "ZavoCreator"},
    {"whiteAction", "QAction", "ZavoCreator"},
    {"silveryWhiteAction", "QAction", "ZavoCreator"},
    {"blackWhiteAction", "QAction", "ZavoCreator"},
    {"softGreenAction", "QAction", "ZavoCreator"},
    {"brownAction", "QAction", "ZavoCreator"},
    // editor panel
    {"centralwidget", "QWidget", "ZavoCreator"},
    {"gridLayout_7", "QGridLayout", "centralwidget"},
    {"gridLayout", "QGridLayout", "gridLayout_7"},
    {"btnSave", "QPushButton", "centralwidget"},
    {"btnOpen", "QPushButton", "centralwidget"},
    {"txtMain", "QTextEdit", "centralwidget"},
    {"frameColor", "QFrame", "centralwidget"},
    {"gridLayout_3", "QGridLayout", "frameColor"},
    {"labTextColor", "QLabel", "frameColor"},
    {"btnTextColor", "QPushButton", "frameColor"},
    {"txtTextColor", "QLineEdit", "frameColor"},
    {"labPanelColor", "QLabel", "frameColor"},
    {"btnPanelColor", "QPushButton", "frameColor"},
    {"txtPanelColor", "QLineEdit", "frameColor"},
    {"labBorderColor", "QLabel", "frameColor"},
    {"btnBorderColor", "QPushButton", "frameColor"},
    {"txtBorderColor", "QLineEdit", "frameColor"},
    {"labNormalColorStart", "QLabel", "frameColor"},
    {"btnNormalColorStart", "QPushButton", "frameColor"},
    {"txtNormalColorStart", "QLineEdit", "frameColor"},
    {"labNormalColorEnd", "QLabel", "frameColor"},
    {"btnNormalColorEnd", "QPushButton", "frameColor"},
    {"txtNormalColorEnd", "QLineEdit", "frameColor"},
    {"labDarkColorStart", "QLabel", "frameColor"},
    {"btnDarkColorStart", "QPushButton", "frameColor"},
    {"txtDarkColorStart", "QLineEdit", "frameColor"},
    {"labDarkColorEnd", "QLabel", "frameColor"},
    {"btnDarkColorEnd", "QPushButton", "frameColor"},
    {"txtDarkColorEnd", "QLineEdit", "frameColor"},
    {"labHighColor", "QLabel", "frameColor"},
    {"btnHighColor", "QPushButton", "frameColor"},
    {"txtHighColor", "QLineEdit", "frameColor"},
    {"tabWidget", "QTabWidget", "centralwidget"},
    // page 1: common widgets
    {"tab1", "QWidget", "tabWidget"},
    {"verticalLayout", "QVBoxLayout", "tab1"},
    {"groupBox", "QGroupBox", "tab1"},
    {"gridLayout_2", "QGridLayout", "groupBox"},
    {"lab", "QLabel", "groupBox"},
    {"lineEdit", "QLineEdit", "groupBox"},
    {"rbtn1", "QRadioButton", "groupBox"},
    {"rbtn2", "QRadioButton", "groupBox"},
    {"ck1", "QCheckBox", "groupBox"},
    {"ck2", "QCheckBox", "groupBox"},
    {"ck3", "QCheckBox", "groupBox"},
    {"cbox1", "QComboBox", "groupBox"},
    {"cbox2", "QComboBox", "groupBox"},
    {"btnInfo", "QPushButton", "groupBox"},
    {"btnQuestion", "QPushButton", "groupBox"},
    {"btnError", "QPushButton", "groupBox"},
    {"btnInput", "QPushButton", "groupBox"},
    {"btnInputPwd", "QPushButton", "groupBox"},
    {"btnInputcbox", "QPushButton", "groupBox"},
    {"btnWidget", "QPushButton", "groupBox"},
    {"spinBox", "QSpinBox", "groupBox"},
    {"doubleSpinBox", "QDoubleSpinBox", "groupBox"},
    {"timeEdit", "QTimeEdit", "groupBox"},
    {"dateEdit", "QDateEdit", "groupBox"},
    {"dateTimeEdit", "QDateTimeEdit", "groupBox"},
    {"horizontalSlider", "QSlider", "groupBox"},
    {"progressBar", "QProgressBar", "groupBox"},
    {"plainTextEdit", "QPlainTextEdit", "groupBox"},
    // page 2: table
    {"tab2", "QWidget", "tabWidget"},
    {"horizontalLayout", "QHBoxLayout", "tab2"},
    {"tableWidget", "QTableWidget", "tab2"},
    // page 3: navigation mock-up
    {"tab3", "QWidget", "tabWidget"},
    {"horizontalLayout_7", "QHBoxLayout", "tab3"},
    {"widgetLeft", "QWidget", "tab3"},
    {"verticalLayout_2", "QVBoxLayout", "widgetLeft"},
    {"btn1", "QPushButton", "widgetLeft"},
    {"btn2", "QPushButton", "widgetLeft"},
    {"btn3", "QPushButton", "widgetLeft"},
    {"stackedWidget", "QStackedWidget", "tab3"},
    {"page1", "QWidget", "stackedWidget"},
    {"verticalLayout_4", "QVBoxLayout", "page1"},
    {"widgetTop", "QWidget", "page1"},
    {"horizontalLayout_2", "QHBoxLayout", "widgetTop"},
    {"tbtn1", "QToolButton", "widgetTop"},
    {"tbtn2", "QToolButton", "widgetTop"},
    {"tbtn3", "QToolButton", "widgetTop"},
    {"widget", "QWidget", "page1"},
    {"widgetBottom", "QWidget", "page1"},
    {"horizontalLayout_3", "QHBoxLayout", "widgetBottom"},
    {"lab1", "QLabel", "widgetBottom"},
    {"line1", "QFrame", "widgetBottom"},
    {"lab2", "QLabel", "widgetBottom"},
    {"line2", "QFrame", "widgetBottom"},
    {"lab3", "QLabel", "widgetBottom"},
    {"line3", "QFrame", "widgetBottom"},
    {"lab4", "QLabel", "widgetBottom"},
    {"page2", "QWidget", "stackedWidget"},
    {"page3", "QWidget", "stackedWidget"},
    {"verticalSlider", "QSlider", "tab3"},
    {"verticalScrollBar", "QScrollBar", "tab3"},
    // page 4: tree and list
    {"tab4", "QWidget", "tabWidget"},
    {"horizontalLayout_4", "QHBoxLayout", "tab4"},
    {"treeWidget", "QTreeWidget", "tab4"},
    {"listWidget", "QListWidget", "tab4"},
    // page 5: calendars
    {"tab5", "QWidget", "tabWidget"},
    {"horizontalLayout_5", "QHBoxLayout", "tab5"},
    {"calendarWidget1", "QCalendarWidget", "tab5"},
    {"calendarWidget2", "QCalendarWidget", "tab5"},
    // page 6: nested tab widgets
    {"tab6", "QWidget", "tabWidget"},
    {"horizontalLayout_6", "QHBoxLayout", "tab6"},
    {"tabWidget_2", "QTabWidget", "tab6"},
    {"tab", "QWidget", "tabWidget_2"},
    {"tab_7", "QWidget", "tabWidget_2"},
    {"tab_2", "QWidget", "tabWidget_2"},
    {"tabWidget_3", "QTabWidget", "tab6"},
    {"tab_3", "QWidget", "tabWidget_3"},
    {"tab_8", "QWidget", "tabWidget_3"},
    {"tab_4", "QWidget", "tabWidget_3"},
    {"tabWidget_4", "QTabWidget", "tab6"},
    {"tab_5", "QWidget", "tabWidget_4"},
    {"tab_9", "QWidget", "tabWidget_4"},
    {"tab_6", "QWidget", "tabWidget_4"},
    // pages 7 and 8: empty panels
    {"tab7", "QWidget", "tabWidget"},
    {"verticalLayout_3", "QVBoxLayout", "tab7"},
    {"widgetPanel", "QWidget", "tab7"},
    {"tab8", "QWidget", "tabWidget"},
    {"verticalLayout_5", "QVBoxLayout", "tab8"},
    {"widgetFontPanel", "QWidget", "tab8"},
    // page 9: demo buttons
    {"tab9", "QWidget", "tabWidget"},
    {"gridLayout_4", "QGridLayout", "tab9"},
    {"btnUIDemo1", "QPushButton", "tab9"},
    {"btnUIDemo2", "QPushButton", "tab9"},
    {"btnUIDemo3", "QPushButton", "tab9"},
    {"btnUIDemo4", "QPushButton", "tab9"},
    {"btnUIDemo5", "QPushButton", "tab9"},
    {"btnUIDemo6", "QPushButton", "tab9"},
    {"btnUIDemo7", "QPushButton", "tab9"},
    {"btnUIDemo8", "QPushButton", "tab9"},
    // page 10: video wall
    {"tab10", "QWidget", "tabWidget"},
    {"verticalLayout_6", "QVBoxLayout", "tab10"},
    {"widgetVideo", "QWidget", "tab10"},
    {"gridLayout_5", "QGridLayout", "widgetVideo"},
    {"labCh1", "QLabel", "widgetVideo"},
    {"labCh2", "QLabel", "widgetVideo"},
    {"labCh3", "QLabel", "widgetVideo"},
    {"labCh4", "QLabel", "widgetVideo"},
    {"labCh5", "QLabel", "widgetVideo"},
    {"labCh6", "QLabel", "widgetVideo"},
    {"labCh7", "QLabel", "widgetVideo"},
    {"labCh8", "QLabel", "widgetVideo"},
    {"labCh9", "QLabel", "widgetVideo"},
    {"labCh10", "QLabel", "widgetVideo"},
    // menu bar
    {"menubar", "QMenuBar", "ZavoCreator"},
    {"menu_F", "QMenu", "menubar"},
    {"menu_E", "QMenu", "menubar"},
    {"menu_B", "QMenu", "menubar"},
    {"menu_H", "QMenu", "menubar"},
    {"menu", "QMenu", "menubar"},
};

const char *const roleKeys[] = {"TextColor", "PanelColor", "BorderColor", "NormalColorStart",
                                "NormalColorEnd", "DarkColorStart", "DarkColorEnd", "HighColor"};

const char *const skinActionNames[] = {
    "silveryAction", "blueAction", "lightBlueAction", "darkBlueAction", "grayAction",
    "lightGrayAction", "darkGrayAction", "blackAction", "lightBlackAction", "darkBlackAction",
    "psBlackAction", "flatBlackAction", "flatWhiteAction", "flatBlueAction", "purpleAction",
    "blackBlueAction", "videoBlackAction", "yellowAction", "whiteAction", "silveryWhiteAction",
    "blackWhiteAction", "softGreenAction", "brownAction"};

const char *const inertActionNames[] = {"action", "action_O", "action_S", "action_C", "action_X",
                                        "action_C_2", "action_V", "actionGouj", "action_T", "action_A"};

// The object that holds `object` in the form's sense: the tab widget for a
// tab page (Qt parents those to the tab widget's internal stack), the
// parent layout for a nested layout, the parent otherwise.
QObject *owner(const QObject *object)
{
    QObject *parent = object->parent();
    if (parent && qobject_cast<QStackedWidget *>(parent) && qobject_cast<QTabWidget *>(parent->parent()))
        return parent->parent();
    return parent;
}

QString layoutItemName(QLayoutItem *item)
{
    if (QWidget *w = item->widget())
        return w->objectName();
    if (QLayout *l = item->layout())
        return l->objectName();
    if (item->spacerItem())
        return QStringLiteral("<spacer>");
    return QStringLiteral("<?>");
}

// Whether the object was named by the form rather than by Qt for the inner
// parts of its widgets (tab bar scroll buttons, calendar navigation, the
// main window's own layout, …).
bool isFormObject(const QObject *object)
{
    auto internal = [](const QString &name) {
        return name.isEmpty() || name.startsWith(QLatin1String("qt_")) || name.startsWith(QLatin1Char('_'));
    };
    if (internal(object->objectName()))
        return false;
    for (const QObject *p = object->parent(); p && p->parent(); p = p->parent()) {
        // Tab pages sit in the tab widget's internal stack.
        if (internal(p->objectName()) && p->objectName() != QLatin1String("qt_tabwidget_stackedwidget"))
            return false;
    }
    return true;
}

std::unique_ptr<ZavoCreator> makeWindow()
{
    auto window = std::make_unique<ZavoCreator>();
    return window;
}

// Brings a shown window to the given size and lets every layout settle.
void settle(QWidget *window, const QSize &size)
{
    window->resize(size);
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCoreApplication::processEvents();
    }
}

// A translator that answers every lookup with a marked text and records the
// lookups, so tests can tell which texts came through the translation
// function and with what arguments.
class MarkingTranslator : public QTranslator
{
public:
    struct Lookup
    {
        QByteArray context;
        QString source;
        bool hasDisambiguation;
        int n;
    };

    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override
    {
        lookups.append({QByteArray(context), QString::fromUtf8(sourceText), disambiguation != nullptr, n});
        return QStringLiteral("«") + QString::fromUtf8(sourceText) + QStringLiteral("»");
    }

    bool isEmpty() const override { return false; }

    mutable QVector<Lookup> lookups;
};

} // namespace

class TestForm : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    // widget tree
    void objectTree_data();
    void objectTree();
    void creationOrder();
    void noOtherNamedObjects();
    void gridCells_data();
    void gridCells();
    void boxLayouts_data();
    void boxLayouts();
    void colourRows();
    void layoutSettings();
    void widgetProperties();
    void pages();
    void texts_data();
    void texts();
    void sampleParagraph();

    // geometry
    void frameColorKeepsItsWidth_data();
    void frameColorKeepsItsWidth();
    void sizeLimits_data();
    void sizeLimits();

    // menus and actions
    void menus();
    void actionsInCreationOrder();
    void skinMenuHiddenButAlive();
    void actionTextsEndingInBlank();
    void inertActions_data();
    void inertActions();

    // slot table and wiring
    void slotTable();
    void slotsConnectedByName();
    void sliderDrivesProgressBar();
    void groupBoxTogglesItsControls();

    // start-up
    void startupState();

    // setupUi on its own
    void existingObjectNameIsKept();
    void textsGoThroughTranslation();

private:
    std::unique_ptr<ZavoCreator> window;
    Ui::ZavoCreator *ui = nullptr;
};

void TestForm::initTestCase()
{
    window = makeWindow();
    ui = ZavoCreatorProbe::ui(window.get());
    QVERIFY(ui);
}

// ---------------------------------------------------------------- widget tree

void TestForm::objectTree_data()
{
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("ownerName");
    for (const Node &node : formTree)
        QTest::newRow(node.name) << QString::fromLatin1(node.className) << QString::fromLatin1(node.owner);
}

void TestForm::objectTree()
{
    QFETCH(QString, className);
    QFETCH(QString, ownerName);
    const QString name = QString::fromLatin1(QTest::currentDataTag());

    const QList<QObject *> matches = window->findChildren<QObject *>(name);
    QCOMPARE(matches.size(), 1);
    QObject *object = matches.first();
    QCOMPARE(QString::fromLatin1(object->metaObject()->className()), className);
    QObject *holder = owner(object);
    QVERIFY(holder);
    QCOMPARE(holder->objectName(), ownerName);
}

void TestForm::creationOrder()
{
    // Widgets and actions with the same parent are created in the order of
    // the form; Qt keeps children in creation order, and that order is also
    // the default Tab order.
    QHash<QString, QStringList> expected;
    QSet<QString> formNames;
    for (const Node &node : formTree) {
        const QString cls = QString::fromLatin1(node.className);
        if (cls.endsWith(QLatin1String("Layout")))
            continue;
        expected[QString::fromLatin1(node.owner)] << QString::fromLatin1(node.name);
        formNames.insert(QString::fromLatin1(node.name));
    }
    QVERIFY(expected.size() > 10);
    for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
        QObject *holder = it.key() == QLatin1String("ZavoCreator")
                              ? window.get()
                              : window->findChild<QObject *>(it.key());
        QVERIFY2(holder, qPrintable(it.key()));
        // Stacks keep their pages in stacking order, not creation order;
        // the pages' order is checked through the stacks' indices instead.
        if (qobject_cast<QTabWidget *>(holder) || qobject_cast<QStackedWidget *>(holder))
            continue;
        QStringList actual;
        for (QObject *child : holder->children()) {
            if (formNames.contains(child->objectName()))
                actual << child->objectName();
        }
        QCOMPARE(actual, it.value());
    }
}

void TestForm::noOtherNamedObjects()
{
    // Apart from Qt's own internals the form names exactly the objects of
    // its tree.
    QStringList expected;
    for (const Node &node : formTree)
        expected << QString::fromLatin1(node.name);
    QStringList actual;
    for (QObject *object : window->findChildren<QObject *>()) {
        if (isFormObject(object))
            actual << object->objectName();
    }
    expected.sort();
    actual.sort();
    QCOMPARE(actual, expected);

    QVERIFY(!window->findChild<QStatusBar *>());
    QVERIFY(!window->findChild<QToolBar *>());
}

void TestForm::gridCells_data()
{
    QTest::addColumn<QString>("layoutName");
    QTest::addColumn<QStringList>("cells"); // "item row column rowspan colspan"

    QTest::newRow("gridLayout_7") << "gridLayout_7"
                                  << QStringList{"gridLayout 0 0 1 1", "txtMain 0 1 2 1",
                                                 "frameColor 1 0 1 1", "tabWidget 2 0 1 2"};
    // btnSave is created (and laid out) before btnOpen, but Open stands on top.
    QTest::newRow("gridLayout") << "gridLayout" << QStringList{"btnSave 1 1 1 1", "btnOpen 0 1 1 1"};
    QTest::newRow("gridLayout_2")
        << "gridLayout_2"
        << QStringList{"lab 0 0 1 1",          "lineEdit 0 1 1 6",      "rbtn1 1 0 1 1",
                       "rbtn2 1 1 1 1",        "ck1 1 2 1 1",           "ck2 1 3 1 1",
                       "ck3 1 4 1 1",          "cbox1 1 5 1 1",         "cbox2 1 6 1 1",
                       "btnInfo 2 0 1 1",      "btnQuestion 2 1 1 1",   "btnError 2 2 1 1",
                       "btnInput 2 3 1 1",     "btnInputPwd 2 4 1 1",   "btnInputcbox 2 5 1 1",
                       "btnWidget 2 6 1 1",    "spinBox 3 0 1 1",       "doubleSpinBox 3 1 1 1",
                       "timeEdit 3 2 1 1",     "dateEdit 3 3 1 2",      "dateTimeEdit 3 5 1 2",
                       "horizontalSlider 4 0 1 3", "progressBar 4 3 1 4", "plainTextEdit 5 0 1 7"};
    QTest::newRow("gridLayout_4")
        << "gridLayout_4"
        << QStringList{"btnUIDemo1 0 0 1 1", "btnUIDemo2 0 1 1 1", "btnUIDemo3 0 2 1 1",
                       "btnUIDemo4 0 3 1 1", "btnUIDemo5 1 0 1 1", "btnUIDemo6 1 1 1 1",
                       "btnUIDemo7 1 2 1 1", "btnUIDemo8 1 3 1 1"};
    QTest::newRow("gridLayout_5")
        << "gridLayout_5"
        << QStringList{"labCh1 0 0 1 1", "labCh2 0 1 1 1", "labCh3 0 2 1 1", "labCh4 0 3 1 1",
                       "labCh5 0 4 1 1", "labCh6 1 0 1 1", "labCh7 1 1 1 1", "labCh8 1 2 1 1",
                       "labCh9 1 3 1 1", "labCh10 1 4 1 1"};
}

void TestForm::gridCells()
{
    QFETCH(QString, layoutName);
    QFETCH(QStringList, cells);

    auto *grid = window->findChild<QGridLayout *>(layoutName);
    QVERIFY(grid);
    QCOMPARE(grid->count(), cells.size());
    for (int i = 0; i < grid->count(); ++i) {
        int row = -1, column = -1, rowSpan = -1, columnSpan = -1;
        grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
        QLayoutItem *item = grid->itemAt(i);
        const QString actual = QStringLiteral("%1 %2 %3 %4 %5")
                                   .arg(layoutItemName(item))
                                   .arg(row)
                                   .arg(column)
                                   .arg(rowSpan)
                                   .arg(columnSpan);
        QCOMPARE(actual, cells.at(i));
        QCOMPARE(int(item->alignment()), 0);
    }
    QCOMPARE(grid->columnCount(), [&] {
        int columns = 0;
        for (const QString &cell : cells) {
            const QStringList parts = cell.split(QLatin1Char(' '));
            columns = qMax(columns, parts.at(2).toInt() + parts.at(4).toInt());
        }
        return columns;
    }());
}

void TestForm::boxLayouts_data()
{
    QTest::addColumn<QString>("layoutName");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<QStringList>("items");

    QTest::newRow("verticalLayout") << "verticalLayout" << true << QStringList{"groupBox"};
    QTest::newRow("horizontalLayout") << "horizontalLayout" << false << QStringList{"tableWidget"};
    QTest::newRow("horizontalLayout_7")
        << "horizontalLayout_7" << false
        << QStringList{"widgetLeft", "stackedWidget", "verticalSlider", "verticalScrollBar"};
    QTest::newRow("verticalLayout_2") << "verticalLayout_2" << true
                                      << QStringList{"btn1", "btn2", "btn3", "<spacer>"};
    QTest::newRow("verticalLayout_4") << "verticalLayout_4" << true
                                      << QStringList{"widgetTop", "widget", "widgetBottom"};
    QTest::newRow("horizontalLayout_2") << "horizontalLayout_2" << false
                                        << QStringList{"tbtn1", "tbtn2", "tbtn3"};
    QTest::newRow("horizontalLayout_3")
        << "horizontalLayout_3" << false
        << QStringList{"lab1", "line1", "lab2", "line2", "lab3", "line3", "lab4"};
    QTest::newRow("horizontalLayout_4") << "horizontalLayout_4" << false
                                        << QStringList{"treeWidget", "listWidget"};
    QTest::newRow("horizontalLayout_5") << "horizontalLayout_5" << false
                                        << QStringList{"calendarWidget1", "calendarWidget2"};
    QTest::newRow("horizontalLayout_6") << "horizontalLayout_6" << false
                                        << QStringList{"tabWidget_2", "tabWidget_3", "tabWidget_4"};
    QTest::newRow("verticalLayout_3") << "verticalLayout_3" << true << QStringList{"widgetPanel"};
    QTest::newRow("verticalLayout_5") << "verticalLayout_5" << true << QStringList{"widgetFontPanel"};
    QTest::newRow("verticalLayout_6") << "verticalLayout_6" << true << QStringList{"widgetVideo"};
}

void TestForm::boxLayouts()
{
    QFETCH(QString, layoutName);
    QFETCH(bool, vertical);
    QFETCH(QStringList, items);

    auto *box = window->findChild<QBoxLayout *>(layoutName);
    QVERIFY(box);
    QCOMPARE(box->direction(), vertical ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    QStringList actual;
    for (int i = 0; i < box->count(); ++i)
        actual << layoutItemName(box->itemAt(i));
    QCOMPARE(actual, items);
}

void TestForm::colourRows()
{
    auto *frame = ui->frameColor;
    QCOMPARE(ui->gridLayout_3->parentWidget(), frame);
    QCOMPARE(ui->gridLayout_3->count(), 24);
    QCOMPARE(ui->gridLayout_3->rowCount(), 8);
    QCOMPARE(ui->gridLayout_3->columnCount(), 3);

    const QStringList labelTexts{"字体颜色", "面板背景", "边框颜色", "普通渐变开始",
                                 "普通渐变结束", "加深渐变开始", "加深渐变结束", "边缘高亮颜色"};
    for (int row = 0; row < 8; ++row) {
        const QString key = QString::fromLatin1(roleKeys[row]);
        auto *label = qobject_cast<QLabel *>(ui->gridLayout_3->itemAtPosition(row, 0)->widget());
        auto *button = qobject_cast<QPushButton *>(ui->gridLayout_3->itemAtPosition(row, 1)->widget());
        auto *field = qobject_cast<QLineEdit *>(ui->gridLayout_3->itemAtPosition(row, 2)->widget());
        QVERIFY(label && button && field);
        QCOMPARE(label->objectName(), QStringLiteral("lab") + key);
        QCOMPARE(button->objectName(), QStringLiteral("btn") + key);
        QCOMPARE(field->objectName(), QStringLiteral("txt") + key);
        QCOMPARE(label->text(), labelTexts.at(row));
        QVERIFY2(button->text().isEmpty(), qPrintable(button->objectName()));
        QVERIFY(!field->validator());
        QVERIFY(field->inputMask().isEmpty());
        for (QWidget *w : {static_cast<QWidget *>(label), static_cast<QWidget *>(button),
                           static_cast<QWidget *>(field)})
            QCOMPARE(w->parentWidget(), frame);
    }
}

void TestForm::layoutSettings()
{
    QCOMPARE(ui->gridLayout_3->contentsMargins(), QMargins(6, 6, 6, 6));
    QCOMPARE(ui->verticalLayout_2->contentsMargins(), QMargins(0, 0, 0, 0));
    QCOMPARE(ui->verticalLayout_2->spacing(), 0);
    QCOMPARE(ui->horizontalLayout_2->contentsMargins(), QMargins(0, 0, 0, 0));
    QCOMPARE(ui->horizontalLayout_2->spacing(), 0);
    QCOMPARE(ui->verticalLayout_3->contentsMargins(), QMargins(3, 3, 3, 3));
    QCOMPARE(ui->verticalLayout_5->contentsMargins(), QMargins(3, 3, 3, 3));
    QCOMPARE(ui->gridLayout_5->contentsMargins(), QMargins(0, 0, 0, 0));

    // Layouts the form leaves alone keep the style's margins: the status
    // strip's layout is a top-level layout of its widget, not a bare
    // layout-only container with zero margins.
    QWidget probeParent;
    QWidget probe(&probeParent);
    QHBoxLayout defaults(&probe);
    QCOMPARE(ui->horizontalLayout_3->contentsMargins(), defaults.contentsMargins());
    QCOMPARE(ui->verticalLayout_4->contentsMargins(), defaults.contentsMargins());
    QCOMPARE(ui->gridLayout_7->contentsMargins(), defaults.contentsMargins());

    QSpacerItem *spacer = ui->verticalSpacer;
    QVERIFY(spacer);
    QCOMPARE(ui->verticalLayout_2->indexOf(spacer), 3);
    QCOMPARE(spacer->sizeHint(), QSize(20, 222));
    QCOMPARE(spacer->sizePolicy().horizontalPolicy(), QSizePolicy::Minimum);
    QCOMPARE(spacer->sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
}

void TestForm::widgetProperties()
{
    const QSizePolicy frame = ui->frameColor->sizePolicy();
    QCOMPARE(frame.horizontalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(frame.verticalPolicy(), QSizePolicy::Preferred);
    QCOMPARE(frame.horizontalStretch(), 0);
    QCOMPARE(frame.verticalStretch(), 0);
    QCOMPARE(ui->frameColor->minimumSize(), QSize(220, 0));
    QCOMPARE(ui->frameColor->maximumSize(), QSize(220, QWIDGETSIZE_MAX));
    QCOMPARE(ui->frameColor->frameShape(), QFrame::StyledPanel);
    QCOMPARE(ui->frameColor->frameShadow(), QFrame::Raised);

    QVERIFY(ui->groupBox->isCheckable());
    QCOMPARE(ui->lab->alignment(), Qt::Alignment(Qt::AlignCenter));
    QVERIFY(ui->dateEdit->calendarPopup());
    QVERIFY(ui->dateTimeEdit->calendarPopup());
    QVERIFY(!ui->timeEdit->calendarPopup());
    QCOMPARE(ui->horizontalSlider->orientation(), Qt::Horizontal);
    QCOMPARE(ui->horizontalSlider->minimum(), 0);
    QCOMPARE(ui->horizontalSlider->maximum(), 100);
    QCOMPARE(ui->verticalSlider->orientation(), Qt::Vertical);
    QCOMPARE(ui->verticalScrollBar->orientation(), Qt::Vertical);
    QVERIFY(!ui->calendarWidget1->isGridVisible());
    QVERIFY(ui->calendarWidget2->isGridVisible());
    QCOMPARE(ui->tabWidget->tabPosition(), QTabWidget::North);
    QCOMPARE(ui->tabWidget_2->tabPosition(), QTabWidget::West);
    QCOMPARE(ui->tabWidget_3->tabPosition(), QTabWidget::South);
    QCOMPARE(ui->tabWidget_4->tabPosition(), QTabWidget::East);

    for (QToolButton *button : {ui->tbtn1, ui->tbtn2, ui->tbtn3}) {
        QCOMPARE(button->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
        QCOMPARE(button->sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
    }
    QCOMPARE(ui->widget->sizePolicy().horizontalPolicy(), QSizePolicy::Preferred);
    QCOMPARE(ui->widget->sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
    QVERIFY(ui->widget->children().isEmpty());
    QCOMPARE(ui->lab4->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    QCOMPARE(ui->lab4->sizePolicy().verticalPolicy(), QSizePolicy::Preferred);
    for (QFrame *line : {ui->line1, ui->line2, ui->line3}) {
        QCOMPARE(line->frameShape(), QFrame::VLine);
        QCOMPARE(line->frameShadow(), QFrame::Sunken);
    }
    const QList<QPushButton *> demos = ui->tab9->findChildren<QPushButton *>();
    QCOMPARE(demos.size(), 8);
    for (QPushButton *button : demos) {
        QCOMPARE(button->sizePolicy().horizontalPolicy(), QSizePolicy::Minimum);
        QCOMPARE(button->sizePolicy().verticalPolicy(), QSizePolicy::Expanding);
        QCOMPARE(button->sizePolicy().horizontalStretch(), 0);
        QCOMPARE(button->sizePolicy().verticalStretch(), 0);
    }
    const QList<QLabel *> tiles = ui->widgetVideo->findChildren<QLabel *>();
    QCOMPARE(tiles.size(), 10);
    for (QLabel *tile : tiles)
        QCOMPARE(tile->alignment(), Qt::Alignment(Qt::AlignCenter));

    // The two empty panels stay empty.
    QVERIFY(ui->widgetPanel->findChildren<QWidget *>().isEmpty());
    QVERIFY(ui->widgetFontPanel->findChildren<QWidget *>().isEmpty());
    QVERIFY(!ui->widgetPanel->layout());
    QVERIFY(!ui->widgetFontPanel->layout());
}

void TestForm::pages()
{
    const QStringList mainPages{"tab1", "tab2", "tab3", "tab4", "tab5",
                                "tab6", "tab7", "tab8", "tab9", "tab10"};
    QCOMPARE(ui->tabWidget->count(), mainPages.size());
    for (int i = 0; i < mainPages.size(); ++i)
        QCOMPARE(ui->tabWidget->widget(i)->objectName(), mainPages.at(i));

    const QStringList stackPages{"page1", "page2", "page3"};
    QCOMPARE(ui->stackedWidget->count(), stackPages.size());
    for (int i = 0; i < stackPages.size(); ++i)
        QCOMPARE(ui->stackedWidget->widget(i)->objectName(), stackPages.at(i));
    QVERIFY(ui->page2->children().isEmpty());
    QVERIFY(ui->page3->children().isEmpty());

    const QVector<QPair<QTabWidget *, QStringList>> nested{
        {ui->tabWidget_2, {"tab", "tab_7", "tab_2"}},
        {ui->tabWidget_3, {"tab_3", "tab_8", "tab_4"}},
        {ui->tabWidget_4, {"tab_5", "tab_9", "tab_6"}}};
    for (const auto &entry : nested) {
        QCOMPARE(entry.first->count(), 3);
        for (int i = 0; i < 3; ++i) {
            QWidget *page = entry.first->widget(i);
            QCOMPARE(page->objectName(), entry.second.at(i));
            QCOMPARE(entry.first->tabText(i), QStringLiteral("效果预览"));
            QVERIFY(page->children().isEmpty());
        }
    }
}

void TestForm::texts_data()
{
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("expected");

    const QList<QPair<const char *, const char *>> rows{
        {"btnOpen", "打开"},
        {"btnSave", "保存"},
        {"groupBox", "分组框"},
        {"lab", "消逝"},
        {"lineEdit", "Vantu跟打器，支持高度自定义皮肤！"},
        {"rbtn1", "单选框1"},
        {"rbtn2", "单选框2"},
        {"ck1", "复选框1"},
        {"ck2", "复选框2"},
        {"ck3", "复选框3"},
        {"btnInfo", "信息框"},
        {"btnQuestion", "提示框"},
        {"btnError", "错误框"},
        {"btnInput", "标准输入框"},
        {"btnInputPwd", "密码输入框"},
        {"btnInputcbox", "下拉输入框"},
        {"btnWidget", "新窗体"},
        {"btn1", "菜单1"},
        {"btn2", "菜单2"},
        {"btn3", "菜单3"},
        {"tbtn1", "主界面"},
        {"tbtn2", "警情查询"},
        {"tbtn3", "系统设置"},
        {"lab1", "欢迎使用软件"},
        {"lab2", "当前用户【admin】"},
        {"lab3", "已运行: 0天0时0分0秒"},
        {"lab4", "当前时间: 2017年12月1日 12:00:00"},
        {"tab1", "常用组件"},
        {"tab2", "表格数据"},
        {"tab3", "导航界面"},
        {"tab4", "树状列表"},
        {"tab5", "日历效果"},
        {"tab6", "tab选项卡"},
        {"tab7", "设备面板"},
        {"tab8", "图形字体"},
        {"tab9", "UI界面"},
        {"tab10", "视频监控"},
        {"menu_F", "文件(&F)"},
        {"menu_E", "编辑(&E)"},
        {"menu_B", "构建(&B)"},
        {"menu_H", "帮助(&H)"},
        {"menu", "主题"},
        {"action", "新建文件(&N)"},
        {"action_O", "打开文件(&O)"},
        {"action_S", "保存文件(&S) "},
        {"action_C", "关闭退出(&C)"},
        {"action_X", "剪切(&X) "},
        {"action_C_2", "复制(&C)"},
        {"action_V", "粘贴(&V)"},
        {"actionGouj", "构建项目(&B)"},
        {"action_T", "帮助文档(&T)"},
        {"action_A", "关于(&A)"},
        {"silveryAction", "银色"},
        {"blueAction", "蓝色"},
        {"lightBlueAction", "浅蓝色"},
        {"darkBlueAction", "深蓝色"},
        {"grayAction", "灰色"},
        {"lightGrayAction", "浅灰色"},
        {"darkGrayAction", "深灰色"},
        {"blackAction", "黑色"},
        {"lightBlackAction", "浅黑色"},
        {"darkBlackAction", "深黑色"},
        {"psBlackAction", "PS黑色"},
        {"flatBlackAction", "黑色扁平"},
        {"flatWhiteAction", "白色扁平"},
        {"flatBlueAction", "蓝色扁平"},
        {"purpleAction", "紫色"},
        {"blackBlueAction", "黑蓝色"},
        {"videoBlackAction", "视频黑"},
        {"yellowAction", "黄色"},
        {"whiteAction", "白色"},
        {"silveryWhiteAction", "银白色"},
        {"blackWhiteAction", "黑白色"},
        {"softGreenAction", "柔绿色"},
        {"brownAction", "褐色"},
    };
    for (const auto &row : rows)
        QTest::newRow(row.first) << QString::fromLatin1(row.first) << QString::fromUtf8(row.second);
    for (int i = 1; i <= 8; ++i) {
        const QByteArray name = "btnUIDemo" + QByteArray::number(i);
        QTest::newRow(name.constData()) << QString::fromLatin1(name) << QStringLiteral("界面%1").arg(i);
    }
    for (int i = 1; i <= 10; ++i) {
        const QByteArray name = "labCh" + QByteArray::number(i);
        QTest::newRow(name.constData()) << QString::fromLatin1(name) << QStringLiteral("通道%1").arg(i);
    }
}

void TestForm::texts()
{
    QFETCH(QString, objectName);
    QFETCH(QString, expected);

    QObject *object = window->findChild<QObject *>(objectName);
    QVERIFY(object);
    QString actual;
    if (auto *button = qobject_cast<QAbstractButton *>(object))
        actual = button->text();
    else if (auto *label = qobject_cast<QLabel *>(object))
        actual = label->text();
    else if (auto *edit = qobject_cast<QLineEdit *>(object))
        actual = edit->text();
    else if (auto *group = qobject_cast<QGroupBox *>(object))
        actual = group->title();
    else if (auto *menu = qobject_cast<QMenu *>(object))
        actual = menu->title();
    else if (auto *action = qobject_cast<QAction *>(object))
        actual = action->text();
    else if (auto *page = qobject_cast<QWidget *>(object))
        actual = ui->tabWidget->tabText(ui->tabWidget->indexOf(page));
    QCOMPARE(actual, expected);
}

void TestForm::sampleParagraph()
{
    const QString text = ui->plainTextEdit->toPlainText();
    QVERIFY(!text.endsWith(QLatin1Char('\n')));
    QVERIFY(!text.contains(QLatin1Char('\r')));
    const QStringList lines = text.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 9);
    for (const QString &line : lines) {
        QVERIFY2(!line.trimmed().isEmpty(), "empty line in the sample paragraph");
        QVERIFY2(line.size() <= 20, qPrintable(line));
        bool hasHan = false;
        for (const QChar c : line)
            hasHan = hasHan || (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF);
        QVERIFY2(hasHan, qPrintable(line));
    }
}

// ------------------------------------------------------------------ geometry

void TestForm::frameColorKeepsItsWidth_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("initial") << QSize(850, 630);
    QTest::newRow("wide") << QSize(1400, 640);
    QTest::newRow("tall") << QSize(900, 1000);
    QTest::newRow("large") << QSize(1600, 1200);
    QTest::newRow("tiny") << QSize(200, 150); // clamped to the layout's minimum
}

void TestForm::frameColorKeepsItsWidth()
{
    QFETCH(QSize, size);
    auto w = makeWindow();
    Ui::ZavoCreator *form = ZavoCreatorProbe::ui(w.get());
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));

    // The window cannot become narrower than its contents allow, so the
    // reference is whatever width it really has at the start.
    settle(w.get(), QSize(850, 630));
    const int windowWidthBefore = w->width();
    const int editWidthBefore = form->txtMain->width();
    settle(w.get(), size);

    QCOMPARE(form->frameColor->width(), 220);
    // The frame stays in the left column, under the buttons and beside the
    // style-sheet view, and the view takes up whatever width is left.
    const QRect frame = form->frameColor->geometry();
    const QRect edit = form->txtMain->geometry();
    QVERIFY(frame.right() < edit.left());
    QVERIFY(form->btnOpen->geometry().bottom() < frame.top());
    QVERIFY(form->btnOpen->geometry().bottom() < form->btnSave->geometry().top());
    QVERIFY(frame.bottom() < form->tabWidget->geometry().top());
    const int growth = w->width() - windowWidthBefore;
    if (growth > 0)
        QCOMPARE(form->txtMain->width(), editWidthBefore + growth);
    else
        QVERIFY(form->txtMain->width() <= editWidthBefore);
}

void TestForm::sizeLimits_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("initial") << QSize(850, 630);
    QTest::newRow("small") << QSize(300, 200);
    QTest::newRow("large") << QSize(1600, 1200);
}

void TestForm::sizeLimits()
{
    QFETCH(QSize, size);
    auto w = makeWindow();
    Ui::ZavoCreator *form = ZavoCreatorProbe::ui(w.get());

    QCOMPARE(form->widgetLeft->minimumSize(), QSize(80, 0));
    QCOMPARE(form->widgetBottom->maximumSize(), QSize(QWIDGETSIZE_MAX, 30));
    QCOMPARE(form->cbox1->maximumSize(), QSize(QWIDGETSIZE_MAX, 28));
    QCOMPARE(form->cbox2->maximumSize(), QSize(QWIDGETSIZE_MAX, 28));
    QCOMPARE(form->progressBar->maximumSize(), QSize(QWIDGETSIZE_MAX, 18));
    for (QFrame *line : {form->line1, form->line2, form->line3})
        QCOMPARE(line->maximumSize(), QSize(1, QWIDGETSIZE_MAX));

    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));

    form->tabWidget->setCurrentWidget(form->tab1);
    settle(w.get(), size);
    QVERIFY(form->cbox1->isVisible());
    QVERIFY(form->cbox1->height() <= 28);
    QVERIFY(form->cbox2->height() <= 28);
    QVERIFY(form->progressBar->height() <= 18);

    form->tabWidget->setCurrentWidget(form->tab3);
    settle(w.get(), size);
    QVERIFY(form->widgetLeft->isVisible());
    QVERIFY(form->widgetLeft->width() >= 80);
    QVERIFY(form->widgetBottom->height() <= 30);
    for (QFrame *line : {form->line1, form->line2, form->line3})
        QVERIFY(line->width() <= 1);
    // The spacer pushes the three menu buttons to the top of their strip.
    QCOMPARE(form->btn1->y(), 0);
    QCOMPARE(form->btn2->y(), form->btn1->geometry().bottom() + 1);
}

// ----------------------------------------------------------- menus and actions

void TestForm::menus()
{
    const QList<QAction *> bar = ui->menubar->actions();
    QCOMPARE(bar.size(), 5);
    const QStringList menuNames{"menu_F", "menu_E", "menu_B", "menu_H", "menu"};
    for (int i = 0; i < bar.size(); ++i) {
        QVERIFY(bar.at(i)->menu());
        QCOMPARE(bar.at(i)->menu()->objectName(), menuNames.at(i));
    }
    QCOMPARE(window->menuBar(), ui->menubar);

    const QVector<QPair<QMenu *, QStringList>> entries{
        {ui->menu_F, {"action", "action_O", "|", "action_S", "action_C"}},
        {ui->menu_E, {"action_X", "action_C_2", "action_V"}},
        {ui->menu_B, {"actionGouj"}},
        {ui->menu_H, {"action_T", "action_A"}},
    };
    int separators = 0;
    for (const auto &entry : entries) {
        QStringList actual;
        for (QAction *action : entry.first->actions()) {
            actual << (action->isSeparator() ? QStringLiteral("|") : action->objectName());
            separators += action->isSeparator() ? 1 : 0;
        }
        QCOMPARE(actual, entry.second);
    }
    QStringList skins;
    for (QAction *action : ui->menu->actions()) {
        QVERIFY(!action->isSeparator());
        skins << action->objectName();
    }
    QStringList expectedSkins;
    for (const char *name : skinActionNames)
        expectedSkins << QString::fromLatin1(name);
    QCOMPARE(skins, expectedSkins);
    QCOMPARE(separators, 1);
}

void TestForm::actionsInCreationOrder()
{
    QStringList expected;
    for (const char *name : inertActionNames)
        expected << QString::fromLatin1(name);
    for (const char *name : skinActionNames)
        expected << QString::fromLatin1(name);

    QStringList actual;
    for (QAction *action : window->findChildren<QAction *>(QString(), Qt::FindDirectChildrenOnly))
        actual << action->objectName();
    QCOMPARE(actual, expected);
}

void TestForm::skinMenuHiddenButAlive()
{
    auto w = makeWindow();
    Ui::ZavoCreator *form = ZavoCreatorProbe::ui(w.get());
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));

    QStringList shown;
    for (QAction *action : form->menubar->actions()) {
        if (action->isVisible())
            shown << action->text();
        // A hidden entry has no place in the bar.
        QCOMPARE(form->menubar->actionGeometry(action).isEmpty(), !action->isVisible());
    }
    QCOMPARE(shown, (QStringList{"文件(&F)", "编辑(&E)", "构建(&B)", "帮助(&H)"}));
    QVERIFY(!form->menu->menuAction()->isVisible());

    // The skin menu itself and its actions remain, enabled and wired.
    QCOMPARE(form->menu->actions().size(), 23);
    for (QAction *action : form->menu->actions()) {
        QVERIFY(action->isEnabled());
        QVERIFY(action->isVisible());
    }

    auto fieldTexts = [form] {
        QStringList texts;
        for (const char *key : roleKeys)
            texts << form->frameColor->findChild<QLineEdit *>(QStringLiteral("txt") + QLatin1String(key))->text();
        return texts;
    };
    const QStringList atStart = fieldTexts();
    QVERIFY(!atStart.join(QString()).isEmpty());
    form->flatBlackAction->trigger();
    QVERIFY(fieldTexts() != atStart);
    form->flatWhiteAction->trigger();
    QCOMPARE(fieldTexts(), atStart);
}

void TestForm::actionTextsEndingInBlank()
{
    int endingInBlank = 0;
    for (QAction *action : window->findChildren<QAction *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (action->text().endsWith(QLatin1Char(' ')))
            ++endingInBlank;
    }
    QCOMPARE(endingInBlank, 2);
    QVERIFY(ui->action_S->text().endsWith(QLatin1String(") ")));
    QVERIFY(!ui->action_S->text().endsWith(QLatin1String("  ")));
    QVERIFY(ui->action_X->text().endsWith(QLatin1String(") ")));
    QVERIFY(!ui->action_X->text().endsWith(QLatin1String("  ")));
}

void TestForm::inertActions_data()
{
    QTest::addColumn<QString>("actionName");
    for (const char *name : inertActionNames)
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestForm::inertActions()
{
    QFETCH(QString, actionName);

    auto w = makeWindow();
    Ui::ZavoCreator *form = ZavoCreatorProbe::ui(w.get());
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    form->txtMain->setPlainText(QStringLiteral("QWidget{}"));

    auto snapshot = [&] {
        QStringList state;
        state << w->windowTitle() << QString::number(w->isVisible()) << QString::number(w->width())
              << QString::number(w->height()) << qApp->styleSheet()
              << ZavoCreatorProbe::composedSheet(w.get()) << form->txtMain->toPlainText();
        for (QLineEdit *edit : w->findChildren<QLineEdit *>())
            state << edit->objectName() + QLatin1Char('=') + edit->text();
        for (QTabWidget *tabs : w->findChildren<QTabWidget *>())
            state << tabs->objectName() + QLatin1Char('#') + QString::number(tabs->currentIndex());
        for (QPushButton *button : form->frameColor->findChildren<QPushButton *>())
            state << button->styleSheet();
        state << QString::number(QApplication::topLevelWidgets().size());
        return state;
    };

    auto *action = w->findChild<QAction *>(actionName);
    QVERIFY(action);
    QCOMPARE(action->parent(), w.get());
    const QStringList before = snapshot();
    action->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(snapshot(), before);
}

// ---------------------------------------------------------- slot table, wiring

void TestForm::slotTable()
{
    const QMetaObject *mo = &ZavoCreator::staticMetaObject;
    QCOMPARE(QByteArray(mo->className()), QByteArray("ZavoCreator"));
    QCOMPARE(mo->superClass(), &QMainWindow::staticMetaObject);
    QCOMPARE(mo->propertyCount(), mo->propertyOffset());
    QCOMPARE(mo->enumeratorCount(), mo->enumeratorOffset());
    QCOMPARE(mo->classInfoCount(), mo->classInfoOffset());

    const QList<QByteArray> expected{
        "initForm()",
        "initTableWidget()",
        "initTreeWidget()",
        "initListWidget()",
        "initOther()",
        "initStyle(QString)",
        "initTranslator()",
        "styleSlot()",
        "on_txtTextColor_textChanged(QString)",
        "on_txtPanelColor_textChanged(QString)",
        "on_txtBorderColor_textChanged(QString)",
        "on_txtNormalColorStart_textChanged(QString)",
        "on_txtNormalColorEnd_textChanged(QString)",
        "on_txtDarkColorStart_textChanged(QString)",
        "on_txtDarkColorEnd_textChanged(QString)",
        "on_txtHighColor_textChanged(QString)",
        "on_btnSave_clicked()",
        "on_btnTextColor_clicked()",
        "on_btnPanelColor_clicked()",
        "on_btnBorderColor_clicked()",
        "on_btnNormalColorStart_clicked()",
        "on_btnNormalColorEnd_clicked()",
        "on_btnDarkColorStart_clicked()",
        "on_btnDarkColorEnd_clicked()",
        "on_btnHighColor_clicked()",
        "on_btnOpen_clicked()",
    };
    QCOMPARE(mo->methodCount() - mo->methodOffset(), expected.size());
    for (int i = 0; i < expected.size(); ++i) {
        const QMetaMethod method = mo->method(mo->methodOffset() + i);
        QCOMPARE(method.methodSignature(), expected.at(i));
        QCOMPARE(method.methodType(), QMetaMethod::Slot);
        QCOMPARE(method.access(), QMetaMethod::Private);
        QCOMPARE(method.returnType(), int(QMetaType::Void));
    }
}

void TestForm::slotsConnectedByName()
{
    // Disconnecting is the public way to ask whether a connection exists, so
    // this test works on a window of its own. First every expected
    // connection must be found (and removed), then no connection from any
    // object of the window to any of its slots may be left.
    auto w = makeWindow();
    const QMetaObject *mo = w->metaObject();
    auto slotAt = [mo](const char *signature) {
        const int index = mo->indexOfSlot(signature);
        return index < 0 ? QMetaMethod() : mo->method(index);
    };
    auto signalOf = [](const QObject *sender, const char *signature) {
        const int index = sender->metaObject()->indexOfSignal(signature);
        return index < 0 ? QMetaMethod() : sender->metaObject()->method(index);
    };

    int byName = 0;
    for (const char *key : roleKeys) {
        const QByteArray k(key);
        auto *field = w->findChild<QLineEdit *>(QString::fromLatin1("txt" + k));
        auto *button = w->findChild<QPushButton *>(QString::fromLatin1("btn" + k));
        QVERIFY(field && button);
        const QMetaMethod fieldSlot = slotAt("on_txt" + k + "_textChanged(QString)");
        const QMetaMethod buttonSlot = slotAt("on_btn" + k + "_clicked()");
        QVERIFY(fieldSlot.isValid() && buttonSlot.isValid());
        QVERIFY2(QObject::disconnect(field, signalOf(field, "textChanged(QString)"), w.get(), fieldSlot),
                 k.constData());
        QVERIFY2(QObject::disconnect(button, signalOf(button, "clicked()"), w.get(), buttonSlot), k.constData());
        byName += 2;
    }
    for (const char *name : {"Open", "Save"}) {
        const QByteArray n(name);
        auto *button = w->findChild<QPushButton *>(QString::fromLatin1("btn" + n));
        QVERIFY(button);
        QVERIFY2(QObject::disconnect(button, signalOf(button, "clicked()"), w.get(),
                                     slotAt("on_btn" + n + "_clicked()")),
                 name);
        ++byName;
    }
    QCOMPARE(byName, 18);

    // The skin actions are the only senders of the one explicit connection.
    for (const char *name : skinActionNames) {
        auto *action = w->findChild<QAction *>(QString::fromLatin1(name));
        QVERIFY(action);
        QVERIFY2(QObject::disconnect(action, signalOf(action, "triggered()"), w.get(), slotAt("styleSlot()")),
                 name);
    }

    QList<QObject *> senders = w->findChildren<QObject *>();
    senders << w.get();
    for (int i = mo->methodOffset(); i < mo->methodCount(); ++i) {
        const QMetaMethod slot = mo->method(i);
        for (QObject *sender : senders) {
            QVERIFY2(!QObject::disconnect(sender, QMetaMethod(), w.get(), slot),
                     qPrintable(sender->objectName() + QLatin1String(" -> ") +
                                QString::fromLatin1(slot.methodSignature())));
        }
    }
}

void TestForm::sliderDrivesProgressBar()
{
    auto w = makeWindow();
    Ui::ZavoCreator *form = ZavoCreatorProbe::ui(w.get());
    for (int value = 0; value <= 100; ++value) {
        form->horizontalSlider->setValue(value);
        QCOMPARE(form->progressBar->value(), value);
    }
    form->horizontalSlider->setValue(42);
    form->verticalSlider->setValue(form->verticalSlider->maximum());
    form->verticalScrollBar->setValue(form->verticalScrollBar->maximum());
    QCOMPARE(form->progressBar->value(), 42);
    QCOMPARE(form->horizontalSlider->value(), 42);
}

void TestForm::groupBoxTogglesItsControls()
{
    auto w = makeWindow();
    Ui::ZavoCreator *form = ZavoCreatorProbe::ui(w.get());
    QList<QWidget *> controls;
    for (int i = 0; i < form->gridLayout_2->count(); ++i)
        controls << form->gridLayout_2->itemAt(i)->widget();
    QCOMPARE(controls.size(), 24);

    QVERIFY(form->groupBox->isChecked());
    for (QWidget *control : controls)
        QVERIFY2(control->isEnabled(), qPrintable(control->objectName()));
    form->groupBox->setChecked(false);
    for (QWidget *control : controls)
        QVERIFY2(!control->isEnabled(), qPrintable(control->objectName()));
    form->groupBox->setChecked(true);
    for (QWidget *control : controls)
        QVERIFY2(control->isEnabled(), qPrintable(control->objectName()));
}

// ------------------------------------------------------------------- start-up

void TestForm::startupState()
{
    auto w = makeWindow();
    Ui::ZavoCreator *form = ZavoCreatorProbe::ui(w.get());

    QCOMPARE(w->objectName(), QStringLiteral("ZavoCreator"));
    QCOMPARE(w->windowTitle(), QStringLiteral("MainWindow"));
    QCOMPARE(w->size(), QSize(850, 630));
    QCOMPARE(w->centralWidget(), form->centralwidget);

    QCOMPARE(form->tabWidget->currentWidget(), form->tab1);
    QCOMPARE(form->stackedWidget->currentWidget(), form->page1);
    QCOMPARE(form->tabWidget_2->currentWidget(), form->tab_2);
    QCOMPARE(form->tabWidget_3->currentWidget(), form->tab_3);
    QCOMPARE(form->tabWidget_4->currentWidget(), form->tab_6);

    QCOMPARE(form->horizontalSlider->value(), 88);
    QCOMPARE(form->progressBar->value(), 88);

    QVERIFY(form->txtMain->toPlainText().isEmpty());
    QVERIFY(form->groupBox->isChecked());
    QVERIFY(!form->ck1->isChecked());
    QVERIFY(!form->rbtn2->isChecked());
}

// ---------------------------------------------------------- setupUi on its own

void TestForm::existingObjectNameIsKept()
{
    QMainWindow named;
    named.setObjectName(QStringLiteral("skinWindow"));
    Ui::ZavoCreator form;
    form.setupUi(&named);
    QCOMPARE(named.objectName(), QStringLiteral("skinWindow"));
    QCOMPARE(named.windowTitle(), QStringLiteral("MainWindow"));

    QMainWindow unnamed;
    Ui::ZavoCreator form2;
    form2.setupUi(&unnamed);
    QCOMPARE(unnamed.objectName(), QStringLiteral("ZavoCreator"));
    QCOMPARE(unnamed.size(), QSize(850, 630));
    QCOMPARE(form2.menubar->geometry(), QRect(0, 0, 850, 23));
    QCOMPARE(unnamed.menuBar(), form2.menubar);
    // Before any sample content the pickers and the views are empty.
    QCOMPARE(form2.cbox1->count(), 0);
    QCOMPARE(form2.listWidget->count(), 0);
    QCOMPARE(form2.tableWidget->rowCount(), 0);
    QCOMPARE(form2.tableWidget->columnCount(), 0);
    QCOMPARE(form2.treeWidget->topLevelItemCount(), 0);
    QCOMPARE(form2.treeWidget->headerItem()->text(0), QStringLiteral("1"));
    QCOMPARE(form2.treeWidget->columnCount(), 1);
    QCOMPARE(form2.horizontalSlider->value(), 0);
    for (QAbstractButton *box : {static_cast<QAbstractButton *>(form2.rbtn1),
                                 static_cast<QAbstractButton *>(form2.rbtn2),
                                 static_cast<QAbstractButton *>(form2.ck1),
                                 static_cast<QAbstractButton *>(form2.ck2),
                                 static_cast<QAbstractButton *>(form2.ck3)})
        QVERIFY(!box->isChecked());
    for (const char *key : roleKeys)
        QVERIFY(unnamed.findChild<QLineEdit *>(QStringLiteral("txt") + QLatin1String(key))->text().isEmpty());
}

void TestForm::textsGoThroughTranslation()
{
    MarkingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QMainWindow named;
    named.setObjectName(QStringLiteral("anotherName"));
    Ui::ZavoCreator form;
    form.setupUi(&named);
    QCoreApplication::removeTranslator(&translator);

    // Qt's own widgets look up their texts under their class names; every
    // other lookup is the form's, under the one context, plainly.
    int formLookups = 0;
    for (const MarkingTranslator::Lookup &lookup : translator.lookups) {
        if (lookup.context.startsWith('Q'))
            continue;
        QCOMPARE(lookup.context, QByteArray("ZavoCreator"));
        QVERIFY(!lookup.hasDisambiguation);
        QCOMPARE(lookup.n, -1);
        ++formLookups;
    }
    QVERIFY(formLookups > 100);

    auto marked = [](const QString &text) {
        return text.startsWith(QStringLiteral("«")) && text.endsWith(QStringLiteral("»"));
    };
    QVERIFY(marked(named.windowTitle()));
    QVERIFY(marked(form.plainTextEdit->toPlainText()));
    QVERIFY(marked(form.lineEdit->text()));
    QVERIFY(marked(form.groupBox->title()));
    QVERIFY(marked(form.treeWidget->headerItem()->text(0)));
    for (QAction *action : named.findChildren<QAction *>(QString(), Qt::FindDirectChildrenOnly))
        QVERIFY2(marked(action->text()), qPrintable(action->objectName()));
    for (QMenu *menu : named.findChildren<QMenu *>())
        if (isFormObject(menu))
            QVERIFY2(marked(menu->title()), qPrintable(menu->objectName()));
    for (QTabWidget *tabs : named.findChildren<QTabWidget *>()) {
        for (int i = 0; i < tabs->count(); ++i)
            QVERIFY2(marked(tabs->tabText(i)), qPrintable(tabs->objectName()));
    }
    for (QLabel *label : named.findChildren<QLabel *>()) {
        if (isFormObject(label))
            QVERIFY2(marked(label->text()), qPrintable(label->objectName()));
    }
    // Every named button carries a translated text, except the colour
    // buttons, which show only their colour.
    for (QAbstractButton *button : named.findChildren<QAbstractButton *>()) {
        const QString name = button->objectName();
        if (!isFormObject(button))
            continue;
        if (form.frameColor->isAncestorOf(button))
            QVERIFY2(button->text().isEmpty(), qPrintable(name));
        else
            QVERIFY2(marked(button->text()), qPrintable(name));
    }
}

QTEST_MAIN(TestForm)
#include "tst_form.moc"
